// wlr7sinus-export --plan as a test engineer runs it: a table of designs
// becomes files byte for byte like the single exports, or nothing at all;
// the manifest names exactly the files on disk, with checksums sha256sum
// agrees with.
#include "lauf.h"
#include "pruefsumme.h"

#include <algorithm>
#include <csignal>
#include <cstring>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <sstream>
#include <sys/stat.h>

namespace {

using Argumente = std::vector<std::string>;

// The manifest's file lines, each as its column -> value.
std::vector<std::map<std::string, std::string>> Manifest(const std::string &text)
{
    std::vector<std::map<std::string, std::string>> zeilen;
    std::vector<std::string> spalten;
    std::istringstream ein(text);
    for (std::string z; std::getline(ein, z);) {
        if (z.empty() || z[0] == '#') continue;
        std::istringstream zellen(z);
        std::vector<std::string> teile;
        for (std::string zelle; std::getline(zellen, zelle, '\t');) teile.push_back(zelle);
        if (spalten.empty())
            spalten = teile;
        else
            zeilen.emplace_back();
        for (std::size_t k = 0; k < teile.size() && !zeilen.empty(); ++k)
            zeilen.back()[spalten.at(k)] = teile[k];
    }
    return zeilen;
}

// sha256sum's checksum of each file, the independent oracle.
std::map<std::string, std::string> Summen(const std::vector<std::string> &dateien)
{
    const std::string aus = TestOrdner() + "/summen";
    std::string befehl = "sha256sum";
    for (const std::string &d : dateien) befehl += " '" + d + "'";
    EXPECT_EQ(std::system((befehl + " > '" + aus + "'").c_str()), 0);
    std::map<std::string, std::string> summen;
    std::istringstream ein(DateiLesen(aus));
    for (std::string summe, name; ein >> summe >> name;) summen[name] = summe;
    return summen;
}

std::string Zahl(std::mt19937 &z, double von, double bis)
{
    const double d = std::uniform_real_distribution<double>(von, bis)(z);
    char sz[40];
    std::snprintf(sz, sizeof sz, "%.*f", static_cast<int>(1 + z() % 4), d);
    std::string s = sz;
    if (z() % 3 == 0)
        std::replace(s.begin(), s.end(), '.', ',');  // as a German spreadsheet saves it
    return s;
}

// A plan of @p iAnzahl files f_0.txt ... of curve @p kurve in @p ordner, of 1 to 4 periods.
std::string Reihe(const std::string &ordner, int iAnzahl, const std::string &kurve)
{
    std::string text = "curve\tperiods\toutput\n";
    for (int i = 0; i < iAnzahl; ++i)
        text += kurve + "\t" + std::to_string(1 + i % 4) + "\t" + ordner + "/f_" + std::to_string(i) + ".txt\n";
    return text;
}

}  // namespace

