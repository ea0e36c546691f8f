// The function set (axes, samples with their rounding and joined rules, numeric labels,
// commands) and its dialogs' checks: data entry in order, one function, parameters.
#include "engine/UnitTools.h"
#include "functionset/EntradaDeDades.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <sstream>
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

// Texts in slots 1..6 (F..K), applied.
ConjuntFuncions Amb(const std::vector<std::pair<int, const char*>>& slots, EixosFuncions e = {}) {
    ConjuntFuncions cf;
    for (const auto& [i, t] : slots) cf.Slots[static_cast<std::size_t>(i - 1)].Text = t;
    cf.Eixos = e;
    return Aplicat(cf);
}

TEST(Eixos, UnitCheckStepsAndOrigins) {
    const struct { EixosFuncions entrada; double ux, uy, pasX, pasY, origenX, origenY; } casos[] = {
        {{}, 1, 1, 40, 40, 320, 220},                       // the default view
        {{0, 1000, 1, -5, 5, 1}, 10, 1, 6, 40, 20, 220},    // 600/1000 < 6: unit 10
        {{0, 100, 1, -5, 5, 1}, 1, 1, 6, 40, 20, 220},      // exactly 6 is kept
        {{-10, 10, 1, 0, 1000, 1}, 1, 10, 30, 4, 320, 420}, // 400/1000 < 4 on Y
        {{-10, 10, 1, -2, 3, 1}, 1, 1, 30, 80, 320, 260},
        {{5, 15, 1, -5, 5, 2}, 1, 2, 60, 80, -280, 220}, // zero left of the box
    };
    for (const auto& c : casos) {
        const EixosFuncions e = Amb({}, c.entrada).Eixos;
        EXPECT_EQ((std::vector{e.XUnitat, e.YUnitat, e.PasLogicX, e.PasLogicY, e.OrigenLogicX,
                               e.OrigenLogicY}),
                  (std::vector{c.ux, c.uy, c.pasX, c.pasY, c.origenX, c.origenY}));
    }
    // Axes that are not valid are refused untouched, and nothing is sampled.
    const EixosFuncions dolents[] = {{1, 1, 1, -5, 5, 1},         {-1, 1, 0, -5, 5, -1},
                                     {-1, 1, NAN, -5, 5, 1},      {-1e308, 1e308, 1, -5, 5, 1},
                                     {1e307, 1.5e307, 1, -5, 5, 1}};
    for (const auto& e : dolents) {
        ConjuntFuncions cf;
        cf.Slots[0].Text = "X";
        cf.Eixos = e;
        Calculador calc;
        EXPECT_EQ(AplicarFuncions(cf, calc), 1);
        EXPECT_EQ(std::memcmp(&cf.Eixos, &e, sizeof e), 0) << "axes untouched";
        EXPECT_EQ(std::tuple(cf.MostresColumna[0].Definida(320),
                             cf.Comandes.Activa(Comanda::MenuArrels),
                             cf.Comandes.TreureMarcaNomsPunts),
                  std::tuple(false, false, true));
    }
}

// Default axes: column c is x = (c - 320) / 40, a value y has row 220 - 40 y.
TEST(Mostres, ValuesRowsAndFlags) {
    // Formula, column, defined, value, joined.
    const std::tuple<const char*, int, bool, double, bool> casos[] = {
        // The first of a run stays joined; rows far above the band are not; 1/x at 319 is on
        // row 1820, at 321 it starts a new run after the gap; x^ has no value anywhere.
        {"x^2", 400, true, 4, true},       {"x^2", 20, true, 56.25, true},
        {"x^2", 21, true, 7.475 * 7.475, false}, {"1/x", 320, false, 0, true},
        {"1/x", 319, true, -40, false},    {"1/x", 321, true, 40, true},
        {"1/x", 322, true, 20, false},     {"x^", 300, false, 0, true},
        // The rounding rule: negative values to six decimals, positive ones keep every digit.
        {"0.0000004", 300, true, 0, true}, {"-0.0000004", 300, true, 0, true},
        {"-2.1234567", 300, true, -2.123457, true}, {"2.1234567", 300, true, 2.1234567, true},
        // The band: rows strictly between 0 and 440 are joined (rows 0, 4 and 440).
        {"5.5", 21, true, 5.5, false},     {"5.4", 21, true, 5.4, true},
        {"-5.5", 21, true, -5.5, false}};
    for (const auto& [formula, c, definida, valor, unida] : casos) {
        SCOPED_TRACE(testing::Message() << formula << " @" << c);
        const ConjuntFuncions cf = Amb({{1, formula}});
        const MostresFuncio& m = cf.MostresColumna[0];
        EXPECT_EQ(std::tuple(m.Definida(c), m.Unida(c)), std::tuple(definida, unida));
        EXPECT_NEAR(m.Y(c), definida ? valor : 0, 1e-12);
        EXPECT_NEAR(m.Fila(c), definida ? 220 - 40 * valor : 0, 1e-9);
    }
    EXPECT_FALSE(std::signbit(Amb({{1, "-0.0000004"}}).MostresColumna[0].Y(300)));
    // Column 21 of 0..1 is x = 1/600, sampled at 0.0016667.
    EXPECT_NEAR(Amb({{3, "3x+2"}}, {0, 1, 0.1, -1, 1, 1}).MostresColumna[2].Y(21),
                3 * 0.0016667 + 2, 1e-12);
}

