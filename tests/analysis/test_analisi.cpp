// The analyses on functions whose answers are known: scans, integrals, cuts, the
// point panel and the pointer; a fake window on the recording canvas answers the
// pause question from a queue.
#include "analysis/ComandesAnalisi.h"
#include "analysis/Escombrat.h"
#include "analysis/Estudi.h"
#include "analysis/Integrals.h"
#include "analysis/PuntImatge.h"
#include "analysis/Talls.h"
#include "view/Dibuix.h"
#include "view/Llenc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace tracima {
namespace {

using F = std::function<double(double)>; // a value that is not finite: undefined
using V = std::vector<std::string>;

struct FinestraProva : FinestraCalcul {
    LlencEnregistrador llenc;
    std::deque<bool> respostes;       // pause answers; empty queue: continue
    V pauses, missatges;              // texts of the pause dialogs and the messages
    std::vector<int> segmentsEnPausa; // segment count while paused
    std::string titol;
    const EstatResultats* resultats = nullptr;
    Llenc& Canvas() override { return llenc; }
    void DibuixarEixos() override {}
    void DibuixarResultats() override {}
    void DibuixarEtiqueta(int) override {}
    void Repintar() override {}
    void FixarTitolFinestra(std::string_view t) override { titol = t; }
    bool PreguntarPausa(std::string_view text) override {
        pauses.emplace_back(text);
        if (resultats) segmentsEnPausa.push_back(resultats->Segments.nombre);
        if (respostes.empty()) return true;
        const bool r = respostes.front();
        respostes.pop_front();
        return r;
    }
    void MostrarMissatge(std::string_view text) override { missatges.emplace_back(text); }
};

// Axes xo..xf and yo..yf, Y unit 1.
EixosFuncions Eixos(double xo, double xf, double yo, double yf, double xUnitat = 1) {
    EixosFuncions e{xo, xf, xUnitat, yo, yf, 1};
    e.CalcularPassos();
    e.CalcularOrigens();
    return e;
}

// Samples of f at the display-rounded x of each column, as the function set takes them.
MostresFuncio Mostrejar(const EixosFuncions& e, const F& f) {
    MostresFuncio m;
    bool anterior = false;
    double filaAnterior = 0;
    for (int c = 20; c <= 620; ++c) {
        auto& s = m.columna[static_cast<std::size_t>(c - 20)];
        const double y = f(e.XColumna(c));
        s.definida = std::isfinite(y), s.valor = s.definida ? y : 0.0, s.fila = e.Fila(s.valor);
        const bool banda = s.fila > 0 && s.fila < 440 && filaAnterior > 0 && filaAnterior < 440;
        s.unida = s.definida && anterior && banda;
        anterior = s.definida, filaAnterior = s.fila;
    }
    return m;
}

// Column 168 lies at x = 970.2425, a tie at three decimals: the scans show
// (c - OrigenLogicX) * 5 rounded, 970.242, where the samples are taken at 970.243.
const EixosFuncions eixosEmpat = Eixos(230.2425, 3230.2425, -3, 1, 30);

const F id = [](double x) { return x; };
const F u = [](double) { return 1.0; };
const F quadrat = [](double x) { return x * x; };
const F cub = [](double x) { return x * x * x; };
const F invers = [](double x) { return 1 / x; }; // undefined at 0
const F pol = [](double x) { return 1 / (x - 0.01); };
const F toca001 = [](double x) { return (x - 0.01) * (x - 0.01); };

// Steps a started stepper to its end and returns the last step's result.
template <class Pas> ResultatPas Acabar(Pas& e) {
    for (;;)
        if (const ResultatPas p = e.Pas(); p != ResultatPas::Continua) return p;
}

// Everything one scan needs; the default axes are -10..10 both ways, unit 1.
struct Banc {
    EixosFuncions eixos;
    MostresFuncio mostres;
    EstatResultats resultats;
    OpcionsVista opcions;
    ValorsVista vista;
    TaulaMissatges missatges;
    FinestraProva finestra;

