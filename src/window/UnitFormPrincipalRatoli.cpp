// The main window's point panel (image and derivative at a typed x) and the
// mouse on the graph: the pointer read-out, click marks, the drag of the
// point's line, the right click that clears.
#include "window/UnitFormPrincipal.h"

#include <QCursor>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstdlib>

namespace tracima {
namespace {

constexpr int AmpladaPanel = 409, AlcadaPanel = 34;

} // namespace

ContextPunt TFormPrincipal::ContextDelPunt(ContextAnalisi& ctx) {
    ConjuntFuncions& cf = estat_.Funcions;
    const int slot = cf.FuncioUnica.Existeix() ? cf.FuncioUnica.Slot() : 0;
    return ContextPunt{ctx, cf.Slots[static_cast<std::size_t>(slot)], cf.Parametres, calcPunt_, panell_};
}

void TFormPrincipal::CrearPanelPunt() {
    panelPunt_ = new QFrame(grafic_);
    panelPunt_->setObjectName(QStringLiteral("PanelImatgeDerivada"));
    panelPunt_->setFrameShape(QFrame::Panel);
    panelPunt_->setFrameShadow(QFrame::Raised);
    panelPunt_->setAutoFillBackground(true);
    panelPunt_->resize(AmpladaPanel, AlcadaPanel);
    auto* labelX = new QLabel(panelPunt_);
    labelX->setObjectName(QStringLiteral("PanelImatgeDerivadaLabelX"));
    labelX->setGeometry(4, 10, 20, 17);
    editX_ = new QLineEdit(panelPunt_);
    editX_->setObjectName(QStringLiteral("PanelImatgeDerivadaEditX"));
    editX_->setGeometry(24, 7, 97, 21);
    editX_->installEventFilter(this);
    labelX->setBuddy(editX_);
    auto* control = new QWidget(panelPunt_);
    control->setObjectName(QStringLiteral("UpDownImatgeDerivada"));
    control->setGeometry(120, 5, 16, 24);
    auto* columna = new QVBoxLayout(control);
    columna->setContentsMargins(0, 0, 0, 0);
    columna->setSpacing(0);
    for (bool amunt : {true, false}) {
        auto* fletxa = new QToolButton(control);
        fletxa->setObjectName(QStringLiteral("UpDownImatgeDerivada") + (amunt ? "Amunt" : "Avall"));
        fletxa->setArrowType(amunt ? Qt::UpArrow : Qt::DownArrow);
        fletxa->setAutoRepeat(true);
        fletxa->setFixedSize(16, 12);
        fletxa->setAccessibleName(amunt ? QStringLiteral("x +") : QStringLiteral("x -"));
        connect(fletxa, &QToolButton::clicked, this, [this, amunt] { PanelPas(amunt); });
        columna->addWidget(fletxa);
    }
    labelY_ = new QLabel(QStringLiteral("y ="), panelPunt_);
    labelY_->setObjectName(QStringLiteral("PanelImatgeDerivadaLabelY"));
    labelY_->setGeometry(144, 10, 88, 17);
    auto* acord = new QPushButton(panelPunt_);
    acord->setObjectName(QStringLiteral("BitBtnPanelImatgeDerivadaDAcord"));
    acord->setGeometry(232, 5, 75, 23);
    auto* cancelar = new QPushButton(panelPunt_);
    cancelar->setObjectName(QStringLiteral("BitBtnPanelImatgeDerivadaCancelar"));
    cancelar->setGeometry(320, 5, 75, 23);
    connect(acord, &QPushButton::clicked, this, &TFormPrincipal::PanelAcceptar);
    connect(cancelar, &QPushButton::clicked, this, &TFormPrincipal::PanelCancelar);
    connect(editX_, &QLineEdit::returnPressed, this, &TFormPrincipal::PanelAcceptar);
    panelPunt_->hide();
    ColocarPanelPunt();
}

void TFormPrincipal::ColocarPanelPunt() {
    // Anchored to the left and bottom edges of the graph.
    if (panelPunt_) panelPunt_->move(0, grafic_->height() - AlcadaPanel);
}

void TFormPrincipal::SincronitzarPanel() {
    if (editX_->text().toStdString() != panell_.TextX) editX_->setText(QString::fromStdString(panell_.TextX));
    labelY_->setText(QString::fromStdString(panell_.TextY));
    labelY_->setAccessibleName(labelY_->text());
    if (panell_.Visible != panelPunt_->isVisible()) panelPunt_->setVisible(panell_.Visible);
    grafic_->update();
    ActualitzarDescripcioGrafic();
}

void TFormPrincipal::AmagarPanelImatgeDerivada() {
    panell_.Visible = false;
    if (panelPunt_) SincronitzarPanel();
}

void TFormPrincipal::IniciarPuntImatge(int analisi) {
    NetejarResultats(estat_.Resultats, estat_.Funcions, *this);
    ContextAnalisi ctx = ContextCalcul();
    ContextPunt punt = ContextDelPunt(ctx);
    IniciarPunt(punt, analisi);
    SincronitzarPanel();
    editX_->setFocus();
    editX_->selectAll();
}

void TFormPrincipal::PanelAcceptar() {
    const int a = estat_.Resultats.AnalisiActiva;
    if (!panell_.Visible || (a != AnalisiImatge && a != AnalisiDerivadaPunt)) return;
    panell_.TextX = editX_->text().toStdString();
    ContextAnalisi ctx = ContextCalcul();
    ContextPunt punt = ContextDelPunt(ctx);
    AcceptarPunt(punt);
    SincronitzarPanel();
    editX_->setFocus();
}

void TFormPrincipal::PanelCancelar() {
    ContextAnalisi ctx = ContextCalcul();
    ContextPunt punt = ContextDelPunt(ctx);
    CancellarPunt(punt);
    SincronitzarPanel();
}

void TFormPrincipal::PanelPas(bool amunt) {
    const int a = estat_.Resultats.AnalisiActiva;
    if (!panell_.Visible || (a != AnalisiImatge && a != AnalisiDerivadaPunt)) return;
    panell_.TextX = editX_->text().toStdString();
    ContextAnalisi ctx = ContextCalcul();
    ContextPunt punt = ContextDelPunt(ctx);
    MourePunt(punt, amunt);
    SincronitzarPanel();
}

bool TFormPrincipal::eventFilter(QObject* objecte, QEvent* e) {
    if (objecte == editX_ && e->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(e)->key();
        if (tecla == Qt::Key_Up || tecla == Qt::Key_Down) {
            PanelPas(tecla == Qt::Key_Up);
            return true;
        }
        if (tecla == Qt::Key_Escape) {
            PanelCancelar();
            return true;
        }
    }
    // With nothing selected in the x box, Ctrl+C is the menu's: it copies the graph.
    if (objecte == editX_ && e->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(e)->matches(QKeySequence::Copy) && !editX_->hasSelectedText()) {
        e->ignore();
        return true;
    }
    return QMainWindow::eventFilter(objecte, e);
}

void TFormPrincipal::RatoliMogut(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    if (EstatArrossegament == 2) {
        // The plane follows the pointer from where the drag began; the drag is one
        // step of the way back, kept when it first moves the axes.
        const auto nous =
            EixosDesplacats(eixosArrossegament_, estat_.Vista, pos.x() - iniciArrossegament_.x(),
                            pos.y() - iniciArrossegament_.y());
        if (nous) {
            AplicarEixosNavegats(*nous, !panMogut_);
            panMogut_ = true;
        }
        return;
    }
    const int a = estat_.Resultats.AnalisiActiva;
    ContextAnalisi ctx = ContextCalcul();
    if (EstatArrossegament == 1) {
        if (!panell_.Visible) {
            EstatArrossegament = 0;
            grafic_->unsetCursor();
            return;
        }
        ContextPunt punt = ContextDelPunt(ctx);
        ArrossegarPunt(punt, pos.x());
        SincronitzarPanel();
        return;
    }
    if (a == AnalisiImatge || a == AnalisiDerivadaPunt) {
        ContextPunt punt = ContextDelPunt(ctx);
        const std::optional<int> p = panell_.Visible ? PixelXPunt(punt) : std::nullopt;
        if (p && std::abs(pos.x() - *p) < 4) grafic_->setCursor(Qt::SizeHorCursor);
        else grafic_->unsetCursor();
        return;
    }
    if (!estat_.Opcions.MenuMostrarCoordenadesDeLaRata) return;
    const PuntPunter punt = PuntDelPunter(estat_.Funcions.Eixos, estat_.Vista, pos.x(), pos.y());
    Repintar();
    LlencQt& l = grafic_->Llenc();
    const Color text = ColorText(estat_.Opcions), fons = ColorFons(estat_.Opcions);
    l.EscriureText(0, 0, std::string(35, ' '), text, fons);
    const std::string coordenades = TextCoordenades(estat_.Funcions.Eixos, punt);
    if (!coordenades.empty()) l.EscriureText(0, 0, coordenades, text, fons);
    grafic_->update();
}

void TFormPrincipal::RatoliPremut(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    if (e->button() == Qt::RightButton) {
        AturarCalculEnMarxa();
        NetejarResultats(estat_.Resultats, estat_.Funcions, *this);
        return;
    }
    // The middle button, or Shift with the left one, drags the plane.
    if (e->button() == Qt::MiddleButton ||
        (e->button() == Qt::LeftButton && (e->modifiers() & Qt::ShiftModifier))) {
        AturarCalculEnMarxa();
        EstatArrossegament = 2;
        eixosArrossegament_ = estat_.Funcions.Eixos;
        iniciArrossegament_ = pos;
        panMogut_ = false;
        grafic_->setCursor(Qt::ClosedHandCursor);
        return;
    }
    if (e->button() != Qt::LeftButton) return;
    const int a = estat_.Resultats.AnalisiActiva;
    ContextAnalisi ctx = ContextCalcul();
    if ((a == AnalisiImatge || a == AnalisiDerivadaPunt) && panell_.Visible) {
        ContextPunt punt = ContextDelPunt(ctx);
        if (const std::optional<int> p = PixelXPunt(punt); p && std::abs(pos.x() - *p) < 4) {
            // The pointer is put on the line exactly, and the drag begins.
            QCursor::setPos(grafic_->mapToGlobal(QPoint(*p, pos.y())));
            grafic_->setCursor(Qt::SizeHorCursor);
            EstatArrossegament = 1;
            return;
        }
    }
    if (estat_.Opcions.MenuAlClicarEsmarquenLesCoordenades) {
        MarcarClic(ctx, pos.x(), pos.y());
        grafic_->update();
    }
}

void TFormPrincipal::RatoliDeixat(QMouseEvent*) {
    EstatArrossegament = 0;
    grafic_->unsetCursor();
}

} // namespace tracima
