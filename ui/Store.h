#pragma once

#include "app/ProgramDirectory.h"
#include "store/NoteStore.h"

// The store beside the executable, made afresh for every use, as every path
// begins with the program directory.
inline NoteStore theStore()
{
    return NoteStore(programDirectory());
}
