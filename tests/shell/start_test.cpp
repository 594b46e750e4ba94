// The program started where no display can be had: -1 and one German line,
// instead of being aborted by the GUI library; --version without a window.
#include "aufzeichnung.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

namespace {
std::string gAus;

int Starten(const std::string &umgebung, const std::string &argument = "")
{
    const std::string befehl = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + umgebung + " '" +
                               WLR7_PROGRAMM + "' " + argument + " >'" + gAus + "' 2>&1 </dev/null";
    int status = std::system(befehl.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1000 - WTERMSIG(status);
}
}  // namespace

TEST(Start, OhneAnzeigeEndetMitMinusEins)
{
    gAus = TestOrdner() + "/aus";
    for (const char *umgebung : {"", "DISPLAY=:4711", "QT_QPA_PLATFORM='wayland;xcb'"}) {
        EXPECT_EQ(Starten(umgebung), 255) << umgebung;
        EXPECT_EQ(DateiLesen(gAus),
                  "wlr7sinus: Keine grafische Anzeige gefunden; das Fenster kann nicht geöffnet werden.\n");
    }
    // Started by its name alone, as from PATH: the message names it the same.
    const std::string programm = WLR7_PROGRAMM, ordner = programm.substr(0, programm.rfind('/'));
    const std::string befehl = "cd '" + ordner + "' && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM PATH=. "
                               "wlr7sinus 2>'" + gAus + "'";
    EXPECT_EQ(std::system(befehl.c_str()) >> 8, 255);
    EXPECT_EQ(DateiLesen(gAus).substr(0, 11), "wlr7sinus: ");
    EXPECT_EQ(Starten("", "--version"), 0);
    EXPECT_EQ(DateiLesen(gAus), "wlr7sinus 1.0\n");
}
