// Logical -> pixel mapping, the three line primitives and the axes: ticks, grid,
// unit labels and axis lines at pixel positions worked out from the axes.
#include "Bastida.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace tracima {
namespace {

using namespace prova;

// The tick primitives at scales 1 and 2 are checked with the axes.
TEST(Dibuix, LinesRoundTheScaledValueAndClampFarPoints) {
    Banc b(960, 690); // scale 1.5: 1.5 and 4.5 go to the even neighbours
    DibuixarLinia(b.llenc, b.estat.Vista, 1, 1, 3, 3);
    DibuixarLinia(b.llenc, b.estat.Vista, 0, 0, 1e9, -1e9);
    EXPECT_TRUE(HiHa(b.llenc.crides, 2, 2, 4, 4));
    EXPECT_TRUE(HiHa(b.llenc.crides, 0, 0, 32000, -32000));
}

// Ticks at 320 + k * 600 / (X range), every integer labelled on the X axis (0
// twice: the two walks both visit the axis) and on the Y axis but for the zero
// row. X labels are centred by 2.5 logical units per character 6 rows under the
// axis; Y labels end 4 units left of it (8 pixels per character), 6 pixels up.
TEST(Eixos, TicksAndUnitLabels) {
    struct Cas {
        int xo, xf, yo, yf, fila; // fila: OrigenLogicY = 20 + yf * 400 / (Y range)
        std::vector<std::tuple<std::string, int, int>> textos;
    };
    // "1" at 350 - 2.5 (347.5, ties to even) and on row 200, "-10" at 20 - 7.5 and
    // on row 420, "0" at 320 - 2.5, "-1" on row 340 (316 - 16).
    const Cas casos[] = {
        {-10, 10, -10, 10, 220, {{"1", 348, 226}, {"-10", 12, 226}}},
        {-10, 10, -10, 10, 220, {{"1", 308, 194}, {"-10", 292, 414}}},
        {-5, 5, -2, 3, 260, {{"0", 318, 266}, {"-1", 300, 334}}},
    };
    for (const Cas& c : casos) {
        Banc b;
        b.estat.Funcions.Eixos = Eixos(c.xo, c.xf, 1, c.yo, c.yf, 1);
        b.estat.Opcions.MenuMostrarValorUnitatEixos = true;
        b.Eixos();
        EXPECT_EQ(b.estat.Funcions.Eixos.OrigenLogicY, c.fila);
        std::set<int> columnes, columnesEsperades;
        std::multiset<std::string> textsX, textsY, esperatsX{"0"}, esperatsY;
        for (int k = c.xo; k <= c.xf; ++k) {
            columnesEsperades.insert(320 + k * 600 / (c.xf - c.xo));
            esperatsX.insert(std::to_string(k));
        }
        for (int k = c.yo; k <= c.yf; ++k)
            if (k != 0) esperatsY.insert(std::to_string(k));
        const auto grisos = b.Linies(ColorGris);
        for (const auto& t : grisos)
            if (t.x1 == t.x2 && t.y1 == c.fila - 2 && t.y2 == c.fila + 3) columnes.insert(t.x1);
        const auto textos = b.Textos();
        for (const auto& t : textos) {
            (t.y1 == c.fila + 6 ? textsX : textsY).insert(t.text);
            EXPECT_EQ(t.color, ColorGris);
            EXPECT_EQ(t.fons, ColorBlanc);
        }
        EXPECT_EQ(columnes, columnesEsperades);
        EXPECT_EQ(textsX, esperatsX);
        EXPECT_EQ(textsY, esperatsY);
        for (const auto& [text, x, y] : c.textos)
            EXPECT_TRUE(HiHaText(textos, text, x, y)) << text << " at " << x << ", " << y;
        EXPECT_TRUE(HiHa(grisos, 20, c.fila, 620, c.fila));
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
        const auto grisos = b.Linies(ColorGris);
        EXPECT_TRUE(HiHa(grisos, 20, 20, 20, 420)) << "vertical axis on x = 20";
        EXPECT_TRUE(HiHa(grisos, 18, 180, 23, 180)) << "Y tick beside it";
        EXPECT_TRUE(HiHa(grisos, 80, 218, 80, 223)) << "X tick one unit (60) right";
        EXPECT_TRUE(HiHaText(b.Textos(), "-10", 0, 414)) << "16 - 24 kept at the left edge";
    }
}

TEST(Eixos, GridIsDottedWidthOneAndThePenWidthComesBack) {
    Banc b;
    b.estat.Opcions.MenuTrama = true;
    b.estat.Opcions.MenuMostrarValorUnitatEixos = true;
    b.estat.Opcions.GruixLinies = 3;
    b.Eixos();
    const auto grisos = b.Linies(ColorGris);
    int horitzontals = 0, verticals = 0;
    for (const auto& l : grisos) {
        if (l.x1 == 20 && l.x2 == 620 && l.y1 == l.y2 && l.y1 != 220) {
            ++horitzontals;
            EXPECT_EQ(l.estil, EstilLlapis::Puntejat);
            EXPECT_EQ(l.gruix, 1);
        }
        if (l.y1 == 20 && l.y2 == 420 && l.x1 == l.x2 && l.x1 != 320) ++verticals;
    }
    EXPECT_EQ(horitzontals, 10); // rows 20..420 by 40 except the axis row 220
    EXPECT_EQ(verticals, 14);    // columns 40..600 by 40 except 320
    // On the axes themselves a tick is drawn instead.
    EXPECT_TRUE(HiHa(grisos, 318, 220, 323, 220));
    EXPECT_TRUE(HiHa(grisos, 320, 218, 320, 223));
    // The two axis lines are drawn last, solid, with the line width.
    ASSERT_GE(grisos.size(), 2u);
    for (std::size_t i = grisos.size() - 2; i < grisos.size(); ++i) {
        EXPECT_EQ(grisos[i].estil, EstilLlapis::Continu);
        EXPECT_EQ(grisos[i].gruix, 3);
    }
    // The Y labels move 14 pixels up with the grid.
    EXPECT_TRUE(HiHaText(b.Textos(), "-1", 300, 246));
}

TEST(Eixos, OriginsAreRecomputedAndBadStepsDoNotHang) {
    Banc b;
    EixosFuncions& e = b.estat.Funcions.Eixos;
    e.OrigenLogicX = 0;
    e.OrigenLogicY = 0;
    b.Eixos();
    EXPECT_EQ(e.OrigenLogicX, 320);
    EXPECT_EQ(e.OrigenLogicY, 220);

    e.PasLogicX = 1e-300; // never through AplicarFuncions, which corrects the units
    e.PasLogicY = 0;
    b.Eixos();
    EXPECT_EQ(b.Linies(ColorGris).size(), 2u); // only the axis lines
}

} // namespace
} // namespace tracima
