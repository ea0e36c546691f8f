// Interpolation through the points of a numeric function: piecewise linear, or a
// smooth chain of cubics each through three consecutive points that continues the
// slope of the previous one. The pieces are kept in expanded power form
// A·x³ + B·x² + C·x + D, at most 399 of them.
#pragma once

#include <array>

#include "numeric/FuncioNumerica.h"

namespace tracima {

constexpr int MaxPecesInterpolacio = MaxPuntsTaula - 1; // 399

// The prepared pieces of one function. Each caller keeps its own, so preparing
// one function never disturbs the evaluation of another.
struct PreparacioInterpolacio {
    int NombrePunts = 0;                   // n of the prepared table; 0 = nothing usable prepared
    bool Lineal = false;                   // built by the linear method (the option, or n = 2)
    std::array<double, MaxPuntsTaula> X{}; // copy of the points P0..P(n-1)
    std::array<double, MaxPuntsTaula> Y{};
    // Piece k (1..n-1) at index k-1.
    std::array<double, MaxPecesInterpolacio> A{}, B{}, C{}, D{};
    // Smooth method: the slope S_k at the start of piece k, at index k-1.
    std::array<double, MaxPecesInterpolacio> S{};
};

// Prepares the pieces of `f` into `p` (computed in extended precision, stored as
// doubles). Returns 0, or SenseValor (101) when the table cannot be interpolated:
// NombrePunts outside 2..400, a value that is not finite, or x not strictly
// increasing; then p.NombrePunts is 0 and every evaluation gives 101.
int PrepararInterpolacio(const FuncioNumerica& f, PreparacioInterpolacio& p);

// Value at x of the function prepared in `p` from `f` (f gives the Extrapolar
// option). Returns 0 with y set, or SenseValor (101) with y = 0: x outside
// [x0, x(n-1)] without extrapolation, nothing prepared, a table that is not the
// prepared one (another point count), x not a number, or a value that is not
// finite. Allocates nothing.
int AvaluarInterpolacio(const FuncioNumerica& f, const PreparacioInterpolacio& p, double x,
                        double& y);

} // namespace tracima
