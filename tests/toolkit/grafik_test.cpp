// What a graph draws: the reduced step line and the axis ticks.
#include "toolkit_kern.h"

#include <gtest/gtest.h>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <tuple>
#include <string>
#include <vector>

namespace {

std::vector<TK_Punkt> Punkte(const std::vector<double> &w, double von, double bis, long spalten)
{
    std::vector<TK_Punkt> p(static_cast<size_t>(TK_GraphPunkte(w.data(), static_cast<long>(w.size()), von, bis,
                                                               spalten, 1, nullptr, 0)));
    EXPECT_EQ(TK_GraphPunkte(w.data(), static_cast<long>(w.size()), von, bis, spalten, 1, p.data(),
                             static_cast<long>(p.size())), static_cast<long>(p.size()));
    return p;
}

}  // namespace

TEST(Grafik, StufenlinieUndReduktion)
{
    // Few samples: each holds its value up to the next; repeats are left out.
    const struct { std::vector<double> werte; double von, bis; std::vector<TK_Punkt> erwartet; } faelle[] = {
        {{1, 2, 3}, 0, 2, {{0, 1}, {1, 1}, {1, 2}, {2, 2}, {2, 3}}},
        {{5, 5, 5}, 0, 2, {{0, 5}, {1, 5}, {2, 5}}},
        {{0, 1, 2, 3, 4, 5}, 1.5, 3.2, {{1, 1}, {2, 1}, {2, 2}, {3, 2}, {3, 3}, {4, 3}, {4, 4}}},
        {{7}, -3, 9, {{0, 7}}}};
    for (const auto &f : faelle) {
        const std::vector<TK_Punkt> p = Punkte(f.werte, f.von, f.bis, 50);
        ASSERT_EQ(p.size(), f.erwartet.size()) << f.von;
        for (size_t i = 0; i < p.size(); ++i)
            EXPECT_TRUE(p[i].x == f.erwartet[i].x && p[i].y == f.erwartet[i].y) << f.von << " point " << i;
    }

    // A plain line runs straight from sample to sample.
    const std::vector<double> drei = {1, 2, 3};
    TK_Punkt gerade[3];
    ASSERT_EQ(TK_GraphPunkte(drei.data(), 3, 0, 2, 50, 0, gerade, 3), 3);
    EXPECT_TRUE(gerade[1].x == 1 && gerade[1].y == 2 && gerade[2].y == 3);

    // Many samples: two points a column at most, and a single spike survives,
    // where its column starts.
    std::vector<double> w(16360, 50.0);
    w[12345] = 100.0;
    w[777] = 0.0;
    const std::vector<TK_Punkt> p = Punkte(w, 0, 16359, 400);
    EXPECT_LE(p.size(), 800u);
    int spitzen = 0;
    for (size_t i = 0; i < p.size(); ++i) {
        spitzen += p[i].y == 100.0 || p[i].y == 0.0;
        if (p[i].y == 100.0) {
            EXPECT_TRUE(p[i].x <= 12345 && p[i].x > 12345 - 16359.0 / 400) << "where its column starts: " << p[i].x;
        }
        EXPECT_TRUE(i == 0 || p[i].x >= p[i - 1].x) << "in order";
        EXPECT_TRUE(i == 0 || p[i].x - p[i - 1].x <= 16359.0 / 400 + 1e-9) << "never more than a column apart";
    }
    EXPECT_EQ(spitzen, 2);
    // Against every sample of a stretch: a spike anywhere in it, the first
    // and the last sample and each column's edges included, is drawn in its
    // own column, and nothing outside the stretch is.
    for (const auto &[von, bis, spalten] : {std::tuple<double, double, long>{0, 999, 7}, {10.5, 700.25, 13}, {0, 1000, 1}}) {
        for (long k = 0; k < 1000; ++k) {
            std::vector<double> v(1000, 50.0);
            v[static_cast<size_t>(k)] = 100.0;
            const bool drin = k >= std::floor(von) && k <= std::min(999.0, std::ceil(bis));
            const std::vector<TK_Punkt> q = Punkte(v, von, bis, spalten);
            EXPECT_EQ(std::count_if(q.begin(), q.end(), [](const TK_Punkt &t) { return t.y == 100.0; }) > 0, drin)
                << von << ".." << bis << " in " << spalten << " columns, spike at " << k;
            const double ende = std::min(bis, 999.0), spalte = (ende - von) / spalten;
            EXPECT_TRUE(q.front().x == von && q.back().x <= ende && q.back().x >= ende - spalte - 1e-9)
                << "the drawn x range is the stretch's: " << q.front().x << ".." << q.back().x;
            for (const TK_Punkt &t : q)
                EXPECT_TRUE(t.y != 100.0 || (t.x > std::min<double>(k, ende) - spalte - 1e-6 && t.x < k + 1))
                    << "in its own column: " << k << " at " << t.x;
        }
    }
    // A zoomed stretch is reduced to its own samples only.
    for (const TK_Punkt &q : Punkte(w, 4000, 12000, 100))
        EXPECT_TRUE(q.x >= 4000 && q.x <= 12000 && q.y == 50.0);
    // The area is never written past its end.
    TK_Punkt klein[3] = {{-1, -1}, {-1, -1}, {-1, -1}};
    EXPECT_EQ(TK_GraphPunkte(w.data(), 10, 0, 9, 50, 1, klein, 2), 10) << "the count it needs";
    EXPECT_EQ(klein[2].x, -1);
    EXPECT_EQ(TK_GraphPunkte(nullptr, 10, 0, 9, 50, 1, klein, 2) + TK_GraphPunkte(w.data(), 0, 0, 9, 50, 1, klein, 2), 0);
}

