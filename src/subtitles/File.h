// A read-only file opened once, with its size known from the start.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <memory>
#include <string>

// Why a file could not be read into subtitles.
enum class ReadFailure {
    none,
    notFound, // does not exist, or may not be opened
    notRegular, // a folder, a pipe, a device
    tooLarge, // its size does not fit the reader's 32-bit size
    readError, // the system failed to read it
    notDecodable, // not valid in the encoding chosen
};

class File {
public:
    static std::unique_ptr<File> file(const std::string& path);
    // True exactly when the path opens for reading. Never blocks, even on a FIFO with no writer.
    static bool isExistFile(const std::string& path);

    // Opens the path; on failure logs "file error" and the size is -1.
    explicit File(const std::string& path);
    virtual ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // Bytes, or -1 when the file did not open or its size does not fit 32 bits.
    std::int32_t size() const { return _filesize; }
    // Why the last read failed; none after a read that succeeded, and before any read.
    ReadFailure failure() const { return _failure; }
    // Whether a read could start: what would stop it before a byte is read, or none. Cheap.
    ReadFailure check() const;

protected:
    // check(), keeping what it learnt of the file.
    ReadFailure check(struct stat& st) const;

    // Reads the whole file with one read into a buffer of its size. Fails on anything that is not
    // a regular file that opened, and on a failed read; a short read keeps the bytes read.
    bool readWhole(std::string& bytes) const;

    int _fd = -1;
    std::string _filename;
    std::int32_t _filesize = -1;
    mutable ReadFailure _failure = ReadFailure::none;
};
