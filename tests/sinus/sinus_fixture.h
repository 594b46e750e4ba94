// The program's panel with the real input and export callbacks, the curve
// set up as at start-up, and every popup recorded.
#ifndef TEST_SINUS_FIXTURE_H
#define TEST_SINUS_FIXTURE_H

#include "Sinuserzeugung_gui.h"
#include "aufzeichnung.h"
#include "dateiauswahl_gui.h"
#include "panel_fixture.h"
#include "seam_gui.h"
#include "wlr7sinus_uir.h"

#include <cmath>
#include <cstring>
#include <string>

/// Makes the next resizes of the sample array fail.
extern bool gReallocVersagt;

inline const CallbackEntry gSinusRueckrufe[] = {
    {"Eingabe", Eingabe, nullptr, nullptr},
    {"Speichern", Speichern, nullptr, nullptr},
    {"Callback_Panel", nullptr, PanelAufzeichnen, nullptr},
    {"Menu_Main", nullptr, nullptr, MenuAufzeichnen},
};

class SinusPanel : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::memset(&gEingabe, 0, sizeof gEingabe);
        std::memset(&gSinus, 0, sizeof gSinus);
        gReallocVersagt = false;
        SetCallbackTable(gSinusRueckrufe, 4);
        gPanelMain = LoadPanel(0, "wlr7sinus_uir.uir", PNLMAIN);
        ASSERT_GT(gPanelMain, 0);
        Sinus_Initialisieren();
        MeldungenLeeren();
    }
    void TearDown() override
    {
        Sinus_Freigeben();
        DiscardPanel(gPanelMain);
        gReallocVersagt = false;
    }

    static double Wert(int c)
    {
        double v = 0.0;
        GetCtrlVal(gPanelMain, c, &v);
        return v;
    }
    static std::string Anzeige(int c)
    {
        char text[300];
        TK_Anzeige(gPanelMain, c, text, sizeof text);
        return text;
    }
    static double Gain(int attribut)
    {
        double g = 0.0;
        GetCtrlAttribute(gPanelMain, GRAPH, attribut, &g);
        return g;
    }
};

#endif
