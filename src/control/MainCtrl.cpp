// Commands from the window, the per-start read of the file, and the wiring of the pieces.
#include "control/MainCtrl.h"

#include "control/NullPorts.h"
#include "control/Settings.h"
#include "platform/Log.h"
#include "platform/Translate.h"
#include "subtitles/FormatSniff.h"
#include "subtitles/ReadingReport.h"
#include "subtitles/Resync.h"
#include "subtitles/SrtFile.h"
#include "subtitles/TimeEntry.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

const std::string kLastFilenameKey(settings::kLastFilename.name);

// A jump to a subtitle lands this far inside it: exactly on its start it would not show yet
// (a subtitle holds the open interval), and the shown and printed time, which is truncated to the
// millisecond, still reads the start.
constexpr double kInside = 0.0005;

// The last piece after "/", as the label shows it ("film.srt" for "/movies/film.srt").
std::string lastPathComponent(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// What went wrong with a file, in a sentence that names it.
std::string describe(ReadFailure failure, const std::string& path)
{
    std::string name = "\u201C";
    name += lastPathComponent(path);
    name += "\u201D";
    switch (failure) {
    case ReadFailure::notFound:
        return name + " does not exist or may not be opened.";
    case ReadFailure::notRegular:
        return name + " is a folder, a pipe or a device, not a file.";
    case ReadFailure::tooLarge:
        return name + " is too large to read (2 GB or more).";
    case ReadFailure::readError:
        return name + " could not be read from the disk.";
    case ReadFailure::notDecodable:
    case ReadFailure::none:
        break;
    }
    return name + " is not valid text in the encoding chosen.";
}

} // namespace

void MainCtrl::connect(const Outlets& outlets)
{
    using nullports::orNull;
    _o = outlets;
    _o.busy = orNull(_o.busy, nullports::noBusy);
    _o.timingLabel = orNull(_o.timingLabel, nullports::noText);
    _o.statusLine = orNull(_o.statusLine, nullports::noText);
    _o.view = orNull(_o.view, nullports::noReadingView);
    _o.quietTimer = orNull(_o.quietTimer, nullports::noQuietTime);
    _choice.connect({ _o.theUserDefaultsController, _o.encButton, _o.retButton });
    _recent.connect(_o.theUserDefaultsController, _o.view);
    _timing.connect(
        { _o.th, _o.theUserDefaultsController, &_firstLabel, _o.statusLine, _o.quietTimer,
            SubtitleTiming::Track::first, &_timingMemory, [this] { tell(Change::timing); } });
    _secondTiming.connect({ _o.th, _o.theUserDefaultsController, &_secondLabel, _o.statusLine,
        _o.quietTimer, SubtitleTiming::Track::second, &_timingMemory });
    _loader.connect({ _o.uiQueue, _o.busy },
        [this](const SubtitleLoader::Outcome& outcome) { finishRead(outcome); });
}

void MainCtrl::awakeFromNib()
{
    _choice.fillEncodingMenu();
    loadDefaultValues();
    _timing.load();
    _secondMemory.load(*_o.theUserDefaultsController);
    if (_filename) {
        _timing.restoreFor(*_filename);
        restoreSecondTrack();
    }
}

void MainCtrl::loadDefaultValues()
{
    _choice.restore();
    PreferencesStore& store = *_o.theUserDefaultsController;
    try {
        _filename = store.stringValue(kLastFilenameKey);
    } catch (const PreferencesError&) {
        if (_filename)
            store.setString(kLastFilenameKey, *_filename);
    }
    _recent.restore(_filename);
    if (!_filename)
        return;
    if (!File::isExistFile(*_filename)) {
        // Forgotten for this run only: the key keeps the path until another file is chosen.
        _filename.reset();
        return;
    }
    _o.filenameLabel->setText(lastPathComponent(*_filename));
    _o.view->watchFile(*_filename);
    tell(Change::subtitles);
}

