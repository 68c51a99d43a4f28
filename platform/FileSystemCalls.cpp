#include "platform/FileSystemCalls.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace platform {

FileSystemCalls realFileSystemCalls()
{
    return {::write, ::fsync, ::rename, ::unlinkat};
}

FileSystemCalls& fileSystemCalls()
{
    static FileSystemCalls calls = realFileSystemCalls();
    return calls;
}

}  // namespace platform
