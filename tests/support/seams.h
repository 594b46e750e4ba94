// Failures a test can inject through the wrapped system calls (seams.cpp).
#ifndef TEST_SEAMS_H
#define TEST_SEAMS_H

extern bool gSyncVersagt;         ///< fsync fails with EIO
extern int gSyncAufrufe;          ///< fsync calls so far
extern bool gCloseVersagt;        ///< close reports EDQUOT (the descriptor is closed all the same)
extern bool gTempVersagt;         ///< no temporary file beside the target (EACCES), named or unnamed
extern int gUnbenanntFehlt;       ///< the file system has no unnamed files: O_TMPFILE fails with this errno (0: it has)
extern bool gRechteVersagt;       ///< fchmod fails with EPERM
extern bool gReservierenVersagt;  ///< fallocate fails with ENOSPC
extern bool gReservierenFehlt;    ///< the file system has no fallocate (EOPNOTSUPP)
extern bool gSperreVersagt;       ///< flock fails with ENOLCK, as on some network file systems
extern bool gReallocVersagt;      ///< realloc returns no memory
extern bool gLesenVersagt;         ///< pread fails with EIO, as a failing disk does
extern bool gZurueckVersagt;       ///< pwrite (putting old bytes back) fails with EIO
extern int gZurueckUnterbrochen;   ///< so many pwrite calls are interrupted by a signal (EINTR) first
extern long gSchreibRest;         ///< from 0 on: bytes write() still takes before ENOSPC; -1 no limit
extern int gSchreibFehler;        ///< the errno write() fails with once gSchreibRest is used up (ENOSPC)
extern int gSignalNachLink;       ///< raised right after a temporary file got its name (linkat), 0 none
extern int gNamenVergeben;        ///< this many temporary names are taken by another file just before they are tried

#endif
