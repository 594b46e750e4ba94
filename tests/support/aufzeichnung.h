// Records the popups the code under test shows and answers file dialogs.
#ifndef TEST_AUFZEICHNUNG_H
#define TEST_AUFZEICHNUNG_H

#include <string>
#include <vector>

struct Meldung {
    std::string titel;
    std::string text;
};

/// Every message popup since the last Leeren(), oldest first.
extern std::vector<Meldung> gMeldungen;
void MeldungenLeeren();

/// What the next file dialogs answer: a path and the dialog's result.
void DateiauswahlAntwort(const std::string &pfad, int ergebnis);
/// Titles of the file dialogs shown so far.
extern std::vector<std::string> gDateiauswahlTitel;

/// A fresh, empty folder for one test's files.
std::string TestOrdner();
/// The whole content of a file ("" if there is none).
std::string DateiLesen(const std::string &pfad);

#endif
