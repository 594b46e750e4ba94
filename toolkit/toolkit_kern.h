/**
 * @file toolkit_kern.h
 * @brief The platform layer's core, without any GUI library: the sine
 *        generator, bounded text, number syntax, export-file I/O and the
 *        routing of message popups.
 *
 * The batch exporter and the pure tests link only this part; the window
 * adds toolkit_gui.h on top. Callers see plain C types and integer status
 * codes (0 or positive for success, negative for failure).
 */
#ifndef TOOLKIT_KERN_H
#define TOOLKIT_KERN_H

#include <cstddef>

/** @name Status codes of the toolkit's own calls */
///@{
enum {
    TK_FEHLER_NICHT_GESTARTET = -1, ///< InitCVIRTEEx has not succeeded
    TK_FEHLER_DATEI = -2,           ///< no panel file of that name
    TK_FEHLER_PANELNUMMER = -3,     ///< the file holds no panel of that number
    TK_FEHLER_RUECKRUF = -4,        ///< a callback name that no function answers to
    TK_FEHLER_HANDLE = -5,          ///< unknown panel handle
    TK_FEHLER_CONTROL = -6,         ///< unknown control id or wrong kind of control
    TK_FEHLER_ATTRIBUT = -7,        ///< attribute not supported
    TK_FEHLER_ARGUMENT = -8,        ///< bad argument (null pointer, bad index, ...)
    TK_FEHLER_PFAD_ZU_LANG = -9     ///< a chosen path does not fit the caller's area
};
///@}

/** @name Message popups */
///@{
/** Shows a message: a title and a text. */
typedef void (*TK_Meldungsausgabe)(const char *title, const char *message);
/**
 * Shows a message modally and returns when the user has closed it. Where no
 * display has been installed (a program without a window), the message goes
 * to standard error as one line "title: message".
 */
int MessagePopup(const char *title, const char *message);
/** Installs the display of MessagePopup(); the window's start-up does this. */
void TK_MeldungsanzeigeSetzen(TK_Meldungsausgabe anzeige);
/**
 * Routes every MessagePopup() to @p handler instead of showing it, ahead of
 * the installed display, so that automation can read and answer messages
 * without anything blocking; null shows them again.
 */
void TK_MeldungenAbfangen(TK_Meldungsausgabe handler);
///@}

/** @name Export-file I/O */
///@{
/**
 * Opens @p path for writing (@p readWrite 2, @p action 0: the file's old
 * content is replaced). Opening never blocks on a FIFO, and no failure
 * leaves less than was there:
 * - "-", "/dev/stdout", "/dev/stderr", "/dev/fd/N", "/proc/self/fd/N" and
 *   every other path that leads to an entry of this process's descriptor
 *   folder are the descriptor itself, written where it stands (appending
 *   under ">>"). A regular file behind it is locked (flock) until
 *   CVI_CloseFile(), so that appending exporters take turns; when a write
 *   fails, it is cut back to its old length, its overwritten bytes put
 *   back, only where the lock is held and the file still ends with this
 *   run's bytes (else TK_DateiGrund() names the bytes left). Pipes, sockets
 *   and terminals cannot be undone;
 * - a regular file, or a new one, is written into a temporary file beside
 *   it (unnamed where the file system has them), which gets the old file's
 *   owner, group, mode with its set-id bits, ACL, every extended attribute
 *   the process can list and file flags and is renamed over it by
 *   CVI_CloseFile() once everything succeeded, the old file locked until
 *   then; so for every user. A symbolic link stays and the file it points
 *   to is replaced. Temporary names that dead runs left are removed;
 * - only where a rename would lose something the process can see (the
 *   folder takes no new file, the file has other names, its owner, group,
 *   a set-id bit, an attribute or a flag cannot be given to a new file)
 *   is the file written in place under an exclusive lock (flock; a failing lock
 *   fails the open), every old byte it changes kept in memory and written
 *   back if a write, the cut or the sync fails. Stop signals (SIGINT,
 *   SIGTERM, ...) wait, for every thread, until CVI_CloseFile();
 * - pipes and devices are written as they are; a FIFO without a reader and
 *   a socket fail at once.
 * Returns a handle, or -1 (TK_DateiFehler() and TK_DateiGrund() tell why).
 */
