/**
 * @file toolkit_gui.h
 * @brief The platform layer's GUI part: panels, controls, graph, popups and
 *        the event loop, in the vocabulary of the instrumentation run-time
 *        the tool was first written for.
 *
 * Everything here runs on one thread, inside RunUserInterface(). No Qt type
 * appears in this header; callers see plain C types and integer status codes
 * (0 or positive for success, negative for failure).
 */
#ifndef TOOLKIT_GUI_H
#define TOOLKIT_GUI_H

#include "toolkit_kern.h"

/** @name Events handed to callbacks */
///@{
enum {
    EVENT_COMMIT = 1,      ///< a value committed by the user, a button pressed
    EVENT_GOT_FOCUS = 8,   ///< the panel became the active window
    EVENT_LOST_FOCUS = 9,  ///< the panel stopped being the active window
    EVENT_CLOSE = 11       ///< the user asked to close the panel (close box)
};
///@}

/** @name Attributes */
///@{
enum {
    ATTR_TITLE = 573,       ///< panel: title bar text (char*)
    ATTR_MIN_VALUE = 300,   ///< numeric: lowest value it takes (double)
    ATTR_MAX_VALUE = 301,   ///< numeric: highest value it takes (double)
    ATTR_PRECISION = 302,   ///< numeric: decimals it shows (double)
    ATTR_LABEL_TEXT = 303,  ///< control: text of the label that names it (char*)
    ATTR_TOOLTIP_TEXT = 304, ///< control: its tooltip (char*)
    ATTR_WHATS_THIS = 305,  ///< control: what Shift+F1 on it shows (char*); its tooltip until set
    ATTR_XAXIS_GAIN = 1124, ///< graph: x-axis labels show plotted x times this
    ATTR_YAXIS_GAIN = 1125, ///< graph: y-axis labels show plotted y times this
    ATTR_XNAME = 1126,      ///< graph: the x axis' title (char*), "Zeit [s]": name and [unit]
    ATTR_YNAME = 1127       ///< graph: the y axis' title (char*)
};
///@}

/** Control callback: panel, control id, event, callback data, two event data. */
typedef int (*CtrlCallbackPtr)(int panel, int control, int event, void *callbackData,
                               int eventData1, int eventData2);
/** Panel callback: panel, event, callback data, two event data. */
typedef int (*PanelCallbackPtr)(int panel, int event, void *callbackData,
                                int eventData1, int eventData2);
/** Menu callback: menu bar, menu item id, callback data, panel. */
typedef void (*MenuCallbackPtr)(int menuBar, int menuItem, void *callbackData, int panel);

/**
 * One entry of the program's callback table. Exactly one of the three
 * function pointers is set; LoadPanel() binds the callback names of a panel
 * file to the entry of that name and kind.
 */
struct CallbackEntry {
    const char *name;
    CtrlCallbackPtr ctrl;
    PanelCallbackPtr panel;
    MenuCallbackPtr menu;
};

/** @name Start-up, event loop */
///@{
/**
 * Creates the application object once, on the platform Qt chooses
 * (-platform, QT_QPA_PLATFORM with its fallback list, -display, the session
 * type). Returns 1. Where Qt finds no display it can use, one German line
 * goes to standard error and the process ends with -1 (exit status 255),
 * before any window; Qt would abort there. Texts and formats are German
 * whatever the environment's locale; the numeric locale of the C library
 * stays "C", so printf-style formatting keeps its point.
 */
int InitCVIRTEEx(void *instance, char *argv[], void *reserved);
/** Hands the toolkit the table that LoadPanel() resolves callback names in. */
void SetCallbackTable(const CallbackEntry *table, int count);
/** Calls @p function with @p data once the event loop runs (or runs on); 0, or a negative code. */
int PostDeferredCall(void (*function)(void *), void *data);
/** Runs the event loop until QuitUserInterface(); returns its code. */
int RunUserInterface(void);
/** Ends the running loop once the current callback has returned. */
int QuitUserInterface(int code);
/** Accepts system attributes; they have no matching setting here. */
int SetSystemAttribute(int attribute, int value);
///@}

