/* The curve as the rig plays it, read from the values the export file holds
   through the exact model of the file (Sinusmodell.h): the period they
   determine, whether they hold a sine at all, the lines the limits cut, and
   the warnings that follow, for the window, the batch exporter and the
   check of a file alike. Core only, no panel. */
#ifndef SINUSANALYSE_H
#define SINUSANALYSE_H

#include "Sinuserzeugung_Main.h"
#include "Sinusmodell.h"

#include <cstddef>
#include <cstdint>

/**
 * Smallest deviation of the file's frequency from the typed one, in %, that
 * is warned about: no tolerance, only the arithmetic's own noise (a period
 * typed as a frequency, 1000 * (1 / f), can miss a whole number of time
 * bases by an ulp).
 */
const double ANALYSE_ABWEICHUNG_GRENZE = 1e-7;
/** Fewer samples per period than this are coarse steps. */
const int ANALYSE_PUNKTE_GROB = 10;
/** Resolution of the file's values, in % of the maximum voltage. */
const double ANALYSE_AUFLOESUNG = 0.01;
/** Significant digits of a frequency in a text. */
const int ANALYSE_STELLEN = 4;
/** Fewer different values than this hold no sine. */
const int ANALYSE_STUFEN_SINUS = 3;

/** Fitting P a check names where the values leave the period open among so few. */
const int ANALYSE_KANDIDATEN = 4;

/** Why a file holds no sine (iKeinSinus). */
enum {
    ANALYSE_SINUS = 0,            /**< it holds one: three values or more */
    ANALYSE_KEINE_WERTE = 1,      /**< no data lines at all */
    ANALYSE_ZU_WENIG_PUNKTE = 2,  /**< 1 or 2 samples per period (known from the inputs) */
    ANALYSE_UNTER_AUFLOESUNG = 3, /**< amplitude below the file's resolution (known from the inputs) */
    ANALYSE_ALLE_GLEICH = 4,      /**< every value reads the same */
    ANALYSE_ZWEI_WERTE = 5        /**< the values take two levels only */
};

/** A time base the advice names, and what it plays. */
struct Zeitbasisrat {
    int32_t iZeitbasis;  /**< index in the time-base table; -1 none */
    int32_t iPunkte;     /**< samples per period there */
    int32_t bGenau;      /**< 1: it plays the typed period exactly */
    double dAbweichung;  /**< its frequency against the typed one, signed, in % */
};

/** What the export file of a curve holds, as the rig plays it. */
struct Kurvenanalyse {
    int32_t iZeilen;           /**< data lines of the file */
    double dSchrittMs;         /**< step from line to line: the time base */
    int32_t iStufen;           /**< different values among the lines */
    int32_t iPassend;          /**< samples per period that fit the values (as far as listed) */
    int32_t iKandidaten;       /**< all of them are in piKandidaten: every P decided, at most ANALYSE_KANDIDATEN fit */
    int32_t piKandidaten[ANALYSE_KANDIDATEN]; /**< those P, ascending */
    int32_t bEindeutig;        /**< 1: the period is known: the design's own, or the one P the values determine */
    int32_t bKeinePasst;       /**< 1: no design of the export writes these values */
    int32_t iPunkteProPeriode; /**< the samples per period the values determine; 0 else */
    double dPeriodeMs;         /**< period the file plays; 0 unknown */
    double dFrequenz;          /**< Hz the file plays; 0 unknown */
    double dPeriodeSollMs;     /**< typed period; 0 unknown (from a file) */
    double dFrequenzSoll;      /**< typed frequency in Hz; 0 unknown */
    double dAbweichung;        /**< file against typed frequency, signed, in % */
    int32_t bSinus;            /**< 1: the values take three levels or more */
    int32_t iKeinSinus;        /**< ANALYSE_SINUS or why not */
    int32_t iPunkteEntwurf;    /**< samples per period of the inputs; 0 unknown (from a file) */
    double dAmplitude;         /**< typed peak in %; 0 unknown (from a file) */
    double dUmax;              /**< maximum voltage in V; 0 unknown */
    int32_t iBegrenztOben;     /**< lines whose value the limit 100 % changed (from a file: that every fitting design cuts) */
    int32_t iBegrenztUnten;    /**< lines whose value the limit 0 % changed (likewise) */
    int32_t iBeiHundert;       /**< values at 100.00 as the file holds them */
    int32_t iBeiNull;          /**< values at 0.00 as the file holds them */
    double dMinProzent, dMaxProzent; /**< smallest and largest value, % */
    double dMinV, dMaxV;       /**< the same in V; 0 when dUmax is unknown */
    int32_t iZeitbasis;        /**< index of the chosen time base; -1 unknown */
    Zeitbasisrat rat;          /**< the time base that plays the typed frequency (inputs only) */
    int32_t bPhaseFrei;        /**< from a file: 1 when no design of phase 0 writes it, only designs of another start phase */
    double dPhaseVon, dPhaseBis; /**< with bPhaseFrei, the start phases (degrees) of the designs of iPhaseP */
    int32_t iPhaseP;           /**< with bPhaseFrei, the first P found, whose designs' phases those are */
};

