// "Canvi de paràmetres": the six parameters A..F in fields that are evaluated
// as they are typed (the graph follows every value that evaluates), each with
// an up/down control, and the increment of the steps. The caption shows the
// single function with the parameters' values. No buttons: the close box ends it.
#pragma once

#include "document/EstatPrincipal.h"
#include "engine/UnitCalcular.h"

#include <QDialog>

#include <array>
#include <functional>

class QLineEdit;
class QToolButton;

namespace tracima {

class TFormCanviDeParametres : public QDialog {
    Q_OBJECT
  public:
    // `aplicar` runs AplicarFuncions and redraws the graph.
    TFormCanviDeParametres(EstatPrincipal& estat, std::function<void()> aplicar,
                           QWidget* pare = nullptr);

    // One step of parameter `i` (0..5 for A..F) by the increment, as the Up or Down
    // key or the up/down control does; nothing when either text fails to evaluate.
    void Pas(int i, bool amunt);
    // The caption with the single function, when exactly one is defined.
    void ActualitzarTitol();

  protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* objecte, QEvent* e) override;

  private:
    void CampCanviat(int i);

    EstatPrincipal& estat_;
    std::function<void()> aplicar_;
    Calculador calc_;
    std::array<QLineEdit*, 6> camps_{};
    QLineEdit* increment_ = nullptr;
};

} // namespace tracima
