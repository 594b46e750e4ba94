// Reads curve files back and says where they differ from what the export
// writes. Lines are taken from blocks as they come; only a line's first
// bytes are kept, so a file of any size or shape costs the same memory.
#include "kurvendatei.h"

#include "Sinusanalyse.h"
#include "Sinusmodell.h"

#include "Kurvenformat.h"
#include "toolkit_kern.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cerrno>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

const size_t WARNUNGEN_GROESSE = 512;

enum Abschnitt { KOPF, DATEN, SCHLUSS, GESTOPPT };

const int ZEIT_STELLEN_MAX = 12;   // seconds before the point; the largest curve needs 8
const int WERT_STELLEN_MAX = 9;
const int KURVE_STELLEN_MAX = 9;   // digits of a curve number read before it is plainly none
const long long ZEIT_TOLERANZ = 1;     // the writer's running sum may land one unit off
const size_t ECHO_MAX = 24;            // bytes of a field a finding repeats
const char BOM[] = "\xEF\xBB\xBF";
const size_t BOM_LAENGE = sizeof BOM - 1;

using Feld = Kurvenfeld;

__attribute__((format(printf, 3, 4))) void Melden(Kurvendatei *pDatei, int iZeile, const char *szFormat, ...)
{
    if (pDatei->iBefunde == INT_MAX)  // cannot happen within the line limit; never wraps
        return;
    if (pDatei->iBefunde < KURVENDATEI_MAX_BEFUNDE) {
        Kurvendateibefund &b = pDatei->aBefunde[pDatei->iBefunde];
        b.iZeile = iZeile;
        va_list args;
        va_start(args, szFormat);
        std::vsnprintf(b.szText, sizeof b.szText, szFormat, args);
        va_end(args);
    }
    ++pDatei->iBefunde;
}

// A field as a finding repeats it: its first bytes, anything but printable
// ASCII shown as '?' (the byte itself gets its own finding).
struct Echo {
    char sz[ECHO_MAX + sizeof "…"];
    explicit Echo(const Feld &f)
    {
        const size_t n = f.n < ECHO_MAX ? f.n : ECHO_MAX;
        for (size_t i = 0; i < n; ++i)
            sz[i] = f.p[i] >= 0x20 && f.p[i] < 0x7F ? f.p[i] : '?';
        sz[n] = '\0';
        if (f.n > n)
            TK_TextAnhaengen(sz, sizeof sz, "…");
    }
};

// A spreadsheet set to German writes a decimal comma: the finding says so.
const char *Komma(const Feld &f)
{
    return std::memchr(f.p, ',', f.n) ? KURVENDATEI_TEXT_KOMMA : "";
}

bool Ziffer(char c)
{
    return c >= '0' && c <= '9';
}

// A time in 10 µs units as the file writes it.
struct Zeit {
    char sz[32];
    explicit Zeit(long long iEinheiten)
    {
        const long long iJeSekunde = KURVENFORMAT_ZEIT_JE_MS * 1000;
        std::snprintf(sz, sizeof sz, "%lld.%05lld", iEinheiten / iJeSekunde, iEinheiten % iJeSekunde);
    }
};

