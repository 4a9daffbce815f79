// The log as users see it: standard error, each line prefixed with date, time and process.
#pragma once

#include "platform/Log.h"

#include <string>

class StderrLog final : public LogSink {
public:
    explicit StderrLog(std::string processName);
    void write(std::string_view line) override;

private:
    std::string _prefix;
};
