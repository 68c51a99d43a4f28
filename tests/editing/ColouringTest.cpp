#include "EditingFixture.h"

#include "platform/Scintilla.h"

#include <QTest>

namespace {

using Base = QsciScintillaBase;

const char* const Sample = "#include <stdio.h>\n"
                           "/* a block */\n"
                           "/** a doc comment */\n"
                           "// a line\n"
                           "wchar_t name[] = L\"text\";\n"
                           "int c = 'a';\n"
                           "while (c) { c = 0; }\n";

struct Colouring {
    const char* piece;
    long style;
    long colour;
    bool bold;
};

// How many pixels of the piece's place show exactly its colour.
int pixelsOfColour(const QImage& image, QRect place, QColor colour)
{
    int count = 0;
    for (int y = place.top(); y <= place.bottom(); ++y) {
        for (int x = place.left(); x <= place.right(); ++x)
            count += QColor(image.pixel(x, y)) == colour ? 1 : 0;
    }
    return count;
}

class ColouringTest : public EditingTest {
protected:
    QRect placeOf(long start, size_t length) const
    {
        long left = send(Base::SCI_POINTXFROMPOSITION, 0, start);
        long right = send(Base::SCI_POINTXFROMPOSITION, 0, start + static_cast<long>(length));
        long top = send(Base::SCI_POINTYFROMPOSITION, 0, start);
        long height = send(Base::SCI_TEXTHEIGHT, 0);
        return QRect(int(left), int(top), int(right - left), int(height));
    }
};

TEST_F(ColouringTest, ColoursCAndCppAsAPersonSeesIt)
{
    const Colouring expected[] = {
        { "#include <stdio.h>", SCE_C_PREPROCESSOR, 0x808080, false },
        { "/* a block */", SCE_C_COMMENT, 0x008000, false },
        { "/** a doc comment */", SCE_C_COMMENTDOC, 0x008000, false },
        { "// a line", SCE_C_COMMENTLINE, 0x008000, false },
        { "wchar_t", SCE_C_WORD2, 0x800080, true },
        { "int", SCE_C_WORD2, 0x800080, true },
        { "L\"text\"", SCE_C_STRING, 0x1515A3, false },
        { "'a'", SCE_C_CHARACTER, 0x1515A3, false },
        { "while", SCE_C_WORD, 0xFF0000, false },
    };
    // Without smoothing a glyph's pixels are its colour exactly.
    send(Base::SCI_SETFONTQUALITY, Base::SC_EFF_QUALITY_NON_ANTIALIASED);
    showText(Sample);
    QImage image = picture();
    const std::string sample = Sample;
    for (const Colouring& piece : expected) {
        SCOPED_TRACE(piece.piece);
        long start = static_cast<long>(sample.find(piece.piece));
        size_t length = std::string(piece.piece).size();
        for (size_t at = 0; at < length; ++at)
            ASSERT_EQ(send(Base::SCI_GETSTYLEAT, start + static_cast<long>(at)), piece.style) << "at " << at;
        EXPECT_EQ(send(Base::SCI_STYLEGETFORE, piece.style), piece.colour);
        EXPECT_EQ(send(Base::SCI_STYLEGETBOLD, piece.style), piece.bold ? 1 : 0);
        EXPECT_GT(pixelsOfColour(image, placeOf(start, length), colourOf(piece.colour)), 3);
    }
    // Plain code keeps the default colour.
    EXPECT_EQ(send(Base::SCI_GETSTYLEAT, static_cast<long>(sample.find("name"))), 11);
}

TEST_F(ColouringTest, HighlightsTheCaretLine)
{
    showText(Sample);
    engine()->setFocus();
    send(Base::SCI_GOTOLINE, 2);
    settle();
    EXPECT_EQ(send(Base::SCI_GETCARETLINEVISIBLE), 1);
    EXPECT_EQ(send(Base::SCI_GETCARETLINEBACK), 0xB0FFFF);
    QImage image = picture();
    int right = image.width() - 40;
    EXPECT_EQ(QColor(image.pixel(pointOnLine(2, right))), QColor(0xFF, 0xFF, 0xB0));
    EXPECT_EQ(QColor(image.pixel(pointOnLine(4, right))), QColor(Qt::white));
}

} // namespace
