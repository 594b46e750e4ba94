/* Identifiers of the panel form wlr7sinus_uir.uir and the callbacks it names. */
#ifndef WLR7SINUS_UIR_H
#define WLR7SINUS_UIR_H

enum { PNLMAIN = 1 }; /* panel number in the form */

enum {
    WLR7UMAX = 2,       /* numeric: maximum output voltage [V] */
    AMPLITUDEDACH = 3,  /* numeric: peak amplitude [V] */
    AMPLITUDEEFF = 4,   /* numeric: RMS amplitude [V] */
    OFFSET = 5,         /* numeric: offset [V] */
    FREQUENZ = 6,       /* numeric: frequency [Hz] */
    PERIODENDAUER = 7,  /* numeric: period duration [ms] */
    ANZAHLPERIODEN = 8, /* numeric: number of periods */
    ZEITBASIS = 9,      /* ring: time base */
    KURVENNUMMER = 10,  /* ring: curve number 1 to 4 */
    SPEICHERN = 11,     /* command button: export */
    GRAPH = 12,         /* graph */
    STATUSZEILE = 13,   /* text: points, time step, duration, the file's frequency */
    WARNZEILE = 14,     /* text: what the rig plays that was not typed; empty when nothing */
    PHASE = 15          /* numeric: start phase [°]; in the tab order after the button */
};

/* Menu bar, its menus and their items; the items carry these ids to Menu_Main. */
enum {
    MENUMAIN = 1,
    DATEI = 2,           /* menu Datei */
    BEENDEN = 3,         /* Datei > Beenden (Ctrl+Q), always the last item of Datei */
    EXPORTIEREN = 4,     /* Datei > Exportieren ... (Ctrl+S), as the button */
    GRAFIKSPEICHERN = 5, /* Datei > Grafik speichern ...: the report picture */
    BEARBEITEN = 6,      /* menu Bearbeiten */
    RUECKGAENGIG = 7,    /* Bearbeiten > Rueckgaengig (Ctrl+Z) */
    WIEDERHOLEN = 8,     /* Bearbeiten > Wiederholen (Ctrl+Shift+Z) */
    ANSICHT = 9,         /* menu Ansicht */
    GANZEKURVE = 10,     /* Ansicht > Ganze Kurve: undoes a zoom */
    HILFE = 11,          /* menu Hilfe */
    BEDIENUNG = 12,      /* Hilfe > Tasten und Maus ... (F1) */
    KURVEOEFFNEN = 13,   /* Datei > Kurve oeffnen ... (Ctrl+O): a curve file as a reference */
    REFERENZENTFERNEN = 14, /* Datei > Referenz entfernen */
    ZEITACHSE = 15,      /* Ansicht > Zeitachse wie exportiert (checkable) */
    UEBER = 16,          /* Hilfe > Ueber WLR7-Dovarizuz ...: version and licence */
    EINGABENAUSKURVE = 17,    /* Datei > Eingaben aus Kurve uebernehmen ...: the design that writes a file */
    EINGABENAUSREFERENZ = 18, /* Datei > Eingaben aus Referenz uebernehmen: the same for the open reference */
    ZEITBASISANPASSEN = 19,   /* Bearbeiten > Zeitbasis anpassen: the time base that plays the frequency */
    REFERENZENTFERNEN1 = 20,  /* Datei > Referenz 1 „name“ entfernen: the oldest reference; shown while there is one */
    REFERENZENTFERNEN2 = 21,  /* the second reference */
    REFERENZENTFERNEN3 = 22   /* the third reference */
};

/* Handle of the main panel PNLMAIN; 0 until main has loaded it. */
extern int gPanelMain;

/* Callbacks the form names; the program hands them to the toolkit by name. */
int Callback_Panel(int panel, int event, void *callbackData, int eventData1, int eventData2);
int Eingabe(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
int Speichern(int panel, int control, int event, void *callbackData, int eventData1, int eventData2);
void Menu_Main(int menuBar, int menuItem, void *callbackData, int panel);

#endif
