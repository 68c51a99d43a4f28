#pragma once

#include <cstddef>
#include <string>
#include <vector>

// A window class "Scintilla" of the fuzzer's own, registered while the
// object lives, whose direct function answers the messages that read the
// document into a buffer as this build's engine does: it writes what the
// engine writes and no byte more, and where the engine's own assertions end
// the program, it ends the run.
class FakeEngine {
public:
    FakeEngine();
    ~FakeEngine();
    FakeEngine(const FakeEngine&) = delete;
    FakeEngine& operator=(const FakeEngine&) = delete;

    // The engine's document, bytes of any value, and its selection, both ends
    // inside it.
    static inline std::string document;
    static inline std::size_t anchor = 0;
    static inline std::size_t caret = 0;

    // The document's lines as the engine counts them, each with its end of
    // line ("\r\n", "\r" or "\n"); one that ends with one has an empty last line.
    struct Line {
        std::size_t start = 0;
        std::size_t length = 0;
    };
    static std::vector<Line> lines();
    static std::size_t lineOf(std::size_t position);
};
