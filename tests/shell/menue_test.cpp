// Each menu item of the running program, chosen as a user chooses it, does
// what its label says: help, the time axis, undo and redo, export, a
// reference opened and removed, inputs taken over from a file or the
// reference. A failed check never keeps the program from ending.
#include "Fenstertexte.h"
#include "panel_fixture.h"
#include "treiber.h"
#include "wlr7sinus_main.h"
#include "wlr7sinus_uir.h"
#include "zustand.h"

#include <sys/stat.h>

namespace {

std::string gOrdner;

bool Vorhanden(const std::string &pfad)
{
    struct stat st;
    return stat(pfad.c_str(), &st) == 0;
}

void Bedienen(void *)
{
    const double dOffset = Wert(gPanelMain, OFFSET);
    MeldungenLeeren();
    TK_MenuWaehlen(gPanelMain, BEDIENUNG);
    EXPECT_EQ(gMeldungen.empty() ? std::string() : gMeldungen[0].titel, FENSTER_TEXT_BEDIENUNG_TITEL)
        << "Hilfe > Tasten und Maus";

    const int bWieExportiert = gFenster.bWieExportiert;
    TK_MenuWaehlen(gPanelMain, ZEITACHSE);
    EXPECT_NE(gFenster.bWieExportiert, bWieExportiert) << "the time axis switches";
    TK_MenuWaehlen(gPanelMain, ZEITACHSE);
    EXPECT_EQ(gFenster.bWieExportiert, bWieExportiert) << "and back";

    TK_Tippen(gPanelMain, OFFSET, "4");
    EXPECT_EQ(Wert(gPanelMain, OFFSET), 4.0);
    TK_MenuWaehlen(gPanelMain, RUECKGAENGIG);
    EXPECT_EQ(Wert(gPanelMain, OFFSET), dOffset);
    TK_MenuWaehlen(gPanelMain, WIEDERHOLEN);
    EXPECT_EQ(Wert(gPanelMain, OFFSET), 4.0);

    // Exported with offset 4; the offset then typed anew.
    const std::string datei = gOrdner + "/menue.txt";
    gDateiauswahl = {datei, 2, {}};
    TK_MenuWaehlen(gPanelMain, EXPORTIEREN);
    EXPECT_TRUE(Vorhanden(datei)) << "Datei > Exportieren writes the file";
    TK_Tippen(gPanelMain, OFFSET, "3");

    gDateiauswahl = {datei, 1, {}};
    TK_MenuWaehlen(gPanelMain, KURVEOEFFNEN);
    EXPECT_TRUE((gFenster.iReferenzen > 0)) << "Datei > Kurve öffnen shows it as the reference";
    TK_MenuWaehlen(gPanelMain, EINGABENAUSREFERENZ);
    EXPECT_EQ(Wert(gPanelMain, OFFSET), 4.0) << "the reference's design";
    TK_MenuWaehlen(gPanelMain, REFERENZENTFERNEN);
    EXPECT_FALSE((gFenster.iReferenzen > 0));

    TK_Tippen(gPanelMain, OFFSET, "3");
    gDateiauswahl = {datei, 1, {}};
    TK_MenuWaehlen(gPanelMain, EINGABENAUSKURVE);
    EXPECT_EQ(Wert(gPanelMain, OFFSET), 4.0) << "the chosen file's design";
    TK_MenuWaehlen(gPanelMain, BEENDEN);
}

}  // namespace

TEST(Menue, JederPunktTutWasErSagt)
{
    gOrdner = TestOrdner();
    TK_Spaeter(Bedienen, nullptr);
    char name[] = "wlr7sinus", *argv[] = {name, nullptr};
    EXPECT_EQ(WLR7_Main(1, argv), 0);
}
