// The curve as the export file holds it and the rig plays it, read from the
// printed values through the exact model of the file: the period is the one
// the values determine, "kein Sinus" means fewer than three levels, a cut is
// a line whose printed value a limit changed. The inputs, where known, only
// add what was typed and what follows from it.
#include "Sinusanalyse.h"

#include "Kurvenformat.h"
#include "Sinusmodell.h"

#include "toolkit_kern.h"

#include <cmath>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <vector>

namespace {

const int WARNUNG_GROESSE = 320;
const int ZAHL_GROESSE = 48;
const int PUNKTE_SINUS = 3;          // fewer samples per period hold no sine
const double GANZ_TOLERANZ = 1e-9;   // relative: a ratio this close to a whole number is one
const int STELLEN_GENAU = 7;         // where four read alike
const int NACHKOMMA_MAX = 15;
const int32_t STUFE = 1;             // one printed step, in hundredths
const char *const MINUS = "\xe2\x88\x92";  // the advice's minus sign in a window; tools get ASCII

void Zahl(double d, char *sz, size_t iGroesse, int iStellen = ANALYSE_STELLEN)
{
    Analyse_Zahl(d, iStellen, sz, iGroesse);
}

// A deviation in % with its sign, as few digits as show it.
void Abweichung(double d, const char *szMinus, char *sz, size_t iGroesse)
{
    const double dBetrag = std::fabs(d);
    int iNach = dBetrag > 0.0 ? -static_cast<int>(std::floor(std::log10(dBetrag))) : 1;
    iNach = iNach < 1 ? 1 : iNach > NACHKOMMA_MAX ? NACHKOMMA_MAX : iNach;
    std::snprintf(sz, iGroesse, "%s%.*f", d < 0.0 ? szMinus : "+", iNach, dBetrag);
}

bool Ganzzahlig(double dVerhaeltnis)
{
    return std::fabs(dVerhaeltnis - std::round(dVerhaeltnis)) <= GANZ_TOLERANZ * dVerhaeltnis;
}

int ZeitbasisIndex(const char *szLabel)
{
    for (int i = 0; i < Zeitbasis_Anzahl(); ++i)
        if (szLabel && std::strcmp(Zeitbasis_Label(i), szLabel) == 0)
            return i;
    return -1;
}

// The analysis of the printed values themselves, hundredths of a %.
void WerteAnalysieren(const std::vector<int32_t> &h, const Kurvenmodell *pModell, double dZeitbasisMs, double dUmax,
                      Kurvenanalyse *pAnalyse)
{
    Kurvenmodell m;
    if (pModell)
        m = *pModell;
    else
        Modell_Umkehren(h.data(), static_cast<int>(h.size()), &m);
    Kurvenanalyse &a = *pAnalyse;
    a = {};
    a.iZeitbasis = -1;
    a.rat.iZeitbasis = -1;
    a.iZeilen = static_cast<int32_t>(h.size());
    a.dSchrittMs = dZeitbasisMs;
    a.dUmax = dUmax;
    a.iStufen = m.iStufen;
    a.iPassend = m.iPassend;
    if (m.bVollstaendig && m.iPassend <= ANALYSE_KANDIDATEN && m.iStufen > 1) {
        a.iKandidaten = m.iPassend;
        std::copy(m.piPassend, m.piPassend + m.iPassend, a.piKandidaten);
    }
    a.bEindeutig = m.iPunkteProPeriode > 0;
    a.bKeinePasst = a.iZeilen > 0 && m.bVollstaendig && m.iPassend == 0;
    a.iPunkteProPeriode = m.iPunkteProPeriode;
    if (a.bEindeutig && dZeitbasisMs > 0.0) {
        a.dPeriodeMs = a.iPunkteProPeriode * dZeitbasisMs;
        a.dFrequenz = Sinus_FrequenzAusPeriode(a.dPeriodeMs);
    }
    a.bSinus = a.iStufen >= ANALYSE_STUFEN_SINUS;
    a.iKeinSinus = a.bSinus ? ANALYSE_SINUS
                   : a.iZeilen == 0 ? ANALYSE_KEINE_WERTE
                   : a.iStufen == 1 ? ANALYSE_ALLE_GLEICH
                                    : ANALYSE_ZWEI_WERTE;
    a.iBegrenztOben = m.iBegrenztOben;
    a.iBegrenztUnten = m.iBegrenztUnten;
    for (const int32_t v : h) {
        a.iBeiHundert += v == MODELL_HUNDERT;
        a.iBeiNull += v == 0;
    }
    if (a.iZeilen > 0) {
        a.dMinProzent = m.iMin / 100.0;
        a.dMaxProzent = m.iMax / 100.0;
    }
    a.dMinV = a.dMinProzent * dUmax / 100.0;
    a.dMaxV = a.dMaxProzent * dUmax / 100.0;
    a.bPhaseFrei = m.bPhaseFrei && m.iPassend > 0;
    a.dPhaseVon = m.dPhaseVon;
    a.dPhaseBis = m.dPhaseBis;
    a.iPhaseP = m.iPassend > 0 ? m.piPassend[0] : 0;
}

// The warnings: each row its condition and its text, in this order. The
// advice goes with the first row shown that takes it.
struct Zeile {
    bool (*warnt)(const Kurvenanalyse *);
    void (*text)(const Kurvenanalyse *, const char *szLeer, char *sz, size_t iGroesse);
    bool bRat;
};

bool WarntFrequenz(const Kurvenanalyse *p)
{
    return p->dFrequenzSoll > 0.0 && Analyse_AndereFrequenz(p);
}
bool WarntKeinSinus(const Kurvenanalyse *p)
{
    return !p->bSinus;
}
bool WarntGrob(const Kurvenanalyse *p)
{
    return p->bSinus && p->bEindeutig && p->iPunkteProPeriode < ANALYSE_PUNKTE_GROB;
}
bool WarntEineStufe(const Kurvenanalyse *p)
{
    return p->bSinus && std::lround((p->dMaxProzent - p->dMinProzent) * 100.0) <= 2 * STUFE;
}
bool WarntBegrenzt(const Kurvenanalyse *p)
{
    return p->iBegrenztOben > 0 || p->iBegrenztUnten > 0;
}

void FrequenzText(const Kurvenanalyse *p, const char *sp, char *sz, size_t iGroesse)
{
    char szIst[ZAHL_GROESSE], szSoll[ZAHL_GROESSE], szAbw[ZAHL_GROESSE];
    Zahl(p->dFrequenz, szIst, sizeof szIst);
    Zahl(p->dFrequenzSoll, szSoll, sizeof szSoll);
    // Near the threshold four digits can read alike: then as many as it takes.
    if (std::strcmp(szIst, szSoll) == 0) {
        Zahl(p->dFrequenz, szIst, sizeof szIst, STELLEN_GENAU);
        Zahl(p->dFrequenzSoll, szSoll, sizeof szSoll, STELLEN_GENAU);
    }
    // Two significant digits for the deviation.
    const double dBetrag = std::fabs(p->dAbweichung);
    int iStellen = 1 - static_cast<int>(std::floor(std::log10(dBetrag)));
    iStellen = iStellen < 0 ? 0 : iStellen > 4 ? 4 : iStellen;
    std::snprintf(szAbw, sizeof szAbw, "%+.*f", iStellen, p->dAbweichung);
    std::snprintf(sz, iGroesse, SINUS_TEXT_FREQUENZ, szIst, sp, szSoll, sp, szAbw, sp);
}

void KeinSinusText(const Kurvenanalyse *p, const char *sp, char *sz, size_t iGroesse)
{
    char szA[ZAHL_GROESSE], szAufl[ZAHL_GROESSE], szUmax[ZAHL_GROESSE];
    switch (p->iKeinSinus) {
    case ANALYSE_KEINE_WERTE: TK_TextKopieren(sz, iGroesse, SINUS_TEXT_KEIN_SINUS_LEER); return;
    case ANALYSE_ZU_WENIG_PUNKTE:
        std::snprintf(sz, iGroesse, SINUS_TEXT_KEIN_SINUS_PUNKTE, p->iPunkteEntwurf, sp,
                      p->iPunkteEntwurf == 1 ? SINUS_TEXT_PUNKT : SINUS_TEXT_PUNKTE);
        return;
    case ANALYSE_UNTER_AUFLOESUNG:
        Zahl(p->dAmplitude * p->dUmax / 100.0, szA, sizeof szA);
        Zahl(ANALYSE_AUFLOESUNG * p->dUmax / 100.0, szAufl, sizeof szAufl);
        Zahl(p->dUmax, szUmax, sizeof szUmax);
        std::snprintf(sz, iGroesse, SINUS_TEXT_KEIN_SINUS_AUFLOESUNG,
                      szA, sp, szAufl, sp, sp, szUmax, sp);
        return;
    case ANALYSE_ALLE_GLEICH: std::snprintf(sz, iGroesse, SINUS_TEXT_KEIN_SINUS_GLEICH, p->dMinProzent, sp); return;
    default:
        std::snprintf(sz, iGroesse, SINUS_TEXT_KEIN_SINUS_ZWEI, p->dMinProzent, sp,
                      p->dMaxProzent, sp);
    }
}

void GrobText(const Kurvenanalyse *p, const char *sp, char *sz, size_t iGroesse)
{
    std::snprintf(sz, iGroesse, SINUS_TEXT_GROB, p->iPunkteProPeriode, sp);
}

void EineStufeText(const Kurvenanalyse *, const char *, char *sz, size_t iGroesse)
{
    TK_TextKopieren(sz, iGroesse, SINUS_TEXT_EINE_STUFE);
}

// The values at each limit that was cut, counted as the file holds them;
// for a design also the lines the limits changed, where they are fewer
// (a sample that only rounds to the limit was not cut).
void BegrenztText(const Kurvenanalyse *p, const char *sp, char *sz, size_t iGroesse)
{
    const bool bOben = p->iBegrenztOben > 0, bUnten = p->iBegrenztUnten > 0;
    if (bOben && bUnten)
        std::snprintf(sz, iGroesse, SINUS_TEXT_BEGRENZT_BEIDE, p->iBeiHundert, p->iZeilen, sp, p->iBeiNull, sp);
    else
        std::snprintf(sz, iGroesse, SINUS_TEXT_BEGRENZT, bOben ? p->iBeiHundert : p->iBeiNull, p->iZeilen,
                      bOben ? "100" : "0", sp);
    const int iGekappt = p->iBegrenztOben + p->iBegrenztUnten;
    const int iBeiGrenze = (bOben ? p->iBeiHundert : 0) + (bUnten ? p->iBeiNull : 0);
    if (p->iPunkteEntwurf > 0 && iGekappt < iBeiGrenze) {
        char szTeil[ZAHL_GROESSE];
        std::snprintf(szTeil, sizeof szTeil, SINUS_TEXT_BEGRENZT_GEKAPPT, iGekappt);
        TK_TextAnhaengen(sz, iGroesse, szTeil);
    }
}

// The rows by their index: a table of function pointers would need relocating.
enum { FREQUENZ, KEIN_SINUS, GROB, EINE_STUFE, BEGRENZT, ZEILEN_ANZAHL };

Zeile ZeileNr(int i)
{
    switch (i) {
    case FREQUENZ: return {WarntFrequenz, FrequenzText, true};
    case KEIN_SINUS: return {WarntKeinSinus, KeinSinusText, true};
    case GROB: return {WarntGrob, GrobText, true};
    case EINE_STUFE: return {WarntEineStufe, EineStufeText, false};
    default: return {WarntBegrenzt, BegrenztText, false};
    }
}

// Whether the advised time base helps the warning of this row.
bool RatHilft(const Kurvenanalyse *p, const Zeile &z)
{
    const Zeitbasisrat &r = p->rat;
    if (r.iZeitbasis < 0 || r.iZeitbasis == p->iZeitbasis || p->dFrequenzSoll <= 0.0)
        return false;
    if (z.warnt == WarntFrequenz)
        return r.bGenau || std::fabs(r.dAbweichung) < std::fabs(p->dAbweichung);
    if (z.warnt == WarntKeinSinus)
        return p->iKeinSinus == ANALYSE_ZU_WENIG_PUNKTE;
    return r.iPunkte > p->iPunkteProPeriode;
}

void RatText(const Kurvenanalyse *p, const char *sp, char *sz, size_t iGroesse)
{
    const Zeitbasisrat &r = p->rat;
    char szZahl[ZAHL_GROESSE], szTeil[WARNUNG_GROESSE];
    if (r.bGenau) {
        Zahl(p->dFrequenzSoll, szZahl, sizeof szZahl, STELLEN_GENAU);
        std::snprintf(szTeil, sizeof szTeil, SINUS_TEXT_RAT_GENAU, szZahl, sp,
                      Zeitbasis_Label(r.iZeitbasis), r.iPunkte, sp);
    } else {
        Abweichung(r.dAbweichung, std::strcmp(sp, " ") == 0 ? "-" : MINUS, szZahl, sizeof szZahl);
        std::snprintf(szTeil, sizeof szTeil, SINUS_TEXT_RAT_NAECHSTE, Zeitbasis_Label(r.iZeitbasis), szZahl, sp);
    }
    TK_TextAnhaengen(sz, iGroesse, szTeil);
}

}  // namespace

