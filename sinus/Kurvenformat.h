/**
 * @file Kurvenformat.h
 * @brief The curve file's format, both ways: its header lines, the form of a
 *        data line and its fields, the running time sum, the value range and
 *        decimals, the curve numbers and the longest line. The writer, the
 *        reader, the comparison, the analysis and the graph's readout use
 *        it; nothing else knows the format.
 */
#ifndef SINUS_KURVENFORMAT_H
#define SINUS_KURVENFORMAT_H

#include <cstddef>

/** Fields of a data line, separated by one tab each. */
const int KURVENFORMAT_FELDER = 4;
/** Field order: time, value, time-base label, curve number. */
enum { KURVENFORMAT_FELD_ZEIT = 0, KURVENFORMAT_FELD_WERT = 1, KURVENFORMAT_FELD_ZEITBASIS = 2,
       KURVENFORMAT_FELD_KURVE = 3 };
/** Decimals of the time in seconds: it counts in 10 µs units. */
const int KURVENFORMAT_ZEIT_NACHKOMMA = 5;
/** Units of the time column in one millisecond. */
const long long KURVENFORMAT_ZEIT_JE_MS = 100;
/** Decimals of the value in percent: it counts in hundredths. */
const int KURVENFORMAT_WERT_NACHKOMMA = 2;
/** Smallest and largest value, in hundredths of a percent (0.00 and 100.00). */
const long long KURVENFORMAT_WERT_MIN = 0;
const long long KURVENFORMAT_WERT_MAX = 10000;
/** Longest line without its line end: the line area of 100 characters less the NUL. */
const int KURVENFORMAT_ZEILE_MAX = 99;

/** Number of header lines, the empty line that closes the header included (6). */
int Kurvenformat_KopfzeilenAnzahl(void);

/**
 * Header line @p iIndex (0 for the first) without its line end, exactly as
 * the export writes it; nullptr outside 0 .. Kurvenformat_KopfzeilenAnzahl() - 1.
 */
const char *Kurvenformat_Kopfzeile(int iIndex);

/** Data lines of a curve whose sample array holds @p iAnzahlWerte values (element 0 is not written). */
int Kurvenformat_Datenzeilen(int iAnzahlWerte);

/**
 * Forms the data line "%.5f\t%.2f\t%s\t%d" into @p szZeile of @p iGroesse
 * bytes. Returns 1, or 0 when it does not fit (then "" and never a cut line).
 */
int Kurvenformat_Datenzeile(char *szZeile, std::size_t iGroesse, double dZeit, double dWert, const char *szZeitbasis,
                            int iKurvennummer);

/** The running time of the data lines: 0 on the first, then one time base more per line. */
struct Kurvenzeit {
    double dZeit;     /**< seconds of the next data line */
    double dSchrittS; /**< the time base in seconds */
};

/** Starts the running time at the first data line. */
void Kurvenformat_ZeitBeginnen(Kurvenzeit *pZeit, double dZeitbasisMs);

/** The time of the next data line; the running time moves on by one step. */
double Kurvenformat_ZeitWeiter(Kurvenzeit *pZeit);

/** The time the file gives data line @p iZeile (from 1), summed as the writer sums it. */
double Kurvenformat_Zeit(int iZeile, double dZeitbasisMs);

/** A value as the file prints it, in hundredths of a percent (exactly as "%.2f" rounds). */
long long Kurvenformat_Hundertstel(double dWert);

/**
 * Reads "digits.decimals" as the writer forms it: exactly @p iNachkomma
 * decimals, 1 to @p iStellen digits before the point and no leading zero
 * but the one before the point, no sign. Gives the count of the last
 * decimal's units; returns 1, or 0 for any other text.
 */
int Kurvenformat_FestkommaLesen(const char *p, std::size_t n, int iNachkomma, int iStellen, long long *piWert);

/** 1 when @p iKurve is a curve number the curve ring offers. */
int Kurvenformat_KurveGueltig(int iKurve);

/** Smallest and largest curve number. */
int Kurvenformat_KurveMin(void);
int Kurvenformat_KurveMax(void);

/**
 * The file's lines in order: the header, a data line for each of the
 * @p iDaten values pdWerte[1 .. iDaten] (element 0 is not written), the
 * closing empty line. Fill the first five fields, then call
 * Kurvenformat_ZeilenBeginnen.
 */
struct Kurvenzeilen {
    const double *pdWerte;   /**< the sample array */
    int iDaten;              /**< data lines */
    const char *szZeitbasis; /**< the label each data line carries */
    double dZeitbasisMs;     /**< its interval */
    int iKurvennummer;       /**< the curve number each data line carries */
    int iZeile;              /**< lines formed so far */
    Kurvenzeit zeit;         /**< the running time */
};
/** Starts @p pZeilen at the first header line. */
void Kurvenformat_ZeilenBeginnen(Kurvenzeilen *pZeilen);
/**
 * Forms the next line with its line end ("\n") into @p szZeile of
 * @p iGroesse bytes (at least KURVENFORMAT_ZEILE_MAX + 2). Returns its
 * length, 0 after the closing empty line, or -1 for a line that does not
 * fit (never a cut line).
 */
int Kurvenformat_ZeileWeiter(Kurvenzeilen *pZeilen, char *szZeile, std::size_t iGroesse);
/** 1 while the lines formed so far are header lines only, 2 up to the last data line, 3 after it. */
int Kurvenformat_ZeilenTeil(const Kurvenzeilen *pZeilen);

/** One field of a line: where it begins and how many bytes it has. */
struct Kurvenfeld {
    const char *p;
    std::size_t n;
};

/**
 * Splits a data line of @p n bytes at its tabs into at most @p iMax fields.
 * Returns the number of fields the line has (which may be more than iMax).
 */
int Kurvenformat_Felder(const char *p, std::size_t n, Kurvenfeld *pFelder, int iMax);

#endif
