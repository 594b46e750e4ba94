/**
 * @file Sinustexte.h
 * @brief The German texts the sine curve shows: messages, the status line's
 *        words and the titles of its dialogs, gathered so that a wording is
 *        changed in one place.
 */
#ifndef SINUSTEXTE_H
#define SINUSTEXTE_H

#include <cstddef>

/** Between a number and its unit, so that a line never breaks there. */
#define SINUS_NBSP "\xc2\xa0"

/** Shown when an input set has too many points. */
extern const char SINUS_TEXT_ZU_VIELE_PUNKTE[];
/** Added to it: the product of samples per period and periods against the
    limit ("16360 Punkte, höchstens 16358"); a literal, so that the compiler
    checks its format. */
#define SINUS_TEXT_PUNKTE_GEGEN_GRENZE "\n\n%.10g Punkte, höchstens %.0f"
/* Texts that carry numbers stand here as literals, so that the compiler
   still checks each format against its arguments. */
/** The status line: data lines against their limit, points per period, step, duration. */
#define SINUS_TEXT_STATUS \
    "%d von %d" SINUS_NBSP "Datenzeilen · %s" SINUS_NBSP "%s je Periode · Schritt %s · Dauer %s"
/** Added to the status line where the file holds other periods than were typed. */
#define SINUS_TEXT_PERIODEN_IN_DATEI " · %.6g" SINUS_NBSP "Perioden in der Datei"
#define SINUS_TEXT_PUNKT "Punkt"
#define SINUS_TEXT_PUNKTE "Punkte"
/** Added to the status line where the file plays another frequency. */
#define SINUS_TEXT_FREQUENZ_IN_DATEI " · Frequenz in der Datei %s" SINUS_NBSP "Hz"
/** Typed text that is no number, and the value that stays. */
#define SINUS_TEXT_KEINE_ZAHL "\u201e%s\u201c ist keine Zahl: %.10g bleibt"
/* A unit the field does not take: the typed text, the field, the units it takes. */
#define SINUS_TEXT_PASST_NICHT "\u201e%s\u201c passt nicht zu %s: %s"
#define SINUS_TEXT_OHNE_EINHEIT "ohne Einheit"
/* What a field's help adds: its units, then the prefixes every number takes. */
#define SINUS_TEXT_HILFE_EINHEITEN "; Einheiten "
#define SINUS_TEXT_HILFE_VORSAETZE "; Vorsätze \u00b5 (u), m, k, M"
/** The warnings of what the rig plays (%s: a space, or a no-break space in a window's line). */
#define SINUS_TEXT_FREQUENZ "Frequenz %s%sHz statt %s%sHz (%s%s%%)"
#define SINUS_TEXT_KEIN_SINUS_LEER "kein Sinus: die Datei enthält keine Werte"
#define SINUS_TEXT_KEIN_SINUS_PUNKTE "kein Sinus: nur %d%s%s je Periode"
#define SINUS_TEXT_KEIN_SINUS_AUFLOESUNG \
    "kein Sinus: Amplitude %s%sV unter der Auflösung der Datei von %s%sV (0.01%s%% von %s%sV)"
