// The formula engine: normalisation, compiler and evaluator of the formula
// language (X, parameters A..F, PI/P, NE, seventeen functions, + - * / ^).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tracima {

// Compile error codes (0 = success).
enum CodiCompilacio : int {
    CompOk = 0,
    CompParentesiTancat = 1,   // ")" without "("
    CompExpressioDesconeguda = 2, // unknown letter or name without "("
    CompCaracter = 3,          // character outside the alphabet
    CompParentesiObert = 4,    // "(" left open
    CompCombinacio = 5,        // forbidden neighbourhood
    CompBuida = 7,             // nothing to compile
    CompMassaLlarga = 8,       // text too long / too many elements
    CompNumeroLlarg = 9,       // number of 20 or more characters
    CompNumeroErroni = 10,     // number that does not read
};

// Evaluation codes (0 = success).
enum CodiAvaluacio : int {
    AvalOk = 0,
    AvalDivisioZero = 1,
    AvalSenseValorReal = 2,
    AvalLogaritme = 3,
    AvalOverflow = 4,
};

// "No value": a numeric function outside its table, or with fewer than 2 points.
constexpr int SenseValor = 101;

// The six parameters A..F, all 1 at program start.
struct Parametres {
    std::array<double, 6> valor{1, 1, 1, 1, 1, 1};
    double& operator[](int i) { return valor[static_cast<std::size_t>(i)]; }
    double operator[](int i) const { return valor[static_cast<std::size_t>(i)]; }
};

constexpr int MaxElementsCompilats = 200;

// One element of the compiled list: `codi` is empty for a number, otherwise
// "(", ")", "+", "-", "*", "/", "^", "X" or a function code ("SIN", "LNE", ...).
struct ElementCompilat {
    char codi[4] = {0, 0, 0, 0};
    double valor = 0;
};

// The value text of a parameter inside a formula: NumeroATextFormula of the value,
// in parentheses when negative ("(-2)").
std::string TextParametre(double valor);

// Replaces the parameter letters of an upper-cased text by their value texts,
// leaving the letters of function names (TAN, ABS, COS, SEN, EXP, NE, ...) alone;
// a digit or decimal point next to a parameter, or an X before it, gets a "*"
// (2A gives "2*3").
// The text shown with the values: "AX^2" with A = -2 gives "(-2)X^2".
std::string SubstituirParametres(std::string_view textMajuscules, const Parametres& p);

// Holds one compiled formula. Each caller that needs one has its own, so
// compiling for one purpose never disturbs another.
class Calculador {
public:
    // Compiles `text` with the parameters' current values. Returns 0 or a compile
    // code (1..10); after a failure the formula must not be evaluated.
    int CompilarFuncio(std::string_view text, const Parametres& p);

    // Evaluates the compiled formula at X = x. Returns 0 (valor set) or an
    // evaluation code 1..4. Returns 2 when nothing has compiled successfully.
    // Allocates nothing.
    int AvaluarFuncio(double x, double& valor) const;

    // The same at n abscissas at once (the samples of a curve): codi[i] and, where
    // it is 0, y[i] are what AvaluarFuncio(x[i]) gives (exactly, except that sines
    // and cosines come from a vector routine that may differ by a few units in the
    // last place); where codi[i] is not 0, y[i] holds no meaningful value.
    // Allocates nothing.
    void AvaluarFuncioMostres(const double* x, double* y, int* codi, int n) const;

    // Compiles `text` and evaluates it at X = 0: 0 ok, 1 evaluation error,
    // 2 compile error. Replaces this object's compiled formula.
    int CalcularExpressio(std::string_view text, const Parametres& p, double& valor);

    bool Compilat() const { return compilat_; }
    int NombreElements() const { return nombre_; }
    // Element i, 1-based; out of range reads as an empty-code element.
    const ElementCompilat& Element(int i) const;

private:
    // One step of the evaluation schedule: the reductions of the compiled list,
    // in the order the reduction algorithm performs them, worked out at compile
    // time. Operands and results are slots of the value table: slot 0 is X, then
    // the constants, then one slot per step.
    struct Pas {
        std::uint16_t operacio; // '^' '*' '/' '+' '-' or a function number (Funcio)
        std::uint16_t a, b;     // operand slots (b unused by functions)
        std::uint16_t resultat;
    };
    static constexpr int MaxValors = 1 + 2 * MaxElementsCompilats;

    int PlanificarAvaluacio(); // builds the schedule; 0 or a compile code
    void PlegarConstants();    // works out the steps that do not depend on X

    std::array<ElementCompilat, MaxElementsCompilats> elements_{};
    int nombre_ = 0;
    bool compilat_ = false;
    std::array<Pas, MaxElementsCompilats> passos_{};
    int nombrePassos_ = 0;
    std::array<double, MaxValors> constants_{}; // slots 1..nombreConstants_
    int nombreConstants_ = 0;
    std::uint16_t slotResultat_ = 0;
};

// Convenience for a single field: compiles into a temporary engine.
// 0 ok, 1 evaluation error, 2 compile error.
int CalcularExpressio(std::string_view text, const Parametres& p, double& valor);

} // namespace tracima