// Field 1: starts at 0 and grows by the file's time base. A line off the
// step is reported once; the lines after it are measured from it.
void ZeitPruefen(Kurvendatei *pDatei, int iZeile, const Feld &f)
{
    Kurvendateistand &s = pDatei->stand;
    const long long iSchritt = std::llround(pDatei->dZeitbasisMs * KURVENFORMAT_ZEIT_JE_MS);
    long long iZeit;
    if (!Kurvenformat_FestkommaLesen(f.p, f.n, KURVENFORMAT_ZEIT_NACHKOMMA, ZEIT_STELLEN_MAX, &iZeit)) {
        Melden(pDatei, iZeile, KURVENDATEI_TEXT_ZEIT_FORM,
               Echo(f).sz, Komma(f));
        s.iZeitErwartet = s.iZeitErwartet >= 0 && iSchritt > 0 ? s.iZeitErwartet + iSchritt : -1;
        s.iZeitVerschoben = -1;
        return;
    }
    // A wrong time is one finding: the next line is measured from where this one should be.
    if (pDatei->iDatenzeilen == 1) {
        if (iZeit != 0)
            Melden(pDatei, iZeile, KURVENDATEI_TEXT_ERSTE_ZEIT, Zeit(iZeit).sz);
        iZeit = 0;
    } else if (iSchritt > 0) {
        // Where no time could be measured yet (the lines before were read
        // without a time base), the count of lines says where this one
        // stands: the first at 0, each a step on.
        if (s.iZeitErwartet < 0)
            s.iZeitErwartet = (pDatei->iDatenzeilen - 1) * iSchritt;
        // After a wrong time the file may also go on from it (a line left
        // out or a jump): that is the same one fault, not a new one.
        const bool bWieVerschoben = s.iZeitVerschoben >= 0 && std::llabs(iZeit - s.iZeitVerschoben) <= ZEIT_TOLERANZ;
        const bool bRichtig = std::llabs(iZeit - s.iZeitErwartet) <= ZEIT_TOLERANZ;
        s.iZeitVerschoben = -1;
        if (bWieVerschoben && !bRichtig) {
            s.iZeitErwartet = iZeit;
        } else if (!bRichtig) {
            Melden(pDatei, iZeile, KURVENDATEI_TEXT_ZEIT_SCHRITT, Zeit(iZeit).sz,
                   Zeit(s.iZeitErwartet).sz, pDatei->szZeitbasis);
            s.iZeitVerschoben = iZeit + iSchritt;
        }
        iZeit = s.iZeitErwartet;  // within the rounding the exact sum goes on, and past a wrong time too
    }
    s.iZeitErwartet = iSchritt > 0 ? iZeit + iSchritt : -1;
}

// Field 2: a value in percent, 0.00 to 100.00; kept as a sample.
void WertPruefen(Kurvendatei *pDatei, int iZeile, const Feld &f)
{
    const bool bMinus = f.n > 0 && f.p[0] == '-';
    const Feld betrag = {f.p + bMinus, f.n - bMinus};
    long long iHundertstel;
    if (!Kurvenformat_FestkommaLesen(betrag.p, betrag.n, KURVENFORMAT_WERT_NACHKOMMA, WERT_STELLEN_MAX,
                                     &iHundertstel)) {
        Melden(pDatei, iZeile, KURVENDATEI_TEXT_WERT_FORM,
               Echo(f).sz, Komma(f));
        return;
    }
    if (bMinus || iHundertstel > KURVENFORMAT_WERT_MAX)
        Melden(pDatei, iZeile, KURVENDATEI_TEXT_WERT_BEREICH, Echo(f).sz);
    const double dWert = static_cast<double>(bMinus ? -iHundertstel : iHundertstel) / 100.0;
    pDatei->pdWerte[pDatei->iWerte++] = dWert;
}

// Field 3: a label of the time-base table, the same on every line.
void ZeitbasisPruefen(Kurvendatei *pDatei, int iZeile, const Feld &f)
{
    char szLabel[sizeof pDatei->szZeitbasis];
    double dMs = 0.0;
    bool bBekannt = f.n < sizeof szLabel && !std::memchr(f.p, '\0', f.n);
    if (bBekannt) {
        std::memcpy(szLabel, f.p, f.n);
        szLabel[f.n] = '\0';
        bBekannt = Zeitbasis_Suchen(szLabel, &dMs);
    }
    if (!bBekannt) {
        Melden(pDatei, iZeile, KURVENDATEI_TEXT_ZEITBASIS_UNBEKANNT, Echo(f).sz);
        return;
    }
    if (!pDatei->szZeitbasis[0]) {
        TK_TextKopieren(pDatei->szZeitbasis, sizeof pDatei->szZeitbasis, szLabel);
        pDatei->dZeitbasisMs = dMs;
    } else if (std::strcmp(szLabel, pDatei->szZeitbasis) != 0) {
        Melden(pDatei, iZeile, KURVENDATEI_TEXT_ZEITBASIS_WECHSEL, pDatei->szZeitbasis, szLabel);
    }
}

