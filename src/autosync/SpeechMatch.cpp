// The cross-correlation of subtitle spans with heard speech (FFTW), the ratio and delay it picks,
// the split search over its strongest peaks, and how sure the result is.
#include "autosync/SpeechMatch.h"

#include "platform/Translate.h"
#include "subtitles/Resync.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <mutex>
#include <numeric>
#include <optional>
#include <tuple>

namespace autosync {
namespace {

// FFTW's planner is not thread-safe; executing a plan is.
std::mutex& plannerMutex()
{
    static std::mutex m;
    return m;
}

struct FftwFree {
    void operator()(void* p) const { fftw_free(p); }
};

// c[m] = sum over k of sub[k] * speech[k + m], for every m in [-maxLag, maxLag], by FFT. The
// speech's spectrum is taken once and serves every subtitle mask.
class Correlator {
public:
    Correlator(const std::vector<double>& speech, std::size_t longestSub, std::size_t maxLag)
        : _maxLag(maxLag)
    {
        _n = 1;
        while (_n < std::max(speech.size(), longestSub) + maxLag + 1)
            _n <<= 1;
        const std::size_t bins = _n / 2 + 1;
        _real.reset(static_cast<double*>(fftw_malloc(sizeof(double) * _n)));
        _spectrum.reset(static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * bins)));
        _speech.reset(static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * bins)));
        {
            const std::lock_guard lock(plannerMutex());
            _forward = fftw_plan_dft_r2c_1d(
                static_cast<int>(_n), _real.get(), _spectrum.get(), FFTW_ESTIMATE);
            _backward = fftw_plan_dft_c2r_1d(
                static_cast<int>(_n), _spectrum.get(), _real.get(), FFTW_ESTIMATE);
        }
        load(speech);
        fftw_execute(_forward);
        std::copy_n(&_spectrum.get()[0][0], 2 * bins, &_speech.get()[0][0]);
    }
    ~Correlator()
    {
        const std::lock_guard lock(plannerMutex());
        fftw_destroy_plan(_forward);
        fftw_destroy_plan(_backward);
    }
    Correlator(const Correlator&) = delete;
    Correlator& operator=(const Correlator&) = delete;

    // Indexed m + maxLag.
    std::vector<double> correlate(const std::vector<double>& sub)
    {
        load(sub);
        fftw_execute(_forward);
        fftw_complex* x = _spectrum.get();
        const fftw_complex* s = _speech.get();
        for (std::size_t i = 0; i < _n / 2 + 1; ++i) {
            // speech times the conjugate of sub
            const double re = s[i][0] * x[i][0] + s[i][1] * x[i][1];
            const double im = s[i][1] * x[i][0] - s[i][0] * x[i][1];
            x[i][0] = re;
            x[i][1] = im;
        }
        fftw_execute(_backward);
        std::vector<double> out(2 * _maxLag + 1);
        const double scale = 1.0 / static_cast<double>(_n);
        for (std::size_t j = 0; j < out.size(); ++j) {
            // Negative lags wrap around to the end.
            const std::size_t at = (j + _n - _maxLag) % _n;
            out[j] = _real.get()[at] * scale;
        }
        return out;
    }

private:
    void load(const std::vector<double>& values)
    {
        std::fill_n(_real.get(), _n, 0.0);
        std::copy(values.begin(), values.end(), _real.get());
    }

    std::size_t _n = 0;
    std::size_t _maxLag = 0;
    std::unique_ptr<double, FftwFree> _real;
    std::unique_ptr<fftw_complex, FftwFree> _spectrum, _speech;
    fftw_plan _forward = nullptr;
    fftw_plan _backward = nullptr;
};

// Frame indices [begin, end) of each span at a speed, and the mask they cover.
struct Frames {
    std::vector<std::pair<std::ptrdiff_t, std::ptrdiff_t>> spans;
    std::vector<double> mask;
};

