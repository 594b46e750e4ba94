// The curve export: a commented header, one tab-separated line per sample
// and a closing empty line, written line by line so that a failure is
// reported where it hits.
#include "Sinuserzeugung_Main.h"

#include "ZEM_errorV3.h"
#include "toolkit_kern.h"

#include <charconv>
#include <cstring>

namespace {

const int ZEILE_GROESSE = 100;
const size_t BLOCK_GROESSE = 65536;

const char *const gKopf[] = {
    "# Kurven exportiert aus WLR7-Dovarizuz",
    "# Spalte 1 = Zeit in Sekunden",
    "# Spalte 2 = Y-Wert in Prozent",
    "# Spalte 3 = Zeitbasis",
    "# Spalte 4 = Kuvennummer",
    "",
};

// Writes a block of whole lines; true when all of it was written.
bool BlockSchreiben(int iDatei, const char *szBlock, size_t iLaenge)
{
    return TK_ZeilenSchreiben(iDatei, szBlock, static_cast<int>(iLaenge)) == static_cast<int>(iLaenge);
}

// Writes one line; true when all of it was written.
bool ZeileSchreiben(int iDatei, const char *szZeile)
{
    const int iLaenge = static_cast<int>(std::strlen(szZeile));
    return WriteLine(iDatei, szZeile, iLaenge) == iLaenge;
}

// Hands the reason and the path of a failure to the next error message.
int Fehlschlag(int iCode, const char *szPfad, const char *szGrund = nullptr)
{
    char szText[ZEM_USERSTRING_GROESSE];
    TK_TextKopieren(szText, sizeof szText, szGrund ? szGrund : TK_FehlerGrund(TK_DateiFehler()));
    TK_TextAnhaengen(szText, sizeof szText, ": ");
    TK_TextAnhaengen(szText, sizeof szText, std::strcmp(szPfad, "-") == 0 ? "Standardausgabe" : szPfad);
    ZEM_Fehleruserstring(szText);
    return iCode;
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
        return Fehlschlag(SINUS_FEHLER_OEFFNEN, szPfad);

    // On a failure the toolkit discards what was written: the old file
    // stays, or none is left where there was none.
    char szZeile[ZEILE_GROESSE];
    for (const char *szKopf : gKopf) {
        TK_TextKopieren(szZeile, sizeof szZeile, szKopf);
        if (!ZeileSchreiben(iDatei, szZeile)) {
            CVI_CloseFile(iDatei);
            return Fehlschlag(SINUS_FEHLER_KOPF, szPfad);
        }
    }

    // The data lines go out in blocks of whole lines: one write for many
    // lines, and a failure still lands in this step.
    static char szBlock[BLOCK_GROESSE];
    size_t iBlock = 0;
    double dZeit = 0.0;
    for (int i = 1; i <= gSinus.iAnzahlPunkte - 1; ++i) {
        if (!Sinus_ExportZeile(szZeile, sizeof szZeile, dZeit, gSinus.pdWerte[i], gEingabe.szZeitbasis,
                               gEingabe.iKurvennummer)) {
            TK_DateiVerwerfen(iDatei);
            return Fehlschlag(SINUS_FEHLER_DATEN, szPfad, "Zeile zu lang");
        }
        const size_t iLaenge = std::strlen(szZeile);
        if (iBlock + iLaenge + 1 > sizeof szBlock) {
            if (!BlockSchreiben(iDatei, szBlock, iBlock)) {
                CVI_CloseFile(iDatei);
                return Fehlschlag(SINUS_FEHLER_DATEN, szPfad);
            }
            iBlock = 0;
        }
        std::memcpy(szBlock + iBlock, szZeile, iLaenge);
        szBlock[iBlock + iLaenge] = '\n';
        iBlock += iLaenge + 1;
        dZeit += Zeitbasis_Ermitteln(gEingabe.szZeitbasis) / 1000.0;
    }
    if (iBlock > 0 && !BlockSchreiben(iDatei, szBlock, iBlock)) {
        CVI_CloseFile(iDatei);
        return Fehlschlag(SINUS_FEHLER_DATEN, szPfad);
    }

    if (WriteLine(iDatei, "", 0) != 0) {
        CVI_CloseFile(iDatei);
        return Fehlschlag(SINUS_FEHLER_SCHLUSS, szPfad);
    }
    // Only a file that reached the disk whole counts as written.
    if (CVI_CloseFile(iDatei) != 0)
        return Fehlschlag(SINUS_FEHLER_ABSCHLUSS, szPfad);
    return 0;
}
