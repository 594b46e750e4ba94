// libFuzzer target: drives the five error-library calls with arbitrary
// codes, languages and texts. Popups are answered by a handler, which
// reads every byte, so that the sanitizers see an overrun.
#include "ZEM_errorV3.h"
#include "toolkit_kern.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    TK_MeldungenAbfangen([](const char *titel, const char *text) {
        volatile size_t n = std::strlen(titel) + std::strlen(text);
        (void)n;
    });
    size_t pos = 0;
    auto zahl = [&] {
        int32_t v = 0;
        const size_t n = std::min(groesse - pos, sizeof v);
        std::memcpy(&v, daten + pos, n);
        return pos += n, v;
    };
    auto text = [&] {
        size_t n = pos < groesse ? daten[pos++] * 3u : 0u;
        n = std::min(n, groesse - pos);
        return pos += n, std::string(reinterpret_cast<const char *>(daten + pos - n), n);
    };
    while (pos < groesse) {
        switch (daten[pos++] % 5) {
        case 0: ZEM_Fehlersprache(zahl()); break;
        case 1: ZEM_Fehleruserstring(text().c_str()); break;
        case 2:
            if (std::strlen(ZEM_Fehlermeldung(zahl())) >= ZEM_MELDUNG_GROESSE) __builtin_trap();
            break;
        case 3: ZEM_Fehlerpopup(zahl()); break;
        default: {
            const int code = zahl();
            ZEM_Fehlerpopup2(code, text().c_str());
        }
        }
    }
    return 0;
}
