// The GUI thread's share of playback: a worker sets the three label displays 100 times a second
// (the time always changes, a subtitle now and then) and the GUI thread absorbs the updates.
// The time reported is the GUI thread's CPU time for one second's worth of updates.
#include "shell/QtAdapters.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <semaphore>
#include <thread>

namespace {

double threadCpuSeconds()
{
    timespec ts{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

std::string timeText(long tick)
{
    const long ms = tick * 10;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02ld:%02ld:%02ld:%03ld", ms / 3600000, ms / 60000 % 60,
        ms / 1000 % 60, ms % 1000);
    return buf;
}

// Subtitles change every few seconds, with gaps between them.
std::string subtitleAt(long tick)
{
    const long slot = tick / 240;
    if (tick % 240 > 200)
        return "";
    return slot % 2 ? "The last train left at midnight.\n" : "終電は零時に出ました。\n";
}

void updatesPerSecond(benchmark::State& state)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    QLabel* labels[3];
    for (QLabel*& label : labels) {
        label = new QLabel(&window);
        layout->addWidget(label);
    }
    window.resize(640, 240);
    window.show();
    QApplication::processEvents();
    auto time = makeLabelDisplay(labels[0]);
    auto message = makeLabelDisplay(labels[1]);
    auto message2 = makeLabelDisplay(labels[2]);

    std::binary_semaphore go(0), done(0);
    std::atomic<bool> quit{ false };
    long tick = 0;
    std::thread worker([&] {
        for (;;) {
            go.acquire();
            if (quit)
                return;
            time->setText(timeText(tick));
            const std::string text = subtitleAt(tick);
            message->setText(text);
            message2->setText(text);
            done.release();
        }
    });

    for (auto _ : state) {
        double gui = 0;
        for (int i = 0; i < 100; ++i, ++tick) {
            go.release();
            done.acquire();
            const double t0 = threadCpuSeconds();
            QApplication::processEvents();
            gui += threadCpuSeconds() - t0;
        }
        state.SetIterationTime(gui);
    }
    quit = true;
    go.release();
    worker.join();
    state.counters["gui_%_of_a_core"] = benchmark::Counter(
        1.0 / 100.0, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(updatesPerSecond)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(3.0);

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
