// The German texts of the sine curve (see Sinustexte.h).
#include "Sinustexte.h"

const char *const SINUS_TEXT_ZU_VIELE_PUNKTE =
    "Die Kurve besteht aus zu vielen Punkten.\nReduzieren Sie die Perioden oder die\n"
    "Periodendauer oder erhöhen Sie\ndie Zeitbasis.";
const char *const SINUS_TEXT_FEHLER = "Fehler";
const char *const SINUS_TEXT_WARNUNG = "Warnung";
const char *const SINUS_TEXT_ZEITBASIS_FEHLT = "Zeitbasis nicht gefunden";
const char *const SINUS_TEXT_OHNE_GRENZEN = "ohne Grenzen";
const char *const SINUS_TEXT_KEINE_KURVE = "Keine Kurve";
const char *const SINUS_TEXT_EXPORT_TITEL = "Kurve exportieren";
const char *const SINUS_TEXT_PFAD_ZU_LANG = "Pfad zu lang";
const char *const SINUS_TEXT_REFERENZ_TITEL = "Kurve öffnen";
const char *const SINUS_TEXT_REFERENZ_UNLESBAR = "Die Kurvendatei konnte nicht gelesen werden:";
const char *const SINUS_TEXT_REFERENZ_GLEICH = "Byte für Byte der Export der Eingaben";
const char *const SINUS_TEXT_ZEILE_ZU_LANG = "Zeile zu lang";
