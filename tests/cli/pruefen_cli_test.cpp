// wlr7sinus-export --check as a script on a rig runs it: one finding per
// line as FILE:LINE: text, a summary line per file, exit 0, 1 or 2.
#include "lauf.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

TEST(Pruefen, BefundeImGnuFormatUndExitCodes)
{
    const std::string ordner = TestOrdner(), gut = ordner + "/gut.txt", kaputt = ordner + "/kaputt.txt";
    ASSERT_EQ(Ausfuehren({"--periods", "2", "--curve", "3", "--output", gut}).code, 0);
    std::string text = DateiLesen(gut);
    text.replace(text.find("\t3\n"), 3, "\t3\r\n");
    DateiSchreiben(kaputt, text.substr(0, text.size() - 1));  // and cut off before the closing line
    const std::string zusammenfassung =
        "41 Datenzeilen, Zeitbasis 10ms, Kurve 3, Dauer 0.40000 s; Frequenz 5 Hz (20 Punkte je Periode)";
    const std::string sauber = gut + ": keine Befunde; " + zusammenfassung +
                               "; neu: wlr7sinus-export --timebase 10ms --period 200 --periods 2 --peak 5 --offset 5 "
                               "--umax 10 --curve 3\n";
    // A file with findings is not reopened: no command line for it.
    const std::string befunde = kaputt + ":7: Zeilenende CR LF (Windows) statt LF\n" + kaputt +
                                ":48: abschließende Leerzeile fehlt: Datei abgeschnitten?\n" + kaputt +
                                ": 2 Befunde; " + zusammenfassung + "\n";
    const struct {
        std::vector<std::string> argumente;
        int code;
        std::string aus, fehler;
    } faelle[] = {
        {{"--check", gut}, 0, sauber, ""},
        {{gut, "--check", kaputt}, 1, sauber + befunde, ""},
        {{"--check", kaputt, ordner + "/fehlt.txt", gut}, 2, befunde + sauber,
         "wlr7sinus-export: " + ordner + "/fehlt.txt: Datei nicht gefunden\n"},
        {{"--check", "-"}, 1, "-:1: Datei ist leer\n-: 1 Befund; 0 Datenzeilen, Zeitbasis unbekannt, Kurve "
                              "unbekannt, Dauer unbekannt\n", ""},
        {{"--check", ordner}, 2, "", "wlr7sinus-export: " + ordner + ": Ist ein Ordner\n"},
        {{"--check"}, 2, "", "wlr7sinus-export: --check erwartet eine oder mehrere Dateien (\"-\": Standardeingabe).\n"},
        {{"--check", gut, "--curve", "2"}, 2, "",
         "wlr7sinus-export: --check prüft nur Dateien; --curve gehört nicht dazu.\nHilfe: wlr7sinus-export --help\n"},
        {{"--output", "x", "--check", gut}, 2, "",
         "wlr7sinus-export: --check prüft nur Dateien; --output gehört nicht dazu.\nHilfe: wlr7sinus-export --help\n"},
    };
    for (const auto &f : faelle) {
        const Lauf l = Ausfuehren(f.argumente);
        EXPECT_EQ(l.code, f.code) << f.argumente[1];
        EXPECT_EQ(l.aus, f.aus);
        EXPECT_EQ(l.fehler, f.fehler);
    }
    // What cannot be printed is no finding: exit 2 and the reason.
    const int voll = open("/dev/full", O_WRONLY);
    const Lauf l = Ausfuehren({"--check", gut}, voll);
    close(voll);
    EXPECT_EQ(l.code, 2);
    EXPECT_EQ(l.fehler.rfind("wlr7sinus-export: Standardausgabe: ", 0), 0u) << l.fehler;
}

