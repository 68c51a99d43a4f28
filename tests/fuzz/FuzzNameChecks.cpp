// The name checks on any bytes: a name that is accepted, joined to its
// folder, names a place inside that folder and nowhere else; a name that is
// refused holds something that could lead out of it.

#include "FuzzCheck.h"

#include "platform/TextConverter.h"
#include "store/NoteName.h"
#include "store/StorePaths.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view ProgramDir = "/p";
constexpr std::string_view StoreRoot = "/p/CodeData/";

bool isLead(unsigned char byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}

bool isTrail(unsigned char byte)
{
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

// A "\" that is a character of its own, not the second byte of a GBK pair.
bool holdsLoneBackslash(std::string_view name)
{
    for (std::size_t at = 0; at < name.size(); ++at) {
        auto byte = static_cast<unsigned char>(name[at]);
        if (isLead(byte) && at + 1 < name.size() && isTrail(static_cast<unsigned char>(name[at + 1])))
            ++at;
        else if (byte == '\\')
            return true;
    }
    return false;
}

bool couldLeadOut(std::string_view name)
{
    return name.find('\0') != std::string_view::npos || name.find('/') != std::string_view::npos
        || holdsLoneBackslash(name);
}

// The part of the path after the folder, as the disk sees it; nothing when
// the name is no GBK, which no file call then reaches.
std::optional<std::string> onDisk(const std::string& path, std::string_view folder)
{
    std::optional<std::string> utf8 = platform::utf8FromGbk(path);
    if (!utf8)
        return std::nullopt;
    FUZZ_CHECK(utf8->compare(0, folder.size(), folder) == 0);
    return utf8->substr(folder.size());
}

void checkCategory(std::string_view name)
{
    bool special = name.empty() || name == "." || name == "..";
    if (!isAcceptableCategoryName(name)) {
        FUZZ_CHECK(special || couldLeadOut(name));
        return;
    }
    FUZZ_CHECK(!special && !couldLeadOut(name));
    if (std::optional<std::string> component = onDisk(categoryPath(ProgramDir, name), StoreRoot)) {
        FUZZ_CHECK(component->find_first_of(std::string_view("/\\\0", 3)) == std::string::npos);
        FUZZ_CHECK(*component != "." && *component != ".." && !component->empty());
    }
}

void checkNote(std::string_view name)
{
    if (!isAcceptableNoteName(name)) {
        FUZZ_CHECK(couldLeadOut(name));
        return;
    }
    FUZZ_CHECK(!couldLeadOut(name));
    if (std::optional<std::string> file = onDisk(notePath(ProgramDir, "C", name), "/p/CodeData/C/")) {
        FUZZ_CHECK(file->find_first_of(std::string_view("/\\\0", 3)) == std::string::npos);
        FUZZ_CHECK(file->size() >= 4 && file->compare(file->size() - 4, 4, ".txt") == 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view name(reinterpret_cast<const char*>(data), size);
    checkCategory(name);
    checkNote(name);
    // Outside the three names only a category may not have, both checks agree.
    if (!name.empty() && name != "." && name != "..")
        FUZZ_CHECK(isAcceptableCategoryName(name) == isAcceptableNoteName(name));
    return 0;
}