// Random plans over random command lines: every file is the single export
// of the same inputs, the manifest's checksums are sha256sum's, and its
// inputs export the same file again.
TEST(Plan, JedeDateiWieIhrEinzelexportUndDasManifestStimmt)
{
    const unsigned iSaat = std::random_device{}();
    SCOPED_TRACE("Saat " + std::to_string(iSaat));
    std::mt19937 z(iSaat);
    const char *const ZEITBASEN[] = {"1ms", "2ms", "5ms", "10ms", "auto"};
    const std::map<std::string, std::pair<double, double>> BEREICHE = {
        {"umax", {1, 50}}, {"peak", {-5, 20}}, {"rms", {0, 10}}, {"offset", {-5, 15}},
        {"frequency", {0.5, 50}}, {"period", {20, 2000}}, {"periods", {0.1, 3}}};
    const std::pair<std::string, std::string> PAARE[] = {{"peak", "rms"}, {"frequency", "period"}};
    // Random inputs, each given with a chance of @p iVon in 5; of a pair one form.
    auto werte = [&](unsigned iVon) {
        std::map<std::string, std::string> w;
        for (const auto &[name, bereich] : BEREICHE)
            if (z() % 5 < iVon) w[name] = Zahl(z, bereich.first, bereich.second);
        for (const auto &[eins, zwei] : PAARE) w.erase(z() % 2 ? eins : zwei);
        if (z() % 2) w["timebase"] = ZEITBASEN[z() % 5];
        if (z() % 2) w["curve"] = std::to_string(1 + z() % 4);
        return w;
    };
    std::vector<std::string> spalten = {"umax", "peak", "rms", "offset", "frequency", "period", "periods",
                                        "timebase", "curve", "output"};
    for (int iPlan = 0; iPlan < 4; ++iPlan) {
        const std::string ordner = TestOrdner(), plan = ordner + "/plan.tsv", manifest = ordner + "/m.tsv";
        const std::map<std::string, std::string> basis = werte(1);  // the command line's, under every line
        std::shuffle(spalten.begin(), spalten.end(), z);
        std::string text = "# Reihe\n";
        for (const std::string &s : spalten) text += s + (&s == &spalten.back() ? "\n" : "\t");
        std::vector<std::pair<std::string, Argumente>> erwartet;  // file, options of its single export
        for (int iZeile = 0; iZeile < 6; ++iZeile) {
            std::map<std::string, std::string> zellen = werte(3);
            zellen["output"] = ordner + "/k" + std::to_string(iZeile) + ".txt";
            for (const std::string &s : spalten)
                text += zellen[s] + (&s == &spalten.back() ? "\n" : "\t");
            // The single export: the command line's inputs, a line's value in
            // place of the command line's for the same quantity.
            std::map<std::string, std::string> alle = basis;
            for (const auto &[eins, zwei] : PAARE)
                if (!zellen[eins].empty() || !zellen[zwei].empty())
                    alle.erase(eins), alle.erase(zwei);
            Argumente einzeln;
            for (const auto &[name, wert] : zellen)
                if (!wert.empty()) alle[name] = wert;
            for (const auto &[name, wert] : alle)
                if (name != "output") einzeln.insert(einzeln.end(), {"--" + name, wert});
            erwartet.emplace_back(zellen["output"], einzeln);
        }
        DateiSchreiben(plan, text);
        Argumente aufruf = {"--plan", plan, "--manifest", manifest};
        for (const auto &[name, wert] : basis) aufruf.insert(aufruf.end(), {"--" + name, wert});
        const Lauf l = Ausfuehren(aufruf);
        ASSERT_EQ(l.code, 0) << text << l.fehler;
        EXPECT_EQ(l.fehler.find('\r'), std::string::npos) << "no progress where standard error is no terminal";

        const auto zeilen = Manifest(DateiLesen(manifest));
        ASSERT_EQ(zeilen.size(), erwartet.size()) << DateiLesen(manifest);
        for (std::size_t i = 0; i < erwartet.size(); ++i) {
            const std::string datei = DateiLesen(erwartet[i].first);
            const Lauf einzeln = Ausfuehren(erwartet[i].second, {"--output", "-"});
            EXPECT_EQ(datei, einzeln.aus) << text << "Zeile " << i;
            auto m = zeilen[i];
            // The warnings column: the single export's warnings, in order.
            std::string warnungen, zeile;
            for (std::istringstream ein(einzeln.fehler); std::getline(ein, zeile);)
                if (zeile.rfind("wlr7sinus-export: Warnung: ", 0) == 0)
                    warnungen += (warnungen.empty() ? "" : " | ") + zeile.substr(27);
            EXPECT_EQ(m["warnungen"], warnungen) << "Zeile " << i;
            EXPECT_EQ(m["output"], erwartet[i].first);
            EXPECT_EQ(m["sha256"], Summen({erwartet[i].first}).at(erwartet[i].first));
            EXPECT_EQ(m["datenzeilen"], std::to_string(std::count(datei.begin(), datei.end(), '\n') - 7));
            // The manifest's inputs, exact and without exponents, export the file again.
            Argumente wieder = {"--output", "-"};
            for (const char *name : {"umax", "peak", "offset", "period", "periods", "timebase", "curve"}) {
                EXPECT_EQ(m[name].find_first_of("eE"), std::string::npos) << m[name];
                wieder.insert(wieder.end(), {std::string("--") + name, m[name]});
            }
            EXPECT_EQ(Ausfuehren(wieder).aus, datei) << "Zeile " << i;
        }
    }
}

