// The status line's texts and the stretches held at 0 or 100 %, from the
// records as the generation leaves them.
#include "Sinuserzeugung_Main.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Kurve {
    Sinuskurve s = {};
    std::vector<double> werte;

    Kurve(double umax, double dach, double offset, double periodeMs, double perioden, double tbMs)
    {
        Eingabewerte e = {};
        e.dUmax = umax;
        e.dAmplitudeDach = dach;
        e.dOffset = offset;
        e.dPeriodendauer = periodeMs;
        e.dAnzahlPerioden = perioden;
        Sinus_Ableiten(&e, tbMs, &s);
        werte.resize(static_cast<size_t>(Sinus_AnzahlWerte(&s)));
        s.iAnzahlPunkte = static_cast<int>(werte.size());
        s.pdWerte = werte.data();
        Sinus_WerteFuellen(&s, s.pdWerte, s.iAnzahlPunkte);
    }
    std::string Text(double tbMs) const
    {
        char text[300];
        Sinus_StatusText(&s, tbMs, text, sizeof text);
        return text;
    }
};

}  // namespace

TEST(Status, TexteDerStatuszeile)
{
    // The defaults touch 0 and 100 % without being cut: nothing limited.
    EXPECT_EQ(Kurve(10, 5, 5, 200, 1, 10).Text(10),
              "20 von 16358 Punkten · 20 Punkte je Periode · Schritt 10 ms · Dauer 200 ms");
    EXPECT_EQ(Kurve(10, 8, 5, 200, 1, 10).Text(10),
              "20 von 16358 Punkten · 20 Punkte je Periode · Schritt 10 ms · Dauer 200 ms\n"
              "Begrenzt: 5 von 20 Punkten bei 100 % und 5 bei 0 %");
    auto begrenzt = [](const Kurve &k) {
        const std::string t = k.Text(10);
        return t.substr(t.find('\n') + 1);
    };
    EXPECT_EQ(begrenzt(Kurve(10, 5, 7, 200, 1, 10)), "Begrenzt: 5 von 20 Punkten bei 100 %");
    EXPECT_EQ(begrenzt(Kurve(10, 5, 2, 200, 1, 10)), "Begrenzt: 7 von 20 Punkten bei 0 %");
    EXPECT_EQ(begrenzt(Kurve(10, 1, 20, 200, 1, 10)), "Begrenzt: 20 von 20 Punkten bei 100 %");
    EXPECT_EQ(Kurve(10, 5, 5, 16358, 1, 1).Text(1),
              "16358 von 16358 Punkten · 16358 Punkte je Periode · Schritt 1 ms · Dauer 16,36 s");
    EXPECT_EQ(Kurve(10, 5, 5, 50000, 3, 3600000).Text(3600000),
              "3 von 16358 Punkten · 1 Punkt je Periode · Schritt 1 h · Dauer 3 h");
    EXPECT_EQ(Kurve(10, 5, 5, 0.3, 2, 0.05).Text(0.05),
              "12 von 16358 Punkten · 6 Punkte je Periode · Schritt 50 µs · Dauer 600 µs");
    Sinuskurve leer = {};
    char text[40];
    Sinus_StatusText(&leer, 10, text, sizeof text);  // after a failed allocation
    EXPECT_STREQ(text, "Keine Kurve");
    const Kurve acht(10, 8, 5, 200, 1, 10);
    Sinus_StatusText(&acht.s, 10, text, sizeof text);
    EXPECT_EQ(std::string(text).size(), 39u) << "bounded by its area";
}

TEST(Status, BegrenzteStrecken)
{
    Kurve k(10, 8, 5, 200, 1, 10);
    int von[8], bis[8], oben[8];
    ASSERT_EQ(Sinus_BegrenzteStrecken(&k.s, von, bis, oben, 8), 2);
    EXPECT_EQ(von[0], 4);  // samples k = 3 to 7 at 100 %
    EXPECT_EQ(bis[0], 8);
    EXPECT_EQ(oben[0], 1);
    EXPECT_EQ(von[1], 14);
    EXPECT_EQ(bis[1], 18);
    EXPECT_EQ(oben[1], 0);
    // Counting alone, and a curve cut nowhere.
    EXPECT_EQ(Sinus_BegrenzteStrecken(&k.s, nullptr, nullptr, nullptr, 0), 2);
    Kurve vorgaben(10, 5, 5, 200, 2, 10);
    EXPECT_EQ(Sinus_BegrenzteStrecken(&vorgaben.s, von, bis, oben, 8), 0);
    // Held at 100 % from the first value to the last.
    Kurve oben100(10, 1, 20, 200, 1, 10);
    ASSERT_EQ(Sinus_BegrenzteStrecken(&oben100.s, von, bis, oben, 8), 1);
    EXPECT_EQ(von[0], 0);
    EXPECT_EQ(bis[0], 21);
}
