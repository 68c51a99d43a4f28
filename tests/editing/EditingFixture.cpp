#include "EditingFixture.h"

#include <QTest>

void EditingTest::SetUp()
{
    UiTest::SetUp();
    openMainWindow();
    ASSERT_NE(engine(), nullptr);
}

QsciScintillaBase* EditingTest::engine() const
{
    return qobject_cast<QsciScintillaBase*>(editorWidget());
}

long EditingTest::send(unsigned int message, unsigned long wParam, long lParam) const
{
    return engine()->SendScintilla(message, wParam, lParam);
}

std::string EditingTest::textOf(unsigned int message, unsigned long wParam) const
{
    long length = engine()->SendScintilla(message, wParam, static_cast<void*>(nullptr));
    std::string text(static_cast<size_t>(length) + 1, '\0');
    engine()->SendScintilla(message, wParam, text.data());
    text.resize(static_cast<size_t>(length));
    return text;
}

void EditingTest::showText(std::string_view utf8)
{
    setEditorText(utf8);
    send(QsciScintillaBase::SCI_COLOURISE, 0, -1);
    settle();
}

QPoint EditingTest::pointOnLine(int line, int x) const
{
    long start = send(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    long top = send(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, start);
    long height = send(QsciScintillaBase::SCI_TEXTHEIGHT, line);
    return QPoint(x, static_cast<int>(top + height / 2));
}

void EditingTest::clickAt(QPoint place)
{
    QTest::mouseClick(engine()->viewport(), Qt::LeftButton, {}, place);
    settle();
}

void EditingTest::type(const QString& text)
{
    engine()->setFocus();
    typeText(engine(), text);
    settle();
}

QImage EditingTest::picture() const
{
    engine()->viewport()->repaint();
    return engine()->viewport()->grab().toImage();
}

QColor colourOf(long scintillaColour)
{
    return QColor(scintillaColour & 0xFF, (scintillaColour >> 8) & 0xFF, (scintillaColour >> 16) & 0xFF);
}