/** @name Panels */
///@{
/**
 * Loads panel @p panelNumber of the panel file @p fileName from the
 * program's resources, hidden. Returns a handle > 0, or TK_FEHLER_DATEI,
 * TK_FEHLER_PANELNUMMER or TK_FEHLER_RUECKRUF.
 */
int LoadPanel(int parent, const char *fileName, int panelNumber);
/** Shows the panel; the focus goes to the control with the lowest id. */
int DisplayPanel(int panel);
/** Destroys the panel and its controls. */
int DiscardPanel(int panel);
/** ATTR_TITLE sets the title bar text; other attributes are accepted and kept. */
int SetPanelAttribute(int panel, int attribute, const char *value);
/** @copydoc SetPanelAttribute */
int SetPanelAttribute(int panel, int attribute, int value);
/** ATTR_TITLE: copies the title into @p value (at most @p size bytes). */
int GetPanelAttribute(int panel, int attribute, char *value, std::size_t size);
///@}

/** @name Controls */
///@{
/** Numeric control: the full double, never rounded by its display. */
int GetCtrlVal(int panel, int control, double *value);
/** Ring: the value of the selected item. */
int GetCtrlVal(int panel, int control, int *value);
/** Numeric control: stores @p value (clamped to the range); raises no event. */
int SetCtrlVal(int panel, int control, double value);
/** Ring: selects the item of that value; raises no event. */
int SetCtrlVal(int panel, int control, int value);
/**
 * Text control: shows @p value as plain text, its lines wrapped only
 * between items separated by " · " (never before the "·"); raises no event.
 * A screen reader reads the text as the control's name and hears a change
 * once, after the program's writes of one commit. A warning line (form
 * property cviWarnung) shows a "⚠" before each of its lines.
 */
int SetCtrlVal(int panel, int control, const char *value);
/** Text control: copies the text it shows into @p value (at most @p size bytes). */
int GetCtrlVal(int panel, int control, char *value, std::size_t size);
/**
 * Numeric control: 1 when its last user commit pulled the typed value into
 * the range, with the typed value and the range; 0 when it did not.
 */
int TK_Begrenzt(int panel, int control, double *typed, double *minimum, double *maximum);
/**
 * Numeric control: copies the text of its last user commit into @p text
 * (at most @p size bytes) and returns 1 when that commit was typed; "" and
 * 0 after a step or an Enter on an untouched field.
 */
int TK_Getippt(int panel, int control, char *text, std::size_t size);
/**
 * Reads @p text typed into numeric control @p control: returns 0 with the
 * value the control is to hold in @p value, or a negative code that refuses
 * the text.
 */
typedef int (*TK_Zahlleser)(int panel, int control, const char *text, double *value);
/** Installs the program's reading of typed numbers; null reads them as TK_ZahlLesen() does. */
void TK_ZahlleserSetzen(TK_Zahlleser leser);
/** Called when a numeric control refused typed @p text that is no number (its held value shows again). */
typedef void (*TK_Ablehnung)(int panel, int control, const char *text);
/** Installs the program's answer to a refused text; null removes it. */
void TK_AblehnungSetzen(TK_Ablehnung ablehnung);
/** Ring: index of the selected item. */
int GetCtrlIndex(int panel, int control, int *index);
/** Ring: selects the item at @p index; raises no event. */
int SetCtrlIndex(int panel, int control, int index);
/** Ring: copies the label of item @p index into @p label (at most @p size bytes). */
int GetLabelFromIndex(int panel, int control, int index, char *label, std::size_t size);
/** Graph: ATTR_XAXIS_GAIN and ATTR_YAXIS_GAIN. */
int SetCtrlAttribute(int panel, int control, int attribute, double value);
/** Graph: ATTR_XAXIS_GAIN and ATTR_YAXIS_GAIN; numeric: ATTR_MIN_VALUE, ATTR_MAX_VALUE, ATTR_PRECISION. */
int GetCtrlAttribute(int panel, int control, int attribute, double *value);
/**
 * Any control: ATTR_TOOLTIP_TEXT (also what a screen reader gives as its
 * description, after the unit) or ATTR_WHATS_THIS; graph: ATTR_XNAME, ATTR_YNAME.
 */
