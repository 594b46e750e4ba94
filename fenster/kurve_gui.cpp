// The window's start and end: the first curve from the panel's defaults,
// and the sample array freed at the end.
#include "Sinuserzeugung_gui.h"

#include "ZEM_errorV3.h"
#include "toolkit_gui.h"
#include "wlr7sinus_uir.h"
#include "zustand.h"

#include <cstdlib>
#include <unistd.h>

int Sinus_Initialisieren(void)
{
    TK_GraphSpeichernSetzen(gPanelMain, GRAPH, Fenster_GrafikSpeichern);
    // The graph shows the curve as the rig plays it, on the file's time
    // column; the axis as designed is one click away.
    gFenster.bWieExportiert = 1;
    for (int r = 0; r < gFenster.iReferenzen; ++r)
        close(gFenster.aReferenzen[r].iKopie);  // references of an earlier panel
    gFenster.iReferenzen = 0;
    gFenster.bGraphGezeichnet = 0;
    Fenster_HinweisLeeren();
    Fenster_VerlaufLeeren();
    Fenster_FelderEinrichten();
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