// The command line --check names writes the file again; --from takes the
// design from the file, options beside it override; byte for byte. A start
// phase is named; one the values leave open is said.
TEST(Pruefen, NeuGeschriebenUndWiedergeoeffnetGleicheBytes)
{
    const std::string ordner = TestOrdner(), alt = ordner + "/alt.txt", neu = ordner + "/neu.txt";
    const struct {
        std::vector<std::string> argumente;
        std::string gesagt;  // what the check says of it
    } entwuerfe[] = {
        {{"--period", "125"}, ""},
        {{"--timebase", "1ms", "--period", "300", "--periods", "1.237"}, " --periods 1.237 "},  // three decimals, not four
        {{"--rms", "3", "--period", "333.3", "--periods", "0.37", "--timebase", "3ms", "--curve", "4"},
         " --peak 4.2425 --offset 5 "},  // as short as it writes the same
        {{"--timebase", "1ms", "--period", "16357", "--periods", "1", "--peak", "4", "--offset", "5", "--phase", "120"},
         "; Phase 120°"},
        {{"--phase", "120"},
         "; Phase 120°; neu: wlr7sinus-export --timebase 10ms --period 200 --periods 1 --phase 120 --peak 5 --offset 5 "
         "--umax 10 --curve 1\n"},
        {{"--timebase", "1ms", "--period", "1000", "--periods", "0.05", "--peak", "0.72", "--offset", "7.28", "--phase",
          "77"}, "; Phase offen wie die Periode"}};
    for (const auto &f : entwuerfe) {
        std::vector<std::string> argumente = f.argumente;
        argumente.insert(argumente.end(), {"--output", alt});
        ASSERT_EQ(Ausfuehren(argumente).code, 0);
        const std::string aus = Ausfuehren({"--check", alt}).aus;
        EXPECT_NE(aus.find(f.gesagt), std::string::npos) << aus;
        EXPECT_EQ(aus.find("Phase") == std::string::npos, f.gesagt.find("Phase") == std::string::npos) << aus;
        // Pasted into a shell as it stands.
        const size_t wo = aus.find("; neu: wlr7sinus-export ") + 23;
        ASSERT_GT(wo, 23u) << aus;
        const std::string befehl = WLR7_EXPORT + aus.substr(wo, aus.find('\n', wo) - wo) + " --output '" + neu + "'";
        EXPECT_EQ(std::system(befehl.c_str()), 0);
        EXPECT_EQ(DateiLesen(neu), DateiLesen(alt)) << aus;
        const Lauf von = Ausfuehren({"--from", alt, "--output", neu});
        EXPECT_EQ(von.code, 0);
        EXPECT_EQ(DateiLesen(neu), DateiLesen(alt));
        // A period the values leave open is said, and which one was taken.
        EXPECT_EQ(von.fehler.find("Hinweis: --from " + alt + ": die Werte bestimmen die Periode nicht; genommen: ") !=
                      std::string::npos,
                  aus.find("Periode nicht eindeutig") != std::string::npos)
            << von.fehler;
        const Lauf anders = Ausfuehren({"--from", alt, "--curve", "2", "--output", neu});
        std::string erwartet = DateiLesen(alt);
        for (const char *kurve : {"\t1\n", "\t3\n", "\t4\n"})
            for (size_t i; (i = erwartet.find(kurve)) != std::string::npos;)
                erwartet.replace(i, 3, "\t2\n");
        EXPECT_EQ(DateiLesen(neu), erwartet);
    }
    // Two values a step apart leave the period open, and the design taken
    // writes other values: said, from the first data line that differs.
    ASSERT_EQ(Ausfuehren({"--timebase", "200us", "--period", "4.72850937705299", "--periods", "21.8", "--phase",
                          "-99.64", "--peak", "-0.10785375662587314", "--offset", "820.759277885652", "--umax",
                          "3243.792511958567", "--output", alt})
                  .code,
              0);
    // Counted from the header's closing empty line: the first differs.
    EXPECT_NE(Ausfuehren({"--from", alt, "--output", neu}).fehler.find(
                  "Hinweis: --from " + alt + ": die Eingaben exportieren ab Datenzeile 1 anders\n"), std::string::npos);
    // One data line: a design that writes it first, and more.
    std::string eine = DateiLesen(alt);
    DateiSchreiben(alt, eine = eine.substr(0, eine.find('\n', eine.find("\n\n") + 2) + 1) + "\n");
    EXPECT_NE(Ausfuehren({"--from", alt, "--output", neu}).fehler.find(" ab Datenzeile 2 anders\n"), std::string::npos);
    EXPECT_EQ(DateiLesen(neu).rfind(eine.substr(0, eine.size() - 1), 0), 0u);
    EXPECT_EQ(Ausfuehren({"--from", ordner + "/fehlt.txt", "--output", neu}).fehler,
              "wlr7sinus-export: --from \"" + ordner +
                  "/fehlt.txt\": Datei nicht gefunden\nHilfe: wlr7sinus-export --help\n");
}

