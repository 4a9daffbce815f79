// Sync to Video against a fake soundtrack: what the result offers, and that Apply, Undo and
// Cancel leave the timing where they say.
#include "control/AutoSync.h"

#include "fakes/FakeControls.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeStore.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace {

// 80 subtitles of uneven lengths and gaps over about 7 minutes.
SharedCues dialogue()
{
    SrtMessageList list;
    std::uint32_t seed = 7;
    double t = 5;
    for (int i = 0; i < 80; ++i) {
        seed = seed * 1103515245u + 12345u;
        const double length = 1.0 + (seed >> 16) % 30 / 10.0;
        auto e = std::make_shared<SrtMessage>();
        e->setStartTimeData(t);
        e->setEndTimeData(t + length);
        e->setMessage("line");
        list.push_back(e);
        t += length + 0.4 + (seed >> 8) % 40 / 10.0;
    }
    return std::make_shared<const Cues>(list);
}

// What a voice detector hears when the subtitles belong at file time * speed + delay.
autosync::SpeechTrack speechOf(const Cues& cues, const Timing& timing)
{
    autosync::SpeechTrack track;
    track.frames.assign(
        static_cast<std::size_t>(timing.toClock(cues.lastEnd()) / 0.01) + 3000, std::int8_t{ -1 });
    for (const auto& e : cues.entries())
        for (auto f = static_cast<std::size_t>(timing.toClock(e->startTimeData()) / 0.01);
             f < static_cast<std::size_t>(timing.toClock(e->endTimeData()) / 0.01); ++f)
            track.frames[f] = 1;
    return track;
}

autosync::Match splitAt(std::size_t firstCue)
{
    autosync::Match m;
    m.verdict = autosync::Match::Verdict::sure;
    m.delay = 2;
    m.split = autosync::SplitPoint{ firstCue, 3130.5, 8.5 };
    m.score = 0.9;
    return m;
}

