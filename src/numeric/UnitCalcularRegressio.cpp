#include "numeric/UnitCalcularRegressio.h"

#include <array>
#include <cmath>

#include "text/Missatges.h"
#include "engine/UnitTools.h"

namespace tracima {

namespace {

using Ext = long double;

bool Transformar(int model, double x, double y, double& u, double& v) {
    switch (model) {
    case ModelLineal:
        u = x;
        v = y;
        return true;
    case ModelExponencial:
        if (!(y > 0)) return false;
        u = x;
        v = std::log(y);
        return true;
    case ModelPotencial:
        if (!(x > 0 && y > 0)) return false;
        u = std::log(x);
        v = std::log(y);
        return true;
    case ModelInvers:
        if (!(std::fabs(x) > ValorPetit && std::fabs(y) > ValorPetit)) return false;
        u = 1 / x;
        v = 1 / y;
        return true;
    default:
        u = v = 0;
        return true;
    }
}

// "+ " before a number whose text does not start with its own minus sign.
std::string AmbSigne(const std::string& text) {
    return text.starts_with('-') ? text : "+ " + text;
}

bool Compila(const std::string& formula) {
    Calculador calc;
    return calc.CompilarFuncio(formula, Parametres{}) == 0;
}

void Extrems(const TaulaTreball& t, int n, FuncioNumerica& f) {
    f.XMinim = f.XMaxim = t.ValorsX[0];
    f.YMinim = f.YMaxim = t.ValorsY[0];
    for (int k = 1; k < n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        f.XMinim = std::fmin(f.XMinim, t.ValorsX[i]);
        f.XMaxim = std::fmax(f.XMaxim, t.ValorsX[i]);
        f.YMinim = std::fmin(f.YMinim, t.ValorsY[i]);
        f.YMaxim = std::fmax(f.YMaxim, t.ValorsY[i]);
    }
}

// Means, population deviations, covariance and R of n pairs (u, v). The spreads
// are summed about the means: mathematically Σu²/n − mean², but without the
// cancellation that leaves nothing of the spread of 1000000.01, 1000000.02, ...
// (or makes it negative). Values that are all equal have no spread at all, not
// the rounding noise their mean leaves.
void Moments(const double* u, const double* v, int n, FuncioNumerica& f) {
    double su = 0, sv = 0;
    bool igualsU = true, igualsV = true;
    for (int k = 0; k < n; ++k) {
        su += u[k];
        sv += v[k];
        igualsU = igualsU && u[k] == u[0];
        igualsV = igualsV && v[k] == v[0];
    }
    const double dn = n;
    f.MitjanaX = su / dn;
    f.MitjanaY = sv / dn;
    double suu = 0, svv = 0, suv = 0;
    for (int k = 0; k < n; ++k) {
        const double du = u[k] - f.MitjanaX, dv = v[k] - f.MitjanaY;
        suu += du * du;
        svv += dv * dv;
        suv += du * dv;
    }
    f.DesviacioX = igualsU ? 0 : std::sqrt(suu / dn);
    f.DesviacioY = igualsV ? 0 : std::sqrt(svv / dn);
    f.Covariancia = igualsU || igualsV ? 0 : suv / dn;
    if (f.DesviacioX >= ValorPetit && f.DesviacioY >= ValorPetit)
        f.CoeficientCorrelacio = f.Covariancia / f.DesviacioX / f.DesviacioY;
    else
        f.CoeficientCorrelacio = 1;
}

} // namespace

bool CalcularEstadistiques(const TaulaTreball& taula, int model, FuncioNumerica& f) {
    const int n = taula.Punts();
    if (n < 1) return false;
    Extrems(taula, n, f);
    const double limit = model == ModelExponencial ? LimitQuadratica : LimitRang;
    for (double e : {f.XMaxim, f.XMinim, f.YMaxim, f.YMinim})
        if (!(std::fabs(e) <= limit)) return false;
    std::array<double, MaxPuntsTaula> u{}, v{};
    for (int k = 0; k < n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (!Transformar(model, taula.ValorsX[i], taula.ValorsY[i], u[i], v[i])) return false;
    }
    Moments(u.data(), v.data(), n, f);
    return f.DesviacioX >= ValorPetit;
}

bool CalcularDescriptives(const TaulaTreball& taula, FuncioNumerica& f) {
    const int n = taula.Punts();
    if (n < 1) return false;
    Extrems(taula, n, f);
    Moments(taula.ValorsX.data(), taula.ValorsY.data(), n, f);
    return true;
}

bool OrdenadaNul(const FuncioNumerica& f) {
    const double b = f.CoeficientB;
    const double termes = std::fabs(f.MitjanaY) + std::fabs(f.CoeficientA * f.MitjanaX);
    return std::fabs(b) <= ValorPetit || std::fabs(b) <= OrdenadaRelativaNul * termes;
}

bool AjustarRecta(FuncioNumerica& f) {
    if (!(f.DesviacioX > 0)) return false;
    const double a = f.Covariancia / (f.DesviacioX * f.DesviacioX);
    const double b = f.MitjanaY - a * f.MitjanaX;
    if (!std::isfinite(a) || !std::isfinite(b)) return false;
    f.CoeficientA = a;
    f.CoeficientB = b;
    f.CoeficientC = 0;
    return true;
}

double Determinant3x3(const double m[3][3], double sx4, double sx3, double sx2) {
    const double divisors[3] = {sx4, sx3, sx2};
    Ext r[3][3];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r[i][j] = divisors[i] > 1 ? Ext{m[i][j]} / divisors[i] : Ext{m[i][j]};
    const Ext d = r[0][0] * r[1][1] * r[2][2] + r[0][1] * r[1][2] * r[2][0] +
                  r[0][2] * r[1][0] * r[2][1] - r[0][2] * r[1][1] * r[2][0] -
                  r[0][0] * r[1][2] * r[2][1] - r[0][1] * r[1][0] * r[2][2];
    return static_cast<double>(d);
}

bool RegressioQuadratica(const TaulaTreball& taula, FuncioNumerica& f) {
    if (!CalcularEstadistiques(taula, ModelLineal, f)) return false;
    if (!(f.DesviacioY > 0)) return false;
    for (double e : {f.XMaxim, f.XMinim, f.YMaxim, f.YMinim})
        if (!(std::fabs(e) < LimitQuadratica)) return false;

    const int n = taula.Punts();
    double sx = 0, sx2 = 0, sx3 = 0, sx4 = 0, sy = 0, sxy = 0, sx2y = 0;
    for (int k = 0; k < n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const double x = taula.ValorsX[i], y = taula.ValorsY[i];
        const double x2 = x * x, x3 = x2 * x, x4 = x3 * x;
        sx += x;
        sx2 += x2;
        sx3 += x3;
        sx4 += x4;
        sy += y;
        sxy += x * y;
        sx2y += x2 * y;
    }
    const double dn = n;
    const double md[3][3] = {{sx4, sx3, sx2}, {sx3, sx2, sx}, {sx2, sx, dn}};
    const double ma[3][3] = {{sx2y, sx3, sx2}, {sxy, sx2, sx}, {sy, sx, dn}};
    const double mb[3][3] = {{sx4, sx2y, sx2}, {sx3, sxy, sx}, {sx2, sy, dn}};
    const double mc[3][3] = {{sx4, sx3, sx2y}, {sx3, sx2, sxy}, {sx2, sx, sy}};
    const double d = Determinant3x3(md, sx4, sx3, sx2);
    if (d == 0 || !std::isfinite(d)) return false;
    const double a = Determinant3x3(ma, sx4, sx3, sx2) / d;
    const double b = Determinant3x3(mb, sx4, sx3, sx2) / d;
    const double c = Determinant3x3(mc, sx4, sx3, sx2) / d;
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c)) return false;

    double sse = 0;
    for (int k = 0; k < n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const double x = taula.ValorsX[i];
        const double e = taula.ValorsY[i] - (a * x * x + b * x + c);
        sse += e * e;
    }
    const double q = sse / dn / (f.DesviacioY * f.DesviacioY);
    if (!(q <= 1)) return false;
    const std::string equacio = EquacioQuadratica(a, b, c);
    if (!Compila(equacio)) return false;
    f.CoeficientA = a;
    f.CoeficientB = b;
    f.CoeficientC = c;
    f.CoeficientCorrelacio = std::sqrt(1 - q);
    f.EquacioRegressio = equacio;
    return true;
}

