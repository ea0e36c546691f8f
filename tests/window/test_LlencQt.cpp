// The graph on the QPainter back buffer, pixel by pixel, at 640 x 460, at
// 1280 x 920 and at a device pixel ratio of 2: the line rule, axes, ticks and
// grid, curve colours and breaks, the red overlay and its hatching, the black
// board and the line width.
#include "view/Dibuix.h"
#include "window/LlencQt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace tracima {
namespace {

const QColor Blanc(255, 255, 255), Negre(0, 0, 0), Gris(128, 128, 128), Vermell(255, 0, 0),
    Blau(0, 0, 255), Llima(0, 255, 0);

struct Mida {
    QSize client;
    qreal dpr;
};
const Mida Mides[] = {{{640, 460}, 1.0}, {{1280, 920}, 1.0}, {{640, 460}, 2.0}};

// A graph drawn from its state, read back at logical coordinates.
struct Grafic {
    ConjuntFuncions cf;
    Calculador calc;
    OpcionsVista o;
    ValorsVista v;
    EstatResultats r;
    QImage imatge;
    double escala = 1;
    qreal dpr = 1;

    void Funcions(std::vector<std::string> textos) {
        for (std::size_t i = 0; i < textos.size(); ++i) cf.Slots[i].Text = textos[i];
        ASSERT_EQ(AplicarFuncions(cf, calc), 0);
    }
    void Pintar(const Mida& m) {
        LlencQt l(m.client, m.dpr);
        Repintar(l, cf, o, v, r);
        imatge = l.CopiaImatge();
        escala = m.client.width() / 640.0;
        dpr = m.dpr;
    }
    // The client pixel of a logical point, and its colour (first device pixel).
    int Px(double logic) const { return static_cast<int>(std::lround(logic * escala)); }
    QColor En(int x, int y) const {
        return imatge.pixelColor(static_cast<int>(x * dpr), static_cast<int>(y * dpr));
    }
    QColor Logic(double x, double y) const { return En(Px(x), Px(y)); }
    // Client pixels of colour c on row y (from x0 to x1 inclusive) or column x.
    int AFila(int y, int x0, int x1, const QColor& c) const {
        int n = 0;
        for (int x = x0; x <= x1; ++x) n += En(x, y) == c;
        return n;
    }
    int AColumna(int x, const QColor& c) const {
        int n = 0;
        for (int y = 0; y < imatge.height() / dpr; ++y) n += En(x, y) == c;
        return n;
    }
};

TEST(LlencQt, TheEndPixelOfAOnePixelLineIsNotPainted) {
    struct Cas {
        QPoint a, b;
        std::vector<QPoint> pintats, buits;
    } casos[] = {
        {{2, 2}, {8, 2}, {{2, 2}, {7, 2}}, {{1, 2}, {8, 2}, {7, 1}, {7, 3}}},
        {{8, 2}, {2, 2}, {{8, 2}, {3, 2}}, {{2, 2}, {9, 2}}},
        {{3, 1}, {3, 7}, {{3, 1}, {3, 6}}, {{3, 7}, {2, 4}, {4, 4}}},
        {{2, 2}, {6, 6}, {{2, 2}, {5, 5}}, {{6, 6}, {3, 2}}},
    };
    for (qreal dpr : {1.0, 2.0}) {
        for (const Cas& c : casos) {
            SCOPED_TRACE(testing::Message() << dpr << " " << c.a.x() << "," << c.a.y());
            LlencQt l(QSize(12, 10), dpr);
            l.FixarColorLlapis(ColorNegre);
            l.MoureA(c.a.x(), c.a.y());
            l.LiniaA(c.b.x(), c.b.y());
            const QImage im = l.CopiaImatge();
            EXPECT_EQ(im.size(), QSize(12, 10) * dpr);
            for (const QPoint& p : c.pintats)
                for (int d = 0; d < dpr * dpr; ++d)
                    EXPECT_EQ(im.pixelColor(p.x() * dpr + d % 2 * (dpr > 1), p.y() * dpr + d / 2),
                              Negre) << p.x() << "," << p.y();
            for (const QPoint& p : c.buits)
                EXPECT_EQ(im.pixelColor(p * dpr), Blanc) << p.x() << "," << p.y();
        }
    }
}

TEST(LlencQt, AxesTicksAndDottedGrid) {
    for (const Mida& m : Mides) {
        SCOPED_TRACE(testing::Message() << m.client.width() << "x" << m.client.height() << "@" << m.dpr);
        Grafic g;
        g.Pintar(m);
        const int eixX = g.Px(320), eixY = g.Px(220);
        EXPECT_EQ(g.En(eixX, g.Px(110)), Gris);
        EXPECT_EQ(g.En(eixX + 1, g.Px(110)), Blanc);
        EXPECT_EQ(g.En(g.Px(100), eixY), Gris);
        EXPECT_EQ(g.En(g.Px(100), eixY + 1), Blanc);
        EXPECT_EQ(g.En(g.Px(360), g.Px(218)), Gris); // the tick of x = 1
        EXPECT_EQ(g.En(g.Px(360), g.Px(215)), Blanc);
        EXPECT_EQ(g.Logic(5, 5), Blanc);

        g.o.MenuTrama = true;
        g.o.GruixLinies = 6;
        g.Pintar(m);
        // The grid is dotted and one pixel wide; axes and curves take the width.
        const int gris = g.AFila(g.Px(180), g.Px(30), g.Px(300), Gris);
        EXPECT_GT(gris, g.Px(270) / 4);
        EXPECT_LT(gris, g.Px(270) * 3 / 4);
        EXPECT_EQ(g.AFila(g.Px(180) + 1, g.Px(41), g.Px(79), Gris), 0);
        EXPECT_EQ(g.AFila(g.Px(170), eixX - 10, eixX + 10, Gris), 6);
    }
}

TEST(LlencQt, CurvesByOrderWithBreaksAndTheRedOverlay) {
    for (const Mida& m : Mides) {
        SCOPED_TRACE(testing::Message() << m.client.width() << "x" << m.client.height() << "@" << m.dpr);
        Grafic g;
        g.Funcions({"", "x", "", "-x", "ln(x)"});
        // A hatched area of columns 100..140 between rows 180 and 220.
        for (int c = 100; c <= 140; ++c) g.r.Segments.Afegir(c, 220, c, 180, true);
        g.Pintar(m);
        EXPECT_EQ(g.Logic(420, 120), Blau);  // first defined slot (G), x = 2.5
        EXPECT_EQ(g.Logic(420, 320), Llima); // second defined slot (I)
        EXPECT_EQ(g.AColumna(g.Px(300), QColor(255, 0, 255)), 0); // ln undefined left of 0
        EXPECT_GT(g.AColumna(g.Px(340), QColor(255, 0, 255)), 0);
        for (int x = g.Px(100); x <= g.Px(140); ++x) EXPECT_EQ(g.En(x, g.Px(200)), Vermell) << x;
        EXPECT_EQ(g.En(g.Px(140) + 1, g.Px(200)), Blanc);
    }
}

TEST(LlencQt, BlackBoardDrawsTextsAndTheSixthCurveWhite) {
    for (const Mida& m : Mides) {
        SCOPED_TRACE(testing::Message() << m.client.width() << "x" << m.client.height() << "@" << m.dpr);
        Grafic g;
        g.Funcions({"x+5", "x+4", "x+3", "x+2", "x+1", "x-4"});
        g.o.MenuPissarra = true;
        g.r.TextEstat = "Arrels";
        g.Pintar(m);
        EXPECT_EQ(g.Logic(5, 5), Negre);
        EXPECT_EQ(g.Logic(420, 280), Blanc); // K: x = 2.5, y = -1.5
        const int alcada = m.client.height();
        int blancs = 0;
        for (int y = alcada - 20; y < alcada - 6; ++y) blancs += g.AFila(y, 10, 50, Blanc);
        EXPECT_GT(blancs, 10);
    }
}

} // namespace
} // namespace tracima
