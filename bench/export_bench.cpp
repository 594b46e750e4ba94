// Exporting the largest curve (16360 values, unbuffered line by line) next
// to a plain buffered fprintf loop writing the same lines.
#include "Sinusschritt.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

std::string Ziel()
{
    return "/tmp/wlr7-bench-" + std::to_string(getpid()) + ".txt";
}

Eingabewerte gEingabe = {10.0, 5.0, 3.536, 5.0, 1000.0 / 16358.0, 16358.0, 1.0, 0.0, 4, "1ms", 1};
Sinuskurve gSinus;

void GrosseKurve()
{
    Sinus_Schritt(&gEingabe, &gSinus, nullptr, nullptr);
}

void ExportDatei(benchmark::State &state)
{
    GrosseKurve();
    const std::string pfad = Ziel();
    for (auto _ : state)
        benchmark::DoNotOptimize(Sinus_ExportSchreiben(pfad.c_str(), &gEingabe, &gSinus));
    state.counters["Werte"] = gSinus.iAnzahlPunkte;
    unlink(pfad.c_str());
    Sinus_KurveFreigeben(&gSinus);
}
BENCHMARK(ExportDatei)->Unit(benchmark::kMillisecond);

void FprintfSchleife(benchmark::State &state)
{
    GrosseKurve();
    const std::string pfad = Ziel();
    const char *kopf[] = {"# Kurven exportiert aus WLR7-Dovarizuz", "# Spalte 1 = Zeit in Sekunden",
                          "# Spalte 2 = Y-Wert in Prozent", "# Spalte 3 = Zeitbasis", "# Spalte 4 = Kuvennummer", ""};
    for (auto _ : state) {
        FILE *f = std::fopen(pfad.c_str(), "w");
        for (const char *k : kopf)
            std::fprintf(f, "%s\n", k);
        double t = 0.0;
        for (int i = 1; i < gSinus.iAnzahlPunkte; ++i) {
            std::fprintf(f, "%.5f\t%.2f\t%s\t%d\n", t, gSinus.pdWerte[i], gEingabe.szZeitbasis, gEingabe.iKurvennummer);
            t += 0.001;
        }
        std::fprintf(f, "\n");
        std::fclose(f);
    }
    unlink(pfad.c_str());
    Sinus_KurveFreigeben(&gSinus);
}
BENCHMARK(FprintfSchleife)->Unit(benchmark::kMillisecond);

}  // namespace
