// The input callback on the real widgets: coupling, refusal and redraw.
#include "graph_gui.h"
#include "intern_gui.h"
#include "sinus_fixture.h"

#include <cstring>
#include <vector>

TEST_F(SinusPanel, ScheitelwertUndEffektivwertFolgenEinander)
{
    TK_Tippen(gPanelMain, AMPLITUDEDACH, "5");
    EXPECT_EQ(Wert(AMPLITUDEEFF), 3.5355339059327373);
    EXPECT_EQ(gEingabe.dAmplitudeEff, 3.5355339059327373);

    TK_Tippen(gPanelMain, AMPLITUDEEFF, "2");
    EXPECT_EQ(Wert(AMPLITUDEDACH), std::sqrt(2.0) * 2.0);
    EXPECT_EQ(gSinus.dAmplitude, std::sqrt(2.0) * 2.0 * 10.0);

    TK_Tippen(gPanelMain, AMPLITUDEDACH, "-4");  // negative peaks are accepted
    EXPECT_EQ(Wert(AMPLITUDEEFF), -4.0 / std::sqrt(2.0));
    EXPECT_EQ(Anzeige(AMPLITUDEEFF), "-2.828");
    EXPECT_TRUE(gMeldungen.empty());
}

TEST_F(SinusPanel, PartnerOhneEndlichenWertWirdAbgelehnt)
{
    std::vector<double> vorher(22);
    TK_PlotWerte(gPanelMain, GRAPH, vorher.data(), 22);
    TK_Tippen(gPanelMain, AMPLITUDEEFF, "1.7e308");  // sqrt(2) times it is no double
    EXPECT_EQ(Wert(AMPLITUDEEFF), 3.536) << "the old value stays, as after text that is no number";
    EXPECT_EQ(Wert(AMPLITUDEDACH), 5.0);
    EXPECT_EQ(gEingabe.dAmplitudeEff, 3.536);
    std::vector<double> nachher(22);
    EXPECT_EQ(TK_PlotWerte(gPanelMain, GRAPH, nachher.data(), 22), 22);
    EXPECT_EQ(nachher, vorher);
    TK_Tippen(gPanelMain, AMPLITUDEEFF, "1e307");  // a finite partner: accepted
    EXPECT_EQ(Wert(AMPLITUDEDACH), std::sqrt(2.0) * 1e307);
    EXPECT_EQ(Anzeige(AMPLITUDEDACH), "1.414e+307");
}

TEST_F(SinusPanel, StatuszeileUndMarkenFolgenJedemCommit)
{
    EXPECT_EQ(Anzeige(STATUSZEILE), "20 von 16358 Punkten · 20 Punkte je Periode · Schritt 10 ms · Dauer 200 ms");
    TK_Tippen(gPanelMain, AMPLITUDEDACH, "8");
    const std::string text = Anzeige(STATUSZEILE);
    EXPECT_NE(text.find("\nBegrenzt: 5 von 20 Punkten bei 100 % und 5 bei 0 %"), std::string::npos) << text;
    const auto &marken = tk::graph(gPanelMain, GRAPH)->marken();
    ASSERT_EQ(marken.size(), 2u);
    EXPECT_EQ(marken[0].von, 4);
    EXPECT_TRUE(marken[0].oben);
    TK_Tippen(gPanelMain, AMPLITUDEDACH, "5");
    EXPECT_TRUE(tk::graph(gPanelMain, GRAPH)->marken().empty());
}

TEST_F(SinusPanel, FrequenzUndPeriodendauerFolgenEinander)
{
    TK_Tippen(gPanelMain, FREQUENZ, "5");
    EXPECT_EQ(Wert(PERIODENDAUER), 200.0);
    TK_Tippen(gPanelMain, PERIODENDAUER, "0.05");
    EXPECT_EQ(Wert(FREQUENZ), 20000.0);
    EXPECT_EQ(Anzeige(FREQUENZ), "20000.00");
    TK_Tippen(gPanelMain, FREQUENZ, "8");
    EXPECT_EQ(Wert(PERIODENDAUER), 125.0);
    EXPECT_EQ(gSinus.iPunkteProPeriode, 13);  // 12.5 rounds up
}