std::string EquacioLineal(double a, double b) {
    return NumeroATextFormula(a) + "x " + AmbSigne(NumeroATextFormula(b));
}

std::string EquacioQuadratica(double a, double b, double c) {
    std::string text = NumeroATextFormula(a) + "x^2 " + AmbSigne(NumeroATextFormula(b)) + "x ";
    const std::string tc = NumeroATextFormula(c);
    if (tc != "0") text += AmbSigne(tc);
    return text;
}

std::string EquacioExponencial(double a, double b) {
    return NumeroATextFormula(std::exp(b)) + " * (" + NumeroATextFormula(std::exp(a)) + ")^x";
}

std::string EquacioPotencial(double a, double b) {
    return NumeroATextFormula(std::exp(b)) + " * x^(" + NumeroATextFormula(a) + ")";
}

std::string EquacioInversa(double a, double b) {
    return NumeroATextFormula(1 / b) + " * x/(" + NumeroATextFormula(a / b) + "+x)";
}

bool AjustarModel(const TaulaTreball& taula, int model, FuncioNumerica& f) {
    const auto dins = [](double a) { return a > -LimitExponent && a < LimitExponent; };
    if (model == ModelQuadratic) return RegressioQuadratica(taula, f);
    if (model < ModelLineal || model > ModelInvers) return false;
    if (!CalcularEstadistiques(taula, model, f) || !AjustarRecta(f)) return false;
    switch (model) {
    case ModelExponencial:
        return dins(f.CoeficientA) && dins(f.CoeficientB);
    case ModelPotencial:
        return dins(f.CoeficientB);
    case ModelInvers:
        return !OrdenadaNul(f);
    default:
        return true;
    }
}

