// Cuts of two functions and the point panel, against values known in closed form.
#include "Bastida.h"

#include "analysis/PuntImatge.h"
#include "analysis/Talls.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tracima::prova {
namespace {

using V = std::vector<std::string>;
using F = std::function<std::optional<double>(double)>;

struct CasTall {
    const char* nom;
    F f, g;
    double xo, xf;
    V etiquetes;
};

class Talls : public ::testing::TestWithParam<CasTall> {};

TEST_P(Talls, EtiquetesEsperades) {
    const auto& cas = GetParam();
    Banc b(cas.f, false, Eixos(cas.xo, cas.xf, 1, -5, 5, 1));
    const MostresFuncio segona = Mostrejar(b.eixos, cas.g);
    b.resultats.AnalisiActiva = AnalisiTalls;
    EscombratTalls t(b.Context(), segona);
    ASSERT_EQ(t.Iniciar(), 0);
    EXPECT_EQ(ExecutarTalls(t), ResultatPas::Acabat);
    EXPECT_EQ(b.Textos(), cas.etiquetes);
    EXPECT_EQ(b.resultats.TextEstat, "Punts de tall");
    EXPECT_TRUE(b.finestra.missatges.empty());
    EXPECT_TRUE(b.vista.DibuixarEixY);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Talls,
    ::testing::Values(
        // Column 350 falls on x = 0.5: an exact cut, not a midpoint.
        CasTall{"RectesCreuades",
                [](double x) { return x; },
                [](double x) { return -x + 1; },
                -5,
                5,
                {"0.5", "0.5"}},
        // Columns fall on -1, 0 and 1 (h = 1/150).
        CasTall{"RectaICubica",
                [](double x) { return x; },
                [](double x) { return x * x * x; },
                -2,
                2,
                {"-1", "-1", "0", "0", "1", "1"}},
        // Between columns: the midpoint 1/120 and the mean of the first function.
        CasTall{"EntreColumnes",
                [](double x) { return x - 1.0 / 120; },
                [](double) { return 0.0; },
                -5,
                5,
                {"0.008333", "0"}},
        // The sign change at the pole is a jump of more than one Y unit.
        CasTall{"PolRebutjat",
                [](double x) { return 1 / (x - 0.01); },
                [](double) { return 0.0; },
                -5,
                5,
                {}}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(TallsMarques, LiniaIFilesDeLesEtiquetes) {
    // y = x and y = -x - 2 cut at (-1, -1), column 260 on -5..5.
    Banc b([](double x) { return x; }, false, Eixos(-5, 5, 1, -5, 5, 1));
    const MostresFuncio g = Mostrejar(b.eixos, [](double x) { return -x - 2; });
    b.resultats.AnalisiActiva = AnalisiTalls;
    EscombratTalls t(b.Context(), g);
    ASSERT_EQ(t.Iniciar(), 0);
    ExecutarTalls(t);
    ASSERT_EQ(b.resultats.Segments.nombre, 1);
    const auto& s = b.resultats.Segments.entrades[0];
    EXPECT_EQ((std::array{s.x1, s.y1, s.x2, s.y2}), (std::array{260, 260, 260, 220}));
    EXPECT_EQ(b.resultats.Etiquetes.entrades[0].fila, 219); // y < 0: above the axis row
    EXPECT_EQ(b.resultats.Etiquetes.entrades[1].fila, 260);
    EXPECT_TRUE(b.resultats.Corba.Valida(260));
    EXPECT_FALSE(b.resultats.Corba.MostrarCorbaResultat);
}

// Coinciding functions cut at every column: the lists fill, message 204 ends
// the scan, nothing is written past the capacity.
TEST(TallsMarques, LlistaPlena) {
    Banc b([](double x) { return x / 10; }, false, Eixos(-5, 5, 1, -5, 5, 1));
    const MostresFuncio g = b.mostres;
    b.resultats.AnalisiActiva = AnalisiTalls;
    EscombratTalls t(b.Context(), g);
    ASSERT_EQ(t.Iniciar(), 0);
    EXPECT_EQ(ExecutarTalls(t), ResultatPas::Acabat);
    EXPECT_EQ(b.resultats.Etiquetes.nombre, 650);
    EXPECT_EQ(b.resultats.Segments.nombre, 325);
    ASSERT_EQ(b.finestra.missatges.size(), 1u);
    EXPECT_EQ(b.finestra.missatges[0], b.missatges.Missatge(MissatgeMassaPunts));
    EXPECT_EQ(b.resultats.TextEstat, "Punts de tall");
}

TEST(TallsTracat, PausaAlTallSobreLEixYICancel) {
    Banc b([](double x) { return x; }, true, Eixos(-2, 2, 1, -5, 5, 1));
    const MostresFuncio g = Mostrejar(b.eixos, [](double x) { return x * x * x; });
    b.resultats.AnalisiActiva = AnalisiTalls;
    b.finestra.respostes = {true, false}; // continue at -1, cancel at 0
    EscombratTalls t(b.Context(), g);
    ASSERT_EQ(t.Iniciar(), 0);
    EXPECT_EQ(ExecutarTalls(t), ResultatPas::Cancellat);
    ASSERT_EQ(b.finestra.pauses.size(), 2u);
    EXPECT_EQ(b.finestra.pauses[1], "x = 0   y = 0" + std::string(39, ' '));
    EXPECT_EQ(b.Textos(), (V{"-1", "-1", "0", "0"}));
    EXPECT_TRUE(b.vista.DibuixarEixY);    // drawn again once the scan ends
    EXPECT_GT(b.Linies(ColorGroc), 100u); // the cursor between the curves
}

// The repaint of each pause draws the vertical axis again (DibuixarEixY true);
// after the cut on the axis column the tracing's axis redraws still leave it out.
TEST(TallsTracat, TallSobreLEixYNoEsRepintaAmbLEix) {
    struct FinestraEixos : FinestraProva {
        ValorsVista* vista = nullptr;
        std::vector<bool> eixY; // DibuixarEixY at each axis redraw after the cut at 0
        void Repintar() override { vista->DibuixarEixY = true; }
        void DibuixarEixos() override {
            if (pauses.size() >= 2) eixY.push_back(vista->DibuixarEixY);
        }
    };
    Banc b([](double x) { return x; }, true, Eixos(-2, 2, 1, -5, 5, 1));
    const MostresFuncio g = Mostrejar(b.eixos, [](double x) { return x * x * x; });
    FinestraEixos w;
    w.vista = &b.vista;
    b.resultats.AnalisiActiva = AnalisiTalls;
    EscombratTalls t({b.resultats, b.mostres, b.eixos, b.opcions, b.vista, b.missatges, w, "F"}, g);
    ASSERT_EQ(t.Iniciar(), 0);
    EXPECT_EQ(ExecutarTalls(t), ResultatPas::Acabat);
    ASSERT_EQ(w.pauses.size(), 3u);
    ASSERT_FALSE(w.eixY.empty());
    EXPECT_EQ(std::count(w.eixY.begin(), w.eixY.end(), true), 0);
    EXPECT_TRUE(b.vista.DibuixarEixY); // and back once the scan ends
}

// Without cuts, each column's cursor (red and yellow) is erased with the
// background at the next column (the last one at once), and the curve pieces
// behind it are drawn again in the curves' colours.
TEST(TallsTracat, CursorEsborratICorbesReparades) {
    Banc b([](double x) { return x / 10 + 3; }, true, Eixos(-5, 5, 1, -5, 5, 1));
    const MostresFuncio g = Mostrejar(b.eixos, [](double) { return 0.5; });
    b.resultats.AnalisiActiva = AnalisiTalls;
    EscombratTalls t(b.Context(), g);
    ASSERT_EQ(t.Iniciar(), 0);
    EXPECT_EQ(ExecutarTalls(t), ResultatPas::Acabat);
    EXPECT_TRUE(b.finestra.pauses.empty());
    EXPECT_EQ(b.Linies(ColorVermell), 596u);
    EXPECT_EQ(b.Linies(ColorGroc), 596u);
    EXPECT_EQ(b.Linies(ColorBlanc), 596u);
    EXPECT_EQ(b.Linies(ColorBlau), 2u * 596u);
    EXPECT_EQ(b.Linies(ColorLlima), 2u * 596u);
}

// Escape at column 33 (x = -4.78333): the pause shows the traced status and,
// where both functions are defined, keeps the cursor's two lines in the list
// until the scan goes on; a stop request then leaves the last status.
TEST(TallsTracat, EscapeGuardaElCursorDurantLaPausa) {
    struct Cas {
        F f;
        std::string text;
        int segments;
    };
    const Cas casos[] = {
        {[](double x) { return x + 3; }, "x = -4.78333   ABS(y1-y2) = 2.28333", 2},
        {[](double x) -> std::optional<double> {
             if (x < -4) return std::nullopt;
             return x;
         },
         "x = -4.78333   NO té imatge", 0},
    };
    for (const auto& cas : casos) {
        Banc b(cas.f, true, Eixos(-5, 5, 1, -5, 5, 1));
        const MostresFuncio g = Mostrejar(b.eixos, [](double) { return 0.5; });
        b.resultats.AnalisiActiva = AnalisiTalls;
        EscombratTalls t(b.Context(), g);
        ASSERT_EQ(t.Iniciar(), 0);
        for (int i = 0; i < 10; ++i)
            ASSERT_EQ(t.Pas(), ResultatPas::Continua);
        b.resultats.PausaDemanada = true;
        EXPECT_EQ(t.Pas(), ResultatPas::Continua);
        EXPECT_EQ(b.finestra.pauses, (V{cas.text}));
        EXPECT_EQ(b.finestra.segmentsEnPausa, (std::vector<int>{cas.segments}));
        EXPECT_EQ(b.resultats.Segments.nombre, 0);
        b.resultats.AturarCalcul = true;
        EXPECT_EQ(t.Pas(), ResultatPas::Aturat);
        EXPECT_EQ(b.resultats.TextEstat, cas.text);
    }
}

// The point panel on the default axes (-7.5..7.5, -5..5, 40 logical units each).
struct Panell {
    Banc banc;
    SlotFuncio slot;
    Parametres parametres;
    Calculador calc;
    PanellPunt panell;
    ContextPunt ctx;
    Panell(const char* formula, F f, bool tracat = false)
        : banc(f, tracat, Eixos(-7.5, 7.5, 1, -5, 5, 1)), slot{formula, {}}, ctx{banc.Context(),
                                                                                 slot, parametres,
                                                                                 calc, panell} {
        banc.resultats.PrecisioX = 0.025;
    }
    std::vector<std::array<int, 4>> Segments() const {
        std::vector<std::array<int, 4>> v;
        for (int i = 0; i < banc.resultats.Segments.nombre; ++i) {
            const auto& s = banc.resultats.Segments.entrades[static_cast<std::size_t>(i)];
            v.push_back({s.x1, s.y1, s.x2, s.y2});
        }
        return v;
    }
    void Acceptar(const char* x) {
        panell.TextX = x;
        AcceptarPunt(ctx);
    }
};

using Seg = std::vector<std::array<int, 4>>;

TEST(Imatge, PuntILinies) {
    Panell p("x^2", [](double x) { return x * x; });
    ASSERT_EQ(IniciarPunt(p.ctx, AnalisiImatge), 0);
    EXPECT_EQ(p.banc.finestra.titol, "Imatge de la funció en un punt");
    EXPECT_EQ(p.panell.TextY, "y = 0");
    p.Acceptar("2");
    EXPECT_EQ(p.panell.TextY, "y = 4");
    EXPECT_EQ(p.banc.resultats.TextEstat, "x = 2  y = 4");
    EXPECT_EQ(p.Segments(), (Seg{{400, 60, 400, 220}, {320, 60, 400, 60}}));
    p.Acceptar("8"); // outside the X range: the value, no line
    EXPECT_EQ(p.panell.TextY, "y = 64");
    EXPECT_TRUE(p.Segments().empty());
    p.Acceptar("PI/2-PI/2+1/0");
    ASSERT_EQ(p.banc.finestra.missatges.size(), 1u);
    EXPECT_EQ(p.banc.finestra.missatges[0], "Error de càlcul en la X");
    EXPECT_EQ(p.panell.TextY, "y =");
}

TEST(Imatge, FilaLimitadaINoDefinida) {
    Panell p("1000*x", [](double x) { return 1000 * x; });
    IniciarPunt(p.ctx, AnalisiImatge);
    p.Acceptar("1");
    EXPECT_EQ(p.Segments(), (Seg{{360, 0, 360, 220}})); // row limited to 0, no horizontal
    Panell q("1/x", [](double x) { return 1 / x; });
    IniciarPunt(q.ctx, AnalisiImatge);
    EXPECT_EQ(q.panell.TextY, "NO té imatge");
    EXPECT_TRUE(q.Segments().empty());
}

TEST(DerivadaPunt, PendentsITangent) {
    Panell p("abs(x)", [](double x) { return std::fabs(x); });
    p.banc.opcions.MenuPrecisioBaixa = false;
    ASSERT_EQ(IniciarPunt(p.ctx, AnalisiDerivadaPunt), 0);
    EXPECT_EQ(p.panell.TextY, "y' = 0"); // symmetric kink: two-sided difference
    p.Acceptar("2");
    EXPECT_EQ(p.panell.TextY, "y' = 1");
    // Tangent from column c - 100 to c + 100 through (2, 2) with slope 1.
    EXPECT_EQ(p.Segments(), (Seg{{400, 140, 400, 220}, {300, 240, 500, 40}}));
    Panell q("1/x", [](double x) { return 1 / x; });
    IniciarPunt(q.ctx, AnalisiDerivadaPunt);
    EXPECT_EQ(q.panell.TextY, "NO té imatge. NO té derivada");
    q.Acceptar("0.01");
    EXPECT_EQ(q.panell.TextY, "Fora de la pantalla");
}

TEST(DerivadaPunt, VoraDretaFaServirLaColumna619) {
    const auto e = Eixos(-7.5, 7.5, 1, -5, 5, 1);
    EXPECT_EQ(ColumnaPunt(e, 7.49), 619);
    EXPECT_EQ(ColumnaPunt(e, 0), 320);
    EXPECT_EQ(ColumnaPunt(e, -7.5), 21);
    Panell p("x^2/20", [](double x) { return x * x / 20; });
    p.banc.opcions.MenuPrecisioBaixa = false;
    IniciarPunt(p.ctx, AnalisiDerivadaPunt);
    p.Acceptar("7.49");
    // Central difference at column 619 (x = 7.475): (7.5^2 - 7.45^2) / 20 / 0.05.
    EXPECT_EQ(p.panell.TextY, "y' = 0.7475");
}

TEST(DerivadaPunt, PassosTracenLaCorbaIParenALaVora) {
    Panell p(
        "x^2", [](double x) { return x * x; }, true);
    IniciarPunt(p.ctx, AnalisiDerivadaPunt);
    EXPECT_TRUE(p.banc.resultats.Corba.MostrarCorbaResultat);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(MourePunt(p.ctx, true), 0);
    EXPECT_EQ(p.panell.TextX, "0.25");
    for (int c = 320; c <= 330; ++c) {
        ASSERT_TRUE(p.banc.resultats.Corba.Valida(c)) << c;
        EXPECT_NEAR(p.banc.resultats.Corba.Valor(c), 2 * (c - 320) / 40.0, 1e-9);
    }
    p.panell.TextX = "7.475";
    EXPECT_EQ(MourePunt(p.ctx, true), 1); // 7.5 is not below X final
    EXPECT_EQ(p.panell.TextX, "7.475");
    p.panell.TextX = "-7.475";
    EXPECT_EQ(MourePunt(p.ctx, false), 1);
    CancellarPunt(p.ctx);
    EXPECT_FALSE(p.panell.Visible);
    EXPECT_EQ(p.banc.finestra.titol, "F");
    EXPECT_EQ(p.banc.resultats.AnalisiActiva, AnalisiDerivadaPunt);
}

} // namespace
} // namespace tracima::prova

namespace tracima::prova {
namespace {

TEST(Punter, LecturaIMarcaDeClic) {
    Banc b([](double x) { return x; }, false, Eixos(-7.5, 7.5, 1, -5, 5, 1));
    b.vista.EscalaX = b.vista.EscalaY = 2; // a window twice the logical size
    const PuntPunter p = PuntDelPunter(b.eixos, b.vista, 800, 280); // logical (400, 140)
    EXPECT_EQ(TextCoordenades(b.eixos, p), "(2,2)");
    auto ctx = b.Context();
    EXPECT_EQ(MarcarClic(ctx, 800, 280), 0);
    ASSERT_EQ(b.resultats.Segments.nombre, 2);
    EXPECT_EQ(b.Textos(), (V{"(2;2)"})); // a semicolon, where the read-out has a comma
    EXPECT_EQ(b.resultats.Segments.entrades[1].x1, 320);
    // The plot box edge is not inside: nothing happens.
    EXPECT_EQ(TextCoordenades(b.eixos, PuntDelPunter(b.eixos, b.vista, 40, 280)), "");
    EXPECT_EQ(MarcarClic(ctx, 40, 280), 1);
    // 325 clicks fill 650 segments; the next one gets message 204.
    for (int i = 1; i < 325; ++i)
        ASSERT_EQ(MarcarClic(ctx, 800, 280), 0);
    EXPECT_EQ(MarcarClic(ctx, 800, 280), 2);
    EXPECT_EQ(b.resultats.Segments.nombre, 650);
    ASSERT_EQ(b.finestra.missatges.size(), 1u);
    EXPECT_EQ(b.finestra.missatges[0], "No és possible dibuixar més punts. Netejar  la finestra.");

    // Labels left by an earlier analysis fill their list: the mark is refused too.
    b.resultats.Segments.Buidar();
    while (!b.resultats.Etiquetes.Ple())
        b.resultats.Etiquetes.Afegir(0, 0, "x");
    EXPECT_EQ(MarcarClic(ctx, 800, 280), 2);
    EXPECT_EQ(b.resultats.Segments.nombre, 0);
}

TEST(Entrada, NumeroDecimal) {
    struct Cas {
        const char* text;
        int estat;
        double valor;
    };
    const Cas casos[] = {
        {"1,5", 0, 1.5}, {" -2.25 ", 0, -2.25}, {"+3", 0, 3},  {"+-3", 1, 0}, {"1 2", 1, 0},
        {"", 1, 0},      {"abc", 1, 0},         {"nan", 1, 0}, {"1e3", 1, 0}, {"PI", 1, 0},
        {"-", 1, 0}};
    for (const auto& cas : casos) {
        double v = 0;
        EXPECT_EQ(LlegirNumeroDecimal(cas.text, v), cas.estat) << cas.text;
        if (cas.estat == 0) {
            EXPECT_DOUBLE_EQ(v, cas.valor) << cas.text;
        }
    }
}

} // namespace
} // namespace tracima::prova
