// The table of the ten inputs and what follows from it alone: defaults,
// reading a typed value, the range as text, and the coupling of peak with
// RMS amplitude and of frequency with period duration.
#include "Sinuseingaben.h"

#include "Sinustexte.h"
#include "toolkit_kern.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <limits>

namespace {

const double UNBEGRENZT = std::numeric_limits<double>::infinity();
const int ZEITBASIS_VORGABE = 9;  // "10ms"
const int KURVEN = 4;
const int AENDERUNG_WERT = 32;    // one value of a change, as text
const int AENDERUNG_STELLEN = 10; // significant digits: what was typed, not a rounding of it

// The units a typed value may carry, in the field's own unit.
const TK_Einheit VOLT[] = {{"V", 0, EINHEIT_WERT}, {"mV", -3, EINHEIT_WERT}, {"kV", 3, EINHEIT_WERT}};
const TK_Einheit DACH[] = {{"V", 0, EINHEIT_WERT},    {"mV", -3, EINHEIT_WERT}, {"kV", 3, EINHEIT_WERT},
                           {"Veff", 0, EINHEIT_EFF},  {"Vrms", 0, EINHEIT_EFF}, {"Vss", 0, EINHEIT_SS},
                           {"Vpp", 0, EINHEIT_SS}};
const TK_Einheit HERTZ[] = {{"Hz", 0, EINHEIT_WERT}, {"kHz", 3, EINHEIT_WERT}, {"mHz", -3, EINHEIT_WERT}};
const TK_Einheit MILLISEKUNDEN[] = {{"ms", 0, EINHEIT_WERT}, {"s", 3, EINHEIT_WERT}, {"\u00b5s", -3, EINHEIT_WERT}};
const TK_Einheit GRAD[] = {{"\u00b0", 0, EINHEIT_WERT}, {"deg", 0, EINHEIT_WERT}};
const double PHASE_GRENZE = 360.0;  // one turn either way
const int VOLT_N = static_cast<int>(std::size(VOLT));

// In panel order, which is also the order of the fields in Eingabewerte.
const Eingabefeld gFelder[] = {
    {EINGABE_UMAX, "umax", "V", "WLR-7 Ausgang max. [V]", "V", "Größte Ausgangsspannung des WLR-7 in Volt", "",
     EINGABEN_ZAHL, 0.001, 10000.0, 10.0, 3, offsetof(Eingabewerte, dUmax), VOLT, VOLT_N,
     "WLR-7 max. %s V", 0},
    {EINGABE_DACH, "peak", "V", "Amplitude [V^]", "V", "Scheitelwert der Amplitude in Volt", "",
     EINGABEN_ZAHL, -UNBEGRENZT, UNBEGRENZT, 5.0, 3, offsetof(Eingabewerte, dAmplitudeDach), DACH,
     static_cast<int>(std::size(DACH)), " \u00b7 Amplitude %s V^", 0},
    {EINGABE_EFF, "rms", "V", "Amplitude [Veff]", "V", "Effektivwert der Amplitude in Volt",
     "Scheitelwert = sqrt(2) * V", EINGABEN_ZAHL, -UNBEGRENZT, UNBEGRENZT, 3.536, 3,
     offsetof(Eingabewerte, dAmplitudeEff), VOLT, VOLT_N, " (%s Veff)", 0},
    {EINGABE_OFFSET, "offset", "V", "Offset [V]", "V", "Offset in Volt", "", EINGABEN_ZAHL, -UNBEGRENZT, UNBEGRENZT, 5.0, 3,
     offsetof(Eingabewerte, dOffset), VOLT, VOLT_N, " \u00b7 Offset %s V", 0},
    {EINGABE_FREQUENZ, "frequency", "HZ", "Frequenz [Hz]", "Hz", "Frequenz in Hertz", "Periodendauer = 1000 / HZ",
     EINGABEN_ZAHL, 0.02, 20000.0, 5.0, 2, offsetof(Eingabewerte, dFrequenz), HERTZ,
     static_cast<int>(std::size(HERTZ)), " \u00b7 Frequenz %s Hz", 0},
    {EINGABE_PERIODE, "period", "MS", "Periodendauer [ms]", "ms", "Periodendauer in Millisekunden", "",
     EINGABEN_ZAHL, 0.05, 50000.0, 200.0, 2, offsetof(Eingabewerte, dPeriodendauer), MILLISEKUNDEN,
     static_cast<int>(std::size(MILLISEKUNDEN)), "", 0},
    {EINGABE_PERIODEN, "periods", "N", "Perioden", "", "Anzahl der Perioden", "", EINGABEN_ZAHL, 0.01, 100.0, 1.0, 2,
     offsetof(Eingabewerte, dAnzahlPerioden), nullptr, 0, " \u00b7 Perioden %s", 0},
    {EINGABE_PHASE, "phase", "DEG", "Phase [\u00b0]", "\u00b0", "Startwinkel der Sinuskurve in Grad",
     "0 beginnt beim Offset steigend, 90 im Scheitel", EINGABEN_ZAHL, -PHASE_GRENZE, PHASE_GRENZE, 0.0, 2,
     offsetof(Eingabewerte, dPhase), GRAD, static_cast<int>(std::size(GRAD)), " \u00b7 Phase %s\u00b0", 1},
    {EINGABE_ZEITBASIS, "timebase", "LABEL", "Zeitbasis", "", "Abstand zweier Stützpunkte", "", EINGABEN_ZEITBASIS,
     1.0, ZEITBASIS_ANZAHL, ZEITBASIS_VORGABE + 1.0, 0, 0, nullptr, 0, " \u00b7 Zeitbasis %s", 0},
    {EINGABE_KURVE, "curve", "N", "Kurve", "", "Kurvennummer in der Exportdatei", "", EINGABEN_KURVE, 1.0, KURVEN,
     1.0, 0, 0, nullptr, 0, " \u00b7 Kurve %s", 0},
};
static_assert(std::size(gFelder) == EINGABEN_ANZAHL, "one row per id");

// The coupled pairs: an input, its partner and how the partner follows.
struct Paar {
    int iEingabe, iPartner;
    double (*partner)(double);
};
const Paar gPaare[] = {
    {EINGABE_DACH, EINGABE_EFF, Sinus_EffAusDach},
    {EINGABE_EFF, EINGABE_DACH, Sinus_DachAusEff},
    {EINGABE_FREQUENZ, EINGABE_PERIODE, Sinus_PeriodeAusFrequenz},
    {EINGABE_PERIODE, EINGABE_FREQUENZ, Sinus_FrequenzAusPeriode},
};
const int ECHO_GROESSE = 61;  // what a message repeats of a typed text

// The typed text without the blanks around it.
void Getippt(const char *szGetippt, char *szText, std::size_t iGroesse)
{
    while (*szGetippt == ' ' || *szGetippt == '\t')
        ++szGetippt;
    TK_TextKopieren(szText, iGroesse, szGetippt);  // cut at a character, never inside one
    for (std::size_t n = std::strlen(szText); n > 0 && (szText[n - 1] == ' ' || szText[n - 1] == '\t'); --n)
        szText[n - 1] = '\0';
}

}  // namespace

