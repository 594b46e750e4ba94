// The batch exporter's default export as a whole process, side by side with
// a small C program that writes a file of the same size, and the peak
// resident memory of each (measured from a small parent of its own).
#include "spitze.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

std::string Ziel() { return "/tmp/wlr7-prozess-" + std::to_string(getpid()) + ".txt"; }

// Runs a program to its end; false when it failed.
bool Laufen(std::vector<std::string> argumente)
{
    std::vector<char *> argv;
    for (std::string &a : argumente)
        argv.push_back(&a[0]);
    argv.push_back(nullptr);
    pid_t kind;
    if (posix_spawn(&kind, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status;
    waitpid(kind, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void Messen(benchmark::State &state, const std::vector<std::string> &argumente)
{
    for (auto _ : state) {
        if (!Laufen(argumente)) {
            state.SkipWithError("Programm gescheitert");
            break;
        }
    }
    state.counters["SpitzeKB"] = Spitze(argumente);
}

void Exporter(benchmark::State &state)
{
    Messen(state, {WLR7_EXPORT, "--output", Ziel()});
    unlink(Ziel().c_str());
}
BENCHMARK(Exporter)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same run into /dev/null: the process without the file's creation and
// its two syncs (the file before the rename, the folder after it), which
// the yardstick, closing without a sync, does not pay.
void ExporterOhneDatei(benchmark::State &state) { Messen(state, {WLR7_EXPORT, "--output", "/dev/null"}); }
BENCHMARK(ExporterOhneDatei)->Unit(benchmark::kMillisecond)->UseRealTime();

void KleinesCProgramm(benchmark::State &state)
{
    // The same size as the exporter's default file.
    Laufen({WLR7_EXPORT, "--output", Ziel()});
    struct stat st;
    stat(Ziel().c_str(), &st);
    Messen(state, {WLR7_KLEIN, Ziel(), std::to_string(st.st_size)});
    unlink(Ziel().c_str());
}
BENCHMARK(KleinesCProgramm)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
