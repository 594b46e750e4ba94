// The curve on the panel: generated and drawn on the graph with axes read
// in seconds and volts.
#include "Sinuserzeugung_gui.h"

#include "ZEM_errorV3.h"
#include "toolkit_gui.h"
#include "wlr7sinus_uir.h"

#include <cstdlib>
#include <vector>

namespace {

const size_t STATUS_GROESSE = 300;

}  // namespace

int Sinus_Berechnen(void)
{
    const int iCode = Sinus_Generieren();
    if (iCode != 0)
        return iCode;  // the graph keeps the previous curve
    SetCtrlAttribute(gPanelMain, GRAPH, ATTR_YAXIS_GAIN, 1.0 / gSinus.dFaktor);
    SetCtrlAttribute(gPanelMain, GRAPH, ATTR_XAXIS_GAIN,
                     gSinus.dPeriodendauer / gSinus.iPunkteProPeriode / 1000.0);
    DeleteGraphPlot(gPanelMain, GRAPH, -1, 1);
    const int iFarbe = MakeColor(0, 153, 255);
    PlotY(gPanelMain, GRAPH, gSinus.pdWerte, gSinus.iAnzahlPunkte, 4, 6, 24, 0, 1, iFarbe);
    Sinus_Anzeigen();
    return 0;
}

// The status line and the marks of the stretches held at 0 or 100 %, so
// that a clipped test signal is never exported unnoticed. They read gSinus
// and change nothing in it.
void Sinus_Anzeigen(void)
{
    double dZeitbasisMs = 1.0;  // the warning of a missing label came with the read
    Zeitbasis_Suchen(gEingabe.szZeitbasis, &dZeitbasisMs);
    char szStatus[STATUS_GROESSE];
    Sinus_StatusText(&gSinus, dZeitbasisMs, szStatus, sizeof szStatus);
    SetCtrlVal(gPanelMain, STATUSZEILE, szStatus);

    static std::vector<int> von, bis, oben;
    const int iAnzahl = Sinus_BegrenzteStrecken(&gSinus, nullptr, nullptr, nullptr, 0);
    von.resize(static_cast<size_t>(iAnzahl));
    bis.resize(von.size());
    oben.resize(von.size());
    Sinus_BegrenzteStrecken(&gSinus, von.data(), bis.data(), oben.data(), iAnzahl);
    TK_GraphMarkieren(gPanelMain, GRAPH, von.data(), bis.data(), oben.data(), iAnzahl);
}

int Sinus_Initialisieren(void)
{
    gSinus.iAnzahlPunkte = 0;
    gSinus.pdWerte = static_cast<double *>(malloc(0));
    Sinus_EingabenLesen();
    const int iCode = Sinus_Berechnen();
    if (iCode != 0)
        ZEM_Fehlerpopup(iCode);
    return 0;
}
