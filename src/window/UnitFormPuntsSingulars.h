// The pause dialog of the traced analyses ("Punts Singulars"): the status text
// of the point found (or of the column where Escape paused), "Continuar" and
// "Cancel.lar"; it places itself in the lower-left corner of the main window.
#pragma once

#include <QDialog>

class QLabel;

namespace tracima {

class TFormPuntsSingulars : public QDialog {
    Q_OBJECT
  public:
    explicit TFormPuntsSingulars(QWidget* pare = nullptr);

    // Shows `text` in LabelX and runs modally: true for "Continuar".
    bool Preguntar(const QString& text);

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    QLabel* labelX_ = nullptr;
};

} // namespace tracima
