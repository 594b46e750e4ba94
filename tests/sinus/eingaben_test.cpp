// Typed values per input, as an engineer writes them, against doubles
// written by hand: the decimal literal, rounded once by the compiler, is
// the oracle, never a product of the reader's own steps.
#include "Sinuseingaben.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

TEST(Eingaben, GetippteWerteJeFeld)
{
    // Each field's units and targets; the number syntax itself is the reader's own. The value is in
    // the unit of the input that takes it, iZiel that input where not the one typed into.
    const struct { int iEingabe; const char *szText; double dWert; int bEinheit; int iZiel = -1; } faelle[] = {
        {EINGABE_FREQUENZ, "2,5 kHz", 2500.0, 1}, {EINGABE_FREQUENZ, "999.5mHz", 0.9995, 1},
        {EINGABE_FREQUENZ, "50 Hz", 50.0, 0}, {EINGABE_FREQUENZ, "0,02M", 20000.0, 1},
        {EINGABE_PERIODE, "0,2s", 200.0, 1}, {EINGABE_PERIODE, "200ms", 200.0, 0},
        {EINGABE_PERIODE, "50\xc2\xb5s", 0.05, 1}, {EINGABE_PERIODE, "50us", 0.05, 1},
        // Amplitude [V^]: plain volts, milli and kilo, RMS and peak to peak.
        {EINGABE_DACH, "500mV", 0.5, 1}, {EINGABE_DACH, "0,5 V", 0.5, 0}, {EINGABE_DACH, "7 Vpp", 3.5, 1},
        {EINGABE_DACH, "-0.3Vss", -0.15, 1}, {EINGABE_DACH, "3,5355339Veff", 3.5355339, 1, EINGABE_EFF},
        {EINGABE_DACH, "3,5355339 Vrms", 3.5355339, 1, EINGABE_EFF}, {EINGABE_DACH, "0.001kV", 1.0, 1},
        {EINGABE_EFF, "354 mV", 0.354, 1}, {EINGABE_OFFSET, "-250mV", -0.25, 1}, {EINGABE_UMAX, "10", 10.0, 0},
        // Perioden: no unit, prefixes only.
        {EINGABE_PERIODEN, "2,5", 2.5, 0}, {EINGABE_PERIODEN, "250m", 0.25, 1}};
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.szText);
        Eingabelesung l = {-1, 0.0, -1};
        ASSERT_EQ(Eingaben_Lesen(f.iEingabe, f.szText, &l), EINGABEN_GELESEN);
        EXPECT_EQ(std::make_tuple(l.iEingabe, l.dWert, l.bEinheit),
                  std::make_tuple(f.iZiel < 0 ? f.iEingabe : f.iZiel, f.dWert, f.bEinheit));
    }
}

// Case matters as in the SI (M is mega, m is milli): a unit in the wrong case is refused.
TEST(Eingaben, AbgelehntUndIhreTexte)
{
    // With the window's words where a unit is at fault.
    const struct { int iEingabe; const char *szText; int iErgebnis; const char *szMeldung = nullptr; } faelle[] = {
        {EINGABE_PERIODE, " 5Hz ", EINGABEN_FREMDE_EINHEIT,
         "\u201e5Hz\u201c passt nicht zu Periodendauer: ms, s, \u00b5s"},
        {EINGABE_FREQUENZ, "5V", EINGABEN_FREMDE_EINHEIT}, {EINGABE_DACH, "2Hz", EINGABEN_FREMDE_EINHEIT},
        {EINGABE_EFF, "2 Vss", EINGABEN_FREMDE_EINHEIT}, {EINGABE_PERIODEN, "3 s", EINGABEN_FREMDE_EINHEIT},
        {EINGABE_FREQUENZ, "5MHz", EINGABEN_FREMDE_EINHEIT}, {EINGABE_FREQUENZ, "5hz", EINGABEN_FREMDE_EINHEIT},
        {EINGABE_DACH, "5mv", EINGABEN_FREMDE_EINHEIT}, {EINGABE_DACH, "5veff", EINGABEN_FREMDE_EINHEIT},
        {EINGABE_FREQUENZ, "kHz", EINGABEN_KEINE_ZAHL}, {EINGABE_FREQUENZ, "5 k Hz", EINGABEN_KEINE_ZAHL},
        {EINGABE_FREQUENZ, "5kHz5", EINGABEN_KEINE_ZAHL}, {EINGABE_FREQUENZ, "0x10", EINGABEN_KEINE_ZAHL},
        {EINGABE_ZEITBASIS, "5", EINGABEN_KEINE_ZAHL}};
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.szText);
        Eingabelesung l = {-7, 7.0, 7};
        EXPECT_EQ(Eingaben_Lesen(f.iEingabe, f.szText, &l), f.iErgebnis);
        EXPECT_EQ(l.dWert, 7.0) << "nothing read";
        if (f.szMeldung) {
            char sz[200];
            Eingaben_FremdText(Eingaben_Feld(f.iEingabe), f.szText, sz, sizeof sz);
            EXPECT_STREQ(sz, f.szMeldung);
        }
    }
}

