// The program started where no display can be had: it ends with -1 and
// shows nothing, instead of being aborted by the GUI library.
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

namespace {
int Starten(const std::string &umgebung)
{
    const std::string befehl = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + umgebung + " '" +
                               WLR7_PROGRAMM + "' >/dev/null 2>&1 </dev/null";
    int status = std::system(befehl.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1000 - WTERMSIG(status);
}
}  // namespace

TEST(Start, OhneAnzeigeEndetMitMinusEins)
{
    EXPECT_EQ(Starten(""), 255);
    EXPECT_EQ(Starten("DISPLAY=:4711"), 255) << "a display that does not answer";
    EXPECT_EQ(Starten("QT_QPA_PLATFORM=wayland"), 255);
}
