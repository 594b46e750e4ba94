#include "Funktionen.h"

#include "Sinuserzeugung_gui.h"
#include "toolkit_gui.h"
#include "wlr7sinus_uir.h"

namespace {
// Settings carried over from the original run-time; they have no matching
// setting here and are accepted as they are.
const int SYSTEMATTRIBUT_1420 = 1420;
const int PANELATTRIBUT_618 = 618;
}  // namespace

int Func_PanelsInitialisieren(void)
{
    SetSystemAttribute(SYSTEMATTRIBUT_1420, 0);
    SetPanelAttribute(gPanelMain, PANELATTRIBUT_618, 1);
    return Sinus_Initialisieren() != 0 ? -1 : 0;
}

// The tool keeps no settings: every start shows the panel's defaults.
int Func_IniDateiLaden(void) { return 0; }
int Func_IniDateiSchreiben(void) { return 0; }

int Func_PanelsFreigeben(void)
{
    Sinus_Freigeben();
    return 0;
}
