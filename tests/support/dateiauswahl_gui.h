// Answers the file dialogs of the code under test.
#ifndef TEST_DATEIAUSWAHL_GUI_H
#define TEST_DATEIAUSWAHL_GUI_H

#include <string>
#include <vector>

/// What the next file dialogs answer: a path and the dialog's result.
void DateiauswahlAntwort(const std::string &pfad, int ergebnis);
/// Titles of the file dialogs shown so far.
extern std::vector<std::string> gDateiauswahlTitel;

#endif
