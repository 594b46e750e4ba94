// The design and the references shown beside it as the set one rig would
// play: the status names what does not fit together and, against the
// design, the loop, each reference's frequency and phase; every commit
// says it anew.
#include "fenster_fixture.h"
#include "lauf.h"

namespace {

using SatzStatus = FensterTest;

// The status line's set, "" without one.
std::string Satz()
{
    const std::string status = Anzeige(gPanelMain, STATUSZEILE);
    const std::size_t von = status.find("\nSatz: ");
    if (von == std::string::npos)
        return "";
    const std::size_t bis = status.find('\n', von + 1);
    return status.substr(von + 1, bis == std::string::npos ? std::string::npos : bis - von - 1);
}

}  // namespace

TEST_F(SatzStatus, DreiReferenzenGegenDenEntwurf)
{
    const std::string ordner = TestOrdner();
    const std::vector<std::pair<std::string, std::vector<std::string>>> dateien = {
        {"v.txt", {"--phase", "120", "--curve", "2"}},
        {"w.txt", {"--phase", "240", "--curve", "3"}},
        {"inv.txt", {"--peak", "-5", "--curve", "4"}}};
    for (const auto &d : dateien) {
        ASSERT_EQ(Ausfuehren(d.second, {"--output", ordner + "/" + d.first}).code, 0) << d.first;
    }
    EXPECT_EQ(Satz(), "") << "no set without a reference";
    for (const auto &d : dateien) {
        gDateiauswahl = {ordner + "/" + d.first, 1, {}};
        Fenster_KurveOeffnen();
    }
    ASSERT_TRUE(gMeldungen.empty()) << MeldungenText();
    ASSERT_EQ(gFenster.iReferenzen, 3);
    // The default design: 20 samples a period and the one closing it, 10 ms apart.
    const std::string schleife = "Schleife " + std::to_string(21 * 10) + " ms (21 Datenzeilen × 10ms)";
    EXPECT_EQ(Satz(), "Satz: " + schleife +
                          " · Entwurf: Kurve 1, 5 Hz, Bezug der Phasen"
                          " · v.txt: Kurve 2, 5 Hz wie Entwurf, Phase +120.0°"
                          " · w.txt: Kurve 3, 5 Hz wie Entwurf, Phase -120.0°"
                          " · inv.txt: Kurve 4, 5 Hz wie Entwurf, Phase +180.0°");

    // The design turns: the references' phases follow it.
    Tippen(PHASE, "120");
    EXPECT_EQ(Satz(), "Satz: " + schleife +
                          " · Entwurf: Kurve 1, 5 Hz, Bezug der Phasen"
                          " · v.txt: Kurve 2, 5 Hz wie Entwurf, Phase +0.0°"
                          " · w.txt: Kurve 3, 5 Hz wie Entwurf, Phase +120.0°"
                          " · inv.txt: Kurve 4, 5 Hz wie Entwurf, Phase +60.0°");

    // Twice the periods: the loops no longer restart together; half the frequency of each reference.
    Tippen(ANZAHLPERIODEN, "2");
    const std::string satz = Satz();
    for (const auto &d : dateien)
        EXPECT_NE(satz.find(d.first + ": 21 Datenzeilen, Entwurf hat 41: die Schleifen beginnen nicht gemeinsam neu"),
                  std::string::npos)
            << satz;
    EXPECT_NE(satz.find("Schleifen ungleich lang"), std::string::npos) << satz;
    EXPECT_NE(satz.find("v.txt: Kurve 2, Schleife 210 ms, 5 Hz wie Entwurf"), std::string::npos) << satz;
    Tippen(ANZAHLPERIODEN, "1");

    // Another time base, and a curve number the design shares with a reference.
    ASSERT_STREQ(Zeitbasis_Label(8), "5ms");
    TK_RingWaehlen(gPanelMain, ZEITBASIS, 8);
    TK_RingWaehlen(gPanelMain, KURVENNUMMER, 1);
    const std::string anders = Satz();
    EXPECT_NE(anders.find("v.txt: Kurvennummer 2 wie Entwurf: das Gerät spielt je Nummer nur eine Kurve"),
              std::string::npos)
        << anders;
    EXPECT_NE(anders.find("w.txt: Zeitbasis 10ms, Entwurf hat 5ms"), std::string::npos) << anders;

    // Without references the set goes.
    Fenster_ReferenzEntfernen();
    EXPECT_EQ(Satz(), "");
}
