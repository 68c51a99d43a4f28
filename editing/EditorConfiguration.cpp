#include "editing/EditorConfiguration.h"

#include "app/Globals.h"
#include "editing/IntroductionText.h"
#include "editing/TypingAids.h"
#include "editor/CodeEditor.h"
#include "platform/Scintilla.h"
#include "platform/Win32.h"
#include "store/TextEncoding.h"

#include <string>

namespace {

constexpr std::intptr_t Blue = 0xFF0000;
constexpr std::intptr_t Purple = 0x800080;
constexpr std::intptr_t DarkRed = 0x1515A3;
constexpr std::intptr_t Grey = 0x808080;
constexpr std::intptr_t Green = 0x008000;
constexpr std::intptr_t LightYellow = 0xB0FFFF;
constexpr std::intptr_t LightGrey = 0xA0A0A0;

const char* const Keywords
    = "asm auto break case catch class const const_cast continue default delete do double dynamic_cast else enum "
      "explicit extern false for friend goto if inline mutable namespace new operator private protected public "
      "register reinterpret_cast return signed sizeof static static_cast struct switch template this throw true "
      "try typedef typeid typename union unsigned using virtual volatile while";
const char* const TypeKeywords = "bool char float int long short void wchar_t";

LPARAM addressOf(const std::string& text)
{
    return reinterpret_cast<LPARAM>(text.c_str());
}

void showIntroductionText(const std::string& utf8Text)
{
    TheEditor->setCodePage(SC_CP_UTF8);
    // The new editor is empty: the text becomes its whole content.
    TheEditor->sendMessage(SCI_APPENDTEXT, utf8Text.size(), addressOf(utf8Text));
}

void setupMargins()
{
    TheEditor->setMarginTypeN(0, SC_MARGIN_NUMBER);
    TheEditor->setMarginWidthN(0, 20);
    TheEditor->setMarginTypeN(1, SC_MARGIN_SYMBOL);
    TheEditor->setMarginWidthN(1, 5);
    TheEditor->setMarginMaskN(1, 1);
    TheEditor->markerAdd(0, 0);
    TheEditor->markerDefine(0, SC_MARK_MINUS);
    TheEditor->setMarginTypeN(2, SC_MARGIN_SYMBOL);
    TheEditor->setMarginWidthN(2, 15);
    TheEditor->setMarginMaskN(2, 2);
    TheEditor->markerAdd(0, 1);
}

void setupEditorFont()
{
    TheEditor->styleSetFont(STYLE_DEFAULT, "Courier New");
    TheEditor->styleSetSize(STYLE_DEFAULT, 10);
    TheEditor->styleClearAll();
}

void setupEditorLexer()
{
    std::string language = "CPP";
    TheEditor->setLexerLanguage(language);
}

void setupSyntaxColours()
{
    TheEditor->setKeyWords(0, Keywords);
    TheEditor->setKeyWords(1, TypeKeywords);
    TheEditor->styleSetFore(SCE_C_WORD, Blue);
    TheEditor->styleSetFore(SCE_C_WORD2, Purple);
    TheEditor->styleSetBold(SCE_C_WORD2, true);
    TheEditor->styleSetFore(SCE_C_STRING, DarkRed);
    TheEditor->styleSetFore(SCE_C_CHARACTER, DarkRed);
    TheEditor->styleSetFore(SCE_C_PREPROCESSOR, Grey);
    TheEditor->styleSetFore(SCE_C_COMMENT, Green);
    TheEditor->styleSetFore(SCE_C_COMMENTLINE, Green);
    TheEditor->styleSetFore(SCE_C_COMMENTDOC, Green);
    TheEditor->setCaretLineVisible(true);
    TheEditor->setCaretLineBack(LightYellow);
}

void setupFolding()
{
    TheEditor->setProperty("fold", "1");
    TheEditor->setMarginMaskN(3, 0);
    TheEditor->setMarginWidthN(3, 15);
    TheEditor->setMarginMaskN(3, SC_MASK_FOLDERS);
    TheEditor->setMarginSensitiveN(3, true);
    TheEditor->markerDefine(SC_MARKNUM_FOLDER, SC_MARK_CIRCLEPLUS);
    TheEditor->markerDefine(SC_MARKNUM_FOLDEROPEN, SC_MARK_CIRCLEMINUS);
    TheEditor->markerDefine(SC_MARKNUM_FOLDEREND, SC_MARK_CIRCLEPLUSCONNECTED);
    TheEditor->markerDefine(SC_MARKNUM_FOLDEROPENMID, SC_MARK_CIRCLEMINUSCONNECTED);
    TheEditor->markerDefine(SC_MARKNUM_FOLDERMIDTAIL, SC_MARK_TCORNERCURVE);
    TheEditor->markerDefine(SC_MARKNUM_FOLDERSUB, SC_MARK_VLINE);
    TheEditor->markerDefine(SC_MARKNUM_FOLDERTAIL, SC_MARK_LCORNERCURVE);
    TheEditor->markerSetBack(SC_MARKNUM_FOLDERSUB, LightGrey);
    TheEditor->markerSetBack(SC_MARKNUM_FOLDERMIDTAIL, LightGrey);
    TheEditor->markerSetBack(SC_MARKNUM_FOLDERTAIL, LightGrey);
}

// The editor fills the host as it is now; nothing resizes it later.
void fillHost(HWND editorHost)
{
    RECT area {};
    GetClientRect(editorHost, &area);
    TheEditor->move(0, 0, area.right - area.left, area.bottom - area.top, true);
}

void registerHandlers()
{
    TheEditor->setCharAddedHandler(onCharAdded);
    TheEditor->setMarginClickHandler(onMarginClick);
    TheEditor->setUpdateUIHandler(onUpdateUI);
    TheEditor->setAutoCSelectionHandler(onAutoCompleteSelection);
    TheEditor->setKeyRepeatOrReleaseHandler(onKeyRepeatOrRelease);
    TheEditor->setKeyPressHandler(onKeyPress);
}

} // namespace

// A window that could not be created takes the settings without effect; the
// program goes on without an editor.
void configureEditor(HWND editorHost)
{
    TheEditor->create(editorHost);
    ConvertedText introduction = toEditorText(IntroductionText);
    showIntroductionText(introduction.text);
    setupMargins();
    TheEditor->setTabWidth(8);
    setupEditorFont();
    setupEditorLexer();
    setupSyntaxColours();
    setupFolding();
    fillHost(editorHost);
    registerHandlers();
}