// Ranges hold for the value understood; a refused text changes nothing.
TEST(Eingaben, BereicheGeltenFuerDenVerstandenenWert)
{
    Eingabewerte e, vorher;
    Eingaben_Vorgaben(&e);
    vorher = e;
    const Eingabefeld *frequenz = Eingaben_Feld(EINGABE_FREQUENZ);
    Eingabelesung l;
    EXPECT_EQ(Eingaben_Uebernehmen(&e, frequenz, "20,001k", &l), EINGABEN_AUSSERHALB);
    EXPECT_EQ(l.dWert, 20001.0) << "how it was read, also out of range";
    EXPECT_EQ(Eingaben_Uebernehmen(&e, frequenz, "5V", &l), EINGABEN_FREMDE_EINHEIT);
    EXPECT_EQ(std::memcmp(&e, &vorher, sizeof e), 0);
    // "Veff" in the peak field sets the RMS amplitude, and only that.
    e = vorher;
    EXPECT_EQ(Eingaben_Uebernehmen(&e, Eingaben_Feld(EINGABE_DACH), "2 Veff", &l), EINGABEN_GELESEN);
    EXPECT_EQ(std::make_pair(e.dAmplitudeEff, e.dAmplitudeDach), std::make_pair(2.0, vorher.dAmplitudeDach));
    EXPECT_EQ(l.iEingabe, EINGABE_EFF);
}

TEST(Eingaben, WieGelesenImStatus)
{
    const struct { int iEingabe; const char *szText, *szErwartet; } faelle[] = {
        {EINGABE_FREQUENZ, " 50mHz ", "50mHz = 0.05 Hz"}, {EINGABE_PERIODE, "0,2s", "0,2s = 200 ms"},
        {EINGABE_PERIODEN, "250m", "250m = 0.25"},    {EINGABE_FREQUENZ, "50 Hz", ""}};
    for (const auto &f : faelle) {
        Eingabelesung l;
        ASSERT_EQ(Eingaben_Lesen(f.iEingabe, f.szText, &l), EINGABEN_GELESEN) << f.szText;
        char sz[120] = "x";
        Eingaben_LesungText(Eingaben_Feld(f.iEingabe), f.szText, &l, sz, sizeof sz);
        EXPECT_STREQ(sz, f.szErwartet);
    }
}

// The table's lists derive from its rows: every row has its id at its
// place, and two records differ wherever one of its inputs differs.
TEST(Eingaben, GleichheitUeberJedeEingabeDerTabelle)
{
    Eingabewerte a;
    Eingaben_Vorgaben(&a);
    for (int i = 0; i < Eingaben_Anzahl(); ++i) {
        const Eingabefeld *f = Eingaben_Feld(i);
        EXPECT_EQ(f->iId, i);
        Eingabewerte b = a;
        if (double *pd = Eingaben_Zahl(&b, f))
            *pd += 1.0;
        else if (f->iArt == EINGABEN_ZEITBASIS)
            b.szZeitbasis[0] = 'x';
        else
            b.iKurvennummer += 1;
        EXPECT_EQ(Eingaben_Gleich(&a, &b), 0) << f->szOption;
        EXPECT_EQ(Eingaben_Gleich(&a, &a), 1);
    }
    EXPECT_EQ(Eingaben_Feld(EINGABEN_ANZAHL), nullptr);
}

