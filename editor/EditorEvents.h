#pragma once

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
