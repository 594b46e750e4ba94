// The window's records and state, the notes of the status line and the
// advice on the time base: data only, no panel.
#include "zustand.h"

#include "Sinuserzeugung_gui.h"
#include "toolkit_kern.h"

Eingabewerte gEingabe;
Sinuskurve gSinus;
Fensterzustand gFenster;

void Fenster_HinweisLeeren(void)
{
    gFenster.szHinweis[0] = '\0';
}

void Fenster_Hinweis(const char *szText)
{
    if (gFenster.szHinweis[0])
        TK_TextAnhaengen(gFenster.szHinweis, sizeof gFenster.szHinweis, "\n");
    TK_TextAnhaengen(gFenster.szHinweis, sizeof gFenster.szHinweis, szText);
}

int Fenster_ZeitbasisRat(void)
{
    const Zeitbasisrat &rat = gFenster.analyse.rat;
    if (rat.iZeitbasis < 0 || rat.iZeitbasis == gEingabe.iZeitbasisIndex || !Zeitbasis_Label(rat.iZeitbasis) ||
        gSinus.iAnzahlPunkte == 0)
        return -1;
    return rat.iZeitbasis;
}
