// The study of one function over the visible X range, in one call: where it is
// defined, its cut with the Y axis, its roots, isolated discontinuities, maxima,
// minima and inflection points, and its intervals of increase, decrease,
// concavity and convexity, each exactly as the single command finds it; the
// report of it as plain text and HTML.
#pragma once

#include "analysis/Escombrat.h"
#include "engine/UnitCalcular.h"

#include <optional>
#include <string>
#include <vector>

namespace tracima {

// A point found: its labels as the command writes them (the x; then the y, or the
// limit text of a discontinuity; roots have the x alone).
struct PuntEstudi {
    std::string x, y;
};

// An interval: its two ends as the interval commands label them (an end at the
// edge of the view is the X range's end).
struct IntervalEstudi {
    std::string a, b;
};

struct EstudiFuncio {
    std::string funcio; // the function's text
    double xOrigen = 0, xFinal = 0;
    double precisio = 0; // one column's world width
    std::vector<IntervalEstudi> definida;
    std::optional<std::string> tallEixY;
    std::vector<PuntEstudi> arrels, discontinuitats, maxims, minims, inflexions;
    std::vector<IntervalEstudi> creixement, decreixement, concavitat, convexitat;
    // The five point analyses' marks and labels together, as the graph shows them
    // (AnalisiActiva is AnalisiEstudi); lists full, later points have no mark.
    EstatResultats marques;
};

// The analysis number the study's results carry (its title is slot 70).
constexpr int AnalisiEstudi = 20;

// Studies the one defined function of `cf` (sampled on its axes) with the
// options' precision. Returns empty when the function set has not exactly one
// function.
std::optional<EstudiFuncio> EstudiarFuncio(const ConjuntFuncions& cf, const OpcionsVista& opcions,
                                           const TaulaMissatges& missatges);

// The report: its title, then one section per item in the study's order.
std::string TitolEstudi(const EstudiFuncio& e, const TaulaMissatges& m);
// As plain text (tables with tab-separated columns, CR LF line ends).
std::string TextEstudi(const EstudiFuncio& e, const TaulaMissatges& m);
// As an HTML document with a table per section; with `taules` false, the points
// are tab-separated lines of preformatted text (far lighter for a text widget to
// lay out when there are hundreds of them).
std::string HtmlEstudi(const EstudiFuncio& e, const TaulaMissatges& m, bool taules = true);

// Labels per recorded point: x and y for anti-images, discontinuities, extrema,
// inflections and cuts; the x alone for roots and interval ends.
int EtiquetesPerPunt(int analisi);

// The points of a point analysis' results, its labels grouped per point (y empty
// for the analyses with one label a point).
std::vector<PuntEstudi> PuntsDelsResultats(const EstatResultats& r, int analisi);

} // namespace tracima
