#include "engine/UnitCalcular.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

using namespace tracima;

namespace {

// The evaluation written the long way: the working list is copied, and the
// innermost pair of parentheses is reduced until none is left.
struct Referencia {
    using L = long double; // powers and LOG are worked in extended precision
    struct E {
        std::string codi;
        double v = 0;
    };

    static int Pot(double b, double p, double& r) {
        if (p == std::floor(p) && p != 0 && std::fabs(p) < 100) {
            double q = 1;
            for (int i = 0; i < std::abs(static_cast<int>(p)); ++i) {
                if (q > 1e19 || b > 1e19) return 4;
                q = q * b;
            }
            if (p > 0) return r = q, 0;
            if (std::fabs(q) <= 1e-19) return 4;
            return r = 1 / q, 0;
        }
        if (b > 0) {
            double t = static_cast<double>(std::log(L(b)) * p);
            if (t <= -88 || t >= 88) return 4;
            return r = static_cast<double>(std::exp(L(t))), 0;
        }
        if (b == 0) return p <= 0 ? 2 : (r = 0, 0);
        const long double pi = 3.141592653589793238462643383279502884L;
        int codi = 2;
        for (int k = 0;; ++k) {
            double th = static_cast<double>(pi * p + k * (2 * pi) * p);
            if (std::sin(th) > -1e-5 && std::sin(th) < 1e-5) {
                codi = 0;
                double t = static_cast<double>(std::log(L(std::fabs(b))) * p);
                if (t <= -88 || t >= 88) return 4;
                r = static_cast<double>(std::exp(L(t)) * std::cos(L(th)));
            }
            if (std::fabs(th) > 2 * static_cast<double>(pi) || codi == 0) break;
        }
        return codi;
    }

    static int Funcio(const std::string& f, double x, double& y) {
        const double pi = 3.141593;
        if (f == "SIN") return y = std::sin(x), 0;
        if (f == "SIG") return y = std::sin(x / 180 * pi), 0;
        if (f == "COS") return y = std::cos(x), 0;
        if (f == "COG") return y = std::cos(x / 180 * pi), 0;
        if (f == "TAN" || f == "TAG") {
            double a = f == "TAN" ? x : pi * (x / 180);
            if (std::fabs(std::cos(a)) <= 1e-19) return 4;
            return y = std::sin(a) / std::cos(a), 0;
        }
        if (f == "ATA") return y = std::atan(x), 0;
        if (f == "ATG") return y = std::atan(x) * 180 / pi, 0;
        if (f == "ABS") return y = std::fabs(x), 0;
        if (f == "LNE") return x > 0 ? (y = std::log(x), 0) : 3;
        if (f == "LOG") return x > 0 ? (y = double(std::log(L(x)) / std::log(L(10))), 0) : 3;
        if (f == "ALO") return Pot(10, x, y);
        if (f == "EXP") return (x > -88 && x < 88) ? (y = std::exp(x), 0) : 4;
        const bool graus = f == "ASG" || f == "ACG";
        const bool sinus = f == "ASI" || f == "ASG";
        if (sinus && (x == 1 || x == -1)) return y = x * (graus ? 90 : 1.570796), 0;
        if (!sinus && x == 0) return y = graus ? 90 : 1.570796, 0;
        if (1 - x * x < 0) return 2;
        double r = std::sqrt(1 - x * x);
        y = std::atan(sinus ? x / r : r / x);
        if (graus) y = y * 180 / pi;
        if (!sinus && x < 0) y = y + (graus ? 180 : pi);
        return 0;
    }

    static int Avaluar(const Calculador& c, double x, double& y) {
        std::vector<E> w;
        for (int i = 1; i <= c.NombreElements(); ++i) {
            E e{c.Element(i).codi, c.Element(i).valor};
            if (e.codi == "X") e = {"", x};
            w.push_back(e);
        }
        auto op = [&](std::size_t i, const char* ops) {
            return w[i].codi.size() == 1 && std::strchr(ops, w[i].codi[0]);
        };
        for (;;) {
            std::size_t tanc = 0, o;
            while (tanc < w.size() && w[tanc].codi != ")") ++tanc;
            if (tanc == w.size()) break;
            for (o = tanc; w[o].codi != "(";) --o;
            for (const char* ops : {"^", "*/", "+-"}) {
                for (std::size_t i = o + 1; i < tanc;) {
                    if (!op(i, ops)) { ++i; continue; }
                    double a = w[i - 1].v, b = w[i + 1].v, r = 0;
                    int codi = 0;
                    const char oper = w[i].codi[0];
                    switch (oper) {
                    case '^': codi = Pot(a, b, r); break;
                    case '/':
                        if (b == 0) return 1;
                        codi = (std::fabs(a) >= 1e19 || std::fabs(b) <= 1e-19) ? 4 : (r = a / b, 0);
                        break;
                    default:
                        codi = (std::fabs(a) >= 1e19 || std::fabs(b) >= 1e19) ? 4
                               : (r = oper == '*' ? a * b : oper == '+' ? a + b : a - b, 0);
                    }
                    if (codi) return codi;
                    w[i - 1].v = r;
                    w.erase(w.begin() + i, w.begin() + i + 2);
                    tanc -= 2;
                }
            }
            w[o] = {"", w[o + 1].v};
            w.erase(w.begin() + o + 1, w.begin() + o + 3);
            if (o > 0 && w[o - 1].codi.size() == 3) {
                if (int codi = Funcio(w[o - 1].codi, w[o].v, y)) return codi;
                w[o - 1] = {"", y};
                w.erase(w.begin() + o);
            }
        }
        return std::fabs(w[0].v) <= 1e19 ? (y = w[0].v, 0) : 4;
    }
};

} // namespace

