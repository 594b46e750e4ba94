// Curves that play together (see Kurvensatz.h). Times are compared as whole
// numbers of the time bases' common unit, so that a loop or a ratio is
// exact however long the curves are.
#include "Kurvensatz.h"

#include "Kurvenformat.h"
#include "Sinusanalyse.h"
#include "Sinusentwurf.h"
#include "Sinustexte.h"
#include "toolkit_kern.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

const double VOLLKREIS = 360.0;
const double HALBKREIS = 180.0;
const double ZEHNTEL = 10.0;
const long long US_JE_EINHEIT = 50;  // ZEITBASIS_EINHEIT_MS in µs
const long long US_JE_MS = 1000;
const long long US_JE_S = 1000000;
const int MAX_VERHAELTNIS = 1000000;  // a larger ratio is no relation an engineer means
const std::size_t ZAHL_GROESSE = 48;
const double UMAX_ENTWURF = 10.0;  // a file holds no volts; the phase does not depend on them

// A time base in whole units; 0 unknown or no whole number of them.
long long Einheiten(double dMs)
{
    if (!(dMs > 0.0) || !std::isfinite(dMs))
        return 0;
    const double d = std::round(dMs / ZEITBASIS_EINHEIT_MS);
    return d >= 1.0 && std::fabs(d * ZEITBASIS_EINHEIT_MS - dMs) <= 1e-9 * dMs ? static_cast<long long>(d) : 0;
}

// @p iGanz / @p iTeiler with up to @p iStellen decimals, trailing zeros dropped.
void Festkomma(long long iGanz, long long iTeiler, int iStellen, char *sz, std::size_t iGroesse)
{
    long long iRest = iGanz % iTeiler;
    int n = std::snprintf(sz, iGroesse, "%lld", iGanz / iTeiler);
    if (iRest == 0 || n < 0)
        return;
    std::size_t i = static_cast<std::size_t>(n);
    if (i + 1 < iGroesse)
        sz[i++] = '.';
    for (int s = 0; s < iStellen && iRest != 0 && i + 1 < iGroesse; ++s) {
        iRest *= 10;
        sz[i++] = static_cast<char>('0' + iRest / iTeiler);
        iRest %= iTeiler;
    }
    sz[i < iGroesse ? i : iGroesse - 1] = '\0';
}

// A duration of @p iEinheiten units: "400 ms", "0.05 ms", "16.36 s".
void Dauer(long long iEinheiten, char *sz, std::size_t iGroesse)
{
    const long long iUs = iEinheiten * US_JE_EINHEIT;
    char szZahl[ZAHL_GROESSE];
    const bool bMs = iUs < US_JE_S;
    Festkomma(iUs, bMs ? US_JE_MS : US_JE_S, bMs ? 3 : 6, szZahl, sizeof szZahl);
    TK_TextKopieren(sz, iGroesse, szZahl);
    TK_TextAnhaengen(sz, iGroesse, bMs ? " ms" : " s");
}

// A curve's period in units; 0 where its time base or samples per period are unknown.
long long Periode(const Satzkurve &k)
{
    return k.iPunkteProPeriode > 0 ? k.iPunkteProPeriode * Einheiten(k.dZeitbasisMs) : 0;
}

// Frequency of @p k against @p erste: n > 0 n times, n < 0 one n-th, 0 none.
int32_t Verhaeltnis(const Satzkurve &erste, const Satzkurve &k)
{
    const long long p0 = Periode(erste), p = Periode(k);
    if (p0 == 0 || p == 0)
        return 0;
    if (p0 % p == 0 && p0 / p <= MAX_VERHAELTNIS)
        return static_cast<int32_t>(p0 / p);
    if (p % p0 == 0 && p / p0 <= MAX_VERHAELTNIS)
        return -static_cast<int32_t>(p / p0);
    return 0;
}

void Befund(Kurvensatz *pSatz, int iKurve, const char *szText)
{
    if (pSatz->iBefunde >= KURVENSATZ_MAX_BEFUNDE)
        return;
    Satzbefund &b = pSatz->aBefunde[pSatz->iBefunde++];
    b.iKurve = iKurve;
    TK_TextKopieren(b.szText, sizeof b.szText, szText);
}