int Analyse_Kurve(const Eingabewerte *pEingabe, const Sinuskurve *pSinus, Kurvenanalyse *pAnalyse)
{
    const double dMs = Zeitbasis_Ms(pEingabe->szZeitbasis);  // as the export steps
    const int iZeilen = pSinus->pdWerte ? Kurvenformat_Datenzeilen(pSinus->iAnzahlPunkte) : 0;
    std::vector<int32_t> h(static_cast<size_t>(iZeilen));
    for (int i = 0; i < iZeilen; ++i)  // index 0 is not written
        h[static_cast<size_t>(i)] = Modell_Hundertstel(pSinus->pdWerte[i + 1]);
    WerteAnalysieren(h, nullptr, dMs, pEingabe->dUmax, pAnalyse);
    Kurvenanalyse &a = *pAnalyse;
    a.iZeitbasis = ZeitbasisIndex(pEingabe->szZeitbasis);
    a.iPunkteEntwurf = pSinus->iPunkteProPeriode;
    a.dAmplitude = pSinus->dAmplitude;
    // The design's own P is a fact of the file it writes, where the values
    // would leave the period open too.
    if (pSinus->iPunkteProPeriode > 0 && a.iZeilen > 0) {
        a.iPunkteProPeriode = pSinus->iPunkteProPeriode;
        a.bEindeutig = 1;
        a.bKeinePasst = 0;
        a.dPeriodeMs = a.iPunkteProPeriode * dMs;
        a.dFrequenz = Sinus_FrequenzAusPeriode(a.dPeriodeMs);
    }
    if (pSinus->dPeriodendauer > 0.0 && pSinus->iPunkteProPeriode > 0) {  // not so in a record never derived
        a.dPeriodeSollMs = pSinus->dPeriodendauer;
        a.dFrequenzSoll = Sinus_FrequenzAusPeriode(pSinus->dPeriodendauer);
        if (a.dPeriodeMs > 0.0)
            a.dAbweichung = (a.dPeriodeSollMs / a.dPeriodeMs - 1.0) * 100.0;
        Analyse_Zeitbasis(a.dPeriodeSollMs, pSinus->dPerioden, a.iZeitbasis, 0, &a.rat);
    }
    // Why there is no sine, where the inputs tell.
    if (!a.bSinus && a.iZeilen > 0 && pSinus->iPunkteProPeriode > 0) {
        if (pSinus->iPunkteProPeriode < PUNKTE_SINUS)
            a.iKeinSinus = ANALYSE_ZU_WENIG_PUNKTE;
        else if (pSinus->dAmplitude != 0.0 && !(std::fabs(pSinus->dAmplitude) >= ANALYSE_AUFLOESUNG))
            a.iKeinSinus = ANALYSE_UNTER_AUFLOESUNG;
    }
    // The lines whose printed value a limit changed, from the values before
    // it: sample k as the generation computes it, from the start phase on.
    a.iBegrenztOben = a.iBegrenztUnten = 0;
    for (int k = 0; k < iZeilen && pSinus->iPunkteProPeriode > 0; ++k) {
        const double w = pSinus->pdWerte[k + 1];
        if (w != 0.0 && w != 100.0)
            continue;  // not at a limit: the limits changed nothing here
        const double d = Modell_WertPhase(pSinus->dOffset, pSinus->dAmplitude, pSinus->iPunkteProPeriode,
                                          pSinus->dPhase, k);
        a.iBegrenztOben += Modell_UeberHundert(d);
        a.iBegrenztUnten += Modell_UnterNull(d);
    }
    return 0;
}

