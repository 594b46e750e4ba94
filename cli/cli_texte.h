// What the batch exporter says beyond the messages it forms from the input
// table and the error catalogue.
#ifndef CLI_TEXTE_H
#define CLI_TEXTE_H

#include "Sinustexte.h"

inline const char *const CLI_PROGRAMM = "wlr7sinus-export";

inline const char *const CLI_TEXT_HILFE_KOPF =
    "Aufruf: wlr7sinus-export [OPTION]... [--strict] --output DATEI|-\n"
    "        wlr7sinus-export [OPTION]... [--strict] --plan PLAN [--manifest DATEI]\n"
    "        wlr7sinus-export --check DATEI...\n"
    "        wlr7sinus-export --set DATEI DATEI [DATEI [DATEI]]\n"
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
    "  --plan PLAN       schreibt eine Reihe von Kurven nach einer Tabelle mit\n"
    "                    Tabulatoren (\"-\": Standardeingabe): die erste Zeile nennt\n"
    "                    die Spalten (Optionsnamen ohne \"--\" und output), jede\n"
    "                    weitere eine Datei; eine leere Zelle nimmt den Wert der\n"
    "                    Kommandozeile, sonst die Vorgabe; timebase auto wählt je\n"
    "                    Zeile. Der ganze Plan wird geprüft, bevor eine Datei\n"
    "                    berührt wird: Befunde als PLAN:ZEILE: Text\n"
    "  --manifest DATEI  schreibt nach dem Plan je geschriebene Datei eine Zeile:\n"
    "                    Name, alle Eingaben, Datenzeilen, gespielte Frequenz,\n"
    "                    Warnungen und SHA-256\n"
    "  --from DATEI      übernimmt die Eingaben aus einer Kurvendatei; daneben\n"
    "                    gegebene Optionen gelten vor ihr (--umax: Vorgabe 10 V)\n"
    "  --check DATEI...  prüft Kurvendateien (\"-\": Standardeingabe) und nennt jede\n"
    "                    Abweichung als DATEI:ZEILE: Text; keine Kurvenoptionen\n"
    "  --set DATEI...    prüft 2 bis 4 Kurvendateien als Satz, den ein Gerät\n"
    "                    zusammen spielt: erst jede wie --check, dann als DATEI:\n"
    "                    Text, was nicht zusammenpasst (Kurvennummer doppelt,\n"
    "                    andere Zeitbasis, andere Zahl von Datenzeilen: die\n"
    "                    Schleifen beginnen nicht gemeinsam neu), dann mit\n"
    "                    \"Satz: \" die Dauer der Schleife und je Datei Frequenz\n"
    "                    (ganze Verhältnisse benannt) und Phase gegen die erste\n"
    "  --help            diese Hilfe\n"
    "  --version         Name und Version\n"
    "\n"
    "Zahlen wie im Fenster: Dezimalpunkt oder -komma, Exponent erlaubt (2,5e-3),\n"
    "auch mit Vorsatz µ (oder u), m, k, M, genau gelesen: 2,5k ist 2500, m ist\n"
    "milli, M ist mega. Dazu die Einheiten, die bei jeder Option stehen, mit\n"
    "oder ohne Leerzeichen (0,2s, 500 mV, 50mHz); --peak nimmt auch den\n"
    "Effektivwert (3,54Veff oder Vrms) und Spitze-Spitze (7Vss oder Vpp).\n"
    "--peak und --rms sowie --frequency und --period schließen einander aus.\n"
    "--timebase auto nimmt die Zeitbasis, die die Frequenz genau spielt (die mit\n"
    "den meisten Punkten je Periode), sonst die ihr nächste, und nennt sie; über\n"
    "6667 Hz (unter 3 Punkten je Periode bei 50us) gibt es keine.\n"
    "Eine vorhandene Datei wird ganz ersetzt oder bleibt, wie sie war. Pipes,\n"
    "Sockets und Terminals können nicht rückgängig gemacht werden: was dort\n"
    "ankam, bleibt.\n"
    "Spielt die Datei etwas anderes ab als eingegeben (Frequenz, ohne Toleranz;\n"
    "kein Sinus, grobe Stufen, begrenzte Werte), steht eine Warnung auf der\n"
    "Fehlerausgabe.\n"
    "\n"
    "Exit-Code: 0 geschrieben; 1 zu viele Punkte oder Schreibfehler;\n"
    "2 ungültige Eingabe; 3 Warnung unter --strict. Bei 1, 2 und 3 bleibt eine\n"
    "Zieldatei, wie sie war.\n"
    "Mit --plan: 2 Befunde im Plan, 3 Warnungen unter --strict, beide bevor eine\n"
    "Datei berührt wird; 1 eine Datei nicht geschrieben: die geschriebenen sind\n"
    "ganz und stehen im Manifest, die übrigen bleiben, wie sie waren.\n"
    "Mit --check: 0 ohne Befund; 1 mit Befunden; 2 Datei nicht lesbar.\n"
    "Mit --set: 0 ohne Befund; 1 Befunde in einer Datei oder im Satz; 2 weniger\n"
    "als 2 oder mehr als 4 Dateien oder eine Datei nicht lesbar.\n";

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
inline const char *const CLI_TEXT_DATEI_ERWARTET = " erwartet einen Dateinamen oder \"-\"";
inline const char *const CLI_TEXT_ERWARTET = " erwartet ";
inline const char *const CLI_TEXT_MEHRDEUTIG = "mehrdeutige Option ";
inline const char *const CLI_TEXT_GEMEINT = ": gemeint ist eine von ";
inline const char *const CLI_TEXT_UNBEKANNT = "unbekannte Option ";
inline const char *const CLI_TEXT_MEHRFACH = " ist mehrfach angegeben; jede Option gilt nur einmal.";
inline const char *const CLI_TEXT_WERT_FEHLT = ", es fehlt aber der Wert.";
inline const char *const CLI_TEXT_NICHT = ", nicht ";
inline const char *const CLI_TEXT_PASST_NICHT = " passt nicht zu ";
inline const char *const CLI_TEXT_OHNE_EINHEIT = "ohne Einheit";
inline const char *const CLI_TEXT_EINHEITEN = "Einheiten: ";
inline const char *const CLI_TEXT_NUR_DATEIEN = "--check prüft nur Dateien; --";
inline const char *const CLI_TEXT_NICHT_DAZU = " gehört nicht dazu.";
inline const char *const CLI_TEXT_ARGUMENT = "unerwartetes Argument ";
inline const char *const CLI_TEXT_NUR_OPTIONEN = "; alle Eingaben sind Optionen.";
inline const char *const CLI_TEXT_FEHLER_NR = "Fehler #";
inline const char *const CLI_TEXT_HINWEIS = "Hinweis: ";
inline const char *const CLI_TEXT_AUTO = "auto";
inline const char *const CLI_TEXT_AUTO_KEINE = ": keine Zeitbasis ergibt einen Sinus innerhalb der Punktgrenze.";
inline const char *const CLI_TEXT_AUTO_GENAU = ", genau (";
inline const char *const CLI_TEXT_AUTO_NAECHSTE = ", am nächsten: ";
inline const char *const CLI_TEXT_PUNKTE_JE_PERIODE = " Punkte je Periode)";
inline const char *const CLI_TEXT_ZWEIMAL_EINGABE =
    "--from - und --plan - lesen beide die Standardeingabe; bitte nur eines.";
