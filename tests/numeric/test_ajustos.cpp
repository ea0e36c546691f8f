// Interpolation (values by hand, ends, tables without values), regression (limits, exact
// fits, least squares, every refusal with its cell) and the coefficients with their copy text.
#include "numeric/Coeficients.h"
#include "numeric/DialegsNumerics.h"
#include "numeric/UnitCalcularRegressio.h"
#include "numeric/UnitInterpolacio.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "TaulesProva.h"

namespace tracima {
namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();

FuncioNumerica Amb(const std::vector<Punt>& punts, bool lineal = false, bool extrapolar = false) {
    FuncioNumerica f = Taula<FuncioNumerica>(punts);
    f.InterpolacioLineal = lineal;
    f.Extrapolar = extrapolar;
    return f;
}

// The interpolated value at x; NaN where there is none (status 101 with y = 0).
double Valor(const FuncioNumerica& f, double x) {
    PreparacioInterpolacio p;
    PrepararInterpolacio(f, p);
    double y = 7;
    const int estat = AvaluarInterpolacio(f, p, x, y);
    if (estat == SenseValor && y == 0) return nan;
    EXPECT_EQ(estat, 0) << "x = " << x;
    return y;
}

TEST(Interpolacio, ValuesWorkedOutByHand) {
    const std::vector<Punt> quadrat = {{0, 0}, {1, 1}, {2, 4}};
    const std::vector<Punt> quatre = {{-1, 5}, {0, 1}, {2, -3}, {3, 7}};
    const double passat3 = std::nextafter(3.0, 4.0), abans1 = std::nextafter(-1.0, -2.0);
    std::vector<Punt> ple; // a full table, linear: the last segment goes from 6 down to 0
    for (int k = 0; k < MaxPuntsTaula; ++k) ple.push_back({k * 0.5, (k % 7) * 1.0});
    // Each table with x and the value there, NaN for none.
    const std::pair<FuncioNumerica, std::vector<Punt>> casos[] = {
        // Smooth through points of x^2: the one cubic is x^2 everywhere.
        {Amb(quadrat), {{0, 0}, {0.25, 0.0625}, {1.5, 2.25}, {1.9, 3.61}, {2, 4}}},
        {Amb(quadrat, false, true), {{3, 9}, {-2, 4}}},
        {Amb(quadrat, true), {{0.5, 0.5}, {1, 1}, {1.5, 2.5}}},
        {Amb(quadrat, true, true), {{3, 7}, {-1, -1}}},    // the outer segments continue
        {Amb({{0, 0}, {2, 2}}), {{0.3, 0.3}, {1.7, 1.7}}}, // two points smooth: a line
        // The ends belong to the range; beyond them there is no value.
        {Amb(quatre), {{-1, 5}, {3, 7}, {passat3, nan}, {abans1, nan}, {nan, nan}}},
        {Amb(quatre, true), {{-1, 5}, {3, 7}, {passat3, nan}, {abans1, nan}}},
        {Amb(ple, true, true), {{100.25, 4.5}, {199.25, 3}, {199.5, 0}, {200, -6}}}};
    for (const auto& [f, valors] : casos)
        for (const Punt& v : valors) {
            const double y = Valor(f, v.x);
            EXPECT_TRUE(std::isnan(v.y) ? std::isnan(y) : std::fabs(y - v.y) <= 1e-12)
                << v.x << " gives " << y << (f.InterpolacioLineal ? " linear" : "");
        }
}

// Starting slope and every cubic are exact for quadratic data, at any spacing; on other
// data every cubic passes through its points and ends on the slope the next one starts
// with.
TEST(Interpolacio, SmoothPiecesJoin) {
    const auto q = [](double x) { return 3 * x * x - 2 * x + 1; };
    std::vector<Punt> parabola, ona;
    for (double x : {-4.0, -3.5, -1.0, 0.0, 0.2, 1.0, 3.0, 3.1, 6.0}) parabola.push_back({x, q(x)});
    for (double x = -4; x <= 6; x += 0.125) EXPECT_NEAR(Valor(Amb(parabola), x), q(x), 1e-9) << x;
    for (int k = 0; k < 12; ++k) ona.push_back({k * 0.6 + 0.05 * (k % 3), 0.1 * k});
    for (Punt& p : ona) p.y += std::sin(p.x);
    const FuncioNumerica f = Amb(ona);
    const double h = 1e-6;
    for (std::size_t k = 0; k < ona.size(); ++k) {
        const double x = ona[k].x, y = Valor(f, x);
        EXPECT_NEAR(y, ona[k].y, 1e-9) << k;
        if (k >= 1 && k + 2 < ona.size()) { // left and right slopes at an inner point
            EXPECT_NEAR(y - Valor(f, x - h), Valor(f, x + h) - y, 1e-4 * h) << k;
        }
    }
}

TEST(Interpolacio, RecordsThatCannotBeInterpolatedHaveNoValue) {
    const double inf = std::numeric_limits<double>::infinity();
    FuncioNumerica massa = Amb({{0, 0}, {1, 1}}), negatiu = massa;
    massa.NombrePunts = MaxPuntsTaula + 1;
    negatiu.NombrePunts = -3;
    const FuncioNumerica casos[] = {
        Amb({{1, 1}}), massa, negatiu,
        Amb({{1, 1}, {2, 4}, {2, 5}}),               // equal x
        Amb({{3, 1}, {2, 4}, {1, 9}}, false, true), // decreasing x
        Amb({{0, 0}, {nan, 1}, {2, 2}}), Amb({{0, 0}, {1, inf}, {2, 2}}),
    };
    for (const FuncioNumerica& f : casos) {
        PreparacioInterpolacio p;
        EXPECT_EQ(PrepararInterpolacio(f, p), SenseValor) << f.NombrePunts << " " << f.ValorsX[1];
        EXPECT_TRUE(std::isnan(Valor(f, 1.5))) << f.NombrePunts << " " << f.ValorsX[1];
    }
}

TEST(Interpolacio, PreparationOfAnotherTableIsNotUsed) {
    // A preparation that does not belong to the record (another count, nothing
    // prepared) gives no value rather than reading pieces that are not there.
    FuncioNumerica llarga = Amb({{0, 0}, {1, 1}, {2, 4}, {3, 9}});
    PreparacioInterpolacio p;
    double y = 0;
    EXPECT_EQ(AvaluarInterpolacio(llarga, p, 1, y), SenseValor);
    ASSERT_EQ(PrepararInterpolacio(Amb({{0, 0}, {1, 1}}), p), 0);
    EXPECT_EQ(AvaluarInterpolacio(llarga, p, 0.5, y), SenseValor); // inside both tables
    // A failed preparation clears the previous one.
    ASSERT_EQ(PrepararInterpolacio(llarga, p), 0);
    EXPECT_EQ(PrepararInterpolacio(Amb({{1, 1}}), p), SenseValor);
    EXPECT_EQ(AvaluarInterpolacio(llarga, p, 1, y), SenseValor);
}

TEST(Interpolacio, ExtremeTablesNeverGiveAValueThatIsNotFinite) {
    const FuncioNumerica taules[] = {
        Amb({{0, 0}, {1e-300, 1e300}, {1e200, -1e300}}, false, true),
        Amb({{-1e120, 1}, {0, 1e300}, {1e120, 2}, {2e120, 3}}, false, true),
        Amb({{0, -1e308}, {1e-310, 1e308}}, true, true)};
    for (const FuncioNumerica& f : taules)
        for (double x : {-1e300, -1e150, -1.0, 0.0, 1e-305, 1.0, 1e100, 1e150, 1e300})
            EXPECT_FALSE(std::isinf(Valor(f, x))) << x;
}

double Avaluar(const std::string& formula, double x) {
    Calculador c;
    EXPECT_EQ(c.CompilarFuncio(formula, Parametres{}), 0) << formula;
    double y = 0;
    EXPECT_EQ(c.AvaluarFuncio(x, y), 0) << formula << " at " << x;
    return y;
}

TEST(Estadistiques, FailuresLimitsAndEqualValues) {
    const std::tuple<std::vector<Punt>, int, bool> casos[] = {
        {{{-1e8, 1}, {1e8, 2}, {0, 3}}, ModelLineal, true}, // x at the range limit
        {{{-1e8, 1}, {1.0000001e8, 2}, {0, 3}}, ModelLineal, false},
        {{{0, -2e8}, {1, 2}, {2, 3}}, ModelLineal, false},
        {{{1e5, 1}, {0, 2}, {1, 3}}, ModelExponencial, true}, // x at its limit
        {{{1, 100001}, {0, 2}, {1, 3}}, ModelExponencial, false},
        {{{1, 1}, {-1, 2}, {2, 3}}, ModelPotencial, false},
        {{{1, 1}, {1e-20, 2}, {3, 3}}, ModelInvers, false}};
    for (const auto& [punts, model, ok] : casos) {
        FuncioNumerica f;
        EXPECT_EQ(CalcularEstadistiques(Taula(punts), model, f), ok) << punts[1].x;
        EXPECT_FALSE(std::isnan(f.DesviacioX) || std::isnan(f.DesviacioY)) << punts[1].x;
    }
    // Equal values have no spread at all, never the rounding noise of their mean.
    for (double v : {0.03, 0.1, 1.0 / 3, 7.7, 123456.789}) {
        FuncioNumerica f;
        ASSERT_TRUE(CalcularEstadistiques(Taula({{1, v}, {2, v}, {3, v}}), ModelLineal, f));
        EXPECT_EQ(std::pair(f.DesviacioY, f.CoeficientCorrelacio), std::pair(0.0, 1.0));
    }
}

// Exact data of every model gives its formula, through the points with R = ±1; a
// refusal gives its message and cell and leaves the record as it was.
TEST(Regressio, ExactDataAndRefusals) {
    const Cella ara{5, 2}; // cells are {row, column}; some refusals keep the cursor
    const struct { int model; std::vector<Punt> punts; int missatge; Cella cursor;
                   std::string equacio = "abans"; } casos[] = {
        {ModelLineal, {{1, 2}, {2, 4}, {3, 6}}, 0, ara, "2x + 0"},
        // Σx²/n − mean² keeps nothing of this spread (it gave the slope 0.625).
        {ModelLineal, {{1e8 - 3, 1}, {1e8 - 2, 2}, {1e8 - 1, 3}, {1e8, 4}}, 0, ara,
         "1x -99999996"},
        {ModelQuadratic, {{1, 1}, {2, 4}, {3, 9}}, 0, ara, "1x^2 + 0x "},
        {ModelQuadratic, {{-2, 15}, {-1, 6}, {0, 1}, {1, 0}, {2, 3}, {3, 10}}, 0, ara,
         "2x^2 -3x + 1"},
        {ModelExponencial, {{0, 2}, {1, 6}, {2, 18}}, 0, ara, "2 * (3)^x"},
        {ModelPotencial, {{1, 2}, {2, 16}, {3, 54}}, 0, ara, "2 * x^(3)"},
        {ModelInvers, {{1, 0.5}, {2, 2.0 / 3}, {4, 0.8}}, 0, ara, "1 * x/(1+x)"},
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
        {ModelExponencial, // growth past e^88
         {{0, 1e-300}, {1, 1}, {2, 1e-300}, {1.0001, 1}}, MissatgeExponencialAjust, {1, 2}},
        {ModelPotencial, {{1, 1}, {-1, 2}, {3, 3}}, MissatgePotencialPositiu, {2, 1}},
        {ModelPotencial, {{1, 1}, {2, 0}, {3, 3}}, MissatgePotencialPositiu, {2, 2}},
        {ModelPotencial, {{2, 1}, {2, 2}, {2, 3}}, MissatgePotencialAjust, {1, 1}},
        {ModelInvers, {{1, 1}, {2, 0}, {3, 3}}, MissatgeInversaAjust, {1, 1}},
        // On y = kx the intercept of 1/y = a'/x + b' is 0 up to rounding.
        {ModelInvers, {{1, 0.5}, {2, 1}, {4, 2}}, MissatgeInversaAjust, {1, 1}},
        {ModelInvers, {{1, 1.0 / 3}, {2, 2.0 / 3}, {5, 5.0 / 3}, {7, 7.0 / 3}},
         MissatgeInversaAjust, {1, 1}}};
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.model << ": " << c.punts[1].y << " " << c.equacio);
        FuncioNumerica f;
        f.EquacioRegressio = "abans";
        f.TipusRegressio = 4;
        const Refus r = AjustarRegressio(Taula(c.punts), c.model, ara, f);
        EXPECT_EQ(std::tuple(r.Missatge, c.missatge ? r.Cursor : ara, f.EquacioRegressio,
                             f.TipusRegressio),
                  std::tuple(c.missatge, c.cursor, c.equacio, c.missatge ? 4 : c.model));
        if (c.missatge) continue;
        EXPECT_NEAR(std::fabs(f.CoeficientCorrelacio), 1, 1e-9);
        for (const Punt& p : c.punts)
            EXPECT_NEAR(Avaluar(f.EquacioRegressio, p.x), p.y, 1e-5);
    }
    // A value that rounds to 0 is written without its sign.
    EXPECT_EQ(EquacioLineal(2, -1e-7), "2x + 0");
    EXPECT_EQ(EquacioQuadratica(1, -6.9e-13, 1e-14), "1x^2 + 0x ");
    EXPECT_EQ(EquacioInversa(-4, 2), "0.5 * x/(-2+x)");
}

