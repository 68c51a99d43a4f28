#include "EditingFixture.h"

#include "app/Globals.h"
#include "editing/TypingAids.h"
#include "editor/CodeEditor.h"

namespace {

using Base = QsciScintillaBase;

const char* const Block = "int main()\n"
                          "{\n"
                          "    int x = 1;\n"
                          "    return x;\n"
                          "}\n"
                          "int after;\n";

int marginClicks = 0;

void countedMarginClick(std::int32_t modifiers, std::int32_t position, std::int32_t margin)
{
    ++marginClicks;
    onMarginClick(modifiers, position, margin);
}

class FoldingTest : public EditingTest {
protected:
    void SetUp() override
    {
        EditingTest::SetUp();
        marginClicks = 0;
        TheEditor->setMarginClickHandler(countedMarginClick);
        showText(Block);
    }

    // Margins 0 to 3 lie side by side from the left: 20, 5, 15 and 15 pixels.
    static int middleOfMargin(int margin)
    {
        const int left[] = { 0, 20, 25, 40, 55 };
        return (left[margin] + left[margin + 1]) / 2;
    }

    // What the fold margin shows beside the line.
    QImage foldMarginOf(int line) const
    {
        QPoint middle = pointOnLine(line, 0);
        long height = send(Base::SCI_TEXTHEIGHT, line);
        return picture().copy(40, middle.y() - int(height / 2), 15, int(height));
    }
    bool expanded() const { return send(Base::SCI_GETFOLDEXPANDED, 1) != 0; }
    bool bodyShown() const { return send(Base::SCI_GETLINEVISIBLE, 2) != 0; }
};

TEST_F(FoldingTest, AClickInTheFoldMarginFoldsAndUnfoldsTheBlock)
{
    ASSERT_TRUE(send(Base::SCI_GETFOLDLEVEL, 1) & Base::SC_FOLDLEVELHEADERFLAG);
    QImage open = foldMarginOf(1);

    clickAt(pointOnLine(1, middleOfMargin(3)));
    EXPECT_EQ(marginClicks, 1);
    EXPECT_FALSE(expanded());
    EXPECT_FALSE(bodyShown());
    EXPECT_TRUE(send(Base::SCI_GETLINEVISIBLE, 5));
    QImage folded = foldMarginOf(1);
    EXPECT_NE(folded, open) << "the header's symbol changes from minus to plus";

    clickAt(pointOnLine(1, middleOfMargin(3)));
    EXPECT_EQ(marginClicks, 2);
    EXPECT_TRUE(expanded());
    EXPECT_TRUE(bodyShown());
    EXPECT_EQ(foldMarginOf(1), open);
}

TEST_F(FoldingTest, TheFoldMarkersHaveTheirSymbols)
{
    const std::pair<int, int> symbols[]
        = { { 25, Base::SC_MARK_CIRCLEPLUSCONNECTED }, { 26, Base::SC_MARK_CIRCLEMINUSCONNECTED },
              { 27, Base::SC_MARK_TCORNERCURVE }, { 28, Base::SC_MARK_LCORNERCURVE }, { 29, Base::SC_MARK_VLINE },
              { 30, Base::SC_MARK_CIRCLEPLUS }, { 31, Base::SC_MARK_CIRCLEMINUS } };
    for (const auto& [marker, symbol] : symbols)
        EXPECT_EQ(send(Base::SCI_MARKERSYMBOLDEFINED, marker), symbol) << "marker " << marker;
}

TEST_F(FoldingTest, ClicksInTheOtherMarginsReachNoHandler)
{
    for (int margin = 0; margin < 3; ++margin) {
        SCOPED_TRACE(margin);
        clickAt(pointOnLine(1, middleOfMargin(margin)));
        EXPECT_EQ(marginClicks, 0);
        EXPECT_TRUE(expanded());
        EXPECT_TRUE(bodyShown());
    }
}

TEST_F(FoldingTest, TheFoldMarkersBehindTheBlockAreLightGrey)
{
    QImage image = picture();
    int greyPixels = 0;
    QPoint body = pointOnLine(2, middleOfMargin(3));
    for (int x = 40; x < 55; ++x)
        greyPixels += QColor(image.pixel(x, body.y())) == QColor(0xA0, 0xA0, 0xA0) ? 1 : 0;
    EXPECT_GT(greyPixels, 0);
}

} // namespace