// Each bounded input takes its limits themselves and refuses the nearest
// double beyond them; the limits are written here by hand.
TEST(Eingaben, GenaueGrenzenJederEingabe)
{
    const struct { int iEingabe; double dMin, dMax; } grenzen[] = {
        {EINGABE_UMAX, 0.001, 10000.0}, {EINGABE_FREQUENZ, 0.02, 20000.0},
        {EINGABE_PERIODE, 0.05, 50000.0}, {EINGABE_PERIODEN, 0.01, 100.0}};
    for (const auto &g : grenzen) {
        const Eingabefeld *f = Eingaben_Feld(g.iEingabe);
        SCOPED_TRACE(f->szOption);
        for (const auto &[dWert, bDrin] : {std::pair{g.dMin, true}, {g.dMax, true},
                                           {std::nextafter(g.dMin, -1.0), false}, {std::nextafter(g.dMax, 1e300), false}}) {
            Eingabewerte e;
            Eingaben_Vorgaben(&e);
            char sz[40];
            std::snprintf(sz, sizeof sz, "%.17g", dWert);
            EXPECT_EQ(Eingaben_Uebernehmen(&e, f, sz), bDrin ? EINGABEN_GELESEN : EINGABEN_AUSSERHALB) << sz;
            if (bDrin) {
                EXPECT_EQ(*Eingaben_Zahl(&e, f), dWert);
            }
        }
    }
    // The rings: curves 1 to 4 and the time-base labels, read as themselves, without a unit.
    Eingabewerte e;
    Eingaben_Vorgaben(&e);
    for (const char *kurve : {"0", "5", "12"})
        EXPECT_EQ(Eingaben_Uebernehmen(&e, Eingaben_Feld(EINGABE_KURVE), kurve), EINGABEN_KEINE_ZAHL) << kurve;
    const struct { int iEingabe; const char *szText; double dWert; } ringe[] = {
        {EINGABE_KURVE, "1", 1.0}, {EINGABE_KURVE, "4", 4.0}, {EINGABE_ZEITBASIS, "50us", 1.0},
        {EINGABE_ZEITBASIS, "1std", 17.0}};
    for (const auto &r : ringe) {
        Eingabelesung l = {-1, 0.0, -1};
        EXPECT_EQ(Eingaben_Uebernehmen(&e, Eingaben_Feld(r.iEingabe), r.szText, &l), EINGABEN_GELESEN) << r.szText;
        EXPECT_EQ(std::make_tuple(l.iEingabe, l.dWert, l.bEinheit), std::make_tuple(r.iEingabe, r.dWert, 0));
    }
    EXPECT_EQ(std::make_tuple(e.iKurvennummer, e.iZeitbasisIndex, std::string(e.szZeitbasis)),
              std::make_tuple(4, 16, std::string("1std")));
}

// The help of each input, as its tooltip shows it: the description, then
// the range in the input's unit (a unit only where there is a range), the
// units a number may carry and the prefixes, for numbers only.
TEST(Eingaben, HilfeNenntBereichEinheitenUndVorsaetze)
{
    // The bracket after the description; the units, "" where the number has none to type.
    const struct { int iEingabe; const char *szBereich, *szEinheiten; bool bVorsaetze; } faelle[] = {
        {EINGABE_UMAX, " (0.001 bis 10000 V)", "; Einheiten V, mV, kV", true},
        {EINGABE_KURVE, " (1 bis 4)", "", false}};
    for (const auto &f : faelle) {
        const Eingabefeld *feld = Eingaben_Feld(f.iEingabe);
        char sz[400];
        Eingaben_Hilfe(feld, sz, sizeof sz);
        const std::string erwartet = std::string(feld->szBeschreibung) + f.szBereich + f.szEinheiten +
                                     (f.bVorsaetze ? "; Vorsätze \u00b5 (u), m, k, M" : "");
        EXPECT_EQ(sz, erwartet) << feld->szOption;
    }
}
