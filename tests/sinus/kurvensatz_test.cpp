// Curves that play together: what a set of curve files says, against
// arithmetic done here by hand (lines times the time base in µs, periods
// as whole numbers of time bases).
#include "Kurvensatz.h"
#include "Sinusschritt.h"
#include "aufzeichnung.h"
#include "eingabebau.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

// A curve as a file would describe it (a label not in the table: time base unknown).
Satzkurve Kurve(const char *szName, int iNummer, const char *szZeitbasis, int iZeilen, int iP, double dPhase = 0.0)
{
    double dMs = 0.0;
    Satzkurve k = {szName, iNummer, {}, Zeitbasis_Suchen(szZeitbasis, &dMs) ? dMs : 0.0, iZeilen, iP, 1, dPhase};
    std::strcpy(k.szZeitbasis, szZeitbasis);
    return k;
}

std::string Befunde(const Kurvensatz &s, const Satzkurve *k)
{
    std::string t;
    for (int i = 0; i < s.iBefunde; ++i)
        t += std::string(k[s.aBefunde[i].iKurve].szName) + ": " + s.aBefunde[i].szText + "\n";
    return t;
}

}  // namespace

TEST(Kurvensatz, BefundeNennenDieDatei)
{
    const Satzkurve a = Kurve("a.txt", 1, "10ms", 21, 20);
    Satzkurve unbekannt = Kurve("b.txt", 0, "", 21, 0);
    unbekannt.bPhase = 0;
    const struct { Satzkurve b; std::string befunde; } faelle[] = {
        {Kurve("b.txt", 2, "10ms", 21, 20), ""},
        {Kurve("b.txt", 2, "10ms", 41, 20),
         "b.txt: 41 Datenzeilen, a.txt hat 21: die Schleifen beginnen nicht gemeinsam neu\n"},
        {Kurve("b.txt", 2, "5ms", 21, 20),
         "b.txt: Zeitbasis 5ms, a.txt hat 10ms: die Kurven eines Satzes brauchen eine Zeitbasis\n"},
        // What a damaged file leaves unknown is no finding of the set (its own check names it).
        {unbekannt, ""}};
    for (const auto &f : faelle) {
        const Satzkurve k[] = {a, f.b};
        Kurvensatz s;
        EXPECT_EQ(Kurvensatz_Pruefen(k, 2, &s), s.iBefunde) << f.befunde;
        EXPECT_EQ(Befunde(s, k), f.befunde);
    }
    // Each curve against the ones before it: the third names the first it repeats.
    const Satzkurve drei[] = {a, Kurve("b.txt", 2, "10ms", 21, 20), Kurve("c.txt", 2, "10ms", 21, 20)};
    Kurvensatz s;
    EXPECT_EQ(Kurvensatz_Pruefen(drei, 3, &s), 1);
    EXPECT_EQ(Befunde(s, drei), "c.txt: Kurvennummer 2 wie b.txt: das Gerät spielt je Nummer nur eine Kurve\n");
    // Without the first curve's time base the loop is unknown.
    const Satzkurve ohne[] = {unbekannt, a};
    Kurvensatz_Pruefen(ohne, 2, &s);
    EXPECT_STREQ(s.szSchleife, "Schleife unbekannt: Zeitbasis unbekannt");
    // A set is 2 to 4 curves.
    const Satzkurve fuenf[] = {a, a, a, a, a};
    EXPECT_EQ(Kurvensatz_Pruefen(fuenf, 1, &s), -1);
    EXPECT_EQ(s.iKurven, 0);
    EXPECT_EQ(Kurvensatz_Pruefen(fuenf, 5, &s), -1);
    EXPECT_EQ(Kurvensatz_Pruefen(fuenf, 4, &s), 3);
}

TEST(Kurvensatz, SchleifeUeberZufaelligeZeitbasenUndZeilen)
{
    const unsigned iSaat = std::random_device{}();
    std::mt19937 zufall(iSaat);
    SCOPED_TRACE("Saat " + std::to_string(iSaat));
    for (int n = 0; n < 500; ++n) {
        const char *szZb = Zeitbasis_Label(std::uniform_int_distribution<int>(0, Zeitbasis_Anzahl() - 1)(zufall));
        const int iZeilen = std::uniform_int_distribution<int>(1, KURVENDATEI_MAX_DATENZEILEN)(zufall);
        const Satzkurve k[] = {Kurve("a", 1, szZb, iZeilen, 0), Kurve("b", 2, szZb, iZeilen, 0)};
        Kurvensatz s;
        ASSERT_EQ(Kurvensatz_Pruefen(k, 2, &s), 0);
        // Every time base is a whole number of µs: the loop in µs is exact.
        const long long iUs = static_cast<long long>(iZeilen) * static_cast<long long>(k[0].dZeitbasisMs * 1000.0 + 0.5);
        EXPECT_EQ(s.iSchleife * 50, iUs) << szZb << " " << iZeilen;
        EXPECT_TRUE(s.bGleicheSchleife);
    }
    const struct { const char *szZeitbasis; int iZeilen; const char *szText; } faelle[] = {
        {"50us", 3, "Schleife 0.15 ms (3 Datenzeilen × 50us)"},
        {"10ms", 100, "Schleife 1 s (100 Datenzeilen × 10ms)"},
        {"3ms", 334, "Schleife 1.002 s (334 Datenzeilen × 3ms)"},
        {"1std", 16359, "Schleife 58892400 s (16359 Datenzeilen × 1std)"}};
    for (const auto &f : faelle) {
        const Satzkurve k[] = {Kurve("a", 1, f.szZeitbasis, f.iZeilen, 0), Kurve("b", 2, f.szZeitbasis, f.iZeilen, 0)};
        Kurvensatz s;
        Kurvensatz_Pruefen(k, 2, &s);
        EXPECT_STREQ(s.szSchleife, f.szText);
    }
}

