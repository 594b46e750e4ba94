// The curve on the records alone: time base, derivation and point limit,
// generation, and what the status line says of it; values worked out here.
#include "Sinusanalyse.h"
#include "Sinuserzeugung_Main.h"
#include "toolkit_kern.h"
#include "aufzeichnung.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Kurve {
    Eingabewerte e;
    Sinuskurve s = {};
    std::vector<double> w;

    Kurve(double umax, double dach, double offset, double periodeMs, double perioden, double tbMs)
    {
        e = {umax, dach, 0.0, offset, 0.0, periodeMs, perioden, 0.0, 0, "", 1};
        for (int k = 0; k < Zeitbasis_Anzahl(); ++k)
            if (Zeitbasis_Ms(Zeitbasis_Label(k)) == tbMs)
                TK_TextKopieren(e.szZeitbasis, sizeof e.szZeitbasis, Zeitbasis_Label(k));
        s.iAnzahlPunkte = 77;  // the array fields are not the derivation's
        Sinus_Ableiten(&e, tbMs, &s);
        EXPECT_EQ(s.iAnzahlPunkte, 77);
        w.assign(static_cast<size_t>(Sinus_AnzahlWerte(&s)) + 1, -7.0);
        s.iAnzahlPunkte = static_cast<int>(w.size()) - 1;
        s.pdWerte = w.data();
        Sinus_WerteFuellen(&s, s.pdWerte, s.iAnzahlPunkte);
        EXPECT_EQ(w.back(), -7.0) << "not one value past the array";
        w.pop_back();
    }
    // The status line, a blank between number and unit written as "~".
    std::string Status() const
    {
        Kurvenanalyse a;
        Analyse_Kurve(&e, &s, &a);
        char text[300];
        Sinus_StatusText(&s, &a, text, sizeof text);
        std::string t = text;
        for (size_t i; (i = t.find(SINUS_NBSP)) != std::string::npos;) t.replace(i, 2, "~");
        return t;
    }
};

}  // namespace

TEST(Kurve, ZeitbasisNurMitGenauemLabel)
{
    MeldungenLeeren();
    ASSERT_EQ(Zeitbasis_Anzahl(), 17);
    EXPECT_EQ(Zeitbasis_Label(17), nullptr);
    for (int i = 1; i < 17; ++i)  // from 50 us to an hour, each step longer
        EXPECT_GT(Zeitbasis_Ms(Zeitbasis_Label(i)), Zeitbasis_Ms(Zeitbasis_Label(i - 1))) << i;
    for (const auto &[label, ms] : {std::pair{"50us", 0.05}, {"3ms", 3.0}, {"1min", 60000.0}, {"1std", 3600000.0}})
        EXPECT_EQ(Zeitbasis_Ms(label), ms) << label;
    double dMs = -1.0;
    for (const char *label : {"10MS", "10 ms", "10ms ", "2s", ""}) {
        EXPECT_EQ(Zeitbasis_Ms(label), 1.0) << '"' << label << '"';
        EXPECT_FALSE(Zeitbasis_Suchen(label, &dMs));
    }
    EXPECT_EQ(dMs, -1.0) << "a missing label leaves the caller's value";
    EXPECT_TRUE(gMeldungen.empty()) << "the core shows no popup";
}

TEST(Kurve, AbleitungRundungUndPunktgrenze)
{
    const Kurve k(10.0, 5.0, 5.0, 200.0, 1.0, 10.0);  // the panel's defaults
    EXPECT_EQ(std::make_tuple(k.s.dFaktor, k.s.dAmplitude, k.s.dOffset, k.s.dPeriodendauer, k.s.iPunkteProPeriode),
              std::make_tuple(10.0, 50.0, 50.0, 200.0, 20));
    EXPECT_EQ(k.w.size(), 22u);
    // Samples per period: ratio rounded half up, at least 1.
    const struct { double periode, tb; int pro; } faelle[] = {
        {3.0, 2.0, 2}, {0.05, 0.1, 1}, {0.05, 0.2, 1}, {0.3, 0.2, 1}, {50000, 0.05, 1000000}};
    for (const auto &f : faelle)
        EXPECT_EQ(Kurve(10, 5, 5, f.periode, 0.01, f.tb).s.iPunkteProPeriode, f.pro) << f.periode / f.tb;
    EXPECT_EQ(std::make_pair(Sinus_Runden(NAN), Sinus_Runden(1e300)), std::make_pair(1, INT32_MAX));
    // N rounds half up (2 x 1.25 = 2.5 gives 3), at least 1; two values more.
    EXPECT_EQ(Kurve(10, 5, 5, 4.0, 1.25, 2.0).w.size(), 5u);
    EXPECT_EQ(Kurve(10, 5, 5, 1.0, 0.3, 1.0).w.size(), 3u);
    // The limit holds for the unrounded product.
    Sinuskurve s = Kurve(10, 5, 5, 16358.0, 1, 1.0).s;
    EXPECT_TRUE(Sinus_PunkteZulaessig(&s));
    EXPECT_EQ(Sinus_AnzahlWerte(&s), 16360);
    s = Kurve(10, 5, 5, 16359.0, 0.01, 1.0).s;
    s.dPerioden = 1.0;
    EXPECT_FALSE(Sinus_PunkteZulaessig(&s));
    s = Kurve(10, 5, 5, 32716.5, 0.01, 0.5).s;
    s.dPerioden = 0.25;
    EXPECT_FALSE(Sinus_PunkteZulaessig(&s)) << "16358.25 would round to 16358";
    s.dPerioden = NAN;
    EXPECT_FALSE(Sinus_PunkteZulaessig(&s));
}

