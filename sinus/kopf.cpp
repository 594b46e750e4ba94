// The export file's header lines, byte for byte as rigs and people expect
// them ("Kuvennummer" included).
#include "kopf.h"

#include <iterator>

namespace {

const char *const gKopf[] = {
    "# Kurven exportiert aus WLR7-Dovarizuz",
    "# Spalte 1 = Zeit in Sekunden",
    "# Spalte 2 = Y-Wert in Prozent",
    "# Spalte 3 = Zeitbasis",
    "# Spalte 4 = Kuvennummer",
    "",
};

}  // namespace

int Sinus_KopfzeilenAnzahl(void)
{
    return static_cast<int>(std::size(gKopf));
}

const char *Sinus_Kopfzeile(int iIndex)
{
    return iIndex >= 0 && iIndex < Sinus_KopfzeilenAnzahl() ? gKopf[iIndex] : nullptr;
}
