#include "engine/UnitCalcular.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace tracima;

namespace {

// The compiled list written as space-separated elements ("( 3 * X )").
std::string Llista(const Calculador& c) {
    std::string s;
    for (int i = 1; i <= c.NombreElements(); ++i) {
        const ElementCompilat& e = c.Element(i);
        if (!s.empty()) s += ' ';
        if (e.codi[0] == '\0') {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%.10g", e.valor);
            s += buf;
        } else {
            s += e.codi;
        }
    }
    return s;
}

int Compilar(const std::string& text, const Parametres& p = {}) {
    Calculador c;
    return c.CompilarFuncio(text, p);
}

std::string Compilat(const std::string& text, const Parametres& p = {}) {
    Calculador c;
    const int codi = c.CompilarFuncio(text, p);
    return codi ? "error " + std::to_string(codi) : Llista(c);
}

Parametres AmbA(double a) {
    Parametres p;
    p[0] = a;
    return p;
}

} // namespace

TEST(Compilar, CompiledForms) {
    struct Cas {
        const char* text;
        const char* llista;
    } casos[] = {
        {"3*(-X)", "( 3 * ( -1 * X ) )"},
        {"(+X)", "( ( X ) )"},
        {"LN(X)", "( LNE ( X ) )"},
        {"EXP(X)", "( EXP ( X ) )"},
        {"ALN(X)", "( 1 * LNE ( X ) )"},
        {"sin(x)", "( SIN ( X ) )"},
        {"Sin(X)", "( SIN ( X ) )"},
        {"sen(x)", "( SIN ( X ) )"},
        {"SEN (X)", "( SIN ( X ) )"},
        {"2x", "( 2 * X )"},
        {"2pi", "( 2 * 3.141593 )"},
        {"2 PI", "( 2 * 3.141593 )"},
        {"PI2", "( 3.141593 * 2 )"},
        {"PI,5", "( 3.141593 * 0.5 )"},
        {"ne", "( 2.718282 )"},
        {"x(x+1)", "( X * ( X + 1 ) )"},
        {"xsin(x)", "( X * SIN ( X ) )"},
        {"1,5*x", "( 1.5 * X )"},
        {"1'5*x", "( 1.5 * X )"},
        {".5", "( 0.5 )"},
        {"5.", "( 5 )"},
        {"-x^2", "( -1 * X ^ 2 )"},
        {"ASE(X)", "( ASI ( X ) )"},
        {"ACO(X)", "( ACO ( X ) )"},
        {"SEG(X)", "( SIG ( X ) )"},
        {"ATG(X)+ABS(X)", "( ATG ( X ) + ABS ( X ) )"},
        {"3(x+1)", "( 3 * ( X + 1 ) )"},
    };
    for (const auto& c : casos) EXPECT_EQ(Compilat(c.text), c.llista) << c.text;
}

TEST(Compilar, ErrorCodes) {
    struct Cas {
        const char* text;
        int codi;
    } casos[] = {
        {"(x+1)(x-1)", 5}, {"(x+1)x", 5},  {"(x+1)2", 5},  {"2*-3", 5},   {"X^-2", 5},
        {"Y+1", 2},        {"Z", 2},       {"U*X", 2},     {"V", 2},      {"W", 3},
        {"SINX", 2},       {"SIN X", 2},   {"SI(X)", 2},   {"L(X)", 2},   {"ASI(X)", 2},
        {"", 7},           {"   ", 7},     {"((X)", 4},    {"X)+(1", 1},  {")X(", 5},
        {"X)(", 1},        {"1.2.3", 5},   {"2.5.1", 5},   {"X+.", 5},    {"+", 5},
        {"X*(+)", 5},      {"()", 5},      {"X#", 3},      {"2X3", 5},    {"XX", 5},
        {"X.5", 5},        {"G(X)", 3},    {"1/", 5},      {"(*X)", 5},   {"LOG X", 2},
    };
    for (const auto& c : casos) EXPECT_EQ(Compilar(c.text), c.codi) << c.text;
}

TEST(Compilar, LimitsOfLength) {
    EXPECT_EQ(Compilar(std::string(19, '1')), 0);
    EXPECT_EQ(Compilar(std::string(20, '1')), 9);
    EXPECT_EQ(Compilar(std::string(200, '1')), 9);
    std::string llarga = "1111";
    while (llarga.size() < 199) llarga += "+1111";
    llarga.resize(199);
    ASSERT_EQ(llarga.back(), '1');
    EXPECT_EQ(Compilar(llarga + "+"), 5);   // 200 characters: length passes
    EXPECT_EQ(Compilar(llarga + "+X"), 8);  // 201 characters
    EXPECT_EQ(Compilar(llarga + " "), 0);   // 200 with a space
    EXPECT_EQ(Compilar(llarga + "  "), 8);  // spaces count towards the limit
    // The "*" that makes 2A a product is not typed: 200 characters pass.
    EXPECT_EQ(Compilar(llarga.substr(0, 197) + "+2A"), 0);
    EXPECT_EQ(Compilar(llarga.substr(0, 198) + "+2A"), 8);
    // 100 constants: short as typed, far over 255 characters once normalised.
    std::string constants = "P";
    for (int i = 0; i < 60; ++i) constants += "+P";
    EXPECT_EQ(Compilar(constants), 8);
    // Within 254 characters but more than 200 elements: refused, never past the table.
    std::string signes = "X";
    for (int i = 0; i < 39; ++i) signes += "+(-X)";
    EXPECT_LE(signes.size(), 200u);
    EXPECT_EQ(Compilar(signes), 8);
}

