#pragma once

#include "platform/Toolkit.h"

#include <optional>
#include <string>

// The window in which a note is added: a category chosen from the store's,
// a name and a text, written as they were typed. Every opening starts afresh.
class AddNoteWindow {
public:
    // The tree is rebuilt after a note was written.
    explicit AddNoteWindow(platform::TreeView& categoryTree);

    // Modal: returns once the window has closed.
    void open();

    void onAddNoteWindowCreated();
    void onSaveNoteClicked();

private:
    // Why the note cannot be written as the window stands; empty when it can.
    std::string refusal(const std::optional<std::string>& name, const std::optional<std::string>& content) const;

    platform::TreeView& m_categoryTree;
    platform::Window m_window;
    platform::Label m_categoryPromptLabel;
    platform::ComboBox m_categoryCombo;
    platform::Label m_noteNameLabel;
    platform::EditBox m_noteNameEdit;
    platform::PushButton m_saveNoteButton;
    platform::EditBox m_noteContentEdit;
};
