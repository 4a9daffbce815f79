// Which second subtitle file went with each first file, kept for the most recent files only.
#pragma once

#include "control/PreferencesStore.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Used on the UI thread only. Stored as one text setting (settings::kSecondTracks), one first file
// a line, newest first: "first<TAB>second". The second file's own delay and speed are kept with
// every file's (TimingMemory), under its own path.
class SecondTrackMemory {
public:
    static constexpr std::size_t kCapacity = 100;

    // Reads the stored list; an unreadable or damaged setting keeps the lines that parse.
    void load(PreferencesStore& store);
    std::optional<std::string> find(const std::string& first) const;
    // Puts the pair first and writes the list; no second file forgets the first. A path with a
    // tab or a line break cannot be told apart in the stored line and is not remembered.
    void remember(PreferencesStore& store, const std::string& first,
        const std::optional<std::string>& second);

    static std::string serialize(const std::vector<std::pair<std::string, std::string>>& pairs);
    static std::vector<std::pair<std::string, std::string>> parse(const std::string& text);

private:
    std::vector<std::pair<std::string, std::string>> _pairs;
};
