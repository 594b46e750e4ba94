// The exact model of the export file and its inverse.
//
// For a candidate P each data line k bounds y = o + a s_k (o and a: offset
// and amplitude in hundredths of a %, s_k the unit sine of line k) to a
// strip: v - 1/2 <= y <= v + 1/2 for a printed value v, one-sided at 0.00
// (y <= 1/2) and at 100.00 (y >= 10000 - 1/2), since the limits turn
// everything beyond them into the end value. P fits when the strips meet:
// a convex polygon of (o, a) is clipped strip by strip, and P fits while it
// is not empty (exact two-variable feasibility, no search over o and a).
//
// Tolerance. The half-width of a strip is the rounding's half-step itself.
// s_k comes from the generator the export uses (unit amplitude, 1/P cycles
// per sample, phase from 0), bit for bit the factor the export multiplies
// by; what remains is the export's product and sum, each rounded once:
// at most 2 ulp of MODELL_MAX_PROZENT, about 2e-8 hundredths, and the
// clipping's own rounding on a box of 1e8 hundredths, of the same order.
// The strips are therefore widened by TOLERANZ = 1e-5 hundredths: a
// hundred times that noise, and a thousandth of what separates two printed
// values, so a file the export writes always fits its own P and a wrong P
// is only taken where it misses by less than a hundred-thousandth of a
// step. A value that lies exactly on a half-step prints by its binary
// digits; the closed strips admit both neighbours there, so lines whose
// sines are exactly equal (the same phase, or k and P/2 - k) must also
// print the same value: one real value never prints two ways.
//
// Candidates. The set of P is searched, not walked: for P below the number
// of lines the values repeat with period P (equal phases give equal values),
// and if they take two values or more and also repeat with a shorter period
// p0 with P + p0 <= lines, only P = p0 can fit (the values would be constant
// on the orbits of the shorter period, which hold sines of both signs). For
// P from the number of lines on, the file holds less than one period: its
// rises and falls must lie in the sine's rising and falling quarters, which
// bounds P to a few intervals, searched by halving: a whole interval is
// refused where a loosened test (each line's sine anywhere in its range
// over the interval, linear in (o, a) for a fixed sign of a) already
// fails. Each remaining candidate is decided exactly; the lines are
// clipped in a spread order, so that a wrong P is mostly refused after a
// few strips. A bound on the work keeps any input fast; where it ends the
// search, the result says the period was not determined. Before that
// search, probes spread geometrically over the ranges, coarse to fine,
// take P only with a design inside every step by more than the arithmetic
// errs: a short piece of a long period fits a band of P that they meet at
// once, and two fitting P already say that the period is open.
#include "Sinusmodell.h"

#include "Kurvenformat.h"
#include "Sinuserzeugung_Main.h"
#include "polyeder.h"
#include "toolkit_kern.h"

#include <algorithm>
#include <cmath>
#include <vector>

static_assert(MODELL_HUNDERT == KURVENFORMAT_WERT_MAX, "the model's 100 % is the file's");

