// wlr7sinus-export --check: each file read in blocks by the curve-file
// reader, its findings in the form compilers use, so that editors and
// scripts can jump to the line.
#include "pruefen.h"

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
void Neu(const std::vector<int32_t> &werte, const Kurvenmodell &m, char *szNotizen, size_t iGroesse)
{
    // A file with findings is not reopened.
    if (gDatei.iBefunde > 0 || werte.empty() || !gDatei.szZeitbasis[0])
        return;
    Eingabewerte e = {};
    Entwurfsbericht b;
    const double UMAX = 10.0;
    if (!Entwurf_AusModell(werte.data(), gDatei.iWerte, &m, gDatei.szZeitbasis,
                           gDatei.iKurvennummer ? gDatei.iKurvennummer : 1, UMAX, &e, &b) ||
        b.iAbweichendAb != 0)
        return;
    char szOptionen[BEFEHL_GROESSE];
    Entwurf_Optionen(&e, szOptionen, sizeof szOptionen);
    TK_TextAnhaengen(szNotizen, iGroesse, szNotizen[0] ? "; " : "");
    TK_TextAnhaengen(szNotizen, iGroesse, CLI_TEXT_NEU);
    TK_TextAnhaengen(szNotizen, iGroesse, CLI_PROGRAMM);
    TK_TextAnhaengen(szNotizen, iGroesse, " ");
    TK_TextAnhaengen(szNotizen, iGroesse, szOptionen);
}

// One file: its findings, its summary line; the exit code it calls for.
int DateiPruefen(const char *szName)
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
    Neu(werte, m, szNotizen, sizeof szNotizen);
    Kurvendatei_Zusammenfassung(&gDatei, szNotizen, szZusammenfassung, sizeof szZusammenfassung);
    std::printf("%s: %s\n", szName, szZusammenfassung);
    return gDatei.iBefunde > 0 ? EXIT_BEFUNDE : EXIT_SAUBER;
}

}  // namespace

int Pruefen_Ausfuehren(int iAnzahl, char *const pszDateien[])
{
    if (iAnzahl < 1) {
        std::fprintf(stderr, "%s: %s\n", CLI_PROGRAMM, CLI_TEXT_PRUEFEN_OHNE_DATEI);
        return EXIT_UNLESBAR;
    }
    int iExit = EXIT_SAUBER;
    for (int i = 0; i < iAnzahl; ++i) {
        const int iDatei = DateiPruefen(pszDateien[i]);
        if (iDatei > iExit)
            iExit = iDatei;
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "%s: %s: %s\n", CLI_PROGRAMM, CLI_TEXT_STANDARDAUSGABE, TK_FehlerGrund(errno));
        return EXIT_UNLESBAR;
    }
    return iExit;
}
