// The number syntax of every numeric input, in the window and on the
// command line alike: what the user types means the same value in both.
#include "toolkit_kern.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace {

bool leer(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool ziffer(char c) { return c >= '0' && c <= '9'; }

// strtod in the "C" locale whatever the process's locale is.
double lesenC(const char *text)
{
    static locale_t c = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
    return strtod_l(text, nullptr, c);
}

}  // namespace

int TK_ZahlLesen(const char *text, double *value)
{
    if (!text || !value)
        return 0;
    const char *p = text;
    while (leer(*p))
        ++p;
    // The number itself, copied with a point for the comma.
    std::string zahl;
    if (*p == '+' || *p == '-')
        zahl += *p++;
    int ziffern = 0;
    while (ziffer(*p)) {
        zahl += *p++;
        ++ziffern;
    }
    if (*p == '.' || *p == ',') {
        zahl += '.';
        ++p;
        while (ziffer(*p)) {
            zahl += *p++;
            ++ziffern;
        }
    }
    if (ziffern == 0)
        return 0;
    if (*p == 'e' || *p == 'E') {
        zahl += *p++;
        if (*p == '+' || *p == '-')
            zahl += *p++;
        if (!ziffer(*p))
            return 0;
        while (ziffer(*p))
            zahl += *p++;
    }
    while (leer(*p))
        ++p;
    if (*p != '\0')
        return 0;
    errno = 0;
    const double v = lesenC(zahl.c_str());
    // Underflow rounds to the nearest double (zero or subnormal); overflow
    // gives no finite value and is no number.
    if (!std::isfinite(v))
        return 0;
    *value = v;
    return 1;
}
