// Reads what has been written to a temporary FILE so far, without moving its position.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <string>

inline std::string writtenTo(std::FILE* file)
{
    std::fflush(file);
    std::string out(1 << 16, '\0');
    const ssize_t n = ::pread(fileno(file), out.data(), out.size(), 0);
    out.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return out;
}
