// The playback clock: advances the position on a worker and shows it with the current entry.
#pragma once

#include "playback/MarkList.h"
#include "playback/PositionSource.h"
#include "playback/TextDisplay.h"
#include "playback/Thread.h"
#include "subtitles/Cues.h"
#include "subtitles/SrtMessage.h"
#include "subtitles/Timing.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

class TimerThread : public Thread {
public:
    // Seconds from an arbitrary fixed origin; only differences are used.
    using Clock = std::function<double()>;
    // Sleeps between passes; takes microseconds. The default sleep ends early when the worker
    // is woken (a stop, new subtitles or timing, the time shown again).
    using Sleeper = std::function<void(unsigned)>;

    TimerThread();
    ~TimerThread() override;

    // Outlets, connected once before any start.
    void setTimeTextField(TextDisplay* display) { _timeTextField = display; }
    void setMessageTextField(TextDisplay* display) { _messageTextField = display; }
    void setMessageTextField2(TextDisplay* display) { _messageTextField2 = display; }
    // The second track's line, in the same two places.
    void setSecondTextField(TextDisplay* display) { _secondTextField = display; }
    void setSecondTextField2(TextDisplay* display) { _secondTextField2 = display; }

    // Test seams: both default to the monotonic clock and a real sleep. Only while stopped.
    void setClock(Clock clock) { _clock = std::move(clock); }
    void setSleeper(Sleeper sleeper) { _sleeper = std::move(sleeper); }
    // Where marks are printed; standard output unless a test redirects it.
    void setMarkOutput(std::FILE* out) { _markOutput = out; }

    // While set, the worker shows the source's position instead of counting its own; cleared,
    // the next start counts on from the last position shown. From the UI thread; a pass may be
    // reading the old source, so clear it while stopped or keep the source alive until stopped.
    void setPositionSource(const PositionSource* source)
    {
        _source.store(source);
        wake();
    }

    // Whether the time display can be seen. While it cannot (the main window minimised, the
    // panel alone on screen), the worker passes when the subtitle changes instead of every
    // 10 ms: the same texts at the same moments, without waking 100 times a second for a time
    // nobody sees. Seen by default; from any thread.
    void setTimeSeen(bool seen);

    // The position of the last pass; while the worker rests between subtitles, the position now.
    double getPosition() const;
    // Moves the position; a running worker is replaced by one that counts from x, a stopped
    // clock shows the time and the subtitle at x at once.
    void seek(double x);
    void reset();
    void drawTime(double x);
    // Every message field as the worker would show them at x. Only while stopped.
    void drawMessages(double x);
    // The text of the first entry in list order whose open interval holds x, with the timing
    // applied: x is the clock's (the video's) time.
    std::optional<std::string> getMessage(double x) const;
    void clearDataArray();
    // Keeps its own list sharing the given entries. Safe while running: the next pass uses it.
    void setDataArray(const SrtMessageList& list);
    void setCues(SharedCues cues);
    // None after clearDataArray, and before any list.
    SharedCues cues() const;
    // Shifts and scales the subtitles against the clock; the clock itself is unchanged.
    void setTiming(const Timing& timing);
    Timing timing() const;

    // A second track on the same clock, with a timing of its own (a subtitle file in another
    // language, say). None until set; safe while running, like the first.
    void setSecondCues(SharedCues cues);
    SharedCues secondCues() const;
    void setSecondTiming(const Timing& timing);
    Timing secondTiming() const;
    // The second track's text at x, as getMessage gives the first's.
    std::optional<std::string> getSecondMessage(double x) const;

    // Records the position as a mark; every second mark closes the pair, and the printed line
    // reads "start --> end".
    void marker();
    MarkList& marks() { return _marks; }

    bool isRunning() const { return _running.load(); }

protected:
    void run() override;
    void wake() override;

private:
    // What the worker shows: replaced whole, so a pass never sees a list with another's timing.
    struct Track {
        SharedCues cues;
        Timing timing;
        // The text at clock time `value` through `cursor` (overlapping entries stacked), or none.
        const std::string* textAt(Cues::Cursor& cursor, double value) const
        {
            return cues ? cursor.textAt(*cues, timing.toFile(value)) : nullptr;
        }
        // Clock time of the next change after `value`; infinity without cues.
        double nextChange(double value) const;
        std::optional<std::string> messageAt(double value) const;
    };
    struct Shown {
        Track first;
        Track second;
        // Tells one replacement from the next, which a pointer cannot once the old one is freed.
        std::uint64_t version = 0;
    };
    void replaceShown(Shown shown);
    // Microseconds until what the panel shows may change, counted from a pass at clock time
    // `value` that showed it; bounded, so a followed player's jump is caught soon.
    unsigned restAfter(const Shown* current, double value, bool followed) const;
    void sleepUnlessWoken(unsigned micros);
    std::shared_ptr<const Shown> shown() const;
    // A copy of what is shown, to change one part of; empty tracks when nothing is.
    Shown shownOrNone() const;

    TextDisplay* _timeTextField = nullptr;
    TextDisplay* _messageTextField = nullptr;
    TextDisplay* _messageTextField2 = nullptr;
    TextDisplay* _secondTextField = nullptr;
    TextDisplay* _secondTextField2 = nullptr;
    std::atomic<bool> _running{ false };
    std::atomic<double> _backupTime{ 0 };
    std::atomic<double> _value{ 0 };
    // Guards only the pointer's copy and swap, never a pass's work (a lock-free
    // atomic<shared_ptr> is not yet understood by ThreadSanitizer).
    mutable std::mutex _dataArrayMutex;
    std::shared_ptr<const Shown> _dataArray;
    std::uint64_t _versions = 0; // under _dataArrayMutex
    MarkList _marks;
    std::atomic<const PositionSource*> _source{ nullptr };

    std::atomic<bool> _timeSeen{ true };
    // While the worker rests between subtitle changes: its last pass's position and clock
    // reading, from which getPosition() counts on. Locked only around a rest.
    mutable std::mutex _restMutex;
    bool _resting = false;
    double _restValue = 0;
    double _restFrom = 0;
    std::mutex _wakeMutex;
    std::condition_variable _wakeCondition;
    bool _woken = false; // under _wakeMutex

    Clock _clock;
    Sleeper _sleeper;
    std::FILE* _markOutput = stdout;
};
