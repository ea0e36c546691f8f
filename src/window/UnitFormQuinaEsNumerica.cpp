#include "window/UnitFormQuinaEsNumerica.h"

#include "window/UnitFormInterpolacioIntroduirValors.h"
#include "window/UnitFormRegressioIntroduirValors.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tracima {

TFormQuinaEsNumerica::TFormQuinaEsNumerica(EstatPrincipal& estat, TFormNumericaInterpolacio& interpolacio,
                                           TFormNumericaRegressio& regressio, QWidget* pare)
    : QDialog(pare), estat_(estat), interpolacio_(interpolacio), regressio_(regressio) {
    setObjectName(QStringLiteral("FormQuinaEsNumerica"));
    setModal(true);
    auto* grup = new QGroupBox(this);
    grup->setObjectName(QStringLiteral("GroupBoxTriarLaFuncio"));
    auto* graella = new QGridLayout(grup);
    for (int i = 0; i < NombreSlotsFuncio; ++i) {
        auto* r = new QRadioButton(grup);
        r->setObjectName(QStringLiteral("RadioButton") + QChar(LletraFuncio(i + 1)));
        graella->addWidget(r, i / 3, i % 3);
        funcions_[static_cast<std::size_t>(i)] = r;
    }
    funcions_[0]->setChecked(true);
    regressio_b_ = new QCheckBox(this);
    regressio_b_->setObjectName(QStringLiteral("CheckBoxRegressio"));
    auto* acord = new QPushButton(this);
    acord->setObjectName(QStringLiteral("BitBtnDAcord"));
    acord->setDefault(true);
    auto* cancelar = new QPushButton(this);
    cancelar->setObjectName(QStringLiteral("BitBtnCancelar"));
    cancelar->setAutoDefault(false);
    connect(acord, &QPushButton::clicked, this, &TFormQuinaEsNumerica::BitBtnDAcordClick);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    auto* botons = new QHBoxLayout;
    botons->addStretch(1);
    botons->addWidget(acord);
    botons->addWidget(cancelar);
    auto* capsa = new QVBoxLayout(this);
    capsa->addWidget(grup);
    capsa->addWidget(regressio_b_);
    capsa->addLayout(botons);
    setMinimumWidth(300);
}

void TFormQuinaEsNumerica::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (const QScreen* pantalla = screen())
        move(pantalla->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TFormQuinaEsNumerica::BitBtnDAcordClick() {
    for (int i = 0; i < NombreSlotsFuncio; ++i)
        if (funcions_[static_cast<std::size_t>(i)]->isChecked()) selector_.Funcio = i + 1;
    selector_.Regressio = regressio_b_->isChecked();
    const FuncioNumerica& registre =
        estat_.Funcions.Slots[static_cast<std::size_t>(selector_.Funcio - 1)].Numerica;
    const DialegTaula dialeg =
        AcceptarSelector(selector_, registre, estat_.Numerica, interpolacio_.Model(), regressio_.Model());
    if (dialeg == DialegDeRegressio) regressio_.exec();
    else if (dialeg == DialegDInterpolacio) interpolacio_.exec();
    accept();
}

} // namespace tracima
