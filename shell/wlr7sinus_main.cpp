#include "wlr7sinus_main.h"

#include "Funktionen.h"
#include "Sinuserzeugung_gui.h"
#include "ZEM_errorV3.h"
#include "toolkit_gui.h"
#include "wlr7sinus_uir.h"

#include <iterator>

namespace {

const char *const TITEL = "WLR7-Dovarizuz V " WLR7_VERSION;

// Hilfe > Tasten und Maus (F1): what the keyboard and the mouse do.
const char *const BEDIENUNG_TITEL = "Tasten und Maus";
const char *const BEDIENUNG_TEXT =
    "Eingaben\n"
    "  Alt + unterstrichener Buchstabe: Feld wählen\n"
    "  Tab, Umschalt+Tab: nächstes, voriges Feld\n"
    "  Enter oder Feld verlassen: Wert übernehmen; Esc: Eingabe verwerfen\n"
    "  Pfeil auf/ab, Mausrad im Feld: Wert um 1 ändern\n"
    "  Zahlen: Komma oder Punkt, Exponent (2,5e-3), Vorsatz µ (u), m, k, M\n"
    "  (2,5k = 2500; m milli, M mega); Einheit des Feldes mit oder ohne\n"
    "  Leerzeichen: V, mV, kV; Hz, kHz, mHz; ms, s, µs; Amplitude [V^] auch\n"
    "  Veff, Vrms (Effektivwert) und Vss, Vpp (Spitze-Spitze)\n"
    "  Zeitbasis, Kurve: Pfeile oder Tippen wählen, Enter oder Tab übernimmt;\n"
    "  die Ziffern 1 bis 4 wählen die Kurve\n"
    "\n"
    "Befehle\n"
    "  Strg+S, Alt+X: Exportieren; Strg+O: Kurvendatei als Referenz öffnen\n"
    "  Strg+Z: Rückgängig; Strg+Umschalt+Z: Wiederholen\n"
    "  Bearbeiten > Zeitbasis anpassen: die Zeitbasis, die die Frequenz spielt\n"
    "  Datei > Eingaben aus Kurve übernehmen: die Eingaben, die eine Datei schreiben\n"
    "  Umschalt+F1 auf einem Feld: Bereich und Einheit\n"
    "  Strg+Q: Beenden; F1: diese Hilfe\n"
    "\n"
    "Grafik\n"
    "  Zeiger über der Kurve: Datenzeile, Zeit, Wert in % und V ablesen\n"
    "  Rechteck ziehen mit der linken Taste: Ausschnitt in Zeit und Spannung\n"
    "  Ansicht > Zeitachse wie exportiert: die Zeilen der Datei, je eine Zeitbasis\n"
    "  Doppelklick, Ansicht > Ganze Kurve: wieder die ganze Kurve\n"
    "  Rechtsklick: Ganze Kurve, Grafik speichern";

// Hilfe > Über WLR7-Dovarizuz: version and licence.
const char *const UEBER_TITEL = "Über WLR7-Dovarizuz";
const char *const UEBER_TEXT = "WLR7-Dovarizuz " WLR7_VERSION "\n"
                               "Sinuskurven für den WLR-7 entwerfen und als Kurvendatei exportieren.\n\n"
                               "© 2026 WLR7-Entwicklung. Alle Rechte vorbehalten.\n"
                               "Für den Einsatz an den Prüfständen des WLR-7.";

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
    switch (iMenuItem) {
    case BEENDEN:
        QuitUserInterface(0);
        break;
    case EXPORTIEREN:
        Speichern(gPanelMain, SPEICHERN, EVENT_COMMIT, nullptr, 0, 0);
        break;
    case GRAFIKSPEICHERN:
        Sinus_GrafikSpeichern();
        break;
    case RUECKGAENGIG:
        Sinus_Rueckgaengig();
        break;
    case WIEDERHOLEN:
        Sinus_Wiederholen();
        break;
    case GANZEKURVE:
        TK_GraphGanz(gPanelMain, GRAPH);
        break;
    case KURVEOEFFNEN:
        Sinus_KurveOeffnen();
        break;
    case REFERENZENTFERNEN:
        Sinus_ReferenzEntfernen();
        break;
    case EINGABENAUSKURVE:
        Sinus_EingabenAusKurve();
        break;
    case EINGABENAUSREFERENZ:
        Sinus_EingabenAusReferenz();
        break;
    case ZEITBASISANPASSEN:
        Sinus_ZeitbasisAnpassen();
        break;
    case ZEITACHSE:
        Sinus_ZeitachseSetzen(!Sinus_ZeitachseWieExportiert());
        break;
    case BEDIENUNG:
        MessagePopup(BEDIENUNG_TITEL, BEDIENUNG_TEXT);
        break;
    case UEBER:
        MessagePopup(UEBER_TITEL, UEBER_TEXT);
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
    Sinus_ReferenzLaden(static_cast<const char *>(pPfad));
}

}  // namespace

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
    // The start-up has taken the toolkit's own options out of argv.
    if (argv[0] && argv[1] && argv[1][0] != '-')
        PostDeferredCall(AufrufDateiOeffnen, argv[1]);
    RunUserInterface();

    DiscardPanel(gPanelMain);
    Func_IniDateiSchreiben();
    Func_PanelsFreigeben();
    return 0;
}
