// Linked with --wrap: a test makes the sync, the close, the creation of the
// temporary file or the resize of the sample array fail, as a full quota, a
// read-only folder or a full memory would.
#include "seams.h"

#include <cerrno>
#include <cstddef>

bool gSyncVersagt = false, gCloseVersagt = false, gTempVersagt = false, gReallocVersagt = false;

extern "C" int __real_fsync(int fd);
extern "C" int __real_close(int fd);
extern "C" int __real_mkostemp(char *muster, int flags);
extern "C" void *__real_realloc(void *p, std::size_t n);

extern "C" int __wrap_fsync(int fd) { return gSyncVersagt ? (errno = EIO, -1) : __real_fsync(fd); }
// The descriptor is closed all the same; only the result reports a failure.
extern "C" int __wrap_close(int fd) { return __real_close(fd) == 0 && !gCloseVersagt ? 0 : (errno = EDQUOT, -1); }
extern "C" int __wrap_mkostemp(char *m, int f) { return gTempVersagt ? (errno = EACCES, -1) : __real_mkostemp(m, f); }
extern "C" void *__wrap_realloc(void *p, std::size_t n) { return gReallocVersagt ? nullptr : __real_realloc(p, n); }
