#include "dateiauswahl_gui.h"

#include "seam_gui.h"

std::vector<std::string> gDateiauswahlTitel;

namespace {

std::string gPfad;
int gErgebnis = 0;

int Antworten(const char *titel, char *pfad, std::size_t groesse)
{
    gDateiauswahlTitel.push_back(titel);
    if (gErgebnis > 0 && gPfad.size() + 1 > groesse)
        return TK_FEHLER_PFAD_ZU_LANG;
    TK_TextKopieren(pfad, groesse, gErgebnis > 0 ? gPfad.c_str() : "");
    return gErgebnis;
}

struct Einrichtung {
    Einrichtung() { TK_DateiauswahlAbfangen(Antworten); }
} gEinrichtung;

}  // namespace

void DateiauswahlAntwort(const std::string &pfad, int ergebnis)
{
    gPfad = pfad;
    gErgebnis = ergebnis;
}
