// The batch exporter as a user runs it, and its files against the window's.
#include "Sinuserzeugung_Main.h"
#include "aufzeichnung.h"
#include "panel_fixture.h"
#include "toolkit_seam.h"
#include "wlr7sinus_uir.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sys/wait.h>
#include <vector>

namespace {

struct Lauf {
    int code;
    std::string aus, fehler;
};

Lauf Ausfuehren(const std::vector<std::string> &argumente)
{
    const std::string ordner = TestOrdner();
    std::string befehl = "'" WLR7_EXPORT "'";
    for (const std::string &a : argumente)
        befehl += " '" + a + "'";
    befehl += " >'" + ordner + "/aus' 2>'" + ordner + "/fehler' </dev/null";
    int status = std::system(befehl.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, DateiLesen(ordner + "/aus"),
            DateiLesen(ordner + "/fehler")};
}

}  // namespace

TEST(Batch, VorgabenUndStandardausgabe)
{
    Lauf l = Ausfuehren({"--output", "-"});
    EXPECT_EQ(l.code, 0);
    EXPECT_EQ(l.fehler, "");
    EXPECT_EQ(std::count(l.aus.begin(), l.aus.end(), '\n'), 28);
    EXPECT_NE(l.aus.find("\n0.01000\t65.45\t10ms\t1\n"), std::string::npos);

    const std::string datei = TestOrdner() + "/k.txt";
    EXPECT_EQ(Ausfuehren({"--output", datei}).code, 0);
    EXPECT_EQ(DateiLesen(datei), l.aus);
}

TEST(Batch, JedeOptionWirkt)
{
    Lauf l = Ausfuehren({"--umax", "20", "--rms", "2", "--offset", "-1", "--frequency", "4", "--periods", "0.5",
                         "--timebase", "5ms", "--curve", "2", "--output", "-"});
    ASSERT_EQ(l.code, 0) << l.fehler;
    // 250 ms on 5 ms: 50 per period, 25 samples + 1; peak 2.83 V is 14.14 % of 20 V, offset -5 %.
    EXPECT_EQ(std::count(l.aus.begin(), l.aus.end(), '\n'), 6 + 26 + 1);
    EXPECT_NE(l.aus.find("\n0.00000\t0.00\t5ms\t2\n"), std::string::npos);
    // 14.142 * sin(2 pi 12 / 50) - 5 = 9.11: the crest at k = 12.5 falls between two samples.
    EXPECT_NE(l.aus.find("\n0.06000\t9.11\t5ms\t2\n0.06500\t9.11\t5ms\t2\n"), std::string::npos);
    EXPECT_NE(l.aus.find("\n0.12500\t0.00\t5ms\t2\n"), std::string::npos);

    l = Ausfuehren({"--peak", "-3", "--period", "100", "--output", "-"});
    ASSERT_EQ(l.code, 0);
    // 50 - 30 * sin(36 degrees) = 32.37: a negative peak falls first.
    EXPECT_NE(l.aus.find("\n0.01000\t32.37\t10ms\t1\n"), std::string::npos);

    l = Ausfuehren({"--help"});
    EXPECT_EQ(l.code, 0);
    EXPECT_NE(l.aus.find("1std"), std::string::npos) << "the time bases are listed";
}

TEST(Batch, FalscheEingabenGebenZweiUndRuehrenKeineDateiAn)
{
    const std::string datei = TestOrdner() + "/bleibt.txt";
    {
        FILE *f = std::fopen(datei.c_str(), "w");
        std::fputs("alt", f);
        std::fclose(f);
    }
    const std::vector<std::vector<std::string>> faelle = {
        {"--umax", "0"},         {"--umax", "10001"},       {"--umax", "zehn"},
        {"--peak", "1e999"},     {"--offset", "nan"},       {"--rms", ""},
        {"--frequency", "0.01"}, {"--period", "50001"},     {"--periods", "0"},
        {"--periods", "101"},    {"--timebase", "10MS"},    {"--timebase", "10 ms"},
        {"--curve", "5"},        {"--curve", "1.0"},        {"--peak", "1", "--rms", "1"},
        {"--frequency", "5", "--period", "200"},             {"--gibtsnicht", "1"},
        {"--umax"},              {"--periods", "3,5"},
    };
    for (std::vector<std::string> argumente : faelle) {
        argumente.push_back("--output");
        argumente.push_back(datei);
        Lauf l = Ausfuehren(argumente);
        EXPECT_EQ(l.code, 2) << argumente[0];
        EXPECT_NE(l.fehler.find(argumente[0] == "--peak" && argumente.size() > 4 ? "--rms" : argumente[0]),
                  std::string::npos)
            << l.fehler;
        EXPECT_EQ(DateiLesen(datei), "alt") << argumente[0];
    }
    Lauf l = Ausfuehren({"--umax", "5"});
    EXPECT_EQ(l.code, 2);
    EXPECT_NE(l.fehler.find("--output"), std::string::npos);
}

