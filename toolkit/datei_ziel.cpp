// Opening an export file: what the path names decides how it is written.
// A descriptor path is the descriptor itself; a regular file is replaced by
// rename where the new file can keep everything the old one had (owner,
// group, mode, ACL, extended attributes, its only name), and otherwise
// written in place under a lock, its old bytes kept to put back; pipes,
// sockets, terminals and devices are written as they are.
#include "datei_intern.h"
#include "texte.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace datei {
namespace {

const int VERWEISTIEFE = 40;  // the kernel's own limit of links followed
const size_t ZIFFERN_HOECHSTENS = 9;
const char ACL_ZUGRIFF[] = "system.posix_acl_access";

// The descriptor a path stands for: "-" and /dev/stdout are 1, /dev/stderr
// is 2, /dev/fd/N and /proc/self/fd/N (or the own pid) are N; -1 for any
// other path. Followed as links, these would name the file behind the
// descriptor, which a replacement must not touch.
int Deskriptor(const std::string &pfad)
{
    if (pfad == "-" || pfad == "/dev/stdout")
        return STDOUT_FILENO;
    if (pfad == "/dev/stderr")
        return STDERR_FILENO;
    const std::string eigene = "/proc/" + std::to_string(::getpid()) + "/fd/";
    for (const std::string &vorn : {std::string("/dev/fd/"), std::string("/proc/self/fd/"), eigene}) {
        const size_t n = vorn.size();
        if (pfad.compare(0, n, vorn) == 0 && pfad.size() > n && pfad.size() <= n + ZIFFERN_HOECHSTENS &&
            pfad.find_first_not_of("0123456789", n) == std::string::npos)
            return std::atoi(pfad.c_str() + n);
    }
    return -1;
}

// The file a path names once its symbolic links are followed, so that a
// link stays and its target gets the new content; a link that points
// nowhere yet names the file to create. Stops at a descriptor path.
std::string ZielDatei(std::string pfad)
{
    for (int tiefe = 0; tiefe < VERWEISTIEFE && Deskriptor(pfad) < 0; ++tiefe) {
        struct stat l;
        if (::lstat(pfad.c_str(), &l) != 0 || !S_ISLNK(l.st_mode))
            return pfad;
        char ziel[4096];
        const ssize_t n = ::readlink(pfad.c_str(), ziel, sizeof ziel - 1);
        if (n <= 0)
            return pfad;
        ziel[n] = '\0';
        pfad = ziel[0] == '/' ? std::string(ziel) : OrdnerVon(pfad) + "/" + ziel;
    }
    return pfad;
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

mode_t NeueRechte()
{
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return 0666 & ~maske;
}

// A descriptor the process already has: written where it stands. Behind it
// a regular file is written like one in place, but neither locked nor cut.
int AmDeskriptor(int fd, Datei &d)
{
    struct stat st;
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY || ::fstat(fd, &st) != 0)
        return Fehler(EBADF);
    d.fd = fd;
    d.eigenesFd = false;
    if (!S_ISREG(st.st_mode))
        return 0;
    d.art = AN_ORT;
    d.altLaenge = st.st_size;
    const off_t stelle = ::lseek(fd, 0, SEEK_CUR);
    d.beginn = (flags & O_APPEND) || stelle < 0 ? st.st_size : stelle;
    d.ohneSicherung = (flags & O_ACCMODE) == O_WRONLY;
    return 0;
}

// In place: a second exporter waits for the lock instead of mixing its
// lines in; the old length is read under it.
int AnOrt(const std::string &ziel, Datei &d)
{
    d.art = AN_ORT;
    d.kuerzen = true;
    // Not blocking even if the file turned into a FIFO since it was looked at.
    d.fd = Oeffnen(ziel.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (d.fd < 0 && errno == EACCES) {
        d.fd = Oeffnen(ziel.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK);
        d.ohneSicherung = true;
    }
    if (d.fd < 0)
        return Fehler(errno);
    while (::flock(d.fd, LOCK_EX) != 0 && errno == EINTR) {
    }
    struct stat st;
    if (::fstat(d.fd, &st) != 0)
        return Fehler(errno);
    d.altLaenge = st.st_size;
    return 0;
}

enum Uebernahme { UEBERNOMMEN, NICHT_MOEGLICH, GESCHEITERT };

// Copies the extended attributes (the ACL among them) of @p ziel onto fd.
Uebernahme AttributeUebernehmen(const std::string &ziel, int fd)
{
    ssize_t n = ::listxattr(ziel.c_str(), nullptr, 0);
    if (n < 0)
        return errno == ENOTSUP ? UEBERNOMMEN : GESCHEITERT;
    std::vector<char> namen(static_cast<size_t>(n) + 1);
    n = ::listxattr(ziel.c_str(), namen.data(), namen.size());
    if (n < 0)
        return GESCHEITERT;
    std::vector<char> wert;
    for (const char *name = namen.data(); name < namen.data() + n; name += std::strlen(name) + 1) {
        const ssize_t laenge = ::getxattr(ziel.c_str(), name, nullptr, 0);
        wert.resize(laenge > 0 ? static_cast<size_t>(laenge) : 1);
        const ssize_t gelesen = laenge < 0 ? -1 : ::getxattr(ziel.c_str(), name, wert.data(), wert.size());
        if (gelesen < 0 || ::fsetxattr(fd, name, wert.data(), static_cast<size_t>(gelesen), 0) != 0)
            return std::strcmp(name, ACL_ZUGRIFF) == 0 ? GESCHEITERT : NICHT_MOEGLICH;
    }
    return UEBERNOMMEN;
}

// Gives the temporary file what the old one had. Owner and group first: a
// change of owner clears set-id bits that the mode then puts back. An ACL
// the folder's default gave the new file is not the old file's.
Uebernahme Uebernehmen(const std::string &ziel, const struct stat &alt, int fd)
{
    struct stat neu;
    if (::fstat(fd, &neu) != 0)
        return GESCHEITERT;
    if ((alt.st_uid != neu.st_uid || alt.st_gid != neu.st_gid) && ::fchown(fd, alt.st_uid, alt.st_gid) != 0)
        return NICHT_MOEGLICH;
    if (::fremovexattr(fd, ACL_ZUGRIFF) != 0 && errno != ENODATA && errno != ENOTSUP)
        return GESCHEITERT;
    if (::fchmod(fd, alt.st_mode & 07777) != 0)
        return GESCHEITERT;
    return AttributeUebernehmen(ziel, fd);
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
    d.ziel = ziel;
    d.fd = TempAnlegen(d, OrdnerVon(ziel), ziel.substr(ziel.rfind('/') + 1));
    if (d.fd < 0) {
        const int e = errno;
        // The folder takes no new file, but the file itself may be writable.
        return alt && (e == EACCES || e == EPERM) ? AnOrt(ziel, d) : Fehler(e);
    }
    Uebernahme u = UEBERNOMMEN;
    if (alt)
        u = Uebernehmen(ziel, *alt, d.fd);
    else if (!d.unbenannt && ::fchmod(d.fd, NeueRechte()) != 0)
        u = GESCHEITERT;
    if (u == UEBERNOMMEN)
        return 0;
    const int e = errno;
    TempVerwerfen(d);
    d = Datei();
    return u == NICHT_MOEGLICH ? AnOrt(ziel, d) : Fehler(e);
}

}  // namespace

int Vorbereiten(const char *pfad, Datei &d)
{
    int fd = Deskriptor(pfad);
    const std::string ziel = fd >= 0 ? std::string(pfad) : ZielDatei(pfad);
    if (fd >= 0 || (fd = Deskriptor(ziel)) >= 0)
        return AmDeskriptor(fd, d);
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
    return Ersetzen(ziel, vorhanden ? &st : nullptr, d);
}

}  // namespace datei
