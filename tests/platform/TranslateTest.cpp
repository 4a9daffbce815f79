// Filling translated patterns: translators reorder the arguments, and an argument is never read
// as a pattern itself.
#include "platform/Translate.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Translate, FillPutsEachArgumentInItsPlace)
{
    struct Case {
        const char* pattern;
        std::string first, second, expected;
    };
    const Case cases[] = {
        { "Following %1.", "mpv", "", "Following mpv." },
        { "%2 から %1", "a.srt", "/films", "/films から a.srt" },
        { "%1 quit at %2", "100%1", "0:42", "100%1 quit at 0:42" }, // not scanned again
        { "50 % and %3", "x", "y", "50 % and %3" }, // no such argument: left as written
        { "%1%", "7", "", "7%" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(fill(c.pattern, { c.first, c.second }), c.expected) << c.pattern;
}

} // namespace
