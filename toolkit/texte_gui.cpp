// The German texts of the toolkit's GUI (see texte_gui.h).
#include "texte_gui.h"

const char *const TK_TEXT_GRAFIK_TIPP =
    "Rechteck ziehen: Ausschnitt vergrößern \u2013 Doppelklick: ganze Kurve \u2013 Rechtsklick: Menü";
const char *const TK_TEXT_GANZE_KURVE = "Ganze Kurve";
const char *const TK_TEXT_GRAFIK_SPEICHERN = "Grafik speichern";
const char *const TK_TEXT_GRAFIK_FEHLER = "Die Grafik konnte nicht gespeichert werden:\n";
const char *const TK_TEXT_SPANNE = "%1 %2 bis %3%4";
const char *const TK_TEXT_KEINE_ANZEIGE = "Keine grafische Anzeige gefunden; das Fenster kann nicht geöffnet werden.";
const char *const TK_TEXT_FEHLER = "Fehler";
const char *const TK_TEXT_BILDFILTER = "*.png;*.svg;*.pdf";
const char *const TK_TEXT_BILD_ENDUNG = "Der Dateiname muss auf .png, .svg oder .pdf enden";
const char *const TK_TEXT_BILD_NICHT_ERZEUGT = "Das Bild konnte nicht erzeugt werden";
const char *const TK_TEXT_ALLE_DATEIEN = "Alle Dateien (*)";
