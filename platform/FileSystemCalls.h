#pragma once

#include <sys/types.h>

#include <cstddef>

namespace platform {

// The system calls through which a file is written and put in place; tests
// replace them to make a write fail at a chosen step.
struct FileSystemCalls {
    ssize_t (*write)(int fd, const void* data, size_t size);
    int (*fsync)(int fd);
    int (*rename)(const char* from, const char* to);
};

FileSystemCalls& fileSystemCalls();

// The real calls, for a test to put back.
FileSystemCalls realFileSystemCalls();

}  // namespace platform
