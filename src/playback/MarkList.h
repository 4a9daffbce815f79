// The marks of one timer: each press opens a mark or closes the open one with an end.
#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

struct Mark {
    double start = 0;
    std::optional<double> end;
};

// Used on the UI thread only.
class MarkList {
public:
    // Told of every press: a mark without an end was just opened, one with an end just closed.
    using Listener = std::function<void(const Mark&)>;

    // Opens a new mark at `position`, or closes the open one there.
    void mark(double position);

    const std::vector<Mark>& marks() const { return _marks; }
    bool waitingForEnd() const { return !_marks.empty() && !_marks.back().end; }
    void addListener(Listener listener) { _listeners.push_back(std::move(listener)); }

private:
    std::vector<Mark> _marks;
    std::vector<Listener> _listeners;
};

// Prints "00:00:01:250 --> " when a mark opens and "00:00:03:000\n" when it closes, flushed at
// once so the first half shows while the user waits for the second.
MarkList::Listener markLinePrinter(std::FILE* out);
