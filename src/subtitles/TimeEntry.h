// A time typed by a person, in the forms people write: "1:02:03.5", "01:02:03,500", "62:03",
// "3723.5", and the clock's own "01:02:03:500".
#pragma once

#include <optional>
#include <string_view>

// Shown when an entry is refused.
inline constexpr std::string_view kTimeEntryForms
    = "Type a time as hours:minutes:seconds (1:02:03.5 or 01:02:03,500), minutes:seconds "
      "(62:03) or seconds (3723.5).";

// Seconds, or none for anything else: fields are digits, the seconds may carry a fraction after
// "." or ",", minutes and seconds after the first field are below 60, nothing is negative.
std::optional<double> parseTimeEntry(std::string_view text);
