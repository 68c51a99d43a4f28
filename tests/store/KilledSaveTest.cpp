#include "LargeNote.h"
#include "StoreFixture.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string_view>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using Names = std::vector<std::string>;

// Saves the two contents in turn until killed, with a byte to `saved` after each save.
[[noreturn]] void saveInTurns(const NoteStore& notes, const std::string& first, const std::string& second, int saved)
{
    const char done = 1;
    for (bool useFirst = true;; useFirst = !useFirst) {
        if (!notes.writeNote("Cat", "note", useFirst ? first : second).ok() || ::write(saved, &done, 1) != 1)
            ::_exit(1);
    }
}

// A child that saves in turn is killed with SIGKILL once it has finished
// `saves` saves and `pause` has passed after that.
void killWhileSaving(
    const NoteStore& notes, const std::string& first, const std::string& second, int saves, Clock::duration pause)
{
    int channel[2];
    ASSERT_EQ(::pipe(channel), 0);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(channel[0]);
        saveInTurns(notes, first, second, channel[1]);
    }
    ::close(channel[1]);
    char done = 0;
    for (int save = 0; save < saves && ::read(channel[0], &done, 1) == 1; ++save) { }
    std::this_thread::sleep_for(pause);
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::close(channel[0]);
    EXPECT_TRUE(WIFSIGNALED(status)) << "the child ended by itself with " << status;
}

bool isTemporaryFileName(const std::string& name)
{
    const std::string_view prefix = ".quillery-", suffix = ".tmp";
    if (name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) || !name.ends_with(suffix))
        return false;
    const std::string_view number(name.data() + prefix.size(), name.size() - prefix.size() - suffix.size());
    return number.find_first_not_of("0123456789") == std::string_view::npos;
}

TEST_F(StoreTest, ASaveKilledAtAnyMomentLeavesTheNoteWhollyOldOrWhollyNew)
{
    const std::string older = largeGbkNote(12 << 20, "旧");
    const std::string newer = largeGbkNote(9 << 20, "新");
    fs::create_directory(root() / "Cat");
    NoteStore notes = store();
    const Clock::time_point start = Clock::now();
    ASSERT_TRUE(notes.writeNote("Cat", "note", older).ok());
    const Clock::duration oneSave = Clock::now() - start;

    for (int attempt = 0; attempt < 40; ++attempt) {
        SCOPED_TRACE("attempt " + std::to_string(attempt));
        const bool heldOlder = fileBytes(root() / "Cat" / "note.txt") == older;
        // Killed during the first, second or third save, at moments spread over a whole save.
        killWhileSaving(
            notes, heldOlder ? newer : older, heldOlder ? older : newer, attempt % 3, oneSave * (attempt % 8) / 7);

        const std::string now = fileBytes(root() / "Cat" / "note.txt");
        EXPECT_TRUE(now == older || now == newer) << "a note of " << now.size() << " bytes";
        // A killed save leaves its temporary file beside the note, which no listing shows.
        EXPECT_EQ(drain(notes.listNotes("Cat")), Names { "note.txt" });
        EXPECT_EQ(drain(notes.listCategories()), Names { "Cat" });
        for (const std::string& name : entryNames(root() / "Cat")) {
            if (name == "note.txt")
                continue;
            EXPECT_TRUE(isTemporaryFileName(name)) << name;
            fs::remove(root() / "Cat" / name);
        }
    }
}

} // namespace
