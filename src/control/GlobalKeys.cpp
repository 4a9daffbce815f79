// Key names, the checks before a grab, and the stored form of the bindings.
#include "control/GlobalKeys.h"

#include "platform/Ascii.h"

#include <algorithm>

namespace globalkeys {
namespace {

struct KeyName {
    std::string_view name; // the first of a keysym's names is the one written back
    std::uint32_t keysym;
    // Typed into other programs: taken from all of them unless a modifier comes with it.
    bool typing;
};

constexpr KeyName kNamedKeys[] = {
    { "Space", 0x20, true },
    { "Comma", 0x2c, true },
    { ",", 0x2c, true },
    { "Period", 0x2e, true },
    { ".", 0x2e, true },
    { "Minus", 0x2d, true },
    { "-", 0x2d, true },
    { "Equal", 0x3d, true },
    { "=", 0x3d, true },
    { "Left", 0xff51, true },
    { "Up", 0xff52, true },
    { "Right", 0xff53, true },
    { "Down", 0xff54, true },
    { "Home", 0xff50, true },
    { "End", 0xff57, true },
    { "PgUp", 0xff55, true },
    { "PageUp", 0xff55, true },
    { "PgDown", 0xff56, true },
    { "PageDown", 0xff56, true },
    { "Media Play", 0x1008ff14, false },
    { "Media Stop", 0x1008ff15, false },
    { "Media Previous", 0x1008ff16, false },
    { "Media Next", 0x1008ff17, false },
    { "Media Pause", 0x1008ff31, false },
};

constexpr struct {
    std::string_view name;
    std::uint16_t bit;
} kModifiers[] = { { "ctrl", kCtrl }, { "control", kCtrl }, { "alt", kAlt }, { "shift", kShift },
    { "meta", kMeta }, { "super", kMeta } };

// Compared without case or spaces, so "media play" and "MediaPlay" are one name.
std::string folded(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c != ' ')
            out += ascii::toLower(c);
    }
    return out;
}

constexpr bool isLetter(char c)
{
    return c >= 'a' && c <= 'z';
}

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::optional<KeyName> keyNamed(std::string_view token)
{
    const std::string name = folded(token);
    // Letters as their lower-case keysym, which is the one a key code maps to first.
    if (name.size() == 1 && (isLetter(name[0]) || isDigit(name[0])))
        return KeyName{ {}, static_cast<std::uint32_t>(name[0]), true };
    if (name.size() >= 2 && name[0] == 'f') {
        const std::string number = name.substr(1);
        if (std::all_of(number.begin(), number.end(), isDigit) && number.size() <= 2) {
            const int n = std::stoi(number);
            if (n >= 1 && n <= 12)
                return KeyName{ {}, 0xffbeU + static_cast<std::uint32_t>(n - 1), false };
        }
    }
    for (const KeyName& key : kNamedKeys) {
        if (folded(key.name) == name)
            return key;
    }
    return std::nullopt;
}

bool isTyping(std::uint32_t keysym)
{
    if (keysym < 0x100)
        return true;
    for (const KeyName& key : kNamedKeys) {
        if (key.keysym == keysym)
            return key.typing;
    }
    return false;
}

} // namespace

std::optional<KeyCombo> parseKeys(std::string_view text)
{
    KeyCombo keys;
    bool haveKey = false;
    std::size_t from = 0;
    while (from <= text.size()) {
        const std::size_t plus = std::min(text.find('+', from), text.size());
        const std::string token = folded(text.substr(from, plus - from));
        from = plus + 1;
        // Nothing may follow the key, and every part needs a name ("Ctrl++" is not read).
        if (token.empty() || haveKey)
            return std::nullopt;
        const auto modifier = std::find_if(std::begin(kModifiers), std::end(kModifiers),
            [&](const auto& m) { return m.name == token; });
        if (modifier != std::end(kModifiers)) {
            keys.modifiers |= modifier->bit;
            continue;
        }
        const std::optional<KeyName> key = keyNamed(token);
        if (!key)
            return std::nullopt;
        keys.keysym = key->keysym;
        haveKey = true;
    }
    if (!haveKey)
        return std::nullopt;
    return keys;
}

std::string keysText(const KeyCombo& keys)
{
    std::string text;
    for (const auto& [bit, name] : { std::pair{ kCtrl, "Ctrl+" }, std::pair{ kAlt, "Alt+" },
             std::pair{ kShift, "Shift+" }, std::pair{ kMeta, "Meta+" } }) {
        if (keys.modifiers & bit)
            text += name;
    }
    if (keys.keysym >= 'a' && keys.keysym <= 'z')
        return text + static_cast<char>(keys.keysym - 'a' + 'A');
    if (keys.keysym >= '0' && keys.keysym <= '9')
        return text + static_cast<char>(keys.keysym);
    if (keys.keysym >= 0xffbe && keys.keysym <= 0xffc9)
        return text + "F" + std::to_string(keys.keysym - 0xffbe + 1);
    for (const KeyName& key : kNamedKeys) {
        if (key.keysym == keys.keysym)
            return text + std::string(key.name);
    }
    return text + "?";
}

std::vector<Verdict> decide(const std::vector<Binding>& bindings, const Grab& grab)
{
    std::vector<Verdict> verdicts;
    std::vector<KeyCombo> taken;
    for (const Binding& binding : bindings) {
        Verdict v{ binding.action, std::nullopt, Refusal::None };
        if (!binding.text.empty()) {
            v.keys = parseKeys(binding.text);
            // Shift alone still types: a capital letter is a letter typed.
            if (!v.keys)
                v.refusal = Refusal::Unreadable;
            else if ((v.keys->modifiers & ~kShift) == 0 && isTyping(v.keys->keysym))
                v.refusal = Refusal::NeedsModifier;
            else if (std::find(taken.begin(), taken.end(), *v.keys) != taken.end())
                v.refusal = Refusal::Duplicate;
            else if (!grab(binding.action, *v.keys))
                v.refusal = Refusal::HeldElsewhere;
            else
                taken.push_back(*v.keys);
        }
        verdicts.push_back(v);
    }
    return verdicts;
}

std::string storeBindings(const std::vector<Binding>& bindings)
{
    std::string stored;
    for (const ActionName& a : kActions) {
        for (const Binding& b : bindings) {
            if (b.action == a.action)
                stored += std::string(a.name) + "=" + b.text + "\n";
        }
    }
    return stored;
}

std::vector<Binding> loadBindings(std::string_view stored)
{
    std::vector<Binding> bindings;
    while (!stored.empty()) {
        const std::size_t end = std::min(stored.find('\n'), stored.size());
        const std::string_view line = stored.substr(0, end);
        stored.remove_prefix(std::min(end + 1, stored.size()));
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        for (const ActionName& a : kActions) {
            if (a.name == line.substr(0, equals))
                bindings.push_back({ a.action, std::string(line.substr(equals + 1)) });
        }
    }
    return bindings;
}

std::vector<Binding> defaultBindings()
{
    return { { Action::PlayPause, "Ctrl+Alt+Space" }, { Action::DelayLater, "Ctrl+Alt+X" },
        { Action::DelayEarlier, "Ctrl+Alt+Z" }, { Action::PreviousSubtitle, "Ctrl+Alt+Comma" },
        { Action::NextSubtitle, "Ctrl+Alt+Period" } };
}

} // namespace globalkeys
