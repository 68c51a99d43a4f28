#pragma once

#include <string>

// The executable's directory, without a trailing "/", as a new GBK text.
std::string programDirectory();
