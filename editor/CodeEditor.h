#pragma once

#include "editor/EditorEvents.h"
#include "platform/Scintilla.h"
#include "platform/Win32Types.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

// The wrapper around the one Scintilla window of the program. Every
// operation is virtual and they stand in a fixed order; those from setStyle
// on each send the Scintilla message they are named after (or the one beside
// them) through sendMessage and give back its result. Booleans go as 1 or 0,
// input texts as the address of their zero-terminated bytes. An output text
// is made long enough for what the engine writes into it, and keeps what it
// wrote up to the first zero byte; an empty one only asks for the length.
class CodeEditor {
public:
    CodeEditor();
    virtual ~CodeEditor();
    // Drives the same window, with its own copies of the texts it owns.
    virtual std::unique_ptr<CodeEditor> copy() const;
    // Through the direct function when the engine handed one out with its
    // pointer, otherwise through SendMessageA to the window (0 without one).
    virtual LRESULT sendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Makes the Scintilla window inside the host, takes over the host's
    // window procedure and installs the keyboard hook; 1 when the window
    // exists afterwards. An editor that has its window makes no other.
    virtual std::int32_t create(HWND host);
    virtual void show();

    virtual LRESULT setMarginTypeN(std::intptr_t margin, std::intptr_t type);
    virtual LRESULT setMarginWidthN(std::intptr_t margin, std::intptr_t width);
    virtual LRESULT getMarginWidthN();
    virtual void setStyle(std::intptr_t style, std::intptr_t foreground, std::intptr_t background, std::intptr_t points,
        const std::string& fontName);
    virtual LRESULT setMarginMaskN(std::intptr_t margin, std::intptr_t mask);
    virtual LRESULT setMarginSensitiveN(std::intptr_t margin, bool sensitive);
    virtual LRESULT markerAdd(std::intptr_t line, std::intptr_t marker);
    virtual LRESULT markerSetFore(std::intptr_t marker, std::intptr_t colour);
    virtual LRESULT markerSetBack(std::intptr_t marker, std::intptr_t colour);
    virtual LRESULT markerDefine(std::intptr_t marker, std::intptr_t symbol);
    virtual LRESULT markerDefinePixmap(std::intptr_t marker, const std::string& pixmap);
    virtual LRESULT setProperty(const std::string& key, const std::string& value);
    virtual LRESULT setLexer(std::intptr_t lexer);
    virtual LRESULT setLexerLanguage(std::string& language);
    virtual void reserved19();
    virtual LRESULT styleClearAll();
    virtual LRESULT styleSetFont(std::intptr_t style, const std::string& fontName);
    virtual LRESULT styleSetSize(std::intptr_t style, std::intptr_t points);
    virtual LRESULT setKeyWords(std::intptr_t keyWordSet, const std::string& keyWords);
    virtual LRESULT styleSetFore(std::intptr_t style, std::intptr_t colour);
    virtual LRESULT styleSetBold(std::intptr_t style, bool bold);
    virtual LRESULT setCaretLineVisible(bool visible);
    virtual LRESULT setCaretLineBack(std::intptr_t colour);
    virtual void reserved28();
    virtual LRESULT setCodePage(std::intptr_t codePage);
    virtual LRESULT setCodePageUtf8();
    // The Scintilla window; 0 until create succeeds.
    virtual HWND windowHandle() const;
    // Places the window in its host's client coordinates.
    virtual void move(
        std::intptr_t x, std::intptr_t y, std::intptr_t width, std::intptr_t height, bool repaint = false);
    virtual LRESULT getFocus();
    virtual LRESULT setFocus(bool focus);
    virtual void grabFocus();
    virtual void reserved36();
    virtual LRESULT getText(std::intptr_t length, std::string& text);
    virtual LRESULT setText(const std::string& text);
    virtual LRESULT setSavePoint();
    virtual LRESULT getLine(std::intptr_t line, std::string& text);
    virtual LRESULT replaceSel(const std::string& text);
    virtual LRESULT setReadOnly(bool readOnly);
    virtual LRESULT getReadOnly();
    virtual std::string getTextRange(std::intptr_t start, std::intptr_t end);
    virtual LRESULT allocate(std::intptr_t bytes);
    virtual LRESULT appendText(const std::string& text);
    virtual LRESULT addText(const std::string& text);
    virtual LRESULT addStyledText(const std::string& text, std::intptr_t style);
    virtual LRESULT insertText(std::intptr_t position, const std::string& text);
    virtual LRESULT clearAll();
    virtual LRESULT deleteRange(std::intptr_t start, std::intptr_t lengthDelete);
    virtual LRESULT clearDocumentStyle();
    virtual LRESULT getCharAt(std::intptr_t position);
    virtual LRESULT getStyleAt(std::intptr_t position);
    virtual LRESULT setStyleBits(std::intptr_t bits);
    virtual LRESULT getStyleBits();
    virtual LRESULT releaseAllExtendedStyles();
    virtual LRESULT allocateExtendedStyles(std::intptr_t numberStyles);
    virtual void reserved59();
    virtual LRESULT findText(std::intptr_t flags, std::intptr_t start, std::intptr_t end, const std::string& text,
        std::intptr_t& foundStart, std::intptr_t& foundEnd);
    virtual LRESULT searchAnchor();
    virtual LRESULT searchNext(std::intptr_t flags, const std::string& text);
    virtual LRESULT searchPrev(std::intptr_t flags, const std::string& text);
    virtual LRESULT setTargetStart(std::intptr_t start);
    virtual LRESULT getTargetStart();
    virtual LRESULT setTargetEnd(std::intptr_t end);
    virtual LRESULT getTargetEnd();
    virtual LRESULT targetFromSelection();
    virtual LRESULT setSearchFlags(std::intptr_t flags);
    virtual LRESULT getSearchFlags();
    virtual LRESULT searchInTarget(std::intptr_t length, const std::string& text);
    virtual LRESULT replaceTarget(std::intptr_t length, const std::string& text);
    virtual LRESULT replaceTargetRE(std::intptr_t length, const std::string& text);
    virtual LRESULT getTag(std::intptr_t tagNumber, std::string& text);
    virtual void reserved75();
    virtual LRESULT setOvertype(std::intptr_t overtype);
    virtual LRESULT getOvertype();
    virtual void reserved78();
    virtual LRESULT cut();
    virtual LRESULT copySelection();
    virtual LRESULT paste();
    virtual LRESULT clear();
    virtual LRESULT canPaste();
    virtual LRESULT copyRange(std::intptr_t start, std::intptr_t end);
    virtual LRESULT copyText(std::intptr_t length, const std::string& text);
    virtual LRESULT copyAllowLine();
    virtual LRESULT setPasteConvertEndings(bool convert);
    virtual LRESULT getPasteConvertEndings();
    virtual void reserved89();
    virtual LRESULT setStatus(std::intptr_t status);
    virtual LRESULT getStatus();
    virtual LRESULT undo();
    virtual LRESULT canUndo();
    virtual LRESULT emptyUndoBuffer();
    virtual LRESULT redo();
    virtual LRESULT canRedo();
    virtual LRESULT setUndoCollection(bool collectUndo);
    virtual LRESULT getUndoCollection();
    virtual LRESULT beginUndoAction();
    virtual LRESULT endUndoAction();
    virtual LRESULT addUndoAction(std::intptr_t token, std::intptr_t flags);
    virtual void reserved102();
    virtual LRESULT getTextLength();
    virtual LRESULT getLength();
    virtual LRESULT getLineCount();
    virtual LRESULT setFirstVisibleLine(std::intptr_t displayLine);
    virtual LRESULT getFirstVisibleLine();
    virtual LRESULT linesOnScreen();
    virtual LRESULT getModify();
    virtual LRESULT setSel(std::intptr_t anchor, std::intptr_t caret);
    virtual LRESULT gotoPos(std::intptr_t caret);
    virtual LRESULT gotoLine(std::intptr_t line);
    virtual LRESULT setCurrentPos(std::intptr_t caret);
    virtual LRESULT getCurrentPos();
    virtual LRESULT setAnchor(std::intptr_t anchor);
    virtual LRESULT getAnchor();
    virtual LRESULT setSelectionStart(std::intptr_t anchor);
    virtual LRESULT getSelectionStart();
    virtual LRESULT setSelectionEnd(std::intptr_t caret);
    virtual LRESULT getSelectionEnd();
    virtual LRESULT setEmptySelection(std::intptr_t caret);
    virtual LRESULT selectAll();
    virtual LRESULT lineFromPosition(std::intptr_t position);
    virtual LRESULT positionFromLine(std::intptr_t line);
    virtual LRESULT getLineEndPosition(std::intptr_t line);
    virtual LRESULT lineLength(std::intptr_t line);
    virtual LRESULT getColumn(std::intptr_t position);
    virtual LRESULT findColumn(std::intptr_t line, std::intptr_t column);
    virtual LRESULT positionFromPoint(std::intptr_t x, std::intptr_t y);
    virtual LRESULT positionFromPointClose(std::intptr_t x, std::intptr_t y);
    virtual LRESULT charPositionFromPoint(std::intptr_t x, std::intptr_t y);
    virtual LRESULT charPositionFromPointClose(std::intptr_t x, std::intptr_t y);
    virtual LRESULT pointXFromPosition(std::intptr_t position);
    virtual LRESULT pointYFromPosition(std::intptr_t position);
    virtual LRESULT hideSelection(bool hide);
    virtual LRESULT getSelText(std::string& text);
    virtual LRESULT getCurLine(std::intptr_t length, std::string& text);
    virtual LRESULT selectionIsRectangle();
    virtual LRESULT setSelectionMode(std::intptr_t selectionMode);
    virtual LRESULT getSelectionMode();
    virtual LRESULT getLineSelStartPosition(std::intptr_t line);
    virtual LRESULT getLineSelEndPosition(std::intptr_t line);
    virtual LRESULT moveCaretInsideView();
    virtual LRESULT wordEndPosition(std::intptr_t position, bool onlyWordCharacters);
    virtual LRESULT wordStartPosition(std::intptr_t position, bool onlyWordCharacters);
    virtual LRESULT positionBefore(std::intptr_t position);
    virtual LRESULT positionAfter(std::intptr_t position);
    virtual LRESULT positionRelative(std::intptr_t position, std::intptr_t relative);
    virtual LRESULT countCharacters(std::intptr_t start, std::intptr_t end);
    virtual LRESULT textWidth(std::intptr_t style, const std::string& text);
    virtual LRESULT textHeight(std::intptr_t line);
    virtual LRESULT chooseCaretX();
    virtual LRESULT moveSelectedLinesUp();
    virtual LRESULT moveSelectedLinesDown();
    virtual LRESULT setMouseSelectionRectangularSwitch(bool rectangularSwitch);
    virtual LRESULT getMouseSelectionRectangularSwitch();
    virtual void reserved157();
    virtual LRESULT visibleFromDocLine(std::intptr_t docLine);
    virtual LRESULT docLineFromVisible(std::intptr_t displayLine);
    virtual LRESULT showLines(std::intptr_t lineStart, std::intptr_t lineEnd);
    virtual LRESULT hideLines(std::intptr_t lineStart, std::intptr_t lineEnd);
    virtual LRESULT getLineVisible(std::intptr_t line);
    virtual LRESULT getAllLinesVisible();
    virtual LRESULT setFoldLevel(std::intptr_t line, std::intptr_t level);
    virtual LRESULT getFoldLevel(std::intptr_t line);
    virtual LRESULT setAutomaticFold(std::intptr_t automaticFold);
    virtual LRESULT getAutomaticFold();
    virtual LRESULT setFoldFlags(std::intptr_t flags);
    virtual LRESULT getLastChild(std::intptr_t line, std::intptr_t level);
    virtual LRESULT getFoldParent(std::intptr_t line);
    virtual LRESULT setFoldExpanded(std::intptr_t line, bool expanded);
    virtual LRESULT getFoldExpanded(std::intptr_t line);
    virtual LRESULT contractedFoldNext(std::intptr_t lineStart);
    virtual LRESULT toggleFold(std::intptr_t line);
    virtual LRESULT foldLine(std::intptr_t line, std::intptr_t action);
    virtual LRESULT foldChildren(std::intptr_t line, std::intptr_t action);
    virtual LRESULT foldAll(std::intptr_t action);
    virtual LRESULT expandChildren(std::intptr_t line, std::intptr_t level);
    virtual LRESULT ensureVisible(std::intptr_t line);
    virtual LRESULT ensureVisibleEnforcePolicy(std::intptr_t line);
    virtual void reserved181();
    virtual LRESULT autoCShow(std::intptr_t lengthEntered, const std::string& itemList);
    virtual LRESULT autoCCancel();
    virtual LRESULT autoCActive();
    virtual LRESULT autoCPosStart();
    virtual LRESULT autoCComplete();
    virtual LRESULT autoCStops(const std::string& characterSet);
    virtual LRESULT autoCSetSeparator(std::intptr_t separator);
    virtual LRESULT autoCGetSeparator();
    virtual LRESULT autoCSelect(const std::string& select);
    virtual LRESULT autoCGetCurrent();
    virtual LRESULT autoCGetCurrentText(std::string& text);
    virtual LRESULT autoCSetCancelAtStart(bool cancel);
    virtual LRESULT autoCGetCancelAtStart();
    virtual LRESULT autoCSetFillUps(const std::string& characterSet);
    virtual LRESULT autoCSetChooseSingle(bool chooseSingle);
    virtual LRESULT autoCGetChooseSingle();
    virtual LRESULT autoCSetIgnoreCase(bool ignoreCase);
    virtual LRESULT autoCGetIgnoreCase();
    virtual LRESULT autoCSetCaseInsensitiveBehaviour(std::intptr_t behaviour);
    virtual LRESULT autoCGetCaseInsensitiveBehaviour();
    virtual LRESULT autoCSetOrder(std::intptr_t order);
    virtual LRESULT autoCGetOrder();
    virtual LRESULT autoCSetAutoHide(bool autoHide);
    virtual LRESULT autoCGetAutoHide();
    virtual LRESULT autoCSetDropRestOfWord(bool dropRestOfWord);
    virtual LRESULT registerImage(std::intptr_t type, const std::string& xpmData);
    virtual LRESULT registerRGBAImage(std::intptr_t type, const std::string& pixels);
    virtual LRESULT clearRegisteredImages();
    virtual LRESULT autoCSetTypeSeparator(std::intptr_t separator);
    virtual LRESULT autoCGetTypeSeparator();
    virtual LRESULT autoCSetMaxHeight(std::intptr_t rowCount);
    virtual LRESULT autoCGetMaxHeight();
    virtual LRESULT autoCSetMaxWidth(std::intptr_t characterCount);
    virtual LRESULT autoCGetMaxWidth();
    virtual void reserved216();
    virtual LRESULT setTabWidth(std::intptr_t width);
    virtual LRESULT getTabWidth();
    virtual LRESULT setUseTabs(bool useTabs);
    virtual LRESULT getUseTabs();
    virtual LRESULT setIndent(std::intptr_t indentSize);
    virtual LRESULT getIndent();
    virtual LRESULT setTabIndents(bool tabIndents);
    virtual LRESULT getTabIndents();
    virtual LRESULT setBackspaceUnindents(bool backspaceUnindents);
    virtual LRESULT getBackspaceUnindents();
    virtual LRESULT setLineIndentation(std::intptr_t line, std::intptr_t indentation);
    virtual LRESULT getLineIndentation(std::intptr_t line);
    virtual LRESULT getLineIndentPosition(std::intptr_t line);
    virtual LRESULT setIndentationGuides(std::intptr_t indentView);
    virtual LRESULT getIndentationGuides();
    virtual LRESULT setHighlightGuide(std::intptr_t column);
    virtual LRESULT getHighlightGuide();
    virtual void reserved234();
    virtual LRESULT callTipShow(std::intptr_t position, const std::string& definition);
    virtual LRESULT callTipCancel();
    virtual LRESULT callTipActive();
    virtual LRESULT callTipPosStart();
    virtual LRESULT callTipSetHlt(std::intptr_t highlightStart, std::intptr_t highlightEnd);
    virtual LRESULT callTipSetBack(std::intptr_t colour);
    virtual LRESULT callTipSetFore(std::intptr_t colour);
    virtual LRESULT callTipSetForeHlt(std::intptr_t colour);
    virtual LRESULT callTipSetPosition(bool above);
    virtual LRESULT callTipUseStyle(std::intptr_t tabSize);
    virtual void reserved245();

