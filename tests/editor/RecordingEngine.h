#pragma once

#include "platform/Win32Types.h"

#include <map>
#include <string>
#include <vector>

// A window class "Scintilla" of the test's own, registered while the object
// lives, that records every message its windows get, through the window
// procedure or through the direct function it hands out.
struct SentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool direct = false;
    // For a message whose lParam is an input text: the text, read when sent.
    std::string text;
    bool operator==(const SentMessage&) const = default;
};

class RecordingEngine {
public:
    RecordingEngine();
    ~RecordingEngine();
    RecordingEngine(const RecordingEngine&) = delete;
    RecordingEngine& operator=(const RecordingEngine&) = delete;

    // Whether SCI_GETDIRECTFUNCTION hands out a direct function, and what
    // SCI_GETDIRECTPOINTER answers.
    static inline bool handsOutDirectFunction = true;
    static inline LPARAM directPointer = 0x5C1;
    // Answers to other messages; 0 for one not here. SCI_GETSELTEXT writes
    // SelectedText when given a buffer.
    static inline std::map<UINT, LRESULT> answers;
    static constexpr const char* SelectedText = "hello world";

    // The messages the editor window got since the last call, key messages
    // and Scintilla messages only.
    static std::vector<SentMessage> takeSent();
};