int Analyse_Werte(const double *pdWerte, int iAnzahl, double dZeitbasisMs, double dUmax, Kurvenanalyse *pAnalyse)
{
    std::vector<int32_t> h(static_cast<size_t>(iAnzahl > 0 ? iAnzahl : 0));
    for (size_t i = 0; i < h.size(); ++i)  // values read to two decimals: back to their digits
        h[i] = static_cast<int32_t>(std::llround(pdWerte[i] * 100.0));
    WerteAnalysieren(h, nullptr, dZeitbasisMs, dUmax, pAnalyse);
    return 0;
}

int Analyse_Hundertstel(const int32_t *piWerte, int iAnzahl, const Kurvenmodell *pModell, double dZeitbasisMs,
                        double dUmax, Kurvenanalyse *pAnalyse)
{
    const std::vector<int32_t> h(piWerte, piWerte + (iAnzahl > 0 ? iAnzahl : 0));
    WerteAnalysieren(h, pModell, dZeitbasisMs, dUmax, pAnalyse);
    return 0;
}

int Analyse_Zeitbasis(double dPeriodeMs, double dPerioden, int iGewaehlt, int bAuto, Zeitbasisrat *pRat)
{
    *pRat = {-1, 0, 0, 0.0};
    double dGewaehlt = 0.0;
    if (!Zeitbasis_Suchen(Zeitbasis_Label(iGewaehlt), &dGewaehlt))
        dGewaehlt = 0.0;
    // Ranked lexicographically. The advice: exact before close, fine steps
    // before coarse, then the smaller deviation, then the nearer to the
    // chosen time base. Auto: exact before close, then the most points, or
    // for close ones the smaller deviation.
    const int RANG = 4;
    double dBest[RANG] = {};
    for (int i = 0; i < Zeitbasis_Anzahl(); ++i) {
        double dMs;
        if (!Zeitbasis_Suchen(Zeitbasis_Label(i), &dMs) || !(dPeriodeMs > 0.0))
            continue;
        Sinuskurve probe = {};
        probe.iPunkteProPeriode = Sinus_Runden(dPeriodeMs / dMs);
        probe.dPerioden = dPerioden;
        if (probe.iPunkteProPeriode < PUNKTE_SINUS || !Sinus_PunkteZulaessig(&probe))
            continue;
        const bool bGenau = Ganzzahlig(dPeriodeMs / dMs);
        const double dAbw = bGenau ? 0.0 : (dPeriodeMs / (probe.iPunkteProPeriode * dMs) - 1.0) * 100.0;
        const double dPunkte = probe.iPunkteProPeriode;
        const double dNaehe = dGewaehlt > 0.0 ? std::fabs(std::log(dMs / dGewaehlt)) : 0.0;
        const bool bFein = probe.iPunkteProPeriode >= ANALYSE_PUNKTE_GROB;
        const double rang[RANG] = {bGenau ? 0.0 : 1.0, bAuto ? (bGenau ? -dPunkte : std::fabs(dAbw)) : !bFein,
                                   bAuto ? -dPunkte : std::fabs(dAbw), bAuto ? 0.0 : dNaehe};
        bool bBesser = pRat->iZeitbasis < 0;
        for (int j = 0; j < RANG && !bBesser; ++j)
            if (rang[j] != dBest[j]) {
                bBesser = rang[j] < dBest[j];
                break;
            }
        if (!bBesser)
            continue;
        *pRat = {i, probe.iPunkteProPeriode, bGenau, dAbw};
        std::copy(rang, rang + RANG, dBest);
    }
    return pRat->iZeitbasis >= 0;
}

