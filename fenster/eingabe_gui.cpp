// The panel's inputs: reading them into the records (refusing input sets
// with too many points), writing them back, and the input callback that
// couples peak with RMS amplitude and frequency with period duration. A
// commit changes the records and the state; the view follows from them.
#include "Sinuserzeugung_gui.h"

#include "Sinuseingaben.h"
#include "Sinusschritt.h"
#include "ZEM_errorV3.h"
#include "zustand.h"
#include "toolkit_gui.h"
#include "wlr7sinus_uir.h"

#include <cstdio>
#include <cstring>

namespace {

const size_t HINWEIS_GROESSE = 200;  // one note line of the status
const size_t MELDUNG_GROESSE = 300;  // the refusal with its point count
const size_t ECHO_GROESSE = 61;      // what a note repeats of a typed text

// A typed value that the control pulled into its range is named in the
// status line, as long as the control still holds the limit it was pulled
// to (a refused commit has put the old value back).
void BegrenzungMelden(const Eingabefeld *pFeld)
{
    double dGetippt = 0.0, dWert = 0.0;
    if (TK_Begrenzt(gPanelMain, pFeld->iControl, &dGetippt, nullptr, nullptr) != 1)
        return;
    GetCtrlVal(gPanelMain, pFeld->iControl, &dWert);
    if (dWert != pFeld->dMin && dWert != pFeld->dMax)
        return;
    char szText[HINWEIS_GROESSE];
    Sinus_BegrenzungText(dGetippt, dWert, pFeld->dMin, pFeld->dMax, pFeld->szEinheit, szText, sizeof szText);
    Fenster_Hinweis(szText);
}

// Typed text that is no number is refused by the field, which shows its
// value again; the status line says so, so that it cannot go unseen.
void TextAbgelehnt(int iPanel, int iControl, const char *szText)
{
    double dWert = 0.0;
    GetCtrlVal(iPanel, iControl, &dWert);
    char szGetippt[ECHO_GROESSE], szHinweis[HINWEIS_GROESSE];
    TK_TextKopieren(szGetippt, sizeof szGetippt, szText);  // cut at a character, never inside one
    std::snprintf(szHinweis, sizeof szHinweis, SINUS_TEXT_KEINE_ZAHL, szGetippt, dWert);
    Fenster_Hinweis(szHinweis);
    Fenster_Darstellen();
}

}  // namespace

int Eingabe(int, int iControl, int iEreignis, void *, int, int)
{
    if (iEreignis != EVENT_COMMIT)
        return 0;
    Eingabewerte vorher;
    std::memcpy(&vorher, &gEingabe, sizeof vorher);

    // The partner control is written from code, which raises no event, so
    // its own coupling does not run in turn.
    const Eingabefeld *pFeld = Eingaben_ZuControl(iControl);
    Eingabewerte neu = gEingabe;
    if (double *pdWert = Eingaben_Zahl(&neu, pFeld)) {
        GetCtrlVal(gPanelMain, iControl, pdWert);
        const int iPartner = Eingaben_Koppeln(&neu, iControl);
        // A value whose partner is no finite number is refused like text
        // that is no number: the control takes its last accepted value back.
        if (iPartner < 0) {
            SetCtrlVal(gPanelMain, iControl, *Eingaben_Zahl(&gEingabe, pFeld));
            return 0;
        }
        if (iPartner > 0)
            SetCtrlVal(gPanelMain, iPartner, *Eingaben_Zahl(&neu, Eingaben_ZuControl(iPartner)));
    }

    Fenster_HinweisLeeren();
    Sinus_EingabenLesen();
    const int iCode = Sinus_Berechnen();
    if (iCode != 0)
        ZEM_Fehlerpopup(iCode);
    // The step and a clamped value into the state; shown with it (the graph stays as drawn).
    Fenster_Festhalten(&vorher, nullptr);
    if (pFeld && pFeld->iArt == EINGABEN_ZAHL)
        BegrenzungMelden(pFeld);
    Fenster_Darstellen();
    return 0;
}

void Fenster_Uebernehmen(const Eingabewerte *pNeu, const char *szAnlass)
{
    const Eingabewerte vorher = gEingabe;
    Fenster_EingabenZeigen(pNeu);
    Sinus_EingabenLesen();
    const int iCode = Sinus_Berechnen();
    if (iCode != 0)
        ZEM_Fehlerpopup(iCode);
    Fenster_Festhalten(&vorher, szAnlass);
    Fenster_Darstellen();
}

