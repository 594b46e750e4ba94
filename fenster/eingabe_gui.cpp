// The panel's inputs: the form's controls mapped onto the input table's
// ids, reading them into the records (refusing input sets with too many
// points), writing them back, and the input callback that couples peak
// with RMS amplitude and frequency with period duration. A commit changes
// the records and the state; the view follows from them.
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
const size_t GETIPPT_GROESSE = 4096;  // a typed text read back from its field, whole

// The form's control of each input of the table.
const struct {
    int iEingabe, iControl;
} gControls[] = {
    {EINGABE_UMAX, WLR7UMAX},         {EINGABE_DACH, AMPLITUDEDACH},     {EINGABE_EFF, AMPLITUDEEFF},
    {EINGABE_OFFSET, OFFSET},         {EINGABE_FREQUENZ, FREQUENZ},      {EINGABE_PERIODE, PERIODENDAUER},
    {EINGABE_PERIODEN, ANZAHLPERIODEN}, {EINGABE_PHASE, PHASE},       {EINGABE_ZEITBASIS, ZEITBASIS},
    {EINGABE_KURVE, KURVENNUMMER},
};

int Control(const Eingabefeld *pFeld)
{
    return Fenster_Control(pFeld->iId);
}

// What a field holds for typed text: the value as the input table reads it
// in the field's units ("2,5k" in Frequenz: 2500; "7 Vss" as the peak:
// 3.5). An RMS value typed into the peak field shows as the peak it couples
// to; the commit then takes the RMS value itself.
int FeldLesen(int iPanel, int iControl, const char *szText, double *pdWert)
{
    const int iEingabe = iPanel == gPanelMain ? Fenster_Eingabe(iControl) : -1;
    if (iEingabe < 0)  // a field that is no input: a plain number
        return TK_ZahlLesen(szText, pdWert) ? EINGABEN_GELESEN : EINGABEN_KEINE_ZAHL;
    Eingabelesung lesung;
    const int iGelesen = Eingaben_Lesen(iEingabe, szText, &lesung);
    if (iGelesen != EINGABEN_GELESEN)
        return iGelesen;
    Eingabewerte e = gEingabe;
    *Eingaben_Zahl(&e, Eingaben_Feld(lesung.iEingabe)) = lesung.dWert;
    if (lesung.iEingabe != iEingabe && Eingaben_Koppeln(&e, lesung.iEingabe) != iEingabe)
        return EINGABEN_KEINE_ZAHL;
    *pdWert = *Eingaben_Zahl(&e, Eingaben_Feld(iEingabe));
    return EINGABEN_GELESEN;
}

// A typed value that the control pulled into its range is named in the
// status line, as long as the control still holds the limit it was pulled
// to (a refused commit has put the old value back).
void BegrenzungMelden(const Eingabefeld *pFeld)
{
    double dGetippt = 0.0, dWert = 0.0;
    if (TK_Begrenzt(gPanelMain, Control(pFeld), &dGetippt, nullptr, nullptr) != 1)
        return;
    GetCtrlVal(gPanelMain, Control(pFeld), &dWert);
    if (dWert != pFeld->dMin && dWert != pFeld->dMax)
        return;
    char szText[HINWEIS_GROESSE];
    Sinus_BegrenzungText(dGetippt, dWert, pFeld->dMin, pFeld->dMax, pFeld->szEinheit, szText, sizeof szText);
    Fenster_Hinweis(szText);
}

// Typed text that is no number, or carries a unit the field does not
// take, is refused by the field, which shows its value again; the status
// line says so, naming the units it takes, so that it cannot go unseen.
void TextAbgelehnt(int iPanel, int iControl, const char *szText)
{
    double dWert = 0.0;
    GetCtrlVal(iPanel, iControl, &dWert);
    char szGetippt[ECHO_GROESSE], szHinweis[HINWEIS_GROESSE];
    const Eingabefeld *pFeld = Eingaben_Feld(Fenster_Eingabe(iControl));
    Eingabelesung lesung;
    if (pFeld && Eingaben_Lesen(pFeld->iId, szText, &lesung) == EINGABEN_FREMDE_EINHEIT) {
        Eingaben_FremdText(pFeld, szText, szHinweis, sizeof szHinweis);
    } else {
        TK_TextKopieren(szGetippt, sizeof szGetippt, szText);  // cut at a character, never inside one
        std::snprintf(szHinweis, sizeof szHinweis, SINUS_TEXT_KEINE_ZAHL, szGetippt, dWert);
    }
    Fenster_Hinweis(szHinweis);
    Fenster_Darstellen();
}

}  // namespace

