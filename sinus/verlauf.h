/* The history of accepted inputs for undo and redo: a record of
   Eingabewerte per accepted commit, the oldest dropped beyond
   VERLAUF_GROESSE. No panel; the window's side is Sinus_Rueckgaengig and
   Sinus_Wiederholen (fenster_gui.h). */
#ifndef SINUS_VERLAUF_H
#define SINUS_VERLAUF_H

#include "Sinuserzeugung_Main.h"

/* Steps kept, the current one included. */
enum { VERLAUF_GROESSE = 128 };

struct Verlauf {
    Eingabewerte aStufen[VERLAUF_GROESSE]; /* ring buffer, oldest at iAnfang */
    int iAnfang;
    int iAnzahl;   /* steps held */
    int iPosition; /* the current step, 0 to iAnzahl - 1 */
};

extern Verlauf gVerlauf;

/* 1 when both hold the same inputs (field by field, padding aside). */
int Sinus_EingabenGleich(const Eingabewerte *pA, const Eingabewerte *pB);
/* Forgets every step. */
void Sinus_VerlaufLeeren(void);
/* Records pEingabe as the new current step; the steps after the current
   one (those that redo would bring back) are dropped. */
void Sinus_VerlaufMerken(const Eingabewerte *pEingabe);
/* The current step into pEingabe; 0 when the history is empty. */
int Sinus_VerlaufAktuell(Eingabewerte *pEingabe);
/* Moves one step back (undo) or forward (redo) and copies that step into
   pEingabe; 0 when there is none. */
int Sinus_VerlaufZurueck(Eingabewerte *pEingabe);
/* The step undo (iRichtung -1) or redo (+1) would go to, into pEingabe,
   without moving; 0 when there is none. */
int Sinus_VerlaufNachbar(int iRichtung, Eingabewerte *pEingabe);
int Sinus_VerlaufVor(Eingabewerte *pEingabe);

#endif
