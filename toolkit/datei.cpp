// Export-file I/O on POSIX descriptors. A regular file is replaced whole or
// not at all: the lines go to a temporary file beside it, which is synced,
// closed and renamed into place only when everything succeeded. Standard
// output, pipes and devices are written where they stand. Every failure is
// reported at the step it hits, with its errno kept for the message.
#include "toolkit_kern.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum Art {
    ERSETZEN,  // temporary file, renamed over the target at the end
    AN_ORT,    // regular file written in place, cut back to whole lines on failure
    STROM      // standard output, pipe or device: written as it comes
};

struct Datei {
    bool belegt = false;
    Art art = STROM;
    int fd = -1;
    bool eigenesFd = true;  // false for standard output, which stays open
    bool fehlgeschlagen = false;
    off_t ganzeZeilen = 0;  // bytes of the lines written in full
    std::string ziel, temp;
};

const int MAX_DATEIEN = 8;
Datei s_dateien[MAX_DATEIEN];
int s_fehler = 0;

int fehler(int e)
{
    s_fehler = e;
    return -1;
}

Datei *datei(int handle)
{
    if (handle < 1 || handle > MAX_DATEIEN || !s_dateien[handle - 1].belegt)
        return nullptr;
    return &s_dateien[handle - 1];
}

int eintragen(const Datei &d)
{
    for (int i = 0; i < MAX_DATEIEN; ++i)
        if (!s_dateien[i].belegt) {
            s_dateien[i] = d;
            s_dateien[i].belegt = true;
            return i + 1;
        }
    if (d.eigenesFd)
        ::close(d.fd);
    if (!d.temp.empty())
        ::unlink(d.temp.c_str());
    return fehler(EMFILE);
}

