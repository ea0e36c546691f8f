// The graph on the recording canvas: line primitives, axes (ticks, grid, unit
// labels), curves (colours, breaks, point discs), the result overlay, clearing
// and repaint; the result lists behind them.
#include "document/EstatPrincipal.h"
#include "engine/UnitCalcular.h"
#include "view/Dibuix.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace tracima {
namespace {

using Crida = LlencEnregistrador::Crida;
using Tipus = LlencEnregistrador::Tipus;
using Noms = std::vector<std::string>;

struct FinestraProva : FinestraGrafic {
    Noms titols;
    int panellsAmagats = 0, repintats = 0;
    void FixarTitolFinestra(std::string_view t) override { titols.emplace_back(t); }
    std::string_view TitolPrograma() const override { return "Tracima"; }
    void AmagarPanelImatgeDerivada() override { ++panellsAmagats; }
    void Repintar() override { ++repintats; }
};

// Axes with their logical steps and origins, as AplicarFuncions leaves them.
inline EixosFuncions Eixos(double xo, double xf, double ux, double yo, double yf, double uy) {
    EixosFuncions e{xo, xf, ux, yo, yf, uy};
    e.CalcularPassos();
    e.CalcularOrigens();
    return e;
}

struct Banc {
    EstatPrincipal estat;
    LlencEnregistrador llenc;
    FinestraProva finestra;
    ConjuntFuncions& cf = estat.Funcions;
    OpcionsVista& o = estat.Opcions;
    ValorsVista& v = estat.Vista;

