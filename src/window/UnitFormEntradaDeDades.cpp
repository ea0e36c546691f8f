#include "window/UnitFormEntradaDeDades.h"

#include "functionset/AjudaFormules.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tracima {
namespace {

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Tooltips (and screen-reader names) of the two picture buttons.
struct TextsBotons {
    const char* iniciarEixos;
    const char* funcioNumerica;
};
constexpr TextsBotons Botons[] = {{"Eixos inicials", "Funció numèrica"},
                                  {"Ejes iniciales", "Función numérica"},
                                  {"Initial axes", "Numeric function"}};

constexpr const char* Tancar[] = {"Tancar", "Cerrar", "Close"};

} // namespace

QComboBox* CrearCaixaEditable(QWidget* pare, const QString& nom) {
    auto* caixa = new QComboBox(pare);
    caixa->setObjectName(nom);
    caixa->setEditable(true);
    caixa->setInsertPolicy(QComboBox::NoInsert);
    // What is typed stays as typed: no completion from the list.
    caixa->setCompleter(nullptr);
    caixa->setMaxVisibleItems(20);
    // Long entries of the list scroll instead of being cut.
    caixa->view()->setTextElideMode(Qt::ElideNone);
    caixa->view()->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    caixa->lineEdit()->setObjectName(nom + QStringLiteral("Text"));
    return caixa;
}

TFormEntradaDeDades::TFormEntradaDeDades(EstatPrincipal& estat, Serveis& serveis, QWidget* pare)
    : QDialog(pare), estat_(estat), serveis_(serveis) {
    setObjectName(Text(FormEntradaDeDades));
    setModal(true);
    auto* graella = new QGridLayout;
    for (int i = 0; i < NombreSlotsFuncio; ++i) {
        const QString nom = Text(NomCaixaFuncio(i));
        QComboBox* caixa = CrearCaixaEditable(this, nom);
        for (const std::string& e : ExemplesFuncio()) caixa->addItem(QString::fromStdString(e));
        caixa->setCurrentIndex(-1);
        caixa->setEditText(QString());
        caixa->setMinimumWidth(300);
        auto* etiqueta = new QLabel(this);
        etiqueta->setObjectName(QStringLiteral("Label") + nom.mid(4));
        etiqueta->setBuddy(caixa);
        graella->addWidget(etiqueta, i, 0);
        graella->addWidget(caixa, i, 1);
        funcions_[static_cast<std::size_t>(i)] = caixa;
    }
    auto* graellaEixos = new QGridLayout;
    for (int i = 0; i < NombreCaixesEix; ++i) {
        const QString nom = Text(NomCaixaEix(i));
        QComboBox* caixa = CrearCaixaEditable(this, nom);
        for (std::string_view e : ExemplesEix(i)) caixa->addItem(Text(e));
        caixa->setEditText(Text(TextInicialEix(i)));
        auto* etiqueta = new QLabel(this);
        etiqueta->setObjectName(QStringLiteral("Label") + nom.mid(4));
        etiqueta->setBuddy(caixa);
        // X on the first row, Y on the second: origin, unit, final.
        const int fila = i / 3 * 2, columna = i % 3;
        graellaEixos->addWidget(etiqueta, fila, columna);
        graellaEixos->addWidget(caixa, fila + 1, columna);
        eixos_[static_cast<std::size_t>(i)] = caixa;
    }

    auto boto = [this](const char* nom) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(nom));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* acord = boto("BitBtnAcord");
    acord->setDefault(true);
    QPushButton* cancelar = boto("BitBtnCancelar");
    botoIniciarEixos_ = boto("BitBtnIniciarEixos");
    botoIniciarEixos_->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    botoFuncioNumerica_ = boto("BitBtnFuncioNumerica");
    botoFuncioNumerica_->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    botoIniciarEixos_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_E));
    botoFuncioNumerica_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_M));
    QPushButton* ajuda = boto("BitBtnAjuda");
    connect(acord, &QPushButton::clicked, this, &TFormEntradaDeDades::BitBtnAcordClick);
    connect(cancelar, &QPushButton::clicked, this, &TFormEntradaDeDades::BitBtnCancelarClick);
    connect(botoIniciarEixos_, &QPushButton::clicked, this, &TFormEntradaDeDades::BitBtnIniciarEixosClick);
    connect(botoFuncioNumerica_, &QPushButton::clicked, this, [this] {
        if (EnFuncioNumerica) EnFuncioNumerica();
    });
    connect(ajuda, &QPushButton::clicked, this, &TFormEntradaDeDades::BitBtnAjudaClick);

    auto* botons = new QHBoxLayout;
    for (QPushButton* b : {acord, cancelar, botoIniciarEixos_, botoFuncioNumerica_, ajuda}) botons->addWidget(b);
    auto* capsa = new QVBoxLayout(this);
    capsa->addLayout(graella);
    capsa->addSpacing(8);
    capsa->addLayout(graellaEixos);
    capsa->addStretch(1);
    capsa->addLayout(botons);
    resize(550, 418);
}

CaixesEntrada TFormEntradaDeDades::Caixes() const {
    CaixesEntrada c;
    for (int i = 0; i < NombreCaixesEix; ++i)
        c.eixos[static_cast<std::size_t>(i)] = eixos_[static_cast<std::size_t>(i)]->currentText().toStdString();
    for (int i = 0; i < NombreSlotsFuncio; ++i) c.funcions[static_cast<std::size_t>(i)] = TextFuncio(i);
    return c;
}

