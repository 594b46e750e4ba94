// Inputs taken over from a curve file written with a start phase: the
// phase field gets the phase, the window's export is the file byte for
// byte, and a phase the values leave open is said in the status line.
#include "fenster_fixture.h"
#include "intern_gui.h"
#include "lauf.h"

namespace {

using PhaseUebernehmen = FensterTest;

}  // namespace

TEST_F(PhaseUebernehmen, AusKurveUndReferenzByteFuerByte)
{
    const std::string ordner = TestOrdner(), pfad = ordner + "/drei.txt", neu = ordner + "/neu.txt";
    ASSERT_EQ(Ausfuehren({"--phase", "120", "--period", "37", "--periods", "3", "--timebase", "1ms", "--output", pfad}).code, 0);
    for (const bool bReferenz : {false, true}) {
        SCOPED_TRACE(bReferenz ? "from the reference" : "from a file");
        Tippen(PHASE, "0");
        MeldungenLeeren();
        Waehlen(pfad);
        if (bReferenz) {
            Fenster_KurveOeffnen();
            Fenster_EingabenAusReferenz();
        } else {
            Fenster_EingabenAusKurve();
        }
        ASSERT_TRUE(gMeldungen.empty()) << MeldungenText();
        EXPECT_EQ(gEingabe.dPhase, 120.0);
        EXPECT_EQ(W(PHASE), 120.0);
        EXPECT_NE(A(STATUSZEILE).find("Byte für Byte"), std::string::npos) << A(STATUSZEILE);
        EXPECT_EQ(A(STATUSZEILE).find("Phase offen"), std::string::npos) << A(STATUSZEILE);
        Exportieren(neu);
        EXPECT_EQ(DateiLesen(neu), DateiLesen(pfad));
        Fenster_ReferenzEntfernen();
    }

    // A short piece of a long period: period and phase open, said with the range of the P taken.
    ASSERT_EQ(Ausfuehren({"--timebase", "1ms", "--period", "1000", "--periods", "0.05", "--peak", "0.72", "--offset",
                          "7.28", "--phase", "77", "--output", pfad}).code, 0);
    MeldungenLeeren();
    Waehlen(pfad);
    Fenster_EingabenAusKurve();
    ASSERT_TRUE(gMeldungen.empty()) << MeldungenText();
    EXPECT_NE(A(STATUSZEILE).find("Phase offen ("), std::string::npos) << A(STATUSZEILE);
    Exportieren(neu);
    EXPECT_EQ(DateiLesen(neu), DateiLesen(pfad));
}
