// The matcher on synthetic speech: a detector's view of subtitles spoken late, at another frame
// rate, with a cut, with the soundtrack heard only in windows, and on silence, music and the
// speech of another film.
#include "autosync/SpeechMatch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>
#include <vector>

namespace {

using autosync::Match;
using autosync::Span;
using autosync::SpeechTrack;

constexpr double kFrame = 0.01;

std::vector<Span> dialogue(double minutes, std::mt19937& rng)
{
    std::uniform_real_distribution<double> length(0.8, 4.5), gap(0.2, 6.0);
    std::vector<Span> out;
    for (double t = 20; t < minutes * 60;) {
        const double d = length(rng);
        out.push_back({ t, t + d });
        t += d + gap(rng);
    }
    return out;
}

struct Heard {
    double speed = 1;
    double delay = 0;
    std::optional<std::size_t> splitAt; // the first subtitle that takes `splitDelay`
    double splitDelay = 0;
    // Seconds heard out of every `period` seconds; 0 hears everything.
    double window = 0, period = 0;
};

// What a voice detector makes of the subtitles spoken as `h` places them: speech starting about
// when its subtitle does and ending well before it goes, voices nobody subtitled, and frames the
// detector gets wrong.
SpeechTrack hear(const std::vector<Span>& cues, const Heard& h, std::mt19937& rng)
{
    const double end = cues.back().end * h.speed + std::max(h.delay, h.splitDelay) + 30;
    SpeechTrack t{ kFrame, std::vector<std::int8_t>(static_cast<std::size_t>(end / kFrame), -1) };
    const auto mark = [&](double a, double b) {
        for (auto i = static_cast<std::ptrdiff_t>(a / kFrame);
             i < static_cast<std::ptrdiff_t>(b / kFrame); ++i) {
            if (i >= 0 && static_cast<std::size_t>(i) < t.frames.size())
                t.frames[static_cast<std::size_t>(i)] = 1;
        }
    };
    std::uniform_real_distribution<double> late(-0.04, 0.08), early(0.2, 1.0), anywhere(0, end);
    for (std::size_t i = 0; i < cues.size(); ++i) {
        const double delay = h.splitAt && i >= *h.splitAt ? h.splitDelay : h.delay;
        mark(cues[i].start * h.speed + delay + late(rng),
            cues[i].end * h.speed + delay - early(rng));
    }
    for (int i = 0; i < static_cast<int>(end / 60); ++i) {
        const double at = anywhere(rng);
        mark(at, at + 1.5);
    }
    std::bernoulli_distribution wrong(0.08);
    for (std::int8_t& f : t.frames) {
        if (wrong(rng))
            f = static_cast<std::int8_t>(-f);
    }
    if (h.period > 0) {
        for (std::size_t i = 0; i < t.frames.size(); ++i) {
            if (std::fmod(static_cast<double>(i) * kFrame, h.period) >= h.window)
                t.frames[i] = 0;
        }
    }
    return t;
}

TEST(SpeechMatch, FindsTheDelayTheRatioAndTheSplitOrSaysWhyNot)
{
    constexpr double k25 = 25.0 / (24000.0 / 1001.0);
    struct Case {
        const char* name;
        Heard heard;
        double minutes;
        bool expectProposal;
    } cases[] = {
        { "late", { 1, 3.21, {}, 0, 0, 0 }, 30, true },
        { "early by four minutes", { 1, -241.7, {}, 0, 0, 0 }, 30, true },
        { "late by four minutes: a long lead without speech", { 1, 243.9, {}, 0, 0, 0 }, 12, true },
        { "a cut after a long lead", { 1, 187.0, 80, 131.5, 0, 0 }, 12, true },
        { "23.976 to 25", { 1 / k25, 1.5, {}, 0, 0, 0 }, 40, true },
        { "25 to 23.976", { k25, -12.04, {}, 0, 0, 0 }, 40, true },
        { "24 to 25", { 25.0 / 24.0, 0.4, {}, 0, 0, 0 }, 30, true },
        { "an ad break cut", { 1, 2.0, 150, -28.5, 0, 0 }, 40, true },
        { "heard in windows", { 1, 75.3, {}, 0, 60, 300 }, 60, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::mt19937 rng(7);
        std::vector<Span> cues = dialogue(c.minutes, rng);
        // The file was made for a version that still had the part the video lost: it pauses there.
        const double cut = std::max(0.0, c.heard.delay - c.heard.splitDelay) / c.heard.speed;
        for (std::size_t i = c.heard.splitAt.value_or(cues.size()); i < cues.size(); ++i)
            cues[i] = { cues[i].start + cut, cues[i].end + cut };
        const Match m = autosync::matchSpeech(cues, hear(cues, c.heard, rng));
        ASSERT_EQ(m.verdict, Match::Verdict::sure) << autosync::describe(m) << " score " << m.score;
        EXPECT_NEAR(m.delay, c.heard.delay, 0.05);
        EXPECT_NEAR(m.speed, c.heard.speed, 1e-9);
        ASSERT_EQ(m.split.has_value(), c.heard.splitAt.has_value());
        if (m.split) {
            // Frames flipped one by one at random blur the onsets that place the split's
            // neighbours; the spoken film checks it to the line.
            EXPECT_NEAR(
                static_cast<double>(m.split->firstCue), static_cast<double>(*c.heard.splitAt), 1);
            EXPECT_NEAR(m.split->delay, c.heard.splitDelay, 0.05);
        }
    }
}

TEST(SpeechMatch, ProposesNothingOnSilenceMusicOrAnotherFilm)
{
    // Several films: a threshold that one lucky draw passes is no threshold.
    for (int seed = 1; seed <= 12; ++seed) {
        std::mt19937 rng(seed);
        const std::vector<Span> cues = dialogue(30, rng);
        SpeechTrack silence{ kFrame, std::vector<std::int8_t>(180000, -1) };
        EXPECT_EQ(autosync::matchSpeech(cues, silence).verdict, Match::Verdict::noSpeech);

        // Music: a detector fooled in long stretches that have nothing to do with the dialogue.
        SpeechTrack music{ kFrame, {} };
        std::uniform_real_distribution<double> stretch(0.5, 8.0);
        for (bool on = false; music.frames.size() < 180000; on = !on)
            music.frames.insert(
                music.frames.end(), static_cast<std::size_t>(stretch(rng) / kFrame), on ? 1 : -1);
        const Match m = autosync::matchSpeech(cues, music);
        EXPECT_FALSE(m.proposed()) << autosync::describe(m) << " score " << m.score;
        EXPECT_EQ(autosync::describe(m), "No clear match between the subtitles and the speech.");

        // Subtitles of another film: real dialogue, but not this one.
        const std::vector<Span> other = dialogue(30, rng);
        const Match wrongFilm = autosync::matchSpeech(cues, hear(other, {}, rng));
        EXPECT_FALSE(wrongFilm.proposed())
            << autosync::describe(wrongFilm) << " score " << wrongFilm.score;
    }
}

} // namespace
