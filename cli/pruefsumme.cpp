// SHA-256 as FIPS 180-4 gives it: 64-byte blocks, eight 32-bit words of
// state, the message padded with a one bit, zeros and its length in bits.
#include "pruefsumme.h"

#include <cstring>

namespace {

const std::size_t BLOCK = 64;
const std::size_t LAENGE_STELLE = 56;  // where the bit length goes in the last block
const int RUNDEN = 64;

const uint32_t K[RUNDEN] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

const uint32_t ANFANG[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                            0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};

uint32_t Rechts(uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

void Block(uint32_t *h, const unsigned char *b)
{
    uint32_t w[RUNDEN];
    for (int t = 0; t < 16; ++t)
        w[t] = uint32_t(b[4 * t]) << 24 | uint32_t(b[4 * t + 1]) << 16 | uint32_t(b[4 * t + 2]) << 8 | b[4 * t + 3];
    for (int t = 16; t < RUNDEN; ++t) {
        const uint32_t s0 = Rechts(w[t - 15], 7) ^ Rechts(w[t - 15], 18) ^ (w[t - 15] >> 3);
        const uint32_t s1 = Rechts(w[t - 2], 17) ^ Rechts(w[t - 2], 19) ^ (w[t - 2] >> 10);
        w[t] = w[t - 16] + s0 + w[t - 7] + s1;
    }
    uint32_t a = h[0], bb = h[1], c = h[2], d = h[3], e = h[4], f = h[5], g = h[6], hh = h[7];
    for (int t = 0; t < RUNDEN; ++t) {
        const uint32_t t1 = hh + (Rechts(e, 6) ^ Rechts(e, 11) ^ Rechts(e, 25)) + ((e & f) ^ (~e & g)) + K[t] + w[t];
        const uint32_t t2 = (Rechts(a, 2) ^ Rechts(a, 13) ^ Rechts(a, 22)) + ((a & bb) ^ (a & c) ^ (bb & c));
        hh = g;
        g = f;
        f = e;
        e = d + t1;
        d = c;
        c = bb;
        bb = a;
        a = t1 + t2;
    }
    h[0] += a;
    h[1] += bb;
    h[2] += c;
    h[3] += d;
    h[4] += e;
    h[5] += f;
    h[6] += g;
    h[7] += hh;
}

}  // namespace

void Pruefsumme_Beginnen(Pruefsumme *p)
{
    std::memcpy(p->piZustand, ANFANG, sizeof ANFANG);
    p->iBytes = 0;
}

void Pruefsumme_Weiter(Pruefsumme *p, const void *pDaten, std::size_t iAnzahl)
{
    const unsigned char *q = static_cast<const unsigned char *>(pDaten);
    while (iAnzahl > 0) {
        const std::size_t iBelegt = p->iBytes % BLOCK;
        const std::size_t n = iAnzahl < BLOCK - iBelegt ? iAnzahl : BLOCK - iBelegt;
        if (n == BLOCK) {
            Block(p->piZustand, q);  // a whole block straight from the caller's bytes
        } else {
            std::memcpy(p->pBlock + iBelegt, q, n);
            if (iBelegt + n == BLOCK)
                Block(p->piZustand, p->pBlock);
        }
        p->iBytes += n;
        q += n;
        iAnzahl -= n;
    }
}

void Pruefsumme_Ende(Pruefsumme *p, char szHex[PRUEFSUMME_HEX_GROESSE])
{
    const uint64_t iBits = p->iBytes * 8;
    const unsigned char eins = 0x80, null[BLOCK] = {};
    Pruefsumme_Weiter(p, &eins, 1);
    const std::size_t iBelegt = p->iBytes % BLOCK;
    Pruefsumme_Weiter(p, null, (iBelegt <= LAENGE_STELLE ? LAENGE_STELLE : BLOCK + LAENGE_STELLE) - iBelegt);
    unsigned char laenge[8];
    for (int i = 0; i < 8; ++i)
        laenge[i] = static_cast<unsigned char>(iBits >> (56 - 8 * i));
    Pruefsumme_Weiter(p, laenge, sizeof laenge);
    const char *const ZIFFERN = "0123456789abcdef";
    for (int i = 0; i < 32; ++i) {
        const unsigned v = (p->piZustand[i / 4] >> (24 - 8 * (i % 4))) & 0xff;
        szHex[2 * i] = ZIFFERN[v >> 4];
        szHex[2 * i + 1] = ZIFFERN[v & 0xf];
    }
    szHex[64] = '\0';
}

void Pruefsumme_Sha256(const void *pDaten, std::size_t iAnzahl, char szHex[PRUEFSUMME_HEX_GROESSE])
{
    Pruefsumme p;
    Pruefsumme_Beginnen(&p);
    Pruefsumme_Weiter(&p, pDaten, iAnzahl);
    Pruefsumme_Ende(&p, szHex);
}
