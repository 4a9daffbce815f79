// One readData of FILE, then the peak resident memory against the file's size, so the reader's
// own memory is told apart from srtdump's output. read_rss ENCODING FILE
#include "subtitles/SrtFile.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {
long peakKiB()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: read_rss ENCODING FILE\n", stderr);
        return 64;
    }
    const long before = peakKiB();
    const auto reader = SrtFile::file(
        argv[2], static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 0)), LineEnding::crlf);
    const auto t0 = std::chrono::steady_clock::now();
    const bool ok = reader->readData();
    const double ms
        = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    const long after = peakKiB();
    const double size = reader->size();
    std::printf(
        "ok=%d entries=%zu size_mb=%.1f read_ms=%.1f peak_before_mib=%.1f peak_after_mib=%.1f "
        "growth_per_file_byte=%.2f\n",
        ok, reader->dataArray().size(), size / 1e6, ms, before / 1024.0, after / 1024.0,
        (after - before) * 1024.0 / size);
    return ok ? 0 : 1;
}
