// GUI test programs: the toolkit starts once (on the platform CTest names,
// offscreen) before the tests run, and file dialogs are answered.
#include "panel_fixture.h"

int DateiauswahlAntworten(const char *titel, char *pfad, std::size_t groesse)
{
    Dateiauswahl &a = gDateiauswahl;
    a.titel.push_back(titel);
    if (a.ergebnis > 0 && a.pfad.size() + 1 > groesse)
        return TK_FEHLER_PFAD_ZU_LANG;
    TK_TextKopieren(pfad, groesse, a.ergebnis > 0 ? a.pfad.c_str() : "");
    return a.ergebnis;
}

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    TK_DateiauswahlAbfangen(DateiauswahlAntworten);
    if (!::testing::GTEST_FLAG(list_tests))
        InitCVIRTEEx(nullptr, argv, nullptr);  // without a display it ends the program with -1
    return RUN_ALL_TESTS();
}
