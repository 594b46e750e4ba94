// The number syntax shared by the window's fields and the batch exporter.
#include "toolkit_kern.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(Zahl, GueltigeFormen)
{
    const struct { const char *text; double wert; } faelle[] = {
        {"5", 5.0},          {"-2.5", -2.5},      {"+3", 3.0},          {"2,5", 2.5},
        {" 5", 5.0},         {"5 ", 5.0},         {"\t5\n", 5.0},       {".5", 0.5},
        {"5.", 5.0},         {",25", 0.25},       {"1e3", 1000.0},      {"2,5E-3", 0.0025},
        {"1e+2", 100.0},     {"-0", -0.0},        {"0010", 10.0},       {"1e-310", 1e-310},
        {"4.9e-324", 4.9e-324}, {"1e-400", 0.0},  {"1.7976931348623157e308", 1.7976931348623157e308},
    };
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
                            "1e5.5", "١", "5\xc2\xa0"};
    for (const char *text : faelle) {
        double v = 7.0;
        EXPECT_EQ(TK_ZahlLesen(text, &v), 0) << text;
        EXPECT_EQ(v, 7.0) << text;
    }
    double v;
    EXPECT_EQ(TK_ZahlLesen(nullptr, &v), 0);
}
