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

struct Dateien {
    std::string ordner = TestOrdner();
    std::string Pfad(const std::string &name) const { return ordner + "/" + name; }
    // Writes @p name with the exporter's @p optionen.
    std::string Schreiben(const std::string &name, std::vector<std::string> optionen) const
    {
        EXPECT_EQ(Ausfuehren(optionen, {"--output", Pfad(name)}).code, 0) << name;
        return Pfad(name);
    }
};

// What --check says of @p dateien, one after the other.
std::string Geprueft(const std::vector<std::string> &dateien)
{
    std::string aus;
    for (const std::string &d : dateien)
        aus += Ausfuehren({"--check", d}).aus;
    return aus;
}

bool Enthaelt(const std::string &text, const std::string &teil)
{
    return text.find(teil) != std::string::npos;
}

}  // namespace

TEST(Satz, PassenderSatzNenntSchleifeFrequenzenUndPhasen)
{
    Dateien d;
    const std::string a = d.Schreiben("a.txt", {}), b = d.Schreiben("b.txt", {"--curve", "2"}),
                      c = d.Schreiben("c.txt", {"--curve", "3", "--peak", "-5"});
    const Lauf l = Ausfuehren({"--set", a, b, c});
    EXPECT_EQ(l.code, 0) << l.fehler;
    // The default design: one period of 20 samples and the one closing it, 10 ms apart.
    const int iZeilen = 20 + 1, iMs = 10;
    EXPECT_EQ(l.aus, Geprueft({a, b, c}) + "Satz: Schleife " + std::to_string(iZeilen * iMs) + " ms (" +
                         std::to_string(iZeilen) + " Datenzeilen × 10ms)\n" +
                         "Satz: " + a + ": Kurve 1, 5 Hz, Bezug der Phasen\n" +
                         "Satz: " + b + ": Kurve 2, 5 Hz wie " + a + ", Phase +0.0°\n" +
                         // An inverted copy lies half a turn from the first.
                         "Satz: " + c + ": Kurve 3, 5 Hz wie " + a + ", Phase +180.0°\n" + "Satz: keine Befunde\n");
    EXPECT_EQ(l.fehler, "");
}

TEST(Satz, BefundeNennenDieDateiMitExitEins)
{
    Dateien d;
    const std::string a = d.Schreiben("a.txt", {}), b = d.Schreiben("b.txt", {"--curve", "2"});
    const std::string doppelt = d.Schreiben("doppelt.txt", {"--curve", "1"});
    std::string text = DateiLesen(b);
    text.replace(text.find("\t2\n"), 3, "\t2\r\n");
    const std::string kaputt = d.Pfad("kaputt.txt");
    DateiSchreiben(kaputt, text);
    const struct {
        std::vector<std::string> dateien;
        std::vector<std::string> zeilen;
    } faelle[] = {
        {{a, doppelt},
         {doppelt + ": Kurvennummer 1 wie " + a + ": das Gerät spielt je Nummer nur eine Kurve\n", "Satz: 1 Befund\n"}},
        // A damaged file: its own findings, as --check names them; no phase from it.
        {{a, kaputt}, {kaputt + ":7: Zeilenende CR LF (Windows) statt LF\n", "Satz: " + kaputt + ": Kurve 2, 5 Hz wie " + a + ", Phase offen\n",
                       "Satz: keine Befunde\n"}},
    };
    for (const auto &f : faelle) {
        std::vector<std::string> argumente = {"--set"};
        argumente.insert(argumente.end(), f.dateien.begin(), f.dateien.end());
        const Lauf l = Ausfuehren(argumente);
        EXPECT_EQ(l.code, 1) << f.dateien.back();
        EXPECT_EQ(l.aus.substr(0, Geprueft(f.dateien).size()), Geprueft(f.dateien));
        for (const std::string &z : f.zeilen)
            EXPECT_TRUE(Enthaelt(l.aus, z)) << z << "\nin\n" << l.aus;
        EXPECT_EQ(l.fehler, "");
    }
}

