// The status object's answers, read on the GUI thread where the bus delivers them.
#include "shell/StatusService.h"

#include "platform/Log.h"
#include "shell/PlayerWindows.h"
#include "shell/SubtitlePanel.h"

#include <QDBusError>
#include <QStatusBar>

StatusService::StatusService(PlayerWindows& windows)
    : _windows(windows)
{
}

bool StatusService::publish(QDBusConnection bus)
{
    if (bus.registerObject(QStringLiteral("/Status"), this, QDBusConnection::ExportAllSlots)
        && bus.registerService(QStringLiteral("io.github.subclock.Status")))
        return true;
    logLine("Status bus: " + bus.lastError().message().toStdString());
    return false;
}

double StatusService::Position() const
{
    return _windows.timer().getPosition();
}

QString StatusService::Following() const
{
    return QString::fromStdString(_windows.following().follower().followed());
}

QString StatusService::SubtitleFile() const
{
    const std::optional<std::string>& file = _windows.controller().filename();
    return file ? fromLocalPath(*file) : QString();
}

QString StatusService::Message() const
{
    return _windows.mainWindow().statusBar()->currentMessage();
}

QString StatusService::Subtitle() const
{
    QString text = _windows.mainPanel().text();
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    return text;
}
