// The status line, the warning line and the marks of the stretches held at
// 0 or 100 %, so that a curve that is not what was typed is never exported
// unnoticed. They read the records and change nothing in them.
#include "Sinuserzeugung_gui.h"

#include "toolkit_gui.h"
#include "wlr7sinus_uir.h"
#include "zustand.h"

#include <algorithm>
#include <vector>

namespace {

const size_t STATUS_GROESSE = 1200;
const size_t WARNUNGEN_GROESSE = 600;

// Marks the stretches at a limit, in the shown elements.
void Markieren()
{
    static std::vector<int> von, bis, oben;
    const int iAnzahl = Sinus_BegrenzteStrecken(&gSinus, nullptr, nullptr, nullptr, 0);
    von.resize(static_cast<size_t>(iAnzahl));
    bis.resize(von.size());
    oben.resize(von.size());
    Sinus_BegrenzteStrecken(&gSinus, von.data(), bis.data(), oben.data(), iAnzahl);
    for (size_t i = 0; i < von.size(); ++i) {
        von[i] = std::max(0, von[i] - gFenster.achse.iErster);
        bis[i] = std::max(0, bis[i] - gFenster.achse.iErster);
    }
    TK_GraphMarkieren(gPanelMain, GRAPH, von.data(), bis.data(), oben.data(), iAnzahl);
}

}  // namespace

void Sinus_Anzeigen(void)
{
    char szStatus[STATUS_GROESSE], szWarnungen[WARNUNGEN_GROESSE];
    Sinus_StatusText(&gSinus, &gFenster.analyse, szStatus, sizeof szStatus);
    if (Sinus_ReferenzDa()) {
        char szReferenz[STATUS_GROESSE * 3];
        Sinus_ReferenzText(szReferenz, sizeof szReferenz);
        TK_TextAnhaengen(szStatus, sizeof szStatus, "\n");
        TK_TextAnhaengen(szStatus, sizeof szStatus, szReferenz);
    }
    // A refused commit says so until the next one.
    if (gFenster.szHinweis[0]) {
        TK_TextAnhaengen(szStatus, sizeof szStatus, "\n");
        TK_TextAnhaengen(szStatus, sizeof szStatus, gFenster.szHinweis);
        gFenster.szHinweis[0] = '\0';
    }
    SetCtrlVal(gPanelMain, STATUSZEILE, szStatus);
    if (Analyse_WarnungenText(&gFenster.analyse, 1, szWarnungen, sizeof szWarnungen) == 0)
        szWarnungen[0] = '\0';
    SetCtrlVal(gPanelMain, WARNZEILE, szWarnungen);
    Markieren();
    Fenster_EntwurfMenuZeigen();
}

void Sinus_Hinweis(const char *szText)
{
    char szStatus[STATUS_GROESSE];
    if (GetCtrlVal(gPanelMain, STATUSZEILE, szStatus, sizeof szStatus) != 0)
        return;
    if (szStatus[0])
        TK_TextAnhaengen(szStatus, sizeof szStatus, "\n");
    TK_TextAnhaengen(szStatus, sizeof szStatus, szText);
    SetCtrlVal(gPanelMain, STATUSZEILE, szStatus);
}