void MainCtrl::click(const Control& sender)
{
    switch (sender.tag()) {
    case kRewind:
        rew();
        break;
    case kFastForward:
        ff();
        break;
    case kStartStop:
        toggleStartStop();
        break;
    case kReset:
        _o.th->reset();
        tell(Change::jump);
        break;
    case kChooseFile:
        selectFile(sender);
        break;
    default:
        break;
    }
}

void MainCtrl::toggleStartStop()
{
    _started = !_started;
    if (_started) {
        _o.startButton->setTitle(translate("MainCtrl", "Stop"));
        start();
    } else {
        _o.startButton->setTitle(translate("MainCtrl", "Start"));
        stop();
    }
    tell(Change::transport);
}

void MainCtrl::start()
{
    // A read of this file is under way (a large file just chosen, or a Start a moment ago): this
    // Start waits for it rather than reading the file once more.
    if (_loader.waitForRead())
        return;
    if (sendParsedArray()) {
        _o.th->start();
        return;
    }
    if (reading()) {
        _loader.wait();
        return;
    }
    _started = !_started;
    _o.startButton->setTitle(translate("MainCtrl", "Start"));
}

void MainCtrl::play()
{
    if (!_started)
        toggleStartStop();
}

void MainCtrl::pause()
{
    if (_started)
        toggleStartStop();
}

void MainCtrl::seekTo(double position)
{
    if (_seekHandler) {
        _seekHandler(std::max(position, 0.0));
        return;
    }
    _o.th->seek(std::max(position, 0.0));
    tell(Change::jump);
}

void MainCtrl::stop()
{
    _loader.cancelWait();
    _o.th->stop();
    _o.th->waitFor();
}

void MainCtrl::ff()
{
    _skipValue = _o.slider->doubleValue();
    _o.th->seek(_o.th->getPosition() + _skipValue);
    tell(Change::jump);
}

void MainCtrl::rew()
{
    _skipValue = _o.slider->doubleValue();
    _o.th->seek(std::max(_o.th->getPosition() - _skipValue, 0.0));
    tell(Change::jump);
}

void MainCtrl::selectFile(const Control& /*sender*/)
{
    logLine("SelectFile");
    static const std::vector<std::string> types
        = { "srt", "txt", "vtt", "ass", "ssa", "sub", "smi", "sami", "'TEXT'" };
    if (const auto path = _o.openDialog->runModal(_recent.dialogFolder(), types))
        openFile(*path);
    else
        logLine("Cancel");
    _o.mainPanel->orderFront();
}

bool MainCtrl::openFile(const std::string& path)
{
    auto reader = _choice.readerFor(path);
    if (const ReadFailure why = reader->check();
        why == ReadFailure::notFound || why == ReadFailure::notRegular) {
        alertMessage(
            "Error", why == ReadFailure::notFound ? "File not found." : describe(why, path));
        return false;
    }
    logLine(path);
    _filename = path;
    _o.filenameLabel->setText(lastPathComponent(path));
    _o.theUserDefaultsController->setString(kLastFilenameKey, path);
    _recent.remember(path);
    _o.view->watchFile(path);
    _loader.supersede();
    _timing.restoreFor(path);
    restoreSecondTrack();
    if (_loader.readsInBackground(*reader)) {
        SharedCues old = _o.th->cues();
        _o.th->clearDataArray();
        _o.th->reset();
        _o.view->showReading("", {});
        _loader.readInBackground(std::move(reader), shortName(), std::move(old));
        tell(Change::subtitles);
        tell(Change::jump);
        return true;
    }
    // The new subtitles first, so that a running clock shows them from its first pass at zero.
    // A file that does not read shows nothing until Start says why.
    const bool read = reader->readData();
    if (read) {
        _o.th->setCues(std::make_shared<const Cues>(reader->dataArray()));
        showReading(*reader);
    } else {
        _o.th->clearDataArray();
        _o.view->showReading("", {});
    }
    _o.th->reset();
    tell(Change::subtitles);
    tell(Change::jump);
    handOverWaitingStart(read && !reader->dataArray().empty());
    return true;
}

