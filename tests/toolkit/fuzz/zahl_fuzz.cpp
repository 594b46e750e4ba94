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

namespace {

bool leer(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    std::string text(reinterpret_cast<const char *>(daten), groesse);
    text = text.c_str();  // up to the first NUL, as a C text
    std::string kern = text;
    while (!kern.empty() && leer(kern.back()))
        kern.pop_back();
    bool nurZahlzeichen = true;
    for (char &c : kern) {
        if (c == ',')
            c = '.';
        else if (std::strchr("0123456789+-.eE", c) == nullptr && !leer(c))
            nurZahlzeichen = false;
    }
    char *ende = nullptr;
    const double erwartet = std::strtod(kern.c_str(), &ende);
    const bool strtodGanz = !kern.empty() && *ende == '\0' && ende != kern.c_str();

    double wert = 0.0;
    if (TK_ZahlLesen(text.c_str(), &wert)) {
        if (!strtodGanz || !std::isfinite(wert) || std::memcmp(&wert, &erwartet, sizeof wert) != 0)
            std::abort();
    } else if (strtodGanz && nurZahlzeichen && std::isfinite(erwartet)) {
        std::abort();
    }
    return 0;
}