TEST(Mostres, NumericLabels) {
    ConjuntFuncions cf;
    cf.Slots[1].Text = std::string(EtiquetesRegressio[1]);
    cf.Slots[3].Text = std::string(EtiquetaInterpolacioLineal);
    FuncioNumerica &r = cf.Slots[1].Numerica, &l = cf.Slots[3].Numerica;
    r.NombrePunts = l.NombrePunts = 3;
    r.EquacioRegressio = "2*X+1";
    l.InterpolacioLineal = true;
    l.ValorsX = {0, 1, 3};
    l.ValorsY = {0, 2, 2};
    // 2x + 1 at x = 1; the segments at x = 0.5 and 2; nothing outside the table.
    ConjuntFuncions a = Aplicat(cf);
    EXPECT_EQ(std::tuple(a.MostresColumna[1].Y(360), a.MostresColumna[3].Y(340),
                         a.MostresColumna[3].Y(400), a.MostresColumna[3].Definida(319)),
              std::tuple(3.0, 1.0, 2.0, false));
    l.Extrapolar = true;
    EXPECT_NEAR(Aplicat(cf).MostresColumna[3].Y(280), -2, 1e-12); // x = -1
    // An equation that does not compile, x not increasing, fewer than two points.
    r.EquacioRegressio = "";
    l.ValorsX[1] = 0;
    a = Aplicat(cf);
    EXPECT_FALSE(a.MostresColumna[1].Definida(360) || a.MostresColumna[3].Definida(340));
    r.EquacioRegressio = "X";
    r.NombrePunts = l.NombrePunts = 1;
    a = Aplicat(cf);
    EXPECT_FALSE(a.MostresColumna[1].Definida(360) || a.MostresColumna[3].Definida(320));
}

TEST(Comandes, FollowTheNumberAndKindOfDefinedFunctions) {
    const char* reg = "REGRESSIÓ QUADRÀTICA y = ax^2 + bx + c";
    // Slots 1..6 with their texts; the number of functions, the single and the second one;
    // enabled: one-function commands, two-function commands, the equation, point names
    // (whose check mark is removed whenever they are not).
    const std::tuple<std::vector<std::pair<int, const char*>>, int, int, int, bool, bool, bool,
                     bool>
        casos[] = {
        {{}, 0, 0, 0, false, false, false, false},
        {{{1, "x^2-4"}}, 1, 1, 0, true, false, false, false},
        {{{6, "x^"}}, 1, 6, 0, true, false, false, false},
        {{{3, reg}}, 1, 3, 0, true, false, true, true},
        {{{2, "INTERPOLACIÓ LINEAL"}}, 1, 2, 0, true, false, false, true},
        {{{1, "INTERPOLACIÓN"}}, 1, 1, 0, true, false, false, true}, // Spanish title
        {{{1, "interpolació"}}, 1, 1, 0, true, false, false, false},  // exact match only
        {{{2, "x"}, {5, "x^2"}}, 2, 2, 5, false, true, false, false},
        {{{1, "x"}, {3, "x"}, {6, "x"}}, 3, 1, 3, false, false, false, false}};
    for (const auto& [slots, nombre, unica, segona, una, dues, equacio, noms] : casos) {
        const ConjuntFuncions a = Amb(slots);
        const DisponibilitatComandes& k = a.Comandes;
        EXPECT_EQ(std::tuple(a.NombreFuncions, a.FuncioUnica.Index, a.SegonaFuncio.Index),
                  std::tuple(nombre, unica, segona));
        for (int i = 0; i < NombreComandesUnaFuncio; ++i)
            EXPECT_EQ(k.Activa(static_cast<Comanda>(i)), una) << nombre;
        EXPECT_EQ(std::tuple(k.Activa(Comanda::MenuTalls), k.Activa(Comanda::MenuArea),
                             k.Activa(Comanda::MenuEquaciDeRegressio),
                             k.Activa(Comanda::MenuNomsPunts), k.TreureMarcaNomsPunts),
                  std::tuple(dues, dues, equacio, noms, !noms));
    }
}

