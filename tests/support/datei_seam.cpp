// Linked with --wrap: a test makes the sync, the close or the creation of
// the temporary file fail, as a full quota or a read-only folder would.
#include <cerrno>

bool gSyncVersagt = false, gCloseVersagt = false, gTempVersagt = false;

extern "C" int __real_fsync(int fd);
extern "C" int __real_close(int fd);
extern "C" int __real_mkostemp(char *muster, int flags);

extern "C" int __wrap_fsync(int fd) { return gSyncVersagt ? (errno = EIO, -1) : __real_fsync(fd); }
// The descriptor is closed all the same; only the result reports a failure.
extern "C" int __wrap_close(int fd) { return __real_close(fd) == 0 && !gCloseVersagt ? 0 : (errno = EDQUOT, -1); }
extern "C" int __wrap_mkostemp(char *m, int f) { return gTempVersagt ? (errno = EACCES, -1) : __real_mkostemp(m, f); }
