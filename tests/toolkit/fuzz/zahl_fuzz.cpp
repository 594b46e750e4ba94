// libFuzzer target: the number syntax against strtod. What TK_ZahlLesen
// takes, strtod reads whole to the same value; what strtod reads whole to a
// finite value, written with digits, signs, a point or comma and an
// exponent only, TK_ZahlLesen takes too.
#include "toolkit_kern.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const std::string text = std::string(reinterpret_cast<const char *>(daten), groesse).c_str();  // up to a NUL
    const char *const leer = " \t\n\r\v\f";
    std::string kern = text.substr(0, text.find_last_not_of(leer) + 1);
    bool nurZahlzeichen = true;
    for (char &c : kern) {
        c = c == ',' ? '.' : c;
        nurZahlzeichen &= std::strchr("0123456789+-.eE \t\n\r\v\f", c) != nullptr;
    }
    char *ende = nullptr;
    const double erwartet = std::strtod(kern.c_str(), &ende);
    const bool strtodGanz = !kern.empty() && *ende == '\0';

    double wert = 0.0;
    if (TK_ZahlLesen(text.c_str(), &wert)) {
        if (!strtodGanz || !std::isfinite(wert) || std::memcmp(&wert, &erwartet, sizeof wert) != 0)
            std::abort();
    } else if (strtodGanz && nurZahlzeichen && std::isfinite(erwartet)) {
        std::abort();
    }
    return 0;
}
