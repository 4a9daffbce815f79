// The one reader for other formats a program has set.
#include "subtitles/FormatReader.h"

#include <atomic>

namespace {

// Set before the first read, read on any reading thread.
std::atomic<const FormatReader*> theReader{ nullptr };

} // namespace

void setFormatReader(const FormatReader* reader)
{
    theReader.store(reader, std::memory_order_release);
}

const FormatReader* formatReader()
{
    return theReader.load(std::memory_order_acquire);
}
