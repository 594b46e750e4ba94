// libFuzzer target: the number syntax against strtod. What TK_ZahlLesen
// takes, strtod reads whole to the same value, after the point of the
// digits has been moved by hand for an SI prefix at the end; what strtod
// reads whole to a finite value, written with digits, signs, a point or
// comma and an exponent only, TK_ZahlLesen takes too.
#include "toolkit_kern.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Moves the decimal point of a plain decimal "[-+]digits[.digits]" by
// @p stellen places (negative: to the left) as text.
std::string punktVerschieben(const std::string &zahl, int stellen)
{
    const std::size_t vorn = !zahl.empty() && (zahl[0] == '+' || zahl[0] == '-') ? 1 : 0;
    const std::size_t punkt = std::min(zahl.find('.', vorn), zahl.size());
    std::string ziffern = zahl.substr(vorn, punkt - vorn) + zahl.substr(std::min(punkt + 1, zahl.size()));
    long stelle = static_cast<long>(punkt - vorn) + stellen;  // where the point goes among the digits
    for (; stelle < 1; ++stelle) ziffern.insert(ziffern.begin(), '0');
    if (static_cast<std::size_t>(stelle) > ziffern.size())
        ziffern.resize(static_cast<std::size_t>(stelle), '0');
    return zahl.substr(0, vorn) + ziffern.substr(0, static_cast<std::size_t>(stelle)) + "." +
           ziffern.substr(static_cast<std::size_t>(stelle));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const std::string text = std::string(reinterpret_cast<const char *>(daten), groesse).c_str();  // up to a NUL
    const char *const leer = " \t\n\r\v\f";
    std::string kern = text.substr(0, text.find_last_not_of(leer) + 1);
    // A prefix at the end, as the reader takes it (blanks before it allowed).
    int stellen = 0;
    const struct { const char *s; int n; } vorsaetze[] = {{"\xc2\xb5", -6}, {"\xce\xbc", -6}, {"u", -6},
                                                          {"m", -3},        {"k", 3},          {"M", 6}};
    for (const auto &v : vorsaetze) {
        const std::size_t n = std::strlen(v.s);
        if (kern.size() > n && kern.compare(kern.size() - n, n, v.s) == 0) {
            kern.erase(kern.size() - n);
            kern.erase(kern.find_last_not_of(leer) + 1);
            stellen = v.n;
            break;
        }
    }
    bool nurZahlzeichen = true, mitExponent = false;
    for (char &c : kern) {
        c = c == ',' ? '.' : c;
        nurZahlzeichen &= std::strchr("0123456789+-.eE \t\n\r\v\f", c) != nullptr;
        mitExponent |= c == 'e' || c == 'E';
    }
    char *ende = nullptr;
    const double ungeschoben = std::strtod(kern.c_str(), &ende);
    const bool strtodGanz = !kern.empty() && *ende == '\0' && kern.find_first_of("xXnN") == std::string::npos;
    const std::string blank = kern.substr(kern.find_first_not_of(leer) == std::string::npos ? 0 : kern.find_first_not_of(leer));
    const bool vergleichbar = strtodGanz && !mitExponent && (stellen == 0 || blank.find_first_of(leer) == std::string::npos);
    const double erwartet = stellen && vergleichbar ? std::strtod(punktVerschieben(blank, stellen).c_str(), nullptr) : ungeschoben;

    double wert = 0.0;
    if (TK_ZahlLesen(text.c_str(), &wert)) {
        if (!strtodGanz || !std::isfinite(wert)) std::abort();
        if ((stellen == 0 || vergleichbar) && std::memcmp(&wert, &erwartet, sizeof wert) != 0)
            std::abort();
    } else if (strtodGanz && nurZahlzeichen && stellen == 0 && std::isfinite(erwartet)) {
        std::abort();
    }
    return 0;
}
