// "Canviar una funció": one function chosen in ComboBoxFuncio, its formula in
// EditUnaFuncio. A formula chosen from the list is applied at once when it
// compiles; "D'acord" applies a typed formula or shows the syntax message. The
// cancel button closes the dialog and undoes nothing. Its texts are the same in
// both languages.
#pragma once

#include "document/EstatPrincipal.h"
#include "window/ServeisQt.h"
#include "engine/UnitCalcular.h"

#include <QDialog>

#include <functional>

class QComboBox;

namespace tracima {

class TFormEntradaDeDades;

class TFormUnaFuncio : public QDialog {
    Q_OBJECT
  public:
    // `aplicar` copies the data entry dialog's function boxes into the function
    // set and redraws (AplicarFuncions).
    TFormUnaFuncio(EstatPrincipal& estat, Serveis& serveis, TFormEntradaDeDades& entrada,
                   std::function<void()> aplicar, QWidget* pare = nullptr);

    void BitBtnContinuarClick();

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    // Applies the text when it may be (FuncioAplicable); otherwise, with
    // `avisar`, the syntax message of the selected function.
    void ProvarText(bool avisar);
    void LlegirFuncio();

    EstatPrincipal& estat_;
    Serveis& serveis_;
    TFormEntradaDeDades& entrada_;
    std::function<void()> aplicar_;
    Calculador calc_;
    QComboBox* editUnaFuncio_ = nullptr;
    QComboBox* comboBoxFuncio_ = nullptr;
};

} // namespace tracima
