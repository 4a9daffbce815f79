// The MPRIS side of following: bus names, properties, signals and polling.
#include "shell/MprisFollower.h"

#include "shell/QtAdapters.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QScopeGuard>

#include <chrono>

namespace {

const QString kPrefix = QStringLiteral("org.mpris.MediaPlayer2.");
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kRoot = QStringLiteral("org.mpris.MediaPlayer2");
const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kDBus = QStringLiteral("org.freedesktop.DBus");

double monotonicSeconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// a{sv} arrives demarshalled or as a raw argument, depending on how deep it sits.
QVariantMap toMap(const QVariant& value)
{
    if (value.canConvert<QDBusArgument>())
        return qdbus_cast<QVariantMap>(value.value<QDBusArgument>());
    return value.toMap();
}

QVariant unwrap(const QVariant& value)
{
    return value.canConvert<QDBusVariant>() ? value.value<QDBusVariant>().variant() : value;
}

// The value a property Get answered; nothing for an error (whose argument is its message).
QVariant answer(const QDBusMessage& reply)
{
    if (reply.type() != QDBusMessage::ReplyMessage)
        return {};
    return unwrap(reply.arguments().value(0));
}

FollowedPosition::Status toStatus(const QString& status)
{
    if (status == QLatin1String("Playing"))
        return FollowedPosition::Status::Playing;
    if (status == QLatin1String("Paused"))
        return FollowedPosition::Status::Paused;
    return FollowedPosition::Status::Stopped;
}

QString trackIdOf(const QVariantMap& metadata)
{
    const QVariant id = metadata.value(QStringLiteral("mpris:trackid"));
    if (id.canConvert<QDBusObjectPath>())
        return id.value<QDBusObjectPath>().path();
    return id.toString();
}

std::string titleIn(const QVariantMap& metadata)
{
    return metadata.value(QStringLiteral("xesam:title")).toString().toStdString();
}

} // namespace

std::optional<std::string> localMediaPath(const QUrl& url)
{
    if (!url.isLocalFile())
        return std::nullopt;
    return localPathOf(url);
}

