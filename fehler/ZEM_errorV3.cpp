#include "ZEM_errorV3.h"

#include "katalog.h"
#include "toolkit_kern.h"

#include <cstdio>
#include <cstring>

namespace {

const int SCHLUESSEL_STILL = -6;  // codes -6000 to -6999 show no popup
const int NUMMER_GROESSE = 20;

int giSprache = ZEM_SPRACHE_DEUTSCH;
char gszMeldung[ZEM_MELDUNG_GROESSE];
char gszUserstring[ZEM_USERSTRING_GROESSE];

int Schluessel(int iFehlercode) { return iFehlercode / 1000; }

// The error number shown in titles: the code with its sign turned. Done in
// 64 bits, so that the lowest int still shows as a number.
long long Nummer(int iFehlercode) { return -static_cast<long long>(iFehlercode); }

// The catalogue's text of a code in the chosen language.
const char *Katalogtext(int iFehlercode)
{
    const bool bEnglisch = giSprache == ZEM_SPRACHE_ENGLISCH;
    return bEnglisch && Schluessel(iFehlercode) == 0 ? "No error" : ZEM_KatalogText(Schluessel(iFehlercode), bEnglisch);
}

}  // namespace

char *ZEM_Fehlermeldung(int iFehlercode)
{
    TK_TextKopieren(gszMeldung, sizeof gszMeldung, Katalogtext(iFehlercode));
    // "No error" leaves a pending user string for the next lookup.
    if (giSprache == ZEM_SPRACHE_ENGLISCH && Schluessel(iFehlercode) == 0)
        return gszMeldung;
    if (gszUserstring[0] != '\0') {
        TK_TextAnhaengen(gszMeldung, sizeof gszMeldung, "\n");
        TK_TextAnhaengen(gszMeldung, sizeof gszMeldung, gszUserstring);
        gszUserstring[0] = '\0';
    }
    return gszMeldung;
}

int ZEM_Fehlertitel(int iFehlercode, const char *szTitelPrefix, char *szTitel, size_t iGroesse)
{
    if (Schluessel(iFehlercode) == SCHLUESSEL_STILL || iGroesse == 0)
        return 0;
    char szNummer[NUMMER_GROESSE];
    std::snprintf(szNummer, sizeof szNummer, " #%lld", Nummer(iFehlercode));
    const char *szPrefix = szTitelPrefix ? szTitelPrefix : giSprache == ZEM_SPRACHE_ENGLISCH ? "Error" : "Fehler";
    // The number always shows whole; a prefix too long is cut.
    const size_t iNummer = std::strlen(szNummer);
    TK_TextKopieren(szTitel, iGroesse > iNummer ? iGroesse - iNummer : 1, szPrefix);
    TK_TextAnhaengen(szTitel, iGroesse, szNummer);
    return 1;
}

void ZEM_Fehlersprache(int iSprache)
{
    giSprache = iSprache;
}

void ZEM_Fehleruserstring(const char *szText)
{
    TK_TextKopieren(gszUserstring, sizeof gszUserstring, szText);
}

char *ZEM_FehlermeldungGrund(int iFehlercode, const char *szGrund, char *szZiel, size_t iGroesse)
{
    if (!szZiel || iGroesse == 0)
        return const_cast<char *>("");
    TK_TextKopieren(szZiel, iGroesse, Katalogtext(iFehlercode));
    if (szGrund && *szGrund) {
        TK_TextAnhaengen(szZiel, iGroesse, "\n");
        TK_TextAnhaengen(szZiel, iGroesse, szGrund);
    }
    return szZiel;
}
