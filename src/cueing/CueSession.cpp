// Marks and holds into the sheet; the sheet into the session file and the record file.
#include "cueing/CueSession.h"

CueSession::CueSession(Position position, Now now, const std::string& folder, std::string began)
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

void CueSession::follow(MarkList& marks)
{
    marks.addListener([this](const Mark& mark) {
        if (mark.end)
            made(HeldSpan{ mark.start, *mark.end });
    });
}

bool CueSession::recordTo(const std::string& path)
{
    _recorder = std::make_unique<CueRecorder>(path);
    if (!_recorder->isOpen())
        _recorder.reset();
    return _recorder != nullptr;
}

void CueSession::press(HoldToTime::Source source, bool autoRepeat)
{
    made(_hold.press(source, _position(), _now(), autoRepeat));
}

void CueSession::release(HoldToTime::Source source, bool autoRepeat)
{
    made(_hold.release(source, _position(), _now(), autoRepeat));
}

void CueSession::settle()
{
    made(_hold.settle(_now()));
}

void CueSession::interrupt()
{
    made(_hold.interrupt(_position()));
}

void CueSession::restoreOffered()
{
    if (!_offered)
        return;
    _keeper.adopt(*_offered, _offeredPath);
    SavedSession restored = std::move(*_offered);
    _offered.reset();
    _sheet.replace(std::move(restored.state));
}

void CueSession::made(const std::optional<HeldSpan>& span)
{
    if (!span)
        return;
    const std::size_t row = _sheet.add(span->start, span->end);
    if (_recorder)
        _recorder->record(_sheet.cues()[row]);
}
