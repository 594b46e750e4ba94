/* The yardstick of the process benchmark: a small C program that writes a
   file of a given size in lines, as plainly as a C program can. */
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char *argv[])
{
    if (argc != 3)
        return 2;
    FILE *f = fopen(argv[1], "w");
    if (!f)
        return 1;
    long rest = atol(argv[2]);
    while (rest > 0) {
        int n = rest > 24 ? 24 : (int)rest;
        fprintf(f, "%.*s\n", n - 1, "0.01000\t65.45\t10ms\t1...");
        rest -= n;
    }
    return fclose(f) == 0 ? 0 : 1;
}
