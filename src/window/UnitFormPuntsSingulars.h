// The pause dialog of the traced analyses ("Punts Singulars"): the status text
// of the point found (or of the column where Escape paused), "Continuar" and
// "Cancel.lar"; it grows to show the whole text and places itself in the
// lower-left corner of the main window. It has no minimise or maximise button.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace tracima {

class TFormPuntsSingulars : public QDialog {
    Q_OBJECT
  public:
    explicit TFormPuntsSingulars(QWidget* pare = nullptr);

    // Shows `text` in LabelX and runs modally: true for "Continuar".
    bool Preguntar(const QString& text);

  protected:
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

  private:
    void Ajustar();

    QFrame* panel_ = nullptr;
    QLabel* labelX_ = nullptr;
    QPushButton* continuar_ = nullptr;
    QPushButton* cancelar_ = nullptr;
};

} // namespace tracima
