// The undo history of accepted inputs, as a fixed ring of records.
#include "verlauf.h"

#include "Sinuseingaben.h"

#include <cstring>

Verlauf gVerlauf;

namespace {

Eingabewerte *Stufe(int iPosition)
{
    return &gVerlauf.aStufen[(gVerlauf.iAnfang + iPosition) % VERLAUF_GROESSE];
}

}  // namespace

int Sinus_EingabenGleich(const Eingabewerte *pA, const Eingabewerte *pB)
{
    return Eingaben_Gleich(pA, pB);
}

void Sinus_VerlaufLeeren(void)
{
    gVerlauf.iAnfang = 0;
    gVerlauf.iAnzahl = 0;
    gVerlauf.iPosition = 0;
}

void Sinus_VerlaufMerken(const Eingabewerte *pEingabe)
{
    gVerlauf.iAnzahl = gVerlauf.iAnzahl > 0 ? gVerlauf.iPosition + 1 : 0;
    if (gVerlauf.iAnzahl == VERLAUF_GROESSE) {
        gVerlauf.iAnfang = (gVerlauf.iAnfang + 1) % VERLAUF_GROESSE;
        --gVerlauf.iAnzahl;
    }
    std::memcpy(Stufe(gVerlauf.iAnzahl), pEingabe, sizeof *pEingabe);
    gVerlauf.iPosition = gVerlauf.iAnzahl++;
}

int Sinus_VerlaufAktuell(Eingabewerte *pEingabe)
{
    if (gVerlauf.iAnzahl == 0)
        return 0;
    std::memcpy(pEingabe, Stufe(gVerlauf.iPosition), sizeof *pEingabe);
    return 1;
}

int Sinus_VerlaufZurueck(Eingabewerte *pEingabe)
{
    if (!Sinus_VerlaufNachbar(-1, pEingabe))
        return 0;
    --gVerlauf.iPosition;
    return 1;
}

int Sinus_VerlaufVor(Eingabewerte *pEingabe)
{
    if (!Sinus_VerlaufNachbar(1, pEingabe))
        return 0;
    ++gVerlauf.iPosition;
    return 1;
}

int Sinus_VerlaufNachbar(int iRichtung, Eingabewerte *pEingabe)
{
    const int iZiel = gVerlauf.iPosition + (iRichtung < 0 ? -1 : 1);
    if (gVerlauf.iAnzahl == 0 || iZiel < 0 || iZiel >= gVerlauf.iAnzahl)
        return 0;
    std::memcpy(pEingabe, Stufe(iZiel), sizeof *pEingabe);
    return 1;
}
