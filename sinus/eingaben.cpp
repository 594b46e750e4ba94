// The table of the nine inputs and what follows from it alone: defaults,
// reading a typed value, the range as text, and the coupling of peak with
// RMS amplitude and of frequency with period duration.
#include "Sinuseingaben.h"

#include "toolkit_kern.h"
#include "wlr7sinus_uir.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <limits>

namespace {

const double UNBEGRENZT = std::numeric_limits<double>::infinity();
const int ZEITBASIS_VORGABE = 9;  // "10ms"
const double ZEITBASEN = 17.0;    // items of the time-base ring, one per entry of its table
const int KURVEN = 4;
const int AENDERUNG_WERT = 32;    // one value of a change, as text
const int AENDERUNG_STELLEN = 10; // significant digits: what was typed, not a rounding of it

// In panel order, which is also the order of the fields in Eingabewerte.
const Eingabefeld gFelder[] = {
    {WLR7UMAX, "umax", "V", "WLR-7 Ausgang max. [V]", "V", "Größte Ausgangsspannung des WLR-7 in Volt", "",
     EINGABEN_ZAHL, 0.001, 10000.0, 10.0, 3, offsetof(Eingabewerte, dUmax)},
    {AMPLITUDEDACH, "peak", "V", "Amplitude [V^]", "V", "Scheitelwert der Amplitude in Volt", "",
     EINGABEN_ZAHL, -UNBEGRENZT, UNBEGRENZT, 5.0, 3, offsetof(Eingabewerte, dAmplitudeDach)},
    {AMPLITUDEEFF, "rms", "V", "Amplitude [Veff]", "V", "Effektivwert der Amplitude in Volt",
     "Scheitelwert = sqrt(2) * V", EINGABEN_ZAHL, -UNBEGRENZT, UNBEGRENZT, 3.536, 3,
     offsetof(Eingabewerte, dAmplitudeEff)},
    {OFFSET, "offset", "V", "Offset [V]", "V", "Offset in Volt", "", EINGABEN_ZAHL, -UNBEGRENZT, UNBEGRENZT, 5.0, 3,
     offsetof(Eingabewerte, dOffset)},
    {FREQUENZ, "frequency", "HZ", "Frequenz [Hz]", "Hz", "Frequenz in Hertz", "Periodendauer = 1000 / HZ",
     EINGABEN_ZAHL, 0.02, 20000.0, 5.0, 2, offsetof(Eingabewerte, dFrequenz)},
    {PERIODENDAUER, "period", "MS", "Periodendauer [ms]", "ms", "Periodendauer in Millisekunden", "",
     EINGABEN_ZAHL, 0.05, 50000.0, 200.0, 2, offsetof(Eingabewerte, dPeriodendauer)},
    {ANZAHLPERIODEN, "periods", "N", "Perioden", "", "Anzahl der Perioden", "", EINGABEN_ZAHL, 0.01, 100.0, 1.0, 2,
     offsetof(Eingabewerte, dAnzahlPerioden)},
    {ZEITBASIS, "timebase", "LABEL", "Zeitbasis", "", "Abstand zweier Stützpunkte", "", EINGABEN_ZEITBASIS, 1.0,
     ZEITBASEN, ZEITBASIS_VORGABE + 1.0, 0, 0},
    {KURVENNUMMER, "curve", "N", "Kurve", "", "Kurvennummer in der Exportdatei", "", EINGABEN_KURVE, 1.0, KURVEN,
     1.0, 0, 0},
};

// The coupled pairs: a control, its partner and how the partner follows.
struct Paar {
    int iControl, iPartner;
    double (*partner)(double);
};
const Paar gPaare[] = {
    {AMPLITUDEDACH, AMPLITUDEEFF, Sinus_EffAusDach},
    {AMPLITUDEEFF, AMPLITUDEDACH, Sinus_DachAusEff},
    {FREQUENZ, PERIODENDAUER, Sinus_PeriodeAusFrequenz},
    {PERIODENDAUER, FREQUENZ, Sinus_FrequenzAusPeriode},
};

}  // namespace

int Eingaben_Anzahl(void)
{
    return static_cast<int>(std::size(gFelder));
}

const Eingabefeld *Eingaben_Feld(int iIndex)
{
    return iIndex >= 0 && iIndex < Eingaben_Anzahl() ? &gFelder[iIndex] : nullptr;
}

const Eingabefeld *Eingaben_ZuControl(int iControl)
{
    for (const Eingabefeld &f : gFelder)
        if (f.iControl == iControl)
            return &f;
    return nullptr;
}

double *Eingaben_Zahl(Eingabewerte *pEingabe, const Eingabefeld *pFeld)
{
    if (!pEingabe || !pFeld || pFeld->iArt != EINGABEN_ZAHL)
        return nullptr;
    return reinterpret_cast<double *>(reinterpret_cast<char *>(pEingabe) + pFeld->iFeld);
}

void Eingaben_Vorgaben(Eingabewerte *pEingabe)
{
    std::memset(pEingabe, 0, sizeof *pEingabe);
    for (const Eingabefeld &f : gFelder) {
        if (double *pd = Eingaben_Zahl(pEingabe, &f))
            *pd = f.dVorgabe;
    }
    pEingabe->iZeitbasisIndex = ZEITBASIS_VORGABE;
    TK_TextKopieren(pEingabe->szZeitbasis, sizeof pEingabe->szZeitbasis, Zeitbasis_Label(ZEITBASIS_VORGABE));
    pEingabe->iKurvennummer = 1;
}

