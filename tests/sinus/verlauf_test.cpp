// The window's texts formed from the records.
#include "Sinusanalyse.h"
#include "Sinuseingaben.h"
#include "Sinuserzeugung_Main.h"
#include "Sinusschritt.h"
#include "eingabebau.h"

#include <gtest/gtest.h>
#include <string>

TEST(Texte, PunkteBegrenzungExportUndTitel)
{
    char sz[400];
    Sinuskurve s{};
    // 500us, 32716.5 ms: 65433 points a period, 0.25 periods, just over the limit.
    Eingabewerte zuViele = Eingabebau().Periode(32716.5).Perioden(0.25).Zeitbasis("500us");
    Schrittbericht b;
    EXPECT_EQ(Sinus_Schritt(&zuViele, &s, nullptr, &b), SCHRITT_ZU_VIELE_PUNKTE);
    Sinus_SchrittText(&b, sz, sizeof sz);
    EXPECT_EQ(std::string(sz), std::string(SINUS_TEXT_ZU_VIELE_PUNKTE) + "\n\n16358.25 Punkte, höchstens 16358");
    EXPECT_EQ(s.pdWerte, nullptr) << "a refusal leaves the caller's curve";
    Sinus_BegrenzungText(0, 0.01, 0.01, 100, "", sz, 12);  // bounded
    EXPECT_STREQ(sz, "0 auf 0.01 ");
    s.iAnzahlPunkte = 21;
    // The name after the last slash, else the whole path.
    for (const auto &f : {std::make_pair("/tmp/a", "a"), std::make_pair("a", "a"), std::make_pair("/tmp/", "/tmp/")}) {
        Sinus_ExportText(f.first, &s, sz, sizeof sz);
        EXPECT_EQ(std::string(sz), std::string("Exportiert: ") + f.second + " (20 Datenzeilen)");
    }
    Eingabewerte e = Eingabebau().Dach(5.0).Offset(-5.0).Frequenz(4.123456789).Kurve(3);
    Kurvenanalyse a{};
    Sinus_BerichtTitel(&e, &a, sz, sizeof sz);
    EXPECT_STREQ(sz, "WLR-7 max. 10.000 V · Amplitude 5.000 V^ (3.536 Veff) · Offset -5.000 V · Frequenz 4.12 Hz · "
                     "Perioden 1.00 · Zeitbasis 10ms · Kurve 3") << "as the fields show them";
    a.bSinus = 1, a.dFrequenz = 4.0, a.dAbweichung = -3.0;
    Sinus_BerichtTitel(&e, &a, sz, sizeof sz);
    EXPECT_NE(std::string(sz).find("Frequenz 4.12 Hz (in der Datei 4 Hz) · Perioden"), std::string::npos);
    // Small values as the fields show them, not hidden behind their decimals.
    e = Eingabebau().Dach(0.0004).Frequenz(0.06113);
    Sinus_BerichtTitel(&e, nullptr, sz, sizeof sz);
    EXPECT_NE(std::string(sz).find("Amplitude 0.0004 V^ (0.000283 Veff) · Offset 5.000 V · Frequenz 0.0611 Hz"),
              std::string::npos) << sz;
}

TEST(Verlauf, DieAenderungEinesSchrittsInWorten)
{
    Eingabewerte a;
    Eingaben_Vorgaben(&a);
    char sz[80] = "x";
    Eingaben_AenderungText(&a, &a, sz, sizeof sz);
    EXPECT_STREQ(sz, "") << "nothing changed";
    const struct { void (*aendern)(Eingabewerte &); const char *text; size_t groesse = 80; } faelle[] = {
        {[](Eingabewerte &e) { e.dAnzahlPerioden = 2.5; }, "Perioden 1 \u2192 2.5"},
        {[](Eingabewerte &e) { e.dAmplitudeEff = 2.0, e.dAmplitudeDach = 2.8284271247461903; },
         "Amplitude 5 \u2192 2.828427125 V"},  // the first field that differs names the step
        {[](Eingabewerte &e) { std::snprintf(e.szZeitbasis, sizeof e.szZeitbasis, "5ms"), e.iZeitbasisIndex = 8; },
         "Zeitbasis 10ms \u2192 5ms"},
        {[](Eingabewerte &e) { e.iKurvennummer = 3; }, "Kurve 1 \u2192 3"},
        {[](Eingabewerte &e) { e.dUmax = 12.5; }, "WLR-7 Ausga", 12},  // bounded
    };
    for (const auto &f : faelle) {
        Eingabewerte b = a;
        f.aendern(b);
        Eingaben_AenderungText(&a, &b, sz, f.groesse);
        EXPECT_STREQ(sz, f.text);
    }
}
