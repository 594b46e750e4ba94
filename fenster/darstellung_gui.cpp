// Everything the window shows, derived from the records and the window's
// state and changing nothing in them: the curve on the graph with axes read
// in seconds and volts, the ideal sine as typed behind it, the reference
// over it, the marks of the stretches held at 0 or 100 %, the warnings, the
// status line and the menu items that depend on the state. A curve that is
// not what was typed is thus never exported unnoticed.
#include "Sinuserzeugung_gui.h"

#include "Fenstertexte.h"
#include "Kurvenformat.h"
#include "Kurvensatz.h"
#include "Sinuseingaben.h"
#include "kurvendatei.h"
#include "toolkit_gui.h"
#include "wlr7sinus_uir.h"
#include "zustand.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

const int IDEAL_MAX = 8192;  // points of the ideal sine, enough for 100 periods
const int PLOT_DICKE = 4;    // plot styles and sizes as the graph takes them
const int PLOT_STUFEN = 6;
const int PLOT_PUNKT = 24;
const int FARBE_IDEAL = 160; // grey, each of red, green and blue
const size_t STATUS_GROESSE = 1200 * (1 + FENSTER_REFERENZEN_MAX);  // the curve and a line per reference
const size_t WARNUNGEN_GROESSE = 600;
const size_t MENU_GROESSE = 120;
const size_t TEXT_GROESSE = 1200;

// Each reference its colour and its line: dark and saturated enough for
// the white plot area, told apart without colour by their dashes.
const struct {
    int iRot, iGruen, iBlau, iLinie;
} REFERENZ_STIL[FENSTER_REFERENZEN_MAX] = {
    {204, 0, 102, TK_LINIE_DURCHGEHEND},  // magenta
    {214, 110, 0, TK_LINIE_STRICHE},      // orange
    {0, 140, 70, TK_LINIE_PUNKTE},        // green
};
// The menu items that remove one reference, in the order of the references.
const int REFERENZ_WEG[FENSTER_REFERENZEN_MAX] = {REFERENZENTFERNEN1, REFERENZENTFERNEN2, REFERENZENTFERNEN3};

// The file name of reference @p r as a menu item shows it: "&" doubled,
// which a menu would read as a mnemonic; cut at a character, never inside
// one or inside a pair.
void MenuName(int r, char *szName, size_t iGroesse)
{
    char szDoppelt[2 * FENSTER_PFAD_GROESSE];
    size_t n = 0;
    for (const char *p = Fenster_Dateiname(gFenster.aReferenzen[r].szPfad); *p && n + 2 < sizeof szDoppelt; ++p) {
        if (*p == '&')
            szDoppelt[n++] = '&';
        szDoppelt[n++] = *p;
    }
    szDoppelt[n] = '\0';
    TK_TextKopieren(szName, iGroesse, szDoppelt);
    size_t iUnd = 0;
    for (size_t k = std::strlen(szName); k > 0 && szName[k - 1] == '&'; --k)
        ++iUnd;
    if (iUnd % 2)
        szName[std::strlen(szName) - 1] = '\0';
}

void Ablesung(int iIndex, char *szText, size_t iGroesse)
{
    Sinus_Ablesung(&gSinus, &gFenster.achse, Zeitbasis_Ms(gEingabe.szZeitbasis), iIndex, szText, iGroesse);
}

