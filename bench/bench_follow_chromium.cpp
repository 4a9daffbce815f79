// How closely the real player follows a real Chromium: the position shown against the page's own
// currentTime, which the page logs with its wall-clock time (Chromium's Position is itself only
// refreshed about every 100 ms, so it is no reference), over a run with a seek and a pause; then
// the player's CPU over 60 s of following the page playing.
// Run by bench/follow-chromium, which gives it a private session bus and an X server.
//   bench_follow_chromium SUBCLOCK [SECONDS]
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

double wallMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(system_clock::now().time_since_epoch()).count();
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return NAN;
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(
        std::lround(p * static_cast<double>(values.size() - 1)))];
}

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

struct PageSample {
    double wall;
    double time;
    bool paused;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_follow_chromium SUBCLOCK [SECONDS]\n");
        return 64;
    }
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 120;
    QTemporaryDir dir;
    const QString d = dir.path();
    QProcess::execute("ffmpeg",
        { "-loglevel", "error", "-y", "-f", "lavfi", "-i",
            QString("testsrc=duration=%1:size=160x120:rate=25").arg(seconds + 200), "-f", "lavfi",
            "-i", QString("sine=duration=%1").arg(seconds + 200), "-shortest", "-c:v", "libvpx",
            "-deadline", "realtime", "-b:v", "50k", "-c:a", "libopus", d + "/clip.webm" });
    QFile page(d + "/page.html");
    page.open(QIODevice::WriteOnly);
    page.write("<!doctype html><title>Bench page</title><video src=\"clip.webm\" autoplay></video>"
               "<script>const v = document.querySelector('video');"
               "setInterval(() => console.log('T ' + (performance.timeOrigin + performance.now())"
               ".toFixed(3) + ' ' + v.currentTime.toFixed(4) + ' ' + (v.paused ? 1 : 0)), 20);"
               "</script>\n");
    page.close();
    QFile srt(d + "/clip.srt");
    srt.open(QIODevice::WriteOnly);
    srt.write("1\n00:00:01,000 --> 00:59:00,000\nA line\n");
    srt.close();

    QProcess chromium;
    chromium.start("chromium",
        { "--no-sandbox", "--no-first-run", "--password-store=basic", "--enable-logging=stderr",
            "--user-data-dir=" + d + "/profile", "--autoplay-policy=no-user-gesture-required",
            "file://" + d + "/page.html" });
    QDBusConnection bus = QDBusConnection::sessionBus();
    const auto statusCall = [&](const QString& method) {
        return bus.call(QDBusMessage::createMethodCall("io.github.subclock.Status", "/Status",
                            "io.github.subclock.Status", method),
            QDBus::Block, 2000);
    };
    QThread::sleep(8);
    QProcess subclock;
    subclock.start(
        QString::fromLocal8Bit(argv[1]), { "--status-bus", "--follow=chromium", d + "/clip.srt" });
    subclock.waitForStarted();
    QThread::sleep(5);
    if (!statusCall("Following").arguments().value(0).toString().contains("chromium")) {
        std::fprintf(stderr, "subclock does not follow chromium\n");
        return 1;
    }

    // Samples of the position shown, stamped with the middle of the call.
    std::vector<std::pair<double, double>> shown;
    // Until then, an act in the page is settling and not counted.
    std::vector<std::pair<double, double>> settling;
    QElapsedTimer run;
    run.start();
    bool sought = false, paused = false, resumed = false;
    while (run.elapsed() < seconds * 1000) {
        if (!sought && run.elapsed() > seconds * 1000 / 3) {
            sought = true;
            const double t = wallMs();
            QProcess::execute("playerctl", { "-p", "chromium", "position", "20+" });
            settling.emplace_back(t, wallMs() + 500);
        }
        if (!paused && run.elapsed() > seconds * 2000 / 3) {
            paused = true;
            const double t = wallMs();
            QProcess::execute("playerctl", { "-p", "chromium", "pause" });
            settling.emplace_back(t, wallMs() + 500);
        }
        if (paused && !resumed && run.elapsed() > seconds * 2000 / 3 + 5000) {
            resumed = true;
            const double t = wallMs();
            QProcess::execute("playerctl", { "-p", "chromium", "play" });
            settling.emplace_back(t, wallMs() + 500);
        }
        const double before = wallMs();
        const QDBusMessage reply = statusCall("Position");
        const double after = wallMs();
        if (reply.type() == QDBusMessage::ReplyMessage)
            shown.emplace_back((before + after) / 2, reply.arguments().value(0).toDouble());
        QThread::msleep(50);
    }
    const double cpuBefore = cpuSeconds(subclock.processId());
    QThread::sleep(60);
    const double cpu = (cpuSeconds(subclock.processId()) - cpuBefore) / 60 * 100;

    subclock.terminate();
    subclock.waitForFinished();
    chromium.terminate();
    chromium.waitForFinished();
    std::vector<PageSample> pageLog;
    static const QRegularExpression line("\"T ([0-9.]+) ([0-9.]+) ([01])\"");
    for (const QString& l : QString::fromUtf8(chromium.readAllStandardError()).split('\n')) {
        if (const QRegularExpressionMatch m = line.match(l); m.hasMatch())
            pageLog.push_back(
                { m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3) == "1" });
    }
    // The page's time at a sample's instant, between the two log lines around it.
    std::vector<double> errors, signedErrors;
    for (const auto& [wall, position] : shown) {
        if (std::any_of(settling.begin(), settling.end(),
                [&](const auto& s) { return wall >= s.first && wall <= s.second; }))
            continue;
        const auto next = std::lower_bound(pageLog.begin(), pageLog.end(), wall,
            [](const PageSample& p, double w) { return p.wall < w; });
        if (next == pageLog.begin() || next == pageLog.end())
            continue;
        const PageSample& a = *(next - 1);
        const PageSample& b = *next;
        if (b.wall - a.wall > 100 || std::abs(b.time - a.time) > 0.2)
            continue;
        const double page = a.time + (b.time - a.time) * (wall - a.wall) / (b.wall - a.wall);
        errors.push_back(std::abs(position - page) * 1000);
        signedErrors.push_back((position - page) * 1000);
    }
    std::printf("| position error against the page's currentTime | %zu samples over %d s | median "
                "%.1f ms, p95 %.1f ms, max %.1f ms |\n",
        errors.size(), seconds, percentile(errors, 0.5), percentile(errors, 0.95),
        errors.empty() ? NAN : *std::max_element(errors.begin(), errors.end()));
    // A constant part would be the page's clock against this one, not following.
    std::printf("| signed error (shown minus page) | median %.1f ms, 5th to 95th percentile %.1f "
                "to %.1f ms |\n",
        percentile(signedErrors, 0.5), percentile(signedErrors, 0.05),
        percentile(signedErrors, 0.95));
    std::printf(
        "| CPU following Chromium playing, 60 s, whole process | %.2f %% of a core |\n", cpu);
    return 0;
}
