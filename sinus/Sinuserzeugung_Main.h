/* The sine curve's core: input and curve records, time base, derivation,
   generation, coupling and the export writer, without any panel. The
   panel-facing steps are in Sinuserzeugung_gui.h. */
#ifndef SINUSERZEUGUNG_MAIN_H
#define SINUSERZEUGUNG_MAIN_H

#include <cstddef>
#include <cstdint>

#include "Sinustexte.h"

/* The last accepted values of the nine input controls, in the user's units. */
struct Eingabewerte {
    double dUmax;           /* V */
    double dAmplitudeDach;  /* V, peak */
    double dAmplitudeEff;   /* V, RMS */
    double dOffset;         /* V */
    double dFrequenz;       /* Hz */
    double dPeriodendauer;  /* ms */
    double dAnzahlPerioden; /* periods, may be fractional */
    double dPhase;          /* degrees, the sine's angle at the first sample */
    int32_t iZeitbasisIndex;
    char szZeitbasis[20];   /* label of the selected time base, e.g. "10ms" */
    int32_t iKurvennummer;  /* 1 to 4 */
};

/* What follows from the inputs, in percent of the maximum voltage. */
struct Sinuskurve {
    double dFaktor;            /* % per V */
    double dAmplitude;         /* % */
    double dOffset;            /* % */
    double dPeriodendauer;     /* ms */
    int32_t iPunkteProPeriode; /* >= 1 */
    double dPerioden;
    double dPhase;             /* degrees, the sine's angle at the first sample */
    int32_t iAnzahlPunkte;     /* values in pdWerte */
    double *pdWerte;           /* N + 2 samples in % */
};

/* Largest accepted product of samples per period and number of periods. */
constexpr double MAX_KURVENPUNKTE = 16358.0;

/* Error codes raised here. */
enum {
    SINUS_FEHLER_SPEICHER = -600201,
    SINUS_FEHLER_OEFFNEN = -308202,
    SINUS_FEHLER_KOPF = -301203,
    SINUS_FEHLER_DATEN = -301204,
    SINUS_FEHLER_SCHLUSS = -301205,
    SINUS_FEHLER_ABSCHLUSS = -301206 /* sync, close or rename of a written file */
};


/* Time base table. A label missing from it counts as 1 ms
   (ZEITBASIS_ERSATZ_MS); Zeitbasis_Ms decides that for every caller, and
   the window says so (Zeitbasis_Ermitteln). */
constexpr double ZEITBASIS_ERSATZ_MS = 1.0;
double Zeitbasis_Ms(const char *szZeitbasis);
int Zeitbasis_Suchen(const char *szZeitbasis, double *pdMillisekunden); /* 1 found, 0 not */
int Zeitbasis_Anzahl(void);
constexpr int ZEITBASIS_ANZAHL = 17; /* entries of the table, which holds it to this */
const char *Zeitbasis_Label(int iIndex);

/* Pure computations on the records, without a panel. */
int Sinus_Runden(double dWert); /* half up, truncated, at least 1 */
void Sinus_Ableiten(const Eingabewerte *pEingabe, double dZeitbasisMs, Sinuskurve *pSinus);
int Sinus_PunkteZulaessig(const Sinuskurve *pSinus);
/* 1 when amplitude and offset in % are finite numbers; an infinite one
   would turn into values the sine does not have (100 % at its zeros). */
int Sinus_WerteEndlich(const Sinuskurve *pSinus);
int Sinus_AnzahlWerte(const Sinuskurve *pSinus);
/* Where the generator starts the wave of the start angle dPhaseGrad
   (degrees), in cycles from 0 up to below 1: 0 for 0 and every whole turn,
   so that a curve without a phase writes its samples from exactly 0. */
double Sinus_StartZyklen(double dPhaseGrad);
void Sinus_WerteFuellen(const Sinuskurve *pSinus, double *pdWerte, int iAnzahl);
/* Resizes the sample array of pSinus to the count its parameters give and
   fills it; 0, or SINUS_FEHLER_SPEICHER with iAnzahlPunkte 0 (the old
   block stays owned by pSinus). */
int Sinus_Erzeugen(Sinuskurve *pSinus);
double Sinus_EffAusDach(double dDach);
double Sinus_DachAusEff(double dEff);
double Sinus_PeriodeAusFrequenz(double dFrequenz);
double Sinus_FrequenzAusPeriode(double dPeriodeMs);
/* The limits 0 and 100 %: whether the curve reaches past the upper and the
   lower one, and the stretches [von, bis] of consecutive values held at a
   limit (iOben 1 at 100 %, 0 at 0 %); returns their number, filling at
   most iMax. */
