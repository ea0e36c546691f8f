#include "window/UnitFormIntegrals.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tracima {

TFormIntegrals::TFormIntegrals(Validador validar, QWidget* pare)
    : QDialog(pare, Qt::Dialog | Qt::FramelessWindowHint), validar_(std::move(validar)) {
    setObjectName(QStringLiteral("FormIntegrals"));
    setModal(true);
    setFixedSize(449, 35);
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setGeometry(0, 0, 449, 35);
    auto camp = [panel](const char* nomEtiqueta, const char* nom, int xEtiqueta, int x) {
        auto* etiqueta = new QLabel(panel);
        etiqueta->setObjectName(QString::fromLatin1(nomEtiqueta));
        etiqueta->setGeometry(xEtiqueta, 10, x - xEtiqueta - 2, 17);
        auto* edit = new QLineEdit(panel);
        edit->setObjectName(QString::fromLatin1(nom));
        edit->setGeometry(x, 7, 81, 21);
        etiqueta->setBuddy(edit);
        return edit;
    };
    inicial_ = camp("LabelInicial", "EditInicial", 4, 48);
    final_ = camp("LabelFinal", "EditFinal", 134, 176);
    auto* continuar = new QPushButton(panel);
    continuar->setObjectName(QStringLiteral("BitBtnContinuar"));
    continuar->setGeometry(264, 5, 81, 25);
    continuar->setDefault(true);
    auto* cancelar = new QPushButton(panel);
    cancelar->setObjectName(QStringLiteral("BitBtn2"));
    cancelar->setGeometry(352, 5, 81, 25);
    cancelar->setAutoDefault(false);
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
