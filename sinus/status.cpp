// What the status line under the graph says of the curve, and which of its
// values the limits 0 and 100 % cut off. Reads gSinus-like records only.
#include "Sinuserzeugung_Main.h"

#include "toolkit_kern.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// A duration in ms in the unit that reads best, with a decimal comma.
void Zeitspanne(double dMs, char *sz, size_t iGroesse)
{
    struct Einheit {
        double dMs;
        const char *szName;
    };
    const Einheit einheiten[] = {{3600000.0, "h"}, {60000.0, "min"}, {1000.0, "s"}, {1.0, "ms"}, {0.001, "µs"}};
    const Einheit *e = &einheiten[4];
    for (const Einheit &k : einheiten)
        if (std::fabs(dMs) >= k.dMs) {
            e = &k;
            break;
        }
    std::snprintf(sz, iGroesse, "%.4g %s", dMs / e->dMs, e->szName);
    for (char *p = sz; *p && *p != ' '; ++p)
        if (*p == '.')
            *p = ',';
}

}  // namespace

int Sinus_GrenzeOben(const Sinuskurve *pSinus)
{
    return !(pSinus->dOffset + std::fabs(pSinus->dAmplitude) <= 100.0);
}

int Sinus_GrenzeUnten(const Sinuskurve *pSinus)
{
    return pSinus->dOffset - std::fabs(pSinus->dAmplitude) < 0.0;
}

int Sinus_BegrenzteStrecken(const Sinuskurve *pSinus, int *piVon, int *piBis, int *piOben, int iMax)
{
    const bool bOben = Sinus_GrenzeOben(pSinus), bUnten = Sinus_GrenzeUnten(pSinus);
    int iAnzahl = 0;
    for (int i = 0; i < pSinus->iAnzahlPunkte && (bOben || bUnten);) {
        const double d = pSinus->pdWerte[i];
        const int iOben = bOben && d == 100.0 ? 1 : bUnten && d == 0.0 ? 0 : -1;
        if (iOben < 0) {
            ++i;
            continue;
        }
        int j = i;
        while (j + 1 < pSinus->iAnzahlPunkte && pSinus->pdWerte[j + 1] == d)
            ++j;
        if (iAnzahl < iMax) {
            piVon[iAnzahl] = i;
            piBis[iAnzahl] = j;
            piOben[iAnzahl] = iOben;
        }
        ++iAnzahl;
        i = j + 1;
    }
    return iAnzahl;
}

void Sinus_StatusText(const Sinuskurve *pSinus, double dZeitbasisMs, char *szText, size_t iGroesse)
{
    const int iN = pSinus->iAnzahlPunkte - 2;
    if (iN < 1) {
        TK_TextKopieren(szText, iGroesse, SINUS_TEXT_KEINE_KURVE);
        return;
    }
    char szSchritt[32], szDauer[32], szTeil[160];
    Zeitspanne(dZeitbasisMs, szSchritt, sizeof szSchritt);
    Zeitspanne(dZeitbasisMs * iN, szDauer, sizeof szDauer);
    std::snprintf(szTeil, sizeof szTeil, "%d von %.0f Punkten · %d %s je Periode · Schritt %s · Dauer %s", iN,
                  MAX_KURVENPUNKTE, pSinus->iPunkteProPeriode, pSinus->iPunkteProPeriode == 1 ? "Punkt" : "Punkte",
                  szSchritt, szDauer);
    TK_TextKopieren(szText, iGroesse, szTeil);

    // The generated samples 1 to N held at a limit the curve reaches past.
    int iOben = 0, iUnten = 0;
    for (int i = 1; i <= iN; ++i) {
        iOben += Sinus_GrenzeOben(pSinus) && pSinus->pdWerte[i] == 100.0;
        iUnten += Sinus_GrenzeUnten(pSinus) && pSinus->pdWerte[i] == 0.0;
    }
    if (iOben == 0 && iUnten == 0)
        return;
    if (iOben > 0 && iUnten > 0)
        std::snprintf(szTeil, sizeof szTeil, "\nBegrenzt: %d von %d Punkten bei 100 %% und %d bei 0 %%", iOben, iN,
                      iUnten);
    else
        std::snprintf(szTeil, sizeof szTeil, "\nBegrenzt: %d von %d Punkten bei %s", iOben + iUnten, iN,
                      iOben > 0 ? "100 %" : "0 %");
    TK_TextAnhaengen(szText, iGroesse, szTeil);
}
