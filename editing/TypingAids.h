#pragma once

#include <cstdint>
#include <string>

// The handlers the editor is given at start. "." after the word "file"
// offers a completion list; "(" shows a call tip whose highlight "," moves
// and ")" closes; a click in the fold margin folds or unfolds a block.
void onCharAdded(std::int32_t ch);
void onMarginClick(std::int32_t modifiers, std::int32_t position, std::int32_t margin);
void onUpdateUI(std::int32_t updated, std::int32_t ch);
void onAutoCompleteSelection(std::int32_t position, const std::string& text);
void onKeyRepeatOrRelease(std::int32_t virtualKey, std::int32_t flags);
void onKeyPress(std::int32_t virtualKey, std::int32_t flags);
