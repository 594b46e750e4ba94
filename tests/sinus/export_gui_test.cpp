// The export button: the file dialog, cancelling, and the popups of failed
// exports with their reason and path.
#include "sinus_fixture.h"

#include <chrono>
#include <sys/stat.h>

namespace {

class Export : public SinusPanel {
protected:
    void SetUp() override
    {
        SinusPanel::SetUp();
        ordner = TestOrdner();
        pfad = ordner + "/kurve.txt";
        gDateiauswahlTitel.clear();
    }
    std::string ordner, pfad;
};

}  // namespace

TEST_F(Export, DialogWaehltDieDateiUndUeberschreibt)
{
    FILE *f = std::fopen(pfad.c_str(), "w");
    std::fputs("alt", f);
    std::fclose(f);
    DateiauswahlAntwort(pfad, 1);
    TK_Klicken(gPanelMain, SPEICHERN);
    EXPECT_TRUE(gMeldungen.empty());
    ASSERT_EQ(gDateiauswahlTitel.size(), 1u);
    EXPECT_EQ(gDateiauswahlTitel[0], "Kurve exportieren");
    const std::string inhalt = DateiLesen(pfad);
    EXPECT_EQ(std::count(inhalt.begin(), inhalt.end(), '\n'), 28);
    EXPECT_NE(inhalt.find("\n0.01000\t65.45\t10ms\t1\n"), std::string::npos);

    DateiauswahlAntwort("", 0);  // cancelled: nothing touched, nothing shown
    TK_Klicken(gPanelMain, SPEICHERN);
    EXPECT_EQ(DateiLesen(pfad), inhalt);
    EXPECT_TRUE(gMeldungen.empty());
}

TEST_F(Export, FehlerZeigenNummerTextGrundUndPfad)
{
    const std::string fifo = ordner + "/fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        std::string pfad;
        const char *titel;
        std::string text;
    } faelle[] = {
        {ordner + "/fehlt/k.txt", "Fehler #308202",
         "Fehler beim Öffnen der Datei\nOrdner nicht gefunden: " + ordner + "/fehlt/k.txt"},
        {"/dev/full", "Fehler #301203",
         "Fehler beim Schreiben auf Datei\nKein Speicherplatz mehr auf dem Datenträger: /dev/full"},
        {fifo, "Fehler #308202", "Fehler beim Öffnen der Datei\nKein Leser an der Pipe: " + fifo},
        // A path too long for the path area is refused whole, never shortened.
        {ordner + "/" + std::string(300, 'a'), "Fehler #308202", "Fehler beim Öffnen der Datei\nPfad zu lang"},
    };
    for (const auto &f : faelle) {
        MeldungenLeeren();
        DateiauswahlAntwort(f.pfad, 2);
        const auto beginn = std::chrono::steady_clock::now();
        TK_Klicken(gPanelMain, SPEICHERN);
        EXPECT_LT(std::chrono::steady_clock::now() - beginn, std::chrono::seconds(1)) << "never blocks";
        ASSERT_EQ(gMeldungen.size(), 1u) << f.pfad;
        EXPECT_EQ(gMeldungen[0].titel, f.titel);
        EXPECT_EQ(gMeldungen[0].text, f.text);
    }
    EXPECT_EQ(DateiLesen(ordner + "/" + std::string(259 - ordner.size() - 1, 'a')), "");
}
