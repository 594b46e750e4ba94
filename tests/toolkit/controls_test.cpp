#include "intern_gui.h"
#include "numeric_gui.h"
#include "panel_fixture.h"
#include "seam_gui.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QStandardItemModel>

#include <cmath>
#include <limits>
#include <string>

TEST_F(PanelTest, NumerischHaeltDenVollenDoubleUndZeigtIhnGerundet)
{
    const double v = 5.0 / std::sqrt(2.0);
    SetCtrlVal(h, 4, v);
    double gelesen = 0.0;
    GetCtrlVal(h, 4, &gelesen);
    EXPECT_EQ(gelesen, v);
    EXPECT_EQ(Anzeige(h, 4), "3.536");
    // Enter on the untouched field commits the held value, not the shown one.
    TK_Tippen(h, 4, "");
    GetCtrlVal(h, 4, &gelesen);
    EXPECT_EQ(gelesen, v);
    EXPECT_EQ(Anzahl(EVENT_COMMIT), 1);
}

TEST_F(PanelTest, CodeSchreibtOhneEreignisGetipptesGibtGenauEines)
{
    SetCtrlVal(h, 2, 7.0);
    SetCtrlVal(h, 10, 3);
    SetCtrlIndex(h, 9, 4);
    EXPECT_TRUE(gEreignisse.empty());

    TK_Tippen(h, 6, "12.5");
    ASSERT_EQ(gEreignisse.size(), 1u);
    EXPECT_EQ(gEreignisse[0].control, 6);
    EXPECT_EQ(gEreignisse[0].event, EVENT_COMMIT);
    double f;
    GetCtrlVal(h, 6, &f);
    EXPECT_EQ(f, 12.5);

    TK_Tippen(h, 3, "1,25");  // a comma is read as the decimal separator
    double a;
    GetCtrlVal(h, 3, &a);
    EXPECT_EQ(a, 1.25);
    EXPECT_EQ(Anzahl(EVENT_COMMIT), 2);
}

TEST_F(PanelTest, TextOhneZahlIstKeinCommit)
{
    TK_Tippen(h, 5, "-");
    TK_Tippen(h, 5, "1e999");
    double v;
    GetCtrlVal(h, 5, &v);
    EXPECT_EQ(v, 5.0);
    EXPECT_EQ(Anzeige(h, 5), "5.000");
    EXPECT_TRUE(gEreignisse.empty());
}

TEST_F(PanelTest, BereicheHaltenBeimTippenUndSchreiben)
{
    struct Fall {
        int control;
        const char *zuGross;
        double max;
        const char *zuKlein;
        double min;
    };
    const Fall faelle[] = {{2, "20000", 10000.0, "0", 0.001},
                           {6, "1e6", 20000.0, "0.001", 0.02},
                           {7, "99999", 50000.0, "-3", 0.05},
                           {8, "101", 100.0, "0.001", 0.01}};
    for (const Fall &f : faelle) {
        double v;
        TK_Tippen(h, f.control, f.zuGross);
        GetCtrlVal(h, f.control, &v);
        EXPECT_EQ(v, f.max) << f.control;
        TK_Tippen(h, f.control, f.zuKlein);
        GetCtrlVal(h, f.control, &v);
        EXPECT_EQ(v, f.min) << f.control;
        SetCtrlVal(h, f.control, 1e9);
        GetCtrlVal(h, f.control, &v);
        EXPECT_EQ(v, f.max) << f.control;
    }
    // Peak, RMS and offset are unlimited, negative values included.
    for (int c : {3, 4, 5}) {
        double v;
        TK_Tippen(h, c, "-1e300");
        GetCtrlVal(h, c, &v);
        EXPECT_EQ(v, -1e300) << c;
    }
}

TEST_F(PanelTest, PfeiltastenSchrittenUmEinsUndCommitten)
{
    TK_Pfeil(h, 8, 2);
    double v;
    GetCtrlVal(h, 8, &v);
    EXPECT_EQ(v, 3.0);
    EXPECT_EQ(Anzahl(EVENT_COMMIT), 2);
    TK_Pfeil(h, 8, -5);  // 3, 2, 1, then the lower limit; beyond it nothing
    GetCtrlVal(h, 8, &v);
    EXPECT_EQ(v, 0.01);
    EXPECT_EQ(Anzahl(EVENT_COMMIT), 5);
}

