#pragma once

#include "FailingCalls.h"
#include "FileTree.h"
#include "ModalAnswers.h"
#include "ui/MainWindow.h"

#include <QString>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace fs = std::filesystem;

// The store beside the test program, made afresh for each test, and the main
// window opened on it with a fresh editor, as the program starts.
class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static fs::path storeRoot();
    // A note file under the store with the GBK of a UTF-8 text.
    static void makeNote(std::string_view category, std::string_view fileName, std::string_view utf8Text);
    static void makeFile(const fs::path& path, std::string_view bytes);
    static std::map<std::string, std::string> snapshot() { return fileTreeOf(storeRoot()); }

    void openMainWindow();
    QWidget* mainWindow() const;
    QTreeWidget* tree() const;
    // The engine's window inside EditorHost.
    QWidget* editorWidget() const;
    // The item at a path of UTF-8 texts: "A" or "A/x".
    QTreeWidgetItem* item(const QString& path) const;
    // The tree as text: "A(x,y) B" for collapsed items, "+A(x,y)" for an expanded one.
    QString treeText() const;
    QString selectedPath() const;

    void click(QTreeWidgetItem* item, Qt::MouseButton button = Qt::LeftButton);
    void clickToolbarButton(const QString& hint);
    void pressKey(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Lets queued events run: a command chosen from a menu, a deferred close.
    static void settle();

    static std::string editorText();
    static void setEditorText(std::string_view utf8);

    ModalAnswers answers;
    std::unique_ptr<MainWindow> m_mainWindow;
};

// Failures print Qt's texts as text.
void PrintTo(const QString& text, std::ostream* out);
void PrintTo(const QStringList& texts, std::ostream* out);

// UTF-8 to the GBK the store holds.
std::string gbk(std::string_view utf8);