// Each bad plan (one bad line) is refused with its "PLAN:LINE:" finding and
// exit 2 (3 for a warning under --strict); no file is touched.
TEST(Plan, FehlerhaftePlaeneSchreibenNichts)
{
    const std::string ordner = TestOrdner(), plan = ordner + "/plan.tsv", alt = ordner + "/alt.txt";
    const std::string a = ordner + "/a.txt";
    const struct {
        std::string text;
        Argumente extra;
        std::string befund;
        int code = 2;
    } faelle[] = {
        {"freq\toutput\n5\t" + a, {},
         ":1: unbekannte Spalte \"freq\"; Spalten sind umax, peak, rms, offset, "
         "frequency, period, periods, phase, timebase, curve, output."},
        {"output\toutput\n" + a + "\t" + alt, {}, ":1: Spalte output steht zweimal in der Kopfzeile."},
        {"frequency\n5", {}, ":1: Spalte output fehlt: jede Zeile nennt ihre Zieldatei."},
        {"frequency\toutput\nfünf\t" + a, {},
         ":2: Spalte frequency erwartet eine Zahl von 0.02 bis 20000, nicht \"fünf\"."},
        {"peak\trms\toutput\n1\t1\t" + a, {},
         ":2: Spalte peak und Spalte rms geben dieselbe Größe an; bitte nur eine davon."},
        {"timebase\tperiod\toutput\n50us\t50000\t" + a, {},
         ":2: Die Kurve besteht aus zu vielen Punkten. Reduzieren Sie die Perioden oder die Periodendauer oder erhöhen "
         "Sie die Zeitbasis. 1000000 Punkte, höchstens 16358"},
        {"output\n" + a + "\n# zweimal\n" + ordner + "/./a.txt", {},
         ":4: output \"" + ordner + "/./a.txt\" steht schon in Zeile 2"},
        {"output\n" + alt + "\n" + ordner + "/verweis", {},
         ":3: output \"" + ordner + "/verweis\" steht schon in Zeile 2"},
        {"frequency\toutput\n5\t", {}, ":2: output fehlt: wohin soll die Kurve dieser Zeile?"},
        {"output\n-", {}, ":2: output \"-\" gehört nicht in einen Plan"},
        {"output\n" + ordner + "/fehlt/a.txt", {},
         ":2: output \"" + ordner + "/fehlt/a.txt\": den Ordner gibt es nicht."},
        {"output\n" + ordner + "/m.tsv", {"--manifest", ordner + "/m.tsv"},
         ":2: output \"" + ordner + "/m.tsv\" ist die Datei von --manifest."},
        {"output\n" + plan, {}, ":2: output \"" + plan + "\" ist der Plan selbst."},
        {"output\n" + a + "\tx", {}, ":2: \"x\" steht in einer Spalte ohne Namen (Spalte 2)."},
        {"output\n" + a + std::string("\0x", 2), {}, ":2: Zeile enthält ein NUL-Byte"},
        {"output\n" + a, {"--manifest", plan}, "--manifest und --plan nennen dieselbe Datei"},
        {"output\n" + a, {"--manifest", ordner + "/fehlt/m.tsv"},
         "--manifest \"" + ordner + "/fehlt/m.tsv\": den Ordner gibt es nicht."},
        {"output\n" + a, {"--manifest", ordner}, "--manifest \"" + ordner + "\" ist ein Ordner"},
        {"output\n" + a, {"--manifest", "/dev/stdin"}, "--manifest \"/dev/stdin\" ist kein zum Schreiben offener"},
        {"output\n/dev/stdin", {}, ":2: output \"/dev/stdin\" ist kein zum Schreiben offener Deskriptor."},
        {"frequency\tpeak\toutput\n5V\t2Hz\t" + a, {},
         ":2: Spalte frequency \"5V\" passt nicht zu Frequenz: Hz, kHz, mHz.\n" + plan +
             ":2: Spalte peak \"2Hz\" passt nicht zu Amplitude: V, mV, kV, Veff, Vrms, Vss, Vpp."},
        {"output\n/dev/stdout", {"--manifest", "-"}, ":2: output \"/dev/stdout\" ist die Datei von --manifest."},
        {"output\n" + a + " ", {}, ":2: output \"" + a + " \" beginnt oder endet mit Leerraum"},
        {"output\n\xc2\xa0" + a, {}, ":2: output \"\xc2\xa0" + a + "\" beginnt oder endet mit Leerraum"},
        {"# nur ein Kommentar\n\n", {}, ": leer: die erste Zeile nennt die Spalten"},
        {"output\n\t\n", {}, ": keine Zeile mit einer Kurve."},
        {"frequency\toutput\n3\t" + a, {"--strict"}, ":2: Warnung: Frequenz 3.03 Hz statt 3 Hz (+1.0 %)", 3}};
    ASSERT_EQ(symlink(alt.c_str(), (ordner + "/verweis").c_str()), 0);
    for (const auto &f : faelle) {
        DateiSchreiben(alt, "alt");
        DateiSchreiben(plan, f.text);
        Argumente aufruf = {"--plan", plan};
        aufruf.insert(aufruf.end(), f.extra.begin(), f.extra.end());
        const Lauf l = Ausfuehren(aufruf);
        EXPECT_EQ(l.code, f.code) << f.text;
        const std::string befund = f.befund.rfind("--", 0) == 0 ? f.befund : plan + f.befund;
        EXPECT_NE(l.fehler.find(befund), std::string::npos) << befund << "\n" << l.fehler;
        if (befund != f.befund) {
            EXPECT_NE(l.fehler.find("wlr7sinus-export: " + plan + ": 1 Zeile mit "), std::string::npos) << l.fehler;
            EXPECT_NE(l.fehler.find("keine Datei geschrieben.\n"), std::string::npos) << l.fehler;
        }
        EXPECT_EQ(DateiLesen(alt), "alt");
        EXPECT_EQ(Eintraege(ordner), 3u) << f.text;  // the plan, alt.txt and the link: nothing new
    }
    // The plan on standard input names itself "-"; every bad line is found, not only the first.
    DateiSchreiben(plan, "periods\toutput\n0\t" + a + "\n1\t" + ordner + "/b.txt\n2\t\n");
    const Lauf l = Ausfuehren({"--plan", "-"}, -1, plan);
    EXPECT_EQ(l.code, 2);
    EXPECT_EQ(l.fehler.substr(0, l.fehler.find("wlr7sinus-export:")),
              "-:2: Spalte periods erwartet eine Zahl von 0.01 bis 100, nicht \"0\".\n"
              "-:4: output fehlt: wohin soll die Kurve dieser Zeile?\n");
    EXPECT_NE(l.fehler.find("-: 2 Zeilen mit Fehlern"), std::string::npos) << l.fehler;
    EXPECT_NE(access((ordner + "/b.txt").c_str(), F_OK), 0) << "nothing written before the plan is checked";
    const std::string gross = ordner + "/gross.tsv";  // sparse: read fast, zeros all the same
    ASSERT_EQ(truncate((DateiSchreiben(gross, ""), gross.c_str()), 64 << 20), 0);
    EXPECT_NE(Ausfuehren({"--plan", gross}).fehler.find(":1: Zeile enthält ein NUL-Byte"), std::string::npos)
        << "64 MB are read whole";
    ASSERT_EQ(truncate(gross.c_str(), (64 << 20) + 1), 0);
    EXPECT_EQ(Ausfuehren({"--plan", gross}).fehler,
              "wlr7sinus-export: Plan nicht lesbar – mehr als 64 MB; ein Plan ist eine Tabelle mit einer Zeile je "
              "Kurve: " + gross + "\nHilfe: wlr7sinus-export --help\n");
    EXPECT_EQ(Ausfuehren({"--plan", ordner + "/fehlt.tsv"}).fehler,
              "wlr7sinus-export: Plan nicht lesbar – Datei nicht gefunden: " + ordner + "/fehlt.tsv\n"
              "Hilfe: wlr7sinus-export --help\n");
    EXPECT_EQ(Ausfuehren({"--plan", "-"}, -1, ordner).fehler,
              "wlr7sinus-export: Plan nicht lesbar – Ist ein Ordner: Standardeingabe\nHilfe: wlr7sinus-export --help\n");
}