namespace {

const double HALB = 0.5;                             // half a printed step, in hundredths
const double TOLERANZ = 1e-5;                        // see above
const double NAHE_HALB = 1e-6;                       // hundredths: where the product with 100 could misround
const double RAHMEN = MODELL_MAX_PROZENT * 100.0;    // the box of (o, a), in hundredths
const long long MAX_ARBEIT = 1000000;                // lines clipped over all candidates of one file
const size_t GELOCKERT_LINIEN = 512;                 // lines a loosened test looks at
const double RAND_TIEF_START = 0.25, RAND_TIEF_SCHRITT = 4.0;  // margins Modell_Tiefster tries, hundredths
const int FALSCH_ZEILEN_MIN = 4;                     // fewer lines name no wrong one
const int FALSCH_PERIODEN_MAX = 16;                  // periods tried for a wrong line
const long long FALSCH_VERGLEICHE = 4000000;         // pairs of lines compared for them
const long long FALSCH_ARBEIT = 4000000;             // lines clipped in looking for them
const long long FALSCH_ARBEIT_FREI = 200000;         // the same cut into the polytope of a free phase
const int FALSCH_KERN_MAX = 3;                       // lines of a smallest contradiction
const int FALSCH_KERN_MAX_FREI = 4;                  // the same at a free phase: three unknowns
const double RAND_SONDE = 1e-9;                      // hundredths inside every step a probe asks for
const double SONDE_SCHRITT = 1.0 / 256.0;           // relative step from one probe's P to the next, at first
const int SONDE_STUFEN = 6;                          // levels of probes, each at half the step before
const double VIERTEL = 0.25;                         // cycles from the sine to the cosine
const double VOLLKREIS = 360.0;                      // degrees
const double HALBKREIS = 180.0;
const double GRAD_JE_RAD = 180.0 / M_PI;
const long long MAX_ARBEIT_FREI = 400000;            // lines cut into the polytope over all candidates of one file
const long long ARBEIT_POLYEDER = 24;                // what setting up the polytope for one candidate counts as
const long long ECKEN_JE_ZEILE = 16;                 // corners looked at that count as one line of work
const long long KURZ_FREI = 8;                       // ranges of P shorter than this are decided P by P
const double LOCKER_RAHMEN = 8.0 * RAHMEN;           // holds every design of the box RAHMEN about the middle line
const double LOCKER_RAND = 1e-2;                     // hundredths the loosened test widens beyond the arithmetic's noise
const double LOCKER_SINUS = 1e-12;                   // what the bounds of one line's factors may err
const long long FREI_ANTEIL_GANZ = 2;                // the whole search of a short piece gets this part of the bound

struct Ecke {
    double o, a;
};

// The polygon of (o, a) still possible, and room for the next clip.
struct Polygon {
    std::vector<Ecke> e, neu;
};

// Keeps the part where o + a s <= h (bOben) or o + a s >= h; false when
// nothing is left.
bool Schneiden(Polygon &p, double s, double h, bool bOben)
{
    const double vz = bOben ? 1.0 : -1.0;
    const size_t n = p.e.size();
    bool bGanz = true;
    for (const Ecke &e : p.e)
        bGanz = bGanz && vz * (e.o + e.a * s - h) <= 0.0;
    if (bGanz)
        return true;
    p.neu.clear();
    for (size_t i = 0; i < n; ++i) {
        const Ecke &a = p.e[i], &b = p.e[(i + 1) % n];
        const double da = vz * (a.o + a.a * s - h), db = vz * (b.o + b.a * s - h);
        if (da <= 0.0)
            p.neu.push_back(a);
        if ((da < 0.0 && db > 0.0) || (da > 0.0 && db < 0.0)) {
            const double t = da / (da - db);
            const Ecke x = {a.o + t * (b.o - a.o), a.a + t * (b.a - a.a)};
            if (p.neu.empty() || p.neu.back().o != x.o || p.neu.back().a != x.a)
                p.neu.push_back(x);
        }
    }
    p.e.swap(p.neu);
    return !p.e.empty();
}

// The unit sine of line k as the export's generator gives it: the value it
// writes for sample k of a wave of amplitude 1 started at @p dStart cycles.
double Einheitssinus(double dFrequenz, int k, double dStart = 0.0)
{
    double dPhase = dStart + dFrequenz * k, s = 0.0;
    SineWave(1, 1.0, dFrequenz, &dPhase, &s);
    return s;
}

// The values of one file and the order in which lines are clipped: both
// ends first, then ever finer halves, so that each few lines span the file.
struct Datei {
    const int32_t *v;
    int n;
    std::vector<int> reihenfolge;
    long long iArbeit;
    int32_t iSinusP;             // the P whose sines sinus holds, 0 none
    std::vector<double> sinus;   // unit sine of each line for iSinusP
    std::vector<char> ohne;      // lines left out (empty: none)
    double dStart = 0.0;         // where the wave starts, in cycles
};

void Reihenfolge(Datei &d)
{
    long long iSchritt = 1;
    while (iSchritt < d.n)
        iSchritt *= 2;
    d.reihenfolge.clear();
    d.reihenfolge.reserve(static_cast<size_t>(d.n));
    if (d.n > 1)
        d.reihenfolge.push_back(d.n - 1);
    if (d.n > 0)
        d.reihenfolge.push_back(0);
    for (iSchritt /= 2; iSchritt >= 1; iSchritt /= 2)
        for (long long k = iSchritt; k < d.n - 1; k += 2 * iSchritt)
            d.reihenfolge.push_back(static_cast<int>(k));
    // Lines inside the limits bound a design on both sides and refuse a
    // wrong P soonest; the lines at a limit, one-sided, come after them.
    std::stable_partition(d.reihenfolge.begin(), d.reihenfolge.end(), [&d](int k) {
        return d.v[k] > 0 && d.v[k] < MODELL_HUNDERT;
    });
}

// The file's values in the model's order; false where a value lies outside
// 0 to 100.00 %, which no export writes.
bool DateiFassen(const int32_t *piWerte, int iAnzahl, Datei &d)
{
    for (int k = 0; k < iAnzahl; ++k)
        if (piWerte[k] < 0 || piWerte[k] > MODELL_HUNDERT)
            return false;
    d = {piWerte, iAnzahl, {}, 0, 0, {}, {}};
    Reihenfolge(d);
    return true;
}


// Clips @p p to the strip of one line printed as @p v: o + a * sTief at most
// half a step above it, o + a * sHoch at least half a step below it, each
// widened by @p dRand; one-sided at 0.00 and 100.00, where the limits cut.
// False once nothing is left.
bool Streifen(Polygon &p, double sTief, double sHoch, int32_t v, double dRand)
{
    if (v < MODELL_HUNDERT && !Schneiden(p, sTief, v + HALB + dRand, true))
        return false;
    return v <= 0 || Schneiden(p, sHoch, v - HALB - dRand, false);
}

// Whether P fits; the polygon of the fitting designs is left in @p p. The
// strips are widened by @p dRand (negative: narrowed).
bool Pruefen(Datei &d, int32_t iP, Polygon &p, double dRand = TOLERANZ)
{
    const double f = 1.0 / iP;
    const bool bGemerkt = d.iSinusP == iP;
    p.e = {{-RAHMEN, -RAHMEN}, {RAHMEN, -RAHMEN}, {RAHMEN, RAHMEN}, {-RAHMEN, RAHMEN}};
    for (const int k : d.reihenfolge) {
        if (!d.ohne.empty() && d.ohne[static_cast<size_t>(k)])
            continue;
        ++d.iArbeit;
        const double s = bGemerkt ? d.sinus[static_cast<size_t>(k)] : Einheitssinus(f, k, d.dStart);
        if (!Streifen(p, s, s, d.v[k], dRand))
            return false;
    }
    return true;
}

// Lines whose sines are equal have the same value before the rounding, so
// they print the same: the closed strips alone would let a design sit on a
// half-step and print it both ways. Equal, exactly: the phase folded into
// the sine's first quarter, as a signed count of 1/(2P) periods. Where
// two such lines differ, @p piPaar (may be null) receives both.
bool GleicheSinusGleicheWerte(const Datei &d, int32_t iP, std::vector<int32_t> &zeilen, int *piPaar = nullptr)
{
    const long long P = iP;
    if (P >= 4LL * d.n)
        return true;  // no two lines share a sine: the phases k and P/2 - k are not both in the file
    zeilen.assign(static_cast<size_t>(2 * P + 1), -1);  // per sine, a line that has it
    for (int k = 0; k < d.n; ++k) {
        if (!d.ohne.empty() && d.ohne[static_cast<size_t>(k)])
            continue;
        const long long j = k % P, q = 4 * j;
        const long long iSchluessel = q <= P ? 2 * j : q <= 2 * P ? P - 2 * j : q <= 3 * P ? -(2 * j - P) : -2 * (P - j);
        int32_t &z = zeilen[static_cast<size_t>(iSchluessel + P)];
        if (z >= 0 && d.v[z] != d.v[k]) {
            if (piPaar)
                piPaar[0] = z, piPaar[1] = k;
            return false;
        }
        z = k;
    }
    return true;
}

// The lines at a limit that every design of the polygon cuts: at 100.00
// when even the least of them prints above it, at 0.00 when even the
// greatest prints below it.
void Schnitte(const Datei &d, int32_t iP, const Polygon &p, std::vector<char> &oben, std::vector<char> &unten)
{
    const double f = 1.0 / iP;
    for (int k = 0; k < d.n; ++k) {
        if (!oben[static_cast<size_t>(k)] && !unten[static_cast<size_t>(k)])
            continue;
        const double s = Einheitssinus(f, k);
        double dMin = HUGE_VAL, dMax = -HUGE_VAL;
        for (const Ecke &e : p.e) {
            dMin = std::min(dMin, e.o + e.a * s);
            dMax = std::max(dMax, e.o + e.a * s);
        }
        oben[static_cast<size_t>(k)] = oben[static_cast<size_t>(k)] && dMin >= MODELL_HUNDERT + HALB;
        unten[static_cast<size_t>(k)] = unten[static_cast<size_t>(k)] && dMax <= -HALB;
    }
}

// The periods of the values shorter than the file (Z-function): P is one
// when the values from P on repeat those from 0.
std::vector<int32_t> Perioden(const int32_t *v, int n)
{
    std::vector<int> z(static_cast<size_t>(n), 0);
    std::vector<int32_t> perioden;
    for (int i = 1, l = 0, r = 0; i < n; ++i) {
        int &zi = z[static_cast<size_t>(i)];
        if (i < r)
            zi = std::min(r - i, z[static_cast<size_t>(i - l)]);
        while (i + zi < n && v[zi] == v[i + zi])
            ++zi;
        if (i + zi > r)
            l = i, r = i + zi;
        if (zi == n - i)
            perioden.push_back(i);
    }
    return perioden;
}

struct Bereich {
    long long von, bis;
};

// Doubled midpoints M = 2k + 1 of the steps between lines k and k + 1.
// With P at least the number of lines, a step up lies before the first
// crest (M <= P/2, in doubled units) or after the trough (M >= 3P/2), a
// step down between them; for a negative amplitude up and down swap.
// Bounds are taken closed: they only spare work, the clipping decides.
void Bereiche(const std::vector<long long> &auf, const std::vector<long long> &ab, std::vector<Bereich> &bereiche)
{
    const long long GROSS = MODELL_MAX_P;
    if (!ab.empty()) {
        const long long iMinAb = ab.front(), iMaxAb = ab.back();
        long long von = (2 * iMaxAb + 2) / 3, bis = 2 * iMinAb;
        for (const long long m : auf) {
            if (m < iMinAb)
                von = std::max(von, 2 * m);
            else if (m > iMaxAb)
                bis = std::min(bis, 2 * m / 3);
            else
                return;  // a step up amid the steps down
        }
        bereiche.push_back({von, bis});
        return;
    }
    if (auf.empty())
        return;
    bereiche.push_back({2 * auf.back(), GROSS});  // all before the crest
    bereiche.push_back({0, 2 * auf.front() / 3}); // all after the trough
    for (size_t i = 0; i + 1 < auf.size(); ++i)   // split around the falling half
        if (auf[i + 1] >= 3 * auf[i])
            bereiche.push_back({2 * auf[i], 2 * auf[i + 1] / 3});
}

// The candidates from the number of lines on, merged and ascending.
std::vector<Bereich> GrosseKandidaten(const int32_t *v, int n)
{
    std::vector<long long> auf, ab;
    for (int k = 0; k + 1 < n; ++k) {
        if (v[k + 1] > v[k])
            auf.push_back(2LL * k + 1);
        else if (v[k + 1] < v[k])
            ab.push_back(2LL * k + 1);
    }
    std::vector<Bereich> roh, bereiche;
    Bereiche(auf, ab, roh);
    Bereiche(ab, auf, roh);
    for (Bereich &b : roh) {
        b.von = std::max<long long>(b.von, n);
        b.bis = std::min<long long>(b.bis, MODELL_MAX_P);
    }
    std::sort(roh.begin(), roh.end(), [](const Bereich &a, const Bereich &b) { return a.von < b.von; });
    for (const Bereich &b : roh) {
        if (b.von > b.bis)
            continue;
        if (!bereiche.empty() && b.von <= bereiche.back().bis + 1)
            bereiche.back().bis = std::max(bereiche.back().bis, b.bis);
        else
            bereiche.push_back(b);
    }
    return bereiche;
}

// The range of sin over [t1, t2] (0 <= t2 - t1 < 2 pi), a little wider
// than the library's sine could err.
void SinusBereich(double t1, double t2, double *pdMin, double *pdMax)
{
    const double ZWEI_PI = 2.0 * M_PI, RAND = 1e-12;
    const double a = std::sin(t1), b = std::sin(t2);
    *pdMin = std::min(a, b) - RAND;
    *pdMax = std::max(a, b) + RAND;
    if (M_PI / 2.0 + std::ceil((t1 - M_PI / 2.0) / ZWEI_PI) * ZWEI_PI <= t2)
        *pdMax = 1.0;
    if (3.0 * M_PI / 2.0 + std::ceil((t1 - 3.0 * M_PI / 2.0) / ZWEI_PI) * ZWEI_PI <= t2)
        *pdMin = -1.0;
}

// Whether some P from iVon to iBis (not below the number of lines) could
// fit with an amplitude of sign @p iVorzeichen: each line's sine may then
// lie anywhere in its range over those P, and for a fixed sign of a the
// values o + a s it can take are bounded linearly in (o, a). Refused here,
// no P of the range fits; taken, the range is split.
bool Gelockert(Datei &d, long long iVon, long long iBis, int iVorzeichen, Polygon &p)
{
    const double a0 = iVorzeichen > 0 ? 0.0 : -RAHMEN, a1 = iVorzeichen > 0 ? RAHMEN : 0.0;
    p.e = {{-RAHMEN, a0}, {RAHMEN, a0}, {RAHMEN, a1}, {-RAHMEN, a1}};
    // A spread part of the lines is a weaker test, as sound, and cheaper on long files.
    const size_t iLinien = std::min(d.reihenfolge.size(), GELOCKERT_LINIEN);
    for (size_t i = 0; i < iLinien; ++i) {
        const int k = d.reihenfolge[i];
        ++d.iArbeit;
        double sMin, sMax;
        SinusBereich(2.0 * M_PI * k / static_cast<double>(iBis), 2.0 * M_PI * k / static_cast<double>(iVon), &sMin,
                     &sMax);
        const double sTief = iVorzeichen > 0 ? sMin : sMax, sHoch = iVorzeichen > 0 ? sMax : sMin;
        if (!Streifen(p, sTief, sHoch, d.v[k], TOLERANZ))
            return false;
    }
    return true;
}

// Takes a fitting P into the model; false once the list is full.
bool Aufnehmen(Kurvenmodell *m, int32_t iP, const Polygon &p)
{
    if (m->iPassend == 0) {
        double o = 0.0, a = 0.0;
        for (const Ecke &e : p.e)
            o += e.o, a += e.a;
        m->dOffset = o / static_cast<double>(p.e.size()) / 100.0;
        m->dAmplitude = a / static_cast<double>(p.e.size()) / 100.0;
    }
    m->piPassend[m->iPassend++] = iP;
    return m->iPassend < MODELL_MAX_PASSEND;
}

// A free start phase: line k's value is O + a sin(2 pi k / P) + b cos(2 pi k / P),
// the peak hypot(a, b) and the phase atan2(b, a). Each line bounds
// (O, a, b) to a slab between two planes; a convex polytope is cut slab by
// slab, and P fits while it is not empty.
bool PruefenFrei(Datei &d, int32_t iP, Polyeder &q, double dRand = TOLERANZ)
{
    const double f = 1.0 / iP;
    Polyeder_Wuerfel(q, RAHMEN);
    d.iArbeit += ARBEIT_POLYEDER;
    // A line a period after another with the same value bounds the same slab again: once is enough.
    std::vector<int32_t> gesehen(iP < d.n ? static_cast<size_t>(iP) : 0, -1);
    for (const int k : d.reihenfolge) {
        if (!d.ohne.empty() && d.ohne[static_cast<size_t>(k)])
            continue;
        if (!gesehen.empty()) {
            int32_t &w = gesehen[static_cast<size_t>(k % iP)];
            if (w == d.v[k])
                continue;
            w = d.v[k];
        }
        ++d.iArbeit;
        const double s = Einheitssinus(f, k), c = Einheitssinus(f, k, VIERTEL);
        const int32_t v = d.v[k];
        const long long iVorher = q.iEcken;
        const bool bLeer = (v < MODELL_HUNDERT && !Polyeder_Schneiden(q, 1.0, s, c, v + HALB + dRand)) ||
                           (v > 0 && !Polyeder_Schneiden(q, -1.0, -s, -c, -(v - HALB - dRand)));
        // A polytope of many corners costs as many lines: the bound on the work holds for any values.
        d.iArbeit += (q.iEcken - iVorher) / ECKEN_JE_ZEILE;
        if (bLeer)
            return false;
        if (d.iArbeit > MAX_ARBEIT_FREI + FALSCH_ARBEIT_FREI)
            return false;  // beyond every bound of the work: not decided, taken as not fitting
    }
    return true;
}

// The phases, in degrees, of the designs in @p q: from *pdVon to *pdBis
// about *pdMitte, that of their mean, which lies from 0 to under 360 (the
// range may run past either end). False where the peaks reach 0, where
// every phase is open.
bool PhasenBereich(const Polyeder &q, double *pdVon, double *pdBis, double *pdMitte)
{
    const Punkt3 m = Polyeder_Mitte(q);
    const double psi = std::atan2(m.z, m.y);
    double dMin = 0.0, dMax = 0.0;
    for (const std::vector<Punkt3> &f : q.flaechen)
        for (const Punkt3 &e : f) {
            if (e.y == 0.0 && e.z == 0.0)
                return false;
            const double delta = std::remainder(std::atan2(e.z, e.y) - psi, 2.0 * M_PI);
            dMin = std::min(dMin, delta);
            dMax = std::max(dMax, delta);
        }
    if (dMax - dMin >= M_PI)
        return false;  // the peaks' directions reach round the origin
    double dMitte = psi * GRAD_JE_RAD;
    const double dVerschub = -VOLLKREIS * std::floor(dMitte / VOLLKREIS);
    dMitte += dVerschub;
    *pdMitte = dMitte < VOLLKREIS ? dMitte : 0.0;
    *pdVon = (psi + dMin) * GRAD_JE_RAD + dVerschub;
    *pdBis = (psi + dMax) * GRAD_JE_RAD + dVerschub;
    return true;
}

// The lines at a limit that every design of @p q cuts, as Schnitte does.
void SchnitteFrei(const Datei &d, int32_t iP, const Polyeder &q, std::vector<char> &oben, std::vector<char> &unten)
{
    const double f = 1.0 / iP;
    for (int k = 0; k < d.n; ++k) {
        if (!oben[static_cast<size_t>(k)] && !unten[static_cast<size_t>(k)])
            continue;
        double dMin, dMax;
        Polyeder_Bereich(q, 1.0, Einheitssinus(f, k), Einheitssinus(f, k, VIERTEL), &dMin, &dMax);
        oben[static_cast<size_t>(k)] = oben[static_cast<size_t>(k)] && dMin >= MODELL_HUNDERT + HALB;
        unten[static_cast<size_t>(k)] = unten[static_cast<size_t>(k)] && dMax <= -HALB;
    }
}

// The P from the number of lines on that a free phase could fit. Less
// than a period of a sine rises and falls in at most three runs (the
// limits and the rounding keep the order of the values): more, and none
// fits. Three runs hold a crest and a trough, half a period apart: each
// lies between the last step of one run and the first of the next, which
// bounds P (doubled midpoints of steps, a step either way for the
// rounding). Fewer leave P open upwards: *pbOffen says so.
Bereich GrosseFrei(const int32_t *v, int n, bool *pbOffen)
{
    std::vector<long long> ende, anfang;  // per run: the doubled midpoints of its first and last step
    int iRichtung = 0;
    for (int k = 0; k + 1 < n; ++k) {
        const int r = v[k + 1] > v[k] ? 1 : v[k + 1] < v[k] ? -1 : 0;
        if (r == 0)
            continue;
        if (r != iRichtung)
            anfang.push_back(2LL * k + 1), ende.push_back(2LL * k + 1);
        ende.back() = 2LL * k + 1;
        iRichtung = r;
    }
    *pbOffen = anfang.size() < 3;
    if (anfang.size() > 3)
        return {1, 0};
    if (anfang.size() < 3)
        return {n, MODELL_MAX_P};
    return {std::max<long long>(n, ende[1] - anfang[1] - 2), std::min<long long>(MODELL_MAX_P, anfang[2] - ende[0] + 2)};
}

// Takes a P the free phase fits into the model (the design of the first);
// false once the list is full.
bool AufnehmenFrei(Kurvenmodell &m, int32_t iP, const Polyeder &q)
{
    if (m.iPassend == 0) {
        const Punkt3 mitte = Polyeder_Mitte(q);
        double dVon = 0.0, dBis = VOLLKREIS, dMitte = 0.0;
        if (!PhasenBereich(q, &dVon, &dBis, &dMitte))
            dVon = 0.0, dBis = VOLLKREIS, dMitte = 0.0;
        m.dOffset = mitte.x / 100.0;
        m.dAmplitude = std::hypot(mitte.y, mitte.z) / 100.0;
        m.dPhase = dMitte;
        m.dPhaseVon = dVon;
        m.dPhaseBis = dBis;
    }
    m.piPassend[m.iPassend++] = iP;
    return m.iPassend < MODELL_MAX_PASSEND;
}

// Less than a period at a free phase: whole ranges of P refused at once.
// About the middle m of the file, with w = 2 pi / P, d = k - m and
// h = (n - 1) / 2, a design of any phase writes at line k
//   c0 + c1 S_k(w) + c2 C_k(w),  S_k = sin(d w) / (w h),  C_k = (2 sin(d w / 2) / (w h))^2,
// where, for the sine and cosine parts A and B of the design about the
// middle, c0 = O + B, c1 = A w h and c2 = -B (w h)^2 / 2: the same design,
// only otherwise written down. As w shrinks S_k and C_k tend to d / h and
// (d / h)^2, so a long period is as well posed as a short one, and every
// factor lies within -1 to 1. With |d| w < pi (P not below the number of
// lines) both fall in magnitude as w grows: over a range of P each lies
// between its values at the ends. For fixed signs of c1 and c2 (the
// quarter @p iViertel) the least and greatest value a line can then take
// are linear in (c0, c1, c2); the polytope those bounds leave holds every
// design of every P of the range. Empty, no P of the range fits with
// those signs. The box LOCKER_RAHMEN holds the image of the box RAHMEN
// (|B| <= sqrt 2 RAHMEN, w h < pi), and the strips are widened by
// LOCKER_RAND beyond the generator's and the cuts' rounding.
bool GelockertFrei(Datei &d, long long iVon, long long iBis, int iViertel, Polyeder &q)
{
    if (iVon < d.n || iVon > iBis || d.n < 2)
        return true;  // the bounds need |d| w < pi: nothing refused
    const double h = (d.n - 1) / 2.0;
    const double v1 = (iViertel & 1) ? -1.0 : 1.0, v2 = (iViertel & 2) ? -1.0 : 1.0;
    Polyeder_Wuerfel(q, LOCKER_RAHMEN);
    Polyeder_Schneiden(q, 0.0, -v1, 0.0, 0.0);
    Polyeder_Schneiden(q, 0.0, 0.0, -v2, 0.0);
    d.iArbeit += ARBEIT_POLYEDER;
    const double w[2] = {2.0 * M_PI / static_cast<double>(iVon), 2.0 * M_PI / static_cast<double>(iBis)};
    const size_t iLinien = std::min(d.reihenfolge.size(), GELOCKERT_LINIEN);
    for (size_t i = 0; i < iLinien; ++i) {
        const int k = d.reihenfolge[i];
        if (!d.ohne.empty() && d.ohne[static_cast<size_t>(k)])
            continue;
        const double dd = k - h;
        double sEnde[2], cEnde[2];
        for (int j = 0; j < 2; ++j) {
            const double wh = w[j] * h, halb = 2.0 * std::sin(dd * w[j] / 2.0) / wh;
            sEnde[j] = std::sin(dd * w[j]) / wh;
            cEnde[j] = halb * halb;
        }
        const double sMin = std::min(sEnde[0], sEnde[1]) - LOCKER_SINUS, sMax = std::max(sEnde[0], sEnde[1]) + LOCKER_SINUS;
        const double cMin = std::min(cEnde[0], cEnde[1]) - LOCKER_SINUS, cMax = std::max(cEnde[0], cEnde[1]) + LOCKER_SINUS;
        // The least value of the line with these signs, and the greatest.
        const double sTief = v1 > 0.0 ? sMin : sMax, sHoch = v1 > 0.0 ? sMax : sMin;
        const double cTief = v2 > 0.0 ? cMin : cMax, cHoch = v2 > 0.0 ? cMax : cMin;
        const int32_t v = d.v[k];
        const double dRand = TOLERANZ + LOCKER_RAND;
        ++d.iArbeit;
        const long long iVorher = q.iEcken;
        const bool bLeer = (v < MODELL_HUNDERT && !Polyeder_Schneiden(q, 1.0, sTief, cTief, v + HALB + dRand)) ||
                           (v > 0 && !Polyeder_Schneiden(q, -1.0, -sHoch, -cHoch, -(v - HALB - dRand)));
        d.iArbeit += (q.iEcken - iVorher) / ECKEN_JE_ZEILE;
        if (bLeer)
            return false;
    }
    return true;
}

// Where no design of phase 0 fits: the P with which a design of some start
// phase writes the values. Shorter than the file, the same periods as at
// phase 0 (what repeats does so whatever the phase); from the number of
// lines on, the range the runs of the values leave. Where they leave it
// open upwards, the range is searched whole first, within a share of the
// bound on the work: refused by GelockertFrei where it can be, halved (at
// the middle of w) where not, decided P by P where short. Where that is
// not through, probes as at phase 0 instead, from the same point: two
// fitting P say the period is open, and the search is not complete.
void FreiSuchen(Datei &d, const std::vector<int32_t> &perioden, int bMitRand, Kurvenmodell &m,
                std::vector<char> &oben, std::vector<char> &unten, bool &bWeiter)
{
    m.bPhaseFrei = 1;
    d.iArbeit = 0;
    Polyeder q;
    long long iGrenze = MAX_ARBEIT_FREI;
    auto kandidat = [&](int32_t iP, bool bSonde) {
        if (d.iArbeit > iGrenze) {
            bWeiter = false;
            return;
        }
        if (std::find(m.piPassend, m.piPassend + m.iPassend, iP) != m.piPassend + m.iPassend)
            return;
        if (((bSonde || bMitRand) && !PruefenFrei(d, iP, q, -RAND_SONDE)) || !PruefenFrei(d, iP, q))
            return;
        SchnitteFrei(d, iP, q, oben, unten);
        bWeiter = AufnehmenFrei(m, iP, q);
    };
    const int32_t p0 = perioden.empty() ? d.n : perioden.front();
    for (size_t i = 0; i < perioden.size() && bWeiter; ++i)
        if (perioden[i] == p0 || perioden[i] > d.n - p0)
            kandidat(perioden[i], false);
    bool bOffen = false;
    const Bereich g = GrosseFrei(d.v, d.n, &bOffen);
    if (!bOffen) {
        for (long long iP = g.von; iP <= g.bis && bWeiter; ++iP)
            kandidat(static_cast<int32_t>(iP), false);
        bWeiter = bWeiter && d.iArbeit <= MAX_ARBEIT_FREI;  // a candidate cut short by the bound is not decided
        return;
    }
    if (!bWeiter)
        return;
    const Kurvenmodell vorher = m;
    const std::vector<char> obenVorher = oben, untenVorher = unten;
    const long long iArbeitVorher = d.iArbeit;
    iGrenze = iArbeitVorher + MAX_ARBEIT_FREI / FREI_ANTEIL_GANZ;
    std::vector<Bereich> stapel = {g};
    while (!stapel.empty() && bWeiter) {
        const Bereich r = stapel.back();
        stapel.pop_back();
        if (r.bis - r.von >= KURZ_FREI) {
            if (d.iArbeit > iGrenze) {
                bWeiter = false;
                break;
            }
            bool bMoeglich = false;
            for (int iViertel = 0; iViertel < 4 && !bMoeglich; ++iViertel)
                bMoeglich = GelockertFrei(d, r.von, r.bis, iViertel, q);
            if (!bMoeglich)
                continue;
            // Halved in w = 2 pi / P, which the looseness follows; lowest P first.
            const double dMitte = 2.0 * static_cast<double>(r.von) * static_cast<double>(r.bis) /
                                  static_cast<double>(r.von + r.bis);
            const long long iMitte = std::min(r.bis - 1, std::max(r.von, static_cast<long long>(dMitte)));
            stapel.push_back({iMitte + 1, r.bis});
            stapel.push_back({r.von, iMitte});
            continue;
        }
        for (long long iP = r.von; iP <= r.bis && bWeiter; ++iP)
            kandidat(static_cast<int32_t>(iP), false);
    }
    if (bWeiter && d.iArbeit <= iGrenze)
        return;  // every P decided
    // Not through: the probes, as though the search had not been made.
    m = vorher;
    oben = obenVorher;
    unten = untenVorher;
    d.iArbeit = iArbeitVorher;
    iGrenze = MAX_ARBEIT_FREI;
    bWeiter = true;
    for (int iStufe = 0; iStufe < SONDE_STUFEN && bWeiter && m.iPassend < 2; ++iStufe) {
        const double dSchritt = std::log1p(SONDE_SCHRITT) / static_cast<double>(1 << iStufe);
        for (long long j = iStufe == 0 ? 0 : 1; bWeiter && m.iPassend < 2; j += iStufe == 0 ? 1 : 2) {
            const double x = static_cast<double>(g.von) * std::exp(dSchritt * static_cast<double>(j));
            if (x > static_cast<double>(g.bis))
                break;
            kandidat(static_cast<int32_t>(x), true);
        }
    }
    bWeiter = false;  // not every P from the number of lines on was decided
}

}  // namespace

