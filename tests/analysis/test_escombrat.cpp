// The point, interval and derivative scans on functions whose answers are known.
#include "Bastida.h"

#include "analysis/ComandesAnalisi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

namespace tracima::prova {
namespace {

using V = std::vector<std::string>;
using F = std::function<std::optional<double>(double)>;

const F quadrat = [](double x) { return x * x; };

// Steps a started scan through column `columna`.
void FinsA(EscombratFuncio& e, int columna) {
    while (!e.Acabat() && e.Columna() <= columna)
        e.Pas();
}

// Untraced point analyses: the labels in recording order.
struct CasPunts {
    const char* nom;
    int analisi;
    F f;
    double valor;
    V etiquetes;
    bool precisioBaixa = false;
    EixosFuncions eixos = Eixos(-10, 10, 1, -10, 10, 1);
};

class Punts : public ::testing::TestWithParam<CasPunts> {};

// y = x, undefined at x = -1/30 (column 319).
const F senseMenysH = [](double x) -> std::optional<double> {
    if (std::fabs(x + 1.0 / 30) < 1e-6) return std::nullopt;
    return x;
};

TEST_P(Punts, EtiquetesEsperades) {
    const auto& cas = GetParam();
    Banc b(cas.f, false, cas.eixos);
    b.opcions.MenuPrecisioBaixa = cas.precisioBaixa;
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
                 {"0", "Pos. dis. infinita"}},
        // A zero right after an undefined column is a root, but not an anti-image.
        CasPunts{"ArrelDespresDeForat", AnalisiArrels, senseMenysH, 0, {"0"}},
        CasPunts{"AntiimatgeDespresDeForat", AnalisiAntiimatge, senseMenysH, 0, {}},
        // An inflection between columns 320 and 321 passes the test at both; the
        // second is skipped.
        CasPunts{"InflexioEntreColumnes",
                 AnalisiInflexio,
                 [](double x) {
                     const double t = x - 1.0 / 60;
                     return t * t * t - 3 * t;
                 },
                 0,
                 {"0", "0.049995"}},
        // Low precision: a root between columns sets PrecisioX to one column
        // (1/30: two decimals); the inflection doubles it (h = 0.05 -> 0.1: one).
        CasPunts{"ArrelPrecisioBaixa",
                 AnalisiArrels,
                 [](double x) { return x - 0.01; },
                 0,
                 {"0,02"},
                 true},
        CasPunts{"InflexioPrecisioBaixa",
                 AnalisiInflexio,
                 [](double x) { return (x - 1.35) * (x - 1.35) * (x - 1.35); },
                 0,
                 {"1,4", "0"},
                 true,
                 Eixos(-15, 15, 1, -10, 10, 1)}),
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
    Banc c(quadrat);
    c.Executar(AnalisiCreixement);
    EXPECT_EQ(c.Textos(), (V{"0"}));
    ASSERT_GE(c.resultats.Segments.nombre, 1);
    const auto& s = c.resultats.Segments.entrades[0];
    EXPECT_EQ(s.x1, 321);
    EXPECT_EQ(s.x2, 618); // still open at the right edge: no closing mark
    EXPECT_EQ(c.resultats.Segments.nombre, 2);

    Banc d(quadrat);
    d.Executar(AnalisiDecreixement);
    EXPECT_EQ(d.Textos(), (V{"0"})); // opened at column 23: no opening label
    ASSERT_EQ(d.resultats.Segments.nombre, 2);
    EXPECT_EQ(d.resultats.Segments.entrades[0].x1, 23);
    EXPECT_EQ(d.resultats.Segments.entrades[0].x2, 319);
    EXPECT_EQ(d.resultats.Segments.entrades[1].x1, 320);
}

