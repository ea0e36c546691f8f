// Sampling of the function set: axes and their unit check, column abscissas,
// values and rows against the mathematics, the rounding rule, the band rule of
// the joined flag, numeric labels and the window caption.
#include "functionset/UnitVariables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace tracima {
namespace {

struct Finestra : FinestraFuncions {
    std::vector<std::string> titols;
    void FixarTitolFinestra(std::string_view t) override { titols.emplace_back(t); }
};

// A set with the given formula in F, applied with the default axes.
ConjuntFuncions AmbF(const std::string& text) {
    ConjuntFuncions cf;
    cf.Slots[0].Text = text;
    Calculador calc;
    EXPECT_EQ(AplicarFuncions(cf, calc), 0);
    return cf;
}

TEST(Eixos, DefaultsAndTheirMapping) {
    ConjuntFuncions cf;
    Calculador calc;
    ASSERT_EQ(AplicarFuncions(cf, calc), 0);
    const EixosFuncions& e = cf.Eixos;
    EXPECT_EQ(e.XOrigen, -7.5);
    EXPECT_EQ(e.XFinal, 7.5);
    EXPECT_EQ(e.YOrigen, -5);
    EXPECT_EQ(e.YFinal, 5);
    EXPECT_EQ(e.XUnitat, 1);
    EXPECT_EQ(e.YUnitat, 1);
    EXPECT_EQ(e.PasLogicX, 40);
    EXPECT_EQ(e.PasLogicY, 40);
    EXPECT_EQ(e.OrigenLogicX, 320);
    EXPECT_EQ(e.OrigenLogicY, 220);
    EXPECT_DOUBLE_EQ(e.H(), 0.025);
    EXPECT_EQ(e.XColumna(20), -7.5);
    EXPECT_EQ(e.XColumna(620), 7.5);
    EXPECT_EQ(e.XColumna(321), 0.025);
}

struct CasEixos {
    double xo, xf, ux, yo, yf, uy;
    double uxEsperada, uyEsperada, pasX, pasY, origenX, origenY;
};

class UnitatsIPassos : public ::testing::TestWithParam<CasEixos> {};

TEST_P(UnitatsIPassos, UnitCheckStepsAndOrigins) {
    const CasEixos& c = GetParam();
    ConjuntFuncions cf;
    cf.Eixos = {c.xo, c.xf, c.ux, c.yo, c.yf, c.uy};
    Calculador calc;
    ASSERT_EQ(AplicarFuncions(cf, calc), 0);
    EXPECT_DOUBLE_EQ(cf.Eixos.XUnitat, c.uxEsperada);
    EXPECT_DOUBLE_EQ(cf.Eixos.YUnitat, c.uyEsperada);
    EXPECT_DOUBLE_EQ(cf.Eixos.PasLogicX, c.pasX);
    EXPECT_DOUBLE_EQ(cf.Eixos.PasLogicY, c.pasY);
    EXPECT_DOUBLE_EQ(cf.Eixos.OrigenLogicX, c.origenX);
    EXPECT_DOUBLE_EQ(cf.Eixos.OrigenLogicY, c.origenY);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, UnitatsIPassos,
    ::testing::Values(
        // 600 / 1000 * 1 is below 6: the X unit becomes 10, one unit is 6 columns.
        CasEixos{0, 1000, 1, -5, 5, 1, 10, 1, 6, 40, 20, 220},
        // Exactly 6 columns per unit is kept.
        CasEixos{0, 100, 1, -5, 5, 1, 1, 1, 6, 40, 20, 220},
        // 400 / 1000 * 1 is below 4 on Y.
        CasEixos{-10, 10, 1, 0, 1000, 1, 1, 10, 30, 4, 320, 420},
        CasEixos{-10, 10, 1, -2, 3, 1, 1, 1, 30, 80, 320, 260},
        // World zero left of the box.
        CasEixos{5, 15, 1, -5, 5, 2, 1, 2, 60, 80, -280, 220},
        CasEixos{-360, 360, 90, -1, 1, 0.5, 90, 0.5, 75, 100, 320, 220}));

TEST(Eixos, InvalidAxesAreRefusedWithoutSampling) {
    const EixosFuncions dolents[] = {
        {1, 1, 1, -5, 5, 1},           {2, 1, 1, -5, 5, 1},          {-1, 1, 0, -5, 5, 1},
        {-1, 1, 1, 5, 5, 1},           {-1, 1, 1, -5, 5, -1},        {-1, 1, NAN, -5, 5, 1},
        {-1, INFINITY, 1, -5, 5, 1},   {-1e308, 1e308, 1, -5, 5, 1}, {0, 1, 1e308, -5, 5, 1},
        {1e307, 1.5e307, 1, -5, 5, 1}, {-1, 1, 1, -5, 5, 1e307},
    };
    for (const auto& e : dolents) {
        ConjuntFuncions cf;
        cf.Slots[0].Text = "X";
        cf.Eixos = e;
        Calculador calc;
        EXPECT_EQ(AplicarFuncions(cf, calc), 1);
        EXPECT_EQ(std::memcmp(&cf.Eixos, &e, sizeof e), 0) << "axes untouched";
        for (int c = PrimeraColumna; c <= UltimaColumna; ++c)
            ASSERT_FALSE(cf.MostresColumna[0].Definida(c));
        for (int i = 0; i < NombreComandes; ++i)
            EXPECT_FALSE(cf.Comandes.Activa(static_cast<Comanda>(i)));
        EXPECT_TRUE(cf.Comandes.TreureMarcaNomsPunts);
    }
}

struct CasMostra {
    const char* formula;
    int columna;
    bool definida;
    double valor;
    double fila;
    bool unida;
};

class Mostres : public ::testing::TestWithParam<CasMostra> {};

TEST_P(Mostres, ValueRowAndFlags) {
    const CasMostra& c = GetParam();
    const ConjuntFuncions cf = AmbF(c.formula);
    const MostresFuncio& m = cf.MostresColumna[0];
    EXPECT_EQ(m.Definida(c.columna), c.definida);
    if (c.definida) {
        EXPECT_NEAR(m.Y(c.columna), c.valor, 1e-12);
        EXPECT_NEAR(m.Fila(c.columna), c.fila, 1e-9);
    }
    EXPECT_EQ(m.Unida(c.columna), c.unida);
}

// Default axes: column c is x = (c - 320) / 40; row = 220 - 40 y.
INSTANTIATE_TEST_SUITE_P(
    Casos, Mostres,
    ::testing::Values(
        CasMostra{"x^2", 320, true, 0, 220, true}, CasMostra{"x^2", 400, true, 4, 60, true},
        CasMostra{"x^2", 240, true, 4, 60, true},
        // 56.25 lies far above the band: not joined from column 20 onwards,
        // except the first column of the run.
        CasMostra{"x^2", 20, true, 56.25, -2030, true},
        CasMostra{"x^2", 21, true, 7.475 * 7.475, 220 - 40 * 7.475 * 7.475, false},
        CasMostra{"x^2", 620, true, 56.25, -2030, false},
        // x = 2.25 gives 5.0625, row 17.5: inside the band though outside the box.
        CasMostra{"x^2", 410, true, 5.0625, 17.5, true},
        // 1/x: x = 0 has no value; x = -0.025 is -40, row 1820, not joined.
        CasMostra{"1/x", 320, false, 0, 0, true}, CasMostra{"1/x", 319, true, -40, 1820, false},
        // The first column after the gap starts a new run and stays joined.
        CasMostra{"1/x", 321, true, 40, -1380, true}, CasMostra{"1/x", 322, true, 20, -580, false},
        // Negative values are rounded to six decimals: -1/7.5 = -0.133333...
        CasMostra{"1/x", 20, true, -0.133333, 220 + 40 * 0.133333, true},
        CasMostra{"1/x", 21, true, -0.133779, 220 + 40 * 0.133779, true},
        // The positive side keeps every digit.
        CasMostra{"1/x", 620, true, 1 / 7.5, 220 - 40 / 7.5, true},
        CasMostra{"ln(x)", 320, false, 0, 0, true}, CasMostra{"ln(x)", 300, false, 0, 0, true},
        CasMostra{"(1-x^2)^(1/2)", 360, true, 0, 220, true},
        CasMostra{"sin(x)", 320 + 20, true, std::sin(0.5), 220 - 40 * std::sin(0.5), true}));

struct CasArrodoniment {
    const char* formula;
    double valor;
};

class Arrodoniment : public ::testing::TestWithParam<CasArrodoniment> {};

TEST_P(Arrodoniment, ValuesBelowOneMillionthAreRoundedToSixDecimals) {
    const CasArrodoniment& c = GetParam();
    const ConjuntFuncions cf = AmbF(c.formula);
    for (int col : {20, 321, 620}) {
        ASSERT_TRUE(cf.MostresColumna[0].Definida(col));
        EXPECT_EQ(cf.MostresColumna[0].Y(col), c.valor) << c.formula;
    }
}

INSTANTIATE_TEST_SUITE_P(Casos, Arrodoniment,
                         ::testing::Values(CasArrodoniment{"0.0000004", 0},
                                           CasArrodoniment{"-0.0000004", 0},
                                           CasArrodoniment{"-2.1234567", -2.123457},
                                           CasArrodoniment{"2.1234567", 2.1234567},
                                           CasArrodoniment{"0.000001", 0.000001},
                                           CasArrodoniment{"0.0000009", 0.000001},
                                           CasArrodoniment{"-1000.0000004", -1000}));

TEST(Arrodoniment, RoundedZeroIsNotNegative) {
    const ConjuntFuncions cf = AmbF("-0.0000004");
    EXPECT_FALSE(std::signbit(cf.MostresColumna[0].Y(300)));
}

struct CasFranja {
    const char* formula;
    double fila;
    bool unida; // from the second column of the run on
};

class Franja : public ::testing::TestWithParam<CasFranja> {};

// A constant y has row 220 - 40 y; the band is strictly between 0 and 440.
TEST_P(Franja, JoinedOnlyWhenBothRowsAreStrictlyInside) {
    const CasFranja& c = GetParam();
    const ConjuntFuncions cf = AmbF(c.formula);
    const MostresFuncio& m = cf.MostresColumna[0];
    EXPECT_NEAR(m.Fila(20), c.fila, 1e-9);
    EXPECT_TRUE(m.Unida(20)) << "first column of a run";
    for (int col = 21; col <= UltimaColumna; ++col)
        ASSERT_EQ(m.Unida(col), c.unida) << col;
}

INSTANTIATE_TEST_SUITE_P(Casos, Franja,
                         ::testing::Values(CasFranja{"5.5", 0, false}, CasFranja{"5.4", 4, true},
                                           CasFranja{"-5.5", 440, false},
                                           CasFranja{"-5.4", 436, true}, CasFranja{"0", 220, true},
                                           CasFranja{"100", -3780, false}));

TEST(Franja, ARowLeavingTheBandBreaksTheJoinOnBothSides) {
    // x^2 - 5: row 220 - 40 (x^2 - 5) = 420 - 40 x^2; it reaches 0 at |x| = sqrt(10.5).
    const ConjuntFuncions cf = AmbF("x^2-5");
    const MostresFuncio& m = cf.MostresColumna[0];
    for (int col = 21; col <= UltimaColumna; ++col) {
        const double x0 = (col - 1 - 320) / 40.0, x1 = (col - 320) / 40.0;
        const bool dins0 = 420 - 40 * x0 * x0 > 0, dins1 = 420 - 40 * x1 * x1 > 0;
        ASSERT_EQ(m.Unida(col), dins0 && dins1) << col;
    }
}

TEST(Mostres, UndefinedStretchesResetTheRun) {
    // sqrt(x) has no value left of 0; from x = 0 on it is defined and joined.
    const ConjuntFuncions cf = AmbF("x^(1/2)");
    const MostresFuncio& m = cf.MostresColumna[0];
    for (int col = 20; col < 320; ++col)
        ASSERT_FALSE(m.Definida(col));
    for (int col = 320; col <= 620; ++col) {
        ASSERT_TRUE(m.Definida(col));
        ASSERT_TRUE(m.Unida(col));
    }
    EXPECT_NEAR(m.Y(480), 2, 1e-12);
}

TEST(Mostres, UndefinedColumnsReadAsZeroAndOutsideColumnsAreUndefined) {
    const ConjuntFuncions cf = AmbF("1/x");
    const MostresFuncio& m = cf.MostresColumna[0];
    EXPECT_EQ(m.Y(320), 0);
    EXPECT_FALSE(m.Definida(19));
    EXPECT_FALSE(m.Definida(621));
    EXPECT_FALSE(m.Unida(19));
    EXPECT_EQ(m.Fila(-5), 0);
}

TEST(Mostres, AbscissasAreDisplayRounded) {
    // X from 0 to 1 with unit 0.1: column 21 is 1/600 = 0.0016666..., shown
    // and sampled as 0.0016667.
    ConjuntFuncions cf;
    cf.Eixos = {0, 1, 0.1, -1, 1, 1};
    cf.Slots[0].Text = "x";
    Calculador calc;
    ASSERT_EQ(AplicarFuncions(cf, calc), 0);
    EXPECT_EQ(cf.MostresColumna[0].Y(21), 0.0016667);
    EXPECT_EQ(cf.MostresColumna[0].Y(620), 1);
}

TEST(Mostres, ParametersTakePartInTheSamples) {
    ConjuntFuncions cf;
    cf.Slots[2].Text = "a*x+b";
    cf.Parametres[0] = 3;
    cf.Parametres[1] = -2;
    Calculador calc;
    ASSERT_EQ(AplicarFuncions(cf, calc), 0);
    EXPECT_NEAR(cf.MostresColumna[2].Y(400), 4, 1e-12); // x = 2
    // Parameters survive the reset.
    ReiniciarConjunt(cf);
    EXPECT_EQ(cf.Parametres[0], 3);
    EXPECT_TRUE(cf.Slots[2].Text.empty());
}

TEST(Mostres, FormulaThatDoesNotCompileHasNoValue) {
    const ConjuntFuncions cf = AmbF("x^");
    for (int col = PrimeraColumna; col <= UltimaColumna; ++col)
        ASSERT_FALSE(cf.MostresColumna[0].Definida(col));
}

TEST(Mostres, SamplesOfAnEarlierApplicationDoNotLinger) {
    ConjuntFuncions cf;
    Calculador calc;
    cf.Slots[0].Text = "x";
    AplicarFuncions(cf, calc);
    cf.Slots[0].Text = "1/x";
    AplicarFuncions(cf, calc);
    EXPECT_FALSE(cf.MostresColumna[0].Definida(320));
    cf.Slots[0].Text = "x";
    AplicarFuncions(cf, calc);
    EXPECT_TRUE(cf.MostresColumna[0].Definida(320));
    EXPECT_TRUE(cf.MostresColumna[0].Unida(320));
}

TEST(Mostres, RegressionLabelSamplesItsFittedFormula) {
    ConjuntFuncions cf;
    Calculador calc;
    SlotFuncio& s = cf.Slots[1];
    s.Text = std::string(EtiquetesRegressio[1]);
    s.Numerica.NombrePunts = 3;
    s.Numerica.EquacioRegressio = "2*X+1";
    ASSERT_EQ(AplicarFuncions(cf, calc), 0);
    EXPECT_NEAR(cf.MostresColumna[1].Y(360), 3, 1e-12); // x = 1
    // The engine is left with the last prepared formula.
    double y = 0;
    ASSERT_EQ(calc.AvaluarFuncio(10, y), 0);
    EXPECT_EQ(y, 21);

    // Fewer than two points, or an equation that does not compile: no value.
    for (int n : {0, 1}) {
        s.Numerica.NombrePunts = n;
        AplicarFuncions(cf, calc);
        EXPECT_FALSE(cf.MostresColumna[1].Definida(360)) << n;
    }
    s.Numerica.NombrePunts = 3;
    s.Numerica.EquacioRegressio = "";
    AplicarFuncions(cf, calc);
    EXPECT_FALSE(cf.MostresColumna[1].Definida(360));
}

TEST(Mostres, InterpolationWithFewerThanTwoPointsHasNoValue) {
    for (std::string_view etiqueta : {EtiquetaInterpolacio, EtiquetaInterpolacioLineal}) {
        ConjuntFuncions cf;
        cf.Slots[0].Text = std::string(etiqueta);
        cf.Slots[0].Numerica.NombrePunts = 1;
        cf.Slots[0].Numerica.ValorsX[0] = 0;
        Calculador calc;
        ASSERT_EQ(AplicarFuncions(cf, calc), 0);
        for (int col = PrimeraColumna; col <= UltimaColumna; ++col)
            ASSERT_FALSE(cf.MostresColumna[0].Definida(col));
    }
}

ConjuntFuncions AmbTaula(std::string_view etiqueta,
                         std::initializer_list<std::pair<double, double>> punts, bool extrapolar) {
    ConjuntFuncions cf;
    SlotFuncio& s = cf.Slots[3];
    s.Text = std::string(etiqueta);
    for (const auto& [x, y] : punts) {
        s.Numerica.ValorsX[static_cast<std::size_t>(s.Numerica.NombrePunts)] = x;
        s.Numerica.ValorsY[static_cast<std::size_t>(s.Numerica.NombrePunts)] = y;
        ++s.Numerica.NombrePunts;
    }
    s.Numerica.Extrapolar = extrapolar;
    s.Numerica.InterpolacioLineal = etiqueta == EtiquetaInterpolacioLineal;
    Calculador calc;
    EXPECT_EQ(AplicarFuncions(cf, calc), 0);
    return cf;
}

TEST(Mostres, LinearInterpolationBetweenAndBeyondTheTable) {
    // Points (0,0), (1,2), (3,2); column c is x = (c - 320) / 40.
    const auto punts = {std::pair{0.0, 0.0}, std::pair{1.0, 2.0}, std::pair{3.0, 2.0}};
    const ConjuntFuncions cf = AmbTaula(EtiquetaInterpolacioLineal, punts, false);
    const MostresFuncio& m = cf.MostresColumna[3];
    EXPECT_NEAR(m.Y(340), 1, 1e-12); // x = 0.5
    EXPECT_NEAR(m.Y(360), 2, 1e-12); // x = 1
    EXPECT_NEAR(m.Y(400), 2, 1e-12); // x = 2
    EXPECT_NEAR(m.Y(440), 2, 1e-12); // x = 3, the last point
    EXPECT_TRUE(m.Definida(320));
    EXPECT_FALSE(m.Definida(319)); // left of the table
    EXPECT_FALSE(m.Definida(441)); // right of the table
    EXPECT_TRUE(m.Unida(320)) << "first column of the run";

    const ConjuntFuncions ext = AmbTaula(EtiquetaInterpolacioLineal, punts, true);
    EXPECT_NEAR(ext.MostresColumna[3].Y(280), -2, 1e-12); // x = -1 on the first piece
    EXPECT_TRUE(ext.MostresColumna[3].Definida(20));
}

TEST(Mostres, SmoothInterpolationOfPointsOnALineIsTheLine) {
    const auto punts = {std::pair{-2.0, -3.0}, std::pair{0.0, 1.0}, std::pair{1.0, 3.0},
                        std::pair{4.0, 9.0}};
    const ConjuntFuncions cf = AmbTaula(EtiquetaInterpolacio, punts, false);
    const MostresFuncio& m = cf.MostresColumna[3];
    for (int col = 240; col <= 480; col += 10)
        EXPECT_NEAR(m.Y(col), 2 * ((col - 320) / 40.0) + 1, 1e-9) << col;
    EXPECT_FALSE(m.Definida(239));
    EXPECT_FALSE(m.Definida(481));
}

TEST(Mostres, TableThatCannotBeInterpolatedHasNoValue) {
    // x not increasing.
    const ConjuntFuncions cf =
        AmbTaula(EtiquetaInterpolacio, {std::pair{0.0, 0.0}, std::pair{0.0, 1.0}}, true);
    for (int col = PrimeraColumna; col <= UltimaColumna; ++col)
        ASSERT_FALSE(cf.MostresColumna[3].Definida(col));
}

TEST(Mostres, CaptionFollowsEachSampledSlot) {
    ConjuntFuncions cf;
    cf.Slots[1].Text = "x";
    cf.Slots[4].Text = "x^";
    cf.Slots[5].Text = std::string(EtiquetaInterpolacio);
    Finestra f;
    Calculador calc;
    AplicarFuncions(cf, calc, &f);
    EXPECT_EQ(f.titols, (std::vector<std::string>{"x", "x^", "INTERPOLACIÓ"}));
}

} // namespace
} // namespace tracima
