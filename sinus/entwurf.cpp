// A design reopened from its file. The model gives the samples per period
// and an offset and amplitude in % that write the values (and where no
// design of phase 0 does, the range of start phases that do, of which the
// shortest number near its middle is taken); the rest follows
// from the file: the period is P time bases, the number of periods the
// two-decimal value whose samples round to the file's lines. The inputs are
// exported again in memory and compared value by value.
#include "Sinusentwurf.h"
#include "Sinuseingaben.h"
#include "Sinusmodell.h"

#include "toolkit_kern.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const int HUNDERTSTEL = 100;   // the periods field's two decimals
const double PERIODE_STELLEN = 1e6;  // a period in ms is rounded to these parts
const int ZAHL_GROESSE = 400;
const int32_t WEITERE_P = 64;             // P tried past a cut-short list of fitting ones
const int SUCHE_MAX_HUNDERTSTEL = 10000;  // 100 periods, the field's largest
const long long SUCHE_ARBEIT = 2000000;   // designs tried by the number of periods, times lines
const long long SUCHE_MIN = 2000;         // designs tried at least (a P that does not fit fails in a few lines)
const int KURZ_STELLEN_MAX = 12;          // decimals tried for a short number
// Hundredths inside the steps a design is looked for at, from a quarter
// step down by quarters to a hair above the export's own rounding (about
// 1e-12 hundredths): a design found so writes the same values however the
// arithmetic rounds. A long file can leave a band narrower than 1e-4.
const double RAND_KLEIN = 1e-10;
const int NACHBARN_ULP = 2;  // ulps tried either side of a design that misses by its rounding
const double RAND_NACHBARN = 1e-6;  // margins below which they are tried
const int PHASE_STELLEN = 2;        // the phase field's decimals
const double VOLLKREIS = 360.0;     // degrees
const double PHASE_INNEN = 0.25;    // part of the range of phases kept clear at either end by a shorter number
const double PHASE_SCHEITEL = 90.0, PHASE_TAL = 270.0;  // crest or trough at the first line

bool ImBereich(const Eingabefeld *f, double d)
{
    return f && d >= f->dMin && d <= f->dMax;
}

// The two-decimal number of periods whose samples round to iN with iP per
// period, within the field's range; the closest when none does. The nearest
// hundredth is the closest there is: each hundredth further moves the
// samples by P/100, so where it misses, the others miss by more.
double Perioden(int32_t iP, int iN)
{
    const Eingabefeld *f = Eingaben_Feld(EINGABE_PERIODEN);
    const double dNaechste =
        std::clamp(static_cast<double>(std::llround(static_cast<double>(iN) * HUNDERTSTEL / iP)) / HUNDERTSTEL,
                   f->dMin, f->dMax);
    if (Sinus_Runden(iP * dNaechste) == iN)
        return dNaechste;
    // No two-decimal number does; the field holds more: the shortest that does.
    for (int iStellen = 3; iStellen <= KURZ_STELLEN_MAX; ++iStellen) {
        const double dSkala = std::pow(10.0, iStellen);
        const double d = std::round(static_cast<double>(iN) / iP * dSkala) / dSkala;
        if (ImBereich(f, d) && Sinus_Runden(iP * d) == iN)
            return d;
    }
    return dNaechste;
}

// The first data line (from 1) the inputs export differently; 0 when none.
int Vergleichen(const Eingabewerte *e, const int32_t *piWerte, int iAnzahl)
{
    Sinuskurve s = {};
    Sinus_Ableiten(e, Zeitbasis_Ms(e->szZeitbasis), &s);
    if (!Sinus_PunkteZulaessig(&s) || !Sinus_WerteEndlich(&s))
        return 1;
    std::vector<double> w(static_cast<size_t>(Sinus_AnzahlWerte(&s)));
    Sinus_WerteFuellen(&s, w.data(), static_cast<int>(w.size()));
    const int iZeilen = static_cast<int>(w.size()) - 1;
    for (int k = 0; k < iZeilen && k < iAnzahl; ++k)
        if (Modell_Hundertstel(w[static_cast<size_t>(k) + 1]) != piWerte[k])
            return k + 1;
    return iZeilen == iAnzahl ? 0 : (iZeilen < iAnzahl ? iZeilen : iAnzahl) + 1;
}

