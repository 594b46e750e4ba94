// The curve file's format: header lines ("Kuvennummer" included, byte for
// byte as rigs and people expect them), data lines, the running time, the
// value range and the curve numbers.
#include "Kurvenformat.h"

#include "Sinuseingaben.h"

#include <charconv>
#include <cstring>
#include <iterator>

namespace {

const int KOPF_GROESSE = 48;  // room for the longest header line
// Text in place, not pointers: the table needs no relocation and stays read-only.
const char gKopf[][KOPF_GROESSE] = {
    "# Kurven exportiert aus WLR7-Dovarizuz",
    "# Spalte 1 = Zeit in Sekunden",
    "# Spalte 2 = Y-Wert in Prozent",
    "# Spalte 3 = Zeitbasis",
    "# Spalte 4 = Kuvennummer",
    "",
};

const double MS_JE_S = 1000.0;
const int WERT_TEXT = 48;     // room for any value below WERT_GROSS in fixed point with two decimals
const double WERT_GROSS = 1e15;  // in hundredths it still fits a long long many times over
const long long HUNDERTSTEL_GROSS = 100000000000000000LL;

bool Ziffer(char c)
{
    return c >= '0' && c <= '9';
}

// The curve ring's range, from the table of inputs.
const Eingabefeld *KurvenFeld()
{
    for (int i = 0; i < Eingaben_Anzahl(); ++i)
        if (Eingaben_Feld(i)->iArt == EINGABEN_KURVE)
            return Eingaben_Feld(i);
    return nullptr;
}

}  // namespace

int Kurvenformat_KopfzeilenAnzahl(void)
{
    return static_cast<int>(std::size(gKopf));
}

const char *Kurvenformat_Kopfzeile(int iIndex)
{
    return iIndex >= 0 && iIndex < Kurvenformat_KopfzeilenAnzahl() ? gKopf[iIndex] : nullptr;
}

int Kurvenformat_Datenzeilen(int iAnzahlWerte)
{
    return iAnzahlWerte > 1 ? iAnzahlWerte - 1 : 0;
}

// std::to_chars writes exactly what printf in the "C" locale writes, at a
// fraction of its cost.
int Kurvenformat_Datenzeile(char *szZeile, std::size_t iGroesse, double dZeit, double dWert, const char *szZeitbasis,
                            int iKurvennummer)
{
    if (iGroesse == 0)
        return 0;
    char *p = szZeile;
    char *const ende = szZeile + iGroesse - 1;  // room for the NUL
    auto feld = [&](std::to_chars_result r) {
        if (r.ec != std::errc() || r.ptr >= ende)
            return false;
        p = r.ptr;
        *p++ = '\t';
        return true;
    };
    const std::size_t iLabel = std::strlen(szZeitbasis);
    if (!feld(std::to_chars(p, ende, dZeit, std::chars_format::fixed, KURVENFORMAT_ZEIT_NACHKOMMA)) ||
        !feld(std::to_chars(p, ende, dWert, std::chars_format::fixed, KURVENFORMAT_WERT_NACHKOMMA)) ||
        iLabel >= static_cast<std::size_t>(ende - p)) {
        szZeile[0] = '\0';
        return 0;
    }
    std::memcpy(p, szZeitbasis, iLabel);
    p += iLabel;
    *p++ = '\t';
    std::to_chars_result r = std::to_chars(p, ende, iKurvennummer);
    if (r.ec != std::errc()) {
        szZeile[0] = '\0';
        return 0;
    }
    *r.ptr = '\0';
    return 1;
}

void Kurvenformat_ZeitBeginnen(Kurvenzeit *pZeit, double dZeitbasisMs)
{
    pZeit->dZeit = 0.0;
    pZeit->dSchrittS = dZeitbasisMs / MS_JE_S;
}

// The file's time column is a running sum in double precision, so that
// rigs see the times the original writer gave them.
double Kurvenformat_ZeitWeiter(Kurvenzeit *pZeit)
{
    const double dJetzt = pZeit->dZeit;
    pZeit->dZeit += pZeit->dSchrittS;
    return dJetzt;
}

double Kurvenformat_Zeit(int iZeile, double dZeitbasisMs)
{
    Kurvenzeit zeit;
    Kurvenformat_ZeitBeginnen(&zeit, dZeitbasisMs);
    for (int k = 1; k < iZeile; ++k)
        Kurvenformat_ZeitWeiter(&zeit);
    return zeit.dZeit;
}