#define SINUS_TEXT_KEIN_SINUS_GLEICH "kein Sinus: alle Werte %.2f%s%%"
#define SINUS_TEXT_KEIN_SINUS_ZWEI "kein Sinus: nur die Werte %.2f%s%% und %.2f%s%%"
#define SINUS_TEXT_GROB "grobe Stufen: nur %d%sPunkte je Periode"
#define SINUS_TEXT_EINE_STUFE "Amplitude nur 1 Stufe der Auflösung"
/** The advice added to a warning: the time base that plays the frequency exactly, or comes closest. */
#define SINUS_TEXT_RAT_GENAU "; genau %s%sHz mit Zeitbasis %s (%d%sPunkte je Periode)"
#define SINUS_TEXT_RAT_NAECHSTE "; am nächsten: %s, %s%s%%"
/** What a check notes of a file's period. */
#define SINUS_TEXT_NOTIZ_FREQUENZ "Frequenz %s Hz (%d Punkte je Periode)"
#define SINUS_TEXT_NOTIZ_KEINE_KURVE "keine Sinuskurve des Exports ergibt diese Werte"
#define SINUS_TEXT_NOTIZ_OFFEN "Periode nicht eindeutig"
#define SINUS_TEXT_NOTIZ_NICHT_ERMITTELT "Periode nicht ermittelt: Suche an ihrer Rechengrenze abgebrochen"
/** A file's start phase where no design of phase 0 writes it: one, a range the values leave open, or open with the period. */
#define SINUS_TEXT_NOTIZ_PHASE "Phase %s°"
#define SINUS_TEXT_NOTIZ_PHASE_OFFEN "Phase offen: %s° bis %s°"
#define SINUS_TEXT_NOTIZ_PHASE_MIT_PERIODE "Phase offen wie die Periode"
#define SINUS_TEXT_NOTIZ_PHASE_BEI " bei %d Punkten je Periode"
/** The few P that fit, named after SINUS_TEXT_NOTIZ_OFFEN: " (10 oder 30 Punkte je Periode)". */
#define SINUS_TEXT_NOTIZ_KANDIDATEN_ODER " oder "
#define SINUS_TEXT_NOTIZ_KANDIDATEN_ENDE " Punkte je Periode)"
/** The warning of values at the limits: at 100 % and at 0 %, at one of them, and the lines a design's limits changed. */
#define SINUS_TEXT_BEGRENZT_BEIDE "begrenzt: %d von %d Werten bei 100%s%% und %d bei 0%s%%"
#define SINUS_TEXT_BEGRENZT "begrenzt: %d von %d Werten bei %s%s%%"
#define SINUS_TEXT_BEGRENZT_GEKAPPT ", davon %d gekappt"
/** Inputs taken over from a curve file: how their export compares. */
#define SINUS_TEXT_KEIN_ENTWURF "Keine Eingaben aus %s: %s."
/** Why a file's values give no design: the model proves that none writes them, or the search ended first. */
#define SINUS_TEXT_ENTWURF_KEINER "kein Export einer Sinuskurve ergibt diese Werte"
#define SINUS_TEXT_ENTWURF_ABGEBROCHEN \
    "keinen Entwurf gefunden, der diese Werte schreibt (Suche an ihrer Rechengrenze abgebrochen)"
#define SINUS_TEXT_ENTWURF_GLEICH "Eingaben aus %s übernommen: ihr Export ist Byte für Byte die Datei"
#define SINUS_TEXT_ENTWURF_ABWEICHEND "Eingaben aus %s übernommen: ihr Export weicht ab Datenzeile %d ab"
#define SINUS_TEXT_ENTWURF_OFFEN " · Periode nicht eindeutig: die einfachste passende genommen"
#define SINUS_TEXT_ENTWURF_PHASE_OFFEN " · Phase offen (%s° bis %s°): %s° genommen"
/** A reference's findings in their message: the count, then a line each. */
#define SINUS_TEXT_BEFUNDE_ANZAHL ": %d %s\n"
#define SINUS_TEXT_BEFUND "Befund"
#define SINUS_TEXT_BEFUNDE "Befunde"
#define SINUS_TEXT_BEFUND_ZEILE "\nZeile %d: %s"
#define SINUS_TEXT_WEITERE_BEFUNDE "\n… und %d weitere"
/** A reference in the status line: its name, summary and comparison. */
#define SINUS_TEXT_REFERENZ_ZEILE "Referenz %s: %s · %s"
#define SINUS_TEXT_WEICHT_IM_KOPF_AB "weicht im Kopf ab (Zeile %d)"
#define SINUS_TEXT_WEICHT_AB_DATENZEILE "weicht ab Datenzeile %d vom Export der Eingaben ab"
/* Curves that play together: the set's findings (after the curve's name)
   and its facts. */
