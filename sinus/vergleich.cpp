// Whether a curve file holds exactly what the current inputs would export:
// the file's bytes against the export's lines, formed one at a time, so
// that a file of any size is compared in fixed memory.
#include "Sinuserzeugung_Main.h"
#include "Kurvenformat.h"
#include "toolkit_kern.h"

#include <cstring>

namespace {

const int ZEILE_GROESSE = KURVENFORMAT_ZEILE_MAX + 1;
const size_t BLOCK_GROESSE = 65536;

// The export's lines in order, each with its line end.
struct Soll {
    const Eingabewerte *pEingabe;
    const Sinuskurve *pSinus;
    int iZeile = 0;  // lines formed so far
    Kurvenzeit zeit;
    char szZeile[ZEILE_GROESSE + 1];
    size_t iLaenge = 0, iPos = 0;

    // Forms the next line; false after the closing empty line.
    bool naechste()
    {
        const int iKopf = Kurvenformat_KopfzeilenAnzahl(), iDaten = Kurvenformat_Datenzeilen(pSinus->iAnzahlPunkte);
        const int k = iZeile;
        if (k > iKopf + iDaten)
            return false;
        ++iZeile;
        if (k < iKopf) {
            TK_TextKopieren(szZeile, ZEILE_GROESSE, Kurvenformat_Kopfzeile(k));
        } else if (k < iKopf + iDaten) {
            Kurvenformat_Datenzeile(szZeile, ZEILE_GROESSE, Kurvenformat_ZeitWeiter(&zeit),
                                    pSinus->pdWerte[k - iKopf + 1], pEingabe->szZeitbasis, pEingabe->iKurvennummer);
        } else {
            szZeile[0] = '\0';  // the closing empty line
        }
        iLaenge = std::strlen(szZeile);
        szZeile[iLaenge++] = '\n';
        iPos = 0;
        return true;
    }
};

}  // namespace

int Sinus_ExportVergleichen(int iDatei, const Eingabewerte *pEingabe, const Sinuskurve *pSinus, int *piZeile)
{
    static char block[BLOCK_GROESSE];
    Soll soll;
    soll.pEingabe = pEingabe;
    soll.pSinus = pSinus;
    Kurvenformat_ZeitBeginnen(&soll.zeit, Zeitbasis_Ms(pEingabe->szZeitbasis));
    bool bSoll = soll.naechste();
    for (;;) {
        const long n = TK_BlockLesen(iDatei, block, sizeof block);
        if (n < 0)
            return static_cast<int>(n);
        if (n == 0)
            break;
        for (long i = 0; i < n; ++i) {
            if (!bSoll || block[i] != soll.szZeile[soll.iPos]) {
                *piZeile = bSoll ? soll.iZeile : soll.iZeile + 1;
                return 0;
            }
            if (++soll.iPos == soll.iLaenge)
                bSoll = soll.naechste();
        }
    }
    *piZeile = soll.iZeile;
    return bSoll ? 0 : 1;  // a file that ends early differs at the line it misses
}
