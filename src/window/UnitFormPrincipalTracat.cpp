// The analysis commands of the main window: each clears the results, asks for
// its values, and runs its core stepper, at once when untraced, or one column
// per tick of the tracing timer (no nested event loop: a pause is the modal
// pause dialog). A command chosen while a traced scan runs ends that scan first.
#include "analysis/ComandesAnalisi.h"
#include "window/UnitFormIntegrals.h"
#include "window/UnitFormPuntsSingulars.h"
#include "window/UnitFormPrincipal.h"

#include <QKeyEvent>
#include <QTimer>


namespace tracima {
namespace {

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

} // namespace

ContextAnalisi TFormPrincipal::ContextCalcul() {
    ConjuntFuncions& cf = estat_.Funcions;
    const int slot = cf.FuncioUnica.Existeix() ? cf.FuncioUnica.Slot() : 0;
    return ContextAnalisi{estat_.Resultats, cf.MostresColumna[static_cast<std::size_t>(slot)],
                          cf.Eixos,         estat_.Opcions,
                          estat_.Vista,     estat_.Missatges,
                          *this,            cf.FuncioUnica.Text};
}

bool TFormPrincipal::CalculEnMarxa() const { return static_cast<bool>(pas_); }

void TFormPrincipal::AturarCalculEnMarxa() {
    if (timerTracat_) timerTracat_->stop();
    pas_ = nullptr;
}

void TFormPrincipal::ComencarPassos(std::function<ResultatPas()> pas) {
    if (!estat_.Opcions.MenuTrassarElsCalculs) {
        // Untraced, nothing is seen before the end: the scan draws on a canvas that
        // keeps nothing, and one repaint from the state shows the result (with the
        // caption rule of a repaint only when the scan asked for one).
        diferit_ = true;
        repintDemanat_ = false;
        while (pas() == ResultatPas::Continua) {
        }
        diferit_ = false;
        RepintarGrafic(repintDemanat_);
        return;
    }
    pas_ = std::move(pas);
    timerTracat_->start(IntervalTracat);
}

void TFormPrincipal::PasTracat() {
    if (!pas_ || passant_) return;
    // The step may show the pause dialog; the stepper stays alive through it even
    // if the scan is ended meanwhile.
    const std::function<ResultatPas()> pas = pas_;
    passant_ = true;
    const ResultatPas resultat = pas();
    passant_ = false;
    grafic_->update();
    if (resultat == ResultatPas::Continua && pas_) {
        timerTracat_->start(IntervalTracat);
    } else {
        pas_ = nullptr;
        ActualitzarDescripcioGrafic();
    }
}

bool TFormPrincipal::DemanarValor(std::string_view titol, std::string_view pregunta, std::string& text) {
    std::string& anterior = textsDemanats_[std::string(titol)];
    QString valor = QString::fromStdString(text.empty() ? anterior : text);
    if (!serveis_.DemanarText(this, Text(titol), Text(pregunta), valor)) return false;
    text = anterior = valor.toStdString();
    return true;
}

bool TFormPrincipal::DemanarLimits(std::string_view titol, std::string& inicial, std::string& final) {
    if (!Integrals()->Demanar(Text(titol))) return false;
    inicial = Integrals()->TextInicial();
    final = Integrals()->TextFinal();
    return true;
}

bool TFormPrincipal::PreguntarPausa(std::string_view text) {
    const bool continuar = PuntsSingulars()->Preguntar(Text(text));
    activateWindow();
    grafic_->setFocus();
    return continuar;
}

void TFormPrincipal::ExecutarAnalisi(int analisi) {
    AturarCalculEnMarxa();
    ConjuntFuncions& cf = estat_.Funcions;
    const bool dues = analisi == AnalisiTalls || analisi == AnalisiArea;
    if (cf.NombreFuncions != (dues ? 2 : 1)) return;
    if (analisi == AnalisiImatge || analisi == AnalisiDerivadaPunt) {
        IniciarPuntImatge(analisi);
        return;
    }
    NetejarResultats(estat_.Resultats, cf, *this);
    ContextAnalisi ctx = ContextCalcul();
    const MostresFuncio* segona =
        cf.SegonaFuncio.Existeix() ? &cf.MostresColumna[static_cast<std::size_t>(cf.SegonaFuncio.Slot())] : nullptr;
    ExecutarComandaAnalisi(ctx, analisi, segona, cf.Parametres, *this,
                           [this](std::function<ResultatPas()> pas) { ComencarPassos(std::move(pas)); });
    grafic_->update();
    ActualitzarDescripcioGrafic();
}

void TFormPrincipal::keyPressEvent(QKeyEvent* e) {
    EstatResultats& r = estat_.Resultats;
    // Escape pauses a running traced scan of the analyses that may pause.
    if (e->key() == Qt::Key_Escape && CalculEnMarxa() && PausaPermesa(r.AnalisiActiva) && !r.PausaDemanada) {
        r.PausaDemanada = true;
        return;
    }
    if (TeclaDeVista(e)) return;
    // Escape is the point panel's Cancel.lar.
    if (e->key() == Qt::Key_Escape && panell_.Visible && !CalculEnMarxa()) {
        PanelCancelar();
        return;
    }
    QMainWindow::keyPressEvent(e);
}

} // namespace tracima
