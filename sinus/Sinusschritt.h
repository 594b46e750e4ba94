/**
 * @file Sinusschritt.h
 * @brief The one step from inputs to curve: derivation, the checks that
 *        accept or refuse an input set, generation and analysis, on records
 *        the caller owns. The window's commit, the batch exporter and a
 *        series call it; it shows nothing and keeps no state.
 */
#ifndef SINUSSCHRITT_H
#define SINUSSCHRITT_H

#include "Sinusanalyse.h"
#include "Sinuserzeugung_Main.h"

/** How the step ended; refusals leave the caller's curve record untouched. */
enum {
    SCHRITT_ANGENOMMEN = 0,      ///< accepted: curve, samples and analysis are new
    SCHRITT_ZU_VIELE_PUNKTE = 1, ///< refused: samples per period times periods over MAX_KURVENPUNKTE
    SCHRITT_NICHT_ENDLICH = 2    ///< refused: amplitude or offset in % is no finite number
    /* a negative value: accepted, but the samples could not be made (SINUS_FEHLER_SPEICHER) */
};

/** What the step says beyond its result. */
struct Schrittbericht {
    int iStatus;          ///< SCHRITT_... or a negative error code
    double dPunkte;       ///< samples per period times periods, the number the limit judges
    int bZeitbasisFehlt;  ///< the time-base label is not in the table: ZEITBASIS_ERSATZ_MS was used
};

/**
 * Derives the curve of @p pEingabe, checks it against the limits and, when
 * accepted, resizes and fills the sample array of @p pSinus (whose block
 * the caller owns, empty or from an earlier step) and analyses it into
 * @p pAnalyse (may be null). A refused input set changes neither @p pSinus
 * nor @p pAnalyse. Fills @p pBericht (may be null) and returns its iStatus.
 */
int Sinus_Schritt(const Eingabewerte *pEingabe, Sinuskurve *pSinus, Kurvenanalyse *pAnalyse,
                  Schrittbericht *pBericht);

/**
 * The refusal's words for @p pBericht, lines separated by "\n": the
 * too-many-points message with its count against the limit, or the
 * no-finite-number message; "" when the step accepted.
 */
void Sinus_SchrittText(const Schrittbericht *pBericht, char *szText, std::size_t iGroesse);

#endif
