// Undo and redo of accepted inputs on the panel.
#include "Sinuserzeugung_gui.h"

#include "Sinuseingaben.h"
#include "ZEM_errorV3.h"
#include "toolkit_gui.h"
#include "verlauf.h"
#include "wlr7sinus_uir.h"

#include <cstring>

namespace {

const size_t MENU_GROESSE = 120;

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

// Each item names the step it goes to ("Rückgängig: Frequenz 8 → 5 Hz") and
// is greyed out where there is none.
void Sinus_VerlaufZeigen(void)
{
    const bool bPasst = VerlaufPasst();
    const struct {
        int iItem, iRichtung;
        const char *szName;
    } items[] = {{RUECKGAENGIG, -1, SINUS_TEXT_RUECKGAENGIG}, {WIEDERHOLEN, 1, SINUS_TEXT_WIEDERHOLEN}};
    for (const auto &item : items) {
        Eingabewerte stufe;
        const bool bDa = bPasst && Sinus_VerlaufNachbar(item.iRichtung, &stufe);
        char szText[MENU_GROESSE], szAenderung[MENU_GROESSE];
        TK_TextKopieren(szText, sizeof szText, item.szName);
        if (bDa) {
            Eingaben_AenderungText(&gEingabe, &stufe, szAenderung, sizeof szAenderung);
            TK_TextAnhaengen(szText, sizeof szText, ": ");
            TK_TextAnhaengen(szText, sizeof szText, szAenderung);
        }
        TK_MenuText(gPanelMain, item.iItem, szText);
        TK_MenuDimmen(gPanelMain, item.iItem, !bDa);
    }
}

int Sinus_Rueckgaengig(void)
{
    Eingabewerte stufe;
    return VerlaufPasst() && Sinus_VerlaufZurueck(&stufe) ? Zeigen(&stufe), 1 : 0;
}

int Sinus_Wiederholen(void)
{
    Eingabewerte stufe;
    return VerlaufPasst() && Sinus_VerlaufVor(&stufe) ? Zeigen(&stufe), 1 : 0;
}
