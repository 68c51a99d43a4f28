#include "editor/EditorRouting.h"

#include "app/Globals.h"
#include "editor/CodeEditor.h"
#include "editor/EditorEvents.h"
#include "platform/Scintilla.h"
#include "platform/Win32.h"

#include <cstddef>
#include <cstring>
#include <string>
#include <type_traits>

namespace {

// A slot keeps every kind of handler as one type; each route calls it back
// with the signature it was registered with.
template <typename Handler> EditorEventHandler slotOf(Handler handler)
{
    return reinterpret_cast<EditorEventHandler>(handler);
}

template <typename Handler> Handler handlerIn(EditorEventHandler slot)
{
    return reinterpret_cast<Handler>(slot);
}

std::int32_t arg(std::intptr_t field)
{
    return static_cast<std::int32_t>(field);
}

// One notification as the handlers see it: the record and its own copy of
// the record's text.
struct Notice {
    SCNotification record;
    std::string text;
};

using Invoke = void (*)(EditorEventHandler slot, const Notice& notice);

struct Route {
    UINT code;
    EditorEvent event;
    Invoke invoke;
};

void callWithNothing(EditorEventHandler slot, const Notice&)
{
    handlerIn<NoArgumentHandler>(slot)();
}

void callWithPosition(EditorEventHandler slot, const Notice& n)
{
    handlerIn<PositionHandler>(slot)(arg(n.record.position));
}

void callWithPositionAndModifiers(EditorEventHandler slot, const Notice& n)
{
    handlerIn<PositionModifiersHandler>(slot)(arg(n.record.position), n.record.modifiers);
}

void callWithPositionAndPoint(EditorEventHandler slot, const Notice& n)
{
    handlerIn<DwellHandler>(slot)(arg(n.record.position), n.record.x, n.record.y);
}

void callWithCharacter(EditorEventHandler slot, const Notice& n)
{
    handlerIn<CharAddedHandler>(slot)(n.record.ch);
}

void callWithUpdate(EditorEventHandler slot, const Notice& n)
{
    handlerIn<UpdateUIHandler>(slot)(n.record.updated, n.record.ch);
}

void callWithModification(EditorEventHandler slot, const Notice& n)
{
    const SCNotification& r = n.record;
    handlerIn<ModifiedHandler>(slot)(arg(r.position), r.modificationType, n.text, arg(r.length), arg(r.linesAdded),
        arg(r.line), r.foldLevelNow, r.foldLevelPrev, r.token, arg(r.annotationLinesAdded));
}

void callWithRecordedMessage(EditorEventHandler slot, const Notice& n)
{
    handlerIn<MacroRecordHandler>(slot)(n.record.message, n.record.wParam, n.record.lParam);
}

void callWithMarginClick(EditorEventHandler slot, const Notice& n)
{
    handlerIn<MarginClickHandler>(slot)(n.record.modifiers, arg(n.record.position), n.record.margin);
}

void callWithUserListChoice(EditorEventHandler slot, const Notice& n)
{
    handlerIn<UserListSelectionHandler>(slot)(n.record.listType, n.text, arg(n.record.position));
}

void callWithListChoice(EditorEventHandler slot, const Notice& n)
{
    handlerIn<AutoCSelectionHandler>(slot)(arg(n.record.position), n.text);
}

// Which handler each notification goes to, and which fields of its record
// are the handler's arguments.
constexpr Route Routes[] = {
    { SCN_STYLENEEDED, StyleNeededEvent, callWithPosition },
    { SCN_CHARADDED, CharAddedEvent, callWithCharacter },
    { SCN_SAVEPOINTREACHED, SavePointReachedEvent, callWithNothing },
    { SCN_MODIFYATTEMPTRO, ModifyAttemptROEvent, callWithNothing },
    { SCN_SAVEPOINTLEFT, SavePointLeftEvent, callWithNothing },
    { SCN_UPDATEUI, UpdateUIEvent, callWithUpdate },
    { SCN_MODIFIED, ModifiedEvent, callWithModification },
    { SCN_MACRORECORD, MacroRecordEvent, callWithRecordedMessage },
    { SCN_MARGINCLICK, MarginClickEvent, callWithMarginClick },
    { SCN_NEEDSHOWN, NeedShownEvent, callWithPosition },
    { SCN_PAINTED, PaintedEvent, callWithNothing },
    { SCN_USERLISTSELECTION, UserListSelectionEvent, callWithUserListChoice },
    { SCN_DWELLSTART, DwellStartEvent, callWithPositionAndPoint },
    { SCN_DWELLEND, DwellEndEvent, callWithPositionAndPoint },
    { SCN_ZOOM, ZoomEvent, callWithNothing },
    { SCN_HOTSPOTCLICK, HotSpotClickEvent, callWithPositionAndModifiers },
    { SCN_HOTSPOTDOUBLECLICK, HotSpotDoubleClickEvent, callWithPositionAndModifiers },
    { SCN_HOTSPOTRELEASECLICK, HotSpotReleaseClickEvent, callWithNothing },
    { SCN_INDICATORCLICK, IndicatorClickEvent, callWithPositionAndModifiers },
    { SCN_INDICATORRELEASE, IndicatorReleaseEvent, callWithPositionAndModifiers },
    { SCN_CALLTIPCLICK, CallTipClickEvent, callWithPosition },
    { SCN_AUTOCSELECTION, AutoCSelectionEvent, callWithListChoice },
    { SCN_AUTOCCANCELLED, AutoCCancelledEvent, callWithNothing },
    { SCN_AUTOCCHARDELETED, AutoCCharDeletedEvent, callWithNothing },
};

const Route* routeOf(UINT code)
{
    for (const Route& route : Routes) {
        if (route.code == code)
            return &route;
    }
    return nullptr;
}

HWND editorWindow()
{
    return TheEditor == nullptr ? nullptr : TheEditor->windowHandle();
}

// The record up to its field `updated`, as much as the engine's senders fill.
constexpr size_t RecordSize = offsetof(SCNotification, updated) + sizeof(SCNotification::updated);

// A modification's text is `length` bytes and need not end in a zero; every
// other text does.
std::string textOf(const SCNotification& record)
{
    if (record.text == nullptr)
        return std::string();
    if (record.code == SCN_MODIFIED)
        return record.length > 0 ? std::string(record.text, static_cast<size_t>(record.length)) : std::string();
    return std::string(record.text);
}

// True when the notification came from the editor and is not passed on.
bool routeNotification(HWND editor, LPARAM address)
{
    if (address == 0 || editor == nullptr)
        return false;
    // Only the header is read before the sender is known.
    NMHDR header;
    std::memcpy(&header, reinterpret_cast<const void*>(address), sizeof header);
    if (header.hwndFrom != editor)
        return false;
    const Route* route = routeOf(header.code);
    if (route == nullptr)
        return false;
    // The text is copied only for a handler: a modification carries the whole
    // text inserted or deleted, all of a note's text when one is loaded.
    if (EditorEventHandler slot = EditorEventSlots[route->event]) {
        Notice notice {};
        static_assert(std::is_trivially_copyable_v<SCNotification>);
        std::memcpy(static_cast<void*>(&notice.record), reinterpret_cast<const void*>(address), RecordSize);
        notice.text = textOf(notice.record);
        route->invoke(slot, notice);
    }
    return route->code != SCN_PAINTED;
}

class PaintScope {
public:
    explicit PaintScope(HWND window)
        : m_window(window)
    {
        BeginPaint(m_window, &m_paint);
    }
    ~PaintScope() { EndPaint(m_window, &m_paint); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

private:
    HWND m_window;
    PAINTSTRUCT m_paint {};
};

void registerHandler(EditorEvent event, EditorEventHandler handler)
{
    EditorEventSlots[event] = handler;
}

} // namespace

LRESULT hostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND editor = editorWindow();
    if (message == WM_NOTIFY && routeNotification(editor, lParam))
        return 0;
    if (message == WM_PAINT) {
        PaintScope paint(window);
        return 0;
    }
    return CallWindowProcA(SavedHostWndProc, window, message, wParam, lParam);
}