// Field 4: the curve number 1 to 4, the same on every line.
void KurvennummerPruefen(Kurvendatei *pDatei, int iZeile, const Feld &f)
{
    // Digits only, no leading zero, as the writer forms it.
    int iKurve = f.n > 0 && f.n <= static_cast<size_t>(KURVE_STELLEN_MAX) && f.p[0] != '0' ? 0 : -1;
    for (size_t i = 0; i < f.n && iKurve >= 0; ++i)
        iKurve = Ziffer(f.p[i]) ? iKurve * 10 + (f.p[i] - '0') : -1;
    if (!Kurvenformat_KurveGueltig(iKurve)) {
        Melden(pDatei, iZeile, KURVENDATEI_TEXT_KURVE_UNGUELTIG, Echo(f).sz,
               Kurvenformat_KurveMin(), Kurvenformat_KurveMax());
    } else if (pDatei->iKurvennummer == 0) {
        pDatei->iKurvennummer = iKurve;
    } else if (iKurve != pDatei->iKurvennummer) {
        Melden(pDatei, iZeile, KURVENDATEI_TEXT_KURVE_WECHSEL, pDatei->iKurvennummer, iKurve);
    }
}

// One data line; a line that could not be kept whole (bLesbar false)
// counts but is not looked into.
void Datenzeile(Kurvendatei *pDatei, int iZeile, const char *szZeile, size_t iLaenge, bool bLesbar)
{
    Kurvendateistand &s = pDatei->stand;
    if (pDatei->iDatenzeilen == KURVENDATEI_MAX_DATENZEILEN) {
        Melden(pDatei, iZeile, KURVENDATEI_TEXT_ZU_VIELE_DATENZEILEN,
               KURVENDATEI_MAX_DATENZEILEN);
        s.iAbschnitt = GESTOPPT;
        return;
    }
    ++pDatei->iDatenzeilen;
    Feld felder[KURVENFORMAT_FELDER];
    const int iFelder = bLesbar ? Kurvenformat_Felder(szZeile, iLaenge, felder, KURVENFORMAT_FELDER) : 0;
    if (iFelder != KURVENFORMAT_FELDER) {
        if (bLesbar)
            Melden(pDatei, iZeile, KURVENDATEI_TEXT_FELDER, iFelder,
                   iFelder == 1 ? KURVENDATEI_TEXT_FELD : KURVENDATEI_TEXT_FELDER_MZ, KURVENFORMAT_FELDER);
        const long long iSchritt = std::llround(pDatei->dZeitbasisMs * KURVENFORMAT_ZEIT_JE_MS);
        s.iZeitErwartet = s.iZeitErwartet >= 0 && iSchritt > 0 ? s.iZeitErwartet + iSchritt : -1;
        s.iZeitVerschoben = -1;
        return;
    }
    // The label first: the time is measured in its steps.
    ZeitbasisPruefen(pDatei, iZeile, felder[KURVENFORMAT_FELD_ZEITBASIS]);
    ZeitPruefen(pDatei, iZeile, felder[KURVENFORMAT_FELD_ZEIT]);
    WertPruefen(pDatei, iZeile, felder[KURVENFORMAT_FELD_WERT]);
    KurvennummerPruefen(pDatei, iZeile, felder[KURVENFORMAT_FELD_KURVE]);
}