std::string MainCtrl::shortName() const
{
    return lastPathComponent(_filename.value_or(""));
}

void MainCtrl::showReading(const SrtFile& reader)
{
    _o.view->showReading(reporting::statusLine(reader.report()), reader.report().skippedLines);
}

bool MainCtrl::alertWithOffer(
    const std::string& message, const std::string& informative, const SrtFile& reader)
{
    const std::optional<Suggestion> offer = _choice.offerFor(reader);
    if (!offer) {
        alertMessage(message, informative);
        return false;
    }
    const std::string suggestion = fill(translate("MainCtrl", "This file looks like %1."),
        { reporting::looksLike(offer->encoding, offer->lineEnding) });
    if (!_o.alert->runModalWithOffer(
            message, informative, suggestion, translate("MainCtrl", "Use these")))
        return false;
    _choice.take(*offer);
    return true;
}

bool MainCtrl::alertNoSubtitles(const SrtFile& reader)
{
    // A file in another format says why nothing was found, not just that.
    std::string informative;
    // Automatic reads every format but TTML; a chosen encoding reads SubRip only.
    if (const auto format = _filename ? otherSubtitleFormatOfFile(*_filename) : std::nullopt) {
        if (*format == "a TTML file")
            informative
                = fill(translate("MainCtrl", "This looks like %1, which Subclock cannot read."),
                    { *format });
        else if (!_choice.automaticEncoding())
            informative = fill(translate("MainCtrl",
                                   "This looks like %1. Subclock reads it with the encoding on "
                                   "Automatic; a chosen encoding reads SubRip (.srt) files only."),
                { *format });
        else
            informative = fill(
                translate("MainCtrl", "This looks like %1, but no subtitles could be read in it."),
                { *format });
    }
    if (alertWithOffer(fill(translate("MainCtrl", "No subtitles found in %1"), { shortName() }),
            informative, reader))
        return true;
    // Answered: what was said before (a player followed, a file loaded) no longer holds.
    if (const SharedCues cues = _o.th->cues(); !cues || cues->empty()) {
        _o.statusLine->setText("");
        _o.view->showReading(
            fill(translate("MainCtrl", "Nothing loaded: no subtitles in %1."), { shortName() }),
            {});
    }
    return false;
}

std::unique_ptr<SrtFile> MainCtrl::readerForReadingAgain()
{
    if (!_filename || !File::isExistFile(*_filename))
        return nullptr;
    auto reader = _choice.readerFor(*_filename);
    // A read still under way was for the old choice or the old contents.
    _loader.supersede();
    if (_loader.readsInBackground(*reader)) {
        // A large file is said to be wrong at the next Start; the clock goes on meanwhile.
        _loader.readInBackground(std::move(reader), shortName());
        return nullptr;
    }
    return reader;
}

void MainCtrl::readAgain()
{
    const auto reader = readerForReadingAgain();
    if (!reader)
        return;
    if (!reader->readData()) {
        _o.view->showReading("", {});
        if (alertReadFailure(*reader))
            readAgain();
        else
            handOverWaitingStart(false);
        return;
    }
    showReading(*reader);
    if (reader->dataArray().empty()) {
        if (alertNoSubtitles(*reader))
            readAgain();
        else
            handOverWaitingStart(false);
        return;
    }
    // The position stays: a running clock goes on with the new subtitles.
    _o.th->setCues(std::make_shared<const Cues>(reader->dataArray()));
    tell(Change::subtitles);
    handOverWaitingStart(true);
}

