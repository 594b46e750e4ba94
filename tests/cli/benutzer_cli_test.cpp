// wlr7sinus-export as an ordinary user (uid 65534; the tests drop to it
// themselves where they run as root) over an existing plain file: killed at
// any system call of the write, the file is the old one or the whole new
// one.
#include "lauf.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <sys/stat.h>

namespace {

void AlteDatei(const std::string &pfad, const std::string &inhalt)
{
    DateiSchreiben(pfad, inhalt);
    if (geteuid() == 0) (void)!chown(pfad.c_str(), NIEMAND, NIEMAND);
}

// The system calls of one run, by name, with how often each comes.
std::map<std::string, int> Aufrufe(const std::string &befehl, const std::string &protokoll)
{
    std::map<std::string, int> anzahl;
    if (std::system(("strace -f -qq -o '" + protokoll + "' " + befehl + " 2>/dev/null").c_str()) != 0)
        return anzahl;
    std::ifstream ein(protokoll);
    for (std::string zeile; std::getline(ein, zeile);) {
        std::istringstream z(zeile);
        std::string pid, rest;
        z >> pid >> rest;
        const std::size_t klammer = rest.find('(');
        if (klammer != std::string::npos && klammer > 0 && rest[0] != '<')
            ++anzahl[rest.substr(0, klammer)];
    }
    return anzahl;
}

}  // namespace

TEST(AlsBenutzer, TodBeiJedemSystemaufrufLaesstAltOderGanzNeu)
{
    if (!StraceBereit()) GTEST_SKIP() << "no strace";
    const std::string ordner = OrdnerVonNiemand(), ziel = ordner + "/k.txt";
    std::vector<std::string> neuArg = {"--frequency", "0.07", "--timebase", "1ms", "--curve", "2", "--peak", "4"};
    const std::string neu = Ausfuehren(neuArg, {"--output", "-"}).aus;
    neuArg.insert(neuArg.end(), {"--output", ziel});
    const std::string alt = Ausfuehren({"--frequency", "0.062", "--timebase", "1ms", "--output", "-"}).aus;
    AlteDatei(ziel, alt);
    const std::map<std::string, int> aufrufe = Aufrufe(AlsNiemand(neuArg), TestOrdner() + "/strace");
    ASSERT_FALSE(aufrufe.empty());
    ASSERT_EQ(DateiLesen(ziel), neu);
    ASSERT_GT(alt.size(), neu.size()) << "the old file is longer: a mixed one shows";
    int laeufe = 0, getoetet = 0;
    for (const auto &[name, anzahl] : aufrufe)
        for (int wann = 1; wann <= anzahl; ++wann, ++laeufe) {
            AlteDatei(ziel, alt);
            getoetet += std::system(("strace -f -qq -o /dev/null -e trace=" + name + " -e inject=" + name +
                                     ":signal=SIGKILL:when=" + std::to_string(wann) + " " + AlsNiemand(neuArg) +
                                     " 2>/dev/null")
                                        .c_str()) != 0;
            const std::string inhalt = DateiLesen(ziel);
            EXPECT_TRUE(inhalt == alt || inhalt == neu) << "killed at " << name << " #" << wann << ": " << inhalt.size();
        }
    EXPECT_GT(getoetet, laeufe / 2) << "the kills came";
    EXPECT_EQ(std::system(AlsNiemand(neuArg).c_str()), 0);
    EXPECT_EQ(Eintraege(ordner), 1u) << "a later run clears what the killed ones left";
}

// A manifest the user may not create is found before any file is touched;
// one that is there and theirs to write is written in place.
TEST(AlsBenutzer, ManifestImOrdnerOhneNeueDatei)
{
    const std::string ordner = OrdnerVonNiemand(), zu = ordner + "/zu", plan = ordner + "/plan.tsv";
    const std::string manifest = zu + "/m.tsv", fehler = TestOrdner() + "/fehler";
    mkdir(zu.c_str(), 0755);
    if (geteuid() == 0) (void)!chown(zu.c_str(), NIEMAND, NIEMAND);
    chmod(zu.c_str(), 0555);
    DateiSchreiben(plan, "output\n" + ordner + "/a.txt\n");
    const int status =
        std::system((AlsNiemand({"--plan", plan, "--manifest", manifest}) + " 2>'" + fehler + "'").c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << status;
    EXPECT_NE(DateiLesen(fehler).find("--manifest \"" + manifest + "\": der Ordner nimmt keine neue Datei an "
                                      "(Keine Berechtigung)."),
              std::string::npos)
        << DateiLesen(fehler);
    EXPECT_EQ(Eintraege(ordner), 2u) << "the plan and the folder: no a.txt";
    chmod(zu.c_str(), 0755);
    AlteDatei(manifest, "alt\n");
    chmod(zu.c_str(), 0555);
    EXPECT_EQ(std::system(AlsNiemand({"--plan", plan, "--manifest", manifest}).c_str()), 0);
    EXPECT_EQ(DateiLesen(manifest).find("alt\n"), std::string::npos);
    EXPECT_NE(DateiLesen(manifest).find("\n" + ordner + "/a.txt\t"), std::string::npos) << DateiLesen(manifest);
}
