// The per-file timing list and its stored form.
#include "control/TimingMemory.h"

#include "control/Settings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace {

const std::string kKey(settings::kFileTiming.name);

std::string number(double value)
{
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, end);
}

std::optional<double> readNumber(std::string_view text)
{
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::string TimingMemory::serialize(const std::vector<std::pair<std::string, Timing>>& entries)
{
    std::string text;
    for (const auto& [path, timing] : entries) {
        text += number(timing.delay);
        if (timing.hasSplit()) {
            text += ';';
            text += number(timing.splitAt);
            text += ';';
            text += number(timing.delayAfter);
        }
        text += '\t';
        text += number(timing.speed);
        text += '\t';
        text += path;
        text += '\n';
    }
    return text;
}

std::vector<std::pair<std::string, Timing>> TimingMemory::parse(const std::string& text)
{
    std::vector<std::pair<std::string, Timing>> entries;
    std::string_view rest = text;
    while (!rest.empty() && entries.size() < kCapacity) {
        const std::size_t newline = rest.find('\n');
        const std::string_view line = rest.substr(0, newline);
        rest = newline == std::string_view::npos ? std::string_view{} : rest.substr(newline + 1);
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string_view::npos || tab2 + 1 == line.size())
            continue;
        const std::string_view delays = line.substr(0, tab1);
        const std::size_t semi1 = delays.find(';');
        const std::size_t semi2
            = semi1 == std::string_view::npos ? semi1 : delays.find(';', semi1 + 1);
        const auto delay = readNumber(delays.substr(0, semi1));
        const auto speed = readNumber(line.substr(tab1 + 1, tab2 - tab1 - 1));
        if (!delay || !speed || !(*speed > 0))
            continue;
        Timing timing{ *delay, *speed };
        if (semi1 != std::string_view::npos) {
            const auto at = semi2 == std::string_view::npos
                ? std::nullopt
                : readNumber(delays.substr(semi1 + 1, semi2 - semi1 - 1));
            const auto after = semi2 == std::string_view::npos
                ? std::nullopt
                : readNumber(delays.substr(semi2 + 1));
            if (!at || !after)
                continue;
            timing.splitAt = *at;
            timing.delayAfter = *after;
        }
        entries.emplace_back(std::string(line.substr(tab2 + 1)), timing);
    }
    return entries;
}

void TimingMemory::load(PreferencesStore& store)
{
    try {
        _entries = parse(store.stringValue(kKey).value_or(std::string{}));
    } catch (const PreferencesError&) {
        _entries.clear();
    }
}

std::optional<Timing> TimingMemory::find(const std::string& path) const
{
    const auto it = std::find_if(
        _entries.begin(), _entries.end(), [&](const auto& e) { return e.first == path; });
    if (it == _entries.end())
        return std::nullopt;
    return it->second;
}

void TimingMemory::remember(PreferencesStore& store, const std::string& path, const Timing& timing)
{
    if (note(path, timing))
        save(store);
}

bool TimingMemory::note(const std::string& path, const Timing& timing)
{
    // A line break in the name would split its line; such a file is not remembered.
    if (path.empty() || path.find('\n') != std::string::npos)
        return false;
    std::erase_if(_entries, [&](const auto& e) { return e.first == path; });
    if (!timing.isIdentity())
        _entries.emplace(_entries.begin(), path, timing);
    if (_entries.size() > kCapacity)
        _entries.resize(kCapacity);
    return true;
}

void TimingMemory::save(PreferencesStore& store) const
{
    try {
        store.setString(kKey, serialize(_entries));
    } catch (const PreferencesError&) {
        // Still in force for this run: a read-only home must not stop lining up.
    }
}