// Vergleichen, and where the design misses, the peak and offset a few
// ulps either side (the conversion to volts and back can round a value
// on the edge of its step over it); @p e takes the first that writes
// the values. The first differing line of @p e as given, else 0.
int Nachbarn(Eingabewerte *e, const int32_t *piWerte, int iAnzahl, double dRand)
{
    const int iAb = Vergleichen(e, piWerte, iAnzahl);
    if (iAb == 0 || dRand >= RAND_NACHBARN || dRand <= 0.0)
        return iAb;  // that far inside, a miss is not the rounding's; on the edge, no room to find
    for (int i = -NACHBARN_ULP; i <= NACHBARN_ULP; ++i)
        for (int j = -NACHBARN_ULP; j <= NACHBARN_ULP; ++j) {
            Eingabewerte n = *e;
            for (int s = 0; s < std::abs(i); ++s)
                n.dAmplitudeDach = std::nextafter(n.dAmplitudeDach, i < 0 ? -HUGE_VAL : HUGE_VAL);
            for (int s = 0; s < std::abs(j); ++s)
                n.dOffset = std::nextafter(n.dOffset, j < 0 ? -HUGE_VAL : HUGE_VAL);
            n.dAmplitudeEff = Sinus_EffAusDach(n.dAmplitudeDach);
            if ((i != 0 || j != 0) && Vergleichen(&n, piWerte, iAnzahl) == 0) {
                *e = n;
                return 0;
            }
        }
    return iAb;
}

// The inputs of a design in % at the maximum voltage @p dUmax, the coupled
// fields as the window couples them.
Eingabewerte Eingaben(const Eingabewerte &vorlage, double dUmax, double dAmplitude, double dOffset, double dPeriode,
                      double dPerioden, double dPhase, const char *szZeitbasis, int iKurve)
{
    Eingabewerte e = vorlage;
    e.dPhase = dPhase;
    const double dFaktor = 1.0 / (dUmax / 100.0);
    e.dUmax = dUmax;
    e.dAmplitudeDach = dAmplitude / dFaktor;
    e.dAmplitudeEff = Sinus_EffAusDach(e.dAmplitudeDach);
    e.dOffset = dOffset / dFaktor;
    e.dPeriodendauer = dPeriode;
    e.dFrequenz = Sinus_FrequenzAusPeriode(dPeriode);
    e.dAnzahlPerioden = dPerioden;
    TK_TextKopieren(e.szZeitbasis, sizeof e.szZeitbasis, szZeitbasis);
    for (int i = 0; i < Zeitbasis_Anzahl(); ++i)
        if (std::strcmp(Zeitbasis_Label(i), szZeitbasis) == 0)
            e.iZeitbasisIndex = i;
    e.iKurvennummer = iKurve;
    return e;
}

// The phases worth a try for the designs of P, shortest number first: of
// none, one and two decimals, the one nearest the middle of the range, kept
// clear of its ends; the middle to two decimals last.
std::vector<double> Phasen(const Modellphase &r)
{
    std::vector<double> liste;
    const double dMitte = (r.dVon + r.dBis) / 2.0, dRand = PHASE_INNEN * (r.dBis - r.dVon);
    for (int iStellen = 0; iStellen <= PHASE_STELLEN; ++iStellen) {
        const double dSkala = std::pow(10.0, iStellen);
        const double x = std::round(dMitte * dSkala) / dSkala;
        if ((x >= r.dVon + dRand && x <= r.dBis - dRand) || iStellen == PHASE_STELLEN)
            liste.push_back(x);
    }
    for (double &x : liste) {  // into 0 to under 360, as the field reads it back
        x -= VOLLKREIS * std::floor(x / VOLLKREIS);
        x = std::round(x * 100.0) / 100.0;
        x = x >= VOLLKREIS ? 0.0 : x;
    }
    liste.erase(std::unique(liste.begin(), liste.end()), liste.end());
    return liste;
}

