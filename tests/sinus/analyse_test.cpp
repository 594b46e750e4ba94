// The curve as the rig plays it: the analysis against what the export lines
// themselves hold, over many random input sets, and the warning texts.
#include "Kurvenformat.h"
#include "Sinusanalyse.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

// One input set, its curve, its analysis and its data lines split into
// the time and value fields, as a reader of the file sees them.
struct Datei {
    Eingabewerte e = {};
    Sinuskurve s = {};
    std::vector<double> w, zeit, werte;
    std::vector<std::string> felder;
    Kurvenanalyse a = {};

    Datei(double umax, double dach, double offset, double frequenz, double perioden, const char *zeitbasis)
    {
        e = {umax, dach, 0.0, offset, frequenz, Sinus_PeriodeAusFrequenz(frequenz), perioden, 0, "", 1};
        std::snprintf(e.szZeitbasis, sizeof e.szZeitbasis, "%s", zeitbasis);
        const double tb = Zeitbasis_Ms(zeitbasis);
        Sinus_Ableiten(&e, tb, &s);
        w.resize(static_cast<size_t>(s.iAnzahlPunkte = Sinus_AnzahlWerte(&s)));
        Sinus_WerteFuellen(&s, s.pdWerte = w.data(), s.iAnzahlPunkte);
        Analyse_Kurve(&e, &s, &a);
        char zeile[100], feld[20];
        double t = 0.0, sek;
        for (size_t i = 1; i < w.size(); ++i, t += tb / 1000.0) {
            Kurvenformat_Datenzeile(zeile, sizeof zeile, t, w[i], e.szZeitbasis, 1);
            EXPECT_EQ(std::sscanf(zeile, "%lf\t%19[^\t]", &sek, feld), 2) << zeile;
            zeit.push_back(sek), felder.push_back(feld), werte.push_back(std::atof(feld));
        }
    }
    std::string Warnungen() const
    {  // the non-breaking spaces made visible
        char text[600];
        EXPECT_EQ(Analyse_Warnungen(&a, text, sizeof text), Analyse_AnzahlWarnungen(&a));
        std::string t = text;
        for (size_t p; (p = t.find("\xc2\xa0")) != std::string::npos;)
            t.replace(p, 2, "~");
        return t;
    }
};

// The smallest lag at which the value fields repeat over a whole period
// at least; 0 when none does.
size_t Wiederholung(const std::vector<std::string> &f)
{
    for (size_t lag = 1; 2 * lag <= f.size(); ++lag)
        if (std::equal(f.begin() + static_cast<long>(lag), f.end(), f.begin()))
            return lag;
    return 0;
}

}  // namespace

