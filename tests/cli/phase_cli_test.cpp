// The start phase as the exporter writes it, against a plain loop of
// std::sin in long double: every value line, over random designs and at the
// edges; phase 0 and whole turns write the bytes written without the option;
// a plan's phase column writes what the single export writes.
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

// A design as the options give it; the period is a whole number of time bases.
struct Entwurf {
    double umax = 10, peak = 5, offset = 5;
    int iP = 20;
    const char *szZeitbasis = "10ms";
    double dZeitbasisMs = 10;
    std::string perioden = "1";
    std::string phase;  // "" leaves the option out

    std::string Periode() const
    {
        char sz[40];
        std::snprintf(sz, sizeof sz, "%.17g", iP * dZeitbasisMs);
        return sz;
    }
    Argumente Optionen() const
    {
        auto z = [](double d) {
            char sz[40];
            std::snprintf(sz, sizeof sz, "%.17g", d);
            return std::string(sz);
        };
        Argumente a = {"--umax", z(umax), "--peak", z(peak), "--offset", z(offset), "--period", Periode(),
                       "--timebase", szZeitbasis, "--periods", perioden};
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
    const auto zeilen = Datenzeilen(l.aus), ohne = Datenzeilen(Ausfuehren(null.Optionen(), {"--output", "-"}).aus);
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
        if (i < 8)
            e.phase = std::vector<std::string>{"-360", "360", "-0.01", "359.99", "90", "-90", "180", "0.01"}[i];
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

TEST(Phase, NeunzigGradBeginntImScheitelUndKreuztDenOffsetInZeileSechs)
{
    const auto zeilen = Datenzeilen(Ausfuehren({"--phase", "90", "--output", "-"}).aus);
    ASSERT_GE(zeilen.size(), 6u);
    EXPECT_EQ(zeilen[0][1], "100.00");
    EXPECT_EQ(zeilen[5][1], "50.00");
    // The field's units and its range, as every option reads them.
    EXPECT_EQ(Ausfuehren({"--phase", "90\u00b0", "--output", "-"}).aus, Ausfuehren({"--phase=90deg", "--output", "-"}).aus);
    for (const char *falsch : {"361", "-360.01", "1k", "90 Hz", "x"}) {
        const Lauf l = Ausfuehren({"--phase", falsch, "--output", "-"});
        EXPECT_EQ(l.code, 2) << falsch;
        EXPECT_NE(l.fehler.find("--phase"), std::string::npos) << l.fehler;
        EXPECT_TRUE(l.aus.empty());
    }
}

TEST(Phase, NullUndGanzeUmdrehungenSchreibenDieBytesOhneOption)
{
    const unsigned iSaat = std::random_device{}();
    SCOPED_TRACE("Saat " + std::to_string(iSaat));
    std::mt19937 z(iSaat);
    for (int i = 0; i < 12; ++i) {
        Entwurf e = Zufall(z);
        e.phase.clear();
        const std::string ohne = Ausfuehren(e.Optionen(), {"--output", "-"}).aus;
        ASSERT_FALSE(ohne.empty());
        WieDasOrakel(e);  // what phase 0 writes is the sine from the offset up
        for (const char *phase : {"0", "360", "-360", "-0"})
            EXPECT_EQ(Ausfuehren(e.Optionen(), {"--phase", phase, "--output", "-"}).aus, ohne) << phase;
    }
}

TEST(Phase, PlanspalteSchreibtWasDerEinzelexportSchreibt)
{
    const std::string ordner = TestOrdner(), plan = ordner + "/plan.tsv", manifest = ordner + "/m.tsv";
    const std::vector<std::pair<std::string, std::string>> zeilen = {
        {"a.txt", "0"}, {"b.txt", "120"}, {"c.txt", "-120"}, {"d.txt", ""}, {"e.txt", "12,5\u00b0"}};
    std::string text = "phase\tperiods\toutput\n";
    for (const auto &[datei, phase] : zeilen)
        text += phase + "\t2\t" + ordner + "/" + datei + "\n";
    DateiSchreiben(plan, text);
    const Lauf r = Ausfuehren({"--phase", "45", "--plan", plan, "--manifest", manifest});
    ASSERT_EQ(r.code, 0) << r.fehler;
    for (const auto &[datei, phase] : zeilen) {  // an empty cell takes the command line's phase
        const std::string einzeln =
            Ausfuehren({"--phase", phase.empty() ? "45" : phase, "--periods", "2", "--output", "-"}).aus;
        EXPECT_EQ(DateiLesen(ordner + "/" + datei), einzeln) << datei;
    }
    // The manifest names the phase in its own column before the checksum.
    std::istringstream in(DateiLesen(manifest));
    std::string z;
    std::getline(in, z), std::getline(in, z), std::getline(in, z);
    EXPECT_EQ(z.substr(z.rfind("warnungen")), "warnungen\tphase\tsha256");
    std::vector<std::string> gelesen;
    while (std::getline(in, z)) {
        const size_t ende = z.rfind('\t'), anfang = z.rfind('\t', ende - 1) + 1;
        gelesen.push_back(z.substr(anfang, ende - anfang));
    }
    EXPECT_EQ(gelesen, (std::vector<std::string>{"0", "120", "-120", "45", "12.5"}));

    // A plan without a phase writes the manifest it always wrote: no column for it.
    DateiSchreiben(plan, "periods\tphase\toutput\n2\t0\t" + ordner + "/a.txt\n");
    ASSERT_EQ(Ausfuehren({"--plan", plan, "--manifest", manifest}).code, 0);
    std::istringstream ohne(DateiLesen(manifest));
    std::getline(ohne, z), std::getline(ohne, z), std::getline(ohne, z);
    EXPECT_EQ(z, "output\tumax\tpeak\trms\toffset\tfrequency\tperiod\tperiods\ttimebase\tcurve\tdatenzeilen\t"
                 "frequenz_datei\twarnungen\tsha256");
}
