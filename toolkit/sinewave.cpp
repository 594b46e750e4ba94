// The sine generator. The phase is carried in cycles (0 <= phase < 1); each
// angle is reduced to a quarter period first, so that zero crossings, crests
// and troughs on whole fractions of a period come out exact.
#include "toolkit_kern.h"

#include <cmath>

namespace {

double sinusZyklen(double zyklen)
{
    double r = zyklen - std::floor(zyklen);  // 0 <= r < 1
    double viertel = r * 4.0;                // exact: a power of two
    int quadrant = static_cast<int>(viertel);
    double winkel = (viertel - quadrant) * (M_PI / 2.0);
    switch (quadrant & 3) {
    case 0: return std::sin(winkel);
    case 1: return std::cos(winkel);
    case 2: return -std::sin(winkel);
    default: return -std::cos(winkel);
    }
}

}  // namespace

int SineWave(int n, double amplitude, double frequency, double *phase, double out[])
{
    if (n < 0 || !phase || (n > 0 && !out))
        return TK_FEHLER_ARGUMENT;
    const double start = *phase;
    for (int k = 0; k < n; ++k)
        out[k] = amplitude * sinusZyklen(start + frequency * k);
    double ende = start + frequency * n;
    *phase = ende - std::floor(ende);
    return 0;
}
