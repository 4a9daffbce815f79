// Where the controller says what a read found, lists the recent files, and asks to be told when
// the chosen file changes on disk.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Called on the UI thread only.
class ReadingView {
public:
    virtual ~ReadingView() = default;
    // The status line after a read ("1,204 subtitles · 1:52:10 · Windows-1251 · CRLF"), with
    // the first line of each skipped block, shown on request. An empty text clears it.
    virtual void showReading(const std::string& text, const std::vector<std::size_t>& skipped) = 0;
    // The recent files, most recent first, as File › Open Recent lists them.
    virtual void showRecentFiles(const std::vector<std::string>& paths) = 0;
    // The file to watch from now on (only one at a time); an empty path watches nothing. A
    // change calls MainCtrl::fileChangedOnDisk.
    virtual void watchFile(const std::string& path) = 0;

protected:
    ReadingView() = default;
    ReadingView(const ReadingView&) = delete;
    ReadingView& operator=(const ReadingView&) = delete;
};
