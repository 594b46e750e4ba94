// Reading curve files back: whatever the export writes passes; each kind of
// defect planted into a good file is found on its line, however the file is
// cut into blocks; the limits on findings and data lines hold.
#include "Sinuserzeugung_Main.h"
#include "aufzeichnung.h"
#include "eingabebau.h"
#include "Kurvenformat.h"
#include "Sinusschritt.h"
#include "kurvendatei.h"
#include "toolkit_kern.h"

#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

Kurvendatei gDatei;
std::string gText;  // the file last exported

// Reads @p text in blocks of @p block bytes (0: all at once).
void Lesen(const std::string &text, size_t block = 0)
{
    Kurvendatei_Beginnen(&gDatei);
    size_t i = 0;
    for (; i < text.size(); i += block ? block : text.size())
        if (!Kurvendatei_Weiter(&gDatei, text.data() + i, std::min(block ? block : text.size(), text.size() - i)))
            return;
    Kurvendatei_Beenden(&gDatei);
}

// The records of the curve exported here.
Eingabewerte gE;
Sinuskurve gS;

std::string Befunde()
{
    std::string s;
    for (int i = 0; i < std::min(gDatei.iBefunde, KURVENDATEI_MAX_BEFUNDE); ++i)
        s += std::to_string(gDatei.aBefunde[i].iZeile) + ": " + gDatei.aBefunde[i].szText + "\n";
    return s;
}

// Exports the curve of these inputs and reads the file back from its descriptor.
void ExportierenUndLesen(const Eingabewerte &e)
{
    gE = e;
    ASSERT_EQ(Sinus_Schritt(&gE, &gS, nullptr, nullptr), SCHRITT_ANGENOMMEN);
    const std::string pfad = TestOrdner() + "/k.txt";
    ASSERT_EQ(Sinus_ExportSchreiben(pfad.c_str(), &gE, &gS), 0);
    gText = DateiLesen(pfad);
    const int datei = open(pfad.c_str(), O_RDONLY);
    ASSERT_EQ(Kurvendatei_Lesen(datei, &gDatei), 0);
    close(datei);
}

}  // namespace

TEST(Kurvendatei, JedeExportierteDateiBestehtUndGibtIhreKurveZurueck)
{
    // The largest curve, at the line limit; then random sets, cut at both limits, with every time base.
    std::vector<Eingabewerte> saetze = {Eingabebau().Perioden(4.0895).Zeitbasis("50us").Kurve(2),
                                        Eingabebau().Periode(2.0).Perioden(0.5)};
    unsigned zustand = 4711;
    auto zufall = [&zustand](double von, double bis) {
        zustand = zustand * 1103515245u + 12345u;
        return von + (bis - von) * ((zustand >> 8) % 100000u) / 100000.0;
    };
    for (int i = 0; saetze.size() < 120; ++i) {
        // In this order: a chain of calls evaluates its arguments from left to right.
        Eingabewerte e = Eingabebau().Umax(zufall(0.001, 100)).Dach(zufall(-100, 100)).Offset(zufall(-50, 150))
                             .Periode(zufall(0.05, 50000)).Perioden(zufall(0.01, 100))
                             .Zeitbasis(Zeitbasis_Label(i % Zeitbasis_Anzahl())).Kurve(1 + i % 4);
        Sinuskurve k;
        Sinus_Ableiten(&e, Zeitbasis_Ms(e.szZeitbasis), &k);
        if (Sinus_AnzahlWerte(&k) <= 2000)  // every time base, none too slow
            saetze.push_back(e);
    }
    for (const Eingabewerte &e : saetze) {
        ExportierenUndLesen(e);
        SCOPED_TRACE(std::string(e.szZeitbasis) + " " + std::to_string(e.dPeriodendauer) + " ms x " +
                     std::to_string(e.dAnzahlPerioden));
        ASSERT_EQ(std::make_tuple(Befunde(), gDatei.iDatenzeilen, gDatei.iWerte, std::string(gDatei.szZeitbasis),
                                  gDatei.iKurvennummer),
                  std::make_tuple("", gS.iAnzahlPunkte - 1, gS.iAnzahlPunkte - 1, std::string(e.szZeitbasis),
                                  e.iKurvennummer));
        for (int k = 0; k < gDatei.iWerte; ++k)
            ASSERT_NEAR(gDatei.pdWerte[k], gS.pdWerte[k + 1], 0.005 + 1e-9) << "sample " << k;
        // The duration is the last data line's time.
        const char *szLetzte = &gText[gText.rfind('\n', gText.size() - 3) + 1];
        ASSERT_NEAR(Kurvendatei_Dauer(&gDatei), std::strtod(szLetzte, nullptr), 5e-6);
    }
    gS.iAnzahlPunkte = 0;  // header and closing line only, as after a failed allocation
    const std::string pfad = TestOrdner() + "/leer.txt";
    ASSERT_EQ(Sinus_ExportSchreiben(pfad.c_str(), &gE, &gS), 0);
    Lesen(DateiLesen(pfad));
    EXPECT_EQ(Befunde() + std::to_string(gDatei.iDatenzeilen), "7: keine Datenzeilen: die Datei enthält keine Kurve\n0");
    Sinus_KurveFreigeben(&gS);
}