Frames framesAt(std::span<const Span> cues, double speed, double frameSeconds)
{
    Frames f;
    std::ptrdiff_t last = 0;
    for (const Span& c : cues) {
        const auto a = static_cast<std::ptrdiff_t>(
            std::lround(std::max(c.start, 0.0) * speed / frameSeconds));
        const auto b
            = static_cast<std::ptrdiff_t>(std::lround(std::max(c.end, 0.0) * speed / frameSeconds));
        f.spans.emplace_back(a, std::max(a, b));
        last = std::max(last, b);
    }
    f.mask.assign(static_cast<std::size_t>(last) + 1, 0.0);
    for (const auto& [a, b] : f.spans)
        std::fill(f.mask.begin() + a, f.mask.begin() + b, 1.0);
    return f;
}

// The strongest local maxima, at least `apart` frames from each other, best first.
std::vector<std::size_t> peaks(const std::vector<double>& c, std::size_t apart, std::size_t count)
{
    std::vector<std::size_t> order(c.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(
        order.begin(), order.end(), [&](std::size_t x, std::size_t y) { return c[x] > c[y]; });
    std::vector<std::size_t> out;
    for (const std::size_t i : order) {
        if (out.size() == count)
            break;
        const bool clear = std::none_of(
            out.begin(), out.end(), [&](std::size_t p) { return (i > p ? i - p : p - i) < apart; });
        if (clear)
            out.push_back(i);
    }
    return out;
}

// The best value of c farther than `apart` from every lag in `taken`.
double bestApart(
    const std::vector<double>& c, const std::vector<std::size_t>& taken, std::size_t apart)
{
    double best = -std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < c.size(); ++i) {
        const bool clear = std::all_of(taken.begin(), taken.end(),
            [&](std::size_t t) { return (i > t ? i - t : t - i) > apart; });
        if (clear)
            best = std::max(best, c[i]);
    }
    return best;
}

// Each heard frame, +1 speech or -1 not, less the mean of the heard frames within a minute
// either side. Centring on the whole film's mean would let a long stretch without speech (a
// title sequence, a lead of noise) lift every wrong line-up that lands subtitles on the dialogue,
// whose speech is denser than the film's average; centred locally, a wrong line-up gets nothing
// for where it lands, only for how well it fits.
std::vector<double> centredLocally(const SpeechTrack& speech)
{
    const std::size_t n = speech.frames.size();
    std::vector<std::size_t> heard(n + 1, 0);
    std::vector<std::size_t> spoken(n + 1, 0);
    for (std::size_t i = 0; i < n; ++i) {
        heard[i + 1] = heard[i] + (speech.frames[i] != 0);
        spoken[i + 1] = spoken[i] + (speech.frames[i] > 0);
    }
    const auto reach = static_cast<std::size_t>(std::lround(60.0 / speech.frameSeconds));
    std::vector<double> out(n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        if (speech.frames[i] == 0)
            continue;
        const std::size_t a = i > reach ? i - reach : 0;
        const std::size_t b = std::min(n, i + reach + 1);
        const double share
            = static_cast<double>(spoken[b] - spoken[a]) / static_cast<double>(heard[b] - heard[a]);
        out[i] = (speech.frames[i] > 0 ? 1.0 : -1.0) - (2 * share - 1);
    }
    return out;
}

} // namespace

