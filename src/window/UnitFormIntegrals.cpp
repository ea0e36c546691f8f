#include "window/UnitFormIntegrals.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tracima {

TFormIntegrals::TFormIntegrals(Validador validar, QWidget* pare)
    : QDialog(pare, Qt::Dialog | Qt::FramelessWindowHint), validar_(std::move(validar)) {
    setObjectName(QStringLiteral("FormIntegrals"));
    setModal(true);
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    // The bar fits its labels in every language: a row that sizes the dialog.
    auto* fora = new QHBoxLayout(this);
    fora->setContentsMargins(0, 0, 0, 0);
    fora->setSizeConstraint(QLayout::SetFixedSize);
    fora->addWidget(panel);
    auto* fila = new QHBoxLayout(panel);
    fila->setContentsMargins(6, 4, 8, 4);
    fila->setSpacing(6);
    auto camp = [panel, fila](const char* nomEtiqueta, const char* nom) {
        auto* etiqueta = new QLabel(panel);
        etiqueta->setObjectName(QString::fromLatin1(nomEtiqueta));
        auto* edit = new QLineEdit(panel);
        edit->setObjectName(QString::fromLatin1(nom));
        edit->setFixedWidth(81);
        etiqueta->setBuddy(edit);
        fila->addWidget(etiqueta);
        fila->addWidget(edit);
        return edit;
    };
    inicial_ = camp("LabelInicial", "EditInicial");
    fila->addSpacing(6);
    final_ = camp("LabelFinal", "EditFinal");
    fila->addSpacing(6);
    auto* continuar = new QPushButton(panel);
    continuar->setObjectName(QStringLiteral("BitBtnContinuar"));
    continuar->setFixedSize(81, 25);
    continuar->setDefault(true);
    auto* cancelar = new QPushButton(panel);
    cancelar->setObjectName(QStringLiteral("BitBtn2"));
    cancelar->setFixedSize(81, 25);
    cancelar->setAutoDefault(false);
    fila->addWidget(continuar);
    fila->addWidget(cancelar);
    connect(continuar, &QPushButton::clicked, this, &TFormIntegrals::BitBtnContinuarClick);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
}

bool TFormIntegrals::Demanar(const QString& titol) {
    LimitsAcceptats = false;
    setWindowTitle(titol);
    setAccessibleName(titol);
    exec();
    return LimitsAcceptats;
}

std::string TFormIntegrals::TextInicial() const { return inicial_->text().toStdString(); }
std::string TFormIntegrals::TextFinal() const { return final_->text().toStdString(); }

void TFormIntegrals::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (const QWidget* principal = parentWidget()) {
        const QRect f = principal->frameGeometry();
        move(f.left() + 4, f.top() + f.height() - height() - 4);
    }
    // After a message about the final x the focus stays on that field.
    if (PrimeraActivacio) inicial_->setFocus();
    else PrimeraActivacio = true;
}

void TFormIntegrals::BitBtnContinuarClick() {
    int camp = 0;
    double a = 0, b = 0;
    if (validar_(inicial_->text().toStdString(), final_->text().toStdString(), a, b, camp) != 0) {
        if (camp == 1) PrimeraActivacio = false;
        (camp == 1 ? final_ : inicial_)->setFocus();
        return;
    }
    XInicialLimits = a;
    XFinalLimits = b;
    LimitsAcceptats = true;
    accept();
}

} // namespace tracima
