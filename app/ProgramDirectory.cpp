#include "app/ProgramDirectory.h"

#include "platform/Process.h"

std::string programDirectory()
{
    return platform::programDirectoryPath();
}
