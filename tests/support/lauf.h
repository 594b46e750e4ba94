// Runs the batch exporter as a user would and keeps what it printed.
#ifndef TEST_LAUF_H
#define TEST_LAUF_H

#include "aufzeichnung.h"

#include <fcntl.h>
#include <initializer_list>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct Lauf {
    int code;  // exit code, -1 when killed by a signal
    std::string aus, fehler;
};

/// Runs wlr7sinus-export (WLR7_EXPORT, set by the test program's build) with
/// @p argumente; its standard output goes to
/// @p ausgabe when that is a descriptor, else into Lauf::aus; its standard
/// input reads the file @p eingabe, its standard error goes to @p fehlerFd
/// when that is a descriptor, else into Lauf::fehler.
inline Lauf Ausfuehren(const std::vector<std::string> &argumente, int ausgabe = -1,
                       const std::string &eingabe = "/dev/null", int fehlerFd = -1)
{
    const std::string ordner = TestOrdner();
    const std::string aus = ordner + "/aus", fehler = ordner + "/fehler";
    pid_t kind = fork();
    if (kind == 0) {
        int a = ausgabe >= 0 ? ausgabe : open(aus.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int f = fehlerFd >= 0 ? fehlerFd : open(fehler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int n = open(eingabe.c_str(), O_RDONLY);
        dup2(a, 1);
        dup2(f, 2);
        dup2(n, 0);
        std::vector<char *> argv = {const_cast<char *>(WLR7_EXPORT)};
        for (const std::string &s : argumente)
            argv.push_back(const_cast<char *>(s.c_str()));
        argv.push_back(nullptr);
        execv(WLR7_EXPORT, argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(kind, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, DateiLesen(aus), DateiLesen(fehler)};
}

/// Runs with @p argumente and then @p dazu, as Ausfuehren(a, {"--output", "-"}).
inline Lauf Ausfuehren(std::vector<std::string> argumente, std::initializer_list<std::string> dazu)
{
    argumente.insert(argumente.end(), dazu);
    return Ausfuehren(argumente);
}

/// The shell command that runs wlr7sinus-export with @p argumente (each
/// quoted) as the ordinary user NIEMAND where the test runs as root.
inline std::string AlsNiemand(const std::vector<std::string> &argumente)
{
    std::string b = geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " WLR7_EXPORT : WLR7_EXPORT;
    for (const std::string &a : argumente)
        b += " '" + a + "'";
    return b;
}

#endif
