/* The program's steps from start to end, and the callbacks that end it. */
#ifndef WLR7SINUS_MAIN_H
#define WLR7SINUS_MAIN_H

#include "toolkit_gui.h"

/* The callbacks the panel form names, found by name when it is loaded:
   Callback_Panel, Menu_Main, Eingabe and Speichern (iRueckrufe entries). */
extern const CallbackEntry gRueckrufe[];
extern const int iRueckrufe;

/* Runs the tool: 0 after a normal end, -1 when the toolkit cannot start or
   the panel cannot be loaded. */
int WLR7_Main(int argc, char *argv[]);

#endif
