// The start phase as the exporter writes it, against a plain loop of
// std::sin in long double: every value line, over random designs and at the
// edges.
#include "lauf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A design as the options give it; the period is a whole number P of time bases.
struct Entwurf {
    double umax = 10, peak = 5, offset = 5, phase = 0;
    int iP = 20;
    const char *szZeitbasis = "10ms";
    double dZeitbasisMs = 10, dPerioden = 1;
};

// offset + amplitude * sin(2 pi k / P + phi) in % of the maximum, limited to
// 0..100, in hundredths; where the exact value lies within 1e-4 of a half
// hundredth either neighbour is right (the second is -1 when only one is).
std::vector<std::pair<long long, long long>> Orakel(const Entwurf &e)
{
    const long double pi = std::acos(-1.0L), phi = e.phase * pi / 180.0L;
    const long long iN = std::max(1LL, static_cast<long long>(e.iP * e.dPerioden + 0.5));
    std::vector<std::pair<long long, long long>> werte;
    for (long long k = 0; k <= iN; ++k) {  // N samples and the one that continues the wave
        long double x = 100.0L * (e.offset + e.peak * std::sin(2.0L * pi * k / e.iP + phi)) / e.umax;
        const long double h = 100.0L * (x < 0.0L ? 0.0L : x > 100.0L ? 100.0L : x), unten = std::floor(h);
        if (std::fabs(h - unten - 0.5L) <= 1e-4L)
            werte.emplace_back(static_cast<long long>(unten), static_cast<long long>(unten) + 1);
        else
            werte.emplace_back(std::llround(h), -1);
    }
    return werte;
}

// Exports @p e and holds every data line's value against the oracle.
void WieDasOrakel(const Entwurf &e)
{
    char sz[400];
    std::snprintf(sz, sizeof sz, "--umax %.17g --peak %.17g --offset %.17g --period %.17g --timebase %s "
                  "--periods %.17g --phase %.17g --output -", e.umax, e.peak, e.offset, e.iP * e.dZeitbasisMs,
                  e.szZeitbasis, e.dPerioden, e.phase);
    SCOPED_TRACE(sz);
    std::vector<std::string> argumente;
    std::istringstream woerter(sz);
    for (std::string w; woerter >> w;) argumente.push_back(w);
    const Lauf l = Ausfuehren(argumente);
    ASSERT_EQ(l.code, 0) << l.fehler;
    const auto orakel = Orakel(e);
    std::istringstream zeilen(l.aus.substr(l.aus.find("\n\n") + 2));
    std::size_t k = 0;
    for (std::string zeile; std::getline(zeilen, zeile) && !zeile.empty(); ++k) {
        ASSERT_LT(k, orakel.size());
        const std::size_t tab = zeile.find('\t');
        const long long h = std::llround(std::strtod(zeile.c_str() + tab + 1, nullptr) * 100);
        EXPECT_TRUE(h == orakel[k].first || h == orakel[k].second) << "Datenzeile " << k + 1 << ": " << zeile;
    }
    EXPECT_EQ(k, orakel.size());
}

}  // namespace

TEST(Phase, JedeZeileWieDasOrakelUeberZufallsentwuerfeUndAnDenKanten)
{
    const unsigned iSaat = std::random_device{}();
    SCOPED_TRACE("Saat " + std::to_string(iSaat));
    std::mt19937 z(iSaat);
    std::uniform_real_distribution<double> gleich(0.0, 1.0);
    const struct {
        const char *szLabel;
        double dMs;
    } ZEITBASEN[] = {{"50us", 0.05}, {"1ms", 1}, {"3ms", 3}, {"10ms", 10}, {"100ms", 100}};
    const double KANTEN[] = {-360, 360, -0.01, 359.99, 90, -90, 180, 0};
    for (int i = 0; i < 24; ++i) {
        const auto &tb = ZEITBASEN[z() % std::size(ZEITBASEN)];
        const double umax = 1 + 19 * gleich(z);
        // Braced: the draws in this order. The peak now and then beyond both limits.
        WieDasOrakel({umax, umax * (z() % 4 ? 0.5 : 1.2) * gleich(z), umax * gleich(z),
                      i < 8 ? KANTEN[i] : std::round(-36000 + 72000 * gleich(z)) / 100, 1 + static_cast<int>(z() % 120),
                      tb.szLabel, tb.dMs, std::round(1 + 400 * gleich(z)) / 100});
    }
    WieDasOrakel({10, 9, 5, 33.3});                          // cut at both limits
    WieDasOrakel({10, 5, 5, -123.45, 16358, "50us", 0.05});  // the largest curve: 16358 points
}
