// Shared by the export-file I/O sources: one open export file and the ways
// of opening one. Not part of the toolkit's interface.
#ifndef TOOLKIT_DATEI_INTERN_H
#define TOOLKIT_DATEI_INTERN_H

#include <string>
#include <sys/types.h>

namespace datei {

enum Art {
    ERSETZEN,  // temporary file, put in the target's place at the end
    AN_ORT,    // regular file written where it stands, the old bytes kept to put back
    STROM      // pipe, socket, terminal or device: written as it comes, no undo
};

struct Datei {
    bool belegt = false;
    Art art = STROM;
    int fd = -1;
    bool eigenesFd = true;    // false for a descriptor the process had already
    bool fehlgeschlagen = false;
    bool kuerzen = false;     // cut to the written length at the end (a replaced content)
    bool unbenannt = false;   // ERSETZEN: the temporary file has no name yet
    bool gesperrt = false;    // AN_ORT: this run holds the file's flock
    bool aufgeschoben = false;  // AN_ORT: stop signals wait until the file is finished
    bool anhaengen = false;   // AN_ORT: a descriptor opened with O_APPEND
    bool verstreut = false;   // AN_ORT: a write did not land right after the one before
    off_t beginn = 0;         // AN_ORT: where this run's bytes start
    off_t altLaenge = 0;      // AN_ORT: the file's length before this run
    off_t geschrieben = 0;    // bytes written by this run
    off_t reserviert = 0;     // AN_ORT: bytes from beginn the file system has set aside
    mode_t modus = 0;         // the old file's mode, given back where a write cleared set-id bits
    bool ohneSicherung = false;  // AN_ORT: the old bytes cannot be read back
    std::string sicherung;    // AN_ORT: the old bytes overwritten so far
    int ordner = -1;          // ERSETZEN: the target's folder (O_PATH)
    int sperre = -1;          // ERSETZEN: the old file, locked until the rename
    std::string name, temp;   // ERSETZEN: the target's and the temporary's name in it
    int tempPlatz = -1;       // ERSETZEN: where the signal clean-up keeps the name
};

/// Records a failure: its errno and, where the errno alone would mislead,
/// a reason of its own. Returns -1.
int Fehler(int e, const char *grund = nullptr);
/// open() repeated on EINTR, always close-on-exec.
int Oeffnen(const char *pfad, int flags, mode_t modus = 0666);
/// The folder a path lies in ("." for a bare name, "/" for the root).
std::string OrdnerVon(const std::string &pfad);

/// Fills @p d for @p pfad (opened for writing as the export needs it).
/// 0, or -1 with the failure recorded.
int Vorbereiten(const char *pfad, Datei &d);
/// A temporary file in d.ordner for d.name: unnamed where the file system
/// has them, else named and removed on SIGINT, SIGTERM and SIGHUP. Names
/// that dead runs left for the same target are removed first. A named one
/// is created with @p modus: 0600 where it takes an old file's mode later,
/// 0666 for a new file, so that the umask or the folder's default ACL
/// decide as for any new file (an unnamed one always gets 0666 so). The
/// descriptor, or -1 with errno set.
int TempAnlegen(Datei &d, mode_t modus);
/// Puts a written temporary file in the target's place: sync, name, close,
/// rename, folder sync. 0, or -1 with the failure recorded (nothing replaced).
int Veroeffentlichen(Datei &d);
/// Closes and removes a temporary file that will not be used.
void TempVerwerfen(Datei &d);
/// Closes the target's folder and the lock on the old file.
void Loesen(Datei &d);

/// Holds back the signals that would end the process (SIGINT, SIGTERM,
/// SIGHUP, SIGQUIT, SIGALRM, ...) for every thread, where they would end
/// it, until the matching SignaleFreigeben(); nested calls count.
void SignaleAufschieben();
/// Ends a SignaleAufschieben(); a signal held back meanwhile takes its
/// course now.
void SignaleFreigeben();

}  // namespace datei

#endif
