// The curve as the export file holds it and the rig plays it: the file
// steps by the time base, so its period is the samples per period times the
// time base, not the typed period; a few samples per period or an amplitude
// under the file's two decimals leave no sine; the limits cut the crests.
#include "Sinusanalyse.h"

#include "Kurvenformat.h"
#include "toolkit_kern.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>


namespace {

const int ZEILE_GROESSE = 64;
const int WARNUNG_GROESSE = 256;
const int PUNKTE_SINUS = 3;              // fewer samples per period hold no sine
const double GANZ_TOLERANZ = 1e-9;       // relative: a ratio this close to a whole number is one
const long long HUNDERTSTEL_OBEN = 10000; // 100.00 in hundredths
const double PROZENT_JE_HUNDERTSTEL = 0.01;

// The value field as the data line shows it ("65.45").
void Feld(double dWert, char *szFeld, size_t iGroesse)
{
    const long long h = Kurvenformat_Hundertstel(dWert);
    std::snprintf(szFeld, iGroesse, "%s%lld.%02lld", h < 0 ? "-" : "", std::llabs(h) / 100, std::llabs(h) % 100);
}

// Whether the file shows @p dWert as @p szGrenze ("100.00" or "0.00");
// only values next to a limit are formed at all.
bool LiestAls(double dWert, const char *szGrenze, bool bOben)
{
    if (bOben ? !(dWert > 100.0 - ANALYSE_AUFLOESUNG) : !(dWert < ANALYSE_AUFLOESUNG))
        return false;
    char sz[ZEILE_GROESSE];
    Feld(dWert, sz, sizeof sz);
    return std::strcmp(sz, szGrenze) == 0;
}

// What both ways of analysis share: lines, step, maximum voltage, extremes.
void Grundwerte(const double *pdWerte, int iZeilen, double dZeitbasisMs, double dUmax, Kurvenanalyse *pAnalyse)
{
    *pAnalyse = {};
    pAnalyse->iZeilen = iZeilen > 0 ? iZeilen : 0;
    pAnalyse->dSchrittMs = dZeitbasisMs;
    pAnalyse->dUmax = dUmax;
    for (int i = 0; i < pAnalyse->iZeilen; ++i) {
        if (i == 0 || pdWerte[i] < pAnalyse->dMinProzent)
            pAnalyse->dMinProzent = pdWerte[i];
        if (i == 0 || pdWerte[i] > pAnalyse->dMaxProzent)
            pAnalyse->dMaxProzent = pdWerte[i];
    }
    pAnalyse->dMinV = pAnalyse->dMinProzent * dUmax / 100.0;
    pAnalyse->dMaxV = pAnalyse->dMaxProzent * dUmax / 100.0;
}

void Periode(Kurvenanalyse *pAnalyse, int iPunkteProPeriode)
{
    pAnalyse->iPunkteProPeriode = iPunkteProPeriode;
    if (iPunkteProPeriode <= 0)
        return;
    pAnalyse->dPeriodeMs = iPunkteProPeriode * pAnalyse->dSchrittMs;
    pAnalyse->dFrequenz = Sinus_FrequenzAusPeriode(pAnalyse->dPeriodeMs);
}

bool Ganzzahlig(double dVerhaeltnis)
{
    return std::fabs(dVerhaeltnis - std::round(dVerhaeltnis)) <= GANZ_TOLERANZ * dVerhaeltnis;
}

// The time bases of the table that play the typed period exactly with a
// sine (3 samples per period or more) within the point limit.
void Alternativen(const Sinuskurve *pSinus, Kurvenanalyse *pAnalyse)
{
    for (int i = 0; i < Zeitbasis_Anzahl() && pAnalyse->iAlternativen < ANALYSE_MAX_ALTERNATIVEN; ++i) {
        double dMs;
        if (!Zeitbasis_Suchen(Zeitbasis_Label(i), &dMs) || !Ganzzahlig(pSinus->dPeriodendauer / dMs))
            continue;
        Sinuskurve probe = *pSinus;
        probe.iPunkteProPeriode = Sinus_Runden(pSinus->dPeriodendauer / dMs);
        if (probe.iPunkteProPeriode < PUNKTE_SINUS || !Sinus_PunkteZulaessig(&probe))
            continue;
        pAnalyse->piAltZeitbasis[pAnalyse->iAlternativen] = i;
        pAnalyse->piAltPunkte[pAnalyse->iAlternativen] = probe.iPunkteProPeriode;
        ++pAnalyse->iAlternativen;
    }
}

long long Hundertstel(double dWert)
{
    return std::llround(dWert / PROZENT_JE_HUNDERTSTEL);
}

// The smallest lag at which the values repeat, compared over two lines or
// more; 0 when none does.
int Wiederholung(const std::vector<long long> &h)
{
    const int n = static_cast<int>(h.size());
    for (int iLag = 1; n - iLag >= 2; ++iLag) {
        int k = 0;
        while (k + iLag < n && h[k + iLag] == h[k])
            ++k;
        if (k + iLag == n)
            return iLag;
    }
    return 0;
}

// Lines at the limit @p iGrenze (in hundredths) when a stretch of two or
// more of them has neighbours that fall off faster than an uncut crest can.
// An uncut crest reads 100.00 (a trough 0.00) on L lines when its values
// there lie within half a hundredth of the limit; being flatter than its parabola, the sine then
// falls by at most 0.5 ((h + m) / h)^2 hundredths, h = (L - 1) / 2, on the
// m-th line past the stretch, plus half a hundredth of rounding.
int BegrenztAusWerten(const std::vector<long long> &h, long long iGrenze)
{
    const int NACHBARN = 3;  // the edge line alone may fall by little
    const int n = static_cast<int>(h.size());
    bool bUeber = false;
    int iAnzahl = 0;
    for (int i = 0; i < n;) {
        if (h[i] != iGrenze) {
            ++i;
            continue;
        }
        int j = i;
        while (j + 1 < n && h[j + 1] == iGrenze)
            ++j;
        iAnzahl += j - i + 1;
        const double dHalb = (j - i) / 2.0;
        for (int m = 1; m <= NACHBARN && dHalb > 0.0; ++m) {
            const double q = (dHalb + m) / dHalb, dSchranke = 0.5 * q * q + 0.5;
            bUeber = bUeber || (i - m >= 0 && std::llabs(h[i - m] - iGrenze) > dSchranke) ||
                     (j + m < n && std::llabs(h[j + m] - iGrenze) > dSchranke);
        }
        i = j + 1;
    }
    return bUeber ? iAnzahl : 0;
}

// Four significant digits, never an exponent.
void Zahl(double d, char *sz, size_t iGroesse)
{
    const double GANZ_AB = 9999.5;
    std::snprintf(sz, iGroesse, std::fabs(d) >= GANZ_AB ? "%.0f" : "%.4g", d);
}

// Which warning applies: frequency, no sine, coarse steps, cut.
enum { W_FREQUENZ, W_KEIN_SINUS, W_GROB, W_BEGRENZT, W_ANZAHL };

bool Warnt(const Kurvenanalyse *p, int iArt)
{
    switch (iArt) {
    case W_FREQUENZ:
        return p->bSinus && p->dFrequenzSoll > 0.0 && p->dFrequenz > 0.0 &&
               !(std::fabs(p->dAbweichung) < ANALYSE_ABWEICHUNG_GRENZE);
    case W_KEIN_SINUS: return !p->bSinus;
    case W_GROB: return p->bSinus && p->iPunkteProPeriode > 0 && p->iPunkteProPeriode < ANALYSE_PUNKTE_GROB;
    default: return p->iBegrenztOben > 0 || p->iBegrenztUnten > 0;
    }
}

void FrequenzText(const Kurvenanalyse *p, char *sz, size_t iGroesse)
{
    char szIst[32], szSoll[32], szTeil[WARNUNG_GROESSE];
    Zahl(p->dFrequenz, szIst, sizeof szIst);
    Zahl(p->dFrequenzSoll, szSoll, sizeof szSoll);
    // Near the threshold four digits can read alike: then as many as it takes.
    if (std::strcmp(szIst, szSoll) == 0) {
        std::snprintf(szIst, sizeof szIst, "%.7g", p->dFrequenz);
        std::snprintf(szSoll, sizeof szSoll, "%.7g", p->dFrequenzSoll);
    }
    // Two significant digits for the deviation, but no exponent.
    const double dBetrag = std::fabs(p->dAbweichung);
    int iStellen = 1 - static_cast<int>(std::floor(std::log10(dBetrag)));
    iStellen = iStellen < 0 ? 0 : iStellen > 4 ? 4 : iStellen;
    std::snprintf(sz, iGroesse, "Frequenz %s" SINUS_NBSP "Hz statt %s" SINUS_NBSP "Hz (%+.*f" SINUS_NBSP "%%)",
                  szIst, szSoll, iStellen, p->dAbweichung);
    // The coarsest exact time base that still steps finely, else the coarsest one.
    int iWahl = p->iAlternativen - 1;
    for (int i = p->iAlternativen - 1; i >= 0; --i)
        if (p->piAltPunkte[i] >= ANALYSE_PUNKTE_GROB) {
            iWahl = i;
            break;
        }
    if (iWahl >= 0) {
        std::snprintf(szTeil, sizeof szTeil, "; genau mit Zeitbasis %s (%d" SINUS_NBSP "Punkte je Periode)",
                      Zeitbasis_Label(p->piAltZeitbasis[iWahl]), p->piAltPunkte[iWahl]);
        TK_TextAnhaengen(sz, iGroesse, szTeil);
    }
}

void KeinSinusText(const Kurvenanalyse *p, char *sz, size_t iGroesse)
{
    char szA[32], szAufl[32], szProzent[32], szUmax[32], szWert[ZEILE_GROESSE];
    switch (p->iKeinSinus) {
    case ANALYSE_KEINE_WERTE: TK_TextKopieren(sz, iGroesse, "kein Sinus: die Datei enthält keine Werte"); return;
    case ANALYSE_ZU_WENIG_PUNKTE:
        std::snprintf(sz, iGroesse, "kein Sinus: nur %d" SINUS_NBSP "%s je Periode", p->iPunkteProPeriode,
                      p->iPunkteProPeriode == 1 ? "Punkt" : "Punkte");
        return;
    case ANALYSE_UNTER_AUFLOESUNG:
        Zahl(p->dAmplitude * p->dUmax / 100.0, szA, sizeof szA);
        Zahl(ANALYSE_AUFLOESUNG * p->dUmax / 100.0, szAufl, sizeof szAufl);
        Zahl(ANALYSE_AUFLOESUNG, szProzent, sizeof szProzent);
        Zahl(p->dUmax, szUmax, sizeof szUmax);
        std::snprintf(sz, iGroesse,
                      "kein Sinus: Amplitude %s" SINUS_NBSP "V unter der Auflösung der Datei von %s" SINUS_NBSP
                      "V (%s" SINUS_NBSP "%% von %s" SINUS_NBSP "V)",
                      szA, szAufl, szProzent, szUmax);
        return;
    default:
        Feld(p->dMinProzent, szWert, sizeof szWert);
        std::snprintf(sz, iGroesse, "kein Sinus: alle Werte %s" SINUS_NBSP "%%", szWert);
    }
}

void GrobText(const Kurvenanalyse *p, char *sz, size_t iGroesse)
{
    std::snprintf(sz, iGroesse, "grobe Stufen: nur %d" SINUS_NBSP "Punkte je Periode", p->iPunkteProPeriode);
}

void BegrenztText(const Kurvenanalyse *p, char *sz, size_t iGroesse)
{
    if (p->iBegrenztOben > 0 && p->iBegrenztUnten > 0)
        std::snprintf(sz, iGroesse,
                      "begrenzt: %d von %d Werten bei 100" SINUS_NBSP "%% und %d bei 0" SINUS_NBSP "%%",
                      p->iBegrenztOben, p->iZeilen, p->iBegrenztUnten);
    else
        std::snprintf(sz, iGroesse, "begrenzt: %d von %d Werten bei %s", p->iBegrenztOben + p->iBegrenztUnten,
                      p->iZeilen, p->iBegrenztOben > 0 ? "100" SINUS_NBSP "%" : "0" SINUS_NBSP "%");
}

}  // namespace

