#include "numeric/UnitInterpolacio.h"

#include <algorithm>
#include <cmath>

#include "engine/UnitCalcular.h"

namespace tracima {

namespace {

using Ext = long double;

bool TaulaInterpolable(const FuncioNumerica& f) {
    const int n = f.NombrePunts;
    if (n < 2 || n > MaxPuntsTaula) return false;
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (!std::isfinite(f.ValorsX[k]) || !std::isfinite(f.ValorsY[k])) return false;
        if (i > 0 && !(f.ValorsX[k] > f.ValorsX[k - 1])) return false;
    }
    return true;
}

// Every coefficient is worked out in extended precision and rounded to a double
// as it is stored; what follows it reads the stored double, never the unrounded
// value, so a piece depends only on the doubles its predecessors left.

void PrepararLineal(PreparacioInterpolacio& p) {
    for (int k = 1; k < p.NombrePunts; ++k) {
        const auto i = static_cast<std::size_t>(k);
        p.A[i - 1] = 0;
        p.B[i - 1] = 0;
        p.C[i - 1] = static_cast<double>((Ext{p.Y[i]} - p.Y[i - 1]) / (Ext{p.X[i]} - p.X[i - 1]));
        p.D[i - 1] = static_cast<double>(Ext{p.Y[i - 1]} - Ext{p.X[i - 1]} * p.C[i - 1]);
    }
}

// Each cubic passes through P(k-1), P(k), P(k+1) and leaves P(k-1) with the slope
// the previous cubic had there; the first slope is that of the parabola through
// the first three points. Squares and cubes are formed before they multiply
// anything else (3·xa²·xb is (3·xa²)·xb).
void PrepararSuau(PreparacioInterpolacio& p) {
    {
        const Ext x0 = p.X[0], x1 = p.X[1], x2 = p.X[2];
        const Ext s1 = (Ext{p.Y[1]} - p.Y[0]) / (x1 - x0);
        const Ext s2 = (Ext{p.Y[2]} - p.Y[1]) / (x2 - x1);
        p.S[0] = static_cast<double>((s1 - s2) * (x1 - x0) / (x2 - x0) + s1);
    }
    for (int k = 1; k <= p.NombrePunts - 2; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const Ext xa = p.X[i - 1], ya = p.Y[i - 1];
        const Ext xb = p.X[i], yb = p.Y[i];
        const Ext xc = p.X[i + 1], yc = p.Y[i + 1];
        const Ext sa = p.S[i - 1];
        const Ext xa2 = xa * xa, xa3 = xa2 * xa;
        const Ext u = (xc - xa) * (xc - xa);
        const Ext q = yc - ya - (xc - xa) * sa;
        const Ext wb = xb * xb * xb - 3 * xa2 * xb + 2 * xa3;
        const Ext wc = xc * xc * xc - 3 * xa2 * xc + 2 * xa3;
        const Ext hb2 = (xb - xa) * (xb - xa);
        double& a = p.A[i - 1];
        double& b = p.B[i - 1];
        double& c = p.C[i - 1];
        a = static_cast<double>(((yb - ya - (xb - xa) * sa) * u - hb2 * q) / (wb * u - hb2 * wc));
        b = static_cast<double>((q - wc * a) / u);
        c = static_cast<double>(sa - 3 * xa2 * a - 2 * xa * b);
        p.D[i - 1] = static_cast<double>(ya - sa * xa + 2 * xa3 * a + xa2 * b);
        p.S[i] = static_cast<double>(3 * Ext{a} * (xb * xb) + 2 * Ext{b} * xb + c);
    }
}

} // namespace

int PrepararInterpolacio(const FuncioNumerica& f, PreparacioInterpolacio& p) {
    p.NombrePunts = 0;
    if (!TaulaInterpolable(f)) return SenseValor;
    const int n = f.NombrePunts;
    std::copy_n(f.ValorsX.begin(), n, p.X.begin());
    std::copy_n(f.ValorsY.begin(), n, p.Y.begin());
    p.NombrePunts = n;
    p.Lineal = f.InterpolacioLineal || n == 2;
    if (p.Lineal)
        PrepararLineal(p);
    else
        PrepararSuau(p);
    return 0;
}

int AvaluarInterpolacio(const FuncioNumerica& f, const PreparacioInterpolacio& p, double x,
                        double& y) {
    y = 0;
    const int n = p.NombrePunts;
    if (n < 2 || n > MaxPuntsTaula || n != f.NombrePunts || std::isnan(x)) return SenseValor;
    const auto ultim = static_cast<std::size_t>(n - 1);
    if ((x < p.X[0] || x > p.X[ultim]) && !f.Extrapolar) return SenseValor;

    // Piece k is the first of 1..m whose right end x_k lies beyond x, else m.
    const int m = p.Lineal ? n - 1 : n - 2;
    int k = 1;
    if (m >= 1) {
        const auto fi = p.X.begin() + 1 + m;
        k = static_cast<int>(std::upper_bound(p.X.begin() + 1, fi, x) - p.X.begin());
        if (k > m) k = m;
    }
    const auto i = static_cast<std::size_t>(k - 1);
    const double x2 = x * x;
    const double x3 = x2 * x;
    // A term whose coefficient is 0 adds nothing (a linear piece far out would
    // otherwise give 0 · infinity).
    Ext v = 0;
    if (p.A[i] != 0) v += Ext{p.A[i]} * x3;
    if (p.B[i] != 0) v += Ext{p.B[i]} * x2;
    if (p.C[i] != 0) v += Ext{p.C[i]} * x;
    v += p.D[i];
    const double r = static_cast<double>(v);
    if (!std::isfinite(r)) return SenseValor;
    y = r;
    return 0;
}

} // namespace tracima
