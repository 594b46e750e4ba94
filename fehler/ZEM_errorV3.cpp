#include "ZEM_errorV3.h"

#include "katalog.h"
#include "toolkit_kern.h"

#include <cstdio>
#include <cstring>

namespace {

const int SCHLUESSEL_STILL = -6;  // codes -6000 to -6999 show no popup
const int TITEL_GROESSE = 100;
const int NUMMER_GROESSE = 20;

int giSprache = ZEM_SPRACHE_DEUTSCH;
char gszMeldung[ZEM_MELDUNG_GROESSE];
char gszUserstring[ZEM_USERSTRING_GROESSE];

int Schluessel(int iFehlercode) { return iFehlercode / 1000; }

// The error number shown in titles: the code with its sign turned. Done in
// 64 bits, so that the lowest int still shows as a number.
long long Nummer(int iFehlercode) { return -static_cast<long long>(iFehlercode); }

}  // namespace

char *ZEM_Fehlermeldung(int iFehlercode)
{
    const int iSchluessel = Schluessel(iFehlercode);
    const bool bEnglisch = giSprache == ZEM_SPRACHE_ENGLISCH;
    if (bEnglisch && iSchluessel == 0) {
        // "No error" leaves a pending user string for the next lookup.
        TK_TextKopieren(gszMeldung, sizeof gszMeldung, "No error");
        return gszMeldung;
    }
    TK_TextKopieren(gszMeldung, sizeof gszMeldung, ZEM_KatalogText(iSchluessel, bEnglisch));
    if (gszUserstring[0] != '\0') {
        TK_TextAnhaengen(gszMeldung, sizeof gszMeldung, "\n");
        TK_TextAnhaengen(gszMeldung, sizeof gszMeldung, gszUserstring);
        gszUserstring[0] = '\0';
    }
    return gszMeldung;
}

void ZEM_Fehlerpopup(int iFehlercode)
{
    if (Schluessel(iFehlercode) == SCHLUESSEL_STILL)
        return;
    char szTitel[NUMMER_GROESSE];
    std::snprintf(szTitel, sizeof szTitel,
                  giSprache == ZEM_SPRACHE_ENGLISCH ? "Error #%lld" : "Fehler #%lld", Nummer(iFehlercode));
    MessagePopup(szTitel, ZEM_Fehlermeldung(iFehlercode));
}

void ZEM_Fehlerpopup2(int iFehlercode, const char *szTitelPrefix)
{
    if (Schluessel(iFehlercode) == SCHLUESSEL_STILL)
        return;
    char szNummer[NUMMER_GROESSE];
    std::snprintf(szNummer, sizeof szNummer, " #%lld", Nummer(iFehlercode));
    // The number always shows whole; a prefix too long is cut.
    char szTitel[TITEL_GROESSE];
    TK_TextKopieren(szTitel, sizeof szTitel - std::strlen(szNummer), szTitelPrefix);
    TK_TextAnhaengen(szTitel, sizeof szTitel, szNummer);
    MessagePopup(szTitel, ZEM_Fehlermeldung(iFehlercode));
}

void ZEM_Fehlersprache(int iSprache)
{
    giSprache = iSprache;
}

void ZEM_Fehleruserstring(const char *szText)
{
    TK_TextKopieren(gszUserstring, sizeof gszUserstring, szText);
}
