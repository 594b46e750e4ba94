// wlr7sinus-export --check: each file read in blocks by the curve-file
// reader, its findings in the form compilers use, so that editors and
// scripts can jump to the line.
#include "pruefen.h"

#include "Kurvensatz.h"
#include "Sinusentwurf.h"
#include "cli_texte.h"
#include "kurvendatei.h"
#include "toolkit_kern.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const char *const STANDARDEINGABE = "-";
const int EXIT_SAUBER = 0;
const int EXIT_BEFUNDE = 1;
const int EXIT_UNLESBAR = 2;
const size_t ZUSAMMENFASSUNG_GROESSE = 1024;
const size_t BEFEHL_GROESSE = 400;

Kurvendatei gDatei;  // one record for every file: its samples are the largest part

int Unlesbar(const char *szName, int iErrno)
{
    // The toolkit's reasons speak of writing, where a missing name means a missing folder.
    const char *szGrund = iErrno == ENOENT ? CLI_TEXT_NICHT_GEFUNDEN : TK_FehlerGrund(iErrno);
    std::fprintf(stderr, "%s: %s: %s\n", CLI_PROGRAMM, szName, szGrund);
    return EXIT_UNLESBAR;
}

// The command line that writes the file's values again, after the notes
// (at the exporter's default maximum voltage: the file holds no volts).
// Returns 1 and the design in @p e where the file reopens byte for byte;
// @p bPhaseOffen says whether its values leave the start phase open.
int Neu(const std::vector<int32_t> &werte, const Kurvenmodell &m, Eingabewerte &e, int &bPhaseOffen, char *szNotizen,
        size_t iGroesse)
{
    // A file with findings is not reopened.
    if (gDatei.iBefunde > 0 || werte.empty() || !gDatei.szZeitbasis[0])
        return 0;
    e = {};
    Entwurfsbericht b;
    const double UMAX = 10.0;
    if (!Entwurf_AusModell(werte.data(), gDatei.iWerte, &m, gDatei.szZeitbasis,
                           gDatei.iKurvennummer ? gDatei.iKurvennummer : 1, UMAX, &e, &b) ||
        b.iAbweichendAb != 0)
        return 0;
    bPhaseOffen = b.bPhaseOffen;
    char szOptionen[BEFEHL_GROESSE];
    Entwurf_Optionen(&e, szOptionen, sizeof szOptionen);
    TK_TextAnhaengen(szNotizen, iGroesse, szNotizen[0] ? "; " : "");
    TK_TextAnhaengen(szNotizen, iGroesse, CLI_TEXT_NEU);
    TK_TextAnhaengen(szNotizen, iGroesse, CLI_PROGRAMM);
    TK_TextAnhaengen(szNotizen, iGroesse, " ");
    TK_TextAnhaengen(szNotizen, iGroesse, szOptionen);
    return 1;
}

// One file: its findings, its summary line; the exit code it calls for.
// @p pKurve (may be null) gets what a set of curves needs of the file.
int DateiPruefen(const char *szName, Satzkurve *pKurve)
{
    const bool bEingabe = std::strcmp(szName, STANDARDEINGABE) == 0;
    // Standard input is read as it comes, a terminal included.
    const int iDatei = bEingabe ? STDIN_FILENO : TK_LesenOeffnen(szName);
    if (iDatei < 0)
        return Unlesbar(szName, -iDatei);
    const int iGelesen = Kurvendatei_Lesen(iDatei, &gDatei);
    if (!bEingabe)
        close(iDatei);
    if (iGelesen < 0)
        return Unlesbar(szName, -iGelesen);
    // The model of the values once, for the wrong value, the notes and the design.
    std::vector<int32_t> werte;
    Kurvenmodell m = {};
    if (gDatei.iWerte > 0 && gDatei.iWerte == gDatei.iDatenzeilen) {
        werte.resize(static_cast<size_t>(gDatei.iWerte));
        for (size_t i = 0; i < werte.size(); ++i)  // values read to two decimals: back to their digits
            werte[i] = static_cast<int32_t>(std::llround(gDatei.pdWerte[i] * 100.0));
        Modell_Umkehren(werte.data(), gDatei.iWerte, &m);
    }
    Kurvendatei_WertePruefen(&gDatei, werte.empty() ? nullptr : &m);

    const int iGenannt = gDatei.iBefunde < KURVENDATEI_MAX_BEFUNDE ? gDatei.iBefunde : KURVENDATEI_MAX_BEFUNDE;
    for (int i = 0; i < iGenannt; ++i)
        std::printf("%s:%d: %s\n", szName, gDatei.aBefunde[i].iZeile, gDatei.aBefunde[i].szText);
    char szZusammenfassung[ZUSAMMENFASSUNG_GROESSE], szNotizen[ZUSAMMENFASSUNG_GROESSE];
    Kurvendatei_NotizenMitModell(&gDatei, werte.empty() ? nullptr : &m, szNotizen, sizeof szNotizen);
    Eingabewerte entwurf;
    int bPhaseOffen = 0;
    const int bEntwurf = Neu(werte, m, entwurf, bPhaseOffen, szNotizen, sizeof szNotizen);
    // A phase the values leave open is no phase of the set.
    if (pKurve)
        Kurvensatz_AusDatei(szName, &gDatei, werte.empty() ? nullptr : &m,
                            bEntwurf && !bPhaseOffen ? &entwurf : nullptr, pKurve);
    Kurvendatei_Zusammenfassung(&gDatei, szNotizen, szZusammenfassung, sizeof szZusammenfassung);
    std::printf("%s: %s\n", szName, szZusammenfassung);
    return gDatei.iBefunde > 0 ? EXIT_BEFUNDE : EXIT_SAUBER;
}

