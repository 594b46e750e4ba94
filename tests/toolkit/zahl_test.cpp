// The number syntax shared by the window's fields and the batch exporter.
// Expected values are decimal literals written by hand: the compiler's own
// correct rounding of the literal is the oracle, never a product's sum.
#include "toolkit_kern.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <string>

namespace {

// Units as a field of hertz takes them, and one of milliseconds.
const TK_Einheit HERTZ[] = {{"Hz", 0, 0}, {"kHz", 3, 0}, {"mHz", -3, 0}};
const TK_Einheit MILLISEKUNDEN[] = {{"ms", 0, 0}, {"s", 3, 0}, {"\xc2\xb5s", -3, 7}};

}  // namespace

TEST(Zahl, GueltigeFormen)
{
    const struct { const char *text; double wert; } faelle[] = {
        {"5", 5.0},          {"-2.5", -2.5},      {"+3", 3.0},          {"2,5", 2.5},
        {" 5", 5.0},         {"5 ", 5.0},         {"\t5\n", 5.0},       {".5", 0.5},
        {"5.", 5.0},         {",25", 0.25},       {"1e3", 1000.0},      {"2,5E-3", 0.0025},
        {"1e+2", 100.0},     {"-0", -0.0},        {"0010", 10.0},       {"1e-310", 1e-310},
        {"4.9e-324", 4.9e-324}, {"1e-400", 0.0},  {"1.7976931348623157e308", 1.7976931348623157e308},
        // SI prefixes, exact: the digits are scaled before the one rounding.
        {"2,5k", 2500.0},    {"1.005k", 1005.0},  {"0.1k", 100.0},      {"999.5m", 0.9995},
        {"1.23456m", 0.00123456}, {"500m", 0.5}, {"5M", 5000000.0},    {"5m", 0.005},
        {"3\xc2\xb5", 3e-6}, {"3u", 3e-6},        {"3\xce\xbc", 3e-6},  {"2,5 k", 2500.0},
        {"-0k", -0.0},       {"1e-3k", 1.0},      {"0.000001M", 1.0},   {"4.35u", 4.35e-6},
        {"8.123456m", 0.008123456}, {"0.3k", 300.0}, {"1.0000000000000002k", 1000.0000000000002},
        // Exponents far beyond any double, however many digits: the value they mean.
        {"1e-99999999999999999999", 0.0}, {"0e99999999999999999999", 0.0}, {"1e-999999999k", 0.0},
        {"123456789e-1000000008", 0.0}};
    for (const auto &f : faelle) {
        double v = 123.0;
        ASSERT_EQ(TK_ZahlLesen(f.text, &v), 1) << f.text;
        EXPECT_EQ(v, f.wert) << f.text;
        EXPECT_EQ(std::signbit(v), std::signbit(f.wert)) << f.text;
    }
}

TEST(Zahl, KeineZahlen)
{
    const char *faelle[] = {"",    " ",     "-",    ".",     "e5",   "1e",  "1e+",  "0x10", "inf",
                            "nan", "1e999", "5 5",  "1.2.3", "1,2,3", "--1", "+-1", "1 e5", "5V",
                            "1e5.5", "١", "5\xc2\xa0", "k", "5kk", "5 k 5", "1e308k", "5K", "5mm",
                            "1e99999999999999999999", "1e999999999", "0.1e1000000000"};
    for (const char *text : faelle) {
        double v = 7.0;
        EXPECT_EQ(TK_ZahlLesen(text, &v), 0) << text;
        EXPECT_EQ(v, 7.0) << text;
    }
    double v;
    EXPECT_EQ(TK_ZahlLesen(nullptr, &v), 0);
}

