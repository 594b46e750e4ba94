// A curve file opened as a reference: read with the checker's reader,
// drawn over the designed curve on its own time axis, summed up in the
// status line and compared byte for byte with what the inputs would export.
#include "Sinuserzeugung_gui.h"

#include "Kurvenformat.h"
#include "kurvendatei.h"
#include "toolkit_gui.h"
#include "wlr7sinus_uir.h"
#include "zustand.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::size_t TEXT_GROESSE = 1200;
const int BEFUNDE_GEZEIGT = 10;  // findings the message lists
const int STUFEN = 6;            // plot style: a step line, as PlotY draws

Kurvendatei gReferenz;
bool gReferenzDa = false;
char gszPfad[FENSTER_PFAD_GROESSE];

}  // namespace

int Fenster_KurvendateiOeffnen(const char *szPfad)
{
    const int iDatei = open(szPfad, O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (iDatei < 0)
        return -errno;
    struct stat st;
    if (fstat(iDatei, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(iDatei);
        return -EINVAL;
    }
    return iDatei;
}

namespace {

// Findings in one message: the first of them with their line numbers.
void BefundeZeigen()
{
    char szText[TEXT_GROESSE], szZeile[KURVENDATEI_TEXT_GROESSE + 32];
    TK_TextKopieren(szText, sizeof szText, Fenster_Dateiname(gszPfad));
    std::snprintf(szZeile, sizeof szZeile, SINUS_TEXT_BEFUNDE_ANZAHL, gReferenz.iBefunde,
                  gReferenz.iBefunde == 1 ? SINUS_TEXT_BEFUND : SINUS_TEXT_BEFUNDE);
    TK_TextAnhaengen(szText, sizeof szText, szZeile);
    for (int i = 0; i < gReferenz.iBefunde && i < BEFUNDE_GEZEIGT && i < KURVENDATEI_MAX_BEFUNDE; ++i) {
        std::snprintf(szZeile, sizeof szZeile, SINUS_TEXT_BEFUND_ZEILE, gReferenz.aBefunde[i].iZeile,
                      gReferenz.aBefunde[i].szText);
        TK_TextAnhaengen(szText, sizeof szText, szZeile);
    }
    if (gReferenz.iBefunde > BEFUNDE_GEZEIGT) {
        std::snprintf(szZeile, sizeof szZeile, SINUS_TEXT_WEITERE_BEFUNDE, gReferenz.iBefunde - BEFUNDE_GEZEIGT);
        TK_TextAnhaengen(szText, sizeof szText, szZeile);
    }
    MessagePopup(SINUS_TEXT_REFERENZ_TITEL, szText);
}

}  // namespace

int Sinus_KurveOeffnen(void)
{
    char szPfad[FENSTER_PFAD_GROESSE];
    const int iAuswahl = FileSelectPopup("", "*.txt", SINUS_TEXT_FILTER_KURVEN, SINUS_TEXT_REFERENZ_TITEL, TK_KNOPF_LADEN, 0, 0, 1,
                                         0, szPfad, sizeof szPfad);
    if (iAuswahl > 0)
        Sinus_ReferenzLaden(szPfad);
    return 0;
}

int Fenster_KurvendateiLesen(const char *szPfad, Kurvendatei *pDatei)
{
    const int iDatei = Fenster_KurvendateiOeffnen(szPfad);
    const int iGelesen = iDatei < 0 ? iDatei : Kurvendatei_Lesen(iDatei, pDatei);
    if (iDatei >= 0)
        close(iDatei);
    if (iGelesen < 0) {
        static char szText[FENSTER_PFAD_GROESSE + FENSTER_HINWEIS_GROESSE];
        std::snprintf(szText, sizeof szText, "%s\n%s: %s", SINUS_TEXT_REFERENZ_UNLESBAR, TK_FehlerGrund(-iGelesen),
                      szPfad);
        MessagePopup(SINUS_TEXT_FEHLER, szText);
        return 0;
    }
    return 1;
}

const char *Fenster_Dateiname(const char *szPfad)
{
    const char *p = std::strrchr(szPfad, '/');
    return p ? p + 1 : szPfad;
}

int Sinus_ReferenzLaden(const char *szPfad)
{
    // Read apart: a file that cannot be read leaves the reference shown as it was.
    static Kurvendatei neu;
    if (!Fenster_KurvendateiLesen(szPfad, &neu))
        return 0;
    std::memcpy(&gReferenz, &neu, sizeof gReferenz);
    TK_TextKopieren(gszPfad, sizeof gszPfad, szPfad);
    gReferenzDa = true;
    if (gReferenz.iBefunde > 0)
        BefundeZeigen();
    Sinus_Zeichnen();
    TK_MenuDimmen(gPanelMain, REFERENZENTFERNEN, 0);
    return 1;
}

void Sinus_ReferenzEntfernen(void)
{
    gReferenzDa = false;
    TK_MenuDimmen(gPanelMain, REFERENZENTFERNEN, 1);
    Sinus_Zeichnen();
}

int Sinus_ReferenzDa(void)
{
    return gReferenzDa;
}

void Sinus_ReferenzZeichnen(const Zeitachse *pAchse)
{
    if (!gReferenzDa || gReferenz.iWerte == 0 || !(gReferenz.dZeitbasisMs > 0.0) || !(pAchse->dSchrittS > 0.0))
        return;
    // Data line k at (k - 1) time bases of the file, in the graph's x units.
    const int iPlot = PlotWaveform(gPanelMain, GRAPH, gReferenz.pdWerte, gReferenz.iWerte, 4, 1.0, 0.0, 0.0,
                                   gReferenz.dZeitbasisMs / 1000.0 / pAchse->dSchrittS, STUFEN, 0, 0, 1,
                                   MakeColor(204, 0, 102));
    SetPlotAttribute(gPanelMain, GRAPH, iPlot, ATTR_PLOT_LG_TEXT, Fenster_Dateiname(gszPfad));
    // Values outside 0 to 100 % stay in sight: the axis widens while the reference is shown.
    double dMin = KURVENFORMAT_WERT_MIN / 100.0, dMax = KURVENFORMAT_WERT_MAX / 100.0;
    for (int i = 0; i < gReferenz.iWerte; ++i)
        dMin = std::min(dMin, gReferenz.pdWerte[i]), dMax = std::max(dMax, gReferenz.pdWerte[i]);
    TK_GraphYBereich(gPanelMain, GRAPH, dMin, dMax);
}

void Sinus_ReferenzText(char *szText, std::size_t iGroesse)
{
    szText[0] = '\0';
    if (!gReferenzDa)
        return;
    char szZusammenfassung[TEXT_GROESSE], szNotizen[TEXT_GROESSE / 2], szVergleich[80];
    Kurvendatei_Notizen(&gReferenz, szNotizen, sizeof szNotizen);
    Kurvendatei_Zusammenfassung(&gReferenz, szNotizen, szZusammenfassung, sizeof szZusammenfassung);
    // Read again: what the inputs export changes with every commit.
    int iZeile = 0;
    const int iDatei = Fenster_KurvendateiOeffnen(gszPfad);
    const int iGleich = iDatei < 0 ? iDatei : Sinus_ExportVergleichen(iDatei, &gEingabe, &gSinus, &iZeile);
    if (iDatei >= 0)
        close(iDatei);
    const int iKopf = Kurvenformat_KopfzeilenAnzahl();
    if (iGleich == 1)
        TK_TextKopieren(szVergleich, sizeof szVergleich, SINUS_TEXT_REFERENZ_GLEICH);
    else if (iGleich < 0)
        std::snprintf(szVergleich, sizeof szVergleich, "%s", TK_FehlerGrund(-iGleich));
    else if (iZeile <= iKopf)
        std::snprintf(szVergleich, sizeof szVergleich, SINUS_TEXT_WEICHT_IM_KOPF_AB, iZeile);
    else
        std::snprintf(szVergleich, sizeof szVergleich, SINUS_TEXT_WEICHT_AB_DATENZEILE,
                      iZeile - iKopf);
    std::snprintf(szText, iGroesse, SINUS_TEXT_REFERENZ_ZEILE, Fenster_Dateiname(gszPfad), szZusammenfassung, szVergleich);
}

int Sinus_EingabenAusReferenz(void)
{
    if (gReferenzDa)
        Fenster_EntwurfUebernehmen(&gReferenz, Fenster_Dateiname(gszPfad));
    return 0;
}
