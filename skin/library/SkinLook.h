#pragma once

#include "skin/library/SkinFormat.h"

namespace skin {

// Puts the skin on the whole application: on the windows there are and on
// every one opened later.
void applySkin(const Skin& skin);

} // namespace skin
