/**
 * @file Kurvensatz.h
 * @brief Curves that play together: the files of curves 1 to 4 loaded on
 *        one rig form a set. They need distinct curve numbers, one time
 *        base and equal numbers of data lines, so that the loops restart
 *        together; the set's facts are the loop's duration, each curve's
 *        frequency against the first one's and its phase relative to the
 *        first. One analysis for the exporter's --set and the window's
 *        references. Core only, no panel, no state.
 */
#ifndef KURVENSATZ_H
#define KURVENSATZ_H

#include "Sinuserzeugung_Main.h"
#include "Sinusmodell.h"
#include "kurvendatei.h"

#include <cstddef>
#include <cstdint>

/** Fewest curves that form a set. */
const int KURVENSATZ_MIN = 2;
/** Most curves of a set: the rig's curve numbers 1 to 4. */
const int KURVENSATZ_MAX = 4;
/** Room for one finding's or fact's text (the names of two files in it). */
const std::size_t KURVENSATZ_TEXT_GROESSE = 320;
/** Findings a set can have: three for each curve after the first. */
const int KURVENSATZ_MAX_BEFUNDE = 3 * (KURVENSATZ_MAX - 1);

/** One curve of a set, as much as its file or design says; 0 or "" where it is unknown. */
struct Satzkurve {
    const char *szName;         /**< how messages name it (a file name); the caller's text */
    int32_t iKurvennummer;      /**< 1 to 4; 0 unknown */
    char szZeitbasis[sizeof Eingabewerte::szZeitbasis]; /**< label of its time base; "" unknown */
    double dZeitbasisMs;        /**< its interval; 0 unknown */
    int32_t iDatenzeilen;       /**< data lines the rig plays in one loop */
    int32_t iPunkteProPeriode;  /**< samples per period the file plays; 0 where the values leave it open */
    int32_t bPhase;             /**< 1: dPhase is known (a design reopened, its peak not 0) */
    double dPhase;              /**< degrees, in (-180, 180], a negative peak counted as +180 (Kurvensatz_Phase) */
};

/** A finding of the set: the curve it names and what is wrong. */
struct Satzbefund {
    int32_t iKurve;                      /**< index of the curve named (0 .. iKurven - 1) */
    char szText[KURVENSATZ_TEXT_GROESSE]; /**< without the curve's name: "Kurvennummer 1 wie a.txt" */
};

/** What a set of curves says: its findings and its facts. */
struct Kurvensatz {
    int32_t iKurven;                                 /**< curves of the set */
    int32_t iBefunde;                                /**< findings in aBefunde, in the order of the curves */
    Satzbefund aBefunde[KURVENSATZ_MAX_BEFUNDE];
    int32_t bGleicheSchleife;                        /**< 1: every loop lasts the same (time base and lines alike) */
    long long iSchleife;                             /**< the first curve's loop in units of ZEITBASIS_EINHEIT_MS; 0 unknown */
    char szSchleife[KURVENSATZ_TEXT_GROESSE];        /**< the loop's fact: "Schleife 400 ms (40 Datenzeilen × 10ms)" */
    int32_t aiVerhaeltnis[KURVENSATZ_MAX];           /**< frequency against the first: n > 0 n times, n < 0 one n-th, 0 no whole ratio or unknown */
    int32_t abPhase[KURVENSATZ_MAX];                 /**< 1: adPhase known */
    double adPhase[KURVENSATZ_MAX];                  /**< phase relative to the first curve, degrees in (-180, 180] */
    char aszKurve[KURVENSATZ_MAX][KURVENSATZ_TEXT_GROESSE]; /**< each curve's facts, without its name */
};

/** Unit of the set's exact time arithmetic in ms: every time base is a whole number of them. */
const double ZEITBASIS_EINHEIT_MS = 0.05;

/**
 * @p dGrad brought into (-180, 180] degrees, after rounding to the tenth
 * of a degree that texts show (so that a text never reads "-0.0°" or
 * "-180.0°"). Returns it; NaN stays NaN.
 */
double Kurvensatz_Winkel(double dGrad);

/**
 * A curve's phase as a set compares it: the design's start angle
 * @p dPhaseGrad, +180 where its peak @p dDach is negative, brought into
 * (-180, 180] without rounding.
 */
double Kurvensatz_Phase(double dPhaseGrad, double dDach);

/**
 * Fills @p pKurve from a curve file as read: its curve number, time base
 * and data lines; the samples per period from @p pModell (the model of its
 * values, Modell_Umkehren; null: unknown); the phase from @p pEntwurf, the
 * design reopened from it (null: none, phase unknown). @p szName is kept
 * as a pointer.
 */
void Kurvensatz_AusDatei(const char *szName, const Kurvendatei *pDatei, const Kurvenmodell *pModell,
                         const Eingabewerte *pEntwurf, Satzkurve *pKurve);

/**
 * Kurvensatz_AusDatei for a caller that holds only the file as read (its
 * wrong values checked): the model of its values is made here, and where
 * the file has no findings its design is reopened at 10 V; the phase is
 * taken only where that design writes the file byte for byte and its
 * values determine the phase. @p szName is kept as a pointer.
 */
void Kurvensatz_DateiLesen(const char *szName, const Kurvendatei *pDatei, Satzkurve *pKurve);

/**
 * Fills @p pKurve from a design: its inputs @p pEingabe (curve number,
 * time base, phase, peak) and the curve it derives @p pSinus (samples per
 * period, the data lines of its export: the samples less the one past
 * the last line). @p szName is kept as a pointer.
 */
void Kurvensatz_AusEntwurf(const char *szName, const Eingabewerte *pEingabe, const Sinuskurve *pSinus,
                           Satzkurve *pKurve);

/**
 * Checks the @p iAnzahl curves @p pKurven (KURVENSATZ_MIN to
 * KURVENSATZ_MAX) as one set, the first curve the reference of ratios and
 * phases: a curve number used before, another time base than the first
 * known one, another number of data lines than the first curve's; then
 * the facts. Returns the number of findings (0 .. KURVENSATZ_MAX_BEFUNDE),
 * or -1 for a count out of range (@p pSatz then holds no curves).
 */
int Kurvensatz_Pruefen(const Satzkurve *pKurven, int iAnzahl, Kurvensatz *pSatz);

/**
 * The set's findings and facts on one line for a status line, @p szTrenner
 * between the pieces, each finding and curve after the name
 * @p pKurven[i].szName: "b.txt: Kurvennummer 1 wie a.txt · Schleife 400 ms
 * · b.txt: +120.0°". Cut at a character boundary where @p iGroesse is too
 * small.
 */
void Kurvensatz_Zeile(const Kurvensatz *pSatz, const Satzkurve *pKurven, const char *szTrenner, char *szText,
                      std::size_t iGroesse);

#endif