TEST(Kurve, WerteFortsetzungUndBegrenzung)
{
    Kurve k(10, 5, 5, 200, 1.25, 10);
    ASSERT_EQ(k.w.size(), 27u);
    EXPECT_EQ(k.w[0], k.w[1]) << "index 0 repeats the first sample";
    for (int i = 1; i < 27; ++i)
        EXPECT_NEAR(k.w[i], 50.0 + 50.0 * std::sin(2.0 * M_PI * (i - 1) / 20.0), 1e-9) << i;
    EXPECT_EQ(k.w[26], 100.0) << "k = 25 continues the wave: a crest, not the first value again";
    EXPECT_EQ(Kurve(10, 5, -20, 200, 1, 10).w, std::vector<double>(22, 0.0));
    const Kurve fallend(10, -5, 5, 200, 1, 10);  // a negative amplitude falls first
    EXPECT_EQ(std::make_pair(fallend.w[6], fallend.w[16]), std::make_pair(0.0, 100.0));
    for (double v : Kurve(10, 5, -0.0, 200, 1, 10).w)
        EXPECT_FALSE(std::signbit(v)) << "no -0.00 in the export";
    EXPECT_EQ(Kurve(10, INFINITY, 5, 200, 1, 10).w[1], 100.0) << "not a number becomes 100";
}

TEST(Kurve, StatuszeileUndBegrenzteStrecken)
{
    const std::string kopf = "21 von 16359~Datenzeilen · 20~Punkte je Periode · Schritt 10~ms · Dauer 200~ms";
    EXPECT_EQ(Kurve(10, 5, 5, 200, 1, 10).Status(), kopf);
    EXPECT_EQ(Kurve(10, 8, 5, 200, 1, 10).Status(), kopf) << "what is cut is a warning of its own";
    EXPECT_EQ(Kurve(10, 5, 5, 50000, 3, 3600000).Status(),
              "4 von 16359~Datenzeilen · 0.0139~Punkte je Periode · Schritt 1~h · Dauer 3~h");
    EXPECT_EQ(Kurve(10, 5, 5, 0.3, 2, 0.05).Status(),
              "13 von 16359~Datenzeilen · 6~Punkte je Periode · Schritt 50~µs · Dauer 600~µs");
    EXPECT_EQ(Kurve(10, 5, 5, 125, 1, 10).Status(), "14 von 16359~Datenzeilen · 13~Punkte je Periode · Schritt 10~ms · "
                                                    "Dauer 130~ms · Frequenz in der Datei 7.692~Hz");
    // Counted as the file counts: its data lines; the typed period and periods where the samples hold others.
    EXPECT_EQ(Kurve(10, 5, 5, 125, 2.5, 5).Status(), "64 von 16359~Datenzeilen · 25~Punkte je Periode · Schritt 5~ms · "
                                                     "Dauer 315~ms · 2.52~Perioden in der Datei");
    EXPECT_EQ(Kurve(10, 5, 5, 1, 1, 10).Status().rfind("2 von 16359~Datenzeilen · 0.1~Punkte je Periode · ", 0), 0u)
        << "1 kHz on 10 ms: a tenth of a point, raised to one";
    EXPECT_EQ(Kurve(10, 5, 5, 5, 1, 10).Status().find("Perioden in der Datei"), std::string::npos)
        << "half a step rounds up to one point: one period, as typed";
    EXPECT_NE(Kurve(10, 5, 5, 10, 2, 10).Status().find(" · 1~Punkt je Periode · "), std::string::npos);
    // From a minute on in hours, minutes and seconds.
    EXPECT_NE(Kurve(10, 5, 5, 10000, 10, 1000).Status().find("Schritt 1~s · Dauer 1~min 40~s"), std::string::npos);
    EXPECT_NE(Kurve(10, 5, 5, 50000, 100, 60000).Status().find("Schritt 1~min · Dauer 1~h 40~min"), std::string::npos);
    EXPECT_NE(Kurve(10, 5, 5, 1000, 60.15, 100).Status().find("Dauer 1~min 0.2~s"), std::string::npos);

    Kurve k(10, 8, 5, 200, 1, 10);
    int von[2], bis[2], oben[2];
    ASSERT_EQ(Sinus_BegrenzteStrecken(&k.s, von, bis, oben, 1), 2) << "counts past the room it fills";
    EXPECT_EQ(std::make_tuple(von[0], bis[0], oben[0]), std::make_tuple(4, 8, 1)) << "k = 3 to 7 at 100 %";
    Sinus_BegrenzteStrecken(&k.s, von, bis, oben, 2);
    EXPECT_EQ(std::make_pair(von[1], oben[1]), std::make_pair(14, 0));
    const Kurve ungeschnitten(10, 5, 5, 200, 2, 10), voll(10, 1, 20, 200, 1, 10);
    EXPECT_EQ(Sinus_BegrenzteStrecken(&ungeschnitten.s, von, bis, oben, 2), 0);
    ASSERT_EQ(Sinus_BegrenzteStrecken(&voll.s, von, bis, oben, 2), 1);
    EXPECT_EQ(bis[0], 21) << "held at 100 % from the first value to the last";
}
