// Integrals, area and the integral function against values known in closed form.
#include "Bastida.h"

#include "analysis/Integrals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace tracima::prova {
namespace {

struct CasIntegral {
    const char* nom;
    int analisi;
    F f, g;
    double a, b, esperat, tolerancia;
};

class Integral : public ::testing::TestWithParam<CasIntegral> {};

TEST_P(Integral, ValorConegut) {
    const auto& cas = GetParam();
    Banc b(cas.f);
    const MostresFuncio segona = Mostrejar(b.eixos, cas.g ? cas.g : u);
    b.resultats.AnalisiActiva = cas.analisi;
    CalculIntegral calcul(b.Context(), &segona);
    ASSERT_EQ(calcul.Iniciar(cas.a, cas.b), 0);
    EXPECT_EQ(Acabar(calcul), ResultatPas::Acabat);
    EXPECT_NEAR(calcul.Valor(), cas.esperat, cas.tolerancia);
    EXPECT_TRUE(b.finestra.missatges.empty());
}

// The definite integral changes sign with its limits; the line integral and the
// area swap them.
INSTANTIATE_TEST_SUITE_P(
    Casos, Integral,
    ::testing::Values(
        CasIntegral{"UnEntre2i0", AnalisiIntegralDefinida, u, nullptr, 2, 0, -2, 1e-12},
        CasIntegral{"XQuadratEntre0i3", AnalisiIntegralDefinida, quadrat, nullptr, 0, 3, 9, 2e-3},
        CasIntegral{"LiniaRecta", AnalisiIntegralLinia, id, nullptr, 0, 3, 3 * std::sqrt(2), 1e-9},
        CasIntegral{"LiniaInvertida", AnalisiIntegralLinia, id, nullptr, 3, 0, 3 * std::sqrt(2),
                    1e-9},
        CasIntegral{"AreaParabolaRecta", AnalisiArea, quadrat, id, 0, 1, 1.0 / 6, 1e-3},
        CasIntegral{"AreaInvertida", AnalisiArea, quadrat, id, 1, 0, 1.0 / 6, 1e-3}),
    [](const auto& info) { return std::string(info.param.nom); });

// Two boundary lines plus one hatched segment per column 320..380, whichever
// order the limits are typed in; at twice the logical size one more fill line
// between each pair of columns keeps it solid.
TEST(Integral, Hatching) {
    for (const auto& [a, b, valor] : {std::tuple{0, 2, 2}, std::tuple{2, 0, -2}})
        for (const int escala : {1, 2}) {
            Banc banc(u);
            banc.vista.EscalaX = banc.vista.EscalaY = escala;
            banc.finestra.llenc.FixarMida(640 * escala, 460 * escala);
            banc.resultats.AnalisiActiva = AnalisiIntegralDefinida;
            CalculIntegral calcul(banc.Context());
            ASSERT_EQ(calcul.Iniciar(a, b), 0);
            Acabar(calcul);
            EXPECT_NEAR(calcul.Valor(), valor, 1e-12); // 60 trapezoids of 1/30
            const SegmentsResultat& s = banc.resultats.Segments;
            ASSERT_EQ(s.nombre, 2 + 61);
            EXPECT_FALSE(s.entrades[0].omplert);
            int minim = 640, maxim = 0;
            for (int i = 2; i < s.nombre; ++i) {
                const SegmentResultat& seg = s.entrades[static_cast<std::size_t>(i)];
                EXPECT_TRUE(seg.omplert);
                minim = std::min(minim, static_cast<int>(seg.x1));
                maxim = std::max(maxim, static_cast<int>(seg.x1));
            }
            EXPECT_EQ(minim, 320);
            EXPECT_EQ(maxim, 380);
            EXPECT_EQ(banc.finestra.titol, "F");
            EXPECT_EQ(banc.Linies(ColorVermell), 2u + 61u + (escala == 2 ? 60u : 0u));
        }
}

// Traced: Escape pauses with the running status in the dialog, Cancel keeps the
// hatching drawn so far, a stop request leaves caption and status as they are.
// The status strip is the integrals' own, 300 pixels wide, even after the cuts
// left theirs at 200.
TEST(Integral, TracatPausaCancelIAturada) {
    struct Cas {
        bool cancel, aturar;
        ResultatPas esperat;
        const char* titol;
    };
    const Cas casos[] = {{false, false, ResultatPas::Acabat, "F"},
                         {true, false, ResultatPas::Cancellat, "F"},
                         {false, true, ResultatPas::Aturat, "abans"}};
    for (const auto& cas : casos) {
        Banc b(u, true);
        b.resultats.AnalisiActiva = AnalisiIntegralDefinida;
        b.resultats.Rectangle = {0, 440, 200, 460};
        b.finestra.titol = "abans";
        CalculIntegral calcul(b.Context());
        ASSERT_EQ(calcul.Iniciar(0, 2), 0);
        for (int i = 0; i < 10; ++i)
            ASSERT_EQ(calcul.Pas(), ResultatPas::Continua);
        b.resultats.PausaDemanada = !cas.aturar;
        b.resultats.AturarCalcul = cas.aturar;
        b.finestra.respostes = {!cas.cancel};
        EXPECT_EQ(Acabar(calcul), cas.esperat);
        EXPECT_EQ(b.finestra.titol, cas.titol);
        EXPECT_FALSE(b.resultats.PausaDemanada);
        EXPECT_EQ(b.resultats.Rectangle.dreta, 300);
        // The eleventh column, x = 1/3, already counted: 10 trapezoids of 1/30.
        EXPECT_EQ(b.finestra.pauses,
                  cas.aturar ? V{} : V{"Integral definida entre 0 i 0.333333 = 0.333333"});
        EXPECT_EQ(b.resultats.Segments.nombre, 2 + (cas.aturar ? 10 : cas.cancel ? 11 : 61));
    }
}

// A stepper that did not start does nothing, whatever the caller does next.
TEST(Integral, SenseIniciarNoFaRes) {
    Banc b(u);
    b.resultats.AnalisiActiva = AnalisiArrels;
    CalculIntegral calcul(b.Context());
    EXPECT_EQ(calcul.Iniciar(0, 1), 1);
    EXPECT_EQ(calcul.Pas(), ResultatPas::Acabat);
    EscombratFuncio e(b.Context());
    EXPECT_EQ(e.Pas(), ResultatPas::Acabat);
    EXPECT_EQ(b.resultats.Segments.nombre, 0);
}

// A limit that no column reaches (the display rounding of the last one can fall
// short) takes the last column.
TEST(Integral, ColumnaDelLimit) {
    const auto e = Eixos(-10, 10, -10, 10);
    EXPECT_EQ(ColumnaDelLimit(e, 0), 320);
    EXPECT_EQ(ColumnaDelLimit(e, 11), 620);
}

// The integral function of 1 is x - x0, from either edge too.
TEST(FuncioIntegral, RectaDePendent1PerX0) {
    for (const double x0 : {1.0, -10.0, 10.0}) {
        Banc b(u);
        auto ctx = b.Context();
        ASSERT_EQ(CalcularFuncioIntegral(ctx, x0), 0);
        const auto& c = b.resultats.Corba;
        for (int col = 20; col <= 620; ++col) {
            ASSERT_TRUE(c.Valida(col));
            EXPECT_NEAR(c.Valor(col), (col - 320) / 30.0 - x0, 1e-9) << col;
        }
        EXPECT_TRUE(c.MostrarCorbaResultat);
        EXPECT_EQ(b.resultats.TextEstat, "Funció Integral");
        EXPECT_EQ(b.finestra.titol, "F");
    }
}

// The start is the first column whose scan x reaches x0: 970.243 is past the
// 970.242 of column 168, so F is 0 at column 169.
TEST(FuncioIntegral, IniciSegonsLaXDeLEscombrat) {
    Banc b(u, false, eixosEmpat);
    auto ctx = b.Context();
    ASSERT_EQ(CalcularFuncioIntegral(ctx, 970.243), 0);
    EXPECT_EQ(b.resultats.Corba.Valor(169), 0);
    EXPECT_EQ(b.resultats.Corba.Valor(170), 5);
}

// Out-of-range starts are in the command's box test (test_escombrat).
TEST(FuncioIntegral, Forat) {
    Banc p([](double x) { return x / x; }); // 1, undefined at 0
    auto ctx = p.Context();
    EXPECT_EQ(CalcularFuncioIntegral(ctx, 0), 3);
    // Undefined right of x0: stops there, nothing left of x0.
    EXPECT_EQ(CalcularFuncioIntegral(ctx, -5), 0);
    EXPECT_EQ(p.finestra.missatges.back(), "NO té imatge, la funció integral no està ben definida");
    EXPECT_TRUE(p.resultats.Corba.Valida(319));
    EXPECT_FALSE(p.resultats.Corba.Valida(320));
    EXPECT_FALSE(p.resultats.Corba.Valida(100));
}

TEST(Limits, Comprovacions) {
    struct Cas {
        const char *a, *b;
        int estat, slot;
    };
    const Cas casos[] = {{"0", "PI/2", 0, -1},
                         {"x+", "1", 1, MissatgeErrorXInicial},
                         {"1", "1/0", 1, MissatgeErrorXFinal},
                         {"-11", "1", 1, MissatgeXInicialMassaPetit},
                         {"1", "10.0000004", 0, -1}, // rounded to X final
                         {"1", "12", 1, MissatgeXFinalMassaGran}};
    for (const auto& cas : casos) {
        Banc b(u);
        double a = 0, bb = 0;
        EXPECT_EQ(ValidarLimits(b.Context(), Parametres{}, cas.a, cas.b, a, bb), cas.estat)
            << cas.a;
        EXPECT_EQ(b.finestra.missatges,
                  cas.slot < 0 ? V{} : V{std::string(b.missatges.Missatge(cas.slot))});
    }
}

} // namespace
} // namespace tracima::prova
