#include "wlr7sinus_main.h"

int main(int argc, char *argv[])
{
    return WLR7_Main(argc, argv);
}
