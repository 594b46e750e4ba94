// The batch exporter as a user runs it: options, messages, exit codes, and
// where its file goes.
#include "lauf.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(Batch, JedeOptionWirktWieImFenster)
{
    const Lauf vorgaben = Ausfuehren({"--output", "-"});
    EXPECT_EQ(vorgaben.code + vorgaben.fehler.size(), 0u);
    EXPECT_EQ(std::count(vorgaben.aus.begin(), vorgaben.aus.end(), '\n'), 28);
    EXPECT_NE(vorgaben.aus.find("\n0.01000\t65.45\t10ms\t1\n"), std::string::npos);
    // --option=value, blanks on either side, the comma, exponents: the same file.
    using Argumente = std::vector<std::string>;
    for (const Argumente &gleich : {Argumente{"--offset=5", "--umax", " 10", "--output=-"},
                                    Argumente{"--periods", "1 ", "--peak", "5e0", "--output", "-"},
                                    Argumente{"--offset", "5,0", "--output", "-", "--"}})
        EXPECT_EQ(Ausfuehren(gleich).aus, vorgaben.aus) << gleich[0];

    Lauf l = Ausfuehren({"--umax", "20", "--rms", "2", "--offset", "-1", "--frequency", "4", "--periods", "0.5",
                         "--timebase", "5ms", "--curve", "2", "--output", "-"});
    ASSERT_EQ(l.code, 0) << l.fehler;
    // 250 ms on 5 ms: 50 per period, 25 samples + 1; peak 2.83 V is 14.14 % of 20 V, offset -5 %.
    EXPECT_EQ(std::count(l.aus.begin(), l.aus.end(), '\n'), 6 + 26 + 1);
    // 14.142 * sin(2 pi 12 / 50) - 5 = 9.11: the crest at k = 12.5 falls between two samples.
    EXPECT_NE(l.aus.find("\n0.06000\t9.11\t5ms\t2\n0.06500\t9.11\t5ms\t2\n"), std::string::npos);
    EXPECT_NE(l.aus.find("\n0.12500\t0.00\t5ms\t2\n"), std::string::npos);

    for (const char *grenze : {"--umax=0.001", "--umax=10000", "--frequency=0.02", "--period=50000", "--periods=100"})
        EXPECT_EQ(Ausfuehren({grenze, "--output", "/dev/null"}).code, 0) << grenze << ": the limits belong to the range";
    EXPECT_EQ(Ausfuehren({"--version"}).aus, "wlr7sinus-export 1.0\n");
    EXPECT_EQ(Ausfuehren({"-V"}).aus, "wlr7sinus-export 1.0\n");
    l = Ausfuehren({"--help"});
    EXPECT_EQ(l.code, 0);
    EXPECT_EQ(l.aus.rfind("Aufruf: wlr7sinus-export", 0), 0u);
    EXPECT_EQ(Ausfuehren({"-h"}).aus, l.aus);
    EXPECT_NE(l.aus.find("--option=WERT"), std::string::npos);
    // Each input with its range and default, under its line; no line wider than a terminal.
    for (const char *zeile : {"\n  --umax V          Größte Ausgangsspannung des WLR-7 in Volt\n"
                              "                    eine Zahl von 0.001 bis 10000; Vorgabe 10\n",
                              "\n                    eine Zahl (ohne Grenzen); Vorgabe 3.536\n",
                              "Periodendauer = 1000 / HZ\n                    Einheiten: Hz, kHz, mHz\n"})
        EXPECT_NE(l.aus.find(zeile), std::string::npos) << zeile;
    std::istringstream hilfe(l.aus);
    for (std::string zeile; std::getline(hilfe, zeile);) {
        const auto zeichen = std::count_if(zeile.begin(), zeile.end(), [](char c) { return (c & 0xC0) != 0x80; });
        EXPECT_LE(zeichen, 80) << zeile;
    }
}

