// The export button: asks for a file and writes the curve to it.
#include "Sinuserzeugung_gui.h"

#include "Fenstertexte.h"
#include "ZEM_errorV3.h"
#include "toolkit_gui.h"
#include "zustand.h"

namespace {

// The export with the reason of a failure in the caller's record.
int Exportieren(Exportgrund *pGrund)
{
    char szPfad[FENSTER_PFAD_GROESSE];
    const int iAuswahl = FileSelectPopup("", "*.txt", FENSTER_TEXT_FILTER_KURVEN, FENSTER_TEXT_EXPORT_TITEL, 1, 0, 0, 1,
                                         1, szPfad, sizeof szPfad);
    if (iAuswahl == 0)
        return 0;
    // The dialog failed or the path does not fit: there is no file to open.
    if (iAuswahl < 0) {
        if (iAuswahl == TK_FEHLER_PFAD_ZU_LANG)
            TK_TextKopieren(pGrund->szText, sizeof pGrund->szText, SINUS_TEXT_PFAD_ZU_LANG);
        return SINUS_FEHLER_OEFFNEN;
    }
    const int iCode = Sinus_ExportSchreiben(szPfad, &gEingabe, &gSinus, pGrund);
    // Confirmed in the status line until the next change; a failed export
    // takes an earlier confirmation away.
    Fenster_HinweisLeeren();
    if (iCode == 0) {
        char szText[FENSTER_PFAD_GROESSE + 40];
        Sinus_ExportText(szPfad, &gSinus, szText, sizeof szText);
        Fenster_Hinweis(szText);
    }
    Fenster_Darstellen();
    return iCode;
}

}  // namespace

int Speichern(int, int, int iEreignis, void *, int, int)
{
    if (iEreignis != EVENT_COMMIT)
        return 0;
    Exportgrund grund = {};
    const int iCode = Exportieren(&grund);
    if (iCode != 0)
        ZEM_FehlerpopupGrund(iCode, grund.szText);
    return 0;
}
