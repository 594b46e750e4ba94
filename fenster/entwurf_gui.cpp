// Inputs from a curve file and the time base that plays the typed
// frequency, each taken over as one commit and one step of the undo history.
#include "Sinuserzeugung_gui.h"

#include "Sinusentwurf.h"
#include "ZEM_errorV3.h"
#include "kurvendatei.h"
#include "toolkit_gui.h"
#include "wlr7sinus_uir.h"
#include "zustand.h"

#include <cstdio>
#include <cstring>

namespace {

const size_t MENU_GROESSE = 80;

// Puts @p pNeu on the panel and commits it as the user's commit would.
void Uebernehmen(const Eingabewerte *pNeu)
{
    const Eingabewerte vorher = gEingabe;
    Fenster_EingabenZeigen(pNeu);
    Sinus_EingabenLesen();
    const int iCode = Sinus_Berechnen();
    if (iCode != 0)
        ZEM_Fehlerpopup(iCode);
    Sinus_Festhalten(&vorher);
}

}  // namespace

void Fenster_EntwurfUebernehmen(const Kurvendatei *pDatei, const char *szName)
{
    Eingabewerte entwurf = gEingabe;
    Entwurfsbericht bericht;
    if (!Entwurf_AusDatei(pDatei, gEingabe.dUmax, &entwurf, &bericht)) {
        char szText[FENSTER_HINWEIS_GROESSE];
        std::snprintf(szText, sizeof szText, SINUS_TEXT_KEIN_ENTWURF, szName);
        MessagePopup(SINUS_TEXT_ENTWURF_TITEL, szText);
        return;
    }
    // Said in the status line after the commit's redraw.
    char szText[FENSTER_HINWEIS_GROESSE];
    if (bericht.iAbweichendAb > 0)
        std::snprintf(szText, sizeof szText, SINUS_TEXT_ENTWURF_ABWEICHEND, szName,
                      static_cast<int>(bericht.iAbweichendAb));
    else
        std::snprintf(szText, sizeof szText, pDatei->iBefunde == 0 ? SINUS_TEXT_ENTWURF_GLEICH : SINUS_TEXT_ENTWURF_WERTE,
                      szName);
    if (!bericht.bEindeutig)
        TK_TextAnhaengen(szText, sizeof szText, SINUS_TEXT_ENTWURF_OFFEN);
    TK_TextKopieren(gFenster.szHinweis, sizeof gFenster.szHinweis, szText);
    Uebernehmen(&entwurf);
}

int Sinus_EingabenAusKurve(void)
{
    static char szPfad[FENSTER_PFAD_GROESSE];
    if (FileSelectPopup("", "*.txt", SINUS_TEXT_FILTER_KURVEN, SINUS_TEXT_ENTWURF_TITEL, TK_KNOPF_LADEN, 0, 0, 1, 0,
                        szPfad, sizeof szPfad) <= 0)
        return 0;
    static Kurvendatei datei;  // its samples are large
    if (Fenster_KurvendateiLesen(szPfad, &datei))
        Fenster_EntwurfUebernehmen(&datei, Fenster_Dateiname(szPfad));
    return 0;
}

int Sinus_ZeitbasisAnpassen(void)
{
    const Zeitbasisrat &rat = gFenster.analyse.rat;
    if (rat.iZeitbasis < 0 || rat.iZeitbasis == gEingabe.iZeitbasisIndex || !Zeitbasis_Label(rat.iZeitbasis))
        return 0;
    Eingabewerte neu = gEingabe;
    neu.iZeitbasisIndex = rat.iZeitbasis;
    TK_TextKopieren(neu.szZeitbasis, sizeof neu.szZeitbasis, Zeitbasis_Label(rat.iZeitbasis));
    Uebernehmen(&neu);
    return 1;
}

void Fenster_EntwurfMenuZeigen(void)
{
    const Zeitbasisrat &rat = gFenster.analyse.rat;
    const bool bRat = rat.iZeitbasis >= 0 && rat.iZeitbasis != gEingabe.iZeitbasisIndex &&
                      Zeitbasis_Label(rat.iZeitbasis) && gSinus.iAnzahlPunkte > 0;
    char szText[MENU_GROESSE];
    TK_TextKopieren(szText, sizeof szText, SINUS_TEXT_ZEITBASIS_ANPASSEN);
    if (bRat) {
        TK_TextAnhaengen(szText, sizeof szText, ": ");
        TK_TextAnhaengen(szText, sizeof szText, Zeitbasis_Label(rat.iZeitbasis));
    }
    TK_MenuText(gPanelMain, ZEITBASISANPASSEN, szText);
    TK_MenuDimmen(gPanelMain, ZEITBASISANPASSEN, !bRat);
    TK_MenuDimmen(gPanelMain, EINGABENAUSREFERENZ, !Sinus_ReferenzDa());
}