TEST_F(SinusPanel, AbgelehnteLesungStelltBeideRecordsByteFuerByteWiederHer)
{
    TK_RingWaehlen(gPanelMain, ZEITBASIS, 0);         // 50us: 4000 per period
    TK_Tippen(gPanelMain, ANZAHLPERIODEN, "4.0895");  // 16358: accepted
    ASSERT_TRUE(gMeldungen.empty());
    ASSERT_EQ(gSinus.iAnzahlPunkte, 16360);
    Eingabewerte eingabe;
    Sinuskurve sinus;
    std::memcpy(&eingabe, &gEingabe, sizeof eingabe);
    std::memcpy(&sinus, &gSinus, sizeof sinus);

    SetCtrlVal(gPanelMain, PERIODENDAUER, 250.0);  // 5000 per period: too many
    SetCtrlVal(gPanelMain, FREQUENZ, 4.0);
    SetCtrlVal(gPanelMain, OFFSET, 1.0);
    Sinus_EingabenLesen();
    ASSERT_EQ(gMeldungen.size(), 1u);
    EXPECT_EQ(gMeldungen[0].titel, "Fehler");
    EXPECT_EQ(gMeldungen[0].text,
              "Die Kurve besteht aus zu vielen Punkten.\nReduzieren Sie die Perioden oder die\n"
              "Periodendauer oder erhöhen Sie\ndie Zeitbasis.");
    EXPECT_EQ(std::memcmp(&eingabe, &gEingabe, sizeof eingabe), 0);
    EXPECT_EQ(std::memcmp(&sinus, &gSinus, sizeof sinus), 0);
    EXPECT_EQ(Wert(PERIODENDAUER), 200.0);
    EXPECT_EQ(Wert(FREQUENZ), 5.0);
    EXPECT_EQ(Wert(OFFSET), 5.0);
}

TEST_F(SinusPanel, AbgelehnterCommitStelltPanelPartnerUndKurveWiederHer)
{
    TK_RingWaehlen(gPanelMain, ZEITBASIS, 0);
    TK_Tippen(gPanelMain, ANZAHLPERIODEN, "4.0895");
    const std::vector<double> kurve(gSinus.pdWerte, gSinus.pdWerte + gSinus.iAnzahlPunkte);

    TK_Tippen(gPanelMain, FREQUENZ, "4");  // coupled to 250 ms: too many points
    ASSERT_EQ(gMeldungen.size(), 1u);
    EXPECT_EQ(Wert(FREQUENZ), 5.0);
    EXPECT_EQ(Wert(PERIODENDAUER), 200.0) << "the coupled partner is restored too";
    EXPECT_EQ(Anzeige(ANZAHLPERIODEN), "4.09");
    EXPECT_EQ(Anzeige(ZEITBASIS), "50us");
    EXPECT_EQ(std::vector<double>(gSinus.pdWerte, gSinus.pdWerte + gSinus.iAnzahlPunkte), kurve);
    EXPECT_EQ(TK_AnzahlPlots(gPanelMain, GRAPH), 1);
    EXPECT_EQ(TK_PlotWerte(gPanelMain, GRAPH, nullptr, 0), 16360);

    TK_Tippen(gPanelMain, AMPLITUDEDACH, "1e6");  // refused for points only, not for size
    TK_RingWaehlen(gPanelMain, ZEITBASIS, 1);       // 100us halves the count
    TK_RingWaehlen(gPanelMain, KURVENNUMMER, 2);
    EXPECT_EQ(gMeldungen.size(), 1u);
    EXPECT_EQ(gEingabe.iKurvennummer, 3);
    EXPECT_STREQ(gEingabe.szZeitbasis, "100us");
    EXPECT_EQ(gEingabe.iZeitbasisIndex, 1);
}

TEST_F(SinusPanel, AnderesEreignisAendertNichts)
{
    Eingabewerte eingabe;
    std::memcpy(&eingabe, &gEingabe, sizeof eingabe);
    SetCtrlVal(gPanelMain, FREQUENZ, 7.0);
    for (int ereignis : {0, 2, 8, 9, 11})
        EXPECT_EQ(Eingabe(gPanelMain, FREQUENZ, ereignis, nullptr, 0, 0), 0);
    EXPECT_EQ(Wert(PERIODENDAUER), 200.0);
    EXPECT_EQ(std::memcmp(&eingabe, &gEingabe, sizeof eingabe), 0);
    EXPECT_EQ(Speichern(gPanelMain, SPEICHERN, 2, nullptr, 0, 0), 0);
    EXPECT_TRUE(gDateiauswahlTitel.empty());
}

TEST_F(SinusPanel, JederCommitLaesstGenauEinenPlot)
{
    TK_Tippen(gPanelMain, WLR7UMAX, "20");
    EXPECT_EQ(gSinus.dFaktor, 5.0);
    EXPECT_DOUBLE_EQ(Gain(ATTR_YAXIS_GAIN), 0.2);
    TK_Tippen(gPanelMain, OFFSET, "2");
    EXPECT_EQ(gSinus.dOffset, 10.0);
    TK_Pfeil(gPanelMain, ANZAHLPERIODEN, 1);
    EXPECT_EQ(gSinus.dPerioden, 2.0);
    TK_RingWaehlen(gPanelMain, ZEITBASIS, 16);
    TK_RingWaehlen(gPanelMain, KURVENNUMMER, 3);
    EXPECT_EQ(TK_AnzahlPlots(gPanelMain, GRAPH), 1);
    EXPECT_EQ(TK_PlotWerte(gPanelMain, GRAPH, nullptr, 0), gSinus.iAnzahlPunkte);
}
