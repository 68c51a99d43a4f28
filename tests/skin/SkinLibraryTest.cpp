#include "CarriedSkinText.h"
#include "KeptLook.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPalette>

#include <dlfcn.h>
#include <sys/mman.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>
#include <string_view>

namespace {

using SkinEntry = int (*)(const unsigned char* skin, int length, const char* text, int, int, int);

constexpr int Applied = 0;
constexpr int NotASkin = 2;
constexpr int BrokenSkin = 3;

// The library as the build made it, loaded while the object lives.
class BuiltLibrary {
public:
    BuiltLibrary()
        : m_handle(::dlopen(BUILT_SKIN_LIBRARY, RTLD_NOW | RTLD_LOCAL))
    {
    }
    ~BuiltLibrary() { unload(); }
    BuiltLibrary(const BuiltLibrary&) = delete;
    BuiltLibrary& operator=(const BuiltLibrary&) = delete;

    SkinEntry entry() const
    {
        return m_handle == nullptr ? nullptr : reinterpret_cast<SkinEntry>(::dlsym(m_handle, "SkinH_Attach_Res"));
    }
    void unload()
    {
        if (m_handle != nullptr)
            ::dlclose(m_handle);
        m_handle = nullptr;
    }

private:
    void* m_handle;
};

// Bytes that end where readable memory ends, so that a read past them faults.
class GuardedBytes {
public:
    explicit GuardedBytes(std::string_view bytes)
        : m_page(static_cast<size_t>(::sysconf(_SC_PAGESIZE)))
        , m_readable((bytes.size() / m_page + 1) * m_page)
        , m_region(static_cast<unsigned char*>(
              ::mmap(nullptr, m_readable + m_page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0)))
        , m_bytes(m_region + m_readable - bytes.size())
    {
        ::mprotect(m_region + m_readable, m_page, PROT_NONE);
        std::memcpy(m_bytes, bytes.data(), bytes.size());
    }
    ~GuardedBytes() { ::munmap(m_region, m_readable + m_page); }
    GuardedBytes(const GuardedBytes&) = delete;
    GuardedBytes& operator=(const GuardedBytes&) = delete;

    const unsigned char* data() const { return m_bytes; }

private:
    size_t m_page;
    size_t m_readable;
    unsigned char* m_region;
    unsigned char* m_bytes;
};

// What a skin changes, as far as a test can see it.
struct Look {
    QColor window;
    QString font;
    int fontPixelSize;
    QString styleSheet;
    bool operator==(const Look&) const = default;
};

void PrintTo(const Look& look, std::ostream* out)
{
    *out << look.window.name().toStdString() << ", " << look.font.toStdString() << ' ' << look.fontPixelSize << "px, "
         << look.styleSheet.size() << " bytes of style sheet";
}

Look lookNow()
{
    QFont font = QApplication::font();
    return { QApplication::palette().color(QPalette::Window), font.family(), font.pixelSize(), qApp->styleSheet() };
}

class SkinLibraryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(m_library.entry(), nullptr) << ::dlerror(); }

    // Hands the bytes to the entry, the first `length` of them counted.
    int attach(std::string_view bytes, int length) const
    {
        GuardedBytes guarded(bytes);
        return m_library.entry()(guarded.data(), length, "", 0, 0, 0);
    }
    int attach(std::string_view bytes) const { return attach(bytes, static_cast<int>(bytes.size())); }

    KeptLook m_keptLook;
    BuiltLibrary m_library;
};

std::string withLine(std::string_view key, std::string_view line)
{
    std::string skin = carriedSkinText();
    size_t start = skin.find("\n" + std::string(key) + "=") + 1;
    skin.replace(start, skin.find('\n', start) - start, line);
    return skin;
}

std::string withValue(std::string_view key, std::string_view value)
{
    return withLine(key, std::string(key) + "=" + std::string(value));
}

std::string withCrLf(std::string_view text)
{
    std::string result;
    for (char byte : text)
        result += byte == '\n' ? std::string("\r\n") : std::string(1, byte);
    return result;
}

