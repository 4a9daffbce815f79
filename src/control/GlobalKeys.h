// Shortcuts that work while another program has the focus: the actions they run, a key
// combination read as the user types it ("Ctrl+Alt+Space"), and which of the chosen ones are
// refused and why.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace globalkeys {

enum class Action { PlayPause, DelayLater, DelayEarlier, PreviousSubtitle, NextSubtitle };
// In the order Preferences lists them; the names are how the settings store them.
struct ActionName {
    Action action;
    std::string_view name;
};
inline constexpr std::array kActions{ ActionName{ Action::PlayPause, "play_pause" },
    ActionName{ Action::DelayLater, "delay_later" },
    ActionName{ Action::DelayEarlier, "delay_earlier" },
    ActionName{ Action::PreviousSubtitle, "previous_subtitle" },
    ActionName{ Action::NextSubtitle, "next_subtitle" } };

// Modifier bits as the X protocol numbers them, so a grab needs no translation.
enum Modifier : std::uint16_t { kShift = 1, kCtrl = 4, kAlt = 8, kMeta = 64 };

struct KeyCombo {
    std::uint16_t modifiers = 0;
    // The X keysym of the key itself ("Space" is 0x20).
    std::uint32_t keysym = 0;
    bool operator==(const KeyCombo&) const = default;
};

// Modifiers and one key joined by "+", in any case and order; none for anything else.
std::optional<KeyCombo> parseKeys(std::string_view text);
// The same combination as parseKeys reads it back, modifiers first ("Ctrl+Alt+Space").
std::string keysText(const KeyCombo& keys);

enum class Refusal {
    None,
    // Not a combination parseKeys reads.
    Unreadable,
    // A plain letter, digit or Space would be taken from every program.
    NeedsModifier,
    // Another action has the same combination.
    Duplicate,
    // Another program holds it.
    HeldElsewhere,
};

struct Binding {
    Action action;
    // As typed; empty leaves the action without a key.
    std::string text;
};

struct Verdict {
    Action action;
    // Set for every readable combination, granted or not.
    std::optional<KeyCombo> keys;
    Refusal refusal = Refusal::None;
};

// Decides each binding in order: `grab` is asked only for combinations that pass the other
// checks and answers false when another program holds the key. The first of two equal
// combinations keeps it.
using Grab = std::function<bool(Action, const KeyCombo&)>;
std::vector<Verdict> decide(const std::vector<Binding>& bindings, const Grab& grab);

// The stored form: one "name=keys" a line, in kActions order; unknown names are skipped.
std::string storeBindings(const std::vector<Binding>& bindings);
std::vector<Binding> loadBindings(std::string_view stored);
// What a new user is offered once the keys are turned on.
std::vector<Binding> defaultBindings();

} // namespace globalkeys
