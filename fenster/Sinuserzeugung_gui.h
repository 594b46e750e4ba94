/**
 * @file Sinuserzeugung_gui.h
 * @brief The window's side of the sine curve: the records of the last
 *        accepted inputs and their curve, reading and writing the panel,
 *        drawing, the status and warning lines, undo, the reference file,
 *        the report picture and the export through the file dialog. Every
 *        computation is a core function; this side shows its results.
 */
#ifndef SINUSERZEUGUNG_GUI_H
#define SINUSERZEUGUNG_GUI_H

#include "Sinusanalyse.h"
#include "Sinuserzeugung_Main.h"

#include <cstddef>

/** The last accepted inputs and the curve drawn from them (the window's only). */
extern Eingabewerte gEingabe;
extern Sinuskurve gSinus;

/** The time base of @p szZeitbasis in ms; a label missing from the table
    shows the warning "Zeitbasis nicht gefunden" and gives 1 ms. */
double Zeitbasis_Ermitteln(const char *szZeitbasis);

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
/** Gives each input's tooltip and What's This its description, range and unit, from the input table,
    and has a refused text said in the status line. */
void Sinus_FelderEinrichten(void);

/* Curve (kurve_gui.cpp). */
/** Reads the panel's defaults and draws the first curve. Returns 0. */
int Sinus_Initialisieren(void);
/** Draws the curve of the last step; returns that step's generation code (0 or SINUS_FEHLER_SPEICHER). */
int Sinus_Berechnen(void);
/** Draws gSinus on the graph (on the chosen time axis, the ideal sine behind it), then the status. */
void Sinus_Zeichnen(void);
/** The time axis as exported (1) or as designed (0); redraws. */
void Sinus_ZeitachseSetzen(int bWieExportiert);
int Sinus_ZeitachseWieExportiert(void);
/** What the last drawn curve plays. */
const Kurvenanalyse *Sinus_Analyse(void);
/** Frees the sample array at the end. */
void Sinus_Freigeben(void);

/* Status and warning lines (status_gui.cpp). */
/** Status line, warnings and marks of the limited stretches, from gSinus. */
void Sinus_Anzeigen(void);
/** Appends @p szText as a line of its own to the status line until the next commit redraws it. */
void Sinus_Hinweis(const char *szText);

/* Undo and redo (verlauf_gui.cpp). */
/** After a commit: records gEingabe as a step when it differs from @p pVorher (a refused commit is no step). */
void Sinus_Festhalten(const Eingabewerte *pVorher);
/** Bearbeiten > Rückgängig and Wiederholen usable only where there is a step to go to. */
void Sinus_VerlaufZeigen(void);
/** Undo and redo: inputs, curve and graph as at that step; 0 when there is none. */
int Sinus_Rueckgaengig(void);
int Sinus_Wiederholen(void);

/* Export (export_gui.cpp). */
int Sinus_Exportieren(void);

/* Report picture (bericht_gui.cpp). */
/** Asks for a PNG or SVG file and writes the report picture (title line, graph, status). */
void Sinus_GrafikSpeichern(void);

/* Reference file (referenz_gui.cpp). */
/** Datei > Kurve öffnen: a curve file as a reference over the curve; its findings in one message. Returns 0. */
int Sinus_KurveOeffnen(void);
/** Reads the curve file @p szPfad as the reference (Datei > Kurve öffnen, or a file
    named on the command line): drawn, summed up, its findings in one message.
    1, or 0 when it cannot be read (said in a message). */
int Sinus_ReferenzLaden(const char *szPfad);
/** Datei > Eingaben aus Kurve übernehmen: the inputs that export a chosen curve file, as one undo step. */
int Sinus_EingabenAusKurve(void);
/** Datei > Eingaben aus Referenz übernehmen: the same for the open reference. */
int Sinus_EingabenAusReferenz(void);
/** Bearbeiten > Zeitbasis anpassen: the time base that plays the typed frequency, as one undo step;
    0 when there is nothing to adjust. */
int Sinus_ZeitbasisAnpassen(void);
/** Datei > Referenz entfernen. */
void Sinus_ReferenzEntfernen(void);
int Sinus_ReferenzDa(void);
/** Plots the reference on its own time axis in the graph's x units of @p pAchse. */
void Sinus_ReferenzZeichnen(const Zeitachse *pAchse);
/** The status line's words on the reference: file, summary, comparison. */
void Sinus_ReferenzText(char *szText, std::size_t iGroesse);

#endif