// The open interval's segment ends at the scanned column, and the results are
// redrawn at every column, so it is seen growing.
TEST(Intervals, SegmentQueCreix) {
    Banc b(quadrat);
    EscombratFuncio e(b.Context());
    ASSERT_EQ(b.Iniciar(e, AnalisiCreixement), 0);
    for (int c = 23; c <= 400; ++c) {
        e.Pas();
        if (c >= 321) ASSERT_EQ(b.resultats.Segments.entrades[0].x2, c);
    }
    EXPECT_EQ(b.finestra.resultatsDibuixats, 400 - 23 + 1);
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
    Banc b(quadrat);
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
    Banc s(quadrat);
    s.Executar(AnalisiSegonaDerivada);
    EXPECT_NEAR(s.resultats.Corba.Valor(400), 2, 1e-2); // rounded abscissas, divided by h squared
    // Slopes of 30 exceed the window height (20): no second derivative either.
    Banc r([](double x) { return 30 * x; });
    r.Executar(AnalisiSegonaDerivada);
    EXPECT_FALSE(r.resultats.Corba.Valida(400));
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

// The input boxes of the anti-image and the integral function: a text that is
// no number ends the command; a start out of range or where the function is
// undefined is asked again with the text typed before; an anti-image target
// out of range ends the command.
class Caixes : public EntradesAnalisi {
  public:
    std::deque<std::string> respostes; // empty: Cancel
    V mostrats;                        // the text each box opened with
    bool DemanarValor(std::string_view, std::string_view, std::string& text) override {
        mostrats.push_back(text);
        if (respostes.empty()) return false;
        text = respostes.front();
        respostes.pop_front();
        return true;
    }
    bool DemanarLimits(std::string_view, std::string&, std::string&) override { return false; }
};

TEST(Comandes, CaixesDeValor) {
    struct Cas {
        int analisi;
        std::deque<std::string> respostes;
        V missatges, mostrats;
        std::string estat;
    };
    const std::string noNumero = "El valor escrit no és un número.";
    const Cas casos[] = {
        {AnalisiAntiimatge, {"abc"}, {noNumero}, {""}, ""},
        {AnalisiAntiimatge, {"20"}, {"Valor de la y massa gran"}, {""}, ""},
        {AnalisiAntiimatge, {"-20"}, {"Valor de la y massa petit"}, {""}, ""},
        {AnalisiAntiimatge, {"1"}, {}, {""}, "Antiimatges del 1"},
        {AnalisiFuncioIntegral, {"1e2"}, {noNumero}, {""}, ""},
        {AnalisiFuncioIntegral,
         {"20", "-20", "0,5"},
         {"Valor de la x massa gran.", "Valor de la x massa petit."},
         {"", "20", "-20"},
         "Funció Integral"},
        {AnalisiFuncioIntegral, {}, {}, {""}, ""},
    };
    for (const auto& cas : casos) {
        Banc b(quadrat);
        NetejarEstatResultats(b.resultats, b.eixos);
        auto ctx = b.Context();
        Caixes caixes;
        caixes.respostes = cas.respostes;
        Parametres p;
        EXPECT_EQ(ExecutarComandaAnalisi(ctx, cas.analisi, nullptr, p, caixes), 0);
        const std::string nom = cas.respostes.empty() ? "Cancel" : cas.respostes.front();
        EXPECT_EQ(b.finestra.missatges, cas.missatges) << nom;
        EXPECT_EQ(caixes.mostrats, cas.mostrats) << nom;
        EXPECT_EQ(b.resultats.TextEstat, cas.estat) << nom;
    }
    // An accepted target is the only segment, at the row of the typed value.
    Banc b([](double x) { return x; });
    auto ctx = b.Context();
    double valor = 0;
    ASSERT_EQ(PrepararAntiimatge(ctx, "-2,5", valor), 0);
    EXPECT_DOUBLE_EQ(valor, -2.5);
    ASSERT_EQ(b.resultats.Segments.nombre, 1);
    EXPECT_EQ(b.resultats.Segments.entrades[0].y1, 270); // 20 rows per y unit
}

// Traced runs with the fake window.
const EixosFuncions eixos15 = Eixos(-15, 15, 1, -10, 10, 1); // h = 0.05

// The status line after column `columna` of a traced scan.
struct CasEstat {
    const char* nom;
    int analisi;
    F f;
    double valor;
    int columna;
    std::string text;
};

class EstatTracat : public ::testing::TestWithParam<CasEstat> {};

TEST_P(EstatTracat, TextDeLaColumna) {
    const auto& cas = GetParam();
    Banc b(cas.f, true, eixos15);
    EscombratFuncio e(b.Context(), cas.valor);
    ASSERT_EQ(b.Iniciar(e, cas.analisi), 0);
    FinsA(e, cas.columna);
    EXPECT_EQ(b.resultats.TextEstat, cas.text);
}

const F invers = [](double x) -> std::optional<double> {
    if (x == 0) return std::nullopt;
    return 1 / x;
};

INSTANTIATE_TEST_SUITE_P(
    Analisis, EstatTracat,
    ::testing::Values(
        // The first column never shows a value.
        CasEstat{"PrimeraColumna", AnalisiMinims, quadrat, 0, 23, "x = -14.85   NO té imatge"},
        CasEstat{"Columna", AnalisiMaxims, quadrat, 0, 340, "x = 1   y = 1"},
        CasEstat{"AntiimatgeExacta", AnalisiAntiimatge, quadrat, 1, 340, "x = 1   y = 1"},
        CasEstat{"AntiimatgeAlMig", AnalisiAntiimatge, quadrat, 2, 349, "x = 1.425   y = 2"},
        CasEstat{"Pol", AnalisiDiscontinuitats, [](double x) { return 1 / (x - 0.01); }, 0, 320,
                 "x = 0   Pos. dis. infinita"},
        CasEstat{"Forat", AnalisiDiscontinuitats,
                 [](double x) -> std::optional<double> {
                     if (x == 1) return std::nullopt;
                     return x * x;
                 },
                 0, 340, "x = 1   lim = 1.0025"},
        // Opened at x = 0.05: the label and the status show the column before.
        CasEstat{"ObreInterval", AnalisiCreixement, quadrat, 0, 321, "x = 0   y = 0.0025"},
        CasEstat{"Derivada", AnalisiDerivada, quadrat, 0, 340, "x = 1  y´=2"},
        CasEstat{"SegonaDerivada", AnalisiSegonaDerivada, quadrat, 0, 340, "x = 1  y´´=2"},
        CasEstat{"ForaDeLaPantalla", AnalisiDerivada, invers, 0, 322,
                 "x = 0.1  y´=Fora de la pantalla"},
        CasEstat{"VeiNoDefinit", AnalisiDerivada, invers, 0, 321, "x = 0.05 No té derivada"},
        CasEstat{"VeiNoDefinitSegona", AnalisiSegonaDerivada, invers, 0, 319,
                 "x = -0.05 No té derivada segona"}),
    [](const auto& info) { return std::string(info.param.nom); });

// The lines one traced column draws, in order (pixels; white erases).
struct Linia {
    Color color;
    int x1, y1, x2, y2;
    friend bool operator==(const Linia&, const Linia&) = default;
};

std::vector<Linia> LiniesDe(const LlencEnregistrador& l) {
    std::vector<Linia> v;
    for (const auto& c : l.DelTipus(LlencEnregistrador::Tipus::Linia))
        v.push_back({c.color, c.x1, c.y1, c.x2, c.y2});
    return v;
}

TEST(Tracat, LiniesDUnaColumna) {
    struct Cas {
        const char* nom;
        int analisi;
        F f;
        double escalaX;
        int columna;
        std::vector<Linia> linies; // the first lines drawn
        std::size_t total;         // all lines drawn
    };
    const F recta = [](double x) { return x; };
    const Cas casos[] = {
        // Erase the previous tracing line, draw this one, repair the curve in blue.
        {"Recta",
         AnalisiMinims,
         recta,
         1,
         300,
         {{ColorBlanc, 299, 241, 299, 220},
          {ColorVermell, 300, 240, 300, 220},
          {ColorBlau, 297, 243, 298, 242},
          {ColorBlau, 298, 242, 299, 241}},
         4},
        // Half-width window: column 301 falls on the device column of 300.
        {"MateixaColumnaDispositiu", AnalisiMinims, recta, 0.5, 301, {}, 0},
        {"NovaColumnaDispositiu",
         AnalisiMinims,
         recta,
         0.5,
         302,
         {{ColorVermell, 151, 238, 151, 220},
          {ColorBlau, 150, 241, 150, 240},
          {ColorBlau, 150, 240, 150, 239}},
         3},
        // The last column also erases its own tracing line before the repair.
        {"UltimaColumna",
         AnalisiMinims,
         [](double) { return 1.0; },
         1,
         618,
         {{ColorBlanc, 617, 200, 617, 220},
          {ColorVermell, 618, 200, 618, 220},
          {ColorBlanc, 618, 200, 618, 220},
          {ColorBlau, 615, 200, 616, 200},
          {ColorBlau, 616, 200, 617, 200}},
         5},
        // The tangent of x = 0.95 (slope 1.9) is erased, that of x = 1 (slope 2)
        // drawn 75 columns each side; then 2 blue pieces, 75 green ones from
        // column 265, and the function again in blue over columns 260..420 where
        // it stays in the band (x <= 3.3: 126 pieces).
        {"Tangent",
         AnalisiDerivada,
         quadrat,
         1,
         340,
         {{ColorBlanc, 339, 202, 339, 220},
          {ColorBlanc, 264, 344, 414, 59},
          {ColorVermell, 340, 200, 340, 220},
          {ColorVermell, 265, 350, 415, 50}},
         4 + 2 + 75 + 126},
    };
    for (const auto& cas : casos) {
        Banc b(cas.f, true, eixos15);
        b.vista.EscalaX = cas.escalaX;
        EscombratFuncio e(b.Context());
        ASSERT_EQ(b.Iniciar(e, cas.analisi), 0);
        FinsA(e, cas.columna - 1);
        b.finestra.llenc.Esborrar();
        e.Pas();
        const auto linies = LiniesDe(b.finestra.llenc);
        ASSERT_GE(linies.size(), cas.linies.size()) << cas.nom;
        EXPECT_EQ(std::vector<Linia>(linies.begin(), linies.begin() + cas.linies.size()),
                  cas.linies)
            << cas.nom;
        EXPECT_EQ(linies.size(), cas.total) << cas.nom;
    }
}

TEST(Tracat, TangentIEsborratAlFinal) {
    Banc b(quadrat, true, eixos15);
    b.Executar(AnalisiDerivada);
    // Every tangent drawn in red is erased with the background pen.
    const auto vermelles = b.finestra.llenc.LiniesDeColor(ColorVermell);
    const auto blanques = b.finestra.llenc.LiniesDeColor(ColorBlanc);
    const auto& ultima = vermelles.back();
    const auto esborrada = std::find_if(blanques.begin(), blanques.end(), [&](const auto& l) {
        return l.x1 == ultima.x1 && l.y1 == ultima.y1 && l.x2 == ultima.x2 && l.y2 == ultima.y2;
    });
    EXPECT_NE(esborrada, blanques.end());
    EXPECT_EQ(b.resultats.TextEstat, "Funció derivada");
    EXPECT_FALSE(b.resultats.Corba.CorbaParcial);
}

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

    // A root on column 23 is neither shown nor paused at.
    Banc d([](double x) { return x + 9.9; }, true);
    d.Executar(AnalisiArrels);
    EXPECT_TRUE(d.finestra.pauses.empty());
    EXPECT_EQ(d.resultats.Segments.nombre, 0);
}