int32_t Modell_Hundertstel(double dWert)
{
    double d = dWert;  // the generation's limits (-0 too), then the file's rounding
    if (d <= 0.0)
        d = 0.0;
    if (!(d <= 100.0))
        d = 100.0;
    // Away from a half-step the product with 100 (off by far less than
    // NAHE_HALB) rounds as the file's two decimals do; near one the
    // file's own rounding decides.
    const double h = d * 100.0, dRest = h - std::floor(h);
    if (std::fabs(dRest - HALB) > NAHE_HALB)
        return static_cast<int32_t>(std::floor(h) + (dRest > HALB ? 1.0 : 0.0));
    return static_cast<int32_t>(Kurvenformat_Hundertstel(d));
}

double Modell_Wert(double dOffset, double dAmplitude, int32_t iP, int k)
{
    return dAmplitude * Einheitssinus(1.0 / iP, k) + dOffset;
}

double Modell_WertPhase(double dOffset, double dAmplitude, int32_t iP, double dPhaseGrad, int k)
{
    return dAmplitude * Einheitssinus(1.0 / iP, k, Sinus_StartZyklen(dPhaseGrad)) + dOffset;
}

int Modell_UeberHundert(double dWert)
{
    return dWert > 100.0 && Kurvenformat_Hundertstel(dWert) > KURVENFORMAT_WERT_MAX;
}