    explicit Banc(const F& f, bool tracat = false, const EixosFuncions& e = Eixos(-10, 10, -10, 10))
        : eixos(e), mostres(Mostrejar(e, f)) {
        opcions.MenuTrassarElsCalculs = tracat, opcions.MenuPrecisioBaixa = false;
        finestra.resultats = &resultats;
    }
    // The context of a scan, drawing on `w` instead of the fake window when given.
    ContextAnalisi Context(FinestraCalcul* w = nullptr) {
        return {resultats, mostres, eixos, opcions, vista, missatges, w ? *w : finestra, "F"};
    }
    // Clears the results and starts analysis `a` on `e`.
    int Iniciar(EscombratFuncio& e, int a) {
        NetejarEstatResultats(resultats, eixos);
        resultats.AnalisiActiva = a;
        return e.Iniciar();
    }
    ResultatPas Executar(int a, double valor = 0) {
        EscombratFuncio e(Context(), valor);
        return Iniciar(e, a) != 0 ? ResultatPas::Aturat : ExecutarEscombrat(e);
    }
    std::size_t Linies(Color c) const { return finestra.llenc.LiniesDeColor(c).size(); }
    // The label texts joined by "|", and the segments as "x1 y1 x2 y2; ..." (logical).
    std::string Textos() const {
        std::string t;
        for (int i = 0; i < resultats.Etiquetes.nombre; ++i)
            t += (i ? "|" : "") + resultats.Etiquetes.entrades[static_cast<std::size_t>(i)].text;
        return t;
    }
    std::string Segments() const {
        std::string t;
        for (int i = 0; i < resultats.Segments.nombre; ++i) {
            const auto& s = resultats.Segments.entrades[static_cast<std::size_t>(i)];
            t += (i ? "; " : "") + std::to_string(s.x1) + " " + std::to_string(s.y1) + " " +
                 std::to_string(s.x2) + " " + std::to_string(s.y2);
        }
        return t;
    }
};

const F cubica = [](double x) { return x * x * x - 3 * x; };
const F cub135 = [](double x) { return (x - 1.35) * (x - 1.35) * (x - 1.35); };
const F q4 = [](double x) { return x * x - 4; };
const F tres = [](double) { return 3.0; };
const F menys001 = [](double x) { return x - 0.01; };
const F cubicaMig = [](double x) { return cubica(x - 1.0 / 60); }; // inflection at 320..321
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

// Untraced analyses: the labels in order and, when given, the segments; Escape does nothing.
struct CasPunts {
    const char* nom;
    int analisi;
    F f;
    double valor;
    std::string etiquetes;
    const char* segments = nullptr;
    bool precisioBaixa = false;
    EixosFuncions eixos = Eixos(-10, 10, -10, 10);
};

TEST(Punts, EtiquetesEsperades) {
    const CasPunts casos[] = {
        // Samples exactly 0 at x = -2 and 2 (columns 260, 380); marks 4 rows each side of 220.
        {"ArrelsExactes", AnalisiArrels, q4, 0, "-2|2", "260 224 260 216; 380 224 380 216"},
        // Sign change between x = 0 and x = 1/30: the midpoint 1/60.
        {"ArrelEntreColumnes", AnalisiArrels, menys001, 0, "0.016667"},
        // Across a pole the jump is larger than one Y unit: no root.
        {"PolNoEsArrel", AnalisiArrels, pol, 0, ""},
        // A touching root counts only on an exact zero sample.
        {"TangentSenseZero", AnalisiArrels, toca001, 0, ""},
        // The root on column 23 is found but neither shown nor (traced) paused at.
        {"Columna23", AnalisiArrels, [](double x) { return x + 9.9; }, 0, ""},
        {"MaximCubica", AnalisiMaxims, cubica, 0, "-1|2"},
        {"MinimCubica", AnalisiMinims, cubica, 0, "1|-2"},
        {"Repla", AnalisiMaxims, tres, 0, ""},
        {"InflexioCubica", AnalisiInflexio, cubica, 0, "0|0"},
        // Mean of the neighbours (29/30)^2 and (31/30)^2 is 1 + 1/900.
        {"ForatAillat", AnalisiDiscontinuitats, foratA1, 0, "1|lim = 1.001111"},
        {"SaltInfinit", AnalisiDiscontinuitats, pol, 0, "0|Pos. dis. infinita", "320 0 320 440"},
        // A zero right after an undefined column is a root, but not an anti-image.
        {"ArrelDespresDeForat", AnalisiArrels, senseMenysH, 0, "0"},
        {"AntiimatgeDespresDeForat", AnalisiAntiimatge, senseMenysH, 0, ""},
        // The inflection passes the test at columns 320 and 321; the second is skipped.
        {"InflexioEntreColumnes", AnalisiInflexio, cubicaMig, 0, "0|0.049995"},
        // Low precision: a root between columns sets PrecisioX to one column
        // (1/30: two decimals); the inflection doubles it (h = 0.05 -> 0.1: one).
        {"ArrelPrecisioBaixa", AnalisiArrels, menys001, 0, "0,02", nullptr, true},
        {"InflexioPrecisioBaixa", AnalisiInflexio, cub135, 0, "1,4|0", nullptr, true, eixos15},
        {"XDeLaColumnaEnUnEmpat", AnalisiMinims, fons970, 0, "970.242|0", nullptr, false,
         eixosEmpat},
        // Intervals label x(first column - 1) and x(first column after the run); no
        // opening label for a run opened at column 23, no closing one at the right edge.
        {"Creixement", AnalisiCreixement, quadrat, 0, "0", "321 220 618 220; 321 220 321 220"},
        {"Decreixement", AnalisiDecreixement, quadrat, 0, "0", "23 220 319 220; 320 220 320 220"},
        {"Concavitat", AnalisiConcavitat, cub, 0, "0"},
        // The second difference centred on x = 0 is 0: the run closes at x = -1/30.
        {"Convexitat", AnalisiConvexitat, cub, 0, "-0.033333"},
        // Second differences exactly 0 belong to no run.
        {"ConcavitatRecta", AnalisiConcavitat, tres, 0, ""}};
    for (const auto& cas : casos) {
        SCOPED_TRACE(cas.nom);
        Banc b(cas.f, false, cas.eixos);
        b.opcions.MenuPrecisioBaixa = cas.precisioBaixa;
        EscombratFuncio e(b.Context(), cas.valor);
        ASSERT_EQ(b.Iniciar(e, cas.analisi), 0);
        b.resultats.PausaDemanada = true;
        EXPECT_EQ(ExecutarEscombrat(e), ResultatPas::Acabat);
        EXPECT_EQ(std::tuple(b.Textos(), b.finestra.pauses.size(), b.finestra.titol),
                  std::tuple(cas.etiquetes, 0u, "F"));
        if (cas.segments) {
            EXPECT_EQ(b.Segments(), cas.segments);
        }
    }
}

TEST(Derivades, Corbes) {
    Banc b(quadrat);
    b.Executar(AnalisiDerivada);
    const auto& corba = b.resultats.Corba;
    for (int c = 20; c <= 620; ++c) { // samples at display-rounded abscissas (six digits)
        ASSERT_EQ(corba.Valida(c), c >= 23 && c <= 618) << c;
        EXPECT_NEAR(corba.Valor(c), corba.Valida(c) ? 2 * (c - 320) / 30.0 : 0, 3e-3) << c;
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

// At the top of the window the limit label is moved down. The target matched at
// every column fills the lists: message 204 stops the scan.
TEST(Marques, EtiquetaBaixadaILlistaPlena) {
    Banc p(pol);
    p.Executar(AnalisiDiscontinuitats);
    EXPECT_EQ(p.resultats.Etiquetes.entrades[1].fila, 36);
    Banc b(u);
    b.Executar(AnalisiAntiimatge, 1);
    EXPECT_EQ(std::tuple(b.resultats.Etiquetes.nombre, b.finestra.missatges, b.resultats.TextEstat),
              std::tuple(650, V{"No és possible dibuixar més punts. Netejar  la finestra."},
                         "Antiimatges del 1"));
}

// The value boxes: no number, or an anti-image target out of range, ends the command;
// a start out of range or where the function is undefined is asked again.
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
    // The answers (then Cancel), the messages, the text each box opened with, the status.
    const std::string noNumero = "El valor escrit no és un número.";
    const std::string gran = "Valor de la x massa gran.", petit = "Valor de la x massa petit.";
    const int ant = AnalisiAntiimatge, fi = AnalisiFuncioIntegral;
    const std::tuple<int, V, V, V, std::string> casos[] = {
        {ant, {"abc"}, {noNumero}, {""}, ""},
        {ant, {"20"}, {"Valor de la y massa gran"}, {""}, ""},
        {ant, {"-20"}, {"Valor de la y massa petit"}, {""}, ""},
        {ant, {"1"}, {}, {""}, "Antiimatges del 1"},
        {fi, {"1e2"}, {noNumero}, {""}, ""},
        {fi, {"20", "-20", "0,5"}, {gran, petit}, {"", "20", "-20"}, "Funció Integral"},
        {fi, {}, {}, {""}, ""}};
    for (const auto& [analisi, respostes, missatges, mostrats, estat] : casos) {
        Banc b(quadrat);
        NetejarEstatResultats(b.resultats, b.eixos);
        auto ctx = b.Context();
        Caixes caixes;
        caixes.respostes = respostes;
        EXPECT_EQ(ExecutarComandaAnalisi(ctx, analisi, nullptr, Parametres{}, caixes), 0);
        SCOPED_TRACE(respostes.empty() ? "Cancel" : respostes.front());
        EXPECT_EQ(std::tie(b.finestra.missatges, caixes.mostrats, b.resultats.TextEstat),
                  std::tie(missatges, mostrats, estat));
    }
    // An accepted target is the only segment, at the row of the typed value.
    Banc b(id);
    auto ctx = b.Context();
    double valor = 0;
    ASSERT_EQ(PrepararAntiimatge(ctx, "-2,5", valor), 0);
    EXPECT_EQ(std::tuple(valor, b.Segments()),
              std::tuple(-2.5, "20 270 620 270")); // 20 rows per unit
}

// Traced runs: the status line after column `columna`, and whether the result
// curve has a value there (the derivative curves have gaps where the status says so).
TEST(EstatTracat, TextDeLaColumna) {
    const std::tuple<int, F, double, int, std::string, bool> casos[] = {
        {AnalisiMinims, quadrat, 0, 23, "x = -14.85   NO té imatge", false}, // the first column
        {AnalisiAntiimatge, quadrat, 2, 349, "x = 1.425   y = 2", false},
        {AnalisiDiscontinuitats, pol, 0, 320, "x = 0   Pos. dis. infinita", false},
        {AnalisiDiscontinuitats, foratA1, 0, 340, "x = 1   lim = 1.0025", false},
        // Opened at x = 0.05: the label and the status show the column before.
        {AnalisiCreixement, quadrat, 0, 321, "x = 0   y = 0.0025", false},
        {AnalisiDerivada, quadrat, 0, 340, "x = 1  y´=2", true},
        {AnalisiSegonaDerivada, quadrat, 0, 340, "x = 1  y´´=2", true},
        {AnalisiDerivada, invers, 0, 322, "x = 0.1  y´=Fora de la pantalla", false},
        {AnalisiDerivada, invers, 0, 321, "x = 0.05 No té derivada", false},
        {AnalisiDerivada, invers, 0, 319, "x = -0.05 No té derivada", false},
        {AnalisiSegonaDerivada, invers, 0, 319, "x = -0.05 No té derivada segona", false}};
    for (const auto& [analisi, f, valor, columna, text, corba] : casos) {
        Banc b(f, true, eixos15);
        EscombratFuncio e(b.Context(), valor);
        ASSERT_EQ(b.Iniciar(e, analisi), 0);
        FinsA(e, columna);
        EXPECT_EQ(std::tuple(b.resultats.TextEstat, b.resultats.Corba.Valida(columna)),
                  std::tuple(text, corba));
    }
}

// At the end the tracing line of column 618 and the last tangent are erased.
TEST(Tracat, TangentILiniaEsborradesAlFinal) {
    Banc b(quadrat, true, eixos15);
    b.Executar(AnalisiDerivada);
    std::set<std::array<int, 4>> blanques;
    for (const auto& w : b.finestra.llenc.LiniesDeColor(ColorBlanc))
        blanques.insert({w.x1, w.y1, w.x2, w.y2});
    const auto vermelles = b.finestra.llenc.LiniesDeColor(ColorVermell);
    ASSERT_GE(vermelles.size(), 2u);
    for (auto v = vermelles.end() - 2; v != vermelles.end(); ++v)
        EXPECT_TRUE(blanques.count({v->x1, v->y1, v->x2, v->y2})) << v->x1;
    EXPECT_EQ(std::tuple(b.resultats.TextEstat, b.resultats.Corba.CorbaParcial),
              std::tuple("Funció derivada", false));
}

TEST(Tracat, PausaACadaPuntICancelMantéElsTrobats) {
    Banc b(q4, true);
    b.Executar(AnalisiArrels);
    EXPECT_EQ(b.finestra.pauses, (V{"x = -2   y = 0", "x = 2   y = 0"}));

    Banc c(q4, true);
    c.finestra.respostes = {false};
    EXPECT_EQ(c.Executar(AnalisiArrels), ResultatPas::Cancellat);
    EXPECT_EQ(std::tuple(c.Textos(), c.finestra.titol), std::tuple("-2", "Arrels")); // caption kept
}

TEST(Tracat, EscapePausaIAturarNoTanca) {
    Banc b(quadrat, true, eixos15);
    EscombratFuncio e(b.Context());
    ASSERT_EQ(b.Iniciar(e, AnalisiDerivada), 0);
    FinsA(e, 339);
    b.resultats.PausaDemanada = true; // Escape during the wait
    EXPECT_EQ(e.Pas(), ResultatPas::Continua);
    // The tracing line and the tangent are kept while paused, taken out again on Continue.
    EXPECT_EQ(std::tuple(b.finestra.pauses, b.finestra.segmentsEnPausa, b.resultats.Segments.nombre,
                         b.resultats.PausaDemanada, b.resultats.Corba.CorbaParcial,
                         b.resultats.Corba.ColumnaFinalCorba),
              std::tuple(V{"x = 1  y´=2"}, std::vector<int>{2}, 0, false, true, 340));
    const std::string estat = b.resultats.TextEstat;
    b.resultats.AturarCalcul = true; // a menu opened
    EXPECT_EQ(e.Pas(), ResultatPas::Aturat);
    EXPECT_EQ(std::tuple(b.resultats.TextEstat, b.finestra.titol, b.resultats.Corba.CorbaParcial),
              std::tuple(estat, "Funció derivada", true)); // no closing steps
    // Cancel.lar in that pause leaves no tracing line or tangent among the results.
    Banc c(quadrat, true, eixos15);
    EscombratFuncio f(c.Context());
    ASSERT_EQ(c.Iniciar(f, AnalisiDerivada), 0);
    FinsA(f, 339);
    c.resultats.PausaDemanada = true;
    c.finestra.respostes = {false};
    EXPECT_EQ(std::pair(f.Pas(), c.resultats.Segments.nombre),
              std::pair(ResultatPas::Cancellat, 0));
}

// The definite integral changes sign with its limits; line integral and area swap them.
TEST(Integral, ValorConegut) {
    const std::tuple<int, F, F, double, double, double, double> casos[] = {
        {AnalisiIntegralDefinida, u, nullptr, 2, 0, -2, 1e-12},
        {AnalisiIntegralDefinida, quadrat, nullptr, 0, 3, 9, 2e-3},
        {AnalisiIntegralLinia, id, nullptr, 0, 3, 3 * std::sqrt(2), 1e-9},
        {AnalisiIntegralLinia, id, nullptr, 3, 0, 3 * std::sqrt(2), 1e-9},
        {AnalisiArea, quadrat, id, 1, 0, 1.0 / 6, 1e-3}};
    for (const auto& [analisi, f, g, a, b, esperat, tolerancia] : casos) {
        Banc banc(f);
        const MostresFuncio segona = Mostrejar(banc.eixos, g ? g : u);
        banc.resultats.AnalisiActiva = analisi;
        CalculIntegral calcul(banc.Context(), &segona);
        ASSERT_EQ(calcul.Iniciar(a, b), 0);
        EXPECT_EQ(Acabar(calcul), ResultatPas::Acabat);
        EXPECT_NEAR(calcul.Valor(), esperat, tolerancia) << analisi << ": " << a << ", " << b;
        EXPECT_TRUE(banc.finestra.missatges.empty());
    }
}

// Two boundary lines and a hatched segment per column 320..380 in either order of the
// limits; at twice the size a fill line between each pair of columns keeps it solid.
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
            int minim = 640, maxim = 0, omplerts = 0;
            for (int i = 0; i < s.nombre; ++i) {
                const SegmentResultat& seg = s.entrades[static_cast<std::size_t>(i)];
                omplerts += seg.omplert;
                if (i >= 2) minim = std::min(minim, seg.x1), maxim = std::max(maxim, seg.x1);
            }
            EXPECT_EQ(std::tuple(omplerts, minim, maxim, banc.finestra.titol),
                      std::tuple(61, 320, 380, "F"));
            EXPECT_EQ(banc.Linies(ColorVermell), 2u + 61u + (escala == 2 ? 60u : 0u));
        }
}

