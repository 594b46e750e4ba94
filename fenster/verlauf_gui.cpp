// Undo and redo of accepted inputs on the panel.
#include "Sinuserzeugung_gui.h"

#include "ZEM_errorV3.h"
#include "zustand.h"

namespace {

// Goes one step back (-1) or forward (+1): its inputs onto the panel, their
// curve and everything shown from them.
int Gehen(int iRichtung)
{
    // The history is only good while its current step is what the panel
    // holds; after a new panel it starts anew.
    Eingabewerte stufe;
    if (!Fenster_VerlaufPasst() || !Fenster_VerlaufGehen(iRichtung, &stufe))
        return 0;
    Fenster_HinweisLeeren();
    gEingabe = stufe;
    Sinus_EingabenSetzen();
    Sinus_EingabenLesen();
    const int iCode = Sinus_Berechnen();
    if (iCode != 0)
        ZEM_Fehlerpopup(iCode);
    return 1;
}

}  // namespace

int Fenster_Rueckgaengig(void)
{
    return Gehen(-1);
}

int Fenster_Wiederholen(void)
{
    return Gehen(1);
}
