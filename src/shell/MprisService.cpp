// The two MPRIS interfaces as QtDBus adaptors; every decision is PublishedPlayer's.
#include "shell/MprisService.h"

#include "platform/Log.h"
#include "shell/PlayerWindows.h"
#include "shell/QtAdapters.h"
#include "shell/SyncControls.h"

#include <QApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QMainWindow>
#include <QUrl>

#include <chrono>

namespace {

const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
// RequestName's flag and answer: fail rather than queue, and "now the owner".
constexpr uint kDoNotQueue = 4;
constexpr uint kPrimaryOwner = 1;

double monotonicSeconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

QString statusName(PublishedState::Status status)
{
    switch (status) {
    case PublishedState::Status::Playing:
        return QStringLiteral("Playing");
    case PublishedState::Status::Paused:
        return QStringLiteral("Paused");
    case PublishedState::Status::Stopped:
        break;
    }
    return QStringLiteral("Stopped");
}

} // namespace

class MprisRootAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ yes)
    Q_PROPERTY(bool CanRaise READ yes)
    Q_PROPERTY(bool HasTrackList READ no)
    Q_PROPERTY(QString Identity READ identity)
    Q_PROPERTY(QString DesktopEntry READ desktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ uriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ mimeTypes)

public:
    explicit MprisRootAdaptor(MprisService* service)
        : QDBusAbstractAdaptor(service)
        , _service(service)
    {
    }
    bool yes() const { return true; }
    bool no() const { return false; }
    QString identity() const { return QStringLiteral("Subclock"); }
    QString desktopEntry() const { return QStringLiteral("io.github.subclock.Subclock"); }
    QStringList uriSchemes() const { return { QStringLiteral("file") }; }
    QStringList mimeTypes() const { return { QStringLiteral("application/x-subrip") }; }

public slots:
    void Raise()
    {
        QMainWindow& window = _service->windows().mainWindow();
        window.showNormal();
        window.raise();
        window.activateWindow();
    }
    void Quit() { QApplication::quit(); }

private:
    MprisService* _service;
};

class MprisPlayerAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    // The clock runs in real time whatever the subtitles' speed: Position moves at 1.
    Q_PROPERTY(double Rate READ one WRITE setRate)
    Q_PROPERTY(double MinimumRate READ one)
    Q_PROPERTY(double MaximumRate READ one)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(bool CanGoNext READ canGoNext)
    Q_PROPERTY(bool CanGoPrevious READ canGoPrevious)
    Q_PROPERTY(bool CanPlay READ canPlay)
    Q_PROPERTY(bool CanPause READ canPause)
    Q_PROPERTY(bool CanSeek READ canSeek)
    Q_PROPERTY(bool CanControl READ canControl)

public:
    explicit MprisPlayerAdaptor(MprisService* service)
        : QDBusAbstractAdaptor(service)
        , _service(service)
    {
        connect(service, &MprisService::Seeked, this, &MprisPlayerAdaptor::Seeked);
    }
    QString playbackStatus() const { return statusName(state().status); }
    double one() const { return 1.0; }
    void setRate(double /*rate*/) { }
    QVariantMap metadata() const { return _service->metadata(); }
    qlonglong position() const { return state().positionUs; }
    bool canGoNext() const { return state().canGoNext; }
    bool canGoPrevious() const { return state().canGoPrevious; }
    bool canPlay() const { return state().canPlay; }
    bool canPause() const { return state().canPause; }
    bool canSeek() const { return state().canSeek; }
    // Constant, as the interface asks; while following, the other Can* say what is refused.
    bool canControl() const { return true; }

public slots:
    void Next()
    {
        run([](PublishedPlayer& p) { p.next(); });
    }
    void Previous()
    {
        run([](PublishedPlayer& p) { p.previous(); });
    }
    void Pause()
    {
        run([](PublishedPlayer& p) { p.pause(); });
    }
    void PlayPause()
    {
        run([](PublishedPlayer& p) { p.playPause(); });
    }
    void Stop()
    {
        run([](PublishedPlayer& p) { p.stop(); });
    }
    void Play()
    {
        run([](PublishedPlayer& p) { p.play(); });
    }
    void Seek(qlonglong offsetUs)
    {
        run([offsetUs](PublishedPlayer& p) { p.seek(offsetUs); });
    }
    void SetPosition(const QDBusObjectPath& trackId, qlonglong positionUs)
    {
        run([&](PublishedPlayer& p) { p.setPosition(trackId.path().toStdString(), positionUs); });
    }

