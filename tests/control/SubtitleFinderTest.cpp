// Finding a video's subtitles beside it: names as bytes, and entries that cannot be read.
#include "control/SubtitleFinder.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(SubtitleFinderTest, FindsTheVideosFileWhateverElseTheFolderHolds)
{
    struct Case {
        const char* name;
        std::string video;
        std::vector<std::string> files;
        // Links to nothing, and the first to itself: entries whose file type cannot be read.
        std::vector<std::string> dangling;
        std::string language;
        std::optional<std::string> expected;
    };
    std::vector<std::string> manyDangling;
    for (int i = 0; i < 40; ++i)
        manyDangling.push_back("movie." + std::to_string(i) + ".srt");
    const Case cases[] = {
        { "plain", "movie.mkv", { "movie.srt", "movie.fr.srt" }, {}, "de", "movie.srt" },
        { "in the language", "movie.mkv", { "movie.fr.srt", "movie.de.SRT" }, {}, "de",
            "movie.de.SRT" },
        { "several, none preferred", "movie.mkv", { "movie.fr.srt", "movie.it.srt" }, {}, "de",
            std::nullopt },
        { "Latin-1 name", "caf\xe9.mkv", { "caf\xe9.srt", "cafe.srt" }, {}, "", "caf\xe9.srt" },
        // Whichever order the folder lists them in, the unreadable ones do not end the scan.
        { "beside unreadable entries", "movie.mkv", { "movie.srt" }, manyDangling, "",
            "movie.srt" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        for (const std::string& file : c.files)
            dir.write(file, "");
        for (const std::string& link : c.dangling) {
            const bool loop = &link == c.dangling.data();
            std::filesystem::create_symlink(dir.path() / (loop ? link : "gone"), dir.path() / link);
        }
        const std::optional<std::string> found
            = findSubtitlesFor((dir.path() / c.video).string(), c.language);
        if (c.expected)
            EXPECT_EQ(found, (dir.path() / *c.expected).string());
        else
            EXPECT_EQ(found, std::nullopt);
    }
}

} // namespace