TEST(AutoSync, TheResultAppliesUndoesOrSaysWhyNot)
{
    const double ntscFilm = 25.0 / (24000.0 / 1001.0);
    struct Case {
        const char* what;
        // What the fake listener hears; none: it waits to be cancelled.
        std::function<autosync::Heard(const Cues&)> hear;
        std::optional<autosync::Match> match; // the real matcher when none
        // Before Apply.
        std::function<void(AutoSync&, SharedCues&)> act;
        AutoSync::State state;
        std::string text; // what the result says, or part of it
        std::optional<Timing> applied;
    };
    const Timing before{ 1.0, 1.0 };
    const auto heard = [](autosync::SpeechTrack track) {
        return [track](const Cues&) { return autosync::Heard{ track, 600, {}, false }; };
    };
    const auto hearing = [](const Timing& t) {
        return [t](const Cues& cues) {
            return autosync::Heard{ speechOf(cues, t), 600, {}, false };
        };
    };
    const Case cases[] = {
        { "late by 3.2 s at 25 for 23.976 fps", hearing({ 3.2, ntscFilm }), {}, {},
            AutoSync::State::proposed, "\u00B7 25 \u2192 23.976 fps \u00B7 sure",
            Timing{ 3.2, ntscFilm } },
        { "silence", heard({ 0.01, std::vector<std::int8_t>(60000, -1) }), {}, {},
            AutoSync::State::refused, "No speech found in the video.", {} },
        { "no soundtrack",
            [](const Cues&) {
                return autosync::Heard{ {}, 0, "no audio", false };
            },
            {}, {}, AutoSync::State::refused, "The video could not be heard: no audio", {} },
        { "a cut: the subtitles after it take their own delay", hearing({}), splitAt(20), {},
            AutoSync::State::proposed, "delay +2.000 s \u00B7 from 0:52:10 +8.500 s \u00B7 sure",
            Timing{ 2, 1, 3130.5, 8.5 } },
        { "other subtitles read meanwhile", hearing({ 3.2, 1 }), {},
            [](AutoSync&, SharedCues& shown) { shown = dialogue(); }, AutoSync::State::refused,
            "The subtitles changed since the video was heard: sync again.", {} },
        { "cancelled", {}, {}, {}, AutoSync::State::idle, "", {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TimerThread th;
        FakeStore store;
        FakeUiQueue queue;
        SubtitleTiming timing;
        timing.connect({ &th, &store });
        timing.restoreFor("/a.srt");
        timing.setTiming(before);
        SharedCues shown = dialogue();
        th.setCues(shown);

        auto sync = std::make_unique<AutoSync>(
            [&](const std::string& video, const autosync::ListenOptions& o) {
                EXPECT_EQ(video, "/films/a.mkv");
                if (c.hear)
                    return c.hear(*shown);
                // Reports until told to stop, as the real listener does.
                for (int i = 0; i < 10000 && o.progress(0.5); ++i)
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                autosync::Heard h;
                h.cancelled = true;
                return h;
            },
            c.match ? AutoSync::Matcher([&](auto, const auto&) { return *c.match; })
                    : AutoSync::Matcher());
        int changes = 0;
        sync->connect({ &queue, &timing, [&] { return shown; }, {} }, [&] { ++changes; });
        sync->start("/films/a.mkv");
        ASSERT_EQ(sync->state(), AutoSync::State::running);
        ASSERT_TRUE(queue.runPosted());
        if (!c.hear) {
            // The progress report came, and the job still runs.
            EXPECT_EQ(sync->state(), AutoSync::State::running);
            EXPECT_EQ(sync->progress(), 0.5);
            sync->cancel();
        }
        if (c.act)
            c.act(*sync, shown);
        sync->apply();
        EXPECT_EQ(sync->state(), c.applied ? AutoSync::State::applied : c.state);
        EXPECT_NE(sync->text().find(c.text), std::string::npos) << sync->text();
        const Timing now = th.timing();
        const Timing want = c.applied.value_or(before);
        EXPECT_NEAR(now.delay, want.delay, 0.011);
        EXPECT_NEAR(now.speed, want.speed, 1e-6);
        EXPECT_EQ(timing.timing(), now);

        // Undo puts back the timing from before, and Apply may be chosen again.
        sync->undo();
        EXPECT_EQ(th.timing(), before);
        EXPECT_EQ(sync->state(), c.state);
        // The job's thread has ended, or ends now; whatever it left in the queue changes nothing.
        sync.reset();
        const int seen = changes;
        if (!c.hear) {
            EXPECT_TRUE(queue.runPosted());
        }
        EXPECT_EQ(changes, seen);
        EXPECT_EQ(th.timing(), before);
    }
}

TEST(AutoSync, ListeningProposesTheDelayThatPutsTheSubtitlesOnTheRecording)
{
    const double ntscFilm = 25.0 / (24000.0 / 1001.0);
    struct Case {
        const char* what;
        Timing inForce;
        // Where the speech really is: the timing in force, then this much later.
        double late;
        std::string error; // the recorder's
        std::string text;
    };
    // A split in force (a scene cut at the 30th line) is moved with the rest, not dropped.
    const double cut = dialogue()->entries()[30]->startTimeData();
    const Case cases[] = {
        { "late by 2.37 s", { 1.0, 1.0 }, 2.37, {}, "delay +3." },
        { "late, a split in force", { 1.0, 1.0, cut, -6.0 }, 1.5, {}, "delay +2." },
        { "early, the speed kept", { -2.0, ntscFilm }, -0.8, {}, "delay " },
        { "no sound server", { 0, 1 }, 0, "Connection refused",
            "The desktop's sound could not be recorded: Connection refused" },
    };
    const auto steadyNow = [] {
        using namespace std::chrono;
        return duration<double>(steady_clock::now().time_since_epoch()).count();
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TimerThread th;
        FakeStore store;
        FakeUiQueue queue;
        SubtitleTiming timing;
        timing.connect({ &th, &store });
        timing.restoreFor("/a.srt");
        timing.setTiming(c.inForce);
        SharedCues shown = dialogue();
        th.setCues(shown);
        // The clock stood at 200 s when Listen was pressed; the first sample came 0.4 s later.
        const double position = 200;
        AutoSync sync({}, {}, [&](double seconds, const std::function<bool(double)>& progress) {
            EXPECT_EQ(seconds, 60);
            progress(1);
            autosync::Heard h;
            h.error = c.error;
            h.startedAt = steadyNow() + 0.4;
            Timing truth = c.inForce;
            truth.delay += c.late;
            truth.delayAfter += c.late;
            const autosync::SpeechTrack all = speechOf(*shown, truth);
            const auto first = static_cast<std::ptrdiff_t>((position + 0.4) / 0.01);
            h.track.frames.assign(all.frames.begin() + first, all.frames.begin() + first + 6000);
            return h;
        });
        sync.connect({ &queue, &timing, [&] { return shown; }, [&] { return position; } }, [] {});
        sync.listenToDesktop(60);
        ASSERT_EQ(sync.state(), AutoSync::State::running);
        while (sync.state() == AutoSync::State::running)
            ASSERT_TRUE(queue.runPosted());
        EXPECT_NE(sync.text().find(c.text), std::string::npos) << sync.text();
        sync.apply();
        if (c.error.empty()) {
            EXPECT_NEAR(th.timing().delay, c.inForce.delay + c.late, 0.02);
            EXPECT_DOUBLE_EQ(th.timing().speed, c.inForce.speed);
            EXPECT_EQ(th.timing().splitAt, c.inForce.splitAt);
            if (c.inForce.hasSplit()) {
                EXPECT_NEAR(th.timing().delayAfter, c.inForce.delayAfter + c.late, 0.02);
            }
        } else {
            EXPECT_EQ(th.timing(), c.inForce);
        }
    }
}

} // namespace
