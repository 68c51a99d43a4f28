#pragma once

#include "platform/Toolkit.h"

// The program's own pictures, as XPM data that lives as long as the program.
// The toolbar's 26 pictures, 16x16; the toolbar picks them by index.
platform::ImageList toolbarPictures();
// The tree's pictures, 16x15: 0 a note, 1 a category.
platform::ImageList treePictures();
// The windows' icon, 32x32.
const char* const* programIcon();