#define KURVENSATZ_TEXT_KURVE_DOPPELT "Kurvennummer %d wie %s: das Gerät spielt je Nummer nur eine Kurve"
#define KURVENSATZ_TEXT_ZEITBASIS "Zeitbasis %s, %s hat %s: die Kurven eines Satzes brauchen eine Zeitbasis"
#define KURVENSATZ_TEXT_ZEILEN "%d Datenzeilen, %s hat %d: die Schleifen beginnen nicht gemeinsam neu"
#define KURVENSATZ_TEXT_SCHLEIFE "Schleife %s (%d Datenzeilen \u00d7 %s)"
#define KURVENSATZ_TEXT_SCHLEIFEN_UNGLEICH "Schleifen ungleich lang: die Kurven laufen auseinander"
#define KURVENSATZ_TEXT_SCHLEIFE_UNBEKANNT "Schleife unbekannt: Zeitbasis unbekannt"
#define KURVENSATZ_TEXT_EIGENE_SCHLEIFE "Schleife %s"
#define KURVENSATZ_TEXT_KURVE "Kurve %d"
#define KURVENSATZ_TEXT_KURVE_UNBEKANNT "Kurve unbekannt"
#define KURVENSATZ_TEXT_HZ "%s Hz"
#define KURVENSATZ_TEXT_FREQUENZ_OFFEN "Frequenz offen"
#define KURVENSATZ_TEXT_WIE " wie %s"
#define KURVENSATZ_TEXT_VIELFACH " = %d \u00d7 Frequenz von %s"
#define KURVENSATZ_TEXT_TEIL " = 1/%d der Frequenz von %s"
#define KURVENSATZ_TEXT_BEZUG "Bezug der Phasen"
#define KURVENSATZ_TEXT_PHASE "Phase %+.1f\u00b0"
#define KURVENSATZ_TEXT_PHASE_OFFEN "Phase offen"
/* The findings of the curve-file reader and its summary line. */
#define KURVENDATEI_TEXT_KOMMA ": Komma statt Punkt"
#define KURVENDATEI_TEXT_ZEIT_FORM "Zeit \"%s\" nicht in der Form 0.00000 (fünf Nachkommastellen, Dezimalpunkt)%s"
#define KURVENDATEI_TEXT_ERSTE_ZEIT "erste Zeit ist %s statt 0.00000"
#define KURVENDATEI_TEXT_ZEIT_SCHRITT "Zeit %s statt %s: wächst nicht um die Zeitbasis %s"
#define KURVENDATEI_TEXT_WERT_FORM "Wert \"%s\" nicht in der Form 0.00 (zwei Nachkommastellen, Dezimalpunkt)%s"
#define KURVENDATEI_TEXT_WERT_BEREICH "Wert %s außerhalb von 0 bis 100"
#define KURVENDATEI_TEXT_WERT_FALSCH "Wert passt nicht zur Sinuskurve der übrigen Zeilen (erwartet %d.%02d)"
#define KURVENDATEI_TEXT_ZEITBASIS_UNBEKANNT "unbekannte Zeitbasis \"%s\""
#define KURVENDATEI_TEXT_ZEITBASIS_WECHSEL "Zeitbasis wechselt von %s zu %s"
#define KURVENDATEI_TEXT_KURVE_UNGUELTIG "Kurvennummer \"%s\" ist keine Zahl von %d bis %d"
#define KURVENDATEI_TEXT_KURVE_WECHSEL "Kurvennummer wechselt von %d zu %d"
#define KURVENDATEI_TEXT_ZU_VIELE_DATENZEILEN "mehr als %d Datenzeilen (Punktgrenze): hier endet die Prüfung"
#define KURVENDATEI_TEXT_FELDER "Datenzeile hat %d %s statt %d (durch Tabulator getrennt)"
#define KURVENDATEI_TEXT_FELD "Feld"
#define KURVENDATEI_TEXT_FELDER_MZ "Felder"
#define KURVENDATEI_TEXT_KOPF_ABWEICHEND "Kopfzeile %d weicht ab, erwartet \"%s\""
#define KURVENDATEI_TEXT_KOPF_LEERZEILE "Leerzeile nach dem Kopf fehlt"
#define KURVENDATEI_TEXT_KOPF_FEHLT "Kopfzeile fehlt, erwartet \"%s\""
#define KURVENDATEI_TEXT_ZU_VIELE_ZEILEN "mehr als %d Zeilen, mehr als eine Kurvendatei haben kann: hier endet die Prüfung"
#define KURVENDATEI_TEXT_LEERZEILE_MITTEN "Leerzeile mitten in den Daten"
#define KURVENDATEI_TEXT_LEERZEILE_WEITERE "weitere Leerzeile nach der abschließenden"
#define KURVENDATEI_TEXT_NACH_SCHLUSS "Text nach der abschließenden Leerzeile: hier endet die Prüfung"
#define KURVENDATEI_TEXT_ZEILE_LANG "Zeile länger als %d Zeichen"
#define KURVENDATEI_TEXT_OHNE_ZEILENENDE "letzte Zeile ohne Zeilenende: Datei abgeschnitten"
#define KURVENDATEI_TEXT_BOM "Datei beginnt mit einer Byte-Order-Mark (BOM)"
#define KURVENDATEI_TEXT_CRLF "Zeilenende CR LF (Windows) statt LF"
#define KURVENDATEI_TEXT_ZEICHEN "Zeichen 0x%02X in Spalte %zu ist kein einfacher Text"
#define KURVENDATEI_TEXT_CR "Zeilenende CR ohne LF (altes Mac-Format) statt LF: hier endet die Prüfung"
#define KURVENDATEI_TEXT_ZU_VIELE_BYTES "mehr als %lld Bytes, mehr als eine Kurvendatei haben kann: hier endet die Prüfung"
#define KURVENDATEI_TEXT_LEER "Datei ist leer"
#define KURVENDATEI_TEXT_ENDE_IM_KOPF "Datei endet im Kopf: Datei abgeschnitten?"
#define KURVENDATEI_TEXT_SCHLUSS_FEHLT "abschließende Leerzeile fehlt: Datei abgeschnitten?"
#define KURVENDATEI_TEXT_KEINE_DATEN "keine Datenzeilen: die Datei enthält keine Kurve"
#define KURVENDATEI_TEXT_KEINE_BEFUNDE "keine Befunde"
#define KURVENDATEI_TEXT_BEFUNDE_UNGENANNT "%d Befunde, %d davon nicht aufgeführt"
#define KURVENDATEI_TEXT_BEFUNDE_ANZAHL "%d %s"
#define KURVENDATEI_TEXT_ZUSAMMENFASSUNG "%s; %d Datenzeilen%s, Zeitbasis %s, Kurve %s, Dauer %s"
#define KURVENDATEI_TEXT_OHNE_WERT " (%d ohne lesbaren Wert)"
#define KURVENDATEI_TEXT_NICHT_BEURTEILT "Signal nicht beurteilt: nicht jeder Wert lesbar"
#define KURVENDATEI_TEXT_UNBEKANNT "unbekannt"
/** Room for one formed line of a message. */
const size_t SINUS_ZEILE_GROESSE = 160;
/** Shown when amplitude or offset in % of the maximum voltage is no finite number. */
extern const char SINUS_TEXT_NICHT_ENDLICH[];
/** Put before a refusal's words in the status line. */
extern const char SINUS_TEXT_ABGELEHNT[];
/** Title of the too-many-points message. */
extern const char SINUS_TEXT_FEHLER[];
/** Title and text of the warning for a time-base label missing from the table. */
extern const char SINUS_TEXT_WARNUNG[];
extern const char SINUS_TEXT_ZEITBASIS_FEHLT[];
/** The range of a numeric input that takes any finite number. */
extern const char SINUS_TEXT_OHNE_GRENZEN[];
/** The status line when there is no curve. */
extern const char SINUS_TEXT_KEINE_KURVE[];
/** The status line's word for a reference that is what the inputs export. */
extern const char SINUS_TEXT_REFERENZ_GLEICH[];
/** Reason given when a data line does not fit its area. */
extern const char SINUS_TEXT_ZEILE_ZU_LANG[];
/** Reason given when the chosen path does not fit. */
extern const char SINUS_TEXT_PFAD_ZU_LANG[];

struct Eingabewerte;
struct Sinuskurve;
struct Kurvenanalyse;

/* "30000 auf 20000 begrenzt (0.02 bis 20000 Hz)"; szEinheit may be "". */
void Sinus_BegrenzungText(double dGetippt, double dWert, double dMin, double dMax, const char *szEinheit,
                          char *szText, size_t iGroesse);
/* "Exportiert: NAME (N Zeilen)", NAME being the last part of szPfad. */
void Sinus_ExportText(const char *szPfad, const Sinuskurve *pSinus, char *szText, size_t iGroesse);
/* The report picture's title: maximum voltage, amplitude, offset,
   frequency as typed and, where it differs, as the file plays it, time
   base and curve number. */
void Sinus_BerichtTitel(const Eingabewerte *pEingabe, const Kurvenanalyse *pAnalyse, char *szText, size_t iGroesse);

#endif
