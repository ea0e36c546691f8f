#include "engine/UnitCalcular.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace tracima;

namespace {

Parametres AmbA(double a) {
    Parametres p;
    p[0] = a;
    return p;
}

// `inici` followed by copies of `pas`, cut to n characters.
std::string Serie(std::string inici, const std::string& pas, std::size_t n) {
    while (inici.size() < n) inici += pas;
    inici.resize(n);
    return inici;
}

} // namespace

// The compiled list written as space-separated elements, numbers with ten digits.
TEST(Compilar, CompiledForms) {
    const char* casos[][2] = {
        {"3*(-X)", "( 3 * ( -1 * X ) )"},   {"(+X)", "( ( X ) )"},
        {"LN(X)", "( LNE ( X ) )"},         {"EXP(X)", "( EXP ( X ) )"},
        {"ALN(X)", "( 1 * LNE ( X ) )"},    {"sin(x)", "( SIN ( X ) )"},
        {"Sin(X)", "( SIN ( X ) )"},        {"sen(x)", "( SIN ( X ) )"},
        {"SEN (X)", "( SIN ( X ) )"},       {"2x", "( 2 * X )"},
        {"2pi", "( 2 * 3.141593 )"},        {"2 PI", "( 2 * 3.141593 )"},
        {"PI2", "( 3.141593 * 2 )"},        {"PI,5", "( 3.141593 * 0.5 )"},
        {"ne", "( 2.718282 )"},             {"2ne", "( 2 * 2.718282 )"},
        {"x(x+1)", "( X * ( X + 1 ) )"},   {"xsin(x)", "( X * SIN ( X ) )"},
        {"1,5*x", "( 1.5 * X )"},           {"1'5*x", "( 1.5 * X )"},
        {".5", "( 0.5 )"},                  {"5.", "( 5 )"},
        {"ASE(X)", "( ASI ( X ) )"},        {"ACO(X)", "( ACO ( X ) )"},
        {"SEG(X)", "( SIG ( X ) )"},        {"ATG(X)+ABS(X)", "( ATG ( X ) + ABS ( X ) )"},
    };
    for (const auto& c : casos) {
        Calculador calc;
        ASSERT_EQ(calc.CompilarFuncio(c[0], {}), 0) << c[0];
        std::string s;
        for (int i = 1; i <= calc.NombreElements(); ++i) {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%.10g", calc.Element(i).valor);
            const char* codi = calc.Element(i).codi;
            s += (i > 1 ? " " : "") + std::string(codi[0] ? codi : buf);
        }
        EXPECT_EQ(s, c[1]) << c[0];
    }
}

TEST(Compilar, ErrorCodesLimitsAndOrder) {
    const std::string sumes = Serie("1111", "+1111", 199);
    const struct {
        std::string text;
        int codi;
    } casos[] = {
        {"(x+1)(x-1)", 5}, {"(x+1)x", 5},  {"(x+1)2", 5},  {"2*-3", 5},   {"X^-2", 5},
        {"Y+1", 2},        {"Z", 2},       {"U*X", 2},     {"V", 2},      {"W", 3},
        {"SINX", 2},       {"SIN X", 2},   {"SI(X)", 2},   {"L(X)", 2},   {"ASI(X)", 2},
        {"", 7},           {"   ", 7},     {"((X)", 4},    {"X)+(1", 1},  {")X(", 5},
        {"X)(", 1},        {"1.2.3", 5},   {"2.5.1", 5},   {"X+.", 5},    {"+", 5},
        {"X*(+)", 5},      {"()", 5},      {"X#", 3},      {"2X3", 5},    {"XX", 5},
        {"X.5", 5},        {"G(X)", 3},    {"1/", 5},      {"(*X)", 5},   {"\x01", 3},
        {"LN X", 2},       {std::string("X\0+1", 4), 3}, {"\xff\xfe", 3}, {"SIN(\xc3\xa9)", 3},
        {std::string(19, '1'), 0}, {std::string(20, '1'), 9}, {std::string(200, '1'), 9},
        // 200 characters inside the added parentheses pass, 201 do not; spaces count,
        // but the "*" that makes 2A a product is not typed and does not.
        {sumes + "+", 5}, {sumes + "+X", 8}, {sumes + " ", 0}, {sumes + "  ", 8},
        {sumes.substr(0, 197) + "+2A", 0}, {sumes.substr(0, 198) + "+2A", 8},
        {std::string(100000, 'X'), 8}, {std::string(5000, '('), 8},
        {"PI" + std::string(250, 'I'), 8}, {std::string(151, 'A'), 8},
        // Short as typed, 255 characters or more once the constants are written out.
        {Serie("P", "+P", 121), 8}, {Serie("P", "+P", 53) + "+" + std::string(9, '1'), 0},
        {Serie("P", "+P", 53) + "+" + std::string(10, '1'), 8},
        // Within 200 characters but more than 200 elements: refused, never past the table.
        {Serie("X", "+(-X)", 196), 8},
        // A reserved letter is found before the length, the length before anything else;
        // neighbourhood before characters, characters before parentheses, left to right.
        {"Y" + std::string(300, '1'), 2}, {std::string(300, '('), 8}, {"W+*X", 5}, {"W)", 3},
        {"X)W", 1}, {std::string(20, '1') + "+W", 9}, {"W+" + std::string(20, '1'), 3},
    };
    for (const auto& c : casos) {
        Calculador calc;
        EXPECT_EQ(calc.CompilarFuncio(c.text, {}), c.codi) << c.text;
    }
}

