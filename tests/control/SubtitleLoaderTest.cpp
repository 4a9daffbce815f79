// Background reads against fakes: a read superseded by another choice still ends what it began.
#include "control/MainCtrl.h"

#include "TempDir.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeLog.h"
#include "fakes/FakeStore.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace {

// A large file read in the background, Start pressed while it reads, then a small file chosen
// before it ends: the busy indicator goes, and the waiting Start plays the small file or says
// that it cannot.
TEST(SubtitleLoader, ASupersededReadHandsItsWaitingStartToTheNewChoice)
{
    struct Case {
        const char* small;
        bool plays;
    };
    const Case cases[] = {
        { "1\r\n00:00:00,000 --> 00:20:00,000\r\nSmall\r\n", true },
        { "no subtitles here\r\n", false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.small);
        FakeLog log;
        TempDir dir;
        std::string large;
        for (int i = 1; i <= 20; ++i)
            large += std::to_string(i) + "\r\n00:00:00,000 --> 01:00:00,000\r\nLarge\r\n\r\n";
        FakeDisplay time, message, label;
        TimerThread th;
        th.setTimeTextField(&time);
        th.setMessageTextField(&message);
        FakeButton startButton;
        FakeSlider slider;
        FakePanel panel;
        FakeStore store;
        FakeMenu enc, ret;
        FakeOpenDialog dialog;
        FakeAlert alert;
        FakeUiQueue queue;
        FakeBusy busy;
        std::FILE* out = std::tmpfile();
        {
            MainCtrl ctrl;
            ctrl.connect({ &th, &startButton, &slider, &label, &panel, &store, &enc, &ret, &dialog,
                &alert, &queue, &busy });
            ctrl.setStandardOutput(out);
            ctrl.loader().setBackgroundReadBytes(static_cast<std::int64_t>(large.size()));
            ASSERT_TRUE(ctrl.openFile(dir.write("large.srt", large)));
            ctrl.click(startButton);
            ASSERT_TRUE(ctrl.reading());
            EXPECT_EQ(busy.shown, "Reading large.srt\u2026");

            ASSERT_TRUE(ctrl.openFile(dir.write("small.srt", c.small)));
            EXPECT_FALSE(busy.shown.has_value());
            EXPECT_EQ(ctrl.started(), c.plays);
            EXPECT_EQ(startButton.title, c.plays ? "Stop" : "Start");
            // The worker says it runs at its first pass, a moment after the start.
            for (int i = 0; i < 500 && c.plays && !th.isRunning(); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            EXPECT_EQ(th.isRunning(), c.plays);
            // The large file's outcome comes and is dropped.
            ASSERT_TRUE(queue.runPosted());
            EXPECT_FALSE(busy.shown.has_value());
            EXPECT_EQ(th.cues() ? th.cues()->size() : 0U, c.plays ? 1U : 0U);
            ctrl.pause();
        }
        th.stop();
        th.waitFor();
        std::fclose(out);
    }
}

} // namespace
