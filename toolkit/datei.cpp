// Export-file I/O on POSIX descriptors, unbuffered: a failure is reported at
// the line it hits.
#include "toolkit.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

int CVI_OpenFile(const char *path, int readWrite, int action, int)
{
    if (!path || !*path)
        return -1;
    // A file size limit then shows as a failed write, not as a killed program.
    std::signal(SIGXFSZ, SIG_IGN);
    int flags = readWrite == 1 ? O_RDONLY : readWrite == 2 ? O_WRONLY : O_RDWR;
    if (readWrite != 1) {
        flags |= O_CREAT;
        flags |= action == 0 ? O_TRUNC : action == 1 ? O_APPEND : 0;
    }
    int fd;
    do
        fd = ::open(path, flags | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    return fd < 0 ? -1 : fd;
}

int WriteLine(int handle, const char *text, int count)
{
    if (handle < 0 || (!text && count != 0))
        return -1;
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
    size_t geschrieben = 0;
    while (geschrieben < n) {
        ssize_t r = ::write(handle, puffer + geschrieben, n - geschrieben);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            return -1;
        geschrieben += static_cast<size_t>(r);
    }
    return count;
}

int CVI_CloseFile(int handle)
{
    if (handle < 0)
        return -1;
    return ::close(handle) == 0 ? 0 : -1;
}
