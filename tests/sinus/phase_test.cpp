// What follows the start phase beside the samples: the lines the limits
// cut, the ideal sine behind the samples, the report title; counted by hand
// on designs of four samples a period.
#include "Sinusanalyse.h"
#include "Sinusschritt.h"
#include "Sinustexte.h"
#include "eingabebau.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

TEST(Phase, BegrenzteZeilenIdealUndTitelFolgenDemStartwinkel)
{
    // The first value as printed: the crest is cut at 100.
    const struct { double dPhase; int iOben, iUnten; const char *szErste; } faelle[] = {
        {0, 1, 1, "50"},     // 50 110 50 -10 50
        {90, 2, 1, "100"},   // 110 50 -10 50 110
        {-90, 1, 2, "0"},    // -10 50 110 50 -10
        {180, 1, 1, "50"},   // 50 -10 50 110 50
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.dPhase);
        // Offset 50 %, amplitude 60 %, 4 samples a period, 1 period: 5 data lines.
        Eingabewerte e = Eingabebau().Umax(10).Dach(6).Offset(5).Periode(40).Perioden(1).Zeitbasis("10ms");
        e.dPhase = f.dPhase;
        Sinuskurve s = {};
        Kurvenanalyse a;
        ASSERT_EQ(Sinus_Schritt(&e, &s, &a, nullptr), 0);
        ASSERT_EQ(s.iAnzahlPunkte, 6);
        EXPECT_EQ(std::to_string(static_cast<int>(s.pdWerte[1])), f.szErste);
        EXPECT_EQ(std::make_pair(a.iBegrenztOben, a.iBegrenztUnten), std::make_pair(f.iOben, f.iUnten));
        // The ideal sine, unclipped, starts at the same angle: offset + amplitude * sin(phase).
        Zeitachse achse;
        for (int bExport : {0, 1}) {
            Sinus_Zeitachse(&s, 10.0, bExport, &achse);
            double ideal[200], dSchritt = 0.0;
            const int n = Sinus_Ideal(&s, &achse, ideal, 200, &dSchritt);
            ASSERT_GT(n, 1);
            EXPECT_NEAR(ideal[0], 50.0 + 60.0 * std::sin(f.dPhase * M_PI / 180.0), 1e-9);
            // A quarter period on, a quarter turn further.
            const int iViertel = static_cast<int>(std::lround(achse.dIdealPeriodeX / 4.0 / dSchritt));
            EXPECT_NEAR(ideal[iViertel], 50.0 + 60.0 * std::cos(f.dPhase * M_PI / 180.0), 1e-6);
        }
        char sz[300];
        Sinus_BerichtTitel(&e, nullptr, sz, sizeof sz);
        EXPECT_EQ(std::string(sz).find("Phase") != std::string::npos, f.dPhase != 0) << sz;
        if (f.dPhase == 90) {
            EXPECT_NE(std::string(sz).find(" \u00b7 Phase 90.00\u00b0"), std::string::npos) << sz;
        }
        Sinus_KurveFreigeben(&s);
    }
    // 8 samples a period at 30 degrees: two of them cut at each limit, so
    // far past it that every design the file fits cuts them too.
    Eingabewerte e = Eingabebau().Umax(10).Dach(6).Offset(5).Periode(80).Perioden(2).Zeitbasis("10ms");
    e.dPhase = 30;
    Sinuskurve s = {};
    Kurvenanalyse a, d;
    ASSERT_EQ(Sinus_Schritt(&e, &s, &a, nullptr), 0);
    ASSERT_EQ(Analyse_Werte(s.pdWerte + 1, s.iAnzahlPunkte - 1, 10.0, 10.0, &d), 0);
    EXPECT_EQ(std::make_tuple(a.iBegrenztOben, a.iBegrenztUnten, d.iBegrenztOben, d.iBegrenztUnten, d.bPhaseFrei),
              std::make_tuple(4, 4, 4, 4, true));
    Sinus_KurveFreigeben(&s);
}