/**
 * Analyses the export file that @p pEingabe and @p pSinus (with its sample
 * array) give: data lines 1 to iAnzahlPunkte - 1, stepped by the time base
 * of szZeitbasis (1 ms for a label missing from the table, as the export
 * does, but without its popup). The design is judged, not the file alone:
 * its samples per period give the frequency played (where the values
 * would leave it open too), its values before the limits the lines the
 * limits changed; the inputs add what was typed, the cause of "kein
 * Sinus" and the advised time base. Returns 0.
 */
int Analyse_Kurve(const Eingabewerte *pEingabe, const Sinuskurve *pSinus, Kurvenanalyse *pAnalyse);

/**
 * Analyses a file's own data lines: @p iAnzahl values in % (as read, to
 * two decimals), @p dZeitbasisMs between two lines, @p dUmax in V or 0 when
 * unknown. Lines count as cut when every design that writes the values
 * cuts them. Returns 0.
 */
int Analyse_Werte(const double *pdWerte, int iAnzahl, double dZeitbasisMs, double dUmax, Kurvenanalyse *pAnalyse);

/**
 * Analyse_Werte on the values in hundredths, @p pModell the model of
 * exactly these values (Modell_Umkehren) where the caller has it, else
 * null. Returns 0.
 */
int Analyse_Hundertstel(const int32_t *piWerte, int iAnzahl, const Kurvenmodell *pModell, double dZeitbasisMs,
                        double dUmax, Kurvenanalyse *pAnalyse);

/**
 * The time base that plays the period @p dPeriodeMs with @p dPerioden
 * periods within the point limit. Otherwise (@p bAuto 0): the exact one
 * nearest to the time base of index @p iGewaehlt, preferring those with
 * fine steps; where none is exact, the one closest in frequency. With
 * @p bAuto: the exact one with the most samples per period, else the
 * closest. Returns 1 and fills @p pRat, or 0 when no time base gives a
 * sine within the limit (pRat->iZeitbasis then -1).
 */
int Analyse_Zeitbasis(double dPeriodeMs, double dPerioden, int iGewaehlt, int bAuto, Zeitbasisrat *pRat);

/**
 * @p d with @p iStellen significant digits in fixed point, never with an
 * exponent, without trailing zeros ("7.692", "0.00009259", "3333").
 */
void Analyse_Zahl(double d, int iStellen, char *sz, size_t iGroesse);

/**
 * A phase in degrees (@p dGrad) as the phase field shows it: at most two
 * decimals, trailing zeros dropped ("120", "33.3"), into @p sz
 * (@p iGroesse bytes, cut to fit). No return value.
 */
void Analyse_PhasenZahl(double dGrad, char *sz, size_t iGroesse);

/**
 * What a file says of its start phase where no design of phase 0 writes
 * it, into @p szText (@p iGroesse bytes, cut to fit), for the one P found
 * @p iP (0: several, the period open): "Phase 120°" when the fitting
 * phases @p dVon to @p dBis (degrees) lie closer than MODELL_PHASE_OFFEN
 * (the shortest number among them, from 0 to under 360), "Phase offen:
 * 118.5° bis 121.25°" when wider, followed by " bei 20 Punkten je
 * Periode" unless the period is determined (@p bEindeutig); that it is
 * open with the period for several P. No return value.
 */
void Analyse_Phase(int iP, int bEindeutig, double dVon, double dBis, char *szText, size_t iGroesse);

/** 1 when the file determines a frequency and it is not the typed one. */
int Analyse_AndereFrequenz(const Kurvenanalyse *pAnalyse);

/**
 * Writes the warnings, German, one per line (no final line feed), into
 * @p szText of @p iGroesse bytes, cut at a character boundary if it is too
 * small; "" when there is none. Numbers never take an exponent; with
 * @p bGeschuetzt a non-breaking space holds each number to its unit (for a
 * window's line), else a plain space (for text that tools search). Returns
 * their number.
 */
int Analyse_WarnungenText(const Kurvenanalyse *pAnalyse, int bGeschuetzt, char *szText, size_t iGroesse);

/** Analyse_WarnungenText with plain spaces. */
int Analyse_Warnungen(const Kurvenanalyse *pAnalyse, char *szText, size_t iGroesse);

/**
 * What a check of a file says of it, on one line, plain spaces: the
 * frequency with its samples per period where the values determine it,
 * "Periode nicht eindeutig" where several fit, then the warnings separated
 * by "; ". "" when there are no lines.
 */
void Analyse_Notizen(const Kurvenanalyse *pAnalyse, char *szText, size_t iGroesse);

#endif