void Analyse_PhasenZahl(double dGrad, char *sz, size_t iGroesse)
{
    const int PHASE_STELLEN = 2;
    std::snprintf(sz, iGroesse, "%.*f", PHASE_STELLEN, dGrad);
    char *p = sz + std::strlen(sz) - 1;
    while (p > sz && *p == '0')
        *p-- = '\0';
    if (*p == '.')
        *p = '\0';
    if (std::strcmp(sz, "-0") == 0)
        TK_TextKopieren(sz, iGroesse, "0");
}

void Analyse_Phase(int iP, int bEindeutig, double dVon, double dBis, char *szText, size_t iGroesse)
{
    const int PHASE_STELLEN = 2;
    const double HUNDERTSTEL = 100.0, VOLLKREIS = 360.0;
    char szVon[ZAHL_GROESSE], szBis[ZAHL_GROESSE];
    if (iP <= 0 || dBis - dVon >= VOLLKREIS) {
        TK_TextKopieren(szText, iGroesse, SINUS_TEXT_NOTIZ_PHASE_MIT_PERIODE);
        return;
    }
    if (dBis - dVon >= MODELL_PHASE_OFFEN) {
        // The ends outwards, so that the range named holds every fitting phase.
        Analyse_PhasenZahl(std::floor(dVon * HUNDERTSTEL) / HUNDERTSTEL, szVon, sizeof szVon);
        Analyse_PhasenZahl(std::ceil(dBis * HUNDERTSTEL) / HUNDERTSTEL, szBis, sizeof szBis);
        std::snprintf(szText, iGroesse, SINUS_TEXT_NOTIZ_PHASE_OFFEN, szVon, szBis);
    } else {
        // The shortest number in the range, nearest its middle, from 0 to under 360.
        const double dMitte = (dVon + dBis) / 2.0;
        double x = dMitte;
        for (int i = PHASE_STELLEN; i >= 0; --i) {
            const double dSkala = std::pow(10.0, i), y = std::round(dMitte * dSkala) / dSkala;
            if (y >= dVon && y <= dBis)
                x = y;
        }
        x -= VOLLKREIS * std::floor(x / VOLLKREIS);
        Analyse_PhasenZahl(x >= VOLLKREIS - 0.5 / HUNDERTSTEL ? 0.0 : x, szVon, sizeof szVon);
        std::snprintf(szText, iGroesse, SINUS_TEXT_NOTIZ_PHASE, szVon);
    }
    if (!bEindeutig) {  // the one P found, not every P decided
        char szBei[ZAHL_GROESSE + 32];
        std::snprintf(szBei, sizeof szBei, SINUS_TEXT_NOTIZ_PHASE_BEI, static_cast<int>(iP));
        TK_TextAnhaengen(szText, iGroesse, szBei);
    }
}