TEST(Kurvensatz, GanzeFrequenzverhaeltnisseBenannt)
{
    // Periods by hand: P times the time base; a is 20 x 10 ms.
    const struct { Satzkurve b; int iVerhaeltnis; const char *szFakten; } faelle[] = {
        {Kurve("b", 2, "10ms", 21, 10), 2, "Kurve 2, 10 Hz = 2 × Frequenz von a, Phase +0.0°"},
        {Kurve("b", 2, "10ms", 21, 60), -3, "Kurve 2, 1.667 Hz = 1/3 der Frequenz von a, Phase +0.0°"},
        {Kurve("b", 2, "10ms", 21, 30), 0, "Kurve 2, 3.333 Hz, Phase +0.0°"},               // 3:2
        {Kurve("b", 2, "50us", 4200, 4), 1000, "Kurve 2, 5000 Hz = 1000 × Frequenz von a, Phase +0.0°"}, // 0.2 ms
        {Kurve("b", 2, "50us", 4200, 3), 0, "Kurve 2, 6667 Hz, Phase +0.0°"},  // 0.15 ms: 4000 to 3
        {Kurve("b", 2, "10ms", 21, 0), 0, "Kurve 2, Frequenz offen, Phase +0.0°"}};
    for (const auto &f : faelle) {
        const Satzkurve k[] = {Kurve("a", 1, "10ms", 21, 20), f.b};
        Kurvensatz s;
        Kurvensatz_Pruefen(k, 2, &s);
        EXPECT_EQ(s.aiVerhaeltnis[1], f.iVerhaeltnis) << f.szFakten;
        EXPECT_STREQ(s.aszKurve[1], f.szFakten);
    }
}

TEST(Kurvensatz, PhasenGegenDieErsteKurve)
{
    // Three phases from designs, as the window holds them: 0, 120, 240 degrees;
    // an inverted copy, a negative peak counting as half a turn; a curve without amplitude.
    const Eingabewerte entwuerfe[] = {Eingabebau().Kurve(1), Eingabebau().Kurve(2), Eingabebau().Kurve(3),
                                      Eingabebau().Dach(-5).Kurve(4), Eingabebau().Dach(0).Kurve(2)};
    const char *namen[] = {"u.txt", "v.txt", "w.txt", "inv.txt", "flach"};
    Satzkurve k[5];
    for (int i = 0; i < 5; ++i) {
        Eingabewerte e = entwuerfe[i];
        e.dPhase = i < 3 ? 120.0 * i : 0.0;
        Sinuskurve kurve = {};
        ASSERT_EQ(Sinus_Schritt(&e, &kurve, nullptr, nullptr), SCHRITT_ANGENOMMEN);
        Kurvensatz_AusEntwurf(namen[i], &e, &kurve, &k[i]);
        Sinus_KurveFreigeben(&kurve);
    }
    Kurvensatz s;
    ASSERT_EQ(Kurvensatz_Pruefen(k, 4, &s), 0);
    EXPECT_STREQ(s.szSchleife, "Schleife 210 ms (21 Datenzeilen × 10ms)");
    const char *fakten[] = {"Kurve 1, 5 Hz, Bezug der Phasen", "Kurve 2, 5 Hz wie u.txt, Phase +120.0°",
                            "Kurve 3, 5 Hz wie u.txt, Phase -120.0°", "Kurve 4, 5 Hz wie u.txt, Phase +180.0°"};
    for (int i = 0; i < 4; ++i) EXPECT_STREQ(s.aszKurve[i], fakten[i]);
    // Against the second: the first lies 120 degrees behind it.
    const Satzkurve gedreht[] = {k[1], k[0], k[4]};
    Kurvensatz_Pruefen(gedreht, 3, &s);
    EXPECT_DOUBLE_EQ(s.adPhase[1], -120.0);
    EXPECT_STREQ(s.aszKurve[2], "Kurve 2, 5 Hz wie v.txt, Phase offen");

    // Angles as texts show them: (-180, 180], to a tenth, never -0.
    const struct { double dEin, dAus; } winkel[] = {
        {0.0, 0.0}, {-0.04, 0.0}, {359.96, 0.0}, {-180.0, 180.0}, {180.0, 180.0}, {540.0, 180.0},
        {-179.96, 180.0}, {-179.94, -179.9}, {240.0, -120.0}, {-240.0, 120.0}, {720.05, 0.1}};
    for (const auto &w : winkel) {
        const double d = Kurvensatz_Winkel(w.dEin);
        EXPECT_NEAR(d, w.dAus, 1e-9) << w.dEin;
        EXPECT_FALSE(std::signbit(d) && d == 0.0) << w.dEin;
    }
    EXPECT_DOUBLE_EQ(Kurvensatz_Phase(-90.0, -1.0), 90.0);
}

