// What the interpolation and regression table dialogs share: the grid, the
// row buttons, "Iniciar", "Copiar" and "Enganxar" through the services, the
// refusal of a reading (message, cursor cell, focus) and the help button.
#pragma once

#include "app/EstatPrincipal.h"
#include "app/ServeisQt.h"
#include "numeric/GraellaValorsQt.h"

#include <QDialog>

class QBoxLayout;
class QPushButton;

namespace tracima {

class DialegTaulaQt : public QDialog {
    Q_OBJECT
  public:
    GraellaValorsQt* Graella() const { return graella_; }

    void BitBtnSeguentClick();
    void BitBtnAnteriorClick();
    void BitBtnInserirClick();
    void BitBtnSuprimirClick();
    void BitBtnIniciarClick();
    void BitBtnCopiarClick();
    void BitBtnEnganxarClick();
    virtual void BitBtnDAcordClick() = 0;

  protected:
    DialegTaulaQt(const QString& nom, GraellaValors& model, EstatPrincipal& estat, Serveis& serveis,
                  QWidget* pare);
    void showEvent(QShowEvent* e) override;

    // Message box (program title, information icon) with the text of `slot`.
    void MostrarMissatge(int slot);
    // A refused reading: its message, the cursor on its cell, the focus on the grid.
    void MostrarRefus(const Refus& r);
    // The record of the function being edited.
    FuncioNumerica& Registre();
    // Where a dialog puts its own options (under the grid) and buttons (beside
    // "D'acord").
    QBoxLayout* Opcions() const { return opcions_; }
    QPushButton* CrearBoto(const char* nom);

    EstatPrincipal& estat_;
    Serveis& serveis_;
    GraellaValors& model_;
    GraellaValorsQt* graella_ = nullptr;

  private:
    void Despres();
    QBoxLayout* opcions_ = nullptr;
    QBoxLayout* botons_ = nullptr;
};

} // namespace tracima
