#include "EditingFixture.h"

#include "app/Globals.h"
#include "editing/IntroductionText.h"
#include "editing/TypingAids.h"
#include "editor/CodeEditor.h"
#include "platform/Scintilla.h"

#include <Qsci/qscilexercpp.h>

namespace {

using Base = QsciScintillaBase;

#define QUILLERY_EXPECT_ENGINE_CONSTANT(name, value)                                                                   \
    static_assert(static_cast<long>(value) == static_cast<long>(Base::name), #name " is not the engine's value");
QUILLERY_SCINTILLA_CONSTANTS(QUILLERY_EXPECT_ENGINE_CONSTANT)
static_assert(SCE_C_COMMENT == QsciLexerCPP::Comment && SCE_C_COMMENTLINE == QsciLexerCPP::CommentLine
    && SCE_C_COMMENTDOC == QsciLexerCPP::CommentDoc && SCE_C_WORD == QsciLexerCPP::Keyword
    && SCE_C_STRING == QsciLexerCPP::DoubleQuotedString && SCE_C_CHARACTER == QsciLexerCPP::SingleQuotedString
    && SCE_C_PREPROCESSOR == QsciLexerCPP::PreProcessor && SCE_C_WORD2 == QsciLexerCPP::KeywordSet2);

// Written out again here, so that a slip in the carried text shows.
const char* const IntroductionLines[] = {
    "//介绍：",
    "本软件是为方便正在学习编程的人而生（支持Java/C/vb等多种语言代码）",
    "由于各种流行编程语言的源代码文件较多,管理与查阅起来比较麻烦",
    "所有你可以通关本软件可以简单快捷地记录与管理你的代码。",
    "",
    "但本工具只面向编程的初学者,因为初学者需要复习或查阅最近学习的代码。",
    "而对于老手,作用并不大,因为往往一个项目有多个类,使用本工具保存与直接打开代码是一样的。",
    "",
    "//说明：",
    "1.当你查阅笔记且需要修改笔记,编辑完成后请点击工具栏保存按钮。",
    "2.本工具原理很简单,就是把程序代码保存到CodeData目录下且加以管理",
    "",
    "//关于",
    "本人最近正在学习Java,处于方便写出此程序,方便自己同时也共享给大家。",
    "",
    "Ps：软件使用的SciLexer控件调用代码来自互联网,本人只是在其基础上修改后调用",
    "                                                            ",
    "                                                     匿名",
    "                                                       2014.12.19",
};

std::string introductionText()
{
    std::string text = IntroductionLines[0];
    for (size_t line = 1; line < std::size(IntroductionLines); ++line)
        text += "\r\n" + std::string(IntroductionLines[line]);
    return text;
}

using EditorConfigurationTest = EditingTest;

TEST_F(EditorConfigurationTest, StartsWithTheIntroductionText)
{
    EXPECT_EQ(IntroductionText.size(), 833u);
    std::string shown = editorText();
    EXPECT_EQ(shown.size(), 1117u);
    EXPECT_EQ(shown, introductionText());
    EXPECT_EQ(send(Base::SCI_GETLINECOUNT), 19);
    EXPECT_EQ(textOf(Base::SCI_GETLINE, 0), "//介绍：\r\n");
    EXPECT_EQ(send(Base::SCI_GETCODEPAGE), SC_CP_UTF8);
}

TEST_F(EditorConfigurationTest, HasItsMarginsAndTheMarkersOfTheFirstLine)
{
    struct Margin {
        long type, width, mask, sensitive;
    };
    const Margin expected[] = { { 1, 20, 0, 0 }, { 0, 5, 1, 0 }, { 0, 15, 2, 0 }, { 0, 15, long(0xFE000000), 1 } };
    for (unsigned long margin = 0; margin < 4; ++margin) {
        SCOPED_TRACE(margin);
        EXPECT_EQ(send(Base::SCI_GETMARGINTYPEN, margin), expected[margin].type);
        EXPECT_EQ(send(Base::SCI_GETMARGINWIDTHN, margin), expected[margin].width);
        EXPECT_EQ(static_cast<std::uint32_t>(send(Base::SCI_GETMARGINMASKN, margin)),
            static_cast<std::uint32_t>(expected[margin].mask));
        EXPECT_EQ(send(Base::SCI_GETMARGINSENSITIVEN, margin), expected[margin].sensitive);
    }
    EXPECT_EQ(send(Base::SCI_MARKERGET, 0), 0b11);
    EXPECT_EQ(send(Base::SCI_MARKERNEXT, 1, 0b11), -1);
    EXPECT_EQ(send(Base::SCI_MARKERSYMBOLDEFINED, 0), Base::SC_MARK_MINUS);

    // The number margin keeps its width however many lines there are.
    showText(std::string(200, '\n'));
    EXPECT_EQ(send(Base::SCI_GETMARGINWIDTHN, 0), 20);
}

TEST_F(EditorConfigurationTest, HasItsFontLexerAndHandlers)
{
    EXPECT_EQ(textOf(Base::SCI_STYLEGETFONT, STYLE_DEFAULT), "Courier New");
    EXPECT_EQ(textOf(Base::SCI_STYLEGETFONT, SCE_C_WORD), "Courier New");
    EXPECT_EQ(send(Base::SCI_STYLEGETSIZE, 0), 10);
    EXPECT_EQ(send(Base::SCI_GETTABWIDTH), 8);
    EXPECT_EQ(textOf(Base::SCI_GETLEXERLANGUAGE), "cpp");
    EXPECT_EQ(textOf(Base::SCI_GETPROPERTY, reinterpret_cast<unsigned long>("fold")), "1");

    const std::pair<EditorEvent, EditorEventHandler> registered[] = {
        { CharAddedEvent, reinterpret_cast<EditorEventHandler>(onCharAdded) },
        { MarginClickEvent, reinterpret_cast<EditorEventHandler>(onMarginClick) },
        { UpdateUIEvent, reinterpret_cast<EditorEventHandler>(onUpdateUI) },
        { AutoCSelectionEvent, reinterpret_cast<EditorEventHandler>(onAutoCompleteSelection) },
        { KeyRepeatOrReleaseEvent, reinterpret_cast<EditorEventHandler>(onKeyRepeatOrRelease) },
        { KeyPressEvent, reinterpret_cast<EditorEventHandler>(onKeyPress) },
    };
    for (int event = 0; event < EditorEventCount; ++event) {
        EditorEventHandler expected = nullptr;
        for (const auto& [registeredEvent, handler] : registered)
            expected = registeredEvent == event ? handler : expected;
        EXPECT_EQ(EditorEventSlots[event], expected) << "event " << event;
    }
}

TEST_F(EditorConfigurationTest, FillsItsPanelAndKeepsThatSize)
{
    QWidget* host = mainWindow()->findChild<QWidget*>(QStringLiteral("EditorHost"));
    EXPECT_EQ(editorWidget()->geometry(), QRect(QPoint(0, 0), host->size()));
    host->resize(host->size() / 2);
    settle();
    EXPECT_EQ(editorWidget()->geometry(), QRect(0, 0, 920, 590));
}

} // namespace
