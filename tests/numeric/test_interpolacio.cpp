// Interpolation: the linear and smooth pieces against values worked out by hand,
// the piece choice at the table's ends and points, extrapolation, and records
// that cannot be interpolated (damaged files) giving "no value" instead of a crash.
#include "numeric/UnitInterpolacio.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "engine/UnitCalcular.h"

namespace tracima {
namespace {

struct Punt {
    double x, y;
};

FuncioNumerica Taula(const std::vector<Punt>& punts, bool lineal = false, bool extrapolar = false) {
    FuncioNumerica f;
    for (std::size_t i = 0; i < punts.size(); ++i) {
        f.ValorsX[i] = punts[i].x;
        f.ValorsY[i] = punts[i].y;
    }
    f.NombrePunts = static_cast<int>(punts.size());
    f.InterpolacioLineal = lineal;
    f.Extrapolar = extrapolar;
    return f;
}

struct Interpolada {
    FuncioNumerica f;
    PreparacioInterpolacio p;
    explicit Interpolada(FuncioNumerica fn) : f(fn) { EXPECT_EQ(PrepararInterpolacio(f, p), 0); }
    int Avaluar(double x, double& y) const { return AvaluarInterpolacio(f, p, x, y); }
    double Valor(double x) const {
        double y = -1;
        EXPECT_EQ(Avaluar(x, y), 0) << "x = " << x;
        return y;
    }
};

TEST(Interpolacio, ThreePointsSmoothIsTheParabola) {
    Interpolada i(Taula({{0, 0}, {1, 1}, {2, 4}}));
    EXPECT_EQ(i.p.S[0], 0); // slope of x^2 at 0
    for (double x : {0.0, 0.25, 0.5, 1.0, 1.5, 1.9, 2.0})
        EXPECT_NEAR(i.Valor(x), x * x, 1e-12);
    EXPECT_DOUBLE_EQ(i.Valor(1.5), 2.25);
}

TEST(Interpolacio, ThreePointsLinear) {
    Interpolada i(Taula({{0, 0}, {1, 1}, {2, 4}}, true));
    EXPECT_DOUBLE_EQ(i.Valor(1.5), 2.5);
    EXPECT_DOUBLE_EQ(i.Valor(0.5), 0.5);
    EXPECT_DOUBLE_EQ(i.Valor(1.0), 1.0);
}

TEST(Interpolacio, TwoPointsSmoothIsAStraightLine) {
    Interpolada i(Taula({{0, 0}, {2, 2}}));
    EXPECT_TRUE(i.p.Lineal);
    for (double x : {0.0, 0.3, 1.0, 1.7, 2.0})
        EXPECT_DOUBLE_EQ(i.Valor(x), x);
}

TEST(Interpolacio, EndsBelongToTheRangeAndBeyondHasNoValue) {
    for (bool lineal : {false, true}) {
        Interpolada i(Taula({{-1, 5}, {0, 1}, {2, -3}, {3, 7}}, lineal));
        EXPECT_DOUBLE_EQ(i.Valor(-1), 5);
        EXPECT_NEAR(i.Valor(3), 7, 1e-12);
        double y = 42;
        EXPECT_EQ(i.Avaluar(std::nextafter(3.0, 4.0), y), SenseValor);
        EXPECT_EQ(y, 0);
        EXPECT_EQ(i.Avaluar(std::nextafter(-1.0, -2.0), y), SenseValor);
        EXPECT_EQ(i.Avaluar(std::numeric_limits<double>::quiet_NaN(), y), SenseValor);
    }
}

TEST(Interpolacio, ExtrapolationUsesTheFirstAndLastPieces) {
    // Smooth through points of x^2: the one cubic is x^2 everywhere.
    Interpolada suau(Taula({{0, 0}, {1, 1}, {2, 4}}, false, true));
    EXPECT_NEAR(suau.Valor(3), 9, 1e-12);
    EXPECT_NEAR(suau.Valor(-2), 4, 1e-12);
    // Linear: the outer segments continue.
    Interpolada lineal(Taula({{0, 0}, {1, 1}, {2, 4}}, true, true));
    EXPECT_DOUBLE_EQ(lineal.Valor(3), 7);   // 4 + 3·1
    EXPECT_DOUBLE_EQ(lineal.Valor(-1), -1); // slope 1
}

TEST(Interpolacio, SmoothReproducesAnyParabola) {
    // Starting slope and every cubic are exact for quadratic data, at any spacing.
    const auto q = [](double x) { return 3 * x * x - 2 * x + 1; };
    std::vector<Punt> punts;
    for (double x : {-4.0, -3.5, -1.0, 0.0, 0.2, 1.0, 3.0, 3.1, 6.0})
        punts.push_back({x, q(x)});
    Interpolada i(Taula(punts));
    for (double x = -4; x <= 6; x += 0.125)
        EXPECT_NEAR(i.Valor(x), q(x), 1e-9) << x;
}

TEST(Interpolacio, SmoothPassesThroughEveryPointWithAContinuousSlope) {
    std::vector<Punt> punts;
    for (int k = 0; k < 12; ++k) {
        const double x = k * 0.6 + 0.05 * (k % 3);
        punts.push_back({x, std::sin(x) + 0.1 * k});
    }
    Interpolada i(Taula(punts));
    for (const Punt& p : punts)
        EXPECT_NEAR(i.Valor(p.x), p.y, 1e-9);
    // Left and right slopes agree at every inner point (the cubic k ends on the
    // slope that cubic k+1 starts with).
    const double h = 1e-6;
    for (std::size_t k = 1; k + 2 < punts.size(); ++k) {
        const double x = punts[k].x;
        const double esquerra = (i.Valor(x) - i.Valor(x - h)) / h;
        const double dreta = (i.Valor(x + h) - i.Valor(x)) / h;
        EXPECT_NEAR(esquerra, dreta, 1e-4) << "at point " << k;
    }
}

TEST(Interpolacio, LinearMatchesTheSegmentsOfAFullTable) {
    std::vector<Punt> punts;
    for (int k = 0; k < MaxPuntsTaula; ++k)
        punts.push_back({k * 0.5, (k % 7) * 1.0});
    Interpolada i(Taula(punts, true, true));
    for (int k = 0; k + 1 < MaxPuntsTaula; ++k) {
        const double mig = (punts[k].y + punts[k + 1].y) / 2;
        EXPECT_NEAR(i.Valor(k * 0.5 + 0.25), mig, 1e-12) << k;
    }
    EXPECT_NEAR(i.Valor(199.5), punts[399].y, 1e-12);
    // Beyond the last point the last segment (from 6 down to 0) continues.
    EXPECT_NEAR(i.Valor(200), punts[399].y + (punts[399].y - punts[398].y), 1e-9);
}

TEST(Interpolacio, RecordsThatCannotBeInterpolatedHaveNoValue) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Cas {
        const char* nom;
        FuncioNumerica f;
    };
    FuncioNumerica massa = Taula({{0, 0}, {1, 1}});
    massa.NombrePunts = MaxPuntsTaula + 1;
    FuncioNumerica negatiu = Taula({{0, 0}, {1, 1}});
    negatiu.NombrePunts = -3;
    const std::vector<Cas> casos = {
        {"no points", Taula({})},
        {"one point", Taula({{1, 1}})},
        {"count above 400", massa},
        {"negative count", negatiu},
        {"equal x", Taula({{1, 1}, {2, 4}, {2, 5}})},
        {"equal x, linear", Taula({{1, 1}, {1, 4}}, true)},
        {"decreasing x", Taula({{3, 1}, {2, 4}, {1, 9}}, false, true)},
        {"x not a number", Taula({{0, 0}, {nan, 1}, {2, 2}})},
        {"y infinite", Taula({{0, 0}, {1, inf}, {2, 2}})},
    };
    for (const Cas& c : casos) {
        PreparacioInterpolacio p;
        EXPECT_EQ(PrepararInterpolacio(c.f, p), SenseValor) << c.nom;
        for (double x : {-1.0, 0.0, 1.0, 1.5, 2.0, 3.0}) {
            double y = 7;
            EXPECT_EQ(AvaluarInterpolacio(c.f, p, x, y), SenseValor) << c.nom;
            EXPECT_EQ(y, 0) << c.nom;
        }
    }
}

TEST(Interpolacio, PreparationOfAnotherTableIsNotUsed) {
    // A preparation that does not belong to the record (another count, nothing
    // prepared) gives no value rather than reading pieces that are not there.
    FuncioNumerica llarga = Taula({{0, 0}, {1, 1}, {2, 4}, {3, 9}});
    FuncioNumerica curta = Taula({{0, 0}, {1, 1}});
    PreparacioInterpolacio p;
    double y = 0;
    EXPECT_EQ(AvaluarInterpolacio(llarga, p, 1, y), SenseValor);
    ASSERT_EQ(PrepararInterpolacio(curta, p), 0);
    EXPECT_EQ(AvaluarInterpolacio(llarga, p, 2.5, y), SenseValor);
    // A failed preparation clears the previous one.
    ASSERT_EQ(PrepararInterpolacio(llarga, p), 0);
    EXPECT_EQ(PrepararInterpolacio(Taula({{1, 1}}), p), SenseValor);
    EXPECT_EQ(AvaluarInterpolacio(llarga, p, 1, y), SenseValor);
}

TEST(Interpolacio, ExtremeTablesNeverGiveAValueThatIsNotFinite) {
    const std::vector<FuncioNumerica> taules = {
        Taula({{0, 0}, {1e-300, 1e300}, {1e200, -1e300}}, false, true),
        Taula({{-1e120, 1}, {0, 1e300}, {1e120, 2}, {2e120, 3}}, false, true),
        Taula({{0, -1e308}, {1e-310, 1e308}}, true, true),
    };
    for (const FuncioNumerica& f : taules) {
        PreparacioInterpolacio p;
        PrepararInterpolacio(f, p);
        for (double x : {-1e300, -1e150, -1.0, 0.0, 1e-305, 1.0, 1e100, 1e150, 1e300}) {
            double y = 0;
            if (AvaluarInterpolacio(f, p, x, y) == 0) {
                EXPECT_TRUE(std::isfinite(y)) << x;
            }
        }
    }
}

} // namespace
} // namespace tracima
