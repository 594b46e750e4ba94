/**
 * @file Sinusmodell.h
 * @brief The exact model of the export file, both ways. The export writes,
 *        for whole samples per period P, amplitude A and offset O in % and
 *        start phase phi, data line k (from 0) as the value
 *        O + A sin(2 pi k / P + phi) limited to 0 to 100 and printed to two
 *        decimals. Its inverse finds from the printed values every P for
 *        which some O and A at phase 0 write exactly them, and only where
 *        none does, every P for which some O, A and phi do. Core only, no
 *        panel.
 */
#ifndef SINUSMODELL_H
#define SINUSMODELL_H

#include <cstddef>
#include <cstdint>

/** 100.00 % in hundredths: the largest value a data line prints (KURVENFORMAT_WERT_MAX). */
const int32_t MODELL_HUNDERT = 10000;
/** Largest samples per period the inputs allow: the longest period over the shortest time base. */
const int32_t MODELL_MAX_P = 1000000;
/** Fitting P listed; finding more ends the search (the period is then not determined). */
const int MODELL_MAX_PASSEND = 8;
/** Largest amplitude or offset, in %, the inverse looks for (10000 times the maximum voltage). */
const double MODELL_MAX_PROZENT = 1e6;

/** What the printed values of a file say of the designs that write them. */
struct Kurvenmodell {
    int32_t iZeilen;     /**< data lines */
    int32_t iStufen;     /**< different values among them */
    int32_t iMin, iMax;  /**< smallest and largest value, in hundredths of a % */
    int32_t iPassend;    /**< fitting P found, at most MODELL_MAX_PASSEND */
    int32_t piPassend[MODELL_MAX_PASSEND]; /**< those P, ascending */
    int32_t bVollstaendig;     /**< 1: every P from 1 to MODELL_MAX_P decided, piPassend holds all that fit */
    int32_t iPunkteProPeriode; /**< the one P that fits, else 0 (none, several, or not all decided) */
    double dOffset, dAmplitude; /**< a fitting design for the first P found, in % */
    int32_t iBegrenztOben;  /**< lines at 100.00 that every fitting design cuts (0 unless all decided) */
    int32_t iBegrenztUnten; /**< lines at 0.00 that every fitting design cuts (likewise) */
    int32_t bPhaseFrei;     /**< 1: no design of phase 0 fits; the P found fit designs of some other start phase */
    double dPhase;          /**< start phase of the design dOffset, dAmplitude (peak then >= 0), degrees, 0 <= x < 360 */
    double dPhaseVon, dPhaseBis; /**< phases of all fitting designs of the first P found, degrees, about dPhase
                                      (may run past 0 or 360; 0 to 360 when every phase fits); 0 at phase 0 */
};

/** The designs of one P at a free start phase. */
struct Modellphase {
    double dOffset, dAmplitude;  /**< one of them, in %, the peak >= 0 */
    double dPhase;               /**< its start phase, degrees, 0 <= x < 360 */
    double dVon, dBis;           /**< the phases of all of them, degrees, about dPhase; 0 to 360 when every phase fits */
};

/** Widest range of fitting phases, in degrees, that still names one phase (the phase field's step). */
const double MODELL_PHASE_OFFEN = 1.0;

/**
 * The value a data line prints for the sample @p dWert (in %, before the
 * limits), in hundredths: limited to 0 to 100 as the generation does, then
 * rounded as the export's two decimals round the binary value.
 */
int32_t Modell_Hundertstel(double dWert);

/**
 * Sample @p k (from 0) of the design (@p dOffset and @p dAmplitude in %,
 * @p iP samples per period) before the limits, computed as the generation
 * computes it for data line k + 1 of the export.
 */
double Modell_Wert(double dOffset, double dAmplitude, int32_t iP, int k);

/** Modell_Wert for a wave started at the phase @p dPhaseGrad (degrees, as the inputs' phase). */
double Modell_WertPhase(double dOffset, double dAmplitude, int32_t iP, double dPhaseGrad, int k);

/** 1 when the sample @p dWert (in %, before the limits) would print above 100.00, i.e. the limit changed it. */
int Modell_UeberHundert(double dWert);
/** 1 when the sample @p dWert (in %, before the limits) would print below 0.00. */
int Modell_UnterNull(double dWert);

/**
 * Whether some offset and amplitude write exactly the @p iAnzahl values
 * @p piWerte (hundredths) with @p iP samples per period. Returns 1 and a
 * fitting design in % (either pointer may be null), else 0.
 */
int Modell_Passt(const int32_t *piWerte, int iAnzahl, int32_t iP, double *pdOffset, double *pdAmplitude);

/**
 * As Modell_Passt, but every line's value must lie at least @p dRand
 * hundredths inside its rounding step: a design found so writes the same
 * values however the arithmetic rounds. Returns 1 and, of those designs,
 * one with about the smallest amplitude, else 0.
 */
