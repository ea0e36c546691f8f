// Definite integral (9), line integral (10) and area between two functions (19)
// over whole column intervals, as a stepper; and the integral function (17).
#pragma once

#include "analysis/Escombrat.h"
#include "engine/UnitCalcular.h"

namespace tracima {

// First column c in 20..620 whose display-rounded world x is >= limit; 620 when
// none reaches it (the display rounding of the last column can fall short).
int ColumnaDelLimit(const EixosFuncions& e, double limit);

// The "D'acord" checks of the limits bar: both texts are formulas (evaluated at
// X = 0 with `p`), rounded to 6 decimals and kept within [X origin, X final].
// Returns 0 with `a`, `b` set, or 1 after showing the message of the first
// failing check (the bar stays open); `campErroni`, when given, receives the
// field that failed: 0 the initial x, 1 the final x.
int ValidarLimits(const ContextAnalisi& ctx, const Parametres& p, std::string_view inicial,
                  std::string_view final, double& a, double& b, int* campErroni = nullptr);

class CalculIntegral {
  public:
    // AnalisiActiva 9, 10 or 19; `segona` is the second function (area only).
    CalculIntegral(ContextAnalisi ctx, const MostresFuncio* segona = nullptr);

    // Start steps with the accepted limits. Returns 0 when the column loop may
    // run; 1 when the command ended (undefined at a limit of an integral: message
    // shown); 2 when the area's limit check failed and the bar must be shown again.
    int Iniciar(double a, double b);
    ResultatPas Pas();
    double Valor() const { return s_; }

  private:
    double Y(int c) const { return ctx_.funcio.Y(c); }
    void Missatge(int slot);
    // The message of a refused start, written in the status line too.
    void Refusar(int slot);
    void Final();
    void OmplirFinsAnterior();
    // Draws (in the pen already set, red) and stores the hatched segment of
    // column c, axis to curve, filling the pixel columns back to the previous one.
    void Tramar(int c);
    ContextAnalisi ctx_;
    const MostresFuncio* segona_;
    double a_ = 0, b_ = 0, s_ = 0;
    int cA_ = 20, cB_ = 20, c_ = 20, pas_ = 1;
    int filaAnterior_ = 0;
    std::string etiqueta_;
    bool acabat_ = true; // until Iniciar succeeds
};

// Runs the integral function from the typed start `x` (display-rounded here to
// x0). Returns 0 when drawn (possibly cut short after message 13), 1 when x0 < X
// origin (message 16), 2 when x0 > X final (17), 3 when the function is
// undefined at the start column (27): for 1..3 the caller asks again.
int CalcularFuncioIntegral(ContextAnalisi& ctx, double x);

} // namespace tracima
