/**
 * @file Sinusentwurf.h
 * @brief A design reopened from its file: the inputs that export a curve
 *        file's values again, found through the exact model of the file,
 *        and the exporter's command line that writes them. Core only.
 */
#ifndef SINUSENTWURF_H
#define SINUSENTWURF_H

#include "Sinuserzeugung_Main.h"
#include "Sinusmodell.h"
#include "kurvendatei.h"

#include <cstddef>
#include <cstdint>

/** What reopening found beyond the inputs. */
struct Entwurfsbericht {
    int32_t bEindeutig;     /**< 1: the values determine the period; else the simplest fitting one was taken */
    int32_t iAbweichendAb;  /**< first data line (from 1) the inputs export differently; 0: byte for byte */
    int32_t bKeinerMoeglich; /**< after a return of 0: 1 when the model proves that no design writes the values,
                                  0 when the search ended before one was found */
    int32_t bPhaseOffen;    /**< 1: no design of phase 0 writes the values and they leave the start phase open
                                 (several periods fit, or phases MODELL_PHASE_OFFEN degrees apart or more) */
    double dPhaseVon, dPhaseBis; /**< with bPhaseOffen, the phases (degrees) the designs of the P taken span */
};

/**
 * The inputs that export the @p iAnzahl values @p piWerte (hundredths of a
 * %) on the time base @p szZeitbasis with curve @p iKurve, at the maximum
 * voltage @p dUmax: period = samples per period times the time base,
 * periods the number that gives the file's lines (two decimals where one
 * does, else the shortest), peak and offset in V, as short as they still
 * write the same values; the start phase 0 wherever a design of phase 0
 * writes them, else a phase of at most two decimals from 0 to under 360
 * (the peak then not negative). Every field of @p pEingabe is set within its range, the
 * coupled ones (RMS, frequency) as the window couples them. Returns 1, or
 * 0 when no design was found (pEingabe unchanged; pBericht->bKeinerMoeglich
 * says whether none exists).
 */
int Entwurf_AusWerten(const int32_t *piWerte, int iAnzahl, const char *szZeitbasis, int iKurve, double dUmax,
                      Eingabewerte *pEingabe, Entwurfsbericht *pBericht);

/**
 * Entwurf_AusWerten with @p pModell the model of exactly these values
 * (Modell_Umkehren) where the caller has it, else null. Returns as it.
 */
int Entwurf_AusModell(const int32_t *piWerte, int iAnzahl, const Kurvenmodell *pModell, const char *szZeitbasis,
                      int iKurve, double dUmax, Eingabewerte *pEingabe, Entwurfsbericht *pBericht);

/**
 * Entwurf_AusWerten for the values, time base and curve number of a curve
 * file as read (its first curve number when none could be read).
 */
int Entwurf_AusDatei(const Kurvendatei *pDatei, double dUmax, Eingabewerte *pEingabe, Entwurfsbericht *pBericht);

/**
 * The exporter's options that write @p pEingabe's file
 * ("--timebase 10ms --period 200 --periods 1 --peak 5 --offset 5 --umax 10
 * --curve 1"), each number as short as reads back to the same value, never
 * with an exponent; "--phase X" after the periods where the start phase is
 * not 0.
 */
void Entwurf_Optionen(const Eingabewerte *pEingabe, char *szText, std::size_t iGroesse);

#endif
