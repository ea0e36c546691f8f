// The window's services for tests: records what was asked and answers from
// queues, showing nothing.
#pragma once

#include "window/ServeisQt.h"

#include <QPrinter>
#include <QStringList>

#include <deque>

namespace tracima {

struct ServeisProva : Serveis {
    struct Missatge {
        QString titol, text;
        IconaMissatge icona;
    };
    std::vector<Missatge> missatges, preguntes;
    std::deque<bool> respostes;         // Preguntar; "No" when empty
    std::deque<RespostaDesar> desar;    // PreguntarDesar; "No" (discard) when empty
    std::vector<Missatge> preguntesDesar;
    std::deque<QString> textos;         // DemanarText; Cancel when empty
    std::deque<QString> fitxers;        // file dialogs; Cancel when empty
    QString carpetaText;                // the clipboard's text
    QImage carpetaImatge;               // the clipboard's image

    void MostrarMissatge(QWidget*, const QString& titol, const QString& text,
                         IconaMissatge icona) override {
        missatges.push_back({titol, text, icona});
    }
    bool Preguntar(QWidget*, const QString& titol, const QString& text, IconaMissatge icona) override {
        preguntes.push_back({titol, text, icona});
        if (respostes.empty()) return false;
        const bool r = respostes.front();
        respostes.pop_front();
        return r;
    }
    RespostaDesar PreguntarDesar(QWidget*, const QString& titol, const QString& text) override {
        preguntesDesar.push_back({titol, text, IconaMissatge::Pregunta});
        if (desar.empty()) return RespostaDesar::Descartar;
        const RespostaDesar r = desar.front();
        desar.pop_front();
        return r;
    }
    bool DemanarText(QWidget*, const QString&, const QString&, QString& text) override {
        if (textos.empty()) return false;
        text = textos.front();
        textos.pop_front();
        return true;
    }
    QString Fitxer() {
        if (fitxers.empty()) return {};
        QString f = fitxers.front();
        fitxers.pop_front();
        return f;
    }
    QString TriarFitxerObrir(QWidget*, const QString&, const QString&, const QString&) override {
        return Fitxer();
    }
    QString TriarFitxerDesar(QWidget*, const QString&, const QString&, const QString&) override {
        return Fitxer();
    }
    QString impressioPdf; // the print dialog prints to this PDF file; Cancel when empty
    bool TriarImpressora(QWidget*, QPrinter& impressora) override {
        if (impressioPdf.isEmpty()) return false;
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(impressioPdf);
        return true;
    }
    void CopiarText(const QString& text) override { carpetaText = text; }
    QString TextCarpeta() override { return carpetaText; }
    void CopiarImatge(const QImage& imatge) override { carpetaImatge = imatge; }
};

} // namespace tracima
