// Marks and holds into the sheet; the sheet into the session file and the record file.
#include "control/TimingSession.h"

TimingSession::TimingSession(Position position, Now now, std::string folder, std::string began)
    : _position(std::move(position))
    , _now(std::move(now))
    , _keeper(folder, std::move(began))
{
    if (folder.empty())
        return;
    if (std::optional<session::FoundSession> found = session::findLatest(folder)) {
        _offered = std::move(found->session);
        _offeredPath = std::move(found->path);
    }
    _sheet.addListener([this] { _saveFailed = !_keeper.save(_sheet.state()); });
}

void TimingSession::follow(MarkList& marks)
{
    marks.addListener([this](const Mark& mark) {
        if (mark.end)
            made(HeldSpan{ mark.start, *mark.end });
    });
}

bool TimingSession::recordTo(const std::string& path)
{
    _recorder = std::make_unique<CueRecorder>(path);
    if (!_recorder->isOpen())
        _recorder.reset();
    return _recorder != nullptr;
}

void TimingSession::press(HoldToTime::Source source, bool autoRepeat)
{
    made(_hold.press(source, _position(), _now(), autoRepeat));
}

void TimingSession::release(HoldToTime::Source source, bool autoRepeat)
{
    made(_hold.release(source, _position(), _now(), autoRepeat));
}

void TimingSession::settle()
{
    made(_hold.settle(_now()));
}

void TimingSession::interrupt()
{
    made(_hold.interrupt(_position()));
}

void TimingSession::restoreOffered()
{
    if (!_offered)
        return;
    _keeper.adopt(*_offered, _offeredPath);
    SavedSession restored = std::move(*_offered);
    _offered.reset();
    _sheet.replace(std::move(restored.state));
}

void TimingSession::made(const std::optional<HeldSpan>& span)
{
    if (!span)
        return;
    const std::size_t row = _sheet.add(span->start, span->end);
    if (_recorder)
        _recorder->record(_sheet.cues()[row]);
}