TEST(Batch, FalscheEingabenGebenZweiUndRuehrenKeineDateiAn)
{
    const std::string datei = TestOrdner() + "/bleibt.txt";
    DateiSchreiben(datei, "alt");
    // Each case: the arguments and what the message must name.
    const std::vector<std::pair<std::vector<std::string>, std::string>> faelle = {
        {{"--umax", "0"}, "--umax erwartet eine Zahl von 0.001 bis 10000, nicht \"0\"."},
        {{"--peak", "1e999"}, "--peak erwartet eine Zahl (ohne Grenzen), nicht \"1e999\"."},
        {{"--rms", ""}, "--rms erwartet eine Zahl (ohne Grenzen), nicht \"\"."},
        {{"--timebase", "2s"}, "--timebase erwartet eine Zeitbasis (50us 100us 200us 500us 1ms 2ms 3ms 4ms "
                               "5ms 10ms 20ms 50ms 100ms 1s 10s 1min 1std), nicht \"2s\"."},
        {{"--curve", "5"}, "--curve erwartet eine Kurvennummer von 1 bis 4, nicht \"5\"."},
        {{"--phase", "361"}, "--phase erwartet eine Zahl von -360 bis 360, nicht \"361\"."},
        {{"--phase", "-360.01"}, "nicht \"-360.01\""},
        {{"--peak", "1", "--rms", "1"}, "--peak und --rms"},
        {{"--frequency", "5", "--period", "200"}, "--frequency und --period"},
        {{"--umax", "5", "--umax=6"}, "--umax ist mehrfach angegeben"},
        {{"--strict", "--strict"}, "--strict ist mehrfach angegeben"},
        {{"--check", "--check", "x"}, "--check ist mehrfach angegeben"},
        {{"--umax", "5", "--output=-"}, "--output ist mehrfach angegeben"},
        {{"--from", "-", "--plan", "-"}, "--from - und --plan - lesen beide die Standardeingabe; bitte nur eines."},
        {{"--peak", "1e308", "--offset", "-1e308"}, "Amplitude oder Offset sind in Prozent der Maximalspannung keine "
                                                    "endliche Zahl."},
        {{"--o", "x"}, "mehrdeutige Option \"--o\": gemeint ist eine von --offset, --output."},
        {{"--rms", "1.3e308"}, "--rms \"1.3e308\" ergibt für den gekoppelten Wert keine endliche Zahl"},
        {{"--timebase", "auto", "--period", "0.05", "--periods", "100"},
         "--timebase auto: keine Zeitbasis ergibt einen Sinus innerhalb der Punktgrenze."},
        {{"--gibtsnicht", "1"}, "unbekannte Option \"--gibtsnicht\"."},
        {{"--", "--umax", "5"}, "unerwartetes Argument \"--umax\""},
        {{"--output=" + datei, "--umax"}, "--umax erwartet eine Zahl von 0.001 bis 10000, es fehlt aber der Wert."},
        {{"--output", ""}, "--output erwartet einen Dateinamen oder \"-\", nicht \"\"."},
        {{"--umax", "5"}, "--output fehlt"},
        {{"--manifest", "m.tsv"}, "--manifest gehört zu --plan"},
        {{"--plan", "p.tsv"}, "--plan und --output schließen einander aus"}};
    for (std::pair<std::vector<std::string>, std::string> fall : faelle) {
        if (fall.first[0].rfind("--output", 0) != 0 && fall.second != "--output fehlt" && fall.first.back() != "-") {
            fall.first.insert(fall.first.begin(), datei);
            fall.first.insert(fall.first.begin(), "--output");
        }
        Lauf l = Ausfuehren(fall.first);
        EXPECT_EQ(l.code, 2) << fall.second;
        EXPECT_EQ(l.fehler.rfind("wlr7sinus-export: ", 0), 0u) << l.fehler;
        EXPECT_NE(l.fehler.find(fall.second), std::string::npos) << l.fehler;
        EXPECT_NE(l.fehler.find("\nHilfe: wlr7sinus-export --help\n"), std::string::npos) << l.fehler;
        EXPECT_EQ(DateiLesen(datei), "alt") << fall.second;
    }
    // A long value is repeated cut short, never inside a character.
    std::string lang;
    for (int i = 0; i < 150; ++i) lang += "ä";
    Lauf l = Ausfuehren({"--output", datei, "--timebase", lang});
    EXPECT_NE(l.fehler.find("nicht \"" + lang.substr(0, 200) + "…\"."), std::string::npos) << l.fehler;
}

