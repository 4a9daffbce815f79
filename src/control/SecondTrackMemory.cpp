// The first-to-second file list and its stored form.
#include "control/SecondTrackMemory.h"

#include "control/Settings.h"

#include <algorithm>
#include <string_view>

namespace {

const std::string kKey(settings::kSecondTracks.name);

bool storable(const std::string& path)
{
    return !path.empty() && path.find_first_of("\t\n") == std::string::npos;
}

} // namespace

std::string SecondTrackMemory::serialize(
    const std::vector<std::pair<std::string, std::string>>& pairs)
{
    std::string text;
    for (const auto& [first, second] : pairs) {
        text += first;
        text += '\t';
        text += second;
        text += '\n';
    }
    return text;
}

std::vector<std::pair<std::string, std::string>> SecondTrackMemory::parse(const std::string& text)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    std::string_view rest = text;
    while (!rest.empty() && pairs.size() < kCapacity) {
        const std::size_t newline = rest.find('\n');
        const std::string_view line = rest.substr(0, newline);
        rest = newline == std::string_view::npos ? std::string_view{} : rest.substr(newline + 1);
        const std::size_t tab = line.find('\t');
        if (tab == 0 || tab == std::string_view::npos || tab + 1 == line.size()
            || line.find('\t', tab + 1) != std::string_view::npos)
            continue;
        pairs.emplace_back(std::string(line.substr(0, tab)), std::string(line.substr(tab + 1)));
    }
    return pairs;
}

void SecondTrackMemory::load(PreferencesStore& store)
{
    try {
        _pairs = parse(store.stringValue(kKey).value_or(std::string{}));
    } catch (const PreferencesError&) {
        _pairs.clear();
    }
}

std::optional<std::string> SecondTrackMemory::find(const std::string& first) const
{
    const auto it = std::find_if(
        _pairs.begin(), _pairs.end(), [&](const auto& p) { return p.first == first; });
    if (it == _pairs.end())
        return std::nullopt;
    return it->second;
}

void SecondTrackMemory::remember(
    PreferencesStore& store, const std::string& first, const std::optional<std::string>& second)
{
    if (!storable(first) || (second && !storable(*second)))
        return;
    std::erase_if(_pairs, [&](const auto& p) { return p.first == first; });
    if (second)
        _pairs.emplace(_pairs.begin(), first, *second);
    if (_pairs.size() > kCapacity)
        _pairs.resize(kCapacity);
    try {
        store.setString(kKey, serialize(_pairs));
    } catch (const PreferencesError&) {
        // Still in force for this run.
    }
}
