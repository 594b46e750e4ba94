// The commit cycle a user waits for (coupling, reading, generation, redraw
// of the whole panel) and the graph's redraw alone, at the default 22
// values and at the largest curve, 16360.
#include "Sinuserzeugung_gui.h"
#include "toolkit_gui.h"
#include "treiber.h"
#include "wlr7sinus_main.h"
#include "wlr7sinus_uir.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

void PanelLaden(bool grosseKurve)
{
    SetCallbackTable(gRueckrufe, iRueckrufe);
    gPanelMain = LoadPanel(0, "wlr7sinus_uir.uir", PNLMAIN);
    if (grosseKurve) {
        SetCtrlIndex(gPanelMain, ZEITBASIS, 4);  // 1ms
        SetCtrlVal(gPanelMain, PERIODENDAUER, 16358.0);
    }
    Sinus_Initialisieren();
    DisplayPanel(gPanelMain);
    TK_Zeichnen(gPanelMain);
}

void Zyklus(benchmark::State &state)
{
    PanelLaden(state.range(0) > 22);
    for (auto _ : state) {
        Eingabe(gPanelMain, AMPLITUDEDACH, EVENT_COMMIT, nullptr, 0, 0);
        TK_Zeichnen(gPanelMain);
    }
    state.counters["Werte"] = gSinus.iAnzahlPunkte;
    Sinus_Freigeben();
    DiscardPanel(gPanelMain);
}
BENCHMARK(Zyklus)->Arg(22)->Arg(16360)->Unit(benchmark::kMillisecond);

void GraphNeuZeichnen(benchmark::State &state)
{
    PanelLaden(false);
    std::vector<double> werte(static_cast<size_t>(state.range(0)));
    for (size_t i = 0; i < werte.size(); ++i)
        werte[i] = 50.0 + 50.0 * ((i * 7919) % 101) / 101.0;
    for (auto _ : state) {
        DeleteGraphPlot(gPanelMain, GRAPH, -1, 1);
        PlotY(gPanelMain, GRAPH, werte.data(), static_cast<int>(werte.size()), 4, 6, 24, 0, 1,
              MakeColor(0, 153, 255));
        TK_Zeichnen(gPanelMain);
    }
    Sinus_Freigeben();
    DiscardPanel(gPanelMain);
}
BENCHMARK(GraphNeuZeichnen)->Arg(22)->Arg(16360)->Unit(benchmark::kMillisecond);

}  // namespace
