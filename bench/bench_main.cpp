// Starts the toolkit offscreen (unless a display is named) and runs the
// benchmarks.
#include "toolkit_gui.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (InitCVIRTEEx(nullptr, argv, nullptr) == 0) {
        std::fprintf(stderr, "Keine Anzeige.\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
