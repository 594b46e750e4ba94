#include "wlr7sinus_main.h"

#include "Funktionen.h"
#include "ZEM_errorV3.h"
#include "toolkit_gui.h"
#include "wlr7sinus_uir.h"

#include <iterator>

namespace {

const char *const TITEL = "WLR7-Dovarizuz V 1.0";

// The callbacks the panel form names, found by name when it is loaded.
const CallbackEntry gRueckrufe[] = {
    {"Callback_Panel", nullptr, Callback_Panel, nullptr},
    {"Menu_Main", nullptr, nullptr, Menu_Main},
    {"Eingabe", Eingabe, nullptr, nullptr},
    {"Speichern", Speichern, nullptr, nullptr},
};

}  // namespace

int Callback_Panel(int, int iEreignis, void *, int, int)
{
    if (iEreignis == EVENT_CLOSE)
        QuitUserInterface(0);
    return 0;
}

void Menu_Main(int, int iMenuItem, void *, int)
{
    if (iMenuItem == BEENDEN)
        QuitUserInterface(0);
}

int WLR7_Main(int, char *argv[])
{
    if (InitCVIRTEEx(nullptr, argv, nullptr) == 0)
        return -1;
    SetCallbackTable(gRueckrufe, static_cast<int>(std::size(gRueckrufe)));
    gPanelMain = LoadPanel(0, "wlr7sinus_uir.uir", PNLMAIN);
    if (gPanelMain < 0)
        return -1;
    SetPanelAttribute(gPanelMain, ATTR_TITLE, TITEL);

    Func_PanelsInitialisieren();
    const int iCode = Func_IniDateiLaden();
    if (iCode != 0)
        ZEM_Fehlerpopup(iCode);

    DisplayPanel(gPanelMain);
    RunUserInterface();

    DiscardPanel(gPanelMain);
    Func_IniDateiSchreiben();
    Func_PanelsFreigeben();
    return 0;
}
