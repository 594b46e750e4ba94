// Failures a test can inject through the wrapped system calls (seams.cpp).
#ifndef TEST_SEAMS_H
#define TEST_SEAMS_H

extern bool gSyncVersagt;     ///< fsync fails with EIO
extern bool gCloseVersagt;    ///< close reports EDQUOT (the descriptor is closed all the same)
extern bool gTempVersagt;     ///< mkostemp fails with EACCES: no temporary file beside the target
extern bool gReallocVersagt;  ///< realloc returns no memory

#endif
