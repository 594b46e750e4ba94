// The peak resident memory of one run of a program, measured by the small
// helper wlr7_spitze, for the process benchmarks.
#ifndef BENCH_SPITZE_H
#define BENCH_SPITZE_H

#include <cstdio>
#include <string>
#include <vector>

/// Peak resident memory in kB of the program @p argumente[0] run with the
/// rest as its arguments; -1 when it could not be measured.
inline double Spitze(const std::vector<std::string> &argumente)
{
    std::string befehl = "'" WLR7_SPITZE "'";
    for (const std::string &a : argumente)
        befehl += " '" + a + "'";
    FILE *p = popen(befehl.c_str(), "r");
    long kb = -1;
    if (p && std::fscanf(p, "%ld", &kb) != 1)
        kb = -1;
    if (p)
        pclose(p);
    return static_cast<double>(kb);
}

#endif
