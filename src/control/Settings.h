// The player's stored settings in one table: its key, its type, its value when nothing is
// stored, and which stored values are valid. A stored value that is not valid is treated like one
// that cannot be read, so a menu and the value in force never disagree. The panel's look and
// place keep their own panel_* keys (control/PanelStyle.h), each with its own range.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace settings {

enum class Type { integer, text };

struct Key {
    std::string_view name;
    Type type;
    // For integers: the value in force until one is stored.
    std::int32_t defaultValue;
    // For integers: whether a stored value may be used; null accepts any.
    bool (*valid)(std::int32_t);
};

bool isKnownEncoding(std::int32_t id);
bool isLineEndingCode(std::int32_t code);
bool isFlag(std::int32_t value);
bool isSecondPlacement(std::int32_t value);

// The encoding the file is decoded with, by its encoding identifier (8 is Shift JIS).
inline constexpr Key kEncType{ "enc_type", Type::integer, 8, &isKnownEncoding };
// The line ending the file is split at: 0 CRLF, 1 LF, 2 CR. Only the low 8 bits of a stored
// number count.
inline constexpr Key kReturnCode{ "return_code", Type::integer, 0, &isLineEndingCode };
// The full path of the last file chosen, as its bytes.
inline constexpr Key kLastFilename{ "last_filename", Type::text, 0, nullptr };

// The media player followed: its short bus name ("mpv", "chromium"); empty or absent for the
// own clock.
inline constexpr Key kFollowPlayer{ "follow_player", Type::text, 0, nullptr };

// The delay and speed of the last 100 files, newest first, one a line: "delay\tspeed\tpath"
// (TimingMemory reads and writes it).
inline constexpr Key kFileTiming{ "file_timing", Type::text, 0, nullptr };

// Whether the encoding, and the line ending, are found from each file ("Automatic"): 1 yes, 0
// no. When it is not stored, Automatic is in force exactly when the explicit choice is not
// stored either, so a first run starts on Automatic and an earlier explicit choice stays.
inline constexpr Key kAutoEncoding{ "auto_encoding", Type::integer, 0, &isFlag };
inline constexpr Key kAutoLineEnding{ "auto_line_ending", Type::integer, 0, &isFlag };
// Up to ten paths, most recent first, one a line; "%" and a line break in a path are written
// "%25" and "%0A".
inline constexpr Key kRecentFiles{ "recent_files", Type::text, 0, nullptr };

// Whether the main window shows a subtitle's markup (<i>, {\an8}) as written, for authors: 1
// yes; 0, the default, shows the text as a viewer reads it.
inline constexpr Key kShowMarkup{ "show_markup", Type::integer, 0, &isFlag };

// The second subtitle file of the last 100 first files, newest first, one a line:
// "first\tsecond" (SecondTrackMemory reads and writes it).
inline constexpr Key kSecondTracks{ "second_tracks", Type::text, 0, nullptr };
// The language of the second track found beside a followed video ("movie.LANG2.srt"); empty or
// absent for none.
inline constexpr Key kSecondLanguage{ "second_language", Type::text, 0, nullptr };
// Where the second track shows: 0 under the first in the panel, 1 over it, 2 at the top of the
// screen while the first stays at the bottom.
inline constexpr Key kSecondPlacement{ "second_placement", Type::integer, 0, &isSecondPlacement };

// Whether the shortcuts that work while another program has the focus are grabbed: 1 yes; 0,
// the default, leaves every key to the other programs.
inline constexpr Key kGlobalKeys{ "global_keys", Type::integer, 0, &isFlag };
// Their combinations, one "action=keys" a line (globalkeys::storeBindings); absent for the
// defaults.
inline constexpr Key kGlobalKeyBindings{ "global_key_bindings", Type::text, 0, nullptr };

// The language of the user interface, as a locale name ("ja", "zh_CN"); empty or absent follows
// the system's. Read once at start.
inline constexpr Key kLanguage{ "ui_language", Type::text, 0, nullptr };

inline constexpr std::array kAll{ kEncType, kReturnCode, kLastFilename, kFollowPlayer, kFileTiming,
    kAutoEncoding, kAutoLineEnding, kRecentFiles, kShowMarkup, kSecondTracks, kSecondLanguage,
    kSecondPlacement, kGlobalKeys, kGlobalKeyBindings, kLanguage };

} // namespace settings
