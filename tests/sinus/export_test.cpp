// The export file written from the records: content, replacement of an old
// file, every failure code provoked for real with its reason, and lines
// formed exactly as printf forms them.
#include "Kurvenformat.h"
#include "Sinusschritt.h"
#include "ZEM_errorV3.h"
#include "aufzeichnung.h"
#include "eingabebau.h"
#include "lauf.h"
#include "seams.h"
#include "toolkit_kern.h"

#include <algorithm>
#include <cmath>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

const std::string KOPF = "# Kurven exportiert aus WLR7-Dovarizuz\n# Spalte 1 = Zeit in Sekunden\n"
                         "# Spalte 2 = Y-Wert in Prozent\n# Spalte 3 = Zeitbasis\n# Spalte 4 = Kuvennummer\n\n";

// The panel's defaults in the records, the curve generated from them.
class Export : public ::testing::Test {
protected:
    void SetUp() override { Kurve("10ms", 1, 1.0); }
    void TearDown() override { Sinus_KurveFreigeben(&s); }

    void Kurve(const char *zeitbasis, int kurve, double perioden)
    {
        e = Eingabebau().Perioden(perioden).Zeitbasis(zeitbasis).Kurve(kurve);
        ASSERT_EQ(Sinus_Schritt(&e, &s, nullptr, nullptr), SCHRITT_ANGENOMMEN);
    }
    // Exports with a file size limit of @p bytes (none for 0).
    int Schreiben(rlim_t bytes = 0)
    {
        const Dateigrenze grenze(bytes);
        grund = {};
        return Sinus_ExportSchreiben(pfad.c_str(), &e, &s, &grund);
    }
    // The message under a code, with the reason the export handed back.
    std::string Meldung(int code)
    {
        char text[ZEM_MELDUNG_GROESSE];
        return ZEM_FehlermeldungGrund(code, grund.szText, text, sizeof text);
    }

    Eingabewerte e = {};
    Sinuskurve s = {};
    Exportgrund grund = {};
    std::string ordner = TestOrdner(), pfad = ordner + "/kurve.txt";
};

}  // namespace

TEST_F(Export, EinWertJeStundeUndOhneWerteNurDerKopf)
{
    // One sample per period an hour apart, curve 4; then no samples at all.
    Kurve("1std", 4, 3.0);
    ASSERT_EQ(Schreiben(), 0);
    EXPECT_EQ(DateiLesen(pfad), KOPF + "0.00000\t50.00\t1std\t4\n3600.00000\t50.00\t1std\t4\n"
                                       "7200.00000\t50.00\t1std\t4\n10800.00000\t50.00\t1std\t4\n\n");
    s.iAnzahlPunkte = 0;  // as after a failed allocation
    ASSERT_EQ(Schreiben(), 0);
    EXPECT_EQ(DateiLesen(pfad), KOPF + "\n");
}

TEST_F(Export, UeberschreibenErsetztAllesUndJedeScheiterndeStufeLaesstDieAlteDatei)
{
    DateiSchreiben(pfad, std::string(5000, 'Q'));
    ASSERT_EQ(Schreiben(), 0);
    const std::string ganz = DateiLesen(pfad);
    EXPECT_EQ(ganz.find('Q'), std::string::npos);

    size_t kopfUndZehn = KOPF.size();
    for (int i = 0; i < 10; ++i) kopfUndZehn = ganz.find('\n', kopfUndZehn) + 1;
    const struct { size_t grenze; int code; } stufen[] = {
        {10, -301203}, {kopfUndZehn, -301204}, {ganz.size() - 1, -301205}};
    const std::string alt = "# eine alte Kurve\n0.00000\t74.09\t10ms\t1\n";
    enum { NEU, ERSETZT, AN_ORT };  // in place: the folder takes no new file
    for (int art : {NEU, ERSETZT, AN_ORT})
        for (const auto &s : stufen) {
            std::filesystem::remove(pfad);
            if (art != NEU) DateiSchreiben(pfad, alt);
            gTempVersagt = art == AN_ORT;
            EXPECT_EQ(Schreiben(s.grenze), s.code);
            gTempVersagt = false;
            EXPECT_EQ(Meldung(s.code), "Fehler beim Schreiben auf Datei\nDatei zu groß: " + pfad);
            EXPECT_EQ(DateiLesen(pfad), art != NEU ? alt : "") << s.code;
            EXPECT_EQ(Eintraege(ordner), art != NEU ? 1u : 0u) << "no temporary file is left";
        }
    // A full device fails at the reservation.
    gReservierenVersagt = true;
    EXPECT_EQ(Schreiben(), -301203);
    gReservierenVersagt = false;
    s.pdWerte[5] = 1e300;  // a value no line holds: refused before the old file is touched
    EXPECT_EQ(Schreiben(), -301204);
    EXPECT_EQ(Meldung(-301204), "Fehler beim Schreiben auf Datei\nZeile zu lang: " + pfad);
    EXPECT_EQ(DateiLesen(pfad), alt);
    std::filesystem::remove(pfad);
    s.pdWerte[5] = 50.0;
    gSyncVersagt = true;  // the finished file does not reach the disk: reported, nothing replaced
    EXPECT_EQ(Schreiben(), -301206);
    gSyncVersagt = false;
    EXPECT_EQ(Meldung(-301206), "Fehler beim Schreiben auf Datei\nEin-/Ausgabefehler: " + pfad);
    EXPECT_EQ(Eintraege(ordner), 0u);
}

