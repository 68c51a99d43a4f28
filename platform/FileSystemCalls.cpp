#include "platform/FileSystemCalls.h"

#include <unistd.h>

#include <cstdio>

namespace platform {

FileSystemCalls realFileSystemCalls()
{
    return {::write, ::fsync, ::rename};
}

FileSystemCalls& fileSystemCalls()
{
    static FileSystemCalls calls = realFileSystemCalls();
    return calls;
}

}  // namespace platform
