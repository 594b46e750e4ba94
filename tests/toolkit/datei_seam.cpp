// Linked with --wrap: lets a test make the sync, the close or the creation
// of the temporary file fail, as a full quota or a read-only folder would.
#include <cerrno>

bool gSyncVersagt = false;
bool gCloseVersagt = false;
bool gTempVersagt = false;

extern "C" int __real_fsync(int fd);
extern "C" int __real_close(int fd);
extern "C" int __real_mkostemp(char *muster, int flags);

extern "C" int __wrap_fsync(int fd)
{
    if (!gSyncVersagt)
        return __real_fsync(fd);
    errno = EIO;
    return -1;
}

// The descriptor is closed all the same; only the result reports a failure.
extern "C" int __wrap_close(int fd)
{
    const int r = __real_close(fd);
    if (!gCloseVersagt)
        return r;
    errno = EDQUOT;
    return -1;
}

extern "C" int __wrap_mkostemp(char *muster, int flags)
{
    if (!gTempVersagt)
        return __real_mkostemp(muster, flags);
    errno = EACCES;
    return -1;
}