void Analyse_Zahl(double d, int iStellen, char *sz, size_t iGroesse)
{
    int iNach = 0;
    if (std::isfinite(d) && d != 0.0)
        iNach = iStellen - 1 - static_cast<int>(std::floor(std::log10(std::fabs(d))));
    iNach = iNach < 0 ? 0 : iNach > NACHKOMMA_MAX ? NACHKOMMA_MAX : iNach;
    std::snprintf(sz, iGroesse, "%.*f", iNach, d);
    if (std::strchr(sz, '.')) {
        char *p = sz + std::strlen(sz) - 1;
        while (*p == '0')
            *p-- = '\0';
        if (*p == '.')
            *p = '\0';
    }
    if (std::strcmp(sz, "-0") == 0)
        TK_TextKopieren(sz, iGroesse, "0");
}


int Analyse_AndereFrequenz(const Kurvenanalyse *pAnalyse)
{
    return pAnalyse->bSinus && pAnalyse->dFrequenz > 0.0 &&
           std::fabs(pAnalyse->dAbweichung) >= ANALYSE_ABWEICHUNG_GRENZE;
}

int Analyse_WarnungenText(const Kurvenanalyse *pAnalyse, int bGeschuetzt, char *szText, size_t iGroesse)
{
    const char *sp = bGeschuetzt ? SINUS_NBSP : " ";
    TK_TextKopieren(szText, iGroesse, "");
    int iAnzahl = 0;
    bool bRatGenannt = false;
    char szWarnung[WARNUNG_GROESSE];
    for (int i = 0; i < ZEILEN_ANZAHL; ++i) {
        const Zeile z = ZeileNr(i);
        if (!z.warnt(pAnalyse))
            continue;
        z.text(pAnalyse, sp, szWarnung, sizeof szWarnung);
        if (z.bRat && !bRatGenannt && RatHilft(pAnalyse, z)) {
            RatText(pAnalyse, sp, szWarnung, sizeof szWarnung);
            bRatGenannt = true;
        }
        if (iAnzahl++ > 0)
            TK_TextAnhaengen(szText, iGroesse, "\n");
        TK_TextAnhaengen(szText, iGroesse, szWarnung);
    }
    return iAnzahl;
}

