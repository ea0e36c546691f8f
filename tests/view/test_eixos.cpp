// Logical -> pixel mapping, the three line primitives and the axes: ticks, grid,
// unit labels and axis lines at pixel positions worked out from the axes.
#include "Bastida.h"

#include <gtest/gtest.h>

#include <set>

namespace tracima {
namespace {

using namespace prova;

struct CasLinia {
    const char* nom;
    int amplada, alcada;
    int tipus; // 0 DibuixarLinia, 1 DibuixarLiniaH, 2 DibuixarLiniaV
    double x1, y1, x2, y2;
    int px1, py1, px2, py2;
};

class Primitives : public ::testing::TestWithParam<CasLinia> {};

TEST_P(Primitives, MoveToStartLineToEnd) {
    const CasLinia& c = GetParam();
    LlencEnregistrador l(c.amplada, c.alcada);
    ValorsVista v;
    FixarEscales(v, c.amplada, c.alcada);
    if (c.tipus == 0)
        DibuixarLinia(l, v, c.x1, c.y1, c.x2, c.y2);
    else if (c.tipus == 1)
        DibuixarLiniaH(l, v, c.x1, c.y1, c.x2, c.y2);
    else
        DibuixarLiniaV(l, v, c.x1, c.y1, c.x2, c.y2);
    ASSERT_EQ(l.crides.size(), 1u);
    const Crida& k = l.crides[0];
    EXPECT_EQ(k.tipus, Tipus::Linia);
    EXPECT_EQ(k.x1, c.px1);
    EXPECT_EQ(k.y1, c.py1);
    EXPECT_EQ(k.x2, c.px2);
    EXPECT_EQ(k.y2, c.py2);
}

INSTANTIATE_TEST_SUITE_P(
    Dibuix, Primitives,
    ::testing::Values(
        CasLinia{"Scale1", 640, 460, 0, 10, 20, 30, 40, 10, 20, 30, 40},
        CasLinia{"Scale2", 1280, 920, 0, 10, 20, 30, 40, 20, 40, 60, 80},
        CasLinia{"TiesToEven", 640, 460, 0, 0.5, 1.5, 2.5, 3.5, 0, 2, 2, 4},
        CasLinia{"Scale1_5", 960, 690, 0, 1, 1, 3, 3, 2, 2, 4, 4},
        CasLinia{"FarClamped", 640, 460, 0, 0, 0, 1e9, -1e9, 0, 0, 32000, -32000},
        CasLinia{"HorizontalTickCoversBothEnds", 640, 460, 1, 318, 220, 322, 220, 318, 220, 323,
                 220},
        CasLinia{"HorizontalTickScale2", 1280, 920, 1, 318, 220, 322, 220, 636, 440, 645, 440},
        CasLinia{"VerticalTickCoversBothEnds", 640, 460, 2, 320, 218, 320, 222, 320, 218, 320, 223},
        CasLinia{"VerticalTickScale2", 1280, 920, 2, 360, 218, 360, 222, 720, 436, 720, 445}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Escales, FromTheClientSize) {
    ValorsVista v;
    EXPECT_EQ(v.EscalaX, 1.0);
    EXPECT_EQ(v.EscalaY, 1.0);
    FixarEscales(v, 1280, 920);
    EXPECT_EQ(v.EscalaX, 2.0);
    EXPECT_EQ(v.EscalaY, 2.0);
    EXPECT_EQ(v.AlcadaClient, 920);
    FixarEscales(v, 320, -5); // a collapsed window maps everything to 0
    EXPECT_EQ(v.EscalaX, 0.5);
    EXPECT_EQ(v.EscalaY, 0.0);
    EXPECT_EQ(v.AlcadaClient, 0);
}

// The grey lines that are vertical ticks (LiniaV: 5 pixels tall at scale 1).
std::vector<Crida> TicsX(const Banc& b) {
    std::vector<Crida> r;
    for (const auto& l : b.Linies(ColorGris))
        if (l.x1 == l.x2 && l.y2 - l.y1 == 5) r.push_back(l);
    return r;
}

TEST(Eixos, MinusTenToTenHasTwentyOneTicksLabelledMinusTenToTen) {
    Banc b;
    b.estat.Funcions.Eixos = Eixos(-10, 10, 1, -10, 10, 1);
    b.estat.Opcions.MenuMostrarValorUnitatEixos = true;
    b.Eixos();
    const EixosFuncions& e = b.estat.Funcions.Eixos;
    EXPECT_EQ(e.PasLogicX, 30);
    EXPECT_EQ(e.OrigenLogicX, 320);
    EXPECT_EQ(e.OrigenLogicY, 220);

    std::set<int> columnes;
    for (const auto& t : TicsX(b)) {
        EXPECT_EQ(t.y1, 218);
        EXPECT_EQ(t.y2, 223);
        columnes.insert(t.x1);
    }
    std::set<int> esperades;
    for (int k = -10; k <= 10; ++k)
        esperades.insert(320 + 30 * k);
    EXPECT_EQ(columnes, esperades);

    // X labels sit 6 rows under the axis, centred by 2.5 logical units per character.
    std::set<std::string> textsX;
    for (const auto& t : b.Textos())
        if (t.y1 == 226) textsX.insert(t.text);
    std::set<std::string> textsEsperats;
    for (int k = -10; k <= 10; ++k)
        textsEsperats.insert(std::to_string(k));
    EXPECT_EQ(textsX, textsEsperats);
    const auto textos = b.Textos();
    EXPECT_TRUE(HiHaText(textos, "1", 348, 226));  // 350 - 2.5 = 347.5, ties to even
    EXPECT_TRUE(HiHaText(textos, "-10", 12, 226)); // 20 - 7.5
    // Y labels end just left of the axis: 316 - 8 per character, 6 pixels up.
    EXPECT_TRUE(HiHaText(textos, "1", 308, 194));   // row 200
    EXPECT_TRUE(HiHaText(textos, "-10", 292, 414)); // row 420
    for (const auto& t : textos) {
        EXPECT_EQ(t.color, ColorGris);
        EXPECT_EQ(t.fons, ColorBlanc);
    }
    // 20 Y labels (no label on the zero row) and 22 X labels (the zero column is
    // visited by both walks).
    EXPECT_EQ(b.Textos().size(), 42u);
}

TEST(Eixos, OriginRightOfZeroPutsTheAxisOnTheBoxEdge) {
    struct Cas {
        double xo, xf;
        std::vector<std::string> textos;
    };
    const Cas casos[] = {
        {5, 15, {"5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "5"}},
        {5.5,
         15.5,
         {"5.5", "6.5", "7.5", "8.5", "9.5", "10.5", "11.5", "12.5", "13.5", "14.5", "15.5",
          "5.5"}},
    };
    for (const Cas& c : casos) {
        Banc b;
        b.estat.Funcions.Eixos = Eixos(c.xo, c.xf, 1, -5, 5, 1);
        b.estat.Opcions.MenuMostrarValorUnitatEixos = true;
        b.Eixos();
        std::vector<std::string> textsX;
        for (const auto& t : b.Textos())
            if (t.y1 == 226) textsX.push_back(t.text);
        EXPECT_EQ(textsX, c.textos) << c.xo;
        const auto grisos = b.Linies(ColorGris);
        EXPECT_TRUE(HiHaLinia(grisos, 20, 20, 20, 420)) << "vertical axis on x = 20";
        EXPECT_TRUE(HiHaLinia(grisos, 18, 180, 23, 180)) << "Y tick beside it";
        EXPECT_TRUE(HiHaLinia(grisos, 80, 218, 80, 223)) << "X tick one unit (60) right";
    }
}

TEST(Eixos, WorldZeroRowHasNoYLabelButZeroColumnHasAnXLabel) {
    Banc b;
    b.estat.Funcions.Eixos = Eixos(-5, 5, 1, -2, 3, 1);
    b.estat.Opcions.MenuMostrarValorUnitatEixos = true;
    b.Eixos();
    EXPECT_EQ(b.estat.Funcions.Eixos.OrigenLogicY, 260);
    std::multiset<std::string> textsY, textsX;
    for (const auto& t : b.Textos())
        (t.y1 == 266 ? textsX : textsY).insert(t.text);
    EXPECT_EQ(textsY, (std::multiset<std::string>{"-1", "-2", "1", "2", "3"}));
    EXPECT_EQ(textsX.count("0"), 2u);
    EXPECT_TRUE(HiHaText(b.Textos(), "0", 318, 266));  // 320 - 2.5
    EXPECT_TRUE(HiHaText(b.Textos(), "-1", 300, 334)); // 316 - 16, row 340
    EXPECT_TRUE(HiHaLinia(b.Linies(ColorGris), 20, 260, 620, 260));
}

TEST(Eixos, DoubleSizeWindowDoublesCoordinatesButNotLabelOffsets) {
    struct Cas {
        int amplada, alcada;
        int yLabelX, yLabelY, xLabelX, xLabelY;
        int ampleEix;
    };
    const Cas casos[] = {{640, 460, 300, 254, 358, 226, 620},
                         {1280, 920, 616, 514, 715, 452, 1240}};
    for (const Cas& c : casos) {
        Banc b(c.amplada, c.alcada);
        b.estat.Opcions.MenuMostrarValorUnitatEixos = true;
        b.Eixos(); // default axes: X -7.5..7.5, Y -5..5, steps 40, origin (320, 220)
        EXPECT_TRUE(HiHaText(b.Textos(), "-1", c.yLabelX, c.yLabelY)) << c.amplada;
        EXPECT_TRUE(HiHaText(b.Textos(), "1", c.xLabelX, c.xLabelY)) << c.amplada;
        const int f = c.amplada / 640;
        EXPECT_TRUE(HiHaLinia(b.Linies(ColorGris), 20 * f, 220 * f, c.ampleEix, 220 * f));
        EXPECT_TRUE(HiHaLinia(b.Linies(ColorGris), 320 * f, 20 * f, 320 * f, 420 * f));
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
    // On the axes themselves a tick is drawn instead, also dotted and thin.
    EXPECT_TRUE(HiHaLinia(grisos, 318, 220, 323, 220));
    // The two axis lines are drawn last, solid, with the line width.
    ASSERT_GE(grisos.size(), 2u);
    for (std::size_t i = grisos.size() - 2; i < grisos.size(); ++i) {
        EXPECT_EQ(grisos[i].estil, EstilLlapis::Continu);
        EXPECT_EQ(grisos[i].gruix, 3);
    }
    // The Y labels move 14 pixels up with the grid.
    EXPECT_TRUE(HiHaText(b.Textos(), "-1", 300, 246));
}

TEST(Eixos, ColoursAndTheHiddenVerticalAxis) {
    Banc b;
    b.estat.Opcions.MenuFuncionsEnNegre = true;
    b.estat.Opcions.MenuPissarra = true;
    b.estat.Opcions.MenuMostrarValorUnitatEixos = true;
    b.estat.Vista.DibuixarEixY = false;
    b.Eixos();
    EXPECT_TRUE(b.Linies(ColorGris).empty());
    const auto negres = b.Linies(ColorNegre);
    EXPECT_TRUE(HiHaLinia(negres, 20, 220, 620, 220));
    EXPECT_FALSE(HiHaLinia(negres, 320, 20, 320, 420));
    for (const auto& t : b.Textos()) {
        EXPECT_EQ(t.color, ColorNegre);
        EXPECT_EQ(t.fons, ColorNegre);
    }
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
