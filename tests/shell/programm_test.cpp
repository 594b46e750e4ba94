// The whole program in this process: start-up, the first curve, and both
// ways out.
#include "Sinuserzeugung_Main.h"
#include "toolkit_gui.h"
#include "seam_gui.h"
#include "wlr7sinus_main.h"
#include "wlr7sinus_uir.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct Beobachtung {
    std::string titel;
    int plots = -1;
    int werte = -1;
    bool laeuftNachEreignissen = false;
} gGesehen;

void Ansehen()
{
    char titel[64];
    GetPanelAttribute(gPanelMain, ATTR_TITLE, titel, sizeof titel);
    gGesehen.titel = titel;
    gGesehen.plots = TK_AnzahlPlots(gPanelMain, GRAPH);
    gGesehen.werte = TK_PlotWerte(gPanelMain, GRAPH, nullptr, 0);
}

int Starten()
{
    char name[] = "wlr7sinus";
    char *argv[] = {name, nullptr};
    return WLR7_Main(1, argv);
}

}  // namespace

TEST(Programm, DateiBeendenEndetMitNull)
{
    TK_Spaeter([](void *) {
        Ansehen();
        TK_MenuWaehlen(gPanelMain, BEENDEN);
    }, nullptr);
    EXPECT_EQ(Starten(), 0);
    EXPECT_EQ(gGesehen.titel, "WLR7-Dovarizuz V 1.0");
    EXPECT_EQ(gGesehen.plots, 1) << "the first curve is drawn when the panel shows";
    EXPECT_EQ(gGesehen.werte, 22);
    EXPECT_EQ(gSinus.pdWerte, nullptr) << "the sample array is freed at the end";
    double v;
    EXPECT_EQ(GetCtrlVal(gPanelMain, WLR7UMAX, &v), TK_FEHLER_HANDLE) << "the panel is discarded";
}

TEST(Programm, SchliessfeldEndetMitNullAndereEreignisseNicht)
{
    TK_Spaeter([](void *) {
        Callback_Panel(gPanelMain, EVENT_GOT_FOCUS, nullptr, 0, 0);
        Callback_Panel(gPanelMain, EVENT_LOST_FOCUS, nullptr, 0, 0);
        Callback_Panel(gPanelMain, EVENT_COMMIT, nullptr, 0, 0);
        Menu_Main(gPanelMain, 4, nullptr, gPanelMain);
        TK_Spaeter([](void *) {
            gGesehen.laeuftNachEreignissen = true;
            TK_Schliessen(gPanelMain);
        }, nullptr);
    }, nullptr);
    EXPECT_EQ(Starten(), 0);
    EXPECT_TRUE(gGesehen.laeuftNachEreignissen);
    EXPECT_EQ(gSinus.pdWerte, nullptr);
}
