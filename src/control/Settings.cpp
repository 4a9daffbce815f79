// The validity rules of the settings table.
#include "control/Settings.h"

#include "platform/Encodings.h"
#include "subtitles/LineEnding.h"

namespace settings {

bool isKnownEncoding(std::int32_t id)
{
    // Identifiers past 2^31 are stored as their 32-bit pattern.
    return !encodings::localizedNameOfStringEncoding(static_cast<encodings::EncodingId>(id))
                .empty();
}

bool isLineEndingCode(std::int32_t code)
{
    return storedLineEnding(code).has_value();
}

bool isFlag(std::int32_t value)
{
    return value == 0 || value == 1;
}

bool isSecondPlacement(std::int32_t value)
{
    return value >= 0 && value <= 2;
}

} // namespace settings