TEST(Kurvendatei, JederEingebauteFehlerWirdAufSeinerZeileGefunden)
{
    ExportierenUndLesen(Eingabebau());
    Sinus_KurveFreigeben(&gS);
    const std::string vorlage = gText;
    const std::string langOhneEnde = "00\t10ms\t1" + std::string(100, ' ');
    // Each defect: a piece of the good file and what replaces it (nullptr: the file ends before it).
    const struct { const char *alt, *neu; int zeile, befunde; const char *befund; } faelle[] = {
        {"Spalte 2", "Spalte 3", 3, 1, "Kopfzeile 3 weicht ab, erwartet \"# Spalte 2 = Y-Wert in Prozent\""},
        {"Kuvennummer\n\n", "Kuvennummer\n", 6, 1, "Leerzeile nach dem Kopf fehlt"},
        {"# Spalte 4 = Kuvennummer\n\n", "", 5, 1, "Kopfzeile fehlt, erwartet \"# Spalte 4 = Kuvennummer\""},
        {"# Spalte 4 = Kuvennummer\n", "", 5, 1, "Kopfzeile fehlt, erwartet \"# Spalte 4 = Kuvennummer\""},
        // The time goes on by a step over a line it cannot read.
        {"65.45\t10ms\t1\n0.02000", "65.45 10ms\t1\n0.03000", 8, 2,
         "Datenzeile hat 3 Felder statt 4 (durch Tabulator getrennt)\n9: Zeit 0.03000 statt 0.02000"},
        {"0.00000\t50.00\t10ms\t1\n0.01000", "0.00000 50.00\t10ms\t1\n0.02000", 7, 2,
         "Datenzeile hat 3 Felder statt 4 (durch Tabulator getrennt)\n8: Zeit 0.02000 statt 0.01000"},  // from the first
        {"0.00000\t50.00\t10ms\t1\n0.01000\t65.45\t", "0,00000\t50.00\t10ms\t1\n0.01000\t65.45 ", 7, 2,
         "Zeit \"0,00000\" nicht in der Form 0.00000 (fünf Nachkommastellen, Dezimalpunkt): Komma statt Punkt\n8: Datenzeile"},
        {"0.01000\t", "0,01000\t", 8, 1, "Zeit \"0,01000\" nicht in der Form 0.00000 (fünf Nachkommastellen, "
                                         "Dezimalpunkt): Komma statt Punkt"},
        {"0.01000\t", "0.0100\t", 8, 1, "Zeit \"0.0100\" nicht in der Form 0.00000"},
        {"0.01000\t", "0.01a00\t", 8, 1, "Zeit \"0.01a00\" nicht in der Form 0.00000"},
        {"0.01000\t", "0.010000000000000000000000\t", 8, 1, "Zeit \"0.0100000000000000000000\xe2\x80\xa6\" nicht"},
        {"\t65.45\t", "\t65.4\t", 8, 1, "Wert \"65.4\" nicht in der Form 0.00 (zwei Nachkommastellen"},
        {"\t65.45\t", "\t065.45\t", 8, 1, "Wert \"065.45\" nicht in der Form 0.00"},
        {"\t10ms\t1\n", "\t10 ms\t1\n", 7, 1, "unbekannte Zeitbasis \"10 ms\""},
        {"\t1\n0.01000", "\t01\n0.01000", 7, 1, "Kurvennummer \"01\" ist keine Zahl von 1 bis 4"},
        {"\t1\n0.01000", "\t5\n0.01000", 7, 1, "Kurvennummer \"5\" ist keine Zahl von 1 bis 4"},
        {"\t1\n0.01000", "\t4294967297\n0.01000", 7, 1, "Kurvennummer \"4294967297\" ist keine Zahl"},
        {"\n0.00000\t", "\n0.00001\t", 7, 1, "erste Zeit ist 0.00001 statt 0.00000"},
        {"0.05000\t", "0.05001\t", 0, 0, ""},  // within the rounding of a running sum
        {"0.05000\t", "0.05002\t", 12, 1, "Zeit 0.05002 statt 0.05000: wächst nicht um die Zeitbasis 10ms"},
        {"0.05000\t", "0.07000\t", 12, 1, "Zeit 0.07000 statt 0.05000"},  // one wrong time, one finding
        {"0.01000\t65.45\t10ms\t1\n", "", 8, 1, "Zeit 0.02000 statt 0.01000"},
        {"\t100.00\t", "\t100.01\t", 12, 1, "Wert 100.01 außerhalb von 0 bis 100"},
        // The digit limits: 12 before the point of a time and 9 of a value are still read as numbers.
        {"0.05000\t", "123456789012.00000\t", 12, 1, "Zeit 123456789012.00000 statt 0.05000"},
        {"0.05000\t", "1234567890123.00000\t", 12, 1, "Zeit \"1234567890123.00000\" nicht in der Form"},
        {"\t100.00\t", "\t123456789.00\t", 12, 1, "Wert 123456789.00 außerhalb von 0 bis 100"},
        {"\t100.00\t", "\t1234567890.00\t", 12, 1, "Wert \"1234567890.00\" nicht in der Form 0.00"},
        {"\t0.00\t", "\t-0.01\t", 22, 1, "Wert -0.01 außerhalb von 0 bis 100"},
        {"65.45\t10ms", "65.45\t20ms", 8, 1, "Zeitbasis wechselt von 10ms zu 20ms"},
        {"65.45\t10ms\t1", "65.45\t10ms\t2", 8, 1, "Kurvennummer wechselt von 1 zu 2"},
        {"00\t10ms\t1\n\n", nullptr, 27, 1, "letzte Zeile ohne Zeilenende: Datei abgeschnitten"},
        {"00\t10ms\t1\n\n", langOhneEnde.c_str(), 27, 2, "Zeile länger als 99 Zeichen\n27: letzte Zeile ohne"},
        {"# Spalte 3", nullptr, 4, 1, "Datei endet im Kopf: Datei abgeschnitten?"},
        {"Dovarizuz\n", "Dovarizuz\r\n", 1, 1, "Zeilenende CR LF (Windows) statt LF"},
        {"# Kurven", "\xEF\xBB\xBF# Kurven", 1, 1, "Datei beginnt mit einer Byte-Order-Mark (BOM)"},
        {"65.45", "65.\x01" "45", 8, 2, "Zeichen 0x01 in Spalte 12 ist kein einfacher Text"},
        {"Sekunden", "Sekünden", 2, 2, "Zeichen 0xC3 in Spalte 25 ist kein einfacher Text"},
        {"1\n\n", "1\n\n\n", 29, 1, "weitere Leerzeile nach der abschließenden"},
        {"1\n\n", "1\n\nx\n", 29, 1, "Text nach der abschließenden Leerzeile: hier endet die Prüfung"},
        {"\t1\n0.05000\t100.00", "\t1\n\n0.05000\t100.01", 12, 2, "Leerzeile mitten in den Daten"},  // checked on
        {"Dovarizuz", "Dovarizuz                                                                 ", 1, 1,
         "Zeile länger als 99 Zeichen"}};
    Lesen(vorlage);
    ASSERT_EQ(Befunde(), "");
    // Saved with Windows line ends throughout: said once, and its blank lines stay blank.
    std::string crlf;
    for (const char c : vorlage) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    Lesen(crlf);
    EXPECT_EQ(Befunde(), "1: Zeilenende CR LF (Windows) statt LF\n");
    for (const auto &f : faelle) {
        std::string text = vorlage;
        const size_t wo = text.find(f.alt);
        ASSERT_NE(wo, std::string::npos) << f.alt;
        text = f.neu ? text.replace(wo, std::strlen(f.alt), f.neu) : text.substr(0, wo);
        std::string erste;
        for (size_t block : {0, 1, 7, 64}) {
            Lesen(text, block);
            EXPECT_EQ(gDatei.iBefunde, f.befunde) << f.befund << "\n" << Befunde();
            if (block == 0) erste = Befunde();
            EXPECT_EQ(Befunde(), erste) << "in blocks of " << block;
        }
        const std::string soll = f.befunde ? std::to_string(f.zeile) + ": " + f.befund : "";
        EXPECT_EQ(erste.substr(0, soll.size()), soll);
    }
}

