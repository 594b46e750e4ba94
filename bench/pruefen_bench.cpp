// wlr7sinus-export --check as a whole process: on the largest valid curve
// file (by bytes) and on 200 MB of random bytes without a line end, read
// up to what a curve file can hold; with the peak resident memory of a run.
#include "spitze.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

const size_t MUELL_MB = 200;
const size_t MB = 1u << 20;

std::string Datei(const char *szName)
{
    return "/tmp/wlr7-pruefen-" + std::to_string(getpid()) + szName;
}

// Runs the exporter with its output on /dev/null; the exit code, or -1.
int Laufen(std::vector<std::string> argumente)
{
    std::vector<char *> argv = {const_cast<char *>(WLR7_EXPORT)};
    for (std::string &a : argumente)
        argv.push_back(&a[0]);
    argv.push_back(nullptr);
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_addopen(&aktionen, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t kind;
    const int iFehler = posix_spawn(&kind, argv[0], &aktionen, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&aktionen);
    int status;
    if (iFehler != 0 || waitpid(kind, &status, 0) < 0 || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// The peak resident memory of one check, in kB, measured by the small parent
// (a child of this large process would count what it shares at the start).
// A shell in between turns findings into success, which that parent wants;
// its own peak is below the exporter's.
double SpitzePruefen(const std::string &datei)
{
    return Spitze({"/bin/sh", "-c", "\"$0\" --check \"$1\" >/dev/null; exit 0", WLR7_EXPORT, datei});
}

void Messen(benchmark::State &state, const std::string &datei, int iErwartet)
{
    for (auto _ : state)
        if (Laufen({"--check", datei}) != iErwartet) {
            state.SkipWithError("unerwarteter Exit-Code");
            break;
        }
    state.counters["SpitzeKB"] = SpitzePruefen(datei);
    unlink(datei.c_str());
}

void PruefenGroessteKurve(benchmark::State &state)
{
    // 16358 points on 100 ms: the longest times, the most bytes a valid file has.
    const std::string datei = Datei(".txt");
    Laufen({"--timebase", "100ms", "--period", "50000", "--periods", "32.716", "--curve", "4", "--output", datei});
    Messen(state, datei, 0);
}
BENCHMARK(PruefenGroessteKurve)->Unit(benchmark::kMillisecond)->UseRealTime();

void PruefenSchwersteKurve(benchmark::State &state)
{
    // The most data lines, unclipped, odd P: its designs fill a band narrower
    // than 1e-4 hundredths, which the model finds and reopens byte for byte.
    const std::string datei = Datei("-schwer.txt");
    Laufen({"--timebase", "1ms", "--period", "16357", "--periods", "1", "--peak", "4", "--offset", "5", "--output", datei});
    Messen(state, datei, 0);
}
BENCHMARK(PruefenSchwersteKurve)->Unit(benchmark::kMillisecond)->UseRealTime();

void PruefenSchwersteKurveMitPhase(benchmark::State &state)
{
    // The same at 120°: no design of phase 0 fits, the phase is free, and
    // every P from the number of lines on is decided by the runs of the values.
    const std::string datei = Datei("-phase.txt");
    Laufen({"--timebase", "1ms", "--period", "16357", "--periods", "1", "--peak", "4", "--offset", "5", "--phase", "120",
            "--output", datei});
    Messen(state, datei, 0);
}
BENCHMARK(PruefenSchwersteKurveMitPhase)->Unit(benchmark::kMillisecond)->UseRealTime();

void PruefenSchwersteKurveMitPhase90(benchmark::State &state)
{
    // At 90° the values fall and rise once: P from the number of lines on
    // is open upwards, and its ranges are refused whole until one P is left.
    const std::string datei = Datei("-phase90.txt");
    Laufen({"--timebase", "1ms", "--period", "16357", "--periods", "1", "--peak", "4", "--offset", "5", "--phase", "90",
            "--output", datei});
    Messen(state, datei, 0);
}
BENCHMARK(PruefenSchwersteKurveMitPhase90)->Unit(benchmark::kMillisecond)->UseRealTime();

void PruefenMuell(benchmark::State &state)
{
    const std::string datei = Datei(".muell");
    std::vector<char> block(MB);
    unsigned zustand = 1;
    const int fd = open(datei.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    for (size_t mb = 0; mb < MUELL_MB; ++mb) {
        for (char &c : block) {
            zustand = zustand * 1103515245u + 12345u;
            c = static_cast<char>(zustand >> 23);
            c = c == '\n' ? ' ' : c;
        }
        if (write(fd, block.data(), block.size()) != static_cast<ssize_t>(block.size()))
            state.SkipWithError("kein Platz für die Datei");
    }
    close(fd);
    Messen(state, datei, 1);
}
BENCHMARK(PruefenMuell)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