void TFormEntradaDeDades::FixarCaixes(const CaixesEntrada& caixes) {
    for (int i = 0; i < NombreCaixesEix; ++i)
        eixos_[static_cast<std::size_t>(i)]->setEditText(QString::fromStdString(caixes.eixos[static_cast<std::size_t>(i)]));
    for (int i = 0; i < NombreSlotsFuncio; ++i) FixarTextFuncio(i, caixes.funcions[static_cast<std::size_t>(i)]);
}

std::string TFormEntradaDeDades::TextFuncio(int slot) const {
    if (slot < 0 || slot >= NombreSlotsFuncio) return {};
    return funcions_[static_cast<std::size_t>(slot)]->currentText().toStdString();
}

void TFormEntradaDeDades::FixarTextFuncio(int slot, const std::string& text) {
    if (slot < 0 || slot >= NombreSlotsFuncio) return;
    funcions_[static_cast<std::size_t>(slot)]->setEditText(QString::fromStdString(text));
}

void TFormEntradaDeDades::FixarTextEix(int caixa, const std::string& text) {
    if (caixa < 0 || caixa >= NombreCaixesEix) return;
    eixos_[static_cast<std::size_t>(caixa)]->setEditText(QString::fromStdString(text));
}

void TFormEntradaDeDades::GuardarCopies() {
    for (int i = 0; i < NombreSlotsFuncio; ++i)
        copies_[static_cast<std::size_t>(i)] =
            estat_.Funcions.Slots[static_cast<std::size_t>(i)].Numerica;
}

void TFormEntradaDeDades::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (const QScreen* pantalla = screen())
        move(pantalla->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    const TextsBotons& t = EnLlengua(Botons, estat_.Missatges.LlenguaDelsTextos());
    // The picture buttons have no text to underline a letter in: Alt+E and Alt+M
    // reach them, as their tooltips say.
    botoIniciarEixos_->setToolTip(QString::fromUtf8(t.iniciarEixos) + QStringLiteral(" (Alt+E)"));
    botoIniciarEixos_->setAccessibleName(QString::fromUtf8(t.iniciarEixos));
    botoFuncioNumerica_->setToolTip(QString::fromUtf8(t.funcioNumerica) +
                                    QStringLiteral(" (Alt+M)"));
    botoFuncioNumerica_->setAccessibleName(QString::fromUtf8(t.funcioNumerica));
    funcions_[0]->setFocus();
}

void TFormEntradaDeDades::BitBtnAcordClick() {
    CaixesEntrada caixes = Caixes();
    validacio_ = ValidarEntrada(caixes, estat_.Parametres(), calc_);
    // Normalised boxes keep their new texts, also when a later step failed.
    for (int i = 0; i < NombreCaixesEix; ++i) {
        QComboBox* caixa = eixos_[static_cast<std::size_t>(i)];
        const QString nou = QString::fromStdString(caixes.eixos[static_cast<std::size_t>(i)]);
        if (caixa->currentText() != nou) caixa->setEditText(nou);
    }
    if (validacio_.missatge != 0) {
        serveis_.MostrarMissatge(this, Text(estat_.Missatges.TitolPrograma()),
                                 Text(estat_.Missatges.Missatge(validacio_.missatge)),
                                 IconaMissatge::Informacio);
        if (auto* caixa = findChild<QComboBox*>(Text(validacio_.caixa))) caixa->setFocus();
        return;
    }
    EntradaAcceptada = 1;
    accept();
}

void TFormEntradaDeDades::BitBtnCancelarClick() {
    reject();
}

void TFormEntradaDeDades::reject() {
    // Cancel (or Escape) puts back every numeric record as it was at the opening:
    // a table accepted meanwhile must not be drawn with the old equation.
    for (int i = 0; i < NombreSlotsFuncio; ++i)
        estat_.Funcions.Slots[static_cast<std::size_t>(i)].Numerica =
            copies_[static_cast<std::size_t>(i)];
    QDialog::reject();
}

void TFormEntradaDeDades::BitBtnIniciarEixosClick() {
    CaixesEntrada caixes = Caixes();
    IniciarEixos(caixes);
    for (int i = 0; i < NombreCaixesEix; ++i)
        eixos_[static_cast<std::size_t>(i)]->setEditText(QString::fromStdString(caixes.eixos[static_cast<std::size_t>(i)]));
}

void TFormEntradaDeDades::BitBtnAjudaClick() { MostrarAjudaFormules(this, estat_.Missatges.LlenguaDelsTextos()); }

void MostrarAjudaFormules(QWidget* pare, Llengua llengua) {
    QDialog ajuda(pare);
    ajuda.setObjectName(QStringLiteral("FormAjudaFormules"));
    ajuda.setWindowTitle(Text(TitolAjudaFormules(llengua)));
    auto* text = new QTextBrowser(&ajuda);
    text->setObjectName(QStringLiteral("TextAjuda"));
    text->setHtml(Text(TextAjudaFormules(llengua)));
    text->setAccessibleName(Text(TitolAjudaFormules(llengua)));
    auto* botons = new QDialogButtonBox(&ajuda);
    QPushButton* tancar = botons->addButton(QString::fromUtf8(EnLlengua(Tancar, llengua)),
                                            QDialogButtonBox::RejectRole);
    tancar->setObjectName(QStringLiteral("BitBtnTancar"));
    QObject::connect(botons, &QDialogButtonBox::rejected, &ajuda, &QDialog::reject);
    auto* capsa = new QVBoxLayout(&ajuda);
    capsa->addWidget(text);
    capsa->addWidget(botons);
    ajuda.resize(560, 520);
    ajuda.exec();
}

} // namespace tracima
