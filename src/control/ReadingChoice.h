// How the chosen file is read: its encoding and line ending, each chosen by hand or Automatic.
#pragma once

#include "control/PopUpMenu.h"
#include "control/PreferencesStore.h"
#include "control/Settings.h"
#include "subtitles/LineEnding.h"
#include "subtitles/SrtFile.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

// Used on the UI thread only. Keeps the two menus and the stored keys (enc_type, return_code and
// the Automatic flags) in step with the choice in force.
class ReadingChoice {
public:
    // The item tag of "Automatic", first in both menus; no encoding or line ending has it.
    static constexpr int kAutomaticTag = -1;

    struct Ports {
        PreferencesStore* store = nullptr;
        PopUpMenu* encodingMenu = nullptr;
        PopUpMenu* lineEndingMenu = nullptr;
    };
    void connect(const Ports& ports) { _p = ports; }
    // Where "enccode:" lines go.
    void setStandardOutput(std::FILE* out) { _stdout = out; }

    // "Automatic", then every encoding tagged with its identifier.
    void fillEncodingMenu();
    // Reads the stored choice; a damaged value is written back as the value in force. Anything
    // but the store's own error passes on, with the menu it concerns still selected.
    void restore();
    // The user's choice in a menu; true when the file is to be read again.
    bool changeEncoding(const PopUpMenu& sender);
    bool changeLineEnding(const PopUpMenu& sender);

    std::unique_ptr<SrtFile> readerFor(const std::string& path) const;
    // The local video a followed player shows (empty: none): a MicroDVD file without a rate
    // line is counted in its frames.
    void setVideo(std::string path) { _video = std::move(path); }
    const std::string& video() const { return _video; }
    // What the file looks like, when that differs from the choice and could fix a bad read.
    std::optional<Suggestion> offerFor(const SrtFile& reader) const;
    // Takes an offer as if both were chosen in the menus, which then show it.
    void take(const Suggestion& offer);

    std::int32_t encodingType() const { return _encodingType; }
    LineEnding lineEnding() const { return _lineEnding; }
    // The line ending as its stored `return_code`.
    std::uint8_t returnCode() const { return codeOf(_lineEnding); }
    bool automaticEncoding() const { return _automaticEncoding; }
    bool automaticLineEnding() const { return _automaticLineEnding; }

private:
    // A hand-picked choice: said, stored, and Automatic off for it. `announce` false stores the
    // line ending unsaid.
    void chooseEncoding(std::int32_t id);
    void chooseLineEnding(LineEnding ending, bool announce = true);
    void selectMenus();

    Ports _p;
    std::FILE* _stdout = stdout;
    std::int32_t _encodingType = settings::kEncType.defaultValue;
    LineEnding _lineEnding = lineEndingFromCode(settings::kReturnCode.defaultValue);
    bool _automaticEncoding = false;
    bool _automaticLineEnding = false;
    std::string _video;
};
