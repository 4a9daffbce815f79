// Gives back to the system the pages of a large buffer that a single forward pass has left
// behind, so a big file is not resident twice (as input and as what it becomes) during the pass.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

// Only for a buffer its owner reads once, front to back, and drops right after: released pages
// read back as zeros.
class ReleasedPages {
public:
    explicit ReleasedPages(std::string& buffer)
        : _page(static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE)))
        , _next((reinterpret_cast<std::uintptr_t>(buffer.data()) + _page - 1) & ~(_page - 1))
        , _enabled(buffer.size() >= kMinimum)
    {
    }

    // Nothing before `p` will be read again.
    void passed(const char* p)
    {
        const std::uintptr_t end = reinterpret_cast<std::uintptr_t>(p) & ~(_page - 1);
        if (!_enabled || end < _next + kStep)
            return;
        // The page boundary is computed as an integer; madvise wants it back as an address.
        // NOLINTNEXTLINE(performance-no-int-to-ptr)
        ::madvise(reinterpret_cast<void*>(_next), end - _next, MADV_DONTNEED);
        _next = end;
    }

private:
    // Small buffers are not worth the system calls; release a megabyte at a time.
    static constexpr std::size_t kMinimum = 8 << 20;
    static constexpr std::uintptr_t kStep = 1 << 20;

    std::uintptr_t _page;
    std::uintptr_t _next;
    bool _enabled;
};
