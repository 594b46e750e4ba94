// Bounded copies into fixed text areas, never splitting a UTF-8 character.
#include "toolkit_kern.h"

#include <cstring>

std::size_t TK_TextKopieren(char *dst, std::size_t size, const char *src)
{
    if (!dst || size == 0)
        return 0;
    dst[0] = '\0';
    return TK_TextAnhaengen(dst, size, src);
}

std::size_t TK_TextAnhaengen(char *dst, std::size_t size, const char *src)
{
    if (!dst || size == 0)
        return 0;
    std::size_t da = strnlen(dst, size - 1);
    if (!src)
        return 0;
    std::size_t n = std::strlen(src);
    if (n > size - 1 - da) {
        n = size - 1 - da;
        // Step back over continuation bytes to the start of the cut character.
        while (n > 0 && (static_cast<unsigned char>(src[n]) & 0xC0) == 0x80)
            --n;
    }
    std::memcpy(dst + da, src, n);
    dst[da + n] = '\0';
    return n;
}

void TK_TextEineZeile(char *sz)
{
    char *z = sz;
    for (const char *p = sz; *p; ++p) {
        if (*p != '\n')
            *z++ = *p;
        else if (z > sz && z[-1] != ' ' && p[1] && p[1] != '\n')
            *z++ = ' ';
    }
    *z = '\0';
}
