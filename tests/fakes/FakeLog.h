// Records log lines; installs itself for its lifetime. The worker logs too, hence the lock.
#pragma once

#include "platform/Log.h"

#include <mutex>
#include <string>
#include <vector>

class FakeLog final : public LogSink {
public:
    FakeLog() { setLogSink(this); }
    ~FakeLog() override { setLogSink(nullptr); }

    void write(std::string_view line) override
    {
        std::lock_guard lock(_mutex);
        _lines.emplace_back(line);
    }

    std::vector<std::string> lines() const
    {
        std::lock_guard lock(_mutex);
        return _lines;
    }

private:
    mutable std::mutex _mutex;
    std::vector<std::string> _lines;
};
