#include "window/UnitFormRegressioIntroduirValors.h"

#include "window/UnitFormCoeficientsRegressio.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QRadioButton>

namespace tracima {

TFormNumericaRegressio::TFormNumericaRegressio(EstatPrincipal& estat, Serveis& serveis,
                                               TFormEntradaDeDades& entrada, TFormCoeficients& coeficients,
                                               QWidget* pare)
    : DialegTaulaQt(QStringLiteral("FormNumericaRegressio"), model_.Graella, estat, serveis, entrada, pare),
      coeficients_(coeficients) {
    const char* noms[] = {"RadioButtonLineal", "RadioButtonQuadratica", "RadioButtonExponencial",
                          "RadioButtonPotencial", "RadioButtonInversa"};
    auto* fila = new QHBoxLayout;
    for (std::size_t i = 0; i < models_.size(); ++i) {
        models_[i] = new QRadioButton(this);
        models_[i]->setObjectName(QString::fromLatin1(noms[i]));
        fila->addWidget(models_[i]);
    }
    Opcions()->addLayout(fila);
    QPushButton* coefs = CrearBoto("BitBtnCoeficients");
    connect(coefs, &QPushButton::clicked, this, &TFormNumericaRegressio::BitBtnCoeficientsClick);
    Opcions()->addWidget(coefs);
    RefrescarModel();
}

void TFormNumericaRegressio::RefrescarModel() {
    const int m = std::clamp(model_.Model, 1, 5);
    models_[static_cast<std::size_t>(m - 1)]->setChecked(true);
}

void TFormNumericaRegressio::LlegirModel() {
    for (std::size_t i = 0; i < models_.size(); ++i)
        if (models_[i]->isChecked()) model_.Model = static_cast<int>(i) + 1;
}

Refus TFormNumericaRegressio::Acceptar(std::string& etiqueta) {
    LlegirModel();
    return AcceptarRegressio(model_, estat_.Parametres(), estat_.Numerica, Registre(), etiqueta);
}

void TFormNumericaRegressio::BitBtnCoeficientsClick() {
    graella_->DesarCursor();
    CoeficientsRegressio c;
    const Refus r = ObrirCoeficients(model_, estat_.Parametres(), estat_.Numerica, c);
    if (!r.Acceptat()) {
        MostrarRefus(r);
        return;
    }
    coeficients_.Mostrar(c);
    graella_->setFocus();
}

} // namespace tracima
