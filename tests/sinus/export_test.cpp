// The export file written from the records: content, replacement of an old
// file, and every failure code provoked for real, with its reason.
#include "Sinuserzeugung_Main.h"
#include "ZEM_errorV3.h"
#include "aufzeichnung.h"
#include "toolkit_kern.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
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

// The panel's defaults in the records, with the curve generated from them.
class Export : public ::testing::Test {
protected:
    void SetUp() override
    {
        Kurve("10ms", 1, 1.0);
        ordner = TestOrdner();
        pfad = ordner + "/kurve.txt";
    }
    void TearDown() override { Sinus_Freigeben(); }

    static void Kurve(const char *zeitbasis, int kurve, double perioden)
    {
        Eingabewerte e = {10.0, 5.0, 3.536, 5.0, 5.0, 200.0, perioden, 0, "", kurve};
        TK_TextKopieren(e.szZeitbasis, sizeof e.szZeitbasis, zeitbasis);
        gEingabe = e;
        Sinus_Ableiten(&gEingabe, Zeitbasis_Ermitteln(zeitbasis), &gSinus);
        ASSERT_EQ(Sinus_Generieren(), 0);
    }
    size_t Dateien() const
    {
        auto it = std::filesystem::directory_iterator(ordner);
        return static_cast<size_t>(std::distance(it, std::filesystem::directory_iterator()));
    }

    std::string ordner, pfad;
};

}  // namespace

TEST_F(Export, VorgabekurveWieImBeispiel)
{
    ASSERT_EQ(Sinus_ExportSchreiben(pfad.c_str()), 0);
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
        zeit += 0.01;
    }
    EXPECT_EQ(inhalt.back(), '\n');

    // One sample per period an hour apart, curve 4; then no samples at all.
    Kurve("1std", 4, 3.0);
    ASSERT_EQ(Sinus_ExportSchreiben(pfad.c_str()), 0);
    z = Zeilen(DateiLesen(pfad));
    ASSERT_EQ(z.size(), 6u + 4 + 1);
    EXPECT_EQ(z[7], "3600.00000\t50.00\t1std\t4");
    EXPECT_EQ(z[9], "10800.00000\t50.00\t1std\t4");
    gSinus.iAnzahlPunkte = 0;  // as after a failed allocation
    ASSERT_EQ(Sinus_ExportSchreiben(pfad.c_str()), 0);
    EXPECT_EQ(DateiLesen(pfad), std::string(KOPF) + "\n");
}

TEST_F(Export, UeberschreibenErsetztAllesUndGleicheEingabenGebenGleicheDateien)
{
    const std::string alt(5000, 'Q');
    FILE *f = std::fopen(pfad.c_str(), "w");
    std::fputs(alt.c_str(), f);
    std::fclose(f);
    ASSERT_EQ(Sinus_ExportSchreiben(pfad.c_str()), 0);
    const std::string erste = DateiLesen(pfad);
    EXPECT_EQ(erste.find('Q'), std::string::npos);
    EXPECT_EQ(Zeilen(erste).size(), 28u);
    EXPECT_EQ(Sinus_ExportSchreiben(pfad.c_str()), 0);
    EXPECT_EQ(DateiLesen(pfad), erste);
    EXPECT_EQ(Dateien(), 1u);
}

TEST_F(Export, JedeScheiterndeStufeLaesstDieAlteDateiByteFuerByte)
{
    ASSERT_EQ(Sinus_ExportSchreiben(pfad.c_str()), 0);
    const std::string ganz = DateiLesen(pfad);
    size_t kopfUndZehn = std::strlen(KOPF);
    for (int i = 0; i < 10; ++i)
        kopfUndZehn = ganz.find('\n', kopfUndZehn) + 1;
    const struct {
        size_t grenze;
        int code;
    } stufen[] = {{10, -301203}, {kopfUndZehn, -301204}, {ganz.size() - 1, -301205}};

    const std::string alt = "# eine alte Kurve\n0.00000\t74.09\t10ms\t1\n";
    for (bool vorhanden : {true, false}) {
        for (const auto &s : stufen) {
            std::filesystem::remove(pfad);
            if (vorhanden) {
                FILE *f = std::fopen(pfad.c_str(), "w");
                std::fputs(alt.c_str(), f);
                std::fclose(f);
            }
            int code;
            {
                Groessengrenze grenze(s.grenze);
                code = Sinus_ExportSchreiben(pfad.c_str());
            }
            EXPECT_EQ(code, s.code);
            EXPECT_EQ(std::string(ZEM_Fehlermeldung(code)),
                      "Fehler beim Schreiben auf Datei\nDatei zu groß: " + pfad);
            EXPECT_EQ(std::filesystem::exists(pfad), vorhanden);
            if (vorhanden) {
                EXPECT_EQ(DateiLesen(pfad), alt) << s.code;
            }
            EXPECT_EQ(Dateien(), vorhanden ? 1u : 0u) << "no temporary file is left";
        }
    }
    EXPECT_EQ(Sinus_ExportSchreiben((ordner + "/fehlt/k.txt").c_str()), -308202);
    EXPECT_EQ(std::string(ZEM_Fehlermeldung(-308202)),
              "Fehler beim Öffnen der Datei\nOrdner nicht gefunden: " + ordner + "/fehlt/k.txt");
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
