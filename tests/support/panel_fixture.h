// The program's panel form, loaded with callbacks that record every event;
// answers to the file dialogs.
#ifndef TEST_PANEL_FIXTURE_H
#define TEST_PANEL_FIXTURE_H

#include "aufzeichnung.h"
#include "seam_gui.h"
#include "toolkit_gui.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <string>
#include <vector>

/// What the next file dialogs answer: a path and the dialog's result.
void DateiauswahlAntwort(const std::string &pfad, int ergebnis);
/// The answer itself, as the seam takes it.
int DateiauswahlAntworten(const char *titel, char *pfad, std::size_t groesse);
/// Titles of the file dialogs shown so far.
extern std::vector<std::string> gDateiauswahlTitel;

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

/// The text a control shows.
inline std::string Anzeige(int panel, int control)
{
    char text[300];
    TK_Anzeige(panel, control, text, sizeof text);
    return text;
}

/// A numeric control's value.
inline double Wert(int panel, int control)
{
    double v = -1.0;
    GetCtrlVal(panel, control, &v);
    return v;
}

class PanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetCallbackTable(gTestRueckrufe, 4);
        h = LoadPanel(0, "wlr7sinus_uir.uir", 1);
        ASSERT_GT(h, 0);
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
        int n = 0;
        for (const Ereignis &e : gEreignisse)
            n += e.event == event;
        return n;
    }

    int h = 0;
};

#endif
