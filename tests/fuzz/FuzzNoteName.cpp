// noteNameOf on any file name: it keeps the name's own characters in order,
// never splits a two-byte GBK character, and drops only the ".txt" that the
// file name itself holds, read from the left.

#include "FuzzCheck.h"

#include "store/NoteName.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Character {
    std::string_view bytes;
    std::size_t origin; // its index among the file name's characters
};

// The characters as the store reads them: a byte of 0x80 or above takes the
// byte after it along.
std::vector<Character> charactersOf(std::string_view text)
{
    std::vector<Character> characters;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = static_cast<unsigned char>(text[at]) >= 0x80 && at + 1 < text.size() ? 2 : 1;
        characters.push_back({ text.substr(at, length), characters.size() });
        at += length;
    }
    return characters;
}

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool spellsExtension(const std::vector<Character>& characters, std::size_t at)
{
    static constexpr std::string_view Extension = ".txt";
    if (at + Extension.size() > characters.size())
        return false;
    for (std::size_t i = 0; i < Extension.size(); ++i) {
        std::string_view c = characters[at + i].bytes;
        if (c.size() != 1 || lowerAscii(c[0]) != Extension[i])
            return false;
    }
    return true;
}

// The characters that stay: every ".txt" of the file name dropped, the scan
// going on after it.
std::vector<Character> keptCharacters(const std::vector<Character>& characters)
{
    std::vector<Character> kept;
    for (std::size_t at = 0; at < characters.size();) {
        if (spellsExtension(characters, at)) {
            at += 4;
            continue;
        }
        kept.push_back(characters[at++]);
    }
    return kept;
}

std::string joined(const std::vector<Character>& characters)
{
    std::string text;
    for (const Character& c : characters)
        text.append(c.bytes);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view fileName(reinterpret_cast<const char*>(data), size);
    std::string name = noteNameOf(fileName);
    FUZZ_CHECK(name.size() <= fileName.size());

    std::vector<Character> kept = keptCharacters(charactersOf(fileName));
    FUZZ_CHECK(name == joined(kept));

    // Read again, the name falls into the same characters: none was split.
    std::vector<Character> again = charactersOf(name);
    FUZZ_CHECK(again.size() == kept.size());
    for (std::size_t i = 0; i < again.size() && i < kept.size(); ++i)
        FUZZ_CHECK(again[i].bytes == kept[i].bytes);

    // A ".txt" left in the name, at its end or anywhere, was made by a removal
    // that joined what stood on both sides of it; none of the file name stays.
    for (std::size_t at = 0; at + 4 <= kept.size(); ++at) {
        if (spellsExtension(again, at))
            FUZZ_CHECK(kept[at + 3].origin - kept[at].origin > 3);
    }
    return 0;
}
