// Interpolation: the linear and smooth pieces against values worked out by hand,
// the piece choice at the table's ends and points, extrapolation, and records
// that cannot be interpolated (damaged files) giving "no value" instead of a crash.
#include "numeric/UnitInterpolacio.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "TaulesProva.h"
#include "engine/UnitCalcular.h"

namespace tracima {
namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();

FuncioNumerica Amb(const std::vector<Punt>& punts, bool lineal = false, bool extrapolar = false) {
    FuncioNumerica f = Taula<FuncioNumerica>(punts);
    f.InterpolacioLineal = lineal;
    f.Extrapolar = extrapolar;
    return f;
}

// The interpolated value at x; NaN where there is none (status 101 with y = 0).
double Valor(const FuncioNumerica& f, double x) {
    PreparacioInterpolacio p;
    PrepararInterpolacio(f, p);
    double y = 7;
    const int estat = AvaluarInterpolacio(f, p, x, y);
    if (estat == SenseValor && y == 0) return nan;
    EXPECT_EQ(estat, 0) << "x = " << x;
    return y;
}

TEST(Interpolacio, ValuesWorkedOutByHand) {
    const std::vector<Punt> quadrat = {{0, 0}, {1, 1}, {2, 4}};
    const std::vector<Punt> quatre = {{-1, 5}, {0, 1}, {2, -3}, {3, 7}};
    const double passat3 = std::nextafter(3.0, 4.0), abans1 = std::nextafter(-1.0, -2.0);
    struct Cas {
        FuncioNumerica f;
        std::vector<Punt> valors; // x and the value there, NaN for none
    };
    const Cas casos[] = {
        // Smooth through points of x^2: the one cubic is x^2 everywhere.
        {Amb(quadrat), {{0, 0}, {0.25, 0.0625}, {1.5, 2.25}, {1.9, 3.61}, {2, 4}}},
        {Amb(quadrat, false, true), {{3, 9}, {-2, 4}}},
        {Amb(quadrat, true), {{0.5, 0.5}, {1, 1}, {1.5, 2.5}}},
        {Amb(quadrat, true, true), {{3, 7}, {-1, -1}}},    // the outer segments continue
        {Amb({{0, 0}, {2, 2}}), {{0.3, 0.3}, {1.7, 1.7}}}, // two points smooth: a line
        // The ends belong to the range; beyond them there is no value.
        {Amb(quatre), {{-1, 5}, {3, 7}, {passat3, nan}, {abans1, nan}, {nan, nan}}},
        {Amb(quatre, true), {{-1, 5}, {3, 7}, {passat3, nan}, {abans1, nan}}},
    };
    for (const Cas& c : casos)
        for (const Punt& v : c.valors) {
            const double y = Valor(c.f, v.x);
            if (std::isnan(v.y))
                EXPECT_TRUE(std::isnan(y)) << v.x;
            else
                EXPECT_NEAR(y, v.y, 1e-12) << v.x << (c.f.InterpolacioLineal ? " linear" : "");
        }
    PreparacioInterpolacio p;
    PrepararInterpolacio(Amb(quadrat), p);
    EXPECT_EQ(p.S[0], 0); // slope of x^2 at 0
}

TEST(Interpolacio, SmoothReproducesAnyParabola) {
    // Starting slope and every cubic are exact for quadratic data, at any spacing.
    const auto q = [](double x) { return 3 * x * x - 2 * x + 1; };
    std::vector<Punt> punts;
    for (double x : {-4.0, -3.5, -1.0, 0.0, 0.2, 1.0, 3.0, 3.1, 6.0})
        punts.push_back({x, q(x)});
    for (double x = -4; x <= 6; x += 0.125)
        EXPECT_NEAR(Valor(Amb(punts), x), q(x), 1e-9) << x;
}

TEST(Interpolacio, SmoothPassesThroughEveryPointWithAContinuousSlope) {
    std::vector<Punt> punts;
    for (int k = 0; k < 12; ++k) {
        const double x = k * 0.6 + 0.05 * (k % 3);
        punts.push_back({x, std::sin(x) + 0.1 * k});
    }
    const FuncioNumerica f = Amb(punts);
    for (const Punt& p : punts)
        EXPECT_NEAR(Valor(f, p.x), p.y, 1e-9);
    // Left and right slopes agree at every inner point (the cubic k ends on the
    // slope that cubic k+1 starts with).
    const double h = 1e-6;
    for (std::size_t k = 1; k + 2 < punts.size(); ++k) {
        const double x = punts[k].x;
        const double esquerra = (Valor(f, x) - Valor(f, x - h)) / h;
        const double dreta = (Valor(f, x + h) - Valor(f, x)) / h;
        EXPECT_NEAR(esquerra, dreta, 1e-4) << "at point " << k;
    }
}

TEST(Interpolacio, LinearMatchesTheSegmentsOfAFullTable) {
    std::vector<Punt> punts;
    for (int k = 0; k < MaxPuntsTaula; ++k)
        punts.push_back({k * 0.5, (k % 7) * 1.0});
    const FuncioNumerica f = Amb(punts, true, true);
    for (int k = 0; k + 1 < MaxPuntsTaula; ++k)
        EXPECT_NEAR(Valor(f, k * 0.5 + 0.25), (punts[k].y + punts[k + 1].y) / 2, 1e-12) << k;
    EXPECT_NEAR(Valor(f, 199.5), punts[399].y, 1e-12);
    // Beyond the last point the last segment (from 6 down to 0) continues.
    EXPECT_NEAR(Valor(f, 200), punts[399].y + (punts[399].y - punts[398].y), 1e-9);
}

TEST(Interpolacio, RecordsThatCannotBeInterpolatedHaveNoValue) {
    const double inf = std::numeric_limits<double>::infinity();
    FuncioNumerica massa = Amb({{0, 0}, {1, 1}}), negatiu = massa;
    massa.NombrePunts = MaxPuntsTaula + 1;
    negatiu.NombrePunts = -3;
    const FuncioNumerica casos[] = {
        Amb({}),
        Amb({{1, 1}}),
        massa,
        negatiu,
        Amb({{1, 1}, {2, 4}, {2, 5}}), // equal x
        Amb({{1, 1}, {1, 4}}, true),
        Amb({{3, 1}, {2, 4}, {1, 9}}, false, true), // decreasing x
        Amb({{0, 0}, {nan, 1}, {2, 2}}),
        Amb({{0, 0}, {1, inf}, {2, 2}}),
    };
    for (const FuncioNumerica& f : casos) {
        PreparacioInterpolacio p;
        EXPECT_EQ(PrepararInterpolacio(f, p), SenseValor) << f.NombrePunts << " " << f.ValorsX[1];
        for (double x : {-1.0, 0.0, 1.0, 1.5, 2.0, 3.0})
            EXPECT_TRUE(std::isnan(Valor(f, x))) << f.NombrePunts << " " << f.ValorsX[1];
    }
}

TEST(Interpolacio, PreparationOfAnotherTableIsNotUsed) {
    // A preparation that does not belong to the record (another count, nothing
    // prepared) gives no value rather than reading pieces that are not there.
    FuncioNumerica llarga = Amb({{0, 0}, {1, 1}, {2, 4}, {3, 9}});
    PreparacioInterpolacio p;
    double y = 0;
    EXPECT_EQ(AvaluarInterpolacio(llarga, p, 1, y), SenseValor);
    ASSERT_EQ(PrepararInterpolacio(Amb({{0, 0}, {1, 1}}), p), 0);
    EXPECT_EQ(AvaluarInterpolacio(llarga, p, 0.5, y), SenseValor); // inside both tables
    // A failed preparation clears the previous one.
    ASSERT_EQ(PrepararInterpolacio(llarga, p), 0);
    EXPECT_EQ(PrepararInterpolacio(Amb({{1, 1}}), p), SenseValor);
    EXPECT_EQ(AvaluarInterpolacio(llarga, p, 1, y), SenseValor);
}

TEST(Interpolacio, ExtremeTablesNeverGiveAValueThatIsNotFinite) {
    const FuncioNumerica taules[] = {
        Amb({{0, 0}, {1e-300, 1e300}, {1e200, -1e300}}, false, true),
        Amb({{-1e120, 1}, {0, 1e300}, {1e120, 2}, {2e120, 3}}, false, true),
        Amb({{0, -1e308}, {1e-310, 1e308}}, true, true),
    };
    for (const FuncioNumerica& f : taules)
        for (double x : {-1e300, -1e150, -1.0, 0.0, 1e-305, 1.0, 1e100, 1e150, 1e300}) {
            PreparacioInterpolacio p;
            PrepararInterpolacio(f, p);
            double y = 0;
            EXPECT_TRUE(AvaluarInterpolacio(f, p, x, y) != 0 || std::isfinite(y)) << x;
        }
}

} // namespace
} // namespace tracima
