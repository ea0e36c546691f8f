// The point grid of the two table dialogs (StringGridValorsNumerica): 400 rows
// numbered in a fixed column, "X" and "F(x)", on the core's GraellaValors model.
// Typing over a cell edits it; Enter moves as "Següent" does; Delete empties the
// selected cells; Ctrl+C and Ctrl+V ask the dialog to copy and paste.
#pragma once

#include "numeric/GraellaValors.h"

#include <QTableWidget>

#include <functional>

namespace tracima {

class GraellaValorsQt : public QTableWidget {
    Q_OBJECT
  public:
    // Empty cells until the first Refrescar.
    GraellaValorsQt(GraellaValors& model, QWidget* pare = nullptr);

    // Every cell and the cursor from the model.
    void Refrescar();
    // The widget's current cell into the model's cursor.
    void DesarCursor();

    std::function<void()> EnCopiar, EnEnganxar;

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

  private:
    void CellaCanviada(QTableWidgetItem* item);
    void MostrarCursor();

    GraellaValors& model_;
    bool refrescant_ = false;
};

} // namespace tracima
