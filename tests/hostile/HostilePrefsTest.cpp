// The stored settings through the real Qt store: a last file naming each hostile path, and a
// settings file that is empty, cut short, binary, or in a directory that cannot be written.
// The controller must start, fall back to defaults, and never leave the settings file damaged.
#include "Hostile.h"
#include "control/MainCtrl.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeLog.h"
#include "platform/Encodings.h"
#include "shell/QtPreferences.h"
#include "subtitles/SrtFile.h"

#include <QApplication>
#include <QSettings>

#include <gtest/gtest.h>

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>

namespace {

using namespace hostile;

// A controller wired to fakes, with the real store under test.
struct Player {
    explicit Player(PreferencesStore& store)
    {
        timer.setMessageTextField(&message);
        for (const char* title : { "CRLF", "LF", "CR" })
            retMenu.addItemWithTitle(title);
        retMenu.setTagOfItemWithTitle("LF", 1);
        retMenu.setTagOfItemWithTitle("CR", 2);
        ctrl.connect({ &timer, &startButton, &slider, &label, &panel, &store, &encMenu, &retMenu,
            &dialog, &alert });
        ctrl.setStandardOutput(devNull);
    }
    ~Player()
    {
        timer.stop();
        timer.waitFor();
        std::fclose(devNull);
    }
    void pressStart(const std::string& label)
    {
        withinLimit<int>(label + ": Start", [&] {
            ctrl.click(startButton);
            return 0;
        });
    }
    void stop()
    {
        if (ctrl.started())
            ctrl.click(startButton);
    }

    FakeDisplay message, label{ "(label)" };
    TimerThread timer;
    FakeButton startButton;
    FakeSlider slider;
    FakePanel panel;
    FakeMenu encMenu, retMenu;
    FakeOpenDialog dialog;
    FakeAlert alert;
    std::FILE* devNull = std::fopen("/dev/null", "w");
    MainCtrl ctrl;
};

QString qs(const std::string& path)
{
    return QString::fromStdString(path);
}

std::set<std::string> listing(const std::filesystem::path& dir)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    return names;
}

std::string lastComponent(const std::string& path)
{
    return path.substr(path.rfind('/') + 1);
}

enum class Outcome { Plays, EncodingError, NoSubtitles, NotFound, Forgotten };

struct StoredFileCase {
    std::string label;
    std::function<std::string(const TempDir&)> make;
    Outcome outcome;
    // Done between start-up (which tests that the file exists) and Start.
    std::function<void(const std::string&)> beforeStart = nullptr;
};

