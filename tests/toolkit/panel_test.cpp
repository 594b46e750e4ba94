#include "panel_fixture.h"
#include "seam_gui.h"

#include <QApplication>
#include <QWidget>
#include <clocale>
#include <cstring>

TEST(Laden, UnbekannteDateiNummerOderRueckrufGebenNegativenHandle)
{
    SetCallbackTable(gTestRueckrufe, 4);
    EXPECT_EQ(LoadPanel(0, "gibtsnicht.uir", 1), TK_FEHLER_DATEI);
    EXPECT_EQ(LoadPanel(0, "", 1), TK_FEHLER_DATEI);
    EXPECT_EQ(LoadPanel(0, "wlr7sinus_uir.uir", 2), TK_FEHLER_PANELNUMMER);

    // Without "Speichern" the button's callback answers to no function.
    SetCallbackTable(gTestRueckrufe, 1);
    EXPECT_EQ(LoadPanel(0, "wlr7sinus_uir.uir", 1), TK_FEHLER_RUECKRUF);
    // A name bound to a function of the wrong kind does not answer either.
    const CallbackEntry falsch[] = {gTestRueckrufe[0], gTestRueckrufe[1], gTestRueckrufe[2],
                                    {"Menu_Main", ControlAufzeichnen, nullptr, nullptr}};
    SetCallbackTable(falsch, 4);
    EXPECT_EQ(LoadPanel(0, "wlr7sinus_uir.uir", 1), TK_FEHLER_RUECKRUF);
}

TEST_F(PanelTest, TitelAttributSetztDieTitelzeile)
{
    char titel[64];
    ASSERT_EQ(GetPanelAttribute(h, ATTR_TITLE, titel, sizeof titel), 0);
    EXPECT_STREQ(titel, "WLR7-Dovarizuz");
    SetPanelAttribute(h, ATTR_TITLE, "WLR7-Dovarizuz V 1.0");
    GetPanelAttribute(h, ATTR_TITLE, titel, sizeof titel);
    EXPECT_STREQ(titel, "WLR7-Dovarizuz V 1.0");
    char kurz[5];
    GetPanelAttribute(h, ATTR_TITLE, kurz, sizeof kurz);
    EXPECT_STREQ(kurz, "WLR7");
    EXPECT_EQ(SetPanelAttribute(h, 618, 1), 0);
    EXPECT_EQ(SetSystemAttribute(1420, 0), 0);
}

TEST_F(PanelTest, SchliessfeldMeldetEreignis11UndDasFensterBleibt)
{
    DisplayPanel(h);
    TK_Schliessen(h);
    ASSERT_EQ(Anzahl(EVENT_CLOSE), 1);
    EXPECT_EQ(gEreignisse.back().panel, h);
    double v;
    EXPECT_EQ(GetCtrlVal(h, 2, &v), 0) << "the panel stays until it is discarded";
}

TEST_F(PanelTest, MenuBeendenRuftDenMenuRueckrufMitItem3)
{
    ASSERT_EQ(TK_MenuWaehlen(h, 3), 0);
    ASSERT_EQ(gEreignisse.size(), 1u);
    EXPECT_EQ(gEreignisse[0].control, 3);
    EXPECT_EQ(gEreignisse[0].panel, h);
}

TEST_F(PanelTest, AktivierungMeldetFokusereignisse)
{
    QWidget anderes;
    DisplayPanel(h);
    QApplication::processEvents();
    anderes.show();
    anderes.activateWindow();
    QApplication::processEvents();
    EXPECT_GE(Anzahl(EVENT_GOT_FOCUS), 1);
    EXPECT_GE(Anzahl(EVENT_LOST_FOCUS), 1);
}

TEST(Start, ZahlenformatBleibtBeimPunkt)
{
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", 1.5);
    EXPECT_STREQ(text, "1.50");
}