int SetCtrlAttribute(int panel, int control, int attribute, const char *value);
/** Any control: ATTR_LABEL_TEXT, ATTR_TOOLTIP_TEXT, ATTR_WHATS_THIS, copied into @p value (at most @p size bytes). */
int GetCtrlAttribute(int panel, int control, int attribute, char *value, std::size_t size);
///@}

/** @name Graph */
///@{
/** Packs red, green and blue (0 to 255) into a colour. */
int MakeColor(int red, int green, int blue);
/** Removes plot @p plot, or every plot for -1. */
int DeleteGraphPlot(int panel, int control, int plot, int refresh);
/**
 * Plots @p count doubles (@p dataType 4) over the index 0 to count - 1 as a
 * thin step line in @p color. The graph keeps its own copy. Returns a plot
 * handle > 0.
 */
int PlotY(int panel, int control, const void *data, int count, int dataType,
          int plotStyle, int pointStyle, int lineStyle, int pointFrequency, int color);
/**
 * Marks @p count stretches of plotted indices [von[i], bis[i]] with a band
 * along the top (oben[i] != 0) or the bottom edge of the plot area,
 * replacing earlier marks. DeleteGraphPlot() with -1 removes them too.
 */
int TK_GraphMarkieren(int panel, int control, const int *von, const int *bis, const int *oben, int count);

/**
 * Plots @p count doubles (@p dataType 4), each times @p yGain plus
 * @p yOffset, over x = @p initialX + k * @p xIncrement (in the units PlotY
 * plots over, before the x gain) in @p color: a step line for @p plotStyle
 * TK_STIL_STUFEN, drawn over the others, else a thin plain line drawn
 * behind the step lines; solid, or as @p lineStyle (TK_LINIE_...) says,
 * in the graph and its legend. The graph keeps its own copy. Returns a
 * plot handle > 0.
 */
int PlotWaveform(int panel, int control, const void *data, int count, int dataType, double yGain, double yOffset,
                 double initialX, double xIncrement, int plotStyle, int pointStyle, int lineStyle,
                 int pointFrequency, int color);
/** Plot attribute: the plot's name in the graph's legend (char*); a graph shows its legend while a plot has one. */
enum { ATTR_PLOT_LG_TEXT = 2010 };
/** Sets ATTR_PLOT_LG_TEXT of plot @p plot. */
int SetPlotAttribute(int panel, int control, int plot, int attribute, const char *value);
/** @p plotStyle of PlotWaveform() that draws a step line, as PlotY does. */
enum { TK_STIL_STUFEN = 6 };
/** @p lineStyle of PlotWaveform(): solid, dashes, dots, dashes and dots. */
enum { TK_LINIE_DURCHGEHEND = 0, TK_LINIE_STRICHE = 1, TK_LINIE_PUNKTE = 2, TK_LINIE_STRICHPUNKTE = 3 };
/** What the hover readout says of sample @p index of the graph's first step line. */
typedef void (*TK_Ablesung)(int index, char *text, std::size_t size);
/** Sets the readout's text source; null shows the axes' values. */
int TK_GraphAblesungSetzen(int panel, int control, TK_Ablesung ablesung);
/**
 * Graph: the plotted values (before the y gain) its whole view shows, 0 to
 * 100 until set, so that values beyond them can be made visible. Returns
 * TK_FEHLER_ARGUMENT unless @p von < @p bis, both finite.
 */
