// The about box ("Parlant de..."): the program's name, its version, what it is
// and its licence, in the language of the loaded texts. Modal; closed with its
// button, Escape or the close box.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tracima {

class TaulaMissatges;

class TFormParlantDe : public QDialog {
    Q_OBJECT
  public:
    TFormParlantDe(const TaulaMissatges& missatges, QWidget* pare = nullptr);

    // The texts in the current language (run before every showing).
    void ActualitzarTextos();

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    const TaulaMissatges& missatges_;
    QLabel* labelNom_ = nullptr;
    QLabel* labelDescripcio_ = nullptr;
    QLabel* labelLlicencia_ = nullptr;
    QPushButton* botoDAcord_ = nullptr;
};

// The version of this build ("0.1").
const char* VersioPrograma();

} // namespace tracima
