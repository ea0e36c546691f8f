// The function set: six function slots F..K (text and numeric record), the
// parameters, the axis settings with the logical mapping, the 601 column samples
// of every slot, the defined-function bookkeeping and the availability of the
// analysis commands. AplicarFuncions is the step every editing path ends with.
#pragma once

#include "engine/UnitCalcular.h"
#include "numeric/FuncioNumerica.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tracima {

constexpr int NombreSlotsFuncio = 6; // F, G, H, I, J, K
constexpr int PrimeraColumna = 20;   // logical x of the first sample
constexpr int UltimaColumna = 620;   // logical x of the last sample
constexpr int NombreColumnes = 601;  // stored at index column - 20

// The letter of slot index 1..6 ('F'..'K'), '?' outside.
constexpr char LletraFuncio(int index) {
    return index >= 1 && index <= NombreSlotsFuncio ? static_cast<char>('E' + index) : '?';
}

// One column sample: world value (0 where nothing was computed), its logical
// row, whether the function has a value there, and whether the piece of curve
// from the previous column to this one may be drawn.
struct MostraColumna {
    double valor = 0;
    double fila = 0;
    bool definida = true;
    bool unida = true;
};

// The 601 samples of one slot, logical columns 20..620 at index column - 20.
// The accessors take a logical column; outside 20..620 a column reads as
// undefined, not joined, value and row 0.
struct MostresFuncio {
    std::array<MostraColumna, NombreColumnes> columna{};

    bool Definida(int c) const { return Dins(c) && columna[Index(c)].definida; }
    double Y(int c) const { return Definida(c) ? columna[Index(c)].valor : 0.0; }
    double Fila(int c) const { return Dins(c) ? columna[Index(c)].fila : 0.0; }
    bool Unida(int c) const { return Dins(c) && columna[Index(c)].unida; }
    // The reset state: value 0, row 0, defined and joined.
    void Reiniciar() { columna.fill(MostraColumna{}); }

    static bool Dins(int c) { return c >= PrimeraColumna && c <= UltimaColumna; }
    static std::size_t Index(int c) { return static_cast<std::size_t>(c - PrimeraColumna); }
};

// The axis settings (world units) and the logical mapping derived from them.
// Logical space: 640 x 460, y downwards, plot box x 20..620, y 20..420.
struct EixosFuncions {
    double XOrigen = -7.5, XFinal = 7.5, XUnitat = 1;
    double YOrigen = -5, YFinal = 5, YUnitat = 1;
    // Logical length of one axis unit: 600 * XUnitat / (XFinal - XOrigen),
    // 400 * YUnitat / (YFinal - YOrigen).
    double PasLogicX = 40, PasLogicY = 40;
    // Logical x of world x = 0 and logical y of world y = 0.
    double OrigenLogicX = 320, OrigenLogicY = 220;

    // True when every setting is finite, each origin lies strictly below its final,
    // both units are above 0, and the ranges, steps and origins they give are finite.
    bool Valids() const;
    // Recomputes PasLogicX/PasLogicY from the units (no unit check).
    void CalcularPassos();
    // Recomputes OrigenLogicX = 20 - XOrigen * 600 / |XFinal - XOrigen| and
    // OrigenLogicY = 20 + YFinal * 400 / |YFinal - YOrigen|.
    void CalcularOrigens();

    // World width of one column written as XUnitat / PasLogicX, the step of the
    // derivatives and integrals, and as (XFinal - XOrigen) / 600, the one the
    // scans show; the two forms may differ in the last bit.
    double H() const { return XUnitat / PasLogicX; }
    double AmpladaColumna() const { return (XFinal - XOrigen) / 600; }
    // World x of logical column c, passed through ArrodonirPerMostrar: the x the
    // column is sampled at ((c - OrigenLogicX) / PasLogicX * XUnitat), and the x a
    // scan shows ((c - OrigenLogicX) * AmpladaColumna()), in its labels and status
    // texts, the cuts and the integrals included; at a rounding tie the two differ
    // in their last digit.
    double XColumna(int c) const;
    double XEscombrat(int c) const;
    // The x a scan shows for a point between columns c - 1 and c, rounded alike.
    double XMigEscombrat(int c) const;
    // Logical x of a world x and logical row of a world y.
    double XLogic(double x) const { return x / XUnitat * PasLogicX + OrigenLogicX; }
    double Fila(double y) const { return OrigenLogicY - y * PasLogicY / YUnitat; }
};

// One function slot: the text as typed (empty: not in use; a formula; or one of
// the seven numeric-function labels) and the slot's numeric record.
struct SlotFuncio {
    std::string Text;
    FuncioNumerica Numerica;
};

