#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <vector>

// Answers the boxes, dialogs, windows and popup menus the program opens, as
// a person would, in the order the test wrote the answers down; and records
// what each showed ("title|text" for a box or dialog, "title" for a window,
// "menu|entry,entry" for a popup).
class ModalAnswers : public QObject {
public:
    using Answer = std::function<void(QWidget*)>;

    ModalAnswers();
    ~ModalAnswers() override;

    ModalAnswers& then(Answer answer);
    const QStringList& shown() const { return m_shown; }
    bool allUsed() const { return m_script.empty(); }

private:
    void poll();
    void handle(QWidget* opened);

    QTimer m_timer;
    std::deque<Answer> m_script;
    std::vector<QPointer<QWidget>> m_handled;
    QStringList m_shown;
};

// Types the text into the widget as a person would: ASCII from the keyboard,
// anything else through the input method, as Chinese is typed.
void typeText(QWidget* widget, const QString& text);

// Clicks the button of a box or dialog whose text is the given one.
ModalAnswers::Answer press(const QString& buttonText);
// Types the text over the selected one in the dialog's edit box, then clicks the button.
ModalAnswers::Answer typeAndPress(const QString& text, const QString& buttonText);
// Presses the key as a person would, at the modal window.
ModalAnswers::Answer keyIn(Qt::Key key);
// Clicks an entry of a popup menu.
ModalAnswers::Answer choose(const QString& entry);
// Runs the test's own steps in the opened window.
ModalAnswers::Answer actIn(std::function<void(QWidget*)> steps);