int Analyse_Kurve(const Eingabewerte *pEingabe, const Sinuskurve *pSinus, Kurvenanalyse *pAnalyse)
{
    double dMs;
    if (!Zeitbasis_Suchen(pEingabe->szZeitbasis, &dMs))
        dMs = 1.0;  // what the export steps by for a label missing from the table
    const int iZeilen = pSinus->iAnzahlPunkte - 1;
    const double *pdZeilen = iZeilen > 0 ? pSinus->pdWerte + 1 : nullptr;  // index 0 is not written
    Grundwerte(pdZeilen, iZeilen, dMs, pEingabe->dUmax, pAnalyse);
    Periode(pAnalyse, pSinus->iPunkteProPeriode);
    if (pSinus->dPeriodendauer > 0.0 && pAnalyse->dPeriodeMs > 0.0) {  // not so in a record never derived
        pAnalyse->dPeriodeSollMs = pSinus->dPeriodendauer;
        pAnalyse->dFrequenzSoll = Sinus_FrequenzAusPeriode(pSinus->dPeriodendauer);
        pAnalyse->dAbweichung = (pAnalyse->dPeriodeSollMs / pAnalyse->dPeriodeMs - 1.0) * 100.0;
    }
    pAnalyse->dAmplitude = pSinus->dAmplitude;

    char szMin[ZEILE_GROESSE], szMax[ZEILE_GROESSE];
    Feld(pAnalyse->dMinProzent, szMin, sizeof szMin);
    Feld(pAnalyse->dMaxProzent, szMax, sizeof szMax);
    pAnalyse->iKeinSinus = pAnalyse->iZeilen == 0                                  ? ANALYSE_KEINE_WERTE
                           : pSinus->iPunkteProPeriode < PUNKTE_SINUS              ? ANALYSE_ZU_WENIG_PUNKTE
                           : pSinus->dAmplitude != 0.0 && !(std::fabs(pSinus->dAmplitude) >= ANALYSE_AUFLOESUNG)
                               ? ANALYSE_UNTER_AUFLOESUNG
                           : std::strcmp(szMin, szMax) == 0                        ? ANALYSE_ALLE_GLEICH
                                                                                   : ANALYSE_SINUS;
    pAnalyse->bSinus = pAnalyse->iKeinSinus == ANALYSE_SINUS;

    const bool bOben = Sinus_GrenzeOben(pSinus), bUnten = Sinus_GrenzeUnten(pSinus);
    for (int i = 0; i < pAnalyse->iZeilen; ++i) {
        pAnalyse->iBegrenztOben += bOben && LiestAls(pdZeilen[i], "100.00", true);
        pAnalyse->iBegrenztUnten += bUnten && LiestAls(pdZeilen[i], "0.00", false);
    }
    if (pAnalyse->dPeriodeSollMs > 0.0 && !Ganzzahlig(pSinus->dPeriodendauer / dMs))
        Alternativen(pSinus, pAnalyse);
    return 0;
}