TEST(Kurvendatei, NachHundertBefundenNurGezaehltUndBeiDerPunktgrenzeSchluss)
{
    std::string kopf;
    for (int i = 0; i < Kurvenformat_KopfzeilenAnzahl(); ++i)
        kopf += std::string(Kurvenformat_Kopfzeile(i)) + "\n";
    std::string text = kopf;
    for (int i = 0; i < 150; ++i) text += "x\n";
    Lesen(text + std::string(200000, 'y') + "\n");  // a long line: counted, not kept
    EXPECT_EQ(std::make_pair(gDatei.iBefunde, gDatei.aBefunde[99].iZeile), std::make_pair(152, 106));
    char zusammenfassung[200];
    Kurvendatei_Zusammenfassung(&gDatei, "Notizen", zusammenfassung, sizeof zusammenfassung);
    EXPECT_STREQ(zusammenfassung, "152 Befunde, 52 davon nicht aufgeführt; 151 Datenzeilen (151 ohne lesbaren Wert), Zeitbasis "
                                  "unbekannt, Kurve unbekannt, Dauer unbekannt; Notizen");

    text = kopf;
    char zeile[64];
    double zeit = 0.0;
    for (int k = 0; k <= KURVENDATEI_MAX_DATENZEILEN; ++k, zeit += 0.05 / 1000.0)
        text += (std::snprintf(zeile, sizeof zeile, "%.5f\t50.00\t50us\t3\n", zeit), zeile);
    Lesen(text + "\n" + std::string(100, 'z'));
    EXPECT_EQ(Befunde(), "16366: mehr als 16359 Datenzeilen (Punktgrenze): hier endet die Prüfung\n");
    EXPECT_EQ(gDatei.iDatenzeilen, KURVENDATEI_MAX_DATENZEILEN);
    EXPECT_EQ(Kurvendatei_Weiter(&gDatei, "\n", 1), 0) << "reading has stopped";
    Kurvendatei_Zusammenfassung(&gDatei, nullptr, zusammenfassung, sizeof zusammenfassung);
    EXPECT_STREQ(zusammenfassung, "1 Befund; 16359 Datenzeilen, Zeitbasis 50us, Kurve 3, Dauer 0.81790 s");
}

