// Regression: statistics, the five fits against least squares worked out another
// way or exact data, the formula texts (fixed notation, signs as written), every
// acceptance refusal with its cell, and that each fitted formula compiles and
// describes the fitted curve.
#include "numeric/UnitCalcularRegressio.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "TaulesProva.h"
#include "app/Missatges.h"

namespace tracima {
namespace {

double Avaluar(const std::string& formula, double x) {
    Calculador c;
    EXPECT_EQ(c.CompilarFuncio(formula, Parametres{}), 0) << formula;
    double y = 0;
    EXPECT_EQ(c.AvaluarFuncio(x, y), 0) << formula << " at " << x;
    return y;
}

// Least squares of y = a x² + b x + c by Gaussian elimination in long double.
void QuadraticaDeReferencia(const std::vector<Punt>& p, double& a, double& b, double& c) {
    long double m[3][4] = {};
    for (const Punt& q : p) {
        const long double f[3] = {q.x * (long double)q.x, q.x, 1};
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j)
                m[i][j] += f[i] * f[j];
            m[i][3] += f[i] * q.y;
        }
    }
    for (int i = 0; i < 3; ++i)
        for (int k = i + 1; k < 3; ++k) {
            const long double r = m[k][i] / m[i][i];
            for (int j = i; j < 4; ++j)
                m[k][j] -= r * m[i][j];
        }
    long double s[3];
    for (int i = 2; i >= 0; --i) {
        long double v = m[i][3];
        for (int j = i + 1; j < 3; ++j)
            v -= m[i][j] * s[j];
        s[i] = v / m[i][i];
    }
    a = static_cast<double>(s[0]);
    b = static_cast<double>(s[1]);
    c = static_cast<double>(s[2]);
}

