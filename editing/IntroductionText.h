#pragma once

#include <string_view>

// What the editor shows before any note is chosen, in GBK: 19 lines with
// CR LF between them and none after the last.
extern const std::string_view IntroductionText;
