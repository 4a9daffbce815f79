// Global keys asked of the desktop's org.freedesktop.portal.GlobalShortcuts over the session bus:
// a session, the shortcuts bound to it, and the actions its Activated signals run.
#pragma once

#include "control/PortalKeys.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <optional>

// One element of the portal's a(sa{sv}) shortcut lists.
struct PortalShortcutEntry {
    QString id;
    QVariantMap properties;
};
using PortalShortcutList = QList<PortalShortcutEntry>;
Q_DECLARE_METATYPE(PortalShortcutEntry)
QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcutEntry& entry);
const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcutEntry& entry);

// Lives on the GUI thread.
class PortalShortcuts final : public QObject {
    Q_OBJECT

public:
    using Run = std::function<void(globalkeys::Action)>;
    using Describe = std::function<QString(globalkeys::Action)>;

    PortalShortcuts(const QDBusConnection& bus, Run run, Describe describe, QObject* parent);
    ~PortalShortcuts() override;

    // The portal's version, asked once and then kept; none when the desktop has no portal.
    // The first question waits for the bus (at most a few seconds).
    std::optional<unsigned> version();

    // Starts a session and binds every action, offering `bindings` as the preferred triggers;
    // nothing when one is already asked for or bound.
    void turnOn(const std::vector<globalkeys::Binding>& bindings);
    void turnOff();
    const globalkeys::PortalSession& session() const { return _session; }

signals:
    // The session's state or its triggers changed.
    void changed();

private slots:
    void onCreated(const QDBusMessage& response);
    void onBound(const QDBusMessage& response);
    void onActivated(const QDBusMessage& signal);
    void onShortcutsChanged(const QDBusMessage& signal);
    void onClosed(const QDBusMessage& signal);

private:
    // Calls a portal method whose answer comes as a Request's Response signal, to `slot`.
    void request(
        const QString& method, QList<QVariant> arguments, QVariantMap options, const char* slot);
    // Listens for the Response on this path only (none: for no Response).
    void waitFor(const QString& requestPath, const char* slot);
    // Activated and ShortcutsChanged, and the session's Closed.
    void listen(bool on, const std::string& handle);
    // Stops listening to the session and its request, and asks the portal to close it.
    void closeSession(const std::string& handle);

    QDBusConnection _bus;
    Run _run;
    Describe _describe;
    std::vector<globalkeys::Binding> _bindings;
    globalkeys::PortalSession _session;
    std::optional<std::optional<unsigned>> _version;
    // The Request now awaited, and the slot its Response goes to.
    QString _requestPath;
    const char* _requestSlot = nullptr;
    unsigned _tokens = 0;
};
