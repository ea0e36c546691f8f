// Cuts of two functions, the point panel and the pointer, against values known
// in closed form.
#include "Bastida.h"

#include "analysis/PuntImatge.h"
#include "analysis/Talls.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tracima::prova {
namespace {

const F mig = [](double) { return 0.5; };
const F zero = [](double) { return 0.0; };
const F menysMig = [](double x) { return x - 1.0 / 120; }; // zero between two columns

// A started cut scan of f and g on x in xo..xf and y in -5..5 (unit 1).
struct Tall {
    Banc b;
    MostresFuncio g;
    EscombratTalls t;
    Tall(const F& f, const F& g2, double xo = -5, double xf = 5, bool tracat = false,
         FinestraCalcul* w = nullptr)
        : b(f, tracat, Eixos(xo, xf, -5, 5)), g(Mostrejar(b.eixos, g2)), t(b.Context(w), g) {
        b.resultats.AnalisiActiva = AnalisiTalls;
        EXPECT_EQ(t.Iniciar(), 0);
    }
};

struct CasTall {
    const char* nom;
    F f, g;
    double xo, xf;
    std::string etiquetes;
};

class Talls : public ::testing::TestWithParam<CasTall> {};

TEST_P(Talls, EtiquetesEsperades) {
    const auto& cas = GetParam();
    Tall k(cas.f, cas.g, cas.xo, cas.xf);
    EXPECT_EQ(ExecutarTalls(k.t), ResultatPas::Acabat);
    EXPECT_EQ(k.b.Textos(), cas.etiquetes);
    EXPECT_EQ(k.b.resultats.TextEstat, "Punts de tall");
    EXPECT_TRUE(k.b.finestra.missatges.empty());
    EXPECT_TRUE(k.b.vista.DibuixarEixY);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Talls,
    ::testing::Values(
        // Column 350 falls on x = 0.5: an exact cut, not a midpoint.
        CasTall{"RectesCreuades", id, [](double x) { return 1 - x; }, -5, 5, "0.5|0.5"},
        // Columns fall on -1, 0 and 1 (h = 1/150).
        CasTall{"RectaICubica", id, cub, -2, 2, "-1|-1|0|0|1|1"},
        // Between columns: the midpoint 1/120 and the mean of the first function.
        CasTall{"EntreColumnes", menysMig, zero, -5, 5, "0.008333|0"},
        // The sign change at the pole is a jump of more than one Y unit.
        CasTall{"PolRebutjat", pol, zero, -5, 5, ""},
        // Touching without crossing: a cut only where a column falls on the point.
        CasTall{"TocaALaColumna", quadrat, zero, -5, 5, "0|0"},
        CasTall{"TocaEntreColumnes", toca001, zero, -5, 5, ""}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(TallsMarques, LiniaIFilesDeLesEtiquetes) {
    // y = x and y = -x - 2 cut at (-1, -1), column 260 on -5..5.
    Tall k(id, [](double x) { return -x - 2; });
    ExecutarTalls(k.t);
    EXPECT_EQ(k.b.Segments(), "260 260 260 220");
    EXPECT_EQ(k.b.resultats.Etiquetes.entrades[0].fila, 219); // y < 0: above the axis row
    EXPECT_EQ(k.b.resultats.Etiquetes.entrades[1].fila, 260);
    EXPECT_TRUE(k.b.resultats.Corba.Valida(260));
    EXPECT_FALSE(k.b.resultats.Corba.MostrarCorbaResultat);
}

// Coinciding functions cut at every column: the lists fill, message 204 ends
// the scan, nothing is written past the capacity.
TEST(TallsMarques, LlistaPlena) {
    const F f = [](double x) { return x / 10; };
    Tall k(f, f);
    EXPECT_EQ(ExecutarTalls(k.t), ResultatPas::Acabat);
    EXPECT_EQ(k.b.resultats.Etiquetes.nombre, 650);
    EXPECT_EQ(k.b.resultats.Segments.nombre, 325);
    EXPECT_EQ(k.b.finestra.missatges, V{std::string(k.b.missatges.Missatge(MissatgeMassaPunts))});
    EXPECT_EQ(k.b.resultats.TextEstat, "Punts de tall");
}

TEST(TallsTracat, PausaAlTallSobreLEixYICancel) {
    Tall k(id, cub, -2, 2, true);
    k.b.finestra.respostes = {true, false}; // continue at -1, cancel at 0
    EXPECT_EQ(ExecutarTalls(k.t), ResultatPas::Cancellat);
    ASSERT_EQ(k.b.finestra.pauses.size(), 2u);
    EXPECT_EQ(k.b.finestra.pauses[1], "x = 0   y = 0" + std::string(39, ' '));
    EXPECT_EQ(k.b.Textos(), "-1|-1|0|0");
    EXPECT_TRUE(k.b.vista.DibuixarEixY); // drawn again once the scan ends
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
    } w;
    Tall k(id, cub, -2, 2, true, &w);
    w.vista = &k.b.vista;
    EXPECT_EQ(ExecutarTalls(k.t), ResultatPas::Acabat);
    ASSERT_EQ(w.pauses.size(), 3u);
    ASSERT_FALSE(w.eixY.empty());
    EXPECT_EQ(std::count(w.eixY.begin(), w.eixY.end(), true), 0);
    EXPECT_TRUE(k.b.vista.DibuixarEixY); // and back once the scan ends
}

// Without cuts, each column's cursor (red and yellow) is erased with the
// background at the next column (the last one at once), and the curve pieces
// behind it are drawn again in the curves' colours.
TEST(TallsTracat, CursorEsborratICorbesReparades) {
    Tall k([](double x) { return x / 10 + 3; }, mig, -5, 5, true);
    EXPECT_EQ(ExecutarTalls(k.t), ResultatPas::Acabat);
    EXPECT_TRUE(k.b.finestra.pauses.empty());
    const auto n = [&](Color c) { return k.b.Linies(c); };
    EXPECT_EQ(
        (std::array{n(ColorVermell), n(ColorGroc), n(ColorBlanc), n(ColorBlau), n(ColorLlima)}),
        (std::array<std::size_t, 5>{596, 596, 596, 2 * 596, 2 * 596}));
}

const F desDeMenys4 = [](double x) { return x < -4 ? NAN : x; };

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
        {desDeMenys4, "x = -4.78333   NO té imatge", 0},
    };
    for (const auto& cas : casos) {
        Tall k(cas.f, mig, -5, 5, true);
        for (int i = 0; i < 10; ++i)
            ASSERT_EQ(k.t.Pas(), ResultatPas::Continua);
        k.b.resultats.PausaDemanada = true;
        EXPECT_EQ(k.t.Pas(), ResultatPas::Continua);
        EXPECT_EQ(k.b.finestra.pauses, (V{cas.text}));
        EXPECT_EQ(k.b.finestra.segmentsEnPausa, (std::vector<int>{cas.segments}));
        EXPECT_EQ(k.b.resultats.Segments.nombre, 0);
        k.b.resultats.AturarCalcul = true;
        EXPECT_EQ(k.t.Pas(), ResultatPas::Aturat);
        EXPECT_EQ(k.b.resultats.TextEstat, cas.text);
    }
}

