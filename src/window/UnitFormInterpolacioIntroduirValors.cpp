#include "window/UnitFormInterpolacioIntroduirValors.h"


#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>

namespace tracima {

TFormNumericaInterpolacio::TFormNumericaInterpolacio(EstatPrincipal& estat, Serveis& serveis,
                                                     TFormEntradaDeDades& entrada,
                                                     std::function<void()> enMarcaMenu, QWidget* pare)
    : DialegTaulaQt(QStringLiteral("FormNumericaInterpolacio"), model_.Graella, estat, serveis, entrada, pare),
      enMarcaMenu_(std::move(enMarcaMenu)) {
    auto caixa = [this](const char* nom) {
        auto* c = new QCheckBox(this);
        c->setObjectName(QString::fromLatin1(nom));
        return c;
    };
    lineal_ = caixa("CheckBoxLineal");
    mostrarPunts_ = caixa("CheckBoxMostrarPunts");
    extrapolar_ = caixa("CheckBoxExtrapolar");
    nomesPunts_ = caixa("CheckBoxNomesPunts");
    auto* graella = new QGridLayout;
    graella->addWidget(lineal_, 0, 0);
    graella->addWidget(mostrarPunts_, 0, 1);
    graella->addWidget(extrapolar_, 1, 0);
    graella->addWidget(nomesPunts_, 1, 1);
    Opcions()->addLayout(graella);
    connect(nomesPunts_, &QCheckBox::clicked, this, [this](bool marcat) {
        LlegirOpcions();
        MarcarNomesPunts(model_.Opcions, marcat, estat_.Opcions.MenuNomsPunts);
        RefrescarOpcions();
        if (enMarcaMenu_) enMarcaMenu_();
    });
    connect(mostrarPunts_, &QCheckBox::clicked, this, [this](bool marcat) {
        LlegirOpcions();
        MarcarMostrarPunts(model_.Opcions, marcat, estat_.Opcions.MenuNomsPunts);
        RefrescarOpcions();
        if (enMarcaMenu_) enMarcaMenu_();
    });
}

void TFormNumericaInterpolacio::LlegirOpcions() {
    model_.Opcions.Lineal = lineal_->isChecked();
    model_.Opcions.MostrarPunts = mostrarPunts_->isChecked();
    model_.Opcions.Extrapolar = extrapolar_->isChecked();
}

void TFormNumericaInterpolacio::RefrescarOpcions() {
    model_.Opcions.NomesPunts = estat_.Opcions.MenuNomsPunts;
    lineal_->setChecked(model_.Opcions.Lineal);
    mostrarPunts_->setChecked(model_.Opcions.MostrarPunts);
    extrapolar_->setChecked(model_.Opcions.Extrapolar);
    nomesPunts_->setChecked(model_.Opcions.NomesPunts);
}

Refus TFormNumericaInterpolacio::Acceptar(std::string& etiqueta) {
    LlegirOpcions();
    return AcceptarInterpolacio(model_, estat_.Parametres(), estat_.Numerica, Registre(), etiqueta);
}

} // namespace tracima
