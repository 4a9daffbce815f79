// Subclock on the bus: the name, the adaptors' calls, and what is announced after each change.
#include "shell/MprisService.h"

#include "platform/Log.h"
#include "shell/Following.h"
#include "shell/MprisAdaptors.h"
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

namespace {

const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
// RequestName's flag and answer: fail rather than queue, and "now the owner".
constexpr uint kDoNotQueue = 4;
constexpr uint kPrimaryOwner = 1;

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

void MprisRootAdaptor::Raise()
{
    QMainWindow& window = _service->windows().mainWindow();
    window.showNormal();
    window.raise();
    window.activateWindow();
}

void MprisRootAdaptor::Quit()
{
    QApplication::quit();
}

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisService* service)
    : QDBusAbstractAdaptor(service)
    , _service(service)
{
    connect(service, &MprisService::Seeked, this, &MprisPlayerAdaptor::Seeked);
}

QString MprisPlayerAdaptor::playbackStatus() const
{
    return statusName(state().status);
}

QVariantMap MprisPlayerAdaptor::metadata() const
{
    return _service->metadata();
}

PublishedState MprisPlayerAdaptor::state() const
{
    return _service->player().state();
}

void MprisPlayerAdaptor::run(const std::function<void(PublishedPlayer&)>& act)
{
    act(_service->player());
    _service->windows().sync().refresh();
    _service->announce();
}

MprisService::MprisService(PlayerWindows& windows, QObject* parent)
    : QObject(parent)
    , _windows(windows)
    , _player(windows.controller(), windows.timer(),
          [&windows] { return windows.following().active(); })
    , _bus(QString())
{
    new MprisRootAdaptor(this);
    new MprisPlayerAdaptor(this);
    _player.setListener([this] { announceSoon(); });
    connect(&windows.following(), &Following::activeChanged, this, &MprisService::announceSoon);
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

void MprisService::announceSoon()
{
    if (_announcing)
        return;
    _announcing = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            _announcing = false;
            announce();
        },
        Qt::QueuedConnection);
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