// The point panel for `formula` on the default axes (-7.5..7.5, -5..5, 40
// logical units each), started; the samples are those of the formula.
struct Panell {
    SlotFuncio slot;
    Parametres parametres;
    Calculador calc;
    Banc banc;
    PanellPunt panell;
    ContextPunt ctx;
    Panell(const char* formula, int analisi, bool tracat = false)
        : slot{formula, {}},
          banc(Formula(), tracat, Eixos(-7.5, 7.5, -5, 5)), ctx{banc.Context(), slot, parametres,
                                                                calc, panell} {
        banc.resultats.PrecisioX = 0.025;
        EXPECT_EQ(IniciarPunt(ctx, analisi), 0);
    }
    F Formula() {
        return [this](double x) {
            double y = 0;
            return ImatgeDeLaFuncio(slot, parametres, calc, x, y) == 0 ? y : NAN;
        };
    }
};

// Accepting an x: the label, the status line and the point's lines.
TEST(PanellPunt, Acceptar) {
    struct Cas {
        const char* formula;
        int analisi;
        std::string x, y, segments;
    };
    const Cas casos[] = {
        {"x^2", AnalisiImatge, "2", "y = 4", "400 60 400 220; 320 60 400 60"},
        {"x^2", AnalisiImatge, "8", "y = 64", ""},                   // outside the X range: no line
        {"1000*x", AnalisiImatge, "1", "y = 1000", "360 0 360 220"}, // row limited to 0
        {"1/x", AnalisiImatge, "0", "NO té imatge", ""},
        {"abs(x)", AnalisiDerivadaPunt, "0", "y' = 0", "320 220 320 220; 220 220 420 220"},
        // Tangent from column c - 100 to c + 100 through (2, 2) with slope 1.
        {"abs(x)", AnalisiDerivadaPunt, "2", "y' = 1", "400 140 400 220; 300 240 500 40"},
        {"1/x", AnalisiDerivadaPunt, "0", "NO té imatge. NO té derivada", ""},
        // The vertical line is not limited to the window, the tangent left out.
        {"1/x", AnalisiDerivadaPunt, "0.01", "Fora de la pantalla", "320 -3780 320 220"},
        // Beyond column 619 (x = 7.475) the central difference is taken there:
        // (7.5^2 - 7.45^2) / 20 / 0.05.
        {"x^2/20", AnalisiDerivadaPunt, "7.49", "y' = 0.7475", "620 108 620 220; 519 183 719 33"},
    };
    for (const auto& cas : casos) {
        Panell p(cas.formula, cas.analisi);
        p.panell.TextX = cas.x;
        EXPECT_EQ(AcceptarPunt(p.ctx), 0);
        EXPECT_EQ(p.panell.TextY, cas.y) << cas.formula << " " << cas.x;
        EXPECT_EQ(p.banc.resultats.TextEstat, "x = " + cas.x + "  " + cas.y);
        EXPECT_EQ(p.banc.Segments(), cas.segments) << cas.formula << " " << cas.x;
    }
    EXPECT_EQ(ColumnaPunt(Eixos(-7.5, 7.5, -5, 5), -7.5), 21);
}