// A line in the header: the expected one, a differing one, or the start
// of the data (a digit first) where the header falls short.
void Kopfzeile(Kurvendatei *pDatei, int iZeile, const char *szZeile, size_t iLaenge, bool bLesbar)
{
    Kurvendateistand &s = pDatei->stand;
    const char *szSoll = Kurvenformat_Kopfzeile(s.iKopfzeile);
    const bool bLeerzeile = s.iKopfzeile == Kurvenformat_KopfzeilenAnzahl() - 1;
    const bool bGleich = bLesbar && iLaenge == std::strlen(szSoll) && std::memcmp(szZeile, szSoll, iLaenge) == 0;
    // The expected line, or other text or a line too long (reported already) in its place.
    if (bGleich || (!bLeerzeile && (!bLesbar || (iLaenge > 0 && !Ziffer(szZeile[0]))))) {
        if (!bGleich && bLesbar)
            Melden(pDatei, iZeile, KURVENDATEI_TEXT_KOPF_ABWEICHEND, s.iKopfzeile + 1, szSoll);
        if (bLeerzeile)
            s.iAbschnitt = DATEN;
        ++s.iKopfzeile;
        return;
    }
    // The header falls short: an empty line closes it, anything else starts the data.
    if (bLesbar && bLeerzeile)
        Melden(pDatei, iZeile, KURVENDATEI_TEXT_KOPF_LEERZEILE);
    else if (bLesbar)
        Melden(pDatei, iZeile, KURVENDATEI_TEXT_KOPF_FEHLT, szSoll);
    s.iAbschnitt = DATEN;
    if (iLaenge > 0)  // the data have begun; an empty line just closed the short header
        Datenzeile(pDatei, iZeile, szZeile, iLaenge, bLesbar);
}

// A CR within the piece with more of the line after it.
bool CrOhneLf(const char *p, size_t n)
{
    const char *cr = static_cast<const char *>(std::memchr(p, '\r', n));
    return cr && cr + 1 < p + n;
}

// A whole line has been read (bLf: ended by a line feed, else by the end of the file).
void ZeileAbschliessen(Kurvendatei *pDatei, bool bLf)
{
    Kurvendateistand &s = pDatei->stand;
    const int iZeile = ++s.iZeile;
    const char *szZeile = s.szZeile;
    size_t iLaenge = s.iLaenge;
    s.iLaenge = 0;
    // No valid file has more lines: reading ends, whatever the stream still holds.
    if (iZeile > Kurvendatei_MaxZeilen()) {
        Melden(pDatei, iZeile, KURVENDATEI_TEXT_ZU_VIELE_ZEILEN,
               Kurvendatei_MaxZeilen());
        s.iAbschnitt = GESTOPPT;
        return;
    }
    if (s.iAbschnitt == SCHLUSS) {
        // A data line after an empty one: the empty line stood amid the
        // data, and the check goes on with them.
        if (bLf && iLaenge > 0 && std::isdigit(static_cast<unsigned char>(szZeile[0]))) {
            Melden(pDatei, iZeile - 1, KURVENDATEI_TEXT_LEERZEILE_MITTEN);
            s.iAbschnitt = DATEN;
        } else if (bLf && iLaenge == 0) {
            Melden(pDatei, iZeile, KURVENDATEI_TEXT_LEERZEILE_WEITERE);
            return;
        } else {
            Melden(pDatei, iZeile, KURVENDATEI_TEXT_NACH_SCHLUSS);
            s.iAbschnitt = GESTOPPT;
            return;
        }
    }
    if (!bLf) {
        if (iLaenge > static_cast<size_t>(KURVENFORMAT_ZEILE_MAX))
            Melden(pDatei, iZeile, KURVENDATEI_TEXT_ZEILE_LANG, KURVENFORMAT_ZEILE_MAX);
        Melden(pDatei, iZeile, KURVENDATEI_TEXT_OHNE_ZEILENENDE);
        return;
    }
    if (iZeile == 1 && iLaenge >= BOM_LAENGE && std::memcmp(szZeile, BOM, BOM_LAENGE) == 0) {
        Melden(pDatei, iZeile, KURVENDATEI_TEXT_BOM);
        szZeile += BOM_LAENGE;
        iLaenge -= BOM_LAENGE;
    }
    const size_t iGehalten = static_cast<size_t>(s.szZeile + sizeof s.szZeile - szZeile);
    if (iLaenge > 0 && iLaenge <= iGehalten && szZeile[iLaenge - 1] == '\r') {
        if (!s.bCrlfGemeldet)
            Melden(pDatei, iZeile, KURVENDATEI_TEXT_CRLF);
        s.bCrlfGemeldet = true;
        --iLaenge;
    }
    const bool bLesbar = iLaenge <= static_cast<size_t>(KURVENFORMAT_ZEILE_MAX) && iLaenge <= iGehalten;
    if (!bLesbar)
        Melden(pDatei, iZeile, KURVENDATEI_TEXT_ZEILE_LANG, KURVENFORMAT_ZEILE_MAX);
    const size_t iPruefen = std::min(iLaenge, iGehalten);
    for (size_t i = 0; i < iPruefen; ++i) {
        const unsigned char c = static_cast<unsigned char>(szZeile[i]);
        if ((c < 0x20 && c != '\t') || c >= 0x7F) {
            Melden(pDatei, iZeile, KURVENDATEI_TEXT_ZEICHEN, c, i + 1);
            break;
        }
    }
    if (s.iAbschnitt == KOPF)
        Kopfzeile(pDatei, iZeile, szZeile, iLaenge, bLesbar);
    else if (bLesbar && iLaenge == 0)
        s.iAbschnitt = SCHLUSS;
    else
        Datenzeile(pDatei, iZeile, szZeile, iLaenge, bLesbar);
}

}  // namespace