TEST(Regressio, QuadraticSatisfiesTheNormalEquations) {
    // The least-squares residues are orthogonal to 1, x and x²; R² = 1 − SSE / Σ(y − ȳ)².
    const std::vector<Punt> p = {{0, 1}, {1, 0}, {2, 3}, {3, 7}, {4, 16}, {-1.5, 4.2}};
    FuncioNumerica f;
    ASSERT_TRUE(RegressioQuadratica(Taula(p), f));
    double normals[3] = {}, my = 31.2 / 6, sse = 0, syy = 0;
    for (const Punt& q : p) {
        const double e = q.y - (f.CoeficientA * q.x * q.x + f.CoeficientB * q.x + f.CoeficientC);
        for (int k = 0; k < 3; ++k) normals[k] += e * std::pow(q.x, k);
        sse += e * e;
        syy += (q.y - my) * (q.y - my);
    }
    for (double n : normals) EXPECT_NEAR(n, 0, 1e-9);
    EXPECT_NEAR(f.CoeficientCorrelacio, std::sqrt(1 - sse / syy), 1e-9);
    EXPECT_NEAR(f.MitjanaY, my, 1e-12); // the statistics are those of the linear model
}

TEST(Coeficients, ExactFitsErrorsAndModelsThatCannotBeFitted) {
    // By model: 0 "NO", 1 fitted exactly (R 1, error 0), + fitted.
    const std::pair<std::vector<Punt>, const char*> casos[] = {
        {{{-1, 6}, {0, 1}, {1, 0}, {2, 3}}, "+1000"},
        {{{1, 0.5}, {3, 1}, {6, 4.0 / 3}}, "++++1"}, // y = 2x/(3+x)
        {{{1, 2}, {2, -1}, {3, 5}}, "++00+"},        // a negative y
        {{{1, 2}, {2, 0}, {3, 5}}, "++000"},         // a zero y
        {{{2, 1}, {2, 3}, {2, 5}}, "00000"},         // all x equal
        {{{1, 0.5}, {2, 1}, {4, 2}}, "++++0"},       // on y = x/2, through the origin
        {{{0, 1}, {0.01, std::exp(1.0)}, {0.02, std::exp(2.0)}}, "++000"}, // b = e^100
    };
    CoeficientsRegressio k;
    for (const auto& [punts, ajustats] : casos) {
        CalcularCoeficients(Taula(punts), k);
        for (int m = 1; m <= 5; ++m) {
            SCOPED_TRACE(testing::Message() << ajustats << " model " << m);
            const char a = ajustats[m - 1];
            EXPECT_EQ(std::pair(k.TextR(m) != "NO", k.TextError(m) != "NO"),
                      std::pair(a != '0', a != '0'));
            if (a == '1') {
                EXPECT_EQ(k.TextR(m) + " " + k.TextError(m), "1 0");
            }
        }
    }
    // a = 0.8, b = 1.4: residues -0.4, 0.8, -1, 1.2, -0.6, so the error is 3.6 / 5.
    CalcularCoeficients(Taula({{0, 1}, {1, 3}, {2, 2}, {3, 5}, {4, 4}}), k);
    EXPECT_EQ(k.TextR(ModelLineal) + " " + k.TextError(ModelLineal), "0.8 0.72");
}

