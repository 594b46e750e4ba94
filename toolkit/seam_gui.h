/**
 * @file seam_gui.h
 * @brief Hooks through which tests answer file dialogs and play the user on
 *        real widgets, so that nothing blocks. Program code never includes
 *        this.
 */
#ifndef TOOLKIT_SEAM_GUI_H
#define TOOLKIT_SEAM_GUI_H

#include "seam.h"

#include <cstddef>

/**
 * Answers a file dialog instead of showing it: fills @p path (at most
 * @p size bytes) and returns what FileSelectPopup() would.
 */
typedef int (*TK_DateiAntwort)(const char *title, char *path, std::size_t size);

/** Routes FileSelectPopup() to @p answer; null shows real dialogs again. */
void TK_DateiauswahlAbfangen(TK_DateiAntwort answer);

/**
 * Plays the user on a numeric control: focuses it, selects its text, types
 * @p text key by key and presses Enter.
 */
int TK_Tippen(int panel, int control, const char *text);
/** Plays the user on a numeric control: arrow-key steps (+ up, - down). */
int TK_Pfeil(int panel, int control, int steps);
/**
 * Plays the user on a ring: picks item @p index with the keyboard.
 * TK_FEHLER_ARGUMENT when the ring does not move on towards it.
 */
int TK_RingWaehlen(int panel, int control, int index);
/** Plays the user on any control: wheel notches over it (+ up, - down), without focusing it. */
int TK_Rad(int panel, int control, int notches);
/** Plays the user on any control: focuses it and presses Enter. */
int TK_Eingabetaste(int panel, int control);
/** Plays the user on a command button: clicks it. */
int TK_Klicken(int panel, int control);
/** Plays the user on the panel: clicks its close box. */
int TK_Schliessen(int panel);
/** Plays the user on the menu bar: chooses the item of @p menuItem. */
int TK_MenuWaehlen(int panel, int menuItem);
/** Plays the user on the panel: presses Tab. */
int TK_Tabulator(int panel);
/** Id of the control that has the keyboard focus, 0 for none. */
int TK_FokusControl(int panel);
/** Copies the text a control shows into @p text. */
int TK_Anzeige(int panel, int control, char *text, std::size_t size);
/** Number of plots on a graph. */
int TK_AnzahlPlots(int panel, int control);
/** Copies up to @p size values of the graph's first plot; returns its count. */
int TK_PlotWerte(int panel, int control, double *values, int size);
/** Paints the whole panel at once, as the next frame would. */
int TK_Zeichnen(int panel);
/** Runs @p function on the event loop as soon as it is idle. */
void TK_Spaeter(void (*function)(void *), void *data);

#endif