TEST(Tracat, EscapePausaIAturarNoTanca) {
    Banc b(quadrat, true, eixos15);
    EscombratFuncio e(b.Context());
    ASSERT_EQ(b.Iniciar(e, AnalisiDerivada), 0);
    FinsA(e, 339);
    b.resultats.PausaDemanada = true; // Escape during the wait
    EXPECT_EQ(e.Pas(), ResultatPas::Continua);
    ASSERT_EQ(b.finestra.pauses.size(), 1u);
    EXPECT_EQ(b.finestra.pauses[0], "x = 1  y´=2");
    EXPECT_EQ(b.finestra.segmentsEnPausa[0], 2); // tracing line and tangent kept while paused
    EXPECT_EQ(b.resultats.Segments.nombre, 0);   // taken out again on Continue
    EXPECT_FALSE(b.resultats.PausaDemanada);
    EXPECT_TRUE(b.resultats.Corba.CorbaParcial);
    EXPECT_EQ(b.resultats.Corba.ColumnaFinalCorba, 340);
    const std::string estat = b.resultats.TextEstat;
    b.resultats.AturarCalcul = true; // a menu opened
    EXPECT_EQ(e.Pas(), ResultatPas::Aturat);
    EXPECT_EQ(b.resultats.TextEstat, estat); // no closing steps
    EXPECT_EQ(b.finestra.titol, "Funció derivada");
    EXPECT_TRUE(b.resultats.Corba.CorbaParcial);

    // Untraced, Escape has no effect.
    Banc c(quadrat);
    c.resultats.PausaDemanada = true;
    EscombratFuncio u(c.Context());
    c.Iniciar(u, AnalisiMaxims);
    c.resultats.PausaDemanada = true;
    EXPECT_EQ(ExecutarEscombrat(u), ResultatPas::Acabat);
    EXPECT_TRUE(c.finestra.pauses.empty());
}

} // namespace
} // namespace tracima::prova
