/* wlr7sinus-export --plan: a series of curves from a tab-separated table,
   checked whole before any file is touched, written file by file as a
   single export writes it, and recorded in a manifest. */
#ifndef CLI_PLAN_H
#define CLI_PLAN_H

#include "Sinuserzeugung_Main.h"
#include "optionen.h"

#include <string>
#include <vector>

/** One line of a checked plan: the inputs it exports and what its file holds. */
struct Planzeile {
    int iZeile;                          ///< line number in the plan, from 1
    Eingabewerte e;                      ///< the inputs, coupled
    std::string ausgabe;                 ///< the target as the plan names it
    int iDatenzeilen;                    ///< data lines of its file
    double dFrequenz;                    ///< Hz the file plays; 0 unknown
    std::vector<std::string> warnungen;  ///< the analysis' warnings, plain spaces
    std::string hinweis;                 ///< the time base "auto" chose, or ""
};

/** A plan that passed its check. */
struct Plan {
    std::string name;  ///< as findings name it ("-" for standard input)
    std::vector<Planzeile> zeilen;
};

/**
 * Reads the plan @p szPlan ("-": standard input), each line's inputs over
 * @p basis (the command line's, coupled; a time base "auto" is chosen per
 * line), checks every line and, when all
 * pass (and under @p bStreng none warns), writes the files and the manifest
 * @p szManifest (may be null). Returns the exit code.
 */
int Plan_Ausfuehren(const char *szPlan, const char *szManifest, const Eingabesatz &basis, bool bStreng,
                    const char *szVersion);

/**
 * Writes the files of a checked plan in its order, then the manifest of
 * those written (when @p szManifest is not null). Stops at the first file
 * that fails. Returns the exit code.
 */
int Plan_Schreiben(const Plan &plan, const char *szManifest, const char *szVersion);

#endif