TEST(Zahl, EinheitenDesFeldes)
{
    const struct { const TK_Einheit *einheiten; int anzahl; const char *text; double wert; int einheit, vorsatz; }
        faelle[] = {
        {HERTZ, 3, "2,5kHz", 2500.0, 1, 0},        {HERTZ, 3, "2,5 kHz", 2500.0, 1, 0},
        {HERTZ, 3, "50mHz", 0.05, 2, 0},           {HERTZ, 3, "50 Hz", 50.0, 0, 0},
        {HERTZ, 3, "1.005kHz", 1005.0, 1, 0},      {HERTZ, 3, "2,5k", 2500.0, -1, 3},
        {HERTZ, 3, "999.5mHz", 0.9995, 2, 0},      {HERTZ, 3, " 7 ", 7.0, -1, 0},
        {MILLISEKUNDEN, 3, "0,2s", 200.0, 1, 0},   {MILLISEKUNDEN, 3, "0,2 s", 200.0, 1, 0},
        {MILLISEKUNDEN, 3, "250\xc2\xb5s", 0.25, 2, 0}, {MILLISEKUNDEN, 3, "250us", 0.25, 2, 0},
        {MILLISEKUNDEN, 3, "250\xce\xbcs", 0.25, 2, 0}, {MILLISEKUNDEN, 3, "12ms", 12.0, 0, 0},
        {MILLISEKUNDEN, 3, "0.1234567s", 123.4567, 1, 0}, {MILLISEKUNDEN, 3, "2m", 0.002, -1, -3}};
    for (const auto &f : faelle) {
        double v = 123.0;
        TK_Lesart wie = {99, 99};
        ASSERT_EQ(TK_ZahlLesenEinheit(f.text, f.einheiten, f.anzahl, &v, &wie), TK_ZAHL_GELESEN) << f.text;
        EXPECT_EQ(std::make_tuple(v, wie.iEinheit, wie.iVorsatz), std::make_tuple(f.wert, f.einheit, f.vorsatz))
            << f.text;
    }
}

TEST(Zahl, FremdeEinheitOderKeineZahl)
{
    const struct { const char *text; int ergebnis; } faelle[] = {
        {"5V", TK_ZAHL_EINHEIT},   {"5 V", TK_ZAHL_EINHEIT},    {"5khz", TK_ZAHL_EINHEIT},
        {"5KHz", TK_ZAHL_EINHEIT}, {"5MHZ", TK_ZAHL_EINHEIT},   {"5 Hz Hz", TK_ZAHL_KEINE},
        {"5Hz5", TK_ZAHL_KEINE},   {"Hz", TK_ZAHL_KEINE},       {"5 kHz,", TK_ZAHL_KEINE},
        {"1e999Hz", TK_ZAHL_KEINE}, {"5ms", TK_ZAHL_EINHEIT},   {"5 s", TK_ZAHL_EINHEIT},
        {"5Hz+", TK_ZAHL_KEINE},   {"5Hz.", TK_ZAHL_KEINE}};
    for (const auto &f : faelle) {
        double v = 7.0;
        EXPECT_EQ(TK_ZahlLesenEinheit(f.text, HERTZ, 3, &v, nullptr), f.ergebnis) << f.text;
        EXPECT_EQ(v, 7.0) << f.text;
    }
    char text[32];
    EXPECT_EQ(TK_EinheitenText(HERTZ, 3, text, sizeof text), std::strlen("Hz, kHz, mHz"));
    EXPECT_STREQ(text, "Hz, kHz, mHz");
    TK_EinheitenText(MILLISEKUNDEN, 3, text, 6);
    EXPECT_STREQ(text, "ms, s") << "cut to the area";
    EXPECT_EQ(TK_EinheitenText(HERTZ, 3, nullptr, 8) + TK_EinheitenText(HERTZ, 3, text, 1), 0u) << "the smallest areas";
    EXPECT_STREQ(text, "");
    double v = 7.0;  // a caller's wrong arguments read nothing
    EXPECT_EQ(TK_ZahlLesenEinheit("5", HERTZ, -1, &v, nullptr) + TK_ZahlLesenEinheit("5", nullptr, 1, &v, nullptr) +
                  TK_ZahlLesenEinheit("5", HERTZ, 1, nullptr, nullptr), 3 * TK_ZAHL_KEINE);
    EXPECT_EQ(v, 7.0);
}

