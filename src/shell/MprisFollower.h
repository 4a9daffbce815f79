// Follows a media player over the session D-Bus (MPRIS): keeps the list of players current and
// feeds the chosen player's readings to a FollowedPosition.
#pragma once

#include "control/PlayerBus.h"

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QDBusMessage;

// The bytes of the local file a player's media URL names (its percent-encoding kept, not read as
// UTF-8 text); none for media that is not a local file.
std::optional<std::string> localMediaPath(const QUrl& url);

// Lives on the GUI thread. Every call to a player is asynchronous with a timeout, so a slow or
// hung player never blocks it; position() is also safe from the playback worker. Its signals and
// the listener's calls report the same events.
class MprisFollower final : public QObject, public PlayerBus {
    Q_OBJECT

public:
    static constexpr int kCallTimeoutMs = 1000;
    // Not a multiple of 100 ms: Chromium refreshes its Position every 100 ms, and readings that
    // always fell at the same point of that cycle would all be equally old.
    static constexpr int kPollIntervalMs = 1020;

    // A disconnected bus (no session bus) makes a follower with no players.
    explicit MprisFollower(const QDBusConnection& bus, QObject* parent = nullptr);
    ~MprisFollower() override;

    void setListener(Listener* listener) override { _listener = listener; }
    bool busAvailable() const override { return _bus.isConnected(); }
    std::string busError() const override;
    const std::vector<PlayerInfo>& players() const override { return _players; }
    // No ListNames or description still on its way.
    bool playersKnown() const override { return _pendingDescriptions == 0 && _listed; }

    void follow(const std::string& busName) override;
    std::string followed() const override { return _followed.toStdString(); }
    std::string titleOf(const std::string& busName) const override;
    FollowedPosition& position() override { return _position; }
    const FollowedPosition& position() const { return _position; }

    bool canControl() const override { return _canControl; }
    // A player without a position is seeked on our own clock, whatever it allows.
    bool canSeek() const override { return !_reportsPosition || (_canControl && _canSeek); }
    bool canPause() const override { return _canControl && _canPause; }
    bool reportsPosition() const override { return _reportsPosition; }
    std::string mediaUrl() const override { return _url.toDisplayString().toStdString(); }
    std::optional<std::string> mediaPath() const override { return localMediaPath(_url); }

    void play() override;
    void pause() override;
    void playPause() override;
    void seekBy(double seconds) override;
    void setPosition(double seconds) override;

    // Test seam: how often Position is read while following.
    void setPollInterval(int ms) { _poll.setInterval(ms); }

signals:
    void playersChanged();
    void capabilitiesChanged();
    // The followed player plays something else (or the same after a follow()).
    void mediaChanged(const QUrl& url);
    void playbackChanged();
    // The followed player left the bus; following has stopped.
    void playerQuit(const QString& title);
    // The followed player says it plays but its position does not move.
    void positionStuck();

private slots:
    void onNameOwnerChanged(const QString& name, const QString& oldOwner, const QString& newOwner);
    void onSeeked(qlonglong positionUs);
    void onPropertiesChanged(
        const QString& interface, const QVariantMap& changed, const QStringList& invalidated);

private:
    // Sends a call to the followed player that nothing waits for.
    void send(const QString& method, const QVariantList& arguments = {});
    // Sends a call and hands its reply (or error, after the timeout) to `done`.
    void call(const QDBusMessage& message, std::function<void(const QDBusMessage&)> done);
    void addPlayer(const QString& busName);
    void listPlayer(const PlayerInfo& info, const QString& owner);
    void removePlayer(const QString& busName);
    void connectPlayerSignals(bool connect);
    // Reads Position; answers to an older request than the last change are dropped.
    void readPosition();
    // Sends a read to the player and hands a good answer to `use` with the middle of its round
    // trip; answers to a read older than the last dropReadings() are ignored.
    void readFromPlayer(
        const QDBusMessage& message, std::function<void(const QDBusMessage&, double at)> use);
    void dropReadings();
    // The followed player's entry takes the title of what it plays now.
    void retitle(const std::string& mediaTitle);
    void reportIfStuck();
    void applyPlayerProperties(const QVariantMap& properties, double at);

    QDBusConnection _bus;
    Listener* _listener = nullptr;
    std::vector<PlayerInfo> _players;
    // Each listed player's process id, and the other names of listed players.
    QHash<QString, QString> _owners;
    QHash<QString, QString> _aliases;
    int _pendingDescriptions = 0;
    bool _listed = false;

    QString _followed;
    FollowedPosition _position;
    QTimer _poll;
    // Bumped by every change that makes an answer on its way out of date.
    std::uint64_t _epoch = 0;
    bool _readInFlight = false;
    bool _stuckReported = false;
    bool _canControl = true;
    bool _canSeek = true;
    bool _canPause = true;
    bool _reportsPosition = true;
    QString _trackId;
    QUrl _url;
};
