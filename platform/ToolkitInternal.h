#pragma once

#include "platform/Toolkit.h"

#include <QByteArray>
#include <QString>

#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QPixmap;

// What the toolkit's controls share: the texts across the GBK boundary, the
// places of child widgets and the calls of the program's handlers.
namespace platform::toolkit {

// The text to show; a text that is not GBK is shown as far as it can be, so
// that nothing is dropped.
QString textFromGbk(std::string_view gbk);
// Nothing when the text holds a character GBK cannot hold.
std::optional<std::string> gbkFromText(const QString& text);

QByteArray bytesOf(std::string_view text);
std::string stringOf(const QByteArray& bytes);

// Names a control's widget after the program's name for it.
QString widgetName(std::string_view name);

// Puts a child widget at its place in the parent's client area, shown with it.
void placeChild(QWidget* widget, Place place);

// The list's picture, or a null one for an index outside the list.
QPixmap pictureOf(const ImageList& pictures, int index);

// A handler that throws ends the program with the error shown, since an
// exception must not pass through Qt's event handling.
[[noreturn]] void endOnHandlerFailure(std::exception_ptr failure);

template <typename... Arguments, typename... Given>
void callHandler(const std::function<void(Arguments...)>& handler, Given&&... arguments)
{
    if (!handler)
        return;
    try {
        handler(std::forward<Given>(arguments)...);
    } catch (...) {
        endOnHandlerFailure(std::current_exception());
    }
}

// The message box behind messageBox, for the toolkit's own texts.
MessageBoxAnswer showMessageBox(const QString& text, UINT flags, const QString& title);

} // namespace platform::toolkit