// A field shows its decimals, more where a small value would hide behind
// them, the exponent form where the fixed one is too long.
TEST(Zahl, AnzeigeZeigtKleineWerte)
{
    const struct { double wert; int stellen; const char *text; } faelle[] = {
        {5.0, 2, "5.00"},           {20000.0, 2, "20000.00"},     {3.5355339059327373, 3, "3.536"},
        {0.06113, 2, "0.0611"},     {0.0004, 3, "0.0004"},        {-0.0004, 3, "-0.0004"},
        {0.00028284271247461904, 3, "0.000283"}, {0.0, 3, "0.000"}, {1.5e-9, 3, "0.0000000015"},
        {1.234e-12, 3, "1.234e-12"}, {1e20, 2, "1.00e+20"},       {123456789012.0, 2, "1.235e+11"},
        {7.0, 0, "7"},              {1e20, 0, "1e+20"},           {7.0, -1, "7"}};
    for (const auto &f : faelle) {
        char text[TK_ZAHL_TEXT_GROESSE];
        EXPECT_EQ(TK_ZahlText(f.wert, f.stellen, 12, text, sizeof text), std::strlen(f.text)) << f.text;
        EXPECT_STREQ(text, f.text);
    }
    char kurz[4];
    TK_ZahlText(0.06113, 2, 12, kurz, sizeof kurz);
    EXPECT_STREQ(kurz, "0.0") << "cut to the area";
    EXPECT_EQ(TK_ZahlText(1.5, 2, 12, nullptr, sizeof kurz) + TK_ZahlText(1.5, 2, 12, kurz, 0), 0u) << "no area";
    EXPECT_STREQ(kurz, "0.0") << "and nothing written";
    char eins[1] = {'x'};  // the smallest area holds the empty text
    EXPECT_EQ(TK_ZahlText(1.5, 2, 12, eins, sizeof eins), 0u);
    EXPECT_EQ(eins[0], '\0');
    char breit[TK_ZAHL_TEXT_GROESSE];  // the fixed form up to the exact width
    TK_ZahlText(1234567.0, 3, 11, breit, sizeof breit);
    EXPECT_STREQ(breit, "1234567.000");
    TK_ZahlText(1234567.0, 3, 10, breit, sizeof breit);
    EXPECT_STREQ(breit, "1.235e+06") << "one more than the width";
}

// Random decimals with a prefix read as the same digits with the point
// moved by hand, read by strtod: one rounding, whatever the digits.
TEST(Zahl, VorsatzWieVerschobenesKommaUeberZufallszahlen)
{
    const unsigned seed = std::random_device()();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 zufall(seed);
    const struct { const char *vorsatz; int stellen; } vorsaetze[] = {{"\xc2\xb5", -6}, {"u", -6}, {"m", -3},
                                                                    {"k", 3},          {"M", 6}};
    for (int i = 0; i < 20000; ++i) {
        std::string ganz = std::to_string(zufall() % 100000), bruch;
        for (int k = static_cast<int>(zufall() % 12); k > 0; --k)
            bruch += static_cast<char>('0' + zufall() % 10);
        const auto &v = vorsaetze[zufall() % std::size(vorsaetze)];
        const std::string text = ganz + (bruch.empty() ? "" : (zufall() % 2 ? "," : ".") + bruch) + v.vorsatz;
        // The point moved by hand: pad with zeros, then cut the digits anew.
        std::string ziffern = ganz + bruch;
        long long punkt = static_cast<long long>(ganz.size()) + v.stellen;
        while (punkt < 1)
            ziffern.insert(0, "0"), ++punkt;
        while (punkt > static_cast<long long>(ziffern.size()))
            ziffern += '0';
        const std::string verschoben = ziffern.substr(0, punkt) + "." + ziffern.substr(punkt);
        double wert = -1.0;
        ASSERT_EQ(TK_ZahlLesen(text.c_str(), &wert), 1) << text;
        ASSERT_EQ(wert, std::strtod(verschoben.c_str(), nullptr)) << text << " as " << verschoben;
    }
}