void Befunde(const Satzkurve *pKurven, int iAnzahl, Kurvensatz *pSatz)
{
    char sz[KURVENSATZ_TEXT_GROESSE];
    for (int i = 1; i < iAnzahl; ++i) {
        const Satzkurve &k = pKurven[i];
        for (int j = 0; j < i; ++j)
            if (k.iKurvennummer > 0 && pKurven[j].iKurvennummer == k.iKurvennummer) {
                std::snprintf(sz, sizeof sz, KURVENSATZ_TEXT_KURVE_DOPPELT, k.iKurvennummer, pKurven[j].szName);
                Befund(pSatz, i, sz);
                break;
            }
        for (int j = 0; j < i; ++j)
            if (pKurven[j].szZeitbasis[0] && k.szZeitbasis[0]) {
                if (std::strcmp(pKurven[j].szZeitbasis, k.szZeitbasis) != 0) {
                    std::snprintf(sz, sizeof sz, KURVENSATZ_TEXT_ZEITBASIS, k.szZeitbasis, pKurven[j].szName,
                                  pKurven[j].szZeitbasis);
                    Befund(pSatz, i, sz);
                }
                break;
            }
        if (k.iDatenzeilen != pKurven[0].iDatenzeilen) {
            std::snprintf(sz, sizeof sz, KURVENSATZ_TEXT_ZEILEN, k.iDatenzeilen, pKurven[0].szName,
                          pKurven[0].iDatenzeilen);
            Befund(pSatz, i, sz);
        }
    }
}

// The loop: its duration where every curve's is the same, else that they differ.
void Schleife(const Satzkurve *pKurven, int iAnzahl, Kurvensatz *pSatz)
{
    const long long iT0 = Einheiten(pKurven[0].dZeitbasisMs);
    pSatz->iSchleife = iT0 * pKurven[0].iDatenzeilen;
    pSatz->bGleicheSchleife = iT0 > 0;
    for (int i = 1; i < iAnzahl; ++i)
        if (Einheiten(pKurven[i].dZeitbasisMs) * pKurven[i].iDatenzeilen != pSatz->iSchleife)
            pSatz->bGleicheSchleife = 0;
    char szDauer[ZAHL_GROESSE];
    if (iT0 == 0) {
        TK_TextKopieren(pSatz->szSchleife, sizeof pSatz->szSchleife, KURVENSATZ_TEXT_SCHLEIFE_UNBEKANNT);
    } else if (!pSatz->bGleicheSchleife) {
        TK_TextKopieren(pSatz->szSchleife, sizeof pSatz->szSchleife, KURVENSATZ_TEXT_SCHLEIFEN_UNGLEICH);
    } else {
        Dauer(pSatz->iSchleife, szDauer, sizeof szDauer);
        std::snprintf(pSatz->szSchleife, sizeof pSatz->szSchleife, KURVENSATZ_TEXT_SCHLEIFE, szDauer,
                      pKurven[0].iDatenzeilen, pKurven[0].szZeitbasis);
    }
}

