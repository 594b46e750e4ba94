// Reopening a design at the edges of what the exporter writes: the inputs
// found are held against the ones typed, written here by hand.
#include "Kurvenformat.h"
#include "Sinusentwurf.h"
#include "Sinusschritt.h"
#include "eingabebau.h"

#include <gtest/gtest.h>
#include <vector>

TEST(Entwurf, AmOberenRandDerPeriodenUndUeberDerPunktgrenze)
{
    // 100 periods of 100 samples, the periods field's largest value: found as typed.
    Eingabewerte e = Eingabebau().Periode(100).Perioden(100).Zeitbasis("1ms");
    Sinuskurve s = {};
    ASSERT_EQ(Sinus_Schritt(&e, &s, nullptr, nullptr), SCHRITT_ANGENOMMEN);
    std::vector<int32_t> werte;
    for (int k = 1; k < s.iAnzahlPunkte; ++k)
        werte.push_back(static_cast<int32_t>(Kurvenformat_Hundertstel(s.pdWerte[k])));
    Sinus_KurveFreigeben(&s);
    Eingabewerte g = Eingabebau();
    Entwurfsbericht b;
    ASSERT_EQ(Entwurf_AusWerten(werte.data(), static_cast<int>(werte.size()), "1ms", 2, 10.0, &g, &b), 1);
    EXPECT_EQ(std::make_tuple(b.bEindeutig, b.iAbweichendAb), std::make_tuple(1, 0));
    char sz[300];
    Entwurf_Optionen(&g, sz, sizeof sz);
    EXPECT_STREQ(sz, "--timebase 1ms --period 100 --periods 100 --peak 5 --offset 5 --umax 10 --curve 2");
    // One line more than any export holds: whatever design comes closest, never byte for byte.
    werte.assign(static_cast<size_t>(MAX_KURVENPUNKTE) + 2, 5000);
    ASSERT_EQ(Entwurf_AusWerten(werte.data(), static_cast<int>(werte.size()), "1ms", 1, 10.0, &g, &b), 1);
    EXPECT_GT(b.iAbweichendAb, 0);
    // No values, or a time base not in the table: no design, and none can exist.
    EXPECT_EQ(std::make_tuple(Entwurf_AusWerten(werte.data(), 0, "1ms", 1, 10.0, &g, &b), b.bKeinerMoeglich),
              std::make_tuple(0, 1));
    EXPECT_EQ(std::make_tuple(Entwurf_AusWerten(werte.data(), 3, "2s", 1, 10.0, &g, &b), b.bKeinerMoeglich),
              std::make_tuple(0, 1));
}
