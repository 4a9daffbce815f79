// Commands from the window, the per-start read of the file, and the stored settings.
#include "control/MainCtrl.h"

#include "platform/Encodings.h"
#include "platform/Log.h"
#include "subtitles/FormatSniff.h"
#include "subtitles/ReadingReport.h"
#include "subtitles/SrtFile.h"
#include "subtitles/TimeEntry.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <thread>
#include <utility>
#include <vector>

namespace {

const std::string kEncTypeKey(settings::kEncType.name);
const std::string kReturnCodeKey(settings::kReturnCode.name);
const std::string kLastFilenameKey(settings::kLastFilename.name);
const std::string kAutoEncodingKey(settings::kAutoEncoding.name);
const std::string kAutoLineEndingKey(settings::kAutoLineEnding.name);
const std::string kRecentFilesKey(settings::kRecentFiles.name);

// The folder a path is in, when it still is one.
std::optional<std::string> existingFolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return std::nullopt;
    const std::string folder = slash == 0 ? "/" : path.substr(0, slash);
    struct stat st { };
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return std::nullopt;
    return folder;
}

// The recent files as one stored text: a line each, with "%" and line breaks escaped.
std::string joinPaths(const std::vector<std::string>& paths)
{
    std::string out;
    for (const std::string& path : paths) {
        if (!out.empty())
            out.push_back('\n');
        for (const char c : path) {
            if (c == '%')
                out += "%25";
            else if (c == '\n')
                out += "%0A";
            else
                out.push_back(c);
        }
    }
    return out;
}

std::vector<std::string> splitPaths(const std::string& text)
{
    std::vector<std::string> out;
    std::string path;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n') {
            if (!path.empty())
                out.push_back(path);
            path.clear();
        } else if (text.compare(i, 3, "%25") == 0) {
            path.push_back('%');
            i += 2;
        } else if (text.compare(i, 3, "%0A") == 0) {
            path.push_back('\n');
            i += 2;
        } else {
            path.push_back(text[i]);
        }
    }
    return out;
}

// A jump to a subtitle lands this far inside it: exactly on its start it would not show yet
// (a subtitle holds the open interval), and the shown and printed time, which is truncated to the
// millisecond, still reads the start.
constexpr double kInside = 0.0005;

// Catches closer than this in clock time are one catch, corrected.
constexpr double kRecatchWindow = 2.0;

std::string homeDirectory()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir)
        return pw->pw_dir;
    return "/";
}

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

// Reads one integer setting. The store's own error, and a stored value the table does not
// allow, are answered by writing the current value back; any failure, handled or not, still
// leaves the menu showing the value in force.
template <typename Assign, typename Current>
bool restoreIntSetting(PreferencesStore& store, const settings::Key& setting, PopUpMenu& menu,
    Assign assign, Current current)
{
    const std::string key(setting.name);
    bool stored = true;
    try {
        try {
            const std::optional<std::int32_t> value = store.intValue(key);
            stored = value.has_value();
            if (value && setting.valid && !setting.valid(*value))
                store.setInt(key, current());
            else if (value)
                assign(*value);
        } catch (const PreferencesError&) {
            store.setInt(key, current());
        }
    } catch (...) {
        menu.selectItemWithTag(current());
        throw;
    }
    menu.selectItemWithTag(current());
    return stored;
}

// Whether Automatic is in force for one menu: the stored flag, or else whether no explicit
// choice (`explicitStored`) was ever stored. A flag that does not read is left alone.
bool restoreAutomatic(PreferencesStore& store, const settings::Key& flag, bool explicitStored)
{
    try {
        if (const auto value = store.intValue(std::string(flag.name)); value && flag.valid(*value))
            return *value == 1;
    } catch (const PreferencesError&) {
    }
    return !explicitStored;
}

} // namespace

struct MainCtrl::Read {
    std::unique_ptr<SrtFile> reader;
    std::uint64_t generation = 0;
    bool sizeLogged = false;
    // Written by the read's thread; read on the UI thread after the join.
    bool ok = false;
    SharedCues cues; // none when the read failed or found nothing
    std::thread thread;
};