TEST(PanellPunt, IniciIErrorDeCalcul) {
    Panell p("x^2", AnalisiImatge);
    EXPECT_EQ(p.banc.finestra.titol, "Imatge de la funció en un punt");
    EXPECT_EQ(p.panell.TextY, "y = 0");
    p.panell.TextX = "PI/2-PI/2+1/0";
    EXPECT_EQ(AcceptarPunt(p.ctx), 1);
    EXPECT_EQ(p.banc.finestra.missatges, V{"Error de càlcul en la X"});
    EXPECT_EQ(p.panell.TextY, "y =");
}

// With tracing on, each step up stores the slope at its column; at the edges
// nothing happens; "Cancel.lar" keeps the analysis number.
TEST(PanellPunt, PassosTracenLaCorbaIParenALaVora) {
    Panell p("x^2", AnalisiDerivadaPunt, true);
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

TEST(Punter, LecturaIMarcaDeClic) {
    Banc b(id, false, Eixos(-7.5, 7.5, -5, 5));
    b.vista.EscalaX = b.vista.EscalaY = 2; // a window twice the logical size
    const PuntPunter p = PuntDelPunter(b.eixos, b.vista, 800, 280); // logical (400, 140)
    EXPECT_EQ(TextCoordenades(b.eixos, p), "(2,2)");
    auto ctx = b.Context();
    EXPECT_EQ(MarcarClic(ctx, 800, 280), 0);
    EXPECT_EQ(b.Segments(), "400 140 400 220; 320 140 400 140");
    EXPECT_EQ(b.Textos(), "(2;2)"); // a semicolon, where the read-out has a comma
    // The plot box edge is not inside: nothing happens.
    EXPECT_EQ(TextCoordenades(b.eixos, PuntDelPunter(b.eixos, b.vista, 40, 280)), "");
    EXPECT_EQ(MarcarClic(ctx, 40, 280), 1);
    // 325 clicks fill 650 segments; the next one gets message 204.
    for (int i = 1; i < 325; ++i)
        ASSERT_EQ(MarcarClic(ctx, 800, 280), 0);
    EXPECT_EQ(MarcarClic(ctx, 800, 280), 2);
    EXPECT_EQ(b.resultats.Segments.nombre, 650);
    EXPECT_EQ(b.finestra.missatges, V{"No és possible dibuixar més punts. Netejar  la finestra."});

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
        EXPECT_DOUBLE_EQ(v, cas.valor) << cas.text;
    }
}

} // namespace
} // namespace tracima::prova
