#pragma once

#include "platform/FileStatus.h"
#include "platform/TextConverter.h"

#include <dirent.h>

#include <memory>
#include <string>
#include <string_view>

// The file services of the note store. Paths and names are GBK here and UTF-8
// on disk. A path that is not there exactly is looked up without regard to
// the case of ASCII letters, one component at a time, as on the original's
// file system, so B.txt finds B.TXT.
namespace platform {

enum class EntryFilter { DirectoriesOnly, FilesOnly };

// A directory search by wildcard ("folder/*.txt"), open while the object lives.
// A link counts as what it points to; an entry whose name cannot be carried
// into GBK is not given.
class DirectorySearch {
public:
    DirectorySearch(std::string_view gbkPattern, EntryFilter filter);

    // The next matching entry's bare name; the empty text once none is left.
    std::string next();

private:
    struct DirCloser {
        void operator()(DIR* dir) const;
    };
    std::unique_ptr<DIR, DirCloser> m_dir;
    std::string m_wildcard;
    EntryFilter m_filter;
    TextConverter m_toGbk;
};

struct FileContent {
    std::string bytes;
    FileStatus status;
};

// Reads the whole of a regular file; anything else is refused.
FileContent readWholeFile(std::string_view gbkPath);

// Replaces a file's content so that a failure at any step leaves the old
// content: a temporary file beside it is written, flushed to disk and renamed
// over it, with the old file's owner and permissions. Creates no folder; a read-only
// file is refused.
FileStatus writeWholeFile(std::string_view gbkPath, std::string_view bytes);

// One level: the parent has to exist.
FileStatus createDirectory(std::string_view gbkPath);

// Removes a directory and everything in it, as far as it can; a link is
// removed as a link and never followed. Fails when anything is left.
FileStatus removeDirectoryTree(std::string_view gbkPath);

FileStatus deleteFile(std::string_view gbkPath);

}  // namespace platform