// A size limit hit by the third file: exit 1 naming it, the two before
// whole, the third's old content and the fourth untouched, and a manifest
// of exactly the two.
TEST(Plan, AbbruchInDerMitteLaesstGanzeDateienUndIhrManifest)
{
    const std::string ordner = TestOrdner(), plan = ordner + "/plan.tsv", manifest = ordner + "/m.tsv";
    const std::string einzel = Ausfuehren({"--output", "-"}).aus;
    DateiSchreiben(ordner + "/c.txt", "alt");
    DateiSchreiben(plan, "periods\toutput\n1\t" + ordner + "/a.txt\n1\t" + ordner + "/b.txt\n20\t" + ordner +
                             "/c.txt\n1\t" + ordner + "/d.txt\n");
    Lauf l;
    {
        const Dateigrenze grenze(2000);  // a default file and the manifest fit, 20 periods do not
        l = Ausfuehren({"--plan", plan, "--manifest", manifest});
    }
    EXPECT_EQ(l.code, 1);
    EXPECT_NE(l.fehler.find(plan + ":4: Fehler #301204: "), std::string::npos) << l.fehler;
    EXPECT_NE(l.fehler.find(": " + ordner + "/c.txt\n"), std::string::npos) << l.fehler;
    EXPECT_NE(l.fehler.find("2 von 4 Dateien geschrieben"), std::string::npos) << l.fehler;
    EXPECT_EQ(DateiLesen(ordner + "/a.txt"), einzel);
    EXPECT_EQ(DateiLesen(ordner + "/b.txt"), einzel);
    EXPECT_EQ(DateiLesen(ordner + "/c.txt"), "alt");
    EXPECT_EQ(Eintraege(ordner), 5u) << "no d.txt, no temporary file";
    const auto zeilen = Manifest(DateiLesen(manifest));
    ASSERT_EQ(zeilen.size(), 2u);
    EXPECT_EQ(zeilen[0].at("output") + " " + zeilen[1].at("output"), ordner + "/a.txt " + ordner + "/b.txt");
}

