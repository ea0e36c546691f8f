#include "window/UnitFormPuntsSingulars.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace tracima {

namespace {

// The panel's layout: the text from x = 8, at least 158 pixels wide, then the
// two buttons 81 pixels wide with 6 between them and 8 at the right.
constexpr int MargeText = 8, AmpladaMinimaText = 158, AmpladaBoto = 81, EntreBotons = 6,
              Alcada = 36;

} // namespace

TFormPuntsSingulars::TFormPuntsSingulars(QWidget* pare)
    : QDialog(pare, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FormPuntsSingulars"));
    setWindowTitle(QStringLiteral("Punts Singulars"));
    setModal(true);
    panel_ = new QFrame(this);
    auto* panel = panel_;
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    labelX_ = new QLabel(QStringLiteral("X:"), panel);
    labelX_->setObjectName(QStringLiteral("LabelX"));
    continuar_ = new QPushButton(QStringLiteral("Continuar"), panel);
    continuar_->setObjectName(QStringLiteral("BitBtnContinuar"));
    continuar_->setDefault(true);
    cancelar_ = new QPushButton(QStringLiteral("Cancel.lar"), panel);
    cancelar_->setObjectName(QStringLiteral("BitBtn2"));
    cancelar_->setAutoDefault(false);
    connect(continuar_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelar_, &QPushButton::clicked, this, &QDialog::reject);
    Ajustar();
}

void TFormPuntsSingulars::Ajustar() {
    // The whole text is shown: the dialog grows with it, the buttons after it.
    const int text =
        std::max(AmpladaMinimaText, labelX_->fontMetrics().horizontalAdvance(labelX_->text()) + 4);
    const int alcadaText = labelX_->fontMetrics().height();
    labelX_->setGeometry(MargeText, (Alcada - alcadaText) / 2, text, alcadaText);
    const int x = MargeText + text + 2;
    continuar_->setGeometry(x, 5, AmpladaBoto, 25);
    cancelar_->setGeometry(x + AmpladaBoto + EntreBotons, 5, AmpladaBoto, 25);
    const int amplada = x + 2 * AmpladaBoto + EntreBotons + MargeText;
    panel_->setGeometry(0, 0, amplada, Alcada);
    setFixedSize(amplada, Alcada);
}

bool TFormPuntsSingulars::Preguntar(const QString& text) {
    labelX_->setText(text);
    labelX_->setAccessibleName(text);
    Ajustar();
    return exec() == QDialog::Accepted;
}

void TFormPuntsSingulars::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    // A window manager that still offers to minimise the pause (and the main
    // window with it) is undone: the paused scan must stay in view.
    if (e->type() == QEvent::WindowStateChange && isMinimized())
        QTimer::singleShot(0, this, [this] {
            // Back as they were (a maximised main window stays maximised).
            if (QWidget* principal = parentWidget() ? parentWidget()->window() : nullptr)
                principal->setWindowState(principal->windowState() & ~Qt::WindowMinimized);
            setWindowState(windowState() & ~Qt::WindowMinimized);
            raise();
            activateWindow();
        });
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
