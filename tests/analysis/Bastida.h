// Test scaffolding for the scans: the recording canvas, a fake
// window that answers the pause question from a queue, and samples of a
// function computed at the world x of each column.
#pragma once

#include "analysis/Escombrat.h"
#include "view/Dibuix.h"
#include "view/Llenc.h"

#include <cmath>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tracima::prova {

struct FinestraProva : FinestraCalcul {
    LlencEnregistrador llenc;
    std::deque<bool> respostes;       // pause answers; empty queue: continue
    std::vector<std::string> pauses;  // texts shown in the pause dialog
    std::vector<int> segmentsEnPausa; // segment count while paused
    std::vector<std::string> missatges;
    std::string titol;
    int resultatsDibuixats = 0; // DibuixarResultats calls
    const EstatResultats* resultats = nullptr;
    Llenc& Canvas() override { return llenc; }
    void DibuixarEixos() override {}
    void DibuixarResultats() override { ++resultatsDibuixats; }
    void DibuixarEtiqueta(int) override {}
    void Repintar() override {}
    void FixarTitolFinestra(std::string_view t) override { titol = t; }
    bool PreguntarPausa(std::string_view text) override {
        pauses.emplace_back(text);
        if (resultats) segmentsEnPausa.push_back(resultats->Segments.nombre);
        if (respostes.empty()) return true;
        bool r = respostes.front();
        respostes.pop_front();
        return r;
    }
    void MostrarMissatge(std::string_view text) override { missatges.emplace_back(text); }
};

// Axes with their logical steps and origins.
inline EixosFuncions Eixos(double xo, double xf, double ux, double yo, double yf, double uy) {
    EixosFuncions e;
    e.XOrigen = xo;
    e.XFinal = xf;
    e.XUnitat = ux;
    e.YOrigen = yo;
    e.YFinal = yf;
    e.YUnitat = uy;
    e.CalcularPassos();
    e.CalcularOrigens();
    return e;
}

// Samples of f at the display-rounded x of each column, as the function set
// takes them; std::nullopt is an undefined column.
inline MostresFuncio Mostrejar(const EixosFuncions& e,
                               const std::function<std::optional<double>(double)>& f) {
    MostresFuncio m;
    bool anterior = false;
    double filaAnterior = 0;
    for (int c = 20; c <= 620; ++c) {
        auto& s = m.columna[static_cast<std::size_t>(c - 20)];
        const double x = e.XColumna(c);
        auto y = f(x);
        s.definida = y.has_value() && std::isfinite(*y);
        s.valor = s.definida ? *y : 0.0;
        s.fila = e.Fila(s.valor);
        const bool banda = s.fila > 0 && s.fila < 440 && filaAnterior > 0 && filaAnterior < 440;
        s.unida = s.definida && anterior && banda;
        anterior = s.definida;
        filaAnterior = s.fila;
    }
    return m;
}

// Everything one scan needs, with the default axes -10..10 both ways, unit 1.
struct Banc {
    EixosFuncions eixos = Eixos(-10, 10, 1, -10, 10, 1);
    MostresFuncio mostres;
    EstatResultats resultats;
    OpcionsVista opcions;
    ValorsVista vista;
    TaulaMissatges missatges;
    FinestraProva finestra;

    explicit Banc(std::function<std::optional<double>(double)> f, bool tracat = false,
                  const EixosFuncions& e = Eixos(-10, 10, 1, -10, 10, 1)) {
        eixos = e;
        mostres = Mostrejar(eixos, f);
        opcions.MenuTrassarElsCalculs = tracat;
        opcions.MenuPrecisioBaixa = false;
        finestra.resultats = &resultats;
    }
    ContextAnalisi Context() {
        return {resultats, mostres, eixos, opcions, vista, missatges, finestra, "F"};
    }
    // Clears the results and starts analysis `a` on `e`.
    int Iniciar(EscombratFuncio& e, int a) {
        NetejarEstatResultats(resultats, eixos);
        resultats.AnalisiActiva = a;
        return e.Iniciar();
    }
    // Runs analysis `a` untraced or traced (the pause answers come from the queue).
    ResultatPas Executar(int a, double valor = 0) {
        EscombratFuncio e(Context(), valor);
        if (Iniciar(e, a) != 0) return ResultatPas::Aturat;
        return ExecutarEscombrat(e);
    }
    std::size_t Linies(Color c) const { return finestra.llenc.LiniesDeColor(c).size(); }
    std::vector<std::string> Textos() const {
        std::vector<std::string> t;
        for (int i = 0; i < resultats.Etiquetes.nombre; ++i)
            t.push_back(resultats.Etiquetes.entrades[static_cast<std::size_t>(i)].text);
        return t;
    }
};

} // namespace tracima::prova
