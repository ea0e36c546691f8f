// The window's dealings with the person and the desktop that tests must answer
// without showing anything: message boxes, yes/no questions, one-line input
// boxes, file dialogs and the clipboard. The window talks only to `Serveis`;
// `ServeisQt` shows real windows, a test implementation records the calls and
// returns queued answers.
#pragma once

#include "text/Missatges.h"

#include <QImage>
#include <QString>

class QPrinter;
class QUrl;
class QWidget;

namespace tracima {

enum class IconaMissatge { Informacio, Pregunta, Avis, Exclamacio };
enum class RespostaDesar { Desar, Descartar, Cancellar };

class Serveis {
  public:
    virtual ~Serveis() = default;
    // A modal message box with an OK button.
    virtual void MostrarMissatge(QWidget* pare, const QString& titol, const QString& text,
                                 IconaMissatge icona) = 0;
    // A modal Yes/No box: true for Yes.
    virtual bool Preguntar(QWidget* pare, const QString& titol, const QString& text,
                           IconaMissatge icona) = 0;
    // Yes (save), No (discard) or Cancel (go back), with the question icon.
    virtual RespostaDesar PreguntarDesar(QWidget* pare, const QString& titol, const QString& text) = 0;
    // A one-line input box; `text` is shown and receives what was typed. False
    // for Cancel (then `text` is left as it was).
    virtual bool DemanarText(QWidget* pare, const QString& titol, const QString& pregunta,
                             QString& text) = 0;
    // The open and save file dialogs: the chosen path, empty for Cancel. The
    // default suffix is the one of the chosen filter's first pattern; saving over
    // an existing file asks first.
    virtual QString TriarFitxerObrir(QWidget* pare, const QString& titol,
                                     const QString& inicial, const QString& filtre) = 0;
    virtual QString TriarFitxerDesar(QWidget* pare, const QString& titol,
                                     const QString& inicial, const QString& filtre) = 0;
    // The print dialog for `impressora`: true when the person chose to print.
    virtual bool TriarImpressora(QWidget* pare, QPrinter& impressora) = 0;
    // The clipboard: plain text in and out (a null string when it holds no text),
    // and an image out.
    virtual void CopiarText(const QString& text) = 0;
    // Plain text and the same as HTML, for programs that paste either.
    virtual void CopiarTextIHtml(const QString& text, const QString& html) = 0;
    virtual QString TextCarpeta() = 0;
    virtual void CopiarImatge(const QImage& imatge) = 0;
    // The language of the buttons of the boxes shown from now on.
    virtual void FixarLlengua(Llengua) {}
    // Opens a file or address in the desktop's program for it (the browser for a
    // page). False when nothing could open it.
    virtual bool ObrirUrl(const QUrl& url) = 0;
};

class ServeisQt : public Serveis {
  public:
    void MostrarMissatge(QWidget* pare, const QString& titol, const QString& text,
                         IconaMissatge icona) override;
    bool Preguntar(QWidget* pare, const QString& titol, const QString& text,
                   IconaMissatge icona) override;
    RespostaDesar PreguntarDesar(QWidget* pare, const QString& titol, const QString& text) override;
    bool DemanarText(QWidget* pare, const QString& titol, const QString& pregunta,
                     QString& text) override;
    QString TriarFitxerObrir(QWidget* pare, const QString& titol, const QString& inicial,
                             const QString& filtre) override;
    QString TriarFitxerDesar(QWidget* pare, const QString& titol, const QString& inicial,
                             const QString& filtre) override;
    bool TriarImpressora(QWidget* pare, QPrinter& impressora) override;
    void CopiarText(const QString& text) override;
    void CopiarTextIHtml(const QString& text, const QString& html) override;
    QString TextCarpeta() override;
    void CopiarImatge(const QImage& imatge) override;
    void FixarLlengua(Llengua llengua) override { llengua_ = llengua; }
    bool ObrirUrl(const QUrl& url) override;

  private:
    Llengua llengua_ = Llengua::Catala;
};

} // namespace tracima
