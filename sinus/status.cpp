// What the status line under the graph says of the curve, and which of its
// values the limits 0 and 100 % cut off. Reads gSinus-like records only.
#include "Sinusanalyse.h"
#include "Kurvenformat.h"
#include "Sinuserzeugung_Main.h"

#include "toolkit_kern.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

const double MS_JE_MINUTE = 60000.0;
const long long MS_JE_STUNDE = 3600000;
const long long MS_JE_MIN = 60000;
const double MS_JE_S = 1000.0;
const double PUNKTE_GERUNDET_EINS = 0.5;  // below it, the points a period round to none and are raised to one
const double PERIODEN_TOLERANZ = 1e-9;    // relative: the samples hold the typed periods

// A duration in ms as it reads best, number and unit held together: below a
// minute in the one unit that fits ("200 ms", "1.5 s"), from a minute on in
// hours, minutes and seconds ("1 min 40 s", "16 min", "2 h 30 min").
void Zeitspanne(double dMs, char *sz, size_t iGroesse)
{
    if (!(std::fabs(dMs) >= MS_JE_MINUTE) || !std::isfinite(dMs)) {
        struct Einheit {
            double dMs;
            const char *szName;
        };
        const Einheit einheiten[] = {{1000.0, "s"}, {1.0, "ms"}, {0.001, "µs"}};
        const Einheit *e = &einheiten[2];
        for (const Einheit &k : einheiten)
            if (std::fabs(dMs) >= k.dMs) {
                e = &k;
                break;
            }
        std::snprintf(sz, iGroesse, "%.4g" SINUS_NBSP "%s", dMs / e->dMs, e->szName);
        return;
    }
    const long long iMs = std::llround(dMs);
    const long long iStunden = iMs / MS_JE_STUNDE, iMinuten = iMs % MS_JE_STUNDE / MS_JE_MIN;
    const double dSekunden = static_cast<double>(iMs % MS_JE_MIN) / MS_JE_S;
    char szTeil[40];
    sz[0] = '\0';
    if (iStunden > 0) {
        std::snprintf(szTeil, sizeof szTeil, "%lld" SINUS_NBSP "h", iStunden);
        TK_TextAnhaengen(sz, iGroesse, szTeil);
    }
    if (iMinuten > 0) {
        std::snprintf(szTeil, sizeof szTeil, "%s%lld" SINUS_NBSP "min", sz[0] ? " " : "", iMinuten);
        TK_TextAnhaengen(sz, iGroesse, szTeil);
    }
    if (dSekunden > 0.0) {
        std::snprintf(szTeil, sizeof szTeil, "%s%g" SINUS_NBSP "s", sz[0] ? " " : "", dSekunden);
        TK_TextAnhaengen(sz, iGroesse, szTeil);
    }
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
    char szSchritt[32], szDauer[32], szPunkte[32], szTeil[200];
    Zeitspanne(pAnalyse->dSchrittMs, szSchritt, sizeof szSchritt);
    Zeitspanne(pAnalyse->dSchrittMs * iN, szDauer, sizeof szDauer);
    // A period shorter than half a step still gets one point: the status
    // says what was typed, and the frequency note what the file plays.
    const double dGetippt = pSinus->dPeriodendauer / pAnalyse->dSchrittMs;
    const bool bUnterEins = dGetippt < PUNKTE_GERUNDET_EINS;
    if (bUnterEins)
        std::snprintf(szPunkte, sizeof szPunkte, "%.3g", dGetippt);
    else
        std::snprintf(szPunkte, sizeof szPunkte, "%d", pSinus->iPunkteProPeriode);
    // Counted as the file and the checker count: its data lines, against the most a file may hold.
    std::snprintf(szTeil, sizeof szTeil, SINUS_TEXT_STATUS, Kurvenformat_Datenzeilen(pSinus->iAnzahlPunkte),
                  Kurvenformat_Datenzeilen(static_cast<int>(MAX_KURVENPUNKTE) + 2), szPunkte,
                  !bUnterEins && pSinus->iPunkteProPeriode == 1 ? SINUS_TEXT_PUNKT : SINUS_TEXT_PUNKTE, szSchritt,
                  szDauer);
    TK_TextKopieren(szText, iGroesse, szTeil);
    // The periods the samples hold, where rounding them to whole samples changed what was typed.
    const double dPerioden = static_cast<double>(iN) / pSinus->iPunkteProPeriode;
    if (std::fabs(dPerioden - pSinus->dPerioden) > PERIODEN_TOLERANZ * std::fabs(pSinus->dPerioden)) {
        std::snprintf(szTeil, sizeof szTeil, SINUS_TEXT_PERIODEN_IN_DATEI, dPerioden);
        TK_TextAnhaengen(szText, iGroesse, szTeil);
    }
    // What the rig plays, where it is not what was typed.
    if (Analyse_AndereFrequenz(pAnalyse)) {
        char szZahl[48];
        Analyse_Zahl(pAnalyse->dFrequenz, ANALYSE_STELLEN, szZahl, sizeof szZahl);
        std::snprintf(szTeil, sizeof szTeil, SINUS_TEXT_FREQUENZ_IN_DATEI, szZahl);
        TK_TextAnhaengen(szText, iGroesse, szTeil);
    }
}