// The references, each on its own time axis in the graph's x units, in
// its colour and line, named in the legend by its file name; the y axis
// widens to keep values outside 0 to 100 % in sight.
void ReferenzenZeichnen()
{
    double dMin = KURVENFORMAT_WERT_MIN / 100.0, dMax = KURVENFORMAT_WERT_MAX / 100.0;
    for (int r = 0; r < gFenster.iReferenzen; ++r) {
        const Kurvendatei &ref = gFenster.aReferenzen[r].datei;
        if (ref.iWerte == 0 || !(ref.dZeitbasisMs > 0.0) || !(gFenster.achse.dSchrittS > 0.0))
            continue;
        // Data line k at (k - 1) time bases of the file.
        const auto &stil = REFERENZ_STIL[gFenster.aReferenzen[r].iStil];
        const int iPlot = PlotWaveform(gPanelMain, GRAPH, ref.pdWerte, ref.iWerte, PLOT_DICKE, 1.0, 0.0, 0.0,
                                       ref.dZeitbasisMs / 1000.0 / gFenster.achse.dSchrittS, PLOT_STUFEN, 0,
                                       stil.iLinie, 1, MakeColor(stil.iRot, stil.iGruen, stil.iBlau));
        SetPlotAttribute(gPanelMain, GRAPH, iPlot, ATTR_PLOT_LG_TEXT, Fenster_Dateiname(gFenster.aReferenzen[r].szPfad));
        for (int i = 0; i < ref.iWerte; ++i)
            dMin = std::min(dMin, ref.pdWerte[i]), dMax = std::max(dMax, ref.pdWerte[i]);
    }
    TK_GraphYBereich(gPanelMain, GRAPH, dMin, dMax);
}

// The samples on the chosen time axis, the ideal sine behind them and the reference over them.
void GraphZeichnen()
{
    // A reference lies on the file's time axis: the curve is drawn on the
    // same one while it is shown, so that an equal file lies exactly on it.
    const int bWieExportiert = gFenster.bWieExportiert || gFenster.iReferenzen > 0;
    Zeitachse &achse = gFenster.achse;
    Sinus_Zeitachse(&gSinus, Zeitbasis_Ms(gEingabe.szZeitbasis), bWieExportiert, &achse);
    // The old plots go first, so that new gains lay out no curve that is about to go.
    DeleteGraphPlot(gPanelMain, GRAPH, -1, 1);
    SetCtrlAttribute(gPanelMain, GRAPH, ATTR_YAXIS_GAIN, 1.0 / gSinus.dFaktor);
    SetCtrlAttribute(gPanelMain, GRAPH, ATTR_XAXIS_GAIN, achse.dSchrittS);
    SetCtrlAttribute(gPanelMain, GRAPH, ATTR_XNAME,
                     bWieExportiert ? FENSTER_TEXT_ACHSE_WIE_EXPORTIERT : FENSTER_TEXT_ACHSE_ZEIT);
    TK_GraphYBereich(gPanelMain, GRAPH, KURVENFORMAT_WERT_MIN / 100.0, KURVENFORMAT_WERT_MAX / 100.0);
    // The ideal sine first, so that it lies behind the samples.
    static double ideal[IDEAL_MAX];
    double dSchrittX = 1.0;
    const int iIdeal = Sinus_Ideal(&gSinus, &achse, ideal, IDEAL_MAX, &dSchrittX);
    const int iIdealPlot = iIdeal > 0 ? PlotWaveform(gPanelMain, GRAPH, ideal, iIdeal, PLOT_DICKE, 1.0, 0.0,
                                                     achse.dIdealNullX, dSchrittX, 0, 0, 0, 1,
                                                     MakeColor(FARBE_IDEAL, FARBE_IDEAL, FARBE_IDEAL))
                                      : -1;
    const int iKurvePlot = PlotY(gPanelMain, GRAPH, gSinus.pdWerte + achse.iErster, achse.iAnzahl, PLOT_DICKE,
                                 PLOT_STUFEN, PLOT_PUNKT, 0, 1, MakeColor(0, 153, 255));
    // The legend names what is drawn, and only beside a reference.
    if (gFenster.iReferenzen > 0) {
        SetPlotAttribute(gPanelMain, GRAPH, iKurvePlot, ATTR_PLOT_LG_TEXT, FENSTER_TEXT_LEGENDE_KURVE);
        if (iIdealPlot > 0)
            SetPlotAttribute(gPanelMain, GRAPH, iIdealPlot, ATTR_PLOT_LG_TEXT, FENSTER_TEXT_LEGENDE_IDEAL);
    }
    ReferenzenZeichnen();
    TK_GraphAblesungSetzen(gPanelMain, GRAPH, Ablesung);
}

