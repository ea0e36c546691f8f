// The point grid: moving, inserting and deleting rows, loading, the copy text,
// the paste reader (TAB lines, plain lines, mixed, CR LF, LF, more than 400 rows)
// and the reading on acceptance with its refusals and cursor cells.
#include "numeric/GraellaValors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Missatges.h"

namespace tracima {
namespace {

using Files = std::vector<std::pair<std::string, std::string>>;

GraellaValors Amb(const Files& files) {
    GraellaValors g;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        g.FixarText(r, ColumnaX, files[i].first);
        g.FixarText(r, ColumnaY, files[i].second);
    }
    return g;
}

// Every row of the grid as (x, y), up to the last filled one.
Files Contingut(const GraellaValors& g) {
    Files f;
    for (int r = 1; r <= g.UltimaFilaOcupada(); ++r)
        f.emplace_back(g.Text(r, ColumnaX), g.Text(r, ColumnaY));
    return f;
}

TEST(Graella, CellsOutsideTheGridAreRefusedAndReadEmpty) {
    GraellaValors g;
    EXPECT_EQ(g.FixarText(0, 1, "1"), 1);
    EXPECT_EQ(g.FixarText(401, 1, "1"), 1);
    EXPECT_EQ(g.FixarText(1, 3, "1"), 1);
    EXPECT_EQ(g.FixarCursor({1, 0}), 1);
    EXPECT_EQ(g.Text(-5, 2), "");
    EXPECT_EQ(g.UltimaFilaOcupada(), 0);
    EXPECT_EQ(g.FixarText(400, 2, "7"), 0);
    EXPECT_EQ(g.UltimaFilaOcupada(), 400);
}

TEST(Graella, NextAndPreviousCell) {
    struct Cas {
        Cella des;
        Cella seguent, anterior;
    };
    const Cas casos[] = {
        {{1, 1}, {1, 2}, {1, 1}}, {{1, 2}, {2, 1}, {1, 1}},       {{5, 1}, {5, 2}, {4, 2}},
        {{5, 2}, {6, 1}, {5, 1}}, {{400, 1}, {400, 2}, {399, 2}}, {{400, 2}, {400, 2}, {400, 1}},
    };
    for (const Cas& c : casos) {
        GraellaValors g;
        ASSERT_EQ(g.FixarCursor(c.des), 0);
        g.Seguent();
        EXPECT_EQ(g.Cursor(), c.seguent) << c.des.Fila << "," << c.des.Columna;
        ASSERT_EQ(g.FixarCursor(c.des), 0);
        g.Anterior();
        EXPECT_EQ(g.Cursor(), c.anterior) << c.des.Fila << "," << c.des.Columna;
    }
}

TEST(Graella, InsertAndDeleteRows) {
    GraellaValors g = Amb({{"1", "a"}, {"2", "b"}, {"3", "c"}});
    g.FixarText(400, ColumnaX, "ultima");
    g.FixarCursor({2, ColumnaY});
    g.Inserir();
    EXPECT_EQ(g.Cursor(), (Cella{2, ColumnaX}));
    EXPECT_EQ(g.Text(1, 1), "1");
    EXPECT_EQ(g.Text(2, 1), "");
    EXPECT_EQ(g.Text(2, 2), "");
    EXPECT_EQ(g.Text(3, 1), "2");
    EXPECT_EQ(g.Text(4, 2), "c");
    EXPECT_EQ(g.UltimaFilaOcupada(), 4); // the old row 400 is lost

    g.FixarCursor({1, ColumnaY});
    g.Suprimir();
    EXPECT_EQ(g.Cursor(), (Cella{1, ColumnaX}));
    EXPECT_EQ(Contingut(g), (Files{{"", ""}, {"2", "b"}, {"3", "c"}}));

    // On row 400 an insert changes nothing and a delete empties that row.
    g.FixarText(400, ColumnaY, "z");
    g.FixarCursor({400, ColumnaY});
    g.Inserir();
    EXPECT_EQ(g.Text(400, ColumnaY), "z");
    EXPECT_EQ(g.Cursor(), (Cella{400, ColumnaX}));
    g.Suprimir();
    EXPECT_EQ(g.Text(400, ColumnaY), "");
    EXPECT_EQ(g.UltimaFilaOcupada(), 3);
    // Deleting row 399 pulls row 400 up and empties it.
    g.FixarText(400, ColumnaX, "w");
    g.FixarCursor({399, ColumnaX});
    g.Suprimir();
    EXPECT_EQ(g.Text(399, ColumnaX), "w");
    EXPECT_EQ(g.Text(400, ColumnaX), "");
}

TEST(Graella, ClearAlwaysPutsTheCursorOnTheFirstCell) {
    GraellaValors g = Amb({{"1", "2"}});
    g.FixarCursor({7, ColumnaY});
    g.Iniciar(false); // answered no
    EXPECT_EQ(g.Cursor(), (Cella{1, ColumnaX}));
    EXPECT_EQ(g.UltimaFilaOcupada(), 1);
    g.FixarCursor({7, ColumnaY});
    g.Iniciar();
    EXPECT_EQ(g.Cursor(), (Cella{1, ColumnaX}));
    EXPECT_EQ(g.UltimaFilaOcupada(), 0);
}

TEST(Graella, LoadingWritesTheNumberTextsAndPlacesTheCursor) {
    TaulaTreball t;
    t.ValorsX[0] = 2;
    t.ValorsY[0] = 0.1234567;
    t.ValorsX[1] = -1.5;
    t.ValorsY[1] = 1e-7;
    t.ValorsX[2] = 1e20; // past the count: not shown
    t.NombrePunts = 2;
    GraellaValors g = Amb({{"x", "y"}, {"x", "y"}, {"x", "y"}, {"x", "y"}});
    g.Carregar(t);
    EXPECT_EQ(Contingut(g), (Files{{"2", "0.123457"}, {"-1.5", "0"}}));
    EXPECT_EQ(g.Cursor(), (Cella{3, ColumnaX}));

    t.NombrePunts = 0;
    g.Carregar(t);
    EXPECT_EQ(g.UltimaFilaOcupada(), 0);
    EXPECT_EQ(g.Cursor(), (Cella{1, ColumnaX}));

    t.NombrePunts = 400;
    g.Carregar(t);
    EXPECT_EQ(g.Cursor(), (Cella{400, ColumnaX}));
    t.NombrePunts = 5000; // a damaged count is bounded
    g.Carregar(t);
    EXPECT_EQ(g.UltimaFilaOcupada(), 400);
}

TEST(Graella, CopyTextOfASmallTable) {
    GraellaValors g = Amb({{"1", "2"}, {"", ""}, {"pi/2", "2pi"}});
    EXPECT_EQ(g.TextCopiar(), "1\t2\r\n\t\r\npi/2\t2pi\r\n");
    EXPECT_EQ(GraellaValors{}.TextCopiar(), "");
    // A row with only a y cell still counts as filled.
    GraellaValors y = Amb({{"", "5"}});
    EXPECT_EQ(y.TextCopiar(), "\t5\r\n");
}

TEST(Graella, PasteFormats) {
    struct Cas {
        const char* nom;
        std::string text;
        Files files;
    };
    const std::vector<Cas> casos = {
        {"TAB lines, CR LF", "1\t2\r\n3\t4\r\n", {{"1", "2"}, {"3", "4"}}},
        {"TAB lines, LF only", "1\t2\n3\t4\n", {{"1", "2"}, {"3", "4"}}},
        {"TAB lines, no final line end", "1\t2\r\n3\t4", {{"1", "2"}, {"3", "4"}}},
        {"TAB lines, lone CR", "1\t2\r3\t4\r", {{"1", "2"}, {"3", "4"}}},
        {"further TABs go to y", "1\t2\t3\r\n", {{"1", "2\t3"}}},
        {"empty cells around a TAB", "\t5\r\n6\t\r\n", {{"", "5"}, {"6", ""}}},
        {"plain lines alternate", "1\r\n2\r\n3\r\n4\r\n", {{"1", "2"}, {"3", "4"}}},
        {"plain lines, odd count", "1\n2\n3\n", {{"1", "2"}, {"3", ""}}},
        {"a mix alternates every line", "1\t2\r\n3\r\n4\t5\r\n", {{"1\t2", "3"}, {"4\t5", ""}}},
        {"stops at the first empty line", "1\t2\r\n\r\n5\t6\r\n", {{"1", "2"}}},
        {"alternating stops there too", "1\n2\n\n3\n4\n", {{"1", "2"}}},
        {"only a line end", "\r\n", {}},
    };
    for (const Cas& c : casos) {
        GraellaValors g = Amb({{"old", "old"}, {"old", "old"}, {"old", "old"}, {"old", "old"}});
        g.FixarText(300, ColumnaY, "old");
        EXPECT_EQ(g.Enganxar(c.text), 0) << c.nom;
        EXPECT_EQ(Contingut(g), c.files) << c.nom;
        EXPECT_EQ(g.Cursor(), (Cella{static_cast<int>(c.files.size()) + 1, ColumnaX})) << c.nom;
    }
}

TEST(Graella, PasteStopsAtRow400) {
    std::string tabs, plans;
    for (int i = 1; i <= 450; ++i)
        tabs += std::to_string(i) + "\t" + std::to_string(-i) + "\r\n";
    for (int i = 1; i <= 900; ++i)
        plans += std::to_string(i) + "\n";
    GraellaValors g;
    ASSERT_EQ(g.Enganxar(tabs), 0);
    EXPECT_EQ(g.UltimaFilaOcupada(), 400);
    EXPECT_EQ(g.Text(400, ColumnaX), "400");
    EXPECT_EQ(g.Text(400, ColumnaY), "-400");
    EXPECT_EQ(g.Cursor(), (Cella{400, ColumnaX}));
    ASSERT_EQ(g.Enganxar(plans), 0);
    EXPECT_EQ(g.Text(400, ColumnaX), "799");
    EXPECT_EQ(g.Text(400, ColumnaY), "800");
    // Lines past row 400 do not decide the format.
    ASSERT_EQ(g.Enganxar(tabs + "sense tabulador\r\n"), 0);
    EXPECT_EQ(g.Text(1, ColumnaY), "-1");
}

TEST(Graella, PasteOfNothingChangesNothing) {
    GraellaValors g = Amb({{"1", "2"}});
    g.FixarCursor({1, ColumnaY});
    EXPECT_EQ(g.Enganxar(""), MissatgeCarpetaSenseText);
    EXPECT_EQ(Contingut(g), (Files{{"1", "2"}}));
    EXPECT_EQ(g.Cursor(), (Cella{1, ColumnaY}));
}

struct CasLectura {
    const char* nom;
    Files files;
    int minim;
    bool creixent;
    int missatge;
    Cella cursor;
};

TEST(Graella, ReadingRefusals) {
    const std::vector<CasLectura> casos = {
        {"gap before a row, interpolation",
         {{"1", "1"}, {"2", "4"}, {"", ""}, {"3", "9"}},
         2,
         true,
         MissatgeCellesAillades,
         {4, ColumnaX}},
        {"gap before a row, regression",
         {{"1", "1"}, {"2", "4"}, {"", ""}, {"3", "9"}},
         3,
         false,
         MissatgeCellesAillades,
         {4, ColumnaX}},
        {"y written after the end",
         {{"1", "1"}, {"2", "4"}, {"", "7"}},
         2,
         true,
         MissatgeCellesAillades,
         {3, ColumnaY}},
        {"isolated cell below a single point",
         {{"1", "1"}, {"", ""}, {"", "2"}},
         3,
         false,
         MissatgeCellesAillades,
         {3, ColumnaY}},
        {"equal x, interpolation",
         {{"1", "1"}, {"2", "4"}, {"2", "5"}},
         2,
         true,
         MissatgeXNoCreixent,
         {3, ColumnaX}},
        {"decreasing x, interpolation",
         {{"3", "1"}, {"1", "4"}},
         2,
         true,
         MissatgeXNoCreixent,
         {2, ColumnaX}},
        {"one point, interpolation", {{"1", "1"}}, 2, true, MissatgeMinimDosParells, {1, ColumnaX}},
        {"one point, regression", {{"1", "1"}}, 3, false, MissatgeMinimTresParells, {1, ColumnaX}},
        {"two points, regression",
         {{"1", "1"}, {"2", "2"}},
         3,
         false,
         MissatgeMinimTresParells,
         {1, ColumnaX}},
        {"empty table", {}, 2, true, MissatgeMinimDosParells, {1, ColumnaX}},
        {"x does not compile",
         {{"1", "1"}, {"2+", "4"}},
         2,
         true,
         MissatgeErrorCella,
         {2, ColumnaX}},
        {"empty y", {{"1", "1"}, {"2", ""}}, 2, true, MissatgeErrorCella, {2, ColumnaY}},
        {"y divides by zero",
         {{"1", "1/0"}, {"2", "3"}},
         2,
         true,
         MissatgeErrorCella,
         {1, ColumnaY}},
        {"a blank is not an empty cell",
         {{"1", "1"}, {" ", "3"}},
         2,
         true,
         MissatgeErrorCella,
         {2, ColumnaX}},
        {"y error before the x order",
         {{"2", "1"}, {"1", "ln(0)"}},
         2,
         true,
         MissatgeErrorCella,
         {2, ColumnaY}},
    };
    for (const CasLectura& c : casos) {
        GraellaValors g = Amb(c.files);
        TaulaTreball t;
        t.ValorsX[0] = 42;
        t.NombrePunts = 7;
        const Refus r = g.Llegir(c.minim, c.creixent, Parametres{}, t);
        EXPECT_EQ(r.Missatge, c.missatge) << c.nom;
        EXPECT_EQ(r.Cursor, c.cursor) << c.nom;
        EXPECT_EQ(t.NombrePunts, 7) << c.nom; // nothing stored
        EXPECT_EQ(t.ValorsX[0], 42) << c.nom;
    }
}

TEST(Graella, ReadingEvaluatesEveryCellAsAFormula) {
    GraellaValors g = Amb({{"pi/2", "2pi"}, {"A*2", "-1,5"}, {"2", "2"}});
    Parametres p;
    p[0] = 3;
    TaulaTreball t;
    t.ValorsX[3] = 99; // a leftover past the table stays
    const Refus r = g.Llegir(3, false, p, t);
    ASSERT_TRUE(r.Acceptat());
    EXPECT_EQ(t.NombrePunts, 3);
    EXPECT_NEAR(t.ValorsX[0], 3.141593 / 2, 1e-12);
    EXPECT_NEAR(t.ValorsY[0], 2 * 3.141593, 1e-12);
    EXPECT_EQ(t.ValorsX[1], 6);
    EXPECT_EQ(t.ValorsY[1], -1.5);
    EXPECT_EQ(t.ValorsX[3], 99);
    // The regression dialog takes equal x; the same table is refused for interpolation.
    GraellaValors iguals = Amb({{"1", "1"}, {"2", "4"}, {"2", "5"}});
    EXPECT_TRUE(iguals.Llegir(3, false, p, t).Acceptat());
}

TEST(Graella, AFullGridReadsFourHundredPoints) {
    GraellaValors g;
    for (int r = 1; r <= 400; ++r) {
        g.FixarText(r, ColumnaX, std::to_string(r));
        g.FixarText(r, ColumnaY, std::to_string(r * r));
    }
    TaulaTreball t;
    ASSERT_TRUE(g.Llegir(2, true, Parametres{}, t).Acceptat());
    EXPECT_EQ(t.NombrePunts, 400);
    EXPECT_EQ(t.ValorsY[399], 160000);
}

TEST(Graella, StoringATableSetsExtremesCountAndReservedValue) {
    TaulaTreball t;
    const double xs[] = {3, -2, 5}, ys[] = {0.5, 7, -1};
    for (int i = 0; i < 3; ++i) {
        t.ValorsX[i] = xs[i];
        t.ValorsY[i] = ys[i];
    }
    t.ValorsX[3] = 100; // leftover: copied, but not part of the extremes
    t.NombrePunts = 3;
    FuncioNumerica f;
    DesarTaula(t, 9, f);
    EXPECT_EQ(f.XMinim, -2);
    EXPECT_EQ(f.XMaxim, 5);
    EXPECT_EQ(f.YMinim, -1);
    EXPECT_EQ(f.YMaxim, 7);
    EXPECT_EQ(f.NombrePunts, 3);
    EXPECT_EQ(f.ValorReservat, 9);
    EXPECT_EQ(f.ValorsX[3], 100);
}

} // namespace
} // namespace tracima
