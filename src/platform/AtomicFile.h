// Replacing a file's contents so that a crash or a power cut leaves the old or the new, never a
// mix.
#pragma once

#include <string>
#include <string_view>

// Writes `bytes` to a temporary file beside `path`, flushes it to the disk, renames it over
// `path` and flushes the folder's entry. False, with `path` untouched, on any failure.
bool writeFileAtomically(const std::string& path, std::string_view bytes);
