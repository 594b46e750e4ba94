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
    char szHinweis[FENSTER_HINWEIS_GROESSE]; ///< a note for the status line until the next commit (a refusal, a design taken over); "" else
};

extern Fensterzustand gFenster;

struct Kurvendatei;

/** Writes the inputs @p pEingabe onto the panel, raising no event (Sinus_EingabenSetzen for any record). */
void Fenster_EingabenZeigen(const Eingabewerte *pEingabe);
/** Reads the curve file @p szPfad into @p pDatei; a file that cannot be read is said in a message
    and leaves @p pDatei unspecified. 1, or 0. */
int Fenster_KurvendateiLesen(const char *szPfad, Kurvendatei *pDatei);
/** The last part of @p szPfad: the name the window shows for a file. */
const char *Fenster_Dateiname(const char *szPfad);
/** Opens a curve file for reading: a regular file only, so that a device or pipe cannot hold the window.
    The descriptor, or minus the errno. */
int Fenster_KurvendateiOeffnen(const char *szPfad);
/** Takes over the design that writes the curve file @p pDatei (named @p szName) as one commit and one
    undo step, and says in the status line how its export compares with the file. */
void Fenster_EntwurfUebernehmen(const Kurvendatei *pDatei, const char *szName);
/** Bearbeiten > Zeitbasis anpassen and Datei > Eingaben aus Referenz übernehmen usable where they have
    something to do; the first names the time base it sets. */
void Fenster_EntwurfMenuZeigen(void);

#endif
