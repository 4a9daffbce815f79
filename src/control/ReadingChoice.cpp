// The encoding and line-ending choice, its menus and its stored keys.
#include "control/ReadingChoice.h"

#include "autosync/Soundtrack.h"
#include "platform/Encodings.h"
#include "platform/Log.h"
#include "platform/Translate.h"

namespace {

const std::string kEncTypeKey(settings::kEncType.name);
const std::string kReturnCodeKey(settings::kReturnCode.name);
const std::string kAutoEncodingKey(settings::kAutoEncoding.name);
const std::string kAutoLineEndingKey(settings::kAutoLineEnding.name);

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

void ReadingChoice::fillEncodingMenu()
{
    const std::string automatic = translate("ReadingChoice", "Automatic");
    _p.encodingMenu->addItemWithTitle(automatic);
    _p.encodingMenu->setTagOfItemWithTitle(automatic, kAutomaticTag);
    for (const encodings::Encoding& e : encodings::availableStringEncodings()) {
        const std::string name = translate("Encodings", e.name);
        _p.encodingMenu->addItemWithTitle(name);
        // Identifiers past 2^31 are kept as their 32-bit pattern, as stored in the preferences.
        _p.encodingMenu->setTagOfItemWithTitle(name, static_cast<std::int32_t>(e.id));
    }
}

void ReadingChoice::restore()
{
    PreferencesStore& store = *_p.store;
    const bool encodingStored = restoreIntSetting(
        store, settings::kEncType, *_p.encodingMenu, [this](std::int32_t v) { _encodingType = v; },
        [this] { return _encodingType; });
    const bool lineEndingStored = restoreIntSetting(
        store, settings::kReturnCode, *_p.lineEndingMenu,
        [this](std::int32_t v) { _lineEnding = storedLineEnding(v).value_or(_lineEnding); },
        [this] { return static_cast<std::int32_t>(codeOf(_lineEnding)); });
    _automaticEncoding = restoreAutomatic(store, settings::kAutoEncoding, encodingStored);
    _automaticLineEnding = restoreAutomatic(store, settings::kAutoLineEnding, lineEndingStored);
    selectMenus();
}

void ReadingChoice::selectMenus()
{
    _p.encodingMenu->selectItemWithTag(_automaticEncoding ? kAutomaticTag : _encodingType);
    _p.lineEndingMenu->selectItemWithTag(
        _automaticLineEnding ? kAutomaticTag : codeOf(_lineEnding));
}

bool ReadingChoice::changeEncoding(const PopUpMenu& sender)
{
    const std::optional<int> tag = sender.selectedItemTag();
    if (!tag)
        return false;
    if (*tag == kAutomaticTag) {
        _automaticEncoding = true;
        _p.store->setInt(kAutoEncodingKey, 1);
    } else {
        chooseEncoding(*tag);
    }
    return true;
}

bool ReadingChoice::changeLineEnding(const PopUpMenu& sender)
{
    const int tag = sender.selectedItemTag().value_or(0);
    if (tag == kAutomaticTag) {
        logLine("RC_AUTO");
        _automaticLineEnding = true;
        _p.store->setInt(kAutoLineEndingKey, 1);
        return true;
    }
    // An unknown tag keeps the line ending, stored again but not logged.
    const std::optional<LineEnding> known = storedLineEnding(tag);
    chooseLineEnding(known.value_or(_lineEnding), known.has_value());
    return true;
}

std::unique_ptr<SrtFile> ReadingChoice::readerFor(const std::string& path) const
{
    auto reader = SrtFile::file(path, static_cast<std::uint32_t>(_encodingType), _lineEnding);
    reader->setAutomatic(_automaticEncoding, _automaticLineEnding);
    if (!_video.empty())
        reader->setVideoFrameRate([video = _video] { return autosync::videoFrameRate(video); });
    return reader;
}

std::optional<Suggestion> ReadingChoice::offerFor(const SrtFile& reader) const
{
    // With both on Automatic there is nothing else to offer; a second read would only cost.
    if (_automaticEncoding && _automaticLineEnding)
        return std::nullopt;
    std::optional<Suggestion> offer = reader.suggestion();
    // An offer of what is already chosen would fix nothing.
    if (offer
        && (_automaticEncoding || offer->encoding == static_cast<std::uint32_t>(_encodingType))
        && (_automaticLineEnding || offer->lineEnding == codeOf(_lineEnding)))
        return std::nullopt;
    return offer;
}

void ReadingChoice::take(const Suggestion& offer)
{
    chooseEncoding(static_cast<std::int32_t>(offer.encoding));
    chooseLineEnding(lineEndingFromCode(offer.lineEnding));
    selectMenus();
}

void ReadingChoice::chooseEncoding(std::int32_t id)
{
    _encodingType = id;
    std::fprintf(_stdout, "enccode:%d\n", _encodingType);
    std::fflush(_stdout);
    _p.store->setInt(kEncTypeKey, _encodingType);
    if (_automaticEncoding)
        _p.store->setInt(kAutoEncodingKey, 0);
    _automaticEncoding = false;
}

void ReadingChoice::chooseLineEnding(LineEnding ending, bool announce)
{
    if (announce)
        logLine(std::string(logWordOf(ending)));
    _lineEnding = ending;
    _p.store->setInt(kReturnCodeKey, codeOf(_lineEnding));
    if (_automaticLineEnding)
        _p.store->setInt(kAutoLineEndingKey, 0);
    _automaticLineEnding = false;
}