// One curve's facts: number, its own loop where the loops differ, frequency and ratio, phase.
void Fakten(const Satzkurve *pKurven, int i, Kurvensatz *pSatz)
{
    const Satzkurve &k = pKurven[i];
    char *sz = pSatz->aszKurve[i];
    const std::size_t iGroesse = sizeof pSatz->aszKurve[i];
    char szTeil[KURVENSATZ_TEXT_GROESSE], szZahl[ZAHL_GROESSE];
    if (k.iKurvennummer > 0)
        std::snprintf(sz, iGroesse, KURVENSATZ_TEXT_KURVE, k.iKurvennummer);
    else
        TK_TextKopieren(sz, iGroesse, KURVENSATZ_TEXT_KURVE_UNBEKANNT);
    const long long iT = Einheiten(k.dZeitbasisMs);
    if (!pSatz->bGleicheSchleife && iT > 0) {
        Dauer(iT * k.iDatenzeilen, szZahl, sizeof szZahl);
        std::snprintf(szTeil, sizeof szTeil, ", " KURVENSATZ_TEXT_EIGENE_SCHLEIFE, szZahl);
        TK_TextAnhaengen(sz, iGroesse, szTeil);
    }
    TK_TextAnhaengen(sz, iGroesse, ", ");
    const long long iPeriode = Periode(k);
    if (iPeriode > 0) {
        Analyse_Zahl(Sinus_FrequenzAusPeriode(static_cast<double>(iPeriode) * ZEITBASIS_EINHEIT_MS), ANALYSE_STELLEN,
                     szZahl, sizeof szZahl);
        std::snprintf(szTeil, sizeof szTeil, KURVENSATZ_TEXT_HZ, szZahl);
        TK_TextAnhaengen(sz, iGroesse, szTeil);
    } else {
        TK_TextAnhaengen(sz, iGroesse, KURVENSATZ_TEXT_FREQUENZ_OFFEN);
    }
    const int32_t n = pSatz->aiVerhaeltnis[i];
    if (i > 0 && n != 0) {
        if (n == 1)
            std::snprintf(szTeil, sizeof szTeil, KURVENSATZ_TEXT_WIE, pKurven[0].szName);
        else if (n > 0)
            std::snprintf(szTeil, sizeof szTeil, KURVENSATZ_TEXT_VIELFACH, n, pKurven[0].szName);
        else
            std::snprintf(szTeil, sizeof szTeil, KURVENSATZ_TEXT_TEIL, -n, pKurven[0].szName);
        TK_TextAnhaengen(sz, iGroesse, szTeil);
    }
    TK_TextAnhaengen(sz, iGroesse, ", ");
    if (i == 0)
        TK_TextKopieren(szTeil, sizeof szTeil, KURVENSATZ_TEXT_BEZUG);
    else if (pSatz->abPhase[i])
        std::snprintf(szTeil, sizeof szTeil, KURVENSATZ_TEXT_PHASE, pSatz->adPhase[i]);
    else
        TK_TextKopieren(szTeil, sizeof szTeil, KURVENSATZ_TEXT_PHASE_OFFEN);
    TK_TextAnhaengen(sz, iGroesse, szTeil);
}

// @p dGrad in (-180, 180]; NaN and infinities stay what they are.
double Normiert(double dGrad)
{
    if (!std::isfinite(dGrad))
        return dGrad;
    double d = std::fmod(dGrad, VOLLKREIS);
    if (d <= -HALBKREIS)
        d += VOLLKREIS;
    else if (d > HALBKREIS)
        d -= VOLLKREIS;
    return d;
}

}  // namespace

double Kurvensatz_Winkel(double dGrad)
{
    const double d = Normiert(std::round(dGrad * ZEHNTEL) / ZEHNTEL);
    return d == 0.0 ? 0.0 : d;  // never -0
}

double Kurvensatz_Phase(double dPhaseGrad, double dDach)
{
    return Normiert(dPhaseGrad + (dDach < 0.0 ? HALBKREIS : 0.0));
}

void Kurvensatz_AusDatei(const char *szName, const Kurvendatei *pDatei, const Kurvenmodell *pModell,
                         const Eingabewerte *pEntwurf, Satzkurve *pKurve)
{
    *pKurve = {};
    pKurve->szName = szName;
    pKurve->iKurvennummer = pDatei->iKurvennummer;
    TK_TextKopieren(pKurve->szZeitbasis, sizeof pKurve->szZeitbasis, pDatei->szZeitbasis);
    pKurve->dZeitbasisMs = pDatei->szZeitbasis[0] ? pDatei->dZeitbasisMs : 0.0;
    pKurve->iDatenzeilen = pDatei->iDatenzeilen;
    pKurve->iPunkteProPeriode = pModell ? pModell->iPunkteProPeriode : 0;
    // A phase only where the values hold a sine (three levels): a flat line has none.
    const bool bSinus = !pModell || pModell->iStufen >= ANALYSE_STUFEN_SINUS;
    if (pEntwurf && bSinus && pEntwurf->dAmplitudeDach != 0.0 && std::isfinite(pEntwurf->dPhase)) {
        pKurve->bPhase = 1;
        pKurve->dPhase = Kurvensatz_Phase(pEntwurf->dPhase, pEntwurf->dAmplitudeDach);
    }
}

