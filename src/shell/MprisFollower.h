// Follows a media player over the session D-Bus (MPRIS): keeps the list of players current and
// feeds the chosen player's readings to a FollowedPosition.
#pragma once

#include "control/PlayerChoice.h"
#include "playback/FollowedPosition.h"

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>

#include <cstdint>
#include <functional>
#include <vector>

class QDBusMessage;

// Lives on the GUI thread. Every call to a player is asynchronous with a timeout, so a slow or
// hung player never blocks it; position() is also safe from the playback worker.
class MprisFollower final : public QObject {
    Q_OBJECT

public:
    static constexpr int kCallTimeoutMs = 1000;
    static constexpr int kPollIntervalMs = 1000;

    // A disconnected bus (no session bus) makes a follower with no players.
    explicit MprisFollower(const QDBusConnection& bus, QObject* parent = nullptr);
    ~MprisFollower() override;

    bool busAvailable() const { return _bus.isConnected(); }
    // Why there is no bus, for the user.
    QString busError() const;
    // Players whose description has arrived (or timed out), in the order they appeared.
    const std::vector<PlayerInfo>& players() const { return _players; }
    // No ListNames or description still on its way.
    bool playersKnown() const { return _pendingDescriptions == 0 && _listed; }

    // Follows the player with this bus name; an empty name stops following.
    void follow(const QString& busName);
    const QString& followed() const { return _followed; }
    // The name the player is listed under; the bus name itself for one not listed.
    QString titleOf(const QString& busName) const;
    FollowedPosition& position() { return _position; }
    const FollowedPosition& position() const { return _position; }

    // What the followed player says it allows; true until it says otherwise.
    bool canControl() const { return _canControl; }
    bool canSeek() const { return _canControl && _canSeek; }
    bool canPause() const { return _canControl && _canPause; }
    const QUrl& mediaUrl() const { return _url; }

    // Transport for the followed player; nothing waits for its answer.
    void playPause();
    void seekBy(double seconds);
    void setPosition(double seconds);

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
    void applyPlayerProperties(const QVariantMap& properties, double at);

    QDBusConnection _bus;
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
    QString _trackId;
    QUrl _url;
};
