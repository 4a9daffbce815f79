// The media players on the desktop's bus, and the one followed: the port a follow session drives.
#pragma once

#include "control/PlayerChoice.h"
#include "playback/FollowedPosition.h"

#include <optional>
#include <string>
#include <vector>

// Called on the UI thread only; position() is also read by the playback worker (it is
// thread-safe). Calls to a player never wait for its answer.
class PlayerBus {
public:
    // What the bus reports, on the UI thread, to the one listener.
    class Listener {
    public:
        virtual ~Listener() = default;
        // The list of players, or whether it is complete, changed.
        virtual void playersChanged() = 0;
        virtual void playbackChanged() = 0;
        virtual void capabilitiesChanged() = 0;
        // The followed player plays something else (or the same after a follow()).
        virtual void mediaChanged() = 0;
        // The followed player left the bus; following has stopped, its position held paused.
        virtual void playerQuit(const std::string& title) = 0;
        // The followed player says it plays but its position does not move.
        virtual void positionStuck() = 0;

    protected:
        Listener() = default;
        Listener(const Listener&) = delete;
        Listener& operator=(const Listener&) = delete;
    };

    virtual ~PlayerBus() = default;
    // None (nullptr) stops the reports.
    virtual void setListener(Listener* listener) = 0;

    virtual bool busAvailable() const = 0;
    // Why there is no bus, for the user.
    virtual std::string busError() const = 0;
    // Players whose description has arrived, in the order they appeared.
    virtual const std::vector<PlayerInfo>& players() const = 0;
    // Whether players() is complete: nothing is still on its way.
    virtual bool playersKnown() const = 0;

    // Follows the player with this bus name; an empty name stops following.
    virtual void follow(const std::string& busName) = 0;
    // Empty while none is.
    virtual std::string followed() const = 0;
    // The name the player is listed under; the bus name itself for one not listed.
    virtual std::string titleOf(const std::string& busName) const = 0;
    virtual FollowedPosition& position() = 0;

    // What the followed player says it allows; true until it says otherwise.
    virtual bool canControl() const = 0;
    virtual bool canSeek() const = 0;
    virtual bool canPause() const = 0;
    // Whether the followed player reports its position; one that does not (Firefox) is followed
    // by a clock of our own that pauses and resumes with it, and seeks move that clock. True
    // until the player's properties say otherwise.
    virtual bool reportsPosition() const = 0;
    // The followed player's media as the user reads its URL; empty for none.
    virtual std::string mediaUrl() const = 0;
    // The media's file as the bytes the file system knows it by; none unless a local file.
    virtual std::optional<std::string> mediaPath() const = 0;

    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void playPause() = 0;
    virtual void seekBy(double seconds) = 0;
    virtual void setPosition(double seconds) = 0;

protected:
    PlayerBus() = default;
    PlayerBus(const PlayerBus&) = delete;
    PlayerBus& operator=(const PlayerBus&) = delete;
};