// The design of P farthest inside its steps (Modell_Tiefster), at phase 0,
// or with @p bFrei at a phase the model finds for P: then @p pdPhase and
// @p pPhase (the range of phases) are set. Returns the margin, -1 where P
// fits no design.
double Tiefster(const int32_t *piWerte, int iAnzahl, int32_t iP, bool bFrei, double *pdOffset, double *pdAmplitude,
                double *pdPhase, Modellphase *pPhase)
{
    *pdPhase = 0.0;
    if (!bFrei)
        return Modell_Tiefster(piWerte, iAnzahl, iP, RAND_KLEIN, pdOffset, pdAmplitude);
    if (!Modell_PasstFrei(piWerte, iAnzahl, iP, 0.0, pPhase))
        return -1.0;
    // The phase fixed, the rest is the design of phase 0 at that start: the first with room inside its steps.
    // Where the range is the whole circle its middle may be the one phase
    // that fits only on a half-step (with two samples per period the sine
    // part of every line is 0: the peak's direction is free but for its
    // sign, and 0 and 180 leave the lines alike): then the crest or the
    // trough at the first line, with a peak that is not negative.
    std::vector<double> phasen = Phasen(*pPhase);
    const size_t iAusBereich = phasen.size();
    phasen.push_back(PHASE_SCHEITEL);
    phasen.push_back(PHASE_TAL);
    double dBeste = -1.0;
    for (size_t i = 0; i < phasen.size(); ++i) {
        const double dPhase = phasen[i];
        double dOffset, dAmplitude;
        const double dRand = Modell_TiefsterPhase(piWerte, iAnzahl, iP, dPhase, RAND_KLEIN, &dOffset, &dAmplitude);
        if (dRand < 0.0 || (i >= iAusBereich && dAmplitude < 0.0))
            continue;  // no design at that phase, or one the crest and trough are not meant for
        if (dRand > dBeste) {
            dBeste = dRand;
            *pdOffset = dOffset, *pdAmplitude = dAmplitude, *pdPhase = dPhase;
        }
        if (dRand > 0.0)
            break;
    }
    return dBeste;
}

// The shortest fixed-point text that reads back to @p d.
void Zahl(double d, char *sz, size_t iGroesse)
{
    const std::to_chars_result r = std::to_chars(sz, sz + iGroesse - 1, d, std::chars_format::fixed);
    *(r.ec == std::errc() ? r.ptr : sz) = '\0';
}

}  // namespace

int Entwurf_AusWerten(const int32_t *piWerte, int iAnzahl, const char *szZeitbasis, int iKurve, double dUmax,
                      Eingabewerte *pEingabe, Entwurfsbericht *pBericht)
{
    return Entwurf_AusModell(piWerte, iAnzahl, nullptr, szZeitbasis, iKurve, dUmax, pEingabe, pBericht);
}

