// Opening an export file: what the path names decides how it is written.
// A path to an open descriptor of this process is the descriptor itself; a
// regular file is replaced by rename, for every user, where the new file
// keeps everything of the old one that this process can see (owner, group,
// mode with its set-id bits, ACL, every extended attribute it lists, file
// flags, its only name), and otherwise written in place under a lock, its
// old bytes kept to put back; pipes, sockets, terminals and devices are
// written as they are. An attribute hidden from the process (trusted.*
// without CAP_SYS_ADMIN) is no reason to write in place: as with every tool
// that replaces files, the new file carries what its writer sees. Every
// writer of an existing file takes its flock, so that none writes into a
// file another has just replaced.
#include "datei_intern.h"
#include "texte.h"
#include "toolkit_kern.h"

#include <acl/libacl.h>
#include <algorithm>
#include <attr/libattr.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <linux/magic.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

namespace datei {
namespace {

const int VERWEISTIEFE = 40;  // the kernel's own limit of links followed
const int ZU_TIEF = -2;       // ZielDatei(): more links than the kernel follows
const int VERSUCHE = 10;      // a file replaced under us is looked at again this often
const int NOCHMAL = 1;        // Ersetzen(): the file changed while it was being locked
const size_t ZIFFERN_HOECHSTENS = 9;
const size_t ZEILE_GROESSE = 256;
// File flags (chattr) a new file takes over; immutable and append-only
// files are not replaced at all.
const int FLAGS_UEBERTRAGBAR = FS_NODUMP_FL | FS_NOATIME_FL | FS_SYNC_FL | FS_COMPR_FL | FS_NOCOMP_FL |
                               FS_NOCOW_FL | FS_SECRM_FL | FS_UNRM_FL | FS_JOURNAL_DATA_FL | FS_NOTAIL_FL;

bool NurZiffern(const std::string &text, size_t ab)
{
    return text.size() > ab && text.size() <= ab + ZIFFERN_HOECHSTENS &&
           text.find_first_not_of("0123456789", ab) == std::string::npos;
}

// The descriptor the usual spellings stand for: "-" and /dev/stdout are 1,
// /dev/stderr is 2, /dev/fd/N and /proc/self/fd/N are N; -1 for any other
// path. Works without /proc too.
int Deskriptor(const std::string &pfad)
{
    if (pfad == "-" || pfad == "/dev/stdout")
        return STDOUT_FILENO;
    if (pfad == "/dev/stderr")
        return STDERR_FILENO;
    for (const char *vorn : {"/dev/fd/", "/proc/self/fd/"}) {
        const size_t n = std::strlen(vorn);
        if (pfad.compare(0, n, vorn) == 0 && NurZiffern(pfad, n))
            return std::atoi(pfad.c_str() + n);
    }
    return -1;
}

// The descriptor N where @p pfad is the entry N of this process's fd
// folder on a proc file system (/proc/PID/fd or /proc/PID/task/TID/fd,
// however it is spelt or reached), -1 otherwise. Followed as a link, it
// would name the file behind the descriptor, which must not be replaced.
int EigenerDeskriptor(const std::string &pfad)
{
    const size_t schnitt = pfad.rfind('/');
    const size_t name = schnitt == std::string::npos ? 0 : schnitt + 1;
    if (!NurZiffern(pfad, name))
        return -1;
    char echt[PATH_MAX];
    struct statfs fs;
    if (!::realpath(name ? pfad.substr(0, name).c_str() : ".", echt) || ::statfs(echt, &fs) != 0 ||
        fs.f_type != PROC_SUPER_MAGIC)
        return -1;
    const std::string ordner = echt, eigen = "/proc/" + std::to_string(::getpid());
    const bool faden = ordner.compare(0, eigen.size() + 6, eigen + "/task/") == 0 && ordner.size() > 3 &&
                       ordner.compare(ordner.size() - 3, 3, "/fd") == 0;
    return ordner == eigen + "/fd" || faden ? std::atoi(pfad.c_str() + name) : -1;
}

// Follows the symbolic links of @p pfad, so that a link stays and its
// target gets the new content; a link that points nowhere yet names the
// file to create. Stops at a descriptor of this process and returns it;
// -1 with @p pfad naming the file; ZU_TIEF where one link more than the
// kernel follows remains (renamed over, that link would be lost).
int ZielDatei(std::string &pfad)
{
    for (int tiefe = 0;; ++tiefe) {
        int fd = Deskriptor(pfad);
        if (fd >= 0)
            return fd;
        struct stat l;
        const bool da = ::lstat(pfad.c_str(), &l) == 0;
        if ((!da || S_ISLNK(l.st_mode)) && (fd = EigenerDeskriptor(pfad)) >= 0)
            return fd;
        if (!da || !S_ISLNK(l.st_mode))
            return -1;
        if (tiefe == VERWEISTIEFE)
            return ZU_TIEF;
        char ziel[PATH_MAX];
        const ssize_t n = ::readlink(pfad.c_str(), ziel, sizeof ziel - 1);
        if (n <= 0)
            return -1;
        ziel[n] = '\0';
        pfad = ziel[0] == '/' ? std::string(ziel) : OrdnerVon(pfad) + "/" + ziel;
    }
}

// Whether a parent of this process, or theirs, holds a flock on the file
// behind @p fd: that caller keeps its writers apart itself (flock FILE -c
// ...), and waiting for it would never end.
bool VorfahrSperrt(int fd)
{
    struct stat st;
    std::FILE *locks = ::fstat(fd, &st) == 0 ? std::fopen("/proc/locks", "re") : nullptr;
    if (!locks)
        return false;
    std::vector<long> halter;
    char zeile[ZEILE_GROESSE];
    while (std::fgets(zeile, sizeof zeile, locks)) {
        char art[16];
        long pid;
        unsigned gross, klein;
        unsigned long knoten;
        if (std::sscanf(zeile, "%*d: %15s %*s %*s %ld %x:%x:%lu", art, &pid, &gross, &klein, &knoten) == 5 &&
            std::strcmp(art, "FLOCK") == 0 && gross == major(st.st_dev) && klein == minor(st.st_dev) &&
            knoten == st.st_ino)
            halter.push_back(pid);
    }
    std::fclose(locks);
    for (long p = ::getppid(); p > 1 && !halter.empty();) {
        if (std::find(halter.begin(), halter.end(), p) != halter.end())
            return true;
        char pfad[64];
        std::snprintf(pfad, sizeof pfad, "/proc/%ld/stat", p);
        std::FILE *stat = std::fopen(pfad, "re");
        const char *klammer = stat && std::fgets(zeile, sizeof zeile, stat) ? std::strrchr(zeile, ')') : nullptr;
        if (stat)
            std::fclose(stat);
        if (!klammer || std::sscanf(klammer + 1, " %*c %ld", &p) != 1)
            break;
    }
    return false;
}

// Takes the exclusive flock on the file behind @p fd, waiting for another
// exporter to finish. 0, or -1 with errno set.
int Sperren(int fd)
{
    int r;
    do
        r = ::flock(fd, LOCK_EX | LOCK_NB);
    while (r != 0 && errno == EINTR);
    if (r == 0)
        return 0;
    if (errno != EWOULDBLOCK)
        return -1;
    if (VorfahrSperrt(fd))
        return 0;
    do
        r = ::flock(fd, LOCK_EX);
    while (r != 0 && errno == EINTR);
    return r;
}

// Opening never blocks (a FIFO without a reader fails with ENXIO at once);
// writing afterwards waits for the reader as usual.
int OhneBlockieren(const char *pfad, int flags)
{
    const int fd = Oeffnen(pfad, flags | O_NONBLOCK | O_NOCTTY);
    if (fd >= 0)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

// A descriptor the process already has: written where it stands. Behind it
// a regular file is written like one in place, under its lock, but not cut.
int AmDeskriptor(int fd, Datei &d)
{
    struct stat st;
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0)
        return Fehler(EBADF, TK_TEXT_NICHT_OFFEN);
    if ((flags & O_ACCMODE) == O_RDONLY || ::fstat(fd, &st) != 0)
        return Fehler(EBADF);
    d.fd = fd;
    d.eigenesFd = false;
    if (!S_ISREG(st.st_mode))
        return 0;
    d.art = AN_ORT;
    // Without the lock nothing this run wrote is taken back: another
    // writer may have appended after it.
    d.gesperrt = Sperren(fd) == 0;
    if (::fstat(fd, &st) != 0) {
        const int e = errno;
        if (d.gesperrt)
            ::flock(fd, LOCK_UN);
        return Fehler(e);
    }
    d.altLaenge = st.st_size;
    const off_t stelle = ::lseek(fd, 0, SEEK_CUR);
    d.beginn = (flags & O_APPEND) || stelle < 0 ? st.st_size : stelle;
    d.anhaengen = (flags & O_APPEND) != 0;
    d.ohneSicherung = (flags & O_ACCMODE) == O_WRONLY;
    SignaleAufschieben();
    d.aufgeschoben = true;
    return 0;
}

// In place: a second exporter waits for the lock instead of mixing its
// lines in; the old length is read under it, and a file that a rename
// replaced meanwhile is opened again. Stop signals wait until the file is
// finished or put back.
int AnOrt(const std::string &ziel, Datei &d)
{
    d.art = AN_ORT;
    d.kuerzen = true;
    struct stat st, jetzt;
    for (int versuch = 0;; ++versuch) {
        // Not blocking even if the file turned into a FIFO since it was looked at.
        d.ohneSicherung = false;
        d.fd = Oeffnen(ziel.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (d.fd < 0 && errno == EACCES) {
            d.fd = Oeffnen(ziel.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK);
            d.ohneSicherung = true;
        }
        if (d.fd < 0 || Sperren(d.fd) != 0 || ::fstat(d.fd, &st) != 0)
            return Fehler(errno);
        if (versuch == VERSUCHE ||
            (::stat(ziel.c_str(), &jetzt) == 0 && jetzt.st_ino == st.st_ino && jetzt.st_dev == st.st_dev))
            break;
        ::close(d.fd);
        d.fd = -1;
    }
    d.gesperrt = true;
    d.altLaenge = st.st_size;
    d.modus = st.st_mode & 07777;
    SignaleAufschieben();
    d.aufgeschoben = true;
    return 0;
}

enum Uebernahme { UEBERNOMMEN, NICHT_MOEGLICH, GESCHEITERT };

// Gives the new file the old one's file flags (chattr); where the file
// system has none, there is nothing to keep.
Uebernahme FlagsUebernehmen(int alt, int fd)
{
    int vorher = 0, neu = 0;
    if (::ioctl(alt, FS_IOC_GETFLAGS, &vorher) != 0 || (vorher & FLAGS_UEBERTRAGBAR) == 0)
        return UEBERNOMMEN;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &neu) != 0)
        return NICHT_MOEGLICH;
    if (((vorher ^ neu) & FLAGS_UEBERTRAGBAR) == 0)
        return UEBERNOMMEN;
    neu = (neu & ~FLAGS_UEBERTRAGBAR) | (vorher & FLAGS_UEBERTRAGBAR);
    return ::ioctl(fd, FS_IOC_SETFLAGS, &neu) == 0 ? UEBERNOMMEN : NICHT_MOEGLICH;
}

// Gives the temporary file what the old one (open on @p altFd) had, with
// the system's own copies of ACL and extended attributes (those the
// process lists; /etc/xattr.conf names the few that are never copied).
// Owner and group first: a change of owner clears set-id bits that the
// mode then puts back. A mode the kernel takes only in part (a set-group-id
// bit for a group the writer is not in) is something a rename would lose.
Uebernahme Uebernehmen(const struct stat &alt, int altFd, int fd)
{
    struct stat neu;
    if (::fstat(fd, &neu) != 0)
        return GESCHEITERT;
    if ((alt.st_uid != neu.st_uid || alt.st_gid != neu.st_gid) && ::fchown(fd, alt.st_uid, alt.st_gid) != 0)
        return NICHT_MOEGLICH;
    // The ACL replaces the one the folder's default gave the new file.
    if (::perm_copy_fd(nullptr, altFd, nullptr, fd, nullptr) != 0)
        return NICHT_MOEGLICH;
    if (::fchmod(fd, alt.st_mode & 07777) != 0)
        return GESCHEITERT;
    if (::fstat(fd, &neu) != 0)
        return GESCHEITERT;
    if ((neu.st_mode & 07777) != (alt.st_mode & 07777))
        return NICHT_MOEGLICH;
    if (::attr_copy_fd(nullptr, altFd, nullptr, fd, nullptr, nullptr) != 0)
        return NICHT_MOEGLICH;
    return FlagsUebernehmen(altFd, fd);
}

int Ersetzen(const std::string &ziel, const struct stat *alt, Datei &d)
{
    // An existing file that may not be written is not replaced either.
    if (alt && ::faccessat(AT_FDCWD, ziel.c_str(), W_OK, AT_EACCESS) != 0)
        return Fehler(errno);
    // Other names of the file would keep the old content after a rename.
    if (alt && alt->st_nlink > 1)
        return AnOrt(ziel, d);
    d.art = ERSETZEN;
    d.name = ziel.substr(ziel.rfind('/') + 1);
    d.ordner = Oeffnen(OrdnerVon(ziel).c_str(), O_PATH | O_DIRECTORY);
    if (d.ordner < 0)
        return Fehler(errno);
    if (alt) {
        // Locked until the rename: a writer in place waits, then finds the
        // new file.
        d.sperre = Oeffnen(ziel.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
        if (d.sperre < 0 && errno == EACCES)
            d.sperre = Oeffnen(ziel.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK);
        // A lock the file system refuses (ENOLCK) does not stop a rename,
        // which replaces the file whole either way.
        struct stat st;
        if (d.sperre >= 0)
            (void)Sperren(d.sperre);
        if (d.sperre < 0 || ::fstat(d.sperre, &st) != 0) {
            const int e = errno;
            Loesen(d);
            return Fehler(e);
        }
        if (st.st_ino != alt->st_ino || st.st_dev != alt->st_dev || st.st_nlink != alt->st_nlink) {
            Loesen(d);
            return NOCHMAL;
        }
    }
    const mode_t NEU = 0666, NACHHER_GESETZT = 0600;  // a new file's mode is the kernel's
    d.fd = TempAnlegen(d, alt ? NACHHER_GESETZT : NEU);
    if (d.fd < 0) {
        const int e = errno;
        Loesen(d);
        d = Datei();
        // The folder takes no new file, but the file itself may be writable.
        return alt && (e == EACCES || e == EPERM) ? AnOrt(ziel, d) : Fehler(e);
    }
    Uebernahme u = UEBERNOMMEN;
    if (alt)
        u = Uebernehmen(*alt, d.sperre, d.fd);
    if (u == UEBERNOMMEN) {
        d.modus = alt ? alt->st_mode & 07777 : 0;
        return 0;
    }
    const int e = errno;
    TempVerwerfen(d);
    d = Datei();
    return u == NICHT_MOEGLICH ? AnOrt(ziel, d) : Fehler(e);
}

}  // namespace

int Vorbereiten(const char *pfad, Datei &d)
{
    std::string ziel = pfad;
    const int fd = ZielDatei(ziel);
    if (fd == ZU_TIEF)
        return Fehler(ELOOP);
    if (fd >= 0)
        return AmDeskriptor(fd, d);
    for (int versuch = 0;; ++versuch) {
        struct stat st;
        const bool vorhanden = ::stat(ziel.c_str(), &st) == 0;
        if (!vorhanden && errno != ENOENT)
            return Fehler(errno);
        if (vorhanden && S_ISDIR(st.st_mode))
            return Fehler(EISDIR);
        if (vorhanden && S_ISSOCK(st.st_mode))
            return Fehler(ENXIO, TK_TEXT_SOCKET);
        if (vorhanden && !S_ISREG(st.st_mode)) {
            d.fd = OhneBlockieren(ziel.c_str(), O_WRONLY);
            return d.fd < 0 ? Fehler(errno) : 0;
        }
        const int r = Ersetzen(ziel, vorhanden ? &st : nullptr, d);
        if (r != NOCHMAL)
            return r;
        if (versuch == VERSUCHE)
            return Fehler(EBUSY);
        d = Datei();
    }
}

}  // namespace datei

int TK_DateiDeskriptor(const char *path)
{
    if (!path || !*path)
        return -1;
    std::string ziel = path;
    return std::max(datei::ZielDatei(ziel), -1);
}
