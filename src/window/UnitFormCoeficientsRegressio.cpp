#include "window/UnitFormCoeficientsRegressio.h"

#include "engine/UnitTools.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tracima {
namespace {

constexpr const char* Models[] = {"Lineal", "Quadratic", "Exponencial", "Potencial", "Invers"};

QLabel* Etiqueta(QWidget* pare, const char* nom) {
    auto* l = new QLabel(pare);
    l->setObjectName(QString::fromLatin1(nom));
    return l;
}

} // namespace

TFormCoeficients::TFormCoeficients(const TaulaMissatges& missatges, Serveis& serveis, QWidget* pare)
    : QDialog(pare), missatges_(missatges), serveis_(serveis) {
    setObjectName(QStringLiteral("FormCoeficients"));
    setModal(true);
    auto* capsa = new QVBoxLayout(this);

    auto* extrems = new QGridLayout;
    const char* nomsExtrems[][2] = {{"LabelXMinim", "EditXMinim"}, {"LabelXMaxim", "EditXMaxim"},
                                    {"LabelYMinim", "EditYMinim"}, {"LabelYMaxim", "EditYMaxim"}};
    for (int i = 0; i < 4; ++i) {
        QLabel* l = Etiqueta(this, nomsExtrems[i][0]);
        QLineEdit* e = CrearCamp(QString::fromLatin1(nomsExtrems[i][1]));
        l->setBuddy(e);
        extrems->addWidget(l, i / 2, (i % 2) * 2);
        extrems->addWidget(e, i / 2, (i % 2) * 2 + 1);
    }
    capsa->addLayout(extrems);

    auto grupXY = [this](const char* nomGrup, const char* etX, const char* campX, const char* etY,
                         const char* campY) {
        auto* g = new QGroupBox(this);
        g->setObjectName(QString::fromLatin1(nomGrup));
        auto* f = new QHBoxLayout(g);
        for (auto [et, camp] : {std::pair{etX, campX}, std::pair{etY, campY}}) {
            QLabel* l = Etiqueta(g, et);
            QLineEdit* e = CrearCamp(QString::fromLatin1(camp));
            l->setBuddy(e);
            f->addWidget(l);
            f->addWidget(e);
        }
        return g;
    };
    auto* fila = new QHBoxLayout;
    fila->addWidget(grupXY("GroupBoxMitjanaAritmetica", "LabelMitjanaX", "EditMitjanaX", "LabelMitjanaY",
                           "EditMitjanaY"));
    fila->addWidget(grupXY("GroupBoxDesviacioTipus", "LabelDesviacioX", "EditDesviacioX", "LabelDesviacioY",
                           "EditDesviacioY"));
    capsa->addLayout(fila);
    auto* cov = new QHBoxLayout;
    QLabel* lCov = Etiqueta(this, "LabelCovariancia");
    QLineEdit* eCov = CrearCamp(QStringLiteral("EditCovariancia"));
    lCov->setBuddy(eCov);
    cov->addWidget(lCov);
    cov->addWidget(eCov);
    cov->addStretch(1);
    capsa->addLayout(cov);

    auto* r = new QGroupBox(this);
    r->setObjectName(QStringLiteral("GroupBoxCoeficientsCorrelacio"));
    auto* e = new QGroupBox(this);
    e->setObjectName(QStringLiteral("GroupBoxErrorQuadraticMig"));
    auto* gr = new QGridLayout(r);
    auto* ge = new QVBoxLayout(e);
    for (int i = 0; i < 5; ++i) {
        const QString model = QString::fromLatin1(Models[i]);
        auto* l = new QLabel(r);
        l->setObjectName(QStringLiteral("LabelModel") + model);
        QLineEdit* campR = CrearCamp(QStringLiteral("EditR") + model);
        l->setBuddy(campR);
        gr->addWidget(l, i, 0);
        gr->addWidget(campR, i, 1);
        ge->addWidget(CrearCamp(QStringLiteral("EditError") + model));
    }
    auto* models = new QHBoxLayout;
    models->addWidget(r, 2);
    models->addWidget(e, 1);
    capsa->addLayout(models);

    auto* botons = new QHBoxLayout;
    auto* copiar = new QPushButton(this);
    copiar->setObjectName(QStringLiteral("BitBtnCopiar"));
    copiar->setDefault(true);
    auto* cancelar = new QPushButton(this);
    cancelar->setObjectName(QStringLiteral("BitBtn2"));
    cancelar->setAutoDefault(false);
    connect(copiar, &QPushButton::clicked, this, &TFormCoeficients::BitBtnCopiarClick);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    botons->addStretch(1);
    botons->addWidget(copiar);
    botons->addWidget(cancelar);
    capsa->addLayout(botons);
}

QLineEdit* TFormCoeficients::CrearCamp(const QString& nom) {
    auto* e = new QLineEdit(this);
    e->setObjectName(nom);
    e->setReadOnly(true);
    e->setMinimumWidth(110);
    camps_[nom] = e;
    return e;
}

QString TFormCoeficients::Camp(const QString& nom) const {
    const auto it = camps_.find(nom);
    return it == camps_.end() ? QString() : it->second->text();
}

void TFormCoeficients::Mostrar(const CoeficientsRegressio& c) {
    c_ = c;
    auto fixar = [this](const char* nom, const std::string& text) {
        camps_[QString::fromLatin1(nom)]->setText(QString::fromStdString(text));
    };
    fixar("EditXMinim", NumeroAText(c.XMinim));
    fixar("EditXMaxim", NumeroAText(c.XMaxim));
    fixar("EditYMinim", NumeroAText(c.YMinim));
    fixar("EditYMaxim", NumeroAText(c.YMaxim));
    fixar("EditMitjanaX", NumeroAText(c.MitjanaX));
    fixar("EditMitjanaY", NumeroAText(c.MitjanaY));
    fixar("EditDesviacioX", NumeroAText(c.DesviacioX));
    fixar("EditDesviacioY", NumeroAText(c.DesviacioY));
    fixar("EditCovariancia", NumeroAText(c.Covariancia));
    for (int i = 0; i < 5; ++i) {
        const QString model = QString::fromLatin1(Models[i]);
        camps_[QStringLiteral("EditR") + model]->setText(QString::fromStdString(c.TextR(i + 1)));
        QLineEdit* error = camps_[QStringLiteral("EditError") + model];
        error->setText(QString::fromStdString(c.TextError(i + 1)));
        // The error boxes have no label of their own: named by their row and column.
        if (const auto* grup = findChild<QGroupBox*>(QStringLiteral("GroupBoxErrorQuadraticMig")))
            if (const auto* fila = findChild<QLabel*>(QStringLiteral("LabelModel") + model))
                error->setAccessibleName(fila->text() + QLatin1Char(' ') + grup->title());
    }
    adjustSize();
    if (const QScreen* pantalla = screen())
        move(pantalla->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    exec();
}

void TFormCoeficients::BitBtnCopiarClick() {
    serveis_.CopiarText(QString::fromStdString(TextCopiarCoeficients(c_, missatges_)));
    accept();
}

} // namespace tracima
