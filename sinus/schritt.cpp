// The step from inputs to curve, the same for the window and the exporter:
// a refused input set is judged before the caller's curve changes, so the
// caller keeps its last accepted curve without a copy to restore.
#include "Sinusschritt.h"

#include "toolkit_kern.h"

#include <cstdio>

int Sinus_Schritt(const Eingabewerte *pEingabe, Sinuskurve *pSinus, Kurvenanalyse *pAnalyse,
                  Schrittbericht *pBericht)
{
    TK_RechnenVorbereiten();
    Schrittbericht bericht = {};
    double dZeitbasisMs = ZEITBASIS_ERSATZ_MS;
    bericht.bZeitbasisFehlt = !Zeitbasis_Suchen(pEingabe->szZeitbasis, &dZeitbasisMs);

    Sinuskurve neu = *pSinus;
    Sinus_Ableiten(pEingabe, dZeitbasisMs, &neu);
    bericht.dPunkte = static_cast<double>(neu.iPunkteProPeriode) * neu.dPerioden;
    if (!Sinus_WerteEndlich(&neu))
        bericht.iStatus = SCHRITT_NICHT_ENDLICH;
    else if (!Sinus_PunkteZulaessig(&neu))
        bericht.iStatus = SCHRITT_ZU_VIELE_PUNKTE;
    else {
        bericht.iStatus = Sinus_Erzeugen(&neu);
        *pSinus = neu;
        if (bericht.iStatus == 0 && pAnalyse)
            Analyse_Kurve(pEingabe, pSinus, pAnalyse);
    }
    if (pBericht)
        *pBericht = bericht;
    return bericht.iStatus;
}

void Sinus_SchrittText(const Schrittbericht *pBericht, char *szText, std::size_t iGroesse)
{
    szText[0] = '\0';
    if (pBericht->iStatus == SCHRITT_NICHT_ENDLICH) {
        TK_TextKopieren(szText, iGroesse, SINUS_TEXT_NICHT_ENDLICH);
    } else if (pBericht->iStatus == SCHRITT_ZU_VIELE_PUNKTE) {
        char szZeile[SINUS_ZEILE_GROESSE];
        std::snprintf(szZeile, sizeof szZeile, SINUS_TEXT_PUNKTE_GEGEN_GRENZE, pBericht->dPunkte, MAX_KURVENPUNKTE);
        TK_TextKopieren(szText, iGroesse, SINUS_TEXT_ZU_VIELE_PUNKTE);
        TK_TextAnhaengen(szText, iGroesse, szZeile);
    }
}
