/* The curve as the rig plays it: what the export file of a curve really
   holds (step, period, frequency, whether it is a sine at all, values held
   at a limit) and the warnings that follow, for the window and the batch
   exporter alike. Core only, no panel. */
#ifndef SINUSANALYSE_H
#define SINUSANALYSE_H

#include "Sinuserzeugung_Main.h"

#include <cstddef>
#include <cstdint>

/** Room for every entry of the time-base table. */
const int ANALYSE_MAX_ALTERNATIVEN = 17;
/** Smallest deviation of the file's frequency from the typed one, in %,
    that is warned about. */
const double ANALYSE_ABWEICHUNG_GRENZE = 0.01;
/** Fewer samples per period than this are coarse steps. */
const int ANALYSE_PUNKTE_GROB = 10;
/** Resolution of the file's values, in % of the maximum voltage. */
const double ANALYSE_AUFLOESUNG = 0.01;

/** Why a file holds no sine (iKeinSinus). */
enum {
    ANALYSE_SINUS = 0,           /**< it holds one */
    ANALYSE_KEINE_WERTE = 1,     /**< no data lines at all */
    ANALYSE_ZU_WENIG_PUNKTE = 2, /**< 1 or 2 samples per period */
    ANALYSE_UNTER_AUFLOESUNG = 3,/**< amplitude below the file's resolution */
    ANALYSE_ALLE_GLEICH = 4      /**< every value reads the same */
};

/** What the export file of a curve holds, as the rig plays it. */
struct Kurvenanalyse {
    int32_t iZeilen;           /**< data lines of the file */
    double dSchrittMs;         /**< step from line to line: the time base */
    int32_t iPunkteProPeriode; /**< samples per period; 0 unknown */
    double dPeriodeMs;         /**< period the file plays; 0 unknown */
    double dFrequenz;          /**< Hz the file plays; 0 unknown */
    double dPeriodeSollMs;     /**< typed period; 0 unknown (from a file) */
    double dFrequenzSoll;      /**< typed frequency in Hz; 0 unknown */
    double dAbweichung;        /**< file against typed frequency, signed, in % */
    int32_t bSinus;            /**< 1: the file holds a sine */
    int32_t iKeinSinus;        /**< ANALYSE_SINUS or why not */
    double dAmplitude;         /**< typed peak in %; 0 unknown (from a file) */
    double dUmax;              /**< maximum voltage in V; 0 unknown */
    int32_t iBegrenztOben;     /**< data lines at 100.00 where the curve reaches past 100 % */
    int32_t iBegrenztUnten;    /**< data lines at 0.00 where the curve reaches below 0 % */
    double dMinProzent, dMaxProzent; /**< smallest and largest value, % */
    double dMinV, dMaxV;       /**< the same in V; 0 when dUmax is unknown */
    int32_t iAlternativen;     /**< time bases that play the typed period exactly */
    int32_t piAltZeitbasis[ANALYSE_MAX_ALTERNATIVEN]; /**< their table indices, ascending */
    int32_t piAltPunkte[ANALYSE_MAX_ALTERNATIVEN];    /**< their samples per period */
};

/**
 * Analyses the export file that @p pEingabe and @p pSinus (with its sample
 * array) give: data lines 1 to iAnzahlPunkte - 1, stepped by the time base
 * of szZeitbasis (1 ms for a label missing from the table, as the export
 * does, but without its popup). Returns 0.
 */
int Analyse_Kurve(const Eingabewerte *pEingabe, const Sinuskurve *pSinus, Kurvenanalyse *pAnalyse);

/**
 * Analyses a file's own data lines: @p iAnzahl values in % (as read, to
 * two decimals), @p dZeitbasisMs between two lines, @p dUmax in V or 0 when
 * unknown. The samples per period are the smallest lag at which the values
 * repeat (at least two lines compared), else 0. A limit counts as reached
 * past when a stretch of two or more lines sits at it and the lines next
 * to it fall off more steeply than an uncut crest of a sine can; a single
 * line at a limit is never judged cut. Returns 0.
 */
int Analyse_Werte(const double *pdWerte, int iAnzahl, double dZeitbasisMs, double dUmax, Kurvenanalyse *pAnalyse);

/** Number of warnings that Analyse_Warnungen writes for @p pAnalyse. */
int Analyse_AnzahlWarnungen(const Kurvenanalyse *pAnalyse);

/**
 * Writes the warnings, German, one per line (no final line feed), into
 * @p szText of @p iGroesse bytes, cut at a character boundary if it is too
 * small; "" when there is none. Returns their number.
 */
int Analyse_Warnungen(const Kurvenanalyse *pAnalyse, char *szText, size_t iGroesse);

#endif
