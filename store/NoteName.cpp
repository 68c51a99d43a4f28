#include "store/NoteName.h"

namespace {

constexpr std::string_view NoteExtension = ".txt";

bool isLeadByte(char c)
{
    return static_cast<unsigned char>(c) >= 0x80;
}

bool startsWithExtension(std::string_view text)
{
    if (text.size() < NoteExtension.size())
        return false;
    for (size_t i = 0; i < NoteExtension.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != NoteExtension[i])
            return false;
    }
    return true;
}

// The length of the character at the start of the text: two bytes for a lead
// byte that has a byte after it.
size_t characterLength(std::string_view text)
{
    return isLeadByte(text[0]) && text.size() > 1 ? 2 : 1;
}

bool isGbkLeadByte(char c)
{
    unsigned char byte = static_cast<unsigned char>(c);
    return byte >= 0x81 && byte <= 0xFE;
}

bool isTrailByte(char c)
{
    unsigned char byte = static_cast<unsigned char>(c);
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

bool isSinglePathComponent(std::string_view gbkName)
{
    while (!gbkName.empty()) {
        // Only a real second byte is skipped: a lead byte must not hide a "/".
        if (isGbkLeadByte(gbkName[0]) && gbkName.size() > 1 && isTrailByte(gbkName[1])) {
            gbkName.remove_prefix(2);
            continue;
        }
        if (gbkName[0] == '/' || gbkName[0] == '\\' || gbkName[0] == '\0')
            return false;
        gbkName.remove_prefix(1);
    }
    return true;
}

}  // namespace

std::string noteNameOf(std::string_view fileName)
{
    std::string name;
    name.reserve(fileName.size());
    while (!fileName.empty()) {
        if (startsWithExtension(fileName)) {
            fileName.remove_prefix(NoteExtension.size());
            continue;
        }
        size_t length = characterLength(fileName);
        name.append(fileName.substr(0, length));
        fileName.remove_prefix(length);
    }
    return name;
}

bool isAcceptableCategoryName(std::string_view gbkName)
{
    return !gbkName.empty() && gbkName != "." && gbkName != ".." && isSinglePathComponent(gbkName);
}

bool isAcceptableNoteName(std::string_view gbkName)
{
    return isSinglePathComponent(gbkName);
}
