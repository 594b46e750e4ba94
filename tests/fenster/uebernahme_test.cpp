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
#include <sstream>

namespace {

using EingabenUebernehmen = FensterTest;

QAction *Aktion(const char *name)
{
    return tk::panel(gPanelMain)->fenster->findChild<QAction *>(QString::fromLatin1(name));
}

// The findings the checker prints for @p pfad, each as the window's message lists it.
std::vector<std::string> BefundeDesPruefers(const std::string &pfad)
{
    const Lauf l = Ausfuehren({"--check", pfad});
    std::vector<std::string> befunde;
    std::istringstream zeilen(l.aus);
    for (std::string z; std::getline(zeilen, z);) {
        if (z.rfind(pfad + ":", 0) != 0 || !std::isdigit(static_cast<unsigned char>(z[pfad.size() + 1])))
            continue;  // the summary line
        const size_t nach = z.find(": ", pfad.size() + 1);
        befunde.push_back("Zeile " + z.substr(pfad.size() + 1, nach - pfad.size() - 1) + ": " + z.substr(nach + 2));
    }
    return befunde;
}

// @p text with the value of file line @p zeile (from 1) raised by one hundredth.
std::string Angehoben(std::string text, int zeile)
{
    size_t anfang = 0;
    for (int i = 1; i < zeile; ++i)
        anfang = text.find('\n', anfang) + 1;
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
    ASSERT_EQ(sauber.compare(sauber.size() - 2, 2, "\n\n"), 0) << "a whole file";
    // 14 data lines, then NUL bytes where the file went on.
    size_t vierzehn = sauber.find("\n\n") + 2;
    for (int i = 0; i < 14; ++i)
        vierzehn = sauber.find('\n', vierzehn) + 1;
    const std::pair<const char *, std::string> dateien[] = {
        {"eins.txt", Angehoben(sauber, 20)},
        {"nul.txt", sauber.substr(0, vierzehn) + std::string(100000, '\0')},
    };
    Tippen(FREQUENZ, "8");  // a commit before: the undo history has a step to keep
    const Eingabewerte vorher = gEingabe;
    const std::string schritt = Aktion("RUECKGAENGIG")->text().toStdString();
    for (const auto &[name, text] : dateien) {
        SCOPED_TRACE(name);
        const std::string pfad = ordner + "/" + name;
        DateiSchreiben(pfad, text);
        const std::vector<std::string> befunde = BefundeDesPruefers(pfad);
        ASSERT_FALSE(befunde.empty()) << "the checker finds the damage";
        for (const bool bReferenz : {false, true}) {
            SCOPED_TRACE(bReferenz ? "from the reference" : "from a file");
            MeldungenLeeren();
            Waehlen(pfad);
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
            const std::string &meldung = gMeldungen[0].text;
            EXPECT_EQ(meldung.rfind(std::string(name) + ": " + std::to_string(befunde.size()) +
                                        (befunde.size() == 1 ? " Befund\n" : " Befunde\n"), 0), 0u) << meldung;
            for (const std::string &b : befunde)
                EXPECT_NE(meldung.find("\n" + b), std::string::npos) << b << " in\n" << meldung;
            EXPECT_EQ(std::memcmp(&vorher, &gEingabe, sizeof vorher), 0) << "the inputs stay";
            EXPECT_EQ(Aktion("RUECKGAENGIG")->text().toStdString(), schritt) << "no undo step";
            EXPECT_EQ(A(STATUSZEILE), status);
            Fenster_ReferenzEntfernen();
        }
    }

    // Three raised values leave the checker without a finding; no design writes them, which is said as proven.
    const std::string pfad = ordner + "/drei.txt";
    DateiSchreiben(pfad, Angehoben(Angehoben(Angehoben(sauber, 16), 31), 46));
    ASSERT_TRUE(BefundeDesPruefers(pfad).empty());
    MeldungenLeeren();
    Waehlen(pfad);
    Fenster_EingabenAusKurve();
    ASSERT_EQ(gMeldungen.size(), 1u);
    EXPECT_EQ(gMeldungen[0].text, "Keine Eingaben aus drei.txt: kein Export einer Sinuskurve ergibt diese Werte.");
    EXPECT_EQ(std::memcmp(&vorher, &gEingabe, sizeof vorher), 0);
}
