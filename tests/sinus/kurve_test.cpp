// The generated samples, checked against sin() worked out here.
#include "Sinuserzeugung_Main.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

double Erwartet(double amp, double offset, int proPeriode, int k)
{
    double v = offset + amp * std::sin(2.0 * M_PI * k / proPeriode);
    return v < 0.0 ? 0.0 : v > 100.0 ? 100.0 : v;
}

std::vector<double> Fuellen(double amp, double offset, int proPeriode, double perioden)
{
    Sinuskurve s = {};
    s.dAmplitude = amp;
    s.dOffset = offset;
    s.iPunkteProPeriode = proPeriode;
    s.dPerioden = perioden;
    std::vector<double> w(static_cast<size_t>(Sinus_AnzahlWerte(&s)));
    Sinus_WerteFuellen(&s, w.data(), static_cast<int>(w.size()));
    return w;
}

}  // namespace

TEST(Kurve, LetzterWertSetztDieWelleFort)
{
    std::vector<double> w = Fuellen(50, 50, 20, 1.25);
    ASSERT_EQ(w.size(), 27u);
    EXPECT_NEAR(w[26], 100.0, 1e-9) << "k = 25 is a crest, not a repeat of the first value";
    w = Fuellen(50, 50, 2, 1.25);
    ASSERT_EQ(w.size(), 5u);
    w = Fuellen(50, 50, 1, 0.3);
    ASSERT_EQ(w.size(), 3u);
    EXPECT_EQ(w, std::vector<double>(3, 50.0));
}

TEST(Kurve, BegrenzungAufNullBisHundert)
{
    std::vector<double> w = Fuellen(80, 50, 20, 1);  // 8 V peak, 5 V offset on 10 V
    int oben = 0, unten = 0;
    for (size_t i = 1; i < w.size(); ++i) {
        EXPECT_NEAR(w[i], Erwartet(80, 50, 20, static_cast<int>(i) - 1), 1e-9) << i;
        oben += w[i] == 100.0;
        unten += w[i] == 0.0;
    }
    EXPECT_EQ(oben, 5);
    EXPECT_EQ(unten, 5);

    w = Fuellen(50, -200, 20, 1);
    EXPECT_EQ(w, std::vector<double>(22, 0.0));

    w = Fuellen(-50, 50, 20, 1);  // mirrored: falls first
    EXPECT_LT(w[2], 50.0);
    EXPECT_NEAR(w[6], 0.0, 1e-9);
    EXPECT_NEAR(w[16], 100.0, 1e-9);

    w = Fuellen(50, -0.0, 20, 1);  // the half period is -0.0 + -0.0
    for (double v : w)
        EXPECT_FALSE(std::signbit(v)) << "no -0.00 in the export";

    w = Fuellen(INFINITY, 50, 20, 1);  // values that are not numbers become 100
    EXPECT_EQ(w[1], 100.0);
}
