#pragma once

#include "platform/FileSystemCalls.h"

// Replaces the file system calls for the life of the object.
class FailingCalls {
public:
    explicit FailingCalls(const platform::FileSystemCalls& calls) { platform::fileSystemCalls() = calls; }
    ~FailingCalls() { platform::fileSystemCalls() = platform::realFileSystemCalls(); }
    FailingCalls(const FailingCalls&) = delete;
    FailingCalls& operator=(const FailingCalls&) = delete;
};
