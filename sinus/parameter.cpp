// The input and curve records: reading the panel, deriving the curve
// parameters and refusing input sets with too many points.
#include "Sinuserzeugung_Main.h"

#include "toolkit.h"
#include "wlr7sinus_uir.h"

#include <climits>
#include <cstring>

Eingabewerte gEingabe;
Sinuskurve gSinus;

const char *const SINUS_TEXT_ZU_VIELE_PUNKTE =
    "Die Kurve besteht aus zu vielen Punkten.\nReduzieren Sie die Perioden oder die\n"
    "Periodendauer oder erhöhen Sie\ndie Zeitbasis.";

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
}

int Sinus_PunkteZulaessig(const Sinuskurve *pSinus)
{
    const double dPunkte = static_cast<double>(pSinus->iPunkteProPeriode) * pSinus->dPerioden;
    return MAX_KURVENPUNKTE >= dPunkte;  // false for a product that is not a number
}

void Sinus_EingabenLesen(void)
{
    // Whole copies, padding included: a refusal restores both byte for byte.
    Eingabewerte sicherungEingabe;
    Sinuskurve sicherungSinus;
    std::memcpy(&sicherungEingabe, &gEingabe, sizeof gEingabe);
    std::memcpy(&sicherungSinus, &gSinus, sizeof gSinus);

    GetCtrlVal(gPanelMain, WLR7UMAX, &gEingabe.dUmax);
    GetCtrlVal(gPanelMain, AMPLITUDEDACH, &gEingabe.dAmplitudeDach);
    GetCtrlVal(gPanelMain, AMPLITUDEEFF, &gEingabe.dAmplitudeEff);
    GetCtrlVal(gPanelMain, OFFSET, &gEingabe.dOffset);
    GetCtrlVal(gPanelMain, FREQUENZ, &gEingabe.dFrequenz);
    GetCtrlVal(gPanelMain, PERIODENDAUER, &gEingabe.dPeriodendauer);
    GetCtrlVal(gPanelMain, ANZAHLPERIODEN, &gEingabe.dAnzahlPerioden);
    GetCtrlIndex(gPanelMain, ZEITBASIS, &gEingabe.iZeitbasisIndex);
    GetLabelFromIndex(gPanelMain, ZEITBASIS, gEingabe.iZeitbasisIndex, gEingabe.szZeitbasis,
                      sizeof gEingabe.szZeitbasis);
    GetCtrlVal(gPanelMain, KURVENNUMMER, &gEingabe.iKurvennummer);

    Sinus_Ableiten(&gEingabe, Zeitbasis_Ermitteln(gEingabe.szZeitbasis), &gSinus);

    if (!Sinus_PunkteZulaessig(&gSinus)) {
        MessagePopup("Fehler", SINUS_TEXT_ZU_VIELE_PUNKTE);
        std::memcpy(&gSinus, &sicherungSinus, sizeof gSinus);
        std::memcpy(&gEingabe, &sicherungEingabe, sizeof gEingabe);
        Sinus_EingabenSetzen();
    }
}

void Sinus_EingabenSetzen(void)
{
    SetCtrlVal(gPanelMain, WLR7UMAX, gEingabe.dUmax);
    SetCtrlVal(gPanelMain, AMPLITUDEDACH, gEingabe.dAmplitudeDach);
    SetCtrlVal(gPanelMain, AMPLITUDEEFF, gEingabe.dAmplitudeEff);
    SetCtrlVal(gPanelMain, OFFSET, gEingabe.dOffset);
    SetCtrlVal(gPanelMain, FREQUENZ, gEingabe.dFrequenz);
    SetCtrlVal(gPanelMain, PERIODENDAUER, gEingabe.dPeriodendauer);
    SetCtrlVal(gPanelMain, ANZAHLPERIODEN, gEingabe.dAnzahlPerioden);
    SetCtrlIndex(gPanelMain, ZEITBASIS, gEingabe.iZeitbasisIndex);
    SetCtrlVal(gPanelMain, KURVENNUMMER, static_cast<int>(gEingabe.iKurvennummer));
}
