// What the player shows, readable over the session D-Bus for end-to-end tests and the
// following benchmark (`subclock --status-bus`): io.github.subclock.Status on /Status.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

class PlayerWindows;

class StatusService final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.github.subclock.Status")

public:
    explicit StatusService(PlayerWindows& windows);
    // Registers the service; false (and a log line) when the bus refuses it.
    bool publish(QDBusConnection bus);

public slots:
    // The position last shown, in seconds.
    double Position() const;
    // The bus name of the player followed; empty for the own clock.
    QString Following() const;
    // The subtitle file chosen, as a path; empty for none.
    QString SubtitleFile() const;
    // The message line of the main window.
    QString Message() const;
    // The subtitle the panel shows, as the file has it without its last line break; empty
    // between subtitles.
    QString Subtitle() const;

private:
    PlayerWindows& _windows;
};
