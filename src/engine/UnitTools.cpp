#include "engine/UnitTools.h"

#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tracima {

namespace {

// Nearest integer, ties to even, clamped to +-limit; NaN reads as 0.
double ArrodonirLimitat(double v, double limit) {
    if (std::isnan(v)) return 0;
    if (v > limit) return limit;
    if (v < -limit) return -limit;
    return std::nearbyint(v);
}

// Writes v in fixed notation with `decimals` digits after the point.
std::string TextFix(double v, int decimals) {
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    if (res.ec != std::errc()) return "0";
    return std::string(buf, res.ptr);
}

// Drops trailing zeros after a decimal point, and the point when nothing follows it.
void TreureZerosFinals(std::string& s) {
    if (s.find('.') == std::string::npos) return;
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
}

void TreureMenysZero(std::string& s) {
    if (s == "-0") s = "0";
}

std::atomic<char> separadorDecimal{'.'};

} // namespace

double ArrodonirPerMostrar(double v) {
    if (std::isnan(v)) return v;
    const double a = std::fabs(v);
    if (a > 1e9) return v;
    if (a > 300000) return ArrodonirEnter(v);
    if (a > 30000) return ArrodonirEnter(v * 10) / 10.0;
    if (a > 3000) return ArrodonirEnter(v * 100) / 100.0;
    if (a > 300) return ArrodonirEnter(v * 1000) / 1000.0;
    if (a > 30) return ArrodonirEnter(v * 10000) / 10000.0;
    if (a > 3) return ArrodonirEnter(v * 100000) / 100000.0;
    if (a > 0.3) return ArrodonirEnter(v * 1000000) / 1000000.0;
    return ArrodonirEnter(v * 10000000) / 10000000.0;
}

std::int32_t ArrodonirEnter(double v) {
    return static_cast<std::int32_t>(ArrodonirLimitat(v, 2000000000.0));
}

int ArrodonirPixel(double v) { return static_cast<int>(ArrodonirLimitat(v, 32000.0)); }

double Arrodonir6Decimals(double v) {
    const double escalat = v * 1000000.0;
    // Beyond the 64-bit range a value has no digits left at the sixth decimal.
    if (!std::isfinite(escalat) || std::fabs(escalat) >= 9.2e18) return v;
    const double r = static_cast<double>(static_cast<long long>(std::nearbyint(escalat))) / 1000000.0;
    return r == 0 ? 0.0 : r;
}

int EstablirSeparadorDecimal(char separador) {
    if (separador != '.' && separador != ',') return 1;
    separadorDecimal = separador;
    return 0;
}

char SeparadorDecimal() { return separadorDecimal; }

std::string NumeroAText(double v) {
    const double r = Arrodonir6Decimals(v);
    if (r == 0 || std::isnan(r)) return "0";
    if (std::isinf(r)) return r > 0 ? "INF" : "-INF";
    // Fifteen significant digits: d.dddddddddddddde+XX
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, r, std::chars_format::scientific, 14);
    std::string sci(buf, res.ptr);
    const auto e = sci.find('e');
    std::string mant = sci.substr(0, e);
    int exponent = 0;
    std::from_chars(sci.data() + e + 1 + (sci[e + 1] == '+' ? 1 : 0), sci.data() + sci.size(),
                    exponent);
    const bool negatiu = mant[0] == '-';
    if (negatiu) mant.erase(0, 1);
    std::string digits;
    for (char c : mant)
        if (c != '.') digits += c;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string text;
    if (exponent >= -5 && exponent < 15) {
        if (exponent < 0) {
            text = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        } else if (static_cast<int>(digits.size()) <= exponent + 1) {
            text = digits + std::string(static_cast<std::size_t>(exponent + 1) - digits.size(), '0');
        } else {
            text = digits.substr(0, static_cast<std::size_t>(exponent + 1)) + "." +
                   digits.substr(static_cast<std::size_t>(exponent + 1));
        }
    } else {
        text = digits.substr(0, 1);
        if (digits.size() > 1) text += "." + digits.substr(1);
        text += "E" + std::to_string(exponent);
    }
    if (negatiu) text.insert(0, "-");
    if (const char separador = separadorDecimal; separador != '.') {
        const auto p = text.find('.');
        if (p != std::string::npos) text[p] = separador;
    }
    return text;
}

double ArrodonirComText(double v) {
    std::string text = NumeroAText(v);
    if (const auto p = text.find(','); p != std::string::npos) text[p] = '.';
    double r = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), r);
    return res.ec == std::errc() ? r : Arrodonir6Decimals(v);
}

std::string NumeroATextFormula(double v) {
    const double r = Arrodonir6Decimals(v);
    if (r == 0 || !std::isfinite(r)) return "0";
    std::string s = TextFix(r, 6);
    TreureZerosFinals(s);
    TreureMenysZero(s);
    return s;
}

std::string NumeroATextPrecisioBaixa(double v, double p) {
    if (std::isnan(v)) return "0";
    if (v > 100000) v = std::trunc(v);
    std::string text;
    if (v == static_cast<double>(ArrodonirEnter(v))) {
        text = TextFix(v, 0);
    } else {
        int d = 6;
        const double pm = std::fabs(ArrodonirPerMostrar(p));
        const std::string s = NumeroATextFormula(pm - std::trunc(pm));
        for (std::size_t k = 2; k < s.size(); ++k) {
            if (s[k] != '0') {
                d = static_cast<int>(k) - 1;
                break;
            }
        }
        text = TextFix(v, d);
        TreureZerosFinals(text);
    }
    TreureMenysZero(text);
    const auto punt = text.find('.');
    if (punt != std::string::npos) text[punt] = ',';
    return text;
}

} // namespace tracima
