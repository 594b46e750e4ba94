// The number syntax of every numeric input, in the window and on the
// command line alike: what the user types means the same value in both.
// A prefix or unit moves the decimal point of the typed digits before the
// one rounding to a double, so "2,5k" is the double that "2500" is.
#include "toolkit_kern.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>

namespace {

const long long EXPONENT_GRENZE = 1000000000LL;  // far beyond any double; saturating keeps the sum exact

// The SI prefixes, case as in the SI: m is milli, M is mega. "u" and the
// Greek letter mu stand for the micro sign.
const struct {
    const char *szText;
    int iZehnerpotenz;
} VORSAETZE[] = {{"\xc2\xb5", -6}, {"u", -6}, {"\xce\xbc", -6}, {"m", -3}, {"k", 3}, {"M", 6}};

const char *const MIKRO = "\xc2\xb5";
const double ZAHL_TEXT_GENAU = 1e-3;  // what a shown value may be off, relative to the value
const int ZAHL_TEXT_STELLEN_MAX = 15;

bool leer(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool ziffer(char c) { return c >= '0' && c <= '9'; }

// strtod in the "C" locale whatever the process's locale is.
double lesenC(const char *text)
{
    static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
    return strtod_l(text, nullptr, c);
}

// The micro sign for "u" or the Greek mu at the start of a unit's text.
std::string mikroEinheitlich(const std::string &s)
{
    if (!s.empty() && s[0] == 'u')
        return MIKRO + s.substr(1);
    if (s.compare(0, 2, "\xce\xbc") == 0)
        return MIKRO + s.substr(2);
    return s;
}

// A text after the number that stands where a unit would: no digit, no
// sign, point, comma or blank in it. Anything else is no number at all.
bool wieEinheit(const std::string &s)
{
    for (char c : s)
        if (ziffer(c) || c == '+' || c == '-' || c == '.' || c == ',' || leer(c))
            return false;
    return !s.empty();
}

}  // namespace

int TK_ZahlLesenEinheit(const char *text, const TK_Einheit *einheiten, int anzahl, double *value, TK_Lesart *lesart)
{
    if (!text || !value || anzahl < 0 || (anzahl > 0 && !einheiten))
        return TK_ZAHL_KEINE;
    const char *p = text;
    while (leer(*p))
        ++p;
    // The digits without their point, and how many of them follow it.
    std::string ziffern;
    const bool bNegativ = *p == '-';
    if (*p == '+' || *p == '-')
        ++p;
    long long iNachkomma = 0;
    while (ziffer(*p))
        ziffern += *p++;
    if (*p == '.' || *p == ',') {
        ++p;
        while (ziffer(*p)) {
            ziffern += *p++;
            ++iNachkomma;
        }
    }
    if (ziffern.empty())
        return TK_ZAHL_KEINE;
    long long iExponent = 0;
    if (*p == 'e' || *p == 'E') {
        ++p;
        const bool bMinus = *p == '-';
        if (*p == '+' || *p == '-')
            ++p;
        if (!ziffer(*p))
            return TK_ZAHL_KEINE;
        for (; ziffer(*p); ++p)
            iExponent = std::min(iExponent * 10 + (*p - '0'), EXPONENT_GRENZE);
        if (bMinus)
            iExponent = -iExponent;
    }
    // What follows: blanks, a prefix or one of the caller's units, blanks.
    while (leer(*p))
        ++p;
    std::string rest(p);
    rest.erase(rest.find_last_not_of(" \t\n\r\v\f") + 1);
    TK_Lesart wie = {-1, 0};
    if (!rest.empty()) {
        bool bGefunden = false;
        const std::string einheitlich = mikroEinheitlich(rest);
        for (int i = 0; i < anzahl && !bGefunden; ++i)
            if (einheiten[i].szText && mikroEinheitlich(einheiten[i].szText) == einheitlich) {
                wie.iEinheit = i;
                bGefunden = true;
            }
        for (const auto &v : VORSAETZE)
            if (!bGefunden && rest == v.szText) {
                wie.iVorsatz = v.iZehnerpotenz;
                bGefunden = true;
            }
        if (!bGefunden)
            return wieEinheit(rest) ? TK_ZAHL_EINHEIT : TK_ZAHL_KEINE;
    }
    const long long iVerschiebung = wie.iVorsatz + (wie.iEinheit >= 0 ? einheiten[wie.iEinheit].iZehnerpotenz : 0);
    // One rounding: the digits with the exponent that places their point.
    const std::string zahl = (bNegativ ? "-" : "") + ziffern + "e" + std::to_string(iExponent - iNachkomma + iVerschiebung);
    const double v = lesenC(zahl.c_str());
    // Underflow rounds to the nearest double (zero or subnormal); overflow
    // gives no finite value and is no number.
    if (!std::isfinite(v))
        return TK_ZAHL_KEINE;
    *value = v;
    if (lesart)
        *lesart = wie;
    return TK_ZAHL_GELESEN;
}

int TK_ZahlLesen(const char *text, double *value)
{
    return TK_ZahlLesenEinheit(text, nullptr, 0, value, nullptr) == TK_ZAHL_GELESEN;
}

std::size_t TK_EinheitenText(const TK_Einheit *einheiten, int anzahl, char *text, std::size_t size)
{
    if (!text || size == 0)
        return 0;
    text[0] = '\0';
    std::size_t n = 0;
    for (int i = 0; i < anzahl; ++i) {
        if (n > 0)
            TK_TextAnhaengen(text, size, ", ");
        TK_TextAnhaengen(text, size, einheiten[i].szText);
        ++n;
    }
    return std::strlen(text);
}

std::size_t TK_ZahlText(double v, int stellen, int laenge, char *text, std::size_t size)
{
    if (!text || size == 0)
        return 0;
    // Enough decimals that the text reads back to within a thousandth of
    // the value, however small; a value too long for fixed digits in the
    // exponent form, as exact.
    const auto genug = [v](const char *s) { return v == 0.0 || !std::isfinite(v) || std::fabs(lesenC(s) - v) <= ZAHL_TEXT_GENAU * std::fabs(v); };
    char sz[TK_ZAHL_TEXT_GROESSE + 320];  // a fixed form of the largest double
    int n = std::clamp(stellen, 0, ZAHL_TEXT_STELLEN_MAX);
    std::snprintf(sz, sizeof sz, "%.*f", n, v);
    while (!genug(sz) && n < ZAHL_TEXT_STELLEN_MAX)
        std::snprintf(sz, sizeof sz, "%.*f", ++n, v);
    if (static_cast<int>(std::strlen(sz)) > laenge) {
        n = std::clamp(stellen, 0, ZAHL_TEXT_STELLEN_MAX);
        std::snprintf(sz, sizeof sz, "%.*e", n, v);
        while (!genug(sz) && n < ZAHL_TEXT_STELLEN_MAX)
            std::snprintf(sz, sizeof sz, "%.*e", ++n, v);
    }
    return TK_TextKopieren(text, size, sz);
}