// Marks the stretches at a limit, in the shown elements.
void Markieren()
{
    static std::vector<int> von, bis, oben;
    const int iAnzahl = Sinus_BegrenzteStrecken(&gSinus, nullptr, nullptr, nullptr, 0);
    von.resize(static_cast<size_t>(iAnzahl));
    bis.resize(von.size());
    oben.resize(von.size());
    Sinus_BegrenzteStrecken(&gSinus, von.data(), bis.data(), oben.data(), iAnzahl);
    for (size_t i = 0; i < von.size(); ++i) {
        von[i] = std::max(0, von[i] - gFenster.achse.iErster);
        bis[i] = std::max(0, bis[i] - gFenster.achse.iErster);
    }
    TK_GraphMarkieren(gPanelMain, GRAPH, von.data(), bis.data(), oben.data(), iAnzahl);
}

static_assert(1 + FENSTER_REFERENZEN_MAX <= KURVENSATZ_MAX, "the design and its references form one set");

// The design and the references as the set one rig would play: what does
// not fit together, the loop, each reference's frequency and phase against
// the design.
void SatzText(char *szText, std::size_t iGroesse)
{
    Satzkurve kurven[1 + FENSTER_REFERENZEN_MAX];
    Kurvensatz_AusEntwurf(FENSTER_TEXT_SATZ_ENTWURF, &gEingabe, &gSinus, &kurven[0]);
    for (int r = 0; r < gFenster.iReferenzen; ++r) {
        kurven[r + 1] = gFenster.aReferenzen[r].satz;
        kurven[r + 1].szName = Fenster_Dateiname(gFenster.aReferenzen[r].szPfad);
    }
    Kurvensatz satz;
    szText[0] = '\0';
    if (Kurvensatz_Pruefen(kurven, 1 + gFenster.iReferenzen, &satz) < 0 || iGroesse == 0)
        return;
    TK_TextKopieren(szText, iGroesse, FENSTER_TEXT_SATZ);
    const std::size_t iLaenge = std::strlen(szText);
    Kurvensatz_Zeile(&satz, kurven, " \u00b7 ", szText + iLaenge, iGroesse - iLaenge);
}

// The warnings first, above the status, the references, the set and the notes.
void TexteZeigen()
{
    char szStatus[STATUS_GROESSE], szWarnungen[WARNUNGEN_GROESSE];
    if (Analyse_WarnungenText(&gFenster.analyse, 1, szWarnungen, sizeof szWarnungen) == 0)
        szWarnungen[0] = '\0';
    SetCtrlVal(gPanelMain, WARNZEILE, szWarnungen);
    Sinus_StatusText(&gSinus, &gFenster.analyse, szStatus, sizeof szStatus);
    if (gFenster.iReferenzen > 0) {
        char szReferenz[STATUS_GROESSE * 3];
        Fenster_ReferenzText(szReferenz, sizeof szReferenz);
        TK_TextAnhaengen(szStatus, sizeof szStatus, "\n");
        TK_TextAnhaengen(szStatus, sizeof szStatus, szReferenz);
        SatzText(szReferenz, sizeof szReferenz);
        TK_TextAnhaengen(szStatus, sizeof szStatus, "\n");
        TK_TextAnhaengen(szStatus, sizeof szStatus, szReferenz);
    }
    if (gFenster.szHinweis[0]) {
        TK_TextAnhaengen(szStatus, sizeof szStatus, "\n");
        TK_TextAnhaengen(szStatus, sizeof szStatus, gFenster.szHinweis);
    }
    SetCtrlVal(gPanelMain, STATUSZEILE, szStatus);
}