int Modell_UnterNull(double dWert)
{
    return dWert < 0.0 && Kurvenformat_Hundertstel(dWert) < KURVENFORMAT_WERT_MIN;
}

int Modell_Passt(const int32_t *piWerte, int iAnzahl, int32_t iP, double *pdOffset, double *pdAmplitude)
{
    return Modell_Entwerfen(piWerte, iAnzahl, iP, -TOLERANZ, pdOffset, pdAmplitude);
}

int Modell_Entwerfen(const int32_t *piWerte, int iAnzahl, int32_t iP, double dRand, double *pdOffset,
                     double *pdAmplitude)
{
    if (iAnzahl <= 0 || iP < 1)
        return 0;
    Datei d;
    if (!DateiFassen(piWerte, iAnzahl, d))
        return 0;
    Polygon p;
    if (!Pruefen(d, iP, p, -dRand))
        return 0;
    // The simplest design: the corner with the smallest amplitude. With a
    // margin it lies that far inside every step; without one it is drawn a
    // little towards the middle, off the edges.
    const double ZUR_MITTE = dRand > 0.0 ? 0.0 : 0.1;
    Kurvenmodell m = {};
    Aufnehmen(&m, iP, p);
    Ecke klein = p.e.front();
    for (const Ecke &e : p.e)
        if (std::fabs(e.a) < std::fabs(klein.a))
            klein = e;
    if (pdOffset)
        *pdOffset = (1.0 - ZUR_MITTE) * klein.o / 100.0 + ZUR_MITTE * m.dOffset;
    if (pdAmplitude)
        *pdAmplitude = (1.0 - ZUR_MITTE) * klein.a / 100.0 + ZUR_MITTE * m.dAmplitude;
    return 1;
}

