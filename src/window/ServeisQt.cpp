#include "window/ServeisQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QUrl>

namespace tracima {
namespace {

QMessageBox::Icon IconaQt(IconaMissatge icona) {
    switch (icona) {
    case IconaMissatge::Pregunta: return QMessageBox::Question;
    case IconaMissatge::Avis: return QMessageBox::Warning;
    case IconaMissatge::Exclamacio: return QMessageBox::Warning;
    case IconaMissatge::Informacio: break;
    }
    return QMessageBox::Information;
}

// The boxes' buttons in the interface language.
struct TextsBotons {
    const char *si, *no, *dacord, *cancelar;
};
// (The Cancel button of a box is named as the program's cancel buttons are.)
constexpr TextsBotons Botons[] = {{"&Sí", "&No", "D'acord", "&Cancel.lar"},
                                  {"&Sí", "&No", "Aceptar", "&Cancelar"},
                                  {"&Yes", "&No", "OK", "&Cancel"}};

// A box at least as wide as its title, which the window manager would cut.
void AmpleDelTitol(QMessageBox& caixa) {
    if (auto* graella = qobject_cast<QGridLayout*>(caixa.layout())) {
        const int amplada = caixa.fontMetrics().horizontalAdvance(caixa.windowTitle()) + 140;
        graella->addItem(new QSpacerItem(amplada, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                         graella->rowCount(), 0, 1, graella->columnCount());
    }
}

void TraduirBotons(QMessageBox& caixa, const TextsBotons& t) {
    AmpleDelTitol(caixa);
    const std::pair<QMessageBox::StandardButton, const char*> botons[] = {
        {QMessageBox::Yes, t.si}, {QMessageBox::No, t.no}, {QMessageBox::Ok, t.dacord},
        {QMessageBox::Cancel, t.cancelar}};
    for (const auto& [boto, text] : botons)
        if (QAbstractButton* b = caixa.button(boto)) b->setText(QString::fromUtf8(text));
}

} // namespace

void ServeisQt::MostrarMissatge(QWidget* pare, const QString& titol, const QString& text,
                                IconaMissatge icona) {
    QMessageBox caixa(IconaQt(icona), titol, text, QMessageBox::Ok, pare);
    caixa.setObjectName("MissatgeTracima");
    TraduirBotons(caixa, EnLlengua(Botons, llengua_));
    caixa.exec();
}

bool ServeisQt::Preguntar(QWidget* pare, const QString& titol, const QString& text,
                          IconaMissatge icona) {
    QMessageBox caixa(IconaQt(icona), titol, text, QMessageBox::Yes | QMessageBox::No, pare);
    caixa.setObjectName("PreguntaTracima");
    TraduirBotons(caixa, EnLlengua(Botons, llengua_));
    return caixa.exec() == QMessageBox::Yes;
}

bool ServeisQt::DemanarText(QWidget* pare, const QString& titol, const QString& pregunta,
                            QString& text) {
    QInputDialog caixa(pare);
    caixa.setObjectName("EntradaTracima");
    caixa.setWindowTitle(titol);
    caixa.setLabelText(pregunta);
    caixa.setTextValue(text);
    // As wide as its title, which the window manager would cut otherwise (the box's
    // layout fixes its size, so its text box is widened).
    if (auto* linia = caixa.findChild<QLineEdit*>())
        linia->setMinimumWidth(caixa.fontMetrics().horizontalAdvance(titol) + 120);
    caixa.setOkButtonText(QString::fromUtf8(EnLlengua(Botons, llengua_).dacord));
    caixa.setCancelButtonText(QString::fromUtf8(EnLlengua(Botons, llengua_).cancelar));
    if (caixa.exec() != QDialog::Accepted) return false;
    text = caixa.textValue();
    return true;
}

RespostaDesar ServeisQt::PreguntarDesar(QWidget* pare, const QString& titol, const QString& text) {
    QMessageBox caixa(QMessageBox::Question, titol, text,
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, pare);
    caixa.setObjectName("PreguntaDesarTracima");
    caixa.setDefaultButton(QMessageBox::Yes);
    TraduirBotons(caixa, EnLlengua(Botons, llengua_));
    switch (caixa.exec()) {
    case QMessageBox::Yes: return RespostaDesar::Desar;
    case QMessageBox::No: return RespostaDesar::Descartar;
    default: return RespostaDesar::Cancellar;
    }
}

namespace {

QString TriarFitxer(QWidget* pare, const QString& titol, const QString& inicial, const QString& filtre,
                    QFileDialog::AcceptMode mode) {
    QFileDialog dialeg(pare, titol, inicial, filtre);
    dialeg.setObjectName(QStringLiteral("DialegFitxer"));
    dialeg.setAcceptMode(mode);
    dialeg.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The suffix added to a bare name: the first pattern of the chosen filter.
    const auto sufix = [&dialeg](const QString& f) {
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(f);
        dialeg.setDefaultSuffix(m.hasMatch() ? m.captured(1) : QString());
    };
    sufix(dialeg.selectedNameFilter());
    QObject::connect(&dialeg, &QFileDialog::filterSelected, &dialeg, sufix);
    if (dialeg.exec() != QDialog::Accepted || dialeg.selectedFiles().isEmpty()) return {};
    return dialeg.selectedFiles().first();
}

} // namespace

QString ServeisQt::TriarFitxerObrir(QWidget* pare, const QString& titol, const QString& inicial,
                                    const QString& filtre) {
    return TriarFitxer(pare, titol, inicial, filtre, QFileDialog::AcceptOpen);
}

QString ServeisQt::TriarFitxerDesar(QWidget* pare, const QString& titol, const QString& inicial,
                                    const QString& filtre) {
    return TriarFitxer(pare, titol, inicial, filtre, QFileDialog::AcceptSave);
}

bool ServeisQt::TriarImpressora(QWidget* pare, QPrinter& impressora) {
    QPrintDialog dialeg(&impressora, pare);
    dialeg.setObjectName(QStringLiteral("DialegImpressio"));
    return dialeg.exec() == QDialog::Accepted;
}

bool ServeisQt::ObrirUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

void ServeisQt::CopiarText(const QString& text) { QApplication::clipboard()->setText(text); }

void ServeisQt::CopiarTextIHtml(const QString& text, const QString& html) {
    auto* dades = new QMimeData;
    dades->setText(text);
    dades->setHtml(html);
    QApplication::clipboard()->setMimeData(dades);
}

QString ServeisQt::TextCarpeta() {
    const QMimeData* dades = QApplication::clipboard()->mimeData();
    if (dades == nullptr || !dades->hasText()) return {};
    return dades->text();
}

void ServeisQt::CopiarImatge(const QImage& imatge) { QApplication::clipboard()->setImage(imatge); }

} // namespace tracima
