// Player titles and matching by name.
#include "control/PlayerChoice.h"

#include "platform/Ascii.h"

#include <algorithm>
#include <map>
#include <utility>

namespace {

const std::string kMprisPrefix = "org.mpris.MediaPlayer2.";

bool contains(const std::string& haystack, const std::string& needle)
{
    return ascii::toLower(haystack).find(ascii::toLower(needle)) != std::string::npos;
}

} // namespace

std::vector<std::string> playerTitles(const std::vector<PlayerInfo>& players)
{
    std::map<std::string, int> uses;
    std::map<std::pair<std::string, std::string>, int> playing;
    for (const PlayerInfo& p : players) {
        ++uses[p.identity];
        ++playing[{ p.identity, p.mediaTitle }];
    }
    std::vector<std::string> titles;
    titles.reserve(players.size());
    for (const PlayerInfo& p : players) {
        if (p.identity.empty())
            titles.push_back(p.busName);
        else if (uses[p.identity] == 1)
            titles.push_back(p.identity);
        else if (!p.mediaTitle.empty() && playing[{ p.identity, p.mediaTitle }] == 1)
            titles.push_back(p.identity + " \u2013 " + p.mediaTitle);
        else
            titles.push_back(p.identity + " (" + p.busName + ")");
    }
    return titles;
}

std::optional<std::size_t> choosePlayer(
    const std::vector<PlayerInfo>& players, const std::string& name)
{
    if (players.empty())
        return std::nullopt;
    if (name.empty()) {
        const auto playing
            = std::find_if(players.begin(), players.end(), [](const auto& p) { return p.playing; });
        return playing == players.end() ? 0 : static_cast<std::size_t>(playing - players.begin());
    }
    for (std::size_t i = 0; i < players.size(); ++i) {
        if (contains(players[i].busName, name) || contains(players[i].identity, name))
            return i;
    }
    return std::nullopt;
}

std::string storedPlayerName(const std::string& busName)
{
    std::string name
        = busName.rfind(kMprisPrefix, 0) == 0 ? busName.substr(kMprisPrefix.size()) : busName;
    if (const std::size_t instance = name.find(".instance"); instance != std::string::npos)
        name.resize(instance);
    return name;
}
