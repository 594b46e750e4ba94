// The program's panel form, loaded with callbacks that record every event.
#ifndef TEST_PANEL_FIXTURE_H
#define TEST_PANEL_FIXTURE_H

#include "toolkit_gui.h"
#include "seam_gui.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

struct Ereignis {
    int panel;
    int control;  // the menu item for menu events, 0 for panel events
    int event;    // 0 for menu events
};

inline std::vector<Ereignis> gEreignisse;

inline int ControlAufzeichnen(int p, int c, int e, void *, int, int)
{
    gEreignisse.push_back({p, c, e});
    return 0;
}
inline int PanelAufzeichnen(int p, int e, void *, int, int)
{
    gEreignisse.push_back({p, 0, e});
    return 0;
}
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
    char text[64];
    TK_Anzeige(panel, control, text, sizeof text);
    return text;
}

class PanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetCallbackTable(gTestRueckrufe, 4);
        h = LoadPanel(0, "wlr7sinus_uir.uir", 1);
        ASSERT_GT(h, 0);
        gEreignisse.clear();
    }
    void TearDown() override { DiscardPanel(h); }

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
