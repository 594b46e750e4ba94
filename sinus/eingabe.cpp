// The input callback: couples peak with RMS amplitude and frequency with
// period duration, then re-reads, regenerates and redraws the curve.
#include "Sinuserzeugung_Main.h"

#include "ZEM_errorV3.h"
#include "toolkit.h"
#include "wlr7sinus_uir.h"

#include <cmath>

double Sinus_EffAusDach(double dDach) { return dDach / std::sqrt(2.0); }
double Sinus_DachAusEff(double dEff) { return std::sqrt(2.0) * dEff; }
double Sinus_PeriodeAusFrequenz(double dFrequenz) { return 1000.0 * (1.0 / dFrequenz); }
double Sinus_FrequenzAusPeriode(double dPeriodeMs) { return 1.0 / (dPeriodeMs / 1000.0); }

int Eingabe(int, int iControl, int iEreignis, void *, int, int)
{
    if (iEreignis != EVENT_COMMIT)
        return 0;

    // The partner control is written from code, which raises no event, so
    // its own coupling does not run in turn.
    double dWert = 0.0;
    GetCtrlVal(gPanelMain, iControl, &dWert);
    switch (iControl) {
    case AMPLITUDEDACH:
        SetCtrlVal(gPanelMain, AMPLITUDEEFF, Sinus_EffAusDach(dWert));
        break;
    case AMPLITUDEEFF:
        SetCtrlVal(gPanelMain, AMPLITUDEDACH, Sinus_DachAusEff(dWert));
        break;
    case FREQUENZ:
        SetCtrlVal(gPanelMain, PERIODENDAUER, Sinus_PeriodeAusFrequenz(dWert));
        break;
    case PERIODENDAUER:
        SetCtrlVal(gPanelMain, FREQUENZ, Sinus_FrequenzAusPeriode(dWert));
        break;
    default:
        break;
    }

    Sinus_EingabenLesen();
    const int iCode = Sinus_Berechnen();
    if (iCode != 0)
        ZEM_Fehlerpopup(iCode);
    return 0;
}