// Standard output taken all that was written, else exit 2.
int Ausgegeben(int iExit)
{
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "%s: %s: %s\n", CLI_PROGRAMM, CLI_TEXT_STANDARDAUSGABE, TK_FehlerGrund(errno));
        return EXIT_UNLESBAR;
    }
    return iExit;
}

// The files checked one by one; @p pKurven (may be null) gets each one's part of a set.
int Dateien(int iAnzahl, char *const pszDateien[], Satzkurve *pKurven)
{
    int iExit = EXIT_SAUBER;
    for (int i = 0; i < iAnzahl; ++i) {
        const int iDatei = DateiPruefen(pszDateien[i], pKurven ? &pKurven[i] : nullptr);
        if (iDatei > iExit)
            iExit = iDatei;
    }
    return iExit;
}

}  // namespace

int Pruefen_Ausfuehren(int iAnzahl, char *const pszDateien[])
{
    if (iAnzahl < 1) {
        std::fprintf(stderr, "%s: %s\n", CLI_PROGRAMM, CLI_TEXT_PRUEFEN_OHNE_DATEI);
        return EXIT_UNLESBAR;
    }
    return Ausgegeben(Dateien(iAnzahl, pszDateien, nullptr));
}

int Pruefen_Satz(int iAnzahl, char *const pszDateien[])
{
    if (iAnzahl < KURVENSATZ_MIN || iAnzahl > KURVENSATZ_MAX) {
        std::fprintf(stderr, "%s: %s\n", CLI_PROGRAMM, CLI_TEXT_SATZ_ANZAHL);
        return EXIT_UNLESBAR;
    }
    // Standard input holds one file only.
    for (int i = 0; i < iAnzahl; ++i)
        for (int j = 0; j < i; ++j)
            if (std::strcmp(pszDateien[i], STANDARDEINGABE) == 0 && std::strcmp(pszDateien[j], STANDARDEINGABE) == 0) {
                std::fprintf(stderr, "%s: %s\n", CLI_PROGRAMM, CLI_TEXT_SATZ_EINGABE_ZWEIMAL);
                return EXIT_UNLESBAR;
            }
    Satzkurve kurven[KURVENSATZ_MAX];
    int iExit = Dateien(iAnzahl, pszDateien, kurven);
    // A file that could not be read leaves no set to judge.
    if (iExit == EXIT_UNLESBAR)
        return Ausgegeben(iExit);
    static Kurvensatz satz;
    if (Kurvensatz_Pruefen(kurven, iAnzahl, &satz) > 0)
        iExit = EXIT_BEFUNDE;
    for (int i = 0; i < satz.iBefunde; ++i)
        std::printf("%s: %s\n", kurven[satz.aBefunde[i].iKurve].szName, satz.aBefunde[i].szText);
    std::printf("%s%s\n", CLI_TEXT_SATZ, satz.szSchleife);
    for (int i = 0; i < iAnzahl; ++i)
        std::printf("%s%s: %s\n", CLI_TEXT_SATZ, kurven[i].szName, satz.aszKurve[i]);
    if (satz.iBefunde == 0)
        std::printf("%s%s\n", CLI_TEXT_SATZ, CLI_TEXT_SATZ_OHNE_BEFUND);
    else
        std::printf("%s%d %s\n", CLI_TEXT_SATZ, static_cast<int>(satz.iBefunde),
                    satz.iBefunde == 1 ? SINUS_TEXT_BEFUND : SINUS_TEXT_BEFUNDE);
    return Ausgegeben(iExit);
}
