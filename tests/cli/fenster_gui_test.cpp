// The batch exporter's file against the window's after the same inputs.
#include "Sinuserzeugung_gui.h"
#include "lauf.h"
#include "panel_fixture.h"
#include "wlr7sinus_uir.h"

TEST(Fenster, BatchdateiGleichtDerDesFensters)
{
    const CallbackEntry rueckrufe[] = {gTestRueckrufe[2], gTestRueckrufe[3], {"Eingabe", Eingabe, nullptr, nullptr},
                                       {"Speichern", Speichern, nullptr, nullptr}};
    SetCallbackTable(rueckrufe, 4);
    gPanelMain = LoadPanel(0, "wlr7sinus_uir.uir", PNLMAIN);
    Sinus_Initialisieren();
    auto exportieren = [] {
        const std::string datei = TestOrdner() + "/fenster.txt";
        DateiauswahlAntwort(datei, 2);
        TK_Klicken(gPanelMain, SPEICHERN);
        return DateiLesen(datei);
    };
    EXPECT_EQ(Ausfuehren({"--output", "-"}).aus, exportieren());
    TK_Tippen(gPanelMain, WLR7UMAX, "7.5");
    TK_Tippen(gPanelMain, AMPLITUDEEFF, "3,3");
    TK_Tippen(gPanelMain, FREQUENZ, "3");
    TK_RingWaehlen(gPanelMain, ZEITBASIS, 3);
    TK_RingWaehlen(gPanelMain, KURVENNUMMER, 2);
    TK_Tippen(gPanelMain, ANZAHLPERIODEN, "2.7");
    TK_Tippen(gPanelMain, OFFSET, "-1e-310");
    EXPECT_EQ(Ausfuehren({"--umax", "7.5", "--rms", "3,3", "--frequency=3", "--timebase", "500us", "--curve", "3",
                          "--periods", " 2.7", "--offset", "-1e-310", "--output", "-"})
                  .aus,
              exportieren());
    TK_Tippen(gPanelMain, AMPLITUDEDACH, "-12");
    TK_Tippen(gPanelMain, PERIODENDAUER, "0.3");
    EXPECT_EQ(Ausfuehren({"--umax", "7.5", "--peak", "-12", "--period", "0.3", "--timebase", "500us", "--curve", "3",
                          "--periods", "2.7", "--offset", "-1e-310", "--output", "-"})
                  .aus,
              exportieren());
    Sinus_Freigeben();
    DiscardPanel(gPanelMain);
}
