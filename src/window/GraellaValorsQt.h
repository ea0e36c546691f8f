// The point grid of the two table dialogs (StringGridValorsNumerica): 400 rows
// numbered in a fixed column, "X" and "F(x)", on the core's GraellaValors model.
// Typing over a cell edits it, and what is typed is stored however the cell is
// left; Enter moves as "Següent" does; Tab leaves the grid; Delete empties the
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
    // The cell being typed into is stored, and the widget's current cell becomes
    // the model's cursor.
    void DesarCursor();
    // Stores and closes the cell being typed into, if any.
    void AcabarEdicio();

    std::function<void()> EnCopiar, EnEnganxar;

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    void CellaCanviada(QTableWidgetItem* item);
    void MostrarCursor();

    GraellaValors& model_;
    bool refrescant_ = false; // the cells are being filled from the model
    bool movent_ = false;     // the current cell is being set from the model
};

} // namespace tracima
