// The six formulas every benchmark times, with the same computation written in
// muparser's syntax for the peer.
#pragma once

#include <array>

namespace tracima::banc {

struct FormulaBanc {
    const char* nostra;   // in the formula language
    const char* muparser; // the same computation in muparser's syntax
};

// In muparser the grouping is written out where the two languages could differ
// (a leading minus, implicit products) and P is written as the engine's 3.141593.
constexpr std::array<FormulaBanc, 6> kFormules{{
    {"x^2-4", "x^2-4"},
    {"sin(x)+cos(x)", "sin(x)+cos(x)"},
    {"1+x-x^2/2-x^3/6+x^4/24+x^5/120-x^6/720-x^7/5040+x^8/40320+x^9/362880",
     "1+x-x^2/2-x^3/6+x^4/24+x^5/120-x^6/720-x^7/5040+x^8/40320+x^9/362880"},
    {"30000/((2*p)^.5*.6)*exp(-(x-5.6)^2/2/.6^2)",
     "30000/((2*3.141593)^0.5*0.6)*exp(-((x-5.6)^2)/2/(0.6^2))"},
    {"(x^2-4)/(x-2)", "(x^2-4)/(x-2)"},
    {"1/36(3x^4-20x^3+12x^2+96x-110)", "1/36*(3*x^4-20*x^3+12*x^2+96*x-110)"},
}};

} // namespace tracima::banc
