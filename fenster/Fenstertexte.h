/**
 * @file Fenstertexte.h
 * @brief The texts only the window shows: menu items, dialog titles, file
 *        filters, the graph's names, help and "about". The texts the
 *        exporter shares stay in the core's Sinustexte.h.
 */
#ifndef FENSTERTEXTE_H
#define FENSTERTEXTE_H

extern const char *const FENSTER_TEXT_TITEL;            ///< the window's title, with the version
extern const char *const FENSTER_TEXT_RUECKGAENGIG;     ///< menu item, followed by ": " and what it undoes
extern const char *const FENSTER_TEXT_WIEDERHOLEN;      ///< menu item, followed by ": " and what it redoes
extern const char *const FENSTER_TEXT_ZEITBASIS_ANPASSEN; ///< menu item, followed by ": " and the time base
extern const char *const FENSTER_TEXT_ANLASS_DATEI;     ///< an undo step that took over a file's design; %s: its name
extern const char *const FENSTER_TEXT_FILTER_KURVEN;    ///< the file dialogs' filter of curve files
extern const char *const FENSTER_TEXT_FILTER_BILDER;    ///< the file dialog's filter of report pictures
extern const char *const FENSTER_TEXT_LEGENDE_KURVE;    ///< the legend's name of the designed curve
extern const char *const FENSTER_TEXT_LEGENDE_IDEAL;    ///< the legend's name of the ideal sine
extern const char *const FENSTER_TEXT_ACHSE_ZEIT;       ///< x axis title as designed
extern const char *const FENSTER_TEXT_ACHSE_WIE_EXPORTIERT; ///< x axis title as exported
extern const char *const FENSTER_TEXT_EXPORT_TITEL;     ///< title of the export dialog
extern const char *const FENSTER_TEXT_REFERENZ_TITEL;   ///< title of the dialog and message of a reference
extern const char *const FENSTER_TEXT_ENTWURF_TITEL;    ///< title of the take-over's dialog and message
extern const char *const FENSTER_TEXT_BERICHT_TITEL;    ///< title of the report picture's dialog
extern const char *const FENSTER_TEXT_BERICHT_FEHLER;   ///< a report picture not written, followed by path and reason
extern const char *const FENSTER_TEXT_REFERENZ_UNLESBAR; ///< a curve file not read, followed by reason and path
extern const char *const FENSTER_TEXT_REFERENZ_ERSETZT;  ///< the oldest reference made way: its name, the most shown
extern const char *const FENSTER_TEXT_SATZ;            ///< the status line's set of the design and its references
extern const char *const FENSTER_TEXT_SATZ_ENTWURF;    ///< how the set names the design
extern const char *const FENSTER_TEXT_REFERENZ_WEG;      ///< menu item that removes one: its number, its name
extern const char *const FENSTER_TEXT_AUS_REFERENZ;      ///< the take-over from the reference
extern const char *const FENSTER_TEXT_AUS_NEUESTER;      ///< the same beside several: the newest's name
extern const char *const FENSTER_TEXT_NICHT_GEFUNDEN;   ///< reason: no file of that name
extern const char *const FENSTER_TEXT_KEINE_DATEN;      ///< reason: a file that has no data without waiting
extern const char *const FENSTER_TEXT_BEDIENUNG_TITEL;  ///< Hilfe > Tasten und Maus
extern const char *const FENSTER_TEXT_BEDIENUNG;        ///< what the keys and the mouse do
extern const char *const FENSTER_TEXT_UEBER_TITEL;      ///< Hilfe > Über
extern const char *const FENSTER_TEXT_UEBER;            ///< version and licence

#endif
