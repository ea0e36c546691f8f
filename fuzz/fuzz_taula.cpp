// Any bytes as clipboard text pasted into a point grid: the grid holds exactly
// the lines of the text (TAB lines split at their first TAB, or, when one of them
// has no TAB, every line in turn as x and y), nothing past row 400, no line end
// inside a cell, the cursor after the data. Copying the grid and pasting the copy
// gives the same grid. Reading it for either dialog refuses on a cell of the grid
// or gives a table of 2 (3) to 400 finite points, which every regression model
// fits or refuses without touching the record, and whose formulas compile.
#include "numeric/Coeficients.h"
#include "numeric/GraellaValors.h"
#include "numeric/UnitCalcularRegressio.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace tracima;

void Fallar() {
    __builtin_trap();
}

// The text's lines, read character by character: a line ends at CR LF, LF or a
// lone CR; a final line end starts no further line.
std::vector<std::string> LiniesDe(std::string_view text) {
    std::vector<std::string> linies;
    std::string actual;
    bool oberta = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            linies.push_back(actual);
            actual.clear();
            oberta = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            actual += c;
            oberta = true;
        }
    }
    if (oberta) linies.push_back(actual);
    return linies;
}

// The grid the paste must give, worked out from the lines.
std::unique_ptr<GraellaValors> Esperada(std::string_view text) {
    auto g = std::make_unique<GraellaValors>();
    std::vector<std::string> linies = LiniesDe(text);
    for (std::size_t i = 0; i < linies.size(); ++i)
        if (linies[i].empty()) {
            linies.resize(i);
            break;
        }
    bool alternat = false;
    for (std::size_t i = 0; i < linies.size() && i < FilesGraella; ++i)
        if (linies[i].find('\t') == std::string::npos) alternat = true;
    for (std::size_t i = 0; i < linies.size(); ++i) {
        const int fila = static_cast<int>(alternat ? i / 2 : i) + 1;
        if (fila > FilesGraella) break;
        if (alternat) {
            g->FixarText(fila, static_cast<int>(i % 2) + 1, linies[i]);
        } else {
            const std::size_t tab = linies[i].find('\t');
            g->FixarText(fila, ColumnaX, std::string_view(linies[i]).substr(0, tab));
            g->FixarText(fila, ColumnaY, std::string_view(linies[i]).substr(tab + 1));
        }
    }
    return g;
}

bool Iguals(const GraellaValors& a, const GraellaValors& b) {
    for (int r = 1; r <= FilesGraella; ++r)
        for (int c = ColumnaX; c <= ColumnaY; ++c)
            if (a.Text(r, c) != b.Text(r, c)) return false;
    return true;
}

bool DinsGraella(Cella c) {
    return c.Fila >= 1 && c.Fila <= FilesGraella &&
           (c.Columna == ColumnaX || c.Columna == ColumnaY);
}

void ProvarRegressions(const TaulaTreball& taula) {
    for (int model = ModelLineal; model <= ModelInvers; ++model) {
        FuncioNumerica f;
        f.EquacioRegressio = "abans";
        const Refus r = AjustarRegressio(taula, model, {1, ColumnaX}, f);
        if (!DinsGraella(r.Cursor)) Fallar();
        if (!r.Acceptat()) {
            if (f.EquacioRegressio != "abans" || f.TipusRegressio != 1) Fallar();
            continue;
        }
        if (f.TipusRegressio != model || std::isnan(f.CoeficientCorrelacio)) Fallar();
        Calculador calc;
        if (calc.CompilarFuncio(f.EquacioRegressio, Parametres{}) != 0) Fallar();
    }
    CoeficientsRegressio c;
    CalcularCoeficients(taula, c);
    for (int model = ModelLineal; model <= ModelInvers; ++model)
        if (c.TextR(model).empty() || c.TextError(model).empty()) Fallar();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto g = std::make_unique<GraellaValors>();
    g->FixarText(7, ColumnaY, "abans");
    g->FixarCursor({3, ColumnaY});
    const int codi = g->Enganxar(text);
    if (text.empty()) {
        // Nothing to paste: the grid is left as it was.
        if (codi != MissatgeCarpetaSenseText || g->Text(7, ColumnaY) != "abans" ||
            !(g->Cursor() == Cella{3, ColumnaY}))
            Fallar();
        return 0;
    }
    if (codi != 0) Fallar();
    if (!Iguals(*g, *Esperada(text))) Fallar();
    const int ultima = g->UltimaFilaOcupada();
    const int filaCursor = ultima + 1 > FilesGraella ? FilesGraella : ultima + 1;
    if (!(g->Cursor() == Cella{filaCursor, ColumnaX})) Fallar();

    // A copy pasted back is the same grid, unless an x cell holds a TAB (only
    // alternating lines put one there; the copy would split it).
    bool tabEnX = false;
    for (int r = 1; r <= ultima; ++r)
        if (g->Text(r, ColumnaX).find('\t') != std::string::npos) tabEnX = true;
    const std::string copia = g->TextCopiar();
    if (copia.empty() != (ultima == 0)) Fallar();
    if (!tabEnX && ultima > 0) {
        auto g2 = std::make_unique<GraellaValors>();
        if (g2->Enganxar(copia) != 0 || !Iguals(*g, *g2) || g2->TextCopiar() != copia) Fallar();
    }

    for (const bool interpolacio : {true, false}) {
        TaulaTreball taula;
        const int minim = interpolacio ? 2 : 3;
        const Refus r = g->Llegir(minim, interpolacio, Parametres{}, taula);
        if (!DinsGraella(r.Cursor)) Fallar();
        if (!r.Acceptat()) {
            if (taula.NombrePunts != 0) Fallar();
            continue;
        }
        if (taula.NombrePunts < minim || taula.NombrePunts > ultima) Fallar();
        for (int k = 0; k < taula.NombrePunts; ++k) {
            const auto i = static_cast<std::size_t>(k);
            if (!std::isfinite(taula.ValorsX[i]) || !std::isfinite(taula.ValorsY[i])) Fallar();
            if (interpolacio && k > 0 && !(taula.ValorsX[i] > taula.ValorsX[i - 1])) Fallar();
        }
        if (!interpolacio) ProvarRegressions(taula);
    }
    return 0;
}