TEST(Analyse, StimmtMitDenZeilenDerDateiUeberein)
{
    std::mt19937 zufall(20261207);
    auto gleich = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(zufall); };
    int geprueft = 0, mitPeriode = 0, ohneSinus = 0, begrenzt = 0;
    for (int satz = 0; satz < 400; ++satz) {
        const char *zeitbasis = Zeitbasis_Label(static_cast<int>(zufall() % 17));
        const double tb = Zeitbasis_Ms(zeitbasis), umax = std::exp(gleich(0.0, 7.0));
        const double proPeriode = std::exp(gleich(-1.0, 5.5)), frequenz = 1000.0 / (proPeriode * tb);
        const double dach = umax * (zufall() % 8 == 0 ? gleich(-2e-4, 2e-4) : gleich(-1.2, 1.2));
        const double offset = umax * gleich(-0.3, 1.3), perioden = std::exp(gleich(-3.0, 3.0));
        if (frequenz < 0.02 || frequenz > 20000)
            continue;
        const Datei d(umax, dach, offset, frequenz, perioden, zeitbasis);
        const Kurvenanalyse &a = d.a;
        ++geprueft;
        SCOPED_TRACE(testing::Message() << umax << " V, " << dach << " V, " << offset << " V, " << frequenz << " Hz, "
                                        << perioden << " Perioden, " << zeitbasis);
        ASSERT_EQ(a.iZeilen, static_cast<int>(d.felder.size()));
        // Limits: every line that reads 100.00 or 0.00 counts when the curve goes past.
        const long oben = std::count(d.felder.begin(), d.felder.end(), "100.00");
        const long unten = std::count(d.felder.begin(), d.felder.end(), "0.00");
        EXPECT_EQ(a.iBegrenztOben, offset + std::fabs(dach) > umax ? oben : 0);
        EXPECT_EQ(a.iBegrenztUnten, offset - std::fabs(dach) < 0 ? unten : 0);
        begrenzt += a.iBegrenztOben + a.iBegrenztUnten > 0;
        const auto [min, max] = std::minmax_element(d.werte.begin(), d.werte.end());
        EXPECT_NEAR(a.dMinV, *min * umax / 100.0, umax * 5e-5 * (1 + 1e-9));  // within the file's rounding
        EXPECT_NEAR(a.dMaxV, *max * umax / 100.0, umax * 5e-5 * (1 + 1e-9));
        // A file whose values all read the same holds no sine; else only an
        // amplitude under a hundredth of a percent is none.
        const bool flach = std::all_of(d.felder.begin(), d.felder.end(), [&](auto &f) { return f == d.felder[0]; });
        EXPECT_EQ(a.bSinus, !flach && std::fabs(dach) / umax >= 1e-4);
        ohneSinus += !a.bSinus;
        Kurvenanalyse ausDatei;
        Analyse_Werte(d.werte.data(), static_cast<int>(d.werte.size()), tb, umax, &ausDatei);
        EXPECT_EQ(ausDatei.bSinus, !flach);
        // Period and frequency where the file holds a whole period twice over.
        const size_t lag = Wiederholung(d.felder);
        if (!a.bSinus || lag == 0)
            continue;
        ++mitPeriode;
        const double periodeS = d.zeit[lag];
        EXPECT_EQ(a.iPunkteProPeriode, static_cast<int>(lag));
        EXPECT_EQ(ausDatei.iPunkteProPeriode, static_cast<int>(lag));
        EXPECT_NEAR(a.dFrequenz * periodeS, 1.0, 1e-4);
        EXPECT_NEAR(a.dAbweichung, (1.0 / periodeS / frequenz - 1.0) * 100.0, 1e-2);
        EXPECT_EQ(ausDatei.dFrequenz, a.dFrequenz);
    }
    EXPECT_TRUE(geprueft > 250 && mitPeriode > 50 && ohneSinus > 20 && begrenzt > 50) << "every branch, often";
}

TEST(Analyse, WarnungenDerBeispiele)
{
    const struct {
        double umax, dach, offset, frequenz;
        const char *zeitbasis, *text;
    } faelle[] = {
        {10, 5, 5, 5, "10ms", ""},
        {10, 5, 5, 8, "10ms", "Frequenz 7.692~Hz statt 8~Hz (-3.8~%); genau mit Zeitbasis 5ms (25~Punkte je Periode)"},
        {10, 5, 5, 3, "50ms", "Frequenz 2.857~Hz statt 3~Hz (-4.8~%)\ngrobe Stufen: nur 7~Punkte je Periode"},
        {10, 5, 5, 7, "20ms", "Frequenz 7.143~Hz statt 7~Hz (+2.0~%)\ngrobe Stufen: nur 7~Punkte je Periode"},
        {10, 5, 5, 10, "3ms", "Frequenz 10.1~Hz statt 10~Hz (+1.0~%); genau mit Zeitbasis 10ms (10~Punkte je Periode)"},
        {10, 5, 5, 1000 / 0.35, "100us",
         "Frequenz 3333~Hz statt 2857~Hz (+17~%); genau mit Zeitbasis 50us (7~Punkte je Periode)\n"
         "grobe Stufen: nur 3~Punkte je Periode"},  // 3.4999999999999996 rounds down
        {10, 5, 5, 200, "10ms", "kein Sinus: nur 1~Punkt je Periode"},
        {10, 5, 5, 10, "50ms", "kein Sinus: nur 2~Punkte je Periode"},
        {1000, 0.01, 500, 5, "10ms",
         "kein Sinus: Amplitude 0.01~V unter der Auflösung der Datei von 0.1~V (0.01~% von 1000~V)"},
        {10, 0, 5, 5, "10ms", "kein Sinus: alle Werte 50.00~%"},
        {10, 8, 5, 5, "10ms", "begrenzt: 5 von 21 Werten bei 100~% und 5 bei 0~%"},
        {10, 5, 7, 5, "10ms", "begrenzt: 5 von 21 Werten bei 100~%"},
        {10, 5, 5, 4.999, "10ms", "Frequenz 5~Hz statt 4.999~Hz (+0.020~%)"},
        {10, 5, 5, 4.9999, "10ms", ""},  // 0.002 % off: below what is warned about
    };
    for (const auto &f : faelle) {
        const Datei d(f.umax, f.dach, f.offset, f.frequenz, 1.0, f.zeitbasis);
        EXPECT_EQ(d.Warnungen(), f.text) << f.frequenz << " Hz, " << f.zeitbasis;
    }
    Datei leer(10, 5, 5, 5, 1, "10ms");
    leer.s.iAnzahlPunkte = 0;  // as after a failed allocation
    Analyse_Kurve(&leer.e, &leer.s, &leer.a);
    EXPECT_EQ(leer.Warnungen(), "kein Sinus: die Datei enthält keine Werte");
    const Eingabewerte e0 = {};
    const Sinuskurve s0 = {};  // records never derived: nothing to divide by
    EXPECT_EQ((Analyse_Kurve(&e0, &s0, &leer.a), leer.Warnungen()), "kein Sinus: die Datei enthält keine Werte");
    // 125 ms: exact on 50us to 5ms; for 10 periods 50us passes the point limit.
    const Datei acht(10, 5, 5, 8, 10, "10ms");
    ASSERT_EQ(acht.a.iAlternativen, 5);
    EXPECT_EQ(std::make_tuple(Zeitbasis_Label(acht.a.piAltZeitbasis[0]), acht.a.piAltPunkte[0], acht.a.piAltPunkte[4]),
              std::make_tuple(std::string("100us"), 1250, 25));
    EXPECT_EQ(Datei(10, 5, 5, 10, 1, "3ms").a.iAlternativen, 10) << "50ms and 100ms hold no sine";
    char klein[12];
    EXPECT_EQ(Analyse_Warnungen(&acht.a, klein, sizeof klein), 1);
    EXPECT_STREQ(klein, "Frequenz 7.") << "cut short, never past the area";
}

