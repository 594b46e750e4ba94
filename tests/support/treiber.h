// Plays the user on the toolkit's real widgets through Qt Test: the keys,
// clicks and wheel notches a person would give, so every signal path of the
// program is taken; and reads back what the widgets show and hold.
#ifndef TEST_TREIBER_H
#define TEST_TREIBER_H

#include "toolkit_gui.h"

#include <cstddef>

/// Focuses a numeric control, selects its text, types @p text and presses Enter.
int TK_Tippen(int panel, int control, const char *text);
/// Arrow-key steps on a numeric control (+ up, - down).
int TK_Pfeil(int panel, int control, int steps);
/// Picks ring item @p index with the keyboard; TK_FEHLER_ARGUMENT when the
/// ring does not move on towards it.
int TK_RingWaehlen(int panel, int control, int index);
/// Wheel notches over a control (+ up, - down), without focusing it.
int TK_Rad(int panel, int control, int notches);
/// Focuses a control and presses Enter.
int TK_Eingabetaste(int panel, int control);
/// Clicks a command button.
int TK_Klicken(int panel, int control);
/// Clicks the panel's close box.
int TK_Schliessen(int panel);
/// Chooses the menu bar's item @p menuItem.
int TK_MenuWaehlen(int panel, int menuItem);
/// Presses Tab where the panel's focus is.
int TK_Tabulator(int panel);

/// Id of the control that has the keyboard focus, 0 for none.
int TK_FokusControl(int panel);
/// Copies the text a control shows into @p text (at most @p size bytes).
int TK_Anzeige(int panel, int control, char *text, std::size_t size);
/// Number of plots on a graph.
int TK_AnzahlPlots(int panel, int control);
/// Copies up to @p size values of the graph's first plot; returns its count.
int TK_PlotWerte(int panel, int control, double *values, int size);
/// Runs @p function on the event loop as soon as it is idle.
void TK_Spaeter(void (*function)(void *), void *data);

#endif