// Exact values where no tolerance is given: the powers and logarithms are worked
// in extended precision.
TEST(Avaluar, ValuesAndCodes) {
    const struct {
        const char* text;
        double x;
        int codi;
        double valor = 0, tolerancia = 0;
    } casos[] = {
        {"-x^2", 3, 0, -9},         {"2^3^2", 0, 0, 64},        {"-2^2", 0, 0, -4},
        {"(-2)^2", 0, 0, 4},        {"(-2)^(-3)", 0, 0, -0.125}, {"(-2)^3", 0, 0, -8},
        {"(-2)^(-1)", 0, 0, -0.5},  {"0/5", 0, 0, 0},           {"0^2", 0, 0, 0},
        {"0^0.5", 0, 0, 0},         {"(-8)^(1/3)", 0, 0, -2},   {"(-8)^(2/3)", 0, 0, 4},
        {"(-32)^(3/5)", 0, 0, -8, 4e-15}, {"(-8)^(5/3)", 0, 0, -32}, {"2*(-3)", 0, 0, -6},
        {"-2+3", 0, 0, 1},          {"ASE(1)", 0, 0, 1.570796}, {"ACO(-1)", 0, 0, 3.141593},
        {"ACG(0)", 0, 0, 90},       {"ASG(-1)", 0, 0, -90},     {"ALO(19)", 0, 0, 1e19},
        {"EXP(0)", 0, 0, 1},        {"LOG(1000)", 0, 0, 3},     {"ABS(-X)", 4, 0, 4},
        {"(x^2-4)/(x-2)", 3, 0, 5}, {"1/36(3x^4-20x^3+12x^2+96x-110)", 0, 0, -110.0 / 36},
        {"8^(1/3)", 0, 0, 2},       {"LOG(0.001)", 0, 0, -3},   {"EXP(43)", 0, 0, std::exp(43.0)},
        // Near the exponential's lower limit; a whole exponent of 100 or more takes
        // the search for a real root.
        {"2^(-120.5)", 0, 0, std::pow(2, -120.5), 1e-50},
        {"(-1.1)^(-900)", 0, 0, std::pow(1.1, -900), 1e-50},
        // Degrees and the language's PI of six decimals: SIG(180) is not 0, and
        // TAN(PI/2) is a large negative number, not an overflow.
        {"SIG(180)", 0, 0, std::sin(3.141593)}, {"TAN(PI/2)", 0, 0, -5773501.94, 0.01},
        {"COG(60)", 0, 0, 0.5, 1e-6}, {"TAG(45)", 0, 0, 1, 1e-6}, {"ATG(1)", 0, 0, 45, 1e-4},
        // Evaluation codes.
        {"1/0", 0, 1},        {"1/X", 0, 1},         {"1/10^(-20)", 0, 4}, {"0^0", 0, 2},
        {"0^(-1)", 0, 4},     {"(-4)^0.5", 0, 2},    {"(-8)^0.5", 0, 2},   {"(-8)^0.3", 0, 2},
        {"(-8)^(7/3)", 0, 2}, {"2^(-200)", 0, 4},    {"LN(0)", 0, 3},      {"LOG(-1)", 0, 3},
        {"EXP(88)", 0, 4},    {"EXP(-88)", 0, 4},    {"EXP(44)", 0, 4},    {"ASE(2)", 0, 2},
        {"ACO(-1.5)", 0, 2},  {"ALO(20)", 0, 4},     {"ALO(19)*1", 0, 4},  {"X^2", 1e10, 4},
        {"X*X", -1e300, 4},   {"SIN(X^2)", -1e300, 4}, {"X+1", 1e19, 4},   {"LN(X)", -1, 3},
    };
    for (const auto& c : casos) {
        Calculador calc;
        ASSERT_EQ(calc.CompilarFuncio(c.text, {}), 0) << c.text;
        double v = 0;
        EXPECT_EQ(calc.AvaluarFuncio(c.x, v), c.codi) << c.text;
        if (c.codi == 0) {
            EXPECT_NEAR(v, c.valor, c.tolerancia) << c.text;
        }
    }
}

