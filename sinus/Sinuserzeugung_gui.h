/* The sine curve's panel-facing steps: reading and writing the panel,
   generating and plotting, and the export through the file dialog. */
#ifndef SINUSERZEUGUNG_GUI_H
#define SINUSERZEUGUNG_GUI_H

#include "Sinuserzeugung_Main.h"

void Sinus_EingabenLesen(void);
void Sinus_EingabenSetzen(void);
int Sinus_Initialisieren(void);
int Sinus_Berechnen(void);
/* Draws gSinus on the graph (on the chosen time axis, the ideal sine
   behind it), then the status line, warnings and marks. */
void Sinus_Zeichnen(void);
/* Status line, warnings and marks of the limited stretches, from gSinus. */
void Sinus_Anzeigen(void);
/* The time axis as exported (1) or as designed (0); redraws. */
void Sinus_ZeitachseSetzen(int bWieExportiert);
int Sinus_ZeitachseWieExportiert(void);
/* What the last drawn curve plays (Analyse_Kurve of gEingabe and gSinus). */
const Kurvenanalyse *Sinus_Analyse(void);
int Sinus_Exportieren(void);
/* Datei > Kurve öffnen: a curve file as a reference over the curve; its
   findings in one message. Returns 0. */
int Sinus_KurveOeffnen(void);
/* Datei > Referenz entfernen. */
void Sinus_ReferenzEntfernen(void);
int Sinus_ReferenzDa(void);
/* Plots the reference on its own time axis in the graph's x units. */
void Sinus_ReferenzZeichnen(const Zeitachse *pAchse);
/* The status line's words on the reference: file, summary, comparison. */
void Sinus_ReferenzText(char *szText, size_t iGroesse);

#endif