// Each of undo and redo names the step it goes to ("Rückgängig: Frequenz
// 8 → 5 Hz", "Rückgängig: Eingaben aus ref.txt") and is greyed out where
// there is none.
void VerlaufMenuZeigen()
{
    const bool bPasst = Fenster_VerlaufPasst();
    const Verlaufsstufe *pAktuell = bPasst ? Fenster_VerlaufNachbar(0) : nullptr;
    const struct {
        int iItem, iRichtung;
        const char *szName;
    } items[] = {{RUECKGAENGIG, -1, FENSTER_TEXT_RUECKGAENGIG}, {WIEDERHOLEN, 1, FENSTER_TEXT_WIEDERHOLEN}};
    for (const auto &item : items) {
        const Verlaufsstufe *pZiel = bPasst ? Fenster_VerlaufNachbar(item.iRichtung) : nullptr;
        char szText[MENU_GROESSE], szAenderung[MENU_GROESSE];
        TK_TextKopieren(szText, sizeof szText, item.szName);
        if (pZiel) {
            // Undo takes back what made the current step; redo brings back what made the next one.
            const Verlaufsstufe *pAnlass = item.iRichtung < 0 ? pAktuell : pZiel;
            if (pAnlass && pAnlass->szAnlass[0])
                TK_TextKopieren(szAenderung, sizeof szAenderung, pAnlass->szAnlass);
            else
                Eingaben_AenderungText(&gEingabe, &pZiel->eingabe, szAenderung, sizeof szAenderung);
            TK_TextAnhaengen(szText, sizeof szText, ": ");
            TK_TextAnhaengen(szText, sizeof szText, szAenderung);
        }
        TK_MenuText(gPanelMain, item.iItem, szText);
        TK_MenuDimmen(gPanelMain, item.iItem, !pZiel);
    }
}

// The items that have something to do only in some states; the time base
// adjustment names the time base it sets.
void MenusZeigen()
{
    VerlaufMenuZeigen();
    const int iRat = Fenster_ZeitbasisRat();
    char szText[MENU_GROESSE];
    TK_TextKopieren(szText, sizeof szText, FENSTER_TEXT_ZEITBASIS_ANPASSEN);
    if (iRat >= 0) {
        TK_TextAnhaengen(szText, sizeof szText, ": ");
        TK_TextAnhaengen(szText, sizeof szText, Zeitbasis_Label(iRat));
    }
    TK_MenuText(gPanelMain, ZEITBASISANPASSEN, szText);
    TK_MenuDimmen(gPanelMain, ZEITBASISANPASSEN, iRat < 0);
    TK_MenuDimmen(gPanelMain, EINGABENAUSREFERENZ, gFenster.iReferenzen == 0);
    // Beside several references the take-over names the one it reads, the newest.
    if (gFenster.iReferenzen > 1) {
        char szName[MENU_GROESSE / 2], szItem[MENU_GROESSE];
        MenuName(gFenster.iReferenzen - 1, szName, sizeof szName);
        std::snprintf(szItem, sizeof szItem, FENSTER_TEXT_AUS_NEUESTER, szName);
        TK_MenuText(gPanelMain, EINGABENAUSREFERENZ, szItem);
    } else {
        TK_MenuText(gPanelMain, EINGABENAUSREFERENZ, FENSTER_TEXT_AUS_REFERENZ);
    }
    TK_MenuDimmen(gPanelMain, REFERENZENTFERNEN, gFenster.iReferenzen == 0);
    // One item for each reference shown, named by its number and file.
    for (int r = 0; r < FENSTER_REFERENZEN_MAX; ++r) {
        if (r < gFenster.iReferenzen) {
            char szName[MENU_GROESSE / 2], szItem[MENU_GROESSE];
            MenuName(r, szName, sizeof szName);
            std::snprintf(szItem, sizeof szItem, FENSTER_TEXT_REFERENZ_WEG, r + 1, szName);
            TK_MenuText(gPanelMain, REFERENZ_WEG[r], szItem);
        }
        TK_MenuZeigen(gPanelMain, REFERENZ_WEG[r], r < gFenster.iReferenzen);
    }
    // Beside a reference the axis is the file's, and the item says so.
    TK_MenuHaken(gPanelMain, ZEITACHSE, gFenster.bWieExportiert || gFenster.iReferenzen > 0);
    TK_MenuDimmen(gPanelMain, ZEITACHSE, gFenster.iReferenzen > 0);
}

