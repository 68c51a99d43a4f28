#pragma once

#include <sys/types.h>

#include <cstddef>

namespace platform {

// The system calls through which a note is read, written and put in place,
// and through which a folder's entries are removed; tests replace them to
// make an operation fail at a chosen step.
struct FileSystemCalls {
    int (*open)(const char* path, int flags, mode_t mode);
    ssize_t (*read)(int fd, void* data, size_t size);
    ssize_t (*write)(int fd, const void* data, size_t size);
    int (*fsync)(int fd);
    // Releases the descriptor even when it reports a failure, as close(2) does.
    int (*close)(int fd);
    int (*rename)(const char* from, const char* to);
    int (*unlinkat)(int directoryFd, const char* name, int flags);
};

FileSystemCalls& fileSystemCalls();

// The real calls, for a test to put back.
FileSystemCalls realFileSystemCalls();

}  // namespace platform
