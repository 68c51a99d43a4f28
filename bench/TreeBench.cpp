// refreshCategoryTree on the real tree of the main window, over stores of
// 1,000, 10,000 and 100,000 notes in 100 categories; each run rebuilds a tree
// that the last one filled, as every refresh after the start does.

#include "BenchStores.h"
#include "WindowDriver.h"
#include "ui/CategoryTree.h"

#include <QTreeWidget>

#include <benchmark/benchmark.h>

namespace {

using bench::Clock;

int itemCount(QTreeWidget* tree)
{
    int count = tree->topLevelItemCount();
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        count += tree->topLevelItem(i)->childCount();
    return count;
}

void refreshingTheTree(benchmark::State& state)
{
    int notes = static_cast<int>(state.range(0));
    bench::ShownStore shown(bench::storeOfNotes(notes));
    bench::OpenedMainWindow opened;
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        refreshCategoryTree(opened.window().categoryTree());
        state.SetIterationTime(bench::secondsSince(start));
        bench::settle();
    }
    if (itemCount(opened.tree()) != notes + 100)
        state.SkipWithError("the tree does not show the whole store");
}

}  // namespace

BENCHMARK(refreshingTheTree)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);
