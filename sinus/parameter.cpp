// The derivation of the curve parameters, the
// point limit and the coupling of the quantities given twice.
#include "Sinuserzeugung_Main.h"

#include <climits>
#include <cmath>
#include <cstring>

int Sinus_Runden(double dWert)
{
    double d = dWert + 0.5;
    if (!(d >= 1.0))  // 0 or less, and not a number
        return 1;
    if (d >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(d);
}

void Sinus_Ableiten(const Eingabewerte *pEingabe, double dZeitbasisMs, Sinuskurve *pSinus)
{
    pSinus->dFaktor = 1.0 / (pEingabe->dUmax / 100.0);
    pSinus->dAmplitude = pEingabe->dAmplitudeDach * pSinus->dFaktor;
    pSinus->dOffset = pEingabe->dOffset * pSinus->dFaktor;
    pSinus->dPeriodendauer = pEingabe->dPeriodendauer;
    const double dVerhaeltnis = pEingabe->dPeriodendauer / dZeitbasisMs;
    pSinus->iPunkteProPeriode = Sinus_Runden(dVerhaeltnis);
    pSinus->dPerioden = pEingabe->dAnzahlPerioden;
    pSinus->dPhase = pEingabe->dPhase;
}

int Sinus_PunkteZulaessig(const Sinuskurve *pSinus)
{
    const double dPunkte = static_cast<double>(pSinus->iPunkteProPeriode) * pSinus->dPerioden;
    return MAX_KURVENPUNKTE >= dPunkte;  // false for a product that is not a number
}

int Sinus_WerteEndlich(const Sinuskurve *pSinus)
{
    return std::isfinite(pSinus->dAmplitude) && std::isfinite(pSinus->dOffset);
}

// The coupled quantities: peak and RMS amplitude, frequency and period.
double Sinus_EffAusDach(double dDach) { return dDach / std::sqrt(2.0); }
double Sinus_DachAusEff(double dEff) { return std::sqrt(2.0) * dEff; }
double Sinus_PeriodeAusFrequenz(double dFrequenz) { return 1000.0 * (1.0 / dFrequenz); }
double Sinus_FrequenzAusPeriode(double dPeriodeMs) { return 1.0 / (dPeriodeMs / 1000.0); }
