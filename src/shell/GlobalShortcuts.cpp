// Passive key grabs on the X11 root window over XCB, and the events they bring; on a Wayland
// session with a shortcuts portal, the portal instead.
#include "shell/GlobalShortcuts.h"

#include "control/PreferencesStore.h"
#include "control/Settings.h"
#include "shell/PortalShortcuts.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {

// A grab names the exact modifier state: Caps Lock (Lock) and Num Lock (Mod2 on every usual
// layout) would otherwise turn the keys off while on.
constexpr std::uint16_t kLocks[]
    = { 0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2, XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2 };
constexpr std::uint16_t kCounted
    = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

struct X11Root {
    xcb_connection_t* connection = nullptr;
    xcb_window_t window = 0;
};

X11Root x11()
{
    const auto* native = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!native || !native->connection())
        return {};
    xcb_connection_t* c = native->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    return { c, screen ? screen->root : 0 };
}

// The first key code that types this keysym, as the server maps the keyboard now; 0 for none.
std::uint8_t keycodeOf(xcb_connection_t* c, std::uint32_t keysym)
{
    const xcb_setup_t* setup = xcb_get_setup(c);
    const std::uint8_t first = setup->min_keycode;
    const int count = setup->max_keycode - first + 1;
    const std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)> map(
        xcb_get_keyboard_mapping_reply(
            c, xcb_get_keyboard_mapping(c, first, static_cast<std::uint8_t>(count)), nullptr),
        &std::free);
    if (!map)
        return 0;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map.get());
    const int perCode = map->keysyms_per_keycode;
    for (int code = 0; code < count; ++code) {
        for (int i = 0; i < perCode; ++i) {
            if (syms[code * perCode + i] == keysym)
                return static_cast<std::uint8_t>(first + code);
        }
    }
    return 0;
}

// Subclock itself may run on XWayland there: the session, not the platform, decides.
bool waylandSession()
{
    const char* session = std::getenv("XDG_SESSION_TYPE");
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
        || std::getenv("WAYLAND_DISPLAY") || (session && QLatin1String(session) == "wayland");
}

} // namespace

