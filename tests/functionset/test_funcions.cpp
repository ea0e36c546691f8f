// The function set: axes and the unit check, samples against the mathematics
// (rounding rule, band rule of the joined flag), numeric labels, command states.
#include "functionset/UnitVariables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

namespace tracima {
namespace {

ConjuntFuncions Aplicat(ConjuntFuncions cf) {
    Calculador calc;
    EXPECT_EQ(AplicarFuncions(cf, calc), 0);
    return cf;
}

ConjuntFuncions AmbF(const char* text) {
    ConjuntFuncions cf;
    cf.Slots[0].Text = text;
    return Aplicat(cf);
}

TEST(Eixos, UnitCheckStepsAndOrigins) {
    struct Cas {
        EixosFuncions entrada;
        double ux, uy, pasX, pasY, origenX, origenY;
    };
    const Cas casos[] = {
        {{}, 1, 1, 40, 40, 320, 220},                       // the default view
        {{0, 1000, 1, -5, 5, 1}, 10, 1, 6, 40, 20, 220},    // 600/1000 < 6: unit 10
        {{0, 100, 1, -5, 5, 1}, 1, 1, 6, 40, 20, 220},      // exactly 6 is kept
        {{-10, 10, 1, 0, 1000, 1}, 1, 10, 30, 4, 320, 420}, // 400/1000 < 4 on Y
        {{-10, 10, 1, -2, 3, 1}, 1, 1, 30, 80, 320, 260},
        {{5, 15, 1, -5, 5, 2}, 1, 2, 60, 80, -280, 220}, // zero left of the box
    };
    for (const Cas& c : casos) {
        ConjuntFuncions cf;
        cf.Eixos = c.entrada;
        const EixosFuncions e = Aplicat(cf).Eixos;
        EXPECT_EQ((std::vector{e.XUnitat, e.YUnitat, e.PasLogicX, e.PasLogicY, e.OrigenLogicX,
                               e.OrigenLogicY}),
                  (std::vector{c.ux, c.uy, c.pasX, c.pasY, c.origenX, c.origenY}));
    }
}

TEST(Eixos, InvalidAxesAreRefusedWithoutSampling) {
    const EixosFuncions dolents[] = {{1, 1, 1, -5, 5, 1},
                                     {-1, 1, 0, -5, 5, -1},
                                     {-1, 1, NAN, -5, 5, 1},
                                     {-1e308, 1e308, 1, -5, 5, 1},
                                     {1e307, 1.5e307, 1, -5, 5, 1}};
    for (const auto& e : dolents) {
        ConjuntFuncions cf;
        cf.Slots[0].Text = "X";
        cf.Eixos = e;
        Calculador calc;
        EXPECT_EQ(AplicarFuncions(cf, calc), 1);
        EXPECT_EQ(std::memcmp(&cf.Eixos, &e, sizeof e), 0) << "axes untouched";
        EXPECT_FALSE(cf.MostresColumna[0].Definida(320));
        EXPECT_FALSE(cf.Comandes.Activa(Comanda::MenuArrels));
        EXPECT_TRUE(cf.Comandes.TreureMarcaNomsPunts);
    }
}

// Default axes: column c is x = (c - 320) / 40, a value y has row 220 - 40 y.
TEST(Mostres, ValuesRowsAndFlags) {
    // Formula, column, defined, value, joined.
    const std::tuple<const char*, int, bool, double, bool> casos[] = {
        {"x^2", 400, true, 4, true},
        {"x^2", 20, true, 56.25, true},          // first of the run stays joined
        {"x^2", 21, true, 7.475 * 7.475, false}, // rows far above the band
        {"1/x", 320, false, 0, true},
        {"1/x", 319, true, -40, false}, // row 1820
        {"1/x", 321, true, 40, true},   // a new run after the gap
        {"1/x", 322, true, 20, false},
        {"1/x", 20, true, -0.133333, true}, // negative values: six decimals
        {"1/x", 620, true, 1 / 7.5, true},  // positive ones keep every digit
        {"x^", 300, false, 0, true},        // does not compile: no value anywhere
        // The rounding rule.
        {"0.0000004", 300, true, 0, true},
        {"-0.0000004", 300, true, 0, true},
        {"-2.1234567", 300, true, -2.123457, true},
        {"2.1234567", 300, true, 2.1234567, true},
        // The band: rows strictly between 0 and 440 are joined.
        {"5.5", 21, true, 5.5, false},   // row 0
        {"5.4", 21, true, 5.4, true},    // row 4
        {"-5.5", 21, true, -5.5, false}, // row 440
    };
    for (const auto& [formula, c, definida, valor, unida] : casos) {
        const ConjuntFuncions cf = AmbF(formula);
        const MostresFuncio& m = cf.MostresColumna[0];
        EXPECT_EQ(m.Definida(c), definida) << formula << " @" << c;
        EXPECT_EQ(m.Unida(c), unida) << formula << " @" << c;
        EXPECT_NEAR(m.Y(c), definida ? valor : 0, 1e-12) << formula << " @" << c;
        EXPECT_NEAR(m.Fila(c), definida ? 220 - 40 * valor : 0, 1e-9) << formula << " @" << c;
    }
    EXPECT_FALSE(std::signbit(AmbF("-0.0000004").MostresColumna[0].Y(300)));
}

TEST(Mostres, AbscissasAreDisplayRoundedAndParametersApply) {
    ConjuntFuncions cf;
    cf.Eixos = {0, 1, 0.1, -1, 1, 1};
    cf.Slots[2].Text = "a*x+b";
    cf.Parametres[0] = 3;
    cf.Parametres[1] = 2;
    // Column 21 is 1/600, sampled at 0.0016667.
    EXPECT_NEAR(Aplicat(cf).MostresColumna[2].Y(21), 3 * 0.0016667 + 2, 1e-12);
}

TEST(Mostres, NumericLabels) {
    ConjuntFuncions cf;
    FuncioNumerica& r = cf.Slots[1].Numerica;
    cf.Slots[1].Text = std::string(EtiquetesRegressio[1]);
    r.NombrePunts = 3;
    r.EquacioRegressio = "2*X+1";
    FuncioNumerica& l = cf.Slots[3].Numerica;
    cf.Slots[3].Text = std::string(EtiquetaInterpolacioLineal);
    l.NombrePunts = 3;
    l.InterpolacioLineal = true;
    l.ValorsX = {0, 1, 3};
    l.ValorsY = {0, 2, 2};
    ConjuntFuncions a = Aplicat(cf);
    EXPECT_NEAR(a.MostresColumna[1].Y(360), 3, 1e-12); // 2x + 1 at x = 1
    EXPECT_NEAR(a.MostresColumna[3].Y(340), 1, 1e-12); // x = 0.5
    EXPECT_NEAR(a.MostresColumna[3].Y(400), 2, 1e-12); // x = 2
    EXPECT_FALSE(a.MostresColumna[3].Definida(319));   // outside the table
    l.Extrapolar = true;
    EXPECT_NEAR(Aplicat(cf).MostresColumna[3].Y(280), -2, 1e-12); // x = -1
    // Fewer than two points, an equation that does not compile, x not increasing.
    r.EquacioRegressio = "";
    l.ValorsX[1] = 0;
    a = Aplicat(cf);
    EXPECT_FALSE(a.MostresColumna[1].Definida(360));
    EXPECT_FALSE(a.MostresColumna[3].Definida(340));
    r.EquacioRegressio = "X";
    r.NombrePunts = l.NombrePunts = 1;
    a = Aplicat(cf);
    EXPECT_FALSE(a.MostresColumna[1].Definida(360));
    EXPECT_FALSE(a.MostresColumna[3].Definida(320));
}

TEST(Comandes, FollowTheNumberAndKindOfDefinedFunctions) {
    const char* reg = "REGRESSIÓ QUADRÀTICA y = ax^2 + bx + c";
    struct Cas {
        std::vector<std::pair<int, const char*>> slots; // index 1..6, text
        int nombre, unica, segona;
        bool una, dues, equacio, nomsPunts, treureMarca;
    };
    const Cas casos[] = {
        {{}, 0, 0, 0, false, false, false, false, true},
        {{{1, "x^2-4"}}, 1, 1, 0, true, false, false, false, true},
        {{{6, "x^"}}, 1, 6, 0, true, false, false, false, true},
        {{{3, reg}}, 1, 3, 0, true, false, true, true, false},
        {{{2, "INTERPOLACIÓ LINEAL"}}, 1, 2, 0, true, false, false, true, false},
        {{{1, "INTERPOLACIÓN"}}, 1, 1, 0, true, false, false, true, false}, // Spanish title
        {{{1, "interpolació"}}, 1, 1, 0, true, false, false, false, true},  // exact match only
        {{{2, "x"}, {5, "x^2"}}, 2, 2, 5, false, true, false, false, true},
        {{{1, "x"}, {3, "x"}, {6, "x"}}, 3, 1, 3, false, false, false, false, true},
    };
    for (const Cas& c : casos) {
        ConjuntFuncions cf;
        for (const auto& [i, t] : c.slots)
            cf.Slots[static_cast<std::size_t>(i - 1)].Text = t;
        const ConjuntFuncions a = Aplicat(cf);
        EXPECT_EQ(a.NombreFuncions, c.nombre);
        EXPECT_EQ(a.FuncioUnica.Index, c.unica);
        EXPECT_EQ(a.SegonaFuncio.Index, c.segona);
        for (int i = 0; i < NombreComandesUnaFuncio; ++i)
            EXPECT_EQ(a.Comandes.Activa(static_cast<Comanda>(i)), c.una) << c.nombre;
        EXPECT_EQ(a.Comandes.Activa(Comanda::MenuTalls) + a.Comandes.Activa(Comanda::MenuArea),
                  2 * c.dues);
        EXPECT_EQ(a.Comandes.Activa(Comanda::MenuEquaciDeRegressio), c.equacio);
        EXPECT_EQ(a.Comandes.Activa(Comanda::MenuNomsPunts), c.nomsPunts);
        EXPECT_EQ(a.Comandes.TreureMarcaNomsPunts, c.treureMarca);
    }
}

TEST(Conjunt, CaptionPerSampledSlotAndResetKeepsParametersAndFit) {
    struct Finestra : FinestraFuncions {
        std::vector<std::string> titols;
        void FixarTitolFinestra(std::string_view t) override { titols.emplace_back(t); }
    } f;
    ConjuntFuncions cf;
    cf.Slots[1].Text = "x";
    cf.Slots[4].Text = "x^";
    cf.Slots[5].Text = "INTERPOLACIÓ";
    cf.Slots[5].Numerica.EquacioRegressio = "X";
    cf.Slots[5].Numerica.NombrePunts = 4;
    cf.Parametres[3] = 7;
    cf.Eixos.XFinal = 100;
    Calculador calc;
    AplicarFuncions(cf, calc, &f);
    EXPECT_EQ(f.titols, (std::vector<std::string>{"x", "x^", "INTERPOLACIÓ"}));
    ReiniciarConjunt(cf);
    const EixosFuncions defecte;
    EXPECT_EQ(std::memcmp(&cf.Eixos, &defecte, sizeof defecte), 0);
    EXPECT_EQ(cf.NombreFuncions, 0);
    EXPECT_TRUE(cf.Slots[5].Text.empty());
    EXPECT_EQ(cf.Slots[5].Numerica.NombrePunts, 0);
    EXPECT_EQ(cf.Slots[5].Numerica.EquacioRegressio, "X");
    EXPECT_EQ(cf.Parametres[3], 7);
}

} // namespace
} // namespace tracima
