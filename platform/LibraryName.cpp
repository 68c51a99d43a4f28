#include "platform/LibraryName.h"

#include "platform/Wildcard.h"

namespace platform {

std::string sharedLibraryName(std::string_view fileName)
{
    constexpr std::string_view extension = ".dll";
    if (fileName.size() <= extension.size()
        || !equalsIgnoringAsciiCase(fileName.substr(fileName.size() - extension.size()), extension))
        return std::string(fileName);
    std::string_view stem = fileName.substr(0, fileName.size() - extension.size());
    size_t slash = stem.find_last_of('/');
    std::string_view folder = slash == std::string_view::npos ? std::string_view() : stem.substr(0, slash + 1);
    std::string_view base = slash == std::string_view::npos ? stem : stem.substr(slash + 1);
    return std::string(folder) + "lib" + std::string(base) + ".so";
}

} // namespace platform
