// The program's start on a store of 1,000 notes until the main window is shown
// with its editor configured and painted, and the peak memory of a start on
// 100,000 notes. The start fixes global state once per process (the program
// directory, the editor's window and hook, the loaded engine), so each run is
// a fresh process: the start-up probe, which is the program's own start with a
// watcher that reports when the editor first painted.

#include "BenchStores.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

struct ProbeRun {
    double seconds = 0;
    double peakMegabytes = 0;
    bool ok = false;
};

std::vector<std::string> environmentOffscreen()
{
    std::vector<std::string> variables;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        if (!std::string_view(*variable).starts_with("QT_QPA_PLATFORM="))
            variables.emplace_back(*variable);
    }
    variables.emplace_back("QT_QPA_PLATFORM=offscreen");
    return variables;
}

// From the spawn of the process to the time it reports; its peak resident memory as the kernel kept it.
ProbeRun runProbe()
{
    static const std::string probe = (bench::benchmarkFolder() / "quillery_startup_probe").string();
    static std::vector<std::string> variables = environmentOffscreen();
    std::vector<char*> environment;
    for (std::string& variable : variables)
        environment.push_back(variable.data());
    environment.push_back(nullptr);

    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    char* arguments[] = {const_cast<char*>(probe.c_str()), nullptr};
    auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    int spawned = posix_spawn(&child, probe.c_str(), &actions, nullptr, arguments, environment.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    std::string said;
    char buffer[64];
    for (ssize_t count; spawned == 0 && (count = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        said.append(buffer, static_cast<size_t>(count));
    ::close(pipeEnds[0]);
    if (spawned != 0)
        return {};
    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || said.empty())
        return {};
    auto shown = std::chrono::steady_clock::time_point(std::chrono::nanoseconds(std::stoll(said)));
    return {std::chrono::duration<double>(shown - start).count(), usage.ru_maxrss / 1024.0, true};
}

void startingOn1000Notes(benchmark::State& state)
{
    bench::ShownStore shown(bench::storeOfNotes(1000));
    for (auto _ : state) {
        ProbeRun run = runProbe();
        if (!run.ok) {
            state.SkipWithError("the program did not start and end normally");
            break;
        }
        state.SetIterationTime(run.seconds);
    }
}

void peakMemoryWith100000Notes(benchmark::State& state)
{
    bench::ShownStore shown(bench::storeOfNotes(100000));
    double peak = 0;
    for (auto _ : state) {
        ProbeRun run = runProbe();
        if (!run.ok) {
            state.SkipWithError("the program did not start and end normally");
            break;
        }
        state.SetIterationTime(run.seconds);
        peak = std::max(peak, run.peakMegabytes);
    }
    state.counters["peak_MB"] = peak;
}

}  // namespace

BENCHMARK(startingOn1000Notes)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(peakMemoryWith100000Notes)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