long long Kurvenformat_Hundertstel(double dWert)
{
    // Larger values are far past either limit; they keep their sign.
    if (!(dWert < WERT_GROSS && dWert > -WERT_GROSS))
        return dWert < 0.0 ? -HUNDERTSTEL_GROSS : HUNDERTSTEL_GROSS;
    char sz[WERT_TEXT];
    const std::to_chars_result r =
        std::to_chars(sz, sz + sizeof sz, dWert, std::chars_format::fixed, KURVENFORMAT_WERT_NACHKOMMA);
    long long iWert = 0;
    for (const char *p = sz; p < r.ptr; ++p)
        if (Ziffer(*p))
            iWert = iWert * 10 + (*p - '0');
    return sz[0] == '-' ? -iWert : iWert;
}

int Kurvenformat_FestkommaLesen(const char *p, std::size_t n, int iNachkomma, int iStellen, long long *piWert)
{
    const char *const anfang = p, *const ende = p + n;
    long long iWert = 0;
    int iVor = 0;
    for (; p < ende && Ziffer(*p); ++p, ++iVor) {
        if (iVor == iStellen)
            return 0;
        iWert = iWert * 10 + (*p - '0');
    }
    // printf writes no leading zero but the one before the point.
    if (iVor == 0 || (iVor > 1 && *anfang == '0') || p == ende || *p != '.' || ende - ++p != iNachkomma)
        return 0;
    for (; p < ende; ++p) {
        if (!Ziffer(*p))
            return 0;
        iWert = iWert * 10 + (*p - '0');
    }
    *piWert = iWert;
    return 1;
}

int Kurvenformat_KurveMin(void)
{
    return static_cast<int>(KurvenFeld()->dMin);
}

int Kurvenformat_KurveMax(void)
{
    return static_cast<int>(KurvenFeld()->dMax);
}

int Kurvenformat_KurveGueltig(int iKurve)
{
    return iKurve >= Kurvenformat_KurveMin() && iKurve <= Kurvenformat_KurveMax();
}

int Kurvenformat_Felder(const char *p, std::size_t n, Kurvenfeld *pFelder, int iMax)
{
    int iFelder = 0;
    for (const char *const ende = p + n;; ++iFelder) {
        const char *tab = static_cast<const char *>(std::memchr(p, '\t', static_cast<std::size_t>(ende - p)));
        if (iFelder < iMax)
            pFelder[iFelder] = {p, static_cast<std::size_t>((tab ? tab : ende) - p)};
        if (!tab)
            return iFelder + 1;
        p = tab + 1;
    }
}

void Kurvenformat_ZeilenBeginnen(Kurvenzeilen *pZeilen)
{
    pZeilen->iZeile = 0;
    Kurvenformat_ZeitBeginnen(&pZeilen->zeit, pZeilen->dZeitbasisMs);
}

int Kurvenformat_ZeileWeiter(Kurvenzeilen *pZeilen, char *szZeile, std::size_t iGroesse)
{
    const int iKopf = Kurvenformat_KopfzeilenAnzahl(), k = pZeilen->iZeile;
    if (k > iKopf + pZeilen->iDaten || iGroesse < 2)
        return 0;
    ++pZeilen->iZeile;
    if (k < iKopf) {
        if (std::strlen(Kurvenformat_Kopfzeile(k)) + 2 > iGroesse)
            return -1;
        std::strcpy(szZeile, Kurvenformat_Kopfzeile(k));
    } else if (k < iKopf + pZeilen->iDaten) {
        if (!Kurvenformat_Datenzeile(szZeile, iGroesse - 1, Kurvenformat_ZeitWeiter(&pZeilen->zeit),
                                     pZeilen->pdWerte[k - iKopf + 1], pZeilen->szZeitbasis, pZeilen->iKurvennummer))
            return -1;
    } else {
        szZeile[0] = '\0';  // the closing empty line
    }
    const std::size_t n = std::strlen(szZeile);
    szZeile[n] = '\n';
    szZeile[n + 1] = '\0';
    return static_cast<int>(n + 1);
}

int Kurvenformat_ZeilenTeil(const Kurvenzeilen *pZeilen)
{
    const int iKopf = Kurvenformat_KopfzeilenAnzahl();
    return pZeilen->iZeile <= iKopf ? 1 : pZeilen->iZeile <= iKopf + pZeilen->iDaten ? 2 : 3;
}