LRESULT keyboardHookProc(int, WPARAM wParam, LPARAM lParam)
{
    bool wasDown = (lParam & KeyFlagWasDown) != 0;
    // The press goes to the editor as a key going up and the release as one
    // going down.
    if (wParam == VK_TAB)
        SendMessageA(editorWindow(), wasDown ? WM_KEYDOWN : WM_KEYUP, wParam, lParam);
    if (EditorEventHandler slot = EditorEventSlots[wasDown ? KeyRepeatOrReleaseEvent : KeyPressEvent])
        handlerIn<KeyHandler>(slot)(arg(static_cast<std::intptr_t>(wParam)), arg(lParam));
    return 0;
}

void CodeEditor::setStyleNeededHandler(PositionHandler handler)
{
    registerHandler(StyleNeededEvent, slotOf(handler));
}

void CodeEditor::setCharAddedHandler(CharAddedHandler handler)
{
    registerHandler(CharAddedEvent, slotOf(handler));
}

void CodeEditor::setSavePointReachedHandler(NoArgumentHandler handler)
{
    registerHandler(SavePointReachedEvent, slotOf(handler));
}

void CodeEditor::setModifyAttemptROHandler(NoArgumentHandler handler)
{
    registerHandler(ModifyAttemptROEvent, slotOf(handler));
}