// Traced: Escape pauses with the running status, Cancel keeps the hatching so far,
// a stop leaves caption and status as they are. The status strip is the integrals'
// own, 300 pixels wide, even after the cuts left theirs at 200.
TEST(Integral, TracatPausaCancelIAturada) {
    // Cancel in the pause, a stop instead of the pause, the end and the caption.
    const std::tuple<bool, bool, ResultatPas, const char*> casos[] = {
        {false, false, ResultatPas::Acabat, "F"},
        {true, false, ResultatPas::Cancellat, "F"},
        {false, true, ResultatPas::Aturat, "abans"}};
    for (const auto& [cancel, aturar, esperat, titol] : casos) {
        Banc b(u, true);
        b.resultats.AnalisiActiva = AnalisiIntegralDefinida, b.finestra.titol = "abans";
        b.resultats.Rectangle = {0, 440, 200, 460};
        CalculIntegral calcul(b.Context());
        ASSERT_EQ(calcul.Iniciar(0, 2), 0);
        for (int i = 0; i < 10; ++i)
            ASSERT_EQ(calcul.Pas(), ResultatPas::Continua);
        b.resultats.PausaDemanada = !aturar, b.resultats.AturarCalcul = aturar;
        b.finestra.respostes = {!cancel};
        EXPECT_EQ(Acabar(calcul), esperat);
        // The eleventh column, x = 1/3, already counted: 10 trapezoids of 1/30.
        const V pausa = aturar ? V{} : V{"Integral definida entre 0 i 0.333333 = 0.333333"};
        EXPECT_EQ(std::tuple(b.finestra.titol, b.resultats.PausaDemanada,
                             b.resultats.Rectangle.dreta, b.finestra.pauses,
                             b.resultats.Segments.nombre),
                  std::tuple(titol, false, 300, pausa,
                             2 + (aturar   ? 10
                                  : cancel ? 11
                                           : 61)));
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
        EXPECT_EQ(std::tuple(c.MostrarCorbaResultat, b.resultats.TextEstat, b.finestra.titol),
                  std::tuple(true, "Funció Integral", "F"));
    }
}

