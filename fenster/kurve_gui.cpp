// The curve on the panel: drawn on the graph with axes read in seconds and
// volts, the ideal sine as typed behind it, the reference over it.
#include "Sinuserzeugung_gui.h"

#include "Kurvenformat.h"
#include "ZEM_errorV3.h"
#include "toolkit_gui.h"
#include "wlr7sinus_uir.h"
#include "zustand.h"

#include <cstdlib>

Eingabewerte gEingabe;
Sinuskurve gSinus;
Fensterzustand gFenster;

namespace {

const int IDEAL_MAX = 8192;  // points of the ideal sine, enough for 100 periods
const int PLOT_DICKE = 4;    // plot styles and sizes as the graph takes them
const int PLOT_STUFEN = 6;
const int PLOT_PUNKT = 24;
const int FARBE_IDEAL = 160; // grey, each of red, green and blue

void Ablesung(int iIndex, char *szText, size_t iGroesse)
{
    Sinus_Ablesung(&gSinus, &gFenster.achse, Zeitbasis_Ms(gEingabe.szZeitbasis), iIndex, szText, iGroesse);
}

}  // namespace

int Sinus_Berechnen(void)
{
    if (gFenster.iErzeugung != 0)
        return gFenster.iErzeugung;  // the graph keeps the previous curve
    Sinus_Zeichnen();
    return 0;
}

void Sinus_Zeichnen(void)
{
    // A reference lies on the file's time axis: the curve is drawn on the
    // same one while it is shown, so that an equal file lies exactly on it.
    const int bReferenz = Sinus_ReferenzDa();
    TK_MenuHaken(gPanelMain, ZEITACHSE, gFenster.bWieExportiert || bReferenz);
    TK_MenuDimmen(gPanelMain, ZEITACHSE, bReferenz);
    Zeitachse &achse = gFenster.achse;
    Sinus_Zeitachse(&gSinus, Zeitbasis_Ms(gEingabe.szZeitbasis), gFenster.bWieExportiert || bReferenz, &achse);
    // The old plots go first, so that new gains lay out no curve that is about to go.
    DeleteGraphPlot(gPanelMain, GRAPH, -1, 1);
    SetCtrlAttribute(gPanelMain, GRAPH, ATTR_YAXIS_GAIN, 1.0 / gSinus.dFaktor);
    SetCtrlAttribute(gPanelMain, GRAPH, ATTR_XAXIS_GAIN, achse.dSchrittS);
    SetCtrlAttribute(gPanelMain, GRAPH, ATTR_XNAME,
                     gFenster.bWieExportiert || bReferenz ? SINUS_TEXT_ACHSE_WIE_EXPORTIERT : SINUS_TEXT_ACHSE_ZEIT);
    TK_GraphYBereich(gPanelMain, GRAPH, KURVENFORMAT_WERT_MIN / 100.0, KURVENFORMAT_WERT_MAX / 100.0);
    // The ideal sine first, so that it lies behind the samples.
    static double ideal[IDEAL_MAX];
    double dSchrittX = 1.0;
    const int iIdeal = Sinus_Ideal(&gSinus, &achse, ideal, IDEAL_MAX, &dSchrittX);
    const int iIdealPlot = iIdeal > 0 ? PlotWaveform(gPanelMain, GRAPH, ideal, iIdeal, PLOT_DICKE, 1.0, 0.0, 0.0,
                                                     dSchrittX, 0, 0, 0, 1,
                                                     MakeColor(FARBE_IDEAL, FARBE_IDEAL, FARBE_IDEAL))
                                      : -1;
    const int iKurvePlot = PlotY(gPanelMain, GRAPH, gSinus.pdWerte + achse.iErster, achse.iAnzahl, PLOT_DICKE,
                                 PLOT_STUFEN, PLOT_PUNKT, 0, 1, MakeColor(0, 153, 255));
    // The legend names what is drawn, and only beside a reference.
    if (bReferenz) {
        SetPlotAttribute(gPanelMain, GRAPH, iKurvePlot, ATTR_PLOT_LG_TEXT, SINUS_TEXT_LEGENDE_KURVE);
        if (iIdealPlot > 0)
            SetPlotAttribute(gPanelMain, GRAPH, iIdealPlot, ATTR_PLOT_LG_TEXT, SINUS_TEXT_LEGENDE_IDEAL);
    }
    Sinus_ReferenzZeichnen(&achse);
    TK_GraphAblesungSetzen(gPanelMain, GRAPH, Ablesung);
    Sinus_Anzeigen();
}

void Sinus_ZeitachseSetzen(int bWieExportiert)
{
    gFenster.bWieExportiert = bWieExportiert != 0;
    Sinus_Zeichnen();
}

int Sinus_ZeitachseWieExportiert(void)
{
    return gFenster.bWieExportiert;
}

const Kurvenanalyse *Sinus_Analyse(void)
{
    return &gFenster.analyse;
}

int Sinus_Initialisieren(void)
{
    TK_GraphSpeichernSetzen(gPanelMain, GRAPH, Sinus_GrafikSpeichern);
    Sinus_FelderEinrichten();
    gSinus.iAnzahlPunkte = 0;
    gSinus.pdWerte = static_cast<double *>(malloc(0));
    Sinus_EingabenLesen();
    const int iCode = Sinus_Berechnen();
    if (iCode != 0)
        ZEM_Fehlerpopup(iCode);
    return 0;
}

void Sinus_Freigeben(void)
{
    Sinus_KurveFreigeben(&gSinus);
}
