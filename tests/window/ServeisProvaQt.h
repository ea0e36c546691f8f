// What the window tests share: services that record what was asked and answer from
// queues, showing nothing; the main window on them; a script answering modal dialogs.
#pragma once

#include "window/ServeisQt.h"
#include "window/UnitFormPrincipal.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QPointer>
#include <QPrinter>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <deque>
#include <functional>

inline void PrintTo(const QString& s, std::ostream* o) { *o << '"' << s.toStdString() << '"'; }

namespace tracima {

struct ServeisProva : Serveis {
    struct Missatge { QString titol, text; IconaMissatge icona; };
    std::vector<Missatge> missatges, preguntes, preguntesDesar;
    std::deque<bool> respostes;      // Preguntar; "No" when empty
    std::deque<RespostaDesar> desar; // PreguntarDesar; "No" (discard) when empty
    std::deque<QString> textos;      // DemanarText; Cancel when empty
    std::deque<QString> fitxers;     // file dialogs; Cancel when empty
    QString impressioPdf;            // the print dialog prints to this PDF file; Cancel when empty
    QString carpetaText;             // the clipboard's text
    QString carpetaHtml;             // and its HTML, when it has one
    QList<QUrl> urls;                // the addresses opened in the desktop's programs
    QImage carpetaImatge;            // the clipboard's image

    // The front of a queue, taken off it, or `buit` when the queue is empty.
    template <class T> static T Treure(std::deque<T>& cua, T buit = {}) {
        if (!cua.empty()) buit = std::move(cua.front()), cua.pop_front();
        return buit;
    }
    QStringList Missatges() const {
        QStringList textos;
        for (const Missatge& m : missatges) textos << m.text;
        return textos;
    }
    void MostrarMissatge(QWidget*, const QString& titol, const QString& text, IconaMissatge icona) override {
        missatges.push_back({titol, text, icona});
    }
    bool Preguntar(QWidget*, const QString& titol, const QString& text, IconaMissatge icona) override {
        preguntes.push_back({titol, text, icona});
        return Treure(respostes, false);
    }
    RespostaDesar PreguntarDesar(QWidget*, const QString& titol, const QString& text) override {
        preguntesDesar.push_back({titol, text, IconaMissatge::Pregunta});
        return Treure(desar, RespostaDesar::Descartar);
    }
    bool DemanarText(QWidget*, const QString&, const QString&, QString& text) override {
        if (textos.empty()) return false;
        text = Treure(textos);
        return true;
    }
    QString TriarFitxerObrir(QWidget*, const QString&, const QString&, const QString&) override { return Treure(fitxers); }
    QString TriarFitxerDesar(QWidget*, const QString&, const QString&, const QString&) override { return Treure(fitxers); }
    bool TriarImpressora(QWidget*, QPrinter& impressora) override {
        impressora.setOutputFormat(QPrinter::PdfFormat);
        impressora.setOutputFileName(impressioPdf);
        return !impressioPdf.isEmpty();
    }
    void CopiarText(const QString& text) override { carpetaText = text; }
    bool ObrirUrl(const QUrl& url) override {
        urls << url;
        return true;
    }
    void CopiarTextIHtml(const QString& text, const QString& html) override {
        carpetaText = text;
        carpetaHtml = html;
    }
    QString TextCarpeta() override { return carpetaText; }
    void CopiarImatge(const QImage& imatge) override { carpetaImatge = imatge; }
};

// The main window in Catalan on the test services, with these formulas applied.
struct Finestra {
    ServeisProva s;
    std::unique_ptr<TFormPrincipal> f = std::make_unique<TFormPrincipal>(s);
    explicit Finestra(const std::vector<std::string>& funcions = {}) {
        f->IniciarLlengua("Catala");
        if (!funcions.empty()) Funcions(funcions);
    }
    ConjuntFuncions& Cf() { return f->Estat().Funcions; }
    EstatResultats& R() { return f->Estat().Resultats; }
    void Funcions(const std::vector<std::string>& textos) {
        for (std::size_t i = 0; i < textos.size(); ++i) Cf().Slots[i].Text = textos[i];
        f->AplicarFuncionsFinestra();
    }
    void Comanda(const char* nom) { f->Accio(nom)->trigger(); }
};

// Answers modal dialogs as they open: each step runs, in order, on the dialog it
// names (objectName, else class name); a dialog no step waits for goes, once it
// has stayed the active one for 10 ms (not while a dialog closes back to the one
// below it), to `altrament` (rejected by default). `vistos`: the dialogs answered.
struct Guio {
    using Pas = std::function<void(QWidget*)>;
    std::deque<std::pair<QString, Pas>> passos;
    Pas altrament = [](QWidget* w) { if (auto* d = qobject_cast<QDialog*>(w)) d->reject(); };
    QStringList vistos;
    QTimer timer;
    QElapsedTimer activa;
    QWidget* ultim = nullptr;
    bool pendent = false;
    Guio() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (w == nullptr || pendent) return;
            if (w != ultim) ultim = w, activa.start();
            const QString nom = w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName();
            const bool esperat = !passos.empty() && passos.front().first == nom;
            if (!esperat && activa.elapsed() < 10) return;
            const Pas pas = esperat ? ServeisProva::Treure(passos).second : altrament;
            vistos << nom;
            pendent = true; // the step runs outside this slot: a dialog it opens needs this timer
            QTimer::singleShot(0, &timer, [this, pas, w = QPointer<QWidget>(w)] {
                pendent = false;
                if (w) pas(w);
            });
        });
        timer.start(1);
    }
    void operator()(const char* dialeg, Pas pas) { passos.emplace_back(dialeg, std::move(pas)); }
};

inline void Clicar(QWidget* w, const char* boto) { w->findChild<QAbstractButton*>(boto)->click(); }

inline void EscriureFitxer(const QString& cami, const QByteArray& contingut) {
    QDir().mkpath(QFileInfo(cami).absolutePath());
    QFile f(cami);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << cami.toStdString();
    f.write(contingut);
}

} // namespace tracima