TEST(Conjunt, CaptionPerSampledSlotAndResetKeepsParametersAndFit) {
    struct Finestra : FinestraFuncions {
        std::vector<std::string> titols;
        void FixarTitolFinestra(std::string_view t) override { titols.emplace_back(t); }
    } f;
    ConjuntFuncions cf;
    cf.Slots[1].Text = "dx";
    cf.Slots[4].Text = "x^";
    cf.Slots[5].Text = "INTERPOLACIÓ";
    cf.Slots[5].Numerica.EquacioRegressio = "X";
    cf.Slots[5].Numerica.NombrePunts = 4;
    cf.Parametres[3] = 7;
    cf.Eixos.YFinal = 100;
    Calculador calc;
    AplicarFuncions(cf, calc, &f);
    EXPECT_EQ(f.titols, (std::vector<std::string>{"dx", "x^", "INTERPOLACIÓ"}));
    EXPECT_EQ(cf.MostresColumna[1].Y(360), 7); // the parameters apply: D = 7 at x = 1
    ReiniciarConjunt(cf);
    const EixosFuncions defecte;
    EXPECT_EQ(std::memcmp(&cf.Eixos, &defecte, sizeof defecte), 0);
    const FuncioNumerica& n = cf.Slots[5].Numerica;
    EXPECT_EQ(std::tuple(cf.NombreFuncions, cf.Slots[5].Text, n.NombrePunts, n.EquacioRegressio,
                         cf.Parametres[3]),
              std::tuple(0, "", 0, "X", 7.0));
}

// Six texts separated by `sep` ("a;;b" fills the first and the third).
std::array<std::string, 6> Sis(std::string_view s, char sep) {
    std::array<std::string, 6> r;
    std::istringstream in{std::string(s)};
    for (std::string& t : r) std::getline(in, t, sep);
    return r;
}

TEST(EntradaDeDades, ExampleLists) {
    const auto f = ExemplesFuncio();
    const auto u = ExemplesUnaFuncio();
    ASSERT_EQ(std::tuple(f.size(), u.size(), ExemplesEix(CaixaUEX).size()),
              std::tuple(74u, 73u, 16u));
    EXPECT_EQ(std::tuple(f[0], f[73], u[21], u[71], u[72], ExemplesEix(CaixaUEY)[0]),
              std::tuple("ax+b", "", "cog(x)", " ", " ", "5"));
}

