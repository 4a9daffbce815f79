// Every format read by content: one reference's times and texts from each, the markup the panel
// gets from WebVTT and ASS, and the rate MicroDVD's frames are counted in.
#include "subtitles/TextFormats.h"

#include "TempDir.h"
#include "autosync/Soundtrack.h"
#include "control/SubtitleMarkup.h"
#include "media/Media.h"
#include "subtitles/SrtFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

const std::string kSamples = SUBCLOCK_SOURCE "/tests/samples/formats/";

std::string contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::unique_ptr<SrtFile> readAutomatically(const std::string& path)
{
    auto reader = SrtFile::file(path, 0, LineEnding::crlf);
    reader->setAutomatic(true, true);
    EXPECT_TRUE(reader->readData()) << path;
    return reader;
}

long long millis(double seconds)
{
    return std::llround(seconds * 1000);
}

TEST(SubtitleFormats, EveryFormatGivesTheReferenceTimesAndTexts)
{
    media::install();
    std::string why;
    ASSERT_TRUE(media::load(&why)) << why;
    const auto reference = readAutomatically(kSamples + "ref.srt");
    ASSERT_EQ(reference->dataArray().size(), 3u);
    const TempDir dir;
    const struct {
        std::string sample;
        std::string savedAs; // the name the bytes are read under; the sample's own when empty
        SubtitleFormat format;
    } cases[] = {
        { "ref.vtt", "", SubtitleFormat::webvtt },
        { "ref.ass", "", SubtitleFormat::ass },
        { "ref.sub", "", SubtitleFormat::microdvd },
        { "ref.mpl2.txt", "", SubtitleFormat::mpl2 },
        { "ref-subviewer.sub", "", SubtitleFormat::subviewer },
        { "ref.smi", "", SubtitleFormat::sami },
        // The name says nothing: the content decides.
        { "ref.vtt", "film.srt", SubtitleFormat::webvtt },
        { "ref.ass", "film.vtt", SubtitleFormat::ass },
        { "ref.srt", "film.ass", SubtitleFormat::subrip },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sample + " as " + c.savedAs);
        const std::string path = c.savedAs.empty()
            ? kSamples + c.sample
            : dir.write(c.savedAs, contents(kSamples + c.sample));
        const auto reader = readAutomatically(path);
        EXPECT_EQ(reader->report().format, c.format);
        const auto& got = reader->dataArray();
        const auto& want = reference->dataArray();
        ASSERT_EQ(got.size(), want.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(millis(got[i]->startTimeData()), millis(want[i]->startTimeData())) << i;
            EXPECT_EQ(millis(got[i]->endTimeData()), millis(want[i]->endTimeData())) << i;
            ASSERT_TRUE(got[i]->message());
            EXPECT_EQ(withoutTrailingBlankLines(*got[i]->message()),
                withoutTrailingBlankLines(*want[i]->message()))
                << i;
        }
    }
}

