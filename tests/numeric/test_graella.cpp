// The point grid: moving, inserting and deleting rows, loading, the copy text,
// the paste reader (TAB lines, plain lines, mixed, CR LF, LF, more than 400 rows)
// and the reading on acceptance with its refusals and cursor cells.
#include "numeric/GraellaValors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TaulesProva.h"
#include "text/Missatges.h"

namespace tracima {
namespace {

// The rows up to the last filled one, written as Graella reads them.
std::string Contingut(const GraellaValors& g) {
    std::string s;
    for (int r = 1; r <= g.UltimaFilaOcupada(); ++r) {
        if (r > 1) s += ';';
        s += g.Text(r, ColumnaX);
        if (!g.Text(r, ColumnaY).empty()) s += " " + g.Text(r, ColumnaY);
    }
    return s;
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
        Cella des, seguent, anterior;
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
    GraellaValors g = Graella("1 a;2 b;3 c");
    g.FixarText(400, ColumnaX, "ultima");
    g.FixarCursor({2, ColumnaY});
    g.Inserir();
    EXPECT_EQ(g.Cursor(), (Cella{2, ColumnaX}));
    EXPECT_EQ(Contingut(g), "1 a;;2 b;3 c"); // the old row 400 is lost

    g.FixarCursor({1, ColumnaY});
    g.Suprimir();
    EXPECT_EQ(g.Cursor(), (Cella{1, ColumnaX}));
    EXPECT_EQ(Contingut(g), ";2 b;3 c");

    // On row 400 an insert changes nothing and a delete empties that row.
    g.FixarText(400, ColumnaY, "z");
    g.FixarCursor({400, ColumnaY});
    g.Inserir();
    EXPECT_EQ(g.Text(400, ColumnaY), "z");
    EXPECT_EQ(g.Cursor(), (Cella{400, ColumnaX}));
    g.Suprimir();
    EXPECT_EQ(Contingut(g), ";2 b;3 c");
    // Deleting row 399 pulls row 400 up and empties it.
    g.FixarText(400, ColumnaX, "w");
    g.FixarCursor({399, ColumnaX});
    g.Suprimir();
    EXPECT_EQ(g.Text(399, ColumnaX), "w");
    EXPECT_EQ(g.Text(400, ColumnaX), "");
}

TEST(Graella, ClearAlwaysPutsTheCursorOnTheFirstCell) {
    for (bool esborrar : {false, true}) {
        GraellaValors g = Graella("1 2");
        g.FixarCursor({7, ColumnaY});
        g.Iniciar(esborrar);
        EXPECT_EQ(g.Cursor(), (Cella{1, ColumnaX}));
        EXPECT_EQ(g.UltimaFilaOcupada(), esborrar ? 0 : 1);
    }
}

TEST(Graella, LoadingWritesTheNumberTextsAndPlacesTheCursor) {
    TaulaTreball t = Taula({{2, 0.1234567}, {-1.5, 1e-7}, {1e20, 0}});
    t.NombrePunts = 2; // the third point is a leftover: not shown
    GraellaValors g = Graella("x y;x y;x y;x y");
    g.Carregar(t);
    EXPECT_EQ(Contingut(g), "2 0.123457;-1.5 0");
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

TEST(Graella, CopyText) {
    EXPECT_EQ(Graella("1 2;;pi/2 2pi").TextCopiar(), "1\t2\r\n\t\r\npi/2\t2pi\r\n");
    EXPECT_EQ(GraellaValors{}.TextCopiar(), "");
    // A row with only a y cell still counts as filled.
    EXPECT_EQ(Graella(" 5").TextCopiar(), "\t5\r\n");
}

TEST(Graella, PasteFormats) {
    struct Cas {
        const char* text;
        const char* files;
    };
    const Cas casos[] = {
        {"1\t2\r\n3\t4\r\n", "1 2;3 4"},
        {"1\t2\n3\t4\n", "1 2;3 4"},
        {"1\t2\r\n3\t4", "1 2;3 4"}, // no final line end
        {"1\t2\r3\t4\r", "1 2;3 4"}, // lone CR
        {"1\t2\t3\r\n", "1 2\t3"},   // further TABs go to y
        {"\t5\r\n6\t\r\n", " 5;6"},
        {"1\r\n2\r\n3\r\n4\r\n", "1 2;3 4"}, // plain lines alternate
        {"1\n2\n3\n", "1 2;3"},
        {"1\t2\r\n3\r\n4\t5\r\n", "1\t2 3;4\t5"}, // a mix alternates every line
        {"1\t2\r\n\r\n5\t6\r\n", "1 2"},          // stops at the first empty line
        {"1\n2\n\n3\n4\n", "1 2"},
        {"\r\n", ""},
    };
    for (const Cas& c : casos) {
        GraellaValors g = Graella("old old;old old;old old;old old");
        g.FixarText(300, ColumnaY, "old");
        EXPECT_EQ(g.Enganxar(c.text), 0) << c.text;
        EXPECT_EQ(Contingut(g), c.files) << c.text;
        EXPECT_EQ(g.Cursor(), (Cella{Graella(c.files).UltimaFilaOcupada() + 1, 1})) << c.text;
    }
    // Pasting nothing changes nothing.
    GraellaValors g = Graella("1 2");
    g.FixarCursor({1, ColumnaY});
    EXPECT_EQ(g.Enganxar(""), MissatgeCarpetaSenseText);
    EXPECT_EQ(Contingut(g), "1 2");
    EXPECT_EQ(g.Cursor(), (Cella{1, ColumnaY}));
}

TEST(Graella, PasteStopsAtRow400AndAFullGridReadsFourHundredPoints) {
    std::string tabs, plans;
    for (int i = 1; i <= 450; ++i)
        tabs += std::to_string(i) + "\t" + std::to_string(-i) + "\r\n";
    for (int i = 1; i <= 900; ++i)
        plans += std::to_string(i) + "\n";
    GraellaValors g;
    ASSERT_EQ(g.Enganxar(tabs), 0);
    EXPECT_EQ(g.UltimaFilaOcupada(), 400);
    EXPECT_EQ(g.Cursor(), (Cella{400, ColumnaX}));
    TaulaTreball t;
    ASSERT_TRUE(g.Llegir(2, true, Parametres{}, t).Acceptat());
    EXPECT_EQ(t.NombrePunts, 400);
    EXPECT_EQ(t.ValorsY[399], -400);
    ASSERT_EQ(g.Enganxar(plans), 0);
    EXPECT_EQ(g.Text(400, ColumnaX) + " " + g.Text(400, ColumnaY), "799 800");
    // Lines past row 400 do not decide the format.
    ASSERT_EQ(g.Enganxar(tabs + "sense tabulador\r\n"), 0);
    EXPECT_EQ(g.Text(1, ColumnaY), "-1");
}

TEST(Graella, ReadingRefusals) {
    struct Cas {
        const char* files;
        int minim;
        int missatge;
        Cella cursor;
    };
    // Interpolation (at least 2 points) wants x increasing, regression (3) does not.
    const Cas casos[] = {
        {"1 1;2 4;;3 9", 2, MissatgeCellesAillades, {4, ColumnaX}},
        {"1 1;2 4;;3 9", 3, MissatgeCellesAillades, {4, ColumnaX}},
        {"1 1;2 4; 7", 2, MissatgeCellesAillades, {3, ColumnaY}}, // y written after the end
        {"1 1;; 2", 3, MissatgeCellesAillades, {3, ColumnaY}},    // below a single point
        {"1 1;2 4;2 5", 2, MissatgeXNoCreixent, {3, ColumnaX}},
        {"3 1;1 4", 2, MissatgeXNoCreixent, {2, ColumnaX}},
        {"1 1", 2, MissatgeMinimDosParells, {1, ColumnaX}},
        {"1 1", 3, MissatgeMinimTresParells, {1, ColumnaX}},
        {"1 1;2 2", 3, MissatgeMinimTresParells, {1, ColumnaX}},
        {"", 2, MissatgeMinimDosParells, {1, ColumnaX}},
        {"1 1;2+ 4", 2, MissatgeErrorCella, {2, ColumnaX}},
        {"1 1;2", 2, MissatgeErrorCella, {2, ColumnaY}}, // an empty y
        {"1 1/0;2 3", 2, MissatgeErrorCella, {1, ColumnaY}},
        {"2 1;1 ln(0)", 2, MissatgeErrorCella, {2, ColumnaY}}, // y error before the x order
    };
    for (const Cas& c : casos) {
        TaulaTreball t;
        t.ValorsX[0] = 42;
        t.NombrePunts = 7;
        const Refus r = Graella(c.files).Llegir(c.minim, c.minim == 2, Parametres{}, t);
        EXPECT_EQ(r.Missatge, c.missatge) << c.files;
        EXPECT_EQ(r.Cursor, c.cursor) << c.files;
        EXPECT_EQ(t.NombrePunts, 7) << c.files; // nothing stored
        EXPECT_EQ(t.ValorsX[0], 42) << c.files;
    }
    // A blank is not an empty cell.
    GraellaValors g = Graella("1 1;2 3");
    g.FixarText(2, ColumnaX, " ");
    TaulaTreball t;
    const Refus r = g.Llegir(2, true, Parametres{}, t);
    EXPECT_EQ(r.Missatge, MissatgeErrorCella);
    EXPECT_EQ(r.Cursor, (Cella{2, ColumnaX}));
}

TEST(Graella, ReadingEvaluatesEveryCellAsAFormula) {
    Parametres p;
    p[0] = 3;
    TaulaTreball t;
    t.ValorsX[3] = 99; // a leftover past the table stays
    ASSERT_TRUE(Graella("pi/2 2pi;A*2 -1,5;2 2").Llegir(3, false, p, t).Acceptat());
    EXPECT_EQ(t.NombrePunts, 3);
    EXPECT_NEAR(t.ValorsX[0], 3.141593 / 2, 1e-12);
    EXPECT_NEAR(t.ValorsY[0], 2 * 3.141593, 1e-12);
    EXPECT_EQ(t.ValorsX[1], 6);
    EXPECT_EQ(t.ValorsY[1], -1.5);
    EXPECT_EQ(t.ValorsX[3], 99);
    // The regression dialog takes equal x; the same table is refused for interpolation.
    EXPECT_TRUE(Graella("1 1;2 4;2 5").Llegir(3, false, p, t).Acceptat());
}

} // namespace
} // namespace tracima
