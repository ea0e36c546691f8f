#include "view/Llenc.h"

namespace tracima {

void LlencEnregistrador::OmplirRectangle(int esquerra, int dalt, int dreta, int baix, Color color) {
    Crida c;
    c.tipus = Tipus::Rectangle;
    c.x1 = esquerra;
    c.y1 = dalt;
    c.x2 = dreta;
    c.y2 = baix;
    c.color = color;
    crides.push_back(std::move(c));
}

void LlencEnregistrador::LiniaA(int x, int y) {
    Crida c;
    c.tipus = Tipus::Linia;
    c.x1 = x_;
    c.y1 = y_;
    c.x2 = x;
    c.y2 = y;
    c.color = color_;
    c.gruix = gruix_;
    c.estil = estil_;
    crides.push_back(std::move(c));
    x_ = x;
    y_ = y;
}

void LlencEnregistrador::EscriureText(int x, int y, std::string_view text, Color color,
                                      Color fons) {
    Crida c;
    c.tipus = Tipus::Text;
    c.x1 = x;
    c.y1 = y;
    c.color = color;
    c.fons = fons;
    c.text = std::string(text);
    crides.push_back(std::move(c));
}

void LlencEnregistrador::OmplirEllipse(int x1, int y1, int x2, int y2, Color color) {
    Crida c;
    c.tipus = Tipus::Ellipse;
    c.x1 = x1;
    c.y1 = y1;
    c.x2 = x2;
    c.y2 = y2;
    c.color = color;
    c.gruix = gruix_;
    crides.push_back(std::move(c));
}

std::vector<LlencEnregistrador::Crida> LlencEnregistrador::DelTipus(Tipus tipus) const {
    std::vector<Crida> r;
    for (const auto& c : crides)
        if (c.tipus == tipus) r.push_back(c);
    return r;
}

std::vector<LlencEnregistrador::Crida> LlencEnregistrador::LiniesDeColor(Color color) const {
    std::vector<Crida> r;
    for (const auto& c : crides)
        if (c.tipus == Tipus::Linia && c.color == color) r.push_back(c);
    return r;
}

} // namespace tracima
