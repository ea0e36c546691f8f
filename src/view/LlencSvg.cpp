#include "view/LlencSvg.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace tracima {
namespace {

void AfegirColor(std::string& s, Color c) {
    constexpr char hex[] = "0123456789abcdef";
    const char text[7] = {'#', hex[c.r >> 4], hex[c.r & 15], hex[c.g >> 4], hex[c.g & 15], hex[c.b >> 4], hex[c.b & 15]};
    s.append(text, 7);
}


// Appends an integer, or a pixel's centre (the integer plus a half).
void Enter(std::string& s, int v) {
    char text[16];
    const auto r = std::to_chars(text, text + sizeof text, v);
    s.append(text, r.ptr);
}
void Centre(std::string& s, int v) {
    if (v < 0) {
        // -3 + 0.5 is -2.5.
        s += '-';
        Enter(s, -(v + 1));
    } else {
        Enter(s, v);
    }
    s += ".5";
}

void Escapar(std::string& s, std::string_view text) {
    for (char ch : text) {
        switch (ch) {
        case '&': s += "&amp;"; break;
        case '<': s += "&lt;"; break;
        case '>': s += "&gt;"; break;
        case '"': s += "&quot;"; break;
        default:
            // Control characters have no place in XML text.
            if (static_cast<unsigned char>(ch) >= 0x20 || ch == '\t') s += ch;
        }
    }
}

// UTF-8 characters of a text (for the estimated width of its box).
int Caracters(std::string_view text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char ch) {
        return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    }));
}

} // namespace

LlencSvg::LlencSvg(int amplada, int alcada) : amplada_(std::max(amplada, 1)), alcada_(std::max(alcada, 1)) {
    cos_.reserve(1 << 18);
    cami_.reserve(1 << 14);
    const std::string a = std::to_string(amplada_), h = std::to_string(alcada_);
    cos_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + a + "\" height=\"" + h +
            "\" viewBox=\"0 0 " + a + " " + h + "\">\n"
            "<g fill=\"none\" stroke-linecap=\"square\" stroke-linejoin=\"round\" shape-rendering=\"crispEdges\" "
            "font-family=\"DejaVu Sans, sans-serif\" font-size=\"11px\">\n";
}

void LlencSvg::TancarCami() {
    if (cami_.empty()) return;
    cos_ += "<path d=\"";
    cos_ += cami_;
    cos_ += "\" stroke=\"";
    AfegirColor(cos_, color_);
    cos_ += '"';
    if (gruix_ != 1) {
        cos_ += " stroke-width=\"";
        Enter(cos_, gruix_);
        cos_ += '"';
    }
    if (estil_ == EstilLlapis::Puntejat) cos_ += " stroke-dasharray=\"1 2\" stroke-linecap=\"butt\"";
    if (suau_) cos_ += " shape-rendering=\"geometricPrecision\"";
    cos_ += "/>\n";
    cami_.clear();
}

void LlencSvg::Rectangle(int x, int y, int amplada, int alcada, Color color) {
    cos_ += "<rect x=\"";
    Enter(cos_, x);
    cos_ += "\" y=\"";
    Enter(cos_, y);
    cos_ += "\" width=\"";
    Enter(cos_, amplada);
    cos_ += "\" height=\"";
    Enter(cos_, alcada);
    cos_ += "\" fill=\"";
    AfegirColor(cos_, color);
    cos_ += "\"/>\n";
}

void LlencSvg::OmplirRectangle(int esquerra, int dalt, int dreta, int baix, Color color) {
    if (dreta <= esquerra || baix <= dalt) return;
    TancarCami();
    Rectangle(esquerra, dalt, dreta - esquerra, baix - dalt, color);
}

void LlencSvg::FixarSuau(bool suau) {
    if (suau == suau_) return;
    TancarCami();
    suau_ = suau;
}

void LlencSvg::FixarColorLlapis(Color color) {
    if (color == color_) return;
    TancarCami();
    color_ = color;
}

void LlencSvg::FixarGruixLlapis(int gruix) {
    gruix = std::max(gruix, 1);
    if (gruix == gruix_) return;
    TancarCami();
    gruix_ = gruix;
}

void LlencSvg::FixarEstilLlapis(EstilLlapis estil) {
    if (estil == estil_) return;
    TancarCami();
    estil_ = estil;
}

void LlencSvg::MoureA(int x, int y) {
    x_ = x;
    y_ = y;
}

void LlencSvg::LiniaA(int x, int y) {
    if (cami_.empty() || camiX_ != x_ || camiY_ != y_) {
        cami_ += 'M';
        Centre(cami_, x_);
        cami_ += ' ';
        Centre(cami_, y_);
    }
    cami_ += 'L';
    Centre(cami_, x);
    cami_ += ' ';
    Centre(cami_, y);
    x_ = camiX_ = x;
    y_ = camiY_ = y;
}

void LlencSvg::EscriureText(int x, int y, std::string_view text, Color color, Color fons) {
    TancarCami();
    // The box is estimated as the window's 11-pixel face measures: about 6.5
    // pixels a character, 13 high.
    Rectangle(x, y, (Caracters(text) * 13 + 1) / 2, 13, fons);
    cos_ += "<text x=\"";
    Enter(cos_, x);
    cos_ += "\" y=\"";
    Enter(cos_, y + 10);
    cos_ += "\" fill=\"";
    AfegirColor(cos_, color);
    cos_ += "\">";
    Escapar(cos_, text);
    cos_ += "</text>\n";
}

void LlencSvg::OmplirEllipse(int x1, int y1, int x2, int y2, Color color) {
    TancarCami();
    const double cx = (x1 + x2) / 2.0, cy = (y1 + y2) / 2.0;
    const double rx = std::abs(x2 - x1) / 2.0, ry = std::abs(y2 - y1) / 2.0;
    char text[128];
    std::snprintf(text, sizeof text, "<ellipse cx=\"%g\" cy=\"%g\" rx=\"%g\" ry=\"%g\" fill=\"", cx, cy, rx, ry);
    cos_ += text;
    AfegirColor(cos_, color);
    cos_ += "\"/>\n";
}

std::string LlencSvg::Document() {
    TancarCami();
    std::string document = std::move(cos_);
    cos_.clear();
    document += "</g>\n</svg>\n";
    return document;
}

} // namespace tracima
