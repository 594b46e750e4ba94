// Datei > Grafik speichern: the report picture of the curve, with the
// inputs in its title line and the status below the graph.
#include "Sinuserzeugung_gui.h"

#include "Fenstertexte.h"
#include "toolkit_gui.h"
#include "wlr7sinus_uir.h"
#include "zustand.h"

namespace {

const size_t TEXT_GROESSE = 1200;

}  // namespace

// The graph's own "Grafik speichern" in its right-click menu calls this too.
void Fenster_GrafikSpeichern(void)
{
    static char szPfad[FENSTER_PFAD_GROESSE];
    if (FileSelectPopup("", "*.png", FENSTER_TEXT_FILTER_BILDER, FENSTER_TEXT_BERICHT_TITEL, 1, 0, 0, 1, 1, szPfad,
                        sizeof szPfad) <= 0)
        return;
    // Below the graph: the status line, then every warning on a line of its own.
    char szTitel[TEXT_GROESSE], szFuss[TEXT_GROESSE * 2], szWarnungen[TEXT_GROESSE];
    Sinus_BerichtTitel(&gEingabe, &gFenster.analyse, szTitel, sizeof szTitel);
    GetCtrlVal(gPanelMain, STATUSZEILE, szFuss, sizeof szFuss);
    if (GetCtrlVal(gPanelMain, WARNZEILE, szWarnungen, sizeof szWarnungen) == 0 && szWarnungen[0]) {
        TK_TextAnhaengen(szFuss, sizeof szFuss, "\n");
        TK_TextAnhaengen(szFuss, sizeof szFuss, szWarnungen);
    }
    if (TK_BerichtSpeichern(gPanelMain, GRAPH, szTitel, szFuss, szPfad) != 0) {
        static char szText[FENSTER_PFAD_GROESSE + TEXT_GROESSE];
        TK_TextKopieren(szText, sizeof szText, FENSTER_TEXT_BERICHT_FEHLER);
        TK_TextAnhaengen(szText, sizeof szText, szPfad);
        TK_TextAnhaengen(szText, sizeof szText, "\n");
        TK_TextAnhaengen(szText, sizeof szText, TK_BerichtGrund());
        MessagePopup(SINUS_TEXT_FEHLER, szText);
    }
}