TEST(Estadistiques, PopulationFormulasOnTheModelsVariables) {
    FuncioNumerica f;
    const TaulaTreball t = Taula({{0, 1}, {1, 3}, {2, 2}, {3, 5}, {4, 4}});
    ASSERT_TRUE(CalcularEstadistiques(t, ModelLineal, f));
    EXPECT_DOUBLE_EQ(f.MitjanaX, 2);
    EXPECT_DOUBLE_EQ(f.MitjanaY, 3);
    EXPECT_DOUBLE_EQ(f.DesviacioX, std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(f.DesviacioY, std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(f.Covariancia, 1.6);
    EXPECT_DOUBLE_EQ(f.CoeficientCorrelacio, 0.8);
    EXPECT_EQ(f.XMinim, 0);
    EXPECT_EQ(f.XMaxim, 4);
    EXPECT_EQ(f.YMinim, 1);
    EXPECT_EQ(f.YMaxim, 5);
    // Potential model: u = ln x, v = ln y.
    const TaulaTreball p = Taula({{1, 1}, {std::exp(1.0), std::exp(2.0)}});
    ASSERT_TRUE(CalcularEstadistiques(p, ModelPotencial, f));
    EXPECT_NEAR(f.MitjanaX, 0.5, 1e-15);
    EXPECT_NEAR(f.MitjanaY, 1, 1e-15);
}

TEST(Estadistiques, FailuresAndLimits) {
    struct Cas {
        const char* nom;
        std::vector<Punt> punts;
        int model;
        bool ok;
    };
    const std::vector<Cas> casos = {
        {"x at the range limit", {{-1e8, 1}, {1e8, 2}, {0, 3}}, ModelLineal, true},
        {"x past the range limit", {{-1e8, 1}, {1.0000001e8, 2}, {0, 3}}, ModelLineal, false},
        {"y past the range limit", {{0, -2e8}, {1, 2}, {2, 3}}, ModelLineal, false},
        {"exponential x at its limit", {{1e5, 1}, {0, 2}, {1, 3}}, ModelExponencial, true},
        {"exponential y past its limit", {{1, 100001}, {0, 2}, {1, 3}}, ModelExponencial, false},
        {"exponential y = 0", {{0, 1}, {1, 0}, {2, 3}}, ModelExponencial, false},
        {"potential x < 0", {{1, 1}, {-1, 2}, {2, 3}}, ModelPotencial, false},
        {"inverse y = 0", {{1, 1}, {2, 0}, {3, 3}}, ModelInvers, false},
        {"inverse x tiny", {{1, 1}, {1e-20, 2}, {3, 3}}, ModelInvers, false},
        {"equal x", {{2, 1}, {2, 2}, {2, 3}}, ModelLineal, false},
        {"equal x = 0.03", {{0.03, 1}, {0.03, 2}, {0.03, 3}}, ModelLineal, false},
    };
    for (const Cas& c : casos) {
        FuncioNumerica f;
        EXPECT_EQ(CalcularEstadistiques(Taula(c.punts), c.model, f), c.ok) << c.nom;
        EXPECT_FALSE(std::isnan(f.DesviacioX)) << c.nom;
        EXPECT_FALSE(std::isnan(f.DesviacioY)) << c.nom;
    }
}

TEST(Estadistiques, EqualValuesGiveZeroDeviationNeverNaN) {
    for (double v : {0.03, 0.1, 1.0 / 3, 7.7, 123456.789}) {
        FuncioNumerica f;
        ASSERT_TRUE(CalcularEstadistiques(Taula({{1, v}, {2, v}, {3, v}}), ModelLineal, f));
        EXPECT_EQ(f.DesviacioY, 0);
        EXPECT_EQ(f.CoeficientCorrelacio, 1);
    }
}

TEST(Regressio, LinearAgainstTheNormalEquations) {
    const std::vector<Punt> p = {{0, 1}, {1, 3}, {2, 2}, {3, 5}, {4, 4}};
    FuncioNumerica f;
    const Refus r = AjustarRegressio(Taula(p), ModelLineal, {6, 1}, f);
    ASSERT_TRUE(r.Acceptat());
    // a = (nΣxy − ΣxΣy)/(nΣx² − (Σx)²) = (190 − 150)/(150 − 100); b = (Σy − aΣx)/n.
    EXPECT_DOUBLE_EQ(f.CoeficientA, 0.8);
    EXPECT_DOUBLE_EQ(f.CoeficientB, 1.4);
    EXPECT_EQ(f.EquacioRegressio, "0.8x + 1.4");
    EXPECT_EQ(f.TipusRegressio, ModelLineal);
    EXPECT_DOUBLE_EQ(f.CoeficientCorrelacio, 0.8);
}

TEST(Regressio, FormulaTexts) {
    struct Cas {
        std::string obtingut, esperat;
    };
    const Cas casos[] = {
        {EquacioLineal(2, -3), "2x -3"},
        {EquacioLineal(2, 3), "2x + 3"},
        {EquacioLineal(2, -1e-7), "2x + 0"},
        {EquacioLineal(-0.5, 0), "-0.5x + 0"},
        {EquacioLineal(1e-6, 0.5), "0.000001x + 0.5"},
        {EquacioLineal(2.5e7, 1), "25000000x + 1"},
        {EquacioQuadratica(1, -6.9e-13, 1e-14), "1x^2 + 0x "},
        {EquacioQuadratica(2, -3, 1), "2x^2 -3x + 1"},
        {EquacioQuadratica(1, 0, -2), "1x^2 + 0x -2"},
        {EquacioQuadratica(-1, 2, -3e-8), "-1x^2 + 2x "},
        {EquacioExponencial(std::log(3.0), std::log(2.0)), "2 * (3)^x"},
        {EquacioPotencial(3, std::log(2.0)), "2 * x^(3)"},
        {EquacioInversa(1, 1), "1 * x/(1+x)"},
        {EquacioInversa(-4, 2), "0.5 * x/(-2+x)"},
    };
    for (const Cas& c : casos)
        EXPECT_EQ(c.obtingut, c.esperat);
    // What the texts say is what the engine reads back.
    EXPECT_DOUBLE_EQ(Avaluar(EquacioLineal(1e-6, 0.5), 2), 0.500002);
    EXPECT_DOUBLE_EQ(Avaluar(EquacioQuadratica(1, -6.9e-13, 0), 3), 9);
    EXPECT_DOUBLE_EQ(Avaluar(EquacioQuadratica(1, 0, -2), 3), 7);
    EXPECT_DOUBLE_EQ(Avaluar(EquacioInversa(-4, 2), 4), 1);
}

TEST(Regressio, ExactDataOfEveryModel) {
    struct Cas {
        const char* nom;
        int model;
        std::vector<Punt> punts;
        std::string equacio;
        double (*corba)(double);
    };
    const std::vector<Cas> casos = {
        {"linear", ModelLineal, {{1, 2}, {2, 4}, {3, 6}}, "2x + 0", [](double x) { return 2 * x; }},
        {"linear, decreasing x",
         ModelLineal,
         {{3, -3}, {2, 1}, {1, 5}},
         "-4x + 9",
         [](double x) { return 9 - 4 * x; }},
        // Σx²/n − mean² keeps nothing of this spread (it gave the slope 0.625).
        {"linear, x near 1e8",
         ModelLineal,
         {{1e8 - 3, 1}, {1e8 - 2, 2}, {1e8 - 1, 3}, {1e8, 4}},
         "1x -99999996",
         [](double x) { return x - 99999996; }},
        {"quadratic x^2",
         ModelQuadratic,
         {{1, 1}, {2, 4}, {3, 9}},
         "1x^2 + 0x ",
         [](double x) { return x * x; }},
        {"quadratic",
         ModelQuadratic,
         {{-2, 15}, {-1, 6}, {0, 1}, {1, 0}, {2, 3}, {3, 10}},
         "2x^2 -3x + 1",
         [](double x) { return 2 * x * x - 3 * x + 1; }},
        {"exponential",
         ModelExponencial,
         {{0, 2}, {1, 6}, {2, 18}},
         "2 * (3)^x",
         [](double x) { return 2 * std::pow(3.0, x); }},
        {"potential",
         ModelPotencial,
         {{1, 2}, {2, 16}, {3, 54}},
         "2 * x^(3)",
         [](double x) { return 2 * x * x * x; }},
        {"inverse",
         ModelInvers,
         {{1, 0.5}, {2, 2.0 / 3}, {4, 0.8}},
         "1 * x/(1+x)",
         [](double x) { return x / (1 + x); }},
    };
    for (const Cas& c : casos) {
        FuncioNumerica f;
        const Refus r = AjustarRegressio(Taula(c.punts), c.model, {1, 1}, f);
        ASSERT_TRUE(r.Acceptat()) << c.nom << " " << r.Missatge;
        EXPECT_EQ(f.EquacioRegressio, c.equacio) << c.nom;
        EXPECT_EQ(f.TipusRegressio, c.model) << c.nom;
        EXPECT_NEAR(std::fabs(f.CoeficientCorrelacio), 1, 1e-9) << c.nom;
        for (const Punt& p : c.punts)
            EXPECT_NEAR(Avaluar(f.EquacioRegressio, p.x), c.corba(p.x), 1e-5) << c.nom;
    }
}

TEST(Regressio, QuadraticAgainstGaussianElimination) {
    const std::vector<Punt> p = {{0, 1}, {1, 0}, {2, 3}, {3, 7}, {4, 16}, {-1.5, 4.2}};
    double a, b, c;
    QuadraticaDeReferencia(p, a, b, c);
    FuncioNumerica f;
    ASSERT_TRUE(RegressioQuadratica(Taula(p), f));
    EXPECT_NEAR(f.CoeficientA, a, 1e-9);
    EXPECT_NEAR(f.CoeficientB, b, 1e-9);
    EXPECT_NEAR(f.CoeficientC, c, 1e-9);
    // R² = 1 − SSE / (n · var y).
    double my = 0, sse = 0, syy = 0;
    for (const Punt& q : p)
        my += q.y / p.size();
    for (const Punt& q : p) {
        const double e = q.y - (a * q.x * q.x + b * q.x + c);
        sse += e * e;
        syy += (q.y - my) * (q.y - my);
    }
    EXPECT_NEAR(f.CoeficientCorrelacio, std::sqrt(1 - sse / syy), 1e-9);
    // The statistics are those of the linear model.
    EXPECT_NEAR(f.MitjanaY, my, 1e-12);
}

TEST(Regressio, QuadraticRowScalingKeepsTheQuotients) {
    const double m[3][3] = {{4, 2, 1}, {3, 5, 2}, {1, 1, 3}};
    // det = 4(15−2) − 2(9−2) + 1(3−5) = 36; rows divided by 4, 3 and 2 (all > 1).
    EXPECT_NEAR(Determinant3x3(m, 4, 3, 2), 36.0 / 24, 1e-15);
    // Divisors not above 1 are not used.
    EXPECT_NEAR(Determinant3x3(m, 1, -3, 0.5), 36, 1e-13);
}

TEST(Regressio, AcceptanceRefusals) {
    struct Cas {
        const char* nom;
        int model;
        std::vector<Punt> punts;
        int missatge;
        Cella cursor;
    };
    const Cella cursor{5, ColumnaY}; // where the cursor was: kept by two fits
    const std::vector<Cas> casos = {
        {"linear, equal x", ModelLineal, {{2, 1}, {2, 2}, {2, 3}}, MissatgeRegressioLineal, cursor},
        {"linear, equal x = 0.03",
         ModelLineal,
         {{0.03, 1}, {0.03, 2}, {0.03, 2}},
         MissatgeRegressioLineal,
         cursor},
        {"linear, y over 1e8",
         ModelLineal,
         {{1, 1}, {2, 2e8}, {3, 3}},
         MissatgeRegressioLineal,
         cursor},
        {"linear, slope too long to write",
         ModelLineal,
         {{0, 0}, {1e-14, 1e8}, {2e-14, 2e8}},
         MissatgeRegressioLineal,
         cursor},
        {"quadratic, |x| 1e5",
         ModelQuadratic,
         {{1, 1}, {-1e5, 2}, {3, 3}},
         MissatgeQuadraticaValorAbsolut,
         {2, ColumnaX}},
        {"quadratic, |y| 1e5",
         ModelQuadratic,
         {{1, 1}, {2, 2}, {3, -1e5}},
         MissatgeQuadraticaValorAbsolut,
         {3, ColumnaY}},
        {"quadratic, equal y",
         ModelQuadratic,
         {{1, 4}, {2, 4}, {3, 4}},
         MissatgeQuadraticaNoCalculable,
         cursor},
        {"quadratic, equal x",
         ModelQuadratic,
         {{1, 4}, {1, 5}, {1, 6}},
         MissatgeQuadraticaNoCalculable,
         cursor},
        {"exponential, y = 0",
         ModelExponencial,
         {{0, 1}, {1, 0}, {2, 3}},
         MissatgeExponencialYPositiva,
         {2, ColumnaY}},
        {"exponential, y = 100000",
         ModelExponencial,
         {{0, 1}, {1, 2}, {2, 100000}},
         MissatgeExponencialYMenor,
         {3, ColumnaY}},
        {"exponential, |x| 1e5",
         ModelExponencial,
         {{1e5, 1}, {1, 2}, {2, 3}},
         MissatgeExponencialXAbsolut,
         {1, ColumnaX}},
        {"exponential, x checked before y",
         ModelExponencial,
         {{1, 1}, {-2e5, -1}},
         MissatgeExponencialXAbsolut,
         {2, ColumnaX}},
        {"exponential, equal x",
         ModelExponencial,
         {{2, 1}, {2, 2}, {2, 3}},
         MissatgeExponencialAjust,
         {1, ColumnaY}},
        {"exponential, growth past e^88",
         ModelExponencial,
         {{0, 1e-300}, {1, 1}, {2, 1e-300}, {1.0001, 1}},
         MissatgeExponencialAjust,
         {1, ColumnaY}},
        {"potential, x = -1",
         ModelPotencial,
         {{1, 1}, {-1, 2}, {3, 3}},
         MissatgePotencialPositiu,
         {2, ColumnaX}},
        {"potential, y = 0",
         ModelPotencial,
         {{1, 1}, {2, 0}, {3, 3}},
         MissatgePotencialPositiu,
         {2, ColumnaY}},
        {"potential, equal x",
         ModelPotencial,
         {{2, 1}, {2, 2}, {2, 3}},
         MissatgePotencialAjust,
         {1, ColumnaX}},
        {"inverse, y = 0",
         ModelInvers,
         {{1, 1}, {2, 0}, {3, 3}},
         MissatgeInversaAjust,
         {1, ColumnaX}},
        // On y = kx the intercept of 1/y = a'/x + b' is 0 up to rounding.
        {"inverse, b' = 0",
         ModelInvers,
         {{1, 0.5}, {2, 1}, {4, 2}},
         MissatgeInversaAjust,
         {1, ColumnaX}},
        {"inverse, b' = 0 on y = x/3",
         ModelInvers,
         {{1, 1.0 / 3}, {2, 2.0 / 3}, {5, 5.0 / 3}, {7, 7.0 / 3}},
         MissatgeInversaAjust,
         {1, ColumnaX}},
    };
    for (const Cas& c : casos) {
        FuncioNumerica f;
        f.EquacioRegressio = "abans";
        f.TipusRegressio = 4;
        const Refus r = AjustarRegressio(Taula(c.punts), c.model, cursor, f);
        EXPECT_EQ(r.Missatge, c.missatge) << c.nom;
        EXPECT_EQ(r.Cursor, c.cursor) << c.nom;
        EXPECT_EQ(f.EquacioRegressio, "abans") << c.nom;
        EXPECT_EQ(f.TipusRegressio, 4) << c.nom;
    }
}

TEST(Regressio, EveryAcceptedFormulaCompiles) {
    // Awkward but valid tables: large and tiny magnitudes, negative slopes.
    const std::vector<std::vector<Punt>> taules = {
        {{1e-7, 3}, {2e-7, 5}, {3e-7, 4}},
        {{-9e7, 9e7}, {0, 1}, {9e7, -9e7}},
        {{0.001, 99999}, {0.002, 50000}, {0.004, 20000}},
        {{1, 1e-9}, {2, 3e-9}, {3, 2e-9}},
    };
    for (const auto& p : taules)
        for (int model = 1; model <= 5; ++model) {
            FuncioNumerica f;
            if (AjustarRegressio(Taula(p), model, {1, 1}, f).Acceptat()) {
                Calculador c;
                EXPECT_EQ(c.CompilarFuncio(f.EquacioRegressio, Parametres{}), 0)
                    << model << ": " << f.EquacioRegressio;
                EXPECT_EQ(f.EquacioRegressio.find('E'), std::string::npos);
            }
        }
}

} // namespace
} // namespace tracima
