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
#include <map>
#include <set>
#include <sstream>
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

// User and system time of each thread, by the thread's name ("subclock" for the GUI thread).
std::map<std::string, double> threadSeconds(qint64 pid)
{
    std::map<std::string, double> byName;
    const QDir tasks(QString("/proc/%1/task").arg(pid));
    for (const QString& tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        std::ifstream stat(tasks.filePath(tid).toStdString() + "/stat");
        std::string line;
        std::getline(stat, line);
        const std::size_t open = line.find('(');
        const std::size_t close = line.rfind(')');
        if (open == std::string::npos || close == std::string::npos)
            continue;
        std::istringstream rest(line.substr(close + 2));
        std::string field;
        double ticks = 0;
        // Fields 3 onwards; utime and stime are 14 and 15.
        for (int i = 3; i <= 15 && rest >> field; ++i) {
            if (i >= 14)
                ticks += std::stod(field);
        }
        byName[line.substr(open + 1, close - open - 1)]
            += ticks / static_cast<double>(::sysconf(_SC_CLK_TCK));
    }
    return byName;
}

struct CpuShare {
    double process = 0;
    std::map<std::string, double> threads;
};

// CPU share of one core, in %, of each process and its named threads over the same `seconds`.
std::vector<CpuShare> cpuShares(const std::vector<qint64>& pids, int seconds)
{
    std::vector<double> before;
    std::vector<std::map<std::string, double>> threadsBefore;
    for (const qint64 pid : pids) {
        before.push_back(cpuSeconds(pid));
        threadsBefore.push_back(threadSeconds(pid));
    }
    QThread::sleep(static_cast<unsigned long>(seconds));
    std::vector<CpuShare> shares;
    for (std::size_t i = 0; i < pids.size(); ++i) {
        CpuShare share{ (cpuSeconds(pids[i]) - before[i]) / seconds * 100, {} };
        for (const auto& [name, s] : threadSeconds(pids[i])) {
            const auto was = threadsBefore[i].find(name);
            share.threads[name]
                = (s - (was == threadsBefore[i].end() ? 0 : was->second)) / seconds * 100;
        }
        shares.push_back(share);
    }
    return shares;
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
    const QString subclock = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 120;
    if (const QString missing = FollowedMpv::missingTools(); !missing.isEmpty()) {
        std::fprintf(stderr, "missing: %s\n", qPrintable(missing));
        return 1;
    }
    QTemporaryDir dir;
    const QString clip = dir.path() + "/clip.mkv";
    // 100 frames a second, so mpv's Position (the frame shown) moves in 10 ms steps.
    if (!FollowedMpv::makeClip(clip, seconds + 120, 100)) {
        std::fprintf(stderr, "ffmpeg failed\n");
        return 1;
    }
    // One long cue, so both clocks draw a subtitle as well as the time.
    std::ofstream(dir.path().toStdString() + "/clip.srt")
        << "1\r\n00:00:00,000 --> 09:00:00,000\r\nA subtitle line\r\n";

    std::vector<double> errors;
    std::vector<double> seekLatencies;
    CpuShare followingCpu;
    CpuShare ownClockCpu;
    {
        FollowedMpv run(dir.path());
        if (!run.startMpv({ clip })) {
            std::fprintf(stderr, "mpv did not start\n");
            return 1;
        }
        if (!run.startSubclock(subclock)) {
            std::fprintf(stderr, "subclock did not start following mpv\n");
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
                waitFor(
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
        followingCpu = cpuShares({ run.subclockPid() }, 60).front();
        run.quitSubclock();

        // Then the own clock playing the same subtitles, started with Space as a user would,
        // with mpv still playing so that it weighs on the machine as before.
        QProcess own;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", dir.path() + "/own-config");
        own.setProcessEnvironment(env);
        own.start(subclock, { dir.path() + "/clip.srt" });
        own.waitForStarted();
        const bool pressed
            = QProcess::execute("xdotool",
                  { "search", "--sync", "--onlyvisible", "--pid", QString::number(own.processId()),
                      "--name", "clip.srt", "windowfocus", "--sync", "key", "space" })
            == 0;
        if (!pressed)
            std::fprintf(stderr, "xdotool could not start the own clock\n");
        QThread::sleep(1);
        ownClockCpu = cpuShares({ own.processId() }, 60).front();
        own.terminate();
        own.waitForFinished();
    }

    std::printf("following mpv for %d s, a seek every 25 s, a 5 s pause every 40 s\n\n", seconds);
    std::printf("| figure | samples | median ms | p95 ms | max ms |\n|---|---|---|---|---|\n");
    printStats("|position error| against mpv's Position read at the same instant", errors);
    printStats("seek in mpv to shown (within 50 ms)", seekLatencies);
    std::printf(
        "\n| subclock, 60 s, %% of one core | following mpv playing | own clock playing |\n");
    std::printf("|---|---|---|\n");
    std::printf("| whole process | %.2f | %.2f |\n", followingCpu.process, ownClockCpu.process);
    std::set<std::string> names;
    for (const auto* share : { &followingCpu, &ownClockCpu }) {
        for (const auto& [name, value] : share->threads)
            names.insert(name);
    }
    for (const std::string& name : names) {
        std::printf("| thread %s | %.2f | %.2f |\n", name.c_str(), followingCpu.threads[name],
            ownClockCpu.threads[name]);
    }
    return 0;
}
