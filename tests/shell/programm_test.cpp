// The whole program in this process: start-up with the first curve drawn
// before the panel shows, and both ways out, each ending with 0.
#include "Sinuseingaben.h"
#include "Sinuserzeugung_gui.h"
#include "Sinusschritt.h"
#include "panel_fixture.h"
#include "wlr7sinus_main.h"
#include "wlr7sinus_uir.h"
#include "zustand.h"

#include <QWidget>

namespace {

std::string gTitel;
int gWerte = -1;

int Starten(void (*waehrend)(void *))
{
    TK_Spaeter(waehrend, nullptr);
    char name[] = "wlr7sinus", *argv[] = {name, nullptr};
    return WLR7_Main(1, argv);
}

}  // namespace

TEST(Programm, DateiBeendenUndSchliessfeldEndenMitNull)
{
    EXPECT_EQ(Starten([](void *) {
                  for (const QWidget *w : QApplication::topLevelWidgets())
                      if (w->isVisible())  // the window the user sees
                          gTitel += w->windowTitle().toStdString();
                  gWerte = TK_AnzahlPlots(gPanelMain, GRAPH) == 2 ? TK_PlotWerte(gPanelMain, GRAPH, nullptr, 0) : -1;
                  TK_MenuWaehlen(gPanelMain, BEENDEN);
              }),
              0);
    EXPECT_EQ(gTitel, "WLR7-Dovarizuz V 1.0");
    EXPECT_EQ(gWerte, 21) << "the first curve's data lines, drawn when the panel shows";
    EXPECT_TRUE(gMeldungen.empty()) << "no popup at start";
    EXPECT_EQ(gSinus.pdWerte, nullptr) << "the sample array is freed at the end";
    double umax = -1.0;
    EXPECT_EQ(GetCtrlVal(gPanelMain, WLR7UMAX, &umax), TK_FEHLER_HANDLE) << "the panel is discarded";

    EXPECT_EQ(Starten([](void *) {
                  // Other events and menu items leave it running.
                  EXPECT_EQ(Callback_Panel(gPanelMain, EVENT_GOT_FOCUS, nullptr, 0, 0) |
                                Callback_Panel(gPanelMain, EVENT_COMMIT, nullptr, 0, 0), 0);
                  Menu_Main(gPanelMain, GANZEKURVE, nullptr, gPanelMain);
                  Menu_Main(gPanelMain, UEBER, nullptr, gPanelMain);
                  TK_Spaeter([](void *) { gWerte = 0, TK_Schliessen(gPanelMain); }, nullptr);
              }),
              0);
    EXPECT_EQ(gWerte, 0);
    EXPECT_EQ(gSinus.pdWerte, nullptr);
    ASSERT_EQ(gMeldungen.size(), 1u) << "Hilfe > Über";
    EXPECT_EQ(gMeldungen[0].titel, "Über WLR7-Dovarizuz");
    EXPECT_EQ(gMeldungen[0].text.rfind("WLR7-Dovarizuz 1.0\n", 0), 0u);
}

// A curve file named on the command line, as a file manager passes it, opens
// as the reference once the window shows.
TEST(Programm, DateiImAufrufWirdReferenz)
{
    static const std::string datei = TestOrdner() + "/k.txt";
    Eingabewerte e;
    Eingaben_Vorgaben(&e);
    Sinuskurve s = {};
    ASSERT_EQ(Sinus_Schritt(&e, &s, nullptr, nullptr), SCHRITT_ANGENOMMEN);
    ASSERT_EQ(Sinus_ExportSchreiben(datei.c_str(), &e, &s), 0);
    Sinus_KurveFreigeben(&s);
    MeldungenLeeren();
    static bool bReferenz = false;
    TK_Spaeter([](void *) {
        // After the program's own call for the file, which the start-up posted later.
        TK_Spaeter([](void *) {
            bReferenz = (gFenster.iReferenzen > 0);
            TK_MenuWaehlen(gPanelMain, BEENDEN);
        }, nullptr);
    }, nullptr);
    char name[] = "wlr7sinus", *argv[] = {name, const_cast<char *>(datei.c_str()), nullptr};
    EXPECT_EQ(WLR7_Main(2, argv), 0);
    EXPECT_TRUE(bReferenz);
    EXPECT_TRUE(gMeldungen.empty()) << MeldungenText();

    // A name that is not there, in a folder that is: the file is missing, not the folder.
    // An option the toolkit leaves is no file.
    static const std::string fehlt = TestOrdner() + "/nosuch.txt";
    for (const char *arg : {fehlt.c_str(), "-x"}) {
        TK_Spaeter([](void *) { TK_Spaeter([](void *) { TK_MenuWaehlen(gPanelMain, BEENDEN); }, nullptr); }, nullptr);
        char *argv2[] = {name, const_cast<char *>(arg), nullptr};
        EXPECT_EQ(WLR7_Main(2, argv2), 0);
    }
    EXPECT_EQ(MeldungenText(), "Fehler: Die Kurvendatei konnte nicht gelesen werden:\nDatei nicht gefunden: " + fehlt + "\n");
}
