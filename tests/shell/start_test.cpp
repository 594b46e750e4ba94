// The program started where no display can be had: -1 and one German line,
// instead of being aborted by the GUI library; --version without a window.
#include "aufzeichnung.h"

#include <cstdlib>
#include <gtest/gtest.h>

TEST(Start, OhneAnzeigeEndetMitMinusEins)
{
    const std::string aus = TestOrdner() + "/aus", programm = WLR7_PROGRAMM;
    auto starten = [&](const std::string &umgebung, const std::string &befehl) {
        // Nothing of the machine's session: no display, no runtime folder
        // (where Wayland's client library would complain in English).
        const int status = std::system(("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR "
                                        "-u QT_PLUGIN_PATH -u QT_DEBUG_PLUGINS " + umgebung + " " +
                                        befehl + " >'" + aus + "' 2>&1 </dev/null").c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    const std::string meldung = "wlr7sinus: Keine grafische Anzeige gefunden; das Fenster kann nicht geöffnet werden.\n";
    for (const char *umgebung : {"", "DISPLAY=:4711", "QT_QPA_PLATFORM='wayland;xcb'", "QT_QPA_PLATFORM=wayland",
                                 "QT_QPA_PLATFORM='gibtsnicht;xcb'", "QT_DEBUG_PLUGINS=1 XDG_RUNTIME_DIR=relativ"}) {
        EXPECT_EQ(starten(umgebung, "'" + programm + "'"), 255) << umgebung;
        EXPECT_EQ(DateiLesen(aus), meldung);
    }
    // Started by its name alone, as from PATH: the message names it the same.
    EXPECT_EQ(starten("PATH='" + programm.substr(0, programm.rfind('/')) + "'", "wlr7sinus"), 255);
    EXPECT_EQ(DateiLesen(aus), meldung);
    EXPECT_EQ(starten("", "'" + programm + "' --version"), 0);
    EXPECT_EQ(DateiLesen(aus), "wlr7sinus 1.0\n");
}
