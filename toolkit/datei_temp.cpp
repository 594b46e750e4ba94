// Temporary files of a replacement. Unnamed where the file system has them
// (O_TMPFILE), so that a run stopped in any way leaves nothing behind; they
// get a name only for the moment between linking and renaming. A named
// temporary file is removed when the process is told to stop (SIGINT,
// SIGTERM, SIGHUP) before the signal takes its usual course.
#include "datei_intern.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace datei {
namespace {

const int PLAETZE = 8;          // as many as export files can be open at once
const int PFAD_GROESSE = 4096;  // PATH_MAX: no longer path names a file
const int SIGNALE[] = {SIGINT, SIGTERM, SIGHUP};
const int ANZAHL_SIGNALE = sizeof SIGNALE / sizeof SIGNALE[0];
const int NAMENSVERSUCHE = 100;
const size_t NAME_HOECHSTENS = 200;  // a longer file name gets a short temporary one

char s_namen[PLAETZE][PFAD_GROESSE];
volatile sig_atomic_t s_belegt[PLAETZE];
struct sigaction s_vorher[ANZAHL_SIGNALE];
bool s_eigen[ANZAHL_SIGNALE];  // our handler is installed for this signal
unsigned s_zaehler = 0;

// Runs inside the signal, so only async-signal-safe calls: removes every
// named temporary file, puts the previous action back and raises the signal
// again, which takes effect as soon as this handler returns.
void Aufraeumen(int sig)
{
    const int e = errno;
    for (int i = 0; i < PLAETZE; ++i)
        if (s_belegt[i])
            ::unlink(s_namen[i]);
    for (int i = 0; i < ANZAHL_SIGNALE; ++i)
        if (SIGNALE[i] == sig) {
            ::sigaction(sig, &s_vorher[i], nullptr);
            s_eigen[i] = false;
        }
    ::raise(sig);
    errno = e;
}

bool IrgendeinerBelegt()
{
    for (int i = 0; i < PLAETZE; ++i)
        if (s_belegt[i])
            return true;
    return false;
}

// Installs the clean-up for each signal the process does not ignore.
void Einrichten()
{
    for (int i = 0; i < ANZAHL_SIGNALE; ++i) {
        if (s_eigen[i] || ::sigaction(SIGNALE[i], nullptr, &s_vorher[i]) != 0 ||
            s_vorher[i].sa_handler == SIG_IGN)
            continue;
        struct sigaction neu = {};
        neu.sa_handler = Aufraeumen;
        sigemptyset(&neu.sa_mask);
        neu.sa_flags = SA_RESTART;
        s_eigen[i] = ::sigaction(SIGNALE[i], &neu, nullptr) == 0;
    }
}

int Merken(const std::string &pfad)
{
    if (pfad.size() >= PFAD_GROESSE)
        return -1;
    for (int i = 0; i < PLAETZE; ++i)
        if (!s_belegt[i]) {
            Einrichten();
            pfad.copy(s_namen[i], pfad.size());
            s_namen[i][pfad.size()] = '\0';
            std::atomic_signal_fence(std::memory_order_seq_cst);  // the name is whole before it counts
            s_belegt[i] = 1;
            return i;
        }
    return -1;
}

void Vergessen(Datei &d)
{
    if (d.tempPlatz >= 0)
        s_belegt[d.tempPlatz] = 0;
    d.tempPlatz = -1;
    d.temp.clear();
    if (IrgendeinerBelegt())
        return;
    for (int i = 0; i < ANZAHL_SIGNALE; ++i)
        if (s_eigen[i]) {
            ::sigaction(SIGNALE[i], &s_vorher[i], nullptr);
            s_eigen[i] = false;
        }
}

// Holds SIGINT, SIGTERM and SIGHUP back while it lives, so that a
// temporary file is never named without being known to the clean-up.
class Signalsperre {
public:
    Signalsperre()
    {
        sigset_t s;
        sigemptyset(&s);
        for (int sig : SIGNALE)
            sigaddset(&s, sig);
        ::sigprocmask(SIG_BLOCK, &s, &m_vorher);
    }
    ~Signalsperre() { ::sigprocmask(SIG_SETMASK, &m_vorher, nullptr); }

private:
    sigset_t m_vorher;
};

std::string Namensstamm(const std::string &ordner, const std::string &name)
{
    return ordner + "/." + (name.size() <= NAME_HOECHSTENS ? name : std::string("wlr7sinus")) + ".";
}

// Gives the unnamed temporary file a name beside the target.
int Benennen(Datei &d)
{
    const std::string stamm = Namensstamm(OrdnerVon(d.ziel), d.ziel.substr(d.ziel.rfind('/') + 1));
    char proc[64];
    std::snprintf(proc, sizeof proc, "/proc/self/fd/%d", d.fd);
    const Signalsperre sperre;
    for (int versuch = 0; versuch < NAMENSVERSUCHE; ++versuch) {
        const std::string name = stamm + std::to_string(::getpid()) + "-" + std::to_string(++s_zaehler);
        int r = ::linkat(AT_FDCWD, proc, AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW);
        if (r != 0 && errno == ENOENT)  // no /proc: the privileged way
            r = ::linkat(d.fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH);
        if (r == 0) {
            d.temp = name;
            d.tempPlatz = Merken(name);
            d.unbenannt = false;
            return 0;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

}  // namespace

int TempAnlegen(Datei &d, const std::string &ordner, const std::string &name)
{
    // Created as a new file would be: 0666 less the umask, or the folder's
    // default ACL.
    int fd = Oeffnen(ordner.c_str(), O_TMPFILE | O_WRONLY, 0666);
    if (fd >= 0) {
        d.unbenannt = true;
        return fd;
    }
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
        return -1;
    const Signalsperre sperre;
    std::string muster = Namensstamm(ordner, name) + "XXXXXX";
    fd = ::mkostemp(&muster[0], O_CLOEXEC);
    if (fd >= 0) {
        d.temp = muster;
        d.tempPlatz = Merken(muster);
    }
    return fd;
}

int Veroeffentlichen(Datei &d)
{
    if (::fsync(d.fd) != 0 || (d.unbenannt && Benennen(d) != 0))
        return Fehler(errno);
    const int fd = d.fd;
    d.fd = -1;
    if (::close(fd) != 0 && errno != EINTR)
        return Fehler(errno);
    if (::rename(d.temp.c_str(), d.ziel.c_str()) != 0)
        return Fehler(errno);
    Vergessen(d);
    // The rename itself reaches the disk with its folder.
    const int od = Oeffnen(OrdnerVon(d.ziel).c_str(), O_RDONLY | O_DIRECTORY);
    if (od >= 0) {
        ::fsync(od);
        ::close(od);
    }
    return 0;
}

void TempVerwerfen(Datei &d)
{
    if (d.fd >= 0)
        ::close(d.fd);
    d.fd = -1;
    if (!d.temp.empty())
        ::unlink(d.temp.c_str());
    Vergessen(d);
}

}  // namespace datei