TEST_F(PanelTest, RingeWerdenVomCodeOhneEreignisGesetztVomBenutzerMitEinem)
{
    EXPECT_EQ(SetCtrlVal(h, 10, 3), 0);
    int i = -1, w = -1;
    GetCtrlIndex(h, 10, &i);
    EXPECT_EQ(i, 2);
    EXPECT_EQ(SetCtrlVal(h, 10, 9), TK_FEHLER_ARGUMENT);
    EXPECT_EQ(SetCtrlIndex(h, 9, 17), TK_FEHLER_ARGUMENT);
    EXPECT_TRUE(gEreignisse.empty());

    TK_RingWaehlen(h, 10, 3);  // one key press from "Kurve 3" to "Kurve 4"
    GetCtrlVal(h, 10, &w);
    EXPECT_EQ(w, 4);
    EXPECT_EQ(Anzahl(EVENT_COMMIT), 1);
}

TEST_F(PanelTest, WieEinMenschEsErwartet)
{
    // The focus at start selects the text: typing replaces the value.
    DisplayPanel(h);
    QApplication::processEvents();
    gEreignisse.clear();  // the window's activation
    EXPECT_EQ(TK_FokusControl(h), 2);
    auto *feld = tk::numerisch(h, 2);
    EXPECT_EQ(feld->findChild<QLineEdit *>()->selectedText(), QStringLiteral("10.000"));

    // The wheel changes no control that lacks the focus, and commits nothing.
    TK_Rad(h, 5, 2);
    TK_Rad(h, 9, 1);
    double v;
    int i;
    GetCtrlVal(h, 5, &v);
    GetCtrlIndex(h, 9, &i);
    EXPECT_EQ(v, 5.0);
    EXPECT_EQ(i, 9);
    EXPECT_TRUE(gEreignisse.empty());
    // On the focused field it steps and commits.
    tk::numerisch(h, 5)->setFocus();
    TK_Rad(h, 5, 1);
    GetCtrlVal(h, 5, &v);
    EXPECT_EQ(v, 6.0);
    EXPECT_EQ(Anzahl(EVENT_COMMIT), 1);

    // Enter on the focused button presses it.
    TK_Eingabetaste(h, 11);
    ASSERT_EQ(gEreignisse.size(), 2u);
    EXPECT_EQ(gEreignisse[1].control, 11);
}

TEST_F(PanelTest, GrosseZahlenPassenInsFeldUndBleibenBeimVerlassen)
{
    SetCtrlVal(h, 3, 1e308);
    EXPECT_EQ(Anzeige(h, 3), "1.000e+308");
    SetCtrlVal(h, 3, -1234567.0);
    EXPECT_EQ(Anzeige(h, 3), "-1234567.000") << "fixed while it fits";
    SetCtrlVal(h, 3, 123456789.0);
    EXPECT_EQ(Anzeige(h, 3), "1.235e+08");
    SetCtrlVal(h, 4, 1.7e308);
    double v;
    TK_Tippen(h, 4, "");  // Enter on the untouched field: the held value
    GetCtrlVal(h, 4, &v);
    EXPECT_EQ(v, 1.7e308);
    TK_Tippen(h, 4, "2,5e+300");  // the shown form can be typed back
    GetCtrlVal(h, 4, &v);
    EXPECT_EQ(v, 2.5e300);
}

TEST_F(PanelTest, RingHelferEndetAnEinemGesperrtenEintrag)
{
    auto *ring = qobject_cast<QComboBox *>(tk::control(h, 10));
    auto *modell = qobject_cast<QStandardItemModel *>(ring->model());
    ASSERT_NE(modell, nullptr);
    modell->item(2)->setEnabled(false);
    EXPECT_EQ(TK_RingWaehlen(h, 10, 2), TK_FEHLER_ARGUMENT);
    int w;
    GetCtrlVal(h, 10, &w);
    EXPECT_NE(w, 3);
}
