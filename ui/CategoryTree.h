#pragma once

#include "platform/Toolkit.h"

#include <optional>
#include <string>

inline constexpr int NotePicture = 0;
inline constexpr int CategoryPicture = 1;

// Rebuilds the tree from the store: the categories collapsed, in the order
// the file system gives them, each with its notes; nothing selected.
void refreshCategoryTree(platform::TreeView& tree);

// The note item the tree has selected, as the names of its category and its
// note; nothing when a category or nothing is selected.
struct SelectedNote {
    std::string category;
    std::string note;
};
std::optional<SelectedNote> selectedNote(const platform::TreeView& tree);

// Loads the selected note into the editor. A category reads nothing and
// leaves the editor as it is; a note that cannot be shown leaves it empty
// and says why.
void onTreeSelectionChanged(platform::TreeView& tree);

// False for the note last loaded when it could not be read, was no GBK text
// or had a zero byte, so that the editor showed less than the note holds.
bool isShownWhole(const SelectedNote& note);
