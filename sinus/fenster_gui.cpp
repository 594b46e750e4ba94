// Status notes, undo and redo, and the report picture on the panel.
#include "fenster_gui.h"

#include "Sinuserzeugung_gui.h"
#include "ZEM_errorV3.h"
#include "Sinuserzeugung_Main.h"
#include "toolkit_gui.h"
#include "verlauf.h"
#include "wlr7sinus_uir.h"

#include <cstring>

namespace {

const size_t STATUS_GROESSE = 600;
const size_t PFAD_GROESSE = 4096;

// Puts the inputs of one step on the panel and redraws their curve.
void Zeigen(const Eingabewerte *pStufe)
{
    std::memcpy(&gEingabe, pStufe, sizeof gEingabe);
    Sinus_EingabenSetzen();
    Sinus_EingabenLesen();
    const int iCode = Sinus_Berechnen();
    if (iCode != 0)
        ZEM_Fehlerpopup(iCode);
    Sinus_VerlaufZeigen();
}

// The history is only good while its current step is what the panel
// holds; after a new panel (or a test's own writes) it starts anew.
bool VerlaufPasst(void)
{
    Eingabewerte aktuell;
    return Sinus_VerlaufAktuell(&aktuell) && Sinus_EingabenGleich(&aktuell, &gEingabe);
}

}  // namespace

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


void Sinus_Festhalten(const Eingabewerte *pVorher)
{
    if (Sinus_EingabenGleich(pVorher, &gEingabe))
        return;
    Eingabewerte aktuell;
    if (!Sinus_VerlaufAktuell(&aktuell) || !Sinus_EingabenGleich(&aktuell, pVorher)) {
        Sinus_VerlaufLeeren();
        Sinus_VerlaufMerken(pVorher);
    }
    Sinus_VerlaufMerken(&gEingabe);
    Sinus_VerlaufZeigen();
}

void Sinus_VerlaufZeigen(void)
{
    const bool bPasst = VerlaufPasst();
    TK_MenuDimmen(gPanelMain, RUECKGAENGIG, !(bPasst && gVerlauf.iPosition > 0));
    TK_MenuDimmen(gPanelMain, WIEDERHOLEN, !(bPasst && gVerlauf.iPosition + 1 < gVerlauf.iAnzahl));
}

int Sinus_Rueckgaengig(void)
{
    Eingabewerte stufe;
    if (!VerlaufPasst() || !Sinus_VerlaufZurueck(&stufe))
        return 0;
    Zeigen(&stufe);
    return 1;
}

int Sinus_Wiederholen(void)
{
    Eingabewerte stufe;
    if (!VerlaufPasst() || !Sinus_VerlaufVor(&stufe))
        return 0;
    Zeigen(&stufe);
    return 1;
}

void Sinus_GrafikSpeichern(void)
{
    static char szPfad[PFAD_GROESSE];
    if (FileSelectPopup("", "*.png", "*.png;*.svg", SINUS_TEXT_BERICHT_TITEL, 1, 0, 0, 1, 1, szPfad, sizeof szPfad) <= 0)
        return;
    char szTitel[STATUS_GROESSE], szStatus[STATUS_GROESSE];
    Sinus_BerichtTitel(&gEingabe, Sinus_Analyse(), szTitel, sizeof szTitel);
    GetCtrlVal(gPanelMain, STATUSZEILE, szStatus, sizeof szStatus);
    if (TK_BerichtSpeichern(gPanelMain, GRAPH, szTitel, szStatus, szPfad) != 0) {
        static char szText[PFAD_GROESSE + 100];
        TK_TextKopieren(szText, sizeof szText, SINUS_TEXT_BERICHT_FEHLER);
        TK_TextAnhaengen(szText, sizeof szText, szPfad);
        MessagePopup(SINUS_TEXT_FEHLER, szText);
    }
}
