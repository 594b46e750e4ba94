// A curve file opened as a reference: read with the checker's reader into
// the window's state, its findings in one message; drawn over the designed
// curve and compared with what the inputs export where everything shown is
// derived (darstellung_gui.cpp).
#include "Sinuserzeugung_gui.h"

#include "Fenstertexte.h"
#include "kurvendatei.h"
#include "toolkit_gui.h"
#include "zustand.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

const std::size_t TEXT_GROESSE = 1200;
const int BEFUNDE_GEZEIGT = 10;  // findings the message lists

}  // namespace

void Fenster_BefundeZeigen(const Kurvendatei *pDatei, const char *szName, const char *szTitel)
{
    char szText[TEXT_GROESSE], szZeile[KURVENDATEI_TEXT_GROESSE + 32];
    TK_TextKopieren(szText, sizeof szText, szName);
    std::snprintf(szZeile, sizeof szZeile, SINUS_TEXT_BEFUNDE_ANZAHL, pDatei->iBefunde,
                  pDatei->iBefunde == 1 ? SINUS_TEXT_BEFUND : SINUS_TEXT_BEFUNDE);
    TK_TextAnhaengen(szText, sizeof szText, szZeile);
    for (int i = 0; i < pDatei->iBefunde && i < BEFUNDE_GEZEIGT && i < KURVENDATEI_MAX_BEFUNDE; ++i) {
        std::snprintf(szZeile, sizeof szZeile, SINUS_TEXT_BEFUND_ZEILE, pDatei->aBefunde[i].iZeile,
                      pDatei->aBefunde[i].szText);
        TK_TextAnhaengen(szText, sizeof szText, szZeile);
    }
    if (pDatei->iBefunde > BEFUNDE_GEZEIGT) {
        std::snprintf(szZeile, sizeof szZeile, SINUS_TEXT_WEITERE_BEFUNDE, pDatei->iBefunde - BEFUNDE_GEZEIGT);
        TK_TextAnhaengen(szText, sizeof szText, szZeile);
    }
    MessagePopup(szTitel, szText);
}

void Fenster_KurveOeffnen(void)
{
    char szPfad[FENSTER_PFAD_GROESSE];
    if (FileSelectPopup("", "*.txt", FENSTER_TEXT_FILTER_KURVEN, FENSTER_TEXT_REFERENZ_TITEL, TK_KNOPF_LADEN, 0, 0, 1,
                        0, szPfad, sizeof szPfad) > 0)
        Fenster_ReferenzLaden(szPfad);
}

int Fenster_ReferenzLaden(const char *szPfad)
{
    // Read apart: a file that cannot be read leaves the reference shown as it was.
    const int iKopie = Fenster_KurvendateiKopieren(szPfad, &gFenster.gelesen);
    if (iKopie < 0)
        return 0;
    if (gFenster.bReferenz)
        close(gFenster.iReferenzKopie);
    gFenster.iReferenzKopie = iKopie;
    ++gFenster.iReferenzStand;
    std::memcpy(&gFenster.referenz, &gFenster.gelesen, sizeof gFenster.referenz);
    Kurvendatei_WertePruefen(&gFenster.referenz, nullptr);  // its wrong values too, as the checker names them
    TK_TextKopieren(gFenster.szReferenzPfad, sizeof gFenster.szReferenzPfad, szPfad);
    gFenster.bReferenz = 1;
    Fenster_HinweisLeeren();
    if (gFenster.referenz.iBefunde > 0)
        Fenster_BefundeZeigen(&gFenster.referenz, Fenster_Dateiname(gFenster.szReferenzPfad),
                              FENSTER_TEXT_REFERENZ_TITEL);
    Fenster_Darstellen();
    return 1;
}

void Fenster_ReferenzEntfernen(void)
{
    if (gFenster.bReferenz)
        close(gFenster.iReferenzKopie);
    gFenster.bReferenz = 0;
    Fenster_HinweisLeeren();
    Fenster_Darstellen();
}
