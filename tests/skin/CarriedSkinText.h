#pragma once

#include "skin/CarriedSkin.h"

#include <QColor>

#include <string>
#include <string_view>
#include <vector>

inline std::string carriedSkinText()
{
    return std::string(reinterpret_cast<const char*>(SkinData.data()), SkinData.size());
}

inline std::vector<unsigned char> carriedLibraryImage()
{
    return std::vector<unsigned char>(SkinLibraryImage.begin(), SkinLibraryImage.end());
}

// The colour the carried skin gives the key, read from its "key=#rrggbb" line.
inline QColor skinColour(std::string_view key)
{
    const std::string text = carriedSkinText();
    const std::string line = "\n" + std::string(key) + "=";
    size_t at = text.find(line);
    if (at == std::string::npos)
        return QColor();
    return QColor(QString::fromStdString(text.substr(at + line.size(), 7)));
}
