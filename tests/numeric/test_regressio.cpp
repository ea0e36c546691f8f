// Regression: statistics, the five fits against least squares worked out another
// way or exact data, the formula texts (fixed notation, signs as written), every
// acceptance refusal with its cell, and that each fitted formula compiles and
// describes the fitted curve.
#include "numeric/UnitCalcularRegressio.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "TaulesProva.h"
#include "text/Missatges.h"

namespace tracima {
namespace {

double Avaluar(const std::string& formula, double x) {
    Calculador c;
    EXPECT_EQ(c.CompilarFuncio(formula, Parametres{}), 0) << formula;
    double y = 0;
    EXPECT_EQ(c.AvaluarFuncio(x, y), 0) << formula << " at " << x;
    return y;
}

TEST(Estadistiques, PopulationFormulasAndTheLinearFit) {
    FuncioNumerica f;
    const TaulaTreball t = Taula({{0, 1}, {1, 3}, {2, 2}, {3, 5}, {4, 4}});
    ASSERT_TRUE(CalcularEstadistiques(t, ModelLineal, f));
    EXPECT_DOUBLE_EQ(f.MitjanaX, 2);
    EXPECT_DOUBLE_EQ(f.MitjanaY, 3);
    EXPECT_DOUBLE_EQ(f.DesviacioX, std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(f.DesviacioY, std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(f.Covariancia, 1.6);
    EXPECT_DOUBLE_EQ(f.CoeficientCorrelacio, 0.8);
    EXPECT_EQ((std::array{f.XMinim, f.XMaxim, f.YMinim, f.YMaxim}),
              (std::array{0.0, 4.0, 1.0, 5.0}));
    // a = (nΣxy − ΣxΣy)/(nΣx² − (Σx)²) = (190 − 150)/(150 − 100); b = (Σy − aΣx)/n.
    ASSERT_TRUE(AjustarRegressio(t, ModelLineal, {6, 1}, f).Acceptat());
    EXPECT_DOUBLE_EQ(f.CoeficientA, 0.8);
    EXPECT_DOUBLE_EQ(f.CoeficientB, 1.4);
    EXPECT_EQ(f.EquacioRegressio, "0.8x + 1.4");
    EXPECT_EQ(f.TipusRegressio, ModelLineal);
    // Potential model: u = ln x, v = ln y.
    ASSERT_TRUE(
        CalcularEstadistiques(Taula({{1, 1}, {std::exp(1.0), std::exp(2.0)}}), ModelPotencial, f));
    EXPECT_NEAR(f.MitjanaX, 0.5, 1e-15);
    EXPECT_NEAR(f.MitjanaY, 1, 1e-15);
}

TEST(Estadistiques, FailuresLimitsAndEqualValues) {
    struct Cas {
        std::vector<Punt> punts;
        int model;
        bool ok;
    };
    const Cas casos[] = {
        {{{-1e8, 1}, {1e8, 2}, {0, 3}}, ModelLineal, true}, // x at the range limit
        {{{-1e8, 1}, {1.0000001e8, 2}, {0, 3}}, ModelLineal, false},
        {{{0, -2e8}, {1, 2}, {2, 3}}, ModelLineal, false},
        {{{1e5, 1}, {0, 2}, {1, 3}}, ModelExponencial, true}, // x at its limit
        {{{1, 100001}, {0, 2}, {1, 3}}, ModelExponencial, false},
        {{{0, 1}, {1, 0}, {2, 3}}, ModelExponencial, false},
        {{{1, 1}, {-1, 2}, {2, 3}}, ModelPotencial, false},
        {{{1, 1}, {2, 0}, {3, 3}}, ModelInvers, false},
        {{{1, 1}, {1e-20, 2}, {3, 3}}, ModelInvers, false},
        {{{2, 1}, {2, 2}, {2, 3}}, ModelLineal, false},
        {{{0.03, 1}, {0.03, 2}, {0.03, 3}}, ModelLineal, false},
    };
    for (const Cas& c : casos) {
        FuncioNumerica f;
        EXPECT_EQ(CalcularEstadistiques(Taula(c.punts), c.model, f), c.ok) << c.punts[1].x;
        EXPECT_FALSE(std::isnan(f.DesviacioX) || std::isnan(f.DesviacioY)) << c.punts[1].x;
    }
    // Equal values have no spread at all, never the rounding noise of their mean.
    for (double v : {0.03, 0.1, 1.0 / 3, 7.7, 123456.789}) {
        FuncioNumerica f;
        ASSERT_TRUE(CalcularEstadistiques(Taula({{1, v}, {2, v}, {3, v}}), ModelLineal, f));
        EXPECT_EQ(f.DesviacioY, 0);
        EXPECT_EQ(f.CoeficientCorrelacio, 1);
    }
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
        {EquacioQuadratica(1, 0, -2), "1x^2 + 0x -2"},
        {EquacioQuadratica(-1, 2, -3e-8), "-1x^2 + 2x "},
        {EquacioInversa(-4, 2), "0.5 * x/(-2+x)"},
    };
    for (const Cas& c : casos) // the texts of exact fits are in the next test
        EXPECT_EQ(c.obtingut, c.esperat);
    // What the texts say is what the engine reads back.
    EXPECT_DOUBLE_EQ(Avaluar(EquacioLineal(1e-6, 0.5), 2), 0.500002);
    EXPECT_DOUBLE_EQ(Avaluar(EquacioQuadratica(1, -6.9e-13, 0), 3), 9);
    EXPECT_DOUBLE_EQ(Avaluar(EquacioQuadratica(1, 0, -2), 3), 7);
    EXPECT_DOUBLE_EQ(Avaluar(EquacioInversa(-4, 2), 4), 1);
}

TEST(Regressio, ExactDataOfEveryModel) {
    struct Cas {
        int model;
        std::vector<Punt> punts;
        std::string equacio;
    };
    const Cas casos[] = {
        {ModelLineal, {{1, 2}, {2, 4}, {3, 6}}, "2x + 0"},
        {ModelLineal, {{3, -3}, {2, 1}, {1, 5}}, "-4x + 9"}, // decreasing x
        // Σx²/n − mean² keeps nothing of this spread (it gave the slope 0.625).
        {ModelLineal, {{1e8 - 3, 1}, {1e8 - 2, 2}, {1e8 - 1, 3}, {1e8, 4}}, "1x -99999996"},
        {ModelQuadratic, {{1, 1}, {2, 4}, {3, 9}}, "1x^2 + 0x "},
        {ModelQuadratic, {{-2, 15}, {-1, 6}, {0, 1}, {1, 0}, {2, 3}, {3, 10}}, "2x^2 -3x + 1"},
        {ModelExponencial, {{0, 2}, {1, 6}, {2, 18}}, "2 * (3)^x"},
        {ModelPotencial, {{1, 2}, {2, 16}, {3, 54}}, "2 * x^(3)"},
        {ModelInvers, {{1, 0.5}, {2, 2.0 / 3}, {4, 0.8}}, "1 * x/(1+x)"},
    };
    for (const Cas& c : casos) {
        FuncioNumerica f;
        const Refus r = AjustarRegressio(Taula(c.punts), c.model, {1, 1}, f);
        ASSERT_TRUE(r.Acceptat()) << c.equacio << " " << r.Missatge;
        EXPECT_EQ(f.EquacioRegressio, c.equacio);
        EXPECT_EQ(f.TipusRegressio, c.model) << c.equacio;
        EXPECT_NEAR(std::fabs(f.CoeficientCorrelacio), 1, 1e-9) << c.equacio;
        for (const Punt& p : c.punts)
            EXPECT_NEAR(Avaluar(f.EquacioRegressio, p.x), p.y, 1e-5) << c.equacio;
    }
}

TEST(Regressio, QuadraticSatisfiesTheNormalEquations) {
    // The least-squares residues are orthogonal to 1, x and x²; R² = 1 − SSE / Σ(y − ȳ)².
    const std::vector<Punt> p = {{0, 1}, {1, 0}, {2, 3}, {3, 7}, {4, 16}, {-1.5, 4.2}};
    FuncioNumerica f;
    ASSERT_TRUE(RegressioQuadratica(Taula(p), f));
    double normals[3] = {}, my = 31.2 / 6, sse = 0, syy = 0;
    for (const Punt& q : p) {
        const double e = q.y - (f.CoeficientA * q.x * q.x + f.CoeficientB * q.x + f.CoeficientC);
        for (int k = 0; k < 3; ++k)
            normals[k] += e * std::pow(q.x, k);
        sse += e * e;
        syy += (q.y - my) * (q.y - my);
    }
    for (double n : normals)
        EXPECT_NEAR(n, 0, 1e-9);
    EXPECT_NEAR(f.CoeficientCorrelacio, std::sqrt(1 - sse / syy), 1e-9);
    EXPECT_NEAR(f.MitjanaY, my, 1e-12); // the statistics are those of the linear model
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
        int model;
        std::vector<Punt> punts;
        int missatge;
        Cella cursor;
    };
    // Cells are {row, column}, x in column 1; two fits keep the cursor where it was.
    const Cella ara{5, 2};
    const Cas casos[] = {
        {ModelLineal, {{2, 1}, {2, 2}, {2, 3}}, MissatgeRegressioLineal, ara}, // equal x
        {ModelLineal, {{0.03, 1}, {0.03, 2}, {0.03, 2}}, MissatgeRegressioLineal, ara},
        {ModelLineal, {{1, 1}, {2, 2e8}, {3, 3}}, MissatgeRegressioLineal, ara},
        // A slope too long to write.
        {ModelLineal, {{0, 0}, {1e-14, 1e8}, {2e-14, 2e8}}, MissatgeRegressioLineal, ara},
        {ModelQuadratic, {{1, 1}, {-1e5, 2}, {3, 3}}, MissatgeQuadraticaValorAbsolut, {2, 1}},
        {ModelQuadratic, {{1, 1}, {2, 2}, {3, -1e5}}, MissatgeQuadraticaValorAbsolut, {3, 2}},
        {ModelQuadratic, {{1, 4}, {2, 4}, {3, 4}}, MissatgeQuadraticaNoCalculable, ara},
        {ModelQuadratic, {{1, 4}, {1, 5}, {1, 6}}, MissatgeQuadraticaNoCalculable, ara},
        {ModelExponencial, {{0, 1}, {1, 0}, {2, 3}}, MissatgeExponencialYPositiva, {2, 2}},
        {ModelExponencial, {{0, 1}, {1, 2}, {2, 100000}}, MissatgeExponencialYMenor, {3, 2}},
        {ModelExponencial, {{1e5, 1}, {1, 2}, {2, 3}}, MissatgeExponencialXAbsolut, {1, 1}},
        // x is checked before y.
        {ModelExponencial, {{1, 1}, {-2e5, -1}}, MissatgeExponencialXAbsolut, {2, 1}},
        {ModelExponencial, {{2, 1}, {2, 2}, {2, 3}}, MissatgeExponencialAjust, {1, 2}},
        // Growth past e^88.
        {ModelExponencial,
         {{0, 1e-300}, {1, 1}, {2, 1e-300}, {1.0001, 1}},
         MissatgeExponencialAjust,
         {1, 2}},
        {ModelPotencial, {{1, 1}, {-1, 2}, {3, 3}}, MissatgePotencialPositiu, {2, 1}},
        {ModelPotencial, {{1, 1}, {2, 0}, {3, 3}}, MissatgePotencialPositiu, {2, 2}},
        {ModelPotencial, {{2, 1}, {2, 2}, {2, 3}}, MissatgePotencialAjust, {1, 1}},
        {ModelInvers, {{1, 1}, {2, 0}, {3, 3}}, MissatgeInversaAjust, {1, 1}},
        // On y = kx the intercept of 1/y = a'/x + b' is 0 up to rounding.
        {ModelInvers, {{1, 0.5}, {2, 1}, {4, 2}}, MissatgeInversaAjust, {1, 1}},
        {ModelInvers,
         {{1, 1.0 / 3}, {2, 2.0 / 3}, {5, 5.0 / 3}, {7, 7.0 / 3}},
         MissatgeInversaAjust,
         {1, 1}},
    };
    for (const Cas& c : casos) {
        FuncioNumerica f;
        f.EquacioRegressio = "abans";
        f.TipusRegressio = 4;
        const Refus r = AjustarRegressio(Taula(c.punts), c.model, ara, f);
        EXPECT_EQ(r.Missatge, c.missatge) << c.model << ": " << c.punts[1].y;
        EXPECT_EQ(r.Cursor, c.cursor) << c.model << ": " << c.punts[1].y;
        EXPECT_EQ(f.EquacioRegressio, "abans");
        EXPECT_EQ(f.TipusRegressio, 4);
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
