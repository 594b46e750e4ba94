// GUI test programs: the toolkit starts once (on the platform CTest names,
// offscreen) before the tests run, and file dialogs are answered.
#include "panel_fixture.h"

std::vector<std::string> gDateiauswahlTitel;

namespace {

std::string gPfad;
int gErgebnis = 0;

}  // namespace

int DateiauswahlAntworten(const char *titel, char *pfad, std::size_t groesse)
{
    gDateiauswahlTitel.push_back(titel);
    if (gErgebnis > 0 && gPfad.size() + 1 > groesse)
        return TK_FEHLER_PFAD_ZU_LANG;
    TK_TextKopieren(pfad, groesse, gErgebnis > 0 ? gPfad.c_str() : "");
    return gErgebnis;
}

void DateiauswahlAntwort(const std::string &pfad, int ergebnis)
{
    gPfad = pfad;
    gErgebnis = ergebnis;
}

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    TK_DateiauswahlAbfangen(DateiauswahlAntworten);
    if (!::testing::GTEST_FLAG(list_tests))
        InitCVIRTEEx(nullptr, argv, nullptr);  // without a display it ends the program with -1
    return RUN_ALL_TESTS();
}