    virtual void setStyleNeededHandler(PositionHandler handler);
    virtual void setCharAddedHandler(CharAddedHandler handler);
    virtual void setSavePointReachedHandler(NoArgumentHandler handler);
    virtual void setModifyAttemptROHandler(NoArgumentHandler handler);
    virtual void setSavePointLeftHandler(NoArgumentHandler handler);
    virtual void setUpdateUIHandler(UpdateUIHandler handler);
    virtual void setModifiedHandler(ModifiedHandler handler);
    virtual void setMacroRecordHandler(MacroRecordHandler handler);
    virtual void setMarginClickHandler(MarginClickHandler handler);
    virtual void setNeedShownHandler(PositionHandler handler);
    virtual void setPaintedHandler(NoArgumentHandler handler);
    virtual void setUserListSelectionHandler(UserListSelectionHandler handler);
    virtual void setDwellStartHandler(DwellHandler handler);
    virtual void setDwellEndHandler(DwellHandler handler);
    virtual void setZoomHandler(NoArgumentHandler handler);
    virtual void setHotSpotClickHandler(PositionModifiersHandler handler);
    virtual void setHotSpotDoubleClickHandler(PositionModifiersHandler handler);
    virtual void setHotSpotReleaseClickHandler(NoArgumentHandler handler);
    virtual void setIndicatorClickHandler(PositionModifiersHandler handler);
    virtual void setIndicatorReleaseHandler(PositionModifiersHandler handler);
    // The address of a PositionHandler, as a plain integer.
    virtual void setCallTipClickHandler(std::intptr_t handlerAddress);
    virtual void setAutoCSelectionHandler(AutoCSelectionHandler handler);
    virtual void setAutoCCancelledHandler(NoArgumentHandler handler);
    virtual void setAutoCCharDeletedHandler(NoArgumentHandler handler);
    virtual void setKeyRepeatOrReleaseHandler(KeyHandler handler);
    virtual void setKeyPressHandler(KeyHandler handler);

    // The reason of the most recent failure of create or getTextRange.
    const std::string& errorText() const { return m_errorText; }

protected:
    CodeEditor(const CodeEditor&) = default;
    CodeEditor& operator=(const CodeEditor&) = delete;

private:
    LRESULT fillOutputText(UINT message, WPARAM wParam, std::string& text);

    SciFnDirect m_directFunction = nullptr;
    LPARAM m_directPointer = 0;
    HWND m_window = nullptr;
    std::string m_errorText;
    // Staging of a direct call: direct pointer, message, wParam, lParam.
    std::array<std::intptr_t, 4> m_directArgs {};
};
