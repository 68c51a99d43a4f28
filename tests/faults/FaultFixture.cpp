#include "FaultFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <cctype>

void PrintTo(const WindowFault& fault, std::ostream* out)
{
    *out << fault.what;
}

std::string nameFromWhat(const char* what)
{
    std::string name;
    for (const char* c = what; *c != '\0'; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c)))
            name += *c;
    }
    return name;
}

void FaultTest::TearDown()
{
    m_failing.reset();
    UiTest::TearDown();
}

std::map<std::string, std::string> FaultTest::storeNow()
{
    if (!fs::exists(storeRoot()))
        return {};
    return snapshot();
}

void FaultTest::selectNote(const QString& path)
{
    tree()->expandAll();
    click(item(path));
}

void FaultTest::arrange(const WindowFault& fault)
{
    if (fault.arrange)
        fault.arrange();
    if (fault.calls)
        m_failing.emplace(*fault.calls);
}

AddNoteOutcome FaultTest::addNote(const AddNoteTyping& typing, const std::function<void()>& beforeSave, int boxes)
{
    AddNoteOutcome outcome;
    answers.then(actIn([&](QWidget* window) {
        auto* combo = window->findChild<QComboBox*>(QStringLiteral("CategoryCombo"));
        auto* name = window->findChild<QLineEdit*>(QStringLiteral("NoteNameEdit"));
        auto* content = window->findChild<QPlainTextEdit*>(QStringLiteral("NoteContentEdit"));
        combo->setFocus();
        for (int step = 0; step <= typing.category; ++step)
            QTest::keyClick(combo, Qt::Key_Down);
        typeText(name, typing.name);
        typeText(content, typing.content);
        if (beforeSave)
            beforeSave();
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("SaveNoteButton")), Qt::LeftButton);
        QTest::qWait(30);
        outcome = { window->isVisible(), name->text(), content->toPlainText() };
        if (outcome.stillOpen)
            QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
    }));
    for (int box = 0; box < boxes; ++box)
        answers.then(press("确定"));
    clickToolbarButton("添加笔记");
    return outcome;
}
