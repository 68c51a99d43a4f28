#pragma once

#include <cstdint>

// The program's start routine; its result is the exit status of the normal end.
std::int32_t runProgram();
