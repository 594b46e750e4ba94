// Cutting a convex polytope by a plane: each face is clipped as a polygon,
// and the points where its edges cross the plane close the cut as a new
// face, ordered by their angle about their mean. An edge shared by two
// faces is crossed from the same end in both, so that both give the same
// point.
#include "polyeder.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

double Wert(const Punkt3 &q, double nx, double ny, double nz)
{
    return nx * q.x + ny * q.y + nz * q.z;
}

bool Vor(const Punkt3 &a, const Punkt3 &b)
{
    return a.x != b.x ? a.x < b.x : a.y != b.y ? a.y < b.y : a.z < b.z;
}

// Corners closer than the arithmetic's noise count as one: cuts through a
// corner would otherwise leave slivers that multiply cut by cut.
const double NAHE = 1e-12;

bool Nahe(double a, double b)
{
    return std::fabs(a - b) <= NAHE * (1.0 + std::fabs(a) + std::fabs(b));
}

bool Gleich(const Punkt3 &a, const Punkt3 &b)
{
    return Nahe(a.x, b.x) && Nahe(a.y, b.y) && Nahe(a.z, b.z);
}

// Drops corners of a face that repeat the one before them (round the end too).
void Verdichten(std::vector<Punkt3> &f)
{
    size_t n = 0;
    for (size_t i = 0; i < f.size(); ++i)
        if (n == 0 || !Gleich(f[i], f[n - 1]))
            f[n++] = f[i];
    while (n > 1 && Gleich(f[n - 1], f[0]))
        --n;
    f.resize(n);
}

// Where the edge from a (distance da past the plane) to b crosses it, from
// the lower end of the two, so that both faces of the edge agree.
Punkt3 Kreuzung(const Punkt3 &a, double da, const Punkt3 &b, double db)
{
    if (Vor(b, a))
        return Kreuzung(b, db, a, da);
    const double t = da / (da - db);
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.z + t * (b.z - a.z)};
}

// Orders the points of the new face around their mean; repeated points go.
void Ordnen(std::vector<Punkt3> &d, double nx, double ny, double nz)
{
    std::sort(d.begin(), d.end(), Vor);
    d.erase(std::unique(d.begin(), d.end(), Gleich), d.end());
    if (d.size() < 3)
        return;
    Punkt3 m = {0.0, 0.0, 0.0};
    for (const Punkt3 &q : d)
        m.x += q.x, m.y += q.y, m.z += q.z;
    const double n = static_cast<double>(d.size());
    m = {m.x / n, m.y / n, m.z / n};
    // Two directions in the plane: one across the normal's largest part, and the normal's product with it.
    Punkt3 u = std::fabs(nx) <= std::fabs(ny) && std::fabs(nx) <= std::fabs(nz) ? Punkt3{0.0, nz, -ny}
               : std::fabs(ny) <= std::fabs(nz)                               ? Punkt3{nz, 0.0, -nx}
                                                                              : Punkt3{ny, -nx, 0.0};
    const Punkt3 v = {ny * u.z - nz * u.y, nz * u.x - nx * u.z, nx * u.y - ny * u.x};
    // Each point's angle once, then sorted by it.
    std::vector<std::pair<double, Punkt3>> w(d.size());
    for (size_t i = 0; i < d.size(); ++i) {
        const Punkt3 da = {d[i].x - m.x, d[i].y - m.y, d[i].z - m.z};
        w[i] = {std::atan2(Wert(da, v.x, v.y, v.z), Wert(da, u.x, u.y, u.z)), d[i]};
    }
    std::sort(w.begin(), w.end(), [](const std::pair<double, Punkt3> &a, const std::pair<double, Punkt3> &b) {
        return a.first < b.first;
    });
    for (size_t i = 0; i < d.size(); ++i)
        d[i] = w[i].second;
    Verdichten(d);
}

}  // namespace

