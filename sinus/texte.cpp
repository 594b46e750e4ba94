// The German texts of the sine curve (see Sinustexte.h), and those formed
// from the records.
#include "Sinusanalyse.h"
#include "Sinuserzeugung_Main.h"
#include "Kurvenformat.h"
#include "Sinuseingaben.h"
#include "wlr7sinus_uir.h"

const char *const SINUS_TEXT_ZU_VIELE_PUNKTE =
    "Die Kurve besteht aus zu vielen Punkten.\nReduzieren Sie die Perioden oder die\n"
    "Periodendauer oder erhöhen Sie\ndie Zeitbasis.";
const char *const SINUS_TEXT_NICHT_ENDLICH =
    "Amplitude oder Offset sind in Prozent der Maximalspannung\nkeine endliche Zahl. Geben Sie kleinere Werte\noder eine größere Maximalspannung ein.";
const char *const SINUS_TEXT_ABGELEHNT = "Abgelehnt, die vorigen Eingaben gelten: ";
const char *const SINUS_TEXT_FEHLER = "Fehler";
const char *const SINUS_TEXT_WARNUNG = "Warnung";
const char *const SINUS_TEXT_ZEITBASIS_FEHLT = "Zeitbasis nicht gefunden";
const char *const SINUS_TEXT_OHNE_GRENZEN = "ohne Grenzen";
const char *const SINUS_TEXT_KEINE_KURVE = "Keine Kurve";
const char *const SINUS_TEXT_PFAD_ZU_LANG = "Pfad zu lang";
const char *const SINUS_TEXT_REFERENZ_GLEICH = "ist Byte für Byte der Export der Eingaben";
const char *const SINUS_TEXT_ZEILE_ZU_LANG = "Zeile zu lang";

#include "toolkit_kern.h"

#include <cmath>
#include <cstdio>
#include <cstring>

void Sinus_BegrenzungText(double dGetippt, double dWert, double dMin, double dMax, const char *szEinheit,
                          char *szText, size_t iGroesse)
{
    char sz[160];
    std::snprintf(sz, sizeof sz, "%.10g auf %.10g begrenzt (%.10g bis %.10g%s%s)", dGetippt, dWert, dMin, dMax,
                  szEinheit && *szEinheit ? " " : "", szEinheit ? szEinheit : "");
    TK_TextKopieren(szText, iGroesse, sz);
}

void Sinus_ExportText(const char *szPfad, const Sinuskurve *pSinus, char *szText, size_t iGroesse)
{
    const char *szName = std::strrchr(szPfad, '/');
    char szZahl[48];
    std::snprintf(szZahl, sizeof szZahl, " (%d Datenzeilen)", Kurvenformat_Datenzeilen(pSinus->iAnzahlPunkte));
    TK_TextKopieren(szText, iGroesse, "Exportiert: ");
    TK_TextAnhaengen(szText, iGroesse, szName && szName[1] ? szName + 1 : szPfad);
    TK_TextAnhaengen(szText, iGroesse, szZahl);
}

void Sinus_BerichtTitel(const Eingabewerte *pEingabe, const Kurvenanalyse *pAnalyse, char *szText, size_t iGroesse)
{
    // Each number as its field shows it, with the field's decimals.
    auto stellen = [](int iControl) { return Eingaben_ZuControl(iControl)->iStellen; };
    char sz[400];
    std::snprintf(sz, sizeof sz,
                  "WLR-7 max. %.*f V · Amplitude %.*f V^ (%.*f Veff) · Offset %.*f V · Frequenz %.*f Hz",
                  stellen(WLR7UMAX), pEingabe->dUmax, stellen(AMPLITUDEDACH), pEingabe->dAmplitudeDach,
                  stellen(AMPLITUDEEFF), pEingabe->dAmplitudeEff, stellen(OFFSET), pEingabe->dOffset,
                  stellen(FREQUENZ), pEingabe->dFrequenz);
    TK_TextKopieren(szText, iGroesse, sz);
    if (pAnalyse && Analyse_AndereFrequenz(pAnalyse)) {
        char szZahl[48];
        Analyse_Zahl(pAnalyse->dFrequenz, ANALYSE_STELLEN, szZahl, sizeof szZahl);
        std::snprintf(sz, sizeof sz, " (in der Datei %s Hz)", szZahl);
        TK_TextAnhaengen(szText, iGroesse, sz);
    }
    std::snprintf(sz, sizeof sz, " · Perioden %.*f · Zeitbasis %s · Kurve %d", stellen(ANZAHLPERIODEN),
                  pEingabe->dAnzahlPerioden, pEingabe->szZeitbasis, static_cast<int>(pEingabe->iKurvennummer));
    TK_TextAnhaengen(szText, iGroesse, sz);
}
