#include "window/UnitFormParlantDe.h"

#include "text/Missatges.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#ifndef TRACIMA_VERSIO
#define TRACIMA_VERSIO "0"
#endif

namespace tracima {
namespace {

struct TextsParlantDe {
    const char* titol;
    const char* versio;
    const char* descripcio;
    const char* llicencia;
    const char* dacord;
};

constexpr TextsParlantDe Textos[] = {
    {"Parlant de Tracima", "Versió %1",
     "Estudi de funcions reals d'una variable real: gràfiques, punts notables, intervals, "
     "derivades, integrals i funcions numèriques.",
     "Programari lliure sota la llicència MIT.", "D'acord"},
    {"Acerca de Tracima", "Versión %1",
     "Estudio de funciones reales de una variable real: gráficas, puntos notables, intervalos, "
     "derivadas, integrales y funciones numéricas.",
     "Software libre bajo la licencia MIT.", "Aceptar"},
    {"About Tracima", "Version %1",
     "The study of real functions of one real variable: graphs, notable points, intervals, "
     "derivatives, integrals and numeric functions.",
     "Free software under the MIT licence.", "OK"},
};

} // namespace

const char* VersioPrograma() { return TRACIMA_VERSIO; }

TFormParlantDe::TFormParlantDe(const TaulaMissatges& missatges, QWidget* pare)
    : QDialog(pare), missatges_(missatges) {
    setObjectName(QStringLiteral("FormParlantDe"));
    setModal(true);
    labelNom_ = new QLabel(this);
    labelNom_->setObjectName(QStringLiteral("LabelNom"));
    labelNom_->setAlignment(Qt::AlignCenter);
    labelNom_->setTextFormat(Qt::RichText);
    labelDescripcio_ = new QLabel(this);
    labelDescripcio_->setObjectName(QStringLiteral("LabelDescripcio"));
    labelDescripcio_->setWordWrap(true);
    labelDescripcio_->setAlignment(Qt::AlignCenter);
    labelLlicencia_ = new QLabel(this);
    labelLlicencia_->setObjectName(QStringLiteral("LabelLlicencia"));
    labelLlicencia_->setAlignment(Qt::AlignCenter);
    botoDAcord_ = new QPushButton(this);
    botoDAcord_->setObjectName(QStringLiteral("BitBtnDAcord"));
    botoDAcord_->setDefault(true);
    connect(botoDAcord_, &QPushButton::clicked, this, &QDialog::accept);

    auto* capsa = new QVBoxLayout(this);
    capsa->addWidget(labelNom_);
    capsa->addWidget(labelDescripcio_);
    capsa->addWidget(labelLlicencia_);
    capsa->addWidget(botoDAcord_, 0, Qt::AlignHCenter);
    setMinimumWidth(340);
    ActualitzarTextos();
}

void TFormParlantDe::ActualitzarTextos() {
    const TextsParlantDe& t = EnLlengua(Textos, missatges_.LlenguaDelsTextos());
    const QString versio = QString::fromUtf8(t.versio).arg(QString::fromUtf8(VersioPrograma()));
    setWindowTitle(QString::fromUtf8(t.titol));
    labelNom_->setText(QStringLiteral("<h2>Tracima</h2>") + versio.toHtmlEscaped());
    labelNom_->setAccessibleName(QStringLiteral("Tracima ") + versio);
    labelDescripcio_->setText(QString::fromUtf8(t.descripcio));
    labelLlicencia_->setText(QString::fromUtf8(t.llicencia));
    botoDAcord_->setText(QString::fromUtf8(t.dacord));
    botoDAcord_->setAccessibleName(QString::fromUtf8(t.dacord));
}

void TFormParlantDe::showEvent(QShowEvent* e) {
    ActualitzarTextos();
    QDialog::showEvent(e);
    // Shown before the main window at start-up: centred on the screen.
    adjustSize();
    if (const QScreen* pantalla = screen())
        move(pantalla->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

} // namespace tracima
