// Number texts and roundings used by every display, field and formula text.
#pragma once

#include <cstdint>
#include <string>

namespace tracima {

// About seven significant digits by magnitude bands; a band's upper boundary
// belongs to it (300000 keeps one decimal).
double ArrodonirPerMostrar(double v);

// Nearest integer, ties to even, limited to +-2000000000.
std::int32_t ArrodonirEnter(double v);

// Nearest integer, ties to even, limited to +-32000 (screen coordinates).
int ArrodonirPixel(double v);

// The nearest integer to v * 1000000 (64-bit), divided by 1000000.
double Arrodonir6Decimals(double v);

// Standard number text: Arrodonir6Decimals(v) in shortest general form, at most
// 15 significant digits, fixed notation from 1e-5 up to 1e15, else "1E-6".
// Never "-0". The decimal separator is "." whatever the system's settings.
std::string NumeroAText(double v);

// The value NumeroAText(v) reads back as: six decimals, and at most 15
// significant digits (so 1234567890123.4567 gives 1234567890123.46).
double ArrodonirComText(double v);

// Low-precision text: as many decimals as the pixel size p justifies, decimal comma.
std::string NumeroATextPrecisioBaixa(double v, double p);

// A number written into a formula: the digits of NumeroAText (six decimals, at
// most 15 significant digits) always in fixed notation, since an "E" would read
// as the parameter E (1.5e20 is 150000000000000000000); "." as the decimal
// point; "0" for zero and for values that are not finite. Negative values start
// with "-".
std::string NumeroATextFormula(double v);

} // namespace tracima
