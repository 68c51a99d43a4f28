#pragma once

#include <cstdint>

// FNV-1a of the bytes, so that a test can tell which bytes a library was handed.
inline std::uint32_t skinDigest(const unsigned char* bytes, int length)
{
    std::uint32_t digest = 2166136261u;
    for (int at = 0; at < length; ++at)
        digest = (digest ^ bytes[at]) * 16777619u;
    return digest;
}
