// Whether a curve file holds exactly what the current inputs would export:
// the file's bytes against the export's lines, formed one at a time by the
// curve-file module, so that a file of any size is compared in fixed memory.
#include "Sinuserzeugung_Main.h"
#include "Kurvenformat.h"
#include "kurvendatei.h"

#include <cstring>

namespace {

const int ZEILE_GROESSE = KURVENFORMAT_ZEILE_MAX + 2;  // a line, its line end and the NUL

// The export's lines against the blocks of the file as they come.
struct Soll {
    Kurvenzeilen zeilen;
    char szZeile[ZEILE_GROESSE];
    int iLaenge = 0, iPos = 0;
    bool bSoll = false, bAnders = false;

    void naechste()
    {
        iLaenge = Kurvenformat_ZeileWeiter(&zeilen, szZeile, sizeof szZeile);
        iPos = 0;
        bSoll = iLaenge > 0;
    }
};

int Block(void *pKontext, const char *pBlock, size_t iLaenge)
{
    Soll &soll = *static_cast<Soll *>(pKontext);
    for (size_t i = 0; i < iLaenge; ++i) {
        if (!soll.bSoll || pBlock[i] != soll.szZeile[soll.iPos]) {
            soll.bAnders = true;
            return 0;
        }
        if (++soll.iPos == soll.iLaenge)
            soll.naechste();
    }
    return 1;
}

}  // namespace

int Sinus_ExportVergleichen(int iDatei, const Eingabewerte *pEingabe, const Sinuskurve *pSinus, int *piZeile)
{
    Soll soll;
    soll.zeilen = {pSinus->pdWerte, Kurvenformat_Datenzeilen(pSinus->iAnzahlPunkte), pEingabe->szZeitbasis,
                   Zeitbasis_Ms(pEingabe->szZeitbasis), pEingabe->iKurvennummer, 0, {}};
    Kurvenformat_ZeilenBeginnen(&soll.zeilen);
    soll.naechste();
    const int iGelesen = Kurvendatei_Bloecke(iDatei, Block, &soll);
    if (iGelesen < 0)
        return iGelesen;
    // The line in which they differ, or the one the file misses.
    *piZeile = soll.bSoll || soll.bAnders ? soll.zeilen.iZeile + (soll.bSoll ? 0 : 1) : soll.zeilen.iZeile;
    return soll.bAnders || soll.bSoll ? 0 : 1;
}
