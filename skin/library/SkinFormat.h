#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A skin as this library reads it. The data is ASCII text, read only within
// the count it comes with (no terminating zero is looked for):
//
//   .SHE                      the mark: the data's first four bytes, alone on the first line
//   version=1                 the only version there is, on the second line
//   window=#f3f4f6            then one key=value line for every key below,
//   ...                       each exactly once, in any order
//
// Colours are #rrggbb: window, window-text, base, alternate-base, text,
// button, button-text, highlight, highlighted-text, border, focus, hover,
// pressed, disabled-text, tooltip-base, tooltip-text, toolbar, frame.
// "font" is a list of font families, most wanted first, separated by commas
// (letters, digits, spaces, "-" and "_", at most 8 of at most 64 bytes each);
// "font-pixel-size" is the text's height in pixels, 9 to 24.
//
// Lines end with LF or CR LF; the last may end with the data. After the
// version, an empty line or one that begins with "#" is a comment. Every byte
// is printable ASCII or a tab, every line at most 256 bytes and the whole at
// most 64 KiB. Anything else (an unknown or repeated key, a missing one, a
// value out of its form) refuses the whole skin.
namespace skin {

enum Colour : std::size_t {
    Window,
    WindowText,
    Base,
    AlternateBase,
    Text,
    Button,
    ButtonText,
    Highlight,
    HighlightedText,
    Border,
    Focus,
    Hover,
    Pressed,
    DisabledText,
    ToolTipBase,
    ToolTipText,
    Toolbar,
    Frame,
    ColourCount
};

// The colours' keys, in the order of Colour.
inline constexpr std::array<std::string_view, ColourCount> ColourKeys = { "window", "window-text", "base",
    "alternate-base", "text", "button", "button-text", "highlight", "highlighted-text", "border", "focus", "hover",
    "pressed", "disabled-text", "tooltip-base", "tooltip-text", "toolbar", "frame" };

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

struct Skin {
    std::array<Rgb, ColourCount> colours {};
    std::vector<std::string> fontFamilies;
    int fontPixelSize = 0;
};

inline constexpr std::string_view SkinMark = ".SHE";

bool hasSkinMark(std::string_view data);

// The skin the data holds, mark and all; nothing when any of it is wrong.
std::optional<Skin> readSkin(std::string_view data);

} // namespace skin
