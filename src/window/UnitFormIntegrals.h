// The limits bar of the definite integral, the line integral and the area: two
// x fields and "D'acord"/"Cancel.lar", borderless at the bottom left of the main
// window. "D'acord" checks the limits (the bar stays open on a failure, with the
// focus on the field at fault) and closes with them accepted.
#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QLineEdit;

namespace tracima {

class TFormIntegrals : public QDialog {
    Q_OBJECT
  public:
    // `validar(inicial, final, a, b, camp)`: the limits' checks (ValidarLimits);
    // 0 with the limits, or 1 after its message with the field at fault.
    using Validador = std::function<int(const std::string&, const std::string&, double&, double&, int&)>;
    TFormIntegrals(Validador validar, QWidget* pare = nullptr);

    // Shows the bar with `titol` as its caption; true when limits were accepted.
    bool Demanar(const QString& titol);
    double XInicialLimits = 0, XFinalLimits = 0;
    // The two fields as typed.
    std::string TextInicial() const;
    std::string TextFinal() const;
    bool LimitsAcceptats = false;
    bool PrimeraActivacio = true;

    void BitBtnContinuarClick();

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    Validador validar_;
    QLineEdit* inicial_ = nullptr;
    QLineEdit* final_ = nullptr;
};

} // namespace tracima
