// Curve generation: the sample array in percent and its life.
#include "Sinuserzeugung_Main.h"

#include "toolkit_kern.h"

#include <cmath>
#include <cstdlib>

namespace {
const double GRAD_JE_ZYKLUS = 360.0;
}

int Sinus_AnzahlWerte(const Sinuskurve *pSinus)
{
    const int iN = Sinus_Runden(static_cast<double>(pSinus->iPunkteProPeriode) * pSinus->dPerioden);
    return iN + 2;
}

double Sinus_StartZyklen(double dPhaseGrad)
{
    const double dZyklen = dPhaseGrad / GRAD_JE_ZYKLUS;
    const double dStart = dZyklen - std::floor(dZyklen);
    return dStart < 1.0 ? dStart : 0.0;  // a tiny negative angle rounds up to a whole turn
}

// Index 0 repeats the first sample, 1 to N are samples 0 to N - 1 of the
// wave, N + 1 continues it; then offset and limits, 0 to 100 %.
void Sinus_WerteFuellen(const Sinuskurve *pSinus, double *pdWerte, int iAnzahl)
{
    const int iN = iAnzahl - 2;
    const double dFrequenz = 1.0 / pSinus->iPunkteProPeriode;
    double dPhase = Sinus_StartZyklen(pSinus->dPhase);
    SineWave(iN, pSinus->dAmplitude, dFrequenz, &dPhase, pdWerte + 1);
    pdWerte[0] = pdWerte[1];
    SineWave(1, pSinus->dAmplitude, dFrequenz, &dPhase, pdWerte + iN + 1);  // continues the wave
    for (int i = 0; i < iAnzahl; ++i) {
        double d = pdWerte[i] + pSinus->dOffset;
        if (d < 0.0 || d == 0.0)  // -0.0 too, which would print as "-0.00"
            d = 0.0;
        if (!(d <= 100.0))  // also turns a value that is not a number into 100
            d = 100.0;
        pdWerte[i] = d;
    }
}

int Sinus_Erzeugen(Sinuskurve *pSinus)
{
    pSinus->iAnzahlPunkte = Sinus_AnzahlWerte(pSinus);
    void *pNeu = realloc(pSinus->pdWerte, static_cast<size_t>(pSinus->iAnzahlPunkte) * sizeof(double));
    if (!pNeu) {
        pSinus->iAnzahlPunkte = 0;  // the old block stays owned and is freed at the end
        return SINUS_FEHLER_SPEICHER;
    }
    pSinus->pdWerte = static_cast<double *>(pNeu);
    Sinus_WerteFuellen(pSinus, pSinus->pdWerte, pSinus->iAnzahlPunkte);
    return 0;
}

void Sinus_KurveFreigeben(Sinuskurve *pSinus)
{
    free(pSinus->pdWerte);
    pSinus->pdWerte = nullptr;
    pSinus->iAnzahlPunkte = 0;
}
