// Reads one SubRip file, in a chosen encoding and line ending, into a list of entries.
#pragma once

#include "subtitles/AutoReader.h"
#include "subtitles/File.h"
#include "subtitles/IndexLine.h"
#include "subtitles/LineEnding.h"
#include "subtitles/SrtMessage.h"
#include "subtitles/TimeCode.h"
#include "subtitles/Timing.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

class SrtFile : public File {
public:
    static std::unique_ptr<SrtFile> file(
        const std::string& path, std::uint32_t encode, LineEnding retCode);

    SrtFile(const std::string& path, std::uint32_t encode, LineEnding retCode);

    // For callers that still keep the stored code (MainCtrl and its tests); LineEnding is the type.
    static constexpr std::uint8_t kCrLf = codeOf(LineEnding::crlf);
    static constexpr std::uint8_t kLf = codeOf(LineEnding::lf);
    static constexpr std::uint8_t kCr = codeOf(LineEnding::cr);
    static std::unique_ptr<SrtFile> file(
        const std::string& path, std::uint32_t encode, std::uint8_t retCode)
    {
        return file(path, encode, lineEndingFromCode(retCode));
    }
    SrtFile(const std::string& path, std::uint32_t encode, std::uint8_t retCode)
        : SrtFile(path, encode, lineEndingFromCode(retCode))
    {
    }
    static std::string_view writtenLineEnding(std::uint8_t returnCode)
    {
        return writtenSeparatorOf(lineEndingFromCode(returnCode));
    }

    // The entries in file order; callers that outlive the reader keep their own copy.
    const SrtMessageList& dataArray() const { return _nsma; }

    // An index line: nothing but ASCII digits, and at least one.
    static bool isDigitCode(std::string_view line) { return isIndexLine(line); }

    // The first available encoding in which the whole file decodes, or 0 when none does.
    std::uint32_t detectEncoding() const;

    // Reads, decodes and parses the file, appending to the list. False when the file cannot be
    // read or does not decode (failure() tells which); the list is then left as it was.
    bool readData();

    // Parses decoded text as readData does after reading and decoding.
    void parseText(std::string_view text);

    // Automatic: what is not chosen by hand is found from the file, and the walk forgives what
    // real files get wrong. With neither set, the reading is the hand-picked one.
    void setAutomatic(bool encoding, bool lineEnding);
    // Where an Automatic read of a MicroDVD file without a rate line finds one.
    void setVideoFrameRate(autoread::VideoFrameRate rate) { _videoFrameRate = std::move(rate); }

    // What the last successful read used and found.
    const ReadingReport& report() const { return _report; }

    // The encoding and line ending Automatic would read this file with, for an alert's offer.
    std::optional<Suggestion> suggestion() const;

    // Diagnostic listing: numbers and times on `out`, the times as `timing` shows them; the
    // texts to the log.
    void dumpValues(std::FILE* out = stdout, const Timing& timing = {}) const;

private:
    SrtMessageList _nsma;
    std::uint32_t _encodeType;
    LineEnding _returnCode;
    bool _automaticEncoding = false;
    bool _automaticLineEnding = false;
    autoread::VideoFrameRate _videoFrameRate;
    ReadingReport _report;
};
