// The controller against fakes: transport, file choice, failures, and the stored settings.
#include "control/MainCtrl.h"

#include "CapturedOutput.h"
#include "fakes/ControllerRig.h"
#include "platform/Encodings.h"
#include "subtitles/SrtFile.h"
#include "subtitles/SrtWriter.h"
#include "subtitles/TimeEntry.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <thread>

namespace {

const std::string kSjisFilm = "1\r\n00:00:00,000 --> 00:10:00,000\r\n\x93\xFA\x96\x7B\r\n\r\n"
                              "2\r\n00:10:00,000 --> 00:20:00,000\r\nSecond\r\n";

bool contains(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

class MainCtrlTest : public ::testing::Test, public ControllerRig {
protected:
    MainCtrlTest()
    {
        for (const char* title : { "Automatic", "CRLF", "LF", "CR" })
            retMenu.addItemWithTitle(title);
        retMenu.setTagOfItemWithTitle("Automatic", MainCtrl::kAutomaticTag);
        retMenu.setTagOfItemWithTitle("LF", 1);
        retMenu.setTagOfItemWithTitle("CR", 2);
    }

    void choose(const std::string& path)
    {
        dialog.answer = path;
        ctrl.click(FakeControl(MainCtrl::kChooseFile));
    }
    void pressStartStop() { ctrl.click(startButton); }

    std::string printed() const { return writtenTo(out); }
};

TEST_F(MainCtrlTest, StartWithNoFileStaysStoppedQuietly)
{
    pressStartStop();
    EXPECT_FALSE(ctrl.started());
    EXPECT_EQ(startButton.title, "Start");
    EXPECT_TRUE(alert.shown.empty());
    for (const auto& line : log.lines())
        EXPECT_NE(line.rfind("size:", 0), 0U) << line;
}

TEST_F(MainCtrlTest, StartPlaysTheChosenFileAndStopKeepsThePosition)
{
    const std::string path = dir.write("film.srt", kSjisFilm);
    choose(path);
    pressStartStop();
    EXPECT_TRUE(ctrl.started());
    EXPECT_EQ(startButton.title, "Stop");
    EXPECT_TRUE(contains(log.lines(), "size:" + std::to_string(kSjisFilm.size())));
    // Shift JIS is the default encoding, CRLF the default line ending.
    ASSERT_TRUE(message.waitFor("\xE6\x97\xA5\xE6\x9C\xAC\n"));
    ASSERT_TRUE(message2.waitFor("\xE6\x97\xA5\xE6\x9C\xAC\n"));
    pressStartStop();
    EXPECT_FALSE(ctrl.started());
    EXPECT_EQ(startButton.title, "Start");
    EXPECT_FALSE(timer.isRunning());
    EXPECT_GT(timer.getPosition(), 0.0);
}

TEST_F(MainCtrlTest, MissingFileAlertsAndDropsTheFileAndTheList)
{
    const std::string path = dir.write("film.srt", kSjisFilm);
    choose(path);
    pressStartStop();
    pressStartStop();
    std::filesystem::remove(path);

    pressStartStop();
    EXPECT_FALSE(ctrl.started());
    EXPECT_EQ(startButton.title, "Start");
    ASSERT_EQ(alert.shown.size(), 1U);
    EXPECT_EQ(alert.shown[0], std::make_pair(std::string("Error"), std::string("File not found.")));
    EXPECT_FALSE(ctrl.filename().has_value());
    EXPECT_EQ(label.text(), "");
    EXPECT_EQ(timer.getMessage(1.0), std::nullopt);
    // The stored last file is left as it was.
    EXPECT_EQ(std::get<std::string>(store.values["last_filename"]), path);
}

TEST_F(MainCtrlTest, UndecodableFileAlertsAndKeepsFileAndList)
{
    const std::string path = dir.write("film.srt", kSjisFilm);
    choose(path);
    pressStartStop();
    pressStartStop();
    // A lone lead byte is not Shift JIS.
    dir.write("film.srt", kSjisFilm + "\x93");

    pressStartStop();
    EXPECT_FALSE(ctrl.started());
    EXPECT_EQ(startButton.title, "Start");
    ASSERT_EQ(alert.shown.size(), 1U);
    EXPECT_EQ(alert.shown[0], std::make_pair(std::string("Error"), std::string("Encoding Error")));
    EXPECT_EQ(ctrl.filename(), path);
    EXPECT_EQ(timer.getMessage(700.0), std::string("Second\n"));
}

TEST_F(MainCtrlTest, SkipsMoveThePositionNeverBelowZero)
{
    slider.value = 10.0;
    timer.seek(5.0);
    ctrl.click(FakeControl(MainCtrl::kRewind));
    EXPECT_EQ(timer.getPosition(), 0.0);

    slider.value = 42.5;
    ctrl.click(FakeControl(MainCtrl::kFastForward));
    EXPECT_EQ(timer.getPosition(), 42.5);
    // While stopped the time and the subtitle there show at once (none here: no file).
    EXPECT_EQ(time.text(), "00:00:42:500");
    EXPECT_EQ(message.text(), "");

    ctrl.click(FakeControl(MainCtrl::kReset));
    EXPECT_EQ(timer.getPosition(), 0.0);
    EXPECT_EQ(time.text(), "");

    // Unknown tags do nothing.
    ctrl.click(FakeControl(99));
    EXPECT_EQ(timer.getPosition(), 0.0);
}

TEST_F(MainCtrlTest, ChoosingAFileStoresItResetsAndFrontsThePanel)
{
    timer.seek(30.0);
    const std::string path = dir.write("film.srt", "not even subtitles \xFF");
    choose(path);
    EXPECT_EQ(dialog.lastTypes,
        (std::vector<std::string>{
            "srt", "txt", "vtt", "ass", "ssa", "sub", "smi", "sami", "'TEXT'" }));
    EXPECT_FALSE(dialog.lastDirectory.empty());
    EXPECT_EQ(label.text(), "film.srt");
    EXPECT_EQ(timer.getPosition(), 0.0);
    EXPECT_EQ(time.text(), "");
    EXPECT_EQ(panel.fronts, 1);
    EXPECT_EQ(std::get<std::string>(store.values["last_filename"]), path);
    const auto lines = log.lines();
    EXPECT_TRUE(contains(lines, "SelectFile"));
    EXPECT_TRUE(contains(lines, path));

    // Stored even though it will not decode.
    pressStartStop();
    EXPECT_EQ(alert.shown.size(), 1U);
    EXPECT_EQ(std::get<std::string>(store.values["last_filename"]), path);

    // Cancelling logs it, keeps the file, and still fronts the panel.
    dialog.answer.reset();
    ctrl.click(FakeControl(MainCtrl::kChooseFile));
    EXPECT_TRUE(contains(log.lines(), "Cancel"));
    EXPECT_EQ(ctrl.filename(), path);
    EXPECT_EQ(panel.fronts, 2);
}

TEST_F(MainCtrlTest, FileChosenWhilePlayingRestartsFromZeroWithItsOwnSubtitles)
{
    choose(dir.write("old.srt", kSjisFilm));
    timer.seek(700.0);
    pressStartStop();
    ASSERT_TRUE(message.waitFor("Second\n"));

    choose(dir.write("new.srt", "1\r\n00:00:00,000 --> 00:20:00,000\r\nNew\r\n"));
    EXPECT_TRUE(ctrl.started());
    // Back at 0, showing the new file's subtitles without a stop.
    ASSERT_TRUE(message.waitFor("New\n"));
    ASSERT_TRUE(message2.waitFor("New\n"));
    EXPECT_TRUE(timer.isRunning());
    EXPECT_LT(timer.getPosition(), 600.0);
}

TEST_F(MainCtrlTest, PathsThatAreNotFilesAreRefusedKeepingTheChosenFile)
{
    const std::string film = dir.write("film.srt", kSjisFilm);
    choose(film);
    const std::string folder = (dir.path() / "folder").string();
    std::filesystem::create_directory(folder);
    const std::pair<std::string, std::string> cases[] = {
        { (dir.path() / "missing.srt").string(), "File not found." },
        { folder,
            "\u201C"
            "folder\u201D is a folder, a pipe or a device, not a file." },
    };
    for (const auto& [path, why] : cases) {
        alert.shown.clear();
        EXPECT_FALSE(ctrl.openFile(path)) << path;
        ASSERT_EQ(alert.shown.size(), 1U) << path;
        EXPECT_EQ(alert.shown[0].second, why);
        EXPECT_EQ(ctrl.filename(), film);
        EXPECT_EQ(label.text(), "film.srt");
        EXPECT_EQ(std::get<std::string>(store.values["last_filename"]), film);
    }
    // Explicit play and pause are safe to repeat.
    ctrl.play();
    ctrl.play();
    EXPECT_TRUE(ctrl.started());
    ctrl.pause();
    ctrl.pause();
    EXPECT_FALSE(ctrl.started());
    EXPECT_FALSE(timer.isRunning());
}

// --- Stored settings ---

TEST_F(MainCtrlTest, FirstRunStartsOnAutomatic)
{
    ctrl.awakeFromNib();
    EXPECT_TRUE(ctrl.automaticEncoding());
    EXPECT_TRUE(ctrl.automaticLineEnding());
    // The explicit values behind Automatic are still the old defaults.
    EXPECT_EQ(ctrl.encodingType(), 8);
    EXPECT_EQ(ctrl.returnCode(), 0);
    EXPECT_FALSE(ctrl.filename().has_value());
    EXPECT_EQ(encMenu.selectedTag(), MainCtrl::kAutomaticTag);
    EXPECT_EQ(retMenu.selectedTag(), MainCtrl::kAutomaticTag);
    EXPECT_EQ(label.text(), "(label)");
    // "Automatic" first, then every encoding, tagged with its identifier.
    ASSERT_EQ(encMenu.items.size(), encodings::availableStringEncodings().size() + 1);
    EXPECT_EQ(encMenu.items[0].title, "Automatic");
    EXPECT_EQ(encMenu.items[1].title, encodings::availableStringEncodings()[0].name);
    EXPECT_TRUE(store.writes.empty());
}

TEST_F(MainCtrlTest, StoredSettingsAreRestoredAndUsedAtTheNextStart)
{
    const std::string path
        = dir.write("utf8.srt", "1\r00:00:00,000 --> 00:10:00,000\rcaf\xC3\xA9\r");
    store.values = { { "enc_type", 4 }, { "return_code", 2 + 256 }, { "last_filename", path } };
    ctrl.awakeFromNib();
    EXPECT_EQ(ctrl.encodingType(), 4);
    // Only the low 8 bits of a stored return code count.
    EXPECT_EQ(ctrl.returnCode(), 2);
    EXPECT_EQ(encMenu.selectedTag(), 4);
    EXPECT_EQ(retMenu.selectedTag(), 2);
    EXPECT_EQ(label.text(), "utf8.srt");
    EXPECT_EQ(ctrl.filename(), path);

    pressStartStop();
    ASSERT_TRUE(message.waitFor("caf\xC3\xA9\n"));
}

TEST_F(MainCtrlTest, StoredFileThatNoLongerOpensIsForgottenForThisRunOnly)
{
    const std::string gone = (dir.path() / "gone.srt").string();
    store.values = { { "last_filename", gone } };
    ctrl.awakeFromNib();
    EXPECT_FALSE(ctrl.filename().has_value());
    EXPECT_EQ(label.text(), "(label)");
    EXPECT_EQ(std::get<std::string>(store.values["last_filename"]), gone);
}

TEST_F(MainCtrlTest, StoreErrorsAreHandledPerKey)
{
    struct Case {
        const char* key;
        bool writtenBack;
    };
    for (const Case c :
        { Case{ "enc_type", true }, Case{ "return_code", true }, Case{ "last_filename", false } }) {
        FakeStore s;
        s.storeErrorOn = { c.key };
        FakeMenu enc, ret;
        for (const char* title : { "CRLF", "LF", "CR" })
            ret.addItemWithTitle(title);
        MainCtrl m;
        m.connect(
            { &timer, &startButton, &slider, &label, &panel, &s, &enc, &ret, &dialog, &alert });
        EXPECT_NO_THROW(m.awakeFromNib()) << c.key;
        EXPECT_EQ(s.writes.count(c.key) > 0, c.writtenBack) << c.key;
        // A damaged value is an explicit choice written back; an absent one leaves Automatic.
        EXPECT_EQ(enc.selectedTag(), std::string(c.key) == "enc_type" ? 8 : MainCtrl::kAutomaticTag)
            << c.key;
        EXPECT_EQ(ret.selectedTag(), 0) << c.key;
        EXPECT_FALSE(m.filename().has_value()) << c.key;
    }
    // A written-back value replaces the damaged one.
    store.values = { { "enc_type", std::string("abc") } };
    ctrl.awakeFromNib();
    EXPECT_EQ(std::get<std::int32_t>(store.values["enc_type"]), 8);
}

TEST_F(MainCtrlTest, OtherFailuresPassOnWithTheMenuStillSelected)
{
    store.otherErrorOn = { "enc_type" };
    EXPECT_THROW(ctrl.loadDefaultValues(), std::logic_error);
    EXPECT_EQ(encMenu.selections, 1);
    // The steps after the failing one did not run.
    EXPECT_EQ(retMenu.selections, 0);

    // A failing write-back is passed on too, after the selection.
    FakeStore s;
    s.storeErrorOn = { "return_code" };
    s.failWrites = { "return_code" };
    ctrl.connect(
        { &timer, &startButton, &slider, &label, &panel, &s, &encMenu, &retMenu, &dialog, &alert });
    EXPECT_THROW(ctrl.loadDefaultValues(), PreferencesError);
    EXPECT_EQ(retMenu.selectedTag(), 0);
}

TEST_F(MainCtrlTest, StoredValuesOutsideTheMenusAreWrittenBack)
{
    const std::string path = dir.write("film.srt", kSjisFilm);
    struct Case {
        const char* key;
        std::int32_t stored;
        std::int32_t inForce;
    };
    for (const Case c : { Case{ "enc_type", 999, 8 }, Case{ "enc_type", 0, 8 },
             Case{ "return_code", 7, 0 }, Case{ "return_code", -1, 0 } }) {
        FakeStore s;
        s.values = { { c.key, c.stored }, { "last_filename", path } };
        FakeMenu enc, ret;
        for (const char* title : { "CRLF", "LF", "CR" })
            ret.addItemWithTitle(title);
        ret.setTagOfItemWithTitle("LF", 1);
        ret.setTagOfItemWithTitle("CR", 2);
        MainCtrl m;
        m.connect(
            { &timer, &startButton, &slider, &label, &panel, &s, &enc, &ret, &dialog, &alert });
        m.awakeFromNib();
        const bool isEnc = std::string(c.key) == "enc_type";
        EXPECT_EQ(isEnc ? m.encodingType() : m.returnCode(), c.inForce) << c.key << c.stored;
        EXPECT_EQ((isEnc ? enc : ret).selectedTag(), c.inForce) << c.key << c.stored;
        EXPECT_EQ(std::get<std::int32_t>(s.values[c.key]), c.inForce) << c.key << c.stored;
        // The value in force reads the file.
        m.click(startButton);
        EXPECT_TRUE(m.started()) << c.key << c.stored;
        m.pause();
    }
}

TEST_F(MainCtrlTest, ChangingEncodingAndLineEndingStoresThem)
{
    ctrl.awakeFromNib();
    // No selected item: the encoding is left alone, the line ending counts as CRLF.
    FakeMenu empty;
    ctrl.changeEncoding(empty);
    EXPECT_EQ(store.writes.count("enc_type"), 0U);
    EXPECT_EQ(printed(), "");
    ctrl.changeReturnCode(empty);
    EXPECT_TRUE(contains(log.lines(), "RC_CRLF"));
    EXPECT_EQ(std::get<std::int32_t>(store.values["return_code"]), 0);

    encMenu.selectItemWithTag(4);
    ctrl.changeEncoding(encMenu);
    EXPECT_EQ(printed(), "enccode:4\n");
    EXPECT_EQ(std::get<std::int32_t>(store.values["enc_type"]), 4);
    EXPECT_EQ(ctrl.encodingType(), 4);

    retMenu.selectItemWithTag(2);
    ctrl.changeReturnCode(retMenu);
    EXPECT_TRUE(contains(log.lines(), "RC_CR"));
    EXPECT_EQ(ctrl.returnCode(), 2);
    retMenu.selectItemWithTag(1);
    ctrl.changeReturnCode(retMenu);
    EXPECT_TRUE(contains(log.lines(), "RC_LF"));
    EXPECT_EQ(std::get<std::int32_t>(store.values["return_code"]), 1);

    // An unknown tag keeps the line ending but still stores it.
    retMenu.items[0].tag = 9;
    retMenu.selectItemWithTag(9);
    ctrl.changeReturnCode(retMenu);
    EXPECT_EQ(ctrl.returnCode(), 1);
    EXPECT_EQ(store.writes["return_code"], 4);
}

TEST_F(MainCtrlTest, CatchingTwoLinesOfAResampledFileSolvesItsSpeed)
{
    FakeDisplay timing, status;
    ctrl.connect({ &timer, &startButton, &slider, &label, &panel, &store, &encMenu, &retMenu,
        &dialog, &alert, nullptr, nullptr, &timing, &status });
    // Four lines of a film, as a file made for 23.976 fps and 2 s late would have them.
    const double original[] = { 1.0, 4.48, 88.98, 92.2 };
    const auto resampled = [](double s) { return s * 25.0 / (24000.0 / 1001.0) + 2.0; };
    std::string srt;
    for (int i = 0; i < 4; ++i) {
        srt += std::to_string(i + 1) + "\r\n" + srtTime(resampled(original[i])) + " --> "
            + srtTime(resampled(original[i]) + 2) + "\r\nLine " + std::to_string(i + 1)
            + "\r\n\r\n";
    }
    store.values = { { "enc_type", 4 } };
    ctrl.awakeFromNib();
    const std::string path = dir.write("film.srt", srt);
    ASSERT_TRUE(ctrl.openFile(path));

    // Stepping: to inside the first line, which shows at once; nothing before it.
    ctrl.nextSubtitle();
    EXPECT_NEAR(timer.getPosition(), resampled(1.0), 0.001);
    EXPECT_EQ(message.text(), "Line 1\n");
    ctrl.previousSubtitle();
    EXPECT_NEAR(timer.getPosition(), resampled(1.0), 0.001);

    // First catch: a delay only.
    ctrl.seekTo(1.0);
    ctrl.catchLine(true);
    EXPECT_NEAR(timer.timing().delay, 1.0 - resampled(1.0), 0.001);
    EXPECT_EQ(timer.timing().speed, 1.0);
    EXPECT_EQ(message.text(), "");
    // Line 3 comes next at this point; pressed again at once, the catch moves on to line 4.
    ASSERT_TRUE(ctrl.goToTime("1:32.2"));
    ctrl.catchLine(true);
    EXPECT_NE(status.text().find("line 3"), std::string::npos) << status.text();
    ctrl.catchLine(true);
    EXPECT_NE(status.text().find("23.976 → 25 fps"), std::string::npos) << status.text();
    EXPECT_NE(timing.text().find("(23.976 → 25 fps)"), std::string::npos) << timing.text();
    for (const double s : original)
        EXPECT_NEAR(timer.timing().toClock(resampled(s)), s, 0.001) << s;
    EXPECT_NE(std::get<std::string>(store.values["file_timing"]).find(path), std::string::npos);

    // A bad time is refused with the forms; the clock stays.
    EXPECT_FALSE(ctrl.goToTime("1:75"));
    ASSERT_EQ(alert.shown.size(), 1U);
    EXPECT_EQ(alert.shown[0].second, kTimeEntryForms);
    EXPECT_NEAR(timer.getPosition(), 92.2, 1e-5);
    EXPECT_EQ(time.text(), "00:01:32:200");

    ctrl.shiftDelay(0.1);
    ctrl.shiftDelay(0.1);
    ctrl.resetTiming();
    EXPECT_TRUE(timer.timing().isIdentity());
    EXPECT_EQ(timing.text(), "");
    EXPECT_EQ(store.values["file_timing"], FakeStore::Value(std::string()));

    // With a split in force (a sync found a cut before line 3), a catch moves both sides alike.
    const Timing cut{ 0.5, 1.0, resampled(original[2]) - 0.5, -3.0 };
    ctrl.timing().setTiming(cut);
    ctrl.seekTo(cut.toClock(resampled(original[0])) + 0.25);
    ctrl.catchLine(false);
    EXPECT_NEAR(timer.timing().delay, 0.75, 0.001);
    EXPECT_NEAR(timer.timing().delayAfter, -2.75, 0.001);
    EXPECT_EQ(timer.timing().splitAt, cut.splitAt);
}

} // namespace

// --- Automatic, fixes, reloads and recent files ---

// "Привет, мир!" in Windows-1251 with LF line endings.
const std::string kCyrillicLfFilm = "1\n00:00:00,000 --> 00:10:00,000\n\xCF\xF0\xE8\xE2\xE5\xF2, "
                                    "\xEC\xE8\xF0!\n\n2\n00:10:00,000 --> 00:20:00,000\nSecond\n";
const std::string kCyrillicText = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82, "
                                  "\xD0\xBC\xD0\xB8\xD1\x80!\n";

TEST_F(MainCtrlTest, AFailedOrEmptyReadOffersWhatTheFileLooksLike)
{
    struct Case {
        const char* what;
        std::string film;
        std::int32_t encoding;
        std::string message;
        std::string informative;
    };
    const Case cases[] = {
        { "undecodable as chosen", kCyrillicLfFilm, 4, "Error", "Encoding Error" },
        { "no subtitles as chosen", kCyrillicLfFilm, 11, "No subtitles found in film.srt", "" },
    };
    for (const Case& c : cases) {
        for (const bool take : { false, true }) {
            SCOPED_TRACE(std::string(c.what) + (take ? ", taken" : ", declined"));
            FakeAlert a;
            a.takeOffer = take;
            FakeStore st;
            st.values = { { "enc_type", c.encoding }, { "return_code", 0 } };
            TimerThread th;
            MainCtrl m;
            m.connect({ &th, &startButton, &slider, &label, &panel, &st, &encMenu, &retMenu,
                &dialog, &a, nullptr, nullptr, nullptr, nullptr, &view });
            m.setStandardOutput(out);
            m.awakeFromNib();
            ASSERT_TRUE(m.openFile(dir.write("film.srt", c.film)));
            m.click(startButton);
            ASSERT_EQ(a.shown.size(), 1U);
            EXPECT_EQ(a.shown[0], std::make_pair(c.message, c.informative));
            EXPECT_EQ(a.suggestions[0],
                "This file looks like Windows-1251 (Cyrillic) with LF line endings.");
            EXPECT_EQ(a.offers[0], "Use these");
            // Never switched without the click; with it, both menus and the store follow and the
            // clock starts on the file.
            EXPECT_EQ(m.started(), take);
            EXPECT_EQ(m.encodingType(), take ? 11 : c.encoding);
            EXPECT_EQ(m.returnCode(), take ? SrtFile::kLf : SrtFile::kCrLf);
            EXPECT_EQ(encMenu.selectedTag(), take ? 11 : c.encoding);
            EXPECT_EQ(retMenu.selectedTag(), take ? 1 : 0);
            EXPECT_EQ(std::get<std::int32_t>(st.values["return_code"]), take ? 1 : 0);
            if (take) {
                EXPECT_EQ(th.getMessage(1.0), kCyrillicText);
            }
            th.stop();
            th.waitFor();
        }
    }
}

TEST_F(MainCtrlTest, AutomaticReadsAFirstRunFileAndSaysWhatItChose)
{
    ctrl.awakeFromNib();
    choose(dir.write("film.srt", kCyrillicLfFilm));
    EXPECT_EQ(view.status, "2 subtitles \u00B7 20:00 \u00B7 Windows-1251 \u00B7 LF");
    pressStartStop();
    EXPECT_TRUE(ctrl.started());
    EXPECT_TRUE(alert.shown.empty());
    ASSERT_TRUE(message.waitFor(kCyrillicText));
}

TEST_F(MainCtrlTest, MenuChangesAndChangesOnDiskReadAgainKeepingThePosition)
{
    ctrl.awakeFromNib();
    const std::string path = dir.write("film.srt", kCyrillicLfFilm);
    choose(path);
    pressStartStop();
    // The worker says it runs at its first pass, a moment after Start on a busy machine.
    const auto runs = [&] {
        for (int i = 0; i < 500 && !timer.isRunning(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return timer.isRunning();
    };
    ASSERT_TRUE(runs());
    ctrl.seekTo(700.0);
    ASSERT_TRUE(message.waitFor("Second\n"));

    // By hand, a wrong line ending: said at once, the clock goes on with what it had.
    retMenu.selectItemWithTag(SrtFile::kCrLf);
    ctrl.changeReturnCode(retMenu);
    ASSERT_EQ(alert.shown.size(), 1U);
    EXPECT_EQ(alert.shown[0].first, "No subtitles found in film.srt");
    EXPECT_TRUE(runs());

    // Back on Automatic, and the file rewritten while playing: new subtitles, same position.
    retMenu.selectItemWithTag(MainCtrl::kAutomaticTag);
    ctrl.changeReturnCode(retMenu);
    dir.write("film.srt", "1\r\n00:00:00,000 --> 00:20:00,000\r\nRewritten\r\n");
    ctrl.fileChangedOnDisk();
    ASSERT_TRUE(message.waitFor("Rewritten\n"));
    EXPECT_TRUE(runs());
    EXPECT_GE(timer.getPosition(), 700.0);
    EXPECT_EQ(view.status, "1 subtitle \u00B7 20:00 \u00B7 UTF-8 \u00B7 CRLF");
    EXPECT_EQ(view.watched, path);
    // A half-written file does not replace subtitles that read.
    dir.write("film.srt", "1\r\n00:00:00,0");
    ctrl.fileChangedOnDisk();
    EXPECT_EQ(timer.getMessage(1.0), std::string("Rewritten\n"));
    EXPECT_EQ(alert.shown.size(), 1U);
}

TEST_F(MainCtrlTest, RecentFilesSurviveARestartWithoutTheGoneOnes)
{
    ctrl.awakeFromNib();
    std::vector<std::string> paths;
    // A name with a line break and a percent sign must come back whole.
    for (int i = 0; i < 12; ++i)
        paths.push_back(dir.write(
            "film " + std::to_string(i) + (i == 11 ? "\n100%.srt" : ".srt"), kCyrillicLfFilm));
    for (const std::string& p : paths)
        choose(p);
    choose(paths[5]);
    ASSERT_EQ(view.recent.size(), MainCtrl::kRecentLimit);
    EXPECT_EQ(view.recent[0], paths[5]);
    EXPECT_EQ(view.recent[1], paths[11]);
    EXPECT_EQ(view.recent[9], paths[2]);
    EXPECT_EQ(dialog.lastDirectory, dir.path().string());

    std::filesystem::remove(paths[11]);
    FakeReadingView again;
    MainCtrl restarted;
    FakeMenu enc, ret;
    restarted.connect({ &timer, &startButton, &slider, &label, &panel, &store, &enc, &ret, &dialog,
        &alert, nullptr, nullptr, nullptr, nullptr, &again });
    restarted.awakeFromNib();
    const std::vector<std::string> expected = { paths[5], paths[10], paths[9], paths[8], paths[7],
        paths[6], paths[4], paths[3], paths[2] };
    EXPECT_EQ(again.recent, expected);
    EXPECT_EQ(restarted.recentFiles(), expected);
}

namespace {

TEST_F(MainCtrlTest, TheSecondTrackAndBothTimingsComeBackWithTheFirstFile)
{
    const std::string film = dir.write("film.srt", "1\r\n00:00:10,000 --> 00:00:12,000\r\nHi\r\n");
    const std::string other = dir.write("other.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nX\r\n");
    // UTF-8 with LF, where the first track is read as chosen (Shift JIS, CRLF): the second is
    // read as it is written.
    const std::string german
        = dir.write("film.de.srt", "1\n00:00:10,000 --> 00:00:12,000\nHall\xC3\xB6\n");
    choose(film);
    ASSERT_TRUE(ctrl.openSecondFile(german));
    EXPECT_EQ(timer.getSecondMessage(11.0).value_or(""), "Hall\xC3\xB6\n");
    ctrl.chooseTimedTrack(SubtitleTiming::Track::second);
    ctrl.chosenTiming().shiftDelay(2.0);
    ctrl.chooseTimedTrack(SubtitleTiming::Track::first);
    ctrl.chosenTiming().shiftDelay(-1.0);
    EXPECT_EQ(timer.secondTiming().delay, 2.0);
    EXPECT_EQ(timer.timing().delay, -1.0);
    // Saved as the chosen track is: the second, with its own delay.
    EXPECT_NE(ctrl.adjustedSubtitles(SubtitleTiming::Track::second)
                  .value_or("")
                  .find("00:00:12,000 --> 00:00:14,000"),
        std::string::npos);

    // Another film has no second track of its own.
    choose(other);
    EXPECT_FALSE(ctrl.secondFilename());
    EXPECT_EQ(timer.secondCues(), nullptr);
    EXPECT_EQ(timer.secondTiming(), Timing{});

    // Back to the first film, and in the next run: both tracks with their own timings.
    choose(film);
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        TimerThread th;
        MainCtrl next;
        MainCtrl& c = run == 0 ? ctrl : next;
        TimerThread& t = run == 0 ? timer : th;
        if (run == 1) {
            next.connect({ &th, &startButton, &slider, &label, &panel, &store, &encMenu, &retMenu,
                &dialog, &alert, nullptr, nullptr, nullptr, nullptr, &view });
            next.awakeFromNib();
        }
        EXPECT_EQ(c.secondFilename(), german);
        EXPECT_EQ(t.getSecondMessage(12.5).value_or(""), "Hall\xC3\xB6\n");
        EXPECT_EQ(t.secondTiming().delay, 2.0);
        EXPECT_EQ(t.timing().delay, -1.0);
    }
}

} // namespace