TEST(Analyse, BegrenzungAusDenWertenEinerDatei)
{
    // Many samples per period: a crest that only touches 100 % reads 100.00
    // on several lines in a row, which is no limit; a slightly cut one is.
    const struct { double dach, offset; const char *zeitbasis; int pro; } faelle[] = {
        {5, 5, "10ms", 20}, {8, 5, "10ms", 20}, {5, 5, "100us", 2000}, {5.05, 5, "100us", 2000},
        {5, 4.9, "100us", 2000}, {5, 5, "50us", 4000}, {-30, 5, "10ms", 20}};
    for (const auto &f : faelle) {
        const Datei d(10, f.dach, f.offset, 5, 2, f.zeitbasis);
        Kurvenanalyse a;
        Analyse_Werte(d.werte.data(), static_cast<int>(d.werte.size()), Zeitbasis_Ms(f.zeitbasis), 10, &a);
        EXPECT_EQ(std::make_tuple(a.iPunkteProPeriode, a.iBegrenztOben, a.iBegrenztUnten),
                  std::make_tuple(f.pro, d.a.iBegrenztOben, d.a.iBegrenztUnten))
            << f.dach << " V on " << f.offset << " V, " << f.zeitbasis;
    }
    // Short files, each also backwards: a stretch at either end is judged by
    // the side it has; all values alike or no repeat leave the period unknown.
    const struct { std::vector<double> w; int oben, unten, sinus; } kurz[] = {
        {{100, 100, 100, 80, 60}, 3, 0, 1}, {{0.5, 0, 0}, 0, 2, 1}, {{99.97, 100, 100}, 0, 0, 1},
        {{50, 50, 50}, 0, 0, 0}, {{50, 65.45, 79.39}, 0, 0, 1}};
    for (const auto &k : kurz)
        for (auto w : {k.w, std::vector<double>(k.w.rbegin(), k.w.rend())}) {
            Kurvenanalyse a;
            Analyse_Werte(w.data(), static_cast<int>(w.size()), 10, 0, &a);
            EXPECT_EQ(std::make_tuple(a.iBegrenztOben, a.iBegrenztUnten, a.bSinus, a.iPunkteProPeriode, a.dMaxV),
                      std::make_tuple(k.oben, k.unten, k.sinus, 0, 0.0)) << w[0];
            EXPECT_EQ(Analyse_AnzahlWarnungen(&a), !k.sinus + (k.oben + k.unten > 0));
        }
}
