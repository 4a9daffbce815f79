// The one-line event log of the whole core, one line per event and no levels.
#pragma once

#include <string_view>

// Where log lines go. Called from the UI thread and from the playback worker, so an
// implementation must accept concurrent calls.
class LogSink {
public:
    virtual ~LogSink() = default;
    virtual void write(std::string_view line) = 0;

protected:
    LogSink() = default;
    LogSink(const LogSink&) = delete;
    LogSink& operator=(const LogSink&) = delete;
};

// Installs the process-wide sink (not owned; must outlive every later logLine). Null drops lines.
void setLogSink(LogSink* sink);

void logLine(std::string_view line);
