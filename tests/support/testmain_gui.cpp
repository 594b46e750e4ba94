// GUI test programs: the toolkit starts once, offscreen and in a fixed
// locale whatever the machine has set, before the tests run, and file
// dialogs are answered.
#include "panel_fixture.h"

#include <cstdlib>

int DateiauswahlAntworten(const char *titel, char *pfad, std::size_t groesse)
{
    Dateiauswahl &a = gDateiauswahl;
    a.titel.push_back(titel);
    if (a.ergebnis > 0 && a.pfad.size() + 1 > groesse) return TK_FEHLER_PFAD_ZU_LANG;
    TK_TextKopieren(pfad, groesse, a.ergebnis > 0 ? a.pfad.c_str() : "");
    return a.ergebnis;
}

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    TK_DateiauswahlAbfangen(DateiauswahlAntworten);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("LC_ALL", "C.UTF-8", 1);
    if (!::testing::GTEST_FLAG(list_tests))
        InitCVIRTEEx(nullptr, argv, nullptr);  // without a display it ends the program with -1
    return RUN_ALL_TESTS();
}