// Runs as "flags#colour:text" joined by "|", "^" first when the subtitle goes at the top.
std::string describe(const std::string& raw)
{
    const StyledText styled = parseSubtitleMarkup(raw);
    std::string out = styled.top ? "^" : "";
    for (const TextRun& run : styled.runs) {
        out += out.empty() || out == "^" ? "" : "|";
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

TEST(SubtitleFormats, WebVttAndAssMarkupReachesThePanel)
{
    const std::string assHead = "[Script Info]\nScriptType: v4.00+\n\n[V4+ Styles]\n"
                                "Format: Name, PrimaryColour, Bold, Italic, Alignment\n"
                                "Style: Default,&H00FFFFFF,0,0,2\n"
                                "Style: Sign,&H000000FF,-1,-1,8\n\n[Events]\n"
                                "Format: Layer, Start, End, Style, Name, MarginL, MarginR, "
                                "MarginV, Effect, Text\n";
    const auto ass = [&](const std::string& line) {
        return assHead
            + "Dialogue: 0,0:00:01.00,"
              "0:00:02.00,"
            + line + "\n";
    };
    const std::string vtt
        = "WEBVTT\n\nNOTE a note\nthat spans lines\n\nid-1\n00:01.000 --> 00:02.000";
    const struct {
        bool isVtt;
        std::string text;
        const char* shown; // the entries, one described per line; "" when none was read
    } cases[] = {
        { true, vtt + " line:0%\n<b.loud>bold</b> <c.yellow.bg_blue>y</c> <v Bob>hi</v> &amp;\n",
            "^b:bold|: |#ffff00:y|: hi &" },
        { true, vtt + " line:90% align:start\n<i>i</i><u>u</u><00:01.500>k\nnext line\n",
            "i:i|u:u|:k\nnext line" },
        { true, vtt + " line:3\n<c>plain class</c>\n", "^:plain class" },
        { true, vtt + " line:-1\n<lang en>as written</lang> 1 < 2\n", ":as written 1 < 2" },
        // Escaped tags are text, not the panel's markup.
        { true, vtt + "\na &lt;i&gt;b&lt;/i&gt; c\n", ":a <\u2060i>b<\u2060/i> c" },
        // The style's bold, italic, colour and placement, then the event's own overrides.
        { false, ass("Sign,,0,0,0,,Sign text"), "^ib#ff0000:Sign text" },
        { false, ass("Default,,0,0,0,,{\\i1}a{\\i0} {\\c&H00FF00&}g\\hx\\Ny"),
            "i:a|: |#00ff00:g x\ny" },
        // Karaoke shows its syllables; a drawing never shows, nor does an event of nothing else.
        { false, ass("Default,,0,0,0,,{\\k20}ka{\\kf30}ra{\\p1}m 0 0 l 10 10{\\p0}oke"),
            ":karaoke" },
        { false, ass("Default,,0,0,0,,{\\p1}m 0 0 l 10 10 l 0 10"), "" },
        { false, ass("Default,,0,0,0,,{a comment}text, with commas"), ":text, with commas" },
    };
    for (const auto& c : cases) {
        SrtMessageList entries;
        if (c.isVtt)
            textformats::readWebVtt(c.text, entries);
        else
            textformats::readAss(c.text, entries);
        std::string shown;
        for (const auto& e : entries)
            shown.append(shown.empty() ? "" : "\n").append(describe(e->message().value_or("")));
        EXPECT_EQ(shown, c.shown) << c.text;
    }
}

TEST(SubtitleFormats, MicroDvdRateFromTheFileThenTheVideoThenTheDefault)
{
    const struct {
        std::string text;
        std::optional<double> video; // what the followed video says
        double fps;
        int videoAsked;
        std::string status; // the status line's end
    } cases[] = {
        { "{1}{1}25\n{25}{50}a", std::nullopt, 25, 0, "MicroDVD \u00B7 UTF-8" },
        { "{1}{1}25\n{25}{50}a", 50.0, 25, 0, "MicroDVD \u00B7 UTF-8" },
        { "{25}{50}a", 25.0, 25, 1, "MicroDVD \u00B7 UTF-8" },
        { "{24}{48}a", std::nullopt, 23.976, 1, "UTF-8 \u00B7 23.976 fps assumed" },
    };
    const TempDir dir;
    for (const auto& c : cases) {
        auto reader = SrtFile::file(dir.write("film.sub", c.text), 0, LineEnding::crlf);
        reader->setAutomatic(true, true);
        int asked = 0;
        reader->setVideoFrameRate([&] {
            ++asked;
            return c.video;
        });
        ASSERT_TRUE(reader->readData()) << c.text;
        EXPECT_EQ(asked, c.videoAsked) << c.text;
        ASSERT_EQ(reader->dataArray().size(), 1u) << c.text;
        const double frames = c.text.starts_with("{24}") ? 24 : 25;
        EXPECT_DOUBLE_EQ(reader->dataArray()[0]->startTimeData(), frames / c.fps) << c.text;
        const std::string status = reporting::statusLine(reader->report());
        EXPECT_TRUE(status.ends_with(c.status)) << status;
    }
}

// The rate a followed video gives comes from the file itself, through the media library.
TEST(SubtitleFormats, AVideosFrameRateIsReadFromTheFile)
{
    if (std::system("command -v ffmpeg >/dev/null 2>&1") != 0) {
        if (std::getenv("SUBCLOCK_E2E_REQUIRED"))
            FAIL() << "missing: ffmpeg";
        GTEST_SKIP() << "ffmpeg is not installed";
    }
    media::install();
    const TempDir dir;
    const std::string video = (dir.path() / "film.mkv").string();
    ASSERT_EQ(std::system(("ffmpeg -v quiet -f lavfi -i testsrc=size=64x48:rate=25:duration=0.4 "
                           "-c:v ffv1 '"
                  + video + "'")
                              .c_str()),
        0);
    const std::optional<double> fps = autosync::videoFrameRate(video);
    ASSERT_TRUE(fps.has_value());
    EXPECT_DOUBLE_EQ(*fps, 25);
    EXPECT_FALSE(autosync::videoFrameRate(dir.write("not-a-video.mkv", "text")).has_value());
}

} // namespace
