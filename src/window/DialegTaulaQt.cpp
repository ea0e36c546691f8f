#include "window/DialegTaulaQt.h"

#include "window/UnitFormEntradaDeDades.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tracima {
namespace {

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

} // namespace

DialegTaulaQt::DialegTaulaQt(const QString& nom, GraellaValors& model, EstatPrincipal& estat,
                             Serveis& serveis, TFormEntradaDeDades& entrada, QWidget* pare)
    : QDialog(pare), estat_(estat), serveis_(serveis), model_(model), entrada_(entrada) {
    setObjectName(nom);
    setModal(true);
    graella_ = new GraellaValorsQt(model_, this);
    // As wide as its columns: the numbers, "X", "F(x)" and the scroll bar.
    graella_->setFixedWidth(graella_->verticalHeader()->width() + 2 * 80 +
                            graella_->verticalScrollBar()->sizeHint().width() + 2 * graella_->frameWidth());
    graella_->setMinimumHeight(320);
    graella_->EnCopiar = [this] { BitBtnCopiarClick(); };
    graella_->EnEnganxar = [this] { BitBtnEnganxarClick(); };

    auto* columna = new QVBoxLayout;
    const std::pair<const char*, void (DialegTaulaQt::*)()> fileres[] = {
        {"BitBtnSeguent", &DialegTaulaQt::BitBtnSeguentClick},
        {"BitBtnAnterior", &DialegTaulaQt::BitBtnAnteriorClick},
        {"BitBtnInserir", &DialegTaulaQt::BitBtnInserirClick},
        {"BitBtnSuprimir", &DialegTaulaQt::BitBtnSuprimirClick},
        {"BitBtnIniciar", &DialegTaulaQt::BitBtnIniciarClick},
        {"BitBtnEnganxar", &DialegTaulaQt::BitBtnEnganxarClick},
        {"BitBtnCopiar", &DialegTaulaQt::BitBtnCopiarClick},
    };
    for (const auto& [nomBoto, accio] : fileres) {
        QPushButton* b = CrearBoto(nomBoto);
        connect(b, &QPushButton::clicked, this, accio);
        columna->addWidget(b);
    }
    columna->addStretch(1);

    opcions_ = new QHBoxLayout;
    // The buttons stand right beside the grid, whatever the width of the options.
    auto* dalt = new QHBoxLayout;
    dalt->addWidget(graella_);
    dalt->addLayout(columna);
    dalt->addStretch(1);

    QPushButton* acord = CrearBoto("BitBtnDAcord");
    acord->setDefault(true);
    QPushButton* cancelar = CrearBoto("BitBtnCancelar");
    QPushButton* ajuda = CrearBoto("BitBtnAjuda");
    connect(acord, &QPushButton::clicked, this, [this] { BitBtnDAcordClick(); });
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    // The cells accept formulas: the help is the formula reference.
    connect(ajuda, &QPushButton::clicked, this,
            [this] { MostrarAjudaFormules(this, estat_.Missatges.LlenguaDelsTextos()); });
    botons_ = new QHBoxLayout;
    botons_->addWidget(acord);
    botons_->addWidget(cancelar);
    botons_->addWidget(ajuda);
    botons_->addStretch(1);

    auto* capsa = new QVBoxLayout(this);
    capsa->addLayout(dalt, 1);
    capsa->addLayout(opcions_);
    capsa->addLayout(botons_);
}

QPushButton* DialegTaulaQt::CrearBoto(const char* nom) {
    auto* b = new QPushButton(this);
    b->setObjectName(QString::fromLatin1(nom));
    b->setAutoDefault(false);
    // A button reached by its access key leaves the cell being typed into open:
    // it is stored before the button acts.
    connect(b, &QPushButton::clicked, graella_, &GraellaValorsQt::AcabarEdicio);
    return b;
}

void DialegTaulaQt::showEvent(QShowEvent* e) {
    RefrescarControls();
    QDialog::showEvent(e);
    static constexpr const char* NomsGraella[] = {"Taula de punts", "Tabla de puntos",
                                                  "Table of points"};
    graella_->setAccessibleName(
        QString::fromUtf8(EnLlengua(NomsGraella, estat_.Missatges.LlenguaDelsTextos())));
    if (const QScreen* pantalla = screen())
        move(pantalla->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    graella_->Refrescar();
    graella_->setFocus();
}

void DialegTaulaQt::BitBtnDAcordClick() {
    graella_->DesarCursor();
    std::string etiqueta;
    const Refus r = Acceptar(etiqueta);
    if (!r.Acceptat()) {
        MostrarRefus(r);
        return;
    }
    entrada_.FixarTextFuncio(estat_.Numerica.FuncioTriada - 1, etiqueta);
    accept();
}

FuncioNumerica& DialegTaulaQt::Registre() {
    const int i = std::clamp(estat_.Numerica.FuncioTriada, 1, NombreSlotsFuncio) - 1;
    return estat_.Funcions.Slots[static_cast<std::size_t>(i)].Numerica;
}

void DialegTaulaQt::MostrarMissatge(int slot) {
    serveis_.MostrarMissatge(this, Text(estat_.Missatges.TitolPrograma()), Text(estat_.Missatges.Missatge(slot)),
                             IconaMissatge::Informacio);
}

void DialegTaulaQt::MostrarRefus(const Refus& r) {
    model_.FixarCursor(r.Cursor);
    graella_->Refrescar();
    serveis_.MostrarMissatge(this, Text(estat_.Missatges.TitolPrograma()),
                             QString::fromStdString(TextRefus(r, model_, estat_.Missatges)),
                             IconaMissatge::Informacio);
    graella_->setFocus();
}

void DialegTaulaQt::Despres() {
    graella_->Refrescar();
    graella_->setFocus();
}

void DialegTaulaQt::BitBtnSeguentClick() {
    graella_->DesarCursor();
    model_.Seguent();
    Despres();
}

void DialegTaulaQt::BitBtnAnteriorClick() {
    graella_->DesarCursor();
    model_.Anterior();
    Despres();
}

void DialegTaulaQt::BitBtnInserirClick() {
    graella_->DesarCursor();
    model_.Inserir();
    Despres();
}

void DialegTaulaQt::BitBtnSuprimirClick() {
    graella_->DesarCursor();
    model_.Suprimir();
    Despres();
}

void DialegTaulaQt::BitBtnIniciarClick() {
    const TaulaMissatges& m = estat_.Missatges;
    const bool esborrar = serveis_.Preguntar(this, Text(m.TitolPrograma()), Text(m.Missatge(MissatgeEsborrarDades)),
                                             IconaMissatge::Pregunta);
    model_.Iniciar(esborrar);
    Despres();
}

void DialegTaulaQt::BitBtnCopiarClick() {
    const std::string text = model_.TextCopiar();
    if (!text.empty()) serveis_.CopiarText(QString::fromStdString(text));
    graella_->setFocus();
}

void DialegTaulaQt::BitBtnEnganxarClick() {
    const TaulaMissatges& m = estat_.Missatges;
    if (!serveis_.Preguntar(this, Text(m.TitolPrograma()), Text(m.Missatge(MissatgeEnganxarDades)),
                            IconaMissatge::Pregunta)) {
        graella_->setFocus();
        return;
    }
    const std::string text = serveis_.TextCarpeta().toStdString();
    if (model_.Enganxar(text) != 0) MostrarMissatge(MissatgeCarpetaSenseText);
    Despres();
}

} // namespace tracima
