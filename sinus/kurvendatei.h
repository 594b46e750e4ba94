/* Reading a curve file back: each deviation from the form the export writes
   is a finding with its line number and a German text; the samples and a
   summary are kept for whoever looks at the curve itself. The reader works
   on blocks of any size with memory fixed by the point limit, however long
   the file or its lines are. */
#ifndef SINUS_KURVENDATEI_H
#define SINUS_KURVENDATEI_H

#include "Kurvenformat.h"
#include "Sinuserzeugung_Main.h"
#include "Sinusmodell.h"

#include <cstddef>

/** Most data lines a file can hold: the samples of the largest curve and the one closing it. */
constexpr int KURVENDATEI_MAX_DATENZEILEN = static_cast<int>(MAX_KURVENPUNKTE) + 1;
/** Lines a valid file can hold: the header, the most data lines, the closing empty line. */
int Kurvendatei_MaxZeilen(void);
/** Bytes a valid file can hold: its most lines at their longest, each with CR LF, and a BOM. */
long long Kurvendatei_MaxBytes(void);
/** Findings listed per file; the ones after it are only counted. */
const int KURVENDATEI_MAX_BEFUNDE = 100;
/** Room for one finding's text. */
const int KURVENDATEI_TEXT_GROESSE = 160;
/** Size of the blocks Kurvendatei_Lesen reads. */
const size_t KURVENDATEI_BLOCK = 65536;

/** One finding: the line it is on (from 1) and what is wrong there. */
struct Kurvendateibefund {
    int iZeile;
    char szText[KURVENDATEI_TEXT_GROESSE];
};

/** Where the reader stands in the file; only the reader changes it. */
struct Kurvendateistand {
    int iAbschnitt;                         /* header, data, after the closing line, stopped */
    int iKopfzeile;                         /* header line expected next */
    int iZeile;                             /* lines completed so far */
    size_t iLaenge;                         /* bytes of the line being read, all of them */
    char szZeile[KURVENFORMAT_ZEILE_MAX + 5]; /* its first bytes: the longest line, a BOM before it, a CR after it */
    bool bCrlfGemeldet;
    bool bCrAmEnde;                         /* the last block ended in a CR of a line not yet ended */
    long long iBytes;                       /* bytes read so far */
    long long iZeitErwartet;                /* next time in 10 µs units, -1 when unknown */
    long long iZeitVerschoben;              /* after a wrong time: the next time counted from it, else -1 */
};

/** A curve file as read: findings, summary and samples. */
struct Kurvendatei {
    int iBefunde;                                     /* all findings, listed or only counted */
    Kurvendateibefund aBefunde[KURVENDATEI_MAX_BEFUNDE]; /* the first of them, in file order */
    int iDatenzeilen;                                 /* data lines read */
    char szZeitbasis[sizeof Eingabewerte::szZeitbasis]; /* label of the first data line, "" when unknown */
    double dZeitbasisMs;                              /* its interval, 0 when unknown */
    int iKurvennummer;                                /* of the first data line, 0 when unknown */
    int iWerte;                                       /* samples in pdWerte */
    double pdWerte[KURVENDATEI_MAX_DATENZEILEN];      /* values in %, in file order, of the lines whose value could be read */
    Kurvendateistand stand;
};

/** Starts reading a new file into @p pDatei. */
void Kurvendatei_Beginnen(Kurvendatei *pDatei);

/**
 * Reads the next @p iLaenge bytes of the file; blocks may end anywhere,
 * inside a line too. Returns 1 while more is worth reading, 0 once reading
 * stopped (past the point limit or at text after the closing line).
 */
int Kurvendatei_Weiter(Kurvendatei *pDatei, const char *pBlock, size_t iLaenge);

/** The file has ended: reports a cut last line, a missing closing line or header. */
void Kurvendatei_Beenden(Kurvendatei *pDatei);

/**
 * Reads the file behind descriptor @p iDatei in blocks of KURVENDATEI_BLOCK
 * bytes, handing each to @p pfBlock with @p pKontext until it returns 0.
 * Returns 1 at the end of the file, 0 where @p pfBlock ended the reading,
 * or minus the errno of a failed read.
 */
int Kurvendatei_Bloecke(int iDatei, int (*pfBlock)(void *pKontext, const char *pBlock, size_t iLaenge),
                        void *pKontext);

/**
 * Reads the file behind descriptor @p iDatei to its end, or as far as
 * reading is worth it, in blocks of KURVENDATEI_BLOCK bytes. Returns 0, or
 * minus the errno of a failed read (what was read so far stays in @p pDatei).
 */
int Kurvendatei_Lesen(int iDatei, Kurvendatei *pDatei);

/**
 * After a file read without findings: where its values fit no design of
 * the export but would without one line (or two), each such line is a
 * finding, with the value the others call for. @p pModell: the model of the file's values
 * (in hundredths, Modell_Umkehren) where the caller has it, else null.
 * Returns the number of findings it added.
 */
int Kurvendatei_WertePruefen(Kurvendatei *pDatei, const Kurvenmodell *pModell);

/** Duration of the curve in seconds: data lines less one, times the time base. */
double Kurvendatei_Dauer(const Kurvendatei *pDatei);

/**
 * The summary line: findings, data lines, time base, curve number and
 * duration, then @p szNotizen (the signal's analysis) when not null or empty.
 */
void Kurvendatei_Zusammenfassung(const Kurvendatei *pDatei, const char *szNotizen, char *szText, size_t iGroesse);

/**
 * What the signal analysis says of the samples read, on one line: the
 * frequency where the samples repeat, and its warnings ("kein Sinus",
 * "begrenzt", ...); empty when there are no samples.
 */
void Kurvendatei_Notizen(const Kurvendatei *pDatei, char *szNotizen, size_t iGroesse);
/** Kurvendatei_Notizen with the model of the file's values where the caller has it (else null). */
void Kurvendatei_NotizenMitModell(const Kurvendatei *pDatei, const Kurvenmodell *pModell, char *szNotizen,
                                  size_t iGroesse);

#endif
