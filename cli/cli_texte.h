// What the batch exporter says beyond the messages it forms from the input
// table and the error catalogue.
#ifndef CLI_TEXTE_H
#define CLI_TEXTE_H

inline const char *const CLI_PROGRAMM = "wlr7sinus-export";

inline const char *const CLI_TEXT_HILFE_KOPF =
    "Aufruf: wlr7sinus-export [OPTION]... --output DATEI|-\n"
    "\n"
    "Schreibt die Sinuskurve als Exportdatei, genau wie WLR7-Dovarizuz sie nach\n"
    "denselben Eingaben exportiert. Ohne Option gilt die Vorgabe des Fensters.\n"
    "Optionen gehen als --option WERT oder --option=WERT; \"--\" beendet die\n"
    "Optionen; jede Option gilt nur einmal.\n"
    "\n";

inline const char *const CLI_TEXT_HILFE_FUSS =
    "  --output DATEI    Zieldatei; \"-\" schreibt auf die Standardausgabe\n"
    "  --help            diese Hilfe\n"
    "  --version         Name und Version\n"
    "\n"
    "Zahlen wie im Fenster: Dezimalpunkt oder -komma, Exponent erlaubt (2,5e-3).\n"
    "--peak und --rms sowie --frequency und --period schließen einander aus.\n"
    "Eine vorhandene Datei wird ganz ersetzt oder bleibt, wie sie war.\n"
    "\n"
    "Exit-Code: 0 geschrieben; 1 zu viele Punkte oder Schreibfehler;\n"
    "2 ungültige Eingabe. Bei 1 und 2 bleibt die Zieldatei unberührt.\n";

inline const char *const CLI_TEXT_HILFE_VERWEIS = "Hilfe: ";
inline const char *const CLI_TEXT_AUSGABE_FEHLT = "die Standardausgabe nimmt nichts mehr an.";
inline const char *const CLI_TEXT_OHNE_AUSGABE = "--output fehlt: wohin soll die Kurve geschrieben werden?";
inline const char *const CLI_TEXT_DOPPELT = " geben dieselbe Größe an; bitte nur eine davon.";
inline const char *const CLI_TEXT_PARTNER_UNENDLICH =
    " ergibt für den gekoppelten Wert keine endliche Zahl; bitte einen kleineren Betrag.";

#endif
