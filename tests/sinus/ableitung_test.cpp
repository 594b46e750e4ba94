// Derivation of the curve parameters and the point limit, on the records
// alone, with values worked out by hand.
#include "Sinuserzeugung_Main.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

Sinuskurve Ableiten(double umax, double dach, double offset, double periodeMs, double perioden, double tbMs)
{
    Eingabewerte e = {};
    e.dUmax = umax;
    e.dAmplitudeDach = dach;
    e.dOffset = offset;
    e.dPeriodendauer = periodeMs;
    e.dAnzahlPerioden = perioden;
    Sinuskurve s = {};
    s.iAnzahlPunkte = 77;  // the array fields are not the derivation's
    Sinus_Ableiten(&e, tbMs, &s);
    return s;
}

}  // namespace

TEST(Ableitung, VorgabenDesPanels)
{
    Sinuskurve s = Ableiten(10.0, 5.0, 5.0, 200.0, 1.0, 10.0);
    EXPECT_EQ(s.dFaktor, 10.0);
    EXPECT_EQ(s.dAmplitude, 50.0);
    EXPECT_EQ(s.dOffset, 50.0);
    EXPECT_EQ(s.dPeriodendauer, 200.0);
    EXPECT_EQ(s.iPunkteProPeriode, 20);
    EXPECT_EQ(s.dPerioden, 1.0);
    EXPECT_EQ(s.iAnzahlPunkte, 77);
    EXPECT_TRUE(Sinus_PunkteZulaessig(&s));
    EXPECT_EQ(Sinus_AnzahlWerte(&s), 22);
}

TEST(Ableitung, PunkteProPeriodeRundenHalbAufUndMindestensEins)
{
    EXPECT_EQ(Ableiten(10, 5, 5, 3.0, 1, 2.0).iPunkteProPeriode, 2);    // 1.5
    EXPECT_EQ(Ableiten(10, 5, 5, 0.05, 1, 0.1).iPunkteProPeriode, 1);   // 0.5
    EXPECT_EQ(Ableiten(10, 5, 5, 0.05, 1, 0.2).iPunkteProPeriode, 1);   // 0.25 gives 0, raised
    EXPECT_EQ(0.3 / 0.2, 1.4999999999999998);
    EXPECT_EQ(Ableiten(10, 5, 5, 0.3, 1, 0.2).iPunkteProPeriode, 1);    // just below a half
    EXPECT_EQ(Ableiten(10, 5, 5, 50000.0, 1, 0.05).iPunkteProPeriode, 1000000);
    EXPECT_EQ(Sinus_Runden(NAN), 1);
    EXPECT_EQ(Sinus_Runden(-3.0), 1);
    EXPECT_EQ(Sinus_Runden(1e300), INT32_MAX);
}

TEST(Ableitung, PunktgrenzeGiltFuerDasUngerundeteProdukt)
{
    Sinuskurve s = Ableiten(10, 5, 5, 16358.0, 1, 1.0);
    EXPECT_TRUE(Sinus_PunkteZulaessig(&s));
    EXPECT_EQ(Sinus_AnzahlWerte(&s), 16360);
    s = Ableiten(10, 5, 5, 16359.0, 1, 1.0);
    EXPECT_FALSE(Sinus_PunkteZulaessig(&s));
    s = Ableiten(10, 5, 5, 32716.5, 0.25, 0.5);
    EXPECT_EQ(s.iPunkteProPeriode, 65433);
    EXPECT_FALSE(Sinus_PunkteZulaessig(&s)) << "16358.25 would round to 16358";
    s.dPerioden = NAN;
    EXPECT_FALSE(Sinus_PunkteZulaessig(&s));
}

TEST(Ableitung, BruchteilePerioden)
{
    Sinuskurve s = Ableiten(10, 5, 5, 4.0, 1.25, 2.0);  // 2 per period
    EXPECT_EQ(Sinus_AnzahlWerte(&s), 3 + 2);            // 2.5 gives 3
    s = Ableiten(10, 5, 5, 1.0, 0.3, 1.0);              // 0.3 gives 0, raised to 1
    EXPECT_EQ(Sinus_AnzahlWerte(&s), 3);
    s = Ableiten(10, 5, 5, 200.0, 1.25, 10.0);
    EXPECT_EQ(Sinus_AnzahlWerte(&s), 27);
}

