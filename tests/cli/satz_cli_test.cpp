// wlr7sinus-export --set as an engineer runs it before loading curves 1-4
// onto one rig: each file checked as --check checks it, then what does not
// fit together, each naming its file, then the set's facts; exit 0, 1 or 2.
#include "lauf.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

// Writes @p name in a test folder with the exporter's @p optionen.
std::string Schreiben(const std::string &name, std::vector<std::string> optionen)
{
    static const std::string ordner = TestOrdner();
    EXPECT_EQ(Ausfuehren(optionen, {"--output", ordner + "/" + name}).code, 0) << name;
    return ordner + "/" + name;
}

// What --check says of @p dateien, one after the other.
std::string Geprueft(const std::vector<std::string> &dateien)
{
    std::string aus;
    for (const std::string &d : dateien) aus += Ausfuehren({"--check", d}).aus;
    return aus;
}

}  // namespace

TEST(Satz, PassenderSatzNenntSchleifeFrequenzenUndPhasen)
{
    const std::string a = Schreiben("a.txt", {}), b = Schreiben("b.txt", {"--curve", "2", "--phase", "120"}),
                      c = Schreiben("c.txt", {"--curve", "3", "--peak", "-5"});
    Lauf l = Ausfuehren({"--set", a, b, c});
    EXPECT_EQ(l.code, 0) << l.fehler;
    // The default design: one period of 20 samples and the one closing it, 10 ms apart.
    EXPECT_EQ(l.aus, Geprueft({a, b, c}) + "Satz: Schleife 210 ms (21 Datenzeilen × 10ms)\n" +
                         "Satz: " + a + ": Kurve 1, 5 Hz, Bezug der Phasen\n" +
                         "Satz: " + b + ": Kurve 2, 5 Hz wie " + a + ", Phase +120.0°\n" +
                         // An inverted copy lies half a turn from the first.
                         "Satz: " + c + ": Kurve 3, 5 Hz wie " + a + ", Phase +180.0°\n" + "Satz: keine Befunde\n");
    EXPECT_EQ(l.fehler, "");
    // Against another first curve the phases turn with it; four curves are a set.
    const std::string d = Schreiben("d.txt", {"--curve", "4", "--phase", "240"});
    l = Ausfuehren({"--set", d, a, c, b});
    EXPECT_EQ(l.code, 0) << l.aus;
    EXPECT_NE(l.aus.find("Satz: " + a + ": Kurve 1, 5 Hz wie " + d + ", Phase +120.0°\n" + "Satz: " + c +
                         ": Kurve 3, 5 Hz wie " + d + ", Phase -60.0°\n" + "Satz: " + b + ": Kurve 2, 5 Hz wie " +
                         d + ", Phase -120.0°\n"),
              std::string::npos)
        << l.aus;
}

TEST(Satz, BefundeNennenDieDateiMitExitEins)
{
    const std::string a = Schreiben("a.txt", {}), doppelt = Schreiben("doppelt.txt", {"--curve", "1"});
    std::string text = DateiLesen(Schreiben("b.txt", {"--curve", "2"}));
    text.replace(text.find("\t2\n"), 3, "\t2\r\n");
    const std::string kaputt = a + ".kaputt";
    DateiSchreiben(kaputt, text);
    const std::string kopf =
        "Satz: Schleife 210 ms (21 Datenzeilen × 10ms)\nSatz: " + a + ": Kurve 1, 5 Hz, Bezug der Phasen\n";
    const struct {
        std::vector<std::string> dateien;
        std::string satz;  // what follows the files' own findings
    } faelle[] = {
        {{a, doppelt}, doppelt + ": Kurvennummer 1 wie " + a + ": das Gerät spielt je Nummer nur eine Kurve\n" + kopf +
                           "Satz: " + doppelt + ": Kurve 1, 5 Hz wie " + a + ", Phase +0.0°\nSatz: 1 Befund\n"},
        // A damaged file: its own findings, as --check names them; no phase from it.
        {{a, kaputt}, kopf + "Satz: " + kaputt + ": Kurve 2, 5 Hz wie " + a + ", Phase offen\nSatz: keine Befunde\n"}};
    for (const auto &f : faelle) {
        const Lauf l = Ausfuehren({"--set", f.dateien[0], f.dateien[1]});
        EXPECT_EQ(l.code, 1) << f.dateien.back();
        EXPECT_EQ(l.aus, Geprueft(f.dateien) + f.satz);
        EXPECT_EQ(l.fehler, "");
    }
}

