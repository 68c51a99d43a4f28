#include "skin/library/SkinFormat.h"

#include <algorithm>
#include <bitset>
#include <charconv>

namespace skin {

namespace {

constexpr std::size_t MaxSkinSize = 64 * 1024;
constexpr std::size_t MaxLineLength = 256;
constexpr std::size_t MaxFontFamilies = 8;
constexpr std::size_t MaxFamilyLength = 64;
constexpr int MinPixelSize = 9;
constexpr int MaxPixelSize = 24;

constexpr std::string_view VersionLine = "version=1";
constexpr std::string_view FontKey = "font";
constexpr std::string_view PixelSizeKey = "font-pixel-size";

// The entries after the colours are counted on from them.
constexpr std::size_t FontEntry = ColourCount;
constexpr std::size_t PixelSizeEntry = ColourCount + 1;
constexpr std::size_t EntryCount = ColourCount + 2;

// The data's lines, each without its end.
class Lines {
public:
    explicit Lines(std::string_view data)
        : m_rest(data)
    {
    }

    std::optional<std::string_view> next()
    {
        if (m_rest.empty())
            return std::nullopt;
        std::size_t end = m_rest.find('\n');
        std::string_view line = m_rest.substr(0, end);
        m_rest.remove_prefix(end == std::string_view::npos ? m_rest.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        return line;
    }

private:
    std::string_view m_rest;
};

bool isTextByte(char byte)
{
    return byte == '\t' || (byte >= 0x20 && byte <= 0x7E);
}

bool isWellFormed(std::string_view line)
{
    return line.size() <= MaxLineLength && std::all_of(line.begin(), line.end(), isTextByte);
}

int hexDigit(char digit)
{
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    return -1;
}

std::optional<std::uint8_t> hexByte(char high, char low)
{
    int first = hexDigit(high);
    int second = hexDigit(low);
    if (first < 0 || second < 0)
        return std::nullopt;
    return static_cast<std::uint8_t>(first * 16 + second);
}

std::optional<Rgb> readColour(std::string_view value)
{
    if (value.size() != 7 || value[0] != '#')
        return std::nullopt;
    std::optional<std::uint8_t> red = hexByte(value[1], value[2]);
    std::optional<std::uint8_t> green = hexByte(value[3], value[4]);
    std::optional<std::uint8_t> blue = hexByte(value[5], value[6]);
    if (!red || !green || !blue)
        return std::nullopt;
    return Rgb { *red, *green, *blue };
}

std::string_view trimmed(std::string_view text)
{
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::string_view();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool isFamilyByte(char byte)
{
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') || byte == ' '
        || byte == '-' || byte == '_';
}

std::optional<std::vector<std::string>> readFamilies(std::string_view value)
{
    std::vector<std::string> families;
    for (;;) {
        std::size_t comma = value.find(',');
        std::string_view family = trimmed(value.substr(0, comma));
        if (family.empty() || family.size() > MaxFamilyLength || families.size() == MaxFontFamilies
            || !std::all_of(family.begin(), family.end(), isFamilyByte))
            return std::nullopt;
        families.emplace_back(family);
        if (comma == std::string_view::npos)
            return families;
        value.remove_prefix(comma + 1);
    }
}

std::optional<int> readPixelSize(std::string_view value)
{
    int size = 0;
    const char* end = value.data() + value.size();
    auto [stop, error] = std::from_chars(value.data(), end, size);
    if (error != std::errc() || stop != end || size < MinPixelSize || size > MaxPixelSize)
        return std::nullopt;
    return size;
}

std::optional<std::size_t> entryOf(std::string_view key)
{
    auto colour = std::find(ColourKeys.begin(), ColourKeys.end(), key);
    if (colour != ColourKeys.end())
        return static_cast<std::size_t>(colour - ColourKeys.begin());
    if (key == FontKey)
        return FontEntry;
    if (key == PixelSizeKey)
        return PixelSizeEntry;
    return std::nullopt;
}

// The entries after the version line, each key once.
class EntryReader {
public:
    bool read(std::string_view line)
    {
        if (line.empty() || line.front() == '#')
            return true;
        std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return false;
        std::optional<std::size_t> entry = entryOf(line.substr(0, equals));
        if (!entry || m_seen.test(*entry))
            return false;
        m_seen.set(*entry);
        return readValue(*entry, line.substr(equals + 1));
    }

    std::optional<Skin> finish()
    {
        if (!m_seen.all())
            return std::nullopt;
        return std::move(m_skin);
    }

private:
    bool readValue(std::size_t entry, std::string_view value)
    {
        if (entry == FontEntry) {
            std::optional<std::vector<std::string>> families = readFamilies(value);
            if (families)
                m_skin.fontFamilies = std::move(*families);
            return families.has_value();
        }
        if (entry == PixelSizeEntry) {
            std::optional<int> size = readPixelSize(value);
            m_skin.fontPixelSize = size.value_or(0);
            return size.has_value();
        }
        std::optional<Rgb> colour = readColour(value);
        if (colour)
            m_skin.colours[entry] = *colour;
        return colour.has_value();
    }

    Skin m_skin;
    std::bitset<EntryCount> m_seen;
};

} // namespace

bool hasSkinMark(std::string_view data)
{
    return data.starts_with(SkinMark);
}

std::optional<Skin> readSkin(std::string_view data)
{
    if (!hasSkinMark(data) || data.size() > MaxSkinSize)
        return std::nullopt;
    Lines lines(data);
    if (lines.next() != SkinMark || lines.next() != VersionLine)
        return std::nullopt;
    EntryReader entries;
    while (std::optional<std::string_view> line = lines.next()) {
        if (!isWellFormed(*line) || !entries.read(*line))
            return std::nullopt;
    }
    return entries.finish();
}

} // namespace skin