int Eingaben_Uebernehmen(Eingabewerte *pEingabe, const Eingabefeld *pFeld, const char *szText)
{
    if (!pEingabe || !pFeld || !szText)
        return 0;
    if (pFeld->iArt == EINGABEN_ZEITBASIS) {
        for (int k = 0; k < Zeitbasis_Anzahl(); ++k)
            if (std::strcmp(Zeitbasis_Label(k), szText) == 0) {
                pEingabe->iZeitbasisIndex = k;
                TK_TextKopieren(pEingabe->szZeitbasis, sizeof pEingabe->szZeitbasis, szText);
                return 1;
            }
        return 0;
    }
    if (pFeld->iArt == EINGABEN_KURVE) {
        if (std::strlen(szText) != 1 || szText[0] < '1' || szText[0] > '0' + KURVEN)
            return 0;
        pEingabe->iKurvennummer = szText[0] - '0';
        return 1;
    }
    double d;
    if (!TK_ZahlLesen(szText, &d) || d < pFeld->dMin || d > pFeld->dMax)
        return 0;
    *Eingaben_Zahl(pEingabe, pFeld) = d;
    return 1;
}

int Eingaben_Begrenzt(const Eingabefeld *pFeld)
{
    return std::isfinite(pFeld->dMin) && std::isfinite(pFeld->dMax);
}

void Eingaben_Bereich(const Eingabefeld *pFeld, char *szText, std::size_t iGroesse)
{
    if (!Eingaben_Begrenzt(pFeld))
        TK_TextKopieren(szText, iGroesse, SINUS_TEXT_OHNE_GRENZEN);
    else
        std::snprintf(szText, iGroesse, "%g bis %g", pFeld->dMin, pFeld->dMax);
}

int Eingaben_Koppeln(Eingabewerte *pEingabe, int iControl)
{
    for (const Paar &p : gPaare) {
        if (p.iControl != iControl)
            continue;
        const double dPartner = p.partner(*Eingaben_Zahl(pEingabe, Eingaben_ZuControl(iControl)));
        if (!std::isfinite(dPartner))
            return -1;
        *Eingaben_Zahl(pEingabe, Eingaben_ZuControl(p.iPartner)) = dPartner;
        return p.iPartner;
    }
    return 0;
}

void Eingaben_AenderungText(const Eingabewerte *pVon, const Eingabewerte *pNach, char *szText, std::size_t iGroesse)
{
    szText[0] = '\0';
    for (const Eingabefeld &f : gFelder) {
        char szVon[AENDERUNG_WERT], szNach[AENDERUNG_WERT];
        if (f.iArt == EINGABEN_ZEITBASIS) {
            TK_TextKopieren(szVon, sizeof szVon, pVon->szZeitbasis);
            TK_TextKopieren(szNach, sizeof szNach, pNach->szZeitbasis);
        } else if (f.iArt == EINGABEN_KURVE) {
            std::snprintf(szVon, sizeof szVon, "%d", static_cast<int>(pVon->iKurvennummer));
            std::snprintf(szNach, sizeof szNach, "%d", static_cast<int>(pNach->iKurvennummer));
        } else {
            const double dVon = *Eingaben_Zahl(const_cast<Eingabewerte *>(pVon), &f);
            const double dNach = *Eingaben_Zahl(const_cast<Eingabewerte *>(pNach), &f);
            if (dVon == dNach)
                continue;
            std::snprintf(szVon, sizeof szVon, "%.*g", AENDERUNG_STELLEN, dVon);
            std::snprintf(szNach, sizeof szNach, "%.*g", AENDERUNG_STELLEN, dNach);
        }
        if (std::strcmp(szVon, szNach) == 0)
            continue;
        // The label without its unit in brackets: "Frequenz [Hz]" names "Frequenz".
        const char *szKlammer = std::strstr(f.szLabel, " [");
        const int iName = szKlammer ? static_cast<int>(szKlammer - f.szLabel) : static_cast<int>(std::strlen(f.szLabel));
        std::snprintf(szText, iGroesse, "%.*s %s \u2192 %s%s%s", iName, f.szLabel, szVon, szNach, *f.szEinheit ? " " : "",
                      f.szEinheit);
        return;
    }
}

void Eingaben_Hilfe(const Eingabefeld *pFeld, char *szText, std::size_t iGroesse)
{
    char szBereich[AENDERUNG_WERT * 2];
    if (pFeld->iArt == EINGABEN_ZEITBASIS)
        std::snprintf(szBereich, sizeof szBereich, "%s bis %s", Zeitbasis_Label(0), Zeitbasis_Label(Zeitbasis_Anzahl() - 1));
    else if (pFeld->iArt == EINGABEN_KURVE)
        std::snprintf(szBereich, sizeof szBereich, "%g bis %g", pFeld->dMin, pFeld->dMax);
    else
        Eingaben_Bereich(pFeld, szBereich, sizeof szBereich);
    std::snprintf(szText, iGroesse, "%s (%s%s%s)", pFeld->szBeschreibung, szBereich,
                  *pFeld->szEinheit && Eingaben_Begrenzt(pFeld) ? " " : "", Eingaben_Begrenzt(pFeld) ? pFeld->szEinheit : "");
}