MprisFollower::MprisFollower(const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , _bus(bus)
    , _position(&monotonicSeconds)
{
    _poll.setInterval(kPollIntervalMs);
    // A coarse timer may be moved to a round time, which would undo the interval's point.
    _poll.setTimerType(Qt::PreciseTimer);
    connect(&_poll, &QTimer::timeout, this, &MprisFollower::readPosition);
    const auto tell = [this](auto event) {
        return [this, event] {
            if (_listener)
                (_listener->*event)();
        };
    };
    connect(this, &MprisFollower::playersChanged, this, tell(&Listener::playersChanged));
    connect(this, &MprisFollower::playbackChanged, this, tell(&Listener::playbackChanged));
    connect(this, &MprisFollower::capabilitiesChanged, this, tell(&Listener::capabilitiesChanged));
    connect(this, &MprisFollower::mediaChanged, this, tell(&Listener::mediaChanged));
    connect(this, &MprisFollower::positionStuck, this, tell(&Listener::positionStuck));
    connect(this, &MprisFollower::playerQuit, this, [this](const QString& title) {
        if (_listener)
            _listener->playerQuit(title.toStdString());
    });
    if (!_bus.isConnected()) {
        _listed = true;
        return;
    }
    _bus.connect(kDBus, QStringLiteral("/org/freedesktop/DBus"), kDBus,
        QStringLiteral("NameOwnerChanged"), this,
        SLOT(onNameOwnerChanged(QString, QString, QString)));
    call(QDBusMessage::createMethodCall(
             kDBus, QStringLiteral("/org/freedesktop/DBus"), kDBus, QStringLiteral("ListNames")),
        [this](const QDBusMessage& reply) {
            _listed = true;
            if (reply.type() == QDBusMessage::ReplyMessage) {
                for (const QString& name : reply.arguments().value(0).toStringList()) {
                    if (name.startsWith(kPrefix))
                        addPlayer(name);
                }
            }
            emit playersChanged();
        });
}

MprisFollower::~MprisFollower()
{
    if (!_followed.isEmpty())
        connectPlayerSignals(false);
}

std::string MprisFollower::busError() const
{
    const QString why = _bus.lastError().message();
    return tr("No session D-Bus to find media players on%1.")
        .arg(why.isEmpty() ? QString() : QStringLiteral(" (") + why + QStringLiteral(")"))
        .toStdString();
}

void MprisFollower::call(const QDBusMessage& message, std::function<void(const QDBusMessage&)> done)
{
    auto* watcher = new QDBusPendingCallWatcher(_bus.asyncCall(message, kCallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, done = std::move(done)] {
        watcher->deleteLater();
        done(watcher->reply());
    });
}

void MprisFollower::addPlayer(const QString& busName)
{
    const std::string name = busName.toStdString();
    for (const PlayerInfo& p : _players) {
        if (p.busName == name)
            return;
    }
    ++_pendingDescriptions;
    // Listed only once described, so the menu never shows a bare name it is about to replace;
    // a player that does not answer is listed by its bus name after the timeout.
    auto info = std::make_shared<PlayerInfo>(PlayerInfo{ name, {}, false, {} });
    auto owner = std::make_shared<QString>();
    auto remaining = std::make_shared<int>(4);
    const auto described = [this, info, owner, remaining] {
        if (--*remaining > 0)
            return;
        --_pendingDescriptions;
        listPlayer(*info, *owner);
    };
    // By process, not by connection: VLC takes its two names on two connections.
    QDBusMessage ownerCall
        = QDBusMessage::createMethodCall(kDBus, QStringLiteral("/org/freedesktop/DBus"), kDBus,
            QStringLiteral("GetConnectionUnixProcessID"));
    ownerCall << busName;
    call(ownerCall, [owner, described](const QDBusMessage& reply) {
        const QVariant pid = answer(reply);
        *owner = pid.isValid() ? pid.toString() : QString();
        described();
    });
    QDBusMessage identity = QDBusMessage::createMethodCall(busName, kPath, kProperties, "Get");
    identity << kRoot << QStringLiteral("Identity");
    call(identity, [info, described](const QDBusMessage& reply) {
        info->identity = answer(reply).toString().toStdString();
        described();
    });
    QDBusMessage status = QDBusMessage::createMethodCall(busName, kPath, kProperties, "Get");
    status << kPlayer << QStringLiteral("PlaybackStatus");
    call(status, [info, described](const QDBusMessage& reply) {
        info->playing = answer(reply).toString() == QLatin1String("Playing");
        described();
    });
    // Browsers all say "Chromium" or "Firefox": the page tells their windows apart.
    QDBusMessage metadata = QDBusMessage::createMethodCall(busName, kPath, kProperties, "Get");
    metadata << kPlayer << QStringLiteral("Metadata");
    call(metadata, [info, described](const QDBusMessage& reply) {
        info->mediaTitle = titleIn(toMap(answer(reply)));
        described();
    });
}

void MprisFollower::listPlayer(const PlayerInfo& info, const QString& owner)
{
    // Announced even when nothing is added: the list may now be complete.
    const auto announce = qScopeGuard([this] { emit playersChanged(); });
    // The bus itself answers for the process, so no answer means the name has gone meanwhile.
    if (owner.isEmpty())
        return;
    // Subclock's own player, published by this process: following it would follow itself.
    if (owner == QString::number(QCoreApplication::applicationPid())
        && storedPlayerName(info.busName) == "subclock")
        return;
    // One process under two names (VLC takes "vlc" and "vlc.instanceN") is one player: listed
    // once, under the shorter name unless the longer is followed. `owner` is its process id.
    for (PlayerInfo& listed : _players) {
        const QString listedName = QString::fromStdString(listed.busName);
        if (_owners.value(listedName) != owner)
            continue;
        if (info.busName.size() < listed.busName.size() && listedName != _followed) {
            _aliases.insert(listedName, QString::fromStdString(info.busName));
            _owners.remove(listedName);
            _owners.insert(QString::fromStdString(info.busName), owner);
            listed = info;
        } else {
            _aliases.insert(QString::fromStdString(info.busName), listedName);
        }
        return;
    }
    _owners.insert(QString::fromStdString(info.busName), owner);
    _players.push_back(info);
}

void MprisFollower::removePlayer(const QString& busName)
{
    if (_aliases.remove(busName) > 0)
        return;
    _owners.remove(busName);
    // A name of the same player that was not listed takes its place.
    for (auto it = _aliases.begin(); it != _aliases.end(); ++it) {
        if (it.value() == busName) {
            // A copy: the erase below ends the key's life.
            const QString alias = it.key(); // NOLINT(performance-unnecessary-copy-initialization)
            _aliases.erase(it);
            addPlayer(alias);
            break;
        }
    }
    const std::string name = busName.toStdString();
    const auto gone = std::find_if(
        _players.begin(), _players.end(), [&](const PlayerInfo& p) { return p.busName == name; });
    if (gone == _players.end())
        return;
    const QString title = QString::fromStdString(titleOf(name));
    _players.erase(gone);
    if (busName == _followed) {
        // Held where it was, for the own clock to carry on from.
        _position.setStatus(FollowedPosition::Status::Paused);
        follow(std::string());
        emit playerQuit(title);
    }
    emit playersChanged();
}

std::string MprisFollower::titleOf(const std::string& busName) const
{
    const std::vector<std::string> titles = playerTitles(_players);
    for (std::size_t i = 0; i < _players.size(); ++i) {
        if (_players[i].busName == busName)
            return titles[i];
    }
    return busName;
}

void MprisFollower::onNameOwnerChanged(
    const QString& name, const QString& oldOwner, const QString& newOwner)
{
    if (!name.startsWith(kPrefix))
        return;
    if (!oldOwner.isEmpty())
        removePlayer(name);
    if (!newOwner.isEmpty())
        addPlayer(name);
}

void MprisFollower::connectPlayerSignals(bool connect)
{
    const QString seeked = QStringLiteral("Seeked");
    const QString changed = QStringLiteral("PropertiesChanged");
    const char* seekedSlot = SLOT(onSeeked(qlonglong));
    const char* changedSlot = SLOT(onPropertiesChanged(QString, QVariantMap, QStringList));
    if (connect) {
        _bus.connect(_followed, kPath, kPlayer, seeked, this, seekedSlot);
        _bus.connect(_followed, kPath, kProperties, changed, this, changedSlot);
    } else {
        _bus.disconnect(_followed, kPath, kPlayer, seeked, this, seekedSlot);
        _bus.disconnect(_followed, kPath, kProperties, changed, this, changedSlot);
    }
}

void MprisFollower::follow(const std::string& name)
{
    const QString busName = QString::fromStdString(name);
    if (busName == _followed)
        return;
    if (!_followed.isEmpty())
        connectPlayerSignals(false);
    _followed = busName;
    dropReadings();
    _stuckReported = false;
    _canControl = _canSeek = _canPause = _reportsPosition = true;
    _trackId.clear();
    _url.clear();
    if (_followed.isEmpty()) {
        _poll.stop();
        emit capabilitiesChanged();
        return;
    }
    connectPlayerSignals(true);
    _position.reset(_position.position(), FollowedPosition::Status::Paused, 1.0);
    // Everything at once; its Position is the first reading.
    QDBusMessage all = QDBusMessage::createMethodCall(_followed, kPath, kProperties, "GetAll");
    all << kPlayer;
    readFromPlayer(all, [this](const QDBusMessage& reply, double at) {
        const QVariantMap properties = toMap(reply.arguments().value(0));
        // Firefox lists no Position at all; asking for it every second would only fail.
        if (!properties.contains(QStringLiteral("Position"))) {
            _reportsPosition = false;
            _poll.stop();
        }
        applyPlayerProperties(properties, at);
        if (!_reportsPosition)
            emit capabilitiesChanged();
    });
    _poll.start();
    emit capabilitiesChanged();
}

void MprisFollower::applyPlayerProperties(const QVariantMap& properties, double at)
{
    bool capabilities = false;
    const auto flag = [&](const char* name, bool& field) {
        if (const auto it = properties.find(QLatin1String(name)); it != properties.end()) {
            capabilities = capabilities || field != unwrap(*it).toBool();
            field = unwrap(*it).toBool();
        }
    };
    flag("CanControl", _canControl);
    flag("CanSeek", _canSeek);
    flag("CanPause", _canPause);

    bool playback = false;
    if (const auto it = properties.find(QStringLiteral("PlaybackStatus")); it != properties.end()) {
        _position.setStatus(toStatus(unwrap(*it).toString()));
        playback = true;
    }
    if (const auto it = properties.find(QStringLiteral("Rate")); it != properties.end()) {
        _position.setRate(unwrap(*it).toDouble());
        playback = true;
    }
    if (const auto it = properties.find(QStringLiteral("Position")); it != properties.end()) {
        _position.read(static_cast<double>(unwrap(*it).toLongLong()) / 1e6, at);
    }
    bool media = false;
    if (const auto it = properties.find(QStringLiteral("Metadata")); it != properties.end()) {
        const QVariantMap metadata = toMap(unwrap(*it));
        _trackId = trackIdOf(metadata);
        const QUrl url(metadata.value(QStringLiteral("xesam:url")).toString());
        media = url != _url || properties.contains(QStringLiteral("Position"));
        _url = url;
        retitle(titleIn(metadata));
    }
    if (capabilities)
        emit capabilitiesChanged();
    if (playback)
        emit playbackChanged();
    if (media)
        emit mediaChanged(_url);
}

void MprisFollower::retitle(const std::string& mediaTitle)
{
    for (PlayerInfo& p : _players) {
        if (p.busName == _followed.toStdString() && p.mediaTitle != mediaTitle) {
            p.mediaTitle = mediaTitle;
            emit playersChanged();
        }
    }
}

void MprisFollower::dropReadings()
{
    ++_epoch;
    _readInFlight = false;
}

void MprisFollower::readFromPlayer(
    const QDBusMessage& message, std::function<void(const QDBusMessage&, double)> use)
{
    const double sent = monotonicSeconds();
    const std::uint64_t epoch = _epoch;
    _readInFlight = true;
    call(message, [this, sent, epoch, use = std::move(use)](const QDBusMessage& reply) {
        if (epoch != _epoch)
            return;
        _readInFlight = false;
        if (reply.type() == QDBusMessage::ReplyMessage)
            use(reply, (sent + monotonicSeconds()) / 2);
    });
}

void MprisFollower::onSeeked(qlonglong positionUs)
{
    // A resync (Chromium's, ten times a second) changes nothing the window shows, and readings
    // on their way stay good.
    if (!_position.seeked(static_cast<double>(positionUs) / 1e6, monotonicSeconds())) {
        reportIfStuck();
        return;
    }
    dropReadings();
    _stuckReported = false;
    emit playbackChanged();
}

void MprisFollower::onPropertiesChanged(
    const QString& interface, const QVariantMap& changed, const QStringList& invalidated)
{
    if (interface != kPlayer)
        return;
    applyPlayerProperties(changed, monotonicSeconds());
    static const QStringList moving
        = { QStringLiteral("PlaybackStatus"), QStringLiteral("Rate"), QStringLiteral("Metadata") };
    for (const QString& name : moving) {
        if (changed.contains(name) || invalidated.contains(name)) {
            // A reading already on its way may predate the change.
            dropReadings();
            readPosition();
            return;
        }
    }
}

void MprisFollower::readPosition()
{
    // One reading at a time: a hung player gets one call per timeout, not a growing queue.
    if (_followed.isEmpty() || _readInFlight || !_reportsPosition)
        return;
    QDBusMessage get = QDBusMessage::createMethodCall(_followed, kPath, kProperties, "Get");
    get << kPlayer << QStringLiteral("Position");
    readFromPlayer(get, [this](const QDBusMessage& reply, double at) {
        _position.read(
            static_cast<double>(unwrap(reply.arguments().value(0)).toLongLong()) / 1e6, at);
        reportIfStuck();
    });
}

void MprisFollower::reportIfStuck()
{
    if (_position.stuck() && !_stuckReported) {
        _stuckReported = true;
        emit positionStuck();
    }
}

void MprisFollower::send(const QString& method, const QVariantList& arguments)
{
    if (_followed.isEmpty())
        return;
    QDBusMessage message = QDBusMessage::createMethodCall(_followed, kPath, kPlayer, method);
    message.setArguments(arguments);
    call(message, [](const QDBusMessage&) {});
}

void MprisFollower::play()
{
    send(QStringLiteral("Play"));
}

void MprisFollower::pause()
{
    send(QStringLiteral("Pause"));
}

void MprisFollower::playPause()
{
    send(QStringLiteral("PlayPause"));
}

void MprisFollower::seekBy(double seconds)
{
    send(QStringLiteral("Seek"), { static_cast<qlonglong>(seconds * 1e6) });
}

void MprisFollower::setPosition(double seconds)
{
    // Ignored by the player unless it names the track playing.
    if (_trackId.isEmpty())
        return;
    send(QStringLiteral("SetPosition"),
        { QVariant::fromValue(QDBusObjectPath(_trackId)),
            static_cast<qlonglong>(std::max(seconds, 0.0) * 1e6) });
}
