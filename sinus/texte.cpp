// The window's texts about inputs and curve, formed from the records.
#include "texte.h"

#include "toolkit_kern.h"

#include <cstdio>
#include <cstring>

namespace {

// Lines of the export file besides the samples: five comments and an
// empty line before them, one empty line after them.
const int EXPORT_KOPF = 6;
const int EXPORT_SCHLUSS = 1;

}  // namespace

void Sinus_ZuVielePunkteText(const Sinuskurve *pSinus, char *szText, size_t iGroesse)
{
    const double dPunkte = static_cast<double>(pSinus->iPunkteProPeriode) * pSinus->dPerioden;
    char szZeile[96];
    std::snprintf(szZeile, sizeof szZeile, "\n\n%.10g Punkte, höchstens %.0f", dPunkte, MAX_KURVENPUNKTE);
    TK_TextKopieren(szText, iGroesse, SINUS_TEXT_ZU_VIELE_PUNKTE);
    TK_TextAnhaengen(szText, iGroesse, szZeile);
}

void Sinus_BegrenzungText(double dGetippt, double dWert, double dMin, double dMax, const char *szEinheit,
                          char *szText, size_t iGroesse)
{
    char sz[160];
    std::snprintf(sz, sizeof sz, "%.10g auf %.10g begrenzt (%.10g bis %.10g%s%s)", dGetippt, dWert, dMin, dMax,
                  szEinheit && *szEinheit ? " " : "", szEinheit ? szEinheit : "");
    TK_TextKopieren(szText, iGroesse, sz);
}

int Sinus_ExportZeilen(const Sinuskurve *pSinus)
{
    return EXPORT_KOPF + (pSinus->iAnzahlPunkte > 1 ? pSinus->iAnzahlPunkte - 1 : 0) + EXPORT_SCHLUSS;
}

void Sinus_ExportText(const char *szPfad, const Sinuskurve *pSinus, char *szText, size_t iGroesse)
{
    const char *szName = std::strrchr(szPfad, '/');
    char szZahl[48];
    std::snprintf(szZahl, sizeof szZahl, " (%d Zeilen)", Sinus_ExportZeilen(pSinus));
    TK_TextKopieren(szText, iGroesse, "Exportiert: ");
    TK_TextAnhaengen(szText, iGroesse, szName && szName[1] ? szName + 1 : szPfad);
    TK_TextAnhaengen(szText, iGroesse, szZahl);
}

void Sinus_BerichtTitel(const Eingabewerte *pEingabe, char *szText, size_t iGroesse)
{
    char sz[400];
    std::snprintf(sz, sizeof sz,
                  "WLR-7 max. %.6g V · Amplitude %.6g V^ (%.6g Veff) · Offset %.6g V · Frequenz %.10g Hz · "
                  "Zeitbasis %s · Kurve %d",
                  pEingabe->dUmax, pEingabe->dAmplitudeDach, pEingabe->dAmplitudeEff, pEingabe->dOffset,
                  pEingabe->dFrequenz, pEingabe->szZeitbasis, static_cast<int>(pEingabe->iKurvennummer));
    TK_TextKopieren(szText, iGroesse, sz);
}
