// Zoom and pan of the graph: new axes computed from the pointer on the widget, the
// tick unit that follows a change of range, and the list of earlier views.
#pragma once

#include "functionset/UnitVariables.h"
#include "view/OpcionsVista.h"

#include <cstddef>
#include <deque>
#include <optional>

namespace tracima {

// Each wheel notch scales the visible ranges by this factor.
constexpr double FactorZoom = 1.25;
// No axis value goes beyond this magnitude.
constexpr double LimitEixos = 1e15;

// The unit of an axis `rang` world units long: of 1, 2 or 5 x 10^k, the one
// nearest to `actual` (by ratio) that gives between 4 and 20 ticks across it.
double UnitatPerRang(double rang, double actual);

// The axes after `osques` wheel notches (positive: closer, each dividing both
// ranges by FactorZoom; negative: farther) about the widget point (px, py), which
// keeps its world point within a pixel. The values are those the data entry
// dialog's boxes read back (six decimals). Empty when the step may not be taken:
// an origin that would not stay below its final, a value beyond LimitEixos, or a
// range narrowed below a thousandth.
std::optional<EixosFuncions> EixosApropats(const EixosFuncions& e, const ValorsVista& v, double px,
                                           double py, double osques);

// The axes after the plane is dragged by (dx, dy) widget pixels: the point that
// was under the pointer follows it. Empty when the step may not be taken.
std::optional<EixosFuncions> EixosDesplacats(const EixosFuncions& e, const ValorsVista& v,
                                             double dx, double dy);

// The axes of earlier views, the last zoom or pan on top.
class HistorialVistes {
  public:
    static constexpr std::size_t Maxim = 100;
    // Keeps `eixos` (the oldest view is forgotten past Maxim).
    void Desar(const EixosFuncions& eixos);
    // The last view kept, taken off the list; empty when there is none.
    std::optional<EixosFuncions> Treure();
    bool Buit() const { return vistes_.empty(); }
    std::size_t Mida() const { return vistes_.size(); }

  private:
    std::deque<EixosFuncions> vistes_;
};

} // namespace tracima
