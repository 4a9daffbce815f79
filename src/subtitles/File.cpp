// POSIX file access for the reader.
#include "subtitles/File.h"

#include "platform/Log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>

namespace {

int openForReading(const std::string& path)
{
    // Non-blocking so that opening a FIFO with no writer returns at once instead of hanging.
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

} // namespace

std::unique_ptr<File> File::file(const std::string& path)
{
    return std::make_unique<File>(path);
}

bool File::isExistFile(const std::string& path)
{
    const int fd = openForReading(path);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

File::File(const std::string& path)
    : _filename(path)
{
    _fd = openForReading(path);
    if (_fd < 0) {
        logLine("file error");
        return;
    }
    const off_t end = ::lseek(_fd, 0, SEEK_END);
    ::lseek(_fd, 0, SEEK_SET);
    if (end >= 0 && end <= std::numeric_limits<std::int32_t>::max())
        _filesize = static_cast<std::int32_t>(end);
}

File::~File()
{
    if (_fd >= 0)
        ::close(_fd);
}

ReadFailure File::check() const
{
    struct stat st { };
    return check(st);
}

ReadFailure File::check(struct stat& st) const
{
    if (_fd < 0)
        return ReadFailure::notFound;
    if (::fstat(_fd, &st) != 0)
        return ReadFailure::readError;
    if (!S_ISREG(st.st_mode))
        return ReadFailure::notRegular;
    if (_filesize < 0)
        return ReadFailure::tooLarge;
    return ReadFailure::none;
}

bool File::readWhole(std::string& bytes) const
{
    struct stat st { };
    const auto fail = [this](ReadFailure why) {
        _failure = why;
        return false;
    };
    if (const ReadFailure why = check(st); why != ReadFailure::none)
        return fail(why);
    // A file truncated since it was opened must not make us allocate its old size.
    const auto capacity = static_cast<std::size_t>(std::min<off_t>(_filesize, st.st_size));
    bytes.resize(capacity);
    _failure = ReadFailure::none;
    if (capacity == 0)
        return true;
    ssize_t got;
    do {
        got = ::pread(_fd, bytes.data(), capacity, 0);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        bytes.clear();
        return fail(ReadFailure::readError);
    }
    bytes.resize(static_cast<std::size_t>(got));
    return true;
}