TEST(Kurvendatei, JederStromEndetBaldUndBenenntSeineZeilenenden)
{
    ExportierenUndLesen(Eingabebau());
    Sinus_KurveFreigeben(&gS);
    std::string nurCr = gText;
    for (char &z : nurCr) z = z == '\n' ? '\r' : z;
    const struct { std::string text; int befunde; const char *erster; } faelle[] = {
        // Lines without end after a good file: read up to what a file can hold, then stopped.
        {gText + std::string(100000, '\n'), Kurvendatei_MaxZeilen() - 28 + 1, "29: weitere Leerzeile"},
        {std::string(3000000, 'x'), 1, "1: mehr als 1652969 Bytes"},
        {nurCr, 1, "1: Zeilenende CR ohne LF (altes Mac-Format) statt LF: hier endet die Prüfung"}};
    for (const auto &f : faelle)
        for (size_t block : {0, 1 << 16}) {
            Lesen(f.text, block);
            EXPECT_EQ(gDatei.iBefunde, f.befunde) << f.erster;
            EXPECT_EQ(Befunde().rfind(f.erster, 0), 0u) << Befunde().substr(0, 200);
        }
    Lesen(gText + std::string(100000, '\n'));
    EXPECT_EQ(gDatei.stand.iZeile, Kurvendatei_MaxZeilen() + 1) << "no line read past the limit";
    // A last block of one byte is handed on too.
    const std::string pfad = TestOrdner() + "/b.txt";
    DateiSchreiben(pfad, std::string(KURVENDATEI_BLOCK + 1, 'x'));
    const int datei = open(pfad.c_str(), O_RDONLY);
    size_t iBytes = 0;
    auto zaehlen = [](void *k, const char *, size_t n) { return *static_cast<size_t *>(k) += n, 1; };
    EXPECT_EQ(Kurvendatei_Bloecke(datei, zaehlen, &iBytes) + close(datei), 1);
    EXPECT_EQ(iBytes, KURVENDATEI_BLOCK + 1);
}

TEST(Kurvendatei, NotizenZumSignal)
{
    ExportierenUndLesen(Eingabebau().Dach(8.0).Perioden(3.0));
    char notizen[300];
    // A value that cannot be read is no value: named, and the signal not judged across the gap.
    std::string text = gText;
    const size_t wert = text.find("\n0.01000\t") + 9;  // the second data line's value
    text[text.find('.', wert)] = ',';
    Lesen(text);
    Kurvendatei_Notizen(&gDatei, notizen, sizeof notizen);
    EXPECT_STREQ(notizen, "Signal nicht beurteilt: nicht jeder Wert lesbar");
    size_t i;
    while ((i = gText.find("\t10ms\t")) != std::string::npos)
        gText.replace(i, 6, "\t2s\t");
    Lesen(gText);  // values, but no time base: nothing to say of the signal
    Kurvendatei_Notizen(&gDatei, notizen, sizeof notizen);
    EXPECT_STREQ(notizen, "");
}
