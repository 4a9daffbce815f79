// The GlobalShortcuts portal's calls, and its Response and Activated signals.
#include "shell/PortalShortcuts.h"

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kSession = QStringLiteral("org.freedesktop.portal.Session");
// A portal that is running answers at once; one being started by the bus takes a moment.
constexpr int kProbeMs = 3000;

QDBusMessage portalCall(const QString& interface, const QString& method)
{
    return QDBusMessage::createMethodCall(kService, kPath, interface, method);
}

// A Response's code and results; 2 ("ended otherwise") when it cannot be read.
std::pair<std::uint32_t, QVariantMap> responseOf(const QDBusMessage& message)
{
    const QList<QVariant> args = message.arguments();
    if (args.size() < 2)
        return { 2, {} };
    return { args[0].toUInt(), qdbus_cast<QVariantMap>(args[1]) };
}

std::vector<std::pair<std::string, std::string>> triggersOf(const QVariant& list)
{
    std::vector<std::pair<std::string, std::string>> triggers;
    for (const PortalShortcutEntry& e : qdbus_cast<PortalShortcutList>(list)) {
        triggers.emplace_back(e.id.toStdString(),
            e.properties.value(QStringLiteral("trigger_description")).toString().toStdString());
    }
    return triggers;
}

} // namespace

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcutEntry& entry)
{
    argument.beginStructure();
    argument << entry.id << entry.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcutEntry& entry)
{
    argument.beginStructure();
    argument >> entry.id >> entry.properties;
    argument.endStructure();
    return argument;
}

PortalShortcuts::PortalShortcuts(
    const QDBusConnection& bus, Run run, Describe describe, QObject* parent)
    : QObject(parent)
    , _bus(bus)
    , _run(std::move(run))
    , _describe(std::move(describe))
{
    qDBusRegisterMetaType<PortalShortcutEntry>();
    qDBusRegisterMetaType<PortalShortcutList>();
}

PortalShortcuts::~PortalShortcuts()
{
    // Quietly: whoever listens to changed() may be gone already.
    blockSignals(true);
    turnOff();
}

std::optional<unsigned> PortalShortcuts::version()
{
    if (_version)
        return *_version;
    std::optional<unsigned> version;
    if (_bus.isConnected()) {
        // Portals from 1.19 learn a program's id this way, before its first other call (the bus
        // keeps one sender's calls in order, so there is no reply to wait for); older ones do
        // not know the method, which is no matter.
        QDBusMessage registry = portalCall(
            QStringLiteral("org.freedesktop.host.portal.Registry"), QStringLiteral("Register"));
        registry << QStringLiteral("io.github.subclock.Subclock") << QVariantMap();
        _bus.send(registry);
        QDBusMessage get
            = portalCall(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        get << kInterface << QStringLiteral("version");
        const QDBusMessage reply = _bus.call(get, QDBus::Block, kProbeMs);
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
            bool ok = false;
            const unsigned n
                = reply.arguments().front().value<QDBusVariant>().variant().toUInt(&ok);
            if (ok && n > 0)
                version = n;
        }
    }
    _version = version;
    return version;
}

void PortalShortcuts::turnOn(const std::vector<globalkeys::Binding>& bindings)
{
    _bindings = bindings;
    // A session cancelled, refused or closed is ended before another is asked for.
    const std::string ended = _session.handle();
    if (!_session.turnOn())
        return;
    closeSession(ended);
    const QString token = QStringLiteral("subclock%1").arg(++_tokens);
    request(QStringLiteral("CreateSession"), {},
        { { QStringLiteral("session_handle_token"), token } }, SLOT(onCreated(QDBusMessage)));
    emit changed();
}

void PortalShortcuts::turnOff()
{
    if (_session.state() == globalkeys::PortalState::Off)
        return;
    closeSession(_session.handle());
    _session.turnOff();
    emit changed();
}

void PortalShortcuts::closeSession(const std::string& handle)
{
    waitFor({}, nullptr);
    listen(false, handle);
    if (!handle.empty()) {
        _bus.send(QDBusMessage::createMethodCall(
            kService, QString::fromStdString(handle), kSession, QStringLiteral("Close")));
    }
}