TEST_F(Export, GroessteKurveZeileFuerZeileZeitachsenIdealUndVergleichMitDerDatei)
{
    Kurve("50us", 2, 4.0895);  // 16360 values: the data lines go out in many blocks
    ASSERT_EQ(Schreiben(), 0);
    // Every line as printf forms it; the readout's time of each is the file's, to the digit.
    std::string erwartet = KOPF;
    char zeile[64], ablesung[32];
    double zeit = 0.0;
    for (int k = 1; k < s.iAnzahlPunkte; ++k, zeit += 0.05 / 1000.0) {
        erwartet += (std::snprintf(zeile, sizeof zeile, "%.5f\t%.2f\t50us\t2\n", zeit, s.pdWerte[k]), zeile);
        std::snprintf(ablesung, sizeof ablesung, "%.5f\t", Kurvenformat_Zeit(k, 0.05));
        ASSERT_EQ(std::string(zeile).rfind(ablesung, 0), 0u) << k;
    }
    EXPECT_EQ(DateiLesen(pfad), erwartet + "\n");
    // As exported: the file's lines, one time base apart, the ideal sine starting at 0.
    Zeitachse a;
    Sinus_Zeitachse(&s, 0.05, 1, &a);
    EXPECT_EQ(std::make_tuple(a.iErster, a.iAnzahl, a.dSchrittS), std::make_tuple(1, s.iAnzahlPunkte - 1, 5e-5));
    double ideal[8192], dx = 0.0;
    const int n = Sinus_Ideal(&s, &a, ideal, 8192, &dx);
    EXPECT_DOUBLE_EQ((n - 1) * dx, a.iAnzahl - 1.0) << "over the whole shown stretch";
    EXPECT_LE(n, 4.0895 * 64 + 2) << "enough points a period, not one a sample";
    // As designed: element 1 is the wave's first sample, where the ideal sine starts.
    Kurve("10ms", 1, 1.0);
    s.dAmplitude = 80.0;  // unclipped the ideal goes past 100 %
    Sinus_Zeitachse(&s, 10.0, 0, &a);
    EXPECT_EQ(std::make_tuple(a.iErster, a.iAnzahl, a.dIdealNullX, a.dIdealPeriodeX), std::make_tuple(0, 22, 1.0, 20.0));
    const int m = Sinus_Ideal(&s, &a, ideal, 8192, &dx);
    EXPECT_NEAR(*std::max_element(ideal, ideal + m), 130.0, 0.1);
    EXPECT_EQ(Sinus_Ideal(&s, &a, ideal, 1, &dx), 0) << "no room, no line";
    a.iAnzahl = 2;  // the first sample the last shown: no stretch to draw over
    EXPECT_EQ(Sinus_Ideal(&s, &a, ideal, 8192, &dx), 0);
    // The readout of an element in the file's terms; element 0 repeats data line 1, none past the last.
    char text[80] = "x";
    Sinus_Zeitachse(&s, 10.0, 0, &a);
    for (const auto &[i, soll] : {std::pair{0, "Datenzeile 1: 0.00000\u00a0s, 50.00\u00a0%, 5\u00a0V"},
                                  {21, "Datenzeile 21: 0.20000\u00a0s, 50.00\u00a0%, 5\u00a0V"}, {22, ""}, {-1, ""}}) {
        Sinus_Ablesung(&s, &a, 10.0, i, text, sizeof text);
        EXPECT_STREQ(text, soll) << i;
    }

    // The file against what the records would export now: equal, or the
    // first line that is not, also past the first block read.
    Kurve("10ms", 1, 400.0);
    ASSERT_EQ(Schreiben(), 0);
    const std::string ganz = DateiLesen(pfad);
    ASSERT_GT(ganz.size(), 65536u);
    int iZeile = -1;
    for (const auto &[inhalt, erwartet] : std::vector<std::pair<std::string, int>>{
             {ganz, 0}, {ganz + "x", static_cast<int>(std::count(ganz.begin(), ganz.end(), '\n')) + 1}, {ganz.substr(0, 100), 4}, {"# Kurven", 1}}) {
        DateiSchreiben(ordner + "/v.txt", inhalt);
        const int fd = open((ordner + "/v.txt").c_str(), O_RDONLY);
        EXPECT_EQ(Sinus_ExportVergleichen(fd, &e, &s, &iZeile), erwartet == 0 ? 1 : 0);
        close(fd);
        if (erwartet) {
            EXPECT_EQ(iZeile, erwartet) << inhalt.size();
        }
    }
}

