/* The window's daily-work side of the curve: notes in the status line,
   undo and redo of accepted inputs, and the report picture. */
#ifndef SINUS_FENSTER_GUI_H
#define SINUS_FENSTER_GUI_H

#include "Sinuserzeugung_Main.h"

/* Appends szText as a line of its own to the status line; it stays until
   the next commit redraws the status. */
void Sinus_Hinweis(const char *szText);
/* After an accepted commit: records gEingabe as a step of the history.
   pVorher holds the inputs before the commit; a history that does not
   end in them starts anew from them. Nothing happens when nothing changed,
   so that a refused commit is no step. */
void Sinus_Festhalten(const Eingabewerte *pVorher);
/* Bearbeiten > Rueckgaengig and Wiederholen usable only where there is a
   step to go to. */
void Sinus_VerlaufZeigen(void);
/* Undo and redo: inputs, curve and graph as at that step. 0 when there is
   no step to go to. */
int Sinus_Rueckgaengig(void);
int Sinus_Wiederholen(void);
/* Datei > Grafik speichern: asks for a PNG or SVG file and writes the
   report picture (title line of the inputs, graph, status line). */
void Sinus_GrafikSpeichern(void);

#endif
