#pragma once

// Writes the carried skin library beside the program, then hands it the
// carried skin. The three integers go to the library as they are.
void attachSkin(int first = 0, int second = 0, int third = 0);

// Replaces the library's file beside the program with the carried one; a
// write that fails leaves whatever file is there.
void writeSkinLibrary();