// What the graph would be drawn from now.
Graphstand JetzigerStand()
{
    Graphstand g;
    std::memset(&g, 0, sizeof g);  // padding too: the records compare whole
    g.pdWerte = gSinus.pdWerte;
    g.dFaktor = gSinus.dFaktor;
    g.dAmplitude = gSinus.dAmplitude;
    g.dOffset = gSinus.dOffset;
    g.dPeriodendauer = gSinus.dPeriodendauer;
    g.dPerioden = gSinus.dPerioden;
    g.dPhase = gSinus.dPhase;
    g.dZeitbasisMs = Zeitbasis_Ms(gEingabe.szZeitbasis);
    g.iAnzahlPunkte = gSinus.iAnzahlPunkte;
    g.iPunkteProPeriode = gSinus.iPunkteProPeriode;
    g.bWieExportiert = gFenster.bWieExportiert;
    g.iReferenzen = gFenster.iReferenzen;
    g.iReferenzStand = gFenster.iReferenzStand;
    return g;
}

}  // namespace

void Fenster_Darstellen(void)
{
    // A failed generation leaves the previous curve and its marks on the graph.
    const Graphstand jetzt = JetzigerStand();
    if (gFenster.iErzeugung == 0 &&
        (!gFenster.bGraphGezeichnet || std::memcmp(&jetzt, &gFenster.gezeichnet, sizeof jetzt) != 0)) {
        GraphZeichnen();
        Markieren();
        gFenster.gezeichnet = jetzt;
        gFenster.bGraphGezeichnet = 1;
    }
    TexteZeigen();
    MenusZeigen();
}

int Sinus_Berechnen(void)
{
    Fenster_Darstellen();
    return gFenster.iErzeugung;
}

void Fenster_ZeitachseSetzen(int bWieExportiert)
{
    gFenster.bWieExportiert = bWieExportiert != 0;
    Fenster_Darstellen();
}

namespace {

// The status line's words on reference @p r: file, summary, comparison.
void EineReferenzText(int r, char *szText, std::size_t iGroesse)
{
    const Referenz &referenz = gFenster.aReferenzen[r];
    const Kurvendatei &ref = referenz.datei;
    char szZusammenfassung[TEXT_GROESSE], szNotizen[TEXT_GROESSE / 2], szVergleich[80];
    Kurvendatei_Notizen(&ref, szNotizen, sizeof szNotizen);
    Kurvendatei_Zusammenfassung(&ref, szNotizen, szZusammenfassung, sizeof szZusammenfassung);
    // Compared anew with every commit, from the copy of its bytes as read:
    // a commit never waits for the file's folder.
    int iZeile = 0;
    const int iGleich = lseek(referenz.iKopie, 0, SEEK_SET) != 0
                            ? -errno
                            : Sinus_ExportVergleichen(referenz.iKopie, &gEingabe, &gSinus, &iZeile);
    const int iKopf = Kurvenformat_KopfzeilenAnzahl();
    if (iGleich == 1)
        TK_TextKopieren(szVergleich, sizeof szVergleich, SINUS_TEXT_REFERENZ_GLEICH);
    else if (iGleich < 0)
        std::snprintf(szVergleich, sizeof szVergleich, "%s", Fenster_LeseGrund(-iGleich));
    else if (iZeile <= iKopf)
        std::snprintf(szVergleich, sizeof szVergleich, SINUS_TEXT_WEICHT_IM_KOPF_AB, iZeile);
    else
        std::snprintf(szVergleich, sizeof szVergleich, SINUS_TEXT_WEICHT_AB_DATENZEILE, iZeile - iKopf);
    std::snprintf(szText, iGroesse, SINUS_TEXT_REFERENZ_ZEILE, Fenster_Dateiname(referenz.szPfad), szZusammenfassung,
                  szVergleich);
}

}  // namespace

void Fenster_ReferenzText(char *szText, std::size_t iGroesse)
{
    // A line for each reference, oldest first, as the legend lists them.
    szText[0] = '\0';
    for (int r = 0; r < gFenster.iReferenzen; ++r) {
        char szZeile[TEXT_GROESSE * 2];
        EineReferenzText(r, szZeile, sizeof szZeile);
        if (r > 0)
            TK_TextAnhaengen(szText, iGroesse, "\n");
        TK_TextAnhaengen(szText, iGroesse, szZeile);
    }
}
