// Subtitle markup as the panel shows it, and the bound on what a display lays out.
#include "control/SubtitleMarkup.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Runs as "flags#colour:text" joined by "|", "^" first when the subtitle goes at the top.
std::string describe(const StyledText& styled)
{
    std::string out = styled.top ? "^" : "";
    for (const TextRun& run : styled.runs) {
        if (&run != &styled.runs.front())
            out += "|";
        out += std::string(run.italic ? "i" : "") + (run.bold ? "b" : "")
            + (run.underline ? "u" : "") + (run.strike ? "s" : "");
        if (run.rgb) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "#%06x", *run.rgb);
            out += hex;
        }
        out += ":" + run.text;
    }
    return out;
}

TEST(SubtitleMarkup, TagsBlocksAndBrokenMarkup)
{
    const struct {
        const char* raw;
        const char* shown;
    } cases[] = {
        { "plain", ":plain" },
        { "<i>it</i> and <b>bold</b>", "i:it|: and |b:bold" },
        { "<I>upper</I>", "i:upper" },
        { "<i>a<b>b<u>c</u></b></i>d", "i:a|ib:b|ibu:c|:d" },
        // Crossed closing tags still end what they name.
        { "<i>a<b>b</i>c</b>", "i:a|ib:b|b:c" },
        { "<s>gone</s>", "s:gone" },
        // Unclosed: formatting to the end; the text is all there.
        { "<i>never closed\nsecond", "i:never closed\nsecond" },
        // A closing tag that closes nothing, unknown tags, a '<' that starts no tag: as written.
        { "stray</i> tag", ":stray</i> tag" },
        { "<blink>hi</blink>", ":<blink>hi</blink>" },
        { "a < b and c > d", ":a < b and c > d" },
        { "<i", ":<i" },
        { "<font color=\"#ff0000\">red</font> plain", "#ff0000:red|: plain" },
        { "<font color='yellow'>y</font>", "#ffff00:y" },
        { "<FONT COLOR=#0f0>g</FONT>", "#00ff00:g" },
        { "<font color=\"#ff0000\">r<font color=\"blue\">b</font>r</font>",
            "#ff0000:r|#0000ff:b|#ff0000:r" },
        // A font tag without a usable colour is hidden and pairs with its closing tag.
        { "<font face=\"Arial\">f</font>", ":f" },
        { "<font color=\"nonsense\">n</font>", ":n" },
        { "</font>x", ":</font>x" },
        // Override blocks are hidden; \an7..\an9 put the subtitle at the top.
        { "{\\an8}Top", "^:Top" },
        { "{\\an8}", "^" },
        { "{\\an2}Bottom", ":Bottom" },
        { "{\\pos(10,10)\\an9}Top right", "^:Top right" },
        // Their italic, bold, underline, strike-out and colour tags style what follows.
        { "{\\b1}x{\\b0}", "b:x" },
        { "{\\i1}it{\\i0} no", "i:it|: no" },
        { "{\\b700}heavy", "b:heavy" },
        { "{\\u1\\s1}us{\\r}n", "us:us|:n" },
        { "{\\c&H0000FF&}red{\\c} plain", "#ff0000:red|: plain" },
        { "{\\1c&H00FF0000&}blue", "#0000ff:blue" },
        { "{\\c&H0000FF&}<font color=\"lime\">g</font>r", "#00ff00:g|#ff0000:r" },
        // Tags that only start with those letters, karaoke and SubStation's top row.
        { "{\\bord2\\blur3\\shad1\\iclip(0,0,1,1)}x", ":x" },
        { "{\\k20}ka{\\kf30}ra", ":kara" },
        { "{\\a6}top", "^:top" },
        // Overlapping cues stacked: a reset keeps one cue's overrides off the next.
        { "{\\i1}sign\n{\\r}speech", "i:sign\n|:speech" },
        // Braces that are not override blocks, or never close: text.
        { "{sic} {not a block}", ":{sic} {not a block}" },
        { "{\\an8 never closed", ":{\\an8 never closed" },
        { "", "" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(describe(parseSubtitleMarkup(c.raw)), c.shown) << c.raw;
}

TEST(SubtitleMarkup, DisplaysAreBoundedAtACharacterBoundary)
{
    const struct {
        std::string text;
        std::size_t maxBytes, maxLines;
        std::string shown;
    } cases[] = {
        { "short", 10, 3, "short" },
        { "exactly10!", 10, 3, "exactly10!" },
        { "eleven char", 10, 3, "eleven cha\u2026" },
        // "é" is two bytes: never cut in half.
        { "aaaaaaaaa\u00e9", 10, 3, "aaaaaaaaa\u2026" },
        { "1\n2\n3\n4", 100, 3, "1\n2\n3\u2026" },
        { "1\n2\n3", 100, 3, "1\n2\n3" },
        { std::string(5'000'000, 'x'), 4000, 40, std::string(4000, 'x') + "\u2026" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(boundedForDisplay(c.text, c.maxBytes, c.maxLines), c.shown)
            << c.text.substr(0, 20);
    EXPECT_EQ(withoutTrailingBlankLines("two\nlines\n\n \r\n"), "two\nlines");
}

} // namespace
