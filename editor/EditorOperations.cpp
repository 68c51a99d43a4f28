#include "editor/CodeEditor.h"

#include <algorithm>
#include <string>

namespace {

WPARAM wordOf(std::intptr_t value)
{
    return static_cast<WPARAM>(value);
}

int flag(bool on)
{
    return on ? 1 : 0;
}

// An input text goes as the address of its zero-terminated bytes; an empty
// one as the address of its terminating zero, never as 0.
LPARAM addressOf(const std::string& text)
{
    return reinterpret_cast<LPARAM>(text.c_str());
}

WPARAM wordAddressOf(const std::string& text)
{
    return reinterpret_cast<WPARAM>(text.c_str());
}

template <typename Record> LPARAM recordAddressOf(Record& record)
{
    return reinterpret_cast<LPARAM>(&record);
}

// A buffer the engine writes into; 0 when it has no bytes.
LPARAM bufferOf(std::string& buffer)
{
    return buffer.empty() ? 0 : reinterpret_cast<LPARAM>(buffer.data());
}

std::string textUpToZero(const std::string& buffer)
{
    return buffer.substr(0, buffer.find('\0'));
}

// ASCII letters only: a byte of 0x80 or above begins a double-byte
// character, whose two bytes stay as they are.
void lowerAsciiInPlace(std::string& text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x80)
            ++i;
        else if (byte >= 'A' && byte <= 'Z')
            text[i] = static_cast<char>(byte - 'A' + 'a');
    }
}

// What the engine holds; never less than nothing, whatever it answers.
std::intptr_t documentLengthOf(CodeEditor& editor)
{
    return std::max<LRESULT>(editor.sendMessage(SCI_GETLENGTH), 0);
}

} // namespace

// The engine is asked first how much it will write, so that it never writes
// past the caller's text; the caller's bytes stay where it writes nothing.
LRESULT CodeEditor::fillOutputText(UINT message, WPARAM wParam, std::string& text)
{
    if (text.empty())
        return sendMessage(message, wParam, 0);
    LRESULT needed = sendMessage(message, wParam, 0);
    std::string buffer = text;
    buffer.resize(std::max(buffer.size(), static_cast<size_t>(std::max<LRESULT>(needed, 0)) + 1), '\0');
    LRESULT result = sendMessage(message, wParam, bufferOf(buffer));
    text = textUpToZero(buffer);
    return result;
}

LRESULT CodeEditor::setMarginTypeN(std::intptr_t margin, std::intptr_t type)
{
    return sendMessage(SCI_SETMARGINTYPEN, wordOf(margin), type);
}

LRESULT CodeEditor::setMarginWidthN(std::intptr_t margin, std::intptr_t width)
{
    return sendMessage(SCI_SETMARGINWIDTHN, wordOf(margin), width);
}

LRESULT CodeEditor::getMarginWidthN()
{
    return sendMessage(SCI_GETMARGINWIDTHN);
}

void CodeEditor::setStyle(std::intptr_t style, std::intptr_t foreground, std::intptr_t background, std::intptr_t points,
    const std::string& fontName)
{
    sendMessage(SCI_STYLESETFORE, wordOf(style), foreground);
    sendMessage(SCI_STYLESETBACK, wordOf(style), background);
    if (points >= 1)
        sendMessage(SCI_STYLESETSIZE, wordOf(style), points);
    if (!fontName.empty())
        sendMessage(SCI_STYLESETFONT, wordOf(style), addressOf(fontName));
}

LRESULT CodeEditor::setMarginMaskN(std::intptr_t margin, std::intptr_t mask)
{
    return sendMessage(SCI_SETMARGINMASKN, wordOf(margin), mask);
}

LRESULT CodeEditor::setMarginSensitiveN(std::intptr_t margin, bool sensitive)
{
    return sendMessage(SCI_SETMARGINSENSITIVEN, wordOf(margin), flag(sensitive));
}

LRESULT CodeEditor::markerAdd(std::intptr_t line, std::intptr_t marker)
{
    return sendMessage(SCI_MARKERADD, wordOf(line), marker);
}

LRESULT CodeEditor::markerSetFore(std::intptr_t marker, std::intptr_t colour)
{
    return sendMessage(SCI_MARKERSETFORE, wordOf(marker), colour);
}

LRESULT CodeEditor::markerSetBack(std::intptr_t marker, std::intptr_t colour)
{
    return sendMessage(SCI_MARKERSETBACK, wordOf(marker), colour);
}

LRESULT CodeEditor::markerDefine(std::intptr_t marker, std::intptr_t symbol)
{
    return sendMessage(SCI_MARKERDEFINE, wordOf(marker), symbol);
}

LRESULT CodeEditor::markerDefinePixmap(std::intptr_t marker, const std::string& pixmap)
{
    return sendMessage(SCI_MARKERDEFINEPIXMAP, wordOf(marker), addressOf(pixmap));
}

LRESULT CodeEditor::setProperty(const std::string& key, const std::string& value)
{
    return sendMessage(SCI_SETPROPERTY, wordAddressOf(key), addressOf(value));
}

LRESULT CodeEditor::setLexer(std::intptr_t lexer)
{
    return sendMessage(SCI_SETLEXER, wordOf(lexer));
}

