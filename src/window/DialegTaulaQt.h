// What the interpolation and regression table dialogs share: the grid, the
// row buttons, "Iniciar", "Copiar" and "Enganxar" through the services, the
// refusal of a reading (message, cursor cell, focus) and the help button.
#pragma once

#include "document/EstatPrincipal.h"
#include "window/ServeisQt.h"
#include "window/GraellaValorsQt.h"

#include <QDialog>

class QBoxLayout;
class QPushButton;

namespace tracima {

class TFormEntradaDeDades;

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
    // "D'acord": the dialog's own acceptance; on a refusal its message, cursor cell
    // and focus, otherwise the label into the data entry dialog's box and close.
    void BitBtnDAcordClick();

  protected:
    DialegTaulaQt(const QString& nom, GraellaValors& model, EstatPrincipal& estat, Serveis& serveis,
                  TFormEntradaDeDades& entrada, QWidget* pare);
    void showEvent(QShowEvent* e) override;
    // The dialog's controls from its model (before each showing).
    virtual void RefrescarControls() = 0;
    // Reads the controls into the model and runs the core's acceptance, which
    // stores the table into the record and writes the label into `etiqueta`.
    virtual Refus Acceptar(std::string& etiqueta) = 0;

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
    TFormEntradaDeDades& entrada_;

  private:
    void Despres();
    QBoxLayout* opcions_ = nullptr;
    QBoxLayout* botons_ = nullptr;
};

} // namespace tracima
