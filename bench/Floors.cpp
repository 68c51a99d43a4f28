#include "Floors.h"

#include <fcntl.h>
#include <iconv.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace bench {

namespace {

[[noreturn]] void giveUp(const char* what, const std::string& detail = std::string())
{
    std::fprintf(stderr, "bench: %s %s\n", what, detail.c_str());
    std::exit(2);
}

}  // namespace

std::size_t rawConvert(const char* target, const char* source, std::string_view input, std::string& output)
{
    iconv_t converter = iconv_open(target, source);
    if (converter == reinterpret_cast<iconv_t>(-1))
        giveUp("iconv_open failed for", target);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1) || inLeft != 0)
        giveUp("the floor's input does not convert whole into", target);
    return output.size() - outLeft;
}

std::size_t rawRead(const std::string& path, std::string& buffer)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        giveUp("cannot open", path);
    std::size_t used = 0;
    while (used < buffer.size()) {
        ssize_t count = ::read(fd, buffer.data() + used, buffer.size() - used);
        if (count <= 0)
            giveUp("cannot read", path);
        used += static_cast<std::size_t>(count);
    }
    ::close(fd);
    return used;
}

void rawWriteAndFlush(const std::string& path, std::string_view bytes)
{
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        giveUp("cannot open", path);
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written <= 0)
            giveUp("cannot write", path);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0)
        giveUp("cannot flush", path);
}

}  // namespace bench
