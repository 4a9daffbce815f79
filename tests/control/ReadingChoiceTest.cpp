// The reading choice against fakes: what a bad read is offered, and what taking it does.
#include "control/ReadingChoice.h"

#include "CapturedOutput.h"
#include "TempDir.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeLog.h"
#include "fakes/FakeStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

namespace {

// "Привет" in Windows-1251, LF line endings.
const std::string kCyrillicLf = "1\n00:00:01,000 --> 00:00:02,000\n\xCF\xF0\xE8\xE2\xE5\xF2\n";

// An offer is made only when it differs from what was chosen by hand; taking it
// switches both menus to it, says so and stores it with Automatic off.
TEST(ReadingChoice, OffersOnlyWhatDiffersFromAHandChoiceAndTakingItStoresIt)
{
    struct Case {
        const char* what;
        std::optional<std::int32_t> encoding; // none: Automatic
        std::optional<std::int32_t> lineEnding;
        bool offered;
    };
    const Case cases[] = {
        { "both Automatic", std::nullopt, std::nullopt, false },
        { "the encoding by hand, wrong", 4, std::nullopt, true },
        { "the line ending by hand, wrong", std::nullopt, 0, true },
        { "both by hand, as the file is", 11, 1, false },
        { "the right encoding, the wrong line ending", 11, 2, true },
    };
    TempDir dir;
    const std::string path = dir.write("film.srt", kCyrillicLf);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeLog log;
        FakeStore store;
        store.values = { { "auto_encoding", c.encoding ? 0 : 1 },
            { "auto_line_ending", c.lineEnding ? 0 : 1 }, { "enc_type", c.encoding.value_or(8) },
            { "return_code", c.lineEnding.value_or(0) } };
        FakeMenu enc, ret;
        for (const char* title : { "Automatic", "CRLF", "LF", "CR" })
            ret.addItemWithTitle(title);
        ret.setTagOfItemWithTitle("Automatic", ReadingChoice::kAutomaticTag);
        ret.setTagOfItemWithTitle("LF", 1);
        ret.setTagOfItemWithTitle("CR", 2);
        std::FILE* out = std::tmpfile();
        ReadingChoice choice;
        choice.connect({ &store, &enc, &ret });
        choice.setStandardOutput(out);
        choice.fillEncodingMenu();
        choice.restore();
        const auto reader = choice.readerFor(path);
        reader->readData();
        const std::optional<Suggestion> offer = choice.offerFor(*reader);
        ASSERT_EQ(offer.has_value(), c.offered);
        if (offer) {
            choice.take(*offer);
            EXPECT_EQ(writtenTo(out), "enccode:11\n");
            const auto lines = log.lines();
            EXPECT_NE(std::find(lines.begin(), lines.end(), "RC_LF"), lines.end());
            EXPECT_EQ(enc.selectedItemTag(), 11);
            EXPECT_EQ(ret.selectedItemTag(), 1);
            const std::map<std::string, FakeStore::Value> stored = { { "enc_type", 11 },
                { "return_code", 1 }, { "auto_encoding", 0 }, { "auto_line_ending", 0 } };
            EXPECT_EQ(store.values, stored);
        }
        std::fclose(out);
    }
}

} // namespace
