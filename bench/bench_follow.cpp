// How closely the real player follows a real mpv: the position error against mpv's own Position
// read at the same instant over two minutes with pauses and seeks, the time from a seek in mpv to
// the player showing it, and the CPU that following costs against the own clock playing.
// Run by bench/follow-bench, which gives it a private session bus and an X server.
//   bench_follow SUBCLOCK [SECONDS]
#include "FollowedMpv.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return NAN;
    std::sort(values.begin(), values.end());
    const auto i
        = static_cast<std::size_t>(std::lround(p * static_cast<double>(values.size() - 1)));
    return values[i];
}

// The process's user and system time, in seconds.
double cpuSeconds(qint64 pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string field;
    double ticks = 0;
    for (int i = 1; i <= 15 && stat >> field; ++i) {
        if (i == 14 || i == 15)
            ticks += std::stod(field);
    }
    return ticks / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

// CPU share of one core, in %, of the process over `seconds` of waiting.
double cpuShare(qint64 pid, int seconds)
{
    const double before = cpuSeconds(pid);
    QThread::sleep(static_cast<unsigned long>(seconds));
    return (cpuSeconds(pid) - before) / seconds * 100;
}

void printStats(const char* what, const std::vector<double>& ms)
{
    std::printf("| %s | %zu | %.1f | %.1f | %.1f |\n", what, ms.size(), percentile(ms, 0.5),
        percentile(ms, 0.95), ms.empty() ? NAN : *std::max_element(ms.begin(), ms.end()));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_follow SUBCLOCK [SECONDS]\n");
        return 64;
    }
    const QString subclock = QString::fromLocal8Bit(argv[1]);
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 120;
    if (const QString missing = FollowedMpv::missingTools(); !missing.isEmpty()) {
        std::fprintf(stderr, "missing: %s\n", qPrintable(missing));
        return 1;
    }
    QTemporaryDir dir;
    const QString clip = dir.path() + "/clip.mkv";
    if (!FollowedMpv::makeClip(clip, seconds + 120)) {
        std::fprintf(stderr, "ffmpeg failed\n");
        return 1;
    }
    // One long cue, so both clocks draw a subtitle as well as the time.
    std::ofstream(dir.path().toStdString() + "/clip.srt")
        << "1\r\n00:00:00,000 --> 09:00:00,000\r\nA subtitle line\r\n";

    std::vector<double> errors;
    std::vector<double> seekLatencies;
    double followingCpu = 0;
    double ownClockCpu = 0;
    {
        FollowedMpv run(dir.path());
        if (!run.startMpv({ clip }) || !run.startSubclock(subclock)) {
            std::fprintf(stderr, "mpv or subclock did not start\n");
            return 1;
        }
        QThread::sleep(2);

        // Every 50 ms a sample; a seek every 25 s, a 5 s pause every 40 s.
        QElapsedTimer clock;
        clock.start();
        qint64 nextSeek = 10000;
        qint64 nextPause = 30000;
        bool forward = true;
        while (clock.elapsed() < seconds * 1000LL) {
            if (clock.elapsed() >= nextSeek) {
                nextSeek += 25000;
                const auto before = run.sample();
                // From before the call: mpv may announce the seek before it answers.
                QElapsedTimer latency;
                latency.start();
                run.callMpv(
                    "Seek", { QVariant::fromValue<qlonglong>(forward ? 20000000 : -15000000) });
                // Shown: within 50 ms of mpv, on the far side of the jump.
                FollowedMpv::waitFor(
                    [&] {
                        const auto s = run.sample();
                        return s && before && std::abs(s->player - before->player) > 5
                            && std::abs(s->subclock - s->player) < 0.05;
                    },
                    2000);
                seekLatencies.push_back(static_cast<double>(latency.nsecsElapsed()) / 1e6);
                forward = !forward;
            }
            if (clock.elapsed() >= nextPause) {
                nextPause += 40000;
                run.callMpv("Pause");
                // Sampled while paused too: the held position must match.
                QElapsedTimer paused;
                paused.start();
                while (paused.elapsed() < 5000) {
                    if (const auto s = run.sample())
                        errors.push_back(std::abs(s->subclock - s->player) * 1000);
                    QThread::msleep(50);
                }
                run.callMpv("Play");
            }
            if (const auto s = run.sample())
                errors.push_back(std::abs(s->subclock - s->player) * 1000);
            QThread::msleep(50);
        }

        // CPU while following mpv playing, with nobody asking over the bus.
        followingCpu = cpuShare(run.subclockPid(), 60);
    }
    {
        // The own clock playing the same subtitles, started with Space as a user would.
        QProcess own;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", dir.path() + "/own-config");
        own.setProcessEnvironment(env);
        own.start(subclock, { dir.path() + "/clip.srt" });
        own.waitForStarted();
        const QString pid = QString::number(own.processId());
        const bool pressed = QProcess::execute("xdotool",
                                 { "search", "--sync", "--onlyvisible", "--pid", pid, "--name",
                                     "clip.srt", "windowfocus", "--sync", "key", "space" })
            == 0;
        QThread::sleep(1);
        if (pressed)
            ownClockCpu = cpuShare(own.processId(), 60);
        own.terminate();
        own.waitForFinished();
        if (!pressed)
            std::fprintf(stderr, "xdotool could not start the own clock\n");
    }

    std::printf("following mpv for %d s, a seek every 25 s, a 5 s pause every 40 s\n\n", seconds);
    std::printf("| figure | samples | median ms | p95 ms | max ms |\n|---|---|---|---|---|\n");
    printStats("|position error| against mpv's Position read at the same instant", errors);
    printStats("seek in mpv to shown (within 50 ms)", seekLatencies);
    std::printf("\n| subclock process, 60 s | %% of one core |\n|---|---|\n");
    std::printf("| following mpv playing | %.2f |\n", followingCpu);
    std::printf("| own clock playing the same subtitles | %.2f |\n", ownClockCpu);
    std::printf("| difference (following's cost) | %.2f |\n", followingCpu - ownClockCpu);
    return 0;
}
