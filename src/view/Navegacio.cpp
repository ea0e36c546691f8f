#include "view/Navegacio.h"

#include "engine/UnitTools.h"

#include <charconv>
#include <cmath>
#include <string>

namespace tracima {
namespace {

// The plot's columns 20..620 and rows 20..420 of the logical 640 x 460 area.
constexpr double ColumnaInicial = 20, Columnes = 600, FilaInicial = 20, Files = 400;

// The smallest range a zoom or pan step may reach (a wider one stays reachable by
// zooming out): below it the six decimals of the boxes would move the pointer's
// point by more than a pixel.
constexpr double RangMinim = 1e-3;

// `valor` as the data entry dialog reads it back from its box (six decimals at
// most); empty beyond the limit.
std::optional<double> ValorDeCaixa(double valor) {
    if (!std::isfinite(valor) || std::fabs(valor) > LimitEixos) return {};
    const std::string text = NumeroAText(valor);
    double llegit = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), llegit);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size()) return {};
    if (!std::isfinite(llegit) || std::fabs(llegit) > LimitEixos) return {};
    return llegit;
}

std::optional<EixosFuncions> Eixos(const EixosFuncions& abans, double xo, double xf, double yo,
                                   double yf) {
    const auto nxo = ValorDeCaixa(xo), nxf = ValorDeCaixa(xf);
    const auto nyo = ValorDeCaixa(yo), nyf = ValorDeCaixa(yf);
    if (!nxo || !nxf || !nyo || !nyf || !(*nxo < *nxf) || !(*nyo < *nyf)) return {};
    const double rx = *nxf - *nxo, ry = *nyf - *nyo;
    if ((rx < RangMinim && rx < abans.XFinal - abans.XOrigen) ||
        (ry < RangMinim && ry < abans.YFinal - abans.YOrigen))
        return {};
    EixosFuncions e = abans;
    e.XOrigen = *nxo;
    e.XFinal = *nxf;
    e.YOrigen = *nyo;
    e.YFinal = *nyf;
    e.XUnitat = UnitatPerRang(rx, abans.XUnitat);
    e.YUnitat = UnitatPerRang(ry, abans.YUnitat);
    e.CalcularPassos();
    e.CalcularOrigens();
    if (!e.Valids()) return {};
    return e;
}

} // namespace

double UnitatPerRang(double rang, double actual) {
    if (!(rang > 0) || !std::isfinite(rang)) return actual;
    const double referencia = actual > 0 && std::isfinite(actual) ? actual : rang / 10;
    double millor = 0, distancia = 0;
    const int k0 = static_cast<int>(std::floor(std::log10(rang / 20))) - 1;
    for (int k = k0; k <= k0 + 3; ++k) {
        for (double m : {1.0, 2.0, 5.0}) {
            const double u = m * std::pow(10.0, k);
            const double marques = rang / u;
            if (marques < 4 || marques > 20) continue;
            const double d = std::fabs(std::log(u / referencia));
            if (millor == 0 || d < distancia) {
                millor = u;
                distancia = d;
            }
        }
    }
    return millor > 0 ? millor : actual;
}

std::optional<EixosFuncions> EixosApropats(const EixosFuncions& e, const ValorsVista& v, double px,
                                           double py, double osques) {
    if (!(v.EscalaX > 0) || !(v.EscalaY > 0) || !std::isfinite(osques)) return {};
    const double fx = (px / v.EscalaX - ColumnaInicial) / Columnes;
    const double fy = (py / v.EscalaY - FilaInicial) / Files;
    const double rx = e.XFinal - e.XOrigen, ry = e.YFinal - e.YOrigen;
    const double wx = e.XOrigen + fx * rx, wy = e.YFinal - fy * ry;
    const double escala = std::pow(FactorZoom, -osques);
    const double nrx = rx * escala, nry = ry * escala;
    const double xo = wx - fx * nrx, yf = wy + fy * nry;
    return Eixos(e, xo, xo + nrx, yf - nry, yf);
}

std::optional<EixosFuncions> EixosDesplacats(const EixosFuncions& e, const ValorsVista& v,
                                             double dx, double dy) {
    if (!(v.EscalaX > 0) || !(v.EscalaY > 0)) return {};
    const double rx = e.XFinal - e.XOrigen, ry = e.YFinal - e.YOrigen;
    const double mx = -dx / v.EscalaX / Columnes * rx, my = dy / v.EscalaY / Files * ry;
    return Eixos(e, e.XOrigen + mx, e.XFinal + mx, e.YOrigen + my, e.YFinal + my);
}

void HistorialVistes::Desar(const EixosFuncions& eixos) {
    vistes_.push_back(eixos);
    if (vistes_.size() > Maxim) vistes_.pop_front();
}

std::optional<EixosFuncions> HistorialVistes::Treure() {
    if (vistes_.empty()) return {};
    EixosFuncions e = vistes_.back();
    vistes_.pop_back();
    return e;
}

} // namespace tracima
