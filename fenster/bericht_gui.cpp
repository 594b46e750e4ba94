// Datei > Grafik speichern: the report picture of the curve, with the
// inputs in its title line and the status below the graph.
#include "Sinuserzeugung_gui.h"

#include "toolkit_gui.h"
#include "wlr7sinus_uir.h"
#include "zustand.h"

namespace {

const size_t TEXT_GROESSE = 1200;

}  // namespace

void Sinus_GrafikSpeichern(void)
{
    static char szPfad[FENSTER_PFAD_GROESSE];
    if (FileSelectPopup("", "*.png", "*.png;*.svg", SINUS_TEXT_BERICHT_TITEL, 1, 0, 0, 1, 1, szPfad, sizeof szPfad) <= 0)
        return;
    char szTitel[TEXT_GROESSE], szStatus[TEXT_GROESSE];
    Sinus_BerichtTitel(&gEingabe, Sinus_Analyse(), szTitel, sizeof szTitel);
    GetCtrlVal(gPanelMain, STATUSZEILE, szStatus, sizeof szStatus);
    if (TK_BerichtSpeichern(gPanelMain, GRAPH, szTitel, szStatus, szPfad) != 0) {
        static char szText[FENSTER_PFAD_GROESSE + 100];
        TK_TextKopieren(szText, sizeof szText, SINUS_TEXT_BERICHT_FEHLER);
        TK_TextAnhaengen(szText, sizeof szText, szPfad);
        MessagePopup(SINUS_TEXT_FEHLER, szText);
    }
}
