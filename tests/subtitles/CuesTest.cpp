// The cue list against the plain scan it replaces, on lists of every shape; and the clock object.
#include "subtitles/Cues.h"

#include "playback/PlaybackClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>

namespace {

std::shared_ptr<SrtMessage> entry(double start, double end, std::optional<std::string> text)
{
    auto e = std::make_shared<SrtMessage>();
    e->setStartTimeData(start);
    e->setEndTimeData(end);
    if (text)
        e->setMessage(*text);
    return e;
}

// The first entry in list order whose open interval holds x.
std::int32_t scanAt(const SrtMessageList& list, double x)
{
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i]->startTimeData() < x && x < list[i]->endTimeData())
            return static_cast<std::int32_t>(i);
    }
    return Cues::kNone;
}

// The texts of every entry whose open interval holds x, in list order, each on the line after
// the last text line of the one before; none when none has text. A stack stops at eight texts.
std::optional<std::string> scanText(const SrtMessageList& list, double x)
{
    std::optional<std::string> out;
    int count = 0;
    for (const auto& e : list) {
        if (!(e->startTimeData() < x && x < e->endTimeData()) || !e->message() || count == 8)
            continue;
        if (out) {
            while (!out->empty() && out->back() == '\n')
                out->pop_back();
            *out += "\n" + *e->message();
        } else {
            out = *e->message();
        }
        ++count;
    }
    return out;
}

// Starts of entries that can show, compared as the neighbours are defined.
std::int32_t scanNeighbour(const SrtMessageList& list, double x, bool next)
{
    std::int32_t best = Cues::kNone;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const double s = list[i]->startTimeData();
        if (!(s < list[i]->endTimeData()) || (next ? !(s > x) : !(s < x)))
            continue;
        const double b
            = best == Cues::kNone ? 0 : list[static_cast<std::size_t>(best)]->startTimeData();
        if (best == Cues::kNone || (next ? s < b : s > b))
            best = static_cast<std::int32_t>(i);
    }
    return best;
}

// The first start or end at or after x of an entry that can show.
double scanNextChange(const SrtMessageList& list, double x)
{
    double best = std::numeric_limits<double>::infinity();
    for (const auto& e : list) {
        if (!(e->startTimeData() < e->endTimeData()))
            continue;
        for (const double t : { e->startTimeData(), e->endTimeData() }) {
            if (t >= x)
                best = std::min(best, t);
        }
    }
    return best;
}

TEST(Cues, LookupsAgreeWithAPlainScanOnListsOfEveryShape)
{
    enum Shape { sorted, unsorted, overlapping, degenerate };
    std::mt19937 random(20261208);
    for (int round = 0; round < 400; ++round) {
        const auto shape = static_cast<Shape>(round % 4);
        const int n = static_cast<int>(random() % 40);
        SrtMessageList list;
        double t = 0;
        for (int i = 0; i < n; ++i) {
            // Times on a 0.25 s grid, so that many lookups land exactly on a start or an end.
            const auto grid = [&](int range) { return static_cast<double>(random() % range) / 4; };
            double start, end;
            switch (shape) {
            case sorted:
                start = t + grid(8);
                end = start + grid(12) + 0.25;
                t = end;
                break;
            case unsorted:
                start = grid(400);
                end = start + grid(12) + 0.25;
                break;
            case overlapping:
                start = grid(80);
                end = start + grid(80);
                break;
            case degenerate:
                // Ends before or at their starts never show, and times may be negative.
                start = grid(40) - 2;
                end = start + grid(16) - 2;
                break;
            }
            std::optional<std::string> text;
            if (random() % 5)
                text = random() % 7 ? "text " + std::to_string(i) : "";
            list.push_back(entry(start, end, text));
        }
        const Cues cues(list);
        Cues::Cursor cursor, textCursor;
        SCOPED_TRACE("round " + std::to_string(round));
        // Forward in small steps (the clock pass), then a few jumps back for the cursor.
        for (double x = -3; x < 110; x += 0.125) {
            ASSERT_EQ(cues.indexAt(x), scanAt(list, x)) << x;
            ASSERT_EQ(cursor.indexAt(cues, x), scanAt(list, x)) << x;
            ASSERT_EQ(cues.nextStart(x), scanNeighbour(list, x, true)) << x;
            ASSERT_EQ(cues.previousStart(x), scanNeighbour(list, x, false)) << x;
            // A worker resting until then must not miss a change on the way.
            const double next = cues.nextChange(x);
            ASSERT_GE(next, x);
            ASSERT_LE(next, scanNextChange(list, x)) << x;
            const auto want = scanText(list, x);
            for (const auto* text : { cues.textAt(x), textCursor.textAt(cues, x) }) {
                ASSERT_EQ(text != nullptr, want.has_value()) << x;
                if (text) {
                    ASSERT_EQ(*text, *want) << x;
                }
            }
        }
        for (const double x : { 50.0, 3.0, 75.125, -1.0, 0.0 })
            ASSERT_EQ(cursor.indexAt(cues, x), scanAt(list, x)) << x;
    }
}

TEST(Cues, EndsAndDurationOfTheList)
{
    const Cues empty;
    EXPECT_EQ(empty.indexAt(1), Cues::kNone);
    EXPECT_EQ(empty.nextStart(0), Cues::kNone);
    EXPECT_EQ(empty.lastEnd(), 0.0);

    // Unsorted and overlapping: the earliest start and the latest end, whatever their order.
    const Cues cues({ entry(30, 35, "c"), entry(2, 4, "a"), entry(10, 60, "b"), entry(5, 1, "x") });
    EXPECT_EQ(cues.firstStart(), 2.0);
    EXPECT_EQ(cues.lastEnd(), 60.0);
    EXPECT_EQ(cues.previousStart(2.0), Cues::kNone);
    EXPECT_EQ(cues.nextStart(30.0), Cues::kNone);
    EXPECT_EQ(cues.nextStart(0.0), 1);
}

TEST(PlaybackClock, PositionFollowsStartPauseSeekAndRate)
{
    double now = 100;
    PlaybackClock clock([&] { return now; });
    // Each step: what to do, how much time passes after it, and the position then.
    struct Step {
        const char* what;
        double arg;
        double elapse;
        double position;
    };
    const Step steps[] = {
        { "idle", 0, 5, 0 },
        { "start", 0, 2, 2 },
        { "start", 0, 1, 3 }, // a second start changes nothing
        { "pause", 0, 10, 3 },
        { "seek", 40, 3, 40 }, // paused: the seek holds
        { "start", 0, 1.5, 41.5 },
        { "seek", 10, 1, 11 }, // running: runs on from the new place
        { "rate", 2, 1, 13 },
        { "rate", 0.5, 2, 14 },
        { "pause", 0, 4, 14 },
        { "rate", 1, 0, 14 },
        { "start", 0, 1, 15 },
    };
    for (const Step& s : steps) {
        const std::string what = s.what;
        if (what == "start")
            clock.start();
        else if (what == "pause")
            clock.pause();
        else if (what == "seek")
            clock.seek(s.arg);
        else if (what == "rate")
            clock.setRate(s.arg);
        now += s.elapse;
        EXPECT_DOUBLE_EQ(clock.position(), s.position) << what << " " << s.arg;
    }
}

} // namespace
