// The skin library "SkinH_EL": its one entry reads a skin (SkinFormat.h) and
// puts it on every window of the program that loaded it.

#include "skin/library/SkinFormat.h"
#include "skin/library/SkinLook.h"

#include <QApplication>

#include <optional>
#include <string_view>

namespace {

enum Result : int {
    Applied = 0,
    NoApplication = 1,
    NotASkin = 2,
    BrokenSkin = 3,
    Failed = 4,
};

} // namespace

// The skin's address and its count of bytes; the text and the three integers
// are taken and not used. Nothing is applied unless the whole skin is good.
extern "C" __attribute__((visibility("default"))) int SkinH_Attach_Res(
    const unsigned char* bytes, int length, const char*, int, int, int)
{
    try {
        if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
            return NoApplication;
        if (bytes == nullptr || length <= 0)
            return NotASkin;
        std::string_view data(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
        if (!skin::hasSkinMark(data))
            return NotASkin;
        std::optional<skin::Skin> read = skin::readSkin(data);
        if (!read)
            return BrokenSkin;
        skin::applySkin(*read);
        return Applied;
    } catch (...) {
        return Failed;
    }
}
