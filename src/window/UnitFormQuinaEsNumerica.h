// "Funció numèrica": the chooser of the function to give by a table (F..K) and
// of interpolation or regression. Its "D'acord" loads the chosen function's
// table into the matching dialog and shows it; the choices persist.
#pragma once

#include "document/EstatPrincipal.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QRadioButton;

namespace tracima {

class TFormNumericaInterpolacio;
class TFormNumericaRegressio;

class TFormQuinaEsNumerica : public QDialog {
    Q_OBJECT
  public:
    TFormQuinaEsNumerica(EstatPrincipal& estat, TFormNumericaInterpolacio& interpolacio,
                         TFormNumericaRegressio& regressio, QWidget* pare = nullptr);

    void BitBtnDAcordClick();

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    EstatPrincipal& estat_;
    TFormNumericaInterpolacio& interpolacio_;
    TFormNumericaRegressio& regressio_;
    SelectorNumerica selector_;
    std::array<QRadioButton*, NombreSlotsFuncio> funcions_{};
    QCheckBox* regressio_b_ = nullptr;
};

} // namespace tracima
