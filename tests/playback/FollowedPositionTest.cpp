// The followed position against a hand-set clock: extrapolation, pauses, seeks, jitter, stuck.
#include "playback/FollowedPosition.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

using Status = FollowedPosition::Status;

class FollowedPositionTest : public ::testing::Test {
protected:
    double now = 100;
    FollowedPosition followed{ [this] { return now; } };
};

TEST_F(FollowedPositionTest, ExtrapolatesWithTheRateWhilePlaying)
{
    struct Case {
        double rate;
        double after;
        double expected;
    };
    for (const Case c : { Case{ 1, 3, 13 }, Case{ 2, 3, 16 }, Case{ 0.5, 4, 12 } }) {
        now = 100;
        followed.reset(0, Status::Paused, 1);
        followed.setRate(c.rate);
        followed.setStatus(Status::Playing);
        followed.read(10, now);
        now += c.after;
        EXPECT_DOUBLE_EQ(followed.position(), c.expected) << "rate " << c.rate;
    }
}

TEST_F(FollowedPositionTest, HoldsWhilePausedAndResumesFromThere)
{
    followed.reset(5, Status::Playing, 1);
    now += 2;
    followed.setStatus(Status::Paused);
    now += 10;
    // Held at the estimate until the player's own reading, then at the reading.
    EXPECT_DOUBLE_EQ(followed.position(), 7);
    followed.read(6.99, now);
    now += 10;
    EXPECT_DOUBLE_EQ(followed.position(), 6.99);
    followed.setStatus(Status::Playing);
    now += 1.5;
    EXPECT_DOUBLE_EQ(followed.position(), 8.49);
    followed.setStatus(Status::Stopped);
    now += 3;
    EXPECT_DOUBLE_EQ(followed.position(), 8.49);
}

TEST_F(FollowedPositionTest, SeeksAndLargeDifferencesShowAtOnce)
{
    followed.reset(10, Status::Playing, 1);
    now += 1;
    EXPECT_TRUE(followed.seeked(9.9, now));
    // A seek is shown as it is, backwards too.
    EXPECT_DOUBLE_EQ(followed.position(), 9.9);
    now += 1;
    followed.read(40, now - 0.01);
    EXPECT_DOUBLE_EQ(followed.position(), 40.01);
    followed.read(20, now);
    EXPECT_DOUBLE_EQ(followed.position(), 20);
}

TEST_F(FollowedPositionTest, SmallDifferencesAreSlewedNotStepped)
{
    followed.reset(10, Status::Playing, 1);
    now += 1;
    // The player is 100 ms behind what is shown: no step back, and caught up within a second.
    followed.read(10.9, now);
    EXPECT_DOUBLE_EQ(followed.position(), 11);
    now += 0.1;
    const double early = followed.position();
    EXPECT_GT(early, 11);
    EXPECT_LT(early, 11.1);
    now += 1;
    EXPECT_NEAR(followed.position(), 12, 1e-9);
    // 100 ms ahead: caught up within a second as well.
    followed.read(12.1, now);
    now += 1;
    EXPECT_NEAR(followed.position(), 13.1, 1e-9);
}

TEST_F(FollowedPositionTest, JitterInTheReadingsNeverMakesTheShownTimeGoBack)
{
    // Polled readings every 250 ms, or Chromium's Seeked at every update, every 100 ms.
    struct Case {
        double rate;
        bool bySeeked;
        int every;
    };
    for (const Case c : { Case{ 1.0, false, 25 }, Case{ 2.0, false, 25 }, Case{ 0.5, false, 25 },
             Case{ 1.0, true, 10 }, Case{ 2.0, true, 10 } }) {
        now = 100;
        followed.reset(0, Status::Playing, c.rate);
        std::mt19937 random(7);
        // Each reading off by up to 40 ms either way, as a slow reply with a badly guessed
        // sample time would be.
        std::uniform_real_distribution<double> jitter(-0.04, 0.04);
        double last = followed.position();
        for (int step = 1; step <= 2000; ++step) {
            now += 0.01;
            const double reading = c.rate * (now - 100) + jitter(random);
            if (step % c.every == 0 && c.bySeeked)
                // A resync, never a jump.
                ASSERT_FALSE(followed.seeked(reading, now)) << "step " << step;
            else if (step % c.every == 0)
                followed.read(reading, now);
            const double shown = followed.position();
            ASSERT_GE(shown, last) << "rate " << c.rate << " step " << step;
            // And it stays close to the player.
            ASSERT_NEAR(shown, c.rate * (now - 100), 0.1) << "rate " << c.rate << " step " << step;
            last = shown;
        }
    }
}

TEST_F(FollowedPositionTest, AReadingHeldSinceTheLastRefreshIsTakenAsOldNotAsBehind)
{
    // Chromium's Position is refreshed every 100 ms: a reading a second is up to 100 ms old.
    const double ages[] = { 0.09, 0.02, 0.07, 0.05, 0.08, 0.01, 0.09, 0.06, 0.03, 0.09 };
    for (const double rate : { 1.0, 1.5 }) {
        now = 100;
        followed.reset(0, Status::Playing, rate);
        for (int step = 1; step <= 1000; ++step) {
            now += 0.01;
            if (step % 100 == 0) {
                const double age = ages[step / 100 - 1];
                followed.read(rate * (now - age - 100), now);
            }
            // Once the second reading is in and eased in, no older one drags the clock back.
            if (step > 250) {
                ASSERT_NEAR(followed.position(), rate * (now - 100) - 0.01 * rate, 0.011 * rate)
                    << "rate " << rate << " step " << step;
            }
        }
        // A resync's position is fresh: one a little behind moves the clock back, gradually.
        EXPECT_FALSE(followed.seeked(rate * (now - 100) - 0.06, now));
        now += 1;
        EXPECT_NEAR(followed.position(), rate * (now - 100) - 0.06, 1e-9) << "rate " << rate;
    }
}

TEST_F(FollowedPositionTest, PositionThatNeverMovesWhilePlayingIsFoundInThreeSeconds)
{
    followed.reset(0, Status::Playing, 1);
    const double started = now;
    // Read about once a second, as the adapter polls.
    while (!followed.stuck() && now - started < 10) {
        followed.read(0, now);
        now += 1;
    }
    EXPECT_TRUE(followed.stuck());
    EXPECT_LE(now - started, 3.0 + 1e-9);
    // While stuck the clock keeps running rather than being pulled back to 0.
    const double before = followed.position();
    followed.read(0, now);
    now += 1;
    EXPECT_GT(followed.position(), before);

    // A paused player, or one whose readings move, is not stuck; whole-second readings move.
    followed.setStatus(Status::Paused);
    EXPECT_FALSE(followed.stuck());
    for (int i = 0; i < 5; ++i, now += 1)
        followed.read(3, now);
    EXPECT_FALSE(followed.stuck());
    followed.setStatus(Status::Playing);
    for (int i = 0; i < 10; ++i, now += 0.7)
        followed.read(std::floor(now - 100), now);
    EXPECT_FALSE(followed.stuck());
}

} // namespace
