// A media player on its own D-Bus connection, serving the MPRIS interfaces from a script the
// test drives, and recording what it was asked to do.
#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

class FakeMprisPlayerAdaptor;

class FakeMprisPlayer final : public QObject {
    Q_OBJECT

public:
    // Registers `org.mpris.MediaPlayer2.<name>` on a connection of its own, as a separate
    // process would. Without `listsPosition` it has no Position property and cannot seek, as
    // Firefox.
    FakeMprisPlayer(const QString& name, const QString& identity, bool listsPosition = true);
    ~FakeMprisPlayer() override;

    // The position the player is at now, in seconds, and the one it reports in microseconds.
    double position() const;
    qlonglong reportedPositionUs() const;
    // Changes that the player announces as a real one does.
    void setStatus(const QString& status);
    void setRate(double rate);
    void setMedia(const QString& url);
    void setCanSeek(bool can);
    // Reports 0 whatever it plays, as some players do.
    void reportNoPosition() { _reportsPosition = false; }
    // Sends Seeked with the position it is at, as Chromium does at every position update.
    void resync();
    // Takes a second name as well, as VLC does ("vlc.instance1234").
    void alsoNamed(const QString& name);
    // Leaves the bus, as a quitting player does.
    void quit();

    // Driven through D-Bus by the follower.
    void playPause();
    void seek(qlonglong offsetUs);
    void setPositionOf(const QDBusObjectPath& track, qlonglong positionUs);

    QString identity;
    QString status = QStringLiteral("Playing");
    double rate = 1.0;
    QVariantMap metadata;
    bool canSeek = true;
    QStringList calls;

private:
    void moveTo(double seconds);
    void announce(const QVariantMap& changed);

    FakeMprisPlayerAdaptor* _adaptor = nullptr;

    QString _connectionName;
    QString _service;
    QStringList _otherServices;
    QDBusConnection _connection;
    double _base = 10.0;
    QElapsedTimer _since;
    bool _reportsPosition = true;
};

class FakeMprisRoot final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(QString Identity READ identity)
    Q_PROPERTY(bool CanQuit READ no)
    Q_PROPERTY(bool CanRaise READ no)
    Q_PROPERTY(bool HasTrackList READ no)
    Q_PROPERTY(QStringList SupportedUriSchemes READ none)
    Q_PROPERTY(QStringList SupportedMimeTypes READ none)

public:
    explicit FakeMprisRoot(FakeMprisPlayer* player)
        : QDBusAbstractAdaptor(player)
        , _player(player)
    {
    }
    QString identity() const { return _player->identity; }
    bool no() const { return false; }
    QStringList none() const { return {}; }

public slots:
    void Raise() { }
    void Quit() { }

private:
    FakeMprisPlayer* _player;
};

class FakeMprisPlayerAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(double Rate READ rate)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(bool CanControl READ yes)
    Q_PROPERTY(bool CanPlay READ yes)
    Q_PROPERTY(bool CanPause READ yes)
    Q_PROPERTY(bool CanSeek READ canSeek)

public:
    explicit FakeMprisPlayerAdaptor(FakeMprisPlayer* player)
        : QDBusAbstractAdaptor(player)
        , _player(player)
    {
    }
    QString playbackStatus() const { return _player->status; }
    double rate() const { return _player->rate; }
    qlonglong position() const { return _player->reportedPositionUs(); }
    QVariantMap metadata() const { return _player->metadata; }
    bool yes() const { return true; }
    bool canSeek() const { return _player->canSeek; }

public slots:
    void PlayPause() { _player->playPause(); }
    void Seek(qlonglong offset) { _player->seek(offset); }
    void SetPosition(const QDBusObjectPath& track, qlonglong position)
    {
        _player->setPositionOf(track, position);
    }

signals:
    void Seeked(qlonglong position);

private:
    FakeMprisPlayer* _player;
};

// Firefox's player interface: no Position, and no seeking.
class FakePositionlessAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(double Rate READ rate)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(bool CanControl READ yes)
    Q_PROPERTY(bool CanPause READ yes)
    Q_PROPERTY(bool CanSeek READ no)

public:
    explicit FakePositionlessAdaptor(FakeMprisPlayer* player)
        : QDBusAbstractAdaptor(player)
        , _player(player)
    {
    }
    QString playbackStatus() const { return _player->status; }
    double rate() const { return _player->rate; }
    QVariantMap metadata() const { return _player->metadata; }
    bool yes() const { return true; }
    bool no() const { return false; }

public slots:
    void PlayPause() { _player->playPause(); }

private:
    FakeMprisPlayer* _player;
};
