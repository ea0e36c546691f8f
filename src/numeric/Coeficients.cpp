#include "numeric/Coeficients.h"

#include <cmath>

#include "engine/UnitTools.h"
#include "numeric/UnitCalcularRegressio.h"

namespace tracima {

namespace {

double MitjanaErrors(const TaulaTreball& t, int n, auto ajustat) {
    double s = 0;
    for (int k = 0; k < n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const double e = t.ValorsY[i] - ajustat(t.ValorsX[i]);
        s += e * e;
    }
    return s / n;
}

bool Dins88(double a) {
    return a > -LimitExponent && a < LimitExponent;
}

} // namespace

std::string CoeficientsRegressio::TextR(int model) const {
    if (model < 1 || model > 5) return {};
    const AjustModel& m = Models[static_cast<std::size_t>(model)];
    return m.Ajustat ? NumeroAText(m.R) : "NO";
}

std::string CoeficientsRegressio::TextError(int model) const {
    if (model < 1 || model > 5) return {};
    const AjustModel& m = Models[static_cast<std::size_t>(model)];
    return m.Ajustat ? NumeroAText(m.Error) : "NO";
}

void CalcularCoeficients(const TaulaTreball& taula, CoeficientsRegressio& c) {
    c = {};
    const int n = taula.NombrePunts < 0               ? 0
                  : taula.NombrePunts > MaxPuntsTaula ? MaxPuntsTaula
                                                      : taula.NombrePunts;
    FuncioNumerica f; // scratch record: the function's own record is never touched
    if (!CalcularDescriptives(taula, f)) return;
    c.XMinim = f.XMinim;
    c.XMaxim = f.XMaxim;
    c.YMinim = f.YMinim;
    c.YMaxim = f.YMaxim;
    c.MitjanaX = f.MitjanaX;
    c.MitjanaY = f.MitjanaY;
    c.DesviacioX = f.DesviacioX;
    c.DesviacioY = f.DesviacioY;
    c.Covariancia = f.Covariancia;

    f = {};
    auto& lin = c.Models[ModelLineal];
    if (CalcularEstadistiques(taula, ModelLineal, f) && AjustarRecta(f)) {
        const double a = f.CoeficientA, b = f.CoeficientB;
        lin = {true, f.CoeficientCorrelacio,
               MitjanaErrors(taula, n, [&](double x) { return a * x + b; })};
    }
    f = {};
    auto& qua = c.Models[ModelQuadratic];
    if (RegressioQuadratica(taula, f)) {
        const double a = f.CoeficientA, b = f.CoeficientB, cc = f.CoeficientC;
        qua = {true, f.CoeficientCorrelacio,
               MitjanaErrors(taula, n, [&](double x) { return a * x * x + b * x + cc; })};
    }
    f = {};
    auto& ex = c.Models[ModelExponencial];
    if (CalcularEstadistiques(taula, ModelExponencial, f) && AjustarRecta(f) &&
        Dins88(f.CoeficientA) && Dins88(f.CoeficientB)) {
        const double a = f.CoeficientA, b = f.CoeficientB;
        ex = {true, f.CoeficientCorrelacio,
              MitjanaErrors(taula, n, [&](double x) { return std::exp(b) * std::exp(a * x); })};
    }
    f = {};
    auto& pot = c.Models[ModelPotencial];
    if (CalcularEstadistiques(taula, ModelPotencial, f) && AjustarRecta(f) &&
        Dins88(f.CoeficientB)) {
        const double a = f.CoeficientA, b = f.CoeficientB;
        pot = {true, f.CoeficientCorrelacio, MitjanaErrors(taula, n, [&](double x) {
                   return std::exp(b) * std::exp(a * std::log(x));
               })};
    }
    f = {};
    auto& inv = c.Models[ModelInvers];
    if (CalcularEstadistiques(taula, ModelInvers, f) && AjustarRecta(f) && !OrdenadaNul(f)) {
        const double a = f.CoeficientA, b = f.CoeficientB;
        inv = {true, f.CoeficientCorrelacio,
               MitjanaErrors(taula, n, [&](double x) { return (1 / b) * x / (a / b + x); })};
    }
}

Refus CalcularCoeficients(const GraellaValors& graella, const Parametres& param,
                          TaulaTreball& taula, CoeficientsRegressio& c) {
    const Refus r = graella.Llegir(3, false, param, taula);
    if (r.Acceptat()) CalcularCoeficients(taula, c);
    return r;
}

std::string TextCopiarCoeficients(const CoeficientsRegressio& c, const TaulaMissatges& textos) {
    const auto titol = [&](std::string_view component) {
        return std::string(textos.Titol(FormCoeficients, component));
    };
    std::string t;
    const auto linia = [&](const std::string& s) { t += s + "\r\n"; };
    linia(titol("LabelXMinim") + "\t" + NumeroAText(c.XMinim));
    linia(titol("LabelXMaxim") + "\t" + NumeroAText(c.XMaxim));
    linia(titol("LabelYMinim") + "\t" + NumeroAText(c.YMinim));
    linia(titol("LabelYMaxim") + "\t" + NumeroAText(c.YMaxim));
    linia("");
    const std::string mitjana = titol("GroupBoxMitjanaAritmetica");
    linia(mitjana + " " + titol("LabelMitjanaX") + "\t" + NumeroAText(c.MitjanaX));
    linia(mitjana + " " + titol("LabelMitjanaY") + "\t" + NumeroAText(c.MitjanaY));
    linia("");
    const std::string desviacio = titol("GroupBoxDesviacioTipus");
    linia(desviacio + " " + titol("LabelDesviacioX") + "\t" + NumeroAText(c.DesviacioX));
    linia(desviacio + " " + titol("LabelDesviacioY") + "\t" + NumeroAText(c.DesviacioY));
    linia("");
    linia(titol("LabelCovariancia") + " " + NumeroAText(c.Covariancia));
    linia("");
    linia("\tCoef. Correl. (R) ;\tERROR MEDIO");
    static constexpr std::string_view models[] = {"LabelModelLineal", "LabelModelQuadratic",
                                                  "LabelModelExponencial", "LabelModelPotencial",
                                                  "LabelModelInvers"};
    for (int m = 1; m <= 5; ++m)
        linia(titol(models[m - 1]) + "\t" + c.TextR(m) + "\t" + c.TextError(m));
    return t;
}

} // namespace tracima
