#include "platform/Win32.h"

#include "platform/EngineModule.h"
#include "platform/LibraryName.h"
#include "platform/Process.h"
#include "platform/TextConverter.h"

#include <dlfcn.h>

#include <optional>
#include <set>
#include <string>

namespace platform {

namespace {

const ModuleServices services = {
    registerWindowClass,
    findWindowOf,
    widgetOf,
    GetParent,
    GetDlgCtrlID,
    SendMessageA,
    DefWindowProcA,
};

void* openLibrary(const std::string& utf8Name)
{
    if (utf8Name.find('/') != std::string::npos)
        return ::dlopen(utf8Name.c_str(), RTLD_NOW | RTLD_LOCAL);
    // The program's folder first, as the original's loader does, then the usual search.
    const std::string& folder = programDirectoryPath();
    if (std::optional<std::string> onDisk = utf8FromGbk(folder)) {
        std::string besideProgram = *onDisk + "/" + utf8Name;
        if (void* library = ::dlopen(besideProgram.c_str(), RTLD_NOW | RTLD_LOCAL))
            return library;
    }
    return ::dlopen(utf8Name.c_str(), RTLD_NOW | RTLD_LOCAL);
}

// A module is attached once however often it is loaded, as a library's
// start-up runs once per process.
void attachOnce(void* library)
{
    static std::set<void*>* const attached = new std::set<void*>;
    if (!attached->insert(library).second)
        return;
    if (void* entry = ::dlsym(library, ModuleAttachName))
        reinterpret_cast<ModuleAttach>(entry)(&services);
}

} // namespace

} // namespace platform

HMODULE LoadLibraryA(const char* fileName)
{
    if (fileName == nullptr || *fileName == '\0')
        return nullptr;
    std::optional<std::string> utf8Name = platform::utf8FromGbk(fileName);
    if (!utf8Name)
        return nullptr;
    void* library = platform::openLibrary(platform::sharedLibraryName(*utf8Name));
    if (library == nullptr)
        return nullptr;
    platform::attachOnce(library);
    return reinterpret_cast<HMODULE>(library);
}

HMODULE GetModuleHandleA(const char* moduleName)
{
    if (moduleName == nullptr)
        return reinterpret_cast<HMODULE>(::dlopen(nullptr, RTLD_NOW));
    std::optional<std::string> utf8Name = platform::utf8FromGbk(moduleName);
    if (!utf8Name)
        return nullptr;
    return reinterpret_cast<HMODULE>(::dlopen(platform::sharedLibraryName(*utf8Name).c_str(), RTLD_NOW | RTLD_NOLOAD));
}

FARPROC GetProcAddress(HMODULE module, const char* procedureName)
{
    if (module == nullptr || procedureName == nullptr)
        return nullptr;
    return reinterpret_cast<FARPROC>(::dlsym(module, procedureName));
}

BOOL FreeLibrary(HMODULE module)
{
    return module != nullptr && ::dlclose(module) == 0 ? TRUE : FALSE;
}