int Entwurf_AusModell(const int32_t *piWerte, int iAnzahl, const Kurvenmodell *pModell, const char *szZeitbasis,
                      int iKurve, double dUmax, Eingabewerte *pEingabe, Entwurfsbericht *pBericht)
{
    double dMs;
    Kurvenmodell m = {};
    if (pBericht)
        *pBericht = {0, 0, 1, 0, 0.0, 0.0};
    if (iAnzahl < 1 || !Zeitbasis_Suchen(szZeitbasis, &dMs))
        return 0;
    if (pModell)
        m = *pModell;
    else
        Modell_Umkehren(piWerte, iAnzahl, &m);
    // No design only where the model proves it; a search cut short goes on below.
    if (m.iPassend == 0 && m.bVollstaendig)
        return 0;
    if (pBericht)
        pBericht->bKeinerMoeglich = 0;
    const Eingabefeld *fPeriode = Eingaben_Feld(EINGABE_PERIODE);
    // The determined P, else the simplest: one period over the file for
    // values that never change, the smallest fitting P for others; each
    // only where its period fits the field.
    std::vector<int32_t> kandidaten;
    if (m.iPunkteProPeriode > 0)
        kandidaten.push_back(m.iPunkteProPeriode);
    if (m.iStufen == 1)
        kandidaten.push_back(iAnzahl > 1 ? iAnzahl - 1 : 1);
    kandidaten.insert(kandidaten.end(), m.piPassend, m.piPassend + m.iPassend);
    // Where the list of fitting P was cut short, the next ones may suit the
    // line count better: a P that fits and a two-decimal number of periods
    // that gives the lines.
    for (int32_t i = 1; !m.bVollstaendig && m.iPassend > 0 && i <= WEITERE_P; ++i)
        kandidaten.push_back(m.piPassend[m.iPassend - 1] + i);
    Eingabewerte e = *pEingabe;
    int iAbweichend = -1;
    bool bFrei = m.bPhaseFrei != 0;
    Modellphase phase = {};  // the range of phases of the design taken, where the phase is free
    auto versuchen = [&](const std::vector<int32_t> &liste) {
        for (const int32_t iP : liste) {
            // P time bases, or where the field cannot hold that (the longest
            // time bases) the nearest period it holds that still gives P.
            // (Time bases are whole twentieths of a ms: the product to 1e-6 ms is exact and prints short.)
            double dPeriode = std::round(iP * dMs * PERIODE_STELLEN) / PERIODE_STELLEN;
            dPeriode = dPeriode < fPeriode->dMin ? fPeriode->dMin : dPeriode > fPeriode->dMax ? fPeriode->dMax : dPeriode;
            if (Sinus_Runden(dPeriode / dMs) != iP)
                continue;
            const double dPerioden = Perioden(iP, iAnzahl - 1);
            if (iAbweichend >= 0 && Sinus_Runden(iP * dPerioden) != iAnzahl - 1)
                continue;  // a candidate that fits the lines was had already
            // The design farthest inside its steps first, so that the
            // arithmetic of the export cannot tip a value over.
            double dOffset = m.iMin / 100.0, dAmplitude = 0.0, dPhase = 0.0;
            Modellphase r = {};
            const double dRand = m.iStufen == 1 ? 1.0
                                                : Tiefster(piWerte, iAnzahl, iP, bFrei, &dOffset, &dAmplitude, &dPhase, &r);
            if (dRand < 0.0)
                continue;
            Eingabewerte probe =
                Eingaben(*pEingabe, dUmax, dAmplitude, dOffset, dPeriode, dPerioden, dPhase, szZeitbasis, iKurve);
            const int iAb = Nachbarn(&probe, piWerte, iAnzahl, dRand);
            if (iAbweichend < 0 || iAb == 0 || (iAbweichend > 0 && iAb > iAbweichend)) {
                e = probe;
                iAbweichend = iAb;
                phase = r;
            }
            if (iAb == 0)
                break;
        }
    };
    versuchen(kandidaten);
    // Adjacent levels fit almost any P on the very edge of their steps,
    // where no design has room: then the P where one has.
    if (iAbweichend != 0 && m.iStufen > 1) {
        Kurvenmodell mitRand;
        Modell_UmkehrenMitRand(piWerte, iAnzahl, 1, &mitRand);
        bFrei = mitRand.bPhaseFrei != 0;
        versuchen(std::vector<int32_t>(mitRand.piPassend, mitRand.piPassend + mitRand.iPassend));
    }
    // Less than a period whose P the values leave open: the numbers of
    // periods that give the lines, each with the P it allows, until one fits.
    const int iN = iAnzahl - 1;
    auto kurzeSuche = [&]() {
        long long iVersuche = 0;
        // The fewest periods first: the longest P, where the values leave most open.
        const long long iMaxVersuche = std::max(SUCHE_MIN, SUCHE_ARBEIT / iAnzahl);
        for (int x = 1; x <= SUCHE_MAX_HUNDERTSTEL && iAbweichend != 0 && iVersuche < iMaxVersuche; ++x) {
            const double dPerioden = static_cast<double>(x) / HUNDERTSTEL;
            for (long long iP = static_cast<long long>(std::ceil((iN - 0.5) / dPerioden));
                 iP <= (iN + 0.5) / dPerioden && iP <= MODELL_MAX_P && iAbweichend != 0; ++iP) {
                if (iP < 1 || Sinus_Runden(iP * dPerioden) != iN || !ImBereich(fPeriode, iP * dMs))
                    continue;
                ++iVersuche;
                double dOffset, dAmplitude, dPhase;
                Modellphase r = {};
                const double dRand =
                    Tiefster(piWerte, iAnzahl, static_cast<int32_t>(iP), bFrei, &dOffset, &dAmplitude, &dPhase, &r);
                if (dRand < 0.0)
                    continue;
                const double dPeriode = std::round(static_cast<double>(iP) * dMs * PERIODE_STELLEN) / PERIODE_STELLEN;
                Eingabewerte probe =
                    Eingaben(*pEingabe, dUmax, dAmplitude, dOffset, dPeriode, dPerioden, dPhase, szZeitbasis, iKurve);
                if (Nachbarn(&probe, piWerte, iAnzahl, dRand) == 0)
                    e = probe, iAbweichend = 0, phase = r;
            }
        }
    };
    kurzeSuche();
    // Where phase 0 gave no design, cut short or with every P it fits
    // beyond the fields' reach: a free phase.
    if (iAbweichend != 0 && !bFrei && m.iStufen > 1) {
        Kurvenmodell frei;
        Modell_UmkehrenFrei(piWerte, iAnzahl, &frei);
        bFrei = true;
        std::vector<int32_t> liste(frei.piPassend, frei.piPassend + frei.iPassend);
        for (int32_t i = 1; !frei.bVollstaendig && frei.iPassend > 0 && i <= WEITERE_P; ++i)
            liste.push_back(frei.piPassend[frei.iPassend - 1] + i);
        versuchen(liste);
        if (iAbweichend != 0)
            kurzeSuche();
    }
    if (iAbweichend < 0)
        return 0;
    // Peak and offset as short as they still write the same values.
    for (int iStellen = 0; iAbweichend == 0 && iStellen <= KURZ_STELLEN_MAX; ++iStellen) {
        const double dSkala = std::pow(10.0, iStellen);
        Eingabewerte kurz = e;
        kurz.dAmplitudeDach = std::round(e.dAmplitudeDach * dSkala) / dSkala;
        kurz.dAmplitudeEff = Sinus_EffAusDach(kurz.dAmplitudeDach);
        kurz.dOffset = std::round(e.dOffset * dSkala) / dSkala;
        if (Vergleichen(&kurz, piWerte, iAnzahl) == 0) {
            e = kurz;
            break;
        }
    }
    *pEingabe = e;
    if (pBericht) {
        *pBericht = {m.iPunkteProPeriode > 0, iAbweichend, 0, 0, 0.0, 0.0};
        // A free phase the values leave open: several periods, or the phases wider than the field's step.
        if (bFrei && ((m.iPunkteProPeriode == 0 && m.iPassend != 1) || phase.dBis - phase.dVon >= MODELL_PHASE_OFFEN))
            *pBericht = {pBericht->bEindeutig, iAbweichend, 0, 1, phase.dVon, phase.dBis};
    }
    return 1;
}

