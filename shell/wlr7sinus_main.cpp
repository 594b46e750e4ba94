#include "wlr7sinus_main.h"

#include "Fenstertexte.h"
#include "Funktionen.h"
#include "Sinuserzeugung_gui.h"
#include "ZEM_errorV3.h"
#include "toolkit_gui.h"
#include "wlr7sinus_uir.h"
#include "zustand.h"

#include <iterator>

const CallbackEntry gRueckrufe[] = {
    {"Callback_Panel", nullptr, Callback_Panel, nullptr},
    {"Menu_Main", nullptr, nullptr, Menu_Main},
    {"Eingabe", Eingabe, nullptr, nullptr},
    {"Speichern", Speichern, nullptr, nullptr},
};
const int iRueckrufe = static_cast<int>(std::size(gRueckrufe));

int Callback_Panel(int, int iEreignis, void *, int, int)
{
    if (iEreignis == EVENT_CLOSE)
        QuitUserInterface(0);
    return 0;
}

void Menu_Main(int, int iMenuItem, void *, int)
{
    switch (iMenuItem) {
    case BEENDEN:
        QuitUserInterface(0);
        break;
    case EXPORTIEREN:
        Speichern(gPanelMain, SPEICHERN, EVENT_COMMIT, nullptr, 0, 0);
        break;
    case GRAFIKSPEICHERN:
        Fenster_GrafikSpeichern();
        break;
    case RUECKGAENGIG:
        Fenster_Rueckgaengig();
        break;
    case WIEDERHOLEN:
        Fenster_Wiederholen();
        break;
    case GANZEKURVE:
        TK_GraphGanz(gPanelMain, GRAPH);
        break;
    case KURVEOEFFNEN:
        Fenster_KurveOeffnen();
        break;
    case REFERENZENTFERNEN:
        Fenster_ReferenzEntfernen();
        break;
    case REFERENZENTFERNEN1:
    case REFERENZENTFERNEN2:
    case REFERENZENTFERNEN3:
        Fenster_EineReferenzEntfernen(iMenuItem - REFERENZENTFERNEN1);
        break;
    case EINGABENAUSKURVE:
        Fenster_EingabenAusKurve();
        break;
    case EINGABENAUSREFERENZ:
        Fenster_EingabenAusReferenz();
        break;
    case ZEITBASISANPASSEN:
        Fenster_ZeitbasisAnpassen();
        break;
    case ZEITACHSE:
        Fenster_ZeitachseSetzen(!gFenster.bWieExportiert);
        break;
    case BEDIENUNG:
        MessagePopup(FENSTER_TEXT_BEDIENUNG_TITEL, FENSTER_TEXT_BEDIENUNG);
        break;
    case UEBER:
        MessagePopup(FENSTER_TEXT_UEBER_TITEL, FENSTER_TEXT_UEBER);
        break;
    default:
        break;
    }
}

namespace {

// A curve file named on the command line (as a file manager passes it)
// opens as the reference once the window shows.
void AufrufDateiOeffnen(void *pPfad)
{
    Fenster_ReferenzLaden(static_cast<const char *>(pPfad));
}

}  // namespace

int WLR7_Main(int, char *argv[])
{
    if (InitCVIRTEEx(nullptr, argv, nullptr) == 0)
        return -1;
    SetCallbackTable(gRueckrufe, iRueckrufe);
    gPanelMain = LoadPanel(0, "wlr7sinus_uir.uir", PNLMAIN);
    if (gPanelMain < 0)
        return -1;
    SetPanelAttribute(gPanelMain, ATTR_TITLE, FENSTER_TEXT_TITEL);

    Func_PanelsInitialisieren();
    const int iCode = Func_IniDateiLaden();
    if (iCode != 0)
        ZEM_Fehlerpopup(iCode);

    DisplayPanel(gPanelMain);
    // The start-up has taken the toolkit's own options out of argv.
    if (argv[0] && argv[1] && argv[1][0] != '-')
        PostDeferredCall(AufrufDateiOeffnen, argv[1]);
    RunUserInterface();

    DiscardPanel(gPanelMain);
    Func_IniDateiSchreiben();
    Func_PanelsFreigeben();
    return 0;
}
