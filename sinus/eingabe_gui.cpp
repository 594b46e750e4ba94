// The panel's inputs: reading them into the records (refusing input sets
// with too many points), writing them back, and the input callback that
// couples peak with RMS amplitude and frequency with period duration.
#include "Sinuserzeugung_gui.h"

#include "ZEM_errorV3.h"
#include "fenster_gui.h"
#include "Sinuserzeugung_Main.h"
#include "toolkit_gui.h"
#include "wlr7sinus_uir.h"

#include <cmath>
#include <cstring>

namespace {

const size_t HINWEIS_GROESSE = 200;  // one note line of the status
const size_t MELDUNG_GROESSE = 300;  // the refusal with its point count

// A typed value that the control pulled into its range is named in the
// status line, as long as the control still holds the limit it was pulled
// to (a refused commit has put the old value back).
void BegrenzungMelden(int iControl)
{
    double dGetippt = 0.0, dMin = 0.0, dMax = 0.0, dWert = 0.0;
    if (TK_Begrenzt(gPanelMain, iControl, &dGetippt, &dMin, &dMax) != 1)
        return;
    GetCtrlVal(gPanelMain, iControl, &dWert);
    if (dWert != dMin && dWert != dMax)
        return;
    char szEinheit[20], szText[HINWEIS_GROESSE];
    TK_Einheit(gPanelMain, iControl, szEinheit, sizeof szEinheit);
    Sinus_BegrenzungText(dGetippt, dWert, dMin, dMax, szEinheit, szText, sizeof szText);
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
    double dWert = 0.0;
    GetCtrlVal(gPanelMain, iControl, &dWert);
    int iPartner = 0;
    double dPartner = 0.0;
    switch (iControl) {
    case AMPLITUDEDACH:
        iPartner = AMPLITUDEEFF;
        dPartner = Sinus_EffAusDach(dWert);
        break;
    case AMPLITUDEEFF:
        iPartner = AMPLITUDEDACH;
        dPartner = Sinus_DachAusEff(dWert);
        break;
    case FREQUENZ:
        iPartner = PERIODENDAUER;
        dPartner = Sinus_PeriodeAusFrequenz(dWert);
        break;
    case PERIODENDAUER:
        iPartner = FREQUENZ;
        dPartner = Sinus_FrequenzAusPeriode(dWert);
        break;
    default:
        break;
    }
    if (iPartner != 0) {
        // A value whose partner is no finite number is refused like text
        // that is no number: the control takes its last accepted value back.
        if (!std::isfinite(dPartner)) {
            double *const pdFelder[] = {&gEingabe.dUmax,     &gEingabe.dAmplitudeDach, &gEingabe.dAmplitudeEff,
                                        &gEingabe.dOffset,   &gEingabe.dFrequenz,      &gEingabe.dPeriodendauer,
                                        &gEingabe.dAnzahlPerioden};
            SetCtrlVal(gPanelMain, iControl, *pdFelder[iControl - WLR7UMAX]);
            return 0;
        }
        SetCtrlVal(gPanelMain, iPartner, dPartner);
    }

    Sinus_EingabenLesen();
    const int iCode = Sinus_Berechnen();
    if (iCode != 0)
        ZEM_Fehlerpopup(iCode);
    Sinus_Festhalten(&vorher);
    if (iControl >= WLR7UMAX && iControl <= ANZAHLPERIODEN)
        BegrenzungMelden(iControl);
    return 0;
}

void Sinus_EingabenLesen(void)
{
    // Whole copies, padding included: a refusal restores both byte for byte.
    Eingabewerte sicherungEingabe;
    Sinuskurve sicherungSinus;
    std::memcpy(&sicherungEingabe, &gEingabe, sizeof gEingabe);
    std::memcpy(&sicherungSinus, &gSinus, sizeof gSinus);

    GetCtrlVal(gPanelMain, WLR7UMAX, &gEingabe.dUmax);
    GetCtrlVal(gPanelMain, AMPLITUDEDACH, &gEingabe.dAmplitudeDach);
    GetCtrlVal(gPanelMain, AMPLITUDEEFF, &gEingabe.dAmplitudeEff);
    GetCtrlVal(gPanelMain, OFFSET, &gEingabe.dOffset);
    GetCtrlVal(gPanelMain, FREQUENZ, &gEingabe.dFrequenz);
    GetCtrlVal(gPanelMain, PERIODENDAUER, &gEingabe.dPeriodendauer);
    GetCtrlVal(gPanelMain, ANZAHLPERIODEN, &gEingabe.dAnzahlPerioden);
    GetCtrlIndex(gPanelMain, ZEITBASIS, &gEingabe.iZeitbasisIndex);
    GetLabelFromIndex(gPanelMain, ZEITBASIS, gEingabe.iZeitbasisIndex, gEingabe.szZeitbasis,
                      sizeof gEingabe.szZeitbasis);
    GetCtrlVal(gPanelMain, KURVENNUMMER, &gEingabe.iKurvennummer);

    Sinus_Ableiten(&gEingabe, Zeitbasis_Ermitteln(gEingabe.szZeitbasis), &gSinus);

    if (!Sinus_PunkteZulaessig(&gSinus)) {
        char szText[MELDUNG_GROESSE];
        Sinus_ZuVielePunkteText(&gSinus, szText, sizeof szText);
        MessagePopup("Fehler", szText);
        std::memcpy(&gSinus, &sicherungSinus, sizeof gSinus);
        std::memcpy(&gEingabe, &sicherungEingabe, sizeof gEingabe);
        Sinus_EingabenSetzen();
    }
}

void Sinus_EingabenSetzen(void)
{
    SetCtrlVal(gPanelMain, WLR7UMAX, gEingabe.dUmax);
    SetCtrlVal(gPanelMain, AMPLITUDEDACH, gEingabe.dAmplitudeDach);
    SetCtrlVal(gPanelMain, AMPLITUDEEFF, gEingabe.dAmplitudeEff);
    SetCtrlVal(gPanelMain, OFFSET, gEingabe.dOffset);
    SetCtrlVal(gPanelMain, FREQUENZ, gEingabe.dFrequenz);
    SetCtrlVal(gPanelMain, PERIODENDAUER, gEingabe.dPeriodendauer);
    SetCtrlVal(gPanelMain, ANZAHLPERIODEN, gEingabe.dAnzahlPerioden);
    SetCtrlIndex(gPanelMain, ZEITBASIS, gEingabe.iZeitbasisIndex);
    SetCtrlVal(gPanelMain, KURVENNUMMER, static_cast<int>(gEingabe.iKurvennummer));
}
