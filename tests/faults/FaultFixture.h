#pragma once

#include "ui/UiFixture.h"

#include "platform/FileSystemCalls.h"

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>

// A fault that a read or a write of the note A/x meets: a change on disk
// made by another program, or calls of the seam that fail, and the reason
// the user is told.
struct WindowFault {
    const char* what;
    std::function<void()> arrange;
    std::optional<platform::FileSystemCalls> calls;
    QString reason;
};

void PrintTo(const WindowFault& fault, std::ostream* out);

// A test's name from what its case says it is: its letters and digits.
std::string nameFromWhat(const char* what);
template <typename Case> std::string nameOf(const ::testing::TestParamInfo<Case>& info)
{
    return nameFromWhat(info.param.what);
}

// What a person types in the add-note window: the category by its place in
// the list, the note's name and one line of text.
struct AddNoteTyping {
    int category;
    QString name;
    QString content;
};

// What the add-note window held once its save had run.
struct AddNoteOutcome {
    bool stillOpen = false;
    QString name;
    QString content;
};

class FaultTest : public UiTest {
public:
    // For the faults, which change the store from outside the test.
    using UiTest::storeRoot;
    // The note A/x that the faults meet.
    static fs::path noteFile() { return storeRoot() / "A" / "x.txt"; }

protected:
    void TearDown() override;

    // Every file and folder of the store, none when the store has gone.
    static std::map<std::string, std::string> storeNow();

    // Expands the tree and selects the note at "category/note".
    void selectNote(const QString& path);

    // Opens the add-note window, types, runs `beforeSave` and presses 保存;
    // a window that stays open is then closed with Esc. The boxes the save
    // shows are answered with 确定.
    AddNoteOutcome addNote(const AddNoteTyping& typing, const std::function<void()>& beforeSave, int boxes);

    // Makes the fault real; the seam's calls stay until the test ends.
    void arrange(const WindowFault& fault);

private:
    std::optional<FailingCalls> m_failing;
};
