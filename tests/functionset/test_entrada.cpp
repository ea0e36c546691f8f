// The function dialogs' checks without widgets: the example lists, the data
// entry validation in its order (message, focused box, normalised boxes), the
// one-function test, the parameter steps and caption.
#include "functionset/EntradaDeDades.h"

#include <gtest/gtest.h>

#include <string>

namespace tracima {
namespace {

TEST(EntradaDeDades, ExampleLists) {
    const auto f = ExemplesFuncio();
    ASSERT_EQ(f.size(), 74u);
    EXPECT_EQ(f[0], "ax+b");
    EXPECT_EQ(f[34], "abs(x-2)");
    EXPECT_EQ(f[43], "1.273076sin(px/2)-0.636292sin(2px/2)+0.423922sin(3px/2)-0.317655sin(4px/2)"
                     "+0.253829sin(5px/2)-0,211224sin(6px/2)+0,180745sin(7px/2)-0,157844sin(8px/2)"
                     "+0,139995sin(9px/2)");
    EXPECT_EQ(f[44], "exp(x)");
    EXPECT_EQ(f[50], "sin(x)+cos(x)");
    EXPECT_EQ(f[71], "1-x+x^2-x^3+x^4-x^5+x^6-x^7+x^8-x^9");
    EXPECT_EQ(f[72], "30000/((2*p)^.5*.6)*exp(-(x-5.6)^2/2/.6^2)");
    EXPECT_EQ(f[73], "");
    const auto u = ExemplesUnaFuncio();
    ASSERT_EQ(u.size(), 73u);
    EXPECT_EQ(u[21], "cog(x)");
    EXPECT_EQ(u[71], " ");
    EXPECT_EQ(u[72], " ");
    EXPECT_EQ(ExemplesEix(CaixaUEX).size(), 16u);
    EXPECT_EQ(ExemplesEix(CaixaUEY)[0], "5");
}

TEST(EntradaDeDades, ValidationInOrder) {
    struct Cas {
        std::array<const char*, 6> eixos;
        std::array<const char*, 6> funcions;
        int missatge;
        const char* caixa;
        std::array<const char*, 6> normals; // the axis boxes afterwards
    } casos[] = {
        {{"-7,5", "1", "7,5", "-5", "1", "5"}, {"x^2-4", "", "INTERPOLACIÓ", "", "", ""}, 0, "",
         {"-7.5", "1", "7.5", "-5", "1", "5"}},
        // "2pi" is normalised although a later step fails.
        {{"-7,5", "1", "2pi", "-5", "1", "5"}, {"", "x^", "", "", "", ""}, 219, "EditG",
         {"-7.5", "1", "6.283186", "-5", "1", "5"}},
        // Only the first failure is reported: the axis before G(x).
        {{"-7,5", "1", "x)", "-5", "1", "5"}, {"", "x^", "", "", "", ""}, 209, "EditFEX",
         {"-7.5", "1", "x)", "-5", "1", "5"}},
        {{"3", "1", "3", "-5", "1", "5"}, {}, 210, "EditFEX", {"3", "1", "3", "-5", "1", "5"}},
        {{"1", "0", "0", "-5", "1", "5"}, {}, 210, "EditFEX", {"1", "0", "0", "-5", "1", "5"}},
        {{"-1", "0", "1", "-5", "1", "5"}, {}, 211, "EditUEX", {"-1", "0", "1", "-5", "1", "5"}},
        {{"-1", "-1", "1", "-5", "1", "5"}, {}, 211, "EditUEX", {"-1", "-1", "1", "-5", "1", "5"}},
        {{"-1", "1/0", "1", "-5", "1", "5"}, {}, 212, "EditUEX", {"-1", "1/0", "1", "-5", "1", "5"}},
        {{"?", "1", "1", "-5", "1", "5"}, {}, 208, "EditOEX", {"?", "1", "1", "-5", "1", "5"}},
        {{"0", "1", "1", "nan", "1", "5"}, {}, 213, "EditOEY", {"0", "1", "1", "nan", "1", "5"}},
        {{"0", "1", "1", "-5", "1", "inf"}, {}, 214, "EditFEY", {"0", "1", "1", "-5", "1", "inf"}},
        {{"0", "1", "1", "5", "1", "-5"}, {}, 215, "EditFEY", {"0", "1", "1", "5", "1", "-5"}},
        {{"0", "1", "1", "-5", "0", "5"}, {}, 216, "EditUEY",
         {"0", "1", "1", "-5", "0", "5"}},
        {{"0", "1", "1", "-5", "(", "5"}, {}, 217, "EditUEY", {"0", "1", "1", "-5", "(", "5"}},
        {{"0", "1", "1", "-5", "1", "5"}, {"", "", "", "", "", "sin"}, 223, "EditK",
         {"0", "1", "1", "-5", "1", "5"}},
        {{"0", "1", "1", "-5", "1", "5"}, {"\x01\xff\x80", "", "", "", "", ""}, 218, "EditF",
         {"0", "1", "1", "-5", "1", "5"}},
    };
    Parametres p;
    Calculador calc;
    for (const Cas& c : casos) {
        SCOPED_TRACE(std::string(c.eixos[2]) + " " + (c.funcions[0] ? c.funcions[0] : ""));
        CaixesEntrada caixes;
        for (int i = 0; i < 6; ++i) {
            caixes.eixos[i] = c.eixos[i];
            caixes.funcions[i] = c.funcions[i] ? c.funcions[i] : "";
        }
        const ValidacioEntrada v = ValidarEntrada(caixes, p, calc);
        EXPECT_EQ(v.missatge, c.missatge);
        EXPECT_EQ(v.caixa, c.caixa);
        for (int i = 0; i < 6; ++i) EXPECT_EQ(caixes.eixos[i], c.normals[i]) << i;
    }
    // A box of 10,000 characters is refused like any formula that does not compile.
    CaixesEntrada llarga = CaixesDelConjunt(ConjuntFuncions{});
    llarga.funcions[2] = std::string(10000, '1');
    EXPECT_EQ(ValidarEntrada(llarga, p, calc).missatge, 220);
}

TEST(EntradaDeDades, AcceptedBoxesIntoTheFunctionSet) {
    Parametres p;
    Calculador calc;
    CaixesEntrada caixes = CaixesDelConjunt(ConjuntFuncions{});
    caixes.eixos = {"-2pi", "pi/2", "2pi", "-1", "0.5", "1"};
    caixes.funcions[3] = "sin(x)";
    const ValidacioEntrada v = ValidarEntrada(caixes, p, calc);
    ASSERT_EQ(v.missatge, 0);
    ConjuntFuncions cf;
    AplicarEntrada(caixes, v, cf);
    EXPECT_EQ(cf.Eixos.XOrigen, -6.283186);
    EXPECT_EQ(cf.Eixos.XUnitat, 1.570796);
    EXPECT_EQ(cf.Eixos.YUnitat, 0.5);
    EXPECT_EQ(cf.Slots[3].Text, "sin(x)");
    EXPECT_EQ(CaixesDelConjunt(cf).eixos[0], "-6.283186");
    IniciarEixos(caixes);
    EXPECT_EQ(caixes.eixos, (std::array<std::string, 6>{"-7.5", "1", "7.5", "-5", "1", "5"}));
}

TEST(EntradaDeDades, OneFunctionParametersAndCaption) {
    Parametres p;
    Calculador calc;
    EXPECT_TRUE(FuncioAplicable("ax^2+bx+c", p, calc));
    EXPECT_TRUE(FuncioAplicable("INTERPOLACIÓ", p, calc));
    EXPECT_TRUE(FuncioAplicable("", p, calc));
    EXPECT_FALSE(FuncioAplicable("x^", p, calc));
    EXPECT_FALSE(FuncioAplicable(" ", p, calc));

    std::string text = "1";
    for (const char* esperat : {"1.5", "2", "2.5"}) {
        ASSERT_EQ(PasParametre(text, "0.5", true, p, calc, text), 0);
        EXPECT_EQ(text, esperat);
    }
    ASSERT_EQ(PasParametre("2*pi", "1", false, p, calc, text), 0);
    EXPECT_EQ(text, "5.283186");
    EXPECT_EQ(PasParametre("1", "x)", true, p, calc, text), 1);
    EXPECT_EQ(PasParametre("(", "1", true, p, calc, text), 1);

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
    EXPECT_EQ(TitolCanviDeParametres(cf, t), "");
}

} // namespace
} // namespace tracima
