/**
 * @file Sinuseingaben.h
 * @brief The one table of the ten inputs: for each its id, its option in
 *        the batch exporter, its label, unit and the units it takes, range,
 *        default and display precision, and where its value goes in
 *        Eingabewerte. The window maps its fields onto these ids, the
 *        exporter parses, checks and explains its options from it, and a
 *        test holds it against the panel form.
 */
#ifndef SINUSEINGABEN_H
#define SINUSEINGABEN_H

#include "Sinuserzeugung_Main.h"

#include "toolkit_kern.h"

#include <cstddef>

/** The inputs by the table's own ids, which are their places in it (panel order). */
enum {
    EINGABE_UMAX = 0,      ///< WLR-7 output maximum [V]
    EINGABE_DACH = 1,      ///< peak amplitude [V]
    EINGABE_EFF = 2,       ///< RMS amplitude [V]
    EINGABE_OFFSET = 3,    ///< offset [V]
    EINGABE_FREQUENZ = 4,  ///< frequency [Hz]
    EINGABE_PERIODE = 5,   ///< period duration [ms]
    EINGABE_PERIODEN = 6,  ///< number of periods
    EINGABE_PHASE = 7,     ///< start phase [°], the sine's angle at the first sample
    EINGABE_ZEITBASIS = 8, ///< time base (ring)
    EINGABE_KURVE = 9,     ///< curve number (ring)
    EINGABEN_ANZAHL = 10
};

/** What kind of control an input is. */
enum {
    EINGABEN_ZAHL = 0,      ///< numeric field, a double of Eingabewerte
    EINGABEN_ZEITBASIS = 1, ///< ring of the time-base labels: iZeitbasisIndex and szZeitbasis
    EINGABEN_KURVE = 2      ///< ring of the curve numbers: iKurvennummer
};

/** What a unit of a numeric input means (TK_Einheit::iArt). */
enum {
    EINHEIT_WERT = 0,  ///< the field's own quantity
    EINHEIT_EFF = 1,   ///< in the peak field: the RMS value ("Veff", "Vrms")
    EINHEIT_SS = 2     ///< in the peak field: peak to peak, twice the peak ("Vss", "Vpp")
};

/** One input. Ranges of numeric fields are closed; rings count items. */
struct Eingabefeld {
    int iId;                    ///< EINGABE_UMAX ... EINGABE_KURVE, its place in the table
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
    const TK_Einheit *pEinheiten; ///< the units a typed value may carry (numeric fields), or null
    int iEinheiten;             ///< how many
    const char *szTitel;        ///< its part of the report title, "%s" for the value as the field shows it; "" for none
    int bTitelOhneNull;         ///< 1: a value of 0 leaves its part out of the title (the default changes nothing)
};

/** Results of reading a typed value (Eingaben_Lesen(), Eingaben_Uebernehmen()). */
enum {
    EINGABEN_GELESEN = 0,         ///< read (and taken)
    EINGABEN_KEINE_ZAHL = -1,     ///< not a number, label or curve number the input takes
    EINGABEN_FREMDE_EINHEIT = -2, ///< a number with a unit the input does not take
    EINGABEN_AUSSERHALB = -3      ///< a number outside the range of the input that takes it
};

/** How a typed text was read. */
struct Eingabelesung {
    int iEingabe;  ///< the input that takes the value: the field's own, or the RMS amplitude for "Veff" in the peak field
    double dWert;  ///< the value in that input's unit ("7 Vss": 3.5)
    int bEinheit;  ///< 1 when an SI prefix or a unit other than the field's own made the value differ from the digits
};

/** Number of inputs (ten). */
int Eingaben_Anzahl(void);
/** Input @p iIndex in panel order (0 to Eingaben_Anzahl() - 1), or null. */
const Eingabefeld *Eingaben_Feld(int iIndex);
/** The double of a numeric input in @p pEingabe; null for rings. */
double *Eingaben_Zahl(Eingabewerte *pEingabe, const Eingabefeld *pFeld);
/** Fills @p pEingabe with the panel's defaults. */
void Eingaben_Vorgaben(Eingabewerte *pEingabe);
/**
 * Reads @p szText typed into numeric input @p iEingabe, exactly as
 * TK_ZahlLesenEinheit() reads it with the input's units: "2,5k" in the
 * frequency is 2500 Hz, "0,2s" in the period 200 ms; "7 Vss" in the peak
 * field is a peak of 3.5, "3,5 Veff" there the RMS amplitude 3.5. Ranges are
 * not checked. Returns EINGABEN_GELESEN with @p pLesung filled,
 * EINGABEN_FREMDE_EINHEIT, or EINGABEN_KEINE_ZAHL (also for rings and ids
 * out of the table).
 */
