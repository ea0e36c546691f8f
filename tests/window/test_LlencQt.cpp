// The graph on the QPainter back buffer, pixel by pixel, at 640 x 460, 1280 x 920
// and a device pixel ratio of 2; the SVG canvas against the recording canvas.
#include "view/Dibuix.h"
#include "view/LlencSvg.h"
#include "window/LlencQt.h"

#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace tracima {
namespace {

const QColor Blanc(255, 255, 255), Negre(0, 0, 0), Gris(128, 128, 128), Vermell(255, 0, 0), Blau(0, 0, 255),
    Llima(0, 255, 0);

// A graph drawn from its state at a client size and pixel ratio, read at client coordinates.
struct Grafic {
    QSize client;
    qreal dpr;
    ConjuntFuncions cf = {};
    Calculador calc = {};
    OpcionsVista o = {};
    ValorsVista v = {};
    EstatResultats r = {};
    QImage imatge = {};

    void Pintar(const std::vector<std::string>& funcions = {}) {
        for (std::size_t i = 0; i < funcions.size(); ++i) cf.Slots[i].Text = funcions[i];
        ASSERT_EQ(AplicarFuncions(cf, calc), 0);
        LlencQt l(client, dpr);
        Repintar(l, cf, o, v, r);
        imatge = l.CopiaImatge();
    }
    // The client pixel of a logical point (640 x 460), and colours (first device pixel).
    int Px(double logic) const { return static_cast<int>(std::lround(logic * client.width() / 640.0)); }
    QColor En(int x, int y) const { return imatge.pixelColor(static_cast<int>(x * dpr), static_cast<int>(y * dpr)); }
    QColor Logic(double x, double y) const { return En(Px(x), Px(y)); }
    // Client pixels of colour c on row y, x0 to x1.
    int AFila(int y, int x0, int x1, const QColor& c) const {
        int n = 0;
        for (int x = x0; x <= x1; ++x) n += En(x, y) == c;
        return n;
    }
};

TEST(LlencQt, TheEndPixelOfAOnePixelLineIsNotPainted) {
    struct Cas { QPoint a, b; std::vector<QPoint> pintats, buits; } casos[] = {
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
            ASSERT_EQ(im.size(), QSize(12, 10) * dpr);
            for (const QPoint& p : c.pintats)
                for (int d = 0; d < dpr * dpr; ++d)
                    EXPECT_EQ(im.pixelColor(p.x() * dpr + d % 2 * (dpr > 1), p.y() * dpr + d / 2), Negre) << p.x() << "," << p.y();
            for (const QPoint& p : c.buits) EXPECT_EQ(im.pixelColor(p * dpr), Blanc) << p.x() << "," << p.y();
        }
    }
}

TEST(LlencQt, AxesGridCurvesOverlayAndBlackBoardAtEachSize) {
    for (const auto& [client, dpr] : {std::pair{QSize(640, 460), 1.0}, {QSize(1280, 920), 1.0}, {QSize(640, 460), 2.0}}) {
        SCOPED_TRACE(testing::Message() << client.width() << "x" << client.height() << "@" << dpr);
        {   // One-pixel axes and the tick of x = 1; then the grid is dotted and one
            // pixel wide while the axes take the line width.
            Grafic g{client, dpr};
            g.Pintar();
            const int eixX = g.Px(320), eixY = g.Px(220);
            EXPECT_EQ(std::tuple(g.En(eixX, g.Px(110)), g.En(eixX + 1, g.Px(110)), g.En(g.Px(100), eixY), g.En(g.Px(100), eixY + 1),
                                 g.En(g.Px(360), g.Px(218)), g.En(g.Px(360), g.Px(215)), g.Logic(5, 5)),
                      std::tuple(Gris, Blanc, Gris, Blanc, Gris, Blanc, Blanc));
            g.o.MenuTrama = true;
            g.o.GruixLinies = 6;
            g.Pintar();
            const int gris = g.AFila(g.Px(180), g.Px(30), g.Px(300), Gris);
            EXPECT_TRUE(gris > g.Px(270) / 4 && gris < g.Px(270) * 3 / 4) << gris;
            EXPECT_EQ(std::tuple(g.AFila(g.Px(180) + 1, g.Px(41), g.Px(79), Gris), g.AFila(g.Px(170), eixX - 10, eixX + 10, Gris)),
                      std::tuple(0, 6));
        }
        {   // Curves coloured by the order of the defined slots; a hatched area of
            // columns 100..140 between rows 180 and 220, filled.
            Grafic g{client, dpr};
            for (int c = 100; c <= 140; ++c) g.r.Segments.Afegir(c, 220, c, 180, true);
            g.Pintar({"", "x", "", "-x"});
            EXPECT_EQ(std::tuple(g.Logic(420, 120), g.Logic(420, 320)), std::tuple(Blau, Llima)); // G and I at x = 2.5
            EXPECT_EQ(g.AFila(g.Px(200), g.Px(100), g.Px(140) + 1, Vermell), g.Px(140) - g.Px(100) + 1);
            EXPECT_EQ(g.En(g.Px(140) + 1, g.Px(200)), Blanc);
        }
        {   // The black board draws texts and the sixth curve white.
            Grafic g{client, dpr};
            g.o.MenuPissarra = true;
            g.r.TextEstat = "Arrels";
            g.Pintar({"x+5", "x+4", "x+3", "x+2", "x+1", "x-4"});
            EXPECT_EQ(std::tuple(g.Logic(5, 5), g.Logic(420, 280)), std::tuple(Negre, Blanc)); // K: x = 2.5, y = -1.5
            int blancs = 0;
            for (int y = client.height() - 20; y < client.height() - 6; ++y) blancs += g.AFila(y, 10, 50, Blanc);
            EXPECT_GT(blancs, 10);
        }
    }
}

