// The data entry dialog: the six functions F(x)..K(x) and the six axis values in
// editable drop-down boxes, checked by "D'acord" (ValidarEntrada) before the
// opener copies them into the function set. The boxes keep their texts between
// openings; the opener rewrites them after a cancelled visit.
#pragma once

#include "document/EstatPrincipal.h"
#include "window/ServeisQt.h"
#include "engine/UnitCalcular.h"
#include "functionset/EntradaDeDades.h"

#include <QDialog>

#include <array>
#include <functional>

class QComboBox;
class QPushButton;

namespace tracima {

class TFormEntradaDeDades : public QDialog {
    Q_OBJECT
  public:
    TFormEntradaDeDades(EstatPrincipal& estat, Serveis& serveis, QWidget* pare = nullptr);

    // 1 when the dialog was left with "D'acord" (the opener sets it to 0 first).
    int EntradaAcceptada = 0;

    // The twelve boxes' texts.
    CaixesEntrada Caixes() const;
    void FixarCaixes(const CaixesEntrada& caixes);
    std::string TextFuncio(int slot) const;
    void FixarTextFuncio(int slot, const std::string& text);
    void FixarTextEix(int caixa, const std::string& text);
    // The axis values of the last successful validation.
    const ValidacioEntrada& Validacio() const { return validacio_; }

    // The numeric records of the six functions (table, model, equation, options),
    // which Cancel and Escape put back (the opener takes them before each opening).
    void GuardarCopies();
    void reject() override;

    // The numeric-function sequence, run by its button (nothing while unset).
    std::function<void()> EnFuncioNumerica;

    void BitBtnAcordClick();
    void BitBtnCancelarClick();
    void BitBtnIniciarEixosClick();
    void BitBtnAjudaClick();

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    EstatPrincipal& estat_;
    Serveis& serveis_;
    Calculador calc_;
    ValidacioEntrada validacio_;
    std::array<FuncioNumerica, NombreSlotsFuncio> copies_{};
    std::array<QComboBox*, NombreCaixesEix> eixos_{};
    std::array<QComboBox*, NombreSlotsFuncio> funcions_{};
    QPushButton* botoIniciarEixos_ = nullptr;
    QPushButton* botoFuncioNumerica_ = nullptr;
};

// An editable drop-down box with the given entries, no insertion of typed texts.
QComboBox* CrearCaixaEditable(QWidget* pare, const QString& nom);

// The reference of the formula language, modal over `pare`, in `llengua`.
void MostrarAjudaFormules(QWidget* pare, Llengua llengua);

} // namespace tracima
