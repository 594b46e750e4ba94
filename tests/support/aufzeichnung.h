// Records the popups the code under test shows; test folders and files.
#ifndef TEST_AUFZEICHNUNG_H
#define TEST_AUFZEICHNUNG_H

#include <string>
#include <sys/resource.h>
#include <vector>

struct Meldung {
    std::string titel;
    std::string text;
};

/// Every message popup since the last Leeren(), oldest first.
extern std::vector<Meldung> gMeldungen;
void MeldungenLeeren();
/// Routes the popups into gMeldungen again, as from the start.
void MeldungenAufzeichnen();
/// Every popup since then as "title: text" lines.
std::string MeldungenText();

/// A fresh, empty folder for one test's files.
std::string TestOrdner();
/// The ordinary user and group the file tests run as besides root.
const unsigned NIEMAND = 65534;
/// Whether strace is there to stop or fail a child at a system call. A
/// child traced so cannot be checked for leaks (LeakSanitizer needs ptrace
/// itself): the children started after this call are not.
bool StraceBereit();
/// A folder the ordinary user owns, inside a fresh test folder everyone may enter.
std::string OrdnerVonNiemand();
/// Writes @p text as the whole content of a file.
void DateiSchreiben(const std::string &pfad, const std::string &text);
/// The whole content of a file ("" if there is none).
std::string DateiLesen(const std::string &pfad);
/// How many entries a folder holds (a left temporary file counts).
std::size_t Eintraege(const std::string &ordner);

/// While it lives, a file may grow to @p bytes at most (RLIMIT_FSIZE);
/// 0 lifts the limit as far as allowed.
class Dateigrenze {
public:
    explicit Dateigrenze(rlim_t bytes);
    ~Dateigrenze();

private:
    struct rlimit m_alt;
};

#endif
