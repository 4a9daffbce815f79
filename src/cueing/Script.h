// A script to time: plain text whose paragraphs become the subtitles' texts, one by one.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace script {

// The text as UTF-8: UTF-8 as it is (a byte-order mark dropped), otherwise the first encoding
// of the encoding menu in which the whole file decodes. None when nothing decodes it.
std::optional<std::string> decode(std::string bytes);

// Paragraphs are separated by one or more blank lines; a line of spaces is blank. Lines inside
// a paragraph are kept, joined by "\n", without trailing spaces and whatever the line ending
// (CRLF, LF or CR). A leading byte-order mark is dropped.
std::vector<std::string> paragraphs(std::string_view text);

} // namespace script
