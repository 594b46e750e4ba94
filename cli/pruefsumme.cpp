// The manifest's SHA-256, from nettle; only the hex form is ours.
#include "pruefsumme.h"

#include <nettle/sha2.h>

void Pruefsumme_Sha256(const void *pDaten, std::size_t iAnzahl, char szHex[PRUEFSUMME_HEX_GROESSE])
{
    static const char ZIFFERN[] = "0123456789abcdef";
    sha256_ctx ctx;
    uint8_t summe[SHA256_DIGEST_SIZE];
    sha256_init(&ctx);
    sha256_update(&ctx, iAnzahl, static_cast<const uint8_t *>(pDaten));
    sha256_digest(&ctx, sizeof summe, summe);
    for (std::size_t i = 0; i < sizeof summe; ++i) {
        szHex[2 * i] = ZIFFERN[summe[i] >> 4];
        szHex[2 * i + 1] = ZIFFERN[summe[i] & 0xf];
    }
    szHex[2 * SHA256_DIGEST_SIZE] = '\0';
}