TEST(Coeficients, CopyTextOfATableReadFromTheGrid) {
    DialegRegressio d{Graella("1 2;2 4;3 6")};
    EstatNumerica e;
    CoeficientsRegressio k;
    ASSERT_TRUE(ObrirCoeficients(d, Parametres{}, e, k).Acceptat());
    EXPECT_EQ(e.TaulaDeTreball.NombrePunts, 3);
    TaulaMissatges textos;
    // ln y against x: R 0.988764 and error 0.076757 (worked out apart); 1/y = 0.5/x
    // has no intercept, so the inverse model cannot be fitted.
    EXPECT_EQ(TextCopiarCoeficients(k, textos),
              "X mínim:\t1\r\nX màxim:\t3\r\nY mímim:\t2\r\nY màxim:\t6\r\n\r\n"
              "Mitjana aritmètica X:\t2\r\nMitjana aritmètica Y:\t4\r\n\r\n"
              "Desviació tipus X:\t0.816497\r\nDesviació tipus Y:\t1.632993\r\n\r\n"
              "Covariància: 1.333333\r\n\r\n\tCoef. Correl. (R) ;\tERROR MEDIO\r\n"
              "ax+b ->\t1\t0\r\nax^2+bx+c ->\t1\t0\r\na.b^x ->\t0.988764\t0.076757\r\n"
              "a.x^b ->\t1\t0\r\nax/(b+x) ->\tNO\tNO\r\n");
    textos.CanviarLlengua(Llengua::Castella);
    EXPECT_TRUE(TextCopiarCoeficients(k, textos).starts_with("X mínimo:\t1\r\n"));
}

} // namespace
} // namespace tracima