TEST(HostilePrefs, StoredLastFileNamingEachHostilePath)
{
    FakeLog log;
    TempDir dir;
    const std::string two = film(2);
    const StoredFileCase cases[] = {
        { "a plain film", [&](const TempDir& d) { return d.write("plain.srt", two); },
            Outcome::Plays },
        { "directory", [](const TempDir& d) { return d.path().string(); }, Outcome::EncodingError },
        { "fifo with no writer", [](const TempDir& d) { return fifo(d, "fifo.srt"); },
            Outcome::EncodingError },
        { "/dev/zero", [](const TempDir&) { return std::string("/dev/zero"); },
            Outcome::EncodingError },
        { "/dev/urandom", [](const TempDir&) { return std::string("/dev/urandom"); },
            Outcome::EncodingError },
        { "missing", [](const TempDir& d) { return (d.path() / "gone.srt").string(); },
            Outcome::Forgotten },
        { "deleted after start-up", [&](const TempDir& d) { return d.write("deleted.srt", two); },
            Outcome::NotFound, [](const std::string& p) { std::filesystem::remove(p); } },
        { "truncated after start-up", [](const TempDir& d) { return d.write("cut.srt", film(9)); },
            Outcome::Plays,
            [](const std::string& p) { ASSERT_EQ(::truncate(p.c_str(), film(2).size()), 0); } },
        { "sparse, 5 GiB", [](const TempDir& d) { return sparseFile(d, "sparse.srt", 5LL << 30); },
            Outcome::EncodingError },
        { "64 MB line without a newline",
            [](const TempDir& d) { return d.write("line.srt", std::string(64 << 20, 'x')); },
            Outcome::NoSubtitles },
        { "only separators",
            [](const TempDir& d) { return d.write("seps.srt", std::string(1 << 20, '\n')); },
            Outcome::NoSubtitles },
        { "binary", [](const TempDir& d) { return d.write("bin.srt", randomBytes(1 << 16, 3)); },
            Outcome::EncodingError },
        { "invalid Shift JIS", [&](const TempDir& d) { return d.write("bad.srt", two + "\xFD"); },
            Outcome::EncodingError },
        { "non-ASCII path", [&](const TempDir& d) { return d.write("字幕 — été.srt", two); },
            Outcome::Plays },
        { "path with newlines", [&](const TempDir& d) { return d.write("a\nb\n.srt", two); },
            Outcome::Plays },
        { "path that is not UTF-8", [&](const TempDir& d) { return d.write("\xFF\xFE.srt", two); },
            Outcome::Plays },
    };

    int n = 0;
    for (const StoredFileCase& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string path = c.make(dir);
        const std::string conf = (dir.path() / ("prefs-" + std::to_string(++n) + ".conf")).string();
        {
            // A user who chose Shift JIS and CRLF by hand, so the hand-picked reader is tested.
            QtPreferences stored(qs(conf));
            stored.setInt("enc_type", 8);
            stored.setInt("return_code", 0);
            stored.setString("last_filename", path);
        }
        const std::string before = readAll(conf);
        ASSERT_FALSE(before.empty());

        QtPreferences store(qs(conf));
        Player player(store);
        withinLimit<int>(c.label + ": start-up", [&] {
            player.ctrl.awakeFromNib();
            return 0;
        });
        const bool roundTrips = store.stringValue("last_filename") == path;
        EXPECT_TRUE(roundTrips);
        const Outcome outcome = roundTrips ? c.outcome : Outcome::Forgotten;
        if (outcome == Outcome::Forgotten) {
            EXPECT_FALSE(player.ctrl.filename().has_value());
            EXPECT_EQ(player.label.text(), "(label)");
        } else {
            EXPECT_EQ(player.ctrl.filename(), path);
            EXPECT_EQ(player.label.text(), lastComponent(path));
        }
        if (c.beforeStart)
            c.beforeStart(path);

        player.pressStart(c.label);
        switch (outcome) {
        case Outcome::Plays:
            EXPECT_TRUE(player.ctrl.started());
            EXPECT_TRUE(player.alert.shown.empty());
            break;
        case Outcome::Forgotten:
            EXPECT_FALSE(player.ctrl.started());
            EXPECT_TRUE(player.alert.shown.empty());
            break;
        case Outcome::NoSubtitles:
            // Said, instead of a clock running over nothing; the file stays chosen.
            EXPECT_FALSE(player.ctrl.started());
            ASSERT_EQ(player.alert.shown.size(), 1U);
            EXPECT_EQ(player.alert.shown[0].first, "No subtitles found in " + lastComponent(path));
            EXPECT_EQ(player.ctrl.filename(), path);
            break;
        case Outcome::EncodingError:
        case Outcome::NotFound:
            EXPECT_FALSE(player.ctrl.started());
            ASSERT_EQ(player.alert.shown.size(), 1U);
            // The known text first; a folder or a pipe also says what it really is.
            EXPECT_EQ(
                player.alert.shown[0].second.substr(0, player.alert.shown[0].second.find('\n')),
                outcome == Outcome::NotFound ? "File not found." : "Encoding Error");
            // A file that does not decode stays chosen; only a vanished one is dropped.
            EXPECT_EQ(player.ctrl.filename().has_value(), outcome == Outcome::EncodingError);
            break;
        }
        if (c.label == "a plain film" || c.label == "truncated after start-up") {
            EXPECT_EQ(player.timer.getMessage(1.2), "Line 1\n");
        }
        player.stop();
        // Start-up and Start write nothing: the stored name stays as it was, even when forgotten.
        EXPECT_EQ(readAll(conf), before);
    }
}

struct DamagedCase {
    std::string label;
    std::optional<std::string> content; // none: no settings file at all
    std::int32_t encoding; // in force after start-up
    std::uint8_t lineEnding;
    bool unchanged; // false where the damaged values are written back
};

// Checks what start-up left: bytes as they were, or a file that parses and holds the values in
// force; and that the controller still plays.
void expectStartsAndLeavesAParsableFile(
    const DamagedCase& c, const std::string& conf, const std::string& filmPath)
{
    QtPreferences store(qs(conf));
    Player player(store);
    EXPECT_NO_THROW(withinLimit<int>(c.label, [&] {
        player.ctrl.awakeFromNib();
        return 0;
    }));
    EXPECT_EQ(player.ctrl.encodingType(), c.encoding);
    EXPECT_EQ(player.ctrl.returnCode(), c.lineEnding);
    EXPECT_FALSE(player.ctrl.filename().has_value());

    const std::string after = readAll(conf);
    if (c.unchanged) {
        EXPECT_EQ(after, c.content.value_or(""));
        EXPECT_EQ(std::filesystem::exists(conf), c.content.has_value());
    } else {
        QSettings reread(qs(conf), QSettings::NativeFormat);
        EXPECT_EQ(reread.status(), QSettings::NoError) << after;
        EXPECT_EQ(reread.value("enc_type").toInt(), c.encoding) << after;
        EXPECT_EQ(reread.value("return_code").toInt(), c.lineEnding) << after;
    }

    // Still plays, in whatever the settings said, whether or not the choice can be stored.
    player.encMenu.selectItemWithTag(encodings::kUtf8);
    player.ctrl.changeEncoding(player.encMenu);
    player.retMenu.selectItemWithTag(SrtFile::kCrLf);
    player.ctrl.changeReturnCode(player.retMenu);
    player.dialog.answer = filmPath;
    player.ctrl.click(FakeControl(MainCtrl::kChooseFile));
    player.pressStart(c.label);
    EXPECT_TRUE(player.ctrl.started());
    EXPECT_EQ(player.timer.getMessage(1.2), "Line 1\n");
    player.stop();
}

