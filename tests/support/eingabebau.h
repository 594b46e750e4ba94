// The inputs of a design by name, for tests: starts from the window's
// defaults, each call names what it sets, and the coupled partner follows
// as in the window. A new input in the record shifts nothing here.
//   Eingabewerte e = Eingabebau().Periode(200).Perioden(2.37).Zeitbasis("3ms").Kurve(3);
#ifndef TEST_EINGABEBAU_H
#define TEST_EINGABEBAU_H

#include "Sinuseingaben.h"
#include "toolkit_kern.h"

#include <cstring>

class Eingabebau {
public:
    Eingabebau() { Eingaben_Vorgaben(&m_e); }
    Eingabebau &Umax(double d) { return Setzen(EINGABE_UMAX, d); }
    Eingabebau &Dach(double d) { return Setzen(EINGABE_DACH, d); }      ///< the RMS amplitude follows
    Eingabebau &Eff(double d) { return Setzen(EINGABE_EFF, d); }        ///< the peak follows
    Eingabebau &Offset(double d) { return Setzen(EINGABE_OFFSET, d); }
    Eingabebau &Frequenz(double d) { return Setzen(EINGABE_FREQUENZ, d); }  ///< the period follows
    Eingabebau &Periode(double d) { return Setzen(EINGABE_PERIODE, d); }    ///< the frequency follows
    Eingabebau &Perioden(double d) { return Setzen(EINGABE_PERIODEN, d); }
    /// The label and its place in the ring (a label not in it keeps the place).
    Eingabebau &Zeitbasis(const char *szLabel)
    {
        TK_TextKopieren(m_e.szZeitbasis, sizeof m_e.szZeitbasis, szLabel);
        for (int k = 0; k < Zeitbasis_Anzahl(); ++k)
            if (std::strcmp(Zeitbasis_Label(k), szLabel) == 0)
                m_e.iZeitbasisIndex = k;
        return *this;
    }
    Eingabebau &Kurve(int iKurve)
    {
        m_e.iKurvennummer = iKurve;
        return *this;
    }
    operator Eingabewerte() const { return m_e; }

private:
    Eingabebau &Setzen(int iEingabe, double d)
    {
        *Eingaben_Zahl(&m_e, Eingaben_Feld(iEingabe)) = d;
        Eingaben_Koppeln(&m_e, iEingabe);
        return *this;
    }
    Eingabewerte m_e;
};

#endif