void MainCtrl::awakeFromNib()
{
    _o.encButton->addItemWithTitle("Automatic");
    _o.encButton->setTagOfItemWithTitle("Automatic", kAutomaticTag);
    for (const encodings::Encoding& e : encodings::availableStringEncodings()) {
        _o.encButton->addItemWithTitle(e.name);
        // Identifiers past 2^31 are kept as their 32-bit pattern, as stored in the preferences.
        _o.encButton->setTagOfItemWithTitle(e.name, static_cast<std::int32_t>(e.id));
    }
    loadDefaultValues();
    _timingMemory.load(*_o.theUserDefaultsController);
    if (_filename)
        restoreTiming(*_filename);
}

void MainCtrl::loadDefaultValues()
{
    PreferencesStore& store = *_o.theUserDefaultsController;
    const bool encodingStored = restoreIntSetting(
        store, settings::kEncType, *_o.encButton, [this](std::int32_t v) { _encodingType = v; },
        [this] { return _encodingType; });
    const bool lineEndingStored = restoreIntSetting(
        store, settings::kReturnCode, *_o.retButton,
        [this](std::int32_t v) { _returnCode = static_cast<std::uint8_t>(v); },
        [this] { return static_cast<std::int32_t>(_returnCode); });
    _automaticEncoding = restoreAutomatic(store, settings::kAutoEncoding, encodingStored);
    _automaticLineEnding = restoreAutomatic(store, settings::kAutoLineEnding, lineEndingStored);
    selectMenus();

    try {
        _filename = store.stringValue(kLastFilenameKey);
    } catch (const PreferencesError&) {
        if (_filename)
            store.setString(kLastFilenameKey, *_filename);
    }
    if (_filename)
        _lastFile = *_filename;
    restoreRecent();
    if (!_filename)
        return;
    if (!File::isExistFile(*_filename)) {
        // Forgotten for this run only: the key keeps the path until another file is chosen.
        _filename.reset();
        return;
    }
    _o.filenameLabel->setText(lastPathComponent(*_filename));
    if (_o.view)
        _o.view->watchFile(*_filename);
}

void MainCtrl::selectMenus()
{
    _o.encButton->selectItemWithTag(_automaticEncoding ? kAutomaticTag : _encodingType);
    _o.retButton->selectItemWithTag(_automaticLineEnding ? kAutomaticTag : _returnCode);
}

void MainCtrl::restoreRecent()
{
    std::vector<std::string> stored;
    try {
        if (const auto text = _o.theUserDefaultsController->stringValue(kRecentFilesKey))
            stored = splitPaths(*text);
        else if (_filename)
            stored = { *_filename };
    } catch (const PreferencesError&) {
    }
    _recent.clear();
    for (const std::string& path : stored) {
        if (_recent.size() < kRecentLimit && File::isExistFile(path)
            && std::find(_recent.begin(), _recent.end(), path) == _recent.end())
            _recent.push_back(path);
    }
    if (_o.view)
        _o.view->showRecentFiles(_recent);
}

void MainCtrl::rememberRecent(const std::string& path)
{
    _recent.erase(std::remove(_recent.begin(), _recent.end(), path), _recent.end());
    // Files gone since start-up leave the list as well.
    _recent.erase(std::remove_if(_recent.begin(), _recent.end(),
                      [](const std::string& p) { return !File::isExistFile(p); }),
        _recent.end());
    _recent.insert(_recent.begin(), path);
    if (_recent.size() > kRecentLimit)
        _recent.resize(kRecentLimit);
    storeRecent();
    if (_o.view)
        _o.view->showRecentFiles(_recent);
}

void MainCtrl::storeRecent()
{
    try {
        _o.theUserDefaultsController->setString(kRecentFilesKey, joinPaths(_recent));
    } catch (const PreferencesError&) {
        // The list is a convenience: a store that refuses it costs the next run its list only.
    }
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
        _o.startButton->setTitle("Stop");
        start();
    } else {
        _o.startButton->setTitle("Start");
        stop();
    }
}

