#include "numeric/GraellaValors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "text/Missatges.h"
#include "engine/UnitTools.h"

namespace tracima {

namespace {

bool DinsGraella(int fila, int columna) {
    return fila >= 1 && fila <= FilesGraella && (columna == ColumnaX || columna == ColumnaY);
}

// Splits at CR LF, LF or a lone CR, like a multi-line text box; a final line end
// does not start another line. At most `maxim` lines are returned.
std::vector<std::string_view> Linies(std::string_view text, std::size_t maxim) {
    std::vector<std::string_view> linies;
    std::size_t inici = 0;
    while (inici < text.size() && linies.size() < maxim) {
        std::size_t fi = text.find_first_of("\r\n", inici);
        if (fi == std::string_view::npos) {
            linies.push_back(text.substr(inici));
            break;
        }
        linies.push_back(text.substr(inici, fi - inici));
        inici = fi + ((text[fi] == '\r' && fi + 1 < text.size() && text[fi + 1] == '\n') ? 2 : 1);
    }
    return linies;
}

} // namespace

const std::string& GraellaValors::Text(int fila, int columna) const {
    static const std::string buit;
    if (!DinsGraella(fila, columna)) return buit;
    return cel_[static_cast<std::size_t>(fila - 1)][static_cast<std::size_t>(columna - 1)];
}

std::string& GraellaValors::CellaMut(int fila, int columna) {
    return cel_[static_cast<std::size_t>(fila - 1)][static_cast<std::size_t>(columna - 1)];
}

int GraellaValors::FixarText(int fila, int columna, std::string_view text) {
    if (!DinsGraella(fila, columna)) return 1;
    CellaMut(fila, columna) = std::string(text);
    return 0;
}

int GraellaValors::FixarCursor(Cella c) {
    if (!DinsGraella(c.Fila, c.Columna)) return 1;
    cursor_ = c;
    return 0;
}

int GraellaValors::UltimaFilaOcupada() const {
    for (int r = FilesGraella; r >= 1; --r) {
        const auto& fila = cel_[static_cast<std::size_t>(r - 1)];
        if (!fila[0].empty() || !fila[1].empty()) return r;
    }
    return 0;
}

void GraellaValors::Seguent() {
    if (cursor_.Columna == ColumnaX)
        cursor_.Columna = ColumnaY;
    else if (cursor_.Fila < FilesGraella)
        cursor_ = {cursor_.Fila + 1, ColumnaX};
}

void GraellaValors::Anterior() {
    if (cursor_.Columna == ColumnaY)
        cursor_.Columna = ColumnaX;
    else if (cursor_.Fila > 1)
        cursor_ = {cursor_.Fila - 1, ColumnaY};
}

void GraellaValors::Inserir() {
    const auto r = static_cast<std::size_t>(cursor_.Fila - 1);
    if (cursor_.Fila < FilesGraella) {
        std::move_backward(cel_.begin() + static_cast<std::ptrdiff_t>(r), cel_.end() - 1,
                           cel_.end());
        cel_[r] = {};
    }
    cursor_.Columna = ColumnaX;
}

void GraellaValors::Suprimir() {
    const auto r = static_cast<std::size_t>(cursor_.Fila - 1);
    if (cursor_.Fila < FilesGraella)
        std::move(cel_.begin() + static_cast<std::ptrdiff_t>(r) + 1, cel_.end(),
                  cel_.begin() + static_cast<std::ptrdiff_t>(r));
    cel_.back() = {};
    cursor_.Columna = ColumnaX;
}

void GraellaValors::Buidar() {
    for (auto& fila : cel_)
        fila = {};
}

void GraellaValors::Iniciar(bool esborrar) {
    if (esborrar) Buidar();
    cursor_ = {1, ColumnaX};
}

void GraellaValors::CursorDespresDeLesDades() {
    cursor_ = {std::min(UltimaFilaOcupada() + 1, FilesGraella), ColumnaX};
}

void GraellaValors::Carregar(const TaulaTreball& taula) {
    Buidar();
    const int n = std::clamp(taula.NombrePunts, 0, FilesGraella);
    for (int k = 0; k < n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        cel_[i][0] = NumeroATextFormula(taula.ValorsX[i]);
        cel_[i][1] = NumeroATextFormula(taula.ValorsY[i]);
    }
    CursorDespresDeLesDades();
}

std::string GraellaValors::TextCopiar() const {
    std::string text;
    const int m = UltimaFilaOcupada();
    for (int r = 0; r < m; ++r) {
        const auto& fila = cel_[static_cast<std::size_t>(r)];
        text += fila[0];
        text += '\t';
        text += fila[1];
        text += "\r\n";
    }
    return text;
}

int GraellaValors::Enganxar(std::string_view text) {
    if (text.empty()) return MissatgeCarpetaSenseText;
    Buidar();
    // Two lines per row are the most the alternating format can place.
    auto linies = Linies(text, 2 * FilesGraella);
    // Separators and blanks a spreadsheet leaves after the y column mean nothing
    // (the one after a lone x stays: that row's y is empty).
    for (std::string_view& l : linies)
        while (!l.empty() && (l.back() == '\t' || l.back() == ';' || l.back() == ' ') &&
               l.substr(0, l.size() - 1).find_first_of("\t;") != std::string_view::npos)
            l.remove_suffix(1);

    bool ambTabuladors = true;
    for (std::size_t i = 0; i < linies.size() && i < FilesGraella; ++i) {
        const std::string_view l = linies[i];
        if (l.empty()) break;
        // A spreadsheet's columns: a TAB, or else a semicolon, between x and y.
        std::size_t tab = l.find('\t');
        if (tab == std::string_view::npos) tab = l.find(';');
        if (tab == std::string_view::npos) {
            ambTabuladors = false;
            break;
        }
        cel_[i][0] = std::string(l.substr(0, tab));
        cel_[i][1] = std::string(l.substr(tab + 1));
    }
    if (!ambTabuladors) {
        Buidar();
        for (std::size_t i = 0; i < linies.size(); ++i) {
            if (linies[i].empty()) break;
            cel_[i / 2][i % 2] = std::string(linies[i]);
        }
    }
    CursorDespresDeLesDades();
    return 0;
}

Refus GraellaValors::Llegir(int minimPunts, bool xCreixent, const Parametres& param,
                            TaulaTreball& taula) const {
    TaulaTreball llegida = taula;
    int r = 1;
    for (; r <= FilesGraella; ++r) {
        const auto& fila = cel_[static_cast<std::size_t>(r - 1)];
        if (fila[0].empty()) break;
        double x = 0, y = 0;
        if (LlegirCella(fila[0], param, x) != 0) return {MissatgeErrorCella, {r, ColumnaX}};
        if (LlegirCella(fila[1], param, y) != 0) return {MissatgeErrorCella, {r, ColumnaY}};
        const auto i = static_cast<std::size_t>(r - 1);
        llegida.ValorsX[i] = x;
        llegida.ValorsY[i] = y;
        if (xCreixent && r > 1 && x <= llegida.ValorsX[i - 1])
            return {MissatgeXNoCreixent, {r, ColumnaX}};
    }
    // Cells written after the table's end are refused before the count is checked,
    // so a gap in a table is reported as such whatever the number of points above it.
    for (int k = r; k <= FilesGraella; ++k) {
        const auto& fila = cel_[static_cast<std::size_t>(k - 1)];
        if (!fila[0].empty()) return {MissatgeCellesAillades, {k, ColumnaX}};
        if (!fila[1].empty()) return {MissatgeCellesAillades, {k, ColumnaY}};
    }
    const int n = r - 1;
    if (n < minimPunts)
        return {minimPunts <= 2 ? MissatgeMinimDosParells : MissatgeMinimTresParells,
                {1, ColumnaX}};
    llegida.NombrePunts = n;
    taula = llegida;
    return {};
}

int LlegirCella(std::string_view text, const Parametres& param, double& valor) {
    std::string_view t = text;
    while (!t.empty() && t.front() == ' ')
        t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ')
        t.remove_suffix(1);
    // A decimal number in scientific notation, as spreadsheets write them: digits,
    // an optional decimal point ("." or ","), E or e, an optional sign, digits.
    std::size_t i = 0;
    const auto digits = [&t, &i] {
        const std::size_t inici = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            ++i;
        return i - inici;
    };
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t mantissa = digits();
    if (i < t.size() && (t[i] == '.' || t[i] == ',')) {
        ++i;
        mantissa += digits();
    }
    if (mantissa > 0 && i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        if (digits() > 0 && i == t.size()) {
            std::string numero(t.front() == '+' ? t.substr(1) : t);
            for (char& c : numero)
                if (c == ',') c = '.';
            double v = 0;
            const auto r = std::from_chars(numero.data(), numero.data() + numero.size(), v);
            if (r.ec != std::errc() || r.ptr != numero.data() + numero.size() || !std::isfinite(v))
                return 1;
            valor = v;
            return 0;
        }
    }
    return CalcularExpressio(text, param, valor);
}

std::string TextRefus(const Refus& r, const GraellaValors& g, const TaulaMissatges& m) {
    std::string text(m.Missatge(r.Missatge));
    if (r.Missatge != MissatgeErrorCella) return text;
    std::string cella = g.Text(r.Cursor.Fila, r.Cursor.Columna);
    if (cella.size() > 40) cella = cella.substr(0, 40) + "...";
    return text + " (" + std::string(m.Missatge(MissatgeFila)) + " " +
           std::to_string(r.Cursor.Fila) + ", " + (r.Cursor.Columna == ColumnaX ? "X" : "F(x)") +
           "): \"" + cella + "\"";
}

void DesarTaula(const TaulaTreball& taula, int valorReservat, FuncioNumerica& registre) {
    const int n = taula.Punts();
    if (n > 0) {
        const auto [xmin, xmax] =
            std::minmax_element(taula.ValorsX.begin(), taula.ValorsX.begin() + n);
        const auto [ymin, ymax] =
            std::minmax_element(taula.ValorsY.begin(), taula.ValorsY.begin() + n);
        registre.XMinim = *xmin;
        registre.XMaxim = *xmax;
        registre.YMinim = *ymin;
        registre.YMaxim = *ymax;
    }
    registre.ValorReservat = valorReservat;
    registre.NombrePunts = n;
    registre.ValorsX = taula.ValorsX;
    registre.ValorsY = taula.ValorsY;
}

} // namespace tracima