// The folder's sync at the series' end fails: the files are whole, but
// their renames may not last, and the run says so with exit 1.
TEST(Plan, OrdnerSyncAmEndeGescheitertIstExitEins)
{
    if (!StraceBereit()) GTEST_SKIP() << "no strace";
    const std::string ordner = TestOrdner(), plan = ordner + "/plan.tsv", fehler = TestOrdner() + "/fehler";
    DateiSchreiben(plan, "output\n" + ordner + "/a.txt\n" + ordner + "/b.txt\n");
    // Two files' syncs, then the one folder's.
    const int status = std::system(("strace -f -qq -o /dev/null -e trace=fsync -e inject=fsync:error=EIO:when=3 " +
                                    std::string(WLR7_EXPORT) + " --plan '" + plan + "' 2>'" + fehler + "'")
                                       .c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    EXPECT_NE(DateiLesen(fehler).find("die Ordner der geschriebenen Dateien ließen sich nicht auf die Platte "
                                      "bringen: Ein-/Ausgabefehler"),
              std::string::npos)
        << DateiLesen(fehler);
    const std::string einzel = Ausfuehren({"--output", "-"}).aus;
    EXPECT_EQ(DateiLesen(ordner + "/a.txt") + DateiLesen(ordner + "/b.txt"), einzel + einzel);
}

// --from gives the design the lines start from; a line's cell still wins.
TEST(Plan, VonDateiAlsGrundlage)
{
    const std::string ordner = TestOrdner(), plan = ordner + "/plan.tsv", vorlage = ordner + "/vorlage.txt";
    ASSERT_EQ(Ausfuehren({"--rms", "2", "--frequency", "4", "--timebase", "5ms", "--output", vorlage}).code, 0);
    DateiSchreiben(plan, "curve\toutput\n\t" + ordner + "/a.txt\n3\t" + ordner + "/b.txt\n");
    ASSERT_EQ(Ausfuehren({"--from", vorlage, "--plan", plan}).code, 0);
    EXPECT_EQ(DateiLesen(ordner + "/a.txt"), DateiLesen(vorlage));
    EXPECT_EQ(DateiLesen(ordner + "/b.txt"), Ausfuehren({"--from", vorlage, "--curve", "3", "--output", "-"}).aus);
}

// A plan as a spreadsheet saves it: a UTF-8 mark, CR LF line ends, cells in
// quotes ("" for a quote), decimal commas, empty and comment lines, no line
// end after the last line. Each file is its single export.
TEST(Plan, WieEineTabellenkalkulationSieSpeichert)
{
    const std::string ordner = TestOrdner(), plan = ordner + "/plan\n1 a.tsv", manifest = ordner + "/m.tsv";
    const std::string a = ordner + "/a \"b\".txt", c = ordner + "/c.txt";
    DateiSchreiben(plan, "\xef\xbb\xbf\"periods\"\t\"output\"\tcurve\r\n\"1,5\"\t\"" + ordner +
                             "/a \"\"b\"\".txt\"\t\"\"\r\n\r\n\t\r\n# Kommentar\r\n2\t" + c + "\t3");
    const Lauf l = Ausfuehren({"--plan", plan, "--manifest", manifest});
    ASSERT_EQ(l.code, 0) << l.fehler;
    EXPECT_EQ(DateiLesen(a), Ausfuehren({"--periods", "1.5", "--output", "-"}).aus);
    EXPECT_EQ(DateiLesen(c), Ausfuehren({"--periods", "2", "--curve", "3", "--output", "-"}).aus);
    const auto zeilen = Manifest(DateiLesen(manifest));
    ASSERT_EQ(zeilen.size(), 2u);
    EXPECT_EQ(zeilen[0].at("output") + "|" + zeilen[0].at("periods") + "|" + zeilen[1].at("output") + "|" +
                  zeilen[1].at("periods"), a + "|1.5|" + c + "|2");
    EXPECT_EQ(Eintraege(ordner), 4u);
    // The plan's name stays on its one line of the header; read from
    // standard input, the plan is named as such.
    EXPECT_EQ(DateiLesen(manifest).rfind("# wlr7sinus-export 1.0\n# Plan: " + ordner + "/plan?1 a.tsv\noutput\t", 0), 0u);
    const Lauf ein = Ausfuehren({"--plan", "-", "--manifest", "-"}, -1, plan);
    EXPECT_EQ(ein.aus.rfind("# wlr7sinus-export 1.0\n# Plan: Standardeingabe\noutput\t", 0), 0u) << ein.aus;
    // A manifest that cannot be written is a failure, named where it was to go.
    const int voll = open("/dev/full", O_WRONLY);
    const Lauf voller = Ausfuehren({"--plan", plan, "--manifest", "-"}, voll);
    close(voll);
    EXPECT_EQ(voller.code, 1);
    EXPECT_NE(voller.fehler.find(": Standardausgabe\n"), std::string::npos) << voller.fehler;
}

// On a terminal a long plan shows how far it is; the files are the same.
// A message ends the progress line first: a failing sync of the folder
// after the 50 files' own.
TEST(Plan, FortschrittNurAufDemTerminal)
{
    const std::string ordner = TestOrdner(), plan = ordner + "/plan.tsv";
    DateiSchreiben(plan, Reihe(ordner, 50, "1"));  // the shortest plan that shows it
    const auto gezeigt = [&](const std::string &vorn, int code) {
        const int meister = posix_openpt(O_RDWR | O_NOCTTY);
        EXPECT_EQ(grantpt(meister) + unlockpt(meister), 0);
        const int status = std::system((vorn + WLR7_EXPORT + " --plan '" + plan + "' >/dev/null 2>" + ptsname(meister)).c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == code) << status;
        std::string text;
        char puffer[4096];
        for (ssize_t n; (n = read(meister, puffer, sizeof puffer)) > 0;) text.append(puffer, static_cast<std::size_t>(n));
        close(meister);
        return text;
    };
    const std::string text = gezeigt("", 0);
    EXPECT_NE(text.find("wlr7sinus-export: Datei 50 von 50\r\n"), std::string::npos) << "the line ended" << text;
    EXPECT_EQ(Eintraege(ordner), 51u);
    if (!StraceBereit()) GTEST_SKIP() << "no strace";
    const std::string sync = gezeigt("strace -f -qq -o /dev/null -e trace=fsync -e inject=fsync:error=EIO:when=51 ", 1);
    EXPECT_NE(sync.find("\nwlr7sinus-export: die Ordner"), std::string::npos) << sync;
}

// A series told to stop (SIGTERM, SIGINT, SIGHUP at a chosen sync, as an
// ordinary user where the test runs as root) finishes the file under way,
// leaves a manifest of exactly the files it wrote, each line's checksum
// sha256sum's, the old manifest replaced whole, and ends with 128 + the
// signal. Killed (SIGKILL) there, every file is the old or the whole new
// one, and the old manifest stands.
TEST(Plan, AngehaltenLaesstEinManifestDasJedeDateiTrifft)
{
    if (!StraceBereit()) GTEST_SKIP() << "no strace";
    const std::string ordner = OrdnerVonNiemand(), fehler = TestOrdner() + "/fehler";
    const int ANZAHL = 30, SYNC = 12;
    const std::string plan = ordner + "/plan.tsv", manifest = ordner + "/m.tsv";
    for (int sig : {SIGTERM, SIGINT, SIGHUP, SIGKILL}) {
        // A whole series first: its manifest and files are the old state.
        DateiSchreiben(plan, Reihe(ordner, ANZAHL, "1"));
        ASSERT_EQ(std::system(AlsNiemand({"--plan", plan, "--manifest", manifest}).c_str()), 0);
        const std::string altesManifest = DateiLesen(manifest);
        DateiSchreiben(plan, Reihe(ordner, ANZAHL, "3"));
        const int status = std::system(("strace -f -qq -o /dev/null -e trace=fsync -e inject=fsync:signal=" +
                                        std::string(sigabbrev_np(sig)) + ":when=" + std::to_string(SYNC) + " " +
                                        AlsNiemand({"--plan", plan, "--manifest", manifest}) + " 2>'" + fehler + "'")
                                           .c_str());
        if (sig == SIGKILL) {
            EXPECT_EQ(DateiLesen(manifest), altesManifest);
            int iNeu = 0;
            for (int i = 0; i < ANZAHL; ++i) {
                const std::string inhalt = DateiLesen(ordner + "/f_" + std::to_string(i) + ".txt");
                const Argumente entwurf = {"--periods", std::to_string(1 + i % 4), "--output", "-", "--curve"};
                iNeu += inhalt == Ausfuehren(entwurf, {"3"}).aus;
                EXPECT_TRUE(inhalt == Ausfuehren(entwurf, {"1"}).aus || inhalt == Ausfuehren(entwurf, {"3"}).aus) << i;
            }
            EXPECT_EQ(iNeu, SYNC - 1) << "the file under way is not yet there";
            continue;
        }
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 128 + sig) << sig << " " << status;
        EXPECT_NE(DateiLesen(fehler).find("dann angehalten (SIG" + std::string(sigabbrev_np(sig)) + ")"),
                  std::string::npos)
            << DateiLesen(fehler);
        const auto zeilen = Manifest(DateiLesen(manifest));
        // The signal came at the sync of file SYNC: that file is finished too.
        EXPECT_EQ(zeilen.size(), static_cast<std::size_t>(SYNC)) << sig;
        for (std::size_t i = 0; i < zeilen.size(); ++i) {
            const std::string datei = ordner + "/f_" + std::to_string(i) + ".txt";
            EXPECT_EQ(zeilen[i].at("output"), datei);
            EXPECT_EQ(zeilen[i].at("curve"), "3") << "this run's file";
            EXPECT_EQ(zeilen[i].at("sha256"), Summen({datei}).at(datei)) << i;
        }
        EXPECT_EQ(Eintraege(ordner), static_cast<std::size_t>(ANZAHL + 2)) << "no temporary file is left";
    }
}

