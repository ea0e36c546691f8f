// The window's costs, offscreen: a full repaint of the benchmark scene on the
// QPainter back buffer at 640 x 460, 1280 x 920 and 640 x 460 at a device pixel
// ratio of 2, against a bare QPainter frame that draws the same primitives
// (recorded once from the same repaint) on an image of the same size; and the
// start-up of the main window to its first painted frame.
#include "window/UnitFormPrincipal.h"
#include "view/Dibuix.h"
#include "window/LlencQt.h"

#include "EscenariRepintat.h"
#include "FormulesBanc.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWheelEvent>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

using namespace tracima;

QApplication& Aplicacio() {
    static int argc = 1;
    static char nom[] = "tracima_bench_gui";
    static char* argv[] = {nom, nullptr};
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return new QApplication(argc, argv);
    }();
    return *app;
}

struct Mida {
    int amplada, alcada;
    qreal dpr;
};
constexpr Mida Mides[] = {{640, 460, 1.0}, {1280, 920, 1.0}, {640, 460, 2.0}};

void RepintarQt(benchmark::State& state) {
    Aplicacio();
    banc::EscenariRepintat e;
    const Mida m = Mides[state.range(0)];
    LlencQt llenc(QSize(m.amplada, m.alcada), m.dpr);
    for (auto _ : state) {
        Repintar(llenc, *e.cf, e.opcions, e.vista, *e.r);
        benchmark::DoNotOptimize(llenc.Imatge().constBits());
    }
}

// The peer: the recorded primitives drawn with plain QPainter calls, the pen set
// only when it changes, the same font and no antialiasing.
void RepintarQPainter(benchmark::State& state) {
    Aplicacio();
    banc::EscenariRepintat e;
    const Mida m = Mides[state.range(0)];
    LlencEnregistrador registre(m.amplada, m.alcada);
    Repintar(registre, *e.cf, e.opcions, e.vista, *e.r);
    QImage imatge(QSize(m.amplada, m.alcada) * m.dpr, QImage::Format_RGB32);
    imatge.setDevicePixelRatio(m.dpr);
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics fm(font);
    using T = LlencEnregistrador::Tipus;
    for (auto _ : state) {
        QPainter p(&imatge);
        p.setFont(font);
        QPen llapis;
        for (const auto& c : registre.crides) {
            switch (c.tipus) {
            case T::Rectangle:
                p.fillRect(QRect(c.x1, c.y1, c.x2 - c.x1, c.y2 - c.y1), ColorQt(c.color));
                break;
            case T::Linia: {
                const QColor color = ColorQt(c.color);
                const Qt::PenStyle estil =
                    c.estil == EstilLlapis::Puntejat ? Qt::DotLine : Qt::SolidLine;
                if (llapis.color() != color || llapis.width() != c.gruix || llapis.style() != estil) {
                    llapis = QPen(color, c.gruix, estil);
                    p.setPen(llapis);
                }
                p.drawLine(c.x1, c.y1, c.x2, c.y2);
                break;
            }
            case T::Text: {
                const QString t = QString::fromStdString(c.text);
                p.fillRect(QRect(c.x1, c.y1, fm.horizontalAdvance(t), fm.height()), ColorQt(c.fons));
                p.setPen(ColorQt(c.color));
                p.drawText(c.x1, c.y1 + fm.ascent(), t);
                p.setPen(llapis);
                break;
            }
            case T::Ellipse:
                p.setBrush(ColorQt(c.color));
                p.drawEllipse(QRect(QPoint(c.x1, c.y1), QPoint(c.x2 - 1, c.y2 - 1)));
                p.setBrush(Qt::NoBrush);
                break;
            }
        }
        p.end();
        benchmark::DoNotOptimize(imatge.constBits());
    }
    state.counters["crides"] = static_cast<double>(registre.crides.size());
}

// One keystroke in the parameter dialog: the field's text evaluated into A, the
// six functions (each using A) applied and sampled, the back buffer repainted at
// 1280 x 920.
void TeclaParametre(benchmark::State& state) {
    Aplicacio();
    ConjuntFuncions cf;
    const char* formules[] = {"a*sin(x)", "ax^2/4-3", "a/x", "abs(x)-2a", "cos(2x)*3a", "x/2+a"};
    for (int i = 0; i < 6; ++i) cf.Slots[static_cast<std::size_t>(i)].Text = formules[i];
    Calculador calc, camp;
    OpcionsVista opcions;
    ValorsVista vista;
    EstatResultats resultats;
    LlencQt llenc(QSize(1280, 920), 1.0);
    const char* textos[] = {"1.5", "2"};
    int n = 0;
    for (auto _ : state) {
        double valor = 0;
        camp.CalcularExpressio(textos[n++ % 2], cf.Parametres, valor);
        cf.Parametres[0] = valor;
        AplicarFuncions(cf, calc);
        Repintar(llenc, cf, opcions, vista, resultats);
        benchmark::DoNotOptimize(llenc.Imatge().constBits());
    }
}

// Answers for the commands' input boxes: the anti-image's value and the
// integral function's start.
struct ServeisBanc : ServeisQt {
    bool DemanarText(QWidget*, const QString&, const QString&, QString& text) override {
        text = QStringLiteral("1");
        return true;
    }
    void MostrarMissatge(QWidget*, const QString&, const QString&, IconaMissatge) override {}
};

