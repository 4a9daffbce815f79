// Timing a script: the hold logic, the script splitter, the cue sheet and its undo, the session
// file (including after the process is killed), and the record file.
#include "control/CueRecorder.h"
#include "control/CueSheet.h"
#include "control/HoldToTime.h"
#include "control/Script.h"
#include "control/SessionFile.h"
#include "control/TimingSession.h"

#include "TempDir.h"
#include "fakes/FakeLog.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Source = HoldToTime::Source;

struct HoldEvent {
    enum Kind { press, release, settle, focusLost } kind;
    Source source = Source::key;
    double at = 0; // the clock's position and the monotonic time alike
    bool autoRepeat = false;
};

std::vector<std::pair<double, double>> spansOf(const std::vector<HoldEvent>& events)
{
    HoldToTime hold;
    std::vector<std::pair<double, double>> out;
    for (const HoldEvent& e : events) {
        std::optional<HeldSpan> span;
        switch (e.kind) {
        case HoldEvent::press:
            span = hold.press(e.source, e.at, e.at, e.autoRepeat);
            break;
        case HoldEvent::release:
            span = hold.release(e.source, e.at, e.at, e.autoRepeat);
            break;
        case HoldEvent::settle:
            span = hold.settle(e.at);
            break;
        case HoldEvent::focusLost:
            span = hold.interrupt(e.at);
            break;
        }
        if (span)
            out.emplace_back(span->start, span->end);
    }
    return out;
}

