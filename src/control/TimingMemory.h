// The delay and speed last used with each file, kept for the most recent files only.
#pragma once

#include "control/PreferencesStore.h"
#include "subtitles/Timing.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Used on the UI thread only. Stored as one text setting (settings::kFileTiming), one file a
// line, newest first: "delay<TAB>speed<TAB>path", the delay "delay;splitAt;delayAfter" for a
// timing with a split (a line older versions skip rather than misread).
class TimingMemory {
public:
    static constexpr std::size_t kCapacity = 100;

    // Reads the stored list; an unreadable or damaged setting keeps the lines that parse.
    void load(PreferencesStore& store);
    std::optional<Timing> find(const std::string& path) const;
    // Puts the file first and writes the list; the identity timing forgets the file.
    void remember(PreferencesStore& store, const std::string& path, const Timing& timing);
    // As remember, without the write: for a run of changes that save() writes once. False when
    // the file cannot be remembered.
    bool note(const std::string& path, const Timing& timing);
    void save(PreferencesStore& store) const;

    static std::string serialize(const std::vector<std::pair<std::string, Timing>>& entries);
    static std::vector<std::pair<std::string, Timing>> parse(const std::string& text);

private:
    std::vector<std::pair<std::string, Timing>> _entries;
};