TEST_F(SkinLibraryTest, RefusesWhatIsNotAWholeGoodSkinAndChangesNothing)
{
    const std::string good = carriedSkinText();
    struct Refused {
        const char* what;
        std::string bytes;
        int result;
    };
    const Refused cases[] = {
        { "nothing", "", NotASkin },
        { "the mark turned round", "SHE." + good.substr(4), NotASkin },
        { "the mark in small letters", ".she" + good.substr(4), NotASkin },
        { "only the mark", ".SHE", BrokenSkin },
        { "only the mark's line", ".SHE\n", BrokenSkin },
        { "more on the mark's line", ".SHE2" + good.substr(4), BrokenSkin },
        { "no version", withLine("version", "# no version"), BrokenSkin },
        { "another version", withValue("version", "2"), BrokenSkin },
        { "cut in half", good.substr(0, good.size() / 2), BrokenSkin },
        { "cut inside a colour", good.substr(0, good.find("\nwindow=#") + 11), BrokenSkin },
        { "an unknown key", good + "shadow=#000000\n", BrokenSkin },
        { "a key twice", good + "window=#000000\n", BrokenSkin },
        { "a key missing", withLine("highlight", "# no highlight"), BrokenSkin },
        { "a line without =", withLine("window", "window #f3f4f6"), BrokenSkin },
        { "a colour without #", withValue("window", "f3f4f6"), BrokenSkin },
        { "a colour with a letter past f", withValue("window", "#f3f4g6"), BrokenSkin },
        { "a colour of three digits", withValue("window", "#fff"), BrokenSkin },
        { "a colour of seven digits", withValue("window", "#f3f4f60"), BrokenSkin },
        { "a colour with a space after it", withValue("window", "#f3f4f6 "), BrokenSkin },
        { "a font size too small", withValue("font-pixel-size", "8"), BrokenSkin },
        { "a font size too large", withValue("font-pixel-size", "25"), BrokenSkin },
        { "a font size with a unit", withValue("font-pixel-size", "12px"), BrokenSkin },
        { "a negative font size", withValue("font-pixel-size", "-12"), BrokenSkin },
        { "no font", withValue("font", ""), BrokenSkin },
        { "an empty font family", withValue("font", "WenQuanYi Micro Hei,,Noto Sans CJK SC"), BrokenSkin },
        { "a font family with a quote", withValue("font", "WenQuanYi \"Micro\" Hei"), BrokenSkin },
        { "nine font families", withValue("font", "a,b,c,d,e,f,g,h,i"), BrokenSkin },
        { "a zero byte", good + std::string("# \0\n", 4), BrokenSkin },
        { "a byte outside ASCII", good + "# \xe4\xbd\xa0\n", BrokenSkin },
        { "a carriage return inside a line", good + "# a\rb\n", BrokenSkin },
        { "a line of 300 bytes", good + "# " + std::string(298, 'x') + "\n", BrokenSkin },
        { "more than 64 KiB", good + std::string(64 * 1024, '\n'), BrokenSkin },
        { "a line of a megabyte", ".SHE\nversion=1\n" + std::string(1 << 20, 'x'), BrokenSkin },
    };
    const Look unskinned = lookNow();
    for (const Refused& refused : cases) {
        SCOPED_TRACE(refused.what);
        EXPECT_EQ(attach(refused.bytes), refused.result);
        EXPECT_EQ(lookNow(), unskinned);
    }
    EXPECT_EQ(m_library.entry()(nullptr, 0, "", 0, 0, 0), NotASkin);
    EXPECT_EQ(m_library.entry()(nullptr, static_cast<int>(good.size()), "", 0, 0, 0), NotASkin);
    EXPECT_EQ(attach(good, -1), NotASkin);
    EXPECT_EQ(lookNow(), unskinned);
}

TEST_F(SkinLibraryTest, AppliesAGoodSkinReadOnlyWithinItsCount)
{
    const std::string good = carriedSkinText();
    struct Accepted {
        const char* what;
        std::string bytes;
        size_t counted;
    };
    const Accepted cases[] = {
        { "the carried skin", good, good.size() },
        { "with CR LF line ends", withCrLf(good), withCrLf(good).size() },
        { "without its last line end", good.substr(0, good.size() - 1), good.size() - 1 },
        { "with a second window colour after its count", good + "window=#000000\n", good.size() },
    };
    for (const Accepted& accepted : cases) {
        SCOPED_TRACE(accepted.what);
        KeptLook keptForTheNextCase;
        EXPECT_EQ(attach(accepted.bytes, static_cast<int>(accepted.counted)), Applied);
        Look skinned = lookNow();
        EXPECT_EQ(skinned.window, skinColour("window"));
        EXPECT_EQ(skinned.font, "WenQuanYi Micro Hei");
        EXPECT_EQ(skinned.fontPixelSize, 12);
        EXPECT_FALSE(skinned.styleSheet.isEmpty());
    }
}

TEST_F(SkinLibraryTest, TheTextAndTheIntegersChangeNothing)
{
    const std::string good = carriedSkinText();
    GuardedBytes guarded(good);
    EXPECT_EQ(m_library.entry()(guarded.data(), static_cast<int>(good.size()), nullptr, 7, -1, 65535), Applied);
    EXPECT_EQ(lookNow().window, skinColour("window"));
}

// Qt holds nothing of the library once it is gone, as at the program's normal
// end: its texts, its style and a window drawn afresh are Qt's own.
TEST_F(SkinLibraryTest, TheApplicationKeepsWorkingAfterTheLibraryIsUnloaded)
{
    ASSERT_EQ(attach(carriedSkinText()), Applied);
    m_library.unload();
    ASSERT_EQ(::dlopen(BUILT_SKIN_LIBRARY, RTLD_NOW | RTLD_NOLOAD), nullptr) << "the library is still loaded";

    EXPECT_TRUE(qApp->styleSheet().contains(skinColour("border").name()));
    EXPECT_EQ(QApplication::font().family(), "WenQuanYi Micro Hei");
    QLabel label(QString::fromUtf8("你好世界"));
    label.resize(120, 30);
    EXPECT_EQ(label.grab().toImage().pixelColor(1, 1), skinColour("window"));
}

} // namespace