std::string EquacioModel(int model, const FuncioNumerica& f) {
    const double a = f.CoeficientA, b = f.CoeficientB;
    switch (model) {
    case ModelLineal:
        return EquacioLineal(a, b);
    case ModelQuadratic:
        return f.EquacioRegressio;
    case ModelExponencial:
        return EquacioExponencial(a, b);
    case ModelPotencial:
        return EquacioPotencial(a, b);
    case ModelInvers:
        return EquacioInversa(a, b);
    default:
        return {};
    }
}

Refus AjustarRegressio(const TaulaTreball& taula, int model, Cella cursor, FuncioNumerica& f) {
    const int n = taula.Punts();
    Refus error;
    switch (model) {
    case ModelLineal:
        error = {MissatgeRegressioLineal, cursor};
        break;
    case ModelQuadratic:
        for (int k = 0; k < n; ++k) {
            const auto i = static_cast<std::size_t>(k);
            if (!(std::fabs(taula.ValorsX[i]) < LimitQuadratica))
                return {MissatgeQuadraticaValorAbsolut, {k + 1, ColumnaX}};
            if (!(std::fabs(taula.ValorsY[i]) < LimitQuadratica))
                return {MissatgeQuadraticaValorAbsolut, {k + 1, ColumnaY}};
        }
        error = {MissatgeQuadraticaNoCalculable, cursor};
        break;
    case ModelExponencial:
        for (int k = 0; k < n; ++k) {
            const auto i = static_cast<std::size_t>(k);
            const double x = taula.ValorsX[i], y = taula.ValorsY[i];
            if (!(std::fabs(x) < LimitQuadratica))
                return {MissatgeExponencialXAbsolut, {k + 1, ColumnaX}};
            if (!(y < LimitQuadratica)) return {MissatgeExponencialYMenor, {k + 1, ColumnaY}};
            if (!(y > 0)) return {MissatgeExponencialYPositiva, {k + 1, ColumnaY}};
        }
        error = {MissatgeExponencialAjust, {1, ColumnaY}};
        break;
    case ModelPotencial:
        for (int k = 0; k < n; ++k) {
            const auto i = static_cast<std::size_t>(k);
            if (!(taula.ValorsX[i] > 0)) return {MissatgePotencialPositiu, {k + 1, ColumnaX}};
            if (!(taula.ValorsY[i] > 0)) return {MissatgePotencialPositiu, {k + 1, ColumnaY}};
        }
        error = {MissatgePotencialAjust, {1, ColumnaX}};
        break;
    case ModelInvers:
        error = {MissatgeInversaAjust, {1, ColumnaX}};
        break;
    default:
        return {MissatgeRegressioLineal, cursor};
    }
    if (!AjustarModel(taula, model, f)) return error;
    const std::string equacio = EquacioModel(model, f);
    if (!Compila(equacio)) return error;
    f.TipusRegressio = model;
    f.EquacioRegressio = equacio;
    return {};
}

} // namespace tracima