int Eingaben_Lesen(int iEingabe, const char *szText, Eingabelesung *pLesung);
/**
 * Takes the text of one input as the user types it into @p pEingabe: a
 * number the input's way (Eingaben_Lesen()) in the range of the input that
 * takes it, a time-base label, or a curve number 1 to 4. @p pLesung, where
 * not null, gets how it was read, also for a number out of range (for
 * rings: the input itself, no unit).
 * Returns EINGABEN_GELESEN, or EINGABEN_KEINE_ZAHL, EINGABEN_FREMDE_EINHEIT
 * or EINGABEN_AUSSERHALB for text the input does not take (nothing changes).
 */
int Eingaben_Uebernehmen(Eingabewerte *pEingabe, const Eingabefeld *pFeld, const char *szText,
                         Eingabelesung *pLesung = nullptr);
/** The input's name, its label without the unit in brackets ("Frequenz"), into @p szText of @p iGroesse bytes. */
void Eingaben_Name(const Eingabefeld *pFeld, char *szText, std::size_t iGroesse);
/** The units the input takes, "Hz, kHz, mHz", into @p szText of @p iGroesse bytes ("" for none). */
void Eingaben_Einheiten(const Eingabefeld *pFeld, char *szText, std::size_t iGroesse);
/**
 * The refusal of a unit the input does not take, "„5V“ passt nicht zu
 * Frequenz: Hz, kHz, mHz", into @p szText of @p iGroesse bytes.
 */
void Eingaben_FremdText(const Eingabefeld *pFeld, const char *szGetippt, char *szText, std::size_t iGroesse);
/**
 * How a value typed with a prefix or unit was read, "2,5k = 2500 Hz",
 * "3,5 Veff = 3.5 V (Amplitude [Veff])", into @p szText of @p iGroesse
 * bytes; "" where the digits say the value as they stand ("5", "5 Hz").
 */
void Eingaben_LesungText(const Eingabefeld *pFeld, const char *szGetippt, const Eingabelesung *pLesung, char *szText,
                         std::size_t iGroesse);
/** 1 when a numeric input has a finite range, 0 when it takes any finite number. */
int Eingaben_Begrenzt(const Eingabefeld *pFeld);
/**
 * Writes the range "MIN bis MAX" of a numeric input (or "ohne Grenzen")
 * into @p szText of @p iGroesse bytes, numbers with a point, no unit.
 */
void Eingaben_Bereich(const Eingabefeld *pFeld, char *szText, std::size_t iGroesse);

/**
 * What the field says of itself (tooltip, What's This): its description,
 * range and unit, and for a numeric field what a typed number may carry,
 * "Frequenz in Hertz (0.02 bis 20000 Hz); Einheiten Hz, kHz, mHz; Vorsätze
 * µ (u), m, k, M", "Abstand zweier Stützpunkte (50us bis 1std)".
 */
void Eingaben_Hilfe(const Eingabefeld *pFeld, char *szText, std::size_t iGroesse);

/**
 * What changes from @p pVon to @p pNach, named by the first input of the
 * table that differs, into @p szText of @p iGroesse bytes: "Frequenz 8 → 5
 * Hz", "Zeitbasis 10ms → 5ms"; "" when the inputs are alike.
 */
void Eingaben_AenderungText(const Eingabewerte *pVon, const Eingabewerte *pNach, char *szText, std::size_t iGroesse);

/** Eingaben_Koppeln(): the input has no partner. */
enum { EINGABEN_OHNE_PARTNER = -1, EINGABEN_PARTNER_UNENDLICH = -2 };
/**
 * The coupling of the quantities given twice: after input @p iEingabe
 * (peak, RMS, frequency or period) took a new value in @p pEingabe, sets its
 * partner. Returns the partner's id, EINGABEN_OHNE_PARTNER when the input
 * has none, or EINGABEN_PARTNER_UNENDLICH when the partner would be no
 * finite number (then nothing changes).
 */
int Eingaben_Koppeln(Eingabewerte *pEingabe, int iEingabe);

/** 1 when the inputs of @p pA and @p pB are alike, input by input of the table; else 0. */
int Eingaben_Gleich(const Eingabewerte *pA, const Eingabewerte *pB);

#endif