int TK_GraphYBereich(int panel, int control, double von, double bis);
/** Graph: shows the whole curve again after a zoom. */
int TK_GraphGanz(int panel, int control);
/**
 * Graph: writes a report picture of it to @p path, in the format its ending
 * names (.png, .svg, .pdf; any other ending is refused). On a white page of
 * the same shape whatever the window's size: the @p title line, the graph,
 * the lines of @p footer (separated by "\n") and the legend of the plots
 * that have a name. Title and lines wrap only between items separated by
 * " · ". A PNG is TK_BERICHT_BREITE pixels wide. The file is replaced only
 * when complete. Returns 0, or a negative code; TK_BerichtGrund() then says
 * why in German.
 */
int TK_BerichtSpeichern(int panel, int control, const char *title, const char *footer, const char *path);
/** Why the last TK_BerichtSpeichern() failed ("Keine Berechtigung", ...); empty after success. */
const char *TK_BerichtGrund(void);
/**
 * Graph: what its menu's "Grafik speichern …" does: @p speichern, so that
 * it writes the same report picture as the program's own menu; null (the
 * default) asks for a file and writes the report picture with the window's
 * title and no lines below.
 */
int TK_GraphSpeichernSetzen(int panel, int control, void (*speichern)(void));
enum { TK_BERICHT_BREITE = 1600 }; ///< pixel width of a PNG report picture
///@}

/** Menu item of a panel's menu bar: greyed out (@p dimmed != 0) or usable, shortcut included. */
int TK_MenuDimmen(int panel, int menuItem, int dimmed);
/** Sets the text of menu item @p menuItem (an '&' marks its mnemonic); 0, or a negative code. */
int TK_MenuText(int panel, int menuItem, const char *text);
/** Shows (1) or hides (0) menu item @p menuItem, shortcut included; 0, or a negative code. */
int TK_MenuZeigen(int panel, int menuItem, int visible);
/** Checks (1) or unchecks (0) a checkable menu item without a menu event; 0, or a negative code. */
int TK_MenuHaken(int panel, int menuItem, int checked);

/** @name Popups */
///@{
/** @p buttonLabel of FileSelectPopup(): a save dialog, or one that opens an existing file. */
enum { TK_KNOPF_SPEICHERN = 1, TK_KNOPF_LADEN = 2 };
/**
 * File dialog: for TK_KNOPF_SPEICHERN a save dialog that asks before
 * overwriting, for TK_KNOPF_LADEN one that opens an existing file. With an
 * empty @p defaultDirectory it opens where the last file of the same
 * @p title was chosen in this run, with that file's name filled in. Returns 0 when nothing was
 * chosen, 1 for an existing file, 2 for a new one, TK_FEHLER_PFAD_ZU_LANG
 * when the path's bytes do not fit @p pathSize (the path is then empty).
 * @p fileTypeList is patterns ("*.png;*.svg") or a named filter
 * ("Kurvendateien (*.txt)"); "Alle Dateien (*)" is always offered too.
 */
int FileSelectPopup(const char *defaultDirectory, const char *defaultFileSpec,
                    const char *fileTypeList, const char *title, int buttonLabel,
                    int restrictDirectory, int restrictExtension, int allowCancel,
                    int allowMakeDirectory, char *path, std::size_t pathSize);
/**
 * Answers a file dialog in place of the user: fills @p path (at most
 * @p size bytes, always NUL-terminated) and returns what FileSelectPopup()
 * would.
 */
typedef int (*TK_DateiAntwort)(const char *title, char *path, std::size_t size);
/**
 * Routes every FileSelectPopup() to @p handler instead of showing a dialog,
 * so that automation chooses the path without anything blocking; null shows
 * the real dialog again.
 */
void TK_DateiauswahlAbfangen(TK_DateiAntwort handler);
///@}

#endif
