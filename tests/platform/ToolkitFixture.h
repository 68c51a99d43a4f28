#pragma once

#include "platform/Toolkit.h"

#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>

class QMenu;

// The GBK form of a UTF-8 text of the test.
std::string gbk(const char* utf8);

// Not GBK: "A" after a byte that begins no GBK character.
inline const std::string NotGbk("\xff\x41");

// 16 by 15 pictures, as the program's image lists hold them.
const platform::ImageList& testPictures();

// Answers the next window that find() finds once it is open and active, as a
// person would, while the code that opened it waits; it stops looking when it goes.
class WhenOpen {
public:
    WhenOpen(std::function<QWidget*()> find, std::function<void(QWidget&)> answer);
    bool answered() const { return m_answered; }

private:
    QTimer m_timer;
    bool m_answered = false;
};

// The application's modal window if it is of the class.
std::function<QWidget*()> modalOfClass(const char* className);
// The open popup menu.
std::function<QWidget*()> popupMenu();

// Clicks the button of the window that shows the text.
void clickButton(QWidget& window, const QString& text);
// Chooses the menu's entry with the mouse button.
void chooseEntry(QMenu& menu, const QString& text, Qt::MouseButton button = Qt::LeftButton);
// Types the text as an input method commits it, the way Chinese is typed.
void typeText(QWidget& widget, const QString& text);
// Presses the key where the keyboard delivers it: at the window of the focus.
void pressKey(QWidget& inWindow, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The shown window, active, so that its controls can take the focus.
void showActive(platform::Window& window);
