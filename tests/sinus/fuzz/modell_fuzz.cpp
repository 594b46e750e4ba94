// libFuzzer target: the inverse of the file model on any values. Every P it
// lists fits when tried alone, a determined P is the only one listed, the
// cut lines are lines at a limit; and values written by a design the input
// chooses always list that design's P (unless the list is full or the
// search was bounded); a line named as the one wrong value is a line of the
// file with another value called for.
#include "Sinusmodell.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const double KANTE = 1e-6;     // hundredths from a half-step that count as on it
const double TOLERANZ = 1e-5;  // hundredths the model widens each step by against the arithmetic's error

void Pruefen(bool bBedingung)
{
    if (!bBedingung) std::abort();
}

double Zahl(const uint8_t *p)
{
    double d;
    std::memcpy(&d, p, sizeof d);
    return d;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    if (groesse < 1) return 0;
    std::vector<int32_t> v;
    int32_t iEntwurf = 0;
    bool bKante = false;
    const size_t KOPF = 1 + 4 + 2 * sizeof(double);
    if (daten[0] % 2 == 0 || groesse < KOPF) {
        // Any values: two bytes each, a few levels made likely.
        for (size_t i = 1; i + 1 < groesse; i += 2) {
            const int32_t w = (daten[i] << 8 | daten[i + 1]);
            v.push_back(daten[i] < 0x80 ? w % 3 * 5000 : w % (MODELL_HUNDERT + 1));
        }
    } else {
        // A design: samples per period, offset and amplitude in %, and a line count.
        uint32_t u;
        std::memcpy(&u, daten + 1, sizeof u);
        iEntwurf = static_cast<int32_t>(u % 2000 + 1);
        const double o = Zahl(daten + 5), a = Zahl(daten + 5 + sizeof(double));
        if (!std::isfinite(o) || !std::isfinite(a) || std::fabs(o) > MODELL_MAX_PROZENT / 10 ||
            std::fabs(a) > MODELL_MAX_PROZENT / 10)
            return 0;
        const int n = static_cast<int>((groesse - KOPF) * 16 % 3000) + 1;
        for (int k = 0; k < n; ++k) {
            const double w = Modell_Wert(o, a, iEntwurf, k);
            v.push_back(Modell_Hundertstel(w));
            // A value on a half-step (within the doubles' error of it): two
            // lines with sines equal in theory may then print one hundredth
            // apart (13.12 and 13.13 at 1044 samples a period, lines 87 and
            // 435), which the model takes as no design. Such designs are left
            // out of the completeness check, as the oracle's tests leave them out.
            const double h = std::fabs(w) * 100.0;
            if (std::fabs(h - std::floor(h) - 0.5) < KANTE) bKante = true;
        }
    }
    static Kurvenmodell m;
    Modell_Umkehren(v.data(), static_cast<int>(v.size()), &m);
    Pruefen(m.iPassend >= 0 && m.iPassend <= MODELL_MAX_PASSEND);
    Pruefen(m.iPunkteProPeriode == 0 || (m.iPassend == 1 && m.bVollstaendig && m.piPassend[0] == m.iPunkteProPeriode));
    int iOben = 0, iUnten = 0;
    for (const int32_t w : v) iOben += w == MODELL_HUNDERT, iUnten += w == 0;
    Pruefen(m.iBegrenztOben <= iOben && m.iBegrenztUnten <= iUnten);
    for (int i = 0; i < m.iPassend; ++i) {
        Pruefen(i == 0 || m.piPassend[i] > m.piPassend[i - 1]);
        // Found at a free phase where phase 0 fits none: tried alone at a free phase, as widened as the search.
        Pruefen(m.iStufen == 1 ||
                (m.bPhaseFrei ? Modell_PasstFrei(v.data(), static_cast<int>(v.size()), m.piPassend[i], -TOLERANZ, nullptr)
                              : Modell_Passt(v.data(), static_cast<int>(v.size()), m.piPassend[i], nullptr, nullptr)));
    }
    // A line named wrong is one of the file's, and another value is called for there.
    int32_t iErwartet = -1;
    const int iFalsch = Modell_FalscherWert(v.data(), static_cast<int>(v.size()), &iErwartet);
    Pruefen(iFalsch < 0 || (iFalsch < static_cast<int>(v.size()) && iErwartet >= 0 && iErwartet <= MODELL_HUNDERT &&
                            iErwartet != v[static_cast<size_t>(iFalsch)]));
    if (iEntwurf > 0 && m.bVollstaendig && !bKante) {
        bool bGefunden = false;
        for (int i = 0; i < m.iPassend; ++i) bGefunden = bGefunden || m.piPassend[i] == iEntwurf;
        Pruefen(bGefunden || m.iStufen == 1);
    }
    return 0;
}