void MainCtrl::fileChangedOnDisk()
{
    const auto reader = readerForReadingAgain();
    if (!reader)
        return;
    // A file caught half-written does not replace subtitles that read.
    if (!reader->readData() || reader->dataArray().empty()) {
        handOverWaitingStart(false);
        return;
    }
    _o.th->setCues(std::make_shared<const Cues>(reader->dataArray()));
    showReading(*reader);
    tell(Change::subtitles);
    handOverWaitingStart(true);
}

void MainCtrl::handOverWaitingStart(bool readable)
{
    if (!_loader.takeWaiting() || !_started)
        return;
    if (readable) {
        _o.th->start();
        return;
    }
    startFailed();
}

void MainCtrl::startFailed()
{
    _started = false;
    _o.startButton->setTitle(translate("MainCtrl", "Start"));
    tell(Change::transport);
}

bool MainCtrl::sendParsedArray()
{
    if (!_filename)
        return false;
    if (!File::isExistFile(*_filename)) {
        alertMessage("Error", "File not found.");
        _filename.reset();
        _timing.forgetFile();
        _o.filenameLabel->setText("");
        _o.th->clearDataArray();
        tell(Change::subtitles);
        return false;
    }
    auto reader = _choice.readerFor(*_filename);
    logLine("size:" + std::to_string(reader->size()));
    _loader.supersede();
    if (_loader.readsInBackground(*reader)) {
        // One list at a time: the old one goes before the new one is built.
        SharedCues old = _o.th->cues();
        _o.th->clearDataArray();
        _loader.readInBackground(std::move(reader), shortName(), std::move(old), true);
        tell(Change::subtitles);
        return false;
    }
    if (reader->readData()) {
        showReading(*reader);
        if (reader->dataArray().empty()) {
            // Not a silent clock: say so, and offer what would read.
            return alertNoSubtitles(*reader) && sendParsedArray();
        }
        _o.th->setCues(std::make_shared<const Cues>(reader->dataArray()));
        tell(Change::subtitles);
        return true;
    }
    return alertReadFailure(*reader) && sendParsedArray();
}

bool MainCtrl::alertReadFailure(const SrtFile& reader)
{
    // The text users know stays first; a cause other than the encoding gets a line of its own.
    std::string informative = "Encoding Error";
    if (reader.failure() != ReadFailure::notDecodable) {
        informative += '\n';
        informative += describe(reader.failure(), _filename.value_or(""));
        alertMessage("Error", informative);
        return false;
    }
    return alertWithOffer("Error", informative, reader);
}

void MainCtrl::finishRead(const SubtitleLoader::Outcome& outcome)
{
    const bool waited = outcome.waited && _started;
    if (outcome.ok) {
        showReading(outcome.reader);
        if (outcome.cues) {
            _o.th->setCues(outcome.cues);
            tell(Change::subtitles);
            if (waited)
                _o.th->start();
            return;
        }
    } else {
        _o.view->showReading("", {});
    }
    if (!waited)
        return;
    // The Start that waited fails as it would have at once; taking the offer starts again.
    startFailed();
    const bool taken
        = outcome.ok ? alertNoSubtitles(outcome.reader) : alertReadFailure(outcome.reader);
    if (taken)
        play();
}

void MainCtrl::changeEncoding(const PopUpMenu& sender)
{
    if (_choice.changeEncoding(sender))
        readAgain();
}

void MainCtrl::changeReturnCode(const PopUpMenu& sender)
{
    if (_choice.changeLineEnding(sender))
        readAgain();
}

void MainCtrl::alertMessage(const std::string& message, const std::string& subMessage)
{
    _o.alert->runModal(message, subMessage);
}

void MainCtrl::nextSubtitle()
{
    const SharedCues cues = _o.th->cues();
    if (!cues)
        return;
    if (const auto at = nextStartAt(*cues, _timing.timing(), _o.th->getPosition()))
        seekTo(*at + kInside);
}

void MainCtrl::previousSubtitle()
{
    const SharedCues cues = _o.th->cues();
    if (!cues)
        return;
    // Looked up from just before the position, so that at a start it is the one before.
    const double from = _o.th->getPosition() - 2 * kInside;
    if (const auto at = previousStartAt(*cues, _timing.timing(), from))
        seekTo(*at + kInside);
}

