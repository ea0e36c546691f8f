// The report of a function study: the study as a document with a table per
// section, and buttons to copy it (plain text and HTML), save it (HTML or plain
// text) and close it. Not modal: the graph with the study's marks stays usable.
#pragma once

#include "analysis/Estudi.h"
#include "window/ServeisQt.h"

#include <QDialog>

class QTextBrowser;

namespace tracima {

class TFormEstudi : public QDialog {
    Q_OBJECT
  public:
    TFormEstudi(const TaulaMissatges& missatges, Serveis& serveis, QWidget* pare = nullptr);

    // Shows `estudi` (the window is raised when already open).
    void Mostrar(const EstudiFuncio& estudi);
    // The report as the buttons give it.
    QString TextInforme() const { return text_; }
    QString HtmlInforme() const { return html_; }
    void BitBtnCopiarClick();
    // Writes the report to a file chosen in the file dialog: plain text for a name
    // ending in ".txt", HTML otherwise. False when nothing was written.
    bool BitBtnDesarClick();

  private:
    const TaulaMissatges& missatges_;
    Serveis& serveis_;
    QTextBrowser* text_browser_ = nullptr;
    QString text_, html_;
};

} // namespace tracima
