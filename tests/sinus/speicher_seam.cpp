// Linked with --wrap=realloc: lets a test make the sample array's resize fail.
#include <cstddef>

bool gReallocVersagt = false;

extern "C" void *__real_realloc(void *p, std::size_t n);

extern "C" void *__wrap_realloc(void *p, std::size_t n)
{
    return gReallocVersagt ? nullptr : __real_realloc(p, n);
}
