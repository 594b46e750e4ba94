/* The sine curve's panel-facing steps: reading and writing the panel,
   generating and plotting, and the export through the file dialog. */
#ifndef SINUSERZEUGUNG_GUI_H
#define SINUSERZEUGUNG_GUI_H

#include "Sinuserzeugung_Main.h"

void Sinus_EingabenLesen(void);
void Sinus_EingabenSetzen(void);
int Sinus_Initialisieren(void);
int Sinus_Berechnen(void);
/* Status line and marks of the limited stretches, from gSinus. */
void Sinus_Anzeigen(void);
int Sinus_Exportieren(void);

#endif
