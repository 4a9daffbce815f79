// Whole files: read in one piece, and replaced so that a crash or a power cut leaves the old or
// the new, never a mix.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The file's bytes; none when it cannot be opened.
std::optional<std::string> readWholeFile(const std::string& path);

// Writes `bytes` to a temporary file beside `path`, flushes it to the disk, renames it over
// `path` and flushes the folder's entry. False, with `path` untouched, on any failure.
bool writeFileAtomically(const std::string& path, std::string_view bytes);
