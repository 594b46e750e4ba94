#include "Sinuserzeugung_Main.h"
#include "aufzeichnung.h"

#include <gtest/gtest.h>
#include <iterator>

TEST(Zeitbasis, JedesLabelDesRingsHatSeinIntervall)
{
    MeldungenLeeren();
    const struct {
        const char *label;
        double ms;
    } tabelle[] = {{"50us", 0.05}, {"100us", 0.1}, {"200us", 0.2}, {"500us", 0.5}, {"1ms", 1.0},
                   {"2ms", 2.0},   {"3ms", 3.0},   {"4ms", 4.0},   {"5ms", 5.0},   {"10ms", 10.0},
                   {"20ms", 20.0}, {"50ms", 50.0}, {"100ms", 100.0}, {"1s", 1000.0}, {"10s", 10000.0},
                   {"1min", 60000.0}, {"1std", 3600000.0}};
    ASSERT_EQ(Zeitbasis_Anzahl(), 17);
    for (int i = 0; i < 17; ++i) {
        EXPECT_EQ(Zeitbasis_Ermitteln(tabelle[i].label), tabelle[i].ms) << tabelle[i].label;
        EXPECT_STREQ(Zeitbasis_Label(i), tabelle[i].label);
    }
    EXPECT_EQ(Zeitbasis_Label(17), nullptr);
    EXPECT_TRUE(gMeldungen.empty());
}

TEST(Zeitbasis, FehlendeLabelsWarnenUndGebenEineMillisekunde)
{
    MeldungenLeeren();
    const char *fehlend[] = {"10MS", "1Std", "10 ms", "10ms ", " 10ms", "2s", "", "10m"};
    for (const char *label : fehlend)
        EXPECT_EQ(Zeitbasis_Ermitteln(label), 1.0) << '"' << label << '"';
    ASSERT_EQ(gMeldungen.size(), std::size(fehlend)) << "every call warns again";
    EXPECT_EQ(gMeldungen[0].titel, "Warnung");
    EXPECT_EQ(gMeldungen[0].text, "Zeitbasis nicht gefunden");
}
