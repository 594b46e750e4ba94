// libFuzzer target: the curve-file reader on any bytes. Read at once and in
// blocks of a size the input chooses, the file gives the same findings; the
// counts stay inside their bounds and every text ends within its area.
#include "kurvendatei.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

Kurvendatei gGanz, gStueckweise;

void Lesen(Kurvendatei *pDatei, const char *pText, size_t iLaenge, size_t iBlock)
{
    Kurvendatei_Beginnen(pDatei);
    for (size_t i = 0; i < iLaenge; i += iBlock) {
        // Each block in its own allocation, so that reading past one is seen.
        const size_t n = iLaenge - i < iBlock ? iLaenge - i : iBlock;
        char *pBlock = static_cast<char *>(std::malloc(n));
        std::memcpy(pBlock, pText + i, n);
        const int iWeiter = Kurvendatei_Weiter(pDatei, pBlock, n);
        std::free(pBlock);
        if (!iWeiter) return;
    }
    Kurvendatei_Beenden(pDatei);
}

void Pruefen(bool bBedingung)
{
    if (!bBedingung) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    if (groesse == 0) return 0;
    const size_t iBlock = daten[0] % 16 + 1;
    const char *pText = reinterpret_cast<const char *>(daten + 1);
    Lesen(&gGanz, pText, groesse - 1, groesse);
    Lesen(&gStueckweise, pText, groesse - 1, iBlock);

    const Kurvendatei &a = gGanz, &b = gStueckweise;
    Pruefen(a.iBefunde == b.iBefunde && a.iDatenzeilen == b.iDatenzeilen && a.iWerte == b.iWerte &&
            a.iKurvennummer == b.iKurvennummer && std::strcmp(a.szZeitbasis, b.szZeitbasis) == 0);
    Pruefen(a.iWerte <= a.iDatenzeilen && a.iDatenzeilen <= KURVENDATEI_MAX_DATENZEILEN);
    Pruefen(a.stand.iZeile <= Kurvendatei_MaxZeilen() + 1 && a.stand.iBytes <= Kurvendatei_MaxBytes());
    Pruefen(std::memcmp(a.pdWerte, b.pdWerte, static_cast<size_t>(a.iWerte) * sizeof(double)) == 0);
    for (int i = 0; i < a.iBefunde && i < KURVENDATEI_MAX_BEFUNDE; ++i) {
        Pruefen(a.aBefunde[i].iZeile >= 1 && a.aBefunde[i].iZeile <= a.stand.iZeile + 1);
        Pruefen(a.aBefunde[i].iZeile == b.aBefunde[i].iZeile &&
                std::strcmp(a.aBefunde[i].szText, b.aBefunde[i].szText) == 0);
    }
    char szKlein[24];
    Kurvendatei_Zusammenfassung(&a, "Notizen", szKlein, sizeof szKlein);
    return 0;
}
