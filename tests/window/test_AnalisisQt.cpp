// The analyses driven from the window, offscreen: every command against the
// core run of the same command, tracing on a fast timer with its pauses,
// Escape and stops, the point panel and the mouse, and a long random session.
#include "ServeisProvaQt.h"
#include "analysis/ComandesAnalisi.h"
#include "window/UnitFormIntegrals.h"
#include "window/UnitFormPrincipal.h"
#include "view/Llenc.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace tracima {
namespace {

// What a command leaves: labels, segment count, status text.
struct Resultat {
    std::vector<std::string> etiquetes;
    int segments = 0;
    std::string estat;
    friend bool operator==(const Resultat&, const Resultat&) = default;
};

Resultat De(const EstatResultats& r) {
    Resultat res{{}, r.Segments.nombre, r.TextEstat};
    for (int i = 0; i < r.Etiquetes.nombre; ++i) res.etiquetes.push_back(r.Etiquetes.entrades[i].text);
    return res;
}

// The core's own untraced run of a command, on a window that shows nothing.
struct NucliSenseFinestra : FinestraCalculBuida, EntradesAnalisi {
    std::string valor, inicial, final;
    bool donat = false;
    bool DemanarValor(std::string_view, std::string_view, std::string& text) override {
        text = valor;
        return !std::exchange(donat, true);
    }
    bool DemanarLimits(std::string_view, std::string& a, std::string& b) override {
        a = inicial, b = final;
        return !std::exchange(donat, true);
    }
};

Resultat Nucli(const std::vector<std::string>& funcions, int analisi, const std::string& valor,
               const std::string& inicial, const std::string& final) {
    auto estat = std::make_unique<EstatPrincipal>();
    for (std::size_t i = 0; i < funcions.size(); ++i) estat->Funcions.Slots[i].Text = funcions[i];
    Calculador calc;
    AplicarFuncions(estat->Funcions, calc);
    estat->Opcions.MenuTrassarElsCalculs = false;
    NetejarEstatResultats(estat->Resultats, estat->Funcions.Eixos);
    NucliSenseFinestra w;
    w.valor = valor, w.inicial = inicial, w.final = final;
    ConjuntFuncions& cf = estat->Funcions;
    ContextAnalisi ctx{estat->Resultats, cf.MostresColumna[cf.FuncioUnica.Slot()], cf.Eixos, estat->Opcions,
                       estat->Vista, estat->Missatges, w, cf.FuncioUnica.Text};
    const MostresFuncio* segona = cf.SegonaFuncio.Existeix() ? &cf.MostresColumna[cf.SegonaFuncio.Slot()] : nullptr;
    ExecutarComandaAnalisi(ctx, analisi, segona, cf.Parametres, w);
    return De(estat->Resultats);
}

// Answers every modal dialog that opens: the pause dialog from a queue
// (Continue when empty) recording its texts; the limits bar with the given limits.
struct Respostes : QObject {
    std::deque<bool> pauses;
    std::vector<QString> textsPausa;
    QString inicial, final;
    QTimer timer;
    Respostes() {
        QObject::connect(&timer, &QTimer::timeout, [this] { Respondre(); });
        timer.start(1);
    }
    void Respondre() {
        QWidget* w = QApplication::activeModalWidget();
        if (w == nullptr) return;
        if (w->objectName() == "FormPuntsSingulars") {
            textsPausa.push_back(w->findChild<QLabel*>("LabelX")->text());
            const bool continuar = pauses.empty() || pauses.front();
            if (!pauses.empty()) pauses.pop_front();
            w->findChild<QPushButton*>(continuar ? "BitBtnContinuar" : "BitBtn2")->click();
        } else if (w->objectName() == "FormIntegrals") {
            w->findChild<QLineEdit*>("EditInicial")->setText(inicial);
            w->findChild<QLineEdit*>("EditFinal")->setText(final);
            w->findChild<QPushButton*>("BitBtnContinuar")->click();
        } else if (auto* d = qobject_cast<QDialog*>(w)) {
            d->reject();
        }
    }
};

struct Finestra {
    ServeisProva s;
    std::unique_ptr<TFormPrincipal> f = std::make_unique<TFormPrincipal>(s);
    explicit Finestra(std::vector<std::string> funcions = {"x^2-4"}, bool tracat = false) {
        f->IniciarLlengua("Catala");
        f->IntervalTracat = 0;
        f->resize(700, 500);
        f->show();
        for (std::size_t i = 0; i < funcions.size(); ++i) f->Estat().Funcions.Slots[i].Text = funcions[i];
        f->AplicarFuncionsFinestra();
        f->Estat().Opcions.MenuTrassarElsCalculs = tracat;
    }
    EstatResultats& R() { return f->Estat().Resultats; }
    void EsperarFi() {
        QElapsedTimer t;
        t.start();
        while (f->CalculEnMarxa() && t.elapsed() < 30000) QApplication::processEvents(QEventLoop::AllEvents, 5);
        ASSERT_FALSE(f->CalculEnMarxa());
    }
};

struct Cas {
    std::vector<std::string> funcions;
    int analisi;
    std::string valor, inicial, final;
};
const Cas Casos[] = {
    {{"x^2-4"}, AnalisiAntiimatge, "2", "", ""},
    {{"x^2-4"}, AnalisiArrels, "", "", ""},
    {{"1/(x-1)"}, AnalisiDiscontinuitats, "", "", ""},
    {{"sin(x)"}, AnalisiMaxims, "", "", ""},
    {{"sin(x)"}, AnalisiMinims, "", "", ""},
    {{"x^3-3x"}, AnalisiInflexio, "", "", ""},
    {{"sin(x)"}, AnalisiIntegralDefinida, "", "3", "-2"},
    {{"x^2/4"}, AnalisiIntegralLinia, "", "-1", "2"},
    {{"sin(x)"}, AnalisiCreixement, "", "", ""},
    {{"sin(x)"}, AnalisiDecreixement, "", "", ""},
    {{"x^3"}, AnalisiConcavitat, "", "", ""},
    {{"x^3"}, AnalisiConvexitat, "", "", ""},
    {{"x^2/4"}, AnalisiDerivada, "", "", ""},
    {{"x^3/6"}, AnalisiSegonaDerivada, "", "", ""},
    {{"x"}, AnalisiFuncioIntegral, "-1", "", ""},
    {{"x^2-4", "x"}, AnalisiTalls, "", "", ""},
    {{"x^2-4", "x"}, AnalisiArea, "", "-1", "2"},
};

TEST(AnalisisQt, EveryCommandLeavesWhatTheCoreFindsTracedOrNot) {
    for (bool tracat : {false, true}) {
        for (const Cas& c : Casos) {
            SCOPED_TRACE(testing::Message() << "analysis " << c.analisi << (tracat ? " traced" : ""));
            Finestra w(c.funcions, tracat);
            Respostes respostes;
            respostes.inicial = QString::fromStdString(c.inicial);
            respostes.final = QString::fromStdString(c.final);
            w.s.textos.push_back(QString::fromStdString(c.valor));
            w.f->ExecutarAnalisi(c.analisi);
            w.EsperarFi();
            EXPECT_EQ(w.R().AnalisiActiva, c.analisi);
            EXPECT_EQ(De(w.R()), Nucli(c.funcions, c.analisi, c.valor, c.inicial, c.final));
            // The cuts end with a repaint, which gives two functions the program title.
            EXPECT_EQ(w.f->windowTitle().toStdString(),
                      c.analisi == AnalisiTalls ? "Tracima" : w.f->Estat().Funcions.FuncioUnica.Text);
            EXPECT_TRUE(w.s.missatges.empty());
            if (c.analisi == AnalisiArrels && tracat) {
                EXPECT_EQ(respostes.textsPausa, (std::vector<QString>{"x = -2   y = 0", "x = 2   y = 0"}));
            }
        }
    }
}

TEST(AnalisisQt, CancelEscapeMenusAndANewCommandEndATracedScan) {
    {   // Cancel at the first root keeps it, with the title in the caption.
        Finestra w({"x^2-4"}, true);
        Respostes respostes;
        respostes.pauses = {false};
        w.f->ExecutarAnalisi(AnalisiArrels);
        w.EsperarFi();
        ASSERT_EQ(w.R().Etiquetes.nombre, 1);
        EXPECT_EQ(w.R().Etiquetes.entrades[0].text, "-2");
        EXPECT_EQ(w.f->windowTitle(), "Arrels");
    }
    {   // Escape pauses the derivative curve (no points of its own) and it goes on.
        Finestra w({"x^2/4"}, true);
        Respostes respostes;
        w.f->ExecutarAnalisi(AnalisiDerivada);
        QTest::keyClick(w.f.get(), Qt::Key_Escape);
        w.EsperarFi();
        EXPECT_EQ(respostes.textsPausa.size(), 1u);
        EXPECT_EQ(De(w.R()), Nucli({"x^2/4"}, AnalisiDerivada, "", "", ""));
    }
    {   // Untraced, Escape does nothing.
        Finestra w({"x^2-4"}, false);
        w.f->ExecutarAnalisi(AnalisiArrels);
        QTest::keyClick(w.f.get(), Qt::Key_Escape);
        EXPECT_FALSE(w.R().PausaDemanada);
    }
    {   // Opening a menu stops the scan without its closing steps.
        Finestra w({"x^2-4"}, true);
        Respostes respostes;
        w.f->IntervalTracat = 5;
        w.f->ExecutarAnalisi(AnalisiMaxims);
        QTest::qWait(40);
        emit w.f->Menu("Menu2funcions")->aboutToShow();
        w.EsperarFi();
        EXPECT_EQ(w.R().TextEstat.rfind("x = ", 0), 0u);
        EXPECT_EQ(w.f->windowTitle(), "Màxims");
    }
    {   // A command while a traced scan runs ends it first; closing ends it too.
        Finestra w({"x^2-4"}, true);
        Respostes respostes;
        w.f->IntervalTracat = 5;
        w.f->ExecutarAnalisi(AnalisiArrels);
        QTest::qWait(20);
        w.f->Accio("MenuMinims")->trigger();
        EXPECT_EQ(w.R().AnalisiActiva, AnalisiMinims);
        QTest::qWait(20);
        w.f->close();
        EXPECT_FALSE(w.f->CalculEnMarxa());
    }
}

TEST(AnalisisQt, PointPanelAndMouse) {
    Finestra w({"x^2"});
    w.f->Accio("MenuImatge")->trigger();
    auto* edit = w.f->findChild<QLineEdit*>("PanelImatgeDerivadaEditX");
    ASSERT_TRUE(edit->isVisible());
    EXPECT_EQ(w.f->PanellDelPunt().TextY, "y = 0");
    edit->setText("2");
    w.f->PanelAcceptar();
    EXPECT_EQ(w.R().TextEstat, "x = 2  y = 4");
    EXPECT_EQ(w.R().Segments.nombre, 2);
    // The arrows move one column; at the right edge nothing happens.
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), "2.025");
    edit->setText("7.475");
    w.f->PanelAcceptar();
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), "7.475");
    edit->setText("x)");
    w.f->PanelAcceptar();
    ASSERT_EQ(w.s.missatges.size(), 1u);
    EXPECT_EQ(w.s.missatges[0].text, "Error de càlcul en la X");

    // A drag from the point's line walks the point column by column to the pointer.
    edit->setText("0");
    w.f->PanelAcceptar();
    GraficQt* g = w.f->Grafic();
    const int px = static_cast<int>(std::lround(320 * w.f->Estat().Vista.EscalaX));
    QTest::mousePress(g, Qt::LeftButton, {}, QPoint(px + 1, 100));
    QMouseEvent moure(QEvent::MouseMove, QPointF(px + 60, 100), g->mapToGlobal(QPointF(px + 60, 100)),
                      Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(g, &moure);
    QTest::mouseRelease(g, Qt::LeftButton, {}, QPoint(px + 60, 100));
    EXPECT_GT(std::stod(edit->text().toStdString()), 1.0);

    // Click marks: 325 clicks fill the list, the next one is refused; a right click clears.
    w.f->Accio("MenuAlClicarEsmarquenLesCoordenades")->trigger();
    w.f->Accio("MenuNetejar")->trigger();
    EXPECT_FALSE(edit->isVisible());
    for (int i = 0; i < 326; ++i) QTest::mouseClick(g, Qt::LeftButton, {}, QPoint(100 + i % 300, 100));
    EXPECT_EQ(w.R().Segments.nombre, 650);
    EXPECT_EQ(w.R().Etiquetes.entrades[0].text.find(';') != std::string::npos, true);
    ASSERT_EQ(w.s.missatges.size(), 2u);
    EXPECT_EQ(w.s.missatges[1].text, "No és possible dibuixar més punts. Netejar  la finestra.");
    QTest::mouseClick(g, Qt::RightButton, {}, QPoint(100, 100));
    EXPECT_EQ(w.R().Segments.nombre, 0);
}

