// Shared by the hostile-input tests: building each kind of awkward path, a bound that detects a
// hang without waiting forever, and a watch on the largest single allocation.
#pragma once

#include "TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <future>
#include <optional>
#include <random>
#include <string>
#include <thread>

namespace hostile {

// A small well-formed film: `count` entries, text "Line N", with the given separator.
inline std::string film(int count, const std::string& sep = "\r\n")
{
    std::string out;
    for (int i = 1; i <= count; ++i) {
        char times[64];
        std::snprintf(times, sizeof times, "00:%02d:%02d,000 --> 00:%02d:%02d,500", i / 60, i % 60,
            i / 60, i % 60);
        out += std::to_string(i) + sep + times + sep + "Line " + std::to_string(i) + sep + sep;
    }
    return out;
}

inline std::string randomBytes(std::size_t n, unsigned seed)
{
    std::mt19937 rng(seed);
    std::string out(n, '\0');
    for (char& c : out)
        c = static_cast<char>(rng());
    return out;
}

// A file of `size` bytes that takes no disk.
inline std::string sparseFile(const TempDir& dir, const std::string& name, off_t size)
{
    const std::string path = dir.write(name, "");
    if (::truncate(path.c_str(), size) != 0)
        ADD_FAILURE() << "cannot make a sparse file of " << size << " bytes";
    return path;
}

inline std::string fifo(const TempDir& dir, const std::string& name)
{
    const std::string path = (dir.path() / name).string();
    if (::mkfifo(path.c_str(), 0600) != 0)
        ADD_FAILURE() << "mkfifo " << path;
    return path;
}

// Runs `work` on another thread and waits at most `limit` (generous: this only detects a hang).
// A hung call cannot be cancelled and still holds the test's objects, so the process ends there.
template <typename T>
T withinLimit(const std::string& label, std::function<T()> work,
    std::chrono::seconds limit = std::chrono::seconds(10))
{
    auto task = std::make_shared<std::packaged_task<T()>>(std::move(work));
    std::future<T> result = task->get_future();
    std::thread([task] { (*task)(); }).detach();
    if (result.wait_for(limit) != std::future_status::ready) {
        std::fprintf(stderr, "HANG: %s did not return within %lld s\n", label.c_str(),
            static_cast<long long>(limit.count()));
        std::fflush(stderr);
        ::_exit(3);
    }
    return result.get();
}

// The largest single request made through operator new since the last reset; set by the
// replacement operators in AllocationWatch.cpp when that file is linked in.
std::size_t largestAllocation();
void resetLargestAllocation();

inline std::string readAll(const std::string& path)
{
    std::string out;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return out;
    char buf[65536];
    ssize_t n;
    while ((n = ::read(fd, buf, sizeof buf)) > 0)
        out.append(buf, static_cast<std::size_t>(n));
    ::close(fd);
    return out;
}

} // namespace hostile