// Smooth lines blend the sloping curves (colours between the curve's and the
// background's along it) and leave the axes, their ticks and the hatching crisp;
// in SVG only the curves' paths lose crispEdges.
TEST(LlencQt, SmoothLinesBlendCurvesOnly) {
    for (const auto& [client, dpr] : {std::pair{QSize(640, 460), 1.0}, {QSize(640, 460), 2.0}}) {
        Grafic g{client, dpr};
        for (int c = 100; c <= 140; ++c)
            g.r.Segments.Afegir(c, 220, c, 180, true);
        g.o.MenuLiniesSuaus = true;
        g.Pintar({"sin(x)"});
        std::set<QRgb> curva, eixos;
        for (int y = 0; y < g.imatge.height(); ++y) {
            for (int x = 0; x < g.imatge.width(); ++x) {
                const QColor c = g.imatge.pixelColor(x, y);
                if (c.red() == c.green() && c.blue() > c.red() && c.red() > 0)
                    curva.insert(c.rgb());
            }
            if (std::abs(y / dpr - g.Px(220)) > 12) // away from where the curve crosses it
                eixos.insert(g.imatge.pixelColor(static_cast<int>(g.Px(320) * dpr), y).rgb());
        }
        EXPECT_GT(curva.size(), 5u) << dpr;
        EXPECT_EQ(eixos, (std::set<QRgb>{Gris.rgb(), Blanc.rgb()})) << dpr;
        EXPECT_EQ(g.AFila(g.Px(200), g.Px(100), g.Px(140), Vermell), g.Px(140) - g.Px(100) + 1);
    }
    Grafic g{QSize(640, 460), 1.0};
    g.o.MenuLiniesSuaus = true;
    g.Pintar({"sin(x)"});
    LlencSvg svg(640, 460);
    Repintar(svg, g.cf, g.o, g.v, g.r);
    const std::string doc = svg.Document();
    EXPECT_NE(doc.find("stroke=\"#0000ff\" shape-rendering=\"geometricPrecision\""),
              std::string::npos);
    EXPECT_EQ(doc.find("stroke=\"#808080\" shape-rendering"), std::string::npos);
}

// The same scene on the SVG and the recording canvas: a well-formed document
// with the same lines, rectangles (and one behind each text), texts and ellipses.
TEST(LlencSvg, SameDrawingAsTheRecordingCanvas) {
    Grafic g{QSize(1280, 920), 1.0};
    for (int c = 100; c < 140; ++c) g.r.Segments.Afegir(c, 220, c, 180, true);
    g.r.Etiquetes.Afegir(200, 100, "x < 2 & \"y\"");
    g.r.TextEstat = "Àrea entre -1 i 1 = 2";
    g.o.MenuPissarra = g.o.MenuTrama = g.o.MenuMostrarValorUnitatEixos = true;
    g.o.GruixLinies = 3;
    g.Pintar({"sin(x)", "x^2/4-3", "1/x", "abs(x)-2", "cos(2x)*3", "x/2"});
    LlencEnregistrador registre(1280, 920);
    Repintar(registre, g.cf, g.o, g.v, g.r);
    LlencSvg svg(1280, 920);
    Repintar(svg, g.cf, g.o, g.v, g.r);

    QXmlStreamReader xml(QByteArray::fromStdString(svg.Document()));
    std::size_t rectangles = 0, linies = 0, ellipses = 0;
    std::vector<std::string> textos;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"rect") ++rectangles;
        else if (xml.name() == u"ellipse") ++ellipses;
        else if (xml.name() == u"text") textos.push_back(xml.readElementText().toStdString());
        else if (xml.name() == u"path") linies += static_cast<std::size_t>(xml.attributes().value(QStringLiteral("d")).count(u'L'));
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    using T = LlencEnregistrador::Tipus;
    std::vector<std::string> esperats;
    for (const auto& c : registre.DelTipus(T::Text)) esperats.push_back(c.text);
    EXPECT_EQ(std::tuple(textos, linies, rectangles, ellipses),
              std::tuple(esperats, registre.DelTipus(T::Linia).size(), registre.DelTipus(T::Rectangle).size() + esperats.size(),
                         registre.DelTipus(T::Ellipse).size()));
    EXPECT_GT(linies, 3000u);
}

} // namespace
} // namespace tracima