void Kurvensatz_DateiLesen(const char *szName, const Kurvendatei *pDatei, Satzkurve *pKurve)
{
    if (pDatei->iWerte == 0 || pDatei->iWerte != pDatei->iDatenzeilen) {
        Kurvensatz_AusDatei(szName, pDatei, nullptr, nullptr, pKurve);
        return;
    }
    std::vector<int32_t> werte(static_cast<size_t>(pDatei->iWerte));
    for (size_t i = 0; i < werte.size(); ++i)  // values read to two decimals: back to their digits
        werte[i] = static_cast<int32_t>(std::llround(pDatei->pdWerte[i] * 100.0));
    Kurvenmodell m = {};
    Modell_Umkehren(werte.data(), pDatei->iWerte, &m);
    Eingabewerte e = {};
    Entwurfsbericht b = {};
    // A file with findings is not reopened.
    const bool bEntwurf = pDatei->iBefunde == 0 && pDatei->szZeitbasis[0] &&
                          Entwurf_AusModell(werte.data(), pDatei->iWerte, &m, pDatei->szZeitbasis,
                                            pDatei->iKurvennummer ? pDatei->iKurvennummer : 1, UMAX_ENTWURF, &e,
                                            &b) &&
                          b.iAbweichendAb == 0 && !b.bPhaseOffen;
    Kurvensatz_AusDatei(szName, pDatei, &m, bEntwurf ? &e : nullptr, pKurve);
}

void Kurvensatz_AusEntwurf(const char *szName, const Eingabewerte *pEingabe, const Sinuskurve *pSinus,
                           Satzkurve *pKurve)
{
    *pKurve = {};
    pKurve->szName = szName;
    pKurve->iKurvennummer = pEingabe->iKurvennummer;
    double dMs = 0.0;
    if (Zeitbasis_Suchen(pEingabe->szZeitbasis, &dMs)) {
        TK_TextKopieren(pKurve->szZeitbasis, sizeof pKurve->szZeitbasis, pEingabe->szZeitbasis);
        pKurve->dZeitbasisMs = dMs;
    }
    pKurve->iDatenzeilen = Kurvenformat_Datenzeilen(pSinus->iAnzahlPunkte);
    pKurve->iPunkteProPeriode = pSinus->iPunkteProPeriode;
    if (pSinus->dAmplitude != 0.0 && std::isfinite(pEingabe->dPhase)) {
        pKurve->bPhase = 1;
        pKurve->dPhase = Kurvensatz_Phase(pEingabe->dPhase, pSinus->dAmplitude);
    }
}

int Kurvensatz_Pruefen(const Satzkurve *pKurven, int iAnzahl, Kurvensatz *pSatz)
{
    *pSatz = {};
    if (iAnzahl < KURVENSATZ_MIN || iAnzahl > KURVENSATZ_MAX)
        return -1;
    pSatz->iKurven = iAnzahl;
    Befunde(pKurven, iAnzahl, pSatz);
    Schleife(pKurven, iAnzahl, pSatz);
    for (int i = 0; i < iAnzahl; ++i) {
        pSatz->aiVerhaeltnis[i] = i == 0 ? 1 : Verhaeltnis(pKurven[0], pKurven[i]);
        pSatz->abPhase[i] = pKurven[0].bPhase && pKurven[i].bPhase;
        if (pSatz->abPhase[i])
            pSatz->adPhase[i] = Kurvensatz_Winkel(pKurven[i].dPhase - pKurven[0].dPhase);
        Fakten(pKurven, i, pSatz);
    }
    return pSatz->iBefunde;
}

void Kurvensatz_Zeile(const Kurvensatz *pSatz, const Satzkurve *pKurven, const char *szTrenner, char *szText,
                      std::size_t iGroesse)
{
    if (iGroesse == 0)
        return;
    szText[0] = '\0';
    // Once a piece is cut, nothing more: the line stays a beginning of the whole.
    bool bVoll = false;
    auto anhaengen = [&](const char *sz) {
        if (!bVoll)
            bVoll = TK_TextAnhaengen(szText, iGroesse, sz) < std::strlen(sz);
    };
    auto stueck = [&](const char *szName, const char *szTeil) {
        if (szText[0])
            anhaengen(szTrenner);
        if (szName) {
            anhaengen(szName);
            anhaengen(": ");
        }
        anhaengen(szTeil);
    };
    for (int i = 0; i < pSatz->iBefunde; ++i)
        stueck(pKurven[pSatz->aBefunde[i].iKurve].szName, pSatz->aBefunde[i].szText);
    if (pSatz->iKurven > 0)
        stueck(nullptr, pSatz->szSchleife);
    for (int i = 0; i < pSatz->iKurven; ++i)
        stueck(pKurven[i].szName, pSatz->aszKurve[i]);
}
