// The application's controller: transport and file commands, wiring the reading choice, the
// recent files, the reads and the subtitle timing together.
#pragma once

#include "control/Alert.h"
#include "control/BusyIndicator.h"
#include "control/Button.h"
#include "control/Control.h"
#include "control/OpenDialog.h"
#include "control/Panel.h"
#include "control/PopUpMenu.h"
#include "control/PreferencesStore.h"
#include "control/QuietTimer.h"
#include "control/ReadingChoice.h"
#include "control/ReadingView.h"
#include "control/RecentFiles.h"
#include "control/SecondTrackMemory.h"
#include "control/Slider.h"
#include "control/SubtitleLoader.h"
#include "control/SubtitleTiming.h"
#include "control/TimingMemory.h"
#include "control/UiQueue.h"
#include "control/UiText.h"
#include "playback/TimerThread.h"
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
    static constexpr int kAutomaticTag = ReadingChoice::kAutomaticTag;
    static constexpr std::size_t kRecentLimit = RecentFiles::kLimit;
    static constexpr std::int32_t kBackgroundReadBytes = SubtitleLoader::kBackgroundReadBytes;

    // Everything the controller drives; all but the optional ones must be set before
    // awakeFromNib. An optional outlet left out does nothing.
    struct Outlets {
        TimerThread* th = nullptr;
        Button* startButton = nullptr;
        Slider* slider = nullptr;
        UiText* filenameLabel = nullptr;
        Panel* mainPanel = nullptr;
        PreferencesStore* theUserDefaultsController = nullptr;
        PopUpMenu* encButton = nullptr;
        PopUpMenu* retButton = nullptr;
        OpenDialog* openDialog = nullptr;
        Alert* alert = nullptr;
        // Without a queue every file is read on the UI thread.
        UiQueue* uiQueue = nullptr;
        // Optional from here on.
        BusyIndicator* busy = nullptr;
        // The subtitle timing in force (empty when none), and passing messages.
        UiText* timingLabel = nullptr;
        UiText* statusLine = nullptr;
        // The status line, File › Open Recent and the watch on the file.
        ReadingView* view = nullptr;
        // Saves the subtitle timing once a run of changes stops; without it, at every change.
        QuietTimer* quietTimer = nullptr;
    };

    MainCtrl() = default;
    MainCtrl(const MainCtrl&) = delete;
    MainCtrl& operator=(const MainCtrl&) = delete;

    void connect(const Outlets& outlets);
    // Where "enccode:" lines go; standard output unless a test redirects it.
    void setStandardOutput(std::FILE* out) { _choice.setStandardOutput(out); }

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
    bool reading() const { return _loader.reading(); }
    void changeEncoding(const PopUpMenu& sender);
    void changeReturnCode(const PopUpMenu& sender);
    void alertMessage(const std::string& message, const std::string& subMessage);
    // The chosen file changed on disk: read it again, keeping the position and, while playing,
    // swapping the subtitles without a stop. A read that fails keeps the subtitles shown.
    void fileChangedOnDisk();
    // Most recent first, only files that still exist.
    const std::vector<std::string>& recentFiles() const { return _recent.paths(); }

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
    void shiftDelay(double seconds) { _timing.shiftDelay(seconds); }
    void catchLine(bool next) { _timing.catchLine(next); }
    void setSpeed(double speed) { _timing.setSpeed(speed); }
    void resetTiming() { _timing.resetTiming(); }
    // The subtitles read, with the timing applied, as a standard SubRip file in the chosen line
    // ending; none before a file has been read. The second track's: none without one.
    std::optional<std::string> adjustedSubtitles(
        SubtitleTiming::Track track = SubtitleTiming::Track::first) const;

    // A second subtitle file on the same clock, read as the first is (Automatic too), with a
    // timing of its own. A file that does not read is refused (with an alert when `alert`),
    // keeping the track shown. Remembered for the first file chosen, and loaded again with it.
    // True when read.
    bool openSecondFile(const std::string& path, bool alert = true);
    void closeSecondTrack();
    const std::optional<std::string>& secondFilename() const { return _secondFilename; }
    // The track the delay, speed and catch commands act on, whose timing the label shows.
    void chooseTimedTrack(SubtitleTiming::Track track);
    SubtitleTiming::Track timedTrack() const { return _timedTrack; }
    SubtitleTiming& chosenTiming()
    {
        return _timedTrack == SubtitleTiming::Track::first ? _timing : _secondTiming;
    }
    SubtitleTiming& secondTiming() { return _secondTiming; }
    // Told whenever a second track is loaded or goes (a choice, a first file's memory, a
    // followed video's language file).
    void setSecondTrackListener(std::function<void()> changed)
    {
        _secondChanged = std::move(changed);
    }

    // What a command changed, for those who show the state elsewhere (the published player):
    // Start/Stop, the file or its subtitles, the first track's timing, a move of the own clock.
    // Told as each is made, maybe mid-command: read the state once the command is done. Playing
    // on tells nothing.
    enum class Change { transport, subtitles, timing, jump };
    void setChangeListener(std::function<void(Change)> listener) { _changed = std::move(listener); }

    bool started() const { return _started; }
    const std::optional<std::string>& filename() const { return _filename; }
    std::int32_t encodingType() const { return _choice.encodingType(); }
    std::uint8_t returnCode() const { return _choice.returnCode(); }
    bool automaticEncoding() const { return _choice.automaticEncoding(); }
    bool automaticLineEnding() const { return _choice.automaticLineEnding(); }

    ReadingChoice& readingChoice() { return _choice; }
    SubtitleTiming& timing() { return _timing; }
    SubtitleLoader& loader() { return _loader; }