int Kurvendatei_MaxZeilen(void)
{
    return Kurvenformat_KopfzeilenAnzahl() + KURVENDATEI_MAX_DATENZEILEN + 1;
}

long long Kurvendatei_MaxBytes(void)
{
    const long long ZEILENENDE = 2;  // CR LF at most
    return static_cast<long long>(Kurvendatei_MaxZeilen()) * (KURVENFORMAT_ZEILE_MAX + ZEILENENDE) +
           static_cast<long long>(BOM_LAENGE);
}

void Kurvendatei_Beginnen(Kurvendatei *pDatei)
{
    pDatei->iBefunde = 0;
    pDatei->iDatenzeilen = 0;
    pDatei->szZeitbasis[0] = '\0';
    pDatei->dZeitbasisMs = 0.0;
    pDatei->iKurvennummer = 0;
    pDatei->iWerte = 0;
    pDatei->stand = {};
    pDatei->stand.iAbschnitt = KOPF;
    pDatei->stand.iZeitErwartet = -1;
    pDatei->stand.iZeitVerschoben = -1;
}

int Kurvendatei_Weiter(Kurvendatei *pDatei, const char *pBlock, size_t iLaenge)
{
    Kurvendateistand &s = pDatei->stand;
    // No valid file has more bytes: what lies beyond is not read.
    const unsigned long long iRest = static_cast<unsigned long long>(Kurvendatei_MaxBytes() - s.iBytes);
    const bool bZuLang = iLaenge > iRest;
    if (bZuLang)
        iLaenge = static_cast<size_t>(iRest);
    s.iBytes += static_cast<long long>(iLaenge);
    const char *p = pBlock, *const ende = pBlock + iLaenge;
    while (p < ende && s.iAbschnitt != GESTOPPT) {
        const char *lf = static_cast<const char *>(std::memchr(p, '\n', static_cast<size_t>(ende - p)));
        const size_t iStueck = static_cast<size_t>((lf ? lf : ende) - p);
        // Before the first line feed, a CR followed by more text: the lines end in CR alone.
        if (s.iZeile == 0 && (CrOhneLf(p, iStueck) || (s.bCrAmEnde && iStueck > 0))) {
            Melden(pDatei, 1, KURVENDATEI_TEXT_CR);
            s.iAbschnitt = GESTOPPT;
            break;
        }
        s.bCrAmEnde = !lf && iStueck > 0 && p[iStueck - 1] == '\r';
        // Only the line's first bytes are kept; the rest is only counted.
        if (s.iLaenge < sizeof s.szZeile) {
            const size_t iFrei = sizeof s.szZeile - s.iLaenge;
            std::memcpy(s.szZeile + s.iLaenge, p, iStueck < iFrei ? iStueck : iFrei);
        }
        s.iLaenge += iStueck;
        if (!lf)
            break;
        ZeileAbschliessen(pDatei, true);
        p = lf + 1;
    }
    if (bZuLang && s.iAbschnitt != GESTOPPT) {
        Melden(pDatei, s.iZeile + 1, KURVENDATEI_TEXT_ZU_VIELE_BYTES,
               Kurvendatei_MaxBytes());
        s.iAbschnitt = GESTOPPT;
    }
    return s.iAbschnitt != GESTOPPT;
}

