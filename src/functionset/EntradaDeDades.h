// What the function dialogs hold and check, without their widgets: the example
// lists of the boxes, the boxes of the data entry dialog with their validation
// (the steps in their order, each failure with its message and the box to
// focus), the one-function dialog's test of a text, and the parameter dialog's
// stepping and caption.
#pragma once

#include "text/Missatges.h"
#include "engine/UnitCalcular.h"
#include "functionset/UnitVariables.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace tracima {

// The axis boxes in the order of their fields: origin, unit and final of X, then of Y.
enum CaixaEix : int { CaixaOEX = 0, CaixaUEX, CaixaFEX, CaixaOEY, CaixaUEY, CaixaFEY };
constexpr int NombreCaixesEix = 6;

// objectNames: "EditOEX", "EditUEX", "EditFEX", "EditOEY", "EditUEY", "EditFEY";
// the function boxes "EditF".."EditK".
std::string_view NomCaixaEix(int caixa);
std::string_view NomCaixaFuncio(int slot);

// The drop-down entries of an axis box, in order.
std::span<const std::string_view> ExemplesEix(int caixa);
// The initial text of an axis box ("-7,5", "1", "7,5", "-5", "1", "5").
std::string_view TextInicialEix(int caixa);
// The 74 example formulas of the function boxes, the last one empty.
std::span<const std::string> ExemplesFuncio();
// The 73 entries of the one-function dialog: the same without "asig(bx)" and
// "acog(bx)", the final empty entry replaced by two entries of one blank.
std::span<const std::string> ExemplesUnaFuncio();

// The texts of the data entry dialog's twelve boxes.
struct CaixesEntrada {
    std::array<std::string, NombreCaixesEix> eixos;
    std::array<std::string, NombreSlotsFuncio> funcions;
};

// The boxes as the function set stands: axes written with NumeroAText, the six texts.
CaixesEntrada CaixesDelConjunt(const ConjuntFuncions& cf);
// "Reset axes": -7.5, 1, 7.5, -5, 1, 5 written with NumeroAText; functions untouched.
void IniciarEixos(CaixesEntrada& caixes);

// The outcome of the validation: slot 0 when every step passed; otherwise the
// message slot of the first failure and the objectName of the box to focus.
struct ValidacioEntrada {
    int missatge = 0;
    std::string_view caixa;
    // The six axis values as the normalised boxes read back (valid when missatge is 0).
    std::array<double, NombreCaixesEix> valors{};
};

// The checks of "D'acord", in order: each axis box evaluated (CalcularExpressio)
// and normalised (its text replaced by NumeroAText of the value when different),
// origin below final and unit above 0 on each axis, then F..K compiled unless
// empty or a numeric-function label. Boxes normalised before a failure keep their
// new text.
ValidacioEntrada ValidarEntrada(CaixesEntrada& caixes, const Parametres& p, Calculador& calc);

// Stores an accepted dialog into the function set (axes and texts); the caller
// then runs AplicarFuncions.
void AplicarEntrada(const CaixesEntrada& caixes, const ValidacioEntrada& v, ConjuntFuncions& cf);

// The one-function dialog's test: true for a text that may be applied: empty (the
// function is cleared), a numeric-function label, or a formula that compiles.
bool FuncioAplicable(std::string_view text, const Parametres& p, Calculador& calc);

// A parameter field stepped by the increment: 0 and the new text (NumeroAText of
// value + increment, or value - increment), or 1 when the field or the increment
// does not evaluate (nothing to do).
int PasParametre(std::string_view camp, std::string_view increment, bool amunt,
                 const Parametres& p, Calculador& calc, std::string& nouText);

// The caption of the parameter dialog with one function defined: the title of
// slot 250, " - f(x) = ", the function's text upper-cased with the parameters'
// values substituted; with any other number of functions, the title alone.
std::string TitolCanviDeParametres(const ConjuntFuncions& cf, const TaulaMissatges& t);

} // namespace tracima
