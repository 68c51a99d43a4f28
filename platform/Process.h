#pragma once

#include "platform/Win32Types.h"

#include <string>
#include <string_view>

// The process around the program: its start, its end and its fatal errors.
namespace platform {

// Starts the platform (the application object, the program directory as the
// current directory, the fatal-error paths), then runs the program and gives
// back its result for the normal end.
int runPlatform(int argc, char** argv, int (*program)());

// The executable's directory in GBK, without a trailing "/"; fixed once, at
// the first call.
const std::string& programDirectoryPath();

// Runs the routine once at the normal end of the process, after the program
// and every window are gone.
void registerAtNormalEnd(void (*routine)());

// Keeps a library loaded on the program's behalf until the normal end, which
// releases it after every routine registered there has run.
void releaseAtNormalEnd(HMODULE library);

// Runs the event loop until the last window of the program has closed.
void runMessageLoop();

// Shows the error in a message box and ends the process at once with status
// -1, without the normal end.
[[noreturn]] void fatalError(std::string_view gbkText);

}  // namespace platform