void MainCtrl::start()
{
    // A read of this file is under way (a large file just chosen, or a Start a moment ago): this
    // Start waits for it rather than reading the file once more.
    if (Read* read = pendingRead()) {
        if (!read->sizeLogged) {
            logLine("size:" + std::to_string(read->reader->size()));
            read->sizeLogged = true;
        }
        _playWhenRead = true;
        return;
    }
    if (sendParsedArray()) {
        _o.th->start();
        return;
    }
    if (reading()) {
        _playWhenRead = true;
        return;
    }
    _started = !_started;
    _o.startButton->setTitle("Start");
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
}

void MainCtrl::stop()
{
    _playWhenRead = false;
    _o.th->stop();
    _o.th->waitFor();
}

void MainCtrl::ff()
{
    _skipValue = _o.slider->doubleValue();
    _o.th->seek(_o.th->getPosition() + _skipValue);
}

void MainCtrl::rew()
{
    _skipValue = _o.slider->doubleValue();
    _o.th->seek(std::max(_o.th->getPosition() - _skipValue, 0.0));
}

void MainCtrl::selectFile(const Control& /*sender*/)
{
    logLine("SelectFile");
    static const std::vector<std::string> types = { "srt", "txt", "'TEXT'" };
    const std::string folder = existingFolderOf(_lastFile).value_or(homeDirectory());
    if (const std::optional<std::string> path = _o.openDialog->runModal(folder, types))
        openFile(*path);
    else
        logLine("Cancel");
    _o.mainPanel->orderFront();
}

bool MainCtrl::openFile(const std::string& path)
{
    auto reader = readerFor(path);
    if (const ReadFailure why = reader->check();
        why == ReadFailure::notFound || why == ReadFailure::notRegular) {
        alertMessage(
            "Error", why == ReadFailure::notFound ? "File not found." : describe(why, path));
        return false;
    }
    logLine(path);
    _filename = path;
    _lastFile = path;
    _o.filenameLabel->setText(lastPathComponent(path));
    _o.theUserDefaultsController->setString(kLastFilenameKey, path);
    rememberRecent(path);
    if (_o.view)
        _o.view->watchFile(path);
    ++_readGeneration;
    restoreTiming(path);
    if (readsInBackground(*reader)) {
        SharedCues old = _o.th->cues();
        _o.th->clearDataArray();
        _o.th->reset();
        if (_o.view)
            _o.view->showReading("", {});
        readInBackground(std::move(reader), std::move(old));
        return true;
    }
    // The new subtitles first, so that a running clock shows them from its first pass at zero.
    // A file that does not read shows nothing until Start says why.
    if (reader->readData()) {
        _o.th->setCues(std::make_shared<const Cues>(reader->dataArray()));
        showReading(*reader);
    } else {
        _o.th->clearDataArray();
        if (_o.view)
            _o.view->showReading("", {});
    }
    _o.th->reset();
    return true;
}

std::unique_ptr<SrtFile> MainCtrl::readerFor(const std::string& path) const
{
    auto reader = SrtFile::file(path, static_cast<std::uint32_t>(_encodingType), _returnCode);
    reader->setAutomatic(_automaticEncoding, _automaticLineEnding);
    return reader;
}

void MainCtrl::showReading(const SrtFile& reader)
{
    if (_o.view)
        _o.view->showReading(reporting::statusLine(reader.report()), reader.report().skippedLines);
}

bool MainCtrl::alertWithOffer(
    const std::string& message, const std::string& informative, const SrtFile& reader)
{
    // With both on Automatic there is nothing else to offer; a second read would only cost.
    const std::optional<Suggestion> offer
        = _automaticEncoding && _automaticLineEnding ? std::nullopt : reader.suggestion();
    // An offer of what is already chosen would fix nothing.
    const bool same = offer
        && (_automaticEncoding || offer->encoding == static_cast<std::uint32_t>(_encodingType))
        && (_automaticLineEnding || offer->lineEnding == _returnCode);
    if (!offer || same) {
        alertMessage(message, informative);
        return false;
    }
    const std::string suggestion
        = "This file looks like " + reporting::looksLike(offer->encoding, offer->lineEnding) + ".";
    if (!_o.alert->runModalWithOffer(message, informative, suggestion, "Use these"))
        return false;
    // As if both were chosen in the menus, which now show them.
    chooseEncoding(static_cast<std::int32_t>(offer->encoding));
    chooseLineEnding(offer->lineEnding);
    selectMenus();
    return true;
}

