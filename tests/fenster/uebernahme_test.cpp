// Inputs taken over from a curve file with findings: the window names them
// as the checker does and keeps its inputs; a file that no design writes is
// refused with the reason.
#include "lauf.h"
#include "Fenstertexte.h"
#include "Sinuserzeugung_gui.h"
#include "fenster_fixture.h"
#include "intern_gui.h"

#include <QAction>
#include <cstring>

namespace {

using EingabenUebernehmen = FensterTest;
using PhaseUebernehmen = FensterTest;

// @p text with the value of file line @p zeile (from 1) raised by one hundredth.
std::string Angehoben(std::string text, int zeile)
{
    size_t anfang = 0;
    for (int i = 1; i < zeile; ++i) anfang = text.find('\n', anfang) + 1;
    const size_t wert = text.find('\t', anfang) + 1, ende = text.find('\t', wert);
    char sz[16];
    std::snprintf(sz, sizeof sz, "%.2f", std::stod(text.substr(wert, ende - wert)) + 0.01);
    return text.replace(wert, ende - wert, sz);
}

}  // namespace

TEST_F(EingabenUebernehmen, DateiMitBefundenGibtNichts)
{
    const std::string ordner = TestOrdner();
    const std::string sauber = Ausfuehren({"--umax", "10", "--rms", "2", "--frequency", "4", "--periods", "1,5",
                                           "--timebase", "5ms", "--curve", "3", "--output", "-"}).aus;
    Tippen(FREQUENZ, "8");  // a commit before: the undo history has a step to keep
    const Eingabewerte vorher = gEingabe;
    const std::string schritt = Aktion("RUECKGAENGIG")->text().toStdString();
    const std::string eins = ordner + "/eins.txt";
    DateiSchreiben(eins, Angehoben(sauber, 20));
    const std::string befund = "Zeile 20: Wert passt nicht zur Sinuskurve der übrigen Zeilen (erwartet 78.23)";
    for (const bool bReferenz : {false, true}) {
        SCOPED_TRACE(bReferenz ? "from the reference" : "from a file");
        MeldungenLeeren();
        Waehlen(eins);
        if (bReferenz) {
            Fenster_KurveOeffnen();
            MeldungenLeeren();  // the reference says its findings on opening as well
        }
        const std::string status = A(STATUSZEILE);
        if (bReferenz)
            Fenster_EingabenAusReferenz();
        else
            Fenster_EingabenAusKurve();
        ASSERT_EQ(gMeldungen.size(), 1u);
        EXPECT_EQ(gMeldungen[0].titel, FENSTER_TEXT_ENTWURF_TITEL);
        EXPECT_EQ(gMeldungen[0].text.rfind("eins.txt: 1 Befund\n", 0), 0u) << gMeldungen[0].text;
        EXPECT_NE(gMeldungen[0].text.find("\n" + befund), std::string::npos) << gMeldungen[0].text;
        EXPECT_EQ(std::memcmp(&vorher, &gEingabe, sizeof vorher), 0) << "the inputs stay";
        EXPECT_EQ(Aktion("RUECKGAENGIG")->text().toStdString(), schritt) << "no undo step";
        EXPECT_EQ(A(STATUSZEILE), status);
        Fenster_ReferenzEntfernen();
    }

    // Three raised values leave the checker without a finding; no design writes them, which is said as proven.
    const std::string pfad = ordner + "/drei.txt";
    DateiSchreiben(pfad, Angehoben(Angehoben(Angehoben(sauber, 16), 31), 46));
    ASSERT_EQ(Ausfuehren({"--check", pfad}).code, 0) << "the checker finds nothing";
    MeldungenLeeren();
    Waehlen(pfad);
    Fenster_EingabenAusKurve();
    ASSERT_EQ(gMeldungen.size(), 1u);
    EXPECT_EQ(gMeldungen[0].text, "Keine Eingaben aus drei.txt: kein Export einer Sinuskurve ergibt diese Werte.");
    EXPECT_EQ(std::memcmp(&vorher, &gEingabe, sizeof vorher), 0);
}

// Inputs taken over from a curve file written with a start phase: the
// phase field gets the phase, the window's export is the file byte for
// byte, and a phase the values leave open is said in the status line.
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
        EXPECT_EQ(std::make_pair(gEingabe.dPhase, W(PHASE)), std::make_pair(120.0, 120.0));
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
