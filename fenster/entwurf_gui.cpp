// Inputs from a curve file and the time base that plays the typed
// frequency, each taken over as one commit and one step of the undo history.
#include "Sinuserzeugung_gui.h"

#include "Fenstertexte.h"
#include "Sinusanalyse.h"
#include "Sinusentwurf.h"
#include "kurvendatei.h"
#include "toolkit_gui.h"
#include "zustand.h"

#include <cmath>
#include <cstdio>

namespace {

// Takes over the design that writes the curve file @p pDatei (named @p szName) as one commit and one
// undo step named for it, and says in the status line how its export compares with the file. A file
// with findings (its wrong values included, as the checker names them) gives nothing: they are said
// and the inputs stay.
void EntwurfUebernehmen(Kurvendatei *pDatei, const char *szName)
{
    Kurvendatei_WertePruefen(pDatei, nullptr);
    if (pDatei->iBefunde > 0) {
        Fenster_BefundeZeigen(pDatei, szName, FENSTER_TEXT_ENTWURF_TITEL);
        return;
    }
    Eingabewerte entwurf = gEingabe;
    entwurf.dPhase = 0.0;  // the file's design, not the typed phase: 0 where the file leaves no other
    Entwurfsbericht bericht;
    char szText[FENSTER_HINWEIS_GROESSE];
    if (!Entwurf_AusDatei(pDatei, gEingabe.dUmax, &entwurf, &bericht)) {
        // A proof that no design exists, or a search that ended first: never the one for the other.
        std::snprintf(szText, sizeof szText, SINUS_TEXT_KEIN_ENTWURF, szName,
                      bericht.bKeinerMoeglich ? SINUS_TEXT_ENTWURF_KEINER : SINUS_TEXT_ENTWURF_ABGEBROCHEN);
        MessagePopup(FENSTER_TEXT_ENTWURF_TITEL, szText);
        return;
    }
    if (bericht.iAbweichendAb > 0)
        std::snprintf(szText, sizeof szText, SINUS_TEXT_ENTWURF_ABWEICHEND, szName,
                      static_cast<int>(bericht.iAbweichendAb));
    else
        std::snprintf(szText, sizeof szText, SINUS_TEXT_ENTWURF_GLEICH, szName);
    if (!bericht.bEindeutig)
        TK_TextAnhaengen(szText, sizeof szText, SINUS_TEXT_ENTWURF_OFFEN);
    if (bericht.bPhaseOffen) {  // the phase taken, and the range the values leave
        char szVon[32], szBis[32], szPhase[32], szTeil[160];
        Analyse_PhasenZahl(std::floor(bericht.dPhaseVon * 100.0) / 100.0, szVon, sizeof szVon);
        Analyse_PhasenZahl(std::ceil(bericht.dPhaseBis * 100.0) / 100.0, szBis, sizeof szBis);
        Analyse_PhasenZahl(entwurf.dPhase, szPhase, sizeof szPhase);
        std::snprintf(szTeil, sizeof szTeil, SINUS_TEXT_ENTWURF_PHASE_OFFEN, szVon, szBis, szPhase);
        TK_TextAnhaengen(szText, sizeof szText, szTeil);
    }
    Fenster_HinweisLeeren();
    Fenster_Hinweis(szText);  // said in the status line after the commit
    char szAnlass[FENSTER_ANLASS_GROESSE];
    std::snprintf(szAnlass, sizeof szAnlass, FENSTER_TEXT_ANLASS_DATEI, szName);
    Fenster_Uebernehmen(&entwurf, szAnlass);
}

}  // namespace

void Fenster_EingabenAusKurve(void)
{
    char szPfad[FENSTER_PFAD_GROESSE];
    if (FileSelectPopup("", "*.txt", FENSTER_TEXT_FILTER_KURVEN, FENSTER_TEXT_ENTWURF_TITEL, TK_KNOPF_LADEN, 0, 0, 1,
                        0, szPfad, sizeof szPfad) <= 0)
        return;
    if (Fenster_KurvendateiLesen(szPfad, &gFenster.gelesen))
        EntwurfUebernehmen(&gFenster.gelesen, Fenster_Dateiname(szPfad));
}

void Fenster_EingabenAusReferenz(void)
{
    // From the newest reference: the one just opened, as with a single one.
    if (gFenster.iReferenzen > 0) {
        Referenz &neueste = gFenster.aReferenzen[gFenster.iReferenzen - 1];
        EntwurfUebernehmen(&neueste.datei, Fenster_Dateiname(neueste.szPfad));
    }
}

int Fenster_ZeitbasisAnpassen(void)
{
    const int iRat = Fenster_ZeitbasisRat();
    if (iRat < 0)
        return 0;
    Eingabewerte neu = gEingabe;
    neu.iZeitbasisIndex = iRat;
    TK_TextKopieren(neu.szZeitbasis, sizeof neu.szZeitbasis, Zeitbasis_Label(iRat));
    Fenster_HinweisLeeren();
    Fenster_Uebernehmen(&neu, nullptr);
    return 1;
}
