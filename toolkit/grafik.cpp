// What a graph draws, without any GUI library: the points of a step line
// reduced to what the pixel columns can show, and round axis ticks.
#include "toolkit_kern.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

const double TICKS_ETWA = 5.0;  // ticks an axis aims for
const double RUNDE[] = {1.0, 2.0, 5.0};  // round steps within a power of ten
const int TICK_LUECKE = 2;             // characters between two labels
const std::size_t LABEL_GROESSE = 400; // any double in fixed form

// The points written so far, and the last one, which is compared even when
// the area has no room left for it.
struct Linie {
    TK_Punkt *punkte;
    long max;
    long anzahl = 0;
    TK_Punkt letzter = {0.0, 0.0};

    // Appends a point unless it repeats the last one: a zero-length segment
    // would leave a stray pixel below the line.
    void anhaengen(double x, double y)
    {
        if (anzahl > 0 && letzter.x == x && letzter.y == y)
            return;
        letzter = {x, y};
        if (anzahl < max)
            punkte[anzahl] = letzter;
        ++anzahl;
    }
};

}  // namespace

long TK_GraphPunkte(const double *werte, long n, double von, double bis, long spalten, int stufen, TK_Punkt *punkte,
                    long max)
{
    Linie linie{punkte, max};
    if (!werte || n <= 0 || spalten < 1 || (!punkte && max > 0))
        return 0;
    const long i0 = std::clamp(static_cast<long>(std::floor(von)), 0L, n - 1);
    const long i1 = std::clamp(static_cast<long>(std::ceil(bis)), i0, n - 1);
    const long stretch = i1 - i0 + 1;
    if (stretch <= 2 * spalten) {
        // Every sample holds its value up to the next one, or the line runs
        // straight from sample to sample.
        for (long i = i0; i <= i1; ++i) {
            linie.anhaengen(static_cast<double>(i), werte[i]);
            if (stufen && i < i1)
                linie.anhaengen(static_cast<double>(i + 1), werte[i]);
        }
        return linie.anzahl;
    }
    // More samples than columns: each column's minimum and maximum, in the
    // order they come, so the cost follows the width, not the count. The
    // columns split the shown stretch evenly and are drawn where they lie,
    // never more than a column apart, so no pixel column stays empty.
    const double a = std::max(von, static_cast<double>(i0)), b = std::min(bis, static_cast<double>(i1));
    const double breite = (b - a) / static_cast<double>(spalten);
    for (long c = 0; c < spalten; ++c) {
        const double x = a + static_cast<double>(c) * breite;
        const long s = std::clamp(static_cast<long>(std::floor(x)), i0, i1);
        const long e = c + 1 == spalten ? i1 + 1
                                        : std::clamp(static_cast<long>(std::floor(x + breite)), s + 1, i1 + 1);
        long iMin = s, iMax = s;
        for (long i = s + 1; i < e; ++i) {
            if (werte[i] < werte[iMin])
                iMin = i;
            if (werte[i] > werte[iMax])
                iMax = i;
        }
        linie.anhaengen(x, werte[std::min(iMin, iMax)]);
        linie.anhaengen(x, werte[std::max(iMin, iMax)]);
    }
    return linie.anzahl;
}

int TK_GraphTicks(double spanne, double *schritt, int *stellen)
{
    return TK_GraphTicksPlatz(0.0, spanne, 0.0, schritt, stellen);
}

int TK_GraphTicksPlatz(double von, double bis, double zeichen, double *schritt, int *stellen)
{
    const double spanne = bis - von;
    if (!(spanne > 0.0) || !std::isfinite(spanne) || !std::isfinite(von) || !schritt || !stellen)
        return TK_FEHLER_ARGUMENT;
    const double roh = spanne / TICKS_ETWA;
    double zehner = std::pow(10.0, std::floor(std::log10(roh)));
    const double q = roh / zehner;
    int stufe = q < 1.5 ? 0 : q < 3.5 ? 1 : q < 7.5 ? 2 : 3;
    if (stufe == 3)
        stufe = 0, zehner *= 10.0;
    for (;;) {
        const double s = zehner * RUNDE[stufe];
        // As many decimals as the step needs: 0.05, 2e-05 as 0.00002, 3600 as 3600.
        const int d = std::clamp(static_cast<int>(std::ceil(-std::log10(s) - 1e-9)), 0,
                                 static_cast<int>(TK_TICK_STELLEN_MAX));
        // A label is as wide as the longer of the axis' ends in that form.
        char text[LABEL_GROESSE];
        const int breit = std::max(std::snprintf(text, sizeof text, "%.*f", d, von),
                                   std::snprintf(text, sizeof text, "%.*f", d, bis));
        if (zeichen <= 0.0 || (breit + TICK_LUECKE) * spanne <= zeichen * s || s >= spanne) {
            *schritt = s;
            *stellen = d;
            return 0;
        }
        if (++stufe == 3)
            stufe = 0, zehner *= 10.0;
    }
}
