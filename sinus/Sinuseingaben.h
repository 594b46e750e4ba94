/**
 * @file Sinuseingaben.h
 * @brief The one table of the nine inputs: for each its control on the
 *        panel, its option in the batch exporter, its label, unit, range,
 *        default and display precision, and where its value goes in
 *        Eingabewerte. The window reads and writes its fields through it,
 *        the exporter parses, checks and explains its options from it, and a
 *        test holds it against the panel form.
 */
#ifndef SINUSEINGABEN_H
#define SINUSEINGABEN_H

#include "Sinuserzeugung_Main.h"

#include <cstddef>

/** What kind of control an input is. */
enum {
    EINGABEN_ZAHL = 0,      ///< numeric field, a double of Eingabewerte
    EINGABEN_ZEITBASIS = 1, ///< ring of the time-base labels: iZeitbasisIndex and szZeitbasis
    EINGABEN_KURVE = 2      ///< ring of the curve numbers: iKurvennummer
};

/** One input. Ranges of numeric fields are closed; rings count items. */
struct Eingabefeld {
    int iControl;               ///< control id on PNLMAIN
    const char *szOption;       ///< exporter option without "--"
    const char *szWertname;     ///< the value's name in --help ("V", "HZ", ...)
    const char *szLabel;        ///< the label beside the field, line breaks as blanks
    const char *szEinheit;      ///< unit of the value ("" for none)
    const char *szBeschreibung; ///< the field's tooltip, also its line in --help
    const char *szHinweis;      ///< what --help adds (coupling), or ""
    int iArt;                   ///< EINGABEN_ZAHL, EINGABEN_ZEITBASIS or EINGABEN_KURVE
    double dMin, dMax;          ///< range of the value (rings: first and last item value)
    double dVorgabe;            ///< default (rings: value of the default item)
    int iStellen;               ///< decimals the field shows
    std::size_t iFeld;          ///< offset of the double in Eingabewerte (numeric fields)
};

/** Number of inputs (nine). */
int Eingaben_Anzahl(void);
/** Input @p iIndex in panel order (0 to Eingaben_Anzahl() - 1), or null. */
const Eingabefeld *Eingaben_Feld(int iIndex);
/** The input of control @p iControl, or null. */
const Eingabefeld *Eingaben_ZuControl(int iControl);
/** The double of a numeric input in @p pEingabe; null for rings. */
double *Eingaben_Zahl(Eingabewerte *pEingabe, const Eingabefeld *pFeld);
/** Fills @p pEingabe with the panel's defaults. */
void Eingaben_Vorgaben(Eingabewerte *pEingabe);
/**
 * Takes the text of one input as the user types it into @p pEingabe: a
 * number in the field's range, a time-base label, or a curve number 1 to 4.
 * Returns 1, or 0 for text the window would not take (nothing changes).
 */
int Eingaben_Uebernehmen(Eingabewerte *pEingabe, const Eingabefeld *pFeld, const char *szText);
/** 1 when a numeric input has a finite range, 0 when it takes any finite number. */
int Eingaben_Begrenzt(const Eingabefeld *pFeld);
/**
 * Writes the range "MIN bis MAX" of a numeric input (or "ohne Grenzen")
 * into @p szText of @p iGroesse bytes, numbers with a point, no unit.
 */
void Eingaben_Bereich(const Eingabefeld *pFeld, char *szText, std::size_t iGroesse);

/**
 * What the field says of itself (tooltip, What's This): its description,
 * range and unit, "Frequenz in Hertz (0.02 bis 20000 Hz)", "Abstand zweier
 * Stützpunkte (50us bis 1std)".
 */
void Eingaben_Hilfe(const Eingabefeld *pFeld, char *szText, std::size_t iGroesse);

/**
 * What changes from @p pVon to @p pNach, named by the first input of the
 * table that differs, into @p szText of @p iGroesse bytes: "Frequenz 8 → 5
 * Hz", "Zeitbasis 10ms → 5ms"; "" when the inputs are alike.
 */
void Eingaben_AenderungText(const Eingabewerte *pVon, const Eingabewerte *pNach, char *szText, std::size_t iGroesse);

/**
 * The coupling of the quantities given twice: after @p iControl (peak, RMS,
 * frequency or period) took a new value in @p pEingabe, sets its partner.
 * Returns the partner's control id, 0 when the control has none, or -1 when
 * the partner would be no finite number (then nothing changes).
 */
int Eingaben_Koppeln(Eingabewerte *pEingabe, int iControl);

#endif
