// Export-file I/O on POSIX descriptors: the handles, the writes, the
// reservation of space and the end of a file. How a path is opened is in
// datei_ziel.cpp, the temporary files of a replacement in datei_temp.cpp.
// No failure leaves less than was there: a replacement is discarded, a file
// written in place gets its old bytes back (the tail past the new length
// too, until the new content is synced), and every failure is reported at
// the step it hits, with its errno kept for the message. Bytes appended to
// a shared file are taken back only where the lock proves that nobody else
// wrote after them; otherwise the message says what stays.
#include "datei_intern.h"
#include "toolkit_kern.h"
#include "texte.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <poll.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/resource.h>
#include <unistd.h>

using datei::Datei;

namespace {

const int MAX_DATEIEN = 8;
const size_t KURZE_ZEILE = 256;

enum Rueckbau { KEIN_RUECKBAU, ZURUECKGESETZT, NICHT_ZURUECKGESETZT, STEHEN_GEBLIEBEN };

Datei s_dateien[MAX_DATEIEN];
int s_fehler = 0;
const char *s_grund = nullptr;  // a reason of its own where the errno misleads
Rueckbau s_rueckbau = KEIN_RUECKBAU;
// STEHEN_GEBLIEBEN: the bytes of the failed run left in a shared file, where
// they start, and why they could not be taken back.
long long s_stehenAnzahl = 0, s_stehenAb = 0;
const char *s_stehenGrund = "";

Datei *Eintrag(int handle)
{
    if (handle < 1 || handle > MAX_DATEIEN || !s_dateien[handle - 1].belegt)
        return nullptr;
    return &s_dateien[handle - 1];
}

// Closes a descriptor; false when the close reported an error.
bool Schliessen(int fd)
{
    return ::close(fd) == 0 || errno == EINTR;
}

// Keeps the old bytes that the next @p n bytes will overwrite. False when
// they cannot be read: then nothing is overwritten.
bool Sichern(Datei *d, size_t n)
{
    const off_t stelle = d->beginn + d->geschrieben;
    if (d->ohneSicherung || stelle >= d->altLaenge)
        return true;
    const size_t laenge = static_cast<size_t>(std::min<off_t>(static_cast<off_t>(n), d->altLaenge - stelle));
    const size_t vorher = d->sicherung.size();
    try {
        d->sicherung.resize(vorher + laenge);
    } catch (const std::bad_alloc &) {
        errno = ENOMEM;
        return false;
    }
    size_t gelesen = 0;
    while (gelesen < laenge) {
        const ssize_t r = ::pread(d->fd, &d->sicherung[vorher + gelesen], laenge - gelesen,
                                  stelle + static_cast<off_t>(gelesen));
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0) {
            d->sicherung.resize(vorher + gelesen);  // only bytes really read are ever put back
            return false;
        }
        if (r == 0)
            break;  // the file got shorter: there is no more to keep
        gelesen += static_cast<size_t>(r);
    }
    d->sicherung.resize(vorher + gelesen);
    return true;
}

// Whether the next @p n bytes would overwrite old bytes that can neither be
// read back nor are sure to fit: then nothing is written.
bool Unumkehrbar(const Datei *d, size_t n)
{
    const off_t stelle = d->beginn + d->geschrieben;
    return d->art == datei::AN_ORT && d->ohneSicherung && !d->anhaengen && stelle < d->altLaenge &&
           stelle + static_cast<off_t>(n) > d->beginn + d->reserviert;
}

// Notes where @p r bytes just written landed: an appended run starts where
// its first bytes went; a later write elsewhere means another writer came
// in between.
void Landung(Datei *d, off_t bisher, ssize_t r)
{
    const off_t stelle = ::lseek(d->fd, 0, SEEK_CUR);
    if (stelle < 0)
        return;
    if (bisher == 0 && d->anhaengen)
        d->beginn = d->altLaenge = stelle - r;
    else if (stelle != d->beginn + bisher + r)
        d->verstreut = true;
}

