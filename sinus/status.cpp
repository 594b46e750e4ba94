// What the status line under the graph says of the curve, and which of its
// values the limits 0 and 100 % cut off. Reads gSinus-like records only.
#include "Sinusanalyse.h"
#include "Sinuserzeugung_Main.h"

#include "toolkit_kern.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// A duration in ms in the unit that reads best, number and unit held together.
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
    std::snprintf(sz, iGroesse, "%.4g" SINUS_NBSP "%s", dMs / e->dMs, e->szName);
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

void Sinus_StatusText(const Sinuskurve *pSinus, const Kurvenanalyse *pAnalyse, char *szText, size_t iGroesse)
{
    const int iN = pSinus->iAnzahlPunkte - 2;
    if (iN < 1) {
        TK_TextKopieren(szText, iGroesse, SINUS_TEXT_KEINE_KURVE);
        return;
    }
    char szSchritt[32], szDauer[32], szTeil[200];
    Zeitspanne(pAnalyse->dSchrittMs, szSchritt, sizeof szSchritt);
    Zeitspanne(pAnalyse->dSchrittMs * iN, szDauer, sizeof szDauer);
    std::snprintf(szTeil, sizeof szTeil,
                  "%d von %.0f" SINUS_NBSP "Punkten · %d" SINUS_NBSP "%s je Periode · Schritt %s · Dauer %s", iN,
                  MAX_KURVENPUNKTE, pSinus->iPunkteProPeriode, pSinus->iPunkteProPeriode == 1 ? "Punkt" : "Punkte",
                  szSchritt, szDauer);
    TK_TextKopieren(szText, iGroesse, szTeil);
    // What the rig plays, where it is not what was typed.
    if (Analyse_AndereFrequenz(pAnalyse)) {
        std::snprintf(szTeil, sizeof szTeil, " · Frequenz in der Datei %.4g" SINUS_NBSP "Hz", pAnalyse->dFrequenz);
        TK_TextAnhaengen(szText, iGroesse, szTeil);
    }
}
