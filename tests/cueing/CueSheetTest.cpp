// The cue sheet: cues take the script's paragraphs in turn, and every change undoes.
#include "cueing/CueSheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

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

} // namespace
