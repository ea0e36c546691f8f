// The regression coefficients window as a model: the statistics of the current
// table and, for each of the five models, its correlation coefficient and mean
// squared error, and the window's 19-line copy text.
#pragma once

#include <array>
#include <string>

#include "text/Missatges.h"
#include "engine/UnitCalcular.h"
#include "numeric/FuncioNumerica.h"
#include "numeric/GraellaValors.h"

namespace tracima {

struct AjustModel {
    bool Ajustat = false; // false: the model cannot be fitted ("NO")
    double R = 0;
    double Error = 0; // Σ (y − fitted y)² / n
};

struct CoeficientsRegressio {
    double XMinim = 0, XMaxim = 0, YMinim = 0, YMaxim = 0;
    // Population statistics of x and y (divisor n).
    double MitjanaX = 0, MitjanaY = 0, DesviacioX = 0, DesviacioY = 0, Covariancia = 0;
    std::array<AjustModel, 6> Models{}; // by model number 1..5; index 0 unused

    // Field texts (NumeroAText), "NO" for a model that cannot be fitted, in its R
    // field and in its error field alike; empty for a model number outside 1..5.
    std::string TextR(int model) const;
    std::string TextError(int model) const;
};

// Computes the window for points 1..n of `taula` (n >= 1), on the table only:
// no function record is touched.
void CalcularCoeficients(const TaulaTreball& taula, CoeficientsRegressio& c);

// "Coeficients...": reads the grid as the regression dialog's acceptance does
// (at least three points; the same refusals) into `taula` and, when it reads,
// computes the window. Nothing is stored in any record.
Refus CalcularCoeficients(const GraellaValors& graella, const Parametres& param,
                          TaulaTreball& taula, CoeficientsRegressio& c);

// The copy text: 19 lines ended by CR LF, with the window's captions in the
// language loaded in `textos` (extremes, means, deviations, covariance, the
// fixed heading "\tCoef. Correl. (R) ;\tERROR MEDIO", one line per model).
std::string TextCopiarCoeficients(const CoeficientsRegressio& c, const TaulaMissatges& textos);

} // namespace tracima
