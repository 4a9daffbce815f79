// The application's one controller: transport and file commands, and the settings that persist.
#pragma once

#include "control/Alert.h"
#include "control/BusyIndicator.h"
#include "control/Button.h"
#include "control/Control.h"
#include "control/OpenDialog.h"
#include "control/Panel.h"
#include "control/PopUpMenu.h"
#include "control/PreferencesStore.h"
#include "control/ReadingView.h"
#include "control/Settings.h"
#include "control/Slider.h"
#include "control/TimingMemory.h"
#include "control/UiQueue.h"
#include "playback/TextDisplay.h"
#include "playback/TimerThread.h"
#include "subtitles/Resync.h"
#include "subtitles/SrtFile.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class MainCtrl {
public:
    // Command tags of the transport and file controls.
    enum Tag { kRewind = 0, kFastForward = 1, kStartStop = 2, kReset = 3, kChooseFile = 4 };
    // The item tag of "Automatic", first in both menus; no encoding or line ending has it.
    static constexpr int kAutomaticTag = -1;
    static constexpr std::size_t kRecentLimit = 10;

    // Everything the controller drives; all must be set before awakeFromNib.
    struct Outlets {
        TimerThread* th = nullptr;
        Button* startButton = nullptr;
        Slider* slider = nullptr;
        TextDisplay* filenameLabel = nullptr;
        Panel* mainPanel = nullptr;
        PreferencesStore* theUserDefaultsController = nullptr;
        PopUpMenu* encButton = nullptr;
        PopUpMenu* retButton = nullptr;
        OpenDialog* openDialog = nullptr;
        Alert* alert = nullptr;
        // Without a queue every file is read on the UI thread.
        UiQueue* uiQueue = nullptr;
        BusyIndicator* busy = nullptr;
        // Optional: the subtitle timing in force (empty when none), and passing messages.
        TextDisplay* timingLabel = nullptr;
        TextDisplay* statusLine = nullptr;
        // Optional: the status line, File › Open Recent and the watch on the file.
        ReadingView* view = nullptr;
    };

    // A file at least this large is read off the UI thread (when a UI queue is connected): a film
    // reads in a millisecond, a damaged or hostile file of hundreds of megabytes in seconds.
    static constexpr std::int32_t kBackgroundReadBytes = 4 << 20;

    MainCtrl();
    // Waits for a read still under way.
    ~MainCtrl();
    MainCtrl(const MainCtrl&) = delete;
    MainCtrl& operator=(const MainCtrl&) = delete;

    void connect(const Outlets& outlets) { _o = outlets; }
    // Where "enccode:" lines go; standard output unless a test redirects it.
    void setStandardOutput(std::FILE* out) { _stdout = out; }

    // Fills the encoding menu and restores the stored settings.
    void awakeFromNib();
    void loadDefaultValues();

    void click(const Control& sender);
    // Explicit transport, safe to repeat: play while playing and pause while paused do nothing.
    void play();
    void pause();
    // Moves the clock (never before zero); while playing it goes on from there.
    void seekTo(double position);
    // While set, seekTo (and so every move to a subtitle or a time) asks it to move instead of
    // moving the clock: a followed player, whose position the clock shows.
    void setSeekHandler(std::function<void(double)> handler) { _seekHandler = std::move(handler); }
    // Chooses a file as a confirmed choice in the dialog does, and reads it at once so that a
    // running clock shows the new subtitles. A path that is not a file that can be opened is
    // refused with an alert, keeping the current and the stored file. True when chosen.
    bool openFile(const std::string& path);
    void start();
    void stop();
    void ff();
    void rew();
    void selectFile(const Control& sender);
    // True when the list was handed to the timer. A large file is handed to a thread instead,
    // and the clock starts when that read is done; false then too, with reading() true.
    bool sendParsedArray();
    bool reading() const { return pendingRead() != nullptr; }
    void changeEncoding(const PopUpMenu& sender);
    void changeReturnCode(const PopUpMenu& sender);
    void alertMessage(const std::string& message, const std::string& subMessage);
    // The chosen file changed on disk: read it again, keeping the position and, while playing,
    // swapping the subtitles without a stop. A read that fails keeps the subtitles shown.
    void fileChangedOnDisk();
    // Most recent first, only files that still exist.
    const std::vector<std::string>& recentFiles() const { return _recent; }

    // Lining the subtitles up with the video; nothing happens without subtitles.
    // To the start of the next subtitle; nothing after the last.
    void nextSubtitle();
    // To the start of the subtitle showing, or of the one before when at a start already;
    // nothing before the first.
    void previousSubtitle();
    // To the start of the entry at `index` in the list as read.
    void goToSubtitle(std::size_t index);
    // Seeks to a typed time (see parseTimeEntry); a bad entry is refused with an alert that
    // shows the accepted forms. True when it moved.
    bool goToTime(const std::string& entry);
    // Moves the subtitles later (positive) or earlier against the clock.
    void shiftDelay(double seconds);
    // Sets the delay so that the next (or the previous) subtitle starts at the position. With
    // an earlier catch at least kMinCatchSpan away in the file, solves the speed as well.
    void catchLine(bool next);
    // A speed from the ratio menu; the delay stays.
    void setSpeed(double speed);
    void resetTiming();
    // The subtitles read, with the timing applied, as a standard SubRip file in the chosen line
    // ending; none before a file has been read.
    std::optional<std::string> adjustedSubtitles() const;

    bool started() const { return _started; }
    const std::optional<std::string>& filename() const { return _filename; }
    std::int32_t encodingType() const { return _encodingType; }
    std::uint8_t returnCode() const { return _returnCode; }
    bool automaticEncoding() const { return _automaticEncoding; }
    bool automaticLineEnding() const { return _automaticLineEnding; }