TEST(Batch, ZuVielePunkteGibtEinsUndDenTextDesFensters)
{
    const std::string datei = TestOrdner() + "/nie.txt";
    Lauf l = Ausfuehren({"--timebase", "1ms", "--period", "16359", "--output", datei});
    EXPECT_EQ(l.code, 1);
    EXPECT_EQ(l.fehler, std::string(SINUS_TEXT_ZU_VIELE_PUNKTE) + "\n");
    EXPECT_FALSE(std::ifstream(datei).good());
    EXPECT_EQ(Ausfuehren({"--timebase", "1ms", "--period", "16358", "--output", datei}).code, 0);
}

TEST(Batch, SchreibfehlerGibtEinsMitNummer)
{
    Lauf l = Ausfuehren({"--output", "/dev/full"});
    EXPECT_EQ(l.code, 1);
    EXPECT_EQ(l.fehler, "Fehler #301203: Fehler beim Schreiben auf Datei\n");
    l = Ausfuehren({"--output", "/proc/wlr7-nie.txt"});
    EXPECT_EQ(l.code, 1);
    EXPECT_EQ(l.fehler, "Fehler #308202: Fehler beim Öffnen der Datei\n");
}

// The window's export after the same inputs are typed, for comparison.
class Fenster : public ::testing::Test {
protected:
    void SetUp() override
    {
        const CallbackEntry rueckrufe[] = {
            {"Eingabe", Eingabe, nullptr, nullptr},
            {"Speichern", Speichern, nullptr, nullptr},
            {"Callback_Panel", nullptr, PanelAufzeichnen, nullptr},
            {"Menu_Main", nullptr, nullptr, MenuAufzeichnen},
        };
        SetCallbackTable(rueckrufe, 4);
        gPanelMain = LoadPanel(0, "wlr7sinus_uir.uir", PNLMAIN);
        ASSERT_GT(gPanelMain, 0);
        Sinus_Initialisieren();
    }
    void TearDown() override
    {
        Sinus_Freigeben();
        DiscardPanel(gPanelMain);
    }
    std::string Exportieren()
    {
        const std::string datei = TestOrdner() + "/fenster.txt";
        DateiauswahlAntwort(datei, 2);
        TK_Klicken(gPanelMain, SPEICHERN);
        return DateiLesen(datei);
    }
};

TEST_F(Fenster, BatchdateiGleichtDerDesFensters)
{
    EXPECT_EQ(Ausfuehren({"--output", "-"}).aus, Exportieren());

    TK_Tippen(gPanelMain, WLR7UMAX, "7.5");
    TK_Tippen(gPanelMain, AMPLITUDEEFF, "3.3");
    TK_Tippen(gPanelMain, FREQUENZ, "3");
    TK_RingWaehlen(gPanelMain, ZEITBASIS, 3);
    TK_RingWaehlen(gPanelMain, KURVENNUMMER, 2);
    TK_Tippen(gPanelMain, ANZAHLPERIODEN, "2.7");
    EXPECT_EQ(Ausfuehren({"--umax", "7.5", "--rms", "3.3", "--frequency", "3", "--timebase", "500us", "--curve",
                          "3", "--periods", "2.7", "--output", "-"})
                  .aus,
              Exportieren());

    TK_Tippen(gPanelMain, AMPLITUDEDACH, "-12");
    TK_Tippen(gPanelMain, OFFSET, "2.25");
    TK_Tippen(gPanelMain, PERIODENDAUER, "0.3");
    TK_RingWaehlen(gPanelMain, ZEITBASIS, 2);
    EXPECT_EQ(Ausfuehren({"--umax", "7.5", "--peak", "-12", "--offset", "2.25", "--period", "0.3", "--timebase",
                          "200us", "--curve", "3", "--periods", "2.7", "--output", "-"})
                  .aus,
              Exportieren());
}
