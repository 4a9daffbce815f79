// One sweep over every start and end decides, once, which entry shows on each stretch between
// them, and stacks the texts where several do; a lookup is then a binary search (or, moving
// forward, a step) instead of a scan.
#include "subtitles/Cues.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <set>
#include <string_view>

namespace {

constexpr std::size_t kMostStacked = 8;

bool shows(const SrtMessage& e)
{
    // Written to be false for NaN as well.
    return e.startTimeData() < e.endTimeData();
}

} // namespace

Cues::Cues(const SrtMessageList& entries)
    : _entries(entries.begin(), entries.end())
{
    std::vector<std::pair<double, std::int32_t>> ends;
    for (std::size_t i = 0; i < _entries.size(); ++i) {
        const SrtMessage& e = *_entries[i];
        if (!shows(e))
            continue;
        const auto index = static_cast<std::int32_t>(i);
        _starts.emplace_back(e.startTimeData(), index);
        ends.emplace_back(e.endTimeData(), index);
    }
    std::sort(_starts.begin(), _starts.end());
    std::sort(ends.begin(), ends.end());
    if (_starts.empty())
        return;
    _firstStart = _starts.front().first;
    _lastEnd = ends.back().first;

    // Every distinct start and end, ascending.
    _points.reserve(_starts.size() + ends.size());
    {
        auto s = _starts.begin();
        auto e = ends.begin();
        while (s != _starts.end() || e != ends.end()) {
            const bool takeStart = e == ends.end() || (s != _starts.end() && s->first <= e->first);
            const double p = takeStart ? (s++)->first : (e++)->first;
            if (_points.empty() || _points.back() != p)
                _points.push_back(p);
        }
    }

    // The active entries in list order; the first shows alone unless others with text share it.
    std::set<std::int32_t> active;
    _winners.assign(2 * _points.size() + 1, kNone);
    _stacked.assign(_winners.size(), kNone);
    std::vector<std::int32_t> shown, previous;
    const auto settle = [&](std::size_t segment) {
        _winners[segment] = active.empty() ? kNone : *active.begin();
        shown.clear();
        for (const std::int32_t i : active) {
            if (_entries[static_cast<std::size_t>(i)]->message())
                shown.push_back(i);
            // A display lays out a bounded text anyway; a hostile file of a million entries
            // over one stretch must not cost a million texts per segment.
            if (shown.size() == kMostStacked)
                break;
        }
        // One text that is the first entry's own needs no copy.
        if (shown.empty() || (shown.size() == 1 && shown.front() == _winners[segment]))
            return;
        if (shown == previous && !_stacks.empty()) {
            _stacked[segment] = static_cast<std::int32_t>(_stacks.size() - 1);
            return;
        }
        stack(shown, segment);
        previous = shown;
    };
    auto s = _starts.begin();
    auto e = ends.begin();
    for (std::size_t j = 0; j < _points.size(); ++j) {
        const double p = _points[j];
        for (; e != ends.end() && e->first == p; ++e)
            active.erase(e->second);
        // On the point itself: started before it, ending after it (both bounds are open).
        settle(2 * j + 1);
        for (; s != _starts.end() && s->first == p; ++s)
            active.insert(s->second);
        settle(2 * j + 2);
    }
}

void Cues::stack(const std::vector<std::int32_t>& shown, std::size_t segment)
{
    std::string text;
    bool styled = false;
    for (const std::int32_t i : shown) {
        const std::string_view part = *_entries[static_cast<std::size_t>(i)]->message();
        if (i != shown.front()) {
            while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
                text.pop_back();
            // ASS overrides would carry on into the next entry's text: a reset ends them.
            text += styled ? "\n{\\r}" : "\n";
        }
        styled = styled || part.find("{\\") != std::string_view::npos;
        text += part;
    }
    _stacked[segment] = static_cast<std::int32_t>(_stacks.size());
    _stacks.push_back(std::move(text));
}

std::size_t Cues::segmentOf(double x) const
{
    const auto it = std::lower_bound(_points.begin(), _points.end(), x);
    const auto j = static_cast<std::size_t>(it - _points.begin());
    return (it != _points.end() && *it == x) ? 2 * j + 1 : 2 * j;
}

bool Cues::segmentHolds(std::size_t segment, double x) const
{
    const std::size_t j = segment / 2;
    if (segment % 2 == 1)
        return _points[j] == x;
    return (j == 0 || _points[j - 1] < x) && (j == _points.size() || x < _points[j]);
}

std::size_t Cues::segmentFrom(std::size_t hint, double x) const
{
    // The clock moves forward by 10 ms a pass: the answer is nearly always here or just after.
    for (std::size_t s = hint; s < _winners.size() && s < hint + 3; ++s) {
        if (segmentHolds(s, x))
            return s;
    }
    return segmentOf(x);
}

double Cues::nextChange(double x) const
{
    const auto it = std::lower_bound(_points.begin(), _points.end(), x);
    return it == _points.end() ? std::numeric_limits<double>::infinity() : *it;
}

std::int32_t Cues::indexAt(double x) const
{
    return _winners.empty() ? kNone : _winners[segmentOf(x)];
}

const std::string* Cues::textOfSegment(std::size_t segment) const
{
    if (const std::int32_t stacked = _stacked[segment]; stacked != kNone)
        return &_stacks[static_cast<std::size_t>(stacked)];
    return textOf(_winners[segment]);
}

const std::string* Cues::textAt(double x) const
{
    return _winners.empty() ? nullptr : textOfSegment(segmentOf(x));
}

const std::string* Cues::Cursor::textAt(const Cues& cues, double x)
{
    const std::int32_t winner = indexAt(cues, x);
    return winner == kNone ? nullptr : cues.textOfSegment(_segment);
}

std::int32_t Cues::Cursor::indexAt(const Cues& cues, double x)
{
    if (cues._winners.empty())
        return kNone;
    if (_cues != &cues) {
        _cues = &cues;
        _segment = cues.segmentOf(x);
    } else {
        _segment = cues.segmentFrom(_segment, x);
    }
    return cues._winners[_segment];
}

const std::string* Cues::textOf(std::int32_t i) const
{
    if (i == kNone)
        return nullptr;
    const auto& text = _entries[static_cast<std::size_t>(i)]->message();
    return text ? &*text : nullptr;
}

std::int32_t Cues::nextStart(double x) const
{
    const auto it = std::upper_bound(
        _starts.begin(), _starts.end(), x, [](double v, const auto& s) { return v < s.first; });
    return it == _starts.end() ? kNone : it->second;
}

std::int32_t Cues::previousStart(double x) const
{
    auto it = std::lower_bound(
        _starts.begin(), _starts.end(), x, [](const auto& s, double v) { return s.first < v; });
    if (it == _starts.begin())
        return kNone;
    // The latest start before x; among equal starts, the first in list order.
    const double latest = std::prev(it)->first;
    it = std::lower_bound(_starts.begin(), _starts.end(), latest,
        [](const auto& s, double v) { return s.first < v; });
    return it->second;
}