int Schreiben(Datei *d, const char *puffer, size_t n)
{
    if (Unumkehrbar(d, n)) {
        d->fehlgeschlagen = true;
        return datei::Fehler(EOPNOTSUPP, TK_TEXT_NICHT_RUECKBAR);
    }
    if (d->art == datei::AN_ORT && !Sichern(d, n)) {
        d->fehlgeschlagen = true;
        return datei::Fehler(errno);
    }
    size_t geschrieben = 0;
    while (geschrieben < n) {
        const ssize_t r = ::write(d->fd, puffer + geschrieben, n - geschrieben);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd p = {d->fd, POLLOUT, 0};
            ::poll(&p, 1, -1);
            continue;
        }
        if (r <= 0) {
            const int e = r < 0 ? errno : EIO;
            d->geschrieben += static_cast<off_t>(geschrieben);
            d->fehlgeschlagen = true;
            return datei::Fehler(e);
        }
        if (d->art == datei::AN_ORT)
            Landung(d, d->geschrieben + static_cast<off_t>(geschrieben), r);
        geschrieben += static_cast<size_t>(r);
    }
    d->geschrieben += static_cast<off_t>(n);
    return 0;
}

// A write by a process without CAP_FSETID clears the set-id bits of the
// file written; the owner gets them back, as they were before this run.
void ModusZurueck(const Datei &f)
{
    struct stat st;
    if (f.kuerzen && (f.modus & (S_ISUID | S_ISGID)) && ::fstat(f.fd, &st) == 0 &&
        (st.st_mode & 07777) != f.modus)
        (void)::fchmod(f.fd, f.modus);
}

// Puts a file written in place back as it was: the old bytes over the new
// ones, the old length, synced. A file this run only shares (a descriptor
// it was given) is put back only under the lock and where it still ends
// with this run's bytes, so that nothing another writer wrote is cut off;
// else the bytes stay and the message says which. The cause of the failure
// stays recorded.
void Zuruecksetzen(const Datei &f)
{
    struct stat st;
    if (f.geschrieben == 0) {
        // Frees what a reservation took past the end; in a shared file only
        // under the lock and where nobody appended meanwhile.
        if (f.kuerzen || (f.gesperrt && ::fstat(f.fd, &st) == 0 && st.st_size == f.altLaenge))
            (void)!::ftruncate(f.fd, f.altLaenge);
        return;
    }
    const off_t ende = f.beginn + f.geschrieben;
    if (!f.kuerzen && (!f.gesperrt || f.verstreut || ::fstat(f.fd, &st) != 0 ||
                       st.st_size != std::max(ende, f.altLaenge))) {
        s_rueckbau = STEHEN_GEBLIEBEN;
        s_stehenAnzahl = f.geschrieben;
        s_stehenAb = f.beginn;
        s_stehenGrund = f.gesperrt ? TK_TEXT_ANDERER_SCHRIEB : TK_TEXT_NICHT_GESPERRT;
        return;
    }
    bool ganz = !f.ohneSicherung || f.beginn >= f.altLaenge;
    for (size_t n = 0; ganz && n < f.sicherung.size();) {
        const ssize_t r = ::pwrite(f.fd, f.sicherung.data() + n, f.sicherung.size() - n,
                                   f.beginn + static_cast<off_t>(n));
        if (r > 0)
            n += static_cast<size_t>(r);
        else if (r == 0 || errno != EINTR)
            ganz = false;
    }
    // A cut that fails where the length never changed (the new content's
    // own cut failed first) still leaves the old file whole.
    ganz = (::ftruncate(f.fd, f.altLaenge) == 0 || (::fstat(f.fd, &st) == 0 && st.st_size == f.altLaenge)) && ganz;
    if (!f.kuerzen && !f.anhaengen)
        ::lseek(f.fd, f.beginn, SEEK_SET);  // the caller's descriptor stands where it stood
    ::fsync(f.fd);  // the bytes are back either way; the disk may still fail to take them
    s_rueckbau = ganz ? ZURUECKGESETZT : NICHT_ZURUECKGESETZT;
}

}  // namespace

