// What the batch exporter says beyond the messages it forms from the input
// table and the error catalogue.
#ifndef CLI_TEXTE_H
#define CLI_TEXTE_H

inline const char *const CLI_PROGRAMM = "wlr7sinus-export";

inline const char *const CLI_TEXT_HILFE_KOPF =
    "Aufruf: wlr7sinus-export [OPTION]... [--strict] --output DATEI|-\n"
    "        wlr7sinus-export --check DATEI...\n"
    "\n"
    "Schreibt die Sinuskurve als Exportdatei, genau wie WLR7-Dovarizuz sie nach\n"
    "denselben Eingaben exportiert. Ohne Option gilt die Vorgabe des Fensters.\n"
    "Optionen gehen als --option WERT oder --option=WERT; \"--\" beendet die\n"
    "Optionen; jede Option gilt nur einmal.\n"
    "\n";

inline const char *const CLI_TEXT_HILFE_FUSS =
    "  --output DATEI    Zieldatei; \"-\", /dev/stdout und /dev/fd/N schreiben auf den\n"
    "                    Deskriptor, wo er steht\n"
    "  --strict          jede Warnung zur Kurve beendet den Lauf mit Exit-Code 3,\n"
    "                    bevor eine Datei berührt wird\n"
    "  --from DATEI      übernimmt die Eingaben aus einer Kurvendatei; daneben\n"
    "                    gegebene Optionen gelten vor ihr (--umax: Vorgabe 10 V)\n"
    "  --check DATEI...  prüft Kurvendateien (\"-\": Standardeingabe) und nennt jede\n"
    "                    Abweichung als DATEI:ZEILE: Text; keine Kurvenoptionen\n"
    "  --help            diese Hilfe\n"
    "  --version         Name und Version\n"
    "\n"
    "Zahlen wie im Fenster: Dezimalpunkt oder -komma, Exponent erlaubt (2,5e-3).\n"
    "--peak und --rms sowie --frequency und --period schließen einander aus.\n"
    "--timebase auto nimmt die Zeitbasis, die die Frequenz genau spielt (die mit\n"
    "den meisten Punkten je Periode), sonst die ihr nächste, und nennt sie.\n"
    "Eine vorhandene Datei wird ganz ersetzt oder bleibt, wie sie war. Pipes,\n"
    "Sockets und Terminals können nicht rückgängig gemacht werden: was dort\n"
    "ankam, bleibt.\n"
    "Spielt die Datei etwas anderes ab als eingegeben (Frequenz, kein Sinus,\n"
    "grobe Stufen, begrenzte Werte), steht eine Warnung auf der Fehlerausgabe.\n"
    "\n"
    "Exit-Code: 0 geschrieben; 1 zu viele Punkte oder Schreibfehler;\n"
    "2 ungültige Eingabe; 3 Warnung unter --strict. Bei 1, 2 und 3 bleibt eine\n"
    "Zieldatei, wie sie war.\n"
    "Mit --check: 0 ohne Befund; 1 mit Befunden; 2 Datei nicht lesbar.\n";

inline const char *const CLI_TEXT_HILFE_VERWEIS = "Hilfe: ";
inline const char *const CLI_TEXT_WARNUNG = "Warnung: ";
inline const char *const CLI_TEXT_AUSGABE_FEHLT = "die Standardausgabe nimmt nichts mehr an.";
inline const char *const CLI_TEXT_OHNE_AUSGABE = "--output fehlt: wohin soll die Kurve geschrieben werden?";
inline const char *const CLI_TEXT_DOPPELT = " geben dieselbe Größe an; bitte nur eine davon.";
inline const char *const CLI_TEXT_PARTNER_UNENDLICH =
    " ergibt für den gekoppelten Wert keine endliche Zahl; bitte einen kleineren Betrag.";

// Pieces of the messages on options; the option names and values go between them.
inline const char *const CLI_TEXT_EINE_ZEITBASIS = "eine Zeitbasis (";
inline const char *const CLI_TEXT_EINE_KURVE = "eine Kurvennummer von ";
inline const char *const CLI_TEXT_EINE_ZAHL = "eine Zahl ";
inline const char *const CLI_TEXT_VON = "von ";
inline const char *const CLI_TEXT_BIS = " bis ";
inline const char *const CLI_TEXT_VORGABE = "; Vorgabe ";
inline const char *const CLI_TEXT_AUSGABE_ERWARTET = "--output erwartet einen Dateinamen oder \"-\"";
inline const char *const CLI_TEXT_ERWARTET = " erwartet ";
inline const char *const CLI_TEXT_MEHRDEUTIG = "mehrdeutige Option ";
inline const char *const CLI_TEXT_GEMEINT = ": gemeint ist eine von ";
inline const char *const CLI_TEXT_UNBEKANNT = "unbekannte Option ";
inline const char *const CLI_TEXT_MEHRFACH = " ist mehrfach angegeben; jede Option gilt nur einmal.";
inline const char *const CLI_TEXT_WERT_FEHLT = ", es fehlt aber der Wert.";
inline const char *const CLI_TEXT_NICHT = ", nicht ";
inline const char *const CLI_TEXT_NUR_DATEIEN = "--check prüft nur Dateien; --";
inline const char *const CLI_TEXT_NICHT_DAZU = " gehört nicht dazu.";
inline const char *const CLI_TEXT_ARGUMENT = "unerwartetes Argument ";
inline const char *const CLI_TEXT_NUR_OPTIONEN = "; alle Eingaben sind Optionen.";
inline const char *const CLI_TEXT_FEHLER_NR = "Fehler #";
inline const char *const CLI_TEXT_HINWEIS = "Hinweis: ";
inline const char *const CLI_TEXT_AUTO = "auto";
inline const char *const CLI_TEXT_AUTO_KEINE =
    "--timebase auto: keine Zeitbasis ergibt einen Sinus innerhalb der Punktgrenze.";
inline const char *const CLI_TEXT_VON_KEINE_KURVE = ": keine lesbare Kurve (--check nennt die Befunde).";
inline const char *const CLI_TEXT_VON_KEIN_ENTWURF = ": kein Export einer Sinuskurve ergibt diese Werte.";
inline const char *const CLI_TEXT_VON_OFFEN = ": die Werte bestimmen die Periode nicht; genommen: ";
inline const char *const CLI_TEXT_VON_ABWEICHEND = ": die Eingaben exportieren ab Datenzeile ";
inline const char *const CLI_TEXT_NEU = "neu: ";
// --check.
inline const char *const CLI_TEXT_NICHT_GEFUNDEN = "Datei nicht gefunden";
inline const char *const CLI_TEXT_PRUEFEN_OHNE_DATEI = "--check erwartet eine oder mehrere Dateien (\"-\": Standardeingabe).";
inline const char *const CLI_TEXT_STANDARDAUSGABE = "Standardausgabe";

#endif
