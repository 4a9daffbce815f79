// Cue list changes, each a step that undo takes back.
#include "cueing/CueSheet.h"

#include <algorithm>

namespace {

// Enough for any slip a user notices; older steps go, so a long session stays small.
constexpr std::size_t kUndoSteps = 500;

} // namespace

const std::string* CueSheet::upNext() const
{
    const auto& paragraphs = *_state.paragraphs;
    return _state.next < paragraphs.size() ? &paragraphs[_state.next] : nullptr;
}

std::size_t CueSheet::add(double start, double end)
{
    remember();
    TimedCue cue{ std::min(start, end), std::max(start, end), {} };
    if (const std::string* text = upNext()) {
        cue.text = *text;
        ++_state.next;
    }
    auto& cues = _state.cues;
    const auto at
        = std::upper_bound(cues.begin(), cues.end(), cue, [](const TimedCue& a, const TimedCue& b) {
              return a.start < b.start || (a.start == b.start && a.end < b.end);
          });
    const auto row = static_cast<std::size_t>(at - cues.begin());
    cues.insert(at, std::move(cue));
    changed();
    return row;
}

void CueSheet::setText(std::size_t row, std::string text)
{
    if (row >= _state.cues.size() || _state.cues[row].text == text)
        return;
    remember();
    _state.cues[row].text = std::move(text);
    changed();
}

void CueSheet::remove(std::size_t row)
{
    if (row >= _state.cues.size())
        return;
    remember();
    _state.cues.erase(_state.cues.begin() + static_cast<std::ptrdiff_t>(row));
    changed();
}

void CueSheet::openScript(std::string name, std::vector<std::string> paragraphs)
{
    remember();
    _state.scriptName = std::move(name);
    _state.paragraphs = std::make_shared<const std::vector<std::string>>(std::move(paragraphs));
    _state.next = 0;
    changed();
}

void CueSheet::replace(CueState state)
{
    remember();
    _state = std::move(state);
    _state.next = std::min(_state.next, _state.paragraphs->size());
    changed();
}

void CueSheet::skip()
{
    if (_state.next >= _state.paragraphs->size())
        return;
    ++_state.next;
    changed();
}

void CueSheet::back()
{
    if (_state.next == 0)
        return;
    --_state.next;
    changed();
}

bool CueSheet::undo()
{
    if (_undo.empty())
        return false;
    _state = std::move(_undo.back());
    _undo.pop_back();
    changed();
    return true;
}

std::vector<WrittenCue> CueSheet::written() const
{
    std::vector<WrittenCue> out;
    out.reserve(_state.cues.size());
    for (const TimedCue& cue : _state.cues)
        out.push_back({ static_cast<std::int32_t>(out.size() + 1), cue.start, cue.end, cue.text });
    return out;
}

void CueSheet::remember()
{
    if (_undo.size() == kUndoSteps)
        _undo.erase(_undo.begin());
    _undo.push_back(_state);
}

void CueSheet::changed()
{
    for (const Listener& listener : _listeners)
        listener();
}
