// What the graph shows of the curve: the samples over the time axis as
// designed (the period divided by its samples) or as exported (the file's
// lines, one time base apart), the ideal sine as typed over the same time,
// and the readout of a sample in the file's terms.
#include "Kurvenformat.h"
#include "Sinuserzeugung_Main.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

const double IDEAL_JE_PERIODE = 64.0;  // points that draw one period of the ideal sine smoothly
const int IDEAL_MIN = 65;

}  // namespace

void Sinus_Zeitachse(const Sinuskurve *pSinus, double dZeitbasisMs, int bWieExportiert, Zeitachse *pAchse)
{
    const int iPro = pSinus->iPunkteProPeriode;
    if (bWieExportiert) {
        // Data line k holds element k and stands at (k - 1) time bases.
        pAchse->iErster = 1;
        pAchse->iAnzahl = std::max(0, pSinus->iAnzahlPunkte - 1);
        pAchse->dSchrittS = dZeitbasisMs / 1000.0;
        pAchse->dIdealNullX = 0.0;
        pAchse->dIdealPeriodeX = pSinus->dPeriodendauer / dZeitbasisMs;
    } else {
        // Element 1 is the wave's first sample; element 0 repeats it before.
        pAchse->iErster = 0;
        pAchse->iAnzahl = pSinus->iAnzahlPunkte;
        pAchse->dSchrittS = pSinus->dPeriodendauer / iPro / 1000.0;
        pAchse->dIdealNullX = 1.0;
        pAchse->dIdealPeriodeX = iPro;
    }
}

int Sinus_Ideal(const Sinuskurve *pSinus, const Zeitachse *pAchse, double *pdWerte, int iMax, double *pdSchrittX)
{
    // From the wave's first sample on, where the ideal sine stands at the start phase.
    const double dBreite = pAchse->iAnzahl - 1.0 - pAchse->dIdealNullX;
    if (iMax < 2 || !(dBreite > 0.0) || !(pAchse->dIdealPeriodeX > 0.0))
        return 0;
    const double dPunkte = std::ceil(dBreite / pAchse->dIdealPeriodeX * IDEAL_JE_PERIODE) + 1.0;
    const int n = static_cast<int>(std::clamp(dPunkte, static_cast<double>(IDEAL_MIN), static_cast<double>(iMax)));
    *pdSchrittX = dBreite / (n - 1);
    const double dStart = 2.0 * M_PI * Sinus_StartZyklen(pSinus->dPhase);  // 0 for phase 0: the same doubles as before
    for (int i = 0; i < n; ++i) {
        pdWerte[i] = pSinus->dOffset +
                     pSinus->dAmplitude * std::sin(2.0 * M_PI * i * *pdSchrittX / pAchse->dIdealPeriodeX + dStart);
    }
    return n;
}

void Sinus_Ablesung(const Sinuskurve *pSinus, const Zeitachse *pAchse, double dZeitbasisMs, int iIndex, char *szText,
                    size_t iGroesse)
{
    const int j = pAchse->iErster + iIndex;
    if (iIndex < 0 || iIndex >= pAchse->iAnzahl || j >= pSinus->iAnzahlPunkte) {
        szText[0] = '\0';
        return;
    }
    const int iZeile = std::max(j, 1);  // element 0 repeats data line 1
    const double dWert = pSinus->pdWerte[iZeile];
    std::snprintf(szText, iGroesse, "Datenzeile %d: %.5f" SINUS_NBSP "s, %.2f" SINUS_NBSP "%%, %.4g" SINUS_NBSP "V",
                  iZeile, Kurvenformat_Zeit(iZeile, dZeitbasisMs), dWert, dWert / pSinus->dFaktor);
}
