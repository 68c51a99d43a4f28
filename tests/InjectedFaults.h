#pragma once

#include "platform/FileSystemCalls.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

// File-system faults made through the seam of platform::fileSystemCalls().
// Each call decides from the file's offset, so it needs no state of its own:
// the first call of a write or read is the one at offset 0.
namespace faults {

inline off_t offsetOf(int fd)
{
    return ::lseek(fd, 0, SEEK_CUR);
}

inline ssize_t failWith(int error)
{
    errno = error;
    return -1;
}

inline ssize_t writeNoSpace(int, const void*, size_t)
{
    return failWith(ENOSPC);
}

// Half of the bytes go out, then the disk fails.
inline ssize_t writeShortThenFails(int fd, const void* data, size_t size)
{
    if (offsetOf(fd) == 0 && size > 1)
        return ::write(fd, data, size / 2);
    return failWith(EIO);
}

// One byte, one byte again, then the rest: each piece has to land after the last.
inline ssize_t writeShortShortThenFine(int fd, const void* data, size_t size)
{
    return ::write(fd, data, offsetOf(fd) < 2 ? 1 : size);
}

inline int fsyncFails(int)
{
    return static_cast<int>(failWith(EIO));
}

// As on a network file system that reports a lost write when the file is closed.
inline int closeFails(int fd)
{
    ::close(fd);
    return static_cast<int>(failWith(EIO));
}

inline int renameFails(const char*, const char*)
{
    return static_cast<int>(failWith(EXDEV));
}

// A folder that may not be written: creating a file in it is refused.
inline int createRefused(const char* path, int flags, mode_t mode)
{
    if ((flags & O_CREAT) != 0)
        return static_cast<int>(failWith(EACCES));
    return ::open(path, flags, mode);
}

inline int createOnReadOnlyDisk(const char* path, int flags, mode_t mode)
{
    if ((flags & O_CREAT) != 0)
        return static_cast<int>(failWith(EROFS));
    return ::open(path, flags, mode);
}

inline int openForReadingRefused(const char* path, int flags, mode_t mode)
{
    if ((flags & O_ACCMODE) == O_RDONLY)
        return static_cast<int>(failWith(EACCES));
    return ::open(path, flags, mode);
}

inline ssize_t readFails(int, void*, size_t)
{
    return failWith(EIO);
}

inline ssize_t readShortThenFails(int fd, void* data, size_t size)
{
    if (offsetOf(fd) == 0 && size > 1)
        return ::read(fd, data, 1);
    return failWith(EIO);
}

inline ssize_t readShortShortThenFine(int fd, void* data, size_t size)
{
    return ::read(fd, data, offsetOf(fd) < 2 ? 1 : size);
}

// The real calls with one changed by `change`.
template <typename Change> platform::FileSystemCalls realCallsBut(Change change)
{
    platform::FileSystemCalls calls = platform::realFileSystemCalls();
    change(calls);
    return calls;
}

// Calls that make a read or a write of a note fail, with the errno it gives.
struct InjectedFault {
    const char* what;
    platform::FileSystemCalls calls;
    int error;
};

inline std::vector<InjectedFault> writeFaults()
{
    using Calls = platform::FileSystemCalls;
    return {
        { "no space", realCallsBut([](Calls& calls) { calls.write = writeNoSpace; }), ENOSPC },
        { "short write, then an error", realCallsBut([](Calls& calls) { calls.write = writeShortThenFails; }), EIO },
        { "flush", realCallsBut([](Calls& calls) { calls.fsync = fsyncFails; }), EIO },
        { "close", realCallsBut([](Calls& calls) { calls.close = closeFails; }), EIO },
        { "rename", realCallsBut([](Calls& calls) { calls.rename = renameFails; }), EXDEV },
        { "folder not writable", realCallsBut([](Calls& calls) { calls.open = createRefused; }), EACCES },
        { "read-only disk", realCallsBut([](Calls& calls) { calls.open = createOnReadOnlyDisk; }), EROFS },
    };
}

inline std::vector<InjectedFault> readFaults()
{
    using Calls = platform::FileSystemCalls;
    return {
        { "read error", realCallsBut([](Calls& calls) { calls.read = readFails; }), EIO },
        { "short read, then an error", realCallsBut([](Calls& calls) { calls.read = readShortThenFails; }), EIO },
        { "open refused", realCallsBut([](Calls& calls) { calls.open = openForReadingRefused; }), EACCES },
    };
}

} // namespace faults
