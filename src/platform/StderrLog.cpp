// One write(2) per line, so lines from the UI thread and the worker never interleave.
#include "platform/StderrLog.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>

StderrLog::StderrLog(std::string processName)
    : _prefix(std::move(processName) + "[" + std::to_string(::getpid()) + "] ")
{
}

void StderrLog::write(std::string_view line)
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t secs = system_clock::to_time_t(now);
    const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&secs, &local);
    char stamp[48];
    const std::size_t len = std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    std::snprintf(stamp + len, sizeof stamp - len, ".%03d ", static_cast<int>(millis));

    std::string out;
    out.reserve(line.size() + 64);
    out.append(stamp).append(_prefix).append(line).push_back('\n');
    const char* p = out.data();
    std::size_t left = out.size();
    while (left > 0) {
        const ssize_t n = ::write(STDERR_FILENO, p, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return; // nowhere else to report a broken standard error
        p += n;
        left -= static_cast<std::size_t>(n);
    }
}