void Kurvendatei_Beenden(Kurvendatei *pDatei)
{
    Kurvendateistand &s = pDatei->stand;
    if (s.iAbschnitt == GESTOPPT)
        return;
    if (s.iLaenge > 0)
        ZeileAbschliessen(pDatei, false);
    else if (s.iAbschnitt == KOPF)
        Melden(pDatei, s.iZeile + 1, s.iZeile == 0 ? KURVENDATEI_TEXT_LEER : KURVENDATEI_TEXT_ENDE_IM_KOPF);
    else if (s.iAbschnitt == DATEN)
        Melden(pDatei, s.iZeile + 1, KURVENDATEI_TEXT_SCHLUSS_FEHLT);
    if (pDatei->iDatenzeilen == 0 && s.iZeile > 0 && s.iAbschnitt != KOPF)
        Melden(pDatei, s.iZeile, KURVENDATEI_TEXT_KEINE_DATEN);
    s.iAbschnitt = GESTOPPT;
}

int Kurvendatei_Bloecke(int iDatei, int (*pfBlock)(void *pKontext, const char *pBlock, size_t iLaenge),
                        void *pKontext)
{
    std::vector<char> block(KURVENDATEI_BLOCK);
    for (;;) {
        const long n = TK_BlockLesen(iDatei, block.data(), block.size());
        if (n <= 0)
            return n < 0 ? static_cast<int>(n) : 1;
        if (!pfBlock(pKontext, block.data(), static_cast<size_t>(n)))
            return 0;
    }
}

int Kurvendatei_Lesen(int iDatei, Kurvendatei *pDatei)
{
    Kurvendatei_Beginnen(pDatei);
    const int iGelesen = Kurvendatei_Bloecke(
        iDatei,
        [](void *p, const char *pBlock, size_t n) {
            return Kurvendatei_Weiter(static_cast<Kurvendatei *>(p), pBlock, n);
        },
        pDatei);
    if (iGelesen == 1)
        Kurvendatei_Beenden(pDatei);
    return iGelesen < 0 ? iGelesen : 0;
}

int Kurvendatei_WertePruefen(Kurvendatei *pDatei, const Kurvenmodell *pModell)
{
    if (pDatei->iBefunde > 0 || pDatei->iWerte == 0 || pDatei->iWerte != pDatei->iDatenzeilen)
        return 0;
    std::vector<int32_t> h(static_cast<size_t>(pDatei->iWerte));
    for (size_t i = 0; i < h.size(); ++i)  // values read to two decimals: back to their digits
        h[i] = static_cast<int32_t>(std::llround(pDatei->pdWerte[i] * 100.0));
    Kurvenmodell m;
    if (pModell)
        m = *pModell;
    else
        Modell_Umkehren(h.data(), pDatei->iWerte, &m);
    if (!m.bVollstaendig || m.iPassend > 0)
        return 0;
    int piZeilen[MODELL_FALSCH_MAX];
    int32_t piErwartet[MODELL_FALSCH_MAX];
    const int iFalsch = Modell_FalscheWerte(h.data(), pDatei->iWerte, MODELL_FALSCH_MAX, piZeilen, piErwartet);
    // Without findings, data line i stands right after the header.
    for (int i = 0; i < iFalsch; ++i)
        Melden(pDatei, Kurvenformat_KopfzeilenAnzahl() + 1 + piZeilen[i], KURVENDATEI_TEXT_WERT_FALSCH,
               static_cast<int>(piErwartet[i] / 100), static_cast<int>(piErwartet[i] % 100));
    return iFalsch;
}