// A defined function picked by the bookkeeping: Index 1..6 (F..K), 0 for none.
struct FuncioTriada {
    int Index = 0;
    std::string Text;
    bool Existeix() const { return Index >= 1 && Index <= NombreSlotsFuncio; }
    // 0-based slot number (Slots[], MostresColumna[]); -1 for none.
    int Slot() const { return Existeix() ? Index - 1 : -1; }
};

// The analysis commands and the two numeric-function commands whose enabled
// state AplicarFuncions decides, in this order.
enum class Comanda : int {
    MenuImatge,
    MenuAntiimatge,
    MenuArrels,
    MenuDiscontinuitatsAillades,
    MenuMaxims,
    MenuMinims,
    MenuPuntsDinflexio,
    MenuDerivadaEnUnPunt,
    MenuIntegralDefinida,
    MenuIntegralDeLinia,
    MenuIntervalsDeCreixement,
    MenuIntervalsDeDecreixement,
    MenuIntervalsDeConcavitat,
    MenuIntervalsDeConvexitat,
    MenuFuncioDerivada,
    MenuSegonaDerivada,
    MenuFuncioIntegral, // the last of the seventeen one-function commands
    MenuTalls,
    MenuArea,
    MenuEquaciDeRegressio,
    MenuNomsPunts,
};
constexpr int NombreComandesUnaFuncio = 17;
constexpr int NombreComandes = 21;

// objectName of a command's menu item ("MenuArrels"); empty outside the enum.
std::string_view NomComanda(Comanda c);

// Enabled states as data; the window applies them to its menu items.
// TreureMarcaNomsPunts: the check mark of MenuNomsPunts must be cleared.
struct DisponibilitatComandes {
    std::array<bool, NombreComandes> activa{}; // all disabled when the window is created
    bool TreureMarcaNomsPunts = false;

    bool Activa(Comanda c) const { return activa[static_cast<std::size_t>(c)]; }
    void Fixar(Comanda c, bool valor) { activa[static_cast<std::size_t>(c)] = valor; }
};

// What the window is told while the slots are sampled (its caption is set to
// each slot's text before that slot is prepared).
class FinestraFuncions {
  public:
    virtual ~FinestraFuncions() = default;
    virtual void FixarTitolFinestra(std::string_view text) = 0;
};

// Everything the user defines plus what AplicarFuncions derives from it.
// Slots[0..5] are F..K; MostresColumna[i] are the samples of Slots[i].
struct ConjuntFuncions {
    std::array<SlotFuncio, NombreSlotsFuncio> Slots;
    tracima::Parametres Parametres; // A..F; not part of the reset, not stored in documents
    EixosFuncions Eixos;

    // Derived by AplicarFuncions.
    int NombreFuncions = 0;    // slots with a non-empty text, 0..6
    FuncioTriada FuncioUnica;  // first non-empty slot
    FuncioTriada SegonaFuncio; // second non-empty slot
    std::array<MostresFuncio, NombreSlotsFuncio> MostresColumna;
    DisponibilitatComandes Comandes;
};

// The reset of the function set (program start, before a document is read):
// default axes (X -7.5..7.5, Y -5..5, units 1, steps 40, origins 320/220), empty
// texts, every numeric record restored (RestablirFuncioNumerica: its regression
// text and R are kept), samples reset, no defined function. Parameters and the
// command states are left alone.
void ReiniciarConjunt(ConjuntFuncions& cf);

// NombreFuncions, FuncioUnica and SegonaFuncio from the slot texts, F to K.
void ComptarFuncions(ConjuntFuncions& cf);

// The enabled states for the current bookkeeping (NombreFuncions and the kind of
// the single function); does not change cf.
DisponibilitatComandes CalcularDisponibilitat(const ConjuntFuncions& cf);

// Fills MostresColumna for all six slots with the current axes (origins
// included) and parameters. `calc` is left holding the formula of the last
// slot that compiled. Returns 0.
int PrepararFuncions(ConjuntFuncions& cf, Calculador& calc, FinestraFuncions* finestra = nullptr);

// The unit check (a unit giving fewer than 6 logical units on X, 4 on Y, becomes
// 1/100 of the range), the steps, the bookkeeping, the origins, the samples and
// the command states (cf.Comandes). The caller repaints.
// Returns 0, or 1 when the axes are not valid (EixosFuncions::Valids): then the axes are
// not touched, every sample is reset and marked undefined and every command is
// disabled (with the check of MenuNomsPunts cleared).
int AplicarFuncions(ConjuntFuncions& cf, Calculador& calc, FinestraFuncions* finestra = nullptr);

} // namespace tracima
