// The function set's reset, the defined-function bookkeeping and the command
// availability that AplicarFuncions leaves for the window.
#include "functionset/UnitVariables.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace tracima {
namespace {

using Textos = std::array<const char*, 6>;

struct CasComandes {
    const char* nom;
    Textos textos;
    int nombre;
    int unica, segona; // 1..6, 0 none
    bool unaFuncio, dues, equacio, nomsPunts, treureMarca;
};

class Disponibilitat : public ::testing::TestWithParam<CasComandes> {};

TEST_P(Disponibilitat, FollowsTheNumberAndKindOfDefinedFunctions) {
    const CasComandes& c = GetParam();
    ConjuntFuncions cf;
    for (int i = 0; i < 6; ++i)
        cf.Slots[static_cast<std::size_t>(i)].Text = c.textos[static_cast<std::size_t>(i)];
    Calculador calc;
    ASSERT_EQ(AplicarFuncions(cf, calc), 0);
    EXPECT_EQ(cf.NombreFuncions, c.nombre);
    EXPECT_EQ(cf.FuncioUnica.Index, c.unica);
    EXPECT_EQ(cf.SegonaFuncio.Index, c.segona);
    if (c.unica) {
        EXPECT_EQ(cf.FuncioUnica.Text, c.textos[static_cast<std::size_t>(c.unica - 1)]);
    }
    if (c.segona) {
        EXPECT_EQ(cf.SegonaFuncio.Text, c.textos[static_cast<std::size_t>(c.segona - 1)]);
    }
    for (int i = 0; i < NombreComandesUnaFuncio; ++i)
        EXPECT_EQ(cf.Comandes.Activa(static_cast<Comanda>(i)), c.unaFuncio)
            << NomComanda(static_cast<Comanda>(i));
    EXPECT_EQ(cf.Comandes.Activa(Comanda::MenuTalls), c.dues);
    EXPECT_EQ(cf.Comandes.Activa(Comanda::MenuArea), c.dues);
    EXPECT_EQ(cf.Comandes.Activa(Comanda::MenuEquaciDeRegressio), c.equacio);
    EXPECT_EQ(cf.Comandes.Activa(Comanda::MenuNomsPunts), c.nomsPunts);
    EXPECT_EQ(cf.Comandes.TreureMarcaNomsPunts, c.treureMarca);
}

constexpr const char* regressio = "REGRESSIÓ QUADRÀTICA y = ax^2 + bx + c";

INSTANTIATE_TEST_SUITE_P(
    Casos, Disponibilitat,
    ::testing::Values(
        CasComandes{"Cap", {"", "", "", "", "", ""}, 0, 0, 0, false, false, false, false, true},
        CasComandes{
            "UnaFormula", {"x^2-4", "", "", "", "", ""}, 1, 1, 0, true, false, false, false, true},
        // A formula that does not compile still counts as defined.
        CasComandes{
            "FormulaErronia", {"", "", "", "", "", "x^"}, 1, 6, 0, true, false, false, false, true},
        CasComandes{
            "Regressio", {"", "", regressio, "", "", ""}, 1, 3, 0, true, false, true, true, false},
        CasComandes{"Interpolacio",
                    {"INTERPOLACIÓ", "", "", "", "", ""},
                    1,
                    1,
                    0,
                    true,
                    false,
                    false,
                    true,
                    false},
        CasComandes{"InterpolacioLineal",
                    {"", "INTERPOLACIÓ LINEAL", "", "", "", ""},
                    1,
                    2,
                    0,
                    true,
                    false,
                    false,
                    true,
                    false},
        // The Spanish titles count as interpolation for the menus only.
        CasComandes{"InterpolacioCastella",
                    {"INTERPOLACIÓN", "", "", "", "", ""},
                    1,
                    1,
                    0,
                    true,
                    false,
                    false,
                    true,
                    false},
        CasComandes{"InterpolacioLinealCastella",
                    {"INTERPOLACIÓN LINEAL", "", "", "", "", ""},
                    1,
                    1,
                    0,
                    true,
                    false,
                    false,
                    true,
                    false},
        // Labels compare exactly: a lower-case label is a formula.
        CasComandes{"EtiquetaMinuscules",
                    {"interpolació", "", "", "", "", ""},
                    1,
                    1,
                    0,
                    true,
                    false,
                    false,
                    false,
                    true},
        CasComandes{
            "DuesGiJ", {"", "x", "", "", "x^2", ""}, 2, 2, 5, false, true, false, false, true},
        CasComandes{"DuesAmbRegressio",
                    {regressio, "x", "", "", "", ""},
                    2,
                    1,
                    2,
                    false,
                    true,
                    false,
                    false,
                    true},
        CasComandes{"Tres", {"x", "", "x", "", "", "x"}, 3, 1, 3, false, false, false, false, true},
        CasComandes{
            "Sis", {"1", "2", "3", "4", "5", "6"}, 6, 1, 2, false, false, false, false, true}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Disponibilitat, AllCommandsAreDisabledBeforeTheFirstApplication) {
    const ConjuntFuncions cf;
    for (int i = 0; i < NombreComandes; ++i)
        EXPECT_FALSE(cf.Comandes.Activa(static_cast<Comanda>(i)));
}

TEST(Disponibilitat, AFormulaAfterAnInterpolationAsksToClearTheCheck) {
    ConjuntFuncions cf;
    Calculador calc;
    cf.Slots[0].Text = "INTERPOLACIÓ";
    AplicarFuncions(cf, calc);
    EXPECT_TRUE(cf.Comandes.Activa(Comanda::MenuNomsPunts));
    EXPECT_FALSE(cf.Comandes.TreureMarcaNomsPunts);
    cf.Slots[0].Text = "x";
    AplicarFuncions(cf, calc);
    EXPECT_FALSE(cf.Comandes.Activa(Comanda::MenuNomsPunts));
    EXPECT_TRUE(cf.Comandes.TreureMarcaNomsPunts);
}

TEST(Disponibilitat, ComponentNames) {
    EXPECT_EQ(NomComanda(Comanda::MenuImatge), "MenuImatge");
    EXPECT_EQ(NomComanda(Comanda::MenuFuncioIntegral), "MenuFuncioIntegral");
    EXPECT_EQ(static_cast<int>(Comanda::MenuFuncioIntegral), NombreComandesUnaFuncio - 1);
    EXPECT_EQ(NomComanda(Comanda::MenuTalls), "MenuTalls");
    EXPECT_EQ(NomComanda(Comanda::MenuNomsPunts), "MenuNomsPunts");
    EXPECT_EQ(NomComanda(static_cast<Comanda>(NombreComandes)), "");
    EXPECT_EQ(NomComanda(static_cast<Comanda>(-1)), "");
}

TEST(Conjunt, ResetRestoresDefaultsButKeepsParametersAndTheFit) {
    ConjuntFuncions cf;
    Calculador calc;
    cf.Eixos = {0, 1000, 1, 0, 10, 2};
    cf.Parametres[3] = 7;
    for (auto& s : cf.Slots) {
        s.Text = "REGRESSIÓ LINEAL y = ax + b";
        s.Numerica.NombrePunts = 5;
        s.Numerica.ValorsX[4] = 9;
        s.Numerica.Extrapolar = s.Numerica.MostrarPunts = s.Numerica.InterpolacioLineal = true;
        s.Numerica.TipusRegressio = 4;
        s.Numerica.ValorReservat = 3;
        s.Numerica.EquacioRegressio = "X";
        s.Numerica.CoeficientCorrelacio = 0.5;
    }
    AplicarFuncions(cf, calc);
    ReiniciarConjunt(cf);
    EXPECT_EQ(cf.Eixos.XOrigen, -7.5);
    EXPECT_EQ(cf.Eixos.YFinal, 5);
    EXPECT_EQ(cf.Eixos.XUnitat, 1);
    EXPECT_EQ(cf.Eixos.PasLogicX, 40);
    EXPECT_EQ(cf.Eixos.PasLogicY, 40);
    EXPECT_EQ(cf.Eixos.OrigenLogicY, 220);
    EXPECT_EQ(cf.NombreFuncions, 0);
    EXPECT_FALSE(cf.FuncioUnica.Existeix());
    EXPECT_EQ(cf.FuncioUnica.Slot(), -1);
    EXPECT_EQ(cf.Parametres[3], 7);
    for (std::size_t i = 0; i < cf.Slots.size(); ++i) {
        const SlotFuncio& s = cf.Slots[i];
        EXPECT_TRUE(s.Text.empty());
        EXPECT_EQ(s.Numerica.NombrePunts, 0);
        EXPECT_EQ(s.Numerica.ValorsX[4], 0);
        EXPECT_FALSE(s.Numerica.Extrapolar || s.Numerica.MostrarPunts ||
                     s.Numerica.InterpolacioLineal);
        EXPECT_EQ(s.Numerica.TipusRegressio, 1);
        EXPECT_EQ(s.Numerica.ValorReservat, 1);
        EXPECT_EQ(s.Numerica.EquacioRegressio, "X");
        EXPECT_EQ(s.Numerica.CoeficientCorrelacio, 0.5);
        EXPECT_TRUE(cf.MostresColumna[i].Definida(300));
        EXPECT_EQ(cf.MostresColumna[i].Y(300), 0);
    }
}

} // namespace
} // namespace tracima