// Reads the panel into a new record and runs the step on it: accepted, it
// becomes gEingabe with its curve in gSinus; refused, gEingabe and gSinus
// stay as they were and the panel shows them again.
void Sinus_EingabenLesen(void)
{
    Eingabewerte neu;
    std::memcpy(&neu, &gEingabe, sizeof neu);  // padding included, so records compare whole
    for (int i = 0; i < Eingaben_Anzahl(); ++i) {
        const Eingabefeld *f = Eingaben_Feld(i);
        if (double *pd = Eingaben_Zahl(&neu, f)) {
            GetCtrlVal(gPanelMain, f->iControl, pd);
        } else if (f->iArt == EINGABEN_ZEITBASIS) {
            GetCtrlIndex(gPanelMain, f->iControl, &neu.iZeitbasisIndex);
            GetLabelFromIndex(gPanelMain, f->iControl, neu.iZeitbasisIndex, neu.szZeitbasis, sizeof neu.szZeitbasis);
        } else {
            GetCtrlVal(gPanelMain, f->iControl, &neu.iKurvennummer);
        }
    }
    Zeitbasis_Ermitteln(neu.szZeitbasis);  // warns of a label missing from the table

    Schrittbericht bericht;
    Sinus_Schritt(&neu, &gSinus, &gFenster.analyse, &bericht);
    if (bericht.iStatus == SCHRITT_ZU_VIELE_PUNKTE || bericht.iStatus == SCHRITT_NICHT_ENDLICH) {
        char szText[MELDUNG_GROESSE];
        Sinus_SchrittText(&bericht, szText, sizeof szText);
        MessagePopup(SINUS_TEXT_FEHLER, szText);
        Sinus_EingabenSetzen();
        // Said in the status line too, so that a missed message cannot go unseen.
        char szHinweis[FENSTER_HINWEIS_GROESSE];
        TK_TextKopieren(szHinweis, sizeof szHinweis, SINUS_TEXT_ABGELEHNT);
        TK_TextAnhaengen(szHinweis, sizeof szHinweis, szText);
        TK_TextEineZeile(szHinweis);
        Fenster_Hinweis(szHinweis);
        // A curve that could not be made before is tried again, as the commit redraws.
        if (gSinus.iAnzahlPunkte == 0)
            gFenster.iErzeugung = Sinus_Erzeugen(&gSinus);
        return;
    }
    std::memcpy(&gEingabe, &neu, sizeof gEingabe);
    gFenster.iErzeugung = bericht.iStatus;
}

double Zeitbasis_Ermitteln(const char *szZeitbasis)
{
    double dMs = ZEITBASIS_ERSATZ_MS;
    if (!Zeitbasis_Suchen(szZeitbasis, &dMs))
        MessagePopup(SINUS_TEXT_WARNUNG, SINUS_TEXT_ZEITBASIS_FEHLT);
    return dMs;
}

void Sinus_EingabenSetzen(void)
{
    Fenster_EingabenZeigen(&gEingabe);
}

void Fenster_EingabenZeigen(const Eingabewerte *pEingabe)
{
    Eingabewerte e = *pEingabe;
    for (int i = 0; i < Eingaben_Anzahl(); ++i) {
        const Eingabefeld *f = Eingaben_Feld(i);
        if (double *pd = Eingaben_Zahl(&e, f))
            SetCtrlVal(gPanelMain, f->iControl, *pd);
        else if (f->iArt == EINGABEN_ZEITBASIS)
            SetCtrlIndex(gPanelMain, f->iControl, e.iZeitbasisIndex);
        else
            SetCtrlVal(gPanelMain, f->iControl, static_cast<int>(e.iKurvennummer));
    }
}

void Fenster_FelderEinrichten(void)
{
    TK_AblehnungSetzen(TextAbgelehnt);
    for (int i = 0; i < Eingaben_Anzahl(); ++i) {
        const Eingabefeld *f = Eingaben_Feld(i);
        char szText[HINWEIS_GROESSE];
        Eingaben_Hilfe(f, szText, sizeof szText);
        SetCtrlAttribute(gPanelMain, f->iControl, ATTR_TOOLTIP_TEXT, szText);
        SetCtrlAttribute(gPanelMain, f->iControl, ATTR_WHATS_THIS, szText);
    }
}
