// Which second file went with each first file, kept across runs.
#include "control/SecondTrackMemory.h"

#include "fakes/FakeStore.h"

#include <gtest/gtest.h>

TEST(SecondTrackMemory, RoundTripsThroughTheStoreAndRefusesWhatCannotBeToldApart)
{
    const struct {
        std::string first;
        std::optional<std::string> second;
        std::optional<std::string> found; // after a load from the store
    } cases[] = {
        { "/films/a.en.srt", "/films/a.de.srt", "/films/a.de.srt" },
        { "/films/b.srt", "/other/b ü.srt", "/other/b ü.srt" },
        // Forgotten again.
        { "/films/c.srt", std::nullopt, std::nullopt },
        // A tab would split the stored line in the wrong place.
        { "/films/d.srt", "/films/d\t2.srt", std::nullopt },
        { "/films/e\n.srt", "/films/e.de.srt", std::nullopt },
    };
    FakeStore store;
    SecondTrackMemory memory;
    memory.remember(store, "/films/c.srt", std::string("/films/c.de.srt"));
    for (const auto& c : cases)
        memory.remember(store, c.first, c.second);
    SecondTrackMemory again;
    again.load(store);
    for (const auto& c : cases)
        EXPECT_EQ(again.find(c.first), c.found) << c.first;
    // Newest first, as the list is cut at its capacity.
    EXPECT_EQ(SecondTrackMemory::parse(*store.stringValue("second_tracks")).front().first,
        "/films/b.srt");
}
