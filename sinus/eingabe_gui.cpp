// The panel's inputs: reading them into the records (refusing input sets
// with too many points), writing them back, and the input callback that
// couples peak with RMS amplitude and frequency with period duration.
#include "Sinuserzeugung_gui.h"

#include "Sinuseingaben.h"
#include "ZEM_errorV3.h"
#include "fenster_gui.h"
#include "toolkit_gui.h"
#include "wlr7sinus_uir.h"

#include <cstring>

namespace {

const size_t HINWEIS_GROESSE = 200;  // one note line of the status
const size_t MELDUNG_GROESSE = 300;  // the refusal with its point count

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
    Sinus_Hinweis(szText);
    TK_Warnfarbe(gPanelMain, STATUSZEILE, 1);
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

    Sinus_EingabenLesen();
    const int iCode = Sinus_Berechnen();
    if (iCode != 0)
        ZEM_Fehlerpopup(iCode);
    Sinus_Festhalten(&vorher);
    if (pFeld && pFeld->iArt == EINGABEN_ZAHL)
        BegrenzungMelden(pFeld);
    return 0;
}

void Sinus_EingabenLesen(void)
{
    // Whole copies, padding included: a refusal restores both byte for byte.
    Eingabewerte sicherungEingabe;
    Sinuskurve sicherungSinus;
    std::memcpy(&sicherungEingabe, &gEingabe, sizeof gEingabe);
    std::memcpy(&sicherungSinus, &gSinus, sizeof gSinus);

    for (int i = 0; i < Eingaben_Anzahl(); ++i) {
        const Eingabefeld *f = Eingaben_Feld(i);
        if (double *pd = Eingaben_Zahl(&gEingabe, f)) {
            GetCtrlVal(gPanelMain, f->iControl, pd);
        } else if (f->iArt == EINGABEN_ZEITBASIS) {
            GetCtrlIndex(gPanelMain, f->iControl, &gEingabe.iZeitbasisIndex);
            GetLabelFromIndex(gPanelMain, f->iControl, gEingabe.iZeitbasisIndex, gEingabe.szZeitbasis,
                              sizeof gEingabe.szZeitbasis);
        } else {
            GetCtrlVal(gPanelMain, f->iControl, &gEingabe.iKurvennummer);
        }
    }

    Sinus_Ableiten(&gEingabe, Zeitbasis_Ermitteln(gEingabe.szZeitbasis), &gSinus);

    const bool bEndlich = Sinus_WerteEndlich(&gSinus);
    if (!bEndlich || !Sinus_PunkteZulaessig(&gSinus)) {
        char szText[MELDUNG_GROESSE];
        if (bEndlich)
            Sinus_ZuVielePunkteText(&gSinus, szText, sizeof szText);
        else
            TK_TextKopieren(szText, sizeof szText, SINUS_TEXT_NICHT_ENDLICH);
        MessagePopup(SINUS_TEXT_FEHLER, szText);
        std::memcpy(&gSinus, &sicherungSinus, sizeof gSinus);
        std::memcpy(&gEingabe, &sicherungEingabe, sizeof gEingabe);
        Sinus_EingabenSetzen();
    }
}

void Sinus_EingabenSetzen(void)
{
    for (int i = 0; i < Eingaben_Anzahl(); ++i) {
        const Eingabefeld *f = Eingaben_Feld(i);
        if (double *pd = Eingaben_Zahl(&gEingabe, f))
            SetCtrlVal(gPanelMain, f->iControl, *pd);
        else if (f->iArt == EINGABEN_ZEITBASIS)
            SetCtrlIndex(gPanelMain, f->iControl, gEingabe.iZeitbasisIndex);
        else
            SetCtrlVal(gPanelMain, f->iControl, static_cast<int>(gEingabe.iKurvennummer));
    }
}
