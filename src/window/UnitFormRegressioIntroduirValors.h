// "Regressió. Introduir valors": the point grid, the five models and
// "Coeficients...". "D'acord" fits the checked model and, only when the fit
// succeeds, stores it into the chosen function's record and writes the model's
// label into its box.
#pragma once

#include "window/DialegTaulaQt.h"

#include <array>

class QRadioButton;

namespace tracima {

class TFormCoeficients;
class TFormEntradaDeDades;

class TFormNumericaRegressio : public DialegTaulaQt {
    Q_OBJECT
  public:
    TFormNumericaRegressio(EstatPrincipal& estat, Serveis& serveis, TFormEntradaDeDades& entrada,
                           TFormCoeficients& coeficients, QWidget* pare = nullptr);

    DialegRegressio& Model() { return model_; }
    // The radio buttons from the model.
    void RefrescarModel();
    void BitBtnCoeficientsClick();

  protected:
    void RefrescarControls() override { RefrescarModel(); }
    Refus Acceptar(std::string& etiqueta) override;

  private:
    void LlegirModel();

    DialegRegressio model_;
    TFormCoeficients& coeficients_;
    std::array<QRadioButton*, 5> models_{};
};

} // namespace tracima
