// The program's panel form, loaded with callbacks that record every event;
// answers to the file dialogs; what a control shows and holds.
#ifndef TEST_PANEL_FIXTURE_H
#define TEST_PANEL_FIXTURE_H

#include "aufzeichnung.h"
#include "treiber.h"
#include "toolkit_gui.h"

#include <QApplication>
#include <gtest/gtest.h>

/// What the next file dialogs answer (a path and the dialog's result), and
/// the titles of those shown so far.
struct Dateiauswahl {
    std::string pfad;
    int ergebnis = 0;
    std::vector<std::string> titel;
};
inline Dateiauswahl gDateiauswahl;
/// The answer itself, as TK_DateiauswahlAbfangen() takes it.
int DateiauswahlAntworten(const char *titel, char *pfad, std::size_t groesse);

struct Ereignis {
    int panel, control, event;  // control: the menu item for menu events, 0 for panel events
};
inline std::vector<Ereignis> gEreignisse;

inline int ControlAufzeichnen(int p, int c, int e, void *, int, int) { return gEreignisse.push_back({p, c, e}), 0; }
inline int PanelAufzeichnen(int p, int e, void *, int, int) { return gEreignisse.push_back({p, 0, e}), 0; }
inline void MenuAufzeichnen(int, int item, void *, int p) { gEreignisse.push_back({p, item, 0}); }
inline const CallbackEntry gTestRueckrufe[] = {
    {"Eingabe", ControlAufzeichnen, nullptr, nullptr},
    {"Speichern", ControlAufzeichnen, nullptr, nullptr},
    {"Callback_Panel", nullptr, PanelAufzeichnen, nullptr},
    {"Menu_Main", nullptr, nullptr, MenuAufzeichnen},
};

inline std::string Anzeige(int panel, int control)
{
    char text[4096];
    return TK_Anzeige(panel, control, text, sizeof text), text;
}
inline double Wert(int panel, int control)
{
    double v = -1.0;
    EXPECT_EQ(GetCtrlVal(panel, control, &v), 0) << "control " << control;
    return v;
}
/// The values a graph's plot holds.
inline std::vector<double> Plotwerte(int panel, int control)
{
    std::vector<double> w(static_cast<size_t>(std::max(0, TK_PlotWerte(panel, control, nullptr, 0))));
    return TK_PlotWerte(panel, control, w.data(), static_cast<int>(w.size())), w;
}

class PanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetCallbackTable(gTestRueckrufe, 4);
        ASSERT_GT(h = LoadPanel(0, "wlr7sinus_uir.uir", 1), 0);
        gEreignisse.clear();
        MeldungenLeeren();
    }
    void TearDown() override { DiscardPanel(h); }
    /// Shows the panel as start-up does; its activation events are dropped.
    void Zeigen()
    {
        DisplayPanel(h);
        QApplication::processEvents();
        gEreignisse.clear();
    }
    int Anzahl(int event) const
    {
        return static_cast<int>(
            std::count_if(gEreignisse.begin(), gEreignisse.end(), [=](const Ereignis &e) { return e.event == event; }));
    }
    int h = 0;
};

#endif
