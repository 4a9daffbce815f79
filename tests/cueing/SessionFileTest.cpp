// The session file, including after the process is killed mid-session.
#include "cueing/SessionFile.h"
#include "cueing/CueSession.h"

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
    CueState state;
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
    CueSession session([&] { return clock; }, [&] { return clock; }, folder, "2026-12-08 04:00:00");
    session.sheet().openScript("kill.txt", { "One", "Two" });
    for (int i = 0;; ++i) {
        clock = i;
        session.press(HoldToTime::Source::mouse, false);
        clock = i + 0.5;
        session.release(HoldToTime::Source::mouse, false);
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
    CueSession next([&] { return clock; }, [&] { return clock; }, folder, "2026-12-08 05:00:00");
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

} // namespace