// A plan's phase column writes what the single export writes; an empty cell
// takes the command line's phase. The manifest names the phase ("-0" as 0)
// in its own column before the checksum, and only where a line starts
// elsewhere than at 0.
TEST(Phase, PlanspalteSchreibtWasDerEinzelexportSchreibt)
{
    const std::string ordner = TestOrdner(), plan = ordner + "/plan.tsv", manifest = ordner + "/m.tsv";
    const char *const PHASEN[][2] = {{"-0", "0"}, {"-120", "-120"}, {"", "45"}, {"12,5\u00b0", "12.5"}};
    std::string text = "phase\tperiods\toutput\n";
    for (const auto &phase : PHASEN)
        text += std::string(phase[0]) + "\t2\t" + ordner + "/" + phase[1] + ".txt\n";
    DateiSchreiben(plan, text);
    const Lauf r = Ausfuehren({"--phase", "45", "--plan", plan, "--manifest", manifest});
    ASSERT_EQ(r.code, 0) << r.fehler;
    const auto m = Manifest(DateiLesen(manifest));
    ASSERT_EQ(m.size(), std::size(PHASEN));
    for (std::size_t i = 0; i < m.size(); ++i) {
        EXPECT_EQ(DateiLesen(ordner + "/" + PHASEN[i][1] + ".txt"),
                  Ausfuehren({"--phase", PHASEN[i][1], "--periods", "2", "--output", "-"}).aus);
        EXPECT_EQ(m[i].at("phase"), PHASEN[i][1]);
    }
    const std::string spalten = "output\tumax\tpeak\trms\toffset\tfrequency\tperiod\tperiods\ttimebase\tcurve\t"
                                "datenzeilen\tfrequenz_datei\twarnungen";
    EXPECT_NE(DateiLesen(manifest).find("\n" + spalten + "\tphase\tsha256\n"), std::string::npos);
    DateiSchreiben(plan, "periods\tphase\toutput\n2\t0\t" + ordner + "/a.txt\n");
    ASSERT_EQ(Ausfuehren({"--plan", plan, "--manifest", manifest}).code, 0);
    EXPECT_NE(DateiLesen(manifest).find("\n" + spalten + "\tsha256\n"), std::string::npos);
}

// The manifest's SHA-256 against sha256sum, for lengths around the block
// and padding boundaries and a long one, over random bytes.
TEST(Pruefsumme, WieSha256sum)
{
    const std::string ordner = TestOrdner();
    const unsigned saat = std::random_device{}();
    std::mt19937 zufall(saat);
    for (std::size_t n : {0, 1, 55, 56, 63, 64, 65, 119, 120, 128, 70001}) {
        std::string s(n, '\0');
        for (char &c : s) c = static_cast<char>(zufall());
        const std::string datei = ordner + "/" + std::to_string(n);
        DateiSchreiben(datei, s);
        char sz[PRUEFSUMME_HEX_GROESSE + 40];  // a larger area: the text ends where it should
        std::memset(sz, 'x', sizeof sz);
        Pruefsumme_Sha256(s.data(), s.size(), sz);
        EXPECT_EQ(sz, Summen({datei}).at(datei)) << n << " Bytes, Saat " << saat;
    }
}
