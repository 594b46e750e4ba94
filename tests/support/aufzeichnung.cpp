#include "aufzeichnung.h"

#include "toolkit.h"
#include "toolkit_seam.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

std::vector<Meldung> gMeldungen;
std::vector<std::string> gDateiauswahlTitel;

namespace {

std::string gPfad;
int gErgebnis = 0;

void Aufzeichnen(const char *titel, const char *text) { gMeldungen.push_back({titel, text}); }

int Antworten(const char *titel, char *pfad, std::size_t groesse)
{
    gDateiauswahlTitel.push_back(titel);
    if (gErgebnis > 0 && gPfad.size() + 1 > groesse)
        return TK_FEHLER_PFAD_ZU_LANG;
    TK_TextKopieren(pfad, groesse, gErgebnis > 0 ? gPfad.c_str() : "");
    return gErgebnis;
}

// Answers popups from the start and removes the test folders at the end.
struct Einrichtung {
    Einrichtung()
    {
        TK_MeldungenAbfangen(Aufzeichnen);
        TK_DateiauswahlAbfangen(Antworten);
    }
    ~Einrichtung()
    {
        std::error_code fehler;
        for (const std::string &o : ordner)
            std::filesystem::remove_all(o, fehler);
    }
    std::vector<std::string> ordner;
} gEinrichtung;

}  // namespace

void MeldungenLeeren() { gMeldungen.clear(); }

void DateiauswahlAntwort(const std::string &pfad, int ergebnis)
{
    gPfad = pfad;
    gErgebnis = ergebnis;
}

std::string TestOrdner()
{
    char muster[] = "/tmp/wlr7test-XXXXXX";
    const char *ordner = mkdtemp(muster);
    if (!ordner)
        return "/tmp";
    gEinrichtung.ordner.push_back(ordner);
    return ordner;
}

std::string DateiLesen(const std::string &pfad)
{
    std::ifstream f(pfad, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}
