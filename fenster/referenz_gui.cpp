// Curve files opened as references, up to FENSTER_REFERENZEN_MAX of them:
// each read with the checker's reader into the window's state, its findings
// in one message; drawn over the designed curve and compared with what the
// inputs export where everything shown is derived (darstellung_gui.cpp).
#include "Sinuserzeugung_gui.h"

#include "Fenstertexte.h"
#include "Kurvensatz.h"
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

namespace {

// Drops reference @p i, the later ones move up; its copy is closed.
void Weglassen(int i)
{
    close(gFenster.aReferenzen[i].iKopie);
    for (int k = i; k + 1 < gFenster.iReferenzen; ++k)
        std::memcpy(&gFenster.aReferenzen[k], &gFenster.aReferenzen[k + 1], sizeof gFenster.aReferenzen[k]);
    --gFenster.iReferenzen;
    ++gFenster.iReferenzStand;
}

}  // namespace

int Fenster_ReferenzLaden(const char *szPfad)
{
    // Read apart: a file that cannot be read leaves the references shown as they were.
    const int iKopie = Fenster_KurvendateiKopieren(szPfad, &gFenster.gelesen);
    if (iKopie < 0)
        return 0;
    Fenster_HinweisLeeren();
    // A file shown already is read anew and becomes the newest; beyond the
    // room the oldest makes way, and the status says which.
    int iAlt = -1;
    for (int i = 0; i < gFenster.iReferenzen; ++i)
        if (std::strcmp(gFenster.aReferenzen[i].szPfad, szPfad) == 0)
            iAlt = i;
    if (iAlt < 0 && gFenster.iReferenzen == FENSTER_REFERENZEN_MAX) {
        char szHinweis[FENSTER_HINWEIS_GROESSE];
        std::snprintf(szHinweis, sizeof szHinweis, FENSTER_TEXT_REFERENZ_ERSETZT,
                      Fenster_Dateiname(gFenster.aReferenzen[0].szPfad), static_cast<int>(FENSTER_REFERENZEN_MAX));
        iAlt = 0;
        Weglassen(iAlt);
        Fenster_Hinweis(szHinweis);
    } else if (iAlt >= 0) {
        Weglassen(iAlt);
    }
    // The first colour none of the others has: each keeps its own while shown.
    int iStil = 0;
    for (bool bBelegt = true; bBelegt; iStil += bBelegt) {
        bBelegt = false;
        for (int i = 0; i < gFenster.iReferenzen; ++i)
            bBelegt = bBelegt || gFenster.aReferenzen[i].iStil == iStil;
    }
    Referenz &neu = gFenster.aReferenzen[gFenster.iReferenzen++];
    neu.iKopie = iKopie;
    neu.iStil = iStil;
    ++gFenster.iReferenzStand;
    std::memcpy(&neu.datei, &gFenster.gelesen, sizeof neu.datei);
    Kurvendatei_WertePruefen(&neu.datei, nullptr);  // its wrong values too, as the checker names them
    TK_TextKopieren(neu.szPfad, sizeof neu.szPfad, szPfad);
    // The file does not change while shown: its part of the set (its design's phase) is read once.
    Kurvensatz_DateiLesen(nullptr, &neu.datei, &neu.satz);
    if (neu.datei.iBefunde > 0)
        Fenster_BefundeZeigen(&neu.datei, Fenster_Dateiname(neu.szPfad), FENSTER_TEXT_REFERENZ_TITEL);
    Fenster_Darstellen();
    return 1;
}

void Fenster_ReferenzEntfernen(void)
{
    while (gFenster.iReferenzen > 0)
        Weglassen(gFenster.iReferenzen - 1);
    Fenster_HinweisLeeren();
    Fenster_Darstellen();
}

int Fenster_EineReferenzEntfernen(int iReferenz)
{
    if (iReferenz < 0 || iReferenz >= gFenster.iReferenzen)
        return 0;
    Weglassen(iReferenz);
    Fenster_HinweisLeeren();
    Fenster_Darstellen();
    return 1;
}
