// The job runs listen then match on its own thread; the UI thread sees only posted copies.
#include "control/AutoSync.h"

#include "autosync/DesktopAudio.h"
#include "autosync/RecordedMatch.h"

#include "platform/Translate.h"
#include <algorithm>
#include <chrono>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

double steadySeconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

std::optional<SyncProposal> proposalOf(const autosync::Match& match)
{
    if (!match.proposed())
        return std::nullopt;
    return SyncProposal{ autosync::timingOf(match), autosync::describe(match) };
}

AutoSync::AutoSync(Listener listen, Matcher match, Recorder record)
    : _listen(listen ? std::move(listen)
                     : Listener([](const std::string& path, const autosync::ListenOptions& o) {
                           return autosync::listen(path, o);
                       }))
    , _match(match ? std::move(match)
                   : Matcher([](std::span<const autosync::Span> cues,
                                 const autosync::SpeechTrack& speech) {
                         return autosync::matchSpeech(cues, speech);
                     }))
    , _record(record ? std::move(record) : Recorder(&autosync::listenToDesktop))
{
}

AutoSync::~AutoSync()
{
    if (_running)
        _running->stop.store(true);
    join();
}

void AutoSync::connect(const Ports& ports, std::function<void()> changed)
{
    _p = ports;
    _changed = std::move(changed);
}

void AutoSync::start(const std::string& video)
{
    if (_state == State::running || !current())
        return;
    run([video, spans = autosync::spansOf(*_cues), listen = _listen, match = _match](
            const autosync::ListenOptions& options, const std::atomic<bool>& stop) {
        Outcome outcome{ listen(video, options), {},
            TRANSLATABLE("AutoSync", "The video could not be heard: %1") };
        if (outcome.heard.error.empty() && !outcome.heard.cancelled && !stop.load())
            outcome.match = match(spans, outcome.heard.track);
        return outcome;
    });
}

void AutoSync::listenToDesktop(double seconds)
{
    if (_state == State::running || !current())
        return;
    const Timing timing = _p.timing->timing();
    std::vector<autosync::Span> shown = autosync::spansOf(*_cues);
    const auto beforeSplit = static_cast<std::size_t>(std::count_if(shown.begin(), shown.end(),
        [&](const autosync::Span& s) { return s.start < timing.splitAt; }));
    for (autosync::Span& s : shown)
        s = { timing.toClock(s.start), timing.toClock(s.end) };
    // The clock now, against the steady clock the recording's start is told by.
    const double clockAt = _p.position ? _p.position() : 0;
    const double steadyAt = steadySeconds();
    run([seconds, timing, beforeSplit, clockAt, steadyAt, shown = std::move(shown),
            record = _record](
            const autosync::ListenOptions& options, const std::atomic<bool>& stop) {
        Outcome outcome{ record(seconds, options.progress), {},
            TRANSLATABLE("AutoSync", "The desktop's sound could not be recorded: %1"), true };
        if (!outcome.heard.error.empty() || outcome.heard.cancelled || stop.load())
            return outcome;
        const double from = clockAt + (outcome.heard.startedAt - steadyAt);
        outcome.match = autosync::matchRecorded(shown, outcome.heard.track, from);
        // The correction heard moves the timing in force, a split in it too.
        const Timing corrected = timing.shifted(outcome.match.delay);
        outcome.match.delay = corrected.delay;
        outcome.match.speed = corrected.speed;
        if (corrected.hasSplit())
            outcome.match.split
                = autosync::SplitPoint{ beforeSplit, corrected.splitAt, corrected.delayAfter };
        return outcome;
    });
}

bool AutoSync::current()
{
    // A cancelled job may still be finishing; it ends within one progress report.
    join();
    _proposal.reset();
    _before.reset();
    _cues = _p.cues ? _p.cues() : nullptr;
    if (_cues && !_cues->empty())
        return true;
    setState(State::refused,
        translate("AutoSync",
            "No subtitles have been read yet: choose a file, or press Start to read the one "
            "chosen."));
    return false;
}

void AutoSync::run(Job work)
{
    const std::uint64_t id = ++_job;
    auto job = std::make_shared<Shared>();
    _running = job;
    _progress = 0;
    UiQueue* queue = _p.uiQueue;
    const std::weak_ptr<char> alive = _alive;
    _workerJob = id;
    _worker = std::thread([this, id, job, queue, alive, work = std::move(work)] {
        autosync::ListenOptions options;
        options.progress = [this, id, job, queue, alive](double share) {
            job->share.store(share);
            if (!job->reported.exchange(true))
                queue->post([this, id, alive] {
                    if (alive.lock())
                        showProgress(id);
                });
            return !job->stop.load();
        };
        Outcome outcome = work(options, job->stop);
        // The track is large and the UI thread needs none of it.
        outcome.heard.track = {};
        queue->post([this, id, alive, outcome = std::move(outcome)] {
            if (alive.lock())
                finish(id, outcome);
        });
    });
    setState(State::running, {});
}

void AutoSync::cancel()
{
    if (_state != State::running)
        return;
    _running->stop.store(true);
    ++_job;
    setState(State::idle, {});
}

void AutoSync::apply()
{
    if (_state != State::proposed || !stillCurrent())
        return;
    _before = _p.timing->timing();
    _p.timing->setTiming(*_proposal);
    setState(State::applied, _text);
}

void AutoSync::undo()
{
    if (_state != State::applied || !stillCurrent())
        return;
    _p.timing->setTiming(*_before);
    _before.reset();
    setState(State::proposed, _text);
}

void AutoSync::dismiss()
{
    cancel();
    _proposal.reset();
    _before.reset();
    setState(State::idle, {});
}

void AutoSync::showProgress(std::uint64_t job)
{
    if (job != _job || !_running)
        return;
    _running->reported.store(false);
    _progress = _running->share.load();
    if (_changed)
        _changed();
}

void AutoSync::finish(std::uint64_t job, const Outcome& outcome)
{
    if (job == _workerJob)
        join();
    if (job != _job)
        return;
    _running.reset();
    _progress = 1;
    const autosync::Heard& heard = outcome.heard;
    if (!heard.error.empty()) {
        setState(State::refused, fill(translate("AutoSync", outcome.source), { heard.error }));
        return;
    }
    if (const std::optional<SyncProposal> p = proposalOf(outcome.match)) {
        _proposal = p->timing;
        setState(State::proposed, p->text);
    } else if (outcome.recorded && outcome.match.verdict == autosync::Match::Verdict::noSpeech) {
        setState(State::refused,
            translate("AutoSync",
                "Too little speech in the minute heard: listen again while people talk."));
    } else {
        setState(State::refused, autosync::describe(outcome.match));
    }
}

void AutoSync::join()
{
    if (_worker.joinable())
        _worker.join();
}

void AutoSync::setState(State state, std::string text)
{
    _state = state;
    _text = std::move(text);
    if (_changed)
        _changed();
}

bool AutoSync::stillCurrent()
{
    if (_p.cues && _p.cues() == _cues)
        return true;
    _proposal.reset();
    _before.reset();
    setState(State::refused,
        translate("AutoSync", "The subtitles changed since the video was heard: sync again."));
    return false;
}
