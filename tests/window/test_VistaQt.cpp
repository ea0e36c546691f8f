// Zoom and pan in the window: the wheel, a drag, Ctrl+arrows and the menu's items
// change the axes as the data entry dialog does, and "Vista anterior" walks back.
#include "ServeisProvaQt.h"
#include "window/UnitFormEntradaDeDades.h"

#include <QTest>
#include <QWheelEvent>

namespace tracima {
namespace {

auto Eixos(Finestra& w) {
    const EixosFuncions& e = w.Cf().Eixos;
    return std::tuple(e.XOrigen, e.XFinal, e.YOrigen, e.YFinal, e.XUnitat, e.YUnitat);
}

void Roda(QWidget* g, QPointF p, int delta) {
    QWheelEvent e(p, g->mapToGlobal(p), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(g, &e);
}

TEST(VistaQt, WheelDragKeysAndMenuChangeTheAxesAndTheWayBackWalksThem) {
    Finestra w({"x^2-4"});
    QWidget* g = w.f->Grafic();
    g->setFixedSize(640, 460); // the logical size: one pixel per logical pixel
    w.f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.f.get()));
    const auto inicial = Eixos(w);
    w.f->EntradaDeDades(); // built: its boxes must follow
    w.Comanda("MenuArrels");
    // Two notches at the axes' origin: one step, the ranges divided by 1.25^2.
    Roda(g, {320, 220}, 120);
    EXPECT_TRUE(w.R().AnalisiActiva == AnalisiCap && w.f->HiHaCanvisSenseDesar());
    Roda(g, {320, 220}, 120);
    const auto ampliat = Eixos(w);
    EXPECT_EQ(ampliat, std::tuple(-4.8, 4.8, -3.2, 3.2, 1.0, 1.0));
    EXPECT_EQ(w.f->EntradaDeDades()->Caixes().eixos[0], "-4.8");
    // A drag with the middle button: one step, the plane follows the pointer.
    QTest::mousePress(g, Qt::MiddleButton, {}, {300, 200});
    QMouseEvent moure(QEvent::MouseMove, QPointF(340, 180), g->mapToGlobal(QPointF(340, 180)),
                      Qt::NoButton, Qt::MiddleButton, Qt::NoModifier);
    QApplication::sendEvent(g, &moure);
    QTest::mouseRelease(g, Qt::MiddleButton, {}, {340, 180});
    const auto arrossegat = Eixos(w);
    EXPECT_EQ(arrossegat, std::tuple(-5.44, 4.16, -3.52, 2.88, 1.0, 1.0));
    // Ctrl+Right: a tenth of the width to the right; the menu's zoom out.
    QTest::keyClick(w.f.get(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_NEAR(w.Cf().Eixos.XOrigen, std::get<0>(arrossegat) + 0.96, 1e-9);
    const auto desplacat = Eixos(w);
    w.Comanda("MenuAllunyar");
    EXPECT_NEAR(w.Cf().Eixos.XFinal - w.Cf().Eixos.XOrigen, 12, 1e-9);
    // A step the dialog would refuse is not taken.
    w.Cf().Eixos = EixosFuncions{};
    std::tie(w.Cf().Eixos.XOrigen, w.Cf().Eixos.XFinal) = std::pair(1e15 - 1, 1e15);
    const auto abans = Eixos(w);
    QTest::keyClick(w.f.get(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(Eixos(w), abans);
    // Back: the zoom out, the key, the drag, the two notches.
    for (const auto& esperat : {desplacat, arrossegat, ampliat, inicial}) {
        w.Comanda("MenuVistaAnterior");
        EXPECT_EQ(Eixos(w), esperat);
    }
    EXPECT_FALSE(w.f->VistaAnterior());
}

} // namespace
} // namespace tracima
