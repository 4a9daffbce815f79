// Time lines, the rounding split and the display text.
#include "subtitles/TimeCode.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

namespace {

struct TimeLineCase {
    const char* line;
    double start;
    double end;
};

TEST(TimeCode, TimeLinesParseAsTheScannerReadsThem)
{
    const TimeLineCase cases[] = {
        { "00:00:01,500 --> 00:00:04,250", 1.5, 4.25 },
        { "01:02:03,004 --> 01:02:04,000", 3723.004, 3724.0 },
        { "00:00:01,500-->00:00:04,250", 1.5, 4.25 },
        { "00:00:01,500 \t -->\t00:00:04,250 trailing words", 1.5, 4.25 },
        { "  00:00:01,5 --> 00:00:02,05", 1.005, 2.005 },
        // Fields the pattern does not reach count as 0.
        { "00:00:01.500 --> 00:00:04,250", 1.0, 0.0 },
        { "00:00:01,500 -> 00:00:04,250", 1.5, 0.0 },
        { "", 0.0, 0.0 },
        { "garbage", 0.0, 0.0 },
        // Any non-ASCII byte spoils the whole line.
        { "00:00:01,500 --> 00:00:04,250 \xE2\x99\xAA", 0.0, 0.0 },
        { "-00:00:01,-500 --> +00:00:02,+250", 0.5, 2.25 },
        // Ranges are not checked: 90 minutes and 75 seconds count as such.
        { "00:90:75,1500 --> 00:00:00,000", 5476.5, 0.0 },
    };
    for (const auto& c : cases) {
        double start = -1, end = -1;
        getTimeCodes(start, end, c.line);
        EXPECT_DOUBLE_EQ(start, c.start) << c.line;
        EXPECT_DOUBLE_EQ(end, c.end) << c.line;
    }
    // An embedded NUL ends the line, as it ends a C string.
    double start = -1, end = -1;
    getTimeCodes(start, end, std::string_view("00:00:01,500\0 --> 00:00:04,250", 30));
    EXPECT_EQ(start, 1.5);
    EXPECT_EQ(end, 0.0);
}

TEST(TimeCode, OverflowingNumbersGiveSomeValueWithoutFailing)
{
    const char* lines[] = {
        "99999999999999999999999:0:0,0 --> 2147483647:2147483647:2147483647,2147483647",
        "-99999999999999999999999:-9999999999:0,-99999999999 --> 596524:0:0,0",
        "2147483648:0:0,0 --> 0:0:2147483648,4294967296",
    };
    for (const char* line : lines) {
        double start = 0, end = 0;
        getTimeCodes(start, end, line);
        EXPECT_TRUE(std::isfinite(start)) << line;
        EXPECT_TRUE(std::isfinite(end)) << line;
    }
    // A sum past 2^31 seconds wraps as 32-bit arithmetic does.
    double start = 0, end = 0;
    getTimeCodes(start, end, "596524:0:0,0 --> 596523:0:0,0");
    EXPECT_EQ(start, static_cast<double>(static_cast<std::int32_t>(596524U * 3600U)));
    EXPECT_EQ(end, 596523.0 * 3600);
}

TEST(TimeCode, SplitsRoundOrTruncateAsDocumented)
{
    struct Case {
        double x;
        int h, m, s, roundedMs;
        const char* shown;
    };
    double t1005 = 0, t3723 = 0, unused = 0;
    getTimeCodes(t1005, unused, "00:00:01,005 --> 00:00:02,000");
    getTimeCodes(t3723, unused, "01:02:03,004 --> 01:02:04,000");
    const Case cases[] = {
        { 59.9996, 0, 0, 59, 1000, "00:00:59:999" },
        { t1005, 0, 0, 1, 5, "00:00:01:004" },
        { t3723, 1, 2, 3, 4, "01:02:03:003" },
        { 3725.5, 1, 2, 5, 500, "01:02:05:500" },
        { 0.0, 0, 0, 0, 0, "00:00:00:000" },
        { 360000.25, 100, 0, 0, 250, "100:00:00:250" },
    };
    for (const auto& c : cases) {
        std::int32_t h, m, s, ms;
        convertTimeCode(c.x, h, m, s, ms);
        EXPECT_EQ(h, c.h) << c.x;
        EXPECT_EQ(m, c.m) << c.x;
        EXPECT_EQ(s, c.s) << c.x;
        EXPECT_EQ(ms, c.roundedMs) << c.x;
        EXPECT_EQ(displayText(c.x), c.shown) << c.x;
    }
}

TEST(TimeCode, RoundingSplitGivesBackEveryWellFormedTime)
{
    // Every millisecond of the first minute, and a spread of hours and minutes.
    for (int h : { 0, 1, 9, 23, 99, 596 }) {
        for (int m : { 0, 1, 30, 59 }) {
            for (int s : { 0, 1, 30, 59 }) {
                for (int ms = 0; ms < 1000; ++ms) {
                    char line[80];
                    std::snprintf(
                        line, sizeof line, "%02d:%02d:%02d,%03d --> 00:00:00,000", h, m, s, ms);
                    double start = 0, end = 0;
                    getTimeCodes(start, end, line);
                    std::int32_t gh, gm, gs, gms;
                    convertTimeCode(start, gh, gm, gs, gms);
                    ASSERT_TRUE(gh == h && gm == m && gs == s && gms == ms) << line;
                }
            }
        }
    }
}

TEST(TimeCode, HugeAndOddPositionsStillFormat)
{
    // Past the 32-bit range the split saturates instead of being undefined.
    for (double x : { 1e300, -1e300, std::numeric_limits<double>::quiet_NaN(), -0.25 }) {
        EXPECT_FALSE(displayText(x).empty()) << x;
        std::int32_t h, m, s, ms;
        convertTimeCode(x, h, m, s, ms);
    }
    EXPECT_EQ(displayText(-0.25), "00:00:-1:750");
}

} // namespace