int oeffnen(const char *pfad, int flags, mode_t modus = 0666)
{
    int fd;
    do
        fd = ::open(pfad, flags | O_CLOEXEC, modus);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// Opening never blocks (a FIFO without a reader fails with ENXIO at once);
// writing afterwards waits for the reader as usual.
int ohneBlockieren(const char *pfad, int flags)
{
    int fd = oeffnen(pfad, flags | O_NONBLOCK | O_NOCTTY);
    if (fd >= 0)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

mode_t neueRechte()
{
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return 0666 & ~maske;
}

// The folder a path lies in ("." for a bare name, "/" for the root).
std::string ordnerVon(const std::string &pfad)
{
    const size_t schnitt = pfad.rfind('/');
    return schnitt == std::string::npos ? "." : pfad.substr(0, schnitt ? schnitt : 1);
}

// The regular file to replace: a symbolic link is followed, so that the
// link stays and the file it points to gets the new content; a link that
// points nowhere yet names the file to create.
std::string zielDatei(std::string pfad)
{
    for (int tiefe = 0; tiefe < 40; ++tiefe) {
        struct stat l;
        if (::lstat(pfad.c_str(), &l) != 0 || !S_ISLNK(l.st_mode))
            return pfad;
        char ziel[4096];
        const ssize_t n = ::readlink(pfad.c_str(), ziel, sizeof ziel - 1);
        if (n <= 0)
            return pfad;
        ziel[n] = '\0';
        pfad = ziel[0] == '/' ? std::string(ziel) : ordnerVon(pfad) + "/" + ziel;
    }
    return pfad;
}

int ersetzen(const char *pfad, const struct stat *alt)
{
    Datei d;
    d.art = ERSETZEN;
    d.ziel = zielDatei(pfad);
    const std::string ordner = ordnerVon(d.ziel);
    const std::string name = d.ziel.substr(d.ziel.rfind('/') + 1);
    // An existing file that may not be written is not replaced either.
    if (alt && ::access(d.ziel.c_str(), W_OK) != 0)
        return fehler(errno);
    d.temp = ordner + "/." + (name.size() <= 200 ? name : std::string("wlr7sinus")) + ".XXXXXX";
    d.fd = ::mkostemp(&d.temp[0], O_CLOEXEC);
    if (d.fd < 0) {
        const int e = errno;
        d.temp.clear();
        if (e != EACCES && e != EPERM)
            return fehler(e);
        // The folder takes no new file, but the file itself may be writable:
        // written in place, cut back to its last whole line on failure.
        d.art = AN_ORT;
        d.fd = oeffnen(d.ziel.c_str(), O_WRONLY | O_CREAT | O_TRUNC);
        if (d.fd < 0)
            return fehler(errno);
        return eintragen(d);
    }
    if (alt) {
        ::fchmod(d.fd, alt->st_mode & 07777);
        if (alt->st_uid != ::geteuid() || alt->st_gid != ::getegid())
            (void)!::fchown(d.fd, alt->st_uid, alt->st_gid);  // kept where we may
    } else {
        ::fchmod(d.fd, neueRechte());
    }
    return eintragen(d);
}

// Closes a descriptor; false when the close reported an error.
bool schliessen(int fd)
{
    return ::close(fd) == 0 || errno == EINTR;
}

}  // namespace

int CVI_OpenFile(const char *path, int readWrite, int action, int)
{
    // A file size limit or a vanished reader then shows as a failed write,
    // not as a killed program.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    if (!path || !*path)
        return fehler(ENOENT);
    if (readWrite == 1)
        return fehler(EINVAL);  // export files are only written

    if (std::strcmp(path, "-") == 0) {
        Datei d;
        d.fd = STDOUT_FILENO;
        d.eigenesFd = false;
        return eintragen(d);
    }

    struct stat st;
    const bool vorhanden = ::stat(path, &st) == 0;
    if (!vorhanden && errno != ENOENT)
        return fehler(errno);
    if (vorhanden && S_ISDIR(st.st_mode))
        return fehler(EISDIR);
    if (vorhanden && !S_ISREG(st.st_mode)) {
        Datei d;
        d.fd = ohneBlockieren(path, O_WRONLY | (action == 1 ? O_APPEND : 0));
        return d.fd < 0 ? fehler(errno) : eintragen(d);
    }
    if (action == 0)
        return ersetzen(path, vorhanden ? &st : nullptr);
    Datei d;
    d.art = AN_ORT;
    d.fd = oeffnen(path, O_WRONLY | O_CREAT | (action == 1 ? O_APPEND : 0));
    if (d.fd < 0)
        return fehler(errno);
    d.ganzeZeilen = ::lseek(d.fd, 0, action == 1 ? SEEK_END : SEEK_CUR);
    return eintragen(d);
}

namespace {

// Writes n bytes of whole lines; on failure only the whole lines that made it
// count as written.
int schreiben(Datei *d, const char *puffer, size_t n)
{
    size_t geschrieben = 0;
    while (geschrieben < n) {
        ssize_t r = ::write(d->fd, puffer + geschrieben, n - geschrieben);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd p = {d->fd, POLLOUT, 0};
            ::poll(&p, 1, -1);
            continue;
        }
        if (r <= 0) {
            const int e = r < 0 ? errno : EIO;
            size_t ganz = geschrieben;
            while (ganz > 0 && puffer[ganz - 1] != '\n')
                --ganz;
            d->ganzeZeilen += static_cast<off_t>(ganz);
            d->fehlgeschlagen = true;
            return fehler(e);
        }
        geschrieben += static_cast<size_t>(r);
    }
    d->ganzeZeilen += static_cast<off_t>(n);
    return 0;
}

}  // namespace

int WriteLine(int handle, const char *text, int count)
{
    Datei *d = datei(handle);
    if (!d || (!text && count != 0))
        return -1;
    if (d->fehlgeschlagen)
        return fehler(EIO);
    if (count < 0)
        count = static_cast<int>(std::strlen(text));
    // Text and line end go out together in one write.
    char kurz[256];
    std::string lang;
    char *puffer = kurz;
    const size_t n = static_cast<size_t>(count) + 1;
    if (n > sizeof kurz) {
        lang.resize(n);
        puffer = &lang[0];
    }
    if (count > 0)
        std::memcpy(puffer, text, static_cast<size_t>(count));
    puffer[count] = '\n';
    return schreiben(d, puffer, n) == 0 ? count : -1;
}