int Modell_Entwerfen(const int32_t *piWerte, int iAnzahl, int32_t iP, double dRand, double *pdOffset,
                     double *pdAmplitude);

/**
 * The design of @p iP samples per period lying deepest inside the steps of
 * the @p iAnzahl values @p piWerte (hundredths): margins from a quarter
 * step down by quarters to @p dRandMin hundredths are tried in turn, and
 * of the designs with the first that leaves room, the one with about the
 * smallest amplitude is given in % (either pointer may be null). Returns
 * that margin; 0 when only the widened test fits (a design on the edge
 * of a step, drawn a little inwards); -1 when P does not fit.
 */
double Modell_Tiefster(const int32_t *piWerte, int iAnzahl, int32_t iP, double dRandMin, double *pdOffset,
                       double *pdAmplitude);

/**
 * Modell_Tiefster for designs that start at the phase @p dPhaseGrad
 * (degrees, as the inputs' phase: the generator starts at
 * Sinus_StartZyklen of it). Returns as Modell_Tiefster.
 */
double Modell_TiefsterPhase(const int32_t *piWerte, int iAnzahl, int32_t iP, double dPhaseGrad, double dRandMin,
                            double *pdOffset, double *pdAmplitude);

/**
 * Whether some offset, amplitude and start phase write exactly the
 * @p iAnzahl values @p piWerte (hundredths) with @p iP samples per period,
 * each line's value at least @p dRand hundredths inside its step (negative:
 * that much outside it). Returns 1 and in @p pPhase (may be null) the
 * designs' mean and the range of their phases, else 0 (also for no values,
 * values outside 0 to 100.00 or @p iP below 1).
 */
int Modell_PasstFrei(const int32_t *piWerte, int iAnzahl, int32_t iP, double dRand, Modellphase *pPhase);

/**
 * The inverse: every P from 1 to MODELL_MAX_P for which some offset and
 * amplitude write exactly the @p iAnzahl values @p piWerte (hundredths),
 * and the lines every fitting design cuts. Bounded in time on any values;
 * where the bound ends the search, or probes over long periods found two
 * fitting P (the period is open) before the search from the lowest P was
 * through, bVollstaendig is 0 and piPassend holds those found, ascending.
 * Designs of phase 0 are taken wherever one fits, so that a file some such
 * design writes reads as it always did; only where none fits are designs
 * of any start phase looked for (bPhaseFrei). A free phase decides every P
 * where the values rise and fall in three runs or more; fewer (less than a
 * period, open upwards) are searched whole within a share of the bound,
 * and where that is not through, probed, and bVollstaendig is 0.
 * Returns 0.
 */
int Modell_Umkehren(const int32_t *piWerte, int iAnzahl, Kurvenmodell *pModell);

/**
 * Modell_Umkehren; with @p bMitRand only the P for which some design lies
 * inside every step by more than the arithmetic could err (adjacent levels
 * fit almost any P on the very edge of their steps): the P worth a design.
 * Returns 0.
 */
int Modell_UmkehrenMitRand(const int32_t *piWerte, int iAnzahl, int bMitRand, Kurvenmodell *pModell);

/**
 * Only the search of Modell_Umkehren at a free start phase (bPhaseFrei 1),
 * also where designs of phase 0 fit or their search ended at its bound:
 * for a design where that search found none. Returns 0.
 */
int Modell_UmkehrenFrei(const int32_t *piWerte, int iAnzahl, Kurvenmodell *pModell);

/**
 * Where the @p iAnzahl values @p piWerte (hundredths) fit no design: the
 * one line whose value, left out, lets the others fit a P with which they
 * repeat (a file of a period or more). Returns that line (from 0) and in
 * @p piErwartet (may be null) the value the fitting designs print there;
 * -1 when the values fit, or no single line, or several, would explain it.
 */
int Modell_FalscherWert(const int32_t *piWerte, int iAnzahl, int32_t *piErwartet);

/** Most wrong values Modell_FalscheWerte looks for together. */
const int MODELL_FALSCH_MAX = 2;

/**
 * Modell_FalscherWert for up to @p iMax (at most MODELL_FALSCH_MAX) lines:
 * the fewest lines whose values, left out, let the others fit, where that
 * set is the only one. Fills @p piZeilen (from 0, ascending) and
 * @p piErwartet (the values called for there; either may be null) and
 * returns their number; 0 when the values fit, or no such set, or several,
 * is found within the bound on the work. Designs of phase 0 are tried
 * first; where they name nothing, designs of a free start phase, whose
 * lines are named only where their phases lie clearly (MODELL_PHASE_OFFEN)
 * away from 0 and 180 degrees and the rest calls for one value there.
 */
int Modell_FalscheWerte(const int32_t *piWerte, int iAnzahl, int iMax, int *piZeilen, int32_t *piErwartet);

#endif
