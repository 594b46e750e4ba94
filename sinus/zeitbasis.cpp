// The time-base table: ring label to sampling interval in milliseconds.
#include "Sinuserzeugung_Main.h"

#include <cstring>
#include <iterator>

namespace {

const int LABEL_GROESSE = 8;  // room for the longest label

// The labels in place, not pointers: the table needs no relocation and stays read-only.
struct Zeitbasis {
    char szLabel[LABEL_GROESSE];
    double dMillisekunden;
};

// Entry for entry the labels of the time-base ring, in its order.
const Zeitbasis gTabelle[] = {
    {"50us", 0.05},   {"100us", 0.1},   {"200us", 0.2},  {"500us", 0.5},    {"1ms", 1.0},
    {"2ms", 2.0},     {"3ms", 3.0},     {"4ms", 4.0},    {"5ms", 5.0},      {"10ms", 10.0},
    {"20ms", 20.0},   {"50ms", 50.0},   {"100ms", 100.0}, {"1s", 1000.0},   {"10s", 10000.0},
    {"1min", 60000.0}, {"1std", 3600000.0},
};
static_assert(std::size(gTabelle) == ZEITBASIS_ANZAHL, "the count the input table takes");

}  // namespace

int Zeitbasis_Suchen(const char *szZeitbasis, double *pdMillisekunden)
{
    if (!szZeitbasis)
        return 0;
    for (const Zeitbasis &z : gTabelle)
        if (std::strcmp(z.szLabel, szZeitbasis) == 0) {
            *pdMillisekunden = z.dMillisekunden;
            return 1;
        }
    return 0;
}

double Zeitbasis_Ms(const char *szZeitbasis)
{
    double dMs = ZEITBASIS_ERSATZ_MS;
    Zeitbasis_Suchen(szZeitbasis, &dMs);
    return dMs;
}

int Zeitbasis_Anzahl(void)
{
    return static_cast<int>(std::size(gTabelle));
}

const char *Zeitbasis_Label(int iIndex)
{
    return iIndex >= 0 && iIndex < Zeitbasis_Anzahl() ? gTabelle[iIndex].szLabel : nullptr;
}