// The start is the first column whose scan x reaches x0: 970.243 is past the
// 970.242 of column 168, so F is 0 at column 169. A limit that no column reaches
// (the display rounding of the last one can fall short) takes the last column.
// Where the function is undefined right of x0 the curve stops there, with
// nothing left of x0; at x0 itself nothing is drawn.
TEST(FuncioIntegral, IniciLimitIForat) {
    Banc b(u, false, eixosEmpat);
    auto ctx = b.Context();
    ASSERT_EQ(CalcularFuncioIntegral(ctx, 970.243), 0);
    EXPECT_EQ(std::tuple(b.resultats.Corba.Valor(169), b.resultats.Corba.Valor(170)),
              std::tuple(0, 5));
    const auto e = Eixos(-10, 10, -10, 10);
    EXPECT_EQ(std::tuple(ColumnaDelLimit(e, 0), ColumnaDelLimit(e, 11)), std::tuple(320, 620));

    Banc p([](double x) { return x / x; }); // 1, undefined at 0
    auto ctxp = p.Context();
    EXPECT_EQ(CalcularFuncioIntegral(ctxp, 0), 3);
    EXPECT_EQ(CalcularFuncioIntegral(ctxp, -5), 0);
    EXPECT_EQ(p.finestra.missatges.back(), "NO té imatge, la funció integral no està ben definida");
    EXPECT_EQ(std::tuple(p.resultats.Corba.Valida(319), p.resultats.Corba.Valida(320),
                         p.resultats.Corba.Valida(100)),
              std::tuple(true, false, false));
}

