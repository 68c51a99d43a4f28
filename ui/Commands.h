#pragma once

#include "platform/Toolkit.h"

// The five commands of the toolbar and the tree's menu. Each takes what it
// acts on from the tree's selection at the moment it runs.
void newCategory(platform::TreeView& tree);
void openAddNoteWindow(platform::TreeView& tree);
void deleteSelected(platform::TreeView& tree);
void saveEditedNote(const platform::TreeView& tree);
void copyEditedNote();

// The toolbar's buttons by position, the separator at 3 included.
void onToolbarButtonClicked(platform::TreeView& tree, int index);
