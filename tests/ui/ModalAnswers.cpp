#include "ModalAnswers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString describe(QWidget* opened)
{
    if (auto* menu = qobject_cast<QMenu*>(opened)) {
        QStringList entries;
        for (QAction* action : menu->actions())
            entries << action->text();
        return QStringLiteral("menu|") + entries.join(',');
    }
    if (auto* box = qobject_cast<QMessageBox*>(opened))
        return box->windowTitle() + '|' + box->text();
    if (qobject_cast<QDialog*>(opened) != nullptr && opened->findChild<QLabel*>() != nullptr)
        return opened->windowTitle() + '|' + opened->findChild<QLabel*>()->text();
    return opened->windowTitle();
}

QAbstractButton* buttonWithText(QWidget* window, const QString& text)
{
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->text() == text && button->isVisible())
            return button;
    }
    return nullptr;
}

} // namespace

void typeText(QWidget* widget, const QString& text)
{
    for (QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(widget, ch.toLatin1());
            continue;
        }
        QInputMethodEvent composed;
        composed.setCommitString(QString(ch));
        QApplication::sendEvent(widget, &composed);
    }
}

ModalAnswers::ModalAnswers()
{
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
    m_timer.start();
}

ModalAnswers::~ModalAnswers() = default;

ModalAnswers& ModalAnswers::then(Answer answer)
{
    m_script.push_back(std::move(answer));
    return *this;
}

void ModalAnswers::poll()
{
    QWidget* opened = QApplication::activePopupWidget();
    if (opened == nullptr)
        opened = QApplication::activeModalWidget();
    // A window that has closed is a new one when it opens again.
    std::erase_if(
        m_handled, [](const QPointer<QWidget>& handled) { return handled == nullptr || !handled->isVisible(); });
    if (opened == nullptr || !opened->isVisible())
        return;
    for (const QPointer<QWidget>& handled : m_handled) {
        if (handled == opened)
            return;
    }
    m_handled.emplace_back(opened);
    m_shown << describe(opened);
    // Answered from the window's own event loop, so that a box it opens in
    // turn is seen and answered too.
    QTimer::singleShot(0, opened, [this, opened] { handle(opened); });
}

void ModalAnswers::handle(QWidget* opened)
{
    if (m_script.empty()) {
        ADD_FAILURE() << "nobody answers: " << describe(opened).toStdString();
        opened->close();
        return;
    }
    Answer answer = std::move(m_script.front());
    m_script.pop_front();
    answer(opened);
}

ModalAnswers::Answer press(const QString& buttonText)
{
    return [buttonText](QWidget* window) {
        QAbstractButton* button = buttonWithText(window, buttonText);
        if (button == nullptr) {
            ADD_FAILURE() << "no button " << buttonText.toStdString() << " in " << describe(window).toStdString();
            window->close();
            return;
        }
        QTest::mouseClick(button, Qt::LeftButton);
    };
}

ModalAnswers::Answer typeAndPress(const QString& text, const QString& buttonText)
{
    return [text, buttonText](QWidget* window) {
        auto* edit = window->findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr);
        typeText(edit, text);
        press(buttonText)(window);
    };
}

ModalAnswers::Answer keyIn(Qt::Key key)
{
    return [key](QWidget* window) { QTest::keyClick(window->windowHandle(), key); };
}

ModalAnswers::Answer choose(const QString& entry)
{
    return [entry](QWidget* opened) {
        auto* menu = qobject_cast<QMenu*>(opened);
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->text() == entry) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                return;
            }
        }
        ADD_FAILURE() << "no entry " << entry.toStdString();
        menu->close();
    };
}

ModalAnswers::Answer actIn(std::function<void(QWidget*)> steps)
{
    return steps;
}
