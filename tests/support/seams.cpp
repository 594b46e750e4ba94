// Linked with --wrap: a test makes the sync, the close, the creation of the
// temporary file, the mode, the reservation, the lock, the writes or the
// resize of the sample array fail, as a full quota, a read-only folder, a
// file system without unnamed files or fallocate, a network file system
// without locks, a full disk, a failing disk or a full memory would.
#include "seams.h"

#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstddef>
#include <fcntl.h>
#include <sys/types.h>

bool gSyncVersagt = false, gCloseVersagt = false, gTempVersagt = false, gReallocVersagt = false;
int gUnbenanntFehlt = 0;
bool gRechteVersagt = false, gReservierenVersagt = false, gReservierenFehlt = false;
bool gSperreVersagt = false, gLesenVersagt = false, gZurueckVersagt = false;
long gSchreibRest = -1;
int gSchreibFehler = ENOSPC;
int gSignalNachLink = 0;
int gNamenVergeben = 0;
int gZurueckUnterbrochen = 0;

extern "C" int __real_fsync(int fd);
extern "C" int __real_close(int fd);
extern "C" void *__real_realloc(void *p, std::size_t n);
extern "C" int __real_open(const char *pfad, int flags, ...);
extern "C" int __real_openat(int ordner, const char *pfad, int flags, ...);
extern "C" int __real_fchmod(int fd, mode_t modus);
extern "C" int __real_fallocate(int fd, int art, off_t von, off_t laenge);
extern "C" ssize_t __real_write(int fd, const void *p, std::size_t n);
extern "C" int __real_flock(int fd, int art);
extern "C" int __real_linkat(int von, const char *alt, int nach, const char *neu, int art);
extern "C" ssize_t __real_pread(int fd, void *p, std::size_t n, off_t ab);
extern "C" ssize_t __real_pwrite(int fd, const void *p, std::size_t n, off_t ab);

int gSyncAufrufe = 0;
extern "C" int __wrap_fsync(int fd) { return ++gSyncAufrufe, gSyncVersagt ? (errno = EIO, -1) : __real_fsync(fd); }
// The descriptor is closed all the same; only the result reports a failure.
extern "C" int __wrap_close(int fd) { return __real_close(fd) == 0 && !gCloseVersagt ? 0 : (errno = EDQUOT, -1); }
extern "C" void *__wrap_realloc(void *p, std::size_t n) { return gReallocVersagt ? nullptr : __real_realloc(p, n); }
extern "C" int __wrap_fchmod(int fd, mode_t m) { return gRechteVersagt ? (errno = EPERM, -1) : __real_fchmod(fd, m); }
extern "C" ssize_t __wrap_pread(int fd, void *p, std::size_t n, off_t ab)
{
    return gLesenVersagt ? (errno = EIO, -1) : __real_pread(fd, p, n, ab);
}
extern "C" ssize_t __wrap_pwrite(int fd, const void *p, std::size_t n, off_t ab)
{
    if (gZurueckUnterbrochen > 0) return --gZurueckUnterbrochen, errno = EINTR, -1;
    return gZurueckVersagt ? (errno = EIO, -1) : __real_pwrite(fd, p, n, ab);
}
extern "C" int __wrap_flock(int fd, int art) { return gSperreVersagt ? (errno = ENOLCK, -1) : __real_flock(fd, art); }
// Another process takes the name a temporary file is about to get: a file
// of that name appears in the folder first.
static void NameVergeben(int ordner, const char *name)
{
    if (gNamenVergeben <= 0) return;
    --gNamenVergeben;
    const int fd = __real_openat(ordner, name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) {
        (void)!__real_write(fd, "fremd\n", 6);
        __real_close(fd);
    }
}

// A stop that comes between naming the temporary file and renaming it.
extern "C" int __wrap_linkat(int von, const char *alt, int nach, const char *neu, int art)
{
    NameVergeben(nach, neu);
    const int r = __real_linkat(von, alt, nach, neu, art);
    if (r == 0 && gSignalNachLink) raise(gSignalNachLink);
    return r;
}
extern "C" int __wrap_fallocate(int fd, int art, off_t von, off_t laenge)
{
    if (gReservierenVersagt || gReservierenFehlt)
        return errno = gReservierenVersagt ? ENOSPC : EOPNOTSUPP, -1;
    return __real_fallocate(fd, art, von, laenge);
}

// A temporary file: unnamed (O_TMPFILE) or named (O_CREAT | O_EXCL).
static int TempSperre(int flags)
{
    if ((flags & O_TMPFILE) == O_TMPFILE && (gTempVersagt || gUnbenanntFehlt))
        return gTempVersagt ? EACCES : gUnbenanntFehlt;
    return (flags & (O_CREAT | O_EXCL)) == (O_CREAT | O_EXCL) && gTempVersagt ? EACCES : 0;
}

extern "C" int __wrap_open(const char *pfad, int flags, ...)
{
    va_list a;
    va_start(a, flags);
    const mode_t modus = static_cast<mode_t>(va_arg(a, unsigned));
    va_end(a);
    const int e = TempSperre(flags);
    return e ? (errno = e, -1) : __real_open(pfad, flags, modus);
}

extern "C" int __wrap_openat(int ordner, const char *pfad, int flags, ...)
{
    va_list a;
    va_start(a, flags);
    const mode_t modus = static_cast<mode_t>(va_arg(a, unsigned));
    va_end(a);
    const int e = TempSperre(flags);
    if (!e && (flags & (O_CREAT | O_EXCL)) == (O_CREAT | O_EXCL)) NameVergeben(ordner, pfad);
    return e ? (errno = e, -1) : __real_openat(ordner, pfad, flags, modus);
}

// Lets gSchreibRest more bytes through, then fails as a full (or failing)
// disk does.
extern "C" ssize_t __wrap_write(int fd, const void *p, std::size_t n)
{
    if (gSchreibRest < 0) return __real_write(fd, p, n);
    if (gSchreibRest == 0) return errno = gSchreibFehler, -1;
    const std::size_t durch = n < static_cast<std::size_t>(gSchreibRest) ? n : static_cast<std::size_t>(gSchreibRest);
    const ssize_t r = __real_write(fd, p, durch);
    if (r > 0) gSchreibRest -= r;
    return r;
}