double Modell_Tiefster(const int32_t *piWerte, int iAnzahl, int32_t iP, double dRandMin, double *pdOffset,
                       double *pdAmplitude)
{
    return Modell_TiefsterPhase(piWerte, iAnzahl, iP, 0.0, dRandMin, pdOffset, pdAmplitude);
}

double Modell_TiefsterPhase(const int32_t *piWerte, int iAnzahl, int32_t iP, double dPhaseGrad, double dRandMin,
                            double *pdOffset, double *pdAmplitude)
{
    if (iAnzahl <= 0 || iP < 1)
        return -1.0;
    Datei d;
    if (!DateiFassen(piWerte, iAnzahl, d))
        return -1.0;
    d.dStart = Sinus_StartZyklen(dPhaseGrad);
    // The sines once for every margin tried.
    d.sinus.resize(static_cast<size_t>(iAnzahl));
    for (int k = 0; k < iAnzahl; ++k)
        d.sinus[static_cast<size_t>(k)] = Einheitssinus(1.0 / iP, k, d.dStart);
    d.iSinusP = iP;
    Polygon p;
    if (!Pruefen(d, iP, p, TOLERANZ))
        return -1.0;
    // No room at the smallest margin: the widened test's design, on the edge.
    double dRand = 0.0;
    if (Pruefen(d, iP, p, -dRandMin))
        for (double r = RAND_TIEF_START; r >= dRandMin && dRand == 0.0; r /= RAND_TIEF_SCHRITT)
            if (Pruefen(d, iP, p, -r))
                dRand = r;
    if (dRand == 0.0 && !Pruefen(d, iP, p, TOLERANZ))
        return -1.0;  // cannot happen: it fitted above
    // Of the designs that far inside, the one with the smallest amplitude.
    Ecke klein = p.e.front();
    for (const Ecke &e : p.e)
        if (std::fabs(e.a) < std::fabs(klein.a))
            klein = e;
    if (dRand == 0.0) {  // on the edge: drawn a little towards the middle
        double o = 0.0, a = 0.0;
        for (const Ecke &e : p.e)
            o += e.o, a += e.a;
        const double ZUR_MITTE = 0.1, iEcken = static_cast<double>(p.e.size());
        klein = {(1.0 - ZUR_MITTE) * klein.o + ZUR_MITTE * o / iEcken, (1.0 - ZUR_MITTE) * klein.a + ZUR_MITTE * a / iEcken};
    }
    if (pdOffset)
        *pdOffset = klein.o / 100.0;
    if (pdAmplitude)
        *pdAmplitude = klein.a / 100.0;
    return dRand;
}