// A long random session: commands, keys, clicks, drags and resizes with a fast
// timer; every dialog that opens is answered. Nothing may crash, and the result
// lists and the buffer stay consistent.
TEST(AnalisisQt, RandomSessionStaysConsistent) {
    Finestra w({"x^2-4", "sin(x)"}, true);
    Respostes respostes;
    respostes.inicial = "-1";
    respostes.final = "1";
    std::mt19937 atzar(20261207);
    const QList<QAction*> accions = w.f->findChildren<QAction*>();
    std::vector<QAction*> segures;
    for (QAction* a : accions) {
        const QString nom = a->objectName();
        if (nom.isEmpty() || nom == "MenuSortir" || nom == "MenuExecutarUnNouTracimaPeraWin32" ||
            nom == "MenuTransparent")
            continue;
        segures.push_back(a);
    }
    GraficQt* g = w.f->Grafic();
    for (int pas = 0; pas < 2500; ++pas) {
        const int tria = static_cast<int>(atzar() % 10);
        const QPoint punt(static_cast<int>(atzar() % 700), static_cast<int>(atzar() % 460));
        if (tria < 3) {
            QAction* a = segures[atzar() % segures.size()];
            if (a->isEnabled()) {
                w.s.textos.push_back(QString::number(static_cast<int>(atzar() % 9) - 4));
                a->trigger();
            }
        } else if (tria == 3) {
            QTest::keyClick(w.f.get(), atzar() % 2 ? Qt::Key_Escape : Qt::Key_Up);
        } else if (tria == 4) {
            QTest::mouseClick(g, atzar() % 3 ? Qt::LeftButton : Qt::RightButton, {}, punt);
        } else if (tria == 5) {
            QMouseEvent moure(QEvent::MouseMove, QPointF(punt), g->mapToGlobal(QPointF(punt)), Qt::NoButton,
                              Qt::NoButton, {});
            QApplication::sendEvent(g, &moure);
        } else if (tria == 6) {
            w.f->resize(200 + static_cast<int>(atzar() % 900), 150 + static_cast<int>(atzar() % 700));
        } else {
            QApplication::processEvents(QEventLoop::AllEvents, 2);
        }
        const EstatResultats& r = w.R();
        ASSERT_GE(r.Segments.nombre, 0);
        ASSERT_LE(r.Segments.nombre, CapacitatResultats);
        ASSERT_GE(r.Etiquetes.nombre, 0);
        ASSERT_LE(r.Etiquetes.nombre, CapacitatResultats);
        ASSERT_EQ(g->Llenc().Mida(), g->size());
    }
    w.f->close();
    EXPECT_FALSE(w.f->CalculEnMarxa());
}

} // namespace
} // namespace tracima
