// The error popups: a code's title and message, shown by the window.
#include "ZEM_errorV3.h"

#include "toolkit_kern.h"

namespace {

const size_t TITEL_GROESSE = 100;

}  // namespace

void ZEM_Fehlerpopup(int iFehlercode)
{
    char szTitel[TITEL_GROESSE];
    if (ZEM_Fehlertitel(iFehlercode, nullptr, szTitel, sizeof szTitel))
        MessagePopup(szTitel, ZEM_Fehlermeldung(iFehlercode));
}

void ZEM_Fehlerpopup2(int iFehlercode, const char *szTitelPrefix)
{
    char szTitel[TITEL_GROESSE];
    if (ZEM_Fehlertitel(iFehlercode, szTitelPrefix ? szTitelPrefix : "", szTitel, sizeof szTitel))
        MessagePopup(szTitel, ZEM_Fehlermeldung(iFehlercode));
}

void ZEM_FehlerpopupGrund(int iFehlercode, const char *szGrund)
{
    char szTitel[TITEL_GROESSE], szText[ZEM_MELDUNG_GROESSE];
    if (ZEM_Fehlertitel(iFehlercode, nullptr, szTitel, sizeof szTitel))
        MessagePopup(szTitel, ZEM_FehlermeldungGrund(iFehlercode, szGrund, szText, sizeof szText));
}