TEST(Warnungen, AufDerFehlerausgabeUndUnterStrictExitDrei)
{
    const std::string datei = TestOrdner() + "/k.txt";
    EXPECT_EQ(Ausfuehren({"--strict", "--output", datei}).fehler, "") << "the default curve warns of nothing";
    const std::string warnungen =
        "wlr7sinus-export: Warnung: Frequenz 7.692 Hz statt 8 Hz (-3.8 %); genau 8 Hz mit Zeitbasis 5ms (25 Punkte je "
        "Periode)\nwlr7sinus-export: Warnung: begrenzt: 4 von 14 Werten bei 100 % und 4 bei 0 %\n";
    DateiSchreiben(datei, "alt");
    Lauf l = Ausfuehren({"--period", "125", "--peak", "8", "--output", datei});
    EXPECT_EQ(l.code, 0) << "scripts rely on it";
    EXPECT_EQ(l.fehler, warnungen);
    EXPECT_NE(DateiLesen(datei), "alt");
    DateiSchreiben(datei, "alt");
    l = Ausfuehren({"--period", "125", "--peak", "8", "--output", datei, "--strict"});
    EXPECT_EQ(l.code, 3);
    EXPECT_EQ(l.fehler, warnungen);
    EXPECT_EQ(DateiLesen(datei), "alt") << "nothing touched";
    for (const auto &[peak, gesagt] : {std::pair{"5", "100 %\n"}, {"5.1", "100 % und 1 bei 0 %\n"}}) {  // one crest cut
        l = Ausfuehren({"--period", "40", "--peak", peak, "--offset", "5.05", "--output", datei});
        EXPECT_NE(l.fehler.find("begrenzt: 1 von 5 Werten bei " + std::string(gesagt)), std::string::npos) << l.fehler;
    }
}

TEST(Pruefen, VonNimmtAusDateienMitBefundenNichtsUndWartetNie)
{
    // A hand-edited file: --check names the finding, --from the same and
    // writes nothing (exit 2). A FIFO nobody writes to reads as empty at once.
    const std::string ordner = TestOrdner(), gut = ordner + "/gut.txt", kaputt = ordner + "/kaputt.txt",
                      neu = ordner + "/neu.txt", fifo = ordner + "/fifo";
    ASSERT_EQ(Ausfuehren({"--frequency", "8", "--timebase", "5ms", "--output", gut}).code, 0);
    std::string text = DateiLesen(gut);
    DateiSchreiben(kaputt, text.replace(text.find("\t1\n", text.size() / 2), 3, "\t2\n"));
    const Lauf pruefen = Ausfuehren({"--check", kaputt});
    EXPECT_EQ(pruefen.code, 1);
    EXPECT_EQ(pruefen.aus.rfind(kaputt + ":16: ", 0), 0u) << pruefen.aus;
    // A value a hundredth off: named with the value the other lines call for.
    text = DateiLesen(gut);
    DateiSchreiben(kaputt, text.replace(text.find("\t43.73\t"), 7, "\t43.74\t"));
    const std::string falsch = kaputt + ":20: Wert passt nicht zur Sinuskurve der übrigen Zeilen (erwartet 43.73)\n";
    EXPECT_EQ(Ausfuehren({"--check", kaputt}).aus.rfind(falsch, 0), 0u);
    const Lauf von = Ausfuehren({"--from", kaputt, "--output", neu});
    EXPECT_EQ(von.code, 2);
    EXPECT_EQ(von.fehler.rfind(falsch, 0), 0u) << von.fehler;
    EXPECT_NE(von.fehler.find("aus ihr wird kein Entwurf genommen"), std::string::npos);
    EXPECT_NE(access(neu.c_str(), F_OK), 0) << "nothing written";
    // Beside another finding, lines may not stand where they are counted: no value is named.
    DateiSchreiben(kaputt, text.replace(text.find("\t1\n", text.size() / 2), 3, "\t2\n"));
    EXPECT_EQ(Ausfuehren({"--check", kaputt}).aus.find("passt nicht zur Sinus"), std::string::npos);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(Ausfuehren({"--check", fifo}).aus.rfind(fifo + ":1: Datei ist leer\n", 0), 0u);
    EXPECT_EQ(Ausfuehren({"--from", fifo, "--output", neu}).code, 2);
}
