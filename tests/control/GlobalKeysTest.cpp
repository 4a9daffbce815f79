// Global shortcuts: reading a combination as typed, and which chosen ones are refused.
#include "control/GlobalKeys.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace globalkeys;

TEST(GlobalKeysTest, ReadsCombinationsAsTyped)
{
    struct Case {
        const char* text;
        std::optional<KeyCombo> keys;
        // How it is written back; empty when it is not read.
        const char* written;
    };
    const Case cases[] = {
        { "Ctrl+Alt+Space", KeyCombo{ kCtrl | kAlt, 0x20 }, "Ctrl+Alt+Space" },
        { "alt + ctrl + space", KeyCombo{ kCtrl | kAlt, 0x20 }, "Ctrl+Alt+Space" },
        { "Shift+Meta+p", KeyCombo{ kShift | kMeta, 'p' }, "Shift+Meta+P" },
        { "Super+F12", KeyCombo{ kMeta, 0xffc9 }, "Meta+F12" },
        { "Control+7", KeyCombo{ kCtrl, '7' }, "Ctrl+7" },
        { "Ctrl+Alt+,", KeyCombo{ kCtrl | kAlt, ',' }, "Ctrl+Alt+Comma" },
        { "Media Play", KeyCombo{ 0, 0x1008ff14 }, "Media Play" },
        { "Ctrl+PgDown", KeyCombo{ kCtrl, 0xff56 }, "Ctrl+PgDown" },
        { "", std::nullopt, "" },
        { "Ctrl+Alt", std::nullopt, "" },
        { "Ctrl+", std::nullopt, "" },
        { "Ctrl+A+B", std::nullopt, "" },
        { "A+Ctrl", std::nullopt, "" },
        { "Ctrl+F13", std::nullopt, "" },
        { "Ctrl+Hyper+A", std::nullopt, "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<KeyCombo> keys = parseKeys(c.text);
        EXPECT_EQ(keys, c.keys);
        if (keys) {
            EXPECT_EQ(keysText(*keys), c.written);
        }
    }
}

TEST(GlobalKeysTest, RefusesWhatWouldTakeKeysFromOtherPrograms)
{
    // Another program holds Ctrl+Alt+X.
    std::vector<KeyCombo> asked;
    const auto grab = [&](Action, const KeyCombo& keys) {
        asked.push_back(keys);
        return !(keys == KeyCombo{ kCtrl | kAlt, 'x' });
    };
    const std::vector<Verdict> verdicts = decide(
        { { Action::PlayPause, "Ctrl+Alt+Space" }, { Action::DelayLater, "Ctrl+Alt+X" },
            { Action::DelayEarlier, "Shift+Z" }, { Action::PreviousSubtitle, "Ctrl+Alt+Nope" },
            { Action::NextSubtitle, "alt+ctrl+space" }, { Action::NextSubtitle, "" },
            { Action::PlayPause, "Media Play" } },
        grab);
    const Refusal expected[] = { Refusal::None, Refusal::HeldElsewhere, Refusal::NeedsModifier,
        Refusal::Unreadable, Refusal::Duplicate, Refusal::None, Refusal::None };
    ASSERT_EQ(verdicts.size(), std::size(expected));
    for (std::size_t i = 0; i < verdicts.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(verdicts[i].refusal, expected[i]);
    }
    // Only what passed the other checks was grabbed, and nothing twice.
    EXPECT_EQ(asked.size(), 3U);
    EXPECT_FALSE(verdicts[5].keys);
}

TEST(GlobalKeysTest, StoredBindingsReadBack)
{
    const std::vector<Binding> bindings = defaultBindings();
    const std::vector<Binding> read = loadBindings(storeBindings(bindings) + "unknown=Ctrl+Q\n");
    ASSERT_EQ(read.size(), bindings.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        EXPECT_EQ(read[i].action, bindings[i].action);
        EXPECT_EQ(read[i].text, bindings[i].text);
        // Every default is accepted as it stands.
        EXPECT_TRUE(parseKeys(read[i].text)) << read[i].text;
    }
}

} // namespace
