#include "numeric/UnitFormRegressioIntroduirValors.h"

#include "functionset/UnitFormEntradaDeDades.h"
#include "numeric/UnitFormCoeficientsRegressio.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QRadioButton>

namespace tracima {

TFormNumericaRegressio::TFormNumericaRegressio(EstatPrincipal& estat, Serveis& serveis,
                                               TFormEntradaDeDades& entrada, TFormCoeficients& coeficients,
                                               QWidget* pare)
    : DialegTaulaQt(QStringLiteral("FormNumericaRegressio"), model_.Graella, estat, serveis, pare),
      entrada_(entrada), coeficients_(coeficients) {
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

void TFormNumericaRegressio::showEvent(QShowEvent* e) {
    RefrescarModel();
    DialegTaulaQt::showEvent(e);
}

void TFormNumericaRegressio::BitBtnDAcordClick() {
    graella_->DesarCursor();
    LlegirModel();
    std::string etiqueta;
    const Refus r = AcceptarRegressio(model_, estat_.Parametres(), estat_.Numerica, Registre(), etiqueta);
    if (!r.Acceptat()) {
        MostrarRefus(r);
        return;
    }
    entrada_.FixarTextFuncio(estat_.Numerica.FuncioTriada - 1, etiqueta);
    accept();
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
