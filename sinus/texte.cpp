// The German texts of the sine curve (see Sinustexte.h), and those formed
// from the records.
#include "Sinusanalyse.h"
#include "Sinuserzeugung_Main.h"
#include "Kurvenformat.h"
#include "Sinuseingaben.h"

const char SINUS_TEXT_ZU_VIELE_PUNKTE[] =
    "Die Kurve besteht aus zu vielen Punkten.\nReduzieren Sie die Perioden oder die\n"
    "Periodendauer oder erhöhen Sie\ndie Zeitbasis.";
const char SINUS_TEXT_NICHT_ENDLICH[] =
    "Amplitude oder Offset sind in Prozent der Maximalspannung\nkeine endliche Zahl. Geben Sie kleinere Werte\noder eine größere Maximalspannung ein.";
const char SINUS_TEXT_ABGELEHNT[] = "Abgelehnt, die vorigen Eingaben gelten: ";
const char SINUS_TEXT_FEHLER[] = "Fehler";
const char SINUS_TEXT_WARNUNG[] = "Warnung";
const char SINUS_TEXT_ZEITBASIS_FEHLT[] = "Zeitbasis nicht gefunden";
const char SINUS_TEXT_OHNE_GRENZEN[] = "ohne Grenzen";
const char SINUS_TEXT_KEINE_KURVE[] = "Keine Kurve";
const char SINUS_TEXT_PFAD_ZU_LANG[] = "Pfad zu lang";
const char SINUS_TEXT_REFERENZ_GLEICH[] = "ist Byte für Byte der Export der Eingaben";
const char SINUS_TEXT_ZEILE_ZU_LANG[] = "Zeile zu lang";

#include "toolkit_kern.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

const std::size_t TITEL_TEIL_GROESSE = 96;  // one input's part of the report title

}  // namespace

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
    // Each input's part of the title from the table, its number as its
    // field shows it: the field's decimals, more for a small value.
    TK_TextKopieren(szText, iGroesse, "");
    for (int i = 0; i < Eingaben_Anzahl(); ++i) {
        const Eingabefeld *f = Eingaben_Feld(i);
        if (!*f->szTitel)
            continue;
        if (f->bTitelOhneNull && f->iArt == EINGABEN_ZAHL && *Eingaben_Zahl(const_cast<Eingabewerte *>(pEingabe), f) == 0.0)
            continue;  // the default says nothing: titles of earlier designs stay as they were
        char szWert[TK_ZAHL_TEXT_GROESSE], sz[TITEL_TEIL_GROESSE];
        if (f->iArt == EINGABEN_ZAHL)
            TK_ZahlText(*Eingaben_Zahl(const_cast<Eingabewerte *>(pEingabe), f), f->iStellen, TK_ZAHL_FELDBREITE, szWert,
                        sizeof szWert);
        else if (f->iArt == EINGABEN_ZEITBASIS)
            TK_TextKopieren(szWert, sizeof szWert, pEingabe->szZeitbasis);
        else
            std::snprintf(szWert, sizeof szWert, "%d", static_cast<int>(pEingabe->iKurvennummer));
        std::snprintf(sz, sizeof sz, f->szTitel, szWert);
        TK_TextAnhaengen(szText, iGroesse, sz);
        // What the file plays, where it is not the frequency typed.
        if (f->iId == EINGABE_FREQUENZ && pAnalyse && Analyse_AndereFrequenz(pAnalyse)) {
            char szZahl[48];
            Analyse_Zahl(pAnalyse->dFrequenz, ANALYSE_STELLEN, szZahl, sizeof szZahl);
            std::snprintf(sz, sizeof sz, " (in der Datei %s Hz)", szZahl);
            TK_TextAnhaengen(szText, iGroesse, sz);
        }
    }
}