// The text shown with the parameters' values (the parameter dialog's title).
TEST(Parametres, SubstitutedTexts) {
    const struct {
        double a;
        const char *text, *substituit;
    } casos[] = {
        {-2, "A*X", "(-2)*X"},       {-2, "AX^2", "(-2)X^2"},     {0.1234567, "A", "0.123457"},
        {0.000001, "A", "0.000001"}, {-0.0000001, "A", "0"},      {2, "TAN(X)+A", "TAN(X)+2"},
        {2, "ABS(X)+A", "ABS(X)+2"}, {2, "ASIN(X)", "2SIN(X)"},   {3, "2A", "2*3"},
        {3, "A2", "3*2"},            {3, "AA", "3*3"},            {3, "2,A", "2,*3"},
        {3, "XA", "X*3"},
        // At most 15 significant digits, and no exponent even past 1e15.
        {-1234567890.1234567, "A", "(-1234567890.12346)"},
        {1.2345678901234567e17, "A", "123456789012346000"},
        {2, "ATA(X)+ATG(X)+ALO(X)+ACG(X)+ACO(X)", "ATA(X)+ATG(X)+ALO(X)+ACG(X)+ACO(X)"},
        {2, "SEN(X)+SEG(X)+ASE(X)+EXP(X)+NE+E", "SEN(X)+SEG(X)+ASE(X)+EXP(X)+NE+1"},
        {2, "COS(X)+COG(X)+C+D+F+B", "COS(X)+COG(X)+1+1+1+1"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(SubstituirParametres(c.text, AmbA(c.a)), c.substituit) << c.text;
}

// A parameter's value takes part in the formula as one number, negative or not.
TEST(Parametres, Values) {
    const double s = std::sin(0.5);
    const struct {
        double a;
        const char* text;
        double x, valor;
    } casos[] = {
        {-2, "X^A", 2, 0.25},        {-2, "A^2", 0, 4},            {-2, "1/A", 0, -0.5},
        {-2, "-A", 0, 2},            {-2, "2A", 0, -4},            {-2, "A2", 0, -4},
        {-2, "AX^2", 3, -18},        {-2, "A(X+1)", 1, -4},        {-2, "ASIN(X)", 0.5, -2 * s},
        {-2, "A SIN(X)", 0.5, -2 * s}, {-2, "ALN(X)", std::exp(1.0), -2}, {-2, "AB", 0, -2},
        {-2, "XA", 3, -6},           {-2, "APIX", 1, -2 * 3.141593}, {2, "ASIN(X)", 0.5, 2 * s},
        {2, "ACOS(X)", 0, 2},        {2, "ALN(X)", std::exp(1.0), 2}, {2, "ACO(X)", 1, 0},
        {2, "ASE(X)", 1, 1.570796},  {3, "2A", 0, 6},              {3, "2,A", 0, 6},
        {3, "XA", 2, 6},             {3, "A.5", 0, 1.5},           {1, "PIA", 0, 3.141593},
        {1.2345678901234567e17, "A+X", 0, 123456789012346000.0},
    };
    for (const auto& c : casos) {
        Calculador calc;
        ASSERT_EQ(calc.CompilarFuncio(c.text, AmbA(c.a)), 0) << c.text;
        double v = 0;
        ASSERT_EQ(calc.AvaluarFuncio(c.x, v), 0) << c.text;
        EXPECT_NEAR(v, c.valor, 1e-12) << c.text;
    }
}

// Compiling replaces the previous formula; a failed compile leaves nothing to evaluate.
TEST(Compilar, ReplacesThePreviousFormula) {
    Calculador c;
    double v = 0;
    ASSERT_EQ(c.CompilarFuncio(std::string(30, '(') + "X" + std::string(30, ')'), {}), 0);
    ASSERT_EQ(c.AvaluarFuncio(2, v), 0);
    EXPECT_EQ(v, 2);
    EXPECT_EQ(c.CompilarFuncio("X+", {}), 5);
    EXPECT_FALSE(c.Compilat());
    EXPECT_EQ(c.AvaluarFuncio(2, v), AvalSenseValorReal);
    const double x = 2;
    int codi = 0;
    c.AvaluarFuncioMostres(&x, &v, &codi, 1);
    EXPECT_EQ(codi, AvalSenseValorReal);
    EXPECT_EQ(c.NombreElements(), 0);
    EXPECT_EQ(c.Element(1).codi[0], '\0');
    EXPECT_EQ(c.Element(0).codi[0], '\0');
}
