// The process of a window benchmark starts as the program's does: the
// platform first (the application, the program directory), on the offscreen
// platform, then the benchmarks in place of the program.

#include "platform/Process.h"

#include <QByteArray>

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return platform::runPlatform(argc, argv, [] {
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        return 0;
    });
}