int Sinus_GrenzeOben(const Sinuskurve *pSinus);
int Sinus_GrenzeUnten(const Sinuskurve *pSinus);
int Sinus_BegrenzteStrecken(const Sinuskurve *pSinus, int *piVon, int *piBis, int *piOben, int iMax);
/* The status line: points against the limit, points per period, time step
   and duration as exported, and the file's frequency where it is not the
   typed one (pAnalyse from Analyse_Kurve). */
struct Kurvenanalyse;
void Sinus_StatusText(const Sinuskurve *pSinus, const Kurvenanalyse *pAnalyse, char *szText, size_t iGroesse);

/* What the graph shows: which elements of pdWerte, how far apart in
   seconds, and where the ideal sine as typed lies in the same x units
   (samples shown: x = 0 is the first shown element). */
struct Zeitachse {
    int32_t iErster;       /* first element of pdWerte shown */
    int32_t iAnzahl;       /* elements shown */
    double dSchrittS;      /* seconds from one shown element to the next */
    double dIdealNullX;    /* x of the wave's first sample, where the ideal sine stands at the start phase */
    double dIdealPeriodeX; /* the ideal sine's period in x */
};
/* As designed (the period divided by its samples) or, for bWieExportiert,
   as the file holds it (its data lines, one time base apart). */
void Sinus_Zeitachse(const Sinuskurve *pSinus, double dZeitbasisMs, int bWieExportiert, Zeitachse *pAchse);
/* The ideal sine as typed, unclipped, in %, at equal steps (*pdSchrittX)
   from x = dIdealNullX, where it stands at the start phase, to the last shown
   element; at most iMax values; returns their number (0: none). */
int Sinus_Ideal(const Sinuskurve *pSinus, const Zeitachse *pAchse, double *pdWerte, int iMax, double *pdSchrittX);
/* The readout of shown element iIndex in the file's terms: data line,
   time, value in % and in V. */
void Sinus_Ablesung(const Sinuskurve *pSinus, const Zeitachse *pAchse, double dZeitbasisMs, int iIndex, char *szText,
                    size_t iGroesse);

/* Compares the curve file open on iDatei with what Sinus_ExportSchreiben
   would write for pEingabe and pSinus: 1 byte for byte the same, 0 when it
   differs (*piZeile: the first line, from 1, that differs), or minus the
   errno of a failed read. */
int Sinus_ExportVergleichen(int iDatei, const Eingabewerte *pEingabe, const Sinuskurve *pSinus, int *piZeile);

/* Why an export failed, for the line under its error code: the reason and
   the path, such as "Datei zu groß: /pfad/k.txt". Owned by the caller. */
enum { SINUS_GRUND_GROESSE = 300 };
struct Exportgrund {
    char szText[SINUS_GRUND_GROESSE];
};

/* Writes the export file of pSinus's samples with the time base and curve
   number of pEingabe to szPfad ("-": standard output). Returns 0 when the
   file is whole on disk, else the error code of the step that failed
   (SINUS_FEHLER_...); the reason and the path go into *pGrund when it is
   not null (untouched on success). */
int Sinus_ExportSchreiben(const char *szPfad, const Eingabewerte *pEingabe, const Sinuskurve *pSinus,
                          Exportgrund *pGrund = nullptr);
/* The export file formed in memory: its bytes and where its parts end
   (header, data lines, closing line), each written with its own error code. */
struct Exporttext {
    char *pBytes;
    size_t iKopf, iDaten, iLaenge;
};
/* The two halves of Sinus_ExportSchreiben, for a caller that needs the
   bytes themselves (a series' checksums): forms the file of pSinus and
   pEingabe into pText, and writes a formed file to szPfad exactly as
   Sinus_ExportSchreiben does; each returns 0 or an error code, with the
   reason for szPfad in *pGrund when it is not null.
   Sinus_ExportTextFreigeben frees the bytes. */
int Sinus_ExportBilden(const char *szPfad, const Eingabewerte *pEingabe, const Sinuskurve *pSinus, Exporttext *pText,
                       Exportgrund *pGrund = nullptr);
int Sinus_ExportAblegen(const char *szPfad, const Exporttext *pText, Exportgrund *pGrund = nullptr);
void Sinus_ExportTextFreigeben(Exporttext *pText);
/* Frees the sample array of pSinus. */
void Sinus_KurveFreigeben(Sinuskurve *pSinus);

#endif
