// The point, interval and derivative scans on functions whose answers are known.
#include "Bastida.h"

#include "analysis/ComandesAnalisi.h"

#include <gtest/gtest.h>

namespace tracima::prova {
namespace {

const F cubica = [](double x) { return x * x * x - 3 * x; };
const F q4 = [](double x) { return x * x - 4; };
const F tres = [](double) { return 3.0; };
const F menys001 = [](double x) { return x - 0.01; };
const F arrel23 = [](double x) { return x + 9.9; }; // root at column 23
const F cub135 = [](double x) { return (x - 1.35) * (x - 1.35) * (x - 1.35); };
// An inflection between columns 320 and 321.
const F cubicaMig = [](double x) {
    const double t = x - 1.0 / 60;
    return t * t * t - 3 * t;
};
const F foratA1 = [](double x) { return std::fabs(x - 1) < 1e-9 ? NAN : x * x; };
// y = x, undefined at x = -1/30 (column 319).
const F senseMenysH = [](double x) { return std::fabs(x + 1.0 / 30) < 1e-6 ? NAN : x; };
const EixosFuncions eixos15 = Eixos(-15, 15, -10, 10); // h = 0.05
const F fons970 = [](double x) { return (x - 970.2425) * (x - 970.2425) / 1000; };

// Steps a started scan through column `columna`.
void FinsA(EscombratFuncio& e, int columna) {
    while (!e.Acabat() && e.Columna() <= columna)
        e.Pas();
}

// Untraced analyses: the labels in recording order; Escape has no effect.
struct CasPunts {
    const char* nom;
    int analisi;
    F f;
    double valor;
    std::string etiquetes;
    const char* segments = nullptr; // when given
    bool precisioBaixa = false;
    EixosFuncions eixos = Eixos(-10, 10, -10, 10);
};

class Punts : public ::testing::TestWithParam<CasPunts> {};

TEST_P(Punts, EtiquetesEsperades) {
    const auto& cas = GetParam();
    Banc b(cas.f, false, cas.eixos);
    b.opcions.MenuPrecisioBaixa = cas.precisioBaixa;
    EscombratFuncio e(b.Context(), cas.valor);
    ASSERT_EQ(b.Iniciar(e, cas.analisi), 0);
    b.resultats.PausaDemanada = true;
    EXPECT_EQ(ExecutarEscombrat(e), ResultatPas::Acabat);
    EXPECT_EQ(b.Textos(), cas.etiquetes);
    if (cas.segments) {
        EXPECT_EQ(b.Segments(), cas.segments);
    }
    EXPECT_TRUE(b.finestra.pauses.empty());
    EXPECT_EQ(b.finestra.titol, "F");
}

INSTANTIATE_TEST_SUITE_P(
    Analisis, Punts,
    ::testing::Values(
        // Samples exactly 0 at x = -2 and 2 (columns 260, 380); marks 4 rows each side of 220.
        CasPunts{"ArrelsExactes", AnalisiArrels, q4, 0, "-2|2", "260 224 260 216; 380 224 380 216"},
        // Sign change between x = 0 and x = 1/30: the midpoint 1/60.
        CasPunts{"ArrelEntreColumnes", AnalisiArrels, menys001, 0, "0.016667"},
        // Across a pole the jump is larger than one Y unit: no root.
        CasPunts{"PolNoEsArrel", AnalisiArrels, pol, 0, ""},
        // A touching root counts only on an exact zero sample.
        CasPunts{"TangentSenseZero", AnalisiArrels, toca001, 0, ""},
        // The root on column 23 is found but not shown.
        CasPunts{"Columna23", AnalisiArrels, arrel23, 0, ""},
        CasPunts{"MaximCubica", AnalisiMaxims, cubica, 0, "-1|2"},
        CasPunts{"MinimCubica", AnalisiMinims, cubica, 0, "1|-2"},
        CasPunts{"Repla", AnalisiMaxims, tres, 0, ""},
        CasPunts{"InflexioCubica", AnalisiInflexio, cubica, 0, "0|0"},
        CasPunts{"Antiimatges", AnalisiAntiimatge, quadrat, 1, "-1|1|1|1"},
        // Mean of the neighbours (29/30)^2 and (31/30)^2 is 1 + 1/900.
        CasPunts{"ForatAillat", AnalisiDiscontinuitats, foratA1, 0, "1|lim = 1.001111"},
        CasPunts{"SaltInfinit", AnalisiDiscontinuitats, pol, 0, "0|Pos. dis. infinita",
                 "320 0 320 440"},
        // A zero right after an undefined column is a root, but not an anti-image.
        CasPunts{"ArrelDespresDeForat", AnalisiArrels, senseMenysH, 0, "0"},
        CasPunts{"AntiimatgeDespresDeForat", AnalisiAntiimatge, senseMenysH, 0, ""},
        // The inflection passes the test at columns 320 and 321; the second is skipped.
        CasPunts{"InflexioEntreColumnes", AnalisiInflexio, cubicaMig, 0, "0|0.049995"},
        // Low precision: a root between columns sets PrecisioX to one column
        // (1/30: two decimals); the inflection doubles it (h = 0.05 -> 0.1: one).
        CasPunts{"ArrelPrecisioBaixa", AnalisiArrels, menys001, 0, "0,02", nullptr, true},
        CasPunts{"InflexioPrecisioBaixa", AnalisiInflexio, cub135, 0, "1,4|0", nullptr, true,
                 eixos15},
        CasPunts{"XDeLaColumnaEnUnEmpat", AnalisiMinims, fons970, 0, "970.242|0", nullptr, false,
                 eixosEmpat},
        // Intervals label x(first column - 1) and x(first column after the run);
        // a run opened at column 23 has no opening label, one open at the right
        // edge no closing one.
        CasPunts{"Creixement", AnalisiCreixement, quadrat, 0, "0",
                 "321 220 618 220; 321 220 321 220"},
        CasPunts{"Decreixement", AnalisiDecreixement, quadrat, 0, "0",
                 "23 220 319 220; 320 220 320 220"},
        CasPunts{"Concavitat", AnalisiConcavitat, cub, 0, "0"},
        // The second difference centred on x = 0 is 0: the run closes at x = -1/30.
        CasPunts{"Convexitat", AnalisiConvexitat, cub, 0, "-0.033333"},
        // Second differences exactly 0 belong to no run.
        CasPunts{"ConcavitatRecta", AnalisiConcavitat, tres, 0, ""}),
    [](const auto& info) { return std::string(info.param.nom); });

// At the top of the window the limit label is moved down.
TEST(Marques, EtiquetaBaixada) {
    Banc b(pol);
    b.Executar(AnalisiDiscontinuitats);
    EXPECT_EQ(b.resultats.Etiquetes.entrades[1].fila, 36);
}

// The open interval's segment ends at the scanned column, and the results are
// redrawn at every column, so it is seen growing.
TEST(Marques, SegmentQueCreix) {
    Banc b(quadrat);
    EscombratFuncio e(b.Context());
    ASSERT_EQ(b.Iniciar(e, AnalisiCreixement), 0);
    for (int c = 23; c <= 400; ++c) {
        e.Pas();
        if (c >= 321) {
            ASSERT_EQ(b.resultats.Segments.entrades[0].x2, c);
        }
    }
    EXPECT_EQ(b.finestra.resultatsDibuixats, 400 - 23 + 1);
}

TEST(Derivades, Corbes) {
    Banc b(quadrat);
    b.Executar(AnalisiDerivada);
    const auto& corba = b.resultats.Corba;
    for (int c = 20; c <= 620; ++c) {
        ASSERT_EQ(corba.Valida(c), c >= 23 && c <= 618) << c;
        // Samples at display-rounded abscissas (six digits here).
        if (corba.Valida(c)) {
            EXPECT_NEAR(corba.Valor(c), 2 * (c - 320) / 30.0, 3e-3) << c;
        }
    }
    EXPECT_EQ(b.resultats.Etiquetes.nombre, 0);
    Banc s(quadrat);
    s.Executar(AnalisiSegonaDerivada);
    EXPECT_NEAR(s.resultats.Corba.Valor(400), 2, 1e-2); // rounded abscissas over h squared
    // Slopes of 30 exceed the window height (20): no second derivative either.
    Banc r([](double x) { return 30 * x; });
    r.Executar(AnalisiSegonaDerivada);
    EXPECT_FALSE(r.resultats.Corba.Valida(400));
}

// The constant equal to the target matches at every column: the lists fill up,
// the scan stops with message 204 and nothing is written past 651 entries.
TEST(LlistaPlena, AturaAmbMissatge) {
    Banc b(u);
    b.Executar(AnalisiAntiimatge, 1);
    EXPECT_EQ(b.resultats.Etiquetes.nombre, 650);
    EXPECT_EQ(b.finestra.missatges, V{"No és possible dibuixar més punts. Netejar  la finestra."});
    EXPECT_EQ(b.resultats.TextEstat, "Antiimatges del 1");
}

// The input boxes of the anti-image and the integral function: a text that is
// no number ends the command; a start out of range or where the function is
// undefined is asked again with the text typed before; an anti-image target
// out of range ends the command.
struct Caixes : EntradesAnalisi {
    V respostes, mostrats; // the answers, then Cancel; the text each box opened with
    bool DemanarValor(std::string_view, std::string_view, std::string& text) override {
        mostrats.push_back(text);
        if (mostrats.size() > respostes.size()) return false;
        text = respostes[mostrats.size() - 1];
        return true;
    }
    bool DemanarLimits(std::string_view, std::string&, std::string&) override { return false; }
};

TEST(Comandes, CaixesDeValor) {
    struct Cas {
        int analisi;
        V respostes;
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
        EXPECT_EQ(ExecutarComandaAnalisi(ctx, cas.analisi, nullptr, Parametres{}, caixes), 0);
        const std::string nom = cas.respostes.empty() ? "Cancel" : cas.respostes.front();
        EXPECT_EQ(b.finestra.missatges, cas.missatges) << nom;
        EXPECT_EQ(caixes.mostrats, cas.mostrats) << nom;
        EXPECT_EQ(b.resultats.TextEstat, cas.estat) << nom;
    }
    // An accepted target is the only segment, at the row of the typed value.
    Banc b(id);
    auto ctx = b.Context();
    double valor = 0;
    ASSERT_EQ(PrepararAntiimatge(ctx, "-2,5", valor), 0);
    EXPECT_DOUBLE_EQ(valor, -2.5);
    ASSERT_EQ(b.resultats.Segments.nombre, 1);
    EXPECT_EQ(b.resultats.Segments.entrades[0].y1, 270); // 20 rows per y unit
}

// Traced runs: the status line after column `columna`, and whether the result
// curve has a value there (the derivative curves have gaps where their status
// says so).
struct CasEstat {
    const char* nom;
    int analisi;
    F f;
    double valor;
    int columna;
    std::string text;
    bool corba = false;
};

class EstatTracat : public ::testing::TestWithParam<CasEstat> {};

TEST_P(EstatTracat, TextDeLaColumna) {
    const auto& cas = GetParam();
    Banc b(cas.f, true, eixos15);
    EscombratFuncio e(b.Context(), cas.valor);
    ASSERT_EQ(b.Iniciar(e, cas.analisi), 0);
    FinsA(e, cas.columna);
    EXPECT_EQ(b.resultats.TextEstat, cas.text);
    EXPECT_EQ(b.resultats.Corba.Valida(cas.columna), cas.corba);
}

INSTANTIATE_TEST_SUITE_P(
    Analisis, EstatTracat,
    ::testing::Values(
        // The first column never shows a value.
        CasEstat{"PrimeraColumna", AnalisiMinims, quadrat, 0, 23, "x = -14.85   NO té imatge"},
        CasEstat{"Columna", AnalisiMaxims, quadrat, 0, 340, "x = 1   y = 1"},
        CasEstat{"AntiimatgeAlMig", AnalisiAntiimatge, quadrat, 2, 349, "x = 1.425   y = 2"},
        CasEstat{"Pol", AnalisiDiscontinuitats, pol, 0, 320, "x = 0   Pos. dis. infinita"},
        CasEstat{"Forat", AnalisiDiscontinuitats, foratA1, 0, 340, "x = 1   lim = 1.0025"},
        // Opened at x = 0.05: the label and the status show the column before.
        CasEstat{"ObreInterval", AnalisiCreixement, quadrat, 0, 321, "x = 0   y = 0.0025"},
        CasEstat{"Derivada", AnalisiDerivada, quadrat, 0, 340, "x = 1  y´=2", true},
        CasEstat{"SegonaDerivada", AnalisiSegonaDerivada, quadrat, 0, 340, "x = 1  y´´=2", true},
        CasEstat{"ForaDeLaPantalla", AnalisiDerivada, invers, 0, 322,
                 "x = 0.1  y´=Fora de la pantalla"},
        CasEstat{"VeiNoDefinit", AnalisiDerivada, invers, 0, 321, "x = 0.05 No té derivada"},
        CasEstat{"VeiNoDefinitEsquerra", AnalisiDerivada, invers, 0, 319,
                 "x = -0.05 No té derivada"},
        CasEstat{"VeiNoDefinitSegona", AnalisiSegonaDerivada, invers, 0, 319,
                 "x = -0.05 No té derivada segona"}),
    [](const auto& info) { return std::string(info.param.nom); });

// The lines drawn on the canvas as "colour x1 y1 x2 y2; ..." (White, Red, Blue,
// Green; pixels).
std::string Linies(const LlencEnregistrador& l) {
    std::string t;
    for (const auto& c : l.DelTipus(LlencEnregistrador::Tipus::Linia)) {
        t += c.color == ColorBlanc     ? "W "
             : c.color == ColorVermell ? "R "
             : c.color == ColorBlau    ? "B "
             : c.color == ColorVerd    ? "G "
                                       : "? ";
        t += Numeros({c.x1, c.y1, c.x2, c.y2}) + "; ";
    }
    return t;
}

TEST(Tracat, LiniesDUnaColumna) {
    struct Cas {
        const char* nom;
        int analisi;
        F f;
        double escalaX;
        int columna;
        std::size_t total;  // all lines drawn
        std::string linies; // the first ones, each ending in ";"
    };
    const Cas casos[] = {
        // Erase the previous tracing line, draw this one, repair the curve in blue.
        {"Recta", AnalisiMinims, id, 1, 300, 4,
         "W 299 241 299 220; R 300 240 300 220; B 297 243 298 242; B 298 242 299 241;"},
        // Half-width window: column 301 falls on the device column of 300.
        {"MateixaColumnaDispositiu", AnalisiMinims, id, 0.5, 301, 0, ""},
        {"NovaColumnaDispositiu", AnalisiMinims, id, 0.5, 302, 3,
         "R 151 238 151 220; B 150 241 150 240; B 150 240 150 239;"},
        // The last column also erases its own tracing line before the repair.
        {"UltimaColumna", AnalisiMinims, u, 1, 618, 5,
         "W 617 200 617 220; R 618 200 618 220; W 618 200 618 220; B 615 200 616 200; "
         "B 616 200 617 200;"},
        // The tangent of x = 0.95 (slope 1.9) is erased, that of x = 1 (slope 2)
        // drawn 75 columns each side; then 2 blue pieces, 75 green ones from
        // column 265, and the function again in blue over columns 260..420 where
        // it stays in the band (x <= 3.3: 126 pieces).
        {"Tangent", AnalisiDerivada, quadrat, 1, 340, 4 + 2 + 75 + 126,
         "W 339 202 339 220; W 264 344 414 59; R 340 200 340 220; R 265 350 415 50;"},
    };
    for (const auto& cas : casos) {
        Banc b(cas.f, true, eixos15);
        b.vista.EscalaX = cas.escalaX;
        EscombratFuncio e(b.Context());
        ASSERT_EQ(b.Iniciar(e, cas.analisi), 0);
        FinsA(e, cas.columna - 1);
        b.finestra.llenc.Esborrar();
        e.Pas();
        EXPECT_EQ(b.finestra.llenc.DelTipus(LlencEnregistrador::Tipus::Linia).size(), cas.total)
            << cas.nom;
        EXPECT_EQ(Linies(b.finestra.llenc).substr(0, cas.linies.size()), cas.linies) << cas.nom;
    }
}

TEST(Tracat, TangentEsborradaAlFinal) {
    Banc b(quadrat, true, eixos15);
    b.Executar(AnalisiDerivada);
    // The last tangent drawn in red is erased with the background pen.
    const auto v = b.finestra.llenc.LiniesDeColor(ColorVermell).back();
    const std::string esborrada = "W " + Numeros({v.x1, v.y1, v.x2, v.y2}) + ";";
    EXPECT_NE(Linies(b.finestra.llenc).find(esborrada), std::string::npos);
    EXPECT_EQ(b.resultats.TextEstat, "Funció derivada");
    EXPECT_FALSE(b.resultats.Corba.CorbaParcial);
}

TEST(Tracat, PausaACadaPuntICancelMantéElsTrobats) {
    Banc b(q4, true);
    b.Executar(AnalisiArrels);
    EXPECT_EQ(b.finestra.pauses, (V{"x = -2   y = 0", "x = 2   y = 0"}));

    Banc c(q4, true);
    c.finestra.respostes = {false};
    EXPECT_EQ(c.Executar(AnalisiArrels), ResultatPas::Cancellat);
    EXPECT_EQ(c.Textos(), "-2");
    EXPECT_EQ(c.finestra.titol, "Arrels"); // the title stays in the caption

    // A root on column 23 is neither shown nor paused at.
    Banc d(arrel23, true);
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
    EXPECT_EQ(b.finestra.pauses, (V{"x = 1  y´=2"}));
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
}

} // namespace
} // namespace tracima::prova