private:
    void toggleStartStop();
    void tell(Change what)
    {
        if (_changed)
            _changed(what);
    }
    // Start waited for a read that gave nothing to play.
    void startFailed();
    // A background read of the current choice has ended.
    void finishRead(const SubtitleLoader::Outcome& outcome);
    // A Start that waited for a read since superseded by a read on this thread: it plays the
    // subtitles read, or the button says honestly that nothing plays.
    void handOverWaitingStart(bool readable);
    // "Encoding Error", with the offer of what the file looks like; true when it was taken.
    bool alertReadFailure(const SrtFile& reader);
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
    void showReading(const SrtFile& reader);
    std::string shortName() const;
    // The second file remembered for the first one just chosen, or none.
    void restoreSecondTrack();
    bool readSecondFile(const std::string& path, bool quiet);

    // Writes a track's timing to the label only while that track is the one chosen.
    class TimingLabel final : public UiText {
    public:
        TimingLabel(const MainCtrl& ctrl, SubtitleTiming::Track track)
            : _ctrl(ctrl)
            , _track(track)
        {
        }
        void setText(const std::string& utf8) override
        {
            if (_ctrl._timedTrack == _track)
                _ctrl._o.timingLabel->setText(utf8);
        }

    private:
        const MainCtrl& _ctrl;
        SubtitleTiming::Track _track;
    };

    Outlets _o;
    double _skipValue = 60.0;
    bool _started = false;
    std::optional<std::string> _filename;
    std::function<void(double)> _seekHandler;
    ReadingChoice _choice;
    RecentFiles _recent;
    std::optional<std::string> _secondFilename;
    std::function<void()> _secondChanged;
    std::function<void(Change)> _changed;
    SubtitleTiming::Track _timedTrack = SubtitleTiming::Track::first;
    SecondTrackMemory _secondMemory;
    // Both timings note into one memory: each writes all of it.
    TimingMemory _timingMemory;
    TimingLabel _firstLabel{ *this, SubtitleTiming::Track::first };
    TimingLabel _secondLabel{ *this, SubtitleTiming::Track::second };
    SubtitleTiming _timing;
    SubtitleTiming _secondTiming;
    // Last, so that its reads end before the rest goes.
    SubtitleLoader _loader;
};
