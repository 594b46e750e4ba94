// The curve export: a commented header, one tab-separated line per sample
// and a closing empty line, written line by line so that a failure is
// reported where it hits.
#include "Sinuserzeugung_Main.h"

#include "ZEM_errorV3.h"
#include "toolkit.h"
#include "wlr7sinus_uir.h"

#include <charconv>
#include <cstring>

namespace {

const int ZEILE_GROESSE = 100;
const int PFAD_GROESSE = 260;

const char *const gKopf[] = {
    "# Kurven exportiert aus WLR7-Dovarizuz",
    "# Spalte 1 = Zeit in Sekunden",
    "# Spalte 2 = Y-Wert in Prozent",
    "# Spalte 3 = Zeitbasis",
    "# Spalte 4 = Kuvennummer",
    "",
};

// Writes one line; true when all of it was written.
bool ZeileSchreiben(int iDatei, const char *szZeile)
{
    const int iLaenge = static_cast<int>(std::strlen(szZeile));
    return WriteLine(iDatei, szZeile, iLaenge) == iLaenge;
}

}  // namespace

// Forms "%.5f\t%.2f\t%s\t%d". std::to_chars writes exactly what printf in
// the "C" locale writes, at a fraction of its cost. A line that does not fit
// is no line: false, never a cut one.
int Sinus_ExportZeile(char *szZeile, size_t iGroesse, double dZeit, double dWert, const char *szZeitbasis,
                      int iKurvennummer)
{
    if (iGroesse == 0)
        return 0;
    char *p = szZeile;
    char *const ende = szZeile + iGroesse - 1;  // room for the NUL
    auto feld = [&](std::to_chars_result r) {
        if (r.ec != std::errc() || r.ptr >= ende)
            return false;
        p = r.ptr;
        *p++ = '\t';
        return true;
    };
    const size_t iLabel = std::strlen(szZeitbasis);
    if (!feld(std::to_chars(p, ende, dZeit, std::chars_format::fixed, 5)) ||
        !feld(std::to_chars(p, ende, dWert, std::chars_format::fixed, 2)) ||
        iLabel >= static_cast<size_t>(ende - p)) {
        szZeile[0] = '\0';
        return 0;
    }
    std::memcpy(p, szZeitbasis, iLabel);
    p += iLabel;
    *p++ = '\t';
    std::to_chars_result r = std::to_chars(p, ende, iKurvennummer);
    if (r.ec != std::errc()) {
        szZeile[0] = '\0';
        return 0;
    }
    *r.ptr = '\0';
    return 1;
}

int Sinus_ExportSchreiben(const char *szPfad)
{
    const int iDatei = CVI_OpenFile(szPfad, 2, 0, 1);
    if (iDatei == -1)
        return SINUS_FEHLER_OEFFNEN;

    char szZeile[ZEILE_GROESSE];
    for (const char *szKopf : gKopf) {
        TK_TextKopieren(szZeile, sizeof szZeile, szKopf);
        if (!ZeileSchreiben(iDatei, szZeile)) {
            CVI_CloseFile(iDatei);
            return SINUS_FEHLER_KOPF;
        }
    }

    double dZeit = 0.0;
    for (int i = 1; i <= gSinus.iAnzahlPunkte - 1; ++i) {
        if (!Sinus_ExportZeile(szZeile, sizeof szZeile, dZeit, gSinus.pdWerte[i], gEingabe.szZeitbasis,
                               gEingabe.iKurvennummer) ||
            !ZeileSchreiben(iDatei, szZeile)) {
            CVI_CloseFile(iDatei);
            return SINUS_FEHLER_DATEN;
        }
        dZeit += Zeitbasis_Ermitteln(gEingabe.szZeitbasis) / 1000.0;
    }

    if (WriteLine(iDatei, "", 0) != 0) {
        CVI_CloseFile(iDatei);
        return SINUS_FEHLER_SCHLUSS;
    }
    CVI_CloseFile(iDatei);
    return 0;
}

int Sinus_Exportieren(void)
{
    char szPfad[PFAD_GROESSE];
    const int iAuswahl = FileSelectPopup("", "*.txt", "*.txt", "Kurve exportieren", 1, 0, 0, 1, 1, szPfad,
                                         sizeof szPfad);
    if (iAuswahl == 0)
        return 0;
    // The dialog failed or the path does not fit: there is no file to open.
    if (iAuswahl < 0)
        return SINUS_FEHLER_OEFFNEN;
    return Sinus_ExportSchreiben(szPfad);
}

int Speichern(int, int, int iEreignis, void *, int, int)
{
    if (iEreignis != EVENT_COMMIT)
        return 0;
    const int iCode = Sinus_Exportieren();
    if (iCode != 0)
        ZEM_Fehlerpopup(iCode);
    return 0;
}
