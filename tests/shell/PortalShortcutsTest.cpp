// Global keys on a Wayland session, through a fake shortcuts portal on a private bus: the
// session and the shortcuts asked for, and a shortcut pressed reaching the clock; and what is
// said when the desktop has no portal.
#include "shell/PortalShortcuts.h"
#include "shell/GlobalShortcuts.h"
#include "shell/PlayerWindows.h"
#include "shell/PreferencesDialog.h"
#include "shell/QtPreferences.h"

#include "TempDir.h"
#include "shell/WaitUntil.h"

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QLabel>
#include <QMutex>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

// The portal on a connection and a thread of its own, as the desktop's process would be, so that
// a blocking call from the test's thread is answered. Each Response is sent before the call's
// reply, as a portal may.
class FakePortal final : public QDBusVirtualObject {
public:
    FakePortal()
        : _bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, "fake-portal"))
    {
        qDBusRegisterMetaType<PortalShortcutEntry>();
        qDBusRegisterMetaType<PortalShortcutList>();
        _bus.registerVirtualObject(kPath, this, QDBusConnection::SubPath);
        _thread.start();
        moveToThread(&_thread);
        _bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
    }
    ~FakePortal() override
    {
        _bus.unregisterObject(kPath);
        QDBusConnection::disconnectFromBus("fake-portal");
        _thread.quit();
        _thread.wait();
    }

    void activate(const QString& id)
    {
        QDBusMessage signal = QDBusMessage::createSignal(kPath, kInterface, "Activated");
        signal << QVariant::fromValue(QDBusObjectPath(session())) << id << qulonglong(1)
               << QVariantMap();
        _bus.send(signal);
    }

    // As when the user changes the keys in the desktop's settings.
    void change(const PortalShortcutList& shortcuts)
    {
        QDBusMessage signal = QDBusMessage::createSignal(kPath, kInterface, "ShortcutsChanged");
        signal << QVariant::fromValue(QDBusObjectPath(session())) << QVariant::fromValue(shortcuts);
        _bus.send(signal);
    }

    QString session() const
    {
        const QMutexLocker lock(&_mutex);
        return _session;
    }
    PortalShortcutList bound() const
    {
        const QMutexLocker lock(&_mutex);
        return _bound;
    }
    QStringList closed() const
    {
        const QMutexLocker lock(&_mutex);
        return _closed;
    }

private:
    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& call, const QDBusConnection&) override
    {
        const QMutexLocker lock(&_mutex);
        const QList<QVariant> args = call.arguments();
        if (call.member() == "Get" && args.value(0) == kInterface) {
            _bus.send(call.createReply(QVariant::fromValue(QDBusVariant(1U))));
            return true;
        }
        if (call.member() == "Close") {
            _closed << call.path();
            _bus.send(call.createReply());
            return true;
        }
        if (call.interface() != kInterface || args.isEmpty())
            return false;
        const QString sender = call.service().mid(1).replace('.', '_');
        const QVariantMap options = qdbus_cast<QVariantMap>(args.back());
        const QString handle
            = kPath + "/request/" + sender + "/" + options.value("handle_token").toString();
        QVariantMap results;
        if (call.member() == "CreateSession") {
            _session = kPath + "/session/" + sender + "/"
                + options.value("session_handle_token").toString();
            results.insert("session_handle", _session);
        } else if (call.member() == "BindShortcuts" && args.size() == 4) {
            _bound = qdbus_cast<PortalShortcutList>(args[1]);
            // The desktop grants each the key asked for, in its own words.
            PortalShortcutList given;
            for (const PortalShortcutEntry& s : _bound)
                given.push_back({ s.id,
                    { { "trigger_description", s.properties.value("preferred_trigger") } } });
            results.insert("shortcuts", QVariant::fromValue(given));
        } else {
            return false;
        }
        QDBusMessage response
            = QDBusMessage::createSignal(handle, "org.freedesktop.portal.Request", "Response");
        response << 0U << results;
        _bus.send(response);
        _bus.send(call.createReply(QVariant::fromValue(QDBusObjectPath(handle))));
        return true;
    }

    QDBusConnection _bus;
    QThread _thread;
    mutable QMutex _mutex;
    QString _session;
    PortalShortcutList _bound;
    QStringList _closed;
};

// Subclock on XWayland or Wayland alike: the session type decides.
class PortalShortcutsTest : public ::testing::Test {
protected:
    PortalShortcutsTest() { ::setenv("XDG_SESSION_TYPE", "wayland", 1); }
    ~PortalShortcutsTest() override { ::unsetenv("XDG_SESSION_TYPE"); }
};

TEST_F(PortalShortcutsTest, WithoutAPortalPreferencesSaysSo)
{
    GlobalShortcuts keys([](globalkeys::Action) {}, QDBusConnection::sessionBus());
    EXPECT_EQ(keys.route(), globalkeys::Route::None);
    EXPECT_FALSE(keys.available());
    EXPECT_TRUE(keys.whyNot().contains("no global-shortcuts portal"))
        << keys.whyNot().toStdString();
}

TEST_F(PortalShortcutsTest, BindsTheActionsAndRunsTheOneActivated)
{
    FakePortal portal;
    const TempDir dir;
    QtPreferences preferences(QString::fromStdString((dir.path() / "subclock.conf").string()));
    GlobalShortcuts::store(preferences, true, globalkeys::defaultBindings());
    PlayerWindows windows(preferences, QDBusConnection::sessionBus());
    ASSERT_TRUE(windows.controller().openFile(
        dir.write("clip.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nOne\r\n")));
    GlobalShortcuts& keys = windows.globalKeys();
    EXPECT_EQ(keys.route(), globalkeys::Route::Portal);

    ASSERT_TRUE(
        waitUntil([&] { return keys.portalSession().state() == globalkeys::PortalState::Bound; }));
    const PortalShortcutList bound = portal.bound();
    ASSERT_EQ(bound.size(), globalkeys::kActions.size());
    EXPECT_EQ(bound.front().id, "play_pause");
    EXPECT_EQ(bound.front().properties.value("preferred_trigger"), "CTRL+ALT+space");
    EXPECT_FALSE(bound.front().properties.value("description").toString().isEmpty());

    // Preferences lists what the desktop reports, and follows its changes.
    windows.showPreferences();
    const auto* dialog = windows.mainWindow().findChild<PreferencesDialog*>();
    ASSERT_NE(dialog, nullptr);
    const auto* next = dialog->findChild<QLabel*>("next_subtitle");
    const auto* playPause = dialog->findChild<QLabel*>("play_pause");
    ASSERT_TRUE(next && playPause);
    EXPECT_EQ(next->text(), "CTRL+ALT+period");
    portal.change({ { "next_subtitle", { { "trigger_description", "Ctrl+N" } } } });
    EXPECT_TRUE(waitUntil([&] { return next->text() == "Ctrl+N"; }));
    EXPECT_EQ(playPause->text(), "no key");

    ASSERT_FALSE(windows.controller().started());
    portal.activate("play_pause");
    EXPECT_TRUE(waitUntil([&] { return windows.controller().started(); }));

    // Turned off, the session is closed and a late activation does nothing.
    keys.release();
    EXPECT_TRUE(waitUntil([&] { return portal.closed() == QStringList{ portal.session() }; }));
    portal.activate("play_pause");
    QTest::qWait(200);
    EXPECT_TRUE(windows.controller().started());
}

} // namespace
