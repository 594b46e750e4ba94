// Curve generation and plotting: the sample array in percent, its life, and
// the graph with axes read in seconds and volts.
#include "Sinuserzeugung_Main.h"

#include "ZEM_errorV3.h"
#include "toolkit.h"
#include "wlr7sinus_uir.h"

#include <cstdlib>

int Sinus_AnzahlWerte(const Sinuskurve *pSinus)
{
    const int iN = Sinus_Runden(static_cast<double>(pSinus->iPunkteProPeriode) * pSinus->dPerioden);
    return iN + 2;
}

// Index 0 repeats the first sample, 1 to N are samples 0 to N - 1 of the
// wave, N + 1 continues it; then offset and limits, 0 to 100 %.
void Sinus_WerteFuellen(const Sinuskurve *pSinus, double *pdWerte, int iAnzahl)
{
    const int iN = iAnzahl - 2;
    const double dFrequenz = 1.0 / pSinus->iPunkteProPeriode;
    double dPhase = 0.0;
    SineWave(iN, pSinus->dAmplitude, dFrequenz, &dPhase, pdWerte + 1);
    pdWerte[0] = pdWerte[1];
    double dWeiter;
    SineWave(1, pSinus->dAmplitude, dFrequenz, &dPhase, &dWeiter);
    pdWerte[iN + 1] = dWeiter;
    for (int i = 0; i < iAnzahl; ++i) {
        double d = pdWerte[i] + pSinus->dOffset;
        if (d < 0.0 || d == 0.0)  // -0.0 too, which would print as "-0.00"
            d = 0.0;
        if (!(d <= 100.0))  // also turns a value that is not a number into 100
            d = 100.0;
        pdWerte[i] = d;
    }
}

int Sinus_Generieren(void)
{
    gSinus.iAnzahlPunkte = Sinus_AnzahlWerte(&gSinus);
    void *pNeu = realloc(gSinus.pdWerte, static_cast<size_t>(gSinus.iAnzahlPunkte) * sizeof(double));
    if (!pNeu) {
        gSinus.iAnzahlPunkte = 0;  // the old block stays owned and is freed at the end
        return SINUS_FEHLER_SPEICHER;
    }
    gSinus.pdWerte = static_cast<double *>(pNeu);
    Sinus_WerteFuellen(&gSinus, gSinus.pdWerte, gSinus.iAnzahlPunkte);
    return 0;
}

int Sinus_Berechnen(void)
{
    const int iCode = Sinus_Generieren();
    if (iCode != 0)
        return iCode;  // the graph keeps the previous curve
    SetCtrlAttribute(gPanelMain, GRAPH, ATTR_YAXIS_GAIN, 1.0 / gSinus.dFaktor);
    SetCtrlAttribute(gPanelMain, GRAPH, ATTR_XAXIS_GAIN,
                     gSinus.dPeriodendauer / gSinus.iPunkteProPeriode / 1000.0);
    DeleteGraphPlot(gPanelMain, GRAPH, -1, 1);
    const int iFarbe = MakeColor(0, 153, 255);
    PlotY(gPanelMain, GRAPH, gSinus.pdWerte, gSinus.iAnzahlPunkte, 4, 6, 24, 0, 1, iFarbe);
    return 0;
}

int Sinus_Initialisieren(void)
{
    gSinus.iAnzahlPunkte = 0;
    gSinus.pdWerte = static_cast<double *>(malloc(0));
    Sinus_EingabenLesen();
    const int iCode = Sinus_Berechnen();
    if (iCode != 0)
        ZEM_Fehlerpopup(iCode);
    return 0;
}

void Sinus_Freigeben(void)
{
    free(gSinus.pdWerte);
    gSinus.pdWerte = nullptr;
}
