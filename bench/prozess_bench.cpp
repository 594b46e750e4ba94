// The batch exporter's default export as a whole process, side by side with
// a small C program that writes a file of the same size, and the peak
// resident memory of each (measured from a small parent of its own).
#include "spitze.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
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

// A series of default designs: one plan of N lines against N single runs
// of the exporter, side by side; items are files, so that items_per_second
// shows whether a plan of 10,000 costs ten times a plan of 1,000. The second
// argument is how many files share a folder: the writer looks through the
// target's folder for temporary files left by killed runs each time, so a
// folder of 10,000 costs more per file than ten folders of 1,000.
const int REIHE = 1000;

std::string Reihenordner(const char *szArt)
{
    const std::string ordner = "/tmp/wlr7-reihe-" + std::string(szArt) + "-" + std::to_string(getpid());
    mkdir(ordner.c_str(), 0700);
    return ordner;
}

void Aufraeumen(const std::string &ordner) { Laufen({"/bin/rm", "-rf", ordner}); }

void Plan(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0)), iJeOrdner = static_cast<int>(state.range(1));
    const std::string ordner = Reihenordner("plan"), plan = ordner + "/plan.tsv";
    {
        std::ofstream aus(plan);
        aus << "output\n";
        for (int i = 0; i < n; ++i) {
            const std::string teil = ordner + "/" + std::to_string(i / iJeOrdner);
            if (i % iJeOrdner == 0)
                mkdir(teil.c_str(), 0700);
            aus << teil << "/k" << i << ".txt\n";
        }
    }
    for (auto _ : state) {
        if (!Laufen({WLR7_EXPORT, "--plan", plan})) {
            state.SkipWithError("Plan gescheitert");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * n);
    Aufraeumen(ordner);
}
BENCHMARK(Plan)
    ->Args({REIHE, REIHE})
    ->Args({10 * REIHE, REIHE})
    ->Args({10 * REIHE, 10 * REIHE})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void Einzelexporte(benchmark::State &state)
{
    const std::string ordner = Reihenordner("einzeln");
    for (auto _ : state) {
        for (int i = 0; i < REIHE; ++i)
            if (!Laufen({WLR7_EXPORT, "--output", ordner + "/k" + std::to_string(i) + ".txt"})) {
                state.SkipWithError("Export gescheitert");
                break;
            }
    }
    state.SetItemsProcessed(state.iterations() * REIHE);
    Aufraeumen(ordner);
}
BENCHMARK(Einzelexporte)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
