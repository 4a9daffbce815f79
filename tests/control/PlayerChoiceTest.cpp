// Which player to follow, and which subtitles belong to a video.
#include "control/PlayerChoice.h"
#include "control/SubtitleFinder.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

const std::vector<PlayerInfo> kPlayers = {
    { "org.mpris.MediaPlayer2.chromium.instance12", "Chromium", false, {} },
    { "org.mpris.MediaPlayer2.vlc", "VLC media player", true, {} },
    { "org.mpris.MediaPlayer2.chromium.instance40", "Chromium", true, {} },
    { "org.mpris.MediaPlayer2.odd", "", false, {} },
};

TEST(PlayerChoiceTest, TitlesNameThePageOrTheBusWhereIdentitiesClash)
{
    EXPECT_EQ(playerTitles(kPlayers),
        (std::vector<std::string>{ "Chromium (org.mpris.MediaPlayer2.chromium.instance12)",
            "VLC media player", "Chromium (org.mpris.MediaPlayer2.chromium.instance40)",
            "org.mpris.MediaPlayer2.odd" }));
    // Browser windows are told apart by their pages while the pages differ.
    std::vector<PlayerInfo> tabs = { kPlayers[0], kPlayers[2], kPlayers[1] };
    tabs[0].mediaTitle = "Lecture 3";
    tabs[1].mediaTitle = "News";
    tabs[2].mediaTitle = "News";
    EXPECT_EQ(playerTitles(tabs),
        (std::vector<std::string>{
            "Chromium \u2013 Lecture 3", "Chromium \u2013 News", "VLC media player" }));
    tabs[0].mediaTitle = "News";
    EXPECT_EQ(playerTitles(tabs)[1], "Chromium (org.mpris.MediaPlayer2.chromium.instance40)");
}

TEST(PlayerChoiceTest, ChoosesByNameOrTheFirstPlaying)
{
    struct Case {
        std::string name;
        std::optional<std::size_t> expected;
    };
    for (const Case& c : { Case{ "", 1 }, Case{ "vlc", 1 }, Case{ "media PLAYER", 1 },
             Case{ "instance40", 2 }, Case{ "chromium", 0 }, Case{ "mpv", std::nullopt } })
        EXPECT_EQ(choosePlayer(kPlayers, c.name), c.expected) << "name " << c.name;
    // Nobody playing: the first; nobody there: none yet.
    EXPECT_EQ(choosePlayer({ kPlayers[0], kPlayers[3] }, ""), 0U);
    EXPECT_EQ(choosePlayer({}, ""), std::nullopt);

    EXPECT_EQ(storedPlayerName("org.mpris.MediaPlayer2.chromium.instance40"), "chromium");
    EXPECT_EQ(storedPlayerName("org.mpris.MediaPlayer2.mpv"), "mpv");
}

TEST(PlayerChoiceTest, FindsTheSubtitlesBesideAVideo)
{
    struct Case {
        std::vector<std::string> files;
        std::string language;
        std::optional<std::string> expected;
    };
    const std::vector<Case> cases = {
        { { "movie.srt", "movie.en.srt", "movie.de.srt" }, "de", "movie.srt" },
        { { "movie.en.srt", "movie.de.srt" }, "de", "movie.de.srt" },
        { { "movie.en.srt", "movie.de.srt" }, "fr", std::nullopt },
        { { "movie.en.srt", "movie.de.srt" }, "", std::nullopt },
        { { "movie.forced.SRT", "other.srt" }, "en", "movie.forced.SRT" },
        { { "movie.txt", "movies.srt.bak", "other.srt" }, "en", std::nullopt },
        { { "Movie.srt" }, "en", std::nullopt },
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.write("movie.mkv", "");
        for (const std::string& f : c.files)
            dir.write(f, "1\n00:00:01,000 --> 00:00:02,000\nx\n");
        const auto found = findSubtitlesFor((dir.path() / "movie.mkv").string(), c.language);
        const auto expected = c.expected
            ? std::optional<std::string>((dir.path() / *c.expected).string())
            : std::nullopt;
        EXPECT_EQ(found, expected) << c.files.front() << " " << c.language;
    }
    // A folder named like subtitles is not a file.
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "movie.srt");
    EXPECT_EQ(findSubtitlesFor((dir.path() / "movie.mkv").string(), ""), std::nullopt);

    EXPECT_EQ(localeLanguage("de_AT.UTF-8"), "de");
    EXPECT_EQ(localeLanguage("C.UTF-8"), "");
}

} // namespace