TEST(Limits, Comprovacions) {
    // 10.0000004 is rounded to X final.
    const std::tuple<const char*, const char*, int, int> casos[] = {
        {"x+", "1", 1, MissatgeErrorXInicial},   {"0", "PI/2", 0, -1},
        {"1", "1/0", 1, MissatgeErrorXFinal},    {"-11", "1", 1, MissatgeXInicialMassaPetit},
        {"1", "12", 1, MissatgeXFinalMassaGran}, {"1", "10.0000004", 0, -1}};
    for (const auto& [inicial, final, estat, slot] : casos) {
        Banc b(u);
        double a = 0, bb = 0;
        EXPECT_EQ(ValidarLimits(b.Context(), Parametres{}, inicial, final, a, bb), estat)
            << inicial;
        EXPECT_EQ(b.finestra.missatges,
                  slot < 0 ? V{} : V{std::string(b.missatges.Missatge(slot))});
    }
}

const F mig = [](double) { return 0.5; };
const F zero = [](double) { return 0.0; };

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

TEST(Talls, EtiquetesEsperades) {
    const std::tuple<F, F, double, double, std::string> casos[] = {
        // Column 350 falls on x = 0.5: an exact cut, not a midpoint.
        {id, [](double x) { return 1 - x; }, -5, 5, "0.5|0.5"},
        // Columns fall on -1, 0 and 1 (h = 1/150).
        {id, cub, -2, 2, "-1|-1|0|0|1|1"},
        // Between columns: the midpoint 1/120 and the mean of the first function.
        {[](double x) { return x - 1.0 / 120; }, zero, -5, 5, "0.008333|0"},
        // The sign change at the pole is a jump of more than one Y unit.
        {pol, zero, -5, 5, ""},
        // Touching without crossing: a cut only where a column falls on the point.
        {quadrat, zero, -5, 5, "0|0"},
        {toca001, zero, -5, 5, ""}};
    for (const auto& [f, g, xo, xf, etiquetes] : casos) {
        Tall k(f, g, xo, xf);
        EXPECT_EQ(ExecutarTalls(k.t), ResultatPas::Acabat);
        EXPECT_EQ(std::tuple(k.b.Textos(), k.b.resultats.TextEstat, k.b.finestra.missatges.size(),
                             k.b.vista.DibuixarEixY),
                  std::tuple(etiquetes, "Punts de tall", 0u, true));
    }
}

