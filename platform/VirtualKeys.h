#pragma once

#include "platform/Win32.h"

#include <Qt>

#include <utility>

// Qt's keys and the Win32 virtual-key codes for one another: the keyboard
// hook reports a Qt key as the key the original would name, and the engine
// module turns a key message back into a Qt key. Letters, digits and F-keys
// are ranges; the rest is this table. A symbol typed with Shift is the key
// it lies on (a US layout).
namespace platform {

inline constexpr WPARAM VK_OEM_1 = 0xBA;
inline constexpr WPARAM VK_OEM_PLUS = 0xBB;
inline constexpr WPARAM VK_OEM_COMMA = 0xBC;
inline constexpr WPARAM VK_OEM_MINUS = 0xBD;
inline constexpr WPARAM VK_OEM_PERIOD = 0xBE;
inline constexpr WPARAM VK_OEM_2 = 0xBF;
inline constexpr WPARAM VK_OEM_3 = 0xC0;
inline constexpr WPARAM VK_OEM_4 = 0xDB;
inline constexpr WPARAM VK_OEM_5 = 0xDC;
inline constexpr WPARAM VK_OEM_6 = 0xDD;
inline constexpr WPARAM VK_OEM_7 = 0xDE;
// What a key that has no virtual-key code of its own is reported as.
inline constexpr WPARAM VK_NONE = 0xFF;

// The first entry for a code is the key the module makes of it.
inline constexpr std::pair<int, WPARAM> KeyTable[] = {
    { Qt::Key_Backspace, VK_BACK },
    { Qt::Key_Tab, VK_TAB },
    { Qt::Key_Backtab, VK_TAB },
    { Qt::Key_Return, VK_RETURN },
    { Qt::Key_Enter, VK_RETURN },
    { Qt::Key_Shift, VK_SHIFT },
    { Qt::Key_Control, VK_CONTROL },
    { Qt::Key_Alt, VK_MENU },
    { Qt::Key_Escape, VK_ESCAPE },
    { Qt::Key_Space, VK_SPACE },
    { Qt::Key_PageUp, VK_PRIOR },
    { Qt::Key_PageDown, VK_NEXT },
    { Qt::Key_End, VK_END },
    { Qt::Key_Home, VK_HOME },
    { Qt::Key_Left, VK_LEFT },
    { Qt::Key_Up, VK_UP },
    { Qt::Key_Right, VK_RIGHT },
    { Qt::Key_Down, VK_DOWN },
    { Qt::Key_Insert, VK_INSERT },
    { Qt::Key_Delete, VK_DELETE },
    { Qt::Key_Semicolon, VK_OEM_1 },
    { Qt::Key_Colon, VK_OEM_1 },
    { Qt::Key_Equal, VK_OEM_PLUS },
    { Qt::Key_Plus, VK_OEM_PLUS },
    { Qt::Key_Comma, VK_OEM_COMMA },
    { Qt::Key_Less, VK_OEM_COMMA },
    { Qt::Key_Minus, VK_OEM_MINUS },
    { Qt::Key_Underscore, VK_OEM_MINUS },
    { Qt::Key_Period, VK_OEM_PERIOD },
    { Qt::Key_Greater, VK_OEM_PERIOD },
    { Qt::Key_Slash, VK_OEM_2 },
    { Qt::Key_Question, VK_OEM_2 },
    { Qt::Key_QuoteLeft, VK_OEM_3 },
    { Qt::Key_AsciiTilde, VK_OEM_3 },
    { Qt::Key_BracketLeft, VK_OEM_4 },
    { Qt::Key_BraceLeft, VK_OEM_4 },
    { Qt::Key_Backslash, VK_OEM_5 },
    { Qt::Key_Bar, VK_OEM_5 },
    { Qt::Key_BracketRight, VK_OEM_6 },
    { Qt::Key_BraceRight, VK_OEM_6 },
    { Qt::Key_Apostrophe, VK_OEM_7 },
    { Qt::Key_QuoteDbl, VK_OEM_7 },
    { Qt::Key_Exclam, '1' },
    { Qt::Key_At, '2' },
    { Qt::Key_NumberSign, '3' },
    { Qt::Key_Dollar, '4' },
    { Qt::Key_Percent, '5' },
    { Qt::Key_AsciiCircum, '6' },
    { Qt::Key_Ampersand, '7' },
    { Qt::Key_Asterisk, '8' },
    { Qt::Key_ParenLeft, '9' },
    { Qt::Key_ParenRight, '0' },
};

inline WPARAM virtualKeyOf(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return static_cast<WPARAM>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VK_F1 + static_cast<WPARAM>(qtKey - Qt::Key_F1);
    for (const auto& [key, code] : KeyTable) {
        if (key == qtKey)
            return code;
    }
    return VK_NONE;
}

// Qt::Key_unknown for a code that names no key here.
inline int qtKeyOf(WPARAM virtualKey)
{
    if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9'))
        return static_cast<int>(virtualKey);
    if (virtualKey >= VK_F1 && virtualKey < VK_F1 + 24)
        return Qt::Key_F1 + static_cast<int>(virtualKey - VK_F1);
    for (const auto& [key, code] : KeyTable) {
        if (code == virtualKey)
            return key;
    }
    return Qt::Key_unknown;
}

} // namespace platform
