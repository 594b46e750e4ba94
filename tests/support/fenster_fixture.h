// The program's window as a test meets it: the panel loaded with the
// program's own callback table, its first curve drawn, shown at the size it
// opens with; popups recorded and file dialogs answered (panel_fixture.h).
#ifndef TEST_FENSTER_FIXTURE_H
#define TEST_FENSTER_FIXTURE_H

#include "Sinuserzeugung_gui.h"
#include "intern_gui.h"
#include "panel_fixture.h"
#include "wlr7sinus_main.h"
#include "wlr7sinus_uir.h"
#include "zustand.h"

#include <QAction>
#include <cmath>
#include <utility>

/// The window's menu item named @p name.
inline QAction *Aktion(const char *name)
{
    return tk::panel(gPanelMain)->fenster->findChild<QAction *>(QString::fromLatin1(name));
}

class FensterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetCallbackTable(gRueckrufe, iRueckrufe);
        ASSERT_GT(gPanelMain = LoadPanel(0, "wlr7sinus_uir.uir", PNLMAIN), 0);
        Sinus_Initialisieren();
        DisplayPanel(gPanelMain);
        QApplication::processEvents();
        MeldungenLeeren();
        gDateiauswahl = Dateiauswahl();
    }
    void TearDown() override { Sinus_Freigeben(), DiscardPanel(gPanelMain); }

    static double W(int c) { return Wert(gPanelMain, c); }
    static std::string A(int c) { return Anzeige(gPanelMain, c); }
    static void Tippen(int c, const char *text) { ASSERT_EQ(TK_Tippen(gPanelMain, c, text), 0) << text; }
    static std::vector<double> Plot() { return Plotwerte(gPanelMain, GRAPH); }
    /// The graph's x and y gains; NAN when a read reports no success.
    static std::pair<double, double> Gains()
    {
        double x = NAN, y = NAN;
        const int a = GetCtrlAttribute(gPanelMain, GRAPH, ATTR_XAXIS_GAIN, &x);
        return a | GetCtrlAttribute(gPanelMain, GRAPH, ATTR_YAXIS_GAIN, &y) ? std::pair(double(NAN), double(NAN))
                                                                          : std::pair(x, y);
    }
    /// Presses Exportieren; the dialog answers @p datei with @p ergebnis.
    static void Exportieren(const std::string &datei, int ergebnis = 2)
    {
        gDateiauswahl = {datei, ergebnis, {}};
        TK_Klicken(gPanelMain, SPEICHERN);
    }
    /// The next file dialog answers @p datei as an existing file.
    static void Waehlen(const std::string &datei) { gDateiauswahl = {datei, 1, {}}; }
};

#endif