int CVI_OpenFile(const char *path, int readWrite, int action, int fileType);
/**
 * Makes sure the file can take @p bytes from where this run's writing
 * started, before a byte of the old content changes: a full disk, a quota
 * or a file size limit fail here, and so does a file written in place that
 * can neither be read back nor reserved. Call it with growing sizes to tell
 * apart which part would not fit. Returns 0 (also where nothing can be
 * reserved, as on a pipe), or -1 (reason: TK_DateiFehler(), TK_DateiGrund()),
 * after which the file is discarded at CVI_CloseFile().
 */
int TK_DateiReservieren(int handle, long long bytes);
/**
 * Writes @p count bytes of @p text and a line end (LF) in one write. Returns
 * @p count when all was written, -1 otherwise (reason: TK_DateiFehler(),
 * TK_DateiGrund()); after a failure the file is discarded at CVI_CloseFile().
 */
int WriteLine(int handle, const char *text, int count);
/**
 * Writes @p count bytes of whole lines, each ending in a line end, in as
 * few writes as it takes. Returns @p count, or -1 as WriteLine().
 */
int TK_ZeilenSchreiben(int handle, const char *lines, int count);
/**
 * Finishes the file: cuts a file written in place to its new length, syncs,
 * closes and, for a replaced file, renames it into place. After a failure
 * it discards the temporary file, or writes the old bytes and length back
 * into a file written in place, and returns -1 (reason: TK_DateiFehler(),
 * TK_DateiGrund(), which also says whether the old content is back).
 * Returns 0 when the file is complete on disk (a close that fails after the
 * sync of a file written in place changes nothing on the disk and is not
 * reported).
 */
int CVI_CloseFile(int handle);
/** Closes the file and discards what was written, as after a failed line. 0, or -1 for no such handle. */
int TK_DateiVerwerfen(int handle);
/**
 * The descriptor of this process that @p path stands for as CVI_OpenFile()
 * reads it ("-", /dev/stdout, /dev/stdin, /dev/fd/N, /proc/self/fd/N and
 * links to them), or -1 for a path that names a file. Nothing is opened.
 */
int TK_DateiDeskriptor(const char *path);
/** The errno of the last failed export-file call (0 before any). */
int TK_DateiFehler(void);
/** Room for every reason TK_DateiGrund() gives, its NUL included. */
const std::size_t TK_DATEIGRUND_GROESSE = 300;
/**
 * The German reason of the last failed export-file call, such as "Keine
 * Berechtigung", with " (alter Inhalt wiederhergestellt)" or " (alter
 * Inhalt nicht wiederhergestellt)" after a file written in place had
 * changed, or, after a failed append that could not be taken back, how
 * many bytes of the run stay from which byte on and why. Written into the
 * caller's area @p szGrund of @p iGroesse bytes (TK_DATEIGRUND_GROESSE
 * holds every reason whole; a smaller one gets it cut), which it returns;
 * "" when there is no area. The export-file calls themselves return -1 on
 * failure and keep the errno (TK_DateiFehler()) and this reason until the
 * next failure.
 */
const char *TK_DateiGrund(char *szGrund, std::size_t iGroesse);
/**
 * Reads up to @p groesse bytes from @p fd into @p puffer, again where a
 * signal interrupted the read. Returns the bytes read (0 at the end), or
 * minus the errno.
 */
long TK_BlockLesen(int fd, char *puffer, std::size_t groesse);
/**
 * Opens @p pfad for reading without waiting in open() (a FIFO without a
 * writer then reads as empty at once). Returns the descriptor, or minus
 * the errno: -ENODEV for a character or block device, which can deliver
 * bytes without end.
 */