inline const char *const CLI_TEXT_VON_BEFUNDE = ": die Datei hat Befunde (oben); aus ihr wird kein Entwurf genommen.";
inline const char *const CLI_TEXT_VON_KEINE_KURVE = ": keine lesbare Kurve (--check nennt die Befunde).";
inline const char *const CLI_TEXT_VON_KEIN_ENTWURF = ": " SINUS_TEXT_ENTWURF_KEINER ".";
inline const char *const CLI_TEXT_VON_NICHT_GEFUNDEN = ": " SINUS_TEXT_ENTWURF_ABGEBROCHEN ".";
inline const char *const CLI_TEXT_VON_OFFEN = ": die Werte bestimmen die Periode nicht; genommen: ";
inline const char *const CLI_TEXT_VON_ABWEICHEND = ": die Eingaben exportieren ab Datenzeile ";
inline const char *const CLI_TEXT_NEU = "neu: ";
// A series whose folders could not be synced at its end: the files are whole, their renames may not last.
inline const char *const CLI_TEXT_ORDNER_SYNC =
    "die Ordner der geschriebenen Dateien ließen sich nicht auf die Platte bringen: ";
// --check.
inline const char *const CLI_TEXT_NICHT_GEFUNDEN = "Datei nicht gefunden";
inline const char *const CLI_TEXT_PRUEFEN_OHNE_DATEI =
    "--check erwartet eine oder mehrere Dateien (\"-\": Standardeingabe).";
inline const char *const CLI_TEXT_STANDARDAUSGABE = "Standardausgabe";
// --set.
inline const char *const CLI_TEXT_SATZ = "Satz: ";
inline const char *const CLI_TEXT_SATZ_OHNE_BEFUND = "keine Befunde";
inline const char *const CLI_TEXT_SATZ_ANZAHL =
    "--set erwartet 2 bis 4 Kurvendateien, die ein Gerät zusammen spielt (Kurven 1 bis 4).";
inline const char *const CLI_TEXT_SATZ_EINGABE_ZWEIMAL =
    "--set: \"-\" (Standardeingabe) steht mehr als einmal; sie hält nur eine Datei.";
inline const char *const CLI_TEXT_SATZ_NUR_DATEIEN = "--set prüft nur Dateien; --";
inline const char *const CLI_TEXT_PRUEFEN_ODER_SATZ =
    "--check und --set schließen einander aus: --set prüft jede Datei wie --check und dazu den Satz.";