TEST(TallsMarques, LiniaIFilesDeLesEtiquetes) {
    // y = x and y = -x - 2 cut at (-1, -1), column 260 on -5..5; the label rows: y < 0,
    // above the axis row.
    Tall k(id, [](double x) { return -x - 2; });
    ExecutarTalls(k.t);
    EXPECT_EQ(k.b.Segments(), "260 260 260 220");
    EXPECT_EQ(std::tuple(k.b.resultats.Etiquetes.entrades[0].fila,
                         k.b.resultats.Etiquetes.entrades[1].fila, k.b.resultats.Corba.Valida(260),
                         k.b.resultats.Corba.MostrarCorbaResultat),
              std::tuple(219, 260, true, false));
}

// Coinciding functions cut at every column: the lists fill, message 204 ends the scan.
TEST(TallsMarques, LlistaPlena) {
    const F f = [](double x) { return x / 10; };
    Tall k(f, f);
    EXPECT_EQ(ExecutarTalls(k.t), ResultatPas::Acabat);
    EXPECT_EQ(std::tuple(k.b.resultats.Etiquetes.nombre, k.b.resultats.Segments.nombre,
                         k.b.finestra.missatges, k.b.resultats.TextEstat),
              std::tuple(650, 325, V{std::string(k.b.missatges.Missatge(MissatgeMassaPunts))},
                         "Punts de tall"));
}

// The pause at the cut on the vertical axis, then Cancel. The repaint of each
// pause draws the vertical axis again (DibuixarEixY true); after the cut on the
// axis column the tracing's axis redraws still leave it out; it is back once
// the scan ends.
TEST(TallsTracat, TallSobreLEixY) {
    Tall c(id, cub, -2, 2, true);
    c.b.finestra.respostes = {true, false}; // continue at -1, cancel at 0
    EXPECT_EQ(ExecutarTalls(c.t), ResultatPas::Cancellat);
    ASSERT_EQ(c.b.finestra.pauses.size(), 2u);
    EXPECT_EQ(std::tuple(c.b.finestra.pauses[1], c.b.Textos(), c.b.vista.DibuixarEixY),
              std::tuple("x = 0   y = 0" + std::string(39, ' '), "-1|-1|0|0", true));

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
    EXPECT_EQ(std::tuple(w.pauses.size(), w.eixY.empty(),
                         std::count(w.eixY.begin(), w.eixY.end(), true), k.b.vista.DibuixarEixY),
              std::tuple(3u, false, 0, true));
}