int TK_LesenOeffnen(const char *pfad);
/** A German text for an errno, such as "Keine Berechtigung". */
const char *TK_FehlerGrund(int errnum);
///@}

/** @name Analysis */
///@{
/**
 * Writes @p n samples amplitude * sin(theta + 2 pi f k), k = 0 .. n - 1, where
 * theta is the angle that @p phase stands for (0.0: the start of a period),
 * and advances @p phase to the sample after the last one. Returns 0, or
 * TK_FEHLER_ARGUMENT for n < 0 or null pointers.
 */
int SineWave(int n, double amplitude, double frequency, double *phase, double out[]);
///@}

/** @name What a graph draws */
///@{
/** A point of a drawn line: x in sample indices, y as the sample's value. */
struct TK_Punkt {
    double x, y;
};
/**
 * The points of the line through samples [@p von, @p bis] (indices, widened
 * to whole samples) of @p werte (@p n values), as @p spalten pixel columns
 * can show it: where there are at most two samples per column, every sample,
 * held up to the next one for a step line (@p stufen 1); else each column's
 * minimum and maximum in the order they come, at the column's start (the
 * columns split the stretch evenly, so they are never more than a column
 * apart). Repeated points are left out. Writes at most @p max
 * points and returns how many there are (call with @p max 0 to size the
 * area; never more than 2 * (@p bis - @p von + 2) and 2 * @p spalten).
 */
long TK_GraphPunkte(const double *werte, long n, double von, double bis, long spalten, int stufen, TK_Punkt *punkte,
                    long max);
/**
 * Ticks on round numbers (1, 2 or 5 times a power of ten), about five over
 * @p spanne, and the decimals their labels need so that neighbouring labels
 * differ (0 to TK_TICK_STELLEN_MAX). Returns 0, or TK_FEHLER_ARGUMENT for a
 * span that is not positive and finite.
 */
int TK_GraphTicks(double spanne, double *schritt, int *stellen);
/**
 * As TK_GraphTicks() for an axis from @p von to @p bis that has room for
 * @p zeichen characters across: where the labels (at their decimals, plus
 * a gap of two characters) would not fit between their ticks, the step
 * grows, so that no label is ever cut short. @p zeichen 0 or less: no limit.
 */
int TK_GraphTicksPlatz(double von, double bis, double zeichen, double *schritt, int *stellen);
enum { TK_TICK_STELLEN_MAX = 20 };  ///< decimals of the finest tick label
///@}

/**
 * Readies the processor for a long computation of plain floating point (a
 * curve, its analysis): clears vector state that a desktop library may have
 * left behind and that would slow every step of it. Does nothing where there
 * is none.
 */
void TK_RechnenVorbereiten(void);

/**
 * For a series of exports: with @p aufschieben, a file that replaces its
 * target by rename still has its own bytes synced before the rename (so it
 * is old or whole new after a crash), but its folder's sync, which makes the
 * rename itself last, waits for TK_OrdnerSyncen(), once per folder.
 */
void TK_OrdnerSyncAufschieben(int aufschieben);
/** Syncs the folders of the renames since TK_OrdnerSyncAufschieben(1); 0, or -1 (reason: TK_DateiFehler(), TK_DateiGrund()). */
int TK_OrdnerSyncen(void);

/** @name Text */
///@{
/**
 * Copies @p src into @p dst of @p size bytes, cutting it short at a UTF-8
 * character boundary so that it always ends in a NUL. A null @p src copies
 * the empty text. Returns the number of bytes copied.
 */
