// Commands from the window, the per-start read of the file, and the stored settings.
#include "control/MainCtrl.h"

#include "platform/Encodings.h"
#include "platform/Log.h"
#include "subtitles/SrtFile.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

const std::string kEncTypeKey = "enc_type";
const std::string kReturnCodeKey = "return_code";
const std::string kLastFilenameKey = "last_filename";

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

// Reads one integer setting. The store's own error is answered by writing the current value
// back; any failure, handled or not, still leaves the menu showing the value in force.
template <typename Assign, typename Current>
void restoreIntSetting(PreferencesStore& store, const std::string& key, PopUpMenu& menu,
    Assign assign, Current current)
{
    try {
        try {
            if (const std::optional<std::int32_t> stored = store.intValue(key))
                assign(*stored);
        } catch (const PreferencesError&) {
            store.setInt(key, current());
        }
    } catch (...) {
        menu.selectItemWithTag(current());
        throw;
    }
    menu.selectItemWithTag(current());
}

} // namespace

void MainCtrl::awakeFromNib()
{
    for (const encodings::Encoding& e : encodings::availableStringEncodings()) {
        _o.encButton->addItemWithTitle(e.name);
        // Identifiers past 2^31 are kept as their 32-bit pattern, as stored in the preferences.
        _o.encButton->setTagOfItemWithTitle(e.name, static_cast<std::int32_t>(e.id));
    }
    loadDefaultValues();
}

void MainCtrl::loadDefaultValues()
{
    PreferencesStore& store = *_o.theUserDefaultsController;
    restoreIntSetting(
        store, kEncTypeKey, *_o.encButton, [this](std::int32_t v) { _encodingType = v; },
        [this] { return _encodingType; });
    restoreIntSetting(
        store, kReturnCodeKey, *_o.retButton,
        [this](std::int32_t v) { _returnCode = static_cast<std::uint8_t>(v); },
        [this] { return static_cast<std::int32_t>(_returnCode); });

    try {
        _filename = store.stringValue(kLastFilenameKey);
    } catch (const PreferencesError&) {
        if (_filename)
            store.setString(kLastFilenameKey, *_filename);
    }
    if (!_filename)
        return;
    if (!File::isExistFile(*_filename)) {
        // Forgotten for this run only: the key keeps the path until another file is chosen.
        _filename.reset();
        return;
    }
    _o.filenameLabel->setText(lastPathComponent(*_filename));
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
    if (sendParsedArray()) {
        _o.th->start();
        return;
    }
    _started = !_started;
    _o.startButton->setTitle("Start");
}

void MainCtrl::stop()
{
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
    if (const std::optional<std::string> path = _o.openDialog->runModal(homeDirectory(), types)) {
        logLine(*path);
        _filename = *path;
        _o.filenameLabel->setText(lastPathComponent(*_filename));
        _o.theUserDefaultsController->setString(kLastFilenameKey, *_filename);
        _o.th->reset();
    } else {
        logLine("Cancel");
    }
    _o.mainPanel->orderFront();
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
    const auto reader
        = SrtFile::file(*_filename, static_cast<std::uint32_t>(_encodingType), _returnCode);
    logLine("size:" + std::to_string(reader->size()));
    if (reader->readData()) {
        _o.th->setDataArray(reader->dataArray());
        return true;
    }
    alertMessage("Error", "Encoding Error");
    return false;
}

void MainCtrl::changeEncoding(const PopUpMenu& sender)
{
    const std::optional<int> tag = sender.selectedItemTag();
    if (!tag)
        return;
    _encodingType = *tag;
    std::fprintf(_stdout, "enccode:%d\n", _encodingType);
    std::fflush(_stdout);
    _o.theUserDefaultsController->setInt(kEncTypeKey, _encodingType);
}

void MainCtrl::changeReturnCode(const PopUpMenu& sender)
{
    switch (sender.selectedItemTag().value_or(0)) {
    case SrtFile::kLf:
        logLine("RC_LF");
        _returnCode = SrtFile::kLf;
        break;
    case SrtFile::kCr:
        logLine("RC_CR");
        _returnCode = SrtFile::kCr;
        break;
    case SrtFile::kCrLf:
        logLine("RC_CRLF");
        _returnCode = SrtFile::kCrLf;
        break;
    default:
        break;
    }
    _o.theUserDefaultsController->setInt(kReturnCodeKey, _returnCode);
}

void MainCtrl::alertMessage(const std::string& message, const std::string& subMessage)
{
    _o.alert->runModal(message, subMessage);
}
