// The cues made while timing, the script they take their texts from, and the undo history.
#pragma once

#include "subtitles/SrtWriter.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct TimedCue {
    double start = 0;
    double end = 0;
    std::string text;

    bool operator==(const TimedCue&) const = default;
};

// Everything a session file keeps; a value, so an undo step is a copy of it.
struct CueState {
    std::string scriptName;
    // Shared between the undo steps: only opening a script replaces it.
    std::shared_ptr<const std::vector<std::string>> paragraphs
        = std::make_shared<const std::vector<std::string>>();
    // The paragraph the next cue takes; the size of the list when all are used.
    std::size_t next = 0;
    // In time order: by start, then end, then the order they were made.
    std::vector<TimedCue> cues;
};

// Used on the UI thread only.
class CueSheet {
public:
    // Told after every change, including a move through the script and an undo.
    using Listener = std::function<void()>;

    const CueState& state() const { return _state; }
    const std::vector<TimedCue>& cues() const { return _state.cues; }
    // The paragraph the next cue will take, or null without a script or past its end.
    const std::string* upNext() const;

    // Adds a cue between the two times (in either order) with the next paragraph's text, or an
    // empty text without one, and moves the script on. Returns the cue's row.
    std::size_t add(double start, double end);
    void setText(std::size_t row, std::string text);
    void remove(std::size_t row);
    // Starts the script's first paragraph; the cues already made stay.
    void openScript(std::string name, std::vector<std::string> paragraphs);
    // Replaces everything, as when a saved session comes back.
    void replace(CueState state);
    // Skips the next paragraph, or goes back to the one before it. Cues keep their texts.
    void skip();
    void back();
    // Takes back the last change of cues, texts or script; false when there is none.
    bool undo();

    // Numbered 1 to n in time order, ready for the writer.
    std::vector<WrittenCue> written() const;

    void addListener(Listener listener) { _listeners.push_back(std::move(listener)); }

private:
    void remember();
    void changed();

    CueState _state;
    std::vector<CueState> _undo;
    std::vector<Listener> _listeners;
};
