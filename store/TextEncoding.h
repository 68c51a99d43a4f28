#pragma once

#include <string>
#include <string_view>

// A converted text. A conversion that failed gives the empty text and says so,
// which a conversion of the empty text never does.
struct ConvertedText {
    std::string text;
    bool failed = false;
};

// GBK (notes, windows, clipboard) to the editor's UTF-8.
ConvertedText toEditorText(std::string_view gbkText);
// The editor's UTF-8 to GBK.
ConvertedText toStoreText(std::string_view utf8Text);

// A byte block as a text: its bytes up to the first zero byte.
std::string_view textOfBlock(std::string_view block);