bool MainCtrl::alertNoSubtitles(const SrtFile& reader)
{
    const std::string name = lastPathComponent(_filename.value_or(""));
    // A file in another format says why nothing was found, not just that.
    std::string informative;
    if (const auto format = _filename ? otherSubtitleFormatOfFile(*_filename) : std::nullopt)
        informative = "This looks like " + *format + ". Subclock reads SubRip (.srt) files only.";
    if (alertWithOffer("No subtitles found in " + name, informative, reader))
        return true;
    // Answered: what was said before (a player followed, a file loaded) no longer holds.
    if (const SharedCues cues = _o.th->cues(); !cues || cues->empty()) {
        say("");
        if (_o.view)
            _o.view->showReading("Nothing loaded: no subtitles in " + name + ".", {});
    }
    return false;
}

void MainCtrl::chooseEncoding(std::int32_t id)
{
    _encodingType = id;
    std::fprintf(_stdout, "enccode:%d\n", _encodingType);
    std::fflush(_stdout);
    PreferencesStore& store = *_o.theUserDefaultsController;
    store.setInt(kEncTypeKey, _encodingType);
    if (_automaticEncoding)
        store.setInt(kAutoEncodingKey, 0);
    _automaticEncoding = false;
}

void MainCtrl::chooseLineEnding(std::uint8_t code, bool announce)
{
    if (announce)
        logLine(code == SrtFile::kLf ? "RC_LF" : code == SrtFile::kCr ? "RC_CR" : "RC_CRLF");
    _returnCode = code;
    PreferencesStore& store = *_o.theUserDefaultsController;
    store.setInt(kReturnCodeKey, _returnCode);
    if (_automaticLineEnding)
        store.setInt(kAutoLineEndingKey, 0);
    _automaticLineEnding = false;
}

std::unique_ptr<SrtFile> MainCtrl::readerForReadingAgain()
{
    if (!_filename || !File::isExistFile(*_filename))
        return nullptr;
    auto reader = readerFor(*_filename);
    // A read still under way was for the old choice or the old contents.
    ++_readGeneration;
    if (readsInBackground(*reader)) {
        // A large file is said to be wrong at the next Start; the clock goes on meanwhile.
        readInBackground(std::move(reader));
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
        if (_o.view)
            _o.view->showReading("", {});
        if (alertReadFailure(*reader))
            readAgain();
        return;
    }
    showReading(*reader);
    if (reader->dataArray().empty()) {
        if (alertNoSubtitles(*reader))
            readAgain();
        return;
    }
    // The position stays: a running clock goes on with the new subtitles.
    _o.th->setCues(std::make_shared<const Cues>(reader->dataArray()));
}

void MainCtrl::fileChangedOnDisk()
{
    const auto reader = readerForReadingAgain();
    if (!reader)
        return;
    // A file caught half-written does not replace subtitles that read.
    if (!reader->readData() || reader->dataArray().empty())
        return;
    _o.th->setCues(std::make_shared<const Cues>(reader->dataArray()));
    showReading(*reader);
}

