// The point, interval and derivative scans on functions whose answers are known.
#include "Bastida.h"

#include <gtest/gtest.h>

namespace tracima::prova {
namespace {

using V = std::vector<std::string>;
using F = std::function<std::optional<double>(double)>;

// Untraced point analyses: the labels in recording order.
struct CasPunts {
    const char* nom;
    int analisi;
    F f;
    double valor;
    V etiquetes;
};

class Punts : public ::testing::TestWithParam<CasPunts> {};

TEST_P(Punts, EtiquetesEsperades) {
    const auto& cas = GetParam();
    Banc b(cas.f);
    EXPECT_EQ(b.Executar(cas.analisi, cas.valor), ResultatPas::Acabat);
    EXPECT_EQ(b.Textos(), cas.etiquetes);
    EXPECT_TRUE(b.finestra.pauses.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Analisis, Punts,
    ::testing::Values(
        // Samples are exactly 0 at x = -2 and x = 2 (columns 260 and 380).
        CasPunts{
            "ArrelsExactes", AnalisiArrels, [](double x) { return x * x - 4; }, 0, {"-2", "2"}},
        // Sign change between x = 0 and x = 1/30: the midpoint 1/60.
        CasPunts{"ArrelEntreColumnes",
                 AnalisiArrels,
                 [](double x) { return x - 0.01; },
                 0,
                 {"0.016667"}},
        // Across a pole the jump is larger than one Y unit: no root.
        CasPunts{"PolNoEsArrel", AnalisiArrels, [](double x) { return 1 / (x - 0.01); }, 0, {}},
        // A touching root counts only on an exact zero sample.
        CasPunts{"TangentSenseZero",
                 AnalisiArrels,
                 [](double x) { return (x - 0.01) * (x - 0.01); },
                 0,
                 {}},
        // The root on column 23 (x = -9.9) is found but not shown.
        CasPunts{"Columna23", AnalisiArrels, [](double x) { return x + 9.9; }, 0, {}},
        CasPunts{"MaximCubica",
                 AnalisiMaxims,
                 [](double x) { return x * x * x - 3 * x; },
                 0,
                 {"-1", "2"}},
        CasPunts{"MinimCubica",
                 AnalisiMinims,
                 [](double x) { return x * x * x - 3 * x; },
                 0,
                 {"1", "-2"}},
        CasPunts{"Repla", AnalisiMaxims, [](double) { return 3.0; }, 0, {}},
        CasPunts{"InflexioCubica",
                 AnalisiInflexio,
                 [](double x) { return x * x * x - 3 * x; },
                 0,
                 {"0", "0"}},
        CasPunts{"Antiimatges",
                 AnalisiAntiimatge,
                 [](double x) { return x * x; },
                 1,
                 {"-1", "1", "1", "1"}},
        // Mean of the neighbours (29/30)^2 and (31/30)^2 is 1 + 1/900.
        CasPunts{"ForatAillat",
                 AnalisiDiscontinuitats,
                 [](double x) -> std::optional<double> {
                     if (std::fabs(x - 1) < 1e-9) return std::nullopt;
                     return x * x;
                 },
                 0,
                 {"1", "lim = 1.001111"}},
        CasPunts{"SaltInfinit",
                 AnalisiDiscontinuitats,
                 [](double x) { return 1 / (x - 0.01); },
                 0,
                 {"0", "Pos. dis. infinita"}}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Arrels, MarcaCreuaLEix) {
    Banc b([](double x) { return x * x - 4; });
    b.Executar(AnalisiArrels);
    ASSERT_EQ(b.resultats.Segments.nombre, 2);
    const auto& s = b.resultats.Segments.entrades[0];
    EXPECT_EQ(s.x1, 260); // x = -2
    EXPECT_EQ(s.y1, 224); // axis row 220, four rows each side
    EXPECT_EQ(s.y2, 216);
    EXPECT_EQ(b.resultats.TextEstat, "Arrels");
    EXPECT_EQ(b.finestra.titol, "F");
}

TEST(Discontinuitats, LiniaSenceraIEtiquetaBaixada) {
    Banc b([](double x) { return 1 / (x - 0.01); });
    b.Executar(AnalisiDiscontinuitats);
    ASSERT_EQ(b.resultats.Segments.nombre, 1);
    EXPECT_EQ(b.resultats.Segments.entrades[0].y1, 0);
    EXPECT_EQ(b.resultats.Segments.entrades[0].y2, 440);
    EXPECT_EQ(b.resultats.Etiquetes.entrades[1].fila, 36);
}

// Intervals: segments on the axis row 220 and the labels at their ends.
TEST(Intervals, CreixementIDecreixementDeLaParabola) {
    Banc c([](double x) { return x * x; });
    c.Executar(AnalisiCreixement);
    EXPECT_EQ(c.Textos(), (V{"0"}));
    ASSERT_GE(c.resultats.Segments.nombre, 1);
    const auto& s = c.resultats.Segments.entrades[0];
    EXPECT_EQ(s.x1, 321);
    EXPECT_EQ(s.x2, 618); // still open at the right edge: no closing mark
    EXPECT_EQ(c.resultats.Segments.nombre, 2);

    Banc d([](double x) { return x * x; });
    d.Executar(AnalisiDecreixement);
    EXPECT_EQ(d.Textos(), (V{"0"})); // opened at column 23: no opening label
    ASSERT_EQ(d.resultats.Segments.nombre, 2);
    EXPECT_EQ(d.resultats.Segments.entrades[0].x1, 23);
    EXPECT_EQ(d.resultats.Segments.entrades[0].x2, 319);
    EXPECT_EQ(d.resultats.Segments.entrades[1].x1, 320);
}

TEST(Intervals, ConcavitatIConvexitat) {
    Banc a([](double x) { return x * x * x; });
    a.Executar(AnalisiConcavitat);
    EXPECT_EQ(a.Textos(), (V{"0"})); // opens at the column after x = 0
    Banc b([](double x) { return x * x * x; });
    b.Executar(AnalisiConvexitat);
    // The second difference centred on x = 0 is 0: the run closes at x = -1/30.
    EXPECT_EQ(b.Textos(), (V{"-0.033333"}));
    // Second differences exactly 0 belong to no run.
    Banc r([](double) { return 3.0; });
    r.Executar(AnalisiConcavitat);
    EXPECT_TRUE(r.Textos().empty());
}

TEST(Derivades, CorbaDeLaParabola) {
    Banc b([](double x) { return x * x; });
    b.Executar(AnalisiDerivada);
    const auto& corba = b.resultats.Corba;
    for (int c = 20; c <= 620; ++c) {
        const double x = (c - 320) / 30.0;
        if (c < 23 || c > 618) {
            EXPECT_FALSE(corba.Valida(c)) << c;
        } else {
            ASSERT_TRUE(corba.Valida(c)) << c;
            // The samples are taken at display-rounded abscissas (six digits here).
            EXPECT_NEAR(corba.Valor(c), 2 * x, 3e-3) << c;
        }
    }
    EXPECT_EQ(b.resultats.Etiquetes.nombre, 0);
    Banc s([](double x) { return x * x; });
    s.Executar(AnalisiSegonaDerivada);
    EXPECT_NEAR(s.resultats.Corba.Valor(400), 2, 1e-2); // rounded abscissas, divided by h squared
}

TEST(Derivades, ForatAlPolIAlsVeinsNoDefinits) {
    Banc b([](double x) -> std::optional<double> {
        if (std::fabs(x - 5) < 1e-9) return std::nullopt;
        return 1 / (x - 0.01);
    });
    b.Executar(AnalisiDerivada);
    EXPECT_FALSE(b.resultats.Corba.Valida(320)); // slope beyond the window height
    EXPECT_FALSE(b.resultats.Corba.Valida(469)); // next to the undefined x = 5
    EXPECT_FALSE(b.resultats.Corba.Valida(471));
    EXPECT_TRUE(b.resultats.Corba.Valida(500));
}

// The constant equal to the target matches at every column: the lists fill up,
// the scan stops with message 204 and nothing is written past 651 entries.
TEST(LlistaPlena, AturaAmbMissatge) {
    Banc b([](double) { return 1.0; });
    b.Executar(AnalisiAntiimatge, 1);
    EXPECT_LE(b.resultats.Etiquetes.nombre, CapacitatResultats);
    EXPECT_EQ(b.resultats.Etiquetes.nombre, 650);
    ASSERT_EQ(b.finestra.missatges.size(), 1u);
    EXPECT_EQ(b.finestra.missatges[0], "No és possible dibuixar més punts. Netejar  la finestra.");
    EXPECT_EQ(b.resultats.TextEstat, "Antiimatges del 1");
}

// The anti-image box: a value out of the Y range is refused with its message;
// an accepted one becomes the target line, the only segment.
TEST(Antiimatge, ValorDeLaCaixa) {
    const std::pair<const char*, const char*> refusats[] = {
        {"abc", "El valor escrit no és un número."},
        {"20", "Valor de la y massa gran"},
        {"-20", "Valor de la y massa petit"}};
    for (const auto& [text, missatge] : refusats) {
        Banc b([](double x) { return x; });
        auto ctx = b.Context();
        double valor = 0;
        EXPECT_EQ(PrepararAntiimatge(ctx, text, valor), 1) << text;
        EXPECT_EQ(b.finestra.missatges, (V{missatge}));
    }
    Banc b([](double x) { return x; });
    auto ctx = b.Context();
    double valor = 0;
    ASSERT_EQ(PrepararAntiimatge(ctx, "-2,5", valor), 0);
    EXPECT_DOUBLE_EQ(valor, -2.5);
    ASSERT_EQ(b.resultats.Segments.nombre, 1);
    EXPECT_EQ(b.resultats.Segments.entrades[0].y1, 270); // row of -2.5 with 20 units per y
}

// Traced runs with the fake window.
TEST(Tracat, PausaACadaPuntICancelMantéElsTrobats) {
    Banc b([](double x) { return x * x - 4; }, true);
    b.Executar(AnalisiArrels);
    ASSERT_EQ(b.finestra.pauses.size(), 2u);
    EXPECT_EQ(b.finestra.pauses[0], "x = -2   y = 0");

    Banc c([](double x) { return x * x - 4; }, true);
    c.finestra.respostes = {false};
    EXPECT_EQ(c.Executar(AnalisiArrels), ResultatPas::Cancellat);
    EXPECT_EQ(c.Textos(), (V{"-2"}));
    EXPECT_EQ(c.finestra.titol, "Arrels"); // the title stays in the caption
}

TEST(Tracat, EscapePausaIAturarNoTanca) {
    Banc b([](double x) { return x; }, true);
    b.resultats.AnalisiActiva = AnalisiMaxims;
    EscombratFuncio e(b.Context());
    ASSERT_EQ(e.Iniciar(), 0);
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(e.Pas(), ResultatPas::Continua);
    b.resultats.PausaDemanada = true; // Escape during the wait
    EXPECT_EQ(e.Pas(), ResultatPas::Continua);
    ASSERT_EQ(b.finestra.pauses.size(), 1u);
    EXPECT_EQ(b.finestra.segmentsEnPausa[0], 1); // the tracing line, kept while paused
    EXPECT_EQ(b.resultats.Segments.nombre, 0);   // taken out again on Continue
    EXPECT_FALSE(b.resultats.PausaDemanada);
    const std::string estat = b.resultats.TextEstat;
    b.resultats.AturarCalcul = true; // a menu opened
    EXPECT_EQ(e.Pas(), ResultatPas::Aturat);
    EXPECT_EQ(b.resultats.TextEstat, estat); // no closing steps
    EXPECT_EQ(b.finestra.titol, "Màxims");
}

TEST(Tracat, TangentIEsborrat) {
    Banc b([](double x) { return x * x; }, true);
    b.Executar(AnalisiDerivada);
    // Every tangent drawn in red is erased with the background pen.
    EXPECT_GT(b.Linies(ColorVermell), 500u);
    EXPECT_GT(b.Linies(ColorBlanc), 500u);
    EXPECT_GT(b.Linies(ColorVerd), 500u);
    EXPECT_EQ(b.resultats.TextEstat, "Funció derivada");
}

} // namespace
} // namespace tracima::prova
