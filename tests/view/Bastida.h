// Scaffolding of the drawing tests: a state with chosen axes drawn on the
// recording canvas, and a fake window that records captions and requests.
#pragma once

#include "document/EstatPrincipal.h"
#include "view/Dibuix.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tracima::prova {

using Crida = LlencEnregistrador::Crida;
using Tipus = LlencEnregistrador::Tipus;

struct FinestraProva : FinestraGrafic {
    std::vector<std::string> titols;
    int panellsAmagats = 0;
    int repintats = 0;
    void FixarTitolFinestra(std::string_view t) override { titols.emplace_back(t); }
    std::string_view TitolPrograma() const override { return "Tracima"; }
    void AmagarPanelImatgeDerivada() override { ++panellsAmagats; }
    void Repintar() override { ++repintats; }
};

// Axes with their logical steps and origins, as AplicarFuncions leaves them.
inline EixosFuncions Eixos(double xo, double xf, double ux, double yo, double yf, double uy) {
    EixosFuncions e{xo, xf, ux, yo, yf, uy};
    e.CalcularPassos();
    e.CalcularOrigens();
    return e;
}

// Each drawing routine starts from an empty recording.
struct Banc {
    EstatPrincipal estat;
    LlencEnregistrador llenc;
    FinestraProva finestra;

    explicit Banc(int amplada = 640, int alcada = 460) : llenc(amplada, alcada) {
        FixarEscales(estat.Vista, amplada, alcada);
    }
    void Repintar() {
        llenc.Esborrar();
        tracima::Repintar(llenc, estat.Funcions, estat.Opcions, estat.Vista, estat.Resultats,
                          &finestra);
    }
    void Eixos() {
        llenc.Esborrar();
        DibuixarEixos(llenc, estat.Funcions.Eixos, estat.Opcions, estat.Vista);
    }
    void Corbes() {
        llenc.Esborrar();
        DibuixarCorbes(llenc, estat.Funcions, estat.Opcions, estat.Vista, &finestra);
    }
    void Resultats() {
        llenc.Esborrar();
        DibuixarResultats(llenc, estat.Resultats, estat.Funcions.Eixos, estat.Opcions, estat.Vista);
    }
    std::vector<Crida> Linies(Color c) const { return llenc.LiniesDeColor(c); }
    std::vector<Crida> Textos() const { return llenc.DelTipus(Tipus::Text); }
};

// Is there a call from (x1, y1) to (x2, y2) in pixels: a line's ends or an
// ellipse's box?
inline bool HiHa(const std::vector<Crida>& crides, int x1, int y1, int x2, int y2) {
    return std::any_of(crides.begin(), crides.end(), [&](const Crida& c) {
        return c.x1 == x1 && c.y1 == y1 && c.x2 == x2 && c.y2 == y2;
    });
}

// Was `text` written with its top-left corner at pixel (x, y)?
inline bool HiHaText(const std::vector<Crida>& textos, std::string_view text, int x, int y) {
    return std::any_of(textos.begin(), textos.end(),
                       [&](const Crida& c) { return c.text == text && c.x1 == x && c.y1 == y; });
}

} // namespace tracima::prova
