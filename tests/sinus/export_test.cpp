// The export file: content, overwrite and cancel, and every failure code
// provoked for real.
#include "sinus_fixture.h"

#include <algorithm>
#include <sstream>
#include <sys/resource.h>
#include <vector>

namespace {

const char *const KOPF =
    "# Kurven exportiert aus WLR7-Dovarizuz\n"
    "# Spalte 1 = Zeit in Sekunden\n"
    "# Spalte 2 = Y-Wert in Prozent\n"
    "# Spalte 3 = Zeitbasis\n"
    "# Spalte 4 = Kuvennummer\n"
    "\n";

std::vector<std::string> Zeilen(const std::string &inhalt)
{
    std::vector<std::string> z;
    std::stringstream s(inhalt);
    for (std::string zeile; std::getline(s, zeile);)
        z.push_back(zeile);
    return z;
}

// Lowers the file size limit for one export and raises it again after.
struct Groessengrenze {
    explicit Groessengrenze(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &alt);
        struct rlimit neu = alt;
        neu.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &neu);
    }
    ~Groessengrenze() { setrlimit(RLIMIT_FSIZE, &alt); }
    struct rlimit alt;
};

class Export : public SinusPanel {
protected:
    void SetUp() override
    {
        SinusPanel::SetUp();
        ordner = TestOrdner();
        pfad = ordner + "/kurve.txt";
        DateiauswahlAntwort(pfad, 2);
        gDateiauswahlTitel.clear();
    }
    std::string ordner, pfad;
};

}  // namespace

TEST_F(Export, VorgabekurveWieImBeispiel)
{
    TK_Klicken(gPanelMain, SPEICHERN);
    EXPECT_TRUE(gMeldungen.empty());
    ASSERT_EQ(gDateiauswahlTitel.size(), 1u);
    EXPECT_EQ(gDateiauswahlTitel[0], "Kurve exportieren");

    const std::string inhalt = DateiLesen(pfad);
    ASSERT_EQ(inhalt.compare(0, std::strlen(KOPF), KOPF), 0);
    std::vector<std::string> z = Zeilen(inhalt);
    ASSERT_EQ(z.size(), 28u);
    EXPECT_EQ(z[6], "0.00000\t50.00\t10ms\t1");
    EXPECT_EQ(z[7], "0.01000\t65.45\t10ms\t1");
    EXPECT_EQ(z[11], "0.05000\t100.00\t10ms\t1");
    EXPECT_EQ(z[21], "0.15000\t0.00\t10ms\t1");
    EXPECT_EQ(z[26], "0.20000\t50.00\t10ms\t1");
    EXPECT_EQ(z[27], "");
    double zeit = 0.0;
    for (int k = 0; k <= 20; ++k) {
        char erwartet[64];
        std::snprintf(erwartet, sizeof erwartet, "%.5f\t%.2f\t10ms\t1", zeit,
                      50.0 + 50.0 * std::sin(2.0 * M_PI * k / 20.0));
        EXPECT_EQ(z[static_cast<size_t>(6 + k)], erwartet) << k;
        EXPECT_EQ(std::count(z[6 + k].begin(), z[6 + k].end(), '\t'), 3);
        zeit += 0.01;
    }
    EXPECT_EQ(inhalt.back(), '\n');
}

TEST_F(Export, StundenZeitbasisUndKurvennummer)
{
    TK_RingWaehlen(gPanelMain, ZEITBASIS, 16);  // 1std: 1 sample per period
    TK_RingWaehlen(gPanelMain, KURVENNUMMER, 3);
    TK_Tippen(gPanelMain, ANZAHLPERIODEN, "3");
    TK_Klicken(gPanelMain, SPEICHERN);
    std::vector<std::string> z = Zeilen(DateiLesen(pfad));
    ASSERT_EQ(z.size(), 6u + 4 + 1);
    EXPECT_EQ(z[6], "0.00000\t50.00\t1std\t4");
    EXPECT_EQ(z[7], "3600.00000\t50.00\t1std\t4");
    EXPECT_EQ(z[9], "10800.00000\t50.00\t1std\t4");
}

TEST_F(Export, GleicheEingabenGleicheDateiUndUeberschreibenErsetztAlles)
{
    {
        FILE *f = std::fopen(pfad.c_str(), "w");
        std::fputs(std::string(5000, 'Q').c_str(), f);
        std::fclose(f);
    }
    DateiauswahlAntwort(pfad, 1);
    EXPECT_EQ(Sinus_Exportieren(), 0);
    const std::string erste = DateiLesen(pfad);
    EXPECT_EQ(erste.find('Q'), std::string::npos);
    EXPECT_EQ(Zeilen(erste).size(), 28u);
    EXPECT_EQ(Sinus_Exportieren(), 0);
    EXPECT_EQ(DateiLesen(pfad), erste);
}

TEST_F(Export, AbbrechenRuehrtNichtsAn)
{
    {
        FILE *f = std::fopen(pfad.c_str(), "w");
        std::fputs("bleibt", f);
        std::fclose(f);
    }
    DateiauswahlAntwort("", 0);
    TK_Klicken(gPanelMain, SPEICHERN);
    EXPECT_EQ(DateiLesen(pfad), "bleibt");
    EXPECT_TRUE(gMeldungen.empty());
    EXPECT_EQ(gDateiauswahlTitel.size(), 1u);
}

