// The program started where no display can be had: -1 and one German line,
// instead of being aborted by the GUI library; --version without a window;
// a working start passes on what was written meanwhile.
#include "aufzeichnung.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

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

// What libraries write straight to standard error while the window starts
// (here the dynamic loader, as the platform plugin is loaded) follows once
// the start has worked, to the byte: each of the loader's lines still names
// the program's process.
TEST(Start, NotizenWaehrendDesStartsFolgenGanz)
{
    const std::string aus = TestOrdner() + "/fehler";
    const pid_t kind = fork();
    if (kind == 0) {
        const int fehler = open(aus.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), nichts = open("/dev/null", O_RDWR);
        dup2(nichts, 0), dup2(nichts, 1), dup2(fehler, 2);
        setenv("QT_QPA_PLATFORM", "offscreen", 1), setenv("LD_DEBUG", "files", 1);
        execl(WLR7_PROGRAMM, "wlr7sinus", static_cast<char *>(nullptr));
        _exit(127);
    }
    const std::string plugin = "/libqoffscreen.so";
    for (int i = 0; i < 1000 && DateiLesen(aus).find(plugin) == std::string::npos; ++i)
        usleep(10000);  // polled: the start takes what it takes
    kill(kind, SIGKILL);
    waitpid(kind, nullptr, 0);
    const std::string text = DateiLesen(aus), kennung = std::to_string(kind) + ":";
    EXPECT_NE(text.find(plugin), std::string::npos) << text.substr(0, 2000);
    std::istringstream zeilen(text);
    int geprueft = 0;
    size_t breite = 0;  // the loader's lines stand right-aligned in one width
    for (std::string z; std::getline(zeilen, z);) {
        const size_t anfang = z.find_first_not_of(' '), doppelpunkt = z.find(':');
        if (doppelpunkt == std::string::npos || z.find_first_not_of(" 0123456789") != doppelpunkt)
            continue;  // not one of the loader's lines
        breite = breite ? breite : doppelpunkt;
        ++geprueft;
        EXPECT_EQ(z.substr(anfang, doppelpunkt + 1 - anfang), kennung) << z;
        EXPECT_EQ(doppelpunkt, breite) << z;
    }
    EXPECT_GT(geprueft, 10);
}
