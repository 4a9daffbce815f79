// The playback pass: finding the entry for the position (a search in the cue list; it used to be
// a linear scan, worst near the end) and formatting the time, for the two-hour film and a
// 100,000-entry file; and the worker's real pass with displays that cost nothing, to see what the
// pass itself costs 100 times a second.
#include "playback/TimerThread.h"
#include "subtitles/TimeCode.h"

#include <benchmark/benchmark.h>

#include <atomic>

namespace {

SrtMessageList entries(int count)
{
    SrtMessageList list;
    for (int i = 0; i < count; ++i) {
        auto e = std::make_shared<SrtMessage>();
        e->setNumberData(i + 1);
        e->setStartTimeData(i * 4.8 + 0.2);
        e->setEndTimeData(i * 4.8 + 3.8);
        e->setMessage(i % 3 == 2 ? "終電は零時に出ました。" : "The last train left at midnight.");
        list.push_back(std::move(e));
    }
    return list;
}

// Near the end of the last entry: where a scan would visit every entry.
double nearTheEnd(int count)
{
    return (count - 1) * 4.8 + 3.0;
}

// getMessage plus three formatted texts.
void scanAndFormat(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const bool atEnd = state.range(1) != 0;
    TimerThread timer;
    timer.setDataArray(entries(count));
    const double x = atEnd ? nearTheEnd(count) : 1.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(timer.getMessage(x));
        for (int i = 0; i < 3; ++i)
            benchmark::DoNotOptimize(displayText(x + i * 0.001));
    }
    state.counters["cpu_%_at_100_per_s"] = benchmark::Counter(
        1e-4, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

class NullDisplay final : public TextDisplay {
public:
    void setText(const std::string& utf8) override { benchmark::DoNotOptimize(utf8.data()); }
};

// The worker's own loop, run back to back without its 10 ms sleep.
void workerPass(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    constexpr int kPasses = 1000;
    NullDisplay time, message, message2;
    TimerThread timer;
    timer.setTimeTextField(&time);
    timer.setMessageTextField(&message);
    timer.setMessageTextField2(&message2);
    timer.setDataArray(entries(count));
    const double position = nearTheEnd(count);
    timer.setClock([] { return 0.0; });
    std::atomic<int> passes{ 0 };
    timer.setSleeper([&](unsigned) {
        if (++passes == kPasses)
            timer.stop();
    });
    for (auto _ : state) {
        state.PauseTiming();
        passes = 0;
        timer.seek(position);
        state.ResumeTiming();
        timer.start();
        timer.waitFor();
    }
    state.SetItemsProcessed(state.iterations() * kPasses);
    state.counters["us_per_pass"] = benchmark::Counter(kPasses * 1e-6,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(scanAndFormat)
    ->ArgNames({ "entries", "at_end" })
    ->Args({ 1500, 1 })
    ->Args({ 100000, 1 })
    ->Args({ 100000, 0 });
BENCHMARK(workerPass)
    ->ArgNames({ "entries" })
    ->Arg(1500)
    ->Arg(100000)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
