// The numeric dialogs as models: the chooser's OK, the acceptance of both table
// dialogs (the record untouched on a refusal), the points-only switches, the axis
// suggestion with its rounding scale and question text, and the coefficients window.
#include "numeric/DialegsNumerics.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "TaulesProva.h"
#include "numeric/Coeficients.h"
#include "numeric/UnitCalcularRegressio.h"

namespace tracima {
namespace {

// A record that a refused dialog must leave exactly as it is.
FuncioNumerica RegistreAnterior() {
    FuncioNumerica f = Taula<FuncioNumerica>({{0.5, 1e-7}, {7, -2}});
    f.InterpolacioLineal = f.Extrapolar = true;
    f.TipusRegressio = 3;
    f.EquacioRegressio = "2 * (3)^x";
    f.CoeficientCorrelacio = 0.5;
    f.XMinim = 0.5;
    f.XMaxim = 7;
    f.ValorReservat = 9;
    return f;
}

TEST(Selector, LoadsTheChosenTableIntoTheDialogToOpen) {
    const FuncioNumerica registre = RegistreAnterior();
    EstatNumerica e;
    e.InterpolacioAcceptada = e.RegressioAcceptada = 1;
    DialegInterpolacio di;
    DialegRegressio dr;
    di.Graella.FixarText(300, ColumnaY, "vell");

    ASSERT_EQ(AcceptarSelector({3, false}, registre, e, di, dr), DialegDInterpolacio);
    EXPECT_EQ(e.FuncioTriada, 3);
    EXPECT_EQ(e.ValorReservat, 9);
    EXPECT_EQ(e.TaulaDeTreball.NombrePunts, 2);
    EXPECT_EQ(e.TaulaDeTreball.ValorsY[1], -2);
    EXPECT_EQ(di.Graella.TextCopiar(), "0.5\t0\r\n7\t-2\r\n"); // row 300 emptied
    EXPECT_EQ(di.Graella.Cursor(), (Cella{3, ColumnaX}));
    EXPECT_TRUE(di.Opcions.Lineal && !di.Opcions.MostrarPunts && di.Opcions.Extrapolar);
    // Both flags reset: a cancelled dialog never leads to the axis question.
    EXPECT_FALSE(CalPreguntarExtrems(e));

    e.InterpolacioAcceptada = 1;
    ASSERT_EQ(AcceptarSelector({6, true}, registre, e, di, dr), DialegDeRegressio);
    EXPECT_EQ(e.FuncioTriada, 6);
    EXPECT_EQ(dr.Model, 3);
    EXPECT_EQ(dr.Graella.Text(2, ColumnaX), "7");
    EXPECT_FALSE(CalPreguntarExtrems(e));

    FuncioNumerica danyat = registre;
    danyat.TipusRegressio = 9;
    ASSERT_EQ(AcceptarSelector({1, true}, danyat, e, di, dr), DialegDeRegressio);
    EXPECT_EQ(dr.Model, ModelLineal);

    e.RegressioAcceptada = 1;
    EXPECT_EQ(AcceptarSelector({7, true}, registre, e, di, dr), DialegCap);
    EXPECT_EQ(e.FuncioTriada, 1);
    EXPECT_EQ(e.RegressioAcceptada, 1);
}

std::array<double, 4> Extrems(const FuncioNumerica& f) {
    return {f.XMinim, f.XMaxim, f.YMinim, f.YMaxim};
}

TEST(DialegsTaula, AcceptanceStoresTheTableAndOnlyThatDialogsFields) {
    EstatNumerica e;
    e.ValorReservat = 4;
    e.TaulaDeTreball.ValorsX[3] = 100; // a leftover past the table: copied, not an extreme
    DialegInterpolacio di;
    di.Graella = Graella("1 2;2 1/4;5 -1");
    di.Opcions = {true, true, false, true};
    FuncioNumerica registre = RegistreAnterior();
    std::string etiqueta;
    ASSERT_TRUE(AcceptarInterpolacio(di, Parametres{}, e, registre, etiqueta).Acceptat());
    EXPECT_EQ(etiqueta, "INTERPOLACIÓ LINEAL");
    EXPECT_EQ(e.InterpolacioAcceptada, 1);
    EXPECT_EQ(registre.NombrePunts, 3);
    EXPECT_EQ(registre.ValorsY[1], 0.25);
    EXPECT_EQ(registre.ValorsX[3], 100);
    EXPECT_EQ(Extrems(registre), (std::array{1.0, 5.0, -1.0, 2.0}));
    EXPECT_EQ(registre.ValorReservat, 4);
    EXPECT_TRUE(registre.InterpolacioLineal && registre.MostrarPunts && !registre.Extrapolar);
    EXPECT_EQ(registre.EquacioRegressio, "2 * (3)^x"); // the regression fields stay
    EXPECT_EQ(registre.TipusRegressio, 3);
    di.Opcions.Lineal = false;
    ASSERT_TRUE(AcceptarInterpolacio(di, Parametres{}, e, registre, etiqueta).Acceptat());
    EXPECT_EQ(etiqueta, "INTERPOLACIÓ");

    DialegRegressio dr;
    dr.Graella = Graella("3 -3;2 1;1 5"); // decreasing x are accepted here
    registre.InterpolacioLineal = registre.Extrapolar = true;
    ASSERT_TRUE(AcceptarRegressio(dr, Parametres{}, e, registre, etiqueta).Acceptat());
    EXPECT_EQ(etiqueta, "REGRESSIÓ LINEAL y = ax + b");
    EXPECT_EQ(e.RegressioAcceptada, 1);
    EXPECT_EQ(registre.EquacioRegressio, "-4x + 9");
    EXPECT_EQ(registre.TipusRegressio, ModelLineal);
    EXPECT_DOUBLE_EQ(registre.CoeficientCorrelacio, -1);
    EXPECT_EQ(Extrems(registre), (std::array{1.0, 3.0, -3.0, 5.0}));
    // The interpolation options stay.
    EXPECT_TRUE(registre.InterpolacioLineal && registre.MostrarPunts && registre.Extrapolar);
}

TEST(DialegsTaula, RefusalsLeaveTheRecordAndTheLabelAlone) {
    struct Cas {
        int model; // 0: the interpolation dialog
        const char* files;
        int missatge;
        Cella cursor;
    };
    const Cas casos[] = {
        {0, "1 1;2 2;2 3", MissatgeXNoCreixent, {3, ColumnaX}},
        {ModelLineal, "1 1;2 4;;3 9", MissatgeCellesAillades, {4, ColumnaX}},
        {ModelExponencial, "1 1;2 0;3 9", MissatgeExponencialYPositiva, {2, ColumnaY}},
        {ModelLineal, "2 1;2 4;2 9", MissatgeRegressioLineal, {2, ColumnaY}}, // cursor kept
    };
    for (const Cas& c : casos) {
        SCOPED_TRACE(c.files);
        EstatNumerica e;
        FuncioNumerica registre = RegistreAnterior();
        std::string etiqueta = "x^2";
        DialegInterpolacio di;
        DialegRegressio dr;
        GraellaValors& g = c.model == 0 ? di.Graella : dr.Graella;
        g = Graella(c.files);
        g.FixarCursor({2, ColumnaY});
        dr.Model = c.model;
        const Refus r = c.model == 0 ? AcceptarInterpolacio(di, Parametres{}, e, registre, etiqueta)
                                     : AcceptarRegressio(dr, Parametres{}, e, registre, etiqueta);
        EXPECT_EQ(r.Missatge, c.missatge);
        EXPECT_EQ(r.Cursor, c.cursor);
        EXPECT_EQ(g.Cursor(), c.cursor);
        EXPECT_TRUE(registre == RegistreAnterior());
        EXPECT_EQ(etiqueta, "x^2");
        EXPECT_FALSE(CalPreguntarExtrems(e));
    }
}

TEST(NomesPunts, TheSwitchesFollowEachOther) {
    OpcionsInterpolacio o;
    bool menu = false;
    MarcarNomesPunts(o, true, menu);
    EXPECT_TRUE(o.NomesPunts && o.MostrarPunts && menu);
    MarcarMostrarPunts(o, false, menu);
    EXPECT_FALSE(o.NomesPunts || o.MostrarPunts || menu);
    FuncioNumerica f;
    CommutarMenuNomesPunts(menu, o, f);
    EXPECT_TRUE(menu && o.NomesPunts && o.MostrarPunts && f.MostrarPunts);
    CommutarMenuNomesPunts(menu, o, f);
    EXPECT_FALSE(menu || o.NomesPunts);
    EXPECT_TRUE(o.MostrarPunts && f.MostrarPunts);
}

TEST(EixosSuggerits, RoundingScale) {
    struct Cas {
        double (*f)(double);
        double v, esperat;
    };
    const Cas casos[] = {
        {ArrodonirAmunt, 7.3, 8},     {ArrodonirAmunt, 7, 8},          {ArrodonirAmunt, 95, 100},
        {ArrodonirAmunt, 9.8, 10},    {ArrodonirAmunt, 0.0042, 0.005}, {ArrodonirAmunt, 2e9, 2e9},
        {ArrodonirAmunt, 1e9, 1.1e9}, {ArrodonirAmunt, 5e-6, 5e-6},    {ArrodonirAvall, 7.3, 7},
        {ArrodonirAvall, 7, 6},       {ArrodonirAvall, 0.5, 0.4},      {ArrodonirAvall, 0.12, 0.1},
        {ArrodonirAvall, 1e9, 1e9},   {ArrodonirAvall, 1e-5, 1e-5},    {ArrodonirAvall, 0, 0},
    };
    for (const Cas& c : casos)
        EXPECT_DOUBLE_EQ(c.f(c.v), c.esperat) << c.v;
    EXPECT_EQ(PotenciaDeDeu(0), 1);
    EXPECT_EQ(PotenciaDeDeu(3), 1000);
    EXPECT_DOUBLE_EQ(PotenciaDeDeu(-2), 0.01);
}

TEST(EixosSuggerits, MarginsRoundingAndZero) {
    struct Cas {
        double lo, hi, origen, final;
    };
    const Cas casos[] = {
        // The origin comes to 0; a narrow band away from zero is kept; balanced either
        // way; the final comes to 0; all values equal.
        {1, 9, 0, 10},     {100, 101, 99.89, 101.1},
        {-1, 50, -12, 60}, {-50, 1, -60, 12},
        {-9, -1, -10, 0},  {3, 3, 2, 4},
        {-3, -3, -4, -2},  {0, 0, 0, 0},
    };
    for (const Cas& c : casos) {
        FuncioNumerica x, y; // each axis from its own extremes
        x.XMinim = y.YMinim = c.lo;
        x.XMaxim = y.YMaxim = c.hi;
        const ExtremsSuggerits sx = SuggerirExtremsEixos(x), sy = SuggerirExtremsEixos(y);
        EXPECT_DOUBLE_EQ(sx.OrigenX, c.origen) << c.lo << " " << c.hi;
        EXPECT_DOUBLE_EQ(sx.FinalX, c.final) << c.lo << " " << c.hi;
        EXPECT_DOUBLE_EQ(sy.OrigenY, c.origen) << c.lo << " " << c.hi;
        EXPECT_DOUBLE_EQ(sy.FinalY, c.final) << c.lo << " " << c.hi;
    }
}

TEST(EixosSuggerits, QuestionText) {
    TaulaMissatges textos;
    const ExtremsSuggerits s{0, 10, -1.5, 4};
    const std::string b12(12, ' ');
    EXPECT_EQ(TextPreguntaExtrems(s, textos),
              b12 + "Origen eix X = 0       Origen eix Y = -1.5" + b12 + "\n\r\n\r" + b12 +
                  "Final eix X = 10         Final eix Y = 4" + b12 + "\n\r");
    textos.CanviarLlengua(Llengua::Castella);
    EXPECT_EQ(TextPreguntaExtrems(s, textos),
              b12 + "Origen eje X = 0       Origen eje Y = -1.5" + b12 + "\n\r\n\r" + b12 +
                  "Final eje X    = 10         Final eje Y    = 4" + b12 + "\n\r");
    EXPECT_EQ(textos.Missatge(MissatgeModificarExtrems),
              "¿Deben modificarse los valores de los extremos de los ejes?");
}

TEST(Coeficients, ExactFitsErrorsAndModelsThatCannotBeFitted) {
    CoeficientsRegressio k;
    // Exact data of the models the copy text below does not show fitted exactly (its
    // exponential row has values worked out apart).
    for (const auto& [punts, model] : std::vector<std::pair<std::vector<Punt>, int>>{
             {{{-1, 6}, {0, 1}, {1, 0}, {2, 3}}, ModelQuadratic},
             {{{1, 0.5}, {3, 1}, {6, 4.0 / 3}}, ModelInvers}}) { // y = 2x/(3+x)
        CalcularCoeficients(Taula(punts), k);
        EXPECT_EQ(k.TextR(model), "1") << model;
        EXPECT_EQ(k.TextError(model), "0") << model;
    }
    // a = 0.8, b = 1.4: residues -0.4, 0.8, -1, 1.2, -0.6, so the error is 3.6 / 5.
    CalcularCoeficients(Taula({{0, 1}, {1, 3}, {2, 2}, {3, 5}, {4, 4}}), k);
    EXPECT_EQ(k.TextR(ModelLineal), "0.8");
    EXPECT_EQ(k.TextError(ModelLineal), "0.72");

    struct Cas {
        std::vector<Punt> punts;
        const char* ajustats; // "1" where model m (position m - 1) has values
    };
    const Cas casos[] = {
        {{{1, 2}, {2, -1}, {3, 5}}, "11001"},  // a negative y
        {{{1, 2}, {2, 0}, {3, 5}}, "11000"},   // a zero y
        {{{2, 1}, {2, 3}, {2, 5}}, "00000"},   // all x equal
        {{{1, 0.5}, {2, 1}, {4, 2}}, "11110"}, // on y = x/2, through the origin
        {{{0, 1}, {0.01, std::exp(1.0)}, {0.02, std::exp(2.0)}}, "11000"}, // b = e^100
    };
    for (const Cas& c : casos) {
        CalcularCoeficients(Taula(c.punts), k);
        for (int m = 1; m <= 5; ++m) {
            const bool ajustat = c.ajustats[m - 1] == '1';
            EXPECT_EQ(k.TextR(m) != "NO", ajustat) << c.ajustats << " model " << m;
            EXPECT_EQ(k.TextError(m) != "NO", ajustat) << c.ajustats << " model " << m;
        }
    }
}

TEST(Coeficients, CopyTextOfASmallTable) {
    CoeficientsRegressio k;
    CalcularCoeficients(Taula({{1, 2}, {2, 4}, {3, 6}}), k);
    TaulaMissatges textos;
    // ln y against x: R 0.988764 and error 0.076757 (worked out apart); 1/y = 0.5/x
    // has no intercept, so the inverse model cannot be fitted.
    EXPECT_EQ(TextCopiarCoeficients(k, textos), "X mínim:\t1\r\n"
                                                "X màxim:\t3\r\n"
                                                "Y mímim:\t2\r\n"
                                                "Y màxim:\t6\r\n"
                                                "\r\n"
                                                "Mitjana aritmètica X:\t2\r\n"
                                                "Mitjana aritmètica Y:\t4\r\n"
                                                "\r\n"
                                                "Desviació tipus X:\t0.816497\r\n"
                                                "Desviació tipus Y:\t1.632993\r\n"
                                                "\r\n"
                                                "Covariància: 1.333333\r\n"
                                                "\r\n"
                                                "\tCoef. Correl. (R) ;\tERROR MEDIO\r\n"
                                                "ax+b ->\t1\t0\r\n"
                                                "ax^2+bx+c ->\t1\t0\r\n"
                                                "a.b^x ->\t0.988764\t0.076757\r\n"
                                                "a.x^b ->\t1\t0\r\n"
                                                "ax/(b+x) ->\tNO\tNO\r\n");
    textos.CanviarLlengua(Llengua::Castella);
    const std::string es = TextCopiarCoeficients(k, textos);
    EXPECT_EQ(es.substr(0, es.find("\r\n")), "X mínimo:\t1");
    EXPECT_NE(es.find("\r\nCovariancia: 1.333333\r\n"), std::string::npos);
}

TEST(Coeficients, ReadsTheGridIntoTheWorkingTable) {
    DialegRegressio d;
    EstatNumerica e;
    CoeficientsRegressio k;
    d.Graella = Graella("1 2;2 4");
    EXPECT_EQ(ObrirCoeficients(d, Parametres{}, e, k).Missatge, MissatgeMinimTresParells);
    EXPECT_EQ(d.Graella.Cursor(), (Cella{1, ColumnaX}));
    EXPECT_EQ(e.TaulaDeTreball.NombrePunts, 0);
    d.Graella = Graella("1 2;2 4;3 6");
    ASSERT_TRUE(ObrirCoeficients(d, Parametres{}, e, k).Acceptat());
    EXPECT_EQ(e.TaulaDeTreball.NombrePunts, 3);
    EXPECT_EQ(k.TextR(ModelLineal), "1");
}

} // namespace
} // namespace tracima
