#include "wlr7sinus_main.h"

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    // Answered before any window: the program's name and version.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("wlr7sinus %s\n", WLR7_VERSION);
        return 0;
    }
    return WLR7_Main(argc, argv);
}
