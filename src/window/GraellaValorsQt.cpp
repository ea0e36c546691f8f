#include "window/GraellaValorsQt.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>

namespace tracima {

GraellaValorsQt::GraellaValorsQt(GraellaValors& model, QWidget* pare)
    : QTableWidget(FilesGraella, 2, pare), model_(model) {
    setObjectName(QStringLiteral("StringGridValorsNumerica"));
    setHorizontalHeaderLabels({QStringLiteral("X"), QStringLiteral("F(x)")});
    horizontalHeader()->setDefaultSectionSize(80);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(20);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setFixedWidth(80 - 35);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    // Tab and Shift+Tab leave the grid for the dialog's buttons.
    setTabKeyNavigation(false);
    for (int r = 0; r < FilesGraella; ++r)
        for (int c = 0; c < 2; ++c) setItem(r, c, new QTableWidgetItem);
    connect(this, &QTableWidget::itemChanged, this, &GraellaValorsQt::CellaCanviada);
    connect(this, &QTableWidget::currentCellChanged, this, [this](int fila, int columna) {
        if (!movent_ && fila >= 0 && columna >= 0) model_.FixarCursor({fila + 1, columna + 1});
    });
    // The model is not read here: a dialog may hand over a model it has not built
    // yet. The cells are filled by Refrescar, before each showing.
}

void GraellaValorsQt::Refrescar() {
    refrescant_ = true;
    for (int r = 0; r < FilesGraella; ++r)
        for (int c = 0; c < 2; ++c) {
            const QString text = QString::fromStdString(model_.Text(r + 1, c + 1));
            QTableWidgetItem* cella = item(r, c);
            if (cella->text() != text) cella->setText(text);
        }
    refrescant_ = false;
    MostrarCursor();
}

void GraellaValorsQt::MostrarCursor() {
    movent_ = true;
    const Cella c = model_.Cursor();
    setCurrentCell(c.Fila - 1, c.Columna - 1);
    scrollToItem(item(c.Fila - 1, c.Columna - 1));
    movent_ = false;
}

void GraellaValorsQt::DesarCursor() {
    AcabarEdicio();
    if (currentRow() >= 0 && currentColumn() >= 0) model_.FixarCursor({currentRow() + 1, currentColumn() + 1});
}

void GraellaValorsQt::AcabarEdicio() {
    // The cell being typed into is the focused editor inside the grid.
    QWidget* editor = QApplication::focusWidget();
    if (state() != QAbstractItemView::EditingState || editor == nullptr || !isAncestorOf(editor))
        return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void GraellaValorsQt::CellaCanviada(QTableWidgetItem* cella) {
    // Every text that reaches a cell is stored, however the cell was left.
    if (refrescant_ || cella == nullptr) return;
    model_.FixarText(cella->row() + 1, cella->column() + 1, cella->text().toStdString());
}

void GraellaValorsQt::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Copy)) {
        if (EnCopiar) EnCopiar();
        return;
    }
    if (e->matches(QKeySequence::Paste)) {
        if (EnEnganxar) EnEnganxar();
        return;
    }
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Also the Enter that ends typing into a cell: stored, then one step on.
        DesarCursor();
        model_.Seguent();
        MostrarCursor();
        return;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        for (QTableWidgetItem* cella : selectedItems()) cella->setText(QString());
        return;
    default:
        QTableWidget::keyPressEvent(e);
    }
}

} // namespace tracima
