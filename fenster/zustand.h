/**
 * @file zustand.h
 * @brief The window's state beside the two records gEingabe and gSinus:
 *        everything the window holds. An input, an undo step, a reference
 *        or a take-over changes it; Fenster_Darstellen() then derives all
 *        that is shown from it. The history functions here touch nothing
 *        but the record.
 */
#ifndef FENSTER_ZUSTAND_H
#define FENSTER_ZUSTAND_H

#include "Kurvensatz.h"
#include "Sinusanalyse.h"
#include "Sinuserzeugung_Main.h"
#include "kurvendatei.h"

#include <cstddef>

/** Room for a message that names a path (PATH_MAX) and its reason. */
const std::size_t FENSTER_PFAD_GROESSE = 4096;
/** Room for the status line's notes (a refusal, a design taken over, an export). */
const std::size_t FENSTER_HINWEIS_GROESSE = 600;
/** Room for what a step of the history names as its cause ("Eingaben aus ref.txt"). */
const std::size_t FENSTER_ANLASS_GROESSE = 80;
/** Steps the history keeps, the current one included. */
enum { FENSTER_VERLAUF_GROESSE = 128 };
/** Curve files shown at once as references; one more replaces the oldest. */
enum { FENSTER_REFERENZEN_MAX = 3 };

/**
 * One curve file shown as a reference: what was read of it, where it came
 * from, and its bytes as read, against which each commit's export is
 * compared. Everything shown of it (plot, legend, status, menu) is derived
 * from this record.
 */
struct Referenz {
    Kurvendatei datei;                  ///< as read, its wrong values checked as the checker names them
    char szPfad[FENSTER_PFAD_GROESSE];  ///< its path as opened; Fenster_Dateiname() of it names it
    int iKopie;                         ///< its bytes as read, in memory (a descriptor), owned while shown
    Satzkurve satz;                     ///< what the set with the design needs of it, taken when read (its name unset)
    int iStil;                          ///< its colour and line, 0 to FENSTER_REFERENZEN_MAX - 1, kept while shown
};

/** One step of the undo history: the accepted inputs, and what made them where it was more than one input. */
struct Verlaufsstufe {
    Eingabewerte eingabe;
    char szAnlass[FENSTER_ANLASS_GROESSE];  ///< "" for a commit of one field
};

/** The undo history: a ring of steps, the oldest dropped beyond FENSTER_VERLAUF_GROESSE. */
struct Verlauf {
    Verlaufsstufe aStufen[FENSTER_VERLAUF_GROESSE];  ///< oldest at iAnfang
    int iAnfang;
    int iAnzahl;    ///< steps held
    int iPosition;  ///< the current step, 0 to iAnzahl - 1
};

/** What the graph was drawn from: where it is unchanged (a note, an export, a refused text) the graph
    is left as it is, its zoom included. Compared whole, padding zeroed. */
struct Graphstand {
    const double *pdWerte;
    double dFaktor, dAmplitude, dOffset, dPeriodendauer, dPerioden, dPhase, dZeitbasisMs;
    int iAnzahlPunkte, iPunkteProPeriode, bWieExportiert, iReferenzen, iReferenzStand;
};

struct Fensterzustand {
    Kurvenanalyse analyse;  ///< what the drawn curve plays
    Zeitachse achse;        ///< the time axis it is drawn on (derived when drawn)
    int bWieExportiert;     ///< the time axis as exported; holds for the run
    int iErzeugung;         ///< code of the last generation: 0 or SINUS_FEHLER_SPEICHER
    char szHinweis[FENSTER_HINWEIS_GROESSE]; ///< notes for the status line until the next change; "" else
    Verlauf verlauf;        ///< undo and redo
    int iReferenzen;        ///< references shown, 0 to FENSTER_REFERENZEN_MAX
    Referenz aReferenzen[FENSTER_REFERENZEN_MAX]; ///< the first iReferenzen of them, oldest first, newest last
    int iReferenzStand;     ///< counts the changes of the references, so that they are drawn anew
    int bGraphGezeichnet;   ///< the graph shows gezeichnet; 0 on a new panel
    Graphstand gezeichnet;  ///< what the graph shows
    Kurvendatei gelesen;    ///< scratch of a file being read (a take-over, a new reference)
};

extern Fensterzustand gFenster;

/* Notes and advice (zustand.cpp). */
/** Forgets the notes: a new change begins. */
void Fenster_HinweisLeeren(void);
/** Adds @p szText as a line of its own to the notes. */
void Fenster_Hinweis(const char *szText);

/** The time base Bearbeiten > Zeitbasis anpassen would set (its index in the table), or -1 where
    there is none: the curve plays the typed frequency, or no other time base comes closer. */
int Fenster_ZeitbasisRat(void);

/* The undo history (verlauf.cpp). */
/** 1 when both hold the same inputs, input by input of the input table. */
int Fenster_EingabenGleich(const Eingabewerte *pA, const Eingabewerte *pB);
/** Forgets every step. */
void Fenster_VerlaufLeeren(void);
/** Records @p pEingabe as the new current step, made by @p szAnlass ("" or null: one input); the steps
    after the current one (those that redo would bring back) are dropped. */
void Fenster_VerlaufMerken(const Eingabewerte *pEingabe, const char *szAnlass);
/** The current step into @p pEingabe; 0 when the history is empty. */
int Fenster_VerlaufAktuell(Eingabewerte *pEingabe);
/** The step undo (@p iRichtung -1) or redo (+1) would go to, without moving, or the current one (0);
    null when there is none. */
const Verlaufsstufe *Fenster_VerlaufNachbar(int iRichtung);
/** Moves one step back (-1) or forward (+1) and copies that step into @p pEingabe; 0 when there is none. */
int Fenster_VerlaufGehen(int iRichtung, Eingabewerte *pEingabe);
/** After a commit from @p pVorher: records gEingabe as a step (made by @p szAnlass) where it differs;
    a history whose current step is not @p pVorher starts anew. */
void Fenster_Festhalten(const Eingabewerte *pVorher, const char *szAnlass);
/** The history's current step is what gEingabe holds (else undo has nothing to go back from). */
int Fenster_VerlaufPasst(void);

#endif