LRESULT CodeEditor::setLexerLanguage(std::string& language)
{
    lowerAsciiInPlace(language);
    return sendMessage(SCI_SETLEXERLANGUAGE, 0, addressOf(language));
}

void CodeEditor::reserved19() { }

LRESULT CodeEditor::styleClearAll()
{
    return sendMessage(SCI_STYLECLEARALL);
}

LRESULT CodeEditor::styleSetFont(std::intptr_t style, const std::string& fontName)
{
    return sendMessage(SCI_STYLESETFONT, wordOf(style), addressOf(fontName));
}

LRESULT CodeEditor::styleSetSize(std::intptr_t style, std::intptr_t points)
{
    return sendMessage(SCI_STYLESETSIZE, wordOf(style), points);
}

LRESULT CodeEditor::setKeyWords(std::intptr_t keyWordSet, const std::string& keyWords)
{
    return sendMessage(SCI_SETKEYWORDS, wordOf(keyWordSet), addressOf(keyWords));
}

LRESULT CodeEditor::styleSetFore(std::intptr_t style, std::intptr_t colour)
{
    return sendMessage(SCI_STYLESETFORE, wordOf(style), colour);
}

LRESULT CodeEditor::styleSetBold(std::intptr_t style, bool bold)
{
    return sendMessage(SCI_STYLESETBOLD, wordOf(style), flag(bold));
}

LRESULT CodeEditor::setCaretLineVisible(bool visible)
{
    return sendMessage(SCI_SETCARETLINEVISIBLE, flag(visible));
}

LRESULT CodeEditor::setCaretLineBack(std::intptr_t colour)
{
    return sendMessage(SCI_SETCARETLINEBACK, wordOf(colour));
}

void CodeEditor::reserved28() { }

LRESULT CodeEditor::setCodePage(std::intptr_t codePage)
{
    return sendMessage(SCI_SETCODEPAGE, wordOf(codePage));
}

LRESULT CodeEditor::setCodePageUtf8()
{
    return sendMessage(SCI_SETCODEPAGE, SC_CP_UTF8);
}

LRESULT CodeEditor::getFocus()
{
    return sendMessage(SCI_GETFOCUS);
}

LRESULT CodeEditor::setFocus(bool focus)
{
    return sendMessage(SCI_SETFOCUS, flag(focus));
}

void CodeEditor::grabFocus()
{
    sendMessage(SCI_SETFOCUS, 1);
}

void CodeEditor::reserved36() { }