int Analyse_Warnungen(const Kurvenanalyse *pAnalyse, char *szText, size_t iGroesse)
{
    return Analyse_WarnungenText(pAnalyse, 0, szText, iGroesse);
}

void Analyse_Notizen(const Kurvenanalyse *pAnalyse, char *szText, size_t iGroesse)
{
    TK_TextKopieren(szText, iGroesse, "");
    if (pAnalyse->iZeilen == 0)
        return;
    char szWarnungen[WARNUNG_GROESSE * 4], szZahl[ZAHL_GROESSE];
    if (pAnalyse->bEindeutig && pAnalyse->dFrequenz > 0.0) {
        Zahl(pAnalyse->dFrequenz, szZahl, sizeof szZahl);
        std::snprintf(szText, iGroesse, SINUS_TEXT_NOTIZ_FREQUENZ, szZahl,
                      static_cast<int>(pAnalyse->iPunkteProPeriode));
    } else if (pAnalyse->bKeinePasst) {
        TK_TextKopieren(szText, iGroesse, SINUS_TEXT_NOTIZ_KEINE_KURVE);
    } else if (!pAnalyse->bEindeutig) {
        TK_TextKopieren(szText, iGroesse, pAnalyse->iPassend > 1 ? SINUS_TEXT_NOTIZ_OFFEN : SINUS_TEXT_NOTIZ_NICHT_ERMITTELT);
        for (int i = 0; pAnalyse->iPassend > 1 && i < pAnalyse->iKandidaten; ++i) {
            std::snprintf(szZahl, sizeof szZahl, "%s%d", i == 0 ? " (" : i + 1 < pAnalyse->iKandidaten ? ", "
                                                                             : SINUS_TEXT_NOTIZ_KANDIDATEN_ODER,
                          static_cast<int>(pAnalyse->piKandidaten[i]));
            TK_TextAnhaengen(szText, iGroesse, szZahl);
            if (i + 1 == pAnalyse->iKandidaten)
                TK_TextAnhaengen(szText, iGroesse, SINUS_TEXT_NOTIZ_KANDIDATEN_ENDE);
        }
    }
    if (pAnalyse->bPhaseFrei) {
        char szPhase[2 * ZAHL_GROESSE + 40];
        Analyse_Phase(pAnalyse->iPassend == 1 ? pAnalyse->iPhaseP : 0, pAnalyse->bEindeutig, pAnalyse->dPhaseVon,
                      pAnalyse->dPhaseBis, szPhase, sizeof szPhase);
        TK_TextAnhaengen(szText, iGroesse, szText[0] ? "; " : "");
        TK_TextAnhaengen(szText, iGroesse, szPhase);
    }
    if (Analyse_Warnungen(pAnalyse, szWarnungen, sizeof szWarnungen) == 0)
        return;
    for (char *p = szWarnungen; p && *p;) {
        char *ende = std::strchr(p, '\n');
        if (ende)
            *ende = '\0';
        if (szText[0])
            TK_TextAnhaengen(szText, iGroesse, "; ");
        TK_TextAnhaengen(szText, iGroesse, p);
        p = ende ? ende + 1 : nullptr;
    }
}
