// The large note selected in the real tree until the editor has its text and
// has painted, and saved back; each against the least its work needs: reading
// the file and one raw iconv pass, or one raw iconv pass and writing and
// flushing the same bytes.

#include "BenchStores.h"
#include "Floors.h"
#include "WindowDriver.h"
#include "app/Globals.h"
#include "app/ProgramDirectory.h"
#include "editor/CodeEditor.h"
#include "platform/Toolkit.h"
#include "platform/TextConverter.h"
#include "store/NoteStore.h"
#include "store/TextEncoding.h"

#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string_view>

namespace {

using bench::Clock;

QString largeNotePath()
{
    const bench::LargeNoteStore& store = bench::largeNoteStore();
    return QString::fromStdString(store.category + "/" + store.largeNote);
}

QString smallNotePath()
{
    const bench::LargeNoteStore& store = bench::largeNoteStore();
    return QString::fromStdString(store.category + "/" + store.smallNote);
}

std::string fileBytes(const bench::fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

benchmark::Counter averageMilliseconds(const benchmark::State&, double totalSeconds)
{
    return benchmark::Counter(totalSeconds * 1000, benchmark::Counter::kAvgIterations);
}

void selectingTheLargeNote(benchmark::State& state)
{
    bench::ShownStore shown(bench::largeNoteStore().root);
    bench::OpenedMainWindow opened;
    opened.tree()->expandAll();
    bench::PaintWatch painted(opened.editorViewport());
    for (auto _ : state) {
        // From another note, so that the selection changes and the editor's text is replaced.
        opened.click(opened.item(smallNotePath()));
        bench::settle();
        painted.reset();
        Clock::time_point start = Clock::now();
        opened.click(opened.item(largeNotePath()));
        painted.waitForPaint();
        state.SetIterationTime(bench::secondsSince(start));
    }
    if (TheEditor->getTextLength() != static_cast<LRESULT>(bench::largeNoteUtf8().size()))
        state.SkipWithError("the editor does not hold the large note");
}

// The same steps one at a time, to tell where the time of a selection goes.
void selectingTheLargeNoteStepByStep(benchmark::State& state)
{
    const bench::LargeNoteStore& store = bench::largeNoteStore();
    bench::ShownStore shown(store.root);
    bench::OpenedMainWindow opened;
    bench::PaintWatch painted(opened.editorViewport());
    NoteStore notes(programDirectory());
    std::string category = platform::gbkFromUtf8(store.category).value();
    std::string note = platform::gbkFromUtf8(store.largeNote).value();
    double reading = 0, converting = 0, replacing = 0, painting = 0;
    for (auto _ : state) {
        TheEditor->setText("int small;");
        bench::settle();
        painted.reset();
        Clock::time_point start = Clock::now();
        NoteContent content = notes.readNote(category, note);
        Clock::time_point read = Clock::now();
        ConvertedText text = toEditorText(textOfBlock(content.bytes));
        Clock::time_point converted = Clock::now();
        // What the selection sends: the text, reported to no one and without keeping undo copies of it.
        LRESULT reported = TheEditor->sendMessage(SCI_GETMODEVENTMASK);
        TheEditor->sendMessage(SCI_SETMODEVENTMASK, 0);
        TheEditor->setUndoCollection(false);
        TheEditor->setText(text.text);
        TheEditor->setUndoCollection(true);
        TheEditor->emptyUndoBuffer();
        TheEditor->sendMessage(SCI_SETMODEVENTMASK, static_cast<WPARAM>(reported));
        Clock::time_point replaced = Clock::now();
        painted.waitForPaint();
        Clock::time_point end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        reading += std::chrono::duration<double>(read - start).count();
        converting += std::chrono::duration<double>(converted - read).count();
        replacing += std::chrono::duration<double>(replaced - converted).count();
        painting += std::chrono::duration<double>(end - replaced).count();
    }
    state.counters["read_ms"] = averageMilliseconds(state, reading);
    state.counters["convert_ms"] = averageMilliseconds(state, converting);
    state.counters["setText_ms"] = averageMilliseconds(state, replacing);
    state.counters["paint_ms"] = averageMilliseconds(state, painting);
}

void floorOfSelecting(benchmark::State& state)
{
    bench::ShownStore shown(bench::largeNoteStore().root);
    std::string path = bench::largeNoteStore().largeNoteFile(bench::ShownStore::root()).string();
    std::string bytes(bench::largeNoteGbk().size(), '\0');
    std::string utf8(bench::largeNoteUtf8().size(), '\0');
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        bench::rawRead(path, bytes);
        bench::rawConvert("UTF-8", "GBK", bytes, utf8);
        state.SetIterationTime(bench::secondsSince(start));
    }
    if (utf8 != bench::largeNoteUtf8())
        state.SkipWithError("the floor does not give the note's text");
}

void savingTheLargeNote(benchmark::State& state)
{
    bench::ShownStore shown(bench::largeNoteStore().root);
    bench::OpenedMainWindow opened;
    opened.tree()->expandAll();
    opened.click(opened.item(largeNotePath()));
    bench::settle();
    bench::MessageBoxWatch boxes;
    for (auto _ : state) {
        int before = boxes.shown();
        Clock::time_point start = Clock::now();
        opened.clickToolbarButton(QString::fromUtf8("保存编辑内容"));
        if (boxes.shown() != before + 1 || boxes.lastText() != QString::fromUtf8("修改成功")) {
            state.SkipWithError("the save did not say it succeeded");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(boxes.lastShown() - start).count());
        bench::settle();
    }
    if (fileBytes(bench::largeNoteStore().largeNoteFile(bench::ShownStore::root())) != bench::largeNoteGbk())
        state.SkipWithError("the saved note does not hold the note's text");
}

// The same steps one at a time, to tell where the time of a save goes.
void savingTheLargeNoteStepByStep(benchmark::State& state)
{
    const bench::LargeNoteStore& store = bench::largeNoteStore();
    bench::ShownStore shown(store.root);
    bench::OpenedMainWindow opened;
    opened.tree()->expandAll();
    opened.click(opened.item(largeNotePath()));
    bench::settle();
    bench::MessageBoxWatch boxes;
    NoteStore notes(programDirectory());
    std::string category = platform::gbkFromUtf8(store.category).value();
    std::string note = platform::gbkFromUtf8(store.largeNote).value();
    double fetching = 0, converting = 0, writing = 0, telling = 0;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        // What the save reads: the engine's own text, where it lies.
        auto length = static_cast<size_t>(TheEditor->getTextLength());
        std::string_view text(reinterpret_cast<const char*>(TheEditor->sendMessage(SCI_GETCHARACTERPOINTER)), length);
        Clock::time_point fetched = Clock::now();
        ConvertedText gbk = toStoreText(text);
        Clock::time_point converted = Clock::now();
        StoreStatus written = notes.writeNote(category, note, gbk.text);
        Clock::time_point wrote = Clock::now();
        platform::messageBox("ok", MB_OK | MB_ICONINFORMATION);
        state.SetIterationTime(std::chrono::duration<double>(boxes.lastShown() - start).count());
        fetching += std::chrono::duration<double>(fetched - start).count();
        converting += std::chrono::duration<double>(converted - fetched).count();
        writing += std::chrono::duration<double>(wrote - converted).count();
        telling += std::chrono::duration<double>(boxes.lastShown() - wrote).count();
        if (!written.ok())
            state.SkipWithError("the note was not written");
        bench::settle();
    }
    state.counters["fetch_ms"] = averageMilliseconds(state, fetching);
    state.counters["convert_ms"] = averageMilliseconds(state, converting);
    state.counters["write_ms"] = averageMilliseconds(state, writing);
    state.counters["messageBox_ms"] = averageMilliseconds(state, telling);
}

void floorOfSaving(benchmark::State& state)
{
    bench::ShownStore shown(bench::largeNoteStore().root);
    bench::fs::path note = bench::largeNoteStore().largeNoteFile(bench::ShownStore::root());
    std::string path = (note.parent_path() / "floor-of-saving.tmp").string();
    std::string gbk(bench::largeNoteGbk().size(), '\0');
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        bench::rawConvert("GBK", "UTF-8", bench::largeNoteUtf8(), gbk);
        bench::rawWriteAndFlush(path, gbk);
        state.SetIterationTime(bench::secondsSince(start));
    }
    bench::fs::remove(path);
}

}  // namespace

BENCHMARK(selectingTheLargeNote)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(selectingTheLargeNoteStepByStep)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(floorOfSelecting)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(savingTheLargeNote)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(savingTheLargeNoteStepByStep)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(floorOfSaving)->UseManualTime()->Unit(benchmark::kMillisecond);