std::size_t TK_TextKopieren(char *dst, std::size_t size, const char *src);
/** Appends @p src to the text in @p dst in the same bounded way. */
std::size_t TK_TextAnhaengen(char *dst, std::size_t size, const char *src);
/** A message on one line, in place: each run of line breaks becomes one blank, none at either end. */
void TK_TextEineZeile(char *sz);
/**
 * A unit a number may carry: how it is written (case as it stands; "u" or
 * the Greek mu at its start read as the micro sign) and the power of ten of
 * the caller's own unit that one of it is ("kHz" where the caller counts in
 * Hz: 3; "s" where it counts in ms: 3). @c iArt is the caller's own mark.
 */
struct TK_Einheit {
    const char *szText;
    int iZehnerpotenz;
    int iArt;
};
/** How TK_ZahlLesenEinheit() read a number. */
struct TK_Lesart {
    int iEinheit;  ///< index of the unit in the caller's list; -1 for none
    int iVorsatz;  ///< power of ten of an SI prefix standing alone ("k": 3); 0 for none
};
/** Results of TK_ZahlLesenEinheit(). */
enum {
    TK_ZAHL_GELESEN = 0,  ///< a number, its value stored
    TK_ZAHL_KEINE = -1,   ///< no number (nothing is stored)
    TK_ZAHL_EINHEIT = -2  ///< a number followed by a unit that is none of the caller's (nothing is stored)
};
/**
 * Reads a number as the user types it: blanks around it, an optional sign,
 * digits with a decimal point or comma, an optional exponent (e or E), then,
 * after optional blanks, either an SI prefix alone (micro sign, "u" or mu,
 * m, k, M; m is milli, M is mega) or one of the @p anzahl units of
 * @p einheiten, matched whole. No hexadecimal form, no inf or nan.
 *
 * The prefix or unit moves the decimal point of the typed digits before the
 * one rounding to the nearest double, so "1.005k" is the double that "1005"
 * is. The value must be a finite double (subnormal ones included; a value
 * too small for any double reads as 0).
 *
 * Returns TK_ZAHL_GELESEN with the value in @p value and, where @p lesart is
 * not null, how it was read; TK_ZAHL_EINHEIT where the number is followed by
 * a word that is no prefix and none of the units (no digit, sign, point,
 * comma or blank in it); else TK_ZAHL_KEINE. @p value is left alone on
 * failure.
 */
int TK_ZahlLesenEinheit(const char *text, const TK_Einheit *einheiten, int anzahl, double *value, TK_Lesart *lesart);
/** TK_ZahlLesenEinheit() without units: returns 1 and stores the value, or 0 and leaves @p value alone. */
int TK_ZahlLesen(const char *text, double *value);
enum { TK_ZAHL_TEXT_GROESSE = 40 };  ///< room for any text of TK_ZahlText()
enum { TK_ZAHL_FELDBREITE = 12 };    ///< characters a numeric field shows in the fixed form
/**
 * A value as a field with @p stellen decimals shows it: fixed with those
 * decimals, more (up to 15) where the shown value would be off by more than
 * a thousandth of the value (0.06113 at two: "0.0611"; 0.0004 at three:
 * "0.0004"); where the fixed form is longer than @p laenge characters, the
 * exponent form with @p stellen or more digits after the point, by the same
 * rule. Numbers with a point; into @p text of @p size bytes (cut short at
 * TK_ZAHL_TEXT_GROESSE). Returns the length.
 */
std::size_t TK_ZahlText(double v, int stellen, int laenge, char *text, std::size_t size);
/** Writes the units' texts as a list, "Hz, kHz, mHz", into @p text of @p size bytes; returns its length. */
std::size_t TK_EinheitenText(const TK_Einheit *einheiten, int anzahl, char *text, std::size_t size);
/**
 * The item of a ring that typed @p text means, whatever item is shown:
 * the label itself, else a label with a word that is the text ("3": "Kurve
 * 3"), else the shortest label that begins with it ("5": "5ms" before
 * "50ms"), else the shortest with a word that begins with it; the first of
 * equals; letters in either case. Returns the index, or -1 for none.
 */
int TK_RingTreffer(const char *const *labels, int count, const char *text);
///@}

#endif