signals:
    void Seeked(qlonglong Position);

private:
    PublishedState state() const { return _service->player().state(); }
    // The change is announced before the call returns, so a caller that reads back sees it.
    template <typename Act> void run(Act act)
    {
        act(_service->player());
        _service->windows().sync().refresh();
        _service->announce();
    }

    MprisService* _service;
};

MprisService::MprisService(PlayerWindows& windows, QObject* parent)
    : QObject(parent)
    , _windows(windows)
    , _player(
          windows.controller(), windows.timer(),
          [&windows] { return windows.following().active(); }, &monotonicSeconds)
    , _bus(QString())
{
    new MprisRootAdaptor(this);
    new MprisPlayerAdaptor(this);
    _look.setInterval(kLookIntervalMs);
    connect(&_look, &QTimer::timeout, this, &MprisService::announce);
}

MprisService::~MprisService()
{
    if (!_busName.isEmpty()) {
        _bus.unregisterService(_busName);
        _bus.unregisterObject(kPath);
    }
}

void MprisService::publish(const QDBusConnection& bus)
{
    if (!bus.isConnected())
        return;
    _bus = bus;
    if (!_bus.registerObject(kPath, this)) {
        logLine("MPRIS: " + _bus.lastError().message().toStdString());
        return;
    }
    requestName(kName, true);
}

void MprisService::requestName(const QString& name, bool retryAsInstance)
{
    QDBusMessage request = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
        QStringLiteral("/org/freedesktop/DBus"), QStringLiteral("org.freedesktop.DBus"),
        QStringLiteral("RequestName"));
    request << name << kDoNotQueue;
    auto* watcher = new QDBusPendingCallWatcher(_bus.asyncCall(request), this);
    connect(
        watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, name, retryAsInstance] {
            watcher->deleteLater();
            const QDBusMessage reply = watcher->reply();
            if (reply.type() == QDBusMessage::ReplyMessage
                && reply.arguments().value(0).toUInt() == kPrimaryOwner) {
                _busName = name;
                _player.poll();
                _look.start();
            } else if (retryAsInstance) {
                // Another instance has the plain name: the interface's way for a second one.
                requestName(kName + QStringLiteral(".instance")
                        + QString::number(QCoreApplication::applicationPid()),
                    false);
            } else {
                logLine("MPRIS: no name on the bus for this instance");
            }
        });
}

QVariantMap MprisService::metadata() const
{
    const PublishedState s = _player.state();
    QVariantMap m;
    m.insert(QStringLiteral("mpris:trackid"),
        QVariant::fromValue(QDBusObjectPath(QString::fromStdString(s.trackId))));
    if (s.path.empty())
        return m;
    m.insert(QStringLiteral("xesam:title"), fromLocalPath(s.title));
    m.insert(QStringLiteral("xesam:url"),
        QUrl::fromLocalFile(fromLocalPath(s.path)).toString(QUrl::FullyEncoded));
    if (s.lengthUs > 0)
        m.insert(QStringLiteral("mpris:length"), static_cast<qlonglong>(s.lengthUs));
    return m;
}

void MprisService::announce()
{
    const PublishedPlayer::Changes changes = _player.poll();
    if (_busName.isEmpty())
        return;
    if (!changes.properties.empty()) {
        const PublishedState s = _player.state();
        QVariantMap changed;
        for (const std::string& name : changes.properties) {
            const QString key = QString::fromStdString(name);
            if (key == QLatin1String("PlaybackStatus"))
                changed.insert(key, statusName(s.status));
            else if (key == QLatin1String("Metadata"))
                changed.insert(key, metadata());
            else if (key == QLatin1String("CanPlay"))
                changed.insert(key, s.canPlay);
            else if (key == QLatin1String("CanPause"))
                changed.insert(key, s.canPause);
            else if (key == QLatin1String("CanSeek"))
                changed.insert(key, s.canSeek);
            else if (key == QLatin1String("CanGoNext"))
                changed.insert(key, s.canGoNext);
            else if (key == QLatin1String("CanGoPrevious"))
                changed.insert(key, s.canGoPrevious);
        }
        QDBusMessage signal = QDBusMessage::createSignal(kPath,
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
        signal << kPlayerInterface << changed << QStringList();
        _bus.send(signal);
    }
    if (changes.seeked)
        emit Seeked(changes.positionUs);
}

#include "MprisService.moc"
