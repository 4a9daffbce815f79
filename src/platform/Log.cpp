// Routes the core's log lines to whichever sink the program installed.
#include "platform/Log.h"

#include <atomic>

namespace {
// Atomic so a sink swapped by a test is seen by a worker that logs at the same moment.
std::atomic<LogSink*> gSink{ nullptr };
} // namespace

void setLogSink(LogSink* sink)
{
    gSink.store(sink);
}

void logLine(std::string_view line)
{
    if (LogSink* sink = gSink.load())
        sink->write(line);
}
