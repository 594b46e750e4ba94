// Temporary files of a replacement, and the signals held back while a file
// is between two states. Unnamed where the file system has them
// (O_TMPFILE), so that a run stopped in any way leaves nothing behind; they
// get a name only for the moment between linking and renaming, while every
// signal that would end the process waits. A named temporary file is
// removed when the process is told to stop (SIGINT, SIGTERM, SIGHUP) before
// the signal takes its usual course. Names are taken relative to the
// target's folder, so that any valid path works, and carry the process id:
// a later run removes what a killed one (SIGKILL) left.
#include "datei_intern.h"
#include "toolkit_kern.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <iterator>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace datei {
namespace {

const int PLAETZE = 8;            // as many as export files can be open at once
const int NAME_GROESSE = 256;     // NAME_MAX and its NUL
const int SIGNALE[] = {SIGINT, SIGTERM, SIGHUP};
const int ANZAHL_SIGNALE = static_cast<int>(std::size(SIGNALE));
// Every signal whose default action ends the process and that a user or a
// program sends to stop one; the faults of the program itself are not held.
const int AUFSCHUB[] = {SIGHUP, SIGINT, SIGQUIT, SIGUSR1, SIGUSR2, SIGALRM, SIGTERM,
                        SIGVTALRM, SIGPROF, SIGXCPU, SIGPWR};
const int ANZAHL_AUFSCHUB = static_cast<int>(std::size(AUFSCHUB));
const int NAMENSVERSUCHE = 100;
const size_t NAME_HOECHSTENS = 200;  // a longer file name gets a short temporary one
const char ERSATZNAME[] = "export";  // for a name too long to repeat

char s_namen[PLAETZE][NAME_GROESSE];
int s_ordner[PLAETZE];
volatile sig_atomic_t s_belegt[PLAETZE];
struct sigaction s_vorher[ANZAHL_SIGNALE];
bool s_eigen[ANZAHL_SIGNALE];  // our clean-up is installed for this signal
unsigned s_zaehler = 0;

struct sigaction s_aufschubVorher[ANZAHL_AUFSCHUB];
bool s_ersetzt[ANZAHL_AUFSCHUB];
volatile sig_atomic_t s_anstehend[ANZAHL_AUFSCHUB];
int s_tiefe = 0;

// Runs inside the signal, so only async-signal-safe calls: removes every
// named temporary file, puts the previous action back and raises the signal
// again, which takes effect as soon as this handler returns.
void Aufraeumen(int sig)
{
    const int e = errno;
    for (int i = 0; i < PLAETZE; ++i)
        if (s_belegt[i])
            ::unlinkat(s_ordner[i], s_namen[i], 0);
    for (int i = 0; i < ANZAHL_SIGNALE; ++i)
        if (SIGNALE[i] == sig) {
            ::sigaction(sig, &s_vorher[i], nullptr);
            s_eigen[i] = false;
        }
    ::raise(sig);
    errno = e;
}

// Notes a signal held back; it is raised again at SignaleFreigeben().
void Vormerken(int sig)
{
    for (int i = 0; i < ANZAHL_AUFSCHUB; ++i)
        if (AUFSCHUB[i] == sig)
            s_anstehend[i] = 1;
}

bool IrgendeinerBelegt()
{
    for (int i = 0; i < PLAETZE; ++i)
        if (s_belegt[i])
            return true;
    return false;
}

// Installs the clean-up for each signal that would end the process as it
// comes; a signal that is ignored or that the program handles itself (a
// series finishing its file on SIGTERM) leaves the temporary file to the
// writer.
void Einrichten()
{
    for (int i = 0; i < ANZAHL_SIGNALE; ++i) {
        if (s_eigen[i] || ::sigaction(SIGNALE[i], nullptr, &s_vorher[i]) != 0 ||
            (s_vorher[i].sa_flags & SA_SIGINFO) || s_vorher[i].sa_handler != SIG_DFL)
            continue;
        struct sigaction neu = {};
        neu.sa_handler = Aufraeumen;
        sigemptyset(&neu.sa_mask);
        neu.sa_flags = SA_RESTART;
        s_eigen[i] = ::sigaction(SIGNALE[i], &neu, nullptr) == 0;
    }
}

int Merken(int ordner, const std::string &name)
{
    if (name.size() >= NAME_GROESSE)
        return -1;
    for (int i = 0; i < PLAETZE; ++i)
        if (!s_belegt[i]) {
            name.copy(s_namen[i], name.size());
            s_namen[i][name.size()] = '\0';
            s_ordner[i] = ordner;
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

// ".NAME." (a stand-in for a long NAME): what every temporary name of this
// target starts with, followed by "PID-N".
std::string Namensstamm(const std::string &name)
{
    return "." + (name.size() <= NAME_HOECHSTENS ? name : std::string(ERSATZNAME)) + ".";
}

std::string NeuerName(const std::string &stamm)
{
    return stamm + std::to_string(::getpid()) + "-" + std::to_string(++s_zaehler);
}

// Reads the digits at @p p into @p zahl; the first byte after them, or
// null where there are none.
const char *Ziffern(const char *p, long &zahl)
{
    zahl = 0;
    const char *anfang = p;
    for (; *p >= '0' && *p <= '9' && p - anfang < 10; ++p)
        zahl = zahl * 10 + (*p - '0');
    return p == anfang ? nullptr : p;
}

// The names in a folder that look like temporary names of this writer
// (".NAME.PID-N"), read once per folder and process: a series writes many
// files into one folder, and reading it anew for each would grow with it.
const std::vector<std::string> &Kandidaten(int ordner)
{
    static std::map<std::pair<dev_t, ino_t>, std::vector<std::string>> gelesen;
    static const std::vector<std::string> keine;
    struct stat st;
    if (::fstat(ordner, &st) != 0)
        return keine;
    const auto schluessel = std::make_pair(st.st_dev, st.st_ino);
    const auto da = gelesen.find(schluessel);
    if (da != gelesen.end())
        return da->second;
    std::vector<std::string> &namen = gelesen[schluessel];
    const int fd = ::openat(ordner, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *liste = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (!liste) {
        if (fd >= 0)
            ::close(fd);
        return namen;
    }
    while (const dirent *e = ::readdir(liste)) {
        const char *strich = e->d_name[0] == '.' ? std::strrchr(e->d_name, '-') : nullptr;
        if (strich && strich > e->d_name + 1)
            namen.emplace_back(e->d_name);
    }
    ::closedir(liste);
    return namen;
}

// Removes "STAMM" PID "-" N in the folder where no process PID exists any
// more: a run killed between naming and renaming left it.
void ToteEntfernen(int ordner, const std::string &stamm)
{
    const pid_t selbst = ::getpid();
    for (const std::string &name : Kandidaten(ordner)) {
        long pid, nummer;
        const char *p = name.compare(0, stamm.size(), stamm) == 0 ? Ziffern(name.c_str() + stamm.size(), pid) : nullptr;
        p = p && *p == '-' ? Ziffern(p + 1, nummer) : nullptr;
        if (p && *p == '\0' && pid != selbst && pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 &&
            errno == ESRCH)
            ::unlinkat(ordner, name.c_str(), 0);
    }
}

// Gives the unnamed temporary file a name beside the target.
int Benennen(Datei &d)
{
    const std::string stamm = Namensstamm(d.name);
    char proc[64];
    std::snprintf(proc, sizeof proc, "/proc/self/fd/%d", d.fd);
    for (int versuch = 0; versuch < NAMENSVERSUCHE; ++versuch) {
        const std::string name = NeuerName(stamm);
        int r = ::linkat(AT_FDCWD, proc, d.ordner, name.c_str(), AT_SYMLINK_FOLLOW);
        if (r != 0 && errno == ENOENT)  // no /proc: the privileged way
            r = ::linkat(d.fd, "", d.ordner, name.c_str(), AT_EMPTY_PATH);
        if (r == 0) {
            d.temp = name;
            d.unbenannt = false;
            return 0;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

int OeffnenIn(int ordner, const char *name, int flags, mode_t modus)
{
    int fd;
    do
        fd = ::openat(ordner, name, flags | O_CLOEXEC, modus);
    while (fd < 0 && errno == EINTR);
    return fd;
}

}  // namespace

void Loesen(Datei &d)
{
    for (int *fd : {&d.ordner, &d.sperre})
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
}

void SignaleAufschieben()
{
    if (s_tiefe++ > 0)
        return;
    for (int i = 0; i < ANZAHL_AUFSCHUB; ++i) {
        s_ersetzt[i] = false;
        s_anstehend[i] = 0;
        struct sigaction &vorher = s_aufschubVorher[i];
        if (::sigaction(AUFSCHUB[i], nullptr, &vorher) != 0 || (vorher.sa_flags & SA_SIGINFO) ||
            (vorher.sa_handler != SIG_DFL && vorher.sa_handler != Aufraeumen))
            continue;  // ignored, or the program's own handler: it decides
        struct sigaction neu = {};
        neu.sa_handler = Vormerken;
        sigfillset(&neu.sa_mask);
        neu.sa_flags = SA_RESTART;
        s_ersetzt[i] = ::sigaction(AUFSCHUB[i], &neu, nullptr) == 0;
    }
}

void SignaleFreigeben()
{
    if (s_tiefe == 0 || --s_tiefe > 0)
        return;
    for (int i = 0; i < ANZAHL_AUFSCHUB; ++i)
        if (s_ersetzt[i])
            ::sigaction(AUFSCHUB[i], &s_aufschubVorher[i], nullptr);
    for (int i = 0; i < ANZAHL_AUFSCHUB; ++i)
        if (s_ersetzt[i] && s_anstehend[i]) {
            s_anstehend[i] = 0;
            ::raise(AUFSCHUB[i]);
        }
}

int TempAnlegen(Datei &d, mode_t modus)
{
    const std::string stamm = Namensstamm(d.name);
    ToteEntfernen(d.ordner, stamm);
    // Created as a new file would be: 0666 less the umask, or the folder's
    // default ACL.
    int fd = OeffnenIn(d.ordner, ".", O_TMPFILE | O_WRONLY, 0666);
    if (fd >= 0) {
        d.unbenannt = true;
        return fd;
    }
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
        return -1;
    Einrichten();
    SignaleAufschieben();  // a name is never there without the clean-up knowing it
    for (int versuch = 0; versuch < NAMENSVERSUCHE; ++versuch) {
        const std::string name = NeuerName(stamm);
        fd = OeffnenIn(d.ordner, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY, modus);
        if (fd >= 0) {
            d.temp = name;
            d.tempPlatz = Merken(d.ordner, name);
        }
        if (fd >= 0 || errno != EEXIST)
            break;
    }
    const int e = errno;
    SignaleFreigeben();
    errno = e;
    return fd;
}

namespace {

// Folders whose renames a series syncs at its end, each once.
const size_t ORDNER_VORGEMERKT_HOECHSTENS = 64;
bool s_ordnerAufschieben = false;
std::vector<int> s_vorgemerkt;
std::vector<std::pair<dev_t, ino_t>> s_vorgemerktKennung;

// Keeps @p od for the series' end; false when it is to be synced now.
bool OrdnerVormerken(int od)
{
    struct stat st;
    if (!s_ordnerAufschieben || ::fstat(od, &st) != 0)
        return false;
    const auto kennung = std::make_pair(st.st_dev, st.st_ino);
    for (const auto &k : s_vorgemerktKennung)
        if (k == kennung) {
            ::close(od);
            return true;
        }
    if (s_vorgemerkt.size() == ORDNER_VORGEMERKT_HOECHSTENS)
        TK_OrdnerSyncen();  // a series over many folders holds no more than these open
    s_vorgemerkt.push_back(od);
    s_vorgemerktKennung.push_back(kennung);
    return true;
}

}  // namespace

int Veroeffentlichen(Datei &d)
{
    // A write by a process without CAP_FSETID cleared the set-id bits the
    // temporary file took over; they come back before the sync.
    struct stat st;
    if ((d.modus & (S_ISUID | S_ISGID)) && (::fstat(d.fd, &st) != 0 || (st.st_mode & 07777) != d.modus) &&
        ::fchmod(d.fd, d.modus) != 0)
        return Fehler(errno);
    if (::fsync(d.fd) != 0)
        return Fehler(errno);
    // From the name to the rename no signal ends the process; a failure
    // removes the name before one may.
    SignaleAufschieben();
    int e = d.unbenannt && Benennen(d) != 0 ? errno : 0;
    if (e == 0) {
        const int fd = d.fd;
        d.fd = -1;
        if (::close(fd) != 0 && errno != EINTR)
            e = errno;
    }
    if (e == 0 && ::renameat(d.ordner, d.temp.c_str(), d.ordner, d.name.c_str()) != 0)
        e = errno;
    if (e != 0 && !d.temp.empty())
        ::unlinkat(d.ordner, d.temp.c_str(), 0);
    d.temp.clear();
    SignaleFreigeben();
    Vergessen(d);
    if (e == 0) {
        // The rename itself reaches the disk with its folder, at once or
        // with the series it belongs to.
        const int od = OeffnenIn(d.ordner, ".", O_RDONLY | O_DIRECTORY, 0);
        if (od >= 0 && !OrdnerVormerken(od)) {
            ::fsync(od);
            ::close(od);
        }
    }
    Loesen(d);
    return e == 0 ? 0 : Fehler(e);
}

void TempVerwerfen(Datei &d)
{
    if (d.fd >= 0)
        ::close(d.fd);
    d.fd = -1;
    if (!d.temp.empty())
        ::unlinkat(d.ordner, d.temp.c_str(), 0);
    Vergessen(d);
    Loesen(d);
}

}  // namespace datei

void TK_OrdnerSyncAufschieben(int aufschieben)
{
    datei::s_ordnerAufschieben = aufschieben != 0;
}

int TK_OrdnerSyncen(void)
{
    int fehler = 0;
    for (const int od : datei::s_vorgemerkt) {
        if (::fsync(od) != 0 && fehler == 0)
            fehler = errno;
        ::close(od);
    }
    datei::s_vorgemerkt.clear();
    datei::s_vorgemerktKennung.clear();
    return fehler == 0 ? 0 : datei::Fehler(fehler);
}