GlobalShortcuts::GlobalShortcuts(Run run, const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , _run(std::move(run))
    , _portal(new PortalShortcuts(
          bus, [this](globalkeys::Action action) { _run(action); }, &actionText, this))
{
    if (x11().connection)
        qApp->installNativeEventFilter(this);
    connect(_portal, &PortalShortcuts::changed, this, &GlobalShortcuts::portalChanged);
}

GlobalShortcuts::~GlobalShortcuts()
{
    // Whoever listens may be half gone, as the window that owns this is.
    blockSignals(true);
    release();
    qApp->removeNativeEventFilter(this);
}

globalkeys::Route GlobalShortcuts::route() const
{
    // The portal is asked about on Wayland only: on X11 the grabs need nobody's leave.
    const bool wayland = waylandSession();
    return globalkeys::chooseRoute(
        wayland, x11().connection != nullptr, wayland && _portal->version().has_value());
}

const globalkeys::PortalSession& GlobalShortcuts::portalSession() const
{
    return _portal->session();
}

bool GlobalShortcuts::available() const
{
    return route() != globalkeys::Route::None;
}

QString GlobalShortcuts::whyNot() const
{
    if (available())
        return {};
    if (waylandSession())
        return tr("On Wayland only the desktop can give a program keys that work while another "
                  "has the focus, and the desktop has no global-shortcuts portal. Use the "
                  "desktop's own shortcut settings to run \"playerctl -p subclock play-pause\" "
                  "and the like.");
    return tr("Keys that work while another program has the focus need an X11 or Wayland "
              "desktop.");
}

QString GlobalShortcuts::caveat() const
{
    if (!waylandSession())
        return {};
    switch (route()) {
    case globalkeys::Route::Portal:
        return tr("The desktop gives these keys: it may ask you to confirm them, and they are "
                  "changed in its own settings.");
    case globalkeys::Route::X11Grabs:
        // XWayland hands an X client only the keys typed into X11 windows.
        return tr("This is a Wayland session and the desktop has no global-shortcuts portal: "
                  "keys taken through XWayland work only while an X11 program has the focus.");
    case globalkeys::Route::None:
        break;
    }
    return {};
}

QString GlobalShortcuts::portalStateText(globalkeys::PortalState state)
{
    switch (state) {
    case globalkeys::PortalState::Off:
        return tr("Turn the keys on to ask the desktop for them.");
    case globalkeys::PortalState::Asking:
        return tr("Asking the desktop for the keys…");
    case globalkeys::PortalState::Bound:
        return tr("The desktop gave these keys:");
    case globalkeys::PortalState::Declined:
        return tr("The desktop's dialog was cancelled: no keys were given.");
    case globalkeys::PortalState::Failed:
        return tr("The desktop did not give the keys.");
    case globalkeys::PortalState::Closed:
        return tr("The desktop took the keys back.");
    }
    return {};
}

QString GlobalShortcuts::actionText(globalkeys::Action action)
{
    switch (action) {
    case globalkeys::Action::PlayPause:
        return tr("Start or stop the subtitles");
    case globalkeys::Action::DelayLater:
        return tr("Subtitles 100 ms later");
    case globalkeys::Action::DelayEarlier:
        return tr("Subtitles 100 ms earlier");
    case globalkeys::Action::PreviousSubtitle:
        return tr("To the previous subtitle");
    case globalkeys::Action::NextSubtitle:
        return tr("To the next subtitle");
    }
    return {};
}

QString GlobalShortcuts::refusalText(globalkeys::Refusal refusal, const QString& keys)
{
    switch (refusal) {
    case globalkeys::Refusal::None:
        break;
    case globalkeys::Refusal::Unreadable:
        return tr("\"%1\" is not a key combination (for example Ctrl+Alt+Space).").arg(keys);
    case globalkeys::Refusal::NeedsModifier:
        return tr("%1 alone would be taken from every program: add Ctrl, Alt or Meta.").arg(keys);
    case globalkeys::Refusal::Duplicate:
        return tr("%1 is already chosen for another action.").arg(keys);
    case globalkeys::Refusal::HeldElsewhere:
        return tr("%1 is held by another program; choose other keys.").arg(keys);
    }
    return {};
}

std::vector<globalkeys::Verdict> GlobalShortcuts::apply(
    const std::vector<globalkeys::Binding>& bindings)
{
    if (route() == globalkeys::Route::Portal) {
        _portal->turnOn(bindings);
        return {};
    }
    release();
    return globalkeys::decide(
        bindings, [this](globalkeys::Action action, const globalkeys::KeyCombo& keys) {
            return grab(keys, action);
        });
}

bool GlobalShortcuts::grab(const globalkeys::KeyCombo& keys, globalkeys::Action action)
{
    const X11Root root = x11();
    if (!root.connection)
        return false;
    const std::uint8_t keycode = keycodeOf(root.connection, keys.keysym);
    // A key this keyboard does not have cannot be pressed, and so holds nothing.
    if (keycode == 0)
        return true;
    // All four lock states or none: a half-held key would work only with Num Lock off.
    std::vector<std::uint16_t> granted;
    bool refused = false;
    for (const std::uint16_t locks : kLocks) {
        const std::uint16_t modifiers = keys.modifiers | locks;
        const xcb_void_cookie_t cookie = xcb_grab_key_checked(root.connection, 1, root.window,
            modifiers, keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        xcb_generic_error_t* error = xcb_request_check(root.connection, cookie);
        if (error) {
            // BadAccess is another program's grab; anything else refuses the key as well.
            std::free(error);
            refused = true;
            break;
        }
        granted.push_back(modifiers);
    }
    if (refused) {
        for (const std::uint16_t modifiers : granted)
            xcb_ungrab_key(root.connection, keycode, root.window, modifiers);
        xcb_flush(root.connection);
        return false;
    }
    _held.push_back({ action, keys.modifiers, keycode });
    return true;
}

void GlobalShortcuts::release()
{
    const X11Root root = x11();
    if (root.connection) {
        for (const Held& h : _held) {
            for (const std::uint16_t locks : kLocks)
                xcb_ungrab_key(root.connection, h.keycode, root.window, h.modifiers | locks);
        }
        xcb_flush(root.connection);
    }
    _held.clear();
    _portal->turnOff();
}

bool GlobalShortcuts::nativeEventFilter(const QByteArray& type, void* message, qintptr* /*result*/)
{
    if (_held.empty() || type != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const std::uint8_t kind = event->response_type & 0x7f;
    if (kind != XCB_KEY_PRESS && kind != XCB_KEY_RELEASE)
        return false;
    const auto* key = static_cast<const xcb_key_press_event_t*>(message);
    for (const Held& h : _held) {
        if (key->detail == h.keycode && (key->state & kCounted) == h.modifiers) {
            // The release is swallowed too: no window of ours saw the press.
            if (kind == XCB_KEY_PRESS)
                _run(h.action);
            return true;
        }
    }
    return false;
}

std::vector<globalkeys::Verdict> GlobalShortcuts::applyStored(PreferencesStore& store)
{
    if (!storedOn(store)) {
        release();
        return {};
    }
    return apply(storedBindings(store));
}

bool GlobalShortcuts::storedOn(PreferencesStore& store)
{
    try {
        return store.intValue(std::string(settings::kGlobalKeys.name)).value_or(0) == 1;
    } catch (const PreferencesError&) {
        return false;
    }
}

std::vector<globalkeys::Binding> GlobalShortcuts::storedBindings(PreferencesStore& store)
{
    std::optional<std::string> stored;
    try {
        stored = store.stringValue(std::string(settings::kGlobalKeyBindings.name));
    } catch (const PreferencesError&) {
        // Unreadable: the defaults, as for a new user.
    }
    std::vector<globalkeys::Binding> bindings = globalkeys::defaultBindings();
    if (!stored)
        return bindings;
    // One stored line per action chosen; an action left out keeps no key.
    for (globalkeys::Binding& b : bindings)
        b.text.clear();
    for (const globalkeys::Binding& read : globalkeys::loadBindings(*stored)) {
        for (globalkeys::Binding& b : bindings) {
            if (b.action == read.action)
                b.text = read.text;
        }
    }
    return bindings;
}

void GlobalShortcuts::store(
    PreferencesStore& store, bool on, const std::vector<globalkeys::Binding>& bindings)
{
    store.setInt(std::string(settings::kGlobalKeys.name), on ? 1 : 0);
    store.setString(
        std::string(settings::kGlobalKeyBindings.name), globalkeys::storeBindings(bindings));
}
