// Lining the subtitles up with the video: the delay and speed in force, the lines caught, and the
// timing each file was last given.
#pragma once

#include "control/NullPorts.h"
#include "control/PreferencesStore.h"
#include "control/QuietTimer.h"
#include "control/TimingMemory.h"
#include "control/UiText.h"
#include "playback/TimerThread.h"
#include "subtitles/Resync.h"
#include "subtitles/Timing.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Used on the UI thread only. Owns the timing in force and pushes every change to the timer,
// whose copy is the worker's snapshot. The memory is saved once a run of changes has stopped,
// when another file is chosen, and when this goes.
class SubtitleTiming {
public:
    // A held key steps about 30 times a second; this long without a step ends the run.
    static constexpr std::chrono::milliseconds kSaveAfter{ 1000 };

    // Which of the timer's tracks this timing lines up.
    enum class Track { first, second };

    struct Ports {
        TimerThread* th = nullptr;
        PreferencesStore* store = nullptr;
        UiText* label = &nullports::noText;
        UiText* status = &nullports::noText;
        QuietTimer* quiet = &nullports::noQuietTime;
        Track track = Track::first;
        // Shared by the timings of both tracks, so that neither writes over what the other
        // noted; without one, a memory of its own.
        TimingMemory* memory = nullptr;
        // Told after each timing handed to the timer.
        std::function<void()> changed = nullptr;
    };

    SubtitleTiming() = default;
    ~SubtitleTiming();
    SubtitleTiming(const SubtitleTiming&) = delete;
    SubtitleTiming& operator=(const SubtitleTiming&) = delete;

    void connect(const Ports& ports)
    {
        _p = ports;
        _memory = _p.memory ? _p.memory : &_ownMemory;
    }
    // Reads the per-file memory.
    void load();
    // The timing stored for the file now chosen, or none; said in the status line when there is
    // one.
    void restoreFor(const std::string& path);
    // The chosen file is gone: changes from now on are not remembered.
    void forgetFile();

    // Moves the subtitles later (positive) or earlier against the clock.
    void shiftDelay(double seconds);
    // Sets the delay so that the next (or the previous) subtitle starts at the position. With
    // an earlier catch at least kMinCatchSpan away in the file, solves the speed as well.
    void catchLine(bool next);
    // A speed from the ratio menu; the delay stays.
    void setSpeed(double speed);
    void resetTiming();
    // Puts a whole timing in force, as found by lining the subtitles up with the speech.
    void setTiming(const Timing& timing) { apply(timing); }

    const Timing& timing() const { return _timing; }
    // Writes the memory now if it changed since it was last written.
    void save();

private:
    void apply(const Timing& timing);
    void say(const std::string& message);
    // The track's subtitles and the timer's copy of its timing.
    SharedCues cues() const;
    void push();

    Ports _p;
    Timing _timing;
    std::optional<std::string> _path;
    TimingMemory _ownMemory;
    TimingMemory* _memory = &_ownMemory;
    bool _unsaved = false;
    // The lines caught in this file since its timing was last reset.
    std::vector<CaughtLine> _catches;
};
