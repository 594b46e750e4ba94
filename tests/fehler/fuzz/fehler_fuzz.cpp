// libFuzzer target: drives the five error-library calls with arbitrary
// codes, languages and texts. Popups are answered by the test seam.
#include "ZEM_errorV3.h"
#include "seam.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {
void Schlucken(const char *titel, const char *text)
{
    // Touch every byte, so that the sanitizers see an overrun.
    volatile size_t n = std::strlen(titel) + std::strlen(text);
    (void)n;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    TK_MeldungenAbfangen(Schlucken);
    size_t pos = 0;
    auto zahl = [&]() {
        int32_t v = 0;
        size_t n = groesse - pos < sizeof v ? groesse - pos : sizeof v;
        std::memcpy(&v, daten + pos, n);
        pos += n;
        return v;
    };
    auto text = [&]() {
        size_t n = pos < groesse ? daten[pos++] * 3u : 0u;
        if (n > groesse - pos)
            n = groesse - pos;
        std::string s(reinterpret_cast<const char *>(daten + pos), n);
        pos += n;
        return s;
    };
    while (pos < groesse) {
        switch (daten[pos++] % 5) {
        case 0: ZEM_Fehlersprache(zahl()); break;
        case 1: ZEM_Fehleruserstring(text().c_str()); break;
        case 2: {
            const char *m = ZEM_Fehlermeldung(zahl());
            if (std::strlen(m) >= ZEM_MELDUNG_GROESSE)
                __builtin_trap();
            break;
        }
        case 3: ZEM_Fehlerpopup(zahl()); break;
        default: {
            int code = zahl();
            ZEM_Fehlerpopup2(code, text().c_str());
            break;
        }
        }
    }
    return 0;
}