// Combinations of options.
inline const char *const CLI_TEXT_PLAN_OHNE_AUSGABE =
    "--plan und --output schließen einander aus: jede Zeile des Plans nennt ihre Datei in der Spalte output.";
inline const char *const CLI_TEXT_MANIFEST_OHNE_PLAN = "--manifest gehört zu --plan: es nennt die Dateien eines Plans.";

// A series plan. Findings read "PLAN:LINE: text"; the pieces go around names and values.
inline const char *const CLI_TEXT_SPALTE = "Spalte ";
inline const char *const CLI_TEXT_PLAN_UNLESBAR = "Plan nicht lesbar – ";
inline const char *const CLI_TEXT_PLAN_ZU_GROSS = "mehr als 64 MB; ein Plan ist eine Tabelle mit einer Zeile je Kurve";
inline const char *const CLI_TEXT_PLAN_LEER =
    "leer: die erste Zeile nennt die Spalten (umax, peak, rms, offset, frequency, period, periods, timebase, curve, "
    "output).";
inline const char *const CLI_TEXT_PLAN_OHNE_ZEILEN = "keine Zeile mit einer Kurve.";
inline const char *const CLI_TEXT_SPALTE_UNBEKANNT = "unbekannte Spalte ";
inline const char *const CLI_TEXT_SPALTEN_SIND = "; Spalten sind ";
inline const char *const CLI_TEXT_SPALTE_DOPPELT = " steht zweimal in der Kopfzeile.";
inline const char *const CLI_TEXT_SPALTE_AUSGABE_FEHLT = "Spalte output fehlt: jede Zeile nennt ihre Zieldatei.";
inline const char *const CLI_TEXT_ZELLE_OHNE_SPALTE = " steht in einer Spalte ohne Namen (Spalte ";
inline const char *const CLI_TEXT_ZEILE_AUSGABE_FEHLT = "output fehlt: wohin soll die Kurve dieser Zeile?";
inline const char *const CLI_TEXT_AUSGABE_STROM =
    "output \"-\" gehört nicht in einen Plan: jede Zeile schreibt eine Datei.";
inline const char *const CLI_TEXT_AUSGABE = "output ";
inline const char *const CLI_TEXT_STEHT_SCHON = " steht schon in Zeile ";
inline const char *const CLI_TEXT_NUR_EINMAL = "; jede Datei nur einmal.";
inline const char *const CLI_TEXT_IST_MANIFEST = " ist die Datei von --manifest.";
inline const char *const CLI_TEXT_IST_PLAN = " ist der Plan selbst.";
inline const char *const CLI_TEXT_PLAN_NUL = "Zeile enthält ein NUL-Byte; ein Plan ist Text.";
inline const char *const CLI_TEXT_MANIFEST_IST_PLAN =
    "--manifest und --plan nennen dieselbe Datei; der Plan bliebe nicht.";
inline const char *const CLI_TEXT_ORDNER_FEHLT = ": den Ordner gibt es nicht.";
inline const char *const CLI_TEXT_AUSGABE_LEERRAUM =
    " beginnt oder endet mit Leerraum; bitte den Dateinamen ohne ihn schreiben.";
inline const char *const CLI_TEXT_AUSGABE_NUR_LESEN = " ist kein zum Schreiben offener Deskriptor.";
inline const char *const CLI_TEXT_MANIFEST_ORDNER = " ist ein Ordner; das Manifest ist eine Datei.";
inline const char *const CLI_TEXT_MANIFEST_NICHT_SCHREIBBAR = ": der Ordner nimmt keine neue Datei an (";
inline const char *const CLI_TEXT_WARNUNGEN_TRENNER = " | ";
inline const char *const CLI_TEXT_PLAN_FEHLERHAFT = "%s: %d %s mit Fehlern; keine Datei geschrieben.";
inline const char *const CLI_TEXT_PLAN_WARNUNGEN = "%s: %d %s mit Warnungen; unter --strict keine Datei geschrieben.";
inline const char *const CLI_TEXT_ZEILE_EINS = "Zeile";
inline const char *const CLI_TEXT_ZEILE_MEHR = "Zeilen";
inline const char *const CLI_TEXT_PLAN_ABGEBROCHEN =
    "%d von %d Dateien geschrieben, dann abgebrochen; jede geschriebene ist ganz, die übrigen sind unberührt.";
inline const char *const CLI_TEXT_PLAN_ANGEHALTEN =
    "%d von %d Dateien geschrieben, dann angehalten (SIG%s); jede geschriebene ist ganz und steht im Manifest, die "
    "übrigen sind unberührt.";
inline const char *const CLI_TEXT_FORTSCHRITT = "\r%s: Datei %d von %d";
inline const char *const CLI_TEXT_MANIFEST_FEHLER = "Manifest nicht geschrieben – ";
inline const char *const CLI_TEXT_MANIFEST_PLAN = "# Plan: ";
inline const char *const CLI_TEXT_STANDARDEINGABE = "Standardeingabe";

#endif