// Escape at column 33 (x = -4.78333): the pause shows the traced status and keeps
// the cursor's two lines where both functions are defined; a stop keeps the status.
TEST(TallsTracat, EscapeGuardaElCursorDurantLaPausa) {
    const std::tuple<F, std::string, int> casos[] = {
        {[](double x) { return x + 3; }, "x = -4.78333   ABS(y1-y2) = 2.28333", 2},
        {[](double x) { return x < -4 ? NAN : x; }, "x = -4.78333   NO té imatge", 0},
    };
    for (const auto& [f, text, segments] : casos) {
        Tall k(f, mig, -5, 5, true);
        for (int i = 0; i < 10; ++i)
            ASSERT_EQ(k.t.Pas(), ResultatPas::Continua);
        k.b.resultats.PausaDemanada = true;
        EXPECT_EQ(k.t.Pas(), ResultatPas::Continua);
        EXPECT_EQ(std::tuple(k.b.finestra.pauses, k.b.finestra.segmentsEnPausa,
                             k.b.resultats.Segments.nombre),
                  std::tuple(V{text}, std::vector<int>{segments}, 0));
        k.b.resultats.AturarCalcul = true;
        EXPECT_EQ(k.t.Pas(), ResultatPas::Aturat);
        EXPECT_EQ(k.b.resultats.TextEstat, text);
    }
}

// The point panel started for `formula` on the default axes, sampling the formula.
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