TEST(Compilar, ErrorOrder) {
    // A reserved letter is found before the length, the length before anything else.
    EXPECT_EQ(Compilar("Y" + std::string(300, '1')), 2);
    EXPECT_EQ(Compilar(std::string(300, '(')), 8);
    // Neighbourhood before characters, characters before parentheses, left to right.
    EXPECT_EQ(Compilar("W+*X"), 5);
    EXPECT_EQ(Compilar("W)"), 3);
    EXPECT_EQ(Compilar("X)W"), 1);
    EXPECT_EQ(Compilar(std::string(20, '1') + "+W"), 9);
    EXPECT_EQ(Compilar("W+" + std::string(20, '1')), 3);
}

// The text shown with the parameters' values (the parameter dialog's title).
TEST(Parametres, SubstitutedTexts) {
    struct Cas {
        double a;
        const char* text;
        const char* substituit;
    } casos[] = {
        {-2, "A*X", "(-2)*X"},
        {-2, "AX^2", "(-2)X^2"},
        {0.1234567, "A", "0.123457"},
        {0.000001, "A", "0.000001"},
        {-0.0000001, "A", "0"},
        {2, "TAN(X)+A", "TAN(X)+2"},
        {2, "ABS(X)+A", "ABS(X)+2"},
        {2, "ASIN(X)", "2SIN(X)"},
        {2, "ATA(X)+ATG(X)+ALO(X)+ACG(X)+ACO(X)", "ATA(X)+ATG(X)+ALO(X)+ACG(X)+ACO(X)"},
        {2, "SEN(X)+SEG(X)+ASE(X)+EXP(X)+NE+E", "SEN(X)+SEG(X)+ASE(X)+EXP(X)+NE+1"},
        {2, "COS(X)+COG(X)+C+D+F+B", "COS(X)+COG(X)+1+1+1+1"},
        {3, "2A", "2*3"},
        {3, "A2", "3*2"},
        {3, "AA", "3*3"},
        {3, "2,A", "2,*3"},
        {3, "XA", "X*3"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(SubstituirParametres(c.text, AmbA(c.a)), c.substituit) << c.text;
}

// A parameter's value takes part in the formula as one number, negative or not.
TEST(Parametres, Values) {
    struct Cas {
        double a;
        const char* text;
        double x, valor;
    } casos[] = {
        {-2, "X^A", 2, 0.25},
        {-2, "A^2", 0, 4},
        {-2, "1/A", 0, -0.5},
        {-2, "-A", 0, 2},
        {-2, "2A", 0, -4},
        {-2, "A2", 0, -4},
        {-2, "AX^2", 3, -18},
        {-2, "A(X+1)", 1, -4},
        {-2, "ASIN(X)", 0.5, -2 * std::sin(0.5)},
        {-2, "A SIN(X)", 0.5, -2 * std::sin(0.5)},
        {-2, "ALN(X)", 1, 0},
        {-2, "AB", 0, -2},
        {-2, "XA", 3, -6},
        {-2, "APIX", 1, -2 * 3.141593},
        {2, "ASIN(X)", 0.5, 2 * std::sin(0.5)},
        {2, "ACOS(X)", 0, 2},
        {2, "ALN(X)", 1, 0},
        {2, "ACO(X)", 1, 0},
        {2, "ASE(X)", 1, 1.570796},
        {3, "2A", 0, 6},
        {3, "2,A", 0, 6},
        {3, "XA", 2, 6},
        {3, "A.5", 0, 1.5},
        {1, "PIA", 0, 3.141593},
    };
    for (const auto& c : casos) {
        Calculador calc;
        ASSERT_EQ(calc.CompilarFuncio(c.text, AmbA(c.a)), 0) << c.text;
        double v = 0;
        ASSERT_EQ(calc.AvaluarFuncio(c.x, v), 0) << c.text;
        EXPECT_NEAR(v, c.valor, 1e-12) << c.text;
    }
}

TEST(Compilar, AnyBytesAreRefusedWithACode) {
    const std::string casos[] = {
        std::string("X\0+1", 4), "\xff\xfe", "SIN(\xc3\xa9)", std::string(100000, 'X'),
        std::string(5000, '('), "((((((((((((((((((((((((((((((X))))))))))))))))))))))))))))))",
        "\x01", "PI" + std::string(250, 'I'), "A" + std::string(150, 'A'),
    };
    for (const auto& t : casos) {
        Calculador c;
        const int codi = c.CompilarFuncio(t, Parametres{});
        EXPECT_GE(codi, 0);
        EXPECT_LE(codi, 10);
        double v;
        if (codi == 0) {
            EXPECT_GE(c.AvaluarFuncio(1, v), 0);
        } else {
            EXPECT_EQ(c.AvaluarFuncio(1, v), AvalSenseValorReal);
        }
    }
}

TEST(Compilar, ReplacesThePreviousFormula) {
    Calculador c;
    double v = 0;
    ASSERT_EQ(c.CompilarFuncio("X+1", {}), 0);
    ASSERT_EQ(c.AvaluarFuncio(1, v), 0);
    EXPECT_EQ(v, 2);
    EXPECT_EQ(c.CompilarFuncio("X+", {}), 5);
    EXPECT_FALSE(c.Compilat());
    EXPECT_EQ(c.NombreElements(), 0);
    EXPECT_EQ(c.Element(1).codi[0], '\0');
    EXPECT_EQ(c.Element(0).codi[0], '\0');
}
