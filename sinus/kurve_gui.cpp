// The curve on the panel: generated and drawn on the graph with axes read
// in seconds and volts.
#include "Sinuserzeugung_gui.h"

#include "ZEM_errorV3.h"
#include "toolkit_gui.h"
#include "wlr7sinus_uir.h"

#include <cstdlib>

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
    return 0;
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