    explicit Banc(int amplada = 640, int alcada = 460) : llenc(amplada, alcada) {
        FixarEscales(estat.Vista, amplada, alcada);
    }
    // The formulas `textos` in F, G, ... (the rest empty), applied on the axes given.
    void Aplicar(const Noms& textos, const EixosFuncions& e = tracima::Eixos(-5, 5, 1, -5, 5, 1)) {
        for (std::size_t i = 0; i < 6; ++i)
            cf.Slots[i].Text = i < textos.size() ? textos[i] : "";
        cf.Eixos = e;
        Calculador calc;
        ASSERT_EQ(AplicarFuncions(cf, calc), 0);
    }
    LlencEnregistrador& Net() {
        llenc.Esborrar();
        return llenc;
    }
    void Repintar() { tracima::Repintar(Net(), cf, o, v, estat.Resultats, &finestra); }
    void Eixos() { DibuixarEixos(Net(), cf.Eixos, o, v); }
    void Corbes() { DibuixarCorbes(Net(), cf, o, v, &finestra); }
    void Resultats() { DibuixarResultats(Net(), estat.Resultats, cf.Eixos, o, v); }
    std::vector<Crida> Linies(Color c) const { return llenc.LiniesDeColor(c); }
    std::vector<Crida> Textos() const { return llenc.DelTipus(Tipus::Text); }
};

// Is there a call from (x1, y1) to (x2, y2) in pixels (a line's ends, an ellipse's
// box), or that text written with its top-left corner at (x, y)?
inline bool HiHa(const std::vector<Crida>& crides, int x1, int y1, int x2, int y2) {
    return std::any_of(crides.begin(), crides.end(), [&](const Crida& c) {
        return c.x1 == x1 && c.y1 == y1 && c.x2 == x2 && c.y2 == y2;
    });
}
inline bool HiHaText(const std::vector<Crida>& textos, std::string_view text, int x, int y) {
    return std::any_of(textos.begin(), textos.end(),
                       [&](const Crida& c) { return c.text == text && c.x1 == x && c.y1 == y; });
}

TEST(Dibuix, LinesRoundTheScaledValueAndClampFarPoints) {
    Banc b(960, 690); // scale 1.5: 1.5 and 4.5 go to the even neighbours
    DibuixarLinia(b.llenc, b.estat.Vista, 1, 1, 3, 3);
    DibuixarLinia(b.llenc, b.estat.Vista, 0, 0, 1e9, -1e9);
    EXPECT_TRUE(HiHa(b.llenc.crides, 2, 2, 4, 4) && HiHa(b.llenc.crides, 0, 0, 32000, -32000));
}

// Ticks at 320 + k * 600 / (X range), every integer labelled on the X axis (0
// twice: the two walks both visit the axis) and on the Y axis but for the zero
// row. X labels are centred by 2.5 logical units per character 6 rows under the
// axis; Y labels end 4 units left of it (8 pixels per character), 6 pixels up.
TEST(Eixos, TicksAndUnitLabels) {
    // X and Y ranges, OrigenLogicY = 20 + yf * 400 / (Y range), labels at their pixels:
    // "1" at 350 - 2.5 (347.5, ties to even) and on row 200, "-10" at 20 - 7.5 and
    // on row 420, "0" at 320 - 2.5, "-1" on row 340 (316 - 16).
    using Textos = std::vector<std::tuple<std::string, int, int>>;
    const std::tuple<int, int, int, int, int, Textos> casos[] = {
        {-10, 10, -10, 10, 220, {{"1", 348, 226}, {"-10", 12, 226}}},
        {-10, 10, -10, 10, 220, {{"1", 308, 194}, {"-10", 292, 414}}},
        {-5, 5, -2, 3, 260, {{"0", 318, 266}, {"-1", 300, 334}}}};
    for (const auto& [xo, xf, yo, yf, fila, etiquetes] : casos) {
        Banc b;
        b.cf.Eixos = Eixos(xo, xf, 1, yo, yf, 1), b.o.MenuMostrarValorUnitatEixos = true;
        b.Eixos();
        EXPECT_EQ(b.cf.Eixos.OrigenLogicY, fila);
        std::set<int> columnes, columnesEsperades;
        std::multiset<std::string> textsX, textsY, esperatsX{"0"}, esperatsY;
        for (int k = xo; k <= xf; ++k) {
            columnesEsperades.insert(320 + k * 600 / (xf - xo));
            esperatsX.insert(std::to_string(k));
        }
        for (int k = yo; k <= yf; ++k)
            if (k != 0) esperatsY.insert(std::to_string(k));
        const auto grisos = b.Linies(ColorGris);
        for (const auto& t : grisos)
            if (t.x1 == t.x2 && t.y1 == fila - 2 && t.y2 == fila + 3) columnes.insert(t.x1);
        const auto textos = b.Textos();
        for (const auto& t : textos) {
            (t.y1 == fila + 6 ? textsX : textsY).insert(t.text);
            EXPECT_EQ(std::tuple(t.color, t.fons), std::tuple(ColorGris, ColorBlanc));
        }
        EXPECT_EQ(std::tie(columnes, textsX, textsY),
                  std::tie(columnesEsperades, esperatsX, esperatsY));
        for (const auto& [text, x, y] : etiquetes)
            EXPECT_TRUE(HiHaText(textos, text, x, y)) << text << " at " << x << ", " << y;
        EXPECT_TRUE(HiHa(grisos, 20, fila, 620, fila));
    }
}

TEST(Eixos, OriginRightOfZeroPutsTheAxisOnTheBoxEdge) {
    for (const bool mig : {false, true}) {
        const double xo = mig ? 5.5 : 5;
        Banc b;
        b.estat.Funcions.Eixos = Eixos(xo, xo + 10, 1, -10, 10, 1);
        b.estat.Opcions.MenuMostrarValorUnitatEixos = true;
        b.Eixos();
        std::vector<std::string> textsX, esperats;
        for (int k = 5; k <= 15; ++k)
            esperats.push_back(std::to_string(k) + (mig ? ".5" : ""));
        esperats.push_back(esperats[0]); // the edge again, from the leftward walk
        for (const auto& t : b.Textos())
            if (t.y1 == 226) textsX.push_back(t.text);
        EXPECT_EQ(textsX, esperats) << xo;
        // The vertical axis on x = 20 with its Y tick, an X tick one unit (60) right, and
        // "-10" kept at the left edge (16 - 24).
        const auto grisos = b.Linies(ColorGris);
        EXPECT_TRUE(HiHa(grisos, 20, 20, 20, 420) && HiHa(grisos, 18, 180, 23, 180) &&
                    HiHa(grisos, 80, 218, 80, 223) && HiHaText(b.Textos(), "-10", 0, 414));
    }
}

// The grid is dotted and one pixel wide; every other line takes the line width (no
// lower than 1, no upper limit). An axis gets a tick, no grid line, and its line
// comes last; the Y labels move 14 pixels up with the grid.
TEST(Eixos, GridIsDottedWidthOneAndEveryOtherLineTakesTheLineWidth) {
    Banc b;
    b.Aplicar({"x"}, Eixos(-7.5, 7.5, 1, -5, 5, 1));
    b.o.MenuTrama = b.o.MenuMostrarValorUnitatEixos = true;
    EXPECT_EQ(DisminuirGruixLinies(b.o), 1);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(AugmentarGruixLinies(b.o), 0);
    EXPECT_EQ(b.o.GruixLinies, 6);
    b.estat.Resultats.Segments.Afegir(100, 200, 100, 240);
    b.Repintar();
    int horitzontals = 0, verticals = 0;
    for (const auto& l : b.llenc.DelTipus(Tipus::Linia)) {
        const bool trama = l.color == ColorGris && l.estil == EstilLlapis::Puntejat;
        EXPECT_EQ(l.gruix, trama ? 1 : 6);
        horitzontals += trama && l.x1 == 20 && l.x2 == 620 && l.y1 == l.y2;
        verticals += trama && l.y1 == 20 && l.y2 == 420 && l.x1 == l.x2;
    }
    // Rows 20..420 by 40 but the axis row 220, columns 40..600 by 40 but 320.
    EXPECT_EQ(std::tuple(horitzontals, verticals, b.Linies(ColorVermell).size()),
              std::tuple(10, 14, 1u));
    const auto grisos = b.Linies(ColorGris);
    EXPECT_TRUE(HiHa(grisos, 318, 220, 323, 220) && HiHa(grisos, 320, 218, 320, 223));
    ASSERT_GE(grisos.size(), 2u);
    EXPECT_EQ(std::tuple(grisos.end()[-2].estil, grisos.back().estil),
              std::tuple(EstilLlapis::Continu, EstilLlapis::Continu));
    EXPECT_TRUE(HiHaText(b.Textos(), "-1", 300, 246));
}

TEST(Eixos, OriginsAreRecomputedAndBadStepsDoNotHang) {
    Banc b;
    EixosFuncions& e = b.estat.Funcions.Eixos;
    e.OrigenLogicX = e.OrigenLogicY = 0;
    b.Eixos();
    EXPECT_EQ(std::tuple(e.OrigenLogicX, e.OrigenLogicY), std::tuple(320, 220));

    e.PasLogicX = 1e-300, e.PasLogicY = 0; // never through AplicarFuncions, which corrects them
    b.Eixos();
    EXPECT_EQ(b.Linies(ColorGris).size(), 2u); // only the axis lines
}

TEST(Corbes, ColoursFollowTheOrderOfTheDefinedSlotsNotTheLetter) {
    OpcionsVista o, negre, pissarra, pissarraNegre;
    negre.MenuFuncionsEnNegre = pissarraNegre.MenuFuncionsEnNegre = true;
    pissarra.MenuPissarra = pissarraNegre.MenuPissarra = true;
    const Color esperats[] = {{0, 0, 255},   {0, 255, 0},   {255, 0, 255},
                              {0, 255, 255}, {255, 255, 0}, {0, 0, 0}};
    for (int k = 1; k <= 6; ++k) // black on the black board is drawn white, so it is seen
        EXPECT_EQ(std::tuple(ColorCorba(k, o), ColorCorba(k, negre), ColorCorba(k, pissarra),
                             ColorCorba(k, pissarraNegre)),
                  std::tuple(esperats[k - 1], ColorNegre, k == 6 ? ColorBlanc : esperats[k - 1],
                             ColorBlanc))
            << k;
    EXPECT_EQ(ColorEixos(pissarra), ColorGris); // black board, black drawing: Repintar below

    Banc b;
    b.Aplicar({"", "x", "", "", "2"}); // G and J
    b.Corbes();
    // G (y = x stays in rows 20..420) and J; two functions: the program's title.
    EXPECT_EQ(
        std::tuple(b.Linies(ColorBlau).size(), b.Linies(ColorLlima).size(), b.finestra.titols),
        std::tuple(600u, 600u, Noms{"Tracima"}));
    EXPECT_TRUE(HiHa(b.Linies(ColorLlima), 20, 140, 21, 140));
}

TEST(Corbes, NotJoinedAcrossUndefinedColumnsOrOutsideTheBand) {
    // Column c is x = (c - 320) / 60; the row 220 - 40 / x is inside 0..440 exactly
    // when |c - 320| >= 11: 1/x has no lines from 309 to 330. x/x is 0/0 at column
    // 320 alone: one line lost on each side.
    for (const auto& [formula, des, fins] :
         {std::tuple{"1/x", 309, 330}, std::tuple{"x/x", 319, 320}}) {
        Banc b;
        b.Aplicar({formula});
        b.Corbes();
        std::vector<int> inicis, esperats;
        for (int x = 20; x < 620; ++x)
            if (x < des || x > fins) esperats.push_back(x);
        for (const auto& l : b.Linies(ColorBlau)) {
            inicis.push_back(l.x1);
            EXPECT_TRUE(l.x2 == l.x1 + 1 && std::min(l.y1, l.y2) >= 0 &&
                        std::max(l.y1, l.y2) <= 440)
                << l.x1;
        }
        EXPECT_EQ(inicis, esperats) << formula;
    }
}

// With one function a repaint leaves the caption alone: the formula, or the
// title of a scan cancelled in its pause dialog.
TEST(Corbes, PointDiscsOfNumericFunctionsAndTheCaptionKept) {
    // Label, Mostrar punts, Només punts (no lines), Funcions en negre, scale, discs.
    const std::tuple<std::string_view, bool, bool, bool, int, bool> casos[] = {
        {EtiquetesRegressio[1], false, false, false, 1, true}, // regression: always
        {EtiquetaInterpolacio, false, false, false, 1, false},
        {EtiquetaInterpolacioLineal, true, false, false, 1, true},
        {EtiquetaInterpolacio, true, true, false, 1, true},
        {EtiquetesRegressio[5], false, false, true, 2, true},
    };
    for (const auto& [etiqueta, mostrarPunts, nomesPunts, negre, f, discos] : casos) {
        SCOPED_TRACE(std::string(etiqueta) + (nomesPunts ? " points only" : ""));
        Banc b(640 * f, 460 * f);
        // The points (1, 2) and (-2, 0.5); the samples keep the reset state.
        b.cf.Slots[0].Text = etiqueta;
        FuncioNumerica& fn = b.cf.Slots[0].Numerica;
        fn.ValorsX = {1, -2}, fn.ValorsY = {2, 0.5};
        fn.NombrePunts = 2, fn.MostrarPunts = mostrarPunts, b.cf.NombreFuncions = 1;
        b.o.MenuNomsPunts = nomesPunts, b.o.MenuFuncionsEnNegre = negre;
        b.finestra.FixarTitolFinestra("Arrels");
        b.Corbes();
        const Color color = negre ? ColorNegre : ColorBlau;
        const auto cercles = b.llenc.DelTipus(Tipus::Ellipse);
        EXPECT_EQ(std::tuple(b.finestra.titols, b.Linies(color).size()),
                  std::tuple(Noms{"Arrels"}, nomesPunts ? 0u : 600u));
        ASSERT_EQ(cercles.size(), discos ? 2u : 0u);
        if (!discos) continue;
        // (1, 2) is logical (360, 140), (-2, 0.5) is (240, 200); radius 3 pixels at any size.
        EXPECT_TRUE(HiHa(cercles, 360 * f - 3, 140 * f - 3, 360 * f + 3, 140 * f + 3) &&
                    HiHa(cercles, 240 * f - 3, 200 * f - 3, 240 * f + 3, 200 * f + 3));
        EXPECT_EQ(cercles[0].color, color);
    }
}

TEST(Resultats, HatchingIsSolidOnAWiderWindowInBothDirections) {
    // Columns of the three segments, their fill flags, the scale, the fill lines' columns.
    using Cas = std::tuple<std::array<int, 3>, std::array<bool, 3>, int, std::vector<int>>;
    const Cas casos[] = {
        {{100, 101, 102}, {true, true, true}, 3, {301, 302, 304, 305}},
        {{102, 101, 100}, {true, true, true}, 3, {301, 302, 304, 305}},
        {{100, 101, 102}, {false, false, false}, 3, {}},
        {{100, 101, 102}, {true, false, true}, 3, {}},
        {{100, 101, 102}, {true, true, true}, 1, {}},
    };
    for (const auto& [columnes, omplert, f, esperat] : casos) {
        SCOPED_TRACE(testing::PrintToString(columnes) + testing::PrintToString(omplert) +
                     " scale " + std::to_string(f));
        Banc b(640 * f, 460 * f);
        for (int i = 0; i < 3; ++i)
            b.estat.Resultats.Segments.Afegir(columnes[i], 220, columnes[i], 300, omplert[i]);
        b.Resultats();
        const auto vermelles = b.Linies(ColorVermell);
        std::vector<int> farciment;
        for (const auto& l : vermelles) {
            EXPECT_TRUE(l.x1 == l.x2 && l.y1 == 220 * f && l.y2 == 300 * f) << l.x1;
            if (l.x1 % f != 0) farciment.push_back(l.x1);
        }
        std::sort(farciment.begin(), farciment.end());
        EXPECT_EQ(std::tuple(vermelles.size(), farciment), std::tuple(3 + esperat.size(), esperat));
        EXPECT_TRUE(HiHa(vermelles, 100 * f, 220 * f, 100 * f, 300 * f));
    }
}

TEST(Resultats, GreenCurveJoinsValidNeighboursFrom23To618) {
    // Valid columns des..fins (value 1, row 180), shown, partial, its last column, lines.
    const std::tuple<int, int, bool, bool, int, std::size_t> casos[] = {
        {22, 40, true, false, 0, 17},  // lines ending at 24..40
        {610, 620, true, false, 0, 8}, // 611..618
        {22, 40, true, true, 30, 7},   // partial: 24..30
        {22, 40, false, false, 0, 0},  // hidden
    };
    for (const auto& [des, fins, mostrar, parcial, columnaFinal, linies] : casos) {
        Banc b;
        b.estat.Funcions.Eixos = Eixos(-7.5, 7.5, 1, -5, 5, 2); // rows by 80 / 2
        CorbaResultat& corba = b.estat.Resultats.Corba;
        for (int col = des; col <= fins; ++col)
            corba.Fixar(col, 1);
        corba.MostrarCorbaResultat = mostrar, corba.CorbaParcial = parcial;
        corba.ColumnaFinalCorba = columnaFinal;
        b.Resultats();
        const auto verdes = b.Linies(ColorVerd);
        EXPECT_EQ(verdes.size(), linies) << des << ", partial " << parcial;
        for (const auto& l : verdes)
            EXPECT_TRUE(l.y1 == 180 && l.x2 == l.x1 + 1) << l.x1;
    }
}

TEST(Resultats, LabelsAboveOrBelowTheirRowAndTheSingularPointsOption) {
    // Scale, the label's column and row, its pixel; shown (Mostrar els punts singulars).
    const std::tuple<int, int, int, int, int, bool> casos[] = {
        {1, 360, 180, 360, 178, true}, // above the axis row 220: 2 pixels up
        {1, 360, 260, 360, 262, true}, // below: 2 pixels down
        {1, 300, 220, 300, 222, true}, // on the axis counts as below
        {2, 360, 260, 720, 522, true}, // the 2-pixel gap does not scale
        {1, 360, 180, 0, 0, false},
    };
    for (const auto& [f, columna, fila, x, y, mostrar] : casos) {
        Banc b(640 * f, 460 * f);
        b.estat.Resultats.Etiquetes.Afegir(columna, fila, "x = 1");
        b.estat.Opcions.MenuMostrarElsPuntsSingulars = mostrar;
        b.Resultats();
        EXPECT_EQ(b.Textos().size(), mostrar ? 1u : 0u);
        EXPECT_EQ(HiHaText(b.Textos(), "x = 1", x, y), mostrar) << fila << ", " << f;
    }
}

TEST(Resultats, EntriesBeyondTheCountsAreNotRead) {
    Banc b;
    b.estat.Resultats.Etiquetes.Afegir(360, 180, "x = 1");
    for (const int index : {-1, 1})
        EXPECT_EQ(DibuixarEtiqueta(b.llenc, b.estat.Resultats, index, b.cf.Eixos, b.o, b.v), 1);
    EXPECT_TRUE(b.llenc.crides.empty());
    b.estat.Resultats.Segments.nombre = 100000, b.estat.Resultats.Etiquetes.nombre = -3;
    b.Resultats();
    EXPECT_EQ(std::tuple(b.Linies(ColorVermell).size(), b.Textos().size()),
              std::tuple(static_cast<std::size_t>(CapacitatResultats), 0u));
}

void OmplirResultats(EstatResultats& r) {
    r.AnalisiActiva = AnalisiArrels;
    r.Segments.Afegir(100, 216, 100, 224, true);
    r.Etiquetes.Afegir(100, 220, "-2");
    r.Corba.Fixar(50, 3), r.Corba.Fixar(51, 3);
    r.Corba.MostrarCorbaResultat = r.Corba.CorbaParcial = true;
    r.TextEstat = "Arrels";
    r.PausaDemanada = r.AturarCalcul = true;
    r.PrecisioX = r.PrecisioY = 0;
}

TEST(Netejar, ClearsTheOverlaySetsThePrecisionsAndRepaints) {
    Banc b;
    b.Aplicar({"x^2"}, Eixos(-10, 10, 1, -5, 5, 1));
    EstatResultats& r = b.estat.Resultats;
    OmplirResultats(r);
    NetejarResultats(r, b.estat.Funcions, b.finestra);
    EXPECT_FALSE(r.Corba.MostrarCorbaResultat || r.Corba.CorbaParcial || r.PausaDemanada ||
                 r.AturarCalcul || r.Segments.entrades[0].omplert);
    EXPECT_EQ(std::tuple(r.AnalisiActiva, r.Segments.nombre, r.Segments.entrades[0].x1,
                         r.Etiquetes.nombre, r.Etiquetes.entrades[0].text, r.TextEstat),
              std::tuple(AnalisiCap, 0, 0, 0, "", ""));
    // X -10..10: one column is 20/600 wide; Y -5..5: one row is 10/400 high.
    EXPECT_DOUBLE_EQ(r.PrecisioX, 0.0333333);
    EXPECT_DOUBLE_EQ(r.PrecisioY, 0.025);
    EXPECT_EQ(std::tuple(b.finestra.panellsAmagats, b.finestra.repintats, b.finestra.titols),
              std::tuple(1, 1, Noms{"x^2"})); // the single function

    b.Aplicar({"x", "", "x+1"});
    NetejarResultats(r, b.estat.Funcions, b.finestra);
    EXPECT_EQ(b.finestra.titols.back(), "Tracima");
}

TEST(Repintar, OrderHiddenAxesTheVerticalAxisAndTheBlackBoardAtTwiceTheSize) {
    Banc b;
    b.Aplicar({"x"});
    OmplirResultats(b.estat.Resultats);
    b.Repintar();
    // One letter per run: background, grey, blue, red, green lines, label and status.
    std::string ordre;
    for (const auto& k : b.llenc.crides) {
        const char c = k.tipus == Tipus::Rectangle ? 'R'
                       : k.tipus == Tipus::Text    ? 't'
                       : k.color == ColorGris      ? 'g'
                       : k.color == ColorBlau      ? 'b'
                       : k.color == ColorVermell   ? 'r'
                       : k.color == ColorVerd      ? 'v'
                                                   : '?';
        if (ordre.empty() || ordre.back() != c) ordre += c;
    }
    EXPECT_EQ(std::tuple(ordre, b.llenc.crides[0].color), std::tuple("Rgbrvt", ColorBlanc));
    EXPECT_TRUE(HiHa(b.llenc.crides, 0, 0, 640, 460));
    const Crida& estat = b.llenc.crides.back();
    EXPECT_TRUE(HiHaText({estat}, "Arrels", 10, 440)); // 20 pixels above the bottom
    EXPECT_EQ(std::tuple(estat.color, estat.fons, b.finestra.titols.size()),
              std::tuple(ColorNegre, ColorBlanc, 0u)); // one function: caption left alone

    // Hidden axes keep the curves where they were.
    const auto abans = b.Linies(ColorBlau);
    b.estat.Opcions.MenuTreureElsEixos = true;
    b.Repintar();
    EXPECT_TRUE(b.Linies(ColorGris).empty());
    const auto despres = b.Linies(ColorBlau);
    ASSERT_EQ(abans.size(), despres.size());
    for (std::size_t i = 0; i < abans.size(); ++i)
        EXPECT_EQ(abans[i].y1, despres[i].y1);

    b.estat.Opcions.MenuTreureElsEixos = false;
    b.estat.Vista.DibuixarEixY = false; // a cut lies on the vertical axis column
    b.Repintar();
    EXPECT_FALSE(HiHa(b.Linies(ColorGris), 320, 20, 320, 420));
    EXPECT_TRUE(b.estat.Vista.DibuixarEixY);
    b.Repintar();
    EXPECT_TRUE(HiHa(b.Linies(ColorGris), 320, 20, 320, 420));

    // Black drawing on the black board is white, texts too. At twice the size a tick
    // gets one more pixel after scaling (Y tick of row 180, X tick of column 380); the
    // unit labels' 8-pixel character and 6-pixel offset and the status strip do not
    // scale ("-1" of row 260 at 316 * 2 - 16, 260 * 2 - 6).
    b.o.MenuPissarra = b.o.MenuFuncionsEnNegre = b.o.MenuMostrarValorUnitatEixos = true;
    b.llenc.FixarMida(1280, 920);
    b.Repintar();
    EXPECT_EQ(std::tuple(b.llenc.crides[0].color, b.v.EscalaX, b.v.EscalaY, b.v.AlcadaClient),
              std::tuple(ColorNegre, 2.0, 2.0, 920));
    EXPECT_TRUE(b.Linies(ColorGris).empty() && b.Linies(ColorBlau).empty());
    const auto blanques = b.Linies(ColorBlanc), textos = b.Textos();
    EXPECT_TRUE(HiHa(blanques, 636, 360, 645, 360) && HiHa(blanques, 760, 436, 760, 445) &&
                HiHaText(textos, "-1", 616, 514) && HiHaText(textos, "Arrels", 10, 900));
    for (const auto& t : textos)
        EXPECT_EQ(std::tuple(t.color, t.fons), std::tuple(ColorBlanc, ColorNegre)) << t.text;
    b.llenc.FixarMida(320, -5); // a collapsed window maps everything to 0
    b.Repintar();
    EXPECT_EQ(std::tuple(b.v.EscalaX, b.v.EscalaY, b.v.AlcadaClient), std::tuple(0.5, 0.0, 0));
}

// 651 segments and labels, a result curve over columns 20..620.
TEST(EstatResultats, CapacitiesAndBounds) {
    EstatResultats r;
    for (int i = 1; i <= 651; ++i) {
        ASSERT_EQ(r.Segments.Afegir(i, 1, i, 2), 0) << i;
        ASSERT_EQ(r.Etiquetes.Afegir(i, 0, "p"), 0) << i;
    }
    EXPECT_EQ(std::tuple(r.Segments.Ple(), r.Segments.Afegir(7, 7, 7, 7, true),
                         r.Etiquetes.Afegir(0, 0, "q")),
              std::tuple(true, LlistaPlena, LlistaPlena));
    EXPECT_EQ(std::tuple(r.Segments.nombre, r.Etiquetes.nombre, r.Segments.entrades[650].x1),
              std::tuple(651, 651, 651));
    r.Segments.TreureUltim();
    r.Etiquetes.Buidar();
    EXPECT_EQ(std::tuple(r.Segments.nombre, r.Segments.entrades[650].x1, r.Etiquetes.nombre,
                         r.Etiquetes.entrades[650].text),
              std::tuple(650, 0, 0, ""));
    r.Segments.nombre = -1; // a corrupted count is refused, never used as an index
    EXPECT_EQ(r.Segments.Afegir(1, 1, 1, 1), LlistaPlena);

    CorbaResultat& c = r.Corba;
    for (const int col : {19, 20, 320, 620, 621, -5, 100000}) {
        c.Fixar(col, col);
        const bool dins = col >= 20 && col <= 620;
        EXPECT_EQ(std::tuple(c.Valida(col), c.Valor(col)), std::tuple(dins, dins ? col : 0.0))
            << col;
    }
    EXPECT_EQ(c.valor[600], 620);
    c.Buidar();
    EXPECT_EQ(std::tuple(c.Valida(320), c.Valor(320)), std::tuple(false, 0.0));
}

// Characters, not bytes; a lone continuation byte or a cut sequence stays in the text.
TEST(EstatResultats, LabelsAreCutTo20Characters) {
    const std::string vint = "12345678901234567890";
    std::string llarg; // 25 two-byte letters
    for (int i = 0; i < 25; ++i)
        llarg += "à";
    const std::tuple<std::string, int, std::string> casos[] = {
        {vint + "XYZ", 20, vint}, {"", 20, ""},
        {"x = 2", 20, "x = 2"},   {llarg, 20, llarg.substr(0, 40)},
        {"ab\xC3", 20, "ab\xC3"}, {"\x80\x80\x80", 1, "\x80\x80\x80"},
        {vint, 20, vint}};
    for (const auto& [text, maxim, esperat] : casos)
        EXPECT_EQ(RetallarText(text, maxim), esperat) << text;
    EtiquetesResultat e;
    ASSERT_EQ(e.Afegir(1, 2, vint + "XYZ"), 0);
    EXPECT_EQ(e.entrades[0].text, vint);
}

} // namespace
} // namespace tracima
