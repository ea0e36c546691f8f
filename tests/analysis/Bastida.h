// Test scaffolding for the scans: a fake window on the recording canvas that
// answers the pause question from a queue, samples of a function at the world
// x of each column, and one bench holding everything a scan needs.
#pragma once

#include "analysis/Escombrat.h"
#include "view/Dibuix.h"
#include "view/Llenc.h"

#include <array>
#include <cmath>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace tracima::prova {

using F = std::function<double(double)>; // a value that is not finite: undefined
using V = std::vector<std::string>;

struct FinestraProva : FinestraCalcul {
    LlencEnregistrador llenc;
    std::deque<bool> respostes;       // pause answers; empty queue: continue
    std::vector<std::string> pauses;  // texts shown in the pause dialog
    std::vector<int> segmentsEnPausa; // segment count while paused
    std::vector<std::string> missatges;
    std::string titol;
    int resultatsDibuixats = 0;
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
        const bool r = respostes.front();
        respostes.pop_front();
        return r;
    }
    void MostrarMissatge(std::string_view text) override { missatges.emplace_back(text); }
};

// Axes xo..xf and yo..yf, Y unit 1.
inline EixosFuncions Eixos(double xo, double xf, double yo, double yf, double xUnitat = 1) {
    EixosFuncions e{xo, xf, xUnitat, yo, yf, 1};
    e.CalcularPassos();
    e.CalcularOrigens();
    return e;
}

// Samples of f at the display-rounded x of each column, as the function set
// takes them.
inline MostresFuncio Mostrejar(const EixosFuncions& e, const F& f) {
    MostresFuncio m;
    bool anterior = false;
    double filaAnterior = 0;
    for (int c = 20; c <= 620; ++c) {
        auto& s = m.columna[static_cast<std::size_t>(c - 20)];
        const double y = f(e.XColumna(c));
        s.definida = std::isfinite(y);
        s.valor = s.definida ? y : 0.0;
        s.fila = e.Fila(s.valor);
        const bool banda = s.fila > 0 && s.fila < 440 && filaAnterior > 0 && filaAnterior < 440;
        s.unida = s.definida && anterior && banda;
        anterior = s.definida;
        filaAnterior = s.fila;
    }
    return m;
}

// Column 168 lies at x = 970.2425, a tie at three decimals: the scans show
// (c - OrigenLogicX) * 5 rounded, 970.242, where the samples are taken at 970.243.
inline const EixosFuncions eixosEmpat = Eixos(230.2425, 3230.2425, -3, 1, 30);

inline const F id = [](double x) { return x; };
inline const F u = [](double) { return 1.0; };
inline const F quadrat = [](double x) { return x * x; };
inline const F cub = [](double x) { return x * x * x; };
inline const F invers = [](double x) { return 1 / x; }; // undefined at 0
inline const F pol = [](double x) { return 1 / (x - 0.01); };
inline const F toca001 = [](double x) { return (x - 0.01) * (x - 0.01); };

// The numbers separated by blanks.
inline std::string Numeros(std::initializer_list<int> v) {
    std::string t;
    for (const int n : v)
        t += (t.empty() ? "" : " ") + std::to_string(n);
    return t;
}

// Steps a started stepper to its end and returns the last step's result.
template <class Pas> ResultatPas Acabar(Pas& e) {
    ResultatPas p;
    while ((p = e.Pas()) == ResultatPas::Continua) {
    }
    return p;
}

// Everything one scan needs; the default axes are -10..10 both ways, unit 1.
struct Banc {
    EixosFuncions eixos;
    MostresFuncio mostres;
    EstatResultats resultats;
    OpcionsVista opcions;
    ValorsVista vista;
    TaulaMissatges missatges;
    FinestraProva finestra;

    explicit Banc(const F& f, bool tracat = false, const EixosFuncions& e = Eixos(-10, 10, -10, 10))
        : eixos(e), mostres(Mostrejar(e, f)) {
        opcions.MenuTrassarElsCalculs = tracat;
        opcions.MenuPrecisioBaixa = false;
        finestra.resultats = &resultats;
    }
    // The context of a scan, drawing on `w` instead of the fake window when given.
    ContextAnalisi Context(FinestraCalcul* w = nullptr) {
        return {resultats, mostres, eixos, opcions, vista, missatges, w ? *w : finestra, "F"};
    }
    // Clears the results and starts analysis `a` on `e`.
    int Iniciar(EscombratFuncio& e, int a) {
        NetejarEstatResultats(resultats, eixos);
        resultats.AnalisiActiva = a;
        return e.Iniciar();
    }
    ResultatPas Executar(int a, double valor = 0) {
        EscombratFuncio e(Context(), valor);
        if (Iniciar(e, a) != 0) return ResultatPas::Aturat;
        return ExecutarEscombrat(e);
    }
    std::size_t Linies(Color c) const { return finestra.llenc.LiniesDeColor(c).size(); }
    // The label texts joined by "|".
    std::string Textos() const {
        std::string t;
        for (int i = 0; i < resultats.Etiquetes.nombre; ++i)
            t += (i ? "|" : "") + resultats.Etiquetes.entrades[static_cast<std::size_t>(i)].text;
        return t;
    }
    // The segments as "x1 y1 x2 y2; ..." (logical coordinates).
    std::string Segments() const {
        std::string t;
        for (int i = 0; i < resultats.Segments.nombre; ++i) {
            const auto& s = resultats.Segments.entrades[static_cast<std::size_t>(i)];
            t += (i ? "; " : "") + Numeros({s.x1, s.y1, s.x2, s.y2});
        }
        return t;
    }
};

} // namespace tracima::prova
