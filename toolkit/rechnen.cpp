// The processor's vector state before a long computation. Desktop libraries
// may leave the upper halves of the AVX registers in use; every plain SSE
// instruction after that pays for it (a commit of the largest curve took
// five times as long inside the window as without it). VZEROUPPER clears
// them; it exists only where the processor has AVX.
#include "toolkit_kern.h"

void TK_RechnenVorbereiten(void)
{
#if defined(__x86_64__) || defined(__i386__)
    static const bool bAvx = __builtin_cpu_supports("avx");
    if (bAvx)
        __asm__ __volatile__("vzeroupper" ::: "memory");
#endif
}
