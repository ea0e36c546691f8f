#include "engine/UnitTools.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>

using namespace tracima;

TEST(ArrodonirPerMostrar, BandsAndBoundaries) {
    const double casos[][2] = {
        {3.14159265, 3.14159}, {0.123456789, 0.1234568}, {12345.678, 12345.68}, {300000, 300000},
        {300000.44, 300000},   {300000.6, 300001},       {2.5e9, 2.5e9},        {-0.25, -0.25},
        {3, 3},                {3.0000049, 3},           {2.9999996, 3},        {0.30000004, 0.3},
        {30.000004, 30},       {-12345.678, -12345.68},  {1e9, 1e9},            {0, 0}};
    for (const auto& c : casos) EXPECT_DOUBLE_EQ(ArrodonirPerMostrar(c[0]), c[1]) << c[0];
    EXPECT_TRUE(std::isnan(ArrodonirPerMostrar(std::nan(""))));
}

TEST(ArrodonirEnter, TiesToEvenAndLimits) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    const std::tuple<double, int, int> casos[] = {
        {2.5, 2, 2},   {3.5, 4, 4},   {-2.5, -2, -2}, {10.5, 10, 10}, {1e6, 1000000, 32000},
        {-1e6, -1000000, -32000}, {3e9, 2000000000, 32000}, {-3e9, -2000000000, -32000},
        {inf, 2000000000, 32000}, {std::nan(""), 0, 0}};
    for (const auto& [v, enter, pixel] : casos)
        EXPECT_EQ(std::pair(ArrodonirEnter(v), ArrodonirPixel(v)), std::pair(enter, pixel)) << v;
}

TEST(Arrodonir6Decimals, RoundsAndSurvivesHugeValues) {
    const double casos[][2] = {{-2.1234567, -2.123457}, {2.1234564, 2.123456}, {0.0000004, 0},
                               {-0.0000004, 0},         {1e300, 1e300},        {-5e15, -5e15}};
    for (const auto& c : casos) {
        EXPECT_DOUBLE_EQ(Arrodonir6Decimals(c[0]), c[1]) << c[0];
        EXPECT_EQ(std::signbit(Arrodonir6Decimals(c[0])), std::signbit(c[1])) << c[0];
    }
}

// The standard text, and the text written into a formula (never an exponent).
TEST(NumeroAText, StandardAndFormulaTexts) {
    const std::tuple<double, std::string, std::string> casos[] = {
        {2, "2", "2"},           {0.1234567, "0.123457", "0.123457"}, {1e-7, "0", "0"},
        {-1e-7, "0", "0"},       {0.000001, "1E-6", "0.000001"},      {100, "100", "100"},
        {-3.5, "-3.5", "-3.5"},  {0.00001, "0.00001", "0.00001"},     {-0.5, "-0.5", "-0.5"},
        {0.000012, "0.000012", "0.000012"},   {6.2831859999, "6.283186", "6.283186"},
        {1234567.25, "1234567.25", "1234567.25"}, {1e15, "1E15", "1000000000000000"},
        {1.5e20, "1.5E20", "150000000000000000000"},
        {123456789012345.0, "123456789012345", "123456789012345"},
        // Fifteen significant digits in both; a carry past 1e15 stays fixed in a formula.
        {-1234567890.6172845, "-1234567890.61728", "-1234567890.61728"},
        {999999999999999.9, "1E15", "1000000000000000"},
        {1.2345678901234567e17, "1.23456789012346E17", "123456789012346000"}};
    for (const auto& [v, text, formula] : casos)
        EXPECT_EQ(std::pair(NumeroAText(v), NumeroATextFormula(v)), std::pair(text, formula)) << v;
}

TEST(NumeroATextPrecisioBaixa, DecimalsFromPixelSize) {
    const std::tuple<double, double, const char*> casos[] = {
        {3.14159, 0.0125, "3,14"}, {3.10, 0.0125, "3,1"},   {3.001, 0.0125, "3"},
        {7, 0.0125, "7"},          {250000.75, 0.0125, "250000"}, {3.14159, 0.5, "3,1"},
        {3.14159, 2.5, "3,1"},     {3.14159, 2, "3,14159"}, {1.23456789, 0.000001, "1,234568"},
        {-0.001, 0.0125, "0"},     {-3.14159, 0.025, "-3,14"}};
    for (const auto& [v, p, text] : casos) EXPECT_EQ(NumeroATextPrecisioBaixa(v, p), text) << v;
}
