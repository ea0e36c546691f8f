#include "window/UnitFormUnaFuncio.h"

#include "functionset/EntradaDeDades.h"
#include "window/UnitFormEntradaDeDades.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tracima {

TFormUnaFuncio::TFormUnaFuncio(EstatPrincipal& estat, Serveis& serveis, TFormEntradaDeDades& entrada,
                               std::function<void()> aplicar, QWidget* pare)
    : QDialog(pare), estat_(estat), serveis_(serveis), entrada_(entrada), aplicar_(std::move(aplicar)) {
    setObjectName(QStringLiteral("FormUnaFuncio"));
    setModal(true);
    comboBoxFuncio_ = new QComboBox(this);
    comboBoxFuncio_->setObjectName(QStringLiteral("ComboBoxFuncio"));
    comboBoxFuncio_->addItems({"F(X)", "G(X)", "H(X)", "I(X)", "J(X)", "K(X)"});
    comboBoxFuncio_->setCurrentIndex(0);
    editUnaFuncio_ = CrearCaixaEditable(this, QStringLiteral("EditUnaFuncio"));
    for (const std::string& e : ExemplesUnaFuncio()) editUnaFuncio_->addItem(QString::fromStdString(e));
    // As wide as a usual formula; the long examples scroll in the list.
    editUnaFuncio_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    editUnaFuncio_->setMinimumContentsLength(32);
    auto* continuar = new QPushButton(this);
    continuar->setObjectName(QStringLiteral("BitBtnContinuar"));
    continuar->setDefault(true);
    auto* cancelar = new QPushButton(this);
    cancelar->setObjectName(QStringLiteral("BitBtnCancelar"));
    cancelar->setAutoDefault(false);

    connect(comboBoxFuncio_, &QComboBox::currentIndexChanged, this, [this] { LlegirFuncio(); });
    // A choice from the list is tried at once.
    connect(editUnaFuncio_, &QComboBox::activated, this, [this] { ProvarText(false); });
    connect(continuar, &QPushButton::clicked, this, &TFormUnaFuncio::BitBtnContinuarClick);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto* fila = new QHBoxLayout;
    fila->addWidget(comboBoxFuncio_);
    fila->addWidget(editUnaFuncio_, 1);
    auto* botons = new QHBoxLayout;
    botons->addStretch(1);
    botons->addWidget(continuar);
    botons->addWidget(cancelar);
    auto* capsa = new QVBoxLayout(this);
    capsa->addLayout(fila);
    capsa->addLayout(botons);
}

void TFormUnaFuncio::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Over the main window.
    if (const QWidget* principal = parentWidget()) {
        QRect r = frameGeometry();
        r.moveCenter(principal->frameGeometry().center());
        move(r.topLeft());
    }
    LlegirFuncio();
    editUnaFuncio_->setFocus();
}

void TFormUnaFuncio::LlegirFuncio() {
    editUnaFuncio_->setEditText(QString::fromStdString(entrada_.TextFuncio(comboBoxFuncio_->currentIndex())));
}

void TFormUnaFuncio::ProvarText(bool avisar) {
    const int slot = comboBoxFuncio_->currentIndex();
    const std::string text = editUnaFuncio_->currentText().toStdString();
    if (!FuncioAplicable(text, estat_.Parametres(), calc_)) {
        if (!avisar) return;
        const TaulaMissatges& t = estat_.Missatges;
        const std::string_view missatge = t.Missatge(BaseErrorSintaxiFuncio + slot);
        serveis_.MostrarMissatge(this, QString::fromUtf8(t.TitolPrograma().data(), static_cast<qsizetype>(t.TitolPrograma().size())),
                                 QString::fromUtf8(missatge.data(), static_cast<qsizetype>(missatge.size())),
                                 IconaMissatge::Informacio);
        editUnaFuncio_->setFocus();
        return;
    }
    entrada_.FixarTextFuncio(slot, text);
    if (aplicar_) aplicar_();
}

void TFormUnaFuncio::BitBtnContinuarClick() { ProvarText(true); }

} // namespace tracima