TEST(Grafik, TicksAufRundenZahlen)
{
    const struct { double spanne, schritt; int stellen; } faelle[] = {
        {1.0, 0.2, 1}, {0.11, 0.02, 2}, {10.0, 2.0, 0}, {0.00011, 2e-5, 5},
        {3600.0 * 16359, 1e7, 0}, {35.0, 5.0, 0}, {7.4, 1.0, 0}, {1e-12, 2e-13, 13},
        {7.5, 2.0, 0}, {17.5, 5.0, 0}, {37.5, 10.0, 0}};  // a fifth of the span halfway between two round steps: the larger
    for (const auto &f : faelle) {
        double schritt = 0.0;
        int stellen = -1;
        ASSERT_EQ(TK_GraphTicks(f.spanne, &schritt, &stellen), 0) << f.spanne;
        EXPECT_DOUBLE_EQ(schritt, f.schritt) << f.spanne;
        EXPECT_EQ(stellen, f.stellen) << f.spanne;
    }
    double schritt;
    int stellen;
    // Where the room is short, every label still fits between its ticks,
    // whole and distinct from its neighbours, read as a person reads them.
    const struct { double von, bis, zeichen; } knapp[] = {
        {0.0, 1e-4, 60.0}, {0.0, 1e-4, 30.0}, {1000.0, 1000.0001, 80.0}, {0.0, 2.5e-9, 70.0},
        {-0.5, 0.5, 12.0}, {0.0, 0.259615, 70.0}};
    for (const auto &k : knapp) {
        ASSERT_EQ(TK_GraphTicksPlatz(k.von, k.bis, k.zeichen, &schritt, &stellen), 0) << k.bis;
        std::vector<std::string> labels;
        for (double t = std::ceil(k.von / schritt) * schritt; t <= k.bis + schritt * 1e-9; t += schritt) {
            char text[64];
            std::snprintf(text, sizeof text, "%.*f", stellen, t);
            EXPECT_TRUE(labels.empty() || labels.back() != text) << text;
            EXPECT_LE((std::strlen(text) + 2) * (k.bis - k.von), k.zeichen * schritt * (1 + 1e-9)) << text;
            labels.push_back(text);
        }
        EXPECT_GE(labels.size(), 2u) << "some ticks remain, at " << k.bis;
    }
    // Where not even two labels fit, the step is the whole span: both ends keep their tick.
    ASSERT_EQ(TK_GraphTicksPlatz(0.0, 1.0, 1.0, &schritt, &stellen), 0);
    EXPECT_EQ(schritt, 1.0);
    for (double falsch : {0.0, -1.0, 1.0 / 0.0, 0.0 / 0.0})
        EXPECT_EQ(TK_GraphTicks(falsch, &schritt, &stellen), TK_FEHLER_ARGUMENT) << falsch;
}