bool MainCtrl::sendParsedArray()
{
    if (!_filename)
        return false;
    if (!File::isExistFile(*_filename)) {
        alertMessage("Error", "File not found.");
        _filename.reset();
        _o.filenameLabel->setText("");
        _o.th->clearDataArray();
        return false;
    }
    auto reader = readerFor(*_filename);
    logLine("size:" + std::to_string(reader->size()));
    ++_readGeneration;
    if (readsInBackground(*reader)) {
        // One list at a time: the old one goes before the new one is built.
        SharedCues old = _o.th->cues();
        _o.th->clearDataArray();
        readInBackground(std::move(reader), std::move(old));
        _reads.back()->sizeLogged = true;
        return false;
    }
    if (reader->readData()) {
        showReading(*reader);
        if (reader->dataArray().empty()) {
            // Not a silent clock: say so, and offer what would read.
            return alertNoSubtitles(*reader) && sendParsedArray();
        }
        _o.th->setCues(std::make_shared<const Cues>(reader->dataArray()));
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

MainCtrl::MainCtrl() = default;

MainCtrl::~MainCtrl()
{
    for (const auto& read : _reads) {
        if (read->thread.joinable())
            read->thread.join();
    }
}

bool MainCtrl::readsInBackground(const SrtFile& reader) const
{
    return _o.uiQueue && (reader.size() < 0 || reader.size() >= kBackgroundReadBytes);
}

MainCtrl::Read* MainCtrl::pendingRead() const
{
    for (const auto& read : _reads) {
        if (read->generation == _readGeneration)
            return read.get();
    }
    return nullptr;
}

void MainCtrl::readInBackground(std::unique_ptr<SrtFile> reader, SharedCues old)
{
    auto read = std::make_unique<Read>();
    read->reader = std::move(reader);
    read->generation = _readGeneration;
    Read* r = read.get();
    _reads.push_back(std::move(read));
    if (_o.busy)
        _o.busy->begin("Reading " + lastPathComponent(_filename.value_or("")) + "\u2026");
    r->thread = std::thread(
        [this, r, old = std::move(old), alive = std::weak_ptr<char>(_alive)]() mutable {
            // Millions of entries take a noticeable time to free: not on the UI thread.
            old.reset();
            r->ok = r->reader->readData();
            // The index over millions of entries is sorted here too, not on the UI thread.
            if (r->ok && !r->reader->dataArray().empty())
                r->cues = std::make_shared<const Cues>(r->reader->dataArray());
            _o.uiQueue->post([this, r, alive] {
                if (alive.lock())
                    finishRead(r);
            });
        });
}

void MainCtrl::finishRead(Read* read)
{
    read->thread.join();
    const auto it = std::find_if(
        _reads.begin(), _reads.end(), [read](const auto& r) { return r.get() == read; });
    const std::unique_ptr<Read> done = std::move(*it);
    _reads.erase(it);
    // Another file was chosen, or the file read again, since: this outcome is out of date.
    if (done->generation != _readGeneration)
        return;
    if (_o.busy)
        _o.busy->end();
    const bool waited = std::exchange(_playWhenRead, false) && _started;
    if (done->ok) {
        showReading(*done->reader);
        if (done->cues) {
            _o.th->setCues(done->cues);
            if (waited)
                _o.th->start();
            return;
        }
    } else if (_o.view) {
        _o.view->showReading("", {});
    }
    if (!waited)
        return;
    // The Start that waited fails as it would have at once; taking the offer starts again.
    _started = false;
    _o.startButton->setTitle("Start");
    const bool taken = done->ok ? alertNoSubtitles(*done->reader) : alertReadFailure(*done->reader);
    if (taken)
        play();
}

void MainCtrl::changeEncoding(const PopUpMenu& sender)
{
    const std::optional<int> tag = sender.selectedItemTag();
    if (!tag)
        return;
    PreferencesStore& store = *_o.theUserDefaultsController;
    if (*tag == kAutomaticTag) {
        _automaticEncoding = true;
        store.setInt(kAutoEncodingKey, 1);
    } else {
        chooseEncoding(*tag);
    }
    readAgain();
}

void MainCtrl::changeReturnCode(const PopUpMenu& sender)
{
    const int tag = sender.selectedItemTag().value_or(0);
    if (tag == kAutomaticTag) {
        logLine("RC_AUTO");
        _automaticLineEnding = true;
        _o.theUserDefaultsController->setInt(kAutoLineEndingKey, 1);
        readAgain();
        return;
    }
    // An unknown tag keeps the line ending, stored again but not logged.
    const bool known = settings::isLineEndingCode(tag);
    chooseLineEnding(known ? static_cast<std::uint8_t>(tag) : _returnCode, known);
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
    if (const auto at = nextStartAt(*cues, _o.th->timing(), _o.th->getPosition()))
        seekTo(*at + kInside);
}

void MainCtrl::previousSubtitle()
{
    const SharedCues cues = _o.th->cues();
    if (!cues)
        return;
    // Looked up from just before the position, so that at a start it is the one before.
    const double from = _o.th->getPosition() - 2 * kInside;
    if (const auto at = previousStartAt(*cues, _o.th->timing(), from))
        seekTo(*at + kInside);
}

void MainCtrl::goToSubtitle(std::size_t index)
{
    const SharedCues cues = _o.th->cues();
    if (!cues || index >= cues->size())
        return;
    seekTo(_o.th->timing().toClock(cues->entries()[index]->startTimeData()) + kInside);
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

void MainCtrl::shiftDelay(double seconds)
{
    Timing timing = _o.th->timing();
    // Whole milliseconds, so that steps of 0.1 s add up to what the window shows.
    timing.delay = std::round((timing.delay + seconds) * 1000.0) / 1000.0;
    applyTiming(timing);
}

void MainCtrl::catchLine(bool next)
{
    const SharedCues cues = _o.th->cues();
    if (!cues || cues->empty())
        return;
    const Timing timing = _o.th->timing();
    const double position = _o.th->getPosition();
    const double file = timing.toFile(position);
    const std::int32_t i = next ? cues->nextStart(file) : cues->previousStart(file);
    if (i == Cues::kNone) {
        say(next ? "No subtitle after this point to catch."
                 : "No subtitle before this point to catch.");
        return;
    }
    const auto& entry = *cues->entries()[static_cast<std::size_t>(i)];
    const CaughtLine caught{ entry.startTimeData(), position };
    const std::string line = "line " + std::to_string(entry.numberData());

    // Pressed again at nearly the same moment: the user stepped on to the line they meant, and
    // this catch replaces the last.
    if (!_catches.empty() && std::abs(_catches.back().clockTime - position) < kRecatchWindow)
        _catches.pop_back();
    // The earlier catch farthest away in the file gives the surest speed.
    const CaughtLine* partner = nullptr;
    for (const CaughtLine& c : _catches) {
        const double span = std::abs(c.fileTime - caught.fileTime);
        if (span >= kMinCatchSpan
            && (!partner || span > std::abs(partner->fileTime - caught.fileTime)))
            partner = &c;
    }
    // Short enough for the status bar beside the timing, which shows the delay itself.
    Timing result{ position - timing.speed * caught.fileTime, timing.speed };
    std::string message = "Caught " + line + ".";
    if (partner) {
        if (const std::optional<SolvedTiming> solved = solveTiming(*partner, caught)) {
            result = solved->timing;
            if (solved->snapped) {
                message = "Caught " + line + ": " + std::string(solved->snapped->label) + ".";
            } else {
                char speed[64];
                std::snprintf(speed, sizeof speed, ": speed \u00D7%.5f.", result.speed);
                message = "Caught " + line + speed;
            }
        } else {
            message = "Caught " + line + ": no likely speed, delay only.";
        }
    } else if (_catches.empty()) {
        message = "Caught " + line + ". One more a minute away solves the speed.";
    }
    _catches.push_back(caught);
    applyTiming(result);
    say(message);
}

void MainCtrl::setSpeed(double speed)
{
    if (!(speed > 0))
        return;
    Timing timing = _o.th->timing();
    timing.speed = speed;
    applyTiming(timing);
}

void MainCtrl::resetTiming()
{
    _catches.clear();
    applyTiming(Timing{});
}

std::optional<std::string> MainCtrl::adjustedSubtitles() const
{
    const SharedCues cues = _o.th->cues();
    if (!cues)
        return std::nullopt;
    return adjustedSrt(*cues, _o.th->timing(), SrtFile::writtenLineEnding(_returnCode));
}

void MainCtrl::restoreTiming(const std::string& path)
{
    _catches.clear();
    const std::optional<Timing> stored = _timingMemory.find(path);
    _o.th->setTiming(stored.value_or(Timing{}));
    if (_o.timingLabel)
        _o.timingLabel->setText(describeTiming(_o.th->timing()));
    say(stored ? "timing restored: " + describeTiming(*stored) : std::string{});
}

void MainCtrl::applyTiming(const Timing& timing)
{
    _o.th->setTiming(timing);
    if (_filename)
        _timingMemory.remember(*_o.theUserDefaultsController, *_filename, timing);
    if (_o.timingLabel)
        _o.timingLabel->setText(describeTiming(timing));
    // A stopped clock shows at once what the new timing puts at its position.
    if (!_o.th->isRunning())
        _o.th->drawMessages(_o.th->getPosition());
}

void MainCtrl::say(const std::string& message)
{
    if (_o.statusLine)
        _o.statusLine->setText(message);
}