TEST(Satz, AufrufFehlerMitExitZwei)
{
    const std::string a = Schreiben("a.txt", {}), b = Schreiben("b.txt", {"--curve", "2"}), fehlt = a + ".fehlt";
    const std::string anzahl = "wlr7sinus-export: --set erwartet 2 bis 4 Kurvendateien, die ein Gerät zusammen spielt "
                               "(Kurven 1 bis 4).\n";
    const struct {
        std::vector<std::string> argumente;
        std::string aus, fehler;
    } faelle[] = {
        {{"--set", a}, "", anzahl},
        {{"--set", a, b, a, b, a}, "", anzahl},
        // A file that cannot be read leaves no set: the others are checked, nothing of the set said.
        {{"--set", a, fehlt}, Geprueft({a}), "wlr7sinus-export: " + fehlt + ": Datei nicht gefunden\n"},
        {{"--set", "-", a, "-"}, "",
         "wlr7sinus-export: --set: \"-\" (Standardeingabe) steht mehr als einmal; sie hält nur eine Datei.\n"},
        {{"--set", a, b, "--umax", "5"}, "",
         "wlr7sinus-export: --set prüft nur Dateien; --umax gehört nicht dazu.\nHilfe: wlr7sinus-export --help\n"},
        {{"--set", "--check", a, b}, "",
         "wlr7sinus-export: --check und --set schließen einander aus: --set prüft jede Datei wie --check und dazu "
         "den Satz.\nHilfe: wlr7sinus-export --help\n"}};
    for (const auto &f : faelle) {
        const Lauf l = Ausfuehren(f.argumente);
        EXPECT_EQ(l.code, 2) << f.argumente.size();
        EXPECT_EQ(l.aus, f.aus);
        EXPECT_EQ(l.fehler, f.fehler);
    }
    // Standard input is one of the files.
    const Lauf l = Ausfuehren({"--set", a, "-"}, -1, b);
    EXPECT_EQ(l.code, 0) << l.aus;
    EXPECT_NE(l.aus.find("Satz: -: Kurve 2, 5 Hz wie " + a), std::string::npos) << l.aus;
}

TEST(Satz, AlsGewoehnlicherNutzerEineDateiOhneLeserecht)
{
    // The user (uid 65534 where the test runs as root) reads the files of a set; one is not theirs to read.
    const std::string ordner = OrdnerVonNiemand(), a = ordner + "/a.txt", b = ordner + "/b.txt",
                      geheim = ordner + "/geheim.txt", aus = ordner + "/aus", fehler = ordner + "/fehler";
    DateiSchreiben(a, Ausfuehren({"--output", "-"}).aus);
    DateiSchreiben(b, Ausfuehren({"--curve", "2", "--output", "-"}).aus);
    DateiSchreiben(geheim, DateiLesen(b));
    chmod(a.c_str(), 0644), chmod(b.c_str(), 0644), chmod(geheim.c_str(), geteuid() == 0 ? 0600 : 0);
    auto lauf = [&](const std::string &datei) {
        const int s = std::system((AlsNiemand({"--set", a, datei}) + " >" + aus + " 2>" + fehler).c_str());
        return WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    };
    EXPECT_EQ(lauf(b), 0) << DateiLesen(fehler);
    EXPECT_NE(DateiLesen(aus).find("Satz: keine Befunde\n"), std::string::npos) << DateiLesen(aus);
    EXPECT_EQ(lauf(geheim), 2);
    EXPECT_EQ(DateiLesen(fehler).rfind("wlr7sinus-export: " + geheim + ": ", 0), 0u) << DateiLesen(fehler);
    EXPECT_EQ(DateiLesen(aus).find("Satz: "), std::string::npos) << "no set without all its files";
}
