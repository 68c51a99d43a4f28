#include "app/Startup.h"
#include "platform/Process.h"

int main(int argc, char** argv)
{
    return platform::runPlatform(argc, argv, runProgram);
}
