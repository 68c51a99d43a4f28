#pragma once

#include <string>
#include <string_view>

// What a figure is measured against: the least work its result needs,
// done with the system's calls alone.
namespace bench {

// One iconv pass over the input into the output, which is already as long
// as the result; gives the bytes written, and ends the benchmark when the
// input does not convert whole.
std::size_t rawConvert(const char* target, const char* source, std::string_view input, std::string& output);

// The file's bytes by one open and read(2) into the buffer, already as long as the file.
std::size_t rawRead(const std::string& path, std::string& buffer);

// The bytes written to the file, cut to zero first, and flushed to the disk.
void rawWriteAndFlush(const std::string& path, std::string_view bytes);

}  // namespace bench
