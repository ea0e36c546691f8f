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

// The value at x of the fit of `model` in `f`.
double ValorAjustat(int model, const FuncioNumerica& f, double x) {
    const double a = f.CoeficientA, b = f.CoeficientB;
    switch (model) {
    case ModelQuadratic:
        return a * x * x + b * x + f.CoeficientC;
    case ModelExponencial:
        return std::exp(b) * std::exp(a * x);
    case ModelPotencial:
        return std::exp(b) * std::exp(a * std::log(x));
    case ModelInvers:
        return (1 / b) * x / (a / b + x);
    default:
        return a * x + b;
    }
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
    const int n = taula.Punts();
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

    for (int model = ModelLineal; model <= ModelInvers; ++model) {
        f = {};
        if (AjustarModel(taula, model, f))
            c.Models[static_cast<std::size_t>(model)] = {
                true, f.CoeficientCorrelacio,
                MitjanaErrors(taula, n, [&](double x) { return ValorAjustat(model, f, x); })};
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
    linia(std::string(textos.Text(TextFix::CapcaleraCorrelacioError)));
    static constexpr std::string_view models[] = {"LabelModelLineal", "LabelModelQuadratic",
                                                  "LabelModelExponencial", "LabelModelPotencial",
                                                  "LabelModelInvers"};
    for (int m = 1; m <= 5; ++m)
        linia(titol(models[m - 1]) + "\t" + c.TextR(m) + "\t" + c.TextError(m));
    return t;
}

} // namespace tracima