int Analyse_Werte(const double *pdWerte, int iAnzahl, double dZeitbasisMs, double dUmax, Kurvenanalyse *pAnalyse)
{
    Grundwerte(pdWerte, iAnzahl, dZeitbasisMs, dUmax, pAnalyse);
    std::vector<long long> h(static_cast<size_t>(pAnalyse->iZeilen));
    for (int i = 0; i < pAnalyse->iZeilen; ++i)
        h[static_cast<size_t>(i)] = Hundertstel(pdWerte[i]);
    const bool bGleich =
        pAnalyse->iZeilen > 0 && Hundertstel(pAnalyse->dMinProzent) == Hundertstel(pAnalyse->dMaxProzent);
    Periode(pAnalyse, bGleich ? 0 : Wiederholung(h));
    pAnalyse->iKeinSinus = pAnalyse->iZeilen == 0 ? ANALYSE_KEINE_WERTE
                           : bGleich              ? ANALYSE_ALLE_GLEICH
                           : pAnalyse->iPunkteProPeriode > 0 && pAnalyse->iPunkteProPeriode < PUNKTE_SINUS
                               ? ANALYSE_ZU_WENIG_PUNKTE
                               : ANALYSE_SINUS;
    pAnalyse->bSinus = pAnalyse->iKeinSinus == ANALYSE_SINUS;
    pAnalyse->iBegrenztOben = BegrenztAusWerten(h, HUNDERTSTEL_OBEN);
    pAnalyse->iBegrenztUnten = BegrenztAusWerten(h, 0);
    return 0;
}

int Analyse_AnzahlWarnungen(const Kurvenanalyse *pAnalyse)
{
    int iAnzahl = 0;
    for (int i = 0; i < W_ANZAHL; ++i)
        iAnzahl += Warnt(pAnalyse, i);
    return iAnzahl;
}

int Analyse_Warnungen(const Kurvenanalyse *pAnalyse, char *szText, size_t iGroesse)
{
    void (*const texte[W_ANZAHL])(const Kurvenanalyse *, char *, size_t) = {
        FrequenzText, KeinSinusText, GrobText, BegrenztText};
    TK_TextKopieren(szText, iGroesse, "");
    int iAnzahl = 0;
    char szWarnung[WARNUNG_GROESSE];
    for (int i = 0; i < W_ANZAHL; ++i) {
        if (!Warnt(pAnalyse, i))
            continue;
        texte[i](pAnalyse, szWarnung, sizeof szWarnung);
        if (iAnzahl++ > 0)
            TK_TextAnhaengen(szText, iGroesse, "\n");
        TK_TextAnhaengen(szText, iGroesse, szWarnung);
    }
    return iAnzahl;
}
