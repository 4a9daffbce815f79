// The job runs listen then match on its own thread; the UI thread sees only posted copies.
#include "control/AutoSync.h"

#include "platform/Translate.h"

#include <cstdio>
#include <utility>
#include <vector>

std::optional<SyncProposal> proposalOf(const autosync::Match& match, std::size_t cueCount)
{
    if (!match.proposed())
        return std::nullopt;
    autosync::Match shown = match;
    shown.split.reset();
    if (!match.split)
        return SyncProposal{ Timing{ match.delay, match.speed }, autosync::describe(match) };
    // One delay cannot serve both parts: the one most subtitles are in gets it, ties the first.
    const std::size_t before = std::min(match.split->firstCue, cueCount);
    const bool later = cueCount - before > before;
    shown.delay = later ? match.split->delay : match.delay;
    const double other = later ? match.delay : match.split->delay;
    return SyncProposal{ Timing{ shown.delay, match.speed },
        autosync::describe(shown)
            + autosync::splitText(
                later ? translate("AutoSync", "until") : translate("AutoSync", "from"),
                match.split->fileTime, other)
            + translate("AutoSync", " (not applied)") };
}

AutoSync::AutoSync(Listener listen, Matcher match)
    : _listen(listen ? std::move(listen)
                     : Listener([](const std::string& path, const autosync::ListenOptions& o) {
                           return autosync::listen(path, o);
                       }))
    , _match(match ? std::move(match)
                   : Matcher([](std::span<const autosync::Span> cues,
                                 const autosync::SpeechTrack& speech) {
                         return autosync::matchSpeech(cues, speech);
                     }))
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
    if (_state == State::running)
        return;
    // A cancelled job may still be finishing; it ends within one progress report.
    join();
    _proposal.reset();
    _before.reset();
    _cues = _p.cues ? _p.cues() : nullptr;
    if (!_cues || _cues->empty()) {
        setState(State::refused,
            translate("AutoSync",
                "No subtitles have been read yet: choose a file, or press Start to read the one "
                "chosen."));
        return;
    }
    std::vector<autosync::Span> spans = autosync::spansOf(*_cues);

    const std::uint64_t id = ++_job;
    auto job = std::make_shared<Job>();
    _running = job;
    _progress = 0;
    UiQueue* queue = _p.uiQueue;
    const std::weak_ptr<char> alive = _alive;
    _workerJob = id;
    _worker = std::thread([this, id, job, queue, alive, video, spans = std::move(spans),
                              listen = _listen, match = _match] {
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
        Outcome outcome;
        outcome.heard = listen(video, options);
        if (outcome.heard.error.empty() && !outcome.heard.cancelled && !job->stop.load())
            outcome.match = match(spans, outcome.heard.track);
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
        setState(State::refused,
            fill(translate("AutoSync", "The video could not be heard: %1"), { heard.error }));
        return;
    }
    if (const std::optional<SyncProposal> p = proposalOf(outcome.match, _cues->size())) {
        _proposal = p->timing;
        setState(State::proposed, p->text);
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
