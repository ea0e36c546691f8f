#include "engine/UnitTools.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

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

// The significant digits of a finite r other than 0, rounded to fifteen, without
// trailing zeros, and the decimal exponent of the first: 1234.5 is 12345, 3.
struct Xifres {
    bool negatiu = false;
    std::string digits;
    int exponent = 0;
};

Xifres XifresSignificatives(double r) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, r, std::chars_format::scientific, 14);
    const std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    const auto e = sci.find('e');
    Xifres x;
    x.negatiu = sci[0] == '-';
    for (char c : sci.substr(0, e))
        if (c >= '0' && c <= '9') x.digits += c;
    while (x.digits.size() > 1 && x.digits.back() == '0') x.digits.pop_back();
    const std::size_t ini = e + 1 + (sci[e + 1] == '+' ? 1 : 0);
    std::from_chars(sci.data() + ini, sci.data() + sci.size(), x.exponent);
    return x;
}

// The digits in fixed notation with "." as the decimal point, at any exponent.
std::string TextFixDeXifres(const Xifres& x) {
    const auto n = static_cast<int>(x.digits.size());
    std::string text;
    if (x.exponent < 0)
        text = "0." + std::string(static_cast<std::size_t>(-x.exponent - 1), '0') + x.digits;
    else if (n <= x.exponent + 1)
        text = x.digits + std::string(static_cast<std::size_t>(x.exponent + 1 - n), '0');
    else
        text = x.digits.substr(0, static_cast<std::size_t>(x.exponent + 1)) + "." +
               x.digits.substr(static_cast<std::size_t>(x.exponent + 1));
    return x.negatiu ? "-" + text : text;
}

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

std::string NumeroAText(double v) {
    const double r = Arrodonir6Decimals(v);
    if (r == 0 || std::isnan(r)) return "0";
    if (std::isinf(r)) return r > 0 ? "INF" : "-INF";
    const Xifres x = XifresSignificatives(r);
    std::string text;
    if (x.exponent >= -5 && x.exponent < 15) {
        text = TextFixDeXifres(x);
    } else {
        text = (x.negatiu ? "-" : "") + x.digits.substr(0, 1);
        if (x.digits.size() > 1) text += "." + x.digits.substr(1);
        text += "E" + std::to_string(x.exponent);
    }
    return text;
}

double ArrodonirComText(double v) {
    const std::string text = NumeroAText(v);
    double r = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), r);
    return res.ec == std::errc() ? r : Arrodonir6Decimals(v);
}

std::string NumeroATextFormula(double v) {
    const double r = Arrodonir6Decimals(v);
    if (r == 0 || !std::isfinite(r)) return "0";
    return TextFixDeXifres(XifresSignificatives(r));
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
