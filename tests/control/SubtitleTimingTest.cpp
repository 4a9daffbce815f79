// The subtitle timing against fakes: a run of steps reaches the settings file once.
#include "control/SubtitleTiming.h"

#include "fakes/FakeControls.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeStore.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

// A held key steps 20 times; the memory is written once, when the run ends in any of the ways
// it can, and holds the last step.
TEST(SubtitleTiming, AHeldKeyWritesTheMemoryOnceWhenTheRunEnds)
{
    struct Case {
        const char* end;
        std::function<void(std::unique_ptr<SubtitleTiming>&, FakeQuietTimer&)> endRun;
    };
    const Case cases[] = {
        { "the quiet time passes", [](auto&, FakeQuietTimer& quiet) { quiet.elapse(); } },
        { "another file is chosen", [](auto& timing, auto&) { timing->restoreFor("/b.srt"); } },
        { "the player quits", [](auto& timing, auto&) { timing.reset(); } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.end);
        FakeDisplay label, status;
        TimerThread th;
        FakeStore store;
        FakeQuietTimer quiet;
        auto timing = std::make_unique<SubtitleTiming>();
        timing->connect({ &th, &store, &label, &status, &quiet });
        timing->load();
        timing->restoreFor("/a.srt");
        for (int i = 0; i < 20; ++i)
            timing->shiftDelay(0.1);
        // The worker runs with every step; the file waits.
        EXPECT_EQ(th.timing().delay, 2.0);
        EXPECT_EQ(store.writes["file_timing"], 0);
        c.endRun(timing, quiet);
        EXPECT_EQ(store.writes["file_timing"], 1);
        EXPECT_EQ(std::get<std::string>(store.values["file_timing"]), "2\t1\t/a.srt\n");
        // Nothing is left to write twice.
        EXPECT_FALSE(quiet.elapse());
        timing.reset();
        EXPECT_EQ(store.writes["file_timing"], 1);
    }
}

} // namespace
