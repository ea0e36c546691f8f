// Zoom and pan of the axes, the tick unit of a new range, the list of earlier views.
#include "view/Navegacio.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace tracima {
namespace {

EixosFuncions Amb(double xo, double xf, double yo, double yf) {
    EixosFuncions e;
    std::tie(e.XOrigen, e.XFinal, e.YOrigen, e.YFinal) = std::tuple(xo, xf, yo, yf);
    e.CalcularPassos();
    e.CalcularOrigens();
    return e;
}

// The world point under widget pixel (px, py).
std::pair<double, double> Sota(const EixosFuncions& e, const ValorsVista& v, double px, double py) {
    return {e.XOrigen + (px / v.EscalaX - 20) / 600 * (e.XFinal - e.XOrigen),
            e.YFinal - (py / v.EscalaY - 20) / 400 * (e.YFinal - e.YOrigen)};
}

auto Valors(const EixosFuncions& e) {
    return std::tuple(e.XOrigen, e.XFinal, e.YOrigen, e.YFinal);
}

TEST(Navegacio, ThePointUnderThePointerStaysPutAndNotchesBackReturn) {
    const std::tuple<EixosFuncions, double, double, double, double, double> casos[] = {
        {Amb(-7.5, 7.5, -5, 5), 1, 1, 320, 220, 1},
        {Amb(-7.5, 7.5, -5, 5), 2, 2, 100, 800, 3},
        {Amb(0, 1000, -2, 2), 1.5, 1.2, 900, 30, -2},
        {Amb(-0.01, 0.02, 3, 3.5), 1, 1, 25, 415, 1},
        {Amb(1e9, 1e12, -1e12, 1e12), 1, 1, 600, 100, -1},
        {Amb(-7.5, 7.5, -5, 5), 2, 2, 1279, 0, 0.5}};
    for (const auto& [e, ex, ey, px, py, osques] : casos) {
        const ValorsVista v{ex, ey, static_cast<int>(640 * ex), static_cast<int>(460 * ey)};
        const auto nou = EixosApropats(e, v, px, py, osques);
        ASSERT_TRUE(nou) << px << " " << osques;
        const auto [x0, y0] = Sota(e, v, px, py);
        const auto [x1, y1] = Sota(*nou, v, px, py);
        const double rx = nou->XFinal - nou->XOrigen, ry = nou->YFinal - nou->YOrigen;
        EXPECT_NEAR(rx / (e.XFinal - e.XOrigen), std::pow(1.25, -osques), 1e-5);
        EXPECT_LE(std::fabs(x1 - x0), rx / 600 / ex) << px;
        EXPECT_LE(std::fabs(y1 - y0), ry / 400 / ey) << py;
        EXPECT_TRUE(nou->Valids());
        const auto tornat = EixosApropats(*nou, v, px, py, -osques);
        ASSERT_TRUE(tornat);
        const double tol = 2e-6 * std::max(1.0, std::fabs(e.XFinal)) + 1e-12;
        EXPECT_NEAR(tornat->XOrigen, e.XOrigen, tol);
        EXPECT_NEAR(tornat->YFinal, e.YFinal, 2e-6 * std::max(1.0, std::fabs(e.YFinal)));
    }
}

TEST(Navegacio, ADragMovesTheAxesByThePixelsDraggedAndRefusedStepsChangeNothing) {
    const ValorsVista v{2, 2, 1280, 920};
    const EixosFuncions e = Amb(-7.5, 7.5, -5, 5);
    for (const auto& [dx, dy] : {std::pair{40.0, 0.0}, {-3, 7}, {1, -1}, {600, 400}}) {
        const auto nou = EixosDesplacats(e, v, dx, dy);
        ASSERT_TRUE(nou);
        const auto [xo, xf, yo, yf] = Valors(*nou);
        EXPECT_NEAR(xo, -7.5 - dx * 0.0125, 1e-12);
        EXPECT_NEAR(xf, 7.5 - dx * 0.0125, 1e-12);
        EXPECT_NEAR(yo, -5 + dy * 0.0125, 1e-12);
        EXPECT_NEAR(yf, 5 + dy * 0.0125, 1e-12);
        EXPECT_EQ(std::pair(nou->XUnitat, nou->YUnitat), std::pair(1.0, 1.0));
    }
    // Beyond the limit, a range narrowed below a thousandth, a huge value whose
    // digits leave no room for the range: refused. Zooming out of a narrow range is not.
    EXPECT_FALSE(EixosDesplacats(Amb(0, 1e15, -1, 1), v, -1280, 0));
    EXPECT_FALSE(EixosApropats(Amb(0, 0.0011, -1, 1), v, 640, 460, 1));
    EXPECT_TRUE(EixosApropats(Amb(0, 0.0001, 0, 0.0001), v, 640, 460, -1));
    EXPECT_FALSE(EixosApropats(Amb(1e14, 1e14 + 0.01, -1, 1), v, 640, 460, -1));
    EXPECT_FALSE(EixosApropats(e, ValorsVista{0, 1, 0, 460}, 0, 0, 1));
}

// The unit of a new range: 1, 2 or 5 x 10^k, 4 to 20 ticks, nearest the old unit.
TEST(Navegacio, TheTickUnitFollowsTheRange) {
    const std::tuple<double, double, double> casos[] = {
        {15, 1, 1},      {12, 1, 1},         {100, 1, 5},     {150, 10, 10},
        {1e-5, 1, 2e-6}, {3e-5, 1e-6, 2e-6}, {1e14, 1, 5e12}, {2e14, 1e14, 5e13},
        {2.5, 1, 0.5},   {7, 0.1, 0.5},      {40, 2, 2},      {40, 0, 5}};
    for (const auto& [rang, actual, esperada] : casos) {
        const double u = UnitatPerRang(rang, actual);
        EXPECT_DOUBLE_EQ(u, esperada) << rang << " " << actual;
        EXPECT_TRUE(rang / u >= 4 && rang / u <= 20) << rang;
    }
}

TEST(Navegacio, EarlierViewsComeBackLastFirstAndTheOldestAreForgotten) {
    HistorialVistes h;
    EXPECT_FALSE(h.Treure());
    for (int i = 0; i < 120; ++i)
        h.Desar(Amb(i, i + 1, 0, 1));
    EXPECT_EQ(h.Mida(), HistorialVistes::Maxim);
    for (int i = 119; i >= 20; --i)
        EXPECT_EQ(h.Treure()->XOrigen, i);
    EXPECT_TRUE(h.Buit());
}

} // namespace
} // namespace tracima
