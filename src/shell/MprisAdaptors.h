// The two MPRIS interfaces as QtDBus adaptors of an MprisService; every decision is its
// PublishedPlayer's.
#pragma once

#include "control/PublishedPlayer.h"
#include "shell/MprisService.h"

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QStringList>
#include <QVariantMap>

#include <functional>

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
    void Raise();
    void Quit();

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
    explicit MprisPlayerAdaptor(MprisService* service);
    QString playbackStatus() const;
    double one() const { return 1.0; }
    void setRate(double /*rate*/) { }
    QVariantMap metadata() const;
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
    PublishedState state() const;
    // The change is announced before the call returns, so a caller that reads back sees it.
    void run(const std::function<void(PublishedPlayer&)>& act);

    MprisService* _service;
};
