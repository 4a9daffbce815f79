// An independent well-formedness check (the table of well-formed byte sequences in the Unicode
// standard), to hold the decoder's answers against something that shares no code with it.
#pragma once

#include <cstddef>
#include <string_view>

inline bool referenceValidUtf8(std::string_view s)
{
    struct Row {
        unsigned char lo0, hi0, lo1, hi1;
        int length;
    };
    static constexpr Row rows[] = {
        { 0x00, 0x7F, 0, 0, 1 },
        { 0xC2, 0xDF, 0x80, 0xBF, 2 },
        { 0xE0, 0xE0, 0xA0, 0xBF, 3 },
        { 0xE1, 0xEC, 0x80, 0xBF, 3 },
        { 0xED, 0xED, 0x80, 0x9F, 3 },
        { 0xEE, 0xEF, 0x80, 0xBF, 3 },
        { 0xF0, 0xF0, 0x90, 0xBF, 4 },
        { 0xF1, 0xF3, 0x80, 0xBF, 4 },
        { 0xF4, 0xF4, 0x80, 0x8F, 4 },
    };
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        const Row* row = nullptr;
        for (const Row& r : rows)
            if (b0 >= r.lo0 && b0 <= r.hi0)
                row = &r;
        if (!row || i + static_cast<std::size_t>(row->length) > s.size())
            return false;
        for (int k = 1; k < row->length; ++k) {
            const auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            const unsigned char lo = k == 1 ? row->lo1 : 0x80;
            const unsigned char hi = k == 1 ? row->hi1 : 0xBF;
            if (b < lo || b > hi)
                return false;
        }
        i += static_cast<std::size_t>(row->length);
    }
    return true;
}
