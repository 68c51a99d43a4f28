#include "platform/Files.h"

#include "platform/FileSystemCalls.h"
#include "platform/Wildcard.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <optional>
#include <random>
#include <utility>

namespace platform {

namespace {

class UniqueFd {
public:
    explicit UniqueFd(int fd = -1) : m_fd(fd) {}
    ~UniqueFd() { reset(); }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int get() const { return m_fd; }
    explicit operator bool() const { return m_fd >= 0; }
    int release() { return std::exchange(m_fd, -1); }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

// The status of a system call that returns 0 on success and sets errno otherwise.
FileStatus statusOf(int result)
{
    return result == 0 ? FileStatus() : FileStatus::fromErrno();
}

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// A GBK path in the disk's UTF-8, or the reason it has none.
struct DiskPath {
    std::string path;
    FileStatus status;
};

DiskPath toDiskPath(std::string_view gbkPath)
{
    if (gbkPath.find('\0') != std::string_view::npos)
        return {{}, FileStatus(EINVAL)};
    if (isAscii(gbkPath))
        return {std::string(gbkPath), {}};
    std::optional<std::string> utf8 = utf8FromGbk(gbkPath);
    if (!utf8)
        return {{}, FileStatus(EILSEQ)};
    return {std::move(*utf8), {}};
}

bool exists(const std::string& path)
{
    struct stat status;
    return ::lstat(path.c_str(), &status) == 0;
}

struct PathParts {
    std::string directory;  // "" for the root, "." for a bare name
    std::string name;
};

PathParts splitPath(const std::string& path)
{
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return {".", path};
    return {path.substr(0, slash), path.substr(slash + 1)};
}

std::string joinPath(const std::string& directory, const std::string& name)
{
    return directory == "." ? name : directory + "/" + name;
}

std::string directoryToOpen(const std::string& directory)
{
    return directory.empty() ? "/" : directory;
}

size_t exactPrefixLength(std::string_view a, std::string_view b)
{
    return static_cast<size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
}

// Of the entries whose names differ from `name` only in case, the one that
// agrees with it exactly the longest, so the note B finds B.TXT before b.txt.
std::optional<std::string> findIgnoringCase(const std::string& directory, const std::string& name)
{
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(directoryToOpen(directory).c_str()), ::closedir);
    if (!dir)
        return std::nullopt;
    std::optional<std::string> best;
    size_t bestLength = 0;
    while (const dirent* entry = ::readdir(dir.get())) {
        std::string_view candidate = entry->d_name;
        if (!equalsIgnoringAsciiCase(candidate, name))
            continue;
        size_t length = exactPrefixLength(candidate, name);
        if (!best || length > bestLength || (length == bestLength && candidate < *best)) {
            best = std::string(candidate);
            bestLength = length;
        }
    }
    return best;
}

// The path as it is on disk: the path itself when it exists, otherwise with
// each missing component replaced by a name that differs from it only in the
// case of ASCII letters; what matches nothing stays as it was.
std::string resolveCase(const std::string& path)
{
    if (path.empty() || exists(path))
        return path;
    PathParts parts = splitPath(path);
    parts.directory = resolveCase(parts.directory);
    std::string candidate = joinPath(parts.directory, parts.name);
    if (exists(candidate))
        return candidate;
    if (std::optional<std::string> found = findIgnoringCase(parts.directory, parts.name))
        return joinPath(parts.directory, *found);
    return candidate;
}

struct ResolvedPath {
    std::string path;
    FileStatus status;
};

ResolvedPath resolve(std::string_view gbkPath)
{
    DiskPath disk = toDiskPath(gbkPath);
    if (!disk.status.ok())
        return {{}, disk.status};
    return {resolveCase(disk.path), {}};
}

// A temporary file beside its target, removed again unless it was put in place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& directory)
    {
        // Not *.txt, so that no listing ever shows it as a note.
        static std::mt19937_64 generator{std::random_device{}()};
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string path = joinPath(directory, ".quillery-" + std::to_string(generator() % 1000000000000u) + ".tmp");
            m_fd.reset(fileSystemCalls().open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
            if (m_fd) {
                m_path = std::move(path);
                return;
            }
            m_error = errno;
            if (m_error != EEXIST)
                return;
        }
    }
    ~TemporaryFile()
    {
        m_fd.reset();
        if (!m_path.empty())
            ::unlink(m_path.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    FileStatus status() const { return FileStatus(m_fd ? 0 : m_error); }
    int fd() const { return m_fd.get(); }
    const std::string& path() const { return m_path; }
    FileStatus close()
    {
        return statusOf(fileSystemCalls().close(m_fd.release()));
    }
    void keep() { m_path.clear(); }

private:
    UniqueFd m_fd;
    std::string m_path;
    int m_error = 0;
};

FileStatus writeAll(int fd, std::string_view bytes)
{
    const FileSystemCalls& calls = fileSystemCalls();
    while (!bytes.empty()) {
        ssize_t written = calls.write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return FileStatus::fromErrno();
        if (written == 0)
            return FileStatus(EIO);
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return {};
}

// What the file that a write replaces had, for the new one to keep.
struct Ownership {
    uid_t owner;
    gid_t group;
    mode_t mode;
};

// Where a write of `path` has to go, and what the file it replaces had.
struct WriteTarget {
    std::string path;
    std::optional<Ownership> old;
    FileStatus status;
};

WriteTarget writeTargetOf(std::string path)
{
    struct stat status;
    if (::lstat(path.c_str(), &status) != 0)
        return {std::move(path), std::nullopt, errno == ENOENT ? FileStatus() : FileStatus::fromErrno()};
    if (S_ISLNK(status.st_mode)) {
        // Writing through a link keeps the link and replaces what it names.
        std::unique_ptr<char, void (*)(void*)> real(::realpath(path.c_str(), nullptr), std::free);
        if (!real || ::stat(real.get(), &status) != 0)
            return {{}, std::nullopt, FileStatus::fromErrno()};
        path = real.get();
    }
    if (S_ISDIR(status.st_mode))
        return {{}, std::nullopt, FileStatus(EISDIR)};
    if (!S_ISREG(status.st_mode))
        return {{}, std::nullopt, FileStatus(ENODEV)};
    // A read-only note stays as it is, even for a user who could override it.
    if ((status.st_mode & S_IWUSR) == 0 || ::access(path.c_str(), W_OK) != 0)
        return {{}, std::nullopt, FileStatus(EACCES)};
    return {std::move(path), Ownership{status.st_uid, status.st_gid, status.st_mode & 07777}, {}};
}

bool giveTo(int fd, uid_t owner, gid_t group)
{
    return ::fchown(fd, owner, group) == 0;
}

// The owner as far as this user may give it (only root gives a file to
// another user), then the mode, as a change of owner clears set-id bits.
FileStatus keepOwnership(int fd, const Ownership& old)
{
    if (!giveTo(fd, old.owner, old.group))
        giveTo(fd, static_cast<uid_t>(-1), old.group);
    return statusOf(::fchmod(fd, old.mode));
}

void flushDirectory(const std::string& directory)
{
    UniqueFd fd(::open(directoryToOpen(directory).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd)
        ::fsync(fd.get());
}

FileStatus removeTreeAt(int parentFd, const char* name);

FileStatus removeContents(int directoryFd)
{
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::fdopendir(directoryFd), ::closedir);
    if (!dir) {
        FileStatus failure = FileStatus::fromErrno();
        ::close(directoryFd);
        return failure;
    }
    FileStatus first;
    while (const dirent* entry = ::readdir(dir.get())) {
        std::string_view name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        FileStatus removed = removeTreeAt(::dirfd(dir.get()), entry->d_name);
        if (first.ok())
            first = removed;
    }
    return first;
}

FileStatus removeTreeAt(int parentFd, const char* name)
{
    struct stat status;
    if (::fstatat(parentFd, name, &status, AT_SYMLINK_NOFOLLOW) != 0)
        return FileStatus::fromErrno();
    const FileSystemCalls& calls = fileSystemCalls();
    if (!S_ISDIR(status.st_mode))
        return statusOf(calls.unlinkat(parentFd, name, 0));
    int fd = ::openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return FileStatus::fromErrno();
    FileStatus contents = removeContents(fd);
    if (calls.unlinkat(parentFd, name, AT_REMOVEDIR) != 0 && contents.ok())
        return FileStatus::fromErrno();
    return contents;
}

}  // namespace

void DirectorySearch::DirCloser::operator()(DIR* dir) const
{
    ::closedir(dir);
}

DirectorySearch::DirectorySearch(std::string_view gbkPattern, EntryFilter filter)
    : m_filter(filter), m_toGbk("GBK", "UTF-8")
{
    DiskPath pattern = toDiskPath(gbkPattern);
    if (!pattern.status.ok())
        return;
    PathParts parts = splitPath(pattern.path);
    m_wildcard = parts.name;
    parts.directory = resolveCase(parts.directory);
    m_dir.reset(::opendir(directoryToOpen(parts.directory).c_str()));
}

std::string DirectorySearch::next()
{
    if (!m_dir)
        return std::string();
    while (const dirent* entry = ::readdir(m_dir.get())) {
        std::string_view name = entry->d_name;
        if (!wildcardMatches(m_wildcard, name))
            continue;
        bool directory = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat status;
            directory = ::fstatat(::dirfd(m_dir.get()), entry->d_name, &status, 0) == 0 && S_ISDIR(status.st_mode);
        }
        if (directory != (m_filter == EntryFilter::DirectoriesOnly))
            continue;
        if (isAscii(name))
            return std::string(name);
        if (std::optional<std::string> gbk = m_toGbk.convert(name))
            return std::move(*gbk);
    }
    m_dir.reset();
    return std::string();
}

FileContent readWholeFile(std::string_view gbkPath)
{
    ResolvedPath resolved = resolve(gbkPath);
    if (!resolved.status.ok())
        return {{}, resolved.status};
    // Not blocking on open: a note that is a pipe must not hang the program.
    const FileSystemCalls& calls = fileSystemCalls();
    UniqueFd fd(calls.open(resolved.path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0));
    if (!fd)
        return {{}, FileStatus::fromErrno()};
    struct stat status;
    if (::fstat(fd.get(), &status) != 0)
        return {{}, FileStatus::fromErrno()};
    if (S_ISDIR(status.st_mode))
        return {{}, FileStatus(EISDIR)};
    if (!S_ISREG(status.st_mode))
        return {{}, FileStatus(ENODEV)};

    // One byte to spare, so that the read that finds the end needs no growth.
    std::string bytes(static_cast<size_t>(status.st_size) + 1, '\0');
    size_t used = 0;
    for (;;) {
        if (used == bytes.size())
            bytes.resize(bytes.size() * 2);
        ssize_t count = calls.read(fd.get(), bytes.data() + used, bytes.size() - used);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return {{}, FileStatus::fromErrno()};
        if (count == 0)
            break;
        used += static_cast<size_t>(count);
    }
    bytes.resize(used);
    return {std::move(bytes), {}};
}

FileStatus writeWholeFile(std::string_view gbkPath, std::string_view bytes)
{
    ResolvedPath resolved = resolve(gbkPath);
    if (!resolved.status.ok())
        return resolved.status;
    WriteTarget target = writeTargetOf(std::move(resolved.path));
    if (!target.status.ok())
        return target.status;

    std::string directory = splitPath(target.path).directory;
    TemporaryFile temporary(directory);
    if (!temporary.status().ok())
        return temporary.status();
    if (target.old) {
        if (FileStatus kept = keepOwnership(temporary.fd(), *target.old); !kept.ok())
            return kept;
    }
    if (FileStatus written = writeAll(temporary.fd(), bytes); !written.ok())
        return written;
    if (fileSystemCalls().fsync(temporary.fd()) != 0)
        return FileStatus::fromErrno();
    if (FileStatus closed = temporary.close(); !closed.ok())
        return closed;
    if (fileSystemCalls().rename(temporary.path().c_str(), target.path.c_str()) != 0)
        return FileStatus::fromErrno();
    temporary.keep();
    flushDirectory(directory);
    return {};
}

FileStatus createDirectory(std::string_view gbkPath)
{
    ResolvedPath resolved = resolve(gbkPath);
    if (!resolved.status.ok())
        return resolved.status;
    return statusOf(::mkdir(resolved.path.c_str(), 0777));
}

FileStatus removeDirectoryTree(std::string_view gbkPath)
{
    ResolvedPath resolved = resolve(gbkPath);
    if (!resolved.status.ok())
        return resolved.status;
    struct stat status;
    if (::lstat(resolved.path.c_str(), &status) != 0)
        return FileStatus::fromErrno();
    if (!S_ISDIR(status.st_mode) && !S_ISLNK(status.st_mode))
        return FileStatus(ENOTDIR);
    PathParts parts = splitPath(resolved.path);
    UniqueFd parent(::open(directoryToOpen(parts.directory).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!parent)
        return FileStatus::fromErrno();
    return removeTreeAt(parent.get(), parts.name.c_str());
}

FileStatus deleteFile(std::string_view gbkPath)
{
    ResolvedPath resolved = resolve(gbkPath);
    if (!resolved.status.ok())
        return resolved.status;
    return statusOf(::unlink(resolved.path.c_str()));
}

}  // namespace platform
