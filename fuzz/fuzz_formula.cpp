// Any bytes as a formula: CompilarFuncio must compile or refuse them with a
// code, AvaluarFuncio must give a value or an evaluation code, and
// CalcularExpressio must agree with the two. The input is compiled twice: with
// every parameter at 1, and with parameters picked by the nibbles of the first
// three bytes (so the fuzzer varies them by mutating those bytes; the formula
// text itself is always the whole input).
#include "engine/UnitCalcular.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

// Values a parameter can take after the parameter dialog read them: finite and
// at most 1e19 in magnitude, some of them with awkward texts.
constexpr double kValorsParametre[16] = {
    1,    0,      -1,    2,         -2,        0.5,   -0.1234567, 3.141593,
    1e19, -1e19,  1e-7,  -0.0000005, 123456.78, 1e15,  -9.999999e18, 0.000001};

constexpr double kAbscisses[] = {0, 1, -1, 2, -2, 0.5, -7.5, 7.5, 1.570796, 1e-20, 1e18, -1e18};

void Fallar() { __builtin_trap(); }

void Provar(std::string_view text, const tracima::Parametres& par) {
    tracima::Calculador calc;
    const int codi = calc.CompilarFuncio(text, par);
    if (codi < 0 || codi > 10 || codi == 6) Fallar();
    if ((codi == 0) != calc.Compilat()) Fallar();
    if (calc.NombreElements() < 0 || calc.NombreElements() > tracima::MaxElementsCompilats) Fallar();
    // Every element, and one slot on each side, reads without going out of bounds.
    for (int i = 0; i <= calc.NombreElements() + 1; ++i) {
        const tracima::ElementCompilat& e = calc.Element(i);
        if (std::memchr(e.codi, 0, sizeof e.codi) == nullptr) Fallar();
    }

    if (codi == 0) {
        for (double x : kAbscisses) {
            double valor = 0;
            const int aval = calc.AvaluarFuncio(x, valor);
            if (aval < 0 || aval > 4) Fallar();
            if (aval != 0) continue;
            // A value given as valid is finite and within the overflow limit.
            if (!std::isfinite(valor) || std::fabs(valor) > 1e19) Fallar();
            // Evaluating does not change the compiled formula.
            double altra = 0;
            if (calc.AvaluarFuncio(x, altra) != 0) Fallar();
            if (std::memcmp(&altra, &valor, sizeof valor) != 0) Fallar();
        }
        // The sample-set path gives the same codes, and the same values up to the
        // rounding of its vector sines and cosines.
        constexpr int n = sizeof kAbscisses / sizeof kAbscisses[0];
        double ys[n];
        int codis[n];
        calc.AvaluarFuncioMostres(kAbscisses, ys, codis, n);
        for (int i = 0; i < n; ++i) {
            double valor = 0;
            if (codis[i] != calc.AvaluarFuncio(kAbscisses[i], valor)) Fallar();
            if (codis[i] == 0 && !(std::fabs(ys[i]) <= 1e19)) Fallar();
        }
    } else {
        double valor = 0;
        if (calc.AvaluarFuncio(0, valor) != tracima::AvalSenseValorReal) Fallar();
    }

    double alfa = 0;
    const int estat = tracima::CalcularExpressio(text, par, alfa);
    if (estat < 0 || estat > 2) Fallar();
    if ((estat == 2) != (codi != 0)) Fallar();
    double beta = 0;
    if (calc.CalcularExpressio(text, par, beta) != estat) Fallar();
    if (estat == 0) {
        if (!std::isfinite(alfa) || std::memcmp(&alfa, &beta, sizeof alfa) != 0) Fallar();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Provar(text, tracima::Parametres{});

    tracima::Parametres par;
    for (int i = 0; i < 6; ++i) {
        const std::size_t byte = static_cast<std::size_t>(i / 2);
        const int nibble = byte < size ? (data[byte] >> (4 * (i % 2))) & 15 : 0;
        par[i] = kValorsParametre[nibble];
    }
    Provar(text, par);
    return 0;
}
