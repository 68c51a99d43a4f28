#include "UiFixture.h"

#include "app/Globals.h"
#include "app/ProgramDirectory.h"
#include "editor/CodeEditor.h"
#include "platform/TextConverter.h"

#include <QApplication>
#include <QTest>
#include <QToolButton>

#include <fstream>

std::string gbk(std::string_view utf8)
{
    return platform::gbkFromUtf8(utf8).value();
}

void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '{';
    for (const QString& text : texts) {
        PrintTo(text, out);
        *out << ' ';
    }
    *out << '}';
}

fs::path UiTest::storeRoot()
{
    return fs::path(programDirectory()) / "CodeData";
}

void UiTest::SetUp()
{
    fs::remove_all(storeRoot());
    fs::create_directory(storeRoot());
    TheEditor = std::make_unique<CodeEditor>();
    CategoryList.clear();
}

void UiTest::TearDown()
{
    EXPECT_TRUE(answers.allUsed()) << "not every answer was asked for";
    m_mainWindow.reset();
    settle();
    fs::remove_all(storeRoot());
}

void UiTest::makeFile(const fs::path& path, std::string_view bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

void UiTest::makeNote(std::string_view category, std::string_view fileName, std::string_view utf8Text)
{
    makeFile(storeRoot() / fs::path(category) / fs::path(fileName), gbk(utf8Text));
}

void UiTest::openMainWindow()
{
    m_mainWindow = std::make_unique<MainWindow>();
    m_mainWindow->show();
    QWidget* window = mainWindow();
    ASSERT_NE(window, nullptr);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    settle();
}

QWidget* UiTest::mainWindow() const
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("MainWindow") && window->isVisible())
            return window;
    }
    return nullptr;
}

QTreeWidget* UiTest::tree() const
{
    QWidget* window = mainWindow();
    return window == nullptr ? nullptr : window->findChild<QTreeWidget*>(QStringLiteral("CategoryTree"));
}

QWidget* UiTest::editorWidget() const
{
    QWidget* host = mainWindow()->findChild<QWidget*>(QStringLiteral("EditorHost"));
    QList<QWidget*> inside = host->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    return inside.isEmpty() ? nullptr : inside.front();
}

QTreeWidgetItem* UiTest::item(const QString& path) const
{
    QStringList names = path.split('/');
    QTreeWidgetItem* found = nullptr;
    for (int i = 0; i < tree()->topLevelItemCount() && found == nullptr; ++i) {
        if (tree()->topLevelItem(i)->text(0) == names[0])
            found = tree()->topLevelItem(i);
    }
    if (found == nullptr || names.size() == 1)
        return found;
    for (int i = 0; i < found->childCount(); ++i) {
        if (found->child(i)->text(0) == names[1])
            return found->child(i);
    }
    return nullptr;
}

QString UiTest::treeText() const
{
    QStringList categories;
    for (int i = 0; i < tree()->topLevelItemCount(); ++i) {
        QTreeWidgetItem* category = tree()->topLevelItem(i);
        QStringList notes;
        for (int n = 0; n < category->childCount(); ++n)
            notes << category->child(n)->text(0);
        QString text = (category->isExpanded() ? QStringLiteral("+") : QString()) + category->text(0);
        if (!notes.isEmpty())
            text += '(' + notes.join(',') + ')';
        categories << text;
    }
    return categories.join(' ');
}

QString UiTest::selectedPath() const
{
    QList<QTreeWidgetItem*> selected = tree()->selectedItems();
    if (selected.isEmpty())
        return QString();
    QTreeWidgetItem* chosen = selected.front();
    return chosen->parent() == nullptr ? chosen->text(0) : chosen->parent()->text(0) + '/' + chosen->text(0);
}

void UiTest::click(QTreeWidgetItem* target, Qt::MouseButton button)
{
    ASSERT_NE(target, nullptr);
    tree()->scrollToItem(target);
    QRect place = tree()->visualItemRect(target);
    QTest::mouseClick(tree()->viewport(), button, {}, QPoint(place.left() + 8, place.center().y()));
    settle();
}

void UiTest::clickToolbarButton(const QString& hint)
{
    QWidget* toolbar = mainWindow()->findChild<QWidget*>(QStringLiteral("MainToolbar"));
    ASSERT_NE(toolbar, nullptr);
    for (QToolButton* button : toolbar->findChildren<QToolButton*>()) {
        if (button->toolTip() == hint) {
            QTest::mouseClick(button, Qt::LeftButton);
            settle();
            return;
        }
    }
    FAIL() << "no toolbar button " << hint.toStdString();
}

void UiTest::pressKey(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    // At the window, as the keyboard delivers it, so that what watches the
    // window sees it before the focused control does.
    target->setFocus();
    QTest::keyClick(target->window()->windowHandle(), key, modifiers);
    settle();
}

void UiTest::settle()
{
    for (int round = 0; round < 3; ++round)
        QTest::qWait(15);
}

std::string UiTest::editorText()
{
    std::string text;
    TheEditor->getText(TheEditor->getTextLength() + 1, text);
    return text;
}

void UiTest::setEditorText(std::string_view utf8)
{
    TheEditor->setText(std::string(utf8));
}
