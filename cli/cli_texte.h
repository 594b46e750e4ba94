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
    "  --check DATEI...  prüft Kurvendateien (\"-\": Standardeingabe) und nennt jede\n"
    "                    Abweichung als DATEI:ZEILE: Text; keine Kurvenoptionen\n"
    "  --help            diese Hilfe\n"
    "  --version         Name und Version\n"
    "\n"
    "Zahlen wie im Fenster: Dezimalpunkt oder -komma, Exponent erlaubt (2,5e-3).\n"
    "--peak und --rms sowie --frequency und --period schließen einander aus.\n"
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

#endif
