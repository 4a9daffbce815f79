// Sync to Video: listening to the video and matching the subtitles on a thread of their own, the
// progress and Cancel, and the proposal with its Apply and Undo.
#pragma once

#include "autosync/Soundtrack.h"
#include "autosync/SpeechMatch.h"
#include "control/SubtitleTiming.h"
#include "control/UiQueue.h"
#include "subtitles/Cues.h"
#include "subtitles/Timing.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <thread>

// Used on the UI thread only. The job's thread calls nothing but the listener and the matcher,
// and hands its outcome to the UI queue; every path joins it, the destructor after a cancel.
class AutoSync {
public:
    using Listener
        = std::function<autosync::Heard(const std::string&, const autosync::ListenOptions&)>;
    using Matcher = std::function<autosync::Match(
        std::span<const autosync::Span>, const autosync::SpeechTrack&)>;
    // Records this many seconds of the desktop's sound, reporting progress as a listener does.
    using Recorder = std::function<autosync::Heard(double, const std::function<bool(double)>&)>;

    enum class State {
        idle,
        running,
        proposed, // a timing to apply
        applied, // applied, and can be undone
        refused, // nothing to apply: text() says why
    };

    struct Ports {
        UiQueue* uiQueue = nullptr;
        SubtitleTiming* timing = nullptr;
        // The subtitles shown now: those a proposal was made for, or others.
        std::function<SharedCues()> cues;
        // The clock's position now, where a recording is matched.
        std::function<double()> position;
    };

    // The real listener, matcher and recorder unless a test brings its own.
    explicit AutoSync(Listener listen = {}, Matcher match = {}, Recorder record = {});
    ~AutoSync();
    AutoSync(const AutoSync&) = delete;
    AutoSync& operator=(const AutoSync&) = delete;

    // `changed` runs on the UI thread whenever state(), progress() or text() may have changed.
    void connect(const Ports& ports, std::function<void()> changed);

    // Listens to `video` (bytes as the file system has them) for the subtitles shown now. Does
    // nothing while a job runs.
    void start(const std::string& video);
    // Records `seconds` of what the desktop plays (for media that is no local file) and proposes
    // the delay that puts the subtitles around the position on its speech; the speed stays.
    // Nothing is kept of the recording. Does nothing while a job runs.
    void listenToDesktop(double seconds);
    // Stops the job under way; its outcome is dropped.
    void cancel();
    // Puts the proposed timing in force, keeping the timing before it for undo().
    void apply();
    void undo();
    // Forgets the proposal and hides the result.
    void dismiss();

    State state() const { return _state; }
    // 0 to 1 while running.
    double progress() const { return _progress; }
    // What was found (the match's description, and what Apply leaves out), or why not.
    const std::string& text() const { return _text; }

private:
    struct Outcome {
        autosync::Heard heard;
        autosync::Match match;
        // Why nothing could be heard, with %1 for the detail: the video, or the desktop. An
        // untranslated literal, translated on the UI thread.
        const char* source = "";
        bool recorded = false;
    };
    using Job = std::function<Outcome(const autosync::ListenOptions&, const std::atomic<bool>&)>;
    // Runs `job` on the worker with the subtitles shown now.
    void run(Job job);
    void finish(std::uint64_t job, const Outcome& outcome);
    void showProgress(std::uint64_t job);
    void join();
    // Takes the subtitles shown now for a new job; else refuses, saying why.
    bool current();
    void setState(State state, std::string text);
    // The proposal is for the subtitles shown now; else it is refused with the reason.
    bool stillCurrent();

    Listener _listen;
    Matcher _match;
    Recorder _record;
    Ports _p;
    std::function<void()> _changed;

    State _state = State::idle;
    double _progress = 0;
    std::string _text;
    std::optional<Timing> _proposal;
    std::optional<Timing> _before;
    SharedCues _cues;

    // What the UI thread and the job's thread share while it runs.
    struct Shared {
        std::atomic<bool> stop{ false };
        std::atomic<double> share{ 0 };
        // At most one progress report waits in the UI queue.
        std::atomic<bool> reported{ false };
    };
    std::shared_ptr<Shared> _running;
    std::thread _worker;
    std::uint64_t _workerJob = 0;
    // Bumped by every start and cancel, so that a late outcome or progress report is dropped.
    std::uint64_t _job = 0;
    // Lets work still in the UI queue see that this has gone.
    std::shared_ptr<char> _alive = std::make_shared<char>();
};

// The timing a match proposes, and its description. None when the match proposes nothing.
struct SyncProposal {
    Timing timing;
    std::string text;
};
std::optional<SyncProposal> proposalOf(const autosync::Match& match);
