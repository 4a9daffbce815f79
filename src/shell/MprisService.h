// Subclock on the session D-Bus as a media player (MPRIS), so media keys, playerctl and the
// desktop's media widgets reach it: the QtDBus side of PublishedPlayer.
#pragma once

#include "control/PublishedPlayer.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>

class PlayerWindows;

// Lives on the GUI thread, where the bus delivers its calls.
class MprisService final : public QObject {
    Q_OBJECT

public:
    static inline const QString kName = QStringLiteral("org.mpris.MediaPlayer2.subclock");

    explicit MprisService(PlayerWindows& windows, QObject* parent = nullptr);
    ~MprisService() override;

    // Asks for the name without waiting for the answer, so start-up never waits for the bus; a
    // second instance takes "subclock.instance<pid>". Without a bus nothing happens.
    void publish(const QDBusConnection& bus);
    // Empty until the bus has granted one.
    QString busName() const { return _busName; }

    PublishedPlayer& player() { return _player; }
    PlayerWindows& windows() { return _windows; }
    // The state as the bus shows it.
    QVariantMap metadata() const;
    // Announces what changed since the last look: PropertiesChanged, and Seeked on a jump.
    void announce();
    // Announces once the command under way is done: the changes of one command go out together.
    void announceSoon();

signals:
    void Seeked(qlonglong positionUs);

private:
    void requestName(const QString& name, bool retryAsInstance);

    PlayerWindows& _windows;
    PublishedPlayer _player;
    QDBusConnection _bus;
    QString _busName;
    bool _announcing = false;
};
