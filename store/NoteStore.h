#pragma once

#include "platform/FileStatus.h"
#include "platform/Files.h"

#include <optional>
#include <string>
#include <string_view>

// Success, or why a store operation failed (reason() for a window to show).
using StoreStatus = platform::FileStatus;

// One listing of the store: a name at each step, then the empty text.
class StoreListing {
public:
    std::string next();

private:
    friend class NoteStore;
    StoreListing() = default;  // a listing of nothing, for a refused name
    StoreListing(std::string_view pattern, platform::EntryFilter filter, bool skipDotNames);

    std::optional<platform::DirectorySearch> m_search;
    bool m_skipDotNames = false;
};

struct NoteContent {
    std::string bytes;
    StoreStatus status;  // failed when the note could not be read; bytes are then empty
};

// The notes under a program directory: each folder of its CodeData whose name
// does not begin with "." is a category, each *.txt file in one a note.
// Names are GBK; a refused name (see NoteName.h) touches nothing and fails.
class NoteStore {
public:
    explicit NoteStore(std::string programDir);

    StoreListing listCategories() const;
    // File names, which noteNameOf turns into note names.
    StoreListing listNotes(std::string_view category) const;

    StoreStatus createCategory(std::string_view name) const;
    // Removes the category with everything in it, as far as it can.
    StoreStatus deleteCategory(std::string_view name) const;
    StoreStatus deleteNote(std::string_view category, std::string_view note) const;
    NoteContent readNote(std::string_view category, std::string_view note) const;
    // A failed write keeps the note's old content.
    StoreStatus writeNote(std::string_view category, std::string_view note, std::string_view content) const;

private:
    std::string m_programDir;
};