double Kurvendatei_Dauer(const Kurvendatei *pDatei)
{
    return pDatei->iDatenzeilen > 1 ? (pDatei->iDatenzeilen - 1) * pDatei->dZeitbasisMs / 1000.0 : 0.0;
}

void Kurvendatei_Zusammenfassung(const Kurvendatei *pDatei, const char *szNotizen, char *szText, size_t iGroesse)
{
    char szBefunde[64], szKurve[16] = KURVENDATEI_TEXT_UNBEKANNT, szDauer[40] = KURVENDATEI_TEXT_UNBEKANNT;
    const int iUngenannt = pDatei->iBefunde - KURVENDATEI_MAX_BEFUNDE;
    if (pDatei->iBefunde == 0)
        TK_TextKopieren(szBefunde, sizeof szBefunde, KURVENDATEI_TEXT_KEINE_BEFUNDE);
    else if (iUngenannt > 0)
        std::snprintf(szBefunde, sizeof szBefunde, KURVENDATEI_TEXT_BEFUNDE_UNGENANNT, pDatei->iBefunde,
                      iUngenannt);
    else
        std::snprintf(szBefunde, sizeof szBefunde, KURVENDATEI_TEXT_BEFUNDE_ANZAHL, pDatei->iBefunde,
                      pDatei->iBefunde == 1 ? SINUS_TEXT_BEFUND : SINUS_TEXT_BEFUNDE);
    if (pDatei->iKurvennummer)
        std::snprintf(szKurve, sizeof szKurve, "%d", pDatei->iKurvennummer);
    if (pDatei->szZeitbasis[0])
        std::snprintf(szDauer, sizeof szDauer, "%.5f s", Kurvendatei_Dauer(pDatei));
    // Lines whose value could not be read are no values of the curve.
    char szOhneWert[48] = "";
    if (pDatei->iWerte < pDatei->iDatenzeilen)
        std::snprintf(szOhneWert, sizeof szOhneWert, KURVENDATEI_TEXT_OHNE_WERT, pDatei->iDatenzeilen - pDatei->iWerte);
    std::snprintf(szText, iGroesse, KURVENDATEI_TEXT_ZUSAMMENFASSUNG, szBefunde,
                  pDatei->iDatenzeilen, szOhneWert, pDatei->szZeitbasis[0] ? pDatei->szZeitbasis : KURVENDATEI_TEXT_UNBEKANNT, szKurve,
                  szDauer);
    if (szNotizen && *szNotizen) {
        TK_TextAnhaengen(szText, iGroesse, "; ");
        TK_TextAnhaengen(szText, iGroesse, szNotizen);
    }
}

// What the signal analysis says of the samples read, on one line.
void Kurvendatei_Notizen(const Kurvendatei *pDatei, char *szNotizen, size_t iGroesse)
{
    Kurvendatei_NotizenMitModell(pDatei, nullptr, szNotizen, iGroesse);
}

void Kurvendatei_NotizenMitModell(const Kurvendatei *pDatei, const Kurvenmodell *pModell, char *szNotizen,
                                  size_t iGroesse)
{
    szNotizen[0] = '\0';
    if (pDatei->iWerte == 0 || !(pDatei->dZeitbasisMs > 0.0))
        return;
    // A line without its value leaves a gap the signal cannot be judged across.
    if (pDatei->iWerte < pDatei->iDatenzeilen) {
        TK_TextKopieren(szNotizen, iGroesse, KURVENDATEI_TEXT_NICHT_BEURTEILT);
        return;
    }
    Kurvenanalyse analyse;
    std::vector<int32_t> h(static_cast<size_t>(pDatei->iWerte));
    for (size_t i = 0; i < h.size(); ++i)  // values read to two decimals: back to their digits
        h[i] = static_cast<int32_t>(std::llround(pDatei->pdWerte[i] * 100.0));
    Analyse_Hundertstel(h.data(), pDatei->iWerte, pModell, pDatei->dZeitbasisMs, 0.0, &analyse);
    Analyse_Notizen(&analyse, szNotizen, iGroesse);
}