LRESULT CodeEditor::getText(std::intptr_t length, std::string& text)
{
    if (m_directFunction == nullptr)
        return 0;
    // Past the document and its zero the engine would write only zeros, so no
    // longer buffer is asked for, however long the length.
    if (length > 0)
        length = std::min<std::intptr_t>(length, documentLengthOf(*this) + 1);
    std::string buffer(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    LRESULT result = sendMessage(SCI_GETTEXT, wordOf(length), bufferOf(buffer));
    // Cut in place: a whole note's text is not copied a second time.
    buffer.resize(std::min(buffer.size(), buffer.find('\0')));
    text = std::move(buffer);
    return result;
}

LRESULT CodeEditor::setText(const std::string& text)
{
    return sendMessage(SCI_SETTEXT, 0, addressOf(text));
}

LRESULT CodeEditor::setSavePoint()
{
    return sendMessage(SCI_SETSAVEPOINT);
}

LRESULT CodeEditor::getLine(std::intptr_t line, std::string& text)
{
    LRESULT length = sendMessage(SCI_LINELENGTH, wordOf(line));
    if (length <= 0)
        return 0;
    std::string buffer(static_cast<size_t>(length), '\0');
    sendMessage(SCI_GETLINE, wordOf(line), bufferOf(buffer));
    text = textUpToZero(buffer);
    return 0;
}

LRESULT CodeEditor::replaceSel(const std::string& text)
{
    return sendMessage(SCI_REPLACESEL, 0, addressOf(text));
}

LRESULT CodeEditor::setReadOnly(bool readOnly)
{
    return sendMessage(SCI_SETREADONLY, flag(readOnly));
}

LRESULT CodeEditor::getReadOnly()
{
    return sendMessage(SCI_GETREADONLY);
}

std::string CodeEditor::getTextRange(std::intptr_t start, std::intptr_t end)
{
    if (end < start) {
        // 没有选中任何文本 结束位置小于开始位置, in GBK bytes that every compiler keeps as they are.
        m_errorText = "\xc3\xbb\xd3\xd0\xd1\xa1\xd6\xd0\xc8\xce\xba\xce\xce\xc4\xb1\xbe "
                      "\xbd\xe1\xca\xf8\xce\xbb\xd6\xc3\xd0\xa1\xd3\xda\xbf\xaa\xca\xbc\xce\xbb\xd6\xc3";
        return std::string();
    }
    // Only the part inside the document is asked for: the engine ends the
    // program on a range past its end, and takes an end of -1 for the end.
    std::intptr_t length = documentLengthOf(*this);
    start = std::clamp<std::intptr_t>(start, 0, length);
    end = std::clamp<std::intptr_t>(end, 0, length);
    // Twice the range: room for more than the engine writes.
    std::string buffer(static_cast<size_t>(end - start) * 2 + 1, '\0');
    Sci_TextRange range { { static_cast<long>(start), static_cast<long>(end) }, buffer.data() };
    sendMessage(SCI_GETTEXTRANGE, 0, recordAddressOf(range));
    return textUpToZero(buffer);
}

LRESULT CodeEditor::allocate(std::intptr_t bytes)
{
    return sendMessage(SCI_ALLOCATE, wordOf(bytes));
}

LRESULT CodeEditor::appendText(const std::string& text)
{
    return sendMessage(SCI_APPENDTEXT, text.size(), addressOf(text));
}

LRESULT CodeEditor::addText(const std::string& text)
{
    return sendMessage(SCI_ADDTEXT, text.size(), addressOf(text));
}

LRESULT CodeEditor::addStyledText(const std::string& text, std::intptr_t style)
{
    // A cell per byte, the bytes of a double-byte character each in its own.
    std::string cells;
    cells.reserve(text.size() * 2);
    for (char byte : text) {
        cells.push_back(byte);
        cells.push_back(static_cast<char>(style & 0xFF));
    }
    return sendMessage(SCI_ADDSTYLEDTEXT, cells.size(), addressOf(cells));
}

LRESULT CodeEditor::insertText(std::intptr_t position, const std::string& text)
{
    return sendMessage(SCI_INSERTTEXT, wordOf(position), addressOf(text));
}

LRESULT CodeEditor::clearAll()
{
    return sendMessage(SCI_CLEARALL);
}

LRESULT CodeEditor::deleteRange(std::intptr_t start, std::intptr_t lengthDelete)
{
    return sendMessage(SCI_DELETERANGE, wordOf(start), lengthDelete);
}

LRESULT CodeEditor::clearDocumentStyle()
{
    return sendMessage(SCI_CLEARDOCUMENTSTYLE);
}

LRESULT CodeEditor::getCharAt(std::intptr_t position)
{
    return sendMessage(SCI_GETCHARAT, wordOf(position));
}

LRESULT CodeEditor::getStyleAt(std::intptr_t position)
{
    return sendMessage(SCI_GETSTYLEAT, wordOf(position));
}

LRESULT CodeEditor::setStyleBits(std::intptr_t bits)
{
    return sendMessage(SCI_SETSTYLEBITS, wordOf(bits));
}

LRESULT CodeEditor::getStyleBits()
{
    return sendMessage(SCI_GETSTYLEBITS);
}

LRESULT CodeEditor::releaseAllExtendedStyles()
{
    return sendMessage(SCI_RELEASEALLEXTENDEDSTYLES);
}

LRESULT CodeEditor::allocateExtendedStyles(std::intptr_t numberStyles)
{
    return sendMessage(SCI_ALLOCATEEXTENDEDSTYLES, wordOf(numberStyles));
}

void CodeEditor::reserved59() { }

LRESULT CodeEditor::findText(std::intptr_t flags, std::intptr_t start, std::intptr_t end, const std::string& text,
    std::intptr_t& foundStart, std::intptr_t& foundEnd)
{
    Sci_TextToFind search { { static_cast<long>(start), static_cast<long>(end) }, text.c_str(), { 0, 0 } };
    LRESULT result = sendMessage(SCI_FINDTEXT, wordOf(flags), recordAddressOf(search));
    foundStart = search.chrgText.cpMin;
    foundEnd = search.chrgText.cpMax;
    return result;
}

LRESULT CodeEditor::searchAnchor()
{
    return sendMessage(SCI_SEARCHANCHOR);
}

LRESULT CodeEditor::searchNext(std::intptr_t flags, const std::string& text)
{
    return sendMessage(SCI_SEARCHNEXT, wordOf(flags), addressOf(text));
}

LRESULT CodeEditor::searchPrev(std::intptr_t flags, const std::string& text)
{
    return sendMessage(SCI_SEARCHPREV, wordOf(flags), addressOf(text));
}

LRESULT CodeEditor::setTargetStart(std::intptr_t start)
{
    return sendMessage(SCI_SETTARGETSTART, wordOf(start));
}

LRESULT CodeEditor::getTargetStart()
{
    return sendMessage(SCI_GETTARGETSTART);
}

LRESULT CodeEditor::setTargetEnd(std::intptr_t end)
{
    return sendMessage(SCI_SETTARGETEND, wordOf(end));
}

LRESULT CodeEditor::getTargetEnd()
{
    return sendMessage(SCI_GETTARGETEND);
}

LRESULT CodeEditor::targetFromSelection()
{
    return sendMessage(SCI_TARGETFROMSELECTION);
}

LRESULT CodeEditor::setSearchFlags(std::intptr_t flags)
{
    return sendMessage(SCI_SETSEARCHFLAGS, wordOf(flags));
}

LRESULT CodeEditor::getSearchFlags()
{
    return sendMessage(SCI_GETSEARCHFLAGS);
}

LRESULT CodeEditor::searchInTarget(std::intptr_t length, const std::string& text)
{
    return sendMessage(SCI_SEARCHINTARGET, wordOf(length), addressOf(text));
}

LRESULT CodeEditor::replaceTarget(std::intptr_t length, const std::string& text)
{
    return sendMessage(SCI_REPLACETARGET, wordOf(length), addressOf(text));
}

LRESULT CodeEditor::replaceTargetRE(std::intptr_t length, const std::string& text)
{
    return sendMessage(SCI_REPLACETARGETRE, wordOf(length), addressOf(text));
}

LRESULT CodeEditor::getTag(std::intptr_t tagNumber, std::string& text)
{
    return fillOutputText(SCI_GETTAG, wordOf(tagNumber), text);
}

void CodeEditor::reserved75() { }

LRESULT CodeEditor::setOvertype(std::intptr_t overtype)
{
    return sendMessage(SCI_SETOVERTYPE, wordOf(overtype));
}

LRESULT CodeEditor::getOvertype()
{
    return sendMessage(SCI_GETOVERTYPE);
}

void CodeEditor::reserved78() { }

LRESULT CodeEditor::cut()
{
    return sendMessage(SCI_CUT);
}

LRESULT CodeEditor::copySelection()
{
    return sendMessage(SCI_COPY);
}

LRESULT CodeEditor::paste()
{
    return sendMessage(SCI_PASTE);
}

LRESULT CodeEditor::clear()
{
    return sendMessage(SCI_CLEAR);
}

LRESULT CodeEditor::canPaste()
{
    return sendMessage(SCI_CANPASTE);
}

LRESULT CodeEditor::copyRange(std::intptr_t start, std::intptr_t end)
{
    return sendMessage(SCI_COPYRANGE, wordOf(start), end);
}

LRESULT CodeEditor::copyText(std::intptr_t length, const std::string& text)
{
    return sendMessage(SCI_COPYTEXT, wordOf(length), addressOf(text));
}

LRESULT CodeEditor::copyAllowLine()
{
    return sendMessage(SCI_COPYALLOWLINE);
}

LRESULT CodeEditor::setPasteConvertEndings(bool convert)
{
    return sendMessage(SCI_SETPASTECONVERTENDINGS, flag(convert));
}

LRESULT CodeEditor::getPasteConvertEndings()
{
    return sendMessage(SCI_GETPASTECONVERTENDINGS);
}

void CodeEditor::reserved89() { }

LRESULT CodeEditor::setStatus(std::intptr_t status)
{
    return sendMessage(SCI_SETSTATUS, wordOf(status));
}

LRESULT CodeEditor::getStatus()
{
    return sendMessage(SCI_GETSTATUS);
}

LRESULT CodeEditor::undo()
{
    return sendMessage(SCI_UNDO);
}

LRESULT CodeEditor::canUndo()
{
    return sendMessage(SCI_CANUNDO);
}

LRESULT CodeEditor::emptyUndoBuffer()
{
    return sendMessage(SCI_EMPTYUNDOBUFFER);
}

LRESULT CodeEditor::redo()
{
    return sendMessage(SCI_REDO);
}

LRESULT CodeEditor::canRedo()
{
    return sendMessage(SCI_CANREDO);
}

LRESULT CodeEditor::setUndoCollection(bool collectUndo)
{
    return sendMessage(SCI_SETUNDOCOLLECTION, flag(collectUndo));
}

LRESULT CodeEditor::getUndoCollection()
{
    return sendMessage(SCI_GETUNDOCOLLECTION);
}

LRESULT CodeEditor::beginUndoAction()
{
    return sendMessage(SCI_BEGINUNDOACTION);
}

LRESULT CodeEditor::endUndoAction()
{
    return sendMessage(SCI_ENDUNDOACTION);
}

LRESULT CodeEditor::addUndoAction(std::intptr_t token, std::intptr_t flags)
{
    return sendMessage(SCI_ADDUNDOACTION, wordOf(token), flags);
}

void CodeEditor::reserved102() { }

LRESULT CodeEditor::getTextLength()
{
    return sendMessage(SCI_GETTEXTLENGTH);
}

LRESULT CodeEditor::getLength()
{
    return sendMessage(SCI_GETLENGTH);
}

LRESULT CodeEditor::getLineCount()
{
    return sendMessage(SCI_GETLINECOUNT);
}

LRESULT CodeEditor::setFirstVisibleLine(std::intptr_t displayLine)
{
    return sendMessage(SCI_SETFIRSTVISIBLELINE, wordOf(displayLine));
}

LRESULT CodeEditor::getFirstVisibleLine()
{
    return sendMessage(SCI_GETFIRSTVISIBLELINE);
}

LRESULT CodeEditor::linesOnScreen()
{
    return sendMessage(SCI_LINESONSCREEN);
}

LRESULT CodeEditor::getModify()
{
    return sendMessage(SCI_GETMODIFY);
}

LRESULT CodeEditor::setSel(std::intptr_t anchor, std::intptr_t caret)
{
    return sendMessage(SCI_SETSEL, wordOf(anchor), caret);
}

LRESULT CodeEditor::gotoPos(std::intptr_t caret)
{
    return sendMessage(SCI_GOTOPOS, wordOf(caret));
}

LRESULT CodeEditor::gotoLine(std::intptr_t line)
{
    return sendMessage(SCI_GOTOLINE, wordOf(line));
}

LRESULT CodeEditor::setCurrentPos(std::intptr_t caret)
{
    return sendMessage(SCI_SETCURRENTPOS, wordOf(caret));
}

LRESULT CodeEditor::getCurrentPos()
{
    return sendMessage(SCI_GETCURRENTPOS);
}

LRESULT CodeEditor::setAnchor(std::intptr_t anchor)
{
    return sendMessage(SCI_SETANCHOR, wordOf(anchor));
}

LRESULT CodeEditor::getAnchor()
{
    return sendMessage(SCI_GETANCHOR);
}

LRESULT CodeEditor::setSelectionStart(std::intptr_t anchor)
{
    return sendMessage(SCI_SETSELECTIONSTART, wordOf(anchor));
}

LRESULT CodeEditor::getSelectionStart()
{
    return sendMessage(SCI_GETSELECTIONSTART);
}

LRESULT CodeEditor::setSelectionEnd(std::intptr_t caret)
{
    return sendMessage(SCI_SETSELECTIONEND, wordOf(caret));
}

LRESULT CodeEditor::getSelectionEnd()
{
    return sendMessage(SCI_GETSELECTIONEND);
}

LRESULT CodeEditor::setEmptySelection(std::intptr_t caret)
{
    return sendMessage(SCI_SETEMPTYSELECTION, wordOf(caret));
}

LRESULT CodeEditor::selectAll()
{
    return sendMessage(SCI_SELECTALL);
}

LRESULT CodeEditor::lineFromPosition(std::intptr_t position)
{
    return sendMessage(SCI_LINEFROMPOSITION, wordOf(position));
}

LRESULT CodeEditor::positionFromLine(std::intptr_t line)
{
    return sendMessage(SCI_POSITIONFROMLINE, wordOf(line));
}

LRESULT CodeEditor::getLineEndPosition(std::intptr_t line)
{
    return sendMessage(SCI_GETLINEENDPOSITION, wordOf(line));
}

LRESULT CodeEditor::lineLength(std::intptr_t line)
{
    return sendMessage(SCI_LINELENGTH, wordOf(line));
}

LRESULT CodeEditor::getColumn(std::intptr_t position)
{
    return sendMessage(SCI_GETCOLUMN, wordOf(position));
}

LRESULT CodeEditor::findColumn(std::intptr_t line, std::intptr_t column)
{
    return sendMessage(SCI_FINDCOLUMN, wordOf(line), column);
}

LRESULT CodeEditor::positionFromPoint(std::intptr_t x, std::intptr_t y)
{
    return sendMessage(SCI_POSITIONFROMPOINT, wordOf(x), y);
}

LRESULT CodeEditor::positionFromPointClose(std::intptr_t x, std::intptr_t y)
{
    return sendMessage(SCI_POSITIONFROMPOINTCLOSE, wordOf(x), y);
}

LRESULT CodeEditor::charPositionFromPoint(std::intptr_t x, std::intptr_t y)
{
    return sendMessage(SCI_CHARPOSITIONFROMPOINT, wordOf(x), y);
}

LRESULT CodeEditor::charPositionFromPointClose(std::intptr_t x, std::intptr_t y)
{
    return sendMessage(SCI_CHARPOSITIONFROMPOINTCLOSE, wordOf(x), y);
}

LRESULT CodeEditor::pointXFromPosition(std::intptr_t position)
{
    return sendMessage(SCI_POINTXFROMPOSITION, 0, position);
}

LRESULT CodeEditor::pointYFromPosition(std::intptr_t position)
{
    return sendMessage(SCI_POINTYFROMPOSITION, 0, position);
}

LRESULT CodeEditor::hideSelection(bool hide)
{
    return sendMessage(SCI_HIDESELECTION, flag(hide));
}

LRESULT CodeEditor::getSelText(std::string& text)
{
    return fillOutputText(SCI_GETSELTEXT, 0, text);
}

LRESULT CodeEditor::getCurLine(std::intptr_t length, std::string& text)
{
    // The engine ends the program when asked to write into no room at all:
    // a length of 0 only asks how long the line is.
    if (length == 0)
        return sendMessage(SCI_GETCURLINE, 0, 0);
    return fillOutputText(SCI_GETCURLINE, wordOf(length), text);
}

LRESULT CodeEditor::selectionIsRectangle()
{
    return sendMessage(SCI_SELECTIONISRECTANGLE);
}

LRESULT CodeEditor::setSelectionMode(std::intptr_t selectionMode)
{
    return sendMessage(SCI_SETSELECTIONMODE, wordOf(selectionMode));
}

LRESULT CodeEditor::getSelectionMode()
{
    return sendMessage(SCI_GETSELECTIONMODE);
}

LRESULT CodeEditor::getLineSelStartPosition(std::intptr_t line)
{
    return sendMessage(SCI_GETLINESELSTARTPOSITION, wordOf(line));
}

LRESULT CodeEditor::getLineSelEndPosition(std::intptr_t line)
{
    return sendMessage(SCI_GETLINESELENDPOSITION, wordOf(line));
}

LRESULT CodeEditor::moveCaretInsideView()
{
    return sendMessage(SCI_MOVECARETINSIDEVIEW);
}

LRESULT CodeEditor::wordEndPosition(std::intptr_t position, bool onlyWordCharacters)
{
    return sendMessage(SCI_WORDENDPOSITION, wordOf(position - 1), flag(onlyWordCharacters));
}

LRESULT CodeEditor::wordStartPosition(std::intptr_t position, bool onlyWordCharacters)
{
    return sendMessage(SCI_WORDSTARTPOSITION, wordOf(position - 1), flag(onlyWordCharacters));
}

LRESULT CodeEditor::positionBefore(std::intptr_t position)
{
    return sendMessage(SCI_POSITIONBEFORE, wordOf(position));
}

LRESULT CodeEditor::positionAfter(std::intptr_t position)
{
    return sendMessage(SCI_POSITIONAFTER, wordOf(position));
}

LRESULT CodeEditor::positionRelative(std::intptr_t position, std::intptr_t relative)
{
    return sendMessage(SCI_POSITIONRELATIVE, wordOf(position), relative);
}

LRESULT CodeEditor::countCharacters(std::intptr_t start, std::intptr_t end)
{
    return sendMessage(SCI_COUNTCHARACTERS, wordOf(start), end);
}

LRESULT CodeEditor::textWidth(std::intptr_t style, const std::string& text)
{
    return sendMessage(SCI_TEXTWIDTH, wordOf(style), addressOf(text));
}

LRESULT CodeEditor::textHeight(std::intptr_t line)
{
    return sendMessage(SCI_TEXTHEIGHT, wordOf(line));
}

LRESULT CodeEditor::chooseCaretX()
{
    return sendMessage(SCI_CHOOSECARETX);
}

LRESULT CodeEditor::moveSelectedLinesUp()
{
    return sendMessage(SCI_MOVESELECTEDLINESUP);
}

LRESULT CodeEditor::moveSelectedLinesDown()
{
    return sendMessage(SCI_MOVESELECTEDLINESDOWN);
}

LRESULT CodeEditor::setMouseSelectionRectangularSwitch(bool rectangularSwitch)
{
    return sendMessage(SCI_SETMOUSESELECTIONRECTANGULARSWITCH, flag(rectangularSwitch));
}

LRESULT CodeEditor::getMouseSelectionRectangularSwitch()
{
    return sendMessage(SCI_GETMOUSESELECTIONRECTANGULARSWITCH);
}

void CodeEditor::reserved157() { }

LRESULT CodeEditor::visibleFromDocLine(std::intptr_t docLine)
{
    return sendMessage(SCI_VISIBLEFROMDOCLINE, wordOf(docLine));
}

LRESULT CodeEditor::docLineFromVisible(std::intptr_t displayLine)
{
    return sendMessage(SCI_DOCLINEFROMVISIBLE, wordOf(displayLine));
}

LRESULT CodeEditor::showLines(std::intptr_t lineStart, std::intptr_t lineEnd)
{
    return sendMessage(SCI_SHOWLINES, wordOf(lineStart), lineEnd);
}

LRESULT CodeEditor::hideLines(std::intptr_t lineStart, std::intptr_t lineEnd)
{
    return sendMessage(SCI_HIDELINES, wordOf(lineStart), lineEnd);
}

LRESULT CodeEditor::getLineVisible(std::intptr_t line)
{
    return sendMessage(SCI_GETLINEVISIBLE, wordOf(line));
}

LRESULT CodeEditor::getAllLinesVisible()
{
    return sendMessage(SCI_GETALLLINESVISIBLE);
}

LRESULT CodeEditor::setFoldLevel(std::intptr_t line, std::intptr_t level)
{
    return sendMessage(SCI_SETFOLDLEVEL, wordOf(line), level);
}

LRESULT CodeEditor::getFoldLevel(std::intptr_t line)
{
    return sendMessage(SCI_GETFOLDLEVEL, wordOf(line));
}

LRESULT CodeEditor::setAutomaticFold(std::intptr_t automaticFold)
{
    return sendMessage(SCI_SETAUTOMATICFOLD, wordOf(automaticFold));
}

LRESULT CodeEditor::getAutomaticFold()
{
    return sendMessage(SCI_GETAUTOMATICFOLD);
}

LRESULT CodeEditor::setFoldFlags(std::intptr_t flags)
{
    return sendMessage(SCI_SETFOLDFLAGS, wordOf(flags));
}

LRESULT CodeEditor::getLastChild(std::intptr_t line, std::intptr_t level)
{
    return sendMessage(SCI_GETLASTCHILD, wordOf(line), level);
}

LRESULT CodeEditor::getFoldParent(std::intptr_t line)
{
    return sendMessage(SCI_GETFOLDPARENT, wordOf(line));
}

LRESULT CodeEditor::setFoldExpanded(std::intptr_t line, bool expanded)
{
    return sendMessage(SCI_SETFOLDEXPANDED, wordOf(line), flag(expanded));
}

LRESULT CodeEditor::getFoldExpanded(std::intptr_t line)
{
    return sendMessage(SCI_GETFOLDEXPANDED, wordOf(line));
}

LRESULT CodeEditor::contractedFoldNext(std::intptr_t lineStart)
{
    return sendMessage(SCI_CONTRACTEDFOLDNEXT, wordOf(lineStart));
}

LRESULT CodeEditor::toggleFold(std::intptr_t line)
{
    return sendMessage(SCI_TOGGLEFOLD, wordOf(line));
}

LRESULT CodeEditor::foldLine(std::intptr_t line, std::intptr_t action)
{
    return sendMessage(SCI_FOLDLINE, wordOf(line), action);
}

LRESULT CodeEditor::foldChildren(std::intptr_t line, std::intptr_t action)
{
    return sendMessage(SCI_FOLDCHILDREN, wordOf(line), action);
}

LRESULT CodeEditor::foldAll(std::intptr_t action)
{
    return sendMessage(SCI_FOLDALL, wordOf(action));
}

LRESULT CodeEditor::expandChildren(std::intptr_t line, std::intptr_t level)
{
    return sendMessage(SCI_EXPANDCHILDREN, wordOf(line), level);
}

LRESULT CodeEditor::ensureVisible(std::intptr_t line)
{
    return sendMessage(SCI_ENSUREVISIBLE, wordOf(line));
}

LRESULT CodeEditor::ensureVisibleEnforcePolicy(std::intptr_t line)
{
    return sendMessage(SCI_ENSUREVISIBLEENFORCEPOLICY, wordOf(line));
}

void CodeEditor::reserved181() { }

LRESULT CodeEditor::autoCShow(std::intptr_t lengthEntered, const std::string& itemList)
{
    return sendMessage(SCI_AUTOCSHOW, wordOf(lengthEntered), addressOf(itemList));
}

LRESULT CodeEditor::autoCCancel()
{
    return sendMessage(SCI_AUTOCCANCEL);
}

LRESULT CodeEditor::autoCActive()
{
    return sendMessage(SCI_AUTOCACTIVE);
}

LRESULT CodeEditor::autoCPosStart()
{
    return sendMessage(SCI_AUTOCPOSSTART);
}

LRESULT CodeEditor::autoCComplete()
{
    return sendMessage(SCI_AUTOCCOMPLETE);
}

LRESULT CodeEditor::autoCStops(const std::string& characterSet)
{
    return sendMessage(SCI_AUTOCSTOPS, 0, addressOf(characterSet));
}

LRESULT CodeEditor::autoCSetSeparator(std::intptr_t separator)
{
    return sendMessage(SCI_AUTOCSETSEPARATOR, wordOf(separator & 0xFF));
}

LRESULT CodeEditor::autoCGetSeparator()
{
    return sendMessage(SCI_AUTOCGETSEPARATOR);
}

LRESULT CodeEditor::autoCSelect(const std::string& select)
{
    return sendMessage(SCI_AUTOCSELECT, 0, addressOf(select));
}

LRESULT CodeEditor::autoCGetCurrent()
{
    return sendMessage(SCI_AUTOCGETCURRENT);
}

LRESULT CodeEditor::autoCGetCurrentText(std::string& text)
{
    return fillOutputText(SCI_AUTOCGETCURRENTTEXT, 0, text);
}

LRESULT CodeEditor::autoCSetCancelAtStart(bool cancel)
{
    return sendMessage(SCI_AUTOCSETCANCELATSTART, flag(cancel));
}

LRESULT CodeEditor::autoCGetCancelAtStart()
{
    return sendMessage(SCI_AUTOCGETCANCELATSTART);
}

LRESULT CodeEditor::autoCSetFillUps(const std::string& characterSet)
{
    return sendMessage(SCI_AUTOCSETFILLUPS, 0, addressOf(characterSet));
}

LRESULT CodeEditor::autoCSetChooseSingle(bool chooseSingle)
{
    return sendMessage(SCI_AUTOCSETCHOOSESINGLE, flag(chooseSingle));
}

LRESULT CodeEditor::autoCGetChooseSingle()
{
    return sendMessage(SCI_AUTOCGETCHOOSESINGLE);
}

LRESULT CodeEditor::autoCSetIgnoreCase(bool ignoreCase)
{
    return sendMessage(SCI_AUTOCSETIGNORECASE, flag(ignoreCase));
}

LRESULT CodeEditor::autoCGetIgnoreCase()
{
    return sendMessage(SCI_AUTOCGETIGNORECASE);
}

LRESULT CodeEditor::autoCSetCaseInsensitiveBehaviour(std::intptr_t behaviour)
{
    return sendMessage(SCI_AUTOCSETCASEINSENSITIVEBEHAVIOUR, wordOf(behaviour));
}

LRESULT CodeEditor::autoCGetCaseInsensitiveBehaviour()
{
    return sendMessage(SCI_AUTOCGETCASEINSENSITIVEBEHAVIOUR);
}

LRESULT CodeEditor::autoCSetOrder(std::intptr_t order)
{
    return sendMessage(SCI_AUTOCSETORDER, wordOf(order));
}

LRESULT CodeEditor::autoCGetOrder()
{
    return sendMessage(SCI_AUTOCGETORDER);
}

LRESULT CodeEditor::autoCSetAutoHide(bool autoHide)
{
    return sendMessage(SCI_AUTOCSETAUTOHIDE, flag(autoHide));
}

LRESULT CodeEditor::autoCGetAutoHide()
{
    return sendMessage(SCI_AUTOCGETAUTOHIDE);
}

LRESULT CodeEditor::autoCSetDropRestOfWord(bool dropRestOfWord)
{
    return sendMessage(SCI_AUTOCSETDROPRESTOFWORD, flag(dropRestOfWord));
}

LRESULT CodeEditor::registerImage(std::intptr_t type, const std::string& xpmData)
{
    return sendMessage(SCI_REGISTERIMAGE, wordOf(type), addressOf(xpmData));
}

LRESULT CodeEditor::registerRGBAImage(std::intptr_t type, const std::string& pixels)
{
    return sendMessage(SCI_REGISTERRGBAIMAGE, wordOf(type), addressOf(pixels));
}

LRESULT CodeEditor::clearRegisteredImages()
{
    return sendMessage(SCI_CLEARREGISTEREDIMAGES);
}

LRESULT CodeEditor::autoCSetTypeSeparator(std::intptr_t separator)
{
    return sendMessage(SCI_AUTOCSETTYPESEPARATOR, wordOf(separator & 0xFF));
}

LRESULT CodeEditor::autoCGetTypeSeparator()
{
    return sendMessage(SCI_AUTOCGETTYPESEPARATOR);
}

LRESULT CodeEditor::autoCSetMaxHeight(std::intptr_t rowCount)
{
    return sendMessage(SCI_AUTOCSETMAXHEIGHT, wordOf(rowCount));
}

LRESULT CodeEditor::autoCGetMaxHeight()
{
    return sendMessage(SCI_AUTOCGETMAXHEIGHT);
}

LRESULT CodeEditor::autoCSetMaxWidth(std::intptr_t characterCount)
{
    return sendMessage(SCI_AUTOCSETMAXWIDTH, wordOf(characterCount));
}

LRESULT CodeEditor::autoCGetMaxWidth()
{
    return sendMessage(SCI_AUTOCGETMAXWIDTH);
}

void CodeEditor::reserved216() { }

LRESULT CodeEditor::setTabWidth(std::intptr_t width)
{
    return sendMessage(SCI_SETTABWIDTH, wordOf(width));
}

LRESULT CodeEditor::getTabWidth()
{
    return sendMessage(SCI_GETTABWIDTH);
}

LRESULT CodeEditor::setUseTabs(bool useTabs)
{
    return sendMessage(SCI_SETUSETABS, flag(useTabs));
}

LRESULT CodeEditor::getUseTabs()
{
    return sendMessage(SCI_GETUSETABS);
}

LRESULT CodeEditor::setIndent(std::intptr_t indentSize)
{
    return sendMessage(SCI_SETINDENT, wordOf(indentSize));
}

LRESULT CodeEditor::getIndent()
{
    return sendMessage(SCI_GETINDENT);
}

LRESULT CodeEditor::setTabIndents(bool tabIndents)
{
    return sendMessage(SCI_SETTABINDENTS, flag(tabIndents));
}

LRESULT CodeEditor::getTabIndents()
{
    return sendMessage(SCI_GETTABINDENTS);
}

LRESULT CodeEditor::setBackspaceUnindents(bool backspaceUnindents)
{
    return sendMessage(SCI_SETBACKSPACEUNINDENTS, flag(backspaceUnindents));
}

LRESULT CodeEditor::getBackspaceUnindents()
{
    return sendMessage(SCI_GETBACKSPACEUNINDENTS);
}

LRESULT CodeEditor::setLineIndentation(std::intptr_t line, std::intptr_t indentation)
{
    return sendMessage(SCI_SETLINEINDENTATION, wordOf(line), indentation);
}

LRESULT CodeEditor::getLineIndentation(std::intptr_t line)
{
    return sendMessage(SCI_GETLINEINDENTATION, wordOf(line));
}

LRESULT CodeEditor::getLineIndentPosition(std::intptr_t line)
{
    return sendMessage(SCI_GETLINEINDENTPOSITION, wordOf(line));
}

LRESULT CodeEditor::setIndentationGuides(std::intptr_t indentView)
{
    return sendMessage(SCI_SETINDENTATIONGUIDES, wordOf(indentView));
}

LRESULT CodeEditor::getIndentationGuides()
{
    return sendMessage(SCI_GETINDENTATIONGUIDES);
}

LRESULT CodeEditor::setHighlightGuide(std::intptr_t column)
{
    return sendMessage(SCI_SETHIGHLIGHTGUIDE, wordOf(column));
}

LRESULT CodeEditor::getHighlightGuide()
{
    return sendMessage(SCI_GETHIGHLIGHTGUIDE);
}

void CodeEditor::reserved234() { }

LRESULT CodeEditor::callTipShow(std::intptr_t position, const std::string& definition)
{
    return sendMessage(SCI_CALLTIPSHOW, wordOf(position), addressOf(definition));
}

LRESULT CodeEditor::callTipCancel()
{
    return sendMessage(SCI_CALLTIPCANCEL);
}

LRESULT CodeEditor::callTipActive()
{
    return sendMessage(SCI_CALLTIPACTIVE);
}

LRESULT CodeEditor::callTipPosStart()
{
    return sendMessage(SCI_CALLTIPPOSSTART);
}

LRESULT CodeEditor::callTipSetHlt(std::intptr_t highlightStart, std::intptr_t highlightEnd)
{
    return sendMessage(SCI_CALLTIPSETHLT, wordOf(highlightStart), highlightEnd);
}

LRESULT CodeEditor::callTipSetBack(std::intptr_t colour)
{
    return sendMessage(SCI_CALLTIPSETBACK, wordOf(colour));
}

LRESULT CodeEditor::callTipSetFore(std::intptr_t colour)
{
    return sendMessage(SCI_CALLTIPSETFORE, wordOf(colour));
}

LRESULT CodeEditor::callTipSetForeHlt(std::intptr_t colour)
{
    return sendMessage(SCI_CALLTIPSETFOREHLT, wordOf(colour));
}

LRESULT CodeEditor::callTipSetPosition(bool above)
{
    return sendMessage(SCI_CALLTIPSETPOSITION, flag(above));
}

LRESULT CodeEditor::callTipUseStyle(std::intptr_t tabSize)
{
    return sendMessage(SCI_CALLTIPUSESTYLE, wordOf(tabSize));
}

void CodeEditor::reserved245() { }