TEST(CalcularExpressio, Statuses) {
    Parametres p;
    p[1] = 4;
    const struct {
        const char* text;
        int estat;
        double valor;
    } casos[] = {{"2*PI", 0, 6.283186}, {"X+1", 0, 1}, {"B/2", 0, 2}, {"1/0", 1, 0}, {"2+", 2, 0}};
    for (const auto& c : casos) {
        double v = 0;
        EXPECT_EQ(CalcularExpressio(c.text, p, v), c.estat) << c.text;
        if (c.estat == 0) {
            EXPECT_DOUBLE_EQ(v, c.valor) << c.text;
        }
    }
}

// The schedule worked out at compile time must give exactly what the long
// reduction gives, value for value and code for code (the sample path's vector
// sines and cosines within rounding).
TEST(Avaluar, ScheduleMatchesTheLiteralReduction) {
    const char* formules[] = {
        "x^2-4", "sin(x)+cos(x)", "(x^2-4)/(x-2)", "1/x", "ln(x)",
        "1+x-x^2/2-x^3/6+x^4/24+x^5/120-x^6/720-x^7/5040+x^8/40320+x^9/362880",
        "30000/((2*p)^.5*.6)*exp(-(x-5.6)^2/2/.6^2)",
        "1/36(3x^4-20x^3+12x^2+96x-110)", "log(x)-alo(x)", "x^x", "x^(1/3)", "(-x)^(2/3)",
        "tan(x)*tag(x*50)", "ase(x/3)+aco(x/4)-asg(x/5)*acg(x/6)", "ata(x)+atg(x)", "abs(x)^0.5",
        "2^3^x", "x/x/x", "-(x+1)*(-x)", "sig(x*30)/cog(x*30)", "exp(x*12)", "(x-1)^(-2)",
        "x^100", "x^(-99)", "((((x))))+(((1)))", "2/(x-x)", "x^0", "0^x", "(-8)^x",
    };
    // From 1/3 on, exponents of (-8)^x: the search for a real root skips the multiples
    // that cannot succeed, and must stop where the literal search stops, also for the
    // tiny exponents (here and in the second random set) that take it hundreds of
    // thousands of steps.
    std::vector<double> xs = {0, 1, -1, 2, -2, 0.5, 1e-20, -1e10, 1e18, 7.5, -7.5, 1.0 / 3,
                              2.0 / 3, 0.6, 5.0 / 3, 0.3, 7.0 / 3, 0.25, 1.0 / 7001, 1e-6, 3.2e-6,
                              3.3e-6, 4e-6, 1e-5, 2e-5, 1.0 / 99999, 0.1, 1.5, 2.5, 99.5, -1.0 / 3,
                              -3.3e-6, -0.6};
    std::mt19937 gen(7);
    std::uniform_real_distribution<double> d(-10, 10), petit(-0.01, 0.01);
    for (int i = 0; i < 200; ++i) xs.push_back(d(gen));
    for (int i = 0; i < 300; ++i) xs.push_back(petit(gen));
    std::vector<double> ys(xs.size());
    std::vector<int> codis(xs.size());
    for (const char* f : formules) {
        Calculador c;
        ASSERT_EQ(c.CompilarFuncio(f, {}), 0) << f;
        const std::string t = f;
        bool trig = false;
        for (const char* n : {"sin", "sig", "cos", "cog"}) trig = trig || t.find(n) != t.npos;
        c.AvaluarFuncioMostres(xs.data(), ys.data(), codis.data(), static_cast<int>(xs.size()));
        for (std::size_t i = 0; i < xs.size(); ++i) {
            const double x = xs[i];
            double v = 0;
            const int codi = c.AvaluarFuncio(x, v);
            double ref = 0;
            const int codiRef = Referencia::Avaluar(c, x, ref);
            ASSERT_EQ(codi, codiRef) << f << " at " << x;
            ASSERT_EQ(codis[i], codiRef) << f << " at " << x << " (samples)";
            if (codi == 0) {
                ASSERT_EQ(v, ref) << f << " at " << x;
                // Vector sines and cosines: a few units in the last place.
                const double tol = trig ? 1e-13 * (1 + std::fabs(ref)) : 0;
                ASSERT_NEAR(ys[i], ref, tol) << f << " at " << x << " (samples)";
            }
        }
    }
}