TEST(HoldToTime, KeyAndMouseSequencesMakeOneCuePerHold)
{
    using E = HoldEvent;
    const Source key = Source::key, mouse = Source::mouse;
    const struct {
        const char* label;
        std::vector<HoldEvent> events;
        std::vector<std::pair<double, double>> want;
    } cases[] = {
        { "a hold, confirmed once the repeat gap has passed",
            { { E::press, key, 1.0 }, { E::release, key, 2.0 }, { E::settle, key, 2.05 },
                { E::settle, key, 2.2 } },
            { { 1.0, 2.0 } } },
        { "flagged auto-repeat presses and releases change nothing",
            { { E::press, key, 1.0 }, { E::release, key, 1.5, true }, { E::press, key, 1.5, true },
                { E::release, key, 1.6, true }, { E::press, key, 1.6, true },
                { E::release, key, 3.0 }, { E::settle, key, 3.5 } },
            { { 1.0, 3.0 } } },
        { "unflagged release-press pairs of a repeating key are one hold",
            { { E::press, key, 1.0 }, { E::release, key, 1.66 }, { E::press, key, 1.68 },
                { E::release, key, 1.70 }, { E::press, key, 1.74 }, { E::release, key, 2.5 },
                { E::settle, key, 3.0 } },
            { { 1.0, 2.5 } } },
        { "a new press after the gap settles the last hold and starts the next",
            { { E::press, key, 1.0 }, { E::release, key, 2.0 }, { E::press, key, 2.3 },
                { E::release, key, 3.0 }, { E::settle, key, 3.2 } },
            { { 1.0, 2.0 }, { 2.3, 3.0 } } },
        { "focus lost mid-hold ends the cue there",
            { { E::press, key, 1.0 }, { E::focusLost, key, 1.4 }, { E::release, key, 2.0 },
                { E::settle, key, 2.5 } },
            { { 1.0, 1.4 } } },
        { "focus lost after the release ends the cue at the release",
            { { E::press, key, 1.0 }, { E::release, key, 2.0 }, { E::focusLost, key, 2.01 } },
            { { 1.0, 2.0 } } },
        { "a release or focus loss with nothing held makes nothing",
            { { E::release, key, 1.0 }, { E::focusLost, key, 1.1 }, { E::settle, key, 2.0 } }, {} },
        { "the mouse ends at once; the key is ignored during it",
            { { E::press, mouse, 1.0 }, { E::press, key, 1.2 }, { E::release, key, 1.3 },
                { E::settle, key, 1.5 }, { E::release, mouse, 2.0 } },
            { { 1.0, 2.0 } } },
        { "the mouse is ignored during a key hold",
            { { E::press, key, 1.0 }, { E::press, mouse, 1.2 }, { E::release, mouse, 1.3 },
                { E::release, key, 2.0 }, { E::settle, key, 2.5 } },
            { { 1.0, 2.0 } } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(spansOf(c.events), c.want) << c.label;
}

TEST(Script, ParagraphsSplitAtBlankLinesWhateverTheLineEndings)
{
    using P = std::vector<std::string>;
    const struct {
        const char* label;
        std::string text;
        P want;
    } cases[] = {
        { "LF", "One\nline two\n\nTwo\n", { "One\nline two", "Two" } },
        { "CRLF", "One\r\nline two\r\n\r\nTwo\r\n", { "One\nline two", "Two" } },
        { "CR", "One\rline two\r\rTwo", { "One\nline two", "Two" } },
        { "trailing spaces and tabs, and lines of spaces as blanks",
            "One  \t\nline two \n   \nTwo\t\n", { "One\nline two", "Two" } },
        { "several blank lines, leading and trailing ones", "\n\n\nOne\n\n\n\n\nTwo\n\n\n",
            { "One", "Two" } },
        { "a byte-order mark", "\xEF\xBB\xBFOne\r\n\r\nTwo", { "One", "Two" } },
        { "leading spaces inside a line are kept", "  Indented\n", { "  Indented" } },
        { "nothing", "", {} },
        { "only blank lines", "\r\n \r\n\t\n", {} },
    };
    for (const auto& c : cases)
        EXPECT_EQ(script::paragraphs(c.text), c.want) << c.label;
}

TEST(Script, DecodesUtf8OrTheFirstEncodingThatFits)
{
    FakeLog log;
    // UTF-8 with a byte-order mark, and "日本" in Shift JIS, which is not UTF-8.
    EXPECT_EQ(script::decode("\xEF\xBB\xBF\xC3\xA9t\xC3\xA9"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(script::decode("\x93\xFA\x96\x7B"), "\xE6\x97\xA5\xE6\x9C\xAC");
}

TEST(CueSheet, CuesTakeParagraphsInTurnAndEveryChangeUndoes)
{
    CueSheet sheet;
    int told = 0;
    sheet.addListener([&] { ++told; });
    sheet.openScript("scene.txt", { "One", "Two", "Three" });
    sheet.add(1, 2);
    sheet.skip();
    // Made after a seek back: it goes in time order, and takes "Three" as "Two" was skipped.
    EXPECT_EQ(sheet.add(0.5, 0.2), 0U);
    EXPECT_EQ(sheet.upNext(), nullptr);
    sheet.back();
    ASSERT_NE(sheet.upNext(), nullptr);
    EXPECT_EQ(*sheet.upNext(), "Three");
    sheet.setText(1, "One, edited");
    sheet.remove(0);
    EXPECT_EQ(sheet.cues(), (std::vector<TimedCue>{ { 1, 2, "One, edited" } }));
    EXPECT_EQ(told, 7);

    // Back through the delete and the edit: the texts stay as they were made.
    ASSERT_TRUE(sheet.undo());
    ASSERT_TRUE(sheet.undo());
    EXPECT_EQ(sheet.cues(), (std::vector<TimedCue>{ { 0.2, 0.5, "Three" }, { 1, 2, "One" } }));
    const std::vector<WrittenCue> written = sheet.written();
    ASSERT_EQ(written.size(), 2U);
    EXPECT_EQ(written[0].number, 1);
    EXPECT_EQ(written[1].number, 2);
    EXPECT_EQ(written[1].text, "One");
    // Undoing a cue gives its paragraph back.
    ASSERT_TRUE(sheet.undo());
    EXPECT_EQ(*sheet.upNext(), "Three");
    ASSERT_TRUE(sheet.undo());
    ASSERT_TRUE(sheet.undo());
    EXPECT_TRUE(sheet.cues().empty());
    EXPECT_EQ(sheet.upNext(), nullptr);
    EXPECT_FALSE(sheet.undo());
}

std::string readWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

TEST(SessionFile, TextsOfAnyShapeComeBackAndDamageIsSkipped)
{
    SavedSession saved{ "2026-12-08 03:40:12", {} };
    saved.state.scriptName = "a\tb.txt";
    saved.state.paragraphs = std::make_shared<const std::vector<std::string>>(
        std::vector<std::string>{ "Two\nlines", "back\\slash\\n", "" });
    saved.state.next = 2;
    saved.state.cues = { { 0.5, 1.25, "Two\nlines" }, { 3600.001, 3601, "tab\there\r" } };
    const std::string text = session::format(saved);
    const std::optional<SavedSession> back = session::parse(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->began, saved.began);
    EXPECT_EQ(back->state.scriptName, saved.state.scriptName);
    EXPECT_EQ(*back->state.paragraphs, *saved.state.paragraphs);
    EXPECT_EQ(back->state.next, 2U);
    EXPECT_EQ(back->state.cues, saved.state.cues);

    // A damaged record is dropped; the rest is kept.
    const std::optional<SavedSession> damaged
        = session::parse(text + "cue\tnot a time\t2\tx\ncue\t7\t8\tlast");
    ASSERT_TRUE(damaged);
    EXPECT_EQ(damaged->state.cues.size(), 3U);
    EXPECT_FALSE(session::parse("cue\t1\t2\tno header\n"));
}

TEST(SessionFile, NamedAfterTheScriptUntilItHoldsACue)
{
    TempDir dir;
    const std::string folder = (dir.path() / "Subclock").string();
    SessionKeeper keeper(folder, "2026-12-08 03:40:12");
    TimingState state;
    ASSERT_TRUE(keeper.save(state));
    EXPECT_EQ(keeper.path(), folder + "/untitled 2026-12-08 034012.session");
    // No cue yet: the file takes the script's name and the old one goes.
    const std::string untitled = keeper.path();
    state.scriptName = "scene.txt";
    state.cues = { { 1, 2, "x" } };
    ASSERT_TRUE(keeper.save(state));
    EXPECT_EQ(keeper.path(), folder + "/scene 2026-12-08 034012.session");
    EXPECT_FALSE(std::filesystem::exists(untitled));
    // With a cue saved, the name stays.
    state.scriptName = "other.txt";
    ASSERT_TRUE(keeper.save(state));
    EXPECT_EQ(keeper.path(), folder + "/scene 2026-12-08 034012.session");

    EXPECT_EQ(session::folder("/data", "/home/u"), "/data/Subclock");
    EXPECT_EQ(session::folder("relative", "/home/u"), "/home/u/.local/share/Subclock");
    EXPECT_EQ(session::folder(nullptr, nullptr), "");
}

// Adds cues one by one for ever, saying after each that its save is done.
[[noreturn]] void timeForEver(const std::string& folder, int done)
{
    double clock = 0;
    TimingSession timing(
        [&] { return clock; }, [&] { return clock; }, folder, "2026-12-08 04:00:00");
    timing.sheet().openScript("kill.txt", { "One", "Two" });
    for (int i = 0;; ++i) {
        clock = i;
        timing.press(HoldToTime::Source::mouse, false);
        clock = i + 0.5;
        timing.release(HoldToTime::Source::mouse, false);
        const char byte = 1;
        if (::write(done, &byte, 1) != 1)
            ::_exit(1);
    }
}

TEST(SessionFile, RestoredAfterTheProcessIsKilledMidSession)
{
    TempDir dir;
    const std::string folder = (dir.path() / "Subclock").string();
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(pipeFds[0]);
        timeForEver(folder, pipeFds[1]);
    }
    ::close(pipeFds[1]);
    // Killed while it goes on saving, at whatever point of a save it has reached.
    constexpr int kSaved = 40;
    char byte;
    for (int i = 0; i < kSaved; ++i)
        ASSERT_EQ(::read(pipeFds[0], &byte, 1), 1);
    ASSERT_EQ(::kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    ::close(pipeFds[0]);

    double clock = 0;
    TimingSession next([&] { return clock; }, [&] { return clock; }, folder, "2026-12-08 05:00:00");
    ASSERT_TRUE(next.offered());
    next.restoreOffered();
    const std::vector<TimedCue>& cues = next.sheet().cues();
    // Every cue whose save was done is back, whole and in order; at most the one being saved
    // when the kill came is missing.
    ASSERT_GE(cues.size(), static_cast<std::size_t>(kSaved));
    for (std::size_t i = 0; i < cues.size(); ++i) {
        EXPECT_EQ(cues[i].start, static_cast<double>(i));
        EXPECT_EQ(cues[i].end, i + 0.5);
        EXPECT_EQ(cues[i].text, i == 0 ? "One" : i == 1 ? "Two" : "");
    }
    EXPECT_EQ(next.sheet().state().scriptName, "kill.txt");
    // It goes on in the same file, and no temporary file was left to be mistaken for a session.
    next.sheet().add(1000, 1001);
    EXPECT_EQ(session::latest(folder), next.sessionPath());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

TEST(CueRecorder, AppendsOneFlushedCuePerCallNumberingOnFromTheFile)
{
    FakeLog log;
    TempDir dir;
    const std::string path
        = dir.write("out.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nOld\r\n\r\n");
    CueRecorder recorder(path);
    ASSERT_TRUE(recorder.isOpen());
    ASSERT_TRUE(recorder.record({ 3, 4.5, "New" }));
    // Readable at once, before the recorder closes.
    EXPECT_EQ(readWhole(path),
        "1\r\n00:00:01,000 --> 00:00:02,000\r\nOld\r\n\r\n"
        "2\r\n00:00:03,000 --> 00:00:04,500\r\nNew\r\n\r\n");
    EXPECT_FALSE(CueRecorder((dir.path() / "no/such/folder.srt").string()).isOpen());
}

} // namespace