// Accepting an x: the formula, the analysis, the x typed, the y shown and the lines.
TEST(PanellPunt, Acceptar) {
    const std::tuple<const char*, int, std::string, std::string, std::string> casos[] = {
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
    for (const auto& [formula, analisi, x, y, segments] : casos) {
        Panell p(formula, analisi);
        p.panell.TextX = x;
        EXPECT_EQ(AcceptarPunt(p.ctx), 0);
        EXPECT_EQ(std::tuple(p.panell.TextY, p.banc.resultats.TextEstat, p.banc.Segments()),
                  std::tuple(y, "x = " + x + "  " + y, segments))
            << formula << " " << x;
    }
    EXPECT_EQ(ColumnaPunt(Eixos(-7.5, 7.5, -5, 5), -7.5), 21);
}

TEST(PanellPunt, IniciIErrorDeCalcul) {
    Panell p("x^2", AnalisiImatge);
    EXPECT_EQ(std::tuple(p.banc.finestra.titol, p.panell.TextY),
              std::tuple("Imatge de la funció en un punt", "y = 0"));
    p.panell.TextX = "PI/2-PI/2+1/0";
    EXPECT_EQ(AcceptarPunt(p.ctx), 1);
    EXPECT_EQ(std::tuple(p.banc.finestra.missatges, p.panell.TextY),
              std::tuple(V{"Error de càlcul en la X"}, "y ="));
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
    EXPECT_EQ(std::tuple(p.panell.Visible, p.banc.finestra.titol, p.banc.resultats.AnalisiActiva),
              std::tuple(false, "F", AnalisiDerivadaPunt));
}

TEST(Punter, LecturaIMarcaDeClic) {
    Banc b(id, false, Eixos(-7.5, 7.5, -5, 5));
    b.vista.EscalaX = b.vista.EscalaY = 2; // a window twice the logical size
    // (800, 280) is logical (400, 140).
    EXPECT_EQ(TextCoordenades(b.eixos, PuntDelPunter(b.eixos, b.vista, 800, 280)), "(2,2)");
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
    EXPECT_EQ(std::tuple(b.resultats.Segments.nombre, b.finestra.missatges),
              std::tuple(650, V{"No és possible dibuixar més punts. Netejar  la finestra."}));

    // Labels left by an earlier analysis fill their list: the mark is refused too.
    b.resultats.Segments.Buidar();
    while (!b.resultats.Etiquetes.Ple())
        b.resultats.Etiquetes.Afegir(0, 0, "x");
    EXPECT_EQ(MarcarClic(ctx, 800, 280), 2);
    EXPECT_EQ(b.resultats.Segments.nombre, 0);
}

TEST(Entrada, NumeroDecimal) {
    const std::tuple<const char*, int, double> casos[] = {
        {"1,5", 0, 1.5}, {" -2.25 ", 0, -2.25}, {"+3", 0, 3},  {"+-3", 1, 0}, {"1 2", 1, 0},
        {"", 1, 0},      {"abc", 1, 0},         {"nan", 1, 0}, {"1e3", 1, 0}, {"PI", 1, 0},
        {"-", 1, 0}};
    for (const auto& [text, estat, valor] : casos) {
        double v = 0;
        EXPECT_EQ(LlegirNumeroDecimal(text, v), estat) << text;
        EXPECT_DOUBLE_EQ(v, valor) << text;
    }
}

// The study of a function finds, with the same label texts, what each command
// finds on the same function set; its interval ends are the interval commands'
// labels or the view's edges; its report has every section in each language.
TEST(Estudi, TheSameResultsAsTheSingleCommands) {
    struct SenseEntrades : EntradesAnalisi {
        bool DemanarValor(std::string_view, std::string_view, std::string&) override {
            return false;
        }
        bool DemanarLimits(std::string_view, std::string&, std::string&) override { return false; }
    } entrades;
    const char* funcions[] = {"x^3-3x",  "(x^2-4)/(x-2)", "1/x",   "(1-x^2)^(1/2)",    "ln(x)",
                              "sin(2x)", "abs(x)/x",      "x^2+1", "1/((x+3)*(x-1))+1"};
    for (const char* text : funcions) {
        SCOPED_TRACE(text);
        ConjuntFuncions cf;
        ReiniciarConjunt(cf);
        cf.Slots[0].Text = text;
        Calculador calc;
        ASSERT_EQ(AplicarFuncions(cf, calc), 0);
        OpcionsVista o;
        o.MenuTrassarElsCalculs = false;
        TaulaMissatges m;
        const std::optional<EstudiFuncio> e = EstudiarFuncio(cf, o, m);
        ASSERT_TRUE(e);
        const std::pair<int, const std::vector<PuntEstudi>*> punts[] = {
            {AnalisiArrels, &e->arrels},
            {AnalisiDiscontinuitats, &e->discontinuitats},
            {AnalisiMaxims, &e->maxims},
            {AnalisiMinims, &e->minims},
            {AnalisiInflexio, &e->inflexions}};
        const std::pair<int, const std::vector<IntervalEstudi>*> intervals[] = {
            {AnalisiCreixement, &e->creixement},
            {AnalisiDecreixement, &e->decreixement},
            {AnalisiConcavitat, &e->concavitat},
            {AnalisiConvexitat, &e->convexitat}};
        ValorsVista v;
        FinestraCalculBuida w;
        EstatResultats r;
        const auto comanda = [&](int a) {
            NetejarEstatResultats(r, cf.Eixos);
            ContextAnalisi ctx{r, cf.MostresColumna[0], cf.Eixos, o, v, m, w, text};
            ExecutarComandaAnalisi(ctx, a, nullptr, cf.Parametres, entrades);
        };
        int marques = 0;
        for (const auto& [a, trobats] : punts) {
            comanda(a);
            const auto esperats = PuntsDelsResultats(r, a);
            ASSERT_EQ(trobats->size(), esperats.size()) << a;
            for (std::size_t i = 0; i < esperats.size(); ++i)
                EXPECT_EQ(std::tie((*trobats)[i].x, (*trobats)[i].y),
                          std::tie(esperats[i].x, esperats[i].y))
                    << a;
            marques += r.Etiquetes.nombre;
        }
        EXPECT_EQ(e->marques.Etiquetes.nombre, std::min(marques, CapacitatResultats));
        for (const auto& [a, trobats] : intervals) {
            comanda(a);
            std::multiset<std::string> etiquetes, extrems;
            for (int i = 0; i < r.Etiquetes.nombre; ++i)
                etiquetes.insert(r.Etiquetes.entrades[static_cast<std::size_t>(i)].text);
            for (const IntervalEstudi& i : *trobats)
                for (const std::string* x : {&i.a, &i.b})
                    if (!((x == &i.a && *x == "-7,5") || (x == &i.b && *x == "7,5")))
                        extrems.insert(*x);
            EXPECT_EQ(extrems, etiquetes) << a;
        }
    }
}

TEST(Estudi, DomainCutAndTheReportInEachLanguage) {
    ConjuntFuncions cf;
    ReiniciarConjunt(cf);
    cf.Slots[2].Text = "(x^2-4)/(x-2)";
    Calculador calc;
    ASSERT_EQ(AplicarFuncions(cf, calc), 0);
    TaulaMissatges m;
    OpcionsVista o;
    const EstudiFuncio e = *EstudiarFuncio(cf, o, m);
    ASSERT_EQ(e.definida.size(), 2u);
    EXPECT_EQ(std::tuple(e.definida[0].a, e.definida[0].b, e.definida[1].a, e.definida[1].b,
                         *e.tallEixY, e.arrels.size(), e.discontinuitats[0].y, e.marques.TextEstat,
                         e.precisio),
              std::tuple("-7,5", "1,98", "2,02", "7,5", "2", 1u, "lim = 4", "Estudi de la funció",
                         0.025));
    const std::tuple<Llengua, const char*, const char*> llengues[] = {
        {Llengua::Catala, "Estudi de f(x) = (x^2-4)/(x-2) a [-7.5, 7.5]", "cap"},
        {Llengua::Castella, "Estudio de f(x) = (x^2-4)/(x-2) en [-7.5, 7.5]", "ninguno"},
        {Llengua::Angles, "Study of f(x) = (x^2-4)/(x-2) on [-7.5, 7.5]", "none"}};
    for (const auto& [l, titol, cap] : llengues) {
        ASSERT_EQ(m.CanviarLlengua(l), 0);
        const std::string text = TextEstudi(e, m), html = HtmlEstudi(e, m);
        EXPECT_TRUE(text.starts_with(titol)) << text;
        EXPECT_NE(html.find(std::string("<h2>") + titol + "</h2>"), std::string::npos);
        EXPECT_NE(text.find(std::string("\r\n") + cap + "\r\n"), std::string::npos); // no maxima
        for (int a : {AnalisiArrels, AnalisiMaxims, AnalisiConvexitat})
            EXPECT_NE(text.find(m.Missatge(BaseTitolsAnalisi + a)), std::string::npos) << a;
        EXPECT_NE(html.find("<tr><td>2</td><td>lim = 4</td></tr>"), std::string::npos);
    }
    cf.Slots[3].Text = "x";
    ASSERT_EQ(AplicarFuncions(cf, calc), 0);
    EXPECT_FALSE(EstudiarFuncio(cf, o, m)); // two functions
}

} // namespace
} // namespace tracima
