#include "skin/SkinAttachment.h"

#include "app/ProgramDirectory.h"
#include "platform/Files.h"
#include "platform/LibraryName.h"
#include "platform/Process.h"
#include "platform/Win32.h"
#include "skin/CarriedSkin.h"

#include <string>
#include <string_view>

namespace {

constexpr char SkinLibraryName[] = "SkinH_EL.dll";
constexpr char SkinEntryName[] = "SkinH_Attach_Res";

using SkinEntry = int (*)(const unsigned char* skin, int length, const char* text, int, int, int);

std::string_view bytesOf(std::span<const unsigned char> bytes)
{
    return std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// Loaded from beside the program first, then along the usual search; kept
// until the normal end.
SkinEntry loadSkinEntry()
{
    HMODULE library = LoadLibraryA(SkinLibraryName);
    FARPROC entry = library == nullptr ? nullptr : GetProcAddress(library, SkinEntryName);
    if (entry == nullptr)
        platform::fatalError("无法加载皮肤库 SkinH_EL.dll，或其中没有入口 SkinH_Attach_Res，程序无法继续运行。");
    platform::releaseAtNormalEnd(library);
    return reinterpret_cast<SkinEntry>(entry);
}

} // namespace

void writeSkinLibrary()
{
    // Renamed into place, never cut short: a running instance has the old file mapped and would crash.
    std::string path = programDirectory() + "/" + platform::sharedLibraryName(SkinLibraryName);
    (void)platform::writeWholeFile(path, bytesOf(SkinLibraryImage));
}

void attachSkin(int first, int second, int third)
{
    writeSkinLibrary();
    SkinEntry entry = loadSkinEntry();
    (void)entry(SkinData.data(), static_cast<int>(SkinData.size()), "", first, second, third);
}
