#pragma once

#include "../ui/UiFixture.h"

#include <Qsci/qsciscintillabase.h>

#include <QColor>
#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

// The main window opened as the program starts, with the engine's window at
// hand for reading what a person would see.
class EditingTest : public UiTest {
protected:
    void SetUp() override;

    QsciScintillaBase* engine() const;
    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;
    std::string textOf(unsigned int message, unsigned long wParam = 0) const;

    // Replaces the document and styles all of it.
    void showText(std::string_view utf8);
    // Where a person clicks: the middle of the line, at x in the engine's window.
    QPoint pointOnLine(int line, int x) const;
    void clickAt(QPoint place);
    // Types as a person would, into the focused editor.
    void type(const QString& text);
    QImage picture() const;
};

// A Scintilla colour (0xBBGGRR) as Qt's.
QColor colourOf(long scintillaColour);
