// The fake player's state, its announcements and its answers to transport calls.
#include "shell/FakeMprisPlayer.h"

#include <QDBusConnectionInterface>

namespace {
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
int connections = 0;
} // namespace

FakeMprisPlayer::FakeMprisPlayer(const QString& name, const QString& identity_, bool listsPosition)
    : identity(identity_)
    , _connectionName(QStringLiteral("fake-player-%1").arg(++connections))
    , _service(QStringLiteral("org.mpris.MediaPlayer2.") + name)
    , _connection(QDBusConnection::connectToBus(QDBusConnection::SessionBus, _connectionName))
{
    metadata.insert(QStringLiteral("mpris:trackid"),
        QVariant::fromValue(QDBusObjectPath(QStringLiteral("/track/1"))));
    _since.start();
    new FakeMprisRoot(this);
    if (listsPosition)
        _adaptor = new FakeMprisPlayerAdaptor(this);
    else
        new FakePositionlessAdaptor(this);
    _connection.registerObject(kPath, this);
    _connection.registerService(_service);
}

FakeMprisPlayer::~FakeMprisPlayer()
{
    quit();
    QDBusConnection::disconnectFromBus(_connectionName);
}

void FakeMprisPlayer::alsoNamed(const QString& name)
{
    _otherServices << QStringLiteral("org.mpris.MediaPlayer2.") + name;
    _connection.registerService(_otherServices.back());
}

void FakeMprisPlayer::quit()
{
    _connection.unregisterObject(kPath);
    _connection.unregisterService(_service);
    for (const QString& other : _otherServices)
        _connection.unregisterService(other);
}

double FakeMprisPlayer::position() const
{
    const double elapsed = static_cast<double>(_since.nsecsElapsed()) / 1e9;
    return status == QLatin1String("Playing") ? _base + rate * elapsed : _base;
}

qlonglong FakeMprisPlayer::reportedPositionUs() const
{
    return _reportsPosition ? static_cast<qlonglong>(position() * 1e6) : 0;
}

void FakeMprisPlayer::moveTo(double seconds)
{
    _base = seconds;
    _since.restart();
}

void FakeMprisPlayer::announce(const QVariantMap& changed)
{
    QDBusMessage signal = QDBusMessage::createSignal(kPath,
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
    signal << QStringLiteral("org.mpris.MediaPlayer2.Player") << changed << QStringList();
    _connection.send(signal);
}

void FakeMprisPlayer::setStatus(const QString& s)
{
    moveTo(position());
    status = s;
    announce({ { QStringLiteral("PlaybackStatus"), status } });
}

void FakeMprisPlayer::setRate(double r)
{
    moveTo(position());
    rate = r;
    announce({ { QStringLiteral("Rate"), rate } });
}

void FakeMprisPlayer::setMedia(const QString& url)
{
    moveTo(0);
    metadata.insert(QStringLiteral("xesam:url"), url);
    metadata.insert(QStringLiteral("mpris:trackid"),
        QVariant::fromValue(QDBusObjectPath(QStringLiteral("/track/2"))));
    announce({ { QStringLiteral("Metadata"), metadata } });
}

void FakeMprisPlayer::setCanSeek(bool can)
{
    canSeek = can;
    announce({ { QStringLiteral("CanSeek"), can } });
}

void FakeMprisPlayer::resync()
{
    emit _adaptor->Seeked(static_cast<qlonglong>(position() * 1e6));
}

void FakeMprisPlayer::playPause()
{
    calls << QStringLiteral("PlayPause");
    setStatus(
        status == QLatin1String("Playing") ? QStringLiteral("Paused") : QStringLiteral("Playing"));
}

void FakeMprisPlayer::seek(qlonglong offsetUs)
{
    calls << QStringLiteral("Seek %1").arg(offsetUs);
    moveTo(std::max(position() + static_cast<double>(offsetUs) / 1e6, 0.0));
    emit _adaptor->Seeked(static_cast<qlonglong>(position() * 1e6));
}

void FakeMprisPlayer::setPositionOf(const QDBusObjectPath& track, qlonglong positionUs)
{
    calls << QStringLiteral("SetPosition %1 %2").arg(track.path()).arg(positionUs);
    if (track.path()
        != metadata.value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path())
        return;
    moveTo(static_cast<double>(positionUs) / 1e6);
    emit _adaptor->Seeked(positionUs);
}
