// The undo history of accepted inputs, as a fixed ring of steps in the
// window's state record. No panel: the window's side is verlauf_gui.cpp.
#include "Sinuseingaben.h"
#include "toolkit_kern.h"
#include "zustand.h"

#include <cstring>

// The window's last accepted inputs (Sinuserzeugung_gui.h).
extern Eingabewerte gEingabe;

namespace {

Verlaufsstufe *Stufe(int iPosition)
{
    Verlauf &v = gFenster.verlauf;
    return &v.aStufen[(v.iAnfang + iPosition) % FENSTER_VERLAUF_GROESSE];
}

}  // namespace

int Fenster_EingabenGleich(const Eingabewerte *pA, const Eingabewerte *pB)
{
    return Eingaben_Gleich(pA, pB);
}

void Fenster_VerlaufLeeren(void)
{
    gFenster.verlauf.iAnfang = gFenster.verlauf.iAnzahl = gFenster.verlauf.iPosition = 0;
}

void Fenster_VerlaufMerken(const Eingabewerte *pEingabe, const char *szAnlass)
{
    Verlauf &v = gFenster.verlauf;
    v.iAnzahl = v.iAnzahl > 0 ? v.iPosition + 1 : 0;
    if (v.iAnzahl == FENSTER_VERLAUF_GROESSE) {
        v.iAnfang = (v.iAnfang + 1) % FENSTER_VERLAUF_GROESSE;
        --v.iAnzahl;
    }
    Verlaufsstufe *s = Stufe(v.iAnzahl);
    std::memcpy(&s->eingabe, pEingabe, sizeof s->eingabe);
    TK_TextKopieren(s->szAnlass, sizeof s->szAnlass, szAnlass ? szAnlass : "");
    v.iPosition = v.iAnzahl++;
}

int Fenster_VerlaufAktuell(Eingabewerte *pEingabe)
{
    if (gFenster.verlauf.iAnzahl == 0)
        return 0;
    std::memcpy(pEingabe, &Stufe(gFenster.verlauf.iPosition)->eingabe, sizeof *pEingabe);
    return 1;
}

const Verlaufsstufe *Fenster_VerlaufNachbar(int iRichtung)
{
    const Verlauf &v = gFenster.verlauf;
    const int iZiel = v.iPosition + (iRichtung < 0 ? -1 : iRichtung > 0 ? 1 : 0);
    if (v.iAnzahl == 0 || iZiel < 0 || iZiel >= v.iAnzahl)
        return nullptr;
    return Stufe(iZiel);
}

int Fenster_VerlaufGehen(int iRichtung, Eingabewerte *pEingabe)
{
    const Verlaufsstufe *s = Fenster_VerlaufNachbar(iRichtung);
    if (!s)
        return 0;
    std::memcpy(pEingabe, &s->eingabe, sizeof *pEingabe);
    gFenster.verlauf.iPosition += iRichtung < 0 ? -1 : 1;  // 0 stays, as Fenster_VerlaufNachbar
    return 1;
}

void Fenster_Festhalten(const Eingabewerte *pVorher, const char *szAnlass)
{
    if (Fenster_EingabenGleich(pVorher, &gEingabe))
        return;
    Eingabewerte aktuell;
    if (!Fenster_VerlaufAktuell(&aktuell) || !Fenster_EingabenGleich(&aktuell, pVorher)) {
        Fenster_VerlaufLeeren();
        Fenster_VerlaufMerken(pVorher, nullptr);
    }
    Fenster_VerlaufMerken(&gEingabe, szAnlass);
}

int Fenster_VerlaufPasst(void)
{
    Eingabewerte aktuell;
    return Fenster_VerlaufAktuell(&aktuell) && Fenster_EingabenGleich(&aktuell, &gEingabe);
}
