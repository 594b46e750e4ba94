// The batch exporter's file against the window's after the same inputs.
#include "Sinuserzeugung_gui.h"
#include "dateiauswahl_gui.h"
#include "lauf.h"
#include "panel_fixture.h"
#include "wlr7sinus_uir.h"

// The window's export after the same inputs are typed, for comparison.
class Fenster : public ::testing::Test {
protected:
    void SetUp() override
    {
        const CallbackEntry rueckrufe[] = {
            {"Eingabe", Eingabe, nullptr, nullptr},
            {"Speichern", Speichern, nullptr, nullptr},
            {"Callback_Panel", nullptr, PanelAufzeichnen, nullptr},
            {"Menu_Main", nullptr, nullptr, MenuAufzeichnen},
        };
        SetCallbackTable(rueckrufe, 4);
        gPanelMain = LoadPanel(0, "wlr7sinus_uir.uir", PNLMAIN);
        ASSERT_GT(gPanelMain, 0);
        Sinus_Initialisieren();
    }
    void TearDown() override
    {
        Sinus_Freigeben();
        DiscardPanel(gPanelMain);
    }
    std::string Exportieren()
    {
        const std::string datei = TestOrdner() + "/fenster.txt";
        DateiauswahlAntwort(datei, 2);
        TK_Klicken(gPanelMain, SPEICHERN);
        return DateiLesen(datei);
    }
};

TEST_F(Fenster, BatchdateiGleichtDerDesFensters)
{
    EXPECT_EQ(Ausfuehren({"--output", "-"}).aus, Exportieren());

    TK_Tippen(gPanelMain, WLR7UMAX, "7.5");
    TK_Tippen(gPanelMain, AMPLITUDEEFF, "3.3");
    TK_Tippen(gPanelMain, FREQUENZ, "3");
    TK_RingWaehlen(gPanelMain, ZEITBASIS, 3);
    TK_RingWaehlen(gPanelMain, KURVENNUMMER, 2);
    TK_Tippen(gPanelMain, ANZAHLPERIODEN, "2.7");
    EXPECT_EQ(Ausfuehren({"--umax", "7.5", "--rms", "3.3", "--frequency", "3", "--timebase", "500us", "--curve",
                          "3", "--periods", "2.7", "--output", "-"})
                  .aus,
              Exportieren());

    TK_Tippen(gPanelMain, AMPLITUDEDACH, "-12");
    TK_Tippen(gPanelMain, OFFSET, "2.25");
    TK_Tippen(gPanelMain, PERIODENDAUER, "0.3");
    TK_RingWaehlen(gPanelMain, ZEITBASIS, 2);
    EXPECT_EQ(Ausfuehren({"--umax", "7.5", "--peak", "-12", "--offset", "2.25", "--period", "0.3", "--timebase",
                          "200us", "--curve", "3", "--periods", "2.7", "--output", "-"})
                  .aus,
              Exportieren());
}