int Modell_PasstFrei(const int32_t *piWerte, int iAnzahl, int32_t iP, double dRand, Modellphase *pPhase)
{
    if (iAnzahl <= 0 || iP < 1)
        return 0;
    Datei d;
    if (!DateiFassen(piWerte, iAnzahl, d))
        return 0;
    Polyeder q;
    if (!PruefenFrei(d, iP, q, -dRand))
        return 0;
    if (pPhase) {
        const Punkt3 mitte = Polyeder_Mitte(q);
        *pPhase = {mitte.x / 100.0, std::hypot(mitte.y, mitte.z) / 100.0, 0.0, 0.0, VOLLKREIS};
        if (!PhasenBereich(q, &pPhase->dVon, &pPhase->dBis, &pPhase->dPhase))
            pPhase->dVon = 0.0, pPhase->dBis = VOLLKREIS, pPhase->dPhase = 0.0;
    }
    return 1;
}

int Modell_Umkehren(const int32_t *piWerte, int iAnzahl, Kurvenmodell *pModell)
{
    return Modell_UmkehrenMitRand(piWerte, iAnzahl, 0, pModell);
}

namespace {

// The inverse; with @p bNurFrei only the search at a free phase.
int Umkehren(const int32_t *piWerte, int iAnzahl, int bMitRand, bool bNurFrei, Kurvenmodell *pModell)
{
    TK_RechnenVorbereiten();
    Kurvenmodell &m = *pModell;
    m = {};
    m.iZeilen = iAnzahl > 0 ? iAnzahl : 0;
    m.bVollstaendig = 1;
    if (m.iZeilen == 0)
        return 0;
    std::vector<char> gesehen(static_cast<size_t>(MODELL_HUNDERT) + 1, 0);
    bool bDruckbar = true;
    m.iMin = m.iMax = piWerte[0];
    for (int k = 0; k < iAnzahl; ++k) {
        const int32_t v = piWerte[k];
        m.iMin = std::min(m.iMin, v);
        m.iMax = std::max(m.iMax, v);
        if (v < 0 || v > MODELL_HUNDERT) {
            bDruckbar = false;  // no export prints it: no design fits
            continue;
        }
        m.iStufen += !gesehen[static_cast<size_t>(v)];
        gesehen[static_cast<size_t>(v)] = 1;
    }
    if (!bDruckbar)
        return 0;
    if (m.iStufen == 1) {
        // Amplitude 0 writes it with every P: the period is open, nothing is cut.
        m.dOffset = m.iMin / 100.0;
        for (int i = 0; i < MODELL_MAX_PASSEND; ++i)
            m.piPassend[m.iPassend++] = i + 1;
        m.bVollstaendig = 0;
        return 0;
    }

    Datei d = {piWerte, iAnzahl, {}, 0, 0, {}, {}};
    Reihenfolge(d);
    Polygon p;
    std::vector<char> oben(static_cast<size_t>(iAnzahl)), unten(static_cast<size_t>(iAnzahl));
    for (int k = 0; k < iAnzahl; ++k) {
        oben[static_cast<size_t>(k)] = piWerte[k] == MODELL_HUNDERT;
        unten[static_cast<size_t>(k)] = piWerte[k] == 0;
    }
    bool bWeiter = true;
    std::vector<int32_t> paare;
    // A probe takes a P only where a design lies inside every step by more
    // than the arithmetic could err: adjacent levels fit almost any P on
    // the very edge of their steps, which says nothing.
    auto kandidat = [&](int32_t iP, bool bSonde) {
        if (bNurFrei)
            return;
        if (d.iArbeit > MAX_ARBEIT) {
            bWeiter = false;
            return;
        }
        if (std::find(m.piPassend, m.piPassend + m.iPassend, iP) != m.piPassend + m.iPassend)
            return;  // found by a probe already
        if (((bSonde || bMitRand) && !Pruefen(d, iP, p, -RAND_SONDE)) || !Pruefen(d, iP, p) || !GleicheSinusGleicheWerte(d, iP, paare))
            return;
        Schnitte(d, iP, p, oben, unten);
        bWeiter = Aufnehmen(&m, iP, p);
    };
    // Shorter than the file: its periods, the shortest and those it holds
    // less than twice over.
    const std::vector<int32_t> perioden = Perioden(piWerte, iAnzahl);
    const int32_t p0 = perioden.empty() ? iAnzahl : perioden.front();
    for (size_t i = 0; i < perioden.size() && bWeiter; ++i)
        if (perioden[i] == p0 || perioden[i] > iAnzahl - p0)
            kandidat(perioden[i], false);
    // Not shorter: less than one period in the file. Ranges of P are
    // refused whole where even the loosened test fails, else halved;
    // short ones are decided P by P. Lowest first.
    const std::vector<Bereich> grosse = bNurFrei ? std::vector<Bereich>() : GrosseKandidaten(piWerte, iAnzahl);
    // Probes first: a short piece of a long period often fits a wide band
    // of P, which P spread geometrically over the ranges meet at once
    // where the search from the lowest P could spend its bound before it.
    // Two fitting P decide that the file leaves the period open.
    // Coarse to fine: each level halves the step (in log P) and probes the
    // midpoints the levels before it left.
    for (int iStufe = 0; iStufe < SONDE_STUFEN && bWeiter && m.iPassend < 2; ++iStufe) {
        const double dSchritt = std::log1p(SONDE_SCHRITT) / static_cast<double>(1 << iStufe);
        for (size_t i = 0; i < grosse.size() && bWeiter && m.iPassend < 2; ++i) {
            const double dVon = static_cast<double>(grosse[i].von), dBis = static_cast<double>(grosse[i].bis);
            for (long long j = iStufe == 0 ? 0 : 1; bWeiter && m.iPassend < 2; j += iStufe == 0 ? 1 : 2) {
                const double x = dVon * std::exp(dSchritt * static_cast<double>(j));
                if (x > dBis)
                    break;
                kandidat(static_cast<int32_t>(x), true);
            }
        }
    }
    const bool bOffen = m.iPassend >= 2;
    bWeiter = bWeiter && !bOffen;
    const long long KURZ = 8;
    for (const Bereich &b : grosse) {
        std::vector<Bereich> stapel = {b};
        while (!stapel.empty() && bWeiter) {
            const Bereich r = stapel.back();
            stapel.pop_back();
            if (r.bis - r.von >= KURZ) {
                if (d.iArbeit > MAX_ARBEIT) {
                    bWeiter = false;
                    break;
                }
                if (!Gelockert(d, r.von, r.bis, 1, p) && !Gelockert(d, r.von, r.bis, -1, p))
                    continue;
                const long long iMitte = r.von + (r.bis - r.von) / 2;
                stapel.push_back({iMitte + 1, r.bis});
                stapel.push_back({r.von, iMitte});
                continue;
            }
            for (long long iP = r.von; iP <= r.bis && bWeiter; ++iP)
                kandidat(static_cast<int32_t>(iP), false);
        }
    }
    if ((bWeiter || bNurFrei) && m.iPassend == 0) {
        bWeiter = true;
        FreiSuchen(d, perioden, bMitRand, m, oben, unten, bWeiter);
    }
    m.bVollstaendig = bWeiter;
    std::sort(m.piPassend, m.piPassend + m.iPassend);
    if (m.bVollstaendig && m.iPassend == 1)
        m.iPunkteProPeriode = m.piPassend[0];
    if (m.bVollstaendig && m.iPassend > 0)
        for (int k = 0; k < iAnzahl; ++k) {
            m.iBegrenztOben += oben[static_cast<size_t>(k)];
            m.iBegrenztUnten += unten[static_cast<size_t>(k)];
        }
    return 0;
}

}  // namespace