TEST(Satz, AufrufFehlerMitExitZwei)
{
    Dateien d;
    const std::string a = d.Schreiben("a.txt", {}), b = d.Schreiben("b.txt", {"--curve", "2"}),
                      fehlt = d.Pfad("fehlt.txt");
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
        {{"--set", a, b, "--curve", "2"}, "",
         "wlr7sinus-export: --set prüft nur Dateien; --curve gehört nicht dazu.\nHilfe: wlr7sinus-export --help\n"},
        {{"--set", "--check", a, b}, "",
         "wlr7sinus-export: --check und --set schließen einander aus: --set prüft jede Datei wie --check und dazu "
         "den Satz.\nHilfe: wlr7sinus-export --help\n"},
        {{"--set", "--set", a, b}, "",
         "wlr7sinus-export: --set ist mehrfach angegeben; jede Option gilt nur einmal.\nHilfe: wlr7sinus-export "
         "--help\n"},
    };
    for (const auto &f : faelle) {
        const Lauf l = Ausfuehren(f.argumente);
        EXPECT_EQ(l.code, 2) << f.argumente.size();
        EXPECT_EQ(l.aus, f.aus);
        EXPECT_EQ(l.fehler, f.fehler);
    }
    // Standard input is one of the files.
    const Lauf l = Ausfuehren({"--set", a, "-"}, -1, b);
    EXPECT_EQ(l.code, 0) << l.aus;
    EXPECT_TRUE(Enthaelt(l.aus, "Satz: -: Kurve 2, 5 Hz wie " + a)) << l.aus;
}

TEST(Satz, DreiPhasenJeEinDrittelDrehung)
{
    Dateien d;
    const std::string u = d.Schreiben("u.txt", {}), v = d.Schreiben("v.txt", {"--curve", "2", "--phase", "120"}),
                      w = d.Schreiben("w.txt", {"--curve", "3", "--phase", "240"});
    const Lauf l = Ausfuehren({"--set", u, v, w});
    EXPECT_EQ(l.code, 0) << l.aus;
    EXPECT_TRUE(Enthaelt(l.aus, "Satz: " + u + ": Kurve 1, 5 Hz, Bezug der Phasen\n")) << l.aus;
    EXPECT_TRUE(Enthaelt(l.aus, "Satz: " + v + ": Kurve 2, 5 Hz wie " + u + ", Phase +120.0°\n")) << l.aus;
    EXPECT_TRUE(Enthaelt(l.aus, "Satz: " + w + ": Kurve 3, 5 Hz wie " + u + ", Phase -120.0°\n")) << l.aus;
    EXPECT_TRUE(Enthaelt(l.aus, "Satz: keine Befunde\n")) << l.aus;
    // Against another first curve the phases turn with it; four curves are a set.
    const std::string cos = d.Schreiben("cos.txt", {"--curve", "4", "--phase", "30"});
    const Lauf g = Ausfuehren({"--set", w, u, cos, v});
    EXPECT_EQ(g.code, 0) << g.aus;
    EXPECT_TRUE(Enthaelt(g.aus, "Satz: " + u + ": Kurve 1, 5 Hz wie " + w + ", Phase +120.0°\n")) << g.aus;
    EXPECT_TRUE(Enthaelt(g.aus, "Satz: " + cos + ": Kurve 4, 5 Hz wie " + w + ", Phase +150.0°\n")) << g.aus;
    EXPECT_TRUE(Enthaelt(g.aus, "Satz: " + v + ": Kurve 2, 5 Hz wie " + w + ", Phase -120.0°\n")) << g.aus;
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
    const std::string als = geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
    auto lauf = [&](const std::string &dateien) {
        const int s = std::system((als + WLR7_EXPORT + " --set " + dateien + " >" + aus + " 2>" + fehler).c_str());
        return WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    };
    EXPECT_EQ(lauf(a + " " + b), 0) << DateiLesen(fehler);
    EXPECT_TRUE(Enthaelt(DateiLesen(aus), "Satz: keine Befunde\n")) << DateiLesen(aus);
    EXPECT_EQ(lauf(a + " " + geheim), 2);
    EXPECT_EQ(DateiLesen(fehler).rfind("wlr7sinus-export: " + geheim + ": ", 0), 0u) << DateiLesen(fehler);
    EXPECT_FALSE(Enthaelt(DateiLesen(aus), "Satz: ")) << "no set without all its files";
}