Match matchSpeech(
    std::span<const Span> unsorted, const SpeechTrack& speech, const MatchOptions& options)
{
    Match result;
    const double fs = speech.frameSeconds;
    if (unsorted.empty() || speech.frames.empty() || !(fs > 0))
        return result;
    std::vector<Span> cues(unsorted.begin(), unsorted.end());
    std::sort(
        cues.begin(), cues.end(), [](const Span& a, const Span& b) { return a.start < b.start; });

    std::size_t heard = 0;
    std::size_t spoken = 0;
    for (const std::int8_t v : speech.frames) {
        heard += v != 0;
        spoken += v > 0;
    }
    // Less than half a minute of speech, or speech nearly everywhere, says nothing about timing.
    const double spokenShare = heard ? static_cast<double>(spoken) / static_cast<double>(heard) : 0;
    if (static_cast<double>(spoken) * fs < options.minSpeech || spokenShare < 0.02
        || spokenShare > 0.98) {
        result.verdict = Match::Verdict::noSpeech;
        return result;
    }
    // Centred, so that a detector that calls most of the film speech (music, noise) does not
    // favour whatever line-up puts the most subtitles where something was heard.
    const std::vector<double> centred = centredLocally(speech);

    std::vector<double> speeds{ 1.0 };
    for (const SpeedRatio& r : speedRatios())
        speeds.push_back(r.speed);
    const auto maxLag = static_cast<std::size_t>(std::lround(options.maxShift / fs));
    std::size_t longest = 0;
    std::vector<Frames> frames;
    for (const double s : speeds) {
        frames.push_back(framesAt(cues, s, fs));
        longest = std::max(longest, frames.back().mask.size());
    }
    Correlator correlator(centred, longest, maxLag);
    const auto lagOf = [&](std::size_t j) {
        return static_cast<std::ptrdiff_t>(j) - static_cast<std::ptrdiff_t>(maxLag);
    };
    const auto secondsOf = [&](std::size_t j) { return static_cast<double>(lagOf(j)) * fs; };
    const auto meanOf = [](const std::vector<double>& c) {
        return std::accumulate(c.begin(), c.end(), 0.0) / static_cast<double>(c.size());
    };
    const auto topOf = [](const std::vector<double>& c) {
        return static_cast<std::size_t>(std::max_element(c.begin(), c.end()) - c.begin());
    };
    // How far the peak at `at` stands out: 1 when nothing beyond the width of a subtitle's own
    // echo in the correlation comes near it, 0 when something else is as good.
    const auto standsOut = [&](const std::vector<double>& c, std::size_t at) {
        const double mean = meanOf(c);
        const double second = bestApart(c, { at }, static_cast<std::size_t>(std::lround(5.0 / fs)));
        return c[at] > mean
            ? std::clamp((c[at] - std::max(second, mean)) / (c[at] - mean), 0.0, 1.0)
            : 0.0;
    };

    // Speech fills a subtitle's span only in part, so a range of lags fits about equally well.
    // Subtitles start where speech starts and linger after it: within that plateau, the lag
    // that puts the most subtitle starts on a heard onset. Gives the lag and those starts.
    std::vector<std::size_t> onsets(speech.frames.size() + 1, 0);
    for (std::size_t k = 0; k < speech.frames.size(); ++k)
        onsets[k + 1] = onsets[k] + (speech.frames[k] > 0 && (k == 0 || speech.frames[k - 1] < 0));
    const auto refine = [&](const std::vector<double>& c, const Frames& f, std::size_t at,
                            std::size_t firstCue, std::size_t endCue) {
        const double level = c[at] - 0.05 * (c[at] - meanOf(c));
        std::size_t lo = at;
        std::size_t hi = at;
        while (lo > 0 && c[lo - 1] >= level)
            --lo;
        while (hi + 1 < c.size() && c[hi + 1] >= level)
            ++hi;
        constexpr std::ptrdiff_t kNear = 3; // frames either side of a start
        const auto count = static_cast<std::ptrdiff_t>(speech.frames.size());
        const std::size_t middle = (lo + hi) / 2;
        const auto off = [&](std::size_t x) { return x > middle ? x - middle : middle - x; };
        std::pair<std::size_t, std::size_t> out{ middle, 0 };
        for (std::size_t j = lo; j <= hi; ++j) {
            std::size_t hits = 0;
            for (std::size_t i = firstCue; i < endCue; ++i) {
                const std::ptrdiff_t k = f.spans[i].first + lagOf(j);
                hits += onsets[static_cast<std::size_t>(
                            std::clamp<std::ptrdiff_t>(k + kNear + 1, 0, count))]
                    - onsets[static_cast<std::size_t>(
                        std::clamp<std::ptrdiff_t>(k - kNear, 0, count))];
            }
            if (hits > out.second || (hits == out.second && off(j) < off(out.first)))
                out = { j, hits };
        }
        return out;
    };

    std::vector<std::vector<double>> correlations;
    // Each ratio's strongest lag, and how far it rises above that ratio's mean.
    std::vector<std::size_t> tops;
    std::vector<double> heights;
    double strongest = -std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < speeds.size(); ++i) {
        correlations.push_back(correlator.correlate(frames[i].mask));
        const std::vector<double>& c = correlations.back();
        tops.push_back(topOf(c));
        heights.push_back(c[tops.back()] - meanOf(c));
        strongest = std::max(strongest, heights.back());
    }

    std::vector<double> prefix(centred.size() + 1, 0.0);
    std::partial_sum(centred.begin(), centred.end(), prefix.begin() + 1);
    const auto n = static_cast<std::ptrdiff_t>(centred.size());
    const std::size_t count = cues.size();
    struct LineUp {
        std::size_t lag = 0; // for every subtitle, or those before the split
        std::size_t splitAt = 0; // the first subtitle after the split; 0: none
        std::size_t lagAfter = 0;
        std::size_t hits = 0; // subtitle starts on heard onsets
        double score = 0;
    };
    // The best line-up at ratio i: one lag, or two either side of a split.
    const auto lineUp = [&](std::size_t i) {
        const std::vector<double>& best = correlations[i];
        const auto& spans = frames[i].spans;
        LineUp out;
        std::tie(out.lag, out.hits) = refine(best, frames[i], tops[i], 0, count);
        out.score = standsOut(best, tops[i]);
        if (!options.findSplit || count < 20)
            return out;
        // What each subtitle scores at a lag: the speech under it, from prefix sums.
        const auto scores = [&](std::ptrdiff_t lag) {
            std::vector<double> acc(spans.size() + 1, 0.0);
            for (std::size_t k = 0; k < spans.size(); ++k) {
                const std::ptrdiff_t a = std::clamp<std::ptrdiff_t>(spans[k].first + lag, 0, n);
                const std::ptrdiff_t b = std::clamp<std::ptrdiff_t>(spans[k].second + lag, 0, n);
                acc[k + 1] = acc[k] + prefix[static_cast<std::size_t>(b)]
                    - prefix[static_cast<std::size_t>(a)];
            }
            return acc;
        };
        const std::vector<std::size_t> candidates
            = peaks(best, static_cast<std::size_t>(std::lround(2.0 / fs)), 6);
        std::vector<std::vector<double>> sums;
        sums.reserve(candidates.size());
        for (const std::size_t c : candidates)
            sums.push_back(scores(lagOf(c)));
        const double single = sums[0][count];
        const std::size_t minSide = std::max<std::size_t>(10, count / 20);
        double bestGain = 0;
        std::size_t splitAt = 0;
        for (std::size_t x = 0; x < candidates.size(); ++x) {
            for (std::size_t y = 0; y < candidates.size(); ++y) {
                for (std::size_t k = minSide; x != y && k + minSide <= count; ++k) {
                    const double total = sums[x][k] + sums[y][count] - sums[y][k];
                    if (total - single > bestGain) {
                        bestGain = total - single;
                        splitAt = k;
                    }
                }
            }
        }
        // A second delay must earn its place: fitting noise with two delays always gains a little.
        // Each side is then lined up and judged on its own.
        if (!splitAt || bestGain < 0.15 * std::abs(single))
            return out;
        const std::span<const Span> all(cues);
        double score = 1;
        std::size_t lags[2] = {};
        for (int side = 0; side < 2; ++side) {
            const std::span<const Span> part
                = side == 0 ? all.first(splitAt) : all.subspan(splitAt);
            const std::vector<double> c = correlator.correlate(framesAt(part, speeds[i], fs).mask);
            lags[side] = refine(
                c, frames[i], topOf(c), side == 0 ? 0 : splitAt, side == 0 ? splitAt : count)
                             .first;
            score = std::min(score, standsOut(c, topOf(c)));
        }
        // The subtitles next to the split fit either delay about as well: the one whose
        // start lands on a heard onset says which side it is on.
        const auto onsetAt = [&](std::size_t k, std::size_t lag) {
            const std::ptrdiff_t at = spans[k].first + lagOf(lag);
            return onsets[static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(at + 4, 0, n))]
                > onsets[static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(at - 3, 0, n))];
        };
        const std::vector<double> before = scores(lagOf(lags[0]));
        const std::vector<double> after = scores(lagOf(lags[1]));
        std::vector<double> hits(count + 1, 0.0);
        for (std::size_t k = 0; k < count; ++k)
            hits[k + 1]
                = hits[k] + (onsetAt(k, lags[0]) ? 50.0 : 0.0) - (onsetAt(k, lags[1]) ? 50.0 : 0.0);
        // Nor may a split make a subtitle show before the one ahead of it has gone: after a cut,
        // the split lies in a pause at least as long as the cut. Where no pause is, the two
        // delays are not a cut of this film.
        const auto keepsOrder = [&](std::size_t k) {
            return cues[k].start * speeds[i] + secondsOf(lags[1])
                >= cues[k - 1].end * speeds[i] + secondsOf(lags[0]) - 1.0;
        };
        bool ordered = false;
        for (std::size_t k = minSide; k + minSide <= count; ++k)
            ordered = ordered || keepsOrder(k);
        if (!ordered) {
            // Nor is one delay for all: as unsure as the parts that disagree with it.
            out.score = std::min(out.score, score);
            return out;
        }
        double most = -std::numeric_limits<double>::infinity();
        for (std::size_t k = minSide; k + minSide <= count; ++k) {
            const double total = before[k] + after[count] - after[k] + hits[k];
            if (total > most && keepsOrder(k)) {
                most = total;
                splitAt = k;
            }
        }
        out = { lags[0], splitAt, lags[1], 0, score };
        for (std::size_t k = 0; k < count; ++k)
            out.hits += onsetAt(k, k < splitAt ? lags[0] : lags[1]);
        return out;
    };

    // The ratio: over a long film a wrong one drifts far and its peak falls; over a short one
    // neighbouring ratios peak alike, and the one whose subtitle starts land on heard onsets
    // (either side of a split, where there is one) wins. Ties go to the same rate, which comes
    // first.
    std::size_t bestSpeed = 0;
    std::optional<LineUp> chosen;
    for (std::size_t i = 0; i < speeds.size(); ++i) {
        if (heights[i] < 0.97 * strongest)
            continue;
        const LineUp l = lineUp(i);
        if (!chosen || l.hits > chosen->hits) {
            chosen = l;
            bestSpeed = i;
        }
    }
    result.speed = speeds[bestSpeed];
    result.delay = secondsOf(chosen->lag);
    result.score = chosen->score;
    if (const std::size_t k = chosen->splitAt) {
        result.split
            = SplitPoint{ k, (std::min(cues[k - 1].end, cues[k].start) + cues[k].start) / 2,
                  secondsOf(chosen->lagAfter) };
    }

    // The correlation weighs where subtitles lie; their starts say more. How many land on a heard
    // onset, against how many do at lags spread over the search (each the most within half a
    // second, as the plateau search above finds them), in standard deviations.
    const Frames& f = frames[bestSpeed];
    const std::size_t len = correlations[bestSpeed].size();
    const auto startsOnOnsets = [&](std::size_t lag, std::size_t first, std::size_t end) {
        std::size_t on = 0;
        for (std::size_t k = first; k < end; ++k) {
            const std::ptrdiff_t at = f.spans[k].first + lagOf(lag);
            on += onsets[static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(at + 4, 0, n))]
                > onsets[static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(at - 3, 0, n))];
        }
        return static_cast<double>(on);
    };
    const auto evidence = [&](std::size_t lag, std::size_t first, std::size_t end) {
        const auto half = static_cast<std::size_t>(std::lround(0.5 / fs));
        const auto apart = static_cast<std::size_t>(std::lround(5.0 / fs));
        double sum = 0;
        double squares = 0;
        int samples = 0;
        for (std::size_t t = 0; t < 64; ++t) {
            const std::size_t centre = len * (2 * t + 1) / 128;
            if ((centre > lag ? centre - lag : lag - centre) < apart)
                continue;
            double most = 0;
            for (std::size_t j = centre > half ? centre - half : 0;
                 j < std::min(len, centre + half); ++j)
                most = std::max(most, startsOnOnsets(j, first, end));
            sum += most;
            squares += most * most;
            ++samples;
        }
        if (samples == 0)
            return 0.0;
        const double mean = sum / samples;
        // A floor, so that a few starts where chance gives none do not count as certainty.
        const double sd = std::sqrt(std::max(squares / samples - mean * mean, 0.25));
        return (startsOnOnsets(lag, first, end) - mean) / sd;
    };
    // Each part must have its own: a line-up right for half the film and wrong for the rest
    // still lands many starts on onsets.
    const std::size_t side = chosen->splitAt ? chosen->splitAt : count / 2;
    result.onsets = std::min(evidence(chosen->lag, 0, side),
        evidence(chosen->splitAt ? chosen->lagAfter : chosen->lag, side, count));

    const bool onsetsSure = result.score >= kOnsetFloorScore && result.onsets >= kSureOnsets;
    const bool onsetsLikely = result.score >= kOnsetFloorScore && result.onsets >= kProposeOnsets;
    result.verdict = result.score >= kSureScore || onsetsSure ? Match::Verdict::sure
        : result.score >= kProposeScore || onsetsLikely       ? Match::Verdict::likely
                                                              : Match::Verdict::noClearMatch;
    return result;
}

