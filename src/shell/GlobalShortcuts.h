// Shortcuts that work while another program has the focus: grabbed on the X11 root window, or
// asked of the desktop's GlobalShortcuts portal on Wayland.
#pragma once

#include "control/GlobalKeys.h"
#include "control/PortalKeys.h"

#include <QAbstractNativeEventFilter>
#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class PortalShortcuts;
class PreferencesStore;

// Lives on the GUI thread.
class GlobalShortcuts final : public QObject, private QAbstractNativeEventFilter {
    Q_OBJECT

public:
    using Run = std::function<void(globalkeys::Action)>;

    // The portal is looked for on `bus`, on a Wayland session only.
    GlobalShortcuts(Run run, const QDBusConnection& bus, QObject* parent = nullptr);
    ~GlobalShortcuts() override;

    // How this desktop gives keys. On a Wayland session the first answer asks the bus whether
    // the desktop has a shortcuts portal, and may wait for it a few seconds.
    globalkeys::Route route() const;
    // Through the portal the desktop chooses the keys: where its session stands, what it gave.
    const globalkeys::PortalSession& portalSession() const;
    static QString portalStateText(globalkeys::PortalState state);
    // What an action does, as the desktop lists it.
    static QString actionText(globalkeys::Action action);

    // Whether this desktop lets a program have keys of its own while another has the focus;
    // when not, why not, for Preferences.
    bool available() const;
    QString whyNot() const;
    // What the user should know about keys that are available; empty when nothing.
    QString caveat() const;

    // Releases what was held and takes these; each verdict says whether it was granted. Through
    // the portal, asks the desktop (with these as the preferred keys) and has no verdicts.
    std::vector<globalkeys::Verdict> apply(const std::vector<globalkeys::Binding>& bindings);
    void release();
    // As the settings have them: taken when they are turned on, released when not.
    std::vector<globalkeys::Verdict> applyStored(PreferencesStore& store);

    // The stored choice; the defaults for combinations never stored, off when unreadable.
    static bool storedOn(PreferencesStore& store);
    static std::vector<globalkeys::Binding> storedBindings(PreferencesStore& store);
    static void store(
        PreferencesStore& store, bool on, const std::vector<globalkeys::Binding>& bindings);

    // What a refusal means for the user.
    static QString refusalText(globalkeys::Refusal refusal, const QString& keys);

signals:
    // The portal's session changed state, or the desktop changed its keys.
    void portalChanged();

private:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;
    bool grab(const globalkeys::KeyCombo& keys, globalkeys::Action action);

    struct Held {
        globalkeys::Action action;
        std::uint16_t modifiers;
        std::uint8_t keycode;
    };
    Run _run;
    std::vector<Held> _held;
    PortalShortcuts* _portal;
};
