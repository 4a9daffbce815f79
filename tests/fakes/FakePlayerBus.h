// A bus of hand-made players: the test says what they report and reads what they were asked.
#pragma once

#include "control/PlayerBus.h"

#include <optional>
#include <string>
#include <vector>

class FakePlayerBus final : public PlayerBus {
public:
    FakePlayerBus()
        // Time stands still: tests set positions while paused.
        : _position([] { return 0.0; })
    {
    }

    void setListener(Listener* l) override { listener = l; }
    bool busAvailable() const override { return available; }
    std::string busError() const override { return "No session D-Bus to find media players on."; }
    const std::vector<PlayerInfo>& players() const override { return list; }
    bool playersKnown() const override { return true; }
    void follow(const std::string& busName) override
    {
        following = busName;
        calls.push_back("follow " + busName);
    }
    std::string followed() const override { return following; }
    std::string titleOf(const std::string& busName) const override
    {
        for (const PlayerInfo& p : list) {
            if (p.busName == busName)
                return p.identity;
        }
        return busName;
    }
    FollowedPosition& position() override { return _position; }
    bool canControl() const override { return true; }
    bool canSeek() const override { return true; }
    bool canPause() const override { return true; }
    bool reportsPosition() const override { return !noPosition; }
    std::string mediaUrl() const override { return url; }
    std::optional<std::string> mediaPath() const override { return path; }
    void play() override { calls.emplace_back("play"); }
    void pause() override { calls.emplace_back("pause"); }
    void playPause() override { calls.emplace_back("playPause"); }
    void seekBy(double seconds) override { calls.push_back("seekBy " + std::to_string(seconds)); }
    void setPosition(double seconds) override
    {
        calls.push_back("setPosition " + std::to_string(seconds));
    }

    // A player appears, as the bus would announce it.
    void add(const std::string& busName, const std::string& identity)
    {
        list.push_back({ busName, identity, false, {} });
        listener->playersChanged();
    }
    // The followed player plays this URL; `localPath` as the adapter would find it.
    void play(const std::string& mediaUrl, std::optional<std::string> localPath)
    {
        url = mediaUrl;
        path = std::move(localPath);
        listener->mediaChanged();
    }
    // The followed player leaves, held where it was, as the adapter hands it over.
    void quit()
    {
        const std::string title = titleOf(following);
        _position.setStatus(FollowedPosition::Status::Paused);
        following.clear();
        list.clear();
        listener->playerQuit(title);
        listener->playersChanged();
    }

    // The followed player's properties arrive without a position, as Firefox's do.
    void reportNoPosition()
    {
        noPosition = true;
        listener->capabilitiesChanged();
    }

    Listener* listener = nullptr;
    bool noPosition = false;
    bool available = true;
    std::vector<PlayerInfo> list;
    std::string following;
    std::string url;
    std::optional<std::string> path;
    std::vector<std::string> calls;

private:
    FollowedPosition _position;
};
