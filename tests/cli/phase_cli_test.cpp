// The start phase as the exporter writes it, against a plain loop of
// std::sin in long double: every value line, over random designs and at the
// edges; phase 0 and whole turns write the bytes written without the option.
#include "lauf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Argumente = std::vector<std::string>;

std::string Text(double d)
{
    char sz[40];
    std::snprintf(sz, sizeof sz, "%.17g", d);
    return sz;
}

// A design as the options give it; the period is a whole number of time bases.
struct Entwurf {
    double umax = 10, peak = 5, offset = 5;
    int iP = 20;
    const char *szZeitbasis = "10ms";
    double dZeitbasisMs = 10;
    std::string perioden = "1";
    std::string phase;  // "" leaves the option out

    Argumente Optionen() const
    {
        Argumente a = {"--umax", Text(umax), "--peak", Text(peak), "--offset", Text(offset), "--period",
                       Text(iP * dZeitbasisMs), "--timebase", szZeitbasis, "--periods", perioden};
        if (!phase.empty())
            a.insert(a.end(), {"--phase", phase});
        return a;
    }
};

std::string Hundertstel(long long h)
{
    char sz[32];
    std::snprintf(sz, sizeof sz, "%lld.%02lld", h / 100, h % 100);
    return sz;
}

// What each data line must hold in its value column: offset + amplitude *
// sin(2 pi k / P + phi), in % of the maximum, limited to 0..100, to two
// decimals. Where the exact value lies within 1e-6 % of a half hundredth
// either neighbour is right.
std::vector<std::vector<std::string>> Orakel(const Entwurf &e)
{
    const long double pi = std::acos(-1.0L);
    const double dPerioden = std::strtod(e.perioden.c_str(), nullptr);
    const long double phi = e.phase.empty() ? 0.0L : std::strtod(e.phase.c_str(), nullptr) * pi / 180.0L;
    const long long iN = std::max(1LL, static_cast<long long>(e.iP * dPerioden + 0.5));
    const long double amplitude = 100.0L * e.peak / e.umax, offset = 100.0L * e.offset / e.umax;
    std::vector<std::vector<std::string>> zeilen;
    for (long long k = 0; k <= iN; ++k) {  // N samples and the one that continues the wave
        long double x = offset + amplitude * std::sin(2.0L * pi * k / e.iP + phi);
        x = x < 0.0L ? 0.0L : x > 100.0L ? 100.0L : x;
        const long double h = x * 100.0L, unten = std::floor(h);
        if (std::fabs(h - unten - 0.5L) <= 1e-4L)
            zeilen.push_back({Hundertstel(static_cast<long long>(unten)), Hundertstel(static_cast<long long>(unten) + 1)});
        else
            zeilen.push_back({Hundertstel(std::llround(h))});
    }
    return zeilen;
}

// The data lines of an export, each split at its tabs.
std::vector<std::vector<std::string>> Datenzeilen(const std::string &text)
{
    std::vector<std::vector<std::string>> zeilen;
    std::istringstream in(text);
    for (std::string z; std::getline(in, z);) {
        if (z.empty() || z[0] == ';' || z.find('\t') == std::string::npos)
            continue;
        std::vector<std::string> felder;
        std::istringstream f(z);
        for (std::string s; std::getline(f, s, '\t');)
            felder.push_back(s);
        zeilen.push_back(felder);
    }
    return zeilen;
}

// Exports @p e and holds every value line against the oracle; the other
// columns are those of the same design at phase 0.
void WieDasOrakel(const Entwurf &e)
{
    SCOPED_TRACE("Phase " + e.phase + ", P " + std::to_string(e.iP) + ", Perioden " + e.perioden + ", Umax " +
                 std::to_string(e.umax) + ", Scheitel " + std::to_string(e.peak) + ", Offset " +
                 std::to_string(e.offset));
    const Lauf l = Ausfuehren(e.Optionen(), {"--output", "-"});
    ASSERT_EQ(l.code, 0) << l.fehler;
    Entwurf null = e;
    null.phase.clear();
    const std::string ohneText = Ausfuehren(null.Optionen(), {"--output", "-"}).aus;
    const auto zeilen = Datenzeilen(l.aus), ohne = Datenzeilen(ohneText);
    // Phase 0 and whole turns write the bytes written without the option.
    const char *const GANZE[] = {"0", "360", "-360", "-0"};
    EXPECT_EQ(Ausfuehren(null.Optionen(), {"--phase", GANZE[e.iP % 4], "--output", "-"}).aus, ohneText);
    const auto orakel = Orakel(e);
    ASSERT_EQ(zeilen.size(), orakel.size());
    ASSERT_EQ(ohne.size(), orakel.size());
    for (size_t k = 0; k < zeilen.size(); ++k) {
        ASSERT_EQ(zeilen[k].size(), 4u);
        const auto &gut = orakel[k];
        EXPECT_TRUE(zeilen[k][1] == gut[0] || (gut.size() > 1 && zeilen[k][1] == gut[1]))
            << "Datenzeile " << k + 1 << ": " << zeilen[k][1] << " statt " << gut[0];
        EXPECT_TRUE(zeilen[k][0] == ohne[k][0] && zeilen[k][2] == ohne[k][2] && zeilen[k][3] == ohne[k][3]);
    }
}

const struct {
    const char *szLabel;
    double dMs;
} ZEITBASEN[] = {{"50us", 0.05}, {"1ms", 1}, {"3ms", 3}, {"10ms", 10}, {"100ms", 100}};

Entwurf Zufall(std::mt19937 &z)
{
    std::uniform_real_distribution<double> gleich(0.0, 1.0);
    Entwurf e;
    const auto &tb = ZEITBASEN[z() % std::size(ZEITBASEN)];
    e.szZeitbasis = tb.szLabel;
    e.dZeitbasisMs = tb.dMs;
    e.iP = 1 + static_cast<int>(z() % 120);
    e.umax = 1 + 19 * gleich(z);
    e.peak = e.umax * (z() % 4 ? 0.5 : 1.2) * gleich(z);  // now and then beyond both limits
    e.offset = e.umax * gleich(z);
    char sz[32];
    std::snprintf(sz, sizeof sz, "%.2f", 0.01 + 4 * gleich(z));
    e.perioden = sz;
    std::snprintf(sz, sizeof sz, "%.2f", -360 + 720 * gleich(z));
    e.phase = sz;
    return e;
}

}  // namespace

TEST(Phase, JedeZeileWieDasOrakelUeberZufallsentwuerfeUndAnDenKanten)
{
    const unsigned iSaat = std::random_device{}();
    SCOPED_TRACE("Saat " + std::to_string(iSaat));
    std::mt19937 z(iSaat);
    for (int i = 0; i < 24; ++i) {
        Entwurf e = Zufall(z);
        if (i < 9)  // "": without the option, the sine from the offset up
            e.phase = std::vector<std::string>{"-360", "360", "-0.01", "359.99", "90", "-90", "180", "0.01", ""}[i];
        WieDasOrakel(e);
    }
    Entwurf beide;  // cut at both limits
    beide.peak = 9;
    beide.phase = "33.3";
    WieDasOrakel(beide);
    Entwurf groesste;  // the largest curve: 16358 points
    groesste.szZeitbasis = "50us";
    groesste.dZeitbasisMs = 0.05;
    groesste.iP = 16358;
    groesste.phase = "-123.45";
    WieDasOrakel(groesste);
}
