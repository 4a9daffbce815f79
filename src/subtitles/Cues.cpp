// One sweep over every start and end decides, once, which entry shows on each stretch between
// them; a lookup is then a binary search (or, moving forward, a step) instead of a scan.
#include "subtitles/Cues.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <queue>

namespace {

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

    // The active entries, smallest index on top; entries that have ended are dropped lazily.
    std::priority_queue<std::int32_t, std::vector<std::int32_t>, std::greater<>> active;
    std::vector<char> live(_entries.size(), 0);
    const auto winner = [&] {
        while (!active.empty() && !live[static_cast<std::size_t>(active.top())])
            active.pop();
        return active.empty() ? kNone : active.top();
    };
    _winners.assign(2 * _points.size() + 1, kNone);
    auto s = _starts.begin();
    auto e = ends.begin();
    for (std::size_t j = 0; j < _points.size(); ++j) {
        const double p = _points[j];
        for (; e != ends.end() && e->first == p; ++e)
            live[static_cast<std::size_t>(e->second)] = 0;
        // On the point itself: started before it, ending after it (both bounds are open).
        _winners[2 * j + 1] = winner();
        for (; s != _starts.end() && s->first == p; ++s) {
            live[static_cast<std::size_t>(s->second)] = 1;
            active.push(s->second);
        }
        _winners[2 * j + 2] = winner();
    }
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
