// The files chosen lately, as File › Open Recent lists them, and their stored form.
#pragma once

#include "control/PreferencesStore.h"
#include "control/ReadingView.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Used on the UI thread only. Stored as one text setting (settings::kRecentFiles).
class RecentFiles {
public:
    static constexpr std::size_t kLimit = 10;

    void connect(PreferencesStore* store, ReadingView* view)
    {
        _store = store;
        _view = view;
    }
    // Reads the stored list, keeping the files that still exist; before there was a list, the
    // last file chosen starts it.
    void restore(const std::optional<std::string>& lastFile);
    // Puts the file first, stores the list and shows it.
    void remember(const std::string& path);
    // Where the open dialog starts: the folder of the last file chosen while it is still there,
    // else the home folder.
    std::string dialogFolder() const;
    // Most recent first, only files that still exist.
    const std::vector<std::string>& paths() const { return _paths; }

    // One line a path, with "%" and line breaks escaped.
    static std::string join(const std::vector<std::string>& paths);
    static std::vector<std::string> split(const std::string& text);

private:
    PreferencesStore* _store = nullptr;
    ReadingView* _view = nullptr;
    std::vector<std::string> _paths;
    std::string _lastFile;
};