const DamagedCase kDamaged[] = {
    { "no settings file", std::nullopt, 8, 0, true },
    { "empty", "", 8, 0, true },
    { "cut in a key", "[General]\nenc_type=4\nreturn_code=1\nlast_filen", 4, 1, true },
    { "cut in the group name", "[Gen", 8, 0, false },
    // Still parses: what was read before the cut stays, and the cut name is simply missing.
    { "cut in a quoted name", "[General]\nenc_type=4\nreturn_code=2\nlast_filename=\"/nowhere/x", 4,
        2, true },
    { "binary", randomBytes(4096, 11), 8, 0, false },
    { "values of the wrong type", "[General]\nenc_type=abc\nreturn_code=@ByteArray(\\x1)\n", 8, 0,
        false },
    { "NUL bytes", std::string("[General]\nenc_type=4\0\x01\x02\nreturn_code=1\n", 38), 4, 1,
        true },
};

TEST(HostilePrefs, DamagedSettingsFileFallsBackAndIsNeverLeftDamaged)
{
    FakeLog log;
    TempDir dir;
    const std::string filmPath = dir.write("film.srt", film(2));
    int n = 0;
    for (const DamagedCase& c : kDamaged) {
        SCOPED_TRACE(c.label);
        const std::string conf
            = (dir.path() / ("damaged-" + std::to_string(++n) + ".conf")).string();
        if (c.content)
            dir.write(conf.substr(conf.rfind('/') + 1), *c.content);
        expectStartsAndLeavesAParsableFile(c, conf, filmPath);
    }
}

// The read-only directory runs in a child process: root writes anywhere, so under root the child
// first becomes nobody.
constexpr const char* kChildFlag = "--read-only-child";

int readOnlyChild(const std::string& conf, const std::string& filmPath)
{
    static int argc = 1;
    static char name[] = "hostile_prefs_tests";
    static char* argv[] = { name, nullptr };
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest();
    // Everything the child sees is checked with the same expectations; failures reach the
    // parent through the exit status and the printed report.
    ::testing::GTEST_FLAG(filter) = "ReadOnlyChild.*";
    static std::string sConf, sFilm;
    sConf = conf;
    sFilm = filmPath;
    struct ChildTest : ::testing::Test {
        void TestBody() override
        {
            FakeLog log;
            const DamagedCase c{ "read-only directory", readAll(sConf), 8, 1, true };
            expectStartsAndLeavesAParsableFile(c, sConf, sFilm);
        }
    };
    ::testing::RegisterTest("ReadOnlyChild", "StartsAndLeavesTheFileAlone", nullptr, nullptr,
        __FILE__, __LINE__, []() -> ::testing::Test* { return new ChildTest; });
    return RUN_ALL_TESTS();
}

TEST(HostilePrefs, SettingsInAReadOnlyDirectoryAreLeftAsTheyWere)
{
    TempDir dir;
    TempDir filmDir;
    const std::string filmPath = filmDir.write("film.srt", film(2));
    const auto settingsDir = dir.path() / "ro";
    std::filesystem::create_directory(settingsDir);
    const std::string conf = (settingsDir / "subclock.conf").string();
    // An unreadable value makes start-up try to write it back.
    const std::string content = "[General]\nenc_type=abc\nreturn_code=1\n";
    std::ofstream(conf) << content;
    ASSERT_EQ(::chmod(conf.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(settingsDir.c_str(), 0555), 0);
    const std::set<std::string> namesBefore = listing(settingsDir);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0) {
            const passwd* nobody = ::getpwnam("nobody");
            if (!nobody || ::setgroups(0, nullptr) != 0
                || ::setresgid(nobody->pw_gid, nobody->pw_gid, nobody->pw_gid) != 0
                || ::setresuid(nobody->pw_uid, nobody->pw_uid, nobody->pw_uid) != 0)
                ::_exit(90);
        }
        const char* argv[]
            = { "hostile_prefs_tests", kChildFlag, conf.c_str(), filmPath.c_str(), nullptr };
        ::execv("/proc/self/exe", const_cast<char* const*>(argv));
        ::_exit(91);
    }
    int status = 0;
    const bool done = withinLimit<bool>(
        "read-only child", [&] { return ::waitpid(child, &status, 0) == child; },
        std::chrono::seconds(60));
    ASSERT_TRUE(done);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
    EXPECT_EQ(readAll(conf), content);
    // No temporary or lock file was left behind either.
    EXPECT_EQ(listing(settingsDir), namesBefore);
    ::chmod(settingsDir.c_str(), 0755);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], kChildFlag) == 0)
        return readOnlyChild(argv[2], argv[3]);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
