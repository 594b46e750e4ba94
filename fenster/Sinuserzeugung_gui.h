/**
 * @file Sinuserzeugung_gui.h
 * @brief The window's side of the sine curve. Its glue flows one way: a
 *        callback or menu item changes the records (gEingabe, gSinus) and
 *        the window's state record (zustand.h); Fenster_Darstellen() then
 *        derives everything shown from them. Every computation is a core
 *        function; this side shows its results. No file here calls back
 *        into the file that called it:
 *
 *        shell -> verlauf_gui, entwurf_gui, referenz_gui, export_gui, bericht_gui, kurve_gui
 *              -> eingabe_gui -> darstellung_gui -> kurvendatei_gui, verlauf, zustand
 */
#ifndef SINUSERZEUGUNG_GUI_H
#define SINUSERZEUGUNG_GUI_H

#include "Sinuserzeugung_Main.h"

#include <cstddef>

/** The last accepted inputs and the curve drawn from them (the window's only). */
extern Eingabewerte gEingabe;
extern Sinuskurve gSinus;

/** The time base of @p szZeitbasis in ms; a label missing from the table
    shows the warning "Zeitbasis nicht gefunden" and gives 1 ms. */
double Zeitbasis_Ermitteln(const char *szZeitbasis);

/* Start and end (kurve_gui.cpp). */
/** Reads the panel's defaults and draws the first curve. Returns 0. */
int Sinus_Initialisieren(void);
/** Frees the sample array at the end. */
void Sinus_Freigeben(void);

/* Commit (eingabe_gui.cpp). */
/** The form's control of input @p iEingabe (an id of the input table), or 0 for none. */
int Fenster_Control(int iEingabe);
/** The input (an id of the input table) on the form's control @p iControl, or -1 for none. */
int Fenster_Eingabe(int iControl);
/** Reads the panel and runs the step; a refused input set is shown in a
    message and the last accepted values return onto the panel. */
void Sinus_EingabenLesen(void);
/** Writes gEingabe into the nine input controls. */
void Sinus_EingabenSetzen(void);
/** Writes the inputs @p pEingabe onto the panel, raising no event (Sinus_EingabenSetzen for any record). */
void Fenster_EingabenZeigen(const Eingabewerte *pEingabe);
/** Gives each input's tooltip and What's This its description, range and unit, from the input table,
    and has a refused text said in the status line. */
void Fenster_FelderEinrichten(void);
/** Commits @p pNeu as the user's commit would, as one undo step made by @p szAnlass (null: one input). */
void Fenster_Uebernehmen(const Eingabewerte *pNeu, const char *szAnlass);

/* What is shown (darstellung_gui.cpp). */
/** Derives everything shown from the records and the state: graph (curve,
    ideal sine, reference, marks), status, warnings and menu states. */
void Fenster_Darstellen(void);
/** Shows the curve of the last step; returns that step's generation code (0 or SINUS_FEHLER_SPEICHER),
    on which the graph keeps the previous curve. */
int Sinus_Berechnen(void);
/** The time axis as exported (1) or as designed (0). */
void Fenster_ZeitachseSetzen(int bWieExportiert);
/** The status line's words on the references, a line each: file, summary, comparison; "" without one. */
void Fenster_ReferenzText(char *szText, std::size_t iGroesse);

/* Undo and redo (verlauf_gui.cpp). */
/** Inputs, curve and graph as at the step before or after; 0 when there is none. */
int Fenster_Rueckgaengig(void);
int Fenster_Wiederholen(void);

/* Report picture (bericht_gui.cpp). */
/** Asks for a PNG, SVG or PDF file and writes the report picture (title line, graph, status). */
void Fenster_GrafikSpeichern(void);

/* Reference file (referenz_gui.cpp). */
/** Datei > Kurve öffnen: a curve file as a reference over the curve; its findings in one message. */
void Fenster_KurveOeffnen(void);
/** Reads the curve file @p szPfad as the newest reference (Datei > Kurve öffnen, or a file
    named on the command line): drawn, summed up, its findings in one message. A file shown
    already is read anew; beyond FENSTER_REFERENZEN_MAX the oldest makes way (said in the status).
    1, or 0 when it cannot be read (said in a message; the references shown stay). */
int Fenster_ReferenzLaden(const char *szPfad);
/** Datei > Referenz entfernen: every reference. */
void Fenster_ReferenzEntfernen(void);
/** Datei > Referenz N „name“ entfernen: reference @p iReferenz (0 the oldest); 1, or 0 where there is none. */
int Fenster_EineReferenzEntfernen(int iReferenz);

/* Take-overs (entwurf_gui.cpp). */
/** Datei > Eingaben aus Kurve übernehmen: the inputs that export a chosen curve file, as one undo step. */
void Fenster_EingabenAusKurve(void);
/** Datei > Eingaben aus Referenz übernehmen: the same for the open reference. */
void Fenster_EingabenAusReferenz(void);
/** Bearbeiten > Zeitbasis anpassen: the time base that plays the typed frequency, as one undo step;
    0 when there is nothing to adjust. */
int Fenster_ZeitbasisAnpassen(void);

/* Curve files (kurvendatei_gui.cpp). */
/** Opens a curve file for reading: a regular file only, so that a device or pipe cannot hold the window.
    The descriptor, or minus the errno. */
int Fenster_KurvendateiOeffnen(const char *szPfad);
/** Reads the curve file @p szPfad into @p pDatei; a file that cannot be read is said in a message
    and leaves @p pDatei unspecified. 1, or 0. */
struct Kurvendatei;
int Fenster_KurvendateiLesen(const char *szPfad, Kurvendatei *pDatei);
/** Why a curve file could not be read, for errno @p iErrno, in German. */
const char *Fenster_LeseGrund(int iErrno);
/** Reads the curve file @p szPfad into @p pDatei as Fenster_KurvendateiLesen does, through a copy of its
    bytes in memory: the descriptor of that copy (the caller closes it), or -1 when the file cannot be read
    (said in a message; @p pDatei unspecified). The copy lets the window compare the file with every commit
    without reading the file again. */
int Fenster_KurvendateiKopieren(const char *szPfad, Kurvendatei *pDatei);
/** Says the findings of the curve file @p pDatei, named @p szName, in one message titled @p szTitel:
    their count, then the first of them with their line numbers (referenz_gui.cpp). */
void Fenster_BefundeZeigen(const Kurvendatei *pDatei, const char *szName, const char *szTitel);
/** The last part of @p szPfad: the name the window shows for a file. */
const char *Fenster_Dateiname(const char *szPfad);

#endif
