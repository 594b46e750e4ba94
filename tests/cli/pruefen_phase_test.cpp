// wlr7sinus-export --check and --from on files written with a start phase:
// the check names the phase, its command line and --from write the file
// again byte for byte, and a phase the values leave open is said.
#include "lauf.h"

#include <gtest/gtest.h>
#include <sstream>

TEST(PruefenPhase, NenntDiePhaseUndSchreibtSieWieder)
{
    const std::string ordner = TestOrdner(), alt = ordner + "/alt.txt", neu = ordner + "/neu.txt";
    const struct {
        std::vector<std::string> argumente;
        std::string phase;  // what the check says of it
    } faelle[] = {
        {{"--phase", "120"}, "; Phase 120°"},
        // A cosine of one period falls and rises once: every P from the
        // number of lines on is still decided; so for the longest curve.
        {{"--phase", "90"}, "; Frequenz 5 Hz (20 Punkte je Periode); Phase 90°; neu:"},
        {{"--phase", "90", "--timebase", "50us", "--period", "800"}, "; Frequenz 1.25 Hz (16000 Punkte je Periode); Phase 90°; neu:"},
        {{"--phase", "-45.5", "--period", "37", "--periods", "3", "--timebase", "1ms"}, "; Phase 314.5°"},
        // Cut at both limits.
        {{"--phase", "270", "--peak", "7", "--offset", "5", "--periods", "2"}, "; Phase 270°"},
        // The largest curve, unclipped, odd P.
        {{"--timebase", "1ms", "--period", "16357", "--periods", "1", "--peak", "4", "--offset", "5", "--phase", "120"},
         "; Phase 120°"},
        // A short piece of a long period: period and phase open.
        {{"--timebase", "1ms", "--period", "1000", "--periods", "0.05", "--peak", "0.72", "--offset", "7.28", "--phase", "77"},
         "; Phase offen wie die Periode"},
    };
    for (const auto &f : faelle) {
        std::vector<std::string> argumente = f.argumente;
        argumente.insert(argumente.end(), {"--output", alt});
        ASSERT_EQ(Ausfuehren(argumente).code, 0);
        const Lauf pruefung = Ausfuehren({"--check", alt});
        EXPECT_EQ(pruefung.code, 0);
        const std::string &aus = pruefung.aus;
        EXPECT_NE(aus.find(f.phase), std::string::npos) << aus;
        const size_t wo = aus.find("; neu: wlr7sinus-export ");
        ASSERT_NE(wo, std::string::npos) << aus;
        std::vector<std::string> wieder;
        std::istringstream woerter(aus.substr(wo + 24));
        for (std::string w; woerter >> w;)
            wieder.push_back(w);
        wieder.insert(wieder.end(), {"--output", neu});
        EXPECT_EQ(Ausfuehren(wieder).code, 0);
        EXPECT_EQ(DateiLesen(neu), DateiLesen(alt)) << aus;
        EXPECT_EQ(Ausfuehren({"--from", alt, "--output", neu}).code, 0);
        EXPECT_EQ(DateiLesen(neu), DateiLesen(alt)) << aus;
    }
    // The window's default design at 120° reads back as the phase it was written with.
    ASSERT_EQ(Ausfuehren({"--phase", "120", "--output", alt}).code, 0);
    EXPECT_NE(Ausfuehren({"--check", alt}).aus.find("--periods 1 --phase 120 --peak 5 --offset 5 --umax 10 --curve 1\n"),
              std::string::npos);
    // Phase 0 as before: no phase named, none in the command line.
    ASSERT_EQ(Ausfuehren({"--phase", "0", "--output", alt}).code, 0);
    const std::string aus = Ausfuehren({"--check", alt}).aus;
    EXPECT_EQ(aus.find("Phase"), std::string::npos) << aus;
    EXPECT_EQ(aus.find("--phase"), std::string::npos) << aus;
    // With the sine of phase 0 a cosine of one period is the pair of a
    // resolver: one frequency, a quarter apart.
    const std::string kosinus = ordner + "/kosinus.txt";
    ASSERT_EQ(Ausfuehren({"--phase", "90", "--curve", "2", "--output", kosinus}).code, 0);
    const Lauf satz = Ausfuehren({"--set", alt, kosinus});
    EXPECT_EQ(satz.code, 0);
    EXPECT_NE(satz.aus.find(kosinus + ": Kurve 2, 5 Hz wie " + alt + ", Phase +90.0°\n"), std::string::npos) << satz.aus;
}