void PortalShortcuts::request(
    const QString& method, QList<QVariant> arguments, QVariantMap options, const char* slot)
{
    const QString token = QStringLiteral("subclock%1").arg(++_tokens);
    options.insert(QStringLiteral("handle_token"), token);
    // The Response may come before the call's reply: listen on the path the portal will use,
    // /…/request/SENDER/TOKEN with the unique name's ':' left out and its dots as '_'.
    const QString sender = _bus.baseService().mid(1).replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString expected
        = kPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
    waitFor(expected, slot);
    QDBusMessage call = portalCall(kInterface, method);
    arguments << options;
    call.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, expected, slot] {
        watcher->deleteLater();
        if (_requestPath != expected)
            return; // turned off, or another request since
        const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
        if (reply.isError()) {
            waitFor({}, nullptr);
            _session.failed();
            emit changed();
        } else if (reply.value().path() != expected) {
            // Portals before 0.9 chose the handle themselves.
            waitFor(reply.value().path(), slot);
        }
    });
}

void PortalShortcuts::waitFor(const QString& requestPath, const char* slot)
{
    if (!_requestPath.isEmpty())
        _bus.disconnect(
            kService, _requestPath, kRequest, QStringLiteral("Response"), this, _requestSlot);
    _requestPath = requestPath;
    _requestSlot = slot;
    if (!_requestPath.isEmpty())
        _bus.connect(kService, _requestPath, kRequest, QStringLiteral("Response"), this, slot);
}

void PortalShortcuts::listen(bool on, const std::string& handle)
{
    const QString session = QString::fromStdString(handle);
    const auto wire
        = [&](const QString& path, const QString& interface, const char* name, const char* slot) {
              if (on)
                  _bus.connect(kService, path, interface, QLatin1String(name), this, slot);
              else
                  _bus.disconnect(kService, path, interface, QLatin1String(name), this, slot);
          };
    wire(kPath, kInterface, "Activated", SLOT(onActivated(QDBusMessage)));
    wire(kPath, kInterface, "ShortcutsChanged", SLOT(onShortcutsChanged(QDBusMessage)));
    if (!session.isEmpty())
        wire(session, kSession, "Closed", SLOT(onClosed(QDBusMessage)));
}

void PortalShortcuts::onCreated(const QDBusMessage& response)
{
    waitFor({}, nullptr);
    const auto [code, results] = responseOf(response);
    // The handle is documented as a string; some portals send an object path.
    const QVariant handle = results.value(QStringLiteral("session_handle"));
    _session.created(code,
        (handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path()
                                              : handle.toString())
            .toStdString());
    if (_session.state() != globalkeys::PortalState::Asking) {
        emit changed();
        return;
    }
    listen(true, _session.handle());
    PortalShortcutList shortcuts;
    for (const globalkeys::PortalShortcut& s : globalkeys::portalShortcuts(_bindings)) {
        QVariantMap properties{ { QStringLiteral("description"), _describe(s.action) } };
        if (!s.preferredTrigger.empty())
            properties.insert(
                QStringLiteral("preferred_trigger"), QString::fromStdString(s.preferredTrigger));
        shortcuts.push_back({ QString::fromStdString(s.id), properties });
    }
    // No parent window: on Wayland naming one needs an exported surface, and the dialog
    // stands on its own without.
    request(QStringLiteral("BindShortcuts"),
        { QVariant::fromValue(QDBusObjectPath(QString::fromStdString(_session.handle()))),
            QVariant::fromValue(shortcuts), QString() },
        {}, SLOT(onBound(QDBusMessage)));
}

void PortalShortcuts::onBound(const QDBusMessage& response)
{
    waitFor({}, nullptr);
    const auto [code, results] = responseOf(response);
    _session.bound(code, triggersOf(results.value(QStringLiteral("shortcuts"))));
    emit changed();
}

void PortalShortcuts::onActivated(const QDBusMessage& signal)
{
    const QList<QVariant> args = signal.arguments();
    if (args.size() < 2)
        return;
    if (const std::optional<globalkeys::Action> action
        = _session.activated(args[0].value<QDBusObjectPath>().path().toStdString(),
            args[1].toString().toStdString()))
        _run(*action);
}

void PortalShortcuts::onShortcutsChanged(const QDBusMessage& signal)
{
    const QList<QVariant> args = signal.arguments();
    if (args.size() < 2)
        return;
    _session.changed(args[0].value<QDBusObjectPath>().path().toStdString(), triggersOf(args[1]));
    emit changed();
}

void PortalShortcuts::onClosed(const QDBusMessage& signal)
{
    listen(false, signal.path().toStdString());
    _session.closed(signal.path().toStdString());
    emit changed();
}
