#pragma once
// An independent solution for the tests: the beam as Hermite beam elements
// between nodes at every support, at the load and at the target, solved as one
// stiffness system by Gaussian elimination in long double. Cubic elements are
// exact for point loads at nodes, so this gives the same values by another way.

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace kvor::testing {

struct ReferenceResult {
    long double moment = 0;      // M at the target, sagging positive (from the element right of it)
    long double shear = 0;       // V = dM/dx at the target (element right of it)
    long double deflection = 0;  // w, downwards
    long double rotation = 0;    // dw/dx
    std::vector<long double> reactions;  // upwards, one per support
};

inline ReferenceResult stiffnessSolve(const std::vector<long double>& spans, long double load, long double target, long double ei)
{
    std::vector<long double> supports{0};
    for (long double l : spans)
        supports.push_back(supports.back() + l);
    std::vector<long double> nodes = supports;
    nodes.push_back(load);
    nodes.push_back(target);
    std::sort(nodes.begin(), nodes.end());
    nodes.erase(std::unique(nodes.begin(), nodes.end()), nodes.end());
    const int count = static_cast<int>(nodes.size());
    const int dofs = 2 * count;  // (w, θ) per node
    std::vector<std::vector<long double>> k(dofs, std::vector<long double>(dofs, 0));
    for (int e = 0; e + 1 < count; ++e) {
        const long double l = nodes[e + 1] - nodes[e];
        const long double c = ei / (l * l * l);
        const long double ke[4][4] = {{12 * c, 6 * l * c, -12 * c, 6 * l * c},
                                      {6 * l * c, 4 * l * l * c, -6 * l * c, 2 * l * l * c},
                                      {-12 * c, -6 * l * c, 12 * c, -6 * l * c},
                                      {6 * l * c, 2 * l * l * c, -6 * l * c, 4 * l * l * c}};
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                k[2 * e + i][2 * e + j] += ke[i][j];
    }
    auto nodeOf = [&](long double x) { return static_cast<int>(std::find(nodes.begin(), nodes.end(), x) - nodes.begin()); };
    std::vector<long double> f(dofs, 0);
    f[2 * nodeOf(load)] = 1;  // downwards
    std::vector<bool> fixed(dofs, false);
    for (long double s : supports)
        fixed[2 * nodeOf(s)] = true;

    // Reduced system over the free degrees of freedom.
    std::vector<int> free;
    for (int i = 0; i < dofs; ++i)
        if (!fixed[i])
            free.push_back(i);
    const int m = static_cast<int>(free.size());
    std::vector<std::vector<long double>> a(m, std::vector<long double>(m + 1));
    for (int i = 0; i < m; ++i) {
        for (int j = 0; j < m; ++j)
            a[i][j] = k[free[i]][free[j]];
        a[i][m] = f[free[i]];
    }
    for (int col = 0; col < m; ++col) {
        int pivot = col;
        for (int r = col + 1; r < m; ++r)
            if (std::fabs(a[r][col]) > std::fabs(a[pivot][col]))
                pivot = r;
        std::swap(a[col], a[pivot]);
        for (int r = 0; r < m; ++r) {
            if (r == col)
                continue;
            const long double factor = a[r][col] / a[col][col];
            for (int j = col; j <= m; ++j)
                a[r][j] -= factor * a[col][j];
        }
    }
    std::vector<long double> d(dofs, 0);
    for (int i = 0; i < m; ++i)
        d[free[i]] = a[i][m] / a[i][i];

    ReferenceResult out;
    for (long double s : supports) {
        const int row = 2 * nodeOf(s);
        long double kd = 0;
        for (int j = 0; j < dofs; ++j)
            kd += k[row][j] * d[j];
        out.reactions.push_back(f[row] - kd);
    }
    const int t = nodeOf(target);
    out.deflection = d[2 * t];
    out.rotation = d[2 * t + 1];
    // Curvature and its slope at the start of the element right of the target
    // (left of it at the beam's end), from the Hermite shape functions.
    const int e = t + 1 < count ? t : t - 1;
    const long double l = nodes[e + 1] - nodes[e];
    const long double v1 = d[2 * e], th1 = d[2 * e + 1], v2 = d[2 * e + 2], th2 = d[2 * e + 3];
    const long double xi = t == e ? 0 : 1;
    const long double w2 = (v1 * (-6 + 12 * xi) + v2 * (6 - 12 * xi)) / (l * l) + (th1 * (-4 + 6 * xi) + th2 * (-2 + 6 * xi)) / l;
    const long double w3 = (12 * v1 - 12 * v2) / (l * l * l) + (6 * th1 + 6 * th2) / (l * l);
    out.moment = -ei * w2;
    out.shear = -ei * w3;
    return out;
}

}  // namespace kvor::testing
