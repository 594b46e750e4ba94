// Which ring item typed text means, without a window.
#include "toolkit_kern.h"

#include <gtest/gtest.h>

TEST(Ringwahl, GetippterTextMeintDasKuerzesteOderGanzeWort)
{
    const char *const zeitbasis[] = {"50us", "100us", "200us", "500us", "1ms", "2ms", "3ms", "4ms", "5ms",
                                     "10ms", "20ms", "50ms", "100ms", "1s", "10s", "1min", "1std"};
    const char *const kurven[] = {"Kurve 1", "Kurve 2", "Kurve 3", "Kurve 4"};
    const struct { const char *const *labels; int anzahl; const char *text; int erwartet; } faelle[] = {
        {zeitbasis, 17, "5", 8},      {zeitbasis, 17, "50", 0},    {zeitbasis, 17, "500", 3},
        {zeitbasis, 17, "1m", 4},     {zeitbasis, 17, "1mi", 15},  {zeitbasis, 17, "10m", 9},
        {zeitbasis, 17, "1", 13},     {zeitbasis, 17, "1S", 13},   {zeitbasis, 17, "10S", 14},
        {zeitbasis, 17, "50US", 0},   {zeitbasis, 17, "7", -1},    {zeitbasis, 17, "", -1},
        {kurven, 4, "3", 2},          {kurven, 4, "k", 0},         {kurven, 4, "kurve 4", 3},
        {kurven, 4, "Kurve 5", -1},   {kurven, 4, "urve", -1}};
    for (const auto &f : faelle)
        EXPECT_EQ(TK_RingTreffer(f.labels, f.anzahl, f.text), f.erwartet) << f.text;
    // The label's own beginning wins over a later word's, even a shorter label's.
    const char *const anfaenge[] = {"Minimum", "1 min"};
    EXPECT_EQ(TK_RingTreffer(anfaenge, 2, "mi"), 0);
    EXPECT_EQ(TK_RingTreffer(anfaenge, 2, "min"), 1) << "a whole word beats a beginning";
    // A whole word typed beats a shorter label that only begins with it.
    const char *const woerter[] = {"10 s", "1 min"};
    EXPECT_EQ(TK_RingTreffer(woerter, 2, "1"), 1);
    EXPECT_EQ(TK_RingTreffer(woerter, 2, "10"), 0);
    const char *const mitLuecke[] = {"5ms", nullptr, "5s"};
    EXPECT_EQ(TK_RingTreffer(mitLuecke, 3, "5s"), 2);
    EXPECT_EQ(TK_RingTreffer(nullptr, 3, "5") + TK_RingTreffer(kurven, 4, nullptr), -2);
}
