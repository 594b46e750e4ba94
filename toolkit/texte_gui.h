// The German texts the toolkit's GUI shows of its own, gathered so that a
// wording is changed in one place.
#ifndef TOOLKIT_TEXTE_GUI_H
#define TOOLKIT_TEXTE_GUI_H

extern const char *const TK_TEXT_GRAFIK_TIPP;      ///< the graph's tooltip: its mouse actions
extern const char *const TK_TEXT_GANZE_KURVE;      ///< the graph's menu: undo a zoom
extern const char *const TK_TEXT_GRAFIK_SPEICHERN; ///< the graph's menu and the title of its file dialog
extern const char *const TK_TEXT_GRAFIK_FEHLER;    ///< a picture that could not be written, before its path
extern const char *const TK_TEXT_SPANNE;           ///< "%1 %2 bis %3%4": an axis' name, span and unit
extern const char *const TK_TEXT_KEINE_ANZEIGE;    ///< the one line of a start without display
extern const char *const TK_TEXT_FEHLER;           ///< the title of an error message
extern const char *const TK_TEXT_BILDFILTER;       ///< the picture formats a file dialog offers
extern const char *const TK_TEXT_BILD_ENDUNG;      ///< why a picture's name was refused
extern const char *const TK_TEXT_BILD_NICHT_ERZEUGT; ///< why a picture could not be drawn
extern const char *const TK_TEXT_ALLE_DATEIEN;     ///< the file dialog's filter that shows every file

#endif