int Fenster_Control(int iEingabe)
{
    for (const auto &c : gControls)
        if (c.iEingabe == iEingabe)
            return c.iControl;
    return 0;
}

int Fenster_Eingabe(int iControl)
{
    for (const auto &c : gControls)
        if (c.iControl == iControl)
            return c.iEingabe;
    return -1;
}

int Eingabe(int, int iControl, int iEreignis, void *, int, int)
{
    if (iEreignis != EVENT_COMMIT)
        return 0;
    Eingabewerte vorher;
    std::memcpy(&vorher, &gEingabe, sizeof vorher);

    // The partner control is written from code, which raises no event, so
    // its own coupling does not run in turn.
    const Eingabefeld *pFeld = Eingaben_Feld(Fenster_Eingabe(iControl));
    Eingabewerte neu = gEingabe;
    char szLesung[HINWEIS_GROESSE] = "";
    if (double *pdWert = Eingaben_Zahl(&neu, pFeld)) {
        GetCtrlVal(gPanelMain, iControl, pdWert);
        // Typed text is read again for how it was meant: an RMS value in
        // the peak field goes to the RMS amplitude itself, and the status
        // says how a prefix or unit was read.
        int iGesetzt = pFeld->iId;
        char szGetippt[GETIPPT_GROESSE];
        Eingabelesung lesung;
        if (TK_Getippt(gPanelMain, iControl, szGetippt, sizeof szGetippt) == 1 &&
            Eingaben_Lesen(pFeld->iId, szGetippt, &lesung) == EINGABEN_GELESEN) {
            if (lesung.iEingabe != pFeld->iId) {
                *Eingaben_Zahl(&neu, Eingaben_Feld(lesung.iEingabe)) = lesung.dWert;
                iGesetzt = lesung.iEingabe;
            }
            Eingaben_LesungText(pFeld, szGetippt, &lesung, szLesung, sizeof szLesung);
        }
        const int iPartner = Eingaben_Koppeln(&neu, iGesetzt);
        // A value whose partner is no finite number is refused like text
        // that is no number: the control takes its last accepted value back.
        if (iPartner == EINGABEN_PARTNER_UNENDLICH) {
            SetCtrlVal(gPanelMain, iControl, *Eingaben_Zahl(&gEingabe, pFeld));
            return 0;
        }
        SetCtrlVal(gPanelMain, Fenster_Control(iGesetzt), *Eingaben_Zahl(&neu, Eingaben_Feld(iGesetzt)));
        if (iPartner >= 0)
            SetCtrlVal(gPanelMain, Fenster_Control(iPartner), *Eingaben_Zahl(&neu, Eingaben_Feld(iPartner)));
    }

    Fenster_HinweisLeeren();
    Sinus_EingabenLesen();
    const int iCode = Sinus_Berechnen();
    if (iCode != 0)
        ZEM_Fehlerpopup(iCode);
    // The step and a clamped value into the state; shown with it (the graph stays as drawn).
    Fenster_Festhalten(&vorher, nullptr);
    if (szLesung[0])
        Fenster_Hinweis(szLesung);
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
            GetCtrlVal(gPanelMain, Control(f), pd);
        } else if (f->iArt == EINGABEN_ZEITBASIS) {
            GetCtrlIndex(gPanelMain, Control(f), &neu.iZeitbasisIndex);
            GetLabelFromIndex(gPanelMain, Control(f), neu.iZeitbasisIndex, neu.szZeitbasis, sizeof neu.szZeitbasis);
        } else {
            GetCtrlVal(gPanelMain, Control(f), &neu.iKurvennummer);
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
            SetCtrlVal(gPanelMain, Control(f), *pd);
        else if (f->iArt == EINGABEN_ZEITBASIS)
            SetCtrlIndex(gPanelMain, Control(f), e.iZeitbasisIndex);
        else
            SetCtrlVal(gPanelMain, Control(f), static_cast<int>(e.iKurvennummer));
    }
}

void Fenster_FelderEinrichten(void)
{
    TK_AblehnungSetzen(TextAbgelehnt);
    TK_ZahlleserSetzen(FeldLesen);
    for (int i = 0; i < Eingaben_Anzahl(); ++i) {
        const Eingabefeld *f = Eingaben_Feld(i);
        char szText[HINWEIS_GROESSE];
        Eingaben_Hilfe(f, szText, sizeof szText);
        SetCtrlAttribute(gPanelMain, Control(f), ATTR_TOOLTIP_TEXT, szText);
        SetCtrlAttribute(gPanelMain, Control(f), ATTR_WHATS_THIS, szText);
    }
}
