// The subtitles of one file as an immutable value: what shows at a position, and where the
// neighbouring subtitles start, in logarithmic time whatever the order of the entries.
#pragma once

#include "subtitles/SrtMessage.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Cues {
public:
    static constexpr std::int32_t kNone = -1;

    Cues() = default;
    // Shares the entries, which no one may change through the index.
    explicit Cues(const SrtMessageList& entries);

    const FrozenMessageList& entries() const { return _entries; }
    std::size_t size() const { return _entries.size(); }
    bool empty() const { return _entries.empty(); }

    // The index of the first entry in list order whose open interval (start, end) holds x, or
    // kNone. An entry whose end is not after its start never shows.
    std::int32_t indexAt(double x) const;
    // The text that shows at x; null between subtitles and for an entry without text. Where
    // entries overlap, their texts stacked in list order, one after another.
    const std::string* textAt(double x) const;
    // The text of entry i; null for kNone and for an entry without text.
    const std::string* textOf(std::int32_t i) const;

    // The first entry (in list order) of those starting soonest after x, or kNone.
    std::int32_t nextStart(double x) const;
    // The first entry (in list order) of those starting latest before x, or kNone.
    std::int32_t previousStart(double x) const;

    // The first start or end at or after x, where what shows may change next; infinity when
    // none is left.
    double nextChange(double x) const;

    // The earliest start and the latest end of any entry; 0 for an empty list.
    double firstStart() const { return _firstStart; }
    double lastEnd() const { return _lastEnd; }

    // Remembers where the last lookup landed, so that a position moving forward (the clock pass)
    // costs a comparison or two instead of a search. One per reader thread.
    class Cursor {
    public:
        std::int32_t indexAt(const Cues& cues, double x);
        // What textAt(x) gives, at the cost of indexAt here.
        const std::string* textAt(const Cues& cues, double x);

    private:
        std::size_t _segment = 0;
        const Cues* _cues = nullptr;
    };

private:
    // The segment holding x: 2j+1 is the point _points[j], 2j the open stretch just before it.
    std::size_t segmentOf(double x) const;
    std::size_t segmentFrom(std::size_t hint, double x) const;
    const std::string* textOfSegment(std::size_t segment) const;
    void stack(const std::vector<std::int32_t>& shown, std::size_t segment);
    bool segmentHolds(std::size_t segment, double x) const;

    FrozenMessageList _entries;
    // Every distinct start and end, ascending, and the entry showing on each segment they make.
    std::vector<double> _points;
    std::vector<std::int32_t> _winners;
    // Per segment, where entries overlap and another than the first has text: the texts stacked,
    // as an index into _stacks; kNone elsewhere, and everywhere in a file without overlaps.
    std::vector<std::int32_t> _stacked;
    std::vector<std::string> _stacks;
    // Starts ascending, with the entry index; equal starts keep list order.
    std::vector<std::pair<double, std::int32_t>> _starts;
    double _firstStart = 0;
    double _lastEnd = 0;
};

using SharedCues = std::shared_ptr<const Cues>;
