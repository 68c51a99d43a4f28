#include "EditingFixture.h"

#include "app/Globals.h"
#include "editor/CodeEditor.h"

#include <QApplication>
#include <QTest>

#include <utility>

namespace {

using Base = QsciScintillaBase;

// The real editor, which also writes down the call tip highlights it is
// asked for: the engine gives no way to read them back.
class HighlightRecordingEditor : public CodeEditor {
public:
    LRESULT callTipSetHlt(std::intptr_t start, std::intptr_t end) override
    {
        highlights.emplace_back(start, end);
        return CodeEditor::callTipSetHlt(start, end);
    }
    std::vector<std::pair<std::intptr_t, std::intptr_t>> highlights;
};

class TypingAidsTest : public EditingTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        TheEditor = std::make_unique<HighlightRecordingEditor>();
        openMainWindow();
        ASSERT_NE(engine(), nullptr);
        showText("");
    }

    std::vector<std::pair<std::intptr_t, std::intptr_t>> highlights() const
    {
        return static_cast<HighlightRecordingEditor*>(TheEditor.get())->highlights;
    }
    bool listShown() const { return send(Base::SCI_AUTOCACTIVE) != 0; }
    bool tipShown() const { return send(Base::SCI_CALLTIPACTIVE) != 0; }
    std::string listEntry() const { return textOf(Base::SCI_AUTOCGETCURRENTTEXT); }
    void key(Qt::Key key)
    {
        QTest::keyClick(engine(), key);
        settle();
    }

    // The columns of the call tip painted in its highlight colour, dark blue.
    std::pair<int, int> highlightedColumns() const
    {
        QWidget* tip = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            tip = window->isVisible() && window->inherits("QsciSciCallTip") ? window : tip;
        if (tip == nullptr)
            return { -1, -1 };
        QImage image = tip->grab().toImage();
        int first = -1;
        int last = -1;
        for (int x = 0; x < image.width(); ++x) {
            for (int y = 0; y < image.height(); ++y) {
                QColor colour(image.pixel(x, y));
                if (colour.blue() > 0x60 && colour.red() < 0x30 && colour.green() < 0x30) {
                    first = first < 0 ? x : first;
                    last = x;
                }
            }
        }
        return { first, last };
    }
};

TEST_F(TypingAidsTest, FileDotOffersTheListAndTheChosenEntryFollowsTheDot)
{
    type("int x; file.");
    ASSERT_TRUE(listShown());
    std::vector<std::string> entries { listEntry() };
    for (int entry = 1; entry < 5; ++entry) {
        key(Qt::Key_Down);
        entries.push_back(listEntry());
    }
    EXPECT_EQ(entries, (std::vector<std::string> { "close", "good", "plorvent", "f", "石桥听雪" }));
    key(Qt::Key_Down);
    EXPECT_EQ(listEntry(), "石桥听雪") << "five entries, no more";

    for (int entry = 0; entry < 5; ++entry)
        key(Qt::Key_Up);
    key(Qt::Key_Return);
    EXPECT_FALSE(listShown());
    EXPECT_EQ(editorText(), "int x; file.close");
    EXPECT_EQ(send(Base::SCI_GETCURRENTPOS), 17);
}

TEST_F(TypingAidsTest, OnlyTheWordFileRightBeforeTheDotOffersTheList)
{
    const std::pair<const char*, bool> cases[] = {
        { ".", false },
        { "File.", false },
        { "myfile.", false },
        { "file .", false },
        { "files.", false },
        { "x = file.", true },
        { "(file.", true },
    };
    for (const auto& [typed, offered] : cases) {
        SCOPED_TRACE(typed);
        showText("");
        type(typed);
        EXPECT_EQ(listShown(), offered);
        send(Base::SCI_AUTOCCANCEL);
        send(Base::SCI_CALLTIPCANCEL);
    }
}

TEST_F(TypingAidsTest, ADotBeforeExistingTextLooksOnlyBackwards)
{
    showText("filex");
    send(Base::SCI_GOTOPOS, 4);
    type(".");
    EXPECT_TRUE(listShown());
    key(Qt::Key_Return);
    EXPECT_EQ(editorText(), "file.closex");
}

TEST_F(TypingAidsTest, TheCallTipShowsMovesItsHighlightAndCloses)
{
    type("x = 1, y");
    EXPECT_FALSE(tipShown()) << "a comma without a tip shows none";
    type("(");
    ASSERT_TRUE(tipShown());
    EXPECT_EQ(send(Base::SCI_CALLTIPPOSSTART), 9);
    std::pair<int, int> parameter = highlightedColumns();

    type("a,");
    EXPECT_TRUE(tipShown());
    std::pair<int, int> name = highlightedColumns();
    type("b,");
    type(")");
    EXPECT_FALSE(tipShown());
    type(")");
    EXPECT_FALSE(tipShown());

    using Range = std::pair<std::intptr_t, std::intptr_t>;
    EXPECT_EQ(highlights(), (std::vector<Range> { { 0, 13 }, { 13, 18 }, { 0, 13 }, { 0, 13 } }));
    // On the screen, "hWnd," (5 characters) after "CreateWindow(" (13).
    ASSERT_GE(parameter.first, 0);
    ASSERT_GE(name.first, 0);
    EXPECT_GT(parameter.first, name.second);
    double ratio = double(parameter.second - parameter.first) / double(name.second - name.first);
    EXPECT_NEAR(ratio, 5.0 / 13.0, 0.1) << parameter.first << ".." << parameter.second << " " << name.first << ".."
                                        << name.second;
}

TEST_F(TypingAidsTest, WideCharactersActByTheirLowByte)
{
    type(QString(QChar(0x4E28)));
    EXPECT_TRUE(tipShown());
    type(QString(QChar(0x4E29)));
    EXPECT_FALSE(tipShown());
    EXPECT_EQ(editorText(), "丨丩");
}

} // namespace
