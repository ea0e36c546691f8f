// Regression: the statistics of a table on the transformed variables of each
// model, the straight-line fit, the quadratic fit by Cramer's rule, the fitted
// formula texts and the acceptance checks of the five models.
#pragma once

#include <string>

#include "engine/UnitCalcular.h"
#include "numeric/FuncioNumerica.h"
#include "numeric/GraellaValors.h"

namespace tracima {

// The five models, by their TipusRegressio.
enum ModelRegressio : int {
    ModelLineal = 1,      // y = ax + b
    ModelQuadratic = 2,   // y = ax^2 + bx + c
    ModelExponencial = 3, // y = a·b^x
    ModelPotencial = 4,   // y = a·x^b
    ModelInvers = 5,      // y = ax/(b+x)
};

constexpr double LimitRang = 1e8;
constexpr double LimitQuadratica = 1e5; // also the exponential model's
constexpr double ValorPetit = 1e-19;
constexpr double LimitExponent = 88;
// An intercept b' this small beside the terms MitjanaY and a'·MitjanaX it is the
// difference of is rounding noise: the exact b' is 0.
constexpr double OrdenadaRelativaNul = 1e-10;

// Statistics of points 1..n of `taula` for model 1 (u = x, v = y), 3 (x, ln y),
// 4 (ln x, ln y) or 5 (1/x, 1/y), stored in `f`: the extremes of x and y, means,
// population deviations and covariance of u and v, CoeficientCorrelacio (1 when a
// deviation is below 1e-19). False when an extreme exceeds 1e8 (1e5 for model 3),
// a point breaks the model's condition (y > 0; x, y > 0; |x|, |y| > 1e-19), the
// u values are all equal or their deviation is below 1e-19, or n < 1.
bool CalcularEstadistiques(const TaulaTreball& taula, int model, FuncioNumerica& f);

// The model-1 statistics of points 1..n (extremes, means, deviations, covariance
// and R of x and y) whatever the size of the values. False (nothing set) when n < 1.
bool CalcularDescriptives(const TaulaTreball& taula, FuncioNumerica& f);

// The straight line v = a'·u + b' of the statistics in `f`: CoeficientA = a',
// CoeficientB = b', CoeficientC = 0. False (nothing changed) when DesviacioX is 0
// or a coefficient is not finite.
bool AjustarRecta(FuncioNumerica& f);

// True when the intercept b' (CoeficientB) of the straight-line fit in `f` is 0
// for the inverse model: |b'| <= 1e-19, or b' is rounding noise (see above). Points
// on a line y = kx through the origin give such a b'; y = ax/(b+x) cannot fit them.
bool OrdenadaNul(const FuncioNumerica& f);

// The determinant of the system's matrix with the rows divided by Sx4, Sx3 and Sx2
// where these exceed 1 (the same divisors for all four determinants of the fit).
double Determinant3x3(const double m[3][3], double sx4, double sx3, double sx2);

// Quadratic least-squares fit of `taula` into `f`: model-1 statistics, CoeficientA,
// B, C, EquacioRegressio and the quadratic R. False when model-1 statistics fail,
// every y is equal, an extreme reaches 1e5, the system is singular, the residue
// exceeds the variance, or the fitted formula does not compile.
bool RegressioQuadratica(const TaulaTreball& taula, FuncioNumerica& f);

// Fitted formula texts (numbers in fixed notation, signs as the numbers are written):
// "2x + 3", "2x -3", "1x^2 + 0x ", "2 * (3)^x", "2 * x^(3)", "1 * x/(1+x)".
std::string EquacioLineal(double a, double b);
std::string EquacioQuadratica(double a, double b, double c);
std::string EquacioExponencial(double a, double b); // e^b' · (e^a')^x from ln y = a'x + b'
std::string EquacioPotencial(double a, double b);   // e^b' · x^(a') from ln y = a' ln x + b'
std::string EquacioInversa(double a, double b);     // (1/b')·x/(a'/b' + x) from 1/y = a'/x + b'

// Fits `model` (1..5) to points 1..n of `taula` into `f` (statistics, coefficients,
// R; the quadratic also its EquacioRegressio), with the conditions both the
// regression dialog and the coefficients window put on a fit: the statistics of the
// model, a straight line, the exponents of the exponential (a', b') and the
// potential (b') within +-88, an inverse intercept that is not 0. No per-point check
// and, but for the quadratic, no compiling of the formula. False when it cannot fit.
bool AjustarModel(const TaulaTreball& taula, int model, FuncioNumerica& f);

// The fitted formula of `model` from the coefficients in `f` (EquacioLineal, ...;
// the quadratic's is f.EquacioRegressio); empty for a model outside 1..5.
std::string EquacioModel(int model, const FuncioNumerica& f);

// Fits `model` (1..5) to the table as the regression dialog's acceptance does, after
// the per-point checks of that model, into `f` (statistics, coefficients, R,
// EquacioRegressio, TipusRegressio). Returns the refusal: the per-point checks name
// the offending cell; a failed fit gives the model's message with the cursor at
// `cursor` (linear, quadratic) or on row 1 (column 2 exponential, column 1
// potential and inverse). On a refusal `f` may hold partial statistics.
Refus AjustarRegressio(const TaulaTreball& taula, int model, Cella cursor, FuncioNumerica& f);

} // namespace tracima