void Polyeder_Wuerfel(Polyeder &p, double r)
{
    const Punkt3 e[8] = {{-r, -r, -r}, {r, -r, -r}, {r, r, -r}, {-r, r, -r},
                         {-r, -r, r},  {r, -r, r},  {r, r, r},  {-r, r, r}};
    const int seiten[6][4] = {{0, 1, 2, 3}, {4, 5, 6, 7}, {0, 1, 5, 4}, {3, 2, 6, 7}, {0, 3, 7, 4}, {1, 2, 6, 5}};
    p.flaechen.resize(6);
    for (int i = 0; i < 6; ++i) {
        p.flaechen[static_cast<size_t>(i)].clear();
        for (const int j : seiten[i])
            p.flaechen[static_cast<size_t>(i)].push_back(e[j]);
    }
}

int Polyeder_Schneiden(Polyeder &p, double nx, double ny, double nz, double h)
{
    double dMin = HUGE_VAL, dMax = -HUGE_VAL;
    for (const std::vector<Punkt3> &f : p.flaechen)
        for (const Punkt3 &q : f) {
            ++p.iEcken;
            const double d = Wert(q, nx, ny, nz) - h;
            dMin = std::min(dMin, d);
            dMax = std::max(dMax, d);
        }
    if (p.flaechen.empty() || dMin > 0.0) {
        p.flaechen.clear();
        return 0;
    }
    if (dMax <= 0.0)
        return 1;  // wholly inside
    p.deckel.clear();
    size_t iNeu = 0;
    for (const std::vector<Punkt3> &f : p.flaechen) {
        if (p.neu.size() <= iNeu)
            p.neu.emplace_back();
        std::vector<Punkt3> &g = p.neu[iNeu];
        g.clear();
        const size_t n = f.size();
        for (size_t i = 0; i < n; ++i) {
            const Punkt3 &a = f[i], &b = f[(i + 1) % n];
            const double da = Wert(a, nx, ny, nz) - h, db = Wert(b, nx, ny, nz) - h;
            if (da <= 0.0)
                g.push_back(a);
            if (da == 0.0)
                p.deckel.push_back(a);
            if ((da < 0.0 && db > 0.0) || (da > 0.0 && db < 0.0)) {
                const Punkt3 x = Kreuzung(a, da, b, db);
                g.push_back(x);
                p.deckel.push_back(x);
            }
        }
        Verdichten(g);
        iNeu += g.size() >= 3;
    }
    Ordnen(p.deckel, nx, ny, nz);
    if (p.deckel.size() >= 3) {
        if (p.neu.size() <= iNeu)
            p.neu.emplace_back();
        p.neu[iNeu++] = p.deckel;
    }
    // The faces kept swap places with the room; the room's surplus keeps its memory.
    for (size_t i = 0; i < iNeu; ++i) {
        if (p.flaechen.size() <= i)
            p.flaechen.emplace_back();
        p.flaechen[i].swap(p.neu[i]);
    }
    p.flaechen.resize(iNeu);
    return iNeu > 0;
}

void Polyeder_Bereich(const Polyeder &p, double nx, double ny, double nz, double *pdMin, double *pdMax)
{
    *pdMin = HUGE_VAL;
    *pdMax = -HUGE_VAL;
    for (const std::vector<Punkt3> &f : p.flaechen)
        for (const Punkt3 &q : f) {
            *pdMin = std::min(*pdMin, Wert(q, nx, ny, nz));
            *pdMax = std::max(*pdMax, Wert(q, nx, ny, nz));
        }
}

Punkt3 Polyeder_Mitte(const Polyeder &p)
{
    Punkt3 m = {0.0, 0.0, 0.0};
    double n = 0.0;
    for (const std::vector<Punkt3> &f : p.flaechen)
        for (const Punkt3 &q : f)
            m.x += q.x, m.y += q.y, m.z += q.z, n += 1.0;
    return n > 0.0 ? Punkt3{m.x / n, m.y / n, m.z / n} : m;
}
