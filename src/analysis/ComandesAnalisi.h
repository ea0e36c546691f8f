// The analysis commands of the two function menus as the window runs them
// untraced: the values they ask for, their checks and retries, and the scan.
// A traced window builds the same steppers and steps them from its timer.
#pragma once

#include "analysis/Escombrat.h"
#include "engine/UnitCalcular.h"

#include <functional>
#include <string>
#include <string_view>

namespace tracima {

// The values the commands ask the user for; each returns false for Cancel.
class EntradesAnalisi {
  public:
    virtual ~EntradesAnalisi() = default;
    // A one-line input box (anti-image target, start of the integral function);
    // `text` holds the text shown and receives the text typed.
    virtual bool DemanarValor(std::string_view titol, std::string_view pregunta,
                              std::string& text) = 0;
    // The limits bar of the integrals and the area.
    virtual bool DemanarLimits(std::string_view titol, std::string& inicial,
                               std::string& final) = 0;
};

// Whether Escape may request a pause while analysis `analisi` runs (2..7, 9..16,
// 18, 19); the window sets PausaDemanada only then and only when it is clear.
constexpr bool PausaPermesa(int analisi) {
    return (analisi >= AnalisiAntiimatge && analisi <= AnalisiInflexio) ||
           (analisi >= AnalisiIntegralDefinida && analisi <= AnalisiSegonaDerivada) ||
           analisi == AnalisiTalls || analisi == AnalisiArea;
}

// Caption of the limits bar for analysis 9, 10 or 19 (fixed texts).
std::string_view TitolLimits(const TaulaMissatges& missatges, int analisi);

// What runs a started scan: it receives the scan's step and calls it until it
// returns something other than Continua, at once or later (a traced window
// steps it from a timer; the scan object lives as long as the step).
using ExecutorPassos = std::function<void(std::function<ResultatPas()>)>;

// Runs the command of analysis 2..7 or 9..19 on results the caller has cleared
// (NetejarResultats of the view):
// sets AnalisiActiva, asks `entrades` for its values (asking again where the
// command does), and hands the started scan to `executar` (when empty, the scan
// is stepped to its end here, untraced). `segona` is the second function (18 and
// 19). Returns 0 when the command ran or was cancelled, 1 for an analysis it
// does not run (1, 8: the point panel) or a missing second function.
int ExecutarComandaAnalisi(ContextAnalisi& ctx, int analisi, const MostresFuncio* segona,
                           const Parametres& p, EntradesAnalisi& entrades,
                           const ExecutorPassos& executar = {});

} // namespace tracima