int TK_ZeilenSchreiben(int handle, const char *lines, int count)
{
    Datei *d = datei(handle);
    if (!d || count < 0 || (!lines && count != 0))
        return -1;
    if (d->fehlgeschlagen)
        return fehler(EIO);
    return schreiben(d, lines, static_cast<size_t>(count)) == 0 ? count : -1;
}

int CVI_CloseFile(int handle)
{
    Datei *d = datei(handle);
    if (!d)
        return -1;
    Datei f = *d;
    *d = Datei();
    int ergebnis = f.fehlgeschlagen ? -1 : 0;

    switch (f.art) {
    case ERSETZEN:
        if (!f.fehlgeschlagen && ::fsync(f.fd) != 0)
            ergebnis = fehler(errno);
        if (!schliessen(f.fd) && ergebnis == 0)
            ergebnis = fehler(errno);
        if (ergebnis == 0 && ::rename(f.temp.c_str(), f.ziel.c_str()) != 0)
            ergebnis = fehler(errno);
        if (ergebnis != 0) {
            ::unlink(f.temp.c_str());  // the old file stays as it was
        } else {
            // The rename itself reaches the disk with its folder.
            int od = oeffnen(ordnerVon(f.ziel).c_str(), O_RDONLY | O_DIRECTORY);
            if (od >= 0) {
                ::fsync(od);
                ::close(od);
            }
        }
        return ergebnis;
    case AN_ORT:
        if (f.fehlgeschlagen)
            (void)!::ftruncate(f.fd, f.ganzeZeilen);  // no cut line stays behind
        else if (::fsync(f.fd) != 0)
            ergebnis = fehler(errno);
        if (!schliessen(f.fd) && ergebnis == 0)
            ergebnis = fehler(errno);
        return ergebnis;
    case STROM:
        if (!f.eigenesFd) {
            struct stat st;
            if (ergebnis == 0 && ::fstat(f.fd, &st) == 0 && S_ISREG(st.st_mode) && ::fsync(f.fd) != 0)
                ergebnis = fehler(errno);
            return ergebnis;
        }
        if (!schliessen(f.fd) && ergebnis == 0)
            ergebnis = fehler(errno);
        return ergebnis;
    }
    return ergebnis;
}

int TK_DateiVerwerfen(int handle)
{
    Datei *d = datei(handle);
    if (!d)
        return -1;
    d->fehlgeschlagen = true;
    CVI_CloseFile(handle);
    return 0;
}

int TK_DateiFehler(void) { return s_fehler; }

const char *TK_FehlerGrund(int errnum)
{
    switch (errnum) {
    case ENOSPC: return "Kein Speicherplatz mehr auf dem Datenträger";
    case EDQUOT: return "Speicherkontingent überschritten";
    case EACCES:
    case EPERM: return "Keine Berechtigung";
    case ENOENT: return "Ordner nicht gefunden";
    case ENOTDIR: return "Ein Teil des Pfades ist kein Ordner";
    case EISDIR: return "Ist ein Ordner";
    case ENAMETOOLONG: return "Pfad zu lang";
    case EFBIG: return "Datei zu groß";
    case ENXIO:
    case EPIPE: return "Kein Leser an der Pipe";
    case EROFS: return "Schreibgeschütztes Dateisystem";
    case EIO: return "Ein-/Ausgabefehler";
    case ELOOP: return "Zu viele symbolische Verknüpfungen";
    case EMFILE:
    case ENFILE: return "Zu viele offene Dateien";
    default: break;
    }
    static char s_text[40];
    std::snprintf(s_text, sizeof s_text, "Systemfehler %d", errnum);
    return s_text;
}
