#include "ToolkitFixture.h"

#include "platform/TextConverter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputMethodEvent>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const char* const greenSquare[] = { "16 15 1 1", ". c #00A000", "................", "................",
    "................", "................", "................", "................", "................",
    "................", "................", "................", "................", "................",
    "................", "................", "................" };

const char* const redSquare[] = { "16 15 1 1", ". c #C00000", "................", "................",
    "................", "................", "................", "................", "................",
    "................", "................", "................", "................", "................",
    "................", "................", "................" };

} // namespace

std::string gbk(const char* utf8)
{
    std::optional<std::string> converted = platform::gbkFromUtf8(utf8);
    EXPECT_TRUE(converted.has_value()) << utf8;
    return converted.value_or(std::string());
}

const platform::ImageList& testPictures()
{
    static const platform::ImageList pictures { 16, 15, { greenSquare, redSquare } };
    return pictures;
}

WhenOpen::WhenOpen(std::function<QWidget*()> find, std::function<void(QWidget&)> answer)
{
    QObject::connect(&m_timer, &QTimer::timeout, [this, find = std::move(find), answer = std::move(answer)] {
        QWidget* window = find();
        if (window == nullptr || !window->isActiveWindow())
            return;
        m_timer.stop();
        m_answered = true;
        answer(*window);
    });
    m_timer.start(0);
}

std::function<QWidget*()> modalOfClass(const char* className)
{
    return [className]() -> QWidget* {
        QWidget* modal = QApplication::activeModalWidget();
        return modal != nullptr && modal->inherits(className) ? modal : nullptr;
    };
}

std::function<QWidget*()> popupMenu()
{
    return [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); };
}

void clickButton(QWidget& window, const QString& text)
{
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->text() == text && button->isVisible()) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
}

void chooseEntry(QMenu& menu, const QString& text, Qt::MouseButton button)
{
    for (QAction* action : menu.actions()) {
        if (action->text() == text) {
            QTest::mouseClick(&menu, button, Qt::NoModifier, menu.actionGeometry(action).center());
            return;
        }
    }
    ADD_FAILURE() << "no entry " << text.toStdString();
}

void typeText(QWidget& widget, const QString& text)
{
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(&widget, &commit);
}

void pressKey(QWidget& inWindow, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(inWindow.window()->windowHandle(), key, modifiers);
}

void showActive(platform::Window& window)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.widget()));
}
