// The point grid (moves, rows, loading, copy, paste, reading) and the table dialogs as models:
// chooser, acceptance and refusals, the points-only switches and the axis suggestion.
#include "numeric/DialegsNumerics.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "TaulesProva.h"
#include "numeric/UnitCalcularRegressio.h"

namespace tracima {
namespace {

// The rows up to the last filled one, written as Graella reads them.
std::string Contingut(const GraellaValors& g) {
    std::string s;
    for (int r = 1; r <= g.UltimaFilaOcupada(); ++r) {
        s += (r > 1 ? ";" : "") + g.Text(r, ColumnaX);
        if (!g.Text(r, ColumnaY).empty()) s += " " + g.Text(r, ColumnaY);
    }
    return s;
}

TEST(Graella, CellsOutsideTheGridAreRefusedAndReadEmpty) {
    GraellaValors g;
    EXPECT_EQ(std::tuple(g.FixarText(0, 1, "1"), g.FixarText(401, 1, "1"), g.FixarText(1, 3, "1"),
                         g.FixarCursor({1, 0}), g.Text(-5, 2), g.UltimaFilaOcupada()),
              std::tuple(1, 1, 1, 1, "", 0));
    EXPECT_EQ(g.FixarText(400, 2, "7"), 0);
    EXPECT_EQ(g.UltimaFilaOcupada(), 400);
}

// Cursor moves, row inserts and deletes: the rows afterwards and the cursor.
TEST(Graella, MovesInsertsAndDeletes) {
    using G = GraellaValors;
    const std::string f(397, ';'); // "1 a;" + f + "v" puts v on row 399
    const std::tuple<std::string, Cella, void (G::*)(), std::string, Cella> casos[] = {
        {"", {1, 1}, &G::Seguent, "", {1, 2}},     {"", {399, 2}, &G::Seguent, "", {400, 1}},
        {"", {400, 2}, &G::Seguent, "", {400, 2}}, {"", {1, 1}, &G::Anterior, "", {1, 1}},
        {"", {1, 2}, &G::Anterior, "", {1, 1}},    {"", {2, 1}, &G::Anterior, "", {1, 2}},
        // An insert loses row 400; on row 400 an insert changes nothing and a delete
        // empties it; deleting row 399 pulls row 400 up.
        {"1 a;2 b;3 c" + f + "ultima", {2, 2}, &G::Inserir, "1 a;;2 b;3 c", {2, 1}},
        {"1 a;2 b;3 c", {1, 2}, &G::Suprimir, "2 b;3 c", {1, 1}},
        {"1 a;" + f + "; z", {400, 2}, &G::Inserir, "1 a;" + f + "; z", {400, 1}},
        {"1 a;" + f + "; z", {400, 2}, &G::Suprimir, "1 a", {400, 1}},
        {"1 a;" + f + "v;w", {399, 1}, &G::Suprimir, "1 a;" + f + "w", {399, 1}}};
    for (const auto& [files, des, op, despres, cursor] : casos) {
        SCOPED_TRACE(testing::Message() << des.Fila << "," << des.Columna);
        GraellaValors g = Graella(files);
        ASSERT_EQ(g.FixarCursor(des), 0);
        (g.*op)();
        EXPECT_EQ(std::pair(Contingut(g), g.Cursor()), std::pair(despres, cursor));
    }
}

TEST(Graella, ClearLoadAndCopyText) {
    for (bool esborrar : {false, true}) { // the cursor always goes to the first cell
        GraellaValors g = Graella("1 2");
        g.FixarCursor({7, ColumnaY});
        g.Iniciar(esborrar);
        EXPECT_EQ(std::tuple(g.Cursor(), g.UltimaFilaOcupada()),
                  std::tuple(Cella{1, ColumnaX}, esborrar ? 0 : 1));
    }
    TaulaTreball t = Taula({{2, 0.1234567}, {-1.5, 1e-7}, {1e20, 0}});
    t.NombrePunts = 2; // the third point is a leftover: not shown
    GraellaValors g = Graella("x y;x y;x y;x y");
    g.Carregar(t);
    EXPECT_EQ(std::tuple(Contingut(g), g.Cursor()),
              std::tuple("2 0.123457;-1.5 0", Cella{3, ColumnaX}));
    t.NombrePunts = 5000; // a damaged count is bounded
    g.Carregar(t);
    EXPECT_EQ(std::tuple(g.UltimaFilaOcupada(), g.Cursor()), std::tuple(400, Cella{400, ColumnaX}));
    // A row with only a y cell still counts as filled.
    EXPECT_EQ(Graella("1 2;;pi/2 2pi; 5").TextCopiar(), "1\t2\r\n\t\r\npi/2\t2pi\r\n\t5\r\n");
    EXPECT_EQ(GraellaValors{}.TextCopiar(), "");
}

TEST(Graella, PasteFormats) {
    // CR LF, LF or a lone CR end a line, the last may have none; further TABs go to y;
    // plain lines alternate x and y, and so does a mix; an empty line ends the paste.
    const std::pair<const char*, const char*> casos[] = {
        {"1\t2\r\n3\t4\r\n", "1 2;3 4"},
        {"1\t2\n3\t4\n", "1 2;3 4"},
        {"1\t2\r\n3\t4", "1 2;3 4"},
        {"1\t2\r3\t4\r", "1 2;3 4"},
        {"1\t2\t3\r\n", "1 2\t3"},
        {"\t5\r\n6\t\r\n", " 5;6"},
        {"1\r\n2\r\n3\r\n4\r\n", "1 2;3 4"},
        {"1\n2\n3\n", "1 2;3"},
        {"1\t2\r\n3\r\n4\t5\r\n", "1\t2 3;4\t5"},
        {"1\t2\r\n\r\n5\t6\r\n", "1 2"},
        {"1\n2\n\n3\n4\n", "1 2"},
        {"\r\n", ""},
        // A spreadsheet's semicolons, and the separators it leaves after y.
        {"1;2;\r\n3,5;4\t\t\r\n", "1 2;3,5 4"}};
    for (const auto& [text, files] : casos) {
        GraellaValors g = Graella("old old;old old;old old;old old");
        g.FixarText(300, ColumnaY, "old");
        EXPECT_EQ(g.Enganxar(text), 0) << text;
        EXPECT_EQ(std::pair(Contingut(g), g.Cursor()),
                  std::pair(std::string(files), Cella{Graella(files).UltimaFilaOcupada() + 1, 1}));
    }
    // Pasting nothing changes nothing.
    GraellaValors g = Graella("1 2");
    g.FixarCursor({1, ColumnaY});
    EXPECT_EQ(g.Enganxar(""), MissatgeCarpetaSenseText);
    EXPECT_EQ(std::tuple(Contingut(g), g.Cursor()), std::tuple("1 2", Cella{1, ColumnaY}));
    // The paste stops at row 400 (lines past it do not decide the format); a full grid
    // reads as 400 points.
    std::string tabs;
    for (int i = 1; i <= 450; ++i) tabs += std::to_string(i) + "\t" + std::to_string(-i) + "\r\n";
    ASSERT_EQ(g.Enganxar(tabs + "sense tabulador\r\n"), 0);
    TaulaTreball t;
    ASSERT_TRUE(g.Llegir(2, true, Parametres{}, t).Acceptat());
    EXPECT_EQ(std::tuple(g.UltimaFilaOcupada(), g.Cursor(), t.NombrePunts, t.ValorsY[399]),
              std::tuple(400, Cella{400, ColumnaX}, 400, -400.0));
}

TEST(Graella, ReadingRefusals) {
    // Interpolation (at least 2 points) wants x increasing, regression (3) does not.
    const std::tuple<const char*, int, int, Cella> casos[] = {
        {"1 1;2 4;;3 9", 2, MissatgeCellesAillades, {4, ColumnaX}},
        {"1 1;2 4; 7", 2, MissatgeCellesAillades, {3, ColumnaY}}, // y written after the end
        {"1 1;2 4;2 5", 2, MissatgeXNoCreixent, {3, ColumnaX}},
        {"1 1", 2, MissatgeMinimDosParells, {1, ColumnaX}},
        {"1 1;2 2", 3, MissatgeMinimTresParells, {1, ColumnaX}},
        {"1 1;2+ 4", 2, MissatgeErrorCella, {2, ColumnaX}},
        {"1 1;  4", 2, MissatgeErrorCella, {2, ColumnaX}}, // a blank is not an empty cell
        {"1 1;2", 2, MissatgeErrorCella, {2, ColumnaY}},     // an empty y
        {"1 1/0;2 3", 2, MissatgeErrorCella, {1, ColumnaY}},
        {"2 1;1 ln(0)", 2, MissatgeErrorCella, {2, ColumnaY}}, // y error before the x order
    };
    for (const auto& [files, minim, missatge, cursor] : casos) {
        TaulaTreball t;
        t.ValorsX[0] = 42;
        t.NombrePunts = 7; // nothing is stored on a refusal
        const Refus r = Graella(files).Llegir(minim, minim == 2, Parametres{}, t);
        EXPECT_EQ(std::tuple(r.Missatge, r.Cursor, t.NombrePunts, t.ValorsX[0]),
                  std::tuple(missatge, cursor, 7, 42.0))
            << files;
    }
}

// A spreadsheet's scientific notation is that number; any other text is a formula
// (E the parameter); a cell that does not read is named and quoted.
TEST(Graella, CellsInScientificNotationAndTheRefusalText) {
    Parametres p;
    p[4] = 2; // E
    const std::pair<const char*, double> casos[] = {
        {"1.5E-3", 0.0015}, {" 2e6 ", 2e6}, {"-2,5e+2", -250}, {".5E1", 5},
        {"E3", 6},          {"3E", 6},      {"1E3x", 0}};
    for (const auto& [text, valor] : casos) {
        double v = 0;
        EXPECT_EQ(std::pair(LlegirCella(text, p, v), v), std::pair(0, valor)) << text;
    }
    const GraellaValors g = Graella("x y;1 2");
    TaulaTreball t;
    EXPECT_EQ(TextRefus(g.Llegir(2, true, p, t), g, TaulaMissatges{}),
              "Error de càlcul en la cel.la (fila 1, F(x)): \"y\""); // x is the variable
}

// A record that a refused dialog must leave exactly as it is.
FuncioNumerica RegistreAnterior() {
    FuncioNumerica f = Taula<FuncioNumerica>({{0.5, 1e-7}, {7, -2}});
    f.InterpolacioLineal = f.Extrapolar = true;
    f.TipusRegressio = 3;
    f.EquacioRegressio = "2 * (3)^x";
    f.ValorReservat = 9;
    return f;
}

auto Extrems(const FuncioNumerica& f) { return std::array{f.XMinim, f.XMaxim, f.YMinim, f.YMaxim}; }

TEST(Selector, LoadsTheChosenTableIntoTheDialogToOpen) {
    const FuncioNumerica registre = RegistreAnterior();
    EstatNumerica e;
    e.InterpolacioAcceptada = e.RegressioAcceptada = 1;
    DialegInterpolacio di;
    DialegRegressio dr;
    di.Graella.FixarText(300, ColumnaY, "vell");
    ASSERT_EQ(AcceptarSelector({3, false}, registre, e, di, dr), DialegDInterpolacio);
    // Row 300 emptied; both flags reset: a cancelled dialog never leads to the axis question.
    EXPECT_EQ(std::tuple(e.FuncioTriada, e.ValorReservat, di.Graella.TextCopiar(),
                         di.Opcions.Lineal, di.Opcions.MostrarPunts, di.Opcions.Extrapolar,
                         CalPreguntarExtrems(e)),
              std::tuple(3, 9, "0.5\t0\r\n7\t-2\r\n", true, false, true, false));

    ASSERT_EQ(AcceptarSelector({6, true}, registre, e, di, dr), DialegDeRegressio);
    EXPECT_EQ(std::tuple(e.FuncioTriada, dr.Model, dr.Graella.Text(2, ColumnaX)),
              std::tuple(6, 3, "7"));
    FuncioNumerica danyat = registre;
    danyat.TipusRegressio = 9; // a damaged file: the first model is checked
    ASSERT_EQ(AcceptarSelector({1, true}, danyat, e, di, dr), DialegDeRegressio);
    EXPECT_EQ(dr.Model, ModelLineal);
    e.RegressioAcceptada = 1;
    EXPECT_EQ(AcceptarSelector({7, true}, registre, e, di, dr), DialegCap);
    EXPECT_EQ(std::tuple(e.FuncioTriada, e.RegressioAcceptada), std::tuple(1, 1));
}

TEST(DialegsTaula, AcceptanceStoresTheTableAndOnlyThatDialogsFields) {
    EstatNumerica e;
    e.ValorReservat = 4;
    e.TaulaDeTreball.ValorsX[3] = 100; // a leftover past the table: copied, not an extreme
    DialegInterpolacio di{Graella("1 2;A*2/3 1/4;5 -1,5"), {true, true, false, true}};
    FuncioNumerica registre = RegistreAnterior();
    std::string etiqueta;
    Parametres p; // every cell is a formula, with the parameters
    p[0] = 3;
    ASSERT_TRUE(AcceptarInterpolacio(di, p, e, registre, etiqueta).Acceptat());
    // The regression fields stay.
    EXPECT_EQ(std::tuple(etiqueta, e.InterpolacioAcceptada, registre.NombrePunts,
                         registre.ValorReservat, registre.ValorsX[1], registre.ValorsY[1],
                         registre.ValorsX[3], registre.EquacioRegressio, registre.TipusRegressio),
              std::tuple("INTERPOLACIÓ LINEAL", 1, 3, 4, 2.0, 0.25, 100.0, "2 * (3)^x", 3));
    EXPECT_EQ(Extrems(registre), (std::array{1.0, 5.0, -1.5, 2.0}));
    EXPECT_TRUE(registre.InterpolacioLineal && registre.MostrarPunts && !registre.Extrapolar);
    di.Opcions.Lineal = false;
    ASSERT_TRUE(AcceptarInterpolacio(di, p, e, registre, etiqueta).Acceptat());
    EXPECT_EQ(etiqueta, "INTERPOLACIÓ");

    DialegRegressio dr{Graella("3 -3;2 1;1 5")}; // decreasing x are accepted here
    registre.InterpolacioLineal = registre.Extrapolar = true;
    ASSERT_TRUE(AcceptarRegressio(dr, Parametres{}, e, registre, etiqueta).Acceptat());
    EXPECT_EQ(std::tuple(etiqueta, e.RegressioAcceptada, registre.EquacioRegressio,
                         registre.TipusRegressio),
              std::tuple("REGRESSIÓ LINEAL y = ax + b", 1, "-4x + 9", ModelLineal));
    EXPECT_DOUBLE_EQ(registre.CoeficientCorrelacio, -1);
    EXPECT_EQ(Extrems(registre), (std::array{1.0, 3.0, -3.0, 5.0}));
    // The interpolation options stay.
    EXPECT_TRUE(registre.InterpolacioLineal && registre.MostrarPunts && registre.Extrapolar);
}

TEST(DialegsTaula, RefusalsLeaveTheRecordAndTheLabelAlone) {
    constexpr int Interpolacio = 0, Coeficients = -1;
    const std::tuple<int, const char*, int, Cella> casos[] = {
        {Interpolacio, "1 1;2 2;2 3", MissatgeXNoCreixent, {3, ColumnaX}},
        {ModelLineal, "1 1;2 4;;3 9", MissatgeCellesAillades, {4, ColumnaX}},
        {ModelExponencial, "1 1;2 0;3 9", MissatgeExponencialYPositiva, {2, ColumnaY}},
        {ModelLineal, "2 1;2 4;2 9", MissatgeRegressioLineal, {2, ColumnaY}}, // cursor kept
        {Coeficients, "1 2;2 4", MissatgeMinimTresParells, {1, ColumnaX}}};
    for (const auto& [model, files, missatge, cursor] : casos) {
        SCOPED_TRACE(files);
        EstatNumerica e;
        FuncioNumerica registre = RegistreAnterior();
        std::string etiqueta = "x^2";
        DialegInterpolacio di;
        DialegRegressio dr;
        CoeficientsRegressio k;
        GraellaValors& g = model == Interpolacio ? di.Graella : dr.Graella;
        g = Graella(files);
        g.FixarCursor({2, ColumnaY});
        dr.Model = model;
        const Refus r = model == Interpolacio
                            ? AcceptarInterpolacio(di, Parametres{}, e, registre, etiqueta)
                        : model == Coeficients
                            ? ObrirCoeficients(dr, Parametres{}, e, k)
                            : AcceptarRegressio(dr, Parametres{}, e, registre, etiqueta);
        EXPECT_EQ(std::tuple(r.Missatge, r.Cursor, g.Cursor(), etiqueta),
                  std::tuple(missatge, cursor, cursor, "x^2"));
        EXPECT_TRUE(registre == RegistreAnterior());
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

TEST(EixosSuggerits, RoundingScaleMarginsAndZero) {
    // The next step strictly above or below on 1, 2, ..., 10 times a power of ten.
    const std::tuple<double (*)(double), double, double> passos[] = {
        {ArrodonirAmunt, 7, 8},       {ArrodonirAmunt, 95, 100},     {ArrodonirAmunt, 2e9, 2e9},
        {ArrodonirAmunt, 1e9, 1.1e9}, {ArrodonirAmunt, 5e-6, 5e-6},  {ArrodonirAvall, 7.3, 7},
        {ArrodonirAvall, 7, 6},       {ArrodonirAvall, 0.12, 0.1},   {ArrodonirAvall, 1e9, 1e9},
        {ArrodonirAvall, 1e-5, 1e-5}, {ArrodonirAmunt, 0.0042, 0.005}};
    for (const auto& [f, v, esperat] : passos) EXPECT_DOUBLE_EQ(f(v), esperat) << v;
    // Lowest and highest value, origin and final: the origin comes to 0; a narrow band
    // away from zero is kept; balanced either way; the final comes to 0; all equal.
    const std::array<double, 4> casos[] = {
        {1, 9, 0, 10},   {100, 101, 99.89, 101.1}, {-1, 50, -12, 60}, {-50, 1, -60, 12},
        {-9, -1, -10, 0}, {3, 3, 2, 4},            {-3, -3, -4, -2},  {0, 0, 0, 0}};
    for (const auto& [lo, hi, origen, final] : casos) {
        SCOPED_TRACE(testing::Message() << lo << " " << hi);
        FuncioNumerica x, y; // each axis from its own extremes
        x.XMinim = y.YMinim = lo;
        x.XMaxim = y.YMaxim = hi;
        const ExtremsSuggerits sx = SuggerirExtremsEixos(x), sy = SuggerirExtremsEixos(y);
        EXPECT_EQ(std::tuple(sx.OrigenX, sx.FinalX, sy.OrigenY, sy.FinalY),
                  std::tuple(origen, final, origen, final));
    }
}

} // namespace
} // namespace tracima