TEST(ExportZeile, GleichtPrintfAufDasByteUndWirdNieGekuerzt)
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
        ASSERT_TRUE(Kurvenformat_Datenzeile(eigene, sizeof eigene, w, w, "100us", 2));
        std::snprintf(erwartet, sizeof erwartet, "%.5f\t%.2f\t%s\t%d", w, w, "100us", 2);
        ASSERT_STREQ(eigene, erwartet) << w;
        // The value as the file prints it, in hundredths, as printf rounds it.
        std::snprintf(erwartet, sizeof erwartet, "%.2f", w);
        ASSERT_EQ(Kurvenformat_Hundertstel(w), std::llround(std::strtod(erwartet, nullptr) * 100.0)) << w;
    }
    for (const auto &[w, h] : {std::pair{-0.004, 0LL}, {-12.345, -1235LL}, {100.004, 10000LL}, {100.006, 10001LL}})
        EXPECT_EQ(Kurvenformat_Hundertstel(w), h) << w;
    EXPECT_GT(Kurvenformat_Hundertstel(1e300), 10000);
    EXPECT_LT(Kurvenformat_Hundertstel(-1e300), 0);
    // Too small an area gives no line at all, wherever it runs out.
    const std::string ganz = "0.00000\t50.00\t10ms\t1";
    for (size_t groesse = 0; groesse <= ganz.size() + 1; ++groesse) {
        char z[32] = "x";
        EXPECT_EQ(Kurvenformat_Datenzeile(z, groesse, 0.0, 50.0, "10ms", 1), groesse > ganz.size() ? 1 : 0) << groesse;
        EXPECT_STREQ(z, groesse > ganz.size() ? ganz.c_str() : groesse ? "" : "x") << groesse;
    }
}

TEST(ExportProzess, StandardausgabeZurueckgeschnittenWennDieDatenNichtPassen)
{
    const std::string log = TestOrdner() + "/log.txt";
    DateiSchreiben(log, "L1\n");
    const int fd = open(log.c_str(), O_WRONLY | O_APPEND);
    struct stat vorher, nachher;
    fstat(fd, &vorher);
    {
        const Dateigrenze grenze(static_cast<rlim_t>(3 + 300));  // the header fits, the data not
        const Lauf l = Ausfuehren({"--output", "-"}, fd);
        EXPECT_EQ(l.code, 1);
        EXPECT_NE(l.fehler.find("Fehler #301204"), std::string::npos) << l.fehler;
    }
    fstat(fd, &nachher);
    close(fd);
    EXPECT_EQ(DateiLesen(log), "L1\n") << "the file is as it was";
    EXPECT_EQ(nachher.st_ino, vorher.st_ino);
}
