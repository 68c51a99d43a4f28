// The encoding bridge over the large note, against one raw iconv pass over
// the same bytes into a buffer that already has the result's size.

#include "BenchStores.h"
#include "Floors.h"
#include "store/TextEncoding.h"

#include <benchmark/benchmark.h>

namespace {

void checkConversion(benchmark::State& state, const ConvertedText& converted, const std::string& expected)
{
    if (converted.failed || converted.text != expected)
        state.SkipWithError("the conversion does not give the expected text");
}

void toEditorTextOfLargeNote(benchmark::State& state)
{
    const std::string& gbk = bench::largeNoteGbk();
    checkConversion(state, toEditorText(gbk), bench::largeNoteUtf8());
    for (auto _ : state)
        benchmark::DoNotOptimize(toEditorText(gbk));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * gbk.size()));
}

void toStoreTextOfLargeNote(benchmark::State& state)
{
    const std::string& utf8 = bench::largeNoteUtf8();
    checkConversion(state, toStoreText(utf8), bench::largeNoteGbk());
    for (auto _ : state)
        benchmark::DoNotOptimize(toStoreText(utf8));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * utf8.size()));
}

void rawConversion(benchmark::State& state, const char* target, const char* source, const std::string& input,
                   const std::string& expected)
{
    std::string output(expected.size(), '\0');
    bench::rawConvert(target, source, input, output);
    if (output != expected)
        state.SkipWithError("the raw conversion does not give the expected text");
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench::rawConvert(target, source, input, output));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
}

void floorGbkToUtf8OfLargeNote(benchmark::State& state)
{
    rawConversion(state, "UTF-8", "GBK", bench::largeNoteGbk(), bench::largeNoteUtf8());
}

void floorUtf8ToGbkOfLargeNote(benchmark::State& state)
{
    rawConversion(state, "GBK", "UTF-8", bench::largeNoteUtf8(), bench::largeNoteGbk());
}

}  // namespace

BENCHMARK(toEditorTextOfLargeNote)->Unit(benchmark::kMillisecond);
BENCHMARK(floorGbkToUtf8OfLargeNote)->Unit(benchmark::kMillisecond);
BENCHMARK(toStoreTextOfLargeNote)->Unit(benchmark::kMillisecond);
BENCHMARK(floorUtf8ToGbkOfLargeNote)->Unit(benchmark::kMillisecond);