int Modell_UmkehrenMitRand(const int32_t *piWerte, int iAnzahl, int bMitRand, Kurvenmodell *pModell)
{
    return Umkehren(piWerte, iAnzahl, bMitRand, false, pModell);
}

int Modell_UmkehrenFrei(const int32_t *piWerte, int iAnzahl, Kurvenmodell *pModell)
{
    return Umkehren(piWerte, iAnzahl, 0, true, pModell);
}

namespace {

// The lines of a smallest set that no design of P fits together, found by
// clipping in turn with the ones found so far first: in two unknowns at
// most three lines.
std::vector<int> Widerspruch(Datei &d, int32_t iP, Polygon &p)
{
    std::vector<int> kern;
    const std::vector<int> alle = d.reihenfolge;
    for (int iRunde = 0; iRunde < FALSCH_KERN_MAX; ++iRunde) {
        d.reihenfolge = kern;
        for (const int k : alle)
            if (std::find(kern.begin(), kern.end(), k) == kern.end())
                d.reihenfolge.push_back(k);
        // The line at which the polygon empties joins the set.
        const double f = 1.0 / iP;
        p.e = {{-RAHMEN, -RAHMEN}, {RAHMEN, -RAHMEN}, {RAHMEN, RAHMEN}, {-RAHMEN, RAHMEN}};
        int iLeer = -1;
        for (size_t i = 0; i < d.reihenfolge.size() && iLeer < 0; ++i) {
            const int k = d.reihenfolge[i];
            if (!d.ohne.empty() && d.ohne[static_cast<size_t>(k)])
                continue;
            const double sk = Einheitssinus(f, k);
            if (!Streifen(p, sk, sk, d.v[k], TOLERANZ))
                iLeer = static_cast<int>(i);
        }
        if (iLeer < 0 || static_cast<size_t>(iLeer) < kern.size())
            break;  // the set alone already fails (or nothing fails)
        kern.push_back(d.reihenfolge[static_cast<size_t>(iLeer)]);
    }
    d.reihenfolge = alle;
    return kern;
}

// Widerspruch at a free phase: at most four lines.
std::vector<int> WiderspruchFrei(Datei &d, int32_t iP, Polyeder &q)
{
    std::vector<int> kern;
    const std::vector<int> alle = d.reihenfolge;
    std::vector<char> ohne(static_cast<size_t>(d.n), 0);
    for (int iRunde = 0; iRunde < FALSCH_KERN_MAX_FREI; ++iRunde) {
        d.reihenfolge = kern;
        for (const int k : alle)
            if (std::find(kern.begin(), kern.end(), k) == kern.end())
                d.reihenfolge.push_back(k);
        const double f = 1.0 / iP;
        Polyeder_Wuerfel(q, RAHMEN);
        int iLeer = -1;
        for (size_t i = 0; i < d.reihenfolge.size() && iLeer < 0; ++i) {
            const int k = d.reihenfolge[i];
            if (!d.ohne.empty() && d.ohne[static_cast<size_t>(k)])
                continue;
            ++d.iArbeit;
            const double sk = Einheitssinus(f, k), ck = Einheitssinus(f, k, VIERTEL);
            const int32_t v = d.v[k];
            if ((v < MODELL_HUNDERT && !Polyeder_Schneiden(q, 1.0, sk, ck, v + HALB + TOLERANZ)) ||
                (v > 0 && !Polyeder_Schneiden(q, -1.0, -sk, -ck, -(v - HALB - TOLERANZ))))
                iLeer = static_cast<int>(i);
        }
        if (iLeer < 0 || static_cast<size_t>(iLeer) < kern.size())
            break;
        kern.push_back(d.reihenfolge[static_cast<size_t>(iLeer)]);
    }
    d.reihenfolge = alle;
    return kern;
}

}  // namespace