TEST_F(Export, NachFehlgeschlagenerSpeicheranforderungNurKopfUndSchluss)
{
    gReallocVersagt = true;
    TK_Tippen(gPanelMain, ANZAHLPERIODEN, "2");
    gReallocVersagt = false;
    ASSERT_EQ(gSinus.iAnzahlPunkte, 0);
    EXPECT_EQ(Sinus_Exportieren(), 0);
    EXPECT_EQ(DateiLesen(pfad), std::string(KOPF) + "\n");
}

TEST_F(Export, NichtAnlegbareDateiGibt308202)
{
    DateiauswahlAntwort("/proc/wlr7-kurve.txt", 2);
    TK_Klicken(gPanelMain, SPEICHERN);
    ASSERT_EQ(gMeldungen.size(), 1u);
    EXPECT_EQ(gMeldungen[0].titel, "Fehler #308202");
    EXPECT_EQ(gMeldungen[0].text, "Fehler beim Öffnen der Datei");

    DateiauswahlAntwort(ordner + "/fehlt/kurve.txt", 2);
    EXPECT_EQ(Sinus_Exportieren(), -308202);

    // A path too long for the path area is refused whole, never shortened.
    const std::string lang = ordner + "/" + std::string(300, 'a');
    DateiauswahlAntwort(lang, 2);
    EXPECT_EQ(Sinus_Exportieren(), -308202);
    EXPECT_EQ(DateiLesen(lang.substr(0, 259)), "");
}

TEST_F(Export, VolleDiskGibt301203)
{
    DateiauswahlAntwort("/dev/full", 1);
    TK_Klicken(gPanelMain, SPEICHERN);
    ASSERT_EQ(gMeldungen.size(), 1u);
    EXPECT_EQ(gMeldungen[0].titel, "Fehler #301203");
    EXPECT_EQ(gMeldungen[0].text, "Fehler beim Schreiben auf Datei");
}

TEST_F(Export, GrenzeMittenInDenDatenGibt301204)
{
    ASSERT_EQ(Sinus_Exportieren(), 0);
    const std::string ganz = DateiLesen(pfad);
    size_t kopfUndZehn = std::strlen(KOPF);
    for (int i = 0; i < 10; ++i)
        kopfUndZehn = ganz.find('\n', kopfUndZehn) + 1;
    {
        Groessengrenze grenze(kopfUndZehn);
        TK_Klicken(gPanelMain, SPEICHERN);
    }
    ASSERT_EQ(gMeldungen.size(), 1u);
    EXPECT_EQ(gMeldungen[0].titel, "Fehler #301204");
    const std::string inhalt = DateiLesen(pfad);
    EXPECT_EQ(inhalt, ganz.substr(0, kopfUndZehn)) << "the header and the ten lines before the limit";
    EXPECT_EQ(Zeilen(inhalt).back(), "0.09000\t65.45\t10ms\t1");
}

TEST_F(Export, NurDieSchlusszeileScheitertGibt301205)
{
    ASSERT_EQ(Sinus_Exportieren(), 0);
    const std::string ganz = DateiLesen(pfad);
    {
        Groessengrenze grenze(ganz.size() - 1);
        TK_Klicken(gPanelMain, SPEICHERN);
    }
    ASSERT_EQ(gMeldungen.size(), 1u);
    EXPECT_EQ(gMeldungen[0].titel, "Fehler #301205");
    EXPECT_EQ(DateiLesen(pfad), ganz.substr(0, ganz.size() - 1)) << "every line but the closing one";
}

TEST(ExportZeile, GekuerzteZeileIstKeineZeile)
{
    char zeile[100];
    EXPECT_TRUE(Sinus_ExportZeile(zeile, sizeof zeile, 58892400.0, 100.0, "1std", 4));
    EXPECT_STREQ(zeile, "58892400.00000\t100.00\t1std\t4");
    // Too small an area gives no line at all, at every place it could run out.
    const std::string ganz = "0.00000\t50.00\t10ms\t1";
    for (size_t groesse = 0; groesse <= ganz.size(); ++groesse) {
        char kurz[32] = "x";
        EXPECT_FALSE(Sinus_ExportZeile(kurz, groesse, 0.0, 50.0, "10ms", 1)) << groesse;
        if (groesse > 0) {
            EXPECT_STREQ(kurz, "") << groesse;
        }
    }
    char passt[32];
    EXPECT_TRUE(Sinus_ExportZeile(passt, ganz.size() + 1, 0.0, 50.0, "10ms", 1));
    EXPECT_EQ(passt, ganz);
}

TEST(ExportZeile, GleichtPrintfAufDasByte)
{
    std::vector<double> werte = {0.0, 0.125, 0.375, 2.675, 0.005, 0.015, 99.995, 100.0, 65.45084971874737,
                                 1e-7, 0.000005, 0.000015, 3599.999995, 58892400.0, 1.0 / 3.0};
    unsigned zustand = 12345;
    for (int i = 0; i < 20000; ++i) {
        zustand = zustand * 1103515245u + 12345u;
        werte.push_back((zustand % 10000000u) / 100000.0);
    }
    char eigene[100], erwartet[100];
    for (double w : werte) {
        ASSERT_TRUE(Sinus_ExportZeile(eigene, sizeof eigene, w, w, "100us", 2));
        std::snprintf(erwartet, sizeof erwartet, "%.5f\t%.2f\t%s\t%d", w, w, "100us", 2);
        ASSERT_STREQ(eigene, erwartet) << w;
    }
}
