// The curve on the panel: the first curve, its axes, and a failed resize.
#include "sinus_fixture.h"

#include <cmath>
#include <vector>

namespace {

double Erwartet(double amp, double offset, int proPeriode, int k)
{
    double v = offset + amp * std::sin(2.0 * M_PI * k / proPeriode);
    return v < 0.0 ? 0.0 : v > 100.0 ? 100.0 : v;
}

}  // namespace

TEST_F(SinusPanel, VorgabekurveUndAchsen)
{
    ASSERT_EQ(gSinus.iAnzahlPunkte, 22);
    const double *w = gSinus.pdWerte;
    EXPECT_EQ(w[0], 50.0);
    EXPECT_EQ(w[1], 50.0);
    EXPECT_NEAR(w[6], 100.0, 1e-9);
    EXPECT_NEAR(w[16], 0.0, 1e-9);
    EXPECT_NEAR(w[21], 50.0, 1e-9);
    for (int k = 0; k <= 20; ++k)
        EXPECT_NEAR(w[k + 1], Erwartet(50, 50, 20, k), 1e-9) << k;
    EXPECT_DOUBLE_EQ(Gain(ATTR_YAXIS_GAIN), 0.1);
    EXPECT_DOUBLE_EQ(Gain(ATTR_XAXIS_GAIN), 0.01);
    EXPECT_EQ(TK_AnzahlPlots(gPanelMain, GRAPH), 1);
    std::vector<double> plot(22);
    EXPECT_EQ(TK_PlotWerte(gPanelMain, GRAPH, plot.data(), 22), 22);
    EXPECT_EQ(plot, std::vector<double>(w, w + 22));
}

TEST_F(SinusPanel, ZeitachseTeiltDiePeriodeNichtDieZeitbasis)
{
    TK_RingWaehlen(gPanelMain, ZEITBASIS, 5);  // "2ms"
    TK_Tippen(gPanelMain, PERIODENDAUER, "3");
    EXPECT_EQ(gSinus.iPunkteProPeriode, 2);
    EXPECT_DOUBLE_EQ(Gain(ATTR_XAXIS_GAIN), 0.0015);
}

TEST_F(SinusPanel, FehlgeschlageneSpeicheranforderungBehaeltDieAlteKurve)
{
    const double *alt = gSinus.pdWerte;
    gReallocVersagt = true;
    TK_Tippen(gPanelMain, ANZAHLPERIODEN, "2");
    ASSERT_EQ(gMeldungen.size(), 1u);
    EXPECT_EQ(gMeldungen[0].titel, "Fehler #600201");
    EXPECT_EQ(gMeldungen[0].text, "Speicherreservierung fehlgeschlagen");
    EXPECT_EQ(gSinus.iAnzahlPunkte, 0);
    EXPECT_EQ(gSinus.pdWerte, alt) << "the old block stays owned";
    EXPECT_EQ(Wert(ANZAHLPERIODEN), 2.0) << "the panel keeps the committed value";
    EXPECT_EQ(TK_AnzahlPlots(gPanelMain, GRAPH), 1);
    EXPECT_EQ(TK_PlotWerte(gPanelMain, GRAPH, nullptr, 0), 22) << "the previous curve stays";
    EXPECT_DOUBLE_EQ(Gain(ATTR_XAXIS_GAIN), 0.01);

    gReallocVersagt = false;
    TK_Tippen(gPanelMain, ANZAHLPERIODEN, "2");
    EXPECT_EQ(gSinus.iAnzahlPunkte, 42);
    // TearDown frees the block; the sanitizer build reports it if not.
}
