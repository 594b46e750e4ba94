// The curve on the panel: generated and drawn on the graph with axes read
// in seconds and volts, the ideal sine as typed behind it, the status line
// and the warnings of what the rig will play.
#include "Sinuserzeugung_gui.h"

#include "Sinusanalyse.h"
#include "ZEM_errorV3.h"
#include "toolkit_gui.h"
#include "wlr7sinus_uir.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

const size_t STATUS_GROESSE = 1200;
const size_t WARNUNGEN_GROESSE = 600;
const int IDEAL_MAX = 8192;  // points of the ideal sine, enough for 100 periods

// The choice of the time axis holds until the program ends.
int gWieExportiert = 0;
Zeitachse gAchse;
Kurvenanalyse gAnalyse;

double ZeitbasisMs()
{
    double dMs = 1.0;  // the warning of a missing label came with the read
    Zeitbasis_Suchen(gEingabe.szZeitbasis, &dMs);
    return dMs;
}

void Ablesung(int iIndex, char *szText, size_t iGroesse)
{
    Sinus_Ablesung(&gSinus, &gAchse, ZeitbasisMs(), iIndex, szText, iGroesse);
}

}  // namespace

int Sinus_Berechnen(void)
{
    const int iCode = Sinus_Generieren();
    if (iCode != 0)
        return iCode;  // the graph keeps the previous curve
    Sinus_Zeichnen();
    return 0;
}

void Sinus_Zeichnen(void)
{
    Sinus_Zeitachse(&gSinus, ZeitbasisMs(), gWieExportiert, &gAchse);
    SetCtrlAttribute(gPanelMain, GRAPH, ATTR_YAXIS_GAIN, 1.0 / gSinus.dFaktor);
    SetCtrlAttribute(gPanelMain, GRAPH, ATTR_XAXIS_GAIN, gAchse.dSchrittS);
    DeleteGraphPlot(gPanelMain, GRAPH, -1, 1);
    // The ideal sine first, so that it lies behind the samples.
    static double ideal[IDEAL_MAX];
    double dSchrittX = 1.0;
    const int iIdeal = Sinus_Ideal(&gSinus, &gAchse, ideal, IDEAL_MAX, &dSchrittX);
    if (iIdeal > 0)
        PlotWaveform(gPanelMain, GRAPH, ideal, iIdeal, 4, 1.0, 0.0, 0.0, dSchrittX, 0, 0, 0, 1,
                     MakeColor(160, 160, 160));
    PlotY(gPanelMain, GRAPH, gSinus.pdWerte + gAchse.iErster, gAchse.iAnzahl, 4, 6, 24, 0, 1, MakeColor(0, 153, 255));
    Sinus_ReferenzZeichnen(&gAchse);
    TK_GraphAblesungSetzen(gPanelMain, GRAPH, Ablesung);
    Sinus_Anzeigen();
}

void Sinus_ZeitachseSetzen(int bWieExportiert)
{
    gWieExportiert = bWieExportiert != 0;
    Sinus_Zeichnen();
}

const Kurvenanalyse *Sinus_Analyse(void)
{
    return &gAnalyse;
}

int Sinus_ZeitachseWieExportiert(void)
{
    return gWieExportiert;
}

// The status line, the warnings and the marks of the stretches held at 0
// or 100 %, so that a curve that is not what was typed is never exported
// unnoticed. They read gSinus and change nothing in it.
void Sinus_Anzeigen(void)
{
    Analyse_Kurve(&gEingabe, &gSinus, &gAnalyse);
    char szStatus[STATUS_GROESSE], szWarnungen[WARNUNGEN_GROESSE];
    Sinus_StatusText(&gSinus, &gAnalyse, szStatus, sizeof szStatus);
    if (Sinus_ReferenzDa()) {
        char szReferenz[STATUS_GROESSE * 3];
        Sinus_ReferenzText(szReferenz, sizeof szReferenz);
        TK_TextAnhaengen(szStatus, sizeof szStatus, "\n");
        TK_TextAnhaengen(szStatus, sizeof szStatus, szReferenz);
    }
    SetCtrlVal(gPanelMain, STATUSZEILE, szStatus);
    TK_Warnfarbe(gPanelMain, STATUSZEILE, 0);  // a note of the last commit made it orange
    if (Analyse_Warnungen(&gAnalyse, szWarnungen, sizeof szWarnungen) == 0)
        szWarnungen[0] = '\0';
    SetCtrlVal(gPanelMain, WARNZEILE, szWarnungen);

    static std::vector<int> von, bis, oben;
    const int iAnzahl = Sinus_BegrenzteStrecken(&gSinus, nullptr, nullptr, nullptr, 0);
    von.resize(static_cast<size_t>(iAnzahl));
    bis.resize(von.size());
    oben.resize(von.size());
    Sinus_BegrenzteStrecken(&gSinus, von.data(), bis.data(), oben.data(), iAnzahl);
    for (size_t i = 0; i < von.size(); ++i) {  // in the shown elements
        von[i] = std::max(0, von[i] - gAchse.iErster);
        bis[i] = std::max(0, bis[i] - gAchse.iErster);
    }
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
