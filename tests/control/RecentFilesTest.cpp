// The recent files against fakes: awkward names survive their stored form.
#include "control/RecentFiles.h"

#include "TempDir.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Names with the escape characters, and text that looks like an escape, come back whole after
// a restart; a store that refuses the list costs the next run only.
TEST(RecentFiles, AwkwardNamesSurviveARestart)
{
    TempDir dir;
    std::vector<std::string> paths;
    for (const char* name : { "plain.srt", "100%.srt", "a%0Ab.srt", "a%25b.srt", "two\nlines.srt" })
        paths.push_back(dir.write(name, "1\n"));
    FakeStore store;
    FakeReadingView view;
    RecentFiles recent;
    recent.connect(&store, &view);
    recent.restore(std::nullopt);
    for (const std::string& path : paths)
        recent.remember(path);
    const std::vector<std::string> newestFirst(paths.rbegin(), paths.rend());
    EXPECT_EQ(view.recent, newestFirst);
    EXPECT_EQ(recent.dialogFolder(), dir.path().string());

    FakeReadingView again;
    RecentFiles restarted;
    restarted.connect(&store, &again);
    restarted.restore(paths[0]);
    EXPECT_EQ(again.recent, newestFirst);

    store.failWrites = { "recent_files" };
    restarted.remember(paths[0]);
    EXPECT_EQ(again.recent.front(), paths[0]);
    EXPECT_EQ(RecentFiles::split(std::get<std::string>(store.values["recent_files"])), newestFirst);
}

} // namespace
