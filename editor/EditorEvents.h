#pragma once

#include "platform/Win32Types.h"

#include <cstdint>
#include <string>

// The events a handler can be registered for, in the order of the
// registration operations: 24 Scintilla notifications, then the two
// keyboard events.
enum EditorEvent : int {
    StyleNeededEvent,
    CharAddedEvent,
    SavePointReachedEvent,
    ModifyAttemptROEvent,
    SavePointLeftEvent,
    UpdateUIEvent,
    ModifiedEvent,
    MacroRecordEvent,
    MarginClickEvent,
    NeedShownEvent,
    PaintedEvent,
    UserListSelectionEvent,
    DwellStartEvent,
    DwellEndEvent,
    ZoomEvent,
    HotSpotClickEvent,
    HotSpotDoubleClickEvent,
    HotSpotReleaseClickEvent,
    IndicatorClickEvent,
    IndicatorReleaseEvent,
    CallTipClickEvent,
    AutoCSelectionEvent,
    AutoCCancelledEvent,
    AutoCCharDeletedEvent,
    KeyRepeatOrReleaseEvent,
    KeyPressEvent,
    EditorEventCount
};

// The handlers, by the arguments their events give, named after the fields
// of the notification record. A text argument lasts for the call only.
using NoArgumentHandler = void (*)();
using PositionHandler = void (*)(std::int32_t position);
using CharAddedHandler = void (*)(std::int32_t ch);
using UpdateUIHandler = void (*)(std::int32_t updated, std::int32_t ch);
using ModifiedHandler = void (*)(std::int32_t position, std::int32_t modificationType, const std::string& text,
    std::int32_t length, std::int32_t linesAdded, std::int32_t line, std::int32_t foldLevelNow,
    std::int32_t foldLevelPrev, std::int32_t token, std::int32_t annotationLinesAdded);
// The recorded message's parameters keep their width: lParam may be an address.
using MacroRecordHandler = void (*)(std::int32_t message, WPARAM wParam, LPARAM lParam);
using MarginClickHandler = void (*)(std::int32_t modifiers, std::int32_t position, std::int32_t margin);
using UserListSelectionHandler = void (*)(std::int32_t listType, const std::string& text, std::int32_t position);
using DwellHandler = void (*)(std::int32_t position, std::int32_t x, std::int32_t y);
using PositionModifiersHandler = void (*)(std::int32_t position, std::int32_t modifiers);
using AutoCSelectionHandler = void (*)(std::int32_t position, const std::string& text);
// The hook's virtual-key code and keystroke flags.
using KeyHandler = void (*)(std::int32_t virtualKey, std::int32_t flags);
