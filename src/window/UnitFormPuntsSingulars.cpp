#include "window/UnitFormPuntsSingulars.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace tracima {

TFormPuntsSingulars::TFormPuntsSingulars(QWidget* pare) : QDialog(pare) {
    setObjectName(QStringLiteral("FormPuntsSingulars"));
    setWindowTitle(QStringLiteral("Punts Singulars"));
    setModal(true);
    setFixedSize(344, 36);
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setGeometry(0, 0, 344, 36);
    labelX_ = new QLabel(QStringLiteral("X:"), panel);
    labelX_->setObjectName(QStringLiteral("LabelX"));
    labelX_->setGeometry(8, 10, 158, 17);
    auto* continuar = new QPushButton(QStringLiteral("Continuar"), panel);
    continuar->setObjectName(QStringLiteral("BitBtnContinuar"));
    continuar->setGeometry(168, 5, 81, 25);
    continuar->setDefault(true);
    auto* cancelar = new QPushButton(QStringLiteral("Cancel.lar"), panel);
    cancelar->setObjectName(QStringLiteral("BitBtn2"));
    cancelar->setGeometry(255, 5, 81, 25);
    cancelar->setAutoDefault(false);
    connect(continuar, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
}

bool TFormPuntsSingulars::Preguntar(const QString& text) {
    labelX_->setText(text);
    labelX_->setAccessibleName(text);
    return exec() == QDialog::Accepted;
}

void TFormPuntsSingulars::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Lower-left corner of the main window.
    if (const QWidget* principal = parentWidget()) {
        const QRect f = principal->frameGeometry();
        move(f.left() + 4, f.top() + f.height() - height() - 4 - (frameGeometry().height() - height()));
    }
}

} // namespace tracima