TEST(Kurvensatz, ZeileBegrenztUndAnZeichengrenzenGeschnitten)
{
    const Satzkurve k[] = {Kurve("ä.txt", 1, "10ms", 21, 20), Kurve("ö.txt", 1, "50us", 22, 20, 120.0)};
    Kurvensatz s;
    ASSERT_EQ(Kurvensatz_Pruefen(k, 2, &s), 3);
    char sz[1024];
    Kurvensatz_Zeile(&s, k, " · ", sz, sizeof sz);
    EXPECT_EQ(std::string(sz),
              "ö.txt: Kurvennummer 1 wie ä.txt: das Gerät spielt je Nummer nur eine Kurve · "
              "ö.txt: Zeitbasis 50us, ä.txt hat 10ms: die Kurven eines Satzes brauchen eine Zeitbasis · "
              "ö.txt: 22 Datenzeilen, ä.txt hat 21: die Schleifen beginnen nicht gemeinsam neu · "
              "Schleifen ungleich lang: die Kurven laufen auseinander · "
              "ä.txt: Kurve 1, Schleife 210 ms, 5 Hz, Bezug der Phasen · "
              "ö.txt: Kurve 1, Schleife 1.1 ms, 1000 Hz = 200 × Frequenz von ä.txt, Phase +120.0°");
    // Cut short: a beginning of the whole line, ended before a character, never inside one.
    for (size_t n = 1; n < std::strlen(sz); ++n) {
        char kurz[1024];
        std::memset(kurz, 'x', sizeof kurz);
        Kurvensatz_Zeile(&s, k, " · ", kurz, n);
        const size_t iLaenge = std::strlen(kurz);
        EXPECT_LT(iLaenge, n);
        EXPECT_EQ(kurz[n], 'x');
        EXPECT_NE(static_cast<unsigned char>(sz[iLaenge]) >> 6, 2u) << n;
        EXPECT_EQ(std::string(sz).compare(0, iLaenge, kurz), 0) << n;
    }
}

TEST(Kurvensatz, AusDerGelesenenDateiDiePhaseNurOhneBefunde)
{
    const std::string pfad = TestOrdner() + "/k.txt";
    static Kurvendatei datei;
    Satzkurve k;
    const struct { double dPhase, dDach, dErwartet; } faelle[] = {{240.0, 5.0, -120.0}, {30.0, -2.5, -150.0}};
    for (const auto &f : faelle) {
        Eingabewerte e = Eingabebau().Dach(f.dDach).Kurve(3);
        e.dPhase = f.dPhase;
        Sinuskurve kurve = {};
        ASSERT_EQ(Sinus_Schritt(&e, &kurve, nullptr, nullptr), SCHRITT_ANGENOMMEN);
        ASSERT_EQ(Sinus_ExportSchreiben(pfad.c_str(), &e, &kurve), 0);
        Sinus_KurveFreigeben(&kurve);
        const int fd = open(pfad.c_str(), O_RDONLY);
        ASSERT_EQ(Kurvendatei_Lesen(fd, &datei), 0);
        close(fd);
        ASSERT_EQ(datei.iBefunde, 0);
        Kurvensatz_DateiLesen("k.txt", &datei, &k);
        EXPECT_EQ(std::make_tuple(std::string(k.szName), k.iKurvennummer, std::string(k.szZeitbasis), k.iDatenzeilen,
                                  k.iPunkteProPeriode, k.bPhase),
                  std::make_tuple(std::string("k.txt"), 3, std::string("10ms"), 21, 20, 1)) << f.dPhase;
        EXPECT_NEAR(Kurvensatz_Winkel(k.dPhase), f.dErwartet, 1e-9) << f.dPhase << " " << f.dDach;
        // A file with findings is not reopened: it has no phase, the rest stays.
        datei.iBefunde = 1;
        Kurvensatz_DateiLesen("k.txt", &datei, &k);
        EXPECT_EQ(std::make_pair(k.bPhase, k.iPunkteProPeriode), std::make_pair(0, 20));
    }
}