Timing timingOf(const Match& match)
{
    Timing t{ match.delay, match.speed };
    if (match.split) {
        t.splitAt = match.split->fileTime;
        t.delayAfter = match.split->delay;
    }
    return t;
}

std::string describe(const Match& match)
{
    switch (match.verdict) {
    case Match::Verdict::noSpeech:
        return translate("SpeechMatch", "No speech found in the video.");
    case Match::Verdict::noClearMatch:
        return translate("SpeechMatch", "No clear match between the subtitles and the speech.");
    case Match::Verdict::sure:
    case Match::Verdict::likely:
        break;
    }
    char text[160];
    std::snprintf(text, sizeof text, "%+.3f s", match.delay);
    std::string out = fill(translate("SpeechMatch", "delay %1"), { text });
    if (const SpeedRatio* r = nearestRatio(match.speed); r && match.speed != 1.0) {
        out += " \u00B7 ";
        out += translate("Resync", r->label.data()); // a literal: ends in NUL
    }
    if (match.split)
        out += splitText(
            translate("SpeechMatch", "from"), match.split->fileTime, match.split->delay);
    out += " \u00B7 ";
    out += match.verdict == Match::Verdict::sure ? translate("SpeechMatch", "sure")
                                                 : translate("SpeechMatch", "likely");
    return out;
}

std::string splitText(std::string_view word, double fileTime, double delay)
{
    const auto at = static_cast<long>(fileTime);
    char text[96];
    std::snprintf(text, sizeof text, " \u00B7 %.*s %ld:%02ld:%02ld %+.3f s",
        static_cast<int>(word.size()), word.data(), at / 3600, at / 60 % 60, at % 60, delay);
    return text;
}

std::vector<Span> spansOf(const Cues& cues)
{
    std::vector<Span> out;
    out.reserve(cues.size());
    for (const auto& e : cues.entries())
        out.push_back({ e->startTimeData(), e->endTimeData() });
    return out;
}

} // namespace autosync
