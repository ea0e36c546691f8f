#include "window/UnitFormCanviDeParametres.h"

#include "functionset/EntradaDeDades.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tracima {

TFormCanviDeParametres::TFormCanviDeParametres(EstatPrincipal& estat, std::function<void()> aplicar,
                                               QWidget* pare)
    : QDialog(pare), estat_(estat), aplicar_(std::move(aplicar)) {
    setObjectName(QStringLiteral("FormCanviDeParametres"));
    setModal(true);
    auto* graella = new QGridLayout(this);
    for (int i = 0; i < 6; ++i) {
        const QString lletra(QChar('A' + i));
        auto* etiqueta = new QLabel(this);
        etiqueta->setObjectName(QStringLiteral("Label") + lletra);
        auto* camp = new QLineEdit(QStringLiteral("1"), this);
        camp->setObjectName(QStringLiteral("Edit") + lletra);
        camp->setAccessibleName(lletra);
        camp->installEventFilter(this);
        etiqueta->setBuddy(camp);
        // The up/down control: two arrow buttons.
        auto* control = new QWidget(this);
        control->setObjectName(QStringLiteral("UpDown") + lletra);
        auto* columna = new QVBoxLayout(control);
        columna->setContentsMargins(0, 0, 0, 0);
        columna->setSpacing(0);
        for (bool amunt : {true, false}) {
            auto* fletxa = new QToolButton(control);
            fletxa->setObjectName(QStringLiteral("UpDown") + lletra + (amunt ? "Amunt" : "Avall"));
            fletxa->setArrowType(amunt ? Qt::UpArrow : Qt::DownArrow);
            fletxa->setAutoRepeat(true);
            fletxa->setFixedSize(18, 12);
            fletxa->setAccessibleName(lletra + (amunt ? " +" : " -"));
            connect(fletxa, &QToolButton::clicked, this, [this, i, amunt] { Pas(i, amunt); });
            columna->addWidget(fletxa);
        }
        connect(camp, &QLineEdit::textChanged, this, [this, i] { CampCanviat(i); });
        graella->addWidget(etiqueta, i, 0);
        graella->addWidget(camp, i, 1);
        graella->addWidget(control, i, 2);
        camps_[static_cast<std::size_t>(i)] = camp;
    }
    auto* etiqueta = new QLabel(this);
    etiqueta->setObjectName(QStringLiteral("LabelIncrement"));
    increment_ = new QLineEdit(QStringLiteral("1"), this);
    increment_->setObjectName(QStringLiteral("EditIncrement"));
    etiqueta->setBuddy(increment_);
    graella->addWidget(etiqueta, 6, 0);
    graella->addWidget(increment_, 6, 1);
    setMinimumWidth(420);
}

void TFormCanviDeParametres::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Beside the main window, so the graph that follows the values stays in view.
    if (const QWidget* principal = parentWidget(); principal && screen()) {
        const QRect pantalla = screen()->availableGeometry();
        QPoint lloc = principal->frameGeometry().topRight() + QPoint(8, 0);
        lloc.setX(std::min(lloc.x(), pantalla.right() - frameGeometry().width()));
        lloc.setY(std::clamp(lloc.y(), pantalla.top(), std::max(pantalla.top(), pantalla.bottom() - frameGeometry().height())));
        move(lloc);
    }
    // The increment's label is also its name for screen readers.
    if (auto* etiqueta = findChild<QLabel*>(QStringLiteral("LabelIncrement")))
        increment_->setAccessibleName(etiqueta->text());
    ActualitzarTitol();
    camps_[0]->setFocus();
}

void TFormCanviDeParametres::ActualitzarTitol() {
    setWindowTitle(
        QString::fromStdString(TitolCanviDeParametres(estat_.Funcions, estat_.Missatges)));
}

void TFormCanviDeParametres::CampCanviat(int i) {
    double valor = 0;
    if (calc_.CalcularExpressio(camps_[static_cast<std::size_t>(i)]->text().toStdString(),
                                estat_.Parametres(), valor) != 0)
        return;
    estat_.Parametres()[i] = valor;
    if (aplicar_) aplicar_();
    ActualitzarTitol();
}

void TFormCanviDeParametres::Pas(int i, bool amunt) {
    if (i < 0 || i >= 6) return;
    QLineEdit* camp = camps_[static_cast<std::size_t>(i)];
    std::string nou;
    if (PasParametre(camp->text().toStdString(), increment_->text().toStdString(), amunt,
                     estat_.Parametres(), calc_, nou) != 0)
        return;
    camp->setText(QString::fromStdString(nou));
}

bool TFormCanviDeParametres::eventFilter(QObject* objecte, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(e)->key();
        for (int i = 0; i < 6; ++i)
            if (objecte == camps_[static_cast<std::size_t>(i)] && (tecla == Qt::Key_Up || tecla == Qt::Key_Down)) {
                Pas(i, tecla == Qt::Key_Up);
                return true;
            }
    }
    return QDialog::eventFilter(objecte, e);
}

} // namespace tracima
