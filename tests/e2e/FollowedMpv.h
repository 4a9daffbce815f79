// A real mpv (with its MPRIS plugin) and the real subclock following it, on the session bus the
// caller runs in: start both, act on mpv, and read both positions at the same instant.
// Shared by the end-to-end test and the following benchmark.
#pragma once

#include "WaitFor.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <optional>

class FollowedMpv {
public:
    static constexpr const char* kMprisPlugin = "/usr/lib/mpv-mpris/mpris.so";

    // What is missing to run mpv, its plugin, playerctl and ffmpeg; empty when all is there.
    static QString missingTools()
    {
        QStringList missing;
        for (const char* tool : { "mpv", "playerctl", "ffmpeg" }) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                missing << tool;
        }
        if (!QFile::exists(kMprisPlugin))
            missing << "mpv-mpris";
        return missing.join(' ');
    }

    // A test clip of `seconds`, a picture and a tone, made by ffmpeg's own sources. mpv reports
    // the position of the frame shown, so the frame rate is the grain of its Position.
    static bool makeClip(const QString& path, int seconds, int framesPerSecond)
    {
        const QString d = QString::number(seconds);
        return QProcess::execute("ffmpeg",
                   { "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                       "testsrc=duration=" + d
                           + ":size=160x120:rate=" + QString::number(framesPerSecond),
                       "-f", "lavfi", "-i", "sine=duration=" + d, "-shortest", path })
            == 0;
    }

    explicit FollowedMpv(const QString& dir)
        : _dir(dir)
        , _bus(QDBusConnection::sessionBus())
    {
    }
    ~FollowedMpv()
    {
        for (QProcess* p : { &_subclock, &_mpv }) {
            p->terminate();
            if (!p->waitForFinished(3000))
                p->kill();
            p->waitForFinished(1000);
        }
    }
    FollowedMpv(const FollowedMpv&) = delete;
    FollowedMpv& operator=(const FollowedMpv&) = delete;

    bool busConnected() const { return _bus.isConnected(); }

    // mpv plays the files one after another, without picture or sound.
    bool startMpv(const QStringList& files)
    {
        _mpv.setWorkingDirectory(_dir);
        _mpv.start("mpv",
            QStringList{ "--no-config", QString("--script=") + kMprisPlugin, "--vo=null",
                "--ao=null", "--really-quiet", "--keep-open=yes" }
                + files);
        return _mpv.waitForStarted(5000)
            && waitFor([this] { return playerPosition().has_value(); }, 10000);
    }

    // The real player following mpv, its settings in the scratch folder.
    bool startSubclock(const QString& binary, const QStringList& extra = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", _dir);
        env.insert("XDG_CONFIG_HOME", _dir + "/config");
        _subclock.setProcessEnvironment(env);
        _subclock.setWorkingDirectory(_dir);
        _subclock.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        _subclock.start(binary, QStringList{ "--status-bus", "--follow=mpv" } + extra);
        return _subclock.waitForStarted(5000)
            && waitFor(
                [this] { return status("Following") == "org.mpris.MediaPlayer2.mpv"; }, 10000);
    }
    qint64 subclockPid() const { return _subclock.processId(); }
    void quitSubclock()
    {
        _subclock.terminate();
        _subclock.waitForFinished(5000);
    }
    void quitMpv()
    {
        _mpv.terminate();
        _mpv.waitForFinished(5000);
    }

    // Runs playerctl against mpv, as a user's media keys would.
    static bool playerctl(const QStringList& arguments)
    {
        return QProcess::execute("playerctl", QStringList{ "-p", "mpv" } + arguments) == 0;
    }

    // Calls one of mpv's player methods directly, without waiting for a process to start.
    void callMpv(const QString& method, const QVariantList& arguments = {})
    {
        QDBusMessage m = QDBusMessage::createMethodCall("org.mpris.MediaPlayer2.mpv",
            "/org/mpris/MediaPlayer2", "org.mpris.MediaPlayer2.Player", method);
        m.setArguments(arguments);
        _bus.call(m, QDBus::Block, 2000);
    }

    QString status(const QString& method)
    {
        const QDBusMessage reply = _bus.call(statusCall(method), QDBus::Block, 2000);
        return reply.type() == QDBusMessage::ReplyMessage ? reply.arguments().value(0).toString()
                                                          : QString();
    }

    std::optional<double> playerPosition()
    {
        const QDBusMessage reply = _bus.call(positionCall(), QDBus::Block, 2000);
        if (reply.type() != QDBusMessage::ReplyMessage)
            return std::nullopt;
        return reply.arguments().value(0).value<QDBusVariant>().variant().toLongLong() / 1e6;
    }

    struct Sample {
        double subclock;
        double player;
    };
    // Both asked in the same breath; each answers with its position when the call reaches it.
    std::optional<Sample> sample()
    {
        QDBusPendingCall sub = _bus.asyncCall(statusCall("Position"), 2000);
        QDBusPendingCall player = _bus.asyncCall(positionCall(), 2000);
        sub.waitForFinished();
        player.waitForFinished();
        if (sub.isError() || player.isError())
            return std::nullopt;
        return Sample{ sub.reply().arguments().value(0).toDouble(),
            player.reply().arguments().value(0).value<QDBusVariant>().variant().toLongLong()
                / 1e6 };
    }

private:
    static QDBusMessage statusCall(const QString& method)
    {
        return QDBusMessage::createMethodCall(
            "io.github.subclock.Status", "/Status", "io.github.subclock.Status", method);
    }
    static QDBusMessage positionCall()
    {
        QDBusMessage m = QDBusMessage::createMethodCall("org.mpris.MediaPlayer2.mpv",
            "/org/mpris/MediaPlayer2", "org.freedesktop.DBus.Properties", "Get");
        m << QString("org.mpris.MediaPlayer2.Player") << QString("Position");
        return m;
    }

    QString _dir;
    QDBusConnection _bus;
    QProcess _mpv;
    QProcess _subclock;
};