void MainCtrl::goToSubtitle(std::size_t index)
{
    const SharedCues cues = _o.th->cues();
    if (!cues || index >= cues->size())
        return;
    seekTo(_timing.timing().toClock(cues->entries()[index]->startTimeData()) + kInside);
}

bool MainCtrl::goToTime(const std::string& entry)
{
    const std::optional<double> at = parseTimeEntry(entry);
    if (!at) {
        alertMessage("\u201C" + entry + "\u201D is not a time.", std::string(kTimeEntryForms));
        return false;
    }
    // A microsecond on, so that 1.2, just under 1.2 as a binary fraction, does not show as
    // 1.199 on a display that truncates.
    seekTo(*at + 1e-6);
    return true;
}

std::optional<std::string> MainCtrl::adjustedSubtitles(SubtitleTiming::Track track) const
{
    const bool first = track == SubtitleTiming::Track::first;
    const SharedCues cues = first ? _o.th->cues() : _o.th->secondCues();
    if (!cues)
        return std::nullopt;
    return adjustedSrt(*cues, (first ? _timing : _secondTiming).timing(),
        writtenSeparatorOf(_choice.lineEnding()));
}

bool MainCtrl::openSecondFile(const std::string& path, bool alert)
{
    if (!readSecondFile(path, !alert))
        return false;
    if (_filename)
        _secondMemory.remember(*_o.theUserDefaultsController, *_filename, path);
    return true;
}

void MainCtrl::closeSecondTrack()
{
    _secondTiming.forgetFile();
    _secondTiming.resetTiming();
    _secondFilename.reset();
    _o.th->setSecondCues(nullptr);
    if (_filename)
        _secondMemory.remember(*_o.theUserDefaultsController, *_filename, std::nullopt);
    if (!_o.th->isRunning())
        _o.th->drawMessages(_o.th->getPosition());
    if (_secondChanged)
        _secondChanged();
}

void MainCtrl::chooseTimedTrack(SubtitleTiming::Track track)
{
    _timedTrack = track;
    _o.timingLabel->setText(describeTiming(chosenTiming().timing()));
}

void MainCtrl::restoreSecondTrack()
{
    const std::optional<std::string> second = _secondMemory.find(*_filename);
    // A first file without one shows no second track: the last one belonged to another film.
    if (!second || !File::isExistFile(*second) || !readSecondFile(*second, true)) {
        _secondTiming.forgetFile();
        _secondTiming.setTiming(Timing{});
        _secondFilename.reset();
        _o.th->setSecondCues(nullptr);
        if (_secondChanged)
            _secondChanged();
    }
}

bool MainCtrl::readSecondFile(const std::string& path, bool quiet)
{
    auto reader = _choice.readerFor(path);
    // The menus choose the first track's encoding; a second language is usually in another.
    reader->setAutomatic(true, true);
    // Never a pipe or a device: reading one could wait for ever on this thread.
    ReadFailure why = reader->check();
    if (why == ReadFailure::none || why == ReadFailure::notDecodable)
        why = reader->readData() ? ReadFailure::none : reader->failure();
    if (why != ReadFailure::none || reader->dataArray().empty()) {
        if (!quiet) {
            alertMessage("Error",
                why == ReadFailure::none
                    ? "No subtitles found in \u201C" + lastPathComponent(path) + "\u201D."
                    : describe(why, path));
        }
        return false;
    }
    logLine("second:" + path);
    _secondFilename = path;
    _o.th->setSecondCues(std::make_shared<const Cues>(reader->dataArray()));
    _secondTiming.restoreFor(path);
    if (!_o.th->isRunning())
        _o.th->drawMessages(_o.th->getPosition());
    if (_secondChanged)
        _secondChanged();
    return true;
}