void CodeEditor::setSavePointLeftHandler(NoArgumentHandler handler)
{
    registerHandler(SavePointLeftEvent, slotOf(handler));
}

void CodeEditor::setUpdateUIHandler(UpdateUIHandler handler)
{
    registerHandler(UpdateUIEvent, slotOf(handler));
}

void CodeEditor::setModifiedHandler(ModifiedHandler handler)
{
    registerHandler(ModifiedEvent, slotOf(handler));
}

void CodeEditor::setMacroRecordHandler(MacroRecordHandler handler)
{
    registerHandler(MacroRecordEvent, slotOf(handler));
}

void CodeEditor::setMarginClickHandler(MarginClickHandler handler)
{
    registerHandler(MarginClickEvent, slotOf(handler));
}

void CodeEditor::setNeedShownHandler(PositionHandler handler)
{
    registerHandler(NeedShownEvent, slotOf(handler));
}

void CodeEditor::setPaintedHandler(NoArgumentHandler handler)
{
    registerHandler(PaintedEvent, slotOf(handler));
}

void CodeEditor::setUserListSelectionHandler(UserListSelectionHandler handler)
{
    registerHandler(UserListSelectionEvent, slotOf(handler));
}

void CodeEditor::setDwellStartHandler(DwellHandler handler)
{
    registerHandler(DwellStartEvent, slotOf(handler));
}

void CodeEditor::setDwellEndHandler(DwellHandler handler)
{
    registerHandler(DwellEndEvent, slotOf(handler));
}

void CodeEditor::setZoomHandler(NoArgumentHandler handler)
{
    registerHandler(ZoomEvent, slotOf(handler));
}

void CodeEditor::setHotSpotClickHandler(PositionModifiersHandler handler)
{
    registerHandler(HotSpotClickEvent, slotOf(handler));
}

void CodeEditor::setHotSpotDoubleClickHandler(PositionModifiersHandler handler)
{
    registerHandler(HotSpotDoubleClickEvent, slotOf(handler));
}

void CodeEditor::setHotSpotReleaseClickHandler(NoArgumentHandler handler)
{
    registerHandler(HotSpotReleaseClickEvent, slotOf(handler));
}

void CodeEditor::setIndicatorClickHandler(PositionModifiersHandler handler)
{
    registerHandler(IndicatorClickEvent, slotOf(handler));
}

void CodeEditor::setIndicatorReleaseHandler(PositionModifiersHandler handler)
{
    registerHandler(IndicatorReleaseEvent, slotOf(handler));
}

void CodeEditor::setCallTipClickHandler(std::intptr_t handlerAddress)
{
    registerHandler(CallTipClickEvent, reinterpret_cast<EditorEventHandler>(handlerAddress));
}

void CodeEditor::setAutoCSelectionHandler(AutoCSelectionHandler handler)
{
    registerHandler(AutoCSelectionEvent, slotOf(handler));
}

void CodeEditor::setAutoCCancelledHandler(NoArgumentHandler handler)
{
    registerHandler(AutoCCancelledEvent, slotOf(handler));
}

void CodeEditor::setAutoCCharDeletedHandler(NoArgumentHandler handler)
{
    registerHandler(AutoCCharDeletedEvent, slotOf(handler));
}

void CodeEditor::setKeyRepeatOrReleaseHandler(KeyHandler handler)
{
    registerHandler(KeyRepeatOrReleaseEvent, slotOf(handler));
}

void CodeEditor::setKeyPressHandler(KeyHandler handler)
{
    registerHandler(KeyPressEvent, slotOf(handler));
}
