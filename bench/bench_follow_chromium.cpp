// How closely the real player follows a real Chromium: the position shown against the page's own
// currentTime, which the page logs with its wall-clock time (Chromium's Position is itself only
// refreshed every 100 ms, so it is no reference), while playing, after a seek, after a pause and
// resume (both through playerctl) and after the page's script changes the rate; Chromium's own
// Position is read beside it for comparison. Then the player's CPU over 60 s of following.
// Run by bench/follow-chromium, which gives it a private session bus and an X server.
//   bench_follow_chromium SUBCLOCK [SECONDS [DIR]]
// With DIR, the raw samples are left there (shown.tsv, chromium.tsv, chromium.log).
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
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
#include <optional>
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
};

std::string loadAverage()
{
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

// The page's currentTime at a wall-clock instant, between the two log lines around it; none
// across a jump or a gap in the log.
std::optional<double> pageTimeAt(const std::vector<PageSample>& log, double wall)
{
    const auto next = std::lower_bound(
        log.begin(), log.end(), wall, [](const PageSample& p, double w) { return p.wall < w; });
    if (next == log.begin() || next == log.end())
        return std::nullopt;
    const PageSample& a = *(next - 1);
    const PageSample& b = *next;
    if (b.wall - a.wall > 100 || std::abs(b.time - a.time) > 0.2)
        return std::nullopt;
    return a.time + (b.time - a.time) * (wall - a.wall) / (b.wall - a.wall);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_follow_chromium SUBCLOCK [SECONDS [DIR]]\n");
        return 64;
    }
    const int seconds = std::max(argc > 2 ? std::atoi(argv[2]) : 120, 40);
    QTemporaryDir tmp;
    const QString d = argc > 3 ? QString::fromLocal8Bit(argv[3]) : tmp.path();
    QDir().mkpath(d);
    const std::string loadBefore = loadAverage();
    QProcess::execute("ffmpeg",
        { "-loglevel", "error", "-y", "-f", "lavfi", "-i",
            QString("testsrc=duration=%1:size=160x120:rate=25").arg(seconds + 200), "-f", "lavfi",
            "-i", QString("sine=duration=%1").arg(seconds + 200), "-shortest", "-c:v", "libvpx",
            "-deadline", "realtime", "-b:v", "50k", "-c:a", "libopus", d + "/clip.webm" });
    // The run starts at a fixed wall-clock time, so that the page's script can change the rate
    // three quarters in, and set it back at the end, without being told.
    const double start = wallMs() + 15000;
    const double rateAt = start + seconds * 750.0;
    const double rateEnd = start + seconds * 1000.0;
    QFile page(d + "/page.html");
    page.open(QIODevice::WriteOnly);
    page.write(
        QString("<!doctype html><title>Bench page</title><video src=\"clip.webm\" autoplay>"
                "</video><script>const v = document.querySelector('video');"
                "setInterval(() => { const now = performance.timeOrigin + performance.now();"
                "const rate = now >= %1 && now < %2 ? 1.5 : 1;"
                "if (v.playbackRate !== rate) { v.playbackRate = rate;"
                "console.log('R ' + now.toFixed(3)); }"
                "console.log('T ' + now.toFixed(3) + ' ' + v.currentTime.toFixed(4)); }, 20);"
                "</script>\n")
            .arg(rateAt, 0, 'f', 0)
            .arg(rateEnd, 0, 'f', 0)
            .toUtf8());
    page.close();
    QFile srt(d + "/clip.srt");
    srt.open(QIODevice::WriteOnly);
    srt.write("1\n00:00:01,000 --> 00:59:00,000\nA line\n");
    srt.close();

    QProcess chromium;
    // Into a file, not a pipe: nobody reads a pipe while the run blocks, and once it is full
    // Chromium's browser thread blocks on its next log line, MPRIS answers included.
    chromium.setStandardErrorFile(d + "/chromium.log");
    chromium.start("chromium",
        { "--no-sandbox", "--no-first-run", "--password-store=basic", "--enable-logging=stderr",
            "--user-data-dir=" + tmp.path() + "/profile",
            "--autoplay-policy=no-user-gesture-required", "file://" + d + "/page.html" });
    QDBusConnection bus = QDBusConnection::sessionBus();
    const auto statusCall = [&](const QString& method) {
        return bus.call(QDBusMessage::createMethodCall("io.github.subclock.Status", "/Status",
                            "io.github.subclock.Status", method),
            QDBus::Block, 2000);
    };
    QThread::sleep(8);
    QString chromiumName;
    for (const QString& n : bus.interface()->registeredServiceNames().value()) {
        if (n.startsWith("org.mpris.MediaPlayer2.chromium"))
            chromiumName = n;
    }
    QDBusMessage getPosition = QDBusMessage::createMethodCall(
        chromiumName, "/org/mpris/MediaPlayer2", "org.freedesktop.DBus.Properties", "Get");
    getPosition << QString("org.mpris.MediaPlayer2.Player") << QString("Position");
    QProcess subclock;
    subclock.start(
        QString::fromLocal8Bit(argv[1]), { "--status-bus", "--follow=chromium", d + "/clip.srt" });
    subclock.waitForStarted();
    QThread::sleep(5);
    if (!statusCall("Following").arguments().value(0).toString().contains("chromium")) {
        std::fprintf(stderr, "subclock does not follow chromium\n");
        return 1;
    }
    while (wallMs() < start)
        QThread::msleep(10);

    // Samples of the position shown and of Chromium's, each stamped with the middle of its call.
    std::vector<std::pair<double, double>> shown, raw;
    // The acts in the page by their wall-clock time; samples just after one are settling.
    std::vector<std::pair<double, std::string>> acts;
    std::string failed;
    const auto act = [&](const char* name, const QStringList& args) {
        acts.emplace_back(wallMs(), name);
        if (QProcess::execute("playerctl", args) != 0)
            failed.append(" ").append(args.join(' ').toStdString()).append(";");
    };
    const double end = start + seconds * 1000.0;
    bool sought = false, paused = false, resumed = false;
    while (wallMs() < end) {
        const double t = wallMs() - start;
        if (!sought && t > seconds * 250.0) {
            sought = true;
            act("seek", { "-p", "chromium", "position", "20+" });
        }
        if (!paused && t > seconds * 500.0) {
            paused = true;
            act("pause", { "-p", "chromium", "pause" });
        }
        if (!resumed && t > seconds * 500.0 + 5000) {
            resumed = true;
            act("play", { "-p", "chromium", "play" });
        }
        for (auto* samples : { &shown, &raw }) {
            const double before = wallMs();
            const QDBusMessage reply
                = samples == &shown ? statusCall("Position") : bus.call(getPosition);
            const double after = wallMs();
            if (reply.type() != QDBusMessage::ReplyMessage)
                continue;
            const QVariant v = reply.arguments().value(0);
            samples->emplace_back((before + after) / 2,
                samples == &shown ? v.toDouble()
                                  : v.value<QDBusVariant>().variant().toLongLong() / 1e6);
        }
        QThread::msleep(25);
    }
    const double cpuBefore = cpuSeconds(subclock.processId());
    QThread::sleep(60);
    const double cpu = (cpuSeconds(subclock.processId()) - cpuBefore) / 60 * 100;
    const std::string loadAfter = loadAverage();

    subclock.terminate();
    subclock.waitForFinished();
    chromium.terminate();
    chromium.waitForFinished();
    std::vector<PageSample> pageLog;
    static const QRegularExpression line("\"([TR]) ([0-9.]+)(?: ([0-9.]+))?\"");
    QFile log(d + "/chromium.log");
    log.open(QIODevice::ReadOnly);
    for (const QString& l : QString::fromUtf8(log.readAll()).split('\n')) {
        const QRegularExpressionMatch m = line.match(l);
        if (m.hasMatch() && m.captured(1) == "T")
            pageLog.push_back({ m.captured(2).toDouble(), m.captured(3).toDouble() });
        else if (m.hasMatch())
            acts.emplace_back(m.captured(2).toDouble(), "rate");
    }
    std::sort(acts.begin(), acts.end());

    // Each sample belongs to the phase of the last act before it; the first 500 ms after an
    // act are settling and counted apart.
    const auto phaseOf = [&](double wall) -> std::string {
        std::string phase = "playing";
        for (const auto& [at, name] : acts) {
            if (wall < at)
                break;
            phase = wall < at + 500 ? "settling" : name;
        }
        return phase;
    };
    const char* phases[] = { "playing", "seek", "pause", "play", "rate", "settling" };
    std::printf("load average before %s, after %s; playerctl failed:%s\n", loadBefore.c_str(),
        loadAfter.c_str(), failed.empty() ? " none" : failed.c_str());
    std::printf("| after | samples | shown: median, p95, max abs error | shown minus page: median "
                "(p5 to p95) | Chromium's Position minus page: median (p5 to p95) |\n");
    for (const char* phase : phases) {
        std::vector<double> errors, signedErrors, rawErrors;
        for (const auto* samples : { &shown, &raw }) {
            for (const auto& [wall, position] : *samples) {
                const std::optional<double> p = pageTimeAt(pageLog, wall);
                if (!p || phaseOf(wall) != phase)
                    continue;
                const double e = (position - *p) * 1000;
                if (samples == &raw) {
                    rawErrors.push_back(e);
                    continue;
                }
                errors.push_back(std::abs(e));
                signedErrors.push_back(e);
            }
        }
        std::printf("| %s | %zu | %.1f, %.1f, %.1f ms | %+.1f (%+.1f to %+.1f) ms | %+.1f (%+.1f "
                    "to %+.1f) ms |\n",
            phase, errors.size(), percentile(errors, 0.5), percentile(errors, 0.95),
            errors.empty() ? NAN : *std::max_element(errors.begin(), errors.end()),
            percentile(signedErrors, 0.5), percentile(signedErrors, 0.05),
            percentile(signedErrors, 0.95), percentile(rawErrors, 0.5), percentile(rawErrors, 0.05),
            percentile(rawErrors, 0.95));
    }
    std::printf(
        "| CPU following Chromium playing, 60 s, whole process | %.2f %% of a core |\n", cpu);
    if (argc > 3) {
        for (const auto& [name, samples] :
            { std::pair("shown", &shown), std::pair("chromium", &raw) }) {
            std::ofstream out(QString(d + "/" + name + ".tsv").toStdString());
            for (const auto& [wall, position] : *samples)
                out << std::fixed << wall << '\t' << position << '\n';
        }
    }
    return 0;
}