TEST(EntradaDeDades, ValidationInOrder) {
    // Axis boxes, function boxes F..K separated by ';', message, focused box, and the axis
    // boxes afterwards if they changed.
    const struct { const char* eixos; std::string funcions; int missatge; const char* caixa;
                   const char* normals = nullptr;
    } casos[] = {{"-7,5 1 7,5 -5 1 5", "x^2-4;;INTERPOLACIÓ", 0, "", "-7.5 1 7.5 -5 1 5"},
                 // "2pi" is normalised although a later step fails.
                 {"-7,5 1 2pi -5 1 5", ";x^", 219, "EditG", "-7.5 1 6.283186 -5 1 5"},
                 // Only the first failure is reported: the axis before G(x).
                 {"-7,5 1 x) -5 1 5", ";x^", 209, "EditFEX", "-7.5 1 x) -5 1 5"},
                 {"3 1 3 -5 1 5", "", 210, "EditFEX"},
                 {"1 0 0 -5 1 5", "", 210, "EditFEX"},
                 {"-1 0 1 -5 1 5", "", 211, "EditUEX"},
                 {"-1 -1 1 -5 1 5", "", 211, "EditUEX"},
                 {"-1 1/0 1 -5 1 5", "", 212, "EditUEX"},
                 {"? 1 1 -5 1 5", "", 208, "EditOEX"},
                 {"0 1 1 nan 1 5", "", 213, "EditOEY"},
                 {"0 1 1 -5 1 inf", "", 214, "EditFEY"},
                 {"0 1 1 5 1 -5", "", 215, "EditFEY"},
                 {"0 1 1 -5 0 5", "", 216, "EditUEY"},
                 {"0 1 1 -5 ( 5", "", 217, "EditUEY"},
                 {"0 1 1 -5 1 5", ";;;;;sin", 223, "EditK"},
                 {"0 1 1 -5 1 5", "\x01\xff\x80", 218, "EditF"},
                 // Kept with six decimals, the final becomes the origin and the unit 0: refused.
                 {"0 1 0.0000001 -5 1 5", "", 210, "EditFEX", "0 1 0 -5 1 5"},
                 {"0 0.0000001 1 -5 1 5", "", 211, "EditUEX"},
                 // A box of 10,000 characters is refused like any formula that does not compile.
                 {"0 1 1 -5 1 5", ";;" + std::string(10000, '1'), 220, "EditH"}};
    Parametres p;
    Calculador calc;
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.eixos) + " " + c.funcions.substr(0, 20));
        CaixesEntrada caixes{Sis(c.eixos, ' '), Sis(c.funcions, ';')};
        const ValidacioEntrada v = ValidarEntrada(caixes, p, calc);
        EXPECT_EQ(std::tuple(v.missatge, v.caixa, caixes.eixos),
                  std::tuple(c.missatge, c.caixa, Sis(c.normals ? c.normals : c.eixos, ' ')));
    }
    // Accepted boxes go into the function set; "reset axes" rewrites only the axis boxes.
    CaixesEntrada caixes = CaixesDelConjunt(ConjuntFuncions{});
    caixes.eixos = {"-2pi", "pi/2", "2pi", "-1", "0.5", "1"};
    caixes.funcions[3] = "sin(x)";
    const ValidacioEntrada v = ValidarEntrada(caixes, p, calc);
    ASSERT_EQ(v.missatge, 0);
    ConjuntFuncions cf;
    AplicarEntrada(caixes, v, cf);
    EXPECT_EQ(std::tuple(cf.Eixos.XOrigen, cf.Eixos.XUnitat, cf.Eixos.YUnitat, cf.Slots[3].Text,
                         CaixesDelConjunt(cf).eixos[0]),
              std::tuple(-6.283186, 1.570796, 0.5, "sin(x)", "-6.283186"));
    IniciarEixos(caixes);
    EXPECT_EQ(std::tuple(caixes.eixos, caixes.funcions[3]),
              std::tuple(Sis("-7.5 1 7.5 -5 1 5", ' '), "sin(x)"));
    // What the program writes into a box reads back as the same number ("1E15" would
    // read as 1·E·15), from 1e-6 to 1e15 on either side of 0.
    for (const double v : {1e-6, 0.000123, 7.25, 123456.789, 1e9, 123456789012.5, 1e15})
        for (const double x : {v, -v}) {
            cf.Eixos.XOrigen = x;
            double llegit = 0;
            ASSERT_EQ(calc.CalcularExpressio(CaixesDelConjunt(cf).eixos[0], p, llegit), 0);
            EXPECT_EQ(llegit, ArrodonirComText(x)) << x;
        }
}

TEST(EntradaDeDades, OneFunctionParametersAndCaption) {
    Parametres p;
    Calculador calc;
    for (const char* text : {"ax^2+bx+c", "INTERPOLACIÓ", ""})
        EXPECT_TRUE(FuncioAplicable(text, p, calc)) << text;
    EXPECT_FALSE(FuncioAplicable("x^", p, calc) || FuncioAplicable(" ", p, calc));
    std::string text = "1";
    for (const char* esperat : {"1.5", "2", "2.5"}) {
        ASSERT_EQ(PasParametre(text, "0.5", true, p, calc, text), 0);
        EXPECT_EQ(text, esperat);
    }
    ASSERT_EQ(PasParametre("2*pi", "1", false, p, calc, text), 0);
    EXPECT_EQ(text, "5.283186");
    std::string petit, gran;
    PasParametre("0", "0.000001", true, p, calc, petit);
    PasParametre("1000000000000000", "1", true, p, calc, gran);
    EXPECT_EQ(petit + " " + gran, "0.000001 1000000000000000");
    EXPECT_EQ(std::pair(PasParametre("1", "x)", true, p, calc, text),
                        PasParametre("(", "1", true, p, calc, text)), std::pair(1, 1));
    // The parameter dialog's caption names the single function, with the values written in.
    ConjuntFuncions cf;
    TaulaMissatges t;
    cf.Slots[2].Text = "ax^2";
    cf.Parametres[0] = -2;
    ComptarFuncions(cf);
    EXPECT_EQ(TitolCanviDeParametres(cf, t), "Canvi de paràmetres - f(x) = (-2)X^2");
    t.CanviarLlengua(Llengua::Castella);
    EXPECT_EQ(TitolCanviDeParametres(cf, t), "Cambio de parámetros - f(x) = (-2)X^2");
    cf.Slots[4].Text = "x";
    ComptarFuncions(cf);
    EXPECT_EQ(TitolCanviDeParametres(cf, t), "Cambio de parámetros");
}

} // namespace
} // namespace tracima
