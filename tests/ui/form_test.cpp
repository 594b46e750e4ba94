#include "panel_fixture.h"
#include "seam_gui.h"
#include "wlr7sinus_uir.h"

#include <cmath>
#include <cstdio>
#include <string>

TEST_F(PanelTest, FrischesPanelZeigtDieVorgaben)
{
    const char *erwartet[] = {"10.000", "5.000", "3.536", "5.000", "5.00", "200.00", "1.00", "10ms", "Kurve 1"};
    for (int c = WLR7UMAX; c <= KURVENNUMMER; ++c)
        EXPECT_EQ(Anzeige(h, c), erwartet[c - WLR7UMAX]) << "control " << c;
    EXPECT_EQ(Anzeige(h, SPEICHERN), "Exportieren");

    // The defaults agree with each other.
    double dach, eff, f, t;
    GetCtrlVal(h, AMPLITUDEDACH, &dach);
    GetCtrlVal(h, AMPLITUDEEFF, &eff);
    GetCtrlVal(h, FREQUENZ, &f);
    GetCtrlVal(h, PERIODENDAUER, &t);
    char gerundet[16];
    std::snprintf(gerundet, sizeof gerundet, "%.3f", dach / std::sqrt(2.0));
    EXPECT_EQ(std::string(gerundet), "3.536");
    EXPECT_EQ(eff, 3.536);
    EXPECT_EQ(1000.0 / f, t);
}

TEST_F(PanelTest, RingeTragenIhreEintraegeUndWerte)
{
    const char *zeitbasen[] = {"50us", "100us", "200us", "500us", "1ms", "2ms", "3ms", "4ms", "5ms",
                               "10ms", "20ms", "50ms", "100ms", "1s", "10s", "1min", "1std"};
    for (int i = 0; i < 17; ++i) {
        char label[20];
        ASSERT_EQ(GetLabelFromIndex(h, ZEITBASIS, i, label, sizeof label), 0);
        EXPECT_STREQ(label, zeitbasen[i]);
        SetCtrlIndex(h, ZEITBASIS, i);
        int wert = 0;
        GetCtrlVal(h, ZEITBASIS, &wert);
        EXPECT_EQ(wert, i + 1);
    }
    char label[20];
    EXPECT_EQ(GetLabelFromIndex(h, ZEITBASIS, 17, label, sizeof label), TK_FEHLER_ARGUMENT);

    for (int i = 0; i < 4; ++i) {
        GetLabelFromIndex(h, KURVENNUMMER, i, label, sizeof label);
        EXPECT_EQ(std::string(label), "Kurve " + std::to_string(i + 1));
        SetCtrlIndex(h, KURVENNUMMER, i);
        int wert = 0;
        GetCtrlVal(h, KURVENNUMMER, &wert);
        EXPECT_EQ(wert, i + 1);
    }
    EXPECT_EQ(SetCtrlIndex(h, KURVENNUMMER, 4), TK_FEHLER_ARGUMENT);
}

TEST_F(PanelTest, FokusBeginntBeiUmaxUndFolgtDenIds)
{
    DisplayPanel(h);
    EXPECT_EQ(TK_FokusControl(h), WLR7UMAX);
    for (int c = AMPLITUDEDACH; c <= SPEICHERN; ++c) {
        TK_Tabulator(h);
        EXPECT_EQ(TK_FokusControl(h), c);
    }
}