void Entwurf_Optionen(const Eingabewerte *pEingabe, char *szText, std::size_t iGroesse)
{
    char szZahl[ZAHL_GROESSE], szTeil[ZAHL_GROESSE + 32];
    std::snprintf(szText, iGroesse, "--%s %s", Eingaben_Feld(EINGABE_ZEITBASIS)->szOption, pEingabe->szZeitbasis);
    // The inputs that fix the file: the period rather than the frequency,
    // the peak rather than the RMS amplitude.
    const int zahlen[] = {EINGABE_PERIODE, EINGABE_PERIODEN, EINGABE_DACH, EINGABE_OFFSET, EINGABE_UMAX};
    Eingabewerte e = *pEingabe;
    for (const int iEingabe : zahlen) {
        Zahl(*Eingaben_Zahl(&e, Eingaben_Feld(iEingabe)), szZahl, sizeof szZahl);
        std::snprintf(szTeil, sizeof szTeil, " --%s %s", Eingaben_Feld(iEingabe)->szOption, szZahl);
        TK_TextAnhaengen(szText, iGroesse, szTeil);
        // The start phase after the periods, only where it is not 0: a file of phase 0 keeps its line.
        if (iEingabe == EINGABE_PERIODEN && e.dPhase != 0.0) {
            Zahl(e.dPhase, szZahl, sizeof szZahl);
            std::snprintf(szTeil, sizeof szTeil, " --%s %s", Eingaben_Feld(EINGABE_PHASE)->szOption, szZahl);
            TK_TextAnhaengen(szText, iGroesse, szTeil);
        }
    }
    std::snprintf(szTeil, sizeof szTeil, " --%s %d", Eingaben_Feld(EINGABE_KURVE)->szOption,
                  static_cast<int>(pEingabe->iKurvennummer));
    TK_TextAnhaengen(szText, iGroesse, szTeil);
}

int Entwurf_AusDatei(const Kurvendatei *pDatei, double dUmax, Eingabewerte *pEingabe, Entwurfsbericht *pBericht)
{
    // The values as read, to two decimals: back to their digits.
    std::vector<int32_t> werte(static_cast<size_t>(pDatei->iWerte > 0 ? pDatei->iWerte : 0));
    for (size_t i = 0; i < werte.size(); ++i)
        werte[i] = static_cast<int32_t>(std::llround(pDatei->pdWerte[i] * HUNDERTSTEL));
    return Entwurf_AusWerten(werte.data(), pDatei->iWerte, pDatei->szZeitbasis,
                             pDatei->iKurvennummer ? pDatei->iKurvennummer : Kurvenformat_KurveMin(), dUmax, pEingabe,
                             pBericht);
}