private:
    struct Read;

    void toggleStartStop();
    // Reads on a thread of its own; the outcome comes back on the UI thread.
    // `old`, the list being replaced, is let go on that thread too.
    void readInBackground(std::unique_ptr<SrtFile> reader, SharedCues old = nullptr);
    void finishRead(Read* read);
    // The read of the current file under way, if any.
    Read* pendingRead() const;
    bool readsInBackground(const SrtFile& reader) const;
    // The timing stored for `path`, or none; said in the status line when there is one.
    void restoreTiming(const std::string& path);
    void applyTiming(const Timing& timing);
    void say(const std::string& message);
    // "Encoding Error", with the offer of what the file looks like; true when it was taken.
    bool alertReadFailure(const SrtFile& reader);
    std::unique_ptr<SrtFile> readerFor(const std::string& path) const;
    // Reads the chosen file now (after a menu change). While playing, the subtitles are swapped
    // and the position kept; a failure or an empty read is said, with a fix when there is one.
    void readAgain();
    // A reader of the chosen file to read it again on this thread; none when there is no file,
    // or when the file is large and its read was handed to a thread of its own.
    std::unique_ptr<SrtFile> readerForReadingAgain();
    // An empty or failed read's alert, with what the file looks like and "Use these" when
    // Automatic finds subtitles in it. True when the user took the offer (menus now switched).
    bool alertWithOffer(
        const std::string& message, const std::string& informative, const SrtFile& reader);
    // The alert of a read that found nothing in the chosen file, with its offer.
    bool alertNoSubtitles(const SrtFile& reader);
    // A hand-picked encoding or line ending, as the menus and a taken offer choose it: said,
    // stored, and Automatic off for it. `announce` false stores the line ending unsaid.
    void chooseEncoding(std::int32_t id);
    void chooseLineEnding(std::uint8_t code, bool announce = true);
    void showReading(const SrtFile& reader);
    void rememberRecent(const std::string& path);
    void storeRecent();
    void restoreRecent();
    void selectMenus();

    Outlets _o;
    std::FILE* _stdout = stdout;
    double _skipValue = 60.0;
    bool _started = false;
    std::optional<std::string> _filename;
    std::int32_t _encodingType = settings::kEncType.defaultValue;
    std::uint8_t _returnCode = settings::kReturnCode.defaultValue;

    std::vector<std::unique_ptr<Read>> _reads;
    // Bumped by every new choice or read, so that the outcome of an older read is dropped.
    std::uint64_t _readGeneration = 0;
    // A Start waits for the read under way.
    bool _playWhenRead = false;
    // Lets a late outcome, queued for the UI thread, see that the controller has gone.
    std::shared_ptr<char> _alive = std::make_shared<char>();
    TimingMemory _timingMemory;
    // The lines caught in this file since its timing was last reset.
    std::vector<CaughtLine> _catches;
    bool _automaticEncoding = false;
    bool _automaticLineEnding = false;
    std::vector<std::string> _recent;
    // The open dialog starts in this file's folder, while there is one.
    std::string _lastFile;
    std::function<void(double)> _seekHandler;
};