// Numbers as engineers type them: a prefix or unit writes the bytes of the
// plain number it stands for.
TEST(Batch, VorsaetzeUndEinheitenSchreibenDieBytesDerZahl)
{
    using Argumente = std::vector<std::string>;
    const std::pair<Argumente, Argumente> gleich[] = {
        {{"--frequency=1.005k"}, {"--frequency", "1005"}},
        {{"--peak", "3.5355339 Vrms", "--frequency", "8"}, {"--rms", "3.5355339", "--frequency", "8"}},
        {{"--umax", "0.02k", "--offset", "-250mV"}, {"--umax", "20", "--offset", "-0.25"}}};
    for (const auto &[mit, ohne] : gleich) {
        const Lauf la = Ausfuehren(mit, {"--output", "-"}), lb = Ausfuehren(ohne, {"--output", "-"});
        EXPECT_EQ(la.code + lb.code, 0) << la.fehler << lb.fehler;
        EXPECT_EQ(la.aus, lb.aus) << mit[1];
    }

    // A unit the option does not take: exit 2, the units it takes named, nothing touched.
    const std::string datei = TestOrdner() + "/bleibt.txt";
    DateiSchreiben(datei, "alt");
    const std::pair<Argumente, std::string> falsch[] = {
        {{"--frequency", "5V"}, "--frequency \"5V\" passt nicht zu Frequenz: Hz, kHz, mHz."},
        {{"--frequency", "30kHz"}, "--frequency erwartet eine Zahl von 0.02 bis 20000, nicht \"30kHz\" (30000 Hz)."},
        {{"--periods", "2k"}, "--periods erwartet eine Zahl von 0.01 bis 100, nicht \"2k\" (2000)."},
        {{"--peak", "3Veff", "--rms", "2"}, "--rms und --peak geben dieselbe Größe an"}};
    for (const auto &[argumente, meldung] : falsch) {
        const Lauf l = Ausfuehren(argumente, {"--output", datei});
        EXPECT_EQ(l.code, 2) << meldung;
        EXPECT_NE(l.fehler.find(meldung), std::string::npos) << l.fehler;
        EXPECT_EQ(DateiLesen(datei), "alt") << meldung;
    }
}

TEST(Batch, ZuVielePunkteUndSchreibfehlerGebenEins)
{
    const std::string datei = TestOrdner() + "/nie.txt";
    Lauf l = Ausfuehren({"--timebase", "1ms", "--period", "16359", "--output", datei});
    EXPECT_EQ(l.code, 1);
    EXPECT_EQ(l.fehler, "wlr7sinus-export: Die Kurve besteht aus zu vielen Punkten. Reduzieren Sie die Perioden oder "
                        "die Periodendauer oder erhöhen Sie die Zeitbasis. 16359 Punkte, höchstens 16358\n")
        << "the window's text on one line";
    EXPECT_FALSE(std::ifstream(datei).good());

    // A pipe whose reader is gone: exit 1 and a message, not death by signal.
    int rohr[2];
    ASSERT_EQ(pipe(rohr), 0);
    close(rohr[0]);
    l = Ausfuehren({"--output", "-"}, rohr[1]);
    close(rohr[1]);
    EXPECT_EQ(l.code, 1);
    EXPECT_EQ(l.fehler, "wlr7sinus-export: Fehler #301203: Fehler beim Schreiben auf Datei – Kein Leser an der Pipe: "
                        "Standardausgabe\n");
}

TEST(Batch, BrauchtKeineQtBibliothek)
{
    const std::string aus = TestOrdner() + "/dynamisch";
    ASSERT_EQ(std::system(("readelf -d '" WLR7_EXPORT "' > '" + aus + "'").c_str()), 0);
    const std::string dynamisch = DateiLesen(aus);
    EXPECT_NE(dynamisch.find("(NEEDED)"), std::string::npos);
    EXPECT_EQ(dynamisch.find("Qt"), std::string::npos) << dynamisch;
}

// --timebase auto writes the file that the time base it names writes, and
// says which and with how many points a period. The counts are the period
// over the step, by hand: 200 ms / 50 us = 4000; 333.33 ms / 50 us rounds to
// 6667, which plays 2.99985 Hz; 50 s / 1 s = 50.
TEST(Batch, ZeitbasisAutoSchreibtWasDieGenannteSchreibt)
{
    const struct {
        std::vector<std::string> eingaben;
        std::string zeitbasis, hinweis;
    } faelle[] = {
        {{}, "50us", "Hinweis: --timebase auto: 50us, genau (4000 Punkte je Periode)\n"},
        {{"--frequency", "3"}, "50us", "Hinweis: --timebase auto: 50us, am nächsten: -0.0050 % (6667 Punkte je Periode)\n"},
        {{"--period", "50000", "--periods", "100"}, "1s", "Hinweis: --timebase auto: 1s, genau (50 Punkte je Periode)\n"},
    };
    for (const auto &f : faelle) {
        const Lauf a = Ausfuehren(f.eingaben, {"--timebase", "auto", "--output", "-"});
        EXPECT_EQ(a.code, 0) << a.fehler;
        EXPECT_NE(a.fehler.find("wlr7sinus-export: " + f.hinweis), std::string::npos) << a.fehler;
        EXPECT_EQ(a.aus, Ausfuehren(f.eingaben, {"--timebase", f.zeitbasis, "--output", "-"}).aus) << f.zeitbasis;
    }
}
