// Zoom and pan of the graph: the wheel about the pointer, the menu's zoom about
// the centre, a drag with the middle button (or Shift and the left one), Ctrl and
// the arrow keys, and the way back to earlier views. Every step is a change of
// axes as the data entry dialog makes it.
#include "window/UnitFormEntradaDeDades.h"
#include "window/UnitFormPrincipal.h"

#include <QKeyEvent>
#include <QWheelEvent>

namespace tracima {
namespace {

// Wheel notches closer together than this form one step of the way back.
constexpr int PausaEntreRodes = 600;

} // namespace

void TFormPrincipal::AplicarEixosNavegats(const EixosFuncions& nous, bool nouPas) {
    AturarCalculEnMarxa();
    if (nouPas) vistes_.Desar(estat_.Funcions.Eixos);
    NetejarResultats(estat_.Resultats, estat_.Funcions, *this);
    estat_.Funcions.Eixos = nous;
    AplicarFuncionsFinestra();
    // The data entry dialog shows the axes in force when it opens next.
    if (entrada_) entrada_->FixarCaixes(CaixesDelConjunt(estat_.Funcions));
    Repintar();
}

bool TFormPrincipal::Apropar(double px, double py, double osques, bool nouPas) {
    const auto nous = EixosApropats(estat_.Funcions.Eixos, estat_.Vista, px, py, osques);
    if (nous) AplicarEixosNavegats(*nous, nouPas);
    return nous.has_value();
}

bool TFormPrincipal::Desplacar(double dx, double dy, bool nouPas) {
    const auto nous = EixosDesplacats(estat_.Funcions.Eixos, estat_.Vista, dx, dy);
    if (nous) AplicarEixosNavegats(*nous, nouPas);
    return nous.has_value();
}

bool TFormPrincipal::VistaAnterior() {
    const auto abans = vistes_.Treure();
    if (abans) AplicarEixosNavegats(*abans, false);
    return abans.has_value();
}

void TFormPrincipal::RodaRatoli(QWheelEvent* e) {
    // A high-resolution wheel or a touchpad turns in fractions of a notch.
    const double osques = e->angleDelta().y() / 120.0;
    e->accept();
    if (osques == 0) return;
    const bool nouPas = !darreraRoda_.isValid() || darreraRoda_.elapsed() > PausaEntreRodes;
    const QPointF p = e->position();
    if (Apropar(p.x(), p.y(), osques, nouPas) || !nouPas) darreraRoda_.start();
}

bool TFormPrincipal::TeclaDeVista(QKeyEvent* e) {
    if (e->modifiers() != Qt::ControlModifier) return false;
    // A tenth of the plot's width or height (600 x 400 logical pixels).
    const double dx = 60 * estat_.Vista.EscalaX, dy = 40 * estat_.Vista.EscalaY;
    switch (e->key()) {
    case Qt::Key_Left:
        Desplacar(dx, 0, true);
        return true;
    case Qt::Key_Right:
        Desplacar(-dx, 0, true);
        return true;
    case Qt::Key_Up:
        Desplacar(0, dy, true);
        return true;
    case Qt::Key_Down:
        Desplacar(0, -dy, true);
        return true;
    default:
        return false;
    }
}

} // namespace tracima
