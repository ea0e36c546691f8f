#include "app/ServeisQt.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeData>

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

} // namespace

void ServeisQt::MostrarMissatge(QWidget* pare, const QString& titol, const QString& text,
                                IconaMissatge icona) {
    QMessageBox caixa(IconaQt(icona), titol, text, QMessageBox::Ok, pare);
    caixa.setObjectName("MissatgeTracima");
    caixa.exec();
}

bool ServeisQt::Preguntar(QWidget* pare, const QString& titol, const QString& text,
                          IconaMissatge icona) {
    QMessageBox caixa(IconaQt(icona), titol, text, QMessageBox::Yes | QMessageBox::No, pare);
    caixa.setObjectName("PreguntaTracima");
    return caixa.exec() == QMessageBox::Yes;
}

bool ServeisQt::DemanarText(QWidget* pare, const QString& titol, const QString& pregunta,
                            QString& text) {
    QInputDialog caixa(pare);
    caixa.setObjectName("EntradaTracima");
    caixa.setWindowTitle(titol);
    caixa.setLabelText(pregunta);
    caixa.setTextValue(text);
    if (caixa.exec() != QDialog::Accepted) return false;
    text = caixa.textValue();
    return true;
}

QString ServeisQt::TriarFitxerObrir(QWidget* pare, const QString& titol, const QString& inicial,
                                    const QString& filtre) {
    return QFileDialog::getOpenFileName(pare, titol, inicial, filtre);
}

QString ServeisQt::TriarFitxerDesar(QWidget* pare, const QString& titol, const QString& inicial,
                                    const QString& filtre) {
    return QFileDialog::getSaveFileName(pare, titol, inicial, filtre);
}

void ServeisQt::CopiarText(const QString& text) { QApplication::clipboard()->setText(text); }

QString ServeisQt::TextCarpeta() {
    const QMimeData* dades = QApplication::clipboard()->mimeData();
    if (dades == nullptr || !dades->hasText()) return {};
    return dades->text();
}

void ServeisQt::CopiarImatge(const QImage& imatge) { QApplication::clipboard()->setImage(imatge); }

} // namespace tracima
