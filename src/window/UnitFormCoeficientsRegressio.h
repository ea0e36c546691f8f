// "Coeficients": the statistics of the regression dialog's table and, for each of
// the five models, its correlation coefficient and mean squared error ("NO" for
// a model that cannot be fitted). "Copiar" puts the window's 19 lines on the
// clipboard and closes it.
#pragma once

#include "document/EstatPrincipal.h"
#include "window/ServeisQt.h"
#include "numeric/Coeficients.h"

#include <QDialog>

#include <map>

class QLineEdit;

namespace tracima {

class TFormCoeficients : public QDialog {
    Q_OBJECT
  public:
    TFormCoeficients(const TaulaMissatges& missatges, Serveis& serveis, QWidget* pare = nullptr);

    // Fills the fields and shows the window modally.
    void Mostrar(const CoeficientsRegressio& c);
    // The value field named `nom` ("EditXMinim", "EditRLineal", "EditErrorInvers", ...).
    QString Camp(const QString& nom) const;
    void BitBtnCopiarClick();

  private:
    QLineEdit* CrearCamp(const QString& nom);

    const TaulaMissatges& missatges_;
    Serveis& serveis_;
    CoeficientsRegressio c_;
    std::map<QString, QLineEdit*> camps_;
};

} // namespace tracima
