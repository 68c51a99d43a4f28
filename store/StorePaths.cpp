#include "store/StorePaths.h"

namespace {

std::string concat(std::initializer_list<std::string_view> parts)
{
    std::string text;
    for (std::string_view part : parts)
        text.append(part);
    return text;
}

}  // namespace

std::string categorySearchPattern(std::string_view programDir)
{
    return concat({programDir, "/CodeData/*.*"});
}

std::string noteSearchPattern(std::string_view programDir, std::string_view category)
{
    return concat({programDir, "/CodeData/", category, "/*.txt"});
}

std::string categoryPath(std::string_view programDir, std::string_view category)
{
    return concat({programDir, "/CodeData/", category});
}

std::string notePath(std::string_view programDir, std::string_view category, std::string_view note)
{
    return concat({programDir, "/CodeData/", category, "/", note, ".txt"});
}
