// Writes one generated film: gen_srt utf8|sjis BYTES|film FILE ("film" is the 1,500-entry,
// two-hour film).
#include "SrtGen.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fputs("usage: gen_srt utf8|sjis BYTES|film FILE\n", stderr);
        return 64;
    }
    const auto charset
        = std::strcmp(argv[1], "sjis") == 0 ? srtgen::Charset::ShiftJis : srtgen::Charset::Utf8;
    const bool film = std::strcmp(argv[2], "film") == 0;
    const std::string bytes
        = srtgen::film(charset, film ? 0 : std::strtoull(argv[2], nullptr, 10), film ? 1500 : -1);
    std::FILE* out = std::fopen(argv[3], "wb");
    if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()
        || std::fclose(out) != 0) {
        std::perror(argv[3]);
        return 1;
    }
    return 0;
}