int Eingaben_Anzahl(void)
{
    return static_cast<int>(std::size(gFelder));
}

const Eingabefeld *Eingaben_Feld(int iIndex)
{
    return iIndex >= 0 && iIndex < Eingaben_Anzahl() ? &gFelder[iIndex] : nullptr;
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

int Eingaben_Lesen(int iEingabe, const char *szText, Eingabelesung *pLesung)
{
    const Eingabefeld *f = Eingaben_Feld(iEingabe);
    if (!f || f->iArt != EINGABEN_ZAHL || !szText || !pLesung)
        return EINGABEN_KEINE_ZAHL;
    double d = 0.0;
    TK_Lesart wie;
    const int iGelesen = TK_ZahlLesenEinheit(szText, f->pEinheiten, f->iEinheiten, &d, &wie);
    if (iGelesen != TK_ZAHL_GELESEN)
        return iGelesen == TK_ZAHL_EINHEIT ? EINGABEN_FREMDE_EINHEIT : EINGABEN_KEINE_ZAHL;
    const int iArt = wie.iEinheit >= 0 ? f->pEinheiten[wie.iEinheit].iArt : EINHEIT_WERT;
    // Peak to peak is twice the peak: halving a double is exact.
    const int iZehner = wie.iEinheit >= 0 ? f->pEinheiten[wie.iEinheit].iZehnerpotenz : 0;
    *pLesung = {iArt == EINHEIT_EFF ? static_cast<int>(EINGABE_EFF) : iEingabe, iArt == EINHEIT_SS ? d / 2.0 : d,
                wie.iVorsatz != 0 || iZehner != 0 || iArt != EINHEIT_WERT};
    return EINGABEN_GELESEN;
}

int Eingaben_Uebernehmen(Eingabewerte *pEingabe, const Eingabefeld *pFeld, const char *szText, Eingabelesung *pLesung)
{
    if (!pEingabe || !pFeld || !szText)
        return EINGABEN_KEINE_ZAHL;
    Eingabelesung lesung = {pFeld->iId, 0.0, 0};
    if (pFeld->iArt == EINGABEN_ZEITBASIS) {
        for (int k = 0; k < Zeitbasis_Anzahl(); ++k)
            if (std::strcmp(Zeitbasis_Label(k), szText) == 0) {
                pEingabe->iZeitbasisIndex = k;
                TK_TextKopieren(pEingabe->szZeitbasis, sizeof pEingabe->szZeitbasis, szText);
                lesung.dWert = k + 1.0;
                if (pLesung)
                    *pLesung = lesung;
                return EINGABEN_GELESEN;
            }
        return EINGABEN_KEINE_ZAHL;
    }
    if (pFeld->iArt == EINGABEN_KURVE) {
        if (std::strlen(szText) != 1 || szText[0] < '1' || szText[0] > '0' + KURVEN)
            return EINGABEN_KEINE_ZAHL;
        pEingabe->iKurvennummer = szText[0] - '0';
        lesung.dWert = pEingabe->iKurvennummer;
        if (pLesung)
            *pLesung = lesung;
        return EINGABEN_GELESEN;
    }
    const int iGelesen = Eingaben_Lesen(pFeld->iId, szText, &lesung);
    if (iGelesen != EINGABEN_GELESEN)
        return iGelesen;
    if (pLesung)
        *pLesung = lesung;
    const Eingabefeld *pZiel = Eingaben_Feld(lesung.iEingabe);
    if (!(lesung.dWert >= pZiel->dMin && lesung.dWert <= pZiel->dMax))
        return EINGABEN_AUSSERHALB;
    *Eingaben_Zahl(pEingabe, pZiel) = lesung.dWert;
    return EINGABEN_GELESEN;
}

void Eingaben_Name(const Eingabefeld *pFeld, char *szText, std::size_t iGroesse)
{
    // The label without its unit in brackets: "Frequenz [Hz]" names "Frequenz".
    const char *szKlammer = std::strstr(pFeld->szLabel, " [");
    const int iName = szKlammer ? static_cast<int>(szKlammer - pFeld->szLabel) : static_cast<int>(std::strlen(pFeld->szLabel));
    std::snprintf(szText, iGroesse, "%.*s", iName, pFeld->szLabel);
}

void Eingaben_Einheiten(const Eingabefeld *pFeld, char *szText, std::size_t iGroesse)
{
    TK_EinheitenText(pFeld->pEinheiten, pFeld->iEinheiten, szText, iGroesse);
}

void Eingaben_FremdText(const Eingabefeld *pFeld, const char *szGetippt, char *szText, std::size_t iGroesse)
{
    char szEcho[ECHO_GROESSE], szName[AENDERUNG_WERT], szEinheiten[AENDERUNG_WERT * 2];
    Getippt(szGetippt, szEcho, sizeof szEcho);
    Eingaben_Name(pFeld, szName, sizeof szName);
    Eingaben_Einheiten(pFeld, szEinheiten, sizeof szEinheiten);
    std::snprintf(szText, iGroesse, SINUS_TEXT_PASST_NICHT, szEcho, szName,
                  *szEinheiten ? szEinheiten : SINUS_TEXT_OHNE_EINHEIT);
}

void Eingaben_LesungText(const Eingabefeld *pFeld, const char *szGetippt, const Eingabelesung *pLesung, char *szText,
                         std::size_t iGroesse)
{
    if (iGroesse > 0)
        szText[0] = '\0';
    if (!pLesung->bEinheit)
        return;
    char szEcho[ECHO_GROESSE];
    Getippt(szGetippt, szEcho, sizeof szEcho);
    const Eingabefeld *pZiel = Eingaben_Feld(pLesung->iEingabe);
    std::snprintf(szText, iGroesse, "%s = %.*g%s%s%s%s%s", szEcho, AENDERUNG_STELLEN, pLesung->dWert,
                  *pZiel->szEinheit ? " " : "", pZiel->szEinheit, pZiel != pFeld ? " (" : "",
                  pZiel != pFeld ? pZiel->szLabel : "", pZiel != pFeld ? ")" : "");
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

int Eingaben_Koppeln(Eingabewerte *pEingabe, int iEingabe)
{
    for (const Paar &p : gPaare) {
        if (p.iEingabe != iEingabe)
            continue;
        const double dPartner = p.partner(*Eingaben_Zahl(pEingabe, Eingaben_Feld(iEingabe)));
        if (!std::isfinite(dPartner))
            return EINGABEN_PARTNER_UNENDLICH;
        *Eingaben_Zahl(pEingabe, Eingaben_Feld(p.iPartner)) = dPartner;
        return p.iPartner;
    }
    return EINGABEN_OHNE_PARTNER;
}

int Eingaben_Gleich(const Eingabewerte *pA, const Eingabewerte *pB)
{
    for (const Eingabefeld &f : gFelder) {
        if (f.iArt == EINGABEN_ZAHL) {
            if (*Eingaben_Zahl(const_cast<Eingabewerte *>(pA), &f) != *Eingaben_Zahl(const_cast<Eingabewerte *>(pB), &f))
                return 0;
        } else if (f.iArt == EINGABEN_ZEITBASIS) {
            if (pA->iZeitbasisIndex != pB->iZeitbasisIndex ||
                std::strncmp(pA->szZeitbasis, pB->szZeitbasis, sizeof pA->szZeitbasis) != 0)
                return 0;
        } else if (pA->iKurvennummer != pB->iKurvennummer) {
            return 0;
        }
    }
    return 1;
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
        char szName[AENDERUNG_WERT];
        Eingaben_Name(&f, szName, sizeof szName);
        std::snprintf(szText, iGroesse, "%s %s \u2192 %s%s%s", szName, szVon, szNach, *f.szEinheit ? " " : "",
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
    // What a typed number may carry: the field's units and the SI prefixes.
    if (pFeld->iArt != EINGABEN_ZAHL)
        return;
    char szEinheiten[AENDERUNG_WERT * 2];
    Eingaben_Einheiten(pFeld, szEinheiten, sizeof szEinheiten);
    if (*szEinheiten) {
        TK_TextAnhaengen(szText, iGroesse, SINUS_TEXT_HILFE_EINHEITEN);
        TK_TextAnhaengen(szText, iGroesse, szEinheiten);
    }
    TK_TextAnhaengen(szText, iGroesse, SINUS_TEXT_HILFE_VORSAETZE);
}