int datei::Fehler(int e, const char *grund)
{
    s_fehler = e;
    s_grund = grund;
    s_rueckbau = KEIN_RUECKBAU;
    return -1;
}

int datei::Oeffnen(const char *pfad, int flags, mode_t modus)
{
    int fd;
    do
        fd = ::open(pfad, flags | O_CLOEXEC, modus);
    while (fd < 0 && errno == EINTR);
    return fd;
}

std::string datei::OrdnerVon(const std::string &pfad)
{
    const size_t schnitt = pfad.rfind('/');
    return schnitt == std::string::npos ? "." : pfad.substr(0, schnitt ? schnitt : 1);
}

int CVI_OpenFile(const char *path, int readWrite, int action, int)
{
    // A file size limit or a vanished reader then shows as a failed write,
    // not as a killed program.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    if (!path || !*path)
        return datei::Fehler(ENOENT);
    if (readWrite == 1 || action != 0)
        return datei::Fehler(EINVAL);  // export files are only written, whole
    Datei *frei = nullptr;
    for (Datei &d : s_dateien)
        if (!d.belegt && !frei)
            frei = &d;
    if (!frei)
        return datei::Fehler(EMFILE);
    Datei d;
    if (datei::Vorbereiten(path, d) != 0) {
        if (d.eigenesFd && d.fd >= 0)
            ::close(d.fd);
        return -1;
    }
    d.belegt = true;
    *frei = std::move(d);
    return static_cast<int>(frei - s_dateien) + 1;
}

int TK_DateiReservieren(int handle, long long bytes)
{
    Datei *d = Eintrag(handle);
    if (!d || bytes < 0)
        return -1;
    if (d->fehlgeschlagen)
        return datei::Fehler(EIO);
    if (d->art == datei::STROM || bytes <= d->reserviert)
        return 0;
    // fallocate past the end does not look at the size limit; it is asked
    // here, so that it too fails before a byte changes.
    const off_t ende = d->beginn + static_cast<off_t>(bytes);
    struct rlimit grenze;
    if (::getrlimit(RLIMIT_FSIZE, &grenze) == 0 && grenze.rlim_cur != RLIM_INFINITY &&
        static_cast<rlim_t>(ende) > grenze.rlim_cur) {
        d->fehlgeschlagen = true;
        return datei::Fehler(EFBIG);
    }
    int r;
    do
        r = ::fallocate(d->fd, FALLOC_FL_KEEP_SIZE, d->beginn, static_cast<off_t>(bytes));
    while (r != 0 && errno == EINTR);
    if (r != 0 && errno != EOPNOTSUPP && errno != ENOSYS) {
        d->fehlgeschlagen = true;
        return datei::Fehler(errno);
    }
    if (r != 0 && Unumkehrbar(d, static_cast<size_t>(bytes))) {
        d->fehlgeschlagen = true;  // refused while the file is still whole
        return datei::Fehler(EOPNOTSUPP, TK_TEXT_NICHT_RUECKBAR);
    }
    if (r == 0)
        d->reserviert = static_cast<off_t>(bytes);
    return 0;
}

int WriteLine(int handle, const char *text, int count)
{
    Datei *d = Eintrag(handle);
    if (!d || (!text && count != 0))
        return -1;
    if (d->fehlgeschlagen)
        return datei::Fehler(EIO);
    if (count < 0)
        count = static_cast<int>(std::strlen(text));
    // Text and line end go out together in one write.
    char kurz[KURZE_ZEILE];
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
    return Schreiben(d, puffer, n) == 0 ? count : -1;
}

