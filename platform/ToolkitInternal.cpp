#include "platform/ToolkitInternal.h"

#include "platform/Process.h"
#include "platform/TextConverter.h"

#include <QPixmap>
#include <QWidget>

#include <new>

namespace platform::toolkit {

namespace {

constexpr char32_t ReplacementCharacter = 0xFFFD;

bool isAscii(char byte)
{
    return static_cast<unsigned char>(byte) < 0x80;
}

// Character by character: one or two bytes as GBK, or a replacement for a
// byte that begins no character.
QString textFromBrokenGbk(std::string_view gbk)
{
    TextConverter converter("UTF-8", "GBK");
    QString text;
    for (size_t at = 0; at < gbk.size();) {
        if (isAscii(gbk[at])) {
            text += QLatin1Char(gbk[at]);
            ++at;
        } else if (std::optional<std::string> pair = converter.convert(gbk.substr(at, 2))) {
            text += QString::fromStdString(*pair);
            at += 2;
        } else if (std::optional<std::string> single = converter.convert(gbk.substr(at, 1))) {
            text += QString::fromStdString(*single);
            ++at;
        } else {
            text += QChar(ReplacementCharacter);
            ++at;
        }
    }
    return text;
}

} // namespace

QString textFromGbk(std::string_view gbk)
{
    if (std::optional<std::string> utf8 = utf8FromGbk(gbk))
        return QString::fromStdString(*utf8);
    return textFromBrokenGbk(gbk);
}

std::optional<std::string> gbkFromText(const QString& text)
{
    return gbkFromUtf8(text.toStdString());
}

QByteArray bytesOf(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

std::string stringOf(const QByteArray& bytes)
{
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

QString widgetName(std::string_view name)
{
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

void placeChild(QWidget* widget, Place place)
{
    widget->setGeometry(place.x, place.y, place.width, place.height);
    widget->show();
}

QPixmap pictureOf(const ImageList& pictures, int index)
{
    if (index < 0 || static_cast<size_t>(index) >= pictures.pictures.size())
        return QPixmap();
    return QPixmap(pictures.pictures[static_cast<size_t>(index)]);
}

void endOnHandlerFailure(std::exception_ptr failure)
{
    std::string what;
    try {
        std::rethrow_exception(failure);
    } catch (const std::bad_alloc&) {
        fatalError(gbkFromUtf8("内存不足，程序无法继续运行。").value_or(std::string()));
    } catch (const std::exception& error) {
        what = error.what();
    } catch (...) {
    }
    if (what.empty())
        fatalError(gbkFromUtf8("程序出错，无法继续运行。").value_or(std::string()));
    fatalError(gbkFromUtf8("程序出错：").value_or(std::string()) + what);
}

} // namespace platform::toolkit
