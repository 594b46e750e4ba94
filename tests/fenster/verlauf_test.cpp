// The undo history in the window's state record: a ring of steps, each
// knowing what made it.
#include "Sinuseingaben.h"
#include "fenster_fixture.h"

#include <vector>

namespace {

Eingabewerte Stufe(double dOffset)
{
    Eingabewerte e;
    Eingaben_Vorgaben(&e);
    e.dOffset = dOffset;
    return e;
}

// Undo (-1) or redo (+1); the offset of the step reached, -1 for none.
double Gehen(int iRichtung)
{
    Eingabewerte e{};
    return Fenster_VerlaufGehen(iRichtung, &e) ? e.dOffset : -1.0;
}

}  // namespace

TEST(Verlauf, ZurueckVorUndNeuerZweigUeberDenRingHinweg)
{
    Fenster_VerlaufLeeren();
    EXPECT_EQ(Gehen(-1), -1.0);
    for (int i = 0; i < 3; ++i) {
        const Eingabewerte e = Stufe(i);
        Fenster_VerlaufMerken(&e, i == 2 ? "Eingaben aus k.txt" : nullptr);
    }
    ASSERT_TRUE(Fenster_VerlaufNachbar(0));
    EXPECT_STREQ(Fenster_VerlaufNachbar(0)->szAnlass, "Eingaben aus k.txt") << "the current step knows its cause";
    EXPECT_STREQ(Fenster_VerlaufNachbar(-1)->szAnlass, "");
    EXPECT_EQ((std::vector<double>{Gehen(-1), Gehen(-1), Gehen(-1), Gehen(+1)}), (std::vector<double>{1, 0, -1, 1}));
    const Eingabewerte neu = Stufe(9);  // a commit after undo drops what redo would bring back
    Fenster_VerlaufMerken(&neu, nullptr);
    EXPECT_EQ((std::vector<double>{Gehen(+1), Gehen(-1), Gehen(-1), Gehen(-1)}), (std::vector<double>{-1, 1, 0, -1}));

    Fenster_VerlaufLeeren();
    const int iSchritte = FENSTER_VERLAUF_GROESSE + 30;  // the oldest steps drop out of the ring
    for (int i = 0; i < iSchritte; ++i) {
        const Eingabewerte e = Stufe(i);
        Fenster_VerlaufMerken(&e, nullptr);
    }
    int iZurueck = 0;
    double dAeltester = 0.0;
    for (double d; (d = Gehen(-1)) >= 0.0; ++iZurueck)
        dAeltester = d;
    EXPECT_EQ(iZurueck, FENSTER_VERLAUF_GROESSE - 1);
    EXPECT_EQ(dAeltester, iSchritte - FENSTER_VERLAUF_GROESSE);
    EXPECT_GE(iZurueck, 100);
}

// Two records are the same inputs exactly where every input of the table is alike.
TEST(Verlauf, GleicheEingabenNachDerTabelle)
{
    const Eingabewerte a = Stufe(1);
    EXPECT_TRUE(Fenster_EingabenGleich(&a, &a));
    for (int i = 0; i < Eingaben_Anzahl(); ++i) {
        const Eingabefeld *f = Eingaben_Feld(i);
        Eingabewerte b = a;
        if (double *pd = Eingaben_Zahl(&b, f))
            *pd = std::nextafter(*pd, 1e300);
        else if (f->iArt == EINGABEN_ZEITBASIS)
            b.szZeitbasis[0] = 'x';
        else
            b.iKurvennummer = 4;
        EXPECT_FALSE(Fenster_EingabenGleich(&a, &b)) << f->szOption;
    }
    Eingabewerte c = a;
    c.iZeitbasisIndex = a.iZeitbasisIndex + 1;
    EXPECT_FALSE(Fenster_EingabenGleich(&a, &c)) << "the ring's index too";
}
