#include "platform/FileSystemCalls.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace platform {

namespace {

// open(2) takes its mode as a variadic argument, which a pointer cannot name.
int openFile(const char* path, int flags, mode_t mode)
{
    return ::open(path, flags, mode);
}

}  // namespace

FileSystemCalls realFileSystemCalls()
{
    return {openFile, ::read, ::write, ::fsync, ::close, ::rename, ::unlinkat};
}

FileSystemCalls& fileSystemCalls()
{
    static FileSystemCalls calls = realFileSystemCalls();
    return calls;
}

}  // namespace platform
