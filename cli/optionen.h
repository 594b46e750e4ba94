/* The curve inputs of the exporter, wherever they come from: an option on
   the command line or a cell of a series plan. Both go through these
   functions, so a value is read, checked, coupled and refused in the same
   words either way. Each call that can refuse returns 0 or an exit code
   (CLI_EXIT_EINGABE) and writes its message into the caller's string. */
#ifndef CLI_OPTIONEN_H
#define CLI_OPTIONEN_H

#include "Sinuseingaben.h"

#include "Sinusschritt.h"

#include <string>
#include <vector>

/** The exporter's exit codes. */
const int CLI_EXIT_FEHLER = 1;   ///< too many points, a failed write
const int CLI_EXIT_EINGABE = 2;  ///< bad input, nothing touched
const int CLI_EXIT_WARNUNG = 3;  ///< a warning under --strict, nothing touched

/** One input set and which of its inputs were given (by index of the input table). */
struct Eingabesatz {
    Eingabewerte e;
    std::vector<bool> gegeben;       ///< one per input of the table
    std::vector<std::string> texte;  ///< the text each given input had
    std::vector<int> ziel;           ///< the input each given one set: itself, or the RMS amplitude for "--peak 3Veff"
    bool bAuto = false;              ///< the time base is "auto": chosen for the period once it is known
};

/** Where inputs come from: options ("--peak") or columns of a plan ("Spalte peak"). */
enum { OPTIONEN_AUFRUF = 0, OPTIONEN_PLAN = 1 };

/** The panel's defaults, nothing given. */
void Optionen_Beginnen(Eingabesatz &s);
/** How a message names input @p iEingabe: "--peak" or "Spalte peak". */
std::string Optionen_Name(int iEingabe, int iQuelle);
/** A number for a message or the help ("%g": the table's limits). */
std::string Optionen_Zahl(double d);
/** A given value as a message repeats it: in quotes, cut at a character boundary when long. */
std::string Optionen_Echo(const char *szWert);
/** What input @p iEingabe takes: "eine Zahl von 0.02 bis 20000", "eine Zeitbasis (...)". */
std::string Optionen_Bereich(int iEingabe);
/** "--frequency erwartet eine Zahl von 0.02 bis 20000" and the like. */
std::string Optionen_Erwartet(int iEingabe, int iQuelle);
/**
 * Takes @p szWert for input @p iEingabe into @p s, as the window takes a
 * typed value (SI prefixes and the input's units, read exactly), and marks
 * it given. Returns 0, or CLI_EXIT_EINGABE with the message that refuses it
 * in @p grund (a unit the input does not take: the units it takes).
 */
int Optionen_Setzen(Eingabesatz &s, int iEingabe, const char *szWert, int iQuelle, std::string &grund);
/**
 * Resolves a time base given as "auto" (after the coupling, with the
 * period and periods in place): the exact one with the most points per
 * period within the limit, else the closest. @p hinweis gets the note that
 * names the choice ("--timebase auto: 5ms, genau (25 Punkte je Periode)"),
 * "" without auto. Returns 0, or CLI_EXIT_EINGABE with the message that
 * none gives a sine in @p grund.
 */
int Optionen_AutoZeitbasis(Eingabesatz &s, int iQuelle, std::string &hinweis, std::string &grund);
/**
 * Sets each given quantity's partner as the panel's coupling does. Returns
 * 0, or CLI_EXIT_EINGABE with the message in @p grund that refuses both
 * partners given, or a partner that would be no finite number.
 */
int Optionen_Koppeln(Eingabesatz &s, int iQuelle, std::string &grund);
/** The units input @p iEingabe takes, "Hz, kHz, mHz"; "" for none. */
std::string Optionen_Einheiten(int iEingabe);

/**
 * A failed step's message: "Fehler #301204: " and the catalogue's text on
 * one line, then " – " and @p szGrund (a failed write's reason and path)
 * where it is not null or empty.
 */
std::string Optionen_Fehlertext(int iCode, const char *szGrund = nullptr);

/** A message on standard error after the program's name; on exit 2 with where the help is. Returns @p iExit. */
int Optionen_Melden(int iExit, const std::string &text);
/** The step's refusal (too many points, no finite number) on one line. */
std::string Optionen_Abgelehnt(const Schrittbericht &bericht);
/** The warnings of an analysed curve, one text each. */
std::vector<std::string> Optionen_Warnungen(const Kurvenanalyse &analyse);

#endif
