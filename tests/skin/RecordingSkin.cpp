// A skin library of the test's own, under the entry's name: it says on stderr
// what it was handed, and when it is unloaded.

#include "SkinDigest.h"

#include <cstdio>
#include <string>

// Runs when the library is unloaded, not at exit() as a static object's
// destructor would, which comes before the program's own end processing.
__attribute__((destructor)) static void reportUnloading()
{
    std::fputs("skin library released\n", stderr);
}

extern "C" __attribute__((visibility("default"))) int SkinH_Attach_Res(
    const unsigned char* skin, int length, const char* text, int first, int second, int third)
{
    const std::string shownText = text == nullptr ? "null" : "\"" + std::string(text) + "\"";
    std::fprintf(stderr, "SkinH_Attach_Res(%08x, %d, %s, %d, %d, %d)\n", skinDigest(skin, length), length,
        shownText.c_str(), first, second, third);
    return 0;
}
