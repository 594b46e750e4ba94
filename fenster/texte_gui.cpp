// The texts only the window shows (see Fenstertexte.h).
#include "Fenstertexte.h"

const char *const FENSTER_TEXT_TITEL = "WLR7-Dovarizuz V " WLR7_VERSION;
const char *const FENSTER_TEXT_RUECKGAENGIG = "&Rückgängig";
const char *const FENSTER_TEXT_WIEDERHOLEN = "&Wiederholen";
const char *const FENSTER_TEXT_ZEITBASIS_ANPASSEN = "&Zeitbasis anpassen";
const char *const FENSTER_TEXT_ANLASS_DATEI = "Eingaben aus %s";
const char *const FENSTER_TEXT_FILTER_KURVEN = "Kurvendateien (*.txt)";
const char *const FENSTER_TEXT_FILTER_BILDER = "Grafiken (*.png *.svg *.pdf)";
const char *const FENSTER_TEXT_LEGENDE_KURVE = "Kurve";
const char *const FENSTER_TEXT_LEGENDE_IDEAL = "Ideal";
const char *const FENSTER_TEXT_ACHSE_ZEIT = "Zeit [s]";
const char *const FENSTER_TEXT_ACHSE_WIE_EXPORTIERT = "Zeit [s] wie exportiert";
const char *const FENSTER_TEXT_EXPORT_TITEL = "Kurve exportieren";
const char *const FENSTER_TEXT_REFERENZ_TITEL = "Kurve öffnen";
const char *const FENSTER_TEXT_ENTWURF_TITEL = "Eingaben aus Kurve übernehmen";
const char *const FENSTER_TEXT_BERICHT_TITEL = "Grafik speichern";
const char *const FENSTER_TEXT_BERICHT_FEHLER = "Die Grafik konnte nicht gespeichert werden:\n";
const char *const FENSTER_TEXT_REFERENZ_UNLESBAR = "Die Kurvendatei konnte nicht gelesen werden:";
const char *const FENSTER_TEXT_REFERENZ_ERSETZT =
    "Referenz „%s“ nicht mehr gezeigt: höchstens %d Referenzen zugleich, die älteste macht Platz";
const char *const FENSTER_TEXT_SATZ = "Satz: ";
const char *const FENSTER_TEXT_SATZ_ENTWURF = "Entwurf";
const char *const FENSTER_TEXT_REFERENZ_WEG = "Referenz &%d „%s“ entfernen";
const char *const FENSTER_TEXT_AUS_REFERENZ = "Eingaben aus Referenz über&nehmen";
const char *const FENSTER_TEXT_AUS_NEUESTER = "Eingaben aus Referenz „%s“ über&nehmen";
const char *const FENSTER_TEXT_NICHT_GEFUNDEN = "Datei nicht gefunden";
const char *const FENSTER_TEXT_KEINE_DATEN = "Datei liefert keine Daten, ohne zu warten (keine gewöhnliche Datei)";

// Each line short enough for the message box, so that none wraps and loses
// its indent; a long entry goes on below, indented further.
const char *const FENSTER_TEXT_BEDIENUNG_TITEL = "Tasten und Maus";
const char *const FENSTER_TEXT_BEDIENUNG =
    "Eingaben\n"
    "  Alt + unterstrichener Buchstabe: Feld wählen\n"
    "  Tab, Umschalt+Tab: nächstes, voriges Feld\n"
    "      (Phase [°], Alt+S, nach Exportieren)\n"
    "  Enter oder Feld verlassen: Wert übernehmen\n"
    "  Esc: Eingabe verwerfen\n"
    "  Pfeil auf/ab, Mausrad im Feld: Wert um 1 ändern\n"
    "  Zahlen: Komma oder Punkt, Exponent (2,5e-3)\n"
    "  Vorsatz µ (u), m, k, M: 2,5k = 2500; m milli, M mega\n"
    "  Einheit des Feldes, mit oder ohne Leerzeichen:\n"
    "      V, mV, kV; Hz, kHz, mHz; ms, s, µs; °, deg\n"
    "  Amplitude [V^] auch in Veff, Vrms (Effektivwert)\n"
    "      und Vss, Vpp (Spitze-Spitze)\n"
    "  Zeitbasis, Kurve: Pfeile oder Tippen wählen,\n"
    "      Enter oder Tab übernimmt\n"
    "  die Ziffern 1 bis 4 wählen die Kurve\n"
    "\n"
    "Befehle\n"
    "  Strg+S, Alt+X: Exportieren\n"
    "  Strg+O: Kurvendatei als Referenz öffnen (bis zu 3,\n"
    "      die vierte ersetzt die älteste)\n"
    "  Datei > Referenz 1 bis 3 entfernen: eine davon\n"
    "  mit Referenzen nennt die Statuszeile den Satz mit\n"
    "      dem Entwurf: Kurvennummern, Zeitbasis, Zeilen,\n"
    "      Schleife, Frequenzen und Phasen gegen den Entwurf\n"
    "  Strg+Z: Rückgängig; Strg+Umschalt+Z: Wiederholen\n"
    "  Bearbeiten > Zeitbasis anpassen:\n"
    "      die Zeitbasis, die die Frequenz spielt\n"
    "  Datei > Eingaben aus Kurve übernehmen:\n"
    "      die Eingaben, die eine Datei schreiben\n"
    "  Umschalt+F1 auf einem Feld: Bereich und Einheit\n"
    "  Strg+Q: Beenden; F1: diese Hilfe\n"
    "\n"
    "Grafik\n"
    "  Zeiger über der Kurve: Datenzeile, Zeit,\n"
    "      Wert in % und V ablesen\n"
    "  Rechteck ziehen mit der linken Taste:\n"
    "      Ausschnitt in Zeit und Spannung\n"
    "  Ansicht > Zeitachse wie exportiert (an):\n"
    "      die Zeilen der Datei, je eine Zeitbasis;\n"
    "      aus: die Periode geteilt durch ihre Punkte\n"
    "  Doppelklick, Ansicht > Ganze Kurve: wieder alles\n"
    "  Rechtsklick: Ganze Kurve, Grafik speichern";

const char *const FENSTER_TEXT_UEBER_TITEL = "Über WLR7-Dovarizuz";
const char *const FENSTER_TEXT_UEBER = "WLR7-Dovarizuz " WLR7_VERSION "\n"
                                       "Sinuskurven für den WLR-7 entwerfen und als Kurvendatei exportieren.\n\n"
                                       "© 2026 WLR7-Entwicklung. Alle Rechte vorbehalten.\n"
                                       "Für den Einsatz an den Prüfständen des WLR-7.";
