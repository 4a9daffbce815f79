// What a follow session shows: its messages, and when the menu and the buttons are out of date.
#pragma once

#include <string>

// Called on the UI thread only.
class FollowView {
public:
    virtual ~FollowView() = default;
    // A status message for the user.
    virtual void say(const std::string& utf8) = 0;
    // The players on offer, or the one followed, changed.
    virtual void showPlayers() = 0;
    // Whether the clock in force runs, for the Start button's title.
    virtual void showPlayback(bool playing) = 0;
    // What the followed player allows, or following itself, changed.
    virtual void showCapabilities() = 0;
    // The offer to go back to the own clock (a player whose position never moves).
    virtual void offerOwnClock(bool offered) = 0;
    // A player is followed from now on, or no longer.
    virtual void followingChanged() = 0;

protected:
    FollowView() = default;
    FollowView(const FollowView&) = delete;
    FollowView& operator=(const FollowView&) = delete;
};
