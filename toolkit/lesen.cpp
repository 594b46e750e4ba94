// Opening a file to read it, without ever waiting in open(): a FIFO
// without a writer would block there for ever.
#include "toolkit_kern.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int TK_LesenOeffnen(const char *pfad)
{
    const int fd = ::open(pfad, O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -errno;
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        const int iFehler = errno;
        ::close(fd);
        return -iFehler;
    }
    // A device can deliver bytes without end: it is no file to read.
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) {
        ::close(fd);
        return -ENODEV;
    }
    // Reading waits as usual again: a FIFO without a writer reads as
    // empty at once, one with a writer as its bytes come.
    const int iFlags = ::fcntl(fd, F_GETFL);
    if (iFlags < 0 || ::fcntl(fd, F_SETFL, iFlags & ~O_NONBLOCK) != 0) {
        const int iFehler = errno;
        ::close(fd);
        return -iFehler;
    }
    return fd;
}