namespace {

// A way to explain the values: lines left out, ascending, and what the
// designs that fit the rest print there.
struct Erklaerung {
    std::vector<int> zeilen;
    std::vector<int32_t> werte;
};

// Leaves out up to @p iTiefe more lines, each from a smallest contradiction
// or the lines where the period breaks, and collects every set after which
// the rest fits P.
void Erklaeren(Datei &d, int32_t iP, int iTiefe, const std::vector<int> &ungleich, bool bFrei,
               std::vector<Erklaerung> &gefunden)
{
    Polygon p;
    Polyeder q;
    std::vector<int32_t> paare;
    if (d.iArbeit > (bFrei ? FALSCH_ARBEIT_FREI : FALSCH_ARBEIT))
        return;
    if (bFrei && PruefenFrei(d, iP, q)) {
        // Only a phase clearly away from 0 and 180 degrees: nearer, a few
        // wrong values of a file of phase 0 could hide in the phase.
        double dVon = 0.0, dBis = 0.0, dMitte = 0.0;
        const bool bKlar = PhasenBereich(q, &dVon, &dBis, &dMitte) &&
                           std::floor((dVon - MODELL_PHASE_OFFEN) / HALBKREIS) == std::floor((dBis + MODELL_PHASE_OFFEN) / HALBKREIS);
        Erklaerung e;
        for (int k = 0; k < d.n; ++k)
            if (d.ohne[static_cast<size_t>(k)]) {
                double dMin, dMax;
                Polyeder_Bereich(q, 1.0, Einheitssinus(1.0 / iP, k), Einheitssinus(1.0 / iP, k, VIERTEL), &dMin, &dMax);
                // With the phase free the rest may leave two values open there: then none is called for (-1).
                const int32_t iVon = Modell_Hundertstel(dMin / 100.0), iBis = Modell_Hundertstel(dMax / 100.0);
                e.zeilen.push_back(k);
                e.werte.push_back(iVon == iBis && bKlar ? iVon : -1);
            }
        gefunden.push_back(e);
        return;
    }
    if (!bFrei && Pruefen(d, iP, p) && GleicheSinusGleicheWerte(d, iP, paare)) {
        Erklaerung e;
        for (int k = 0; k < d.n; ++k)
            if (d.ohne[static_cast<size_t>(k)]) {
                // What the fitting designs print there, from the middle of their range.
                const double sk = Einheitssinus(1.0 / iP, k);
                double dMin = HUGE_VAL, dMax = -HUGE_VAL;
                for (const Ecke &ecke : p.e) {
                    dMin = std::min(dMin, ecke.o + ecke.a * sk);
                    dMax = std::max(dMax, ecke.o + ecke.a * sk);
                }
                e.zeilen.push_back(k);
                e.werte.push_back(Modell_Hundertstel((dMin + dMax) / 200.0));
            }
        gefunden.push_back(e);
        return;
    }
    if (iTiefe == 0)
        return;
    std::vector<int> verdacht = bFrei ? WiderspruchFrei(d, iP, q) : Widerspruch(d, iP, p);
    verdacht.insert(verdacht.end(), ungleich.begin(), ungleich.end());
    // Two lines of one sine that print two values: either may be the wrong one.
    int paar[2];
    if (!bFrei && !GleicheSinusGleicheWerte(d, iP, paare, paar))
        verdacht.insert(verdacht.end(), paar, paar + 2);
    std::sort(verdacht.begin(), verdacht.end());
    verdacht.erase(std::unique(verdacht.begin(), verdacht.end()), verdacht.end());
    for (const int j : verdacht) {
        if (d.ohne[static_cast<size_t>(j)])
            continue;
        d.ohne[static_cast<size_t>(j)] = 1;
        Erklaeren(d, iP, iTiefe - 1, ungleich, bFrei, gefunden);
        d.ohne[static_cast<size_t>(j)] = 0;
    }
}

}  // namespace

int Modell_FalscheWerte(const int32_t *piWerte, int iAnzahl, int iMax, int *piZeilen, int32_t *piErwartet)
{
    if (iAnzahl < FALSCH_ZEILEN_MIN)
        return 0;
    Datei d;
    if (!DateiFassen(piWerte, iAnzahl, d))
        return 0;
    d.ohne.assign(static_cast<size_t>(iAnzahl), 0);
    Polygon p;
    Polyeder q;
    // Phase 0 first, as a file of phase 0 was always judged; where that
    // names nothing, the same at a free phase, with a bound of its own.
    // Fewest lines first: one, then two; each over the periods the values
    // keep but at those lines (twice as many pairs differ at most).
    const int iTiefeMax = std::min(iMax, MODELL_FALSCH_MAX);
    for (const bool bFrei : {false, true}) {
        d.iArbeit = 0;
        for (int iTiefe = 1; iTiefe <= iTiefeMax; ++iTiefe) {
            std::vector<Erklaerung> gefunden;
            long long iVergleiche = 0;
            int iPerioden = 0;
            const size_t iUngleichMax = static_cast<size_t>(4 * iTiefe);
            for (int32_t iP = 1; iP < iAnzahl && iPerioden < FALSCH_PERIODEN_MAX && iVergleiche < FALSCH_VERGLEICHE; ++iP) {
                std::vector<int> ungleich;
                for (int k = 0; k + iP < iAnzahl && ungleich.size() <= iUngleichMax; ++k, ++iVergleiche)
                    if (piWerte[k] != piWerte[k + iP])
                        ungleich.push_back(k), ungleich.push_back(k + iP);
                if (ungleich.size() > iUngleichMax)
                    continue;
                ++iPerioden;
                if (bFrei ? PruefenFrei(d, iP, q) : Pruefen(d, iP, p))
                    return 0;  // the values fit as they are
                Erklaeren(d, iP, iTiefe, ungleich, bFrei, gefunden);
            }
            if (d.iArbeit > (bFrei ? FALSCH_ARBEIT_FREI : FALSCH_ARBEIT))
                break;  // not decided within the bound: nothing is named
            if (gefunden.empty())
                continue;
            // Named only where every way to explain them agrees.
            bool bEinig = true;
            for (const Erklaerung &e : gefunden)
                bEinig = bEinig && e.zeilen == gefunden.front().zeilen && e.werte == gefunden.front().werte;
            for (const int32_t w : gefunden.front().werte)
                bEinig = bEinig && w >= 0;
            if (!bEinig)
                return 0;
            const Erklaerung &e = gefunden.front();
            for (size_t i = 0; i < e.zeilen.size(); ++i) {
                if (piZeilen)
                    piZeilen[i] = e.zeilen[i];
                if (piErwartet)
                    piErwartet[i] = e.werte[i];
            }
            return static_cast<int>(e.zeilen.size());
        }
    }
    return 0;
}

int Modell_FalscherWert(const int32_t *piWerte, int iAnzahl, int32_t *piErwartet)
{
    int iZeile = -1;
    int32_t iWert = 0;
    if (Modell_FalscheWerte(piWerte, iAnzahl, 1, &iZeile, &iWert) != 1)
        return -1;
    if (piErwartet)
        *piErwartet = iWert;
    return iZeile;
}