int TK_ZeilenSchreiben(int handle, const char *lines, int count)
{
    Datei *d = Eintrag(handle);
    if (!d || count < 0 || (!lines && count != 0))
        return -1;
    if (d->fehlgeschlagen)
        return datei::Fehler(EIO);
    return Schreiben(d, lines, static_cast<size_t>(count)) == 0 ? count : -1;
}

int CVI_CloseFile(int handle)
{
    Datei *d = Eintrag(handle);
    if (!d)
        return -1;
    Datei f = std::move(*d);
    *d = Datei();
    int ergebnis = f.fehlgeschlagen ? -1 : 0;

    switch (f.art) {
    case datei::ERSETZEN:
        if (ergebnis == 0)
            ergebnis = datei::Veroeffentlichen(f);
        if (ergebnis != 0)
            datei::TempVerwerfen(f);  // the old file stays as it was
        return ergebnis;
    case datei::AN_ORT: {
        // The tail past the new length is kept before it is cut, so that a
        // failing sync can still put it back.
        const off_t ende = f.beginn + f.geschrieben;
        if (ergebnis == 0 && f.kuerzen && ende < f.altLaenge && !Sichern(&f, static_cast<size_t>(f.altLaenge - ende)))
            ergebnis = datei::Fehler(errno);
        if (ergebnis == 0 && f.kuerzen && ::ftruncate(f.fd, ende) != 0)
            ergebnis = datei::Fehler(errno);
        if (ergebnis == 0)
            ModusZurueck(f);
        if (ergebnis == 0 && ::fsync(f.fd) != 0)
            ergebnis = datei::Fehler(errno);
        if (ergebnis != 0) {
            Zuruecksetzen(f);
            ModusZurueck(f);
        }
        // Synced or put back: a close that reports a failure now changes
        // nothing on the disk.
        if (f.eigenesFd)
            ::close(f.fd);
        else if (f.gesperrt)
            ::flock(f.fd, LOCK_UN);
        if (f.aufgeschoben)
            datei::SignaleFreigeben();
        return ergebnis;
    }
    case datei::STROM:
        break;
    }
    if (f.eigenesFd && !Schliessen(f.fd) && ergebnis == 0)
        ergebnis = datei::Fehler(errno);
    return ergebnis;
}

int TK_DateiVerwerfen(int handle)
{
    Datei *d = Eintrag(handle);
    if (!d)
        return -1;
    d->fehlgeschlagen = true;
    CVI_CloseFile(handle);
    return 0;
}

int TK_DateiFehler(void) { return s_fehler; }

const char *TK_DateiGrund(char *szGrund, std::size_t iGroesse)
{
    if (!szGrund || iGroesse == 0)
        return "";
    TK_TextKopieren(szGrund, iGroesse, s_grund ? s_grund : TK_FehlerGrund(s_fehler));
    if (s_rueckbau == ZURUECKGESETZT)
        TK_TextAnhaengen(szGrund, iGroesse, TK_TEXT_WIEDERHERGESTELLT);
    else if (s_rueckbau == NICHT_ZURUECKGESETZT)
        TK_TextAnhaengen(szGrund, iGroesse, TK_TEXT_NICHT_WIEDERHERGESTELLT);
    if (s_rueckbau == STEHEN_GEBLIEBEN) {
        char stehen[TK_DATEIGRUND_GROESSE];
        std::snprintf(stehen, sizeof stehen, TK_TEXT_STEHEN_GEBLIEBEN, s_stehenAnzahl, s_stehenAb, s_stehenGrund);
        TK_TextAnhaengen(szGrund, iGroesse, stehen);
    }
    return szGrund;
}

long TK_BlockLesen(int fd, char *puffer, std::size_t groesse)
{
    for (;;) {
        const ssize_t n = ::read(fd, puffer, groesse);
        if (n >= 0)
            return static_cast<long>(n);
        if (errno != EINTR)
            return -errno;
    }
}
