// The analysis commands of the main window: each clears the results, asks for
// its values, and runs its core stepper, at once when untraced, or one column
// per tick of the tracing timer (no nested event loop: a pause is the modal
// pause dialog). A command chosen while a traced scan runs ends that scan first.
#include "analysis/ComandesAnalisi.h"
#include "analysis/Integrals.h"
#include "analysis/Talls.h"
#include "analysis/UnitFormIntegrals.h"
#include "analysis/UnitFormPuntsSingulars.h"
#include "app/UnitFormPrincipal.h"

#include <QKeyEvent>
#include <QTimer>

#include <memory>

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

bool TFormPrincipal::DemanarText(std::string_view titol, std::string_view pregunta, std::string& text) {
    QString valor = QString::fromStdString(text);
    if (!serveis_.DemanarText(this, Text(titol), Text(pregunta), valor)) return false;
    text = valor.toStdString();
    return true;
}

bool TFormPrincipal::PreguntarPausa(std::string_view text) {
    const bool continuar = pausa_->Preguntar(Text(text));
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
    EstatResultats& r = estat_.Resultats;
    const TaulaMissatges& m = estat_.Missatges;
    const MostresFuncio* segona =
        cf.SegonaFuncio.Existeix() ? &cf.MostresColumna[static_cast<std::size_t>(cf.SegonaFuncio.Slot())] : nullptr;
    r.AnalisiActiva = analisi;
    switch (analisi) {
    case AnalisiAntiimatge: {
        if (!DemanarText(m.Missatge(MissatgeTitolAntiimatge), m.Missatge(MissatgeValorY), textAntiimatge_))
            return;
        double valor = 0;
        if (PrepararAntiimatge(ctx, textAntiimatge_, valor) != 0) return;
        auto e = std::make_shared<EscombratFuncio>(ctx, valor);
        if (e->Iniciar() == 0) ComencarPassos([e] { return e->Pas(); });
        return;
    }
    case AnalisiDerivada:
    case AnalisiSegonaDerivada:
        r.Corba.MostrarCorbaResultat = true;
        [[fallthrough]];
    case AnalisiArrels:
    case AnalisiDiscontinuitats:
    case AnalisiMaxims:
    case AnalisiMinims:
    case AnalisiInflexio:
    case AnalisiCreixement:
    case AnalisiDecreixement:
    case AnalisiConcavitat:
    case AnalisiConvexitat: {
        auto e = std::make_shared<EscombratFuncio>(ctx);
        if (e->Iniciar() == 0) ComencarPassos([e] { return e->Pas(); });
        return;
    }
    case AnalisiIntegralDefinida:
    case AnalisiIntegralLinia:
    case AnalisiArea: {
        if (analisi == AnalisiIntegralDefinida) FixarTitolFinestra("Integral definida");
        for (;;) {
            if (!integrals_->Demanar(Text(TitolLimits(analisi)))) {
                FixarTitolFinestra(ctx.textFuncio);
                return;
            }
            auto calcul = std::make_shared<CalculIntegral>(ctx, segona);
            const int estat = calcul->Iniciar(integrals_->XInicialLimits, integrals_->XFinalLimits);
            if (estat == 2) continue; // the area's limits are asked again
            if (estat == 0) ComencarPassos([calcul] { return calcul->Pas(); });
            grafic_->update();
            return;
        }
    }
    case AnalisiFuncioIntegral: {
        FixarTitolFinestra(m.Missatge(BaseTitolsAnalisi + AnalisiFuncioIntegral));
        for (;;) {
            if (!DemanarText(m.Missatge(MissatgeTitolFuncioIntegral), m.Missatge(MissatgeValorInicialX),
                             textFuncioIntegral_)) {
                Repintar();
                return;
            }
            double x0 = 0;
            if (LlegirValorDecimal(ctx, textFuncioIntegral_, x0) != 0) return;
            if (CalcularFuncioIntegral(ctx, x0) == 0) break;
        }
        grafic_->update();
        ActualitzarDescripcioGrafic();
        return;
    }
    case AnalisiTalls: {
        if (segona == nullptr) return;
        auto t = std::make_shared<EscombratTalls>(ctx, *segona, ColorCorba(1, estat_.Opcions),
                                                  ColorCorba(2, estat_.Opcions));
        if (t->Iniciar() == 0) ComencarPassos([t] { return t->Pas(); });
        return;
    }
    default:
        return;
    }
}

void TFormPrincipal::keyPressEvent(QKeyEvent* e) {
    EstatResultats& r = estat_.Resultats;
    // Escape pauses a running traced scan of the analyses that may pause.
    if (e->key() == Qt::Key_Escape && CalculEnMarxa() && PausaPermesa(r.AnalisiActiva) && !r.PausaDemanada) {
        r.PausaDemanada = true;
        return;
    }
    QMainWindow::keyPressEvent(e);
}

} // namespace tracima
