// Which media player to follow: the names the menu shows and the choice a name asks for.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// A media player on the session bus, as its desktop interface describes it.
struct PlayerInfo {
    std::string busName; // "org.mpris.MediaPlayer2.mpv"
    std::string identity; // "mpv Media Player"; may be empty
    bool playing = false;
    // What it plays ("xesam:title": a browser's page title); may be empty.
    std::string mediaTitle;
};

// The menu's titles, in the players' order: the identity, with what it plays where two players
// share one (two browsers: "Chromium – Lecture 3"), or the bus name where that does not tell
// them apart either, and the bus name alone where there is no identity.
std::vector<std::string> playerTitles(const std::vector<PlayerInfo>& players);

// What `--follow=NAME` and the stored choice ask for: the first player whose bus name or
// identity contains NAME, ignoring case; with an empty NAME the first playing player, else the
// first player. None when no player fits (yet).
std::optional<std::size_t> choosePlayer(
    const std::vector<PlayerInfo>& players, const std::string& name);

// The short name stored for a choice, which choosePlayer finds again after a restart: the bus
// name without its "org.mpris.MediaPlayer2." prefix and any ".instanceN" suffix ("chromium").
std::string storedPlayerName(const std::string& busName);
