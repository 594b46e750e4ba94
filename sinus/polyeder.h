// A convex polytope of three unknowns, cut by half-spaces one at a time:
// the exact feasibility of a few thousand linear bounds in three
// variables, for the model of a file whose sine starts at a free phase.
#ifndef POLYEDER_H
#define POLYEDER_H

#include <cstddef>
#include <vector>

/** A corner (x, y, z). */
struct Punkt3 {
    double x, y, z;
};

/**
 * The polytope as its faces, each a convex polygon of corners (in either
 * turn); the other vectors are room the cuts reuse.
 */
struct Polyeder {
    std::vector<std::vector<Punkt3>> flaechen, neu;
    std::vector<Punkt3> deckel;
    long long iEcken = 0; /**< corners looked at by all cuts so far: the work they did */
};

/** Sets @p p to the box -r to r on every axis. */
void Polyeder_Wuerfel(Polyeder &p, double r);

/**
 * Keeps the part of @p p where nx x + ny y + nz z <= h. Returns 1 while
 * something is left, 0 once the polytope is empty (then left empty).
 */
int Polyeder_Schneiden(Polyeder &p, double nx, double ny, double nz, double h);

/**
 * The least and greatest of nx x + ny y + nz z over the corners of @p p
 * (not empty) in @p pdMin and @p pdMax.
 */
void Polyeder_Bereich(const Polyeder &p, double nx, double ny, double nz, double *pdMin, double *pdMax);

/** The mean of the corners of @p p (each counted once per face); {0, 0, 0} when empty. */
Punkt3 Polyeder_Mitte(const Polyeder &p);

#endif
