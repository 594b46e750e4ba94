// Which item of a ring typed text means, without any GUI library.
#include "toolkit_kern.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

bool gleich(const char *a, const char *b, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// How well @p label answers to @p text (length @p n): 0 is the label
// itself, 1 one of its words, 2 a label that begins with it, 3 a word that
// begins with it, 4 nothing.
int guete(const char *label, const char *text, std::size_t n)
{
    const std::size_t laenge = std::strlen(label);
    int beste = 4;
    for (std::size_t anfang = 0; anfang < laenge; ++anfang) {
        if (anfang > 0 && label[anfang - 1] != ' ')
            continue;  // words start after a blank
        std::size_t ende = anfang;
        while (ende < laenge && label[ende] != ' ')
            ++ende;
        const bool ganz = anfang == 0;
        if (ganz && laenge == n && gleich(label, text, n))
            return 0;
        if (ende - anfang == n && gleich(label + anfang, text, n))
            beste = std::min(beste, 1);
        else if (laenge - anfang >= n && gleich(label + anfang, text, n))
            beste = std::min(beste, ganz ? 2 : 3);
    }
    return beste;
}

}  // namespace

int TK_RingTreffer(const char *const *labels, int count, const char *text)
{
    const std::size_t n = text ? std::strlen(text) : 0;
    if (!labels || count <= 0 || n == 0)
        return -1;
    int treffer = -1, besteGuete = 4;
    std::size_t besteLaenge = 0;
    for (int i = 0; i < count; ++i) {
        if (!labels[i])
            continue;
        const int g = guete(labels[i], text, n);
        const std::size_t laenge = std::strlen(labels[i]);
        // The better kind of match, then the shorter label, then the first.
        if (g < besteGuete || (g == besteGuete && g < 4 && laenge < besteLaenge)) {
            treffer = i;
            besteGuete = g;
            besteLaenge = laenge;
        }
    }
    return treffer;
}