// One analysis command, untraced, from the menu item to the window repainted on
// screen, with the graph at 1280 x 920; the limits bar is answered as it opens.
void ComandaAnalisi(benchmark::State& state, const char* accio, bool dues) {
    Aplicacio();
    ServeisBanc serveis;
    TFormPrincipal f(serveis);
    f.IniciarLlengua("Catala");
    f.show();
    f.resize(1280, 920);
    QApplication::processEvents();
    const QSize falta = QSize(1280, 920) - f.Grafic()->size();
    f.resize(f.size() + falta);
    QApplication::processEvents();
    f.Estat().Funcions.Slots[0].Text = "3*sin(2x)+x/4";
    if (dues) f.Estat().Funcions.Slots[1].Text = "x^2/8-2";
    f.AplicarFuncionsFinestra();
    f.Estat().Opcions.MenuTrassarElsCalculs = false;
    QTimer limits;
    QObject::connect(&limits, &QTimer::timeout, [] {
        QWidget* w = QApplication::activeModalWidget();
        if (w == nullptr || w->objectName() != "FormIntegrals") return;
        w->findChild<QLineEdit*>("EditInicial")->setText("-7");
        w->findChild<QLineEdit*>("EditFinal")->setText("7");
        w->findChild<QPushButton*>("BitBtnContinuar")->click();
    });
    limits.start(0);
    QAction* a = f.Accio(accio);
    for (auto _ : state) {
        a->trigger();
        QApplication::processEvents();
    }
    state.counters["client"] = f.Grafic()->width();
}

// The main window in Catalan on screen, its graph at 1280 x 920.
std::unique_ptr<TFormPrincipal> FinestraDeBanc(ServeisBanc& serveis) {
    Aplicacio();
    auto f = std::make_unique<TFormPrincipal>(serveis);
    f->IniciarLlengua("Catala");
    f->Grafic()->setFixedSize(1280, 920);
    f->show();
    QApplication::processEvents();
    return f;
}

// One wheel notch over the graph at 1280 x 920 (closer and farther in turn), from
// the event to the new frame on the widget: the axes changed, the six functions of
// the repaint scene sampled again and the graph repainted. The scene's full overlay
// is put back before each step (a step clears it), outside the timing.
void PasVista(benchmark::State& state) {
    ServeisBanc serveis;
    const auto finestra = FinestraDeBanc(serveis);
    TFormPrincipal& f = *finestra;
    banc::EscenariRepintat e;
    f.Estat().Funcions = *e.cf;
    f.Estat().Opcions = e.opcions;
    f.AplicarFuncionsFinestra();
    QWidget* g = f.Grafic();
    const QPointF p(700, 400);
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        f.Estat().Resultats = *e.r;
        state.ResumeTiming();
        QWheelEvent roda(p, g->mapToGlobal(p), {}, {0, n++ % 2 ? -120 : 120}, Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(g, &roda);
        g->repaint();
    }
    state.counters["client"] = g->width();
}

// "Estudi de la funció" on one benchmark formula at 1280 x 920: from the menu
// command to the graph painted with every mark and the report filled and shown.
void EstudiFuncio(benchmark::State& state) {
    ServeisBanc serveis;
    const auto finestra = FinestraDeBanc(serveis);
    TFormPrincipal& f = *finestra;
    f.Estat().Funcions.Slots[0].Text =
        banc::kFormules[static_cast<std::size_t>(state.range(0))].nostra;
    f.AplicarFuncionsFinestra();
    QAction* a = f.Accio("MenuEstudiDeLaFuncio");
    for (auto _ : state) {
        a->trigger();
        f.Grafic()->repaint();
        QApplication::processEvents();
    }
}

// Construction, the language handler, show, and the events until the graph's
// first frame is on its back buffer; the window is destroyed outside the timing.
void IniciFinestra(benchmark::State& state) {
    Aplicacio();
    ServeisQt serveis;
    for (auto _ : state) {
        const auto inici = std::chrono::steady_clock::now();
        auto* f = new TFormPrincipal(serveis);
        f->IniciarLlengua("Catala");
        f->show();
        QApplication::processEvents();
        const auto fi = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(fi - inici).count());
        delete f;
    }
}

const bool kRegistrats = [] {
    const char* mides[] = {"640x460", "1280x920", "640x460-dpr2"};
    for (int i = 0; i < 3; ++i) {
        for (const char* qui : {"tracima", "qpainter"}) {
            const std::string nom = std::string("RepintarQt/") + qui + "/" + mides[i];
            benchmark::RegisterBenchmark(nom.c_str(), qui[0] == 't' ? RepintarQt : RepintarQPainter)
                ->Arg(i)
                ->Unit(benchmark::kMicrosecond);
        }
    }
    for (const char* accio : {"MenuAntiimatge", "MenuArrels", "MenuDiscontinuitatsAillades", "MenuMaxims",
                              "MenuMinims", "MenuPuntsDinflexio", "MenuIntegralDefinida", "MenuIntegralDeLinia",
                              "MenuIntervalsDeCreixement", "MenuIntervalsDeDecreixement",
                              "MenuIntervalsDeConcavitat", "MenuIntervalsDeConvexitat", "MenuFuncioDerivada",
                              "MenuSegonaDerivada", "MenuFuncioIntegral", "MenuTalls", "MenuArea"}) {
        const bool dues = std::string_view(accio) == "MenuTalls" || std::string_view(accio) == "MenuArea";
        benchmark::RegisterBenchmark((std::string("Comanda/tracima/") + accio).c_str(), ComandaAnalisi, accio, dues)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("Parametres/tracima/tecla-1280x920", TeclaParametre)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Vista/tracima/roda-1280x920", PasVista)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Estudi/tracima/1280x920", EstudiFuncio)
        ->DenseRange(0, 5)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Inici/tracima/primer-frame", IniciFinestra)
        ->UseManualTime()
        ->Iterations(30)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
