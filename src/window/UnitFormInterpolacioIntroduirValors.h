// "Interpolació. Introduir valors": the point grid and the options Lineal,
// Mostrar punts, Extrapolar and Només punts (the last mirrors the main window's
// menu item). "D'acord" reads the table, stores it with the options into the
// chosen function's record and writes the interpolation label into its box.
#pragma once

#include "window/DialegTaulaQt.h"

#include <functional>

class QCheckBox;

namespace tracima {

class TFormEntradaDeDades;

class TFormNumericaInterpolacio : public DialegTaulaQt {
    Q_OBJECT
  public:
    // `enMarcaMenu`: the menu's "Només punts" changed (the window shows it).
    TFormNumericaInterpolacio(EstatPrincipal& estat, Serveis& serveis, TFormEntradaDeDades& entrada,
                              std::function<void()> enMarcaMenu, QWidget* pare = nullptr);

    DialegInterpolacio& Model() { return model_; }
    // The check boxes from the model (and Només punts from the menu item).
    void RefrescarOpcions();

  protected:
    void RefrescarControls() override { RefrescarOpcions(); }
    Refus Acceptar(std::string& etiqueta) override;

  private:
    void LlegirOpcions();

    DialegInterpolacio model_;
    std::function<void()> enMarcaMenu_;
    QCheckBox* lineal_ = nullptr;
    QCheckBox* mostrarPunts_ = nullptr;
    QCheckBox* extrapolar_ = nullptr;
    QCheckBox* nomesPunts_ = nullptr;
};

} // namespace tracima
