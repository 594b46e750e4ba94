// The window's state beside the two records: what the glue files share.
#ifndef FENSTER_ZUSTAND_H
#define FENSTER_ZUSTAND_H

#include "Sinusanalyse.h"
#include "Sinuserzeugung_Main.h"

#include <cstddef>

/** Room for a message that names a path (PATH_MAX) and its reason. */
const std::size_t FENSTER_PFAD_GROESSE = 4096;
/** Room for a refusal's words in the status line. */
const std::size_t FENSTER_HINWEIS_GROESSE = 400;

struct Fensterzustand {
    Kurvenanalyse analyse;  ///< what the drawn curve plays
    Zeitachse achse;        ///< the time axis it is drawn on
    int bWieExportiert;     ///< the time axis as exported; holds for the run
    int iErzeugung;         ///< code of the last generation: 0 or SINUS_FEHLER_SPEICHER
    char szAblehnung[FENSTER_HINWEIS_GROESSE]; ///< why the last commit was refused, for the status line; "" else
};

extern Fensterzustand gFenster;

#endif
