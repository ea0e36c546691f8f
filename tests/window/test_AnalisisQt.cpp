// The analyses driven from the window, offscreen: commands against the core run of
// the same command, traced with pauses, Escape and stops; the point panel and the mouse.
#include "ServeisProvaQt.h"
#include "window/UnitFormEstudi.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

namespace tracima {
namespace {

// What a command leaves: labels, segment count, status text.
using Resultat = std::tuple<std::vector<std::string>, int, std::string>;

Resultat De(const EstatResultats& r) {
    Resultat res{{}, r.Segments.nombre, r.TextEstat};
    for (int i = 0; i < r.Etiquetes.nombre; ++i) std::get<0>(res).push_back(r.Etiquetes.entrades[i].text);
    return res;
}

struct Cas { std::vector<std::string> funcions; int analisi; std::string valor = {}, inicial = {}, final = {}; };

// The core's own untraced run of a command, on a window that shows nothing.
struct NucliSenseFinestra : FinestraCalculBuida, EntradesAnalisi {
    const Cas& c;
    bool donat = false;
    explicit NucliSenseFinestra(const Cas& cas) : c(cas) {}
    bool DemanarValor(std::string_view, std::string_view, std::string& text) override {
        text = c.valor;
        return !std::exchange(donat, true);
    }
    bool DemanarLimits(std::string_view, std::string& a, std::string& b) override {
        a = c.inicial, b = c.final;
        return !std::exchange(donat, true);
    }
};

Resultat Nucli(const Cas& c) {
    auto estat = std::make_unique<EstatPrincipal>();
    ConjuntFuncions& cf = estat->Funcions;
    for (std::size_t i = 0; i < c.funcions.size(); ++i) cf.Slots[i].Text = c.funcions[i];
    Calculador calc;
    AplicarFuncions(cf, calc);
    estat->Opcions.MenuTrassarElsCalculs = false;
    NetejarEstatResultats(estat->Resultats, cf.Eixos);
    NucliSenseFinestra w(c);
    ContextAnalisi ctx{estat->Resultats, cf.MostresColumna[cf.FuncioUnica.Slot()], cf.Eixos, estat->Opcions,
                       estat->Vista, estat->Missatges, w, cf.FuncioUnica.Text};
    const MostresFuncio* segona = cf.SegonaFuncio.Existeix() ? &cf.MostresColumna[cf.SegonaFuncio.Slot()] : nullptr;
    ExecutarComandaAnalisi(ctx, c.analisi, segona, cf.Parametres, w);
    return De(estat->Resultats);
}

// The window shown at 700 x 500, tracing on a fast timer; the pause dialog answered from a queue
// (Continue when empty) with its texts kept, the limits bar with the given limits.
struct FinestraAnalisi : Finestra {
    Guio guio;
    std::deque<bool> pauses;
    std::vector<QString> textsPausa;
    QString inicial, final;
    explicit FinestraAnalisi(const std::vector<std::string>& funcions, bool tracat = false, int interval = 0) {
        f->IntervalTracat = interval;
        f->resize(700, 500);
        f->show();
        Funcions(funcions);
        f->Estat().Opcions.MenuTrassarElsCalculs = tracat;
        guio.altrament = [this, rebutjar = guio.altrament](QWidget* d) {
            if (d->objectName() == "FormIntegrals") {
                d->findChild<QLineEdit*>("EditInicial")->setText(inicial);
                d->findChild<QLineEdit*>("EditFinal")->setText(final);
                return Clicar(d, "BitBtnContinuar");
            }
            if (d->objectName() != "FormPuntsSingulars") return rebutjar(d);
            textsPausa.push_back(d->findChild<QLabel*>("LabelX")->text());
            Clicar(d, ServeisProva::Treure(pauses, true) ? "BitBtnContinuar" : "BitBtn2");
        };
    }
    void EsperarFi() {
        QElapsedTimer t;
        for (t.start(); f->CalculEnMarxa() && t.elapsed() < 30000;) QApplication::processEvents(QEventLoop::AllEvents, 5);
        ASSERT_FALSE(f->CalculEnMarxa());
    }
};

// One command of each kind the window handles: a value asked, points with pauses,
// limits asked (reversed too), intervals, a curve, two functions.
TEST(AnalisisQt, EveryKindOfCommandLeavesWhatTheCoreFindsTracedOrNot) {
    const Cas casos[] = {
        {{"x^2-4"}, AnalisiAntiimatge, "2"},    {{"x^2-4"}, AnalisiArrels},
        {{"x^3-3x"}, AnalisiInflexio},          {{"sin(x)"}, AnalisiIntegralDefinida, "", "3", "-2"},
        {{"x^2/4"}, AnalisiIntegralLinia, "", "-1", "2"}, {{"sin(x)"}, AnalisiCreixement},
        {{"x^2/4"}, AnalisiDerivada},           {{"x"}, AnalisiFuncioIntegral, "-1"},
        {{"x^2-4", "x"}, AnalisiTalls},         {{"x^2-4", "x"}, AnalisiArea, "", "-1", "2"},
    };
    for (bool tracat : {false, true}) {
        for (const Cas& c : casos) {
            SCOPED_TRACE(testing::Message() << "analysis " << c.analisi << (tracat ? " traced" : ""));
            FinestraAnalisi w(c.funcions, tracat);
            w.inicial = QString::fromStdString(c.inicial), w.final = QString::fromStdString(c.final);
            w.s.textos.push_back(QString::fromStdString(c.valor));
            w.f->ExecutarAnalisi(c.analisi);
            w.EsperarFi();
            QTest::keyClick(w.f.get(), Qt::Key_Escape); // no scan runs: nothing to pause
            EXPECT_EQ(std::tuple(w.R().AnalisiActiva, De(w.R()), w.s.missatges.size(), w.R().PausaDemanada),
                      std::tuple(c.analisi, Nucli(c), 0u, false));
            EXPECT_EQ(std::tuple(w.f->Accio("MenuArrels")->isEnabled(), w.f->Accio("MenuArea")->isEnabled()),
                      std::tuple(c.funcions.size() == 1, c.funcions.size() == 2));
            // The cuts end with a repaint, which gives two functions the program title.
            EXPECT_EQ(w.f->windowTitle().toStdString(), c.analisi == AnalisiTalls ? "Tracima" : w.Cf().FuncioUnica.Text);
            if (c.analisi == AnalisiArrels && tracat) {
                EXPECT_EQ(w.textsPausa, (std::vector<QString>{"x = -2   y = 0", "x = 2   y = 0"}));
            }
        }
    }
}

TEST(AnalisisQt, CancelEscapeMenusAndANewCommandEndATracedScan) {
    {   // Cancel at the first root keeps it, with the title in the caption.
        FinestraAnalisi w({"x^2-4"}, true);
        w.pauses = {false};
        w.f->ExecutarAnalisi(AnalisiArrels);
        w.EsperarFi();
        EXPECT_EQ(std::tuple(std::get<0>(De(w.R())), w.f->windowTitle()), std::tuple(std::vector<std::string>{"-2"}, "Arrels"));
    }
    {   // Escape pauses the derivative curve (no points of its own) and it goes on.
        FinestraAnalisi w({"x^2/4"}, true);
        w.f->ExecutarAnalisi(AnalisiDerivada);
        QTest::keyClick(w.f.get(), Qt::Key_Escape);
        w.EsperarFi();
        EXPECT_EQ(std::tuple(w.textsPausa.size(), De(w.R())), std::tuple(1u, Nucli({{"x^2/4"}, AnalisiDerivada})));
    }
    {   // Opening a menu stops the scan without its closing steps.
        FinestraAnalisi w({"x^2-4"}, true, 5);
        w.f->ExecutarAnalisi(AnalisiMaxims);
        QTest::qWait(40);
        emit w.f->Menu("Menu2funcions")->aboutToShow();
        w.EsperarFi();
        EXPECT_EQ(std::tuple(w.R().TextEstat.rfind("x = ", 0), w.f->windowTitle()), std::tuple(0u, "Màxims"));
    }
    {   // A command from its menu item while a traced scan runs ends it first; closing ends it too.
        FinestraAnalisi w({"x^2-4"}, true, 5);
        w.f->ExecutarAnalisi(AnalisiArrels);
        QTest::qWait(20);
        w.Comanda("MenuMinims");
        EXPECT_EQ(w.R().AnalisiActiva, AnalisiMinims);
        QTest::qWait(20);
        w.f->close();
        EXPECT_FALSE(w.f->CalculEnMarxa());
    }
}

TEST(AnalisisQt, PointPanelAndMouse) {
    FinestraAnalisi w({"x^2"});
    w.Comanda("MenuImatge");
    auto* edit = w.f->findChild<QLineEdit*>("PanelImatgeDerivadaEditX");
    EXPECT_EQ(std::tuple(edit->isVisible(), w.f->PanellDelPunt().TextY), std::tuple(true, "y = 0"));
    auto acceptar = [&](const char* x) {
        edit->setText(x);
        w.f->PanelAcceptar();
    };
    acceptar("2");
    EXPECT_EQ(std::tuple(w.R().TextEstat, w.R().Segments.nombre), std::tuple("x = 2  y = 4", 2));
    // The arrows move one column; at the right edge nothing happens.
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), "2.025");
    acceptar("7.475");
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), "7.475");
    acceptar("x)");
    EXPECT_EQ(w.s.Missatges(), QStringList{"Error de càlcul en la X"});

    // A drag from beside the point's line walks the point column by column to the pointer.
    acceptar("0");
    GraficQt* g = w.f->Grafic();
    const int px = static_cast<int>(std::lround(320 * w.f->Estat().Vista.EscalaX));
    QTest::mousePress(g, Qt::LeftButton, {}, QPoint(px + 1, 100));
    QTest::mouseMove(g, QPoint(px + 60, 100));
    QTest::mouseRelease(g, Qt::LeftButton, {}, QPoint(px + 60, 100));
    EXPECT_GT(std::stod(edit->text().toStdString()), 1.0);

    // Click marks: 325 clicks fill the list, the next one is refused; a right click clears.
    w.Comanda("MenuAlClicarEsmarquenLesCoordenades");
    w.Comanda("MenuNetejar");
    EXPECT_FALSE(edit->isVisible());
    for (int i = 0; i < 326; ++i) QTest::mouseClick(g, Qt::LeftButton, {}, QPoint(100 + i % 300, 100));
    EXPECT_EQ(w.R().Segments.nombre, 650);
    EXPECT_NE(w.R().Etiquetes.entrades[0].text.find(';'), std::string::npos);
    EXPECT_EQ(w.s.Missatges(), (QStringList{"Error de càlcul en la X", "No és possible dibuixar més punts. Netejar  la finestra."}));
    QTest::mouseClick(g, Qt::RightButton, {}, QPoint(100, 100));
    EXPECT_EQ(w.R().Segments.nombre, 0);
}

// The study from the menu: every point marked at once, the status names it, the
// report opens beside the graph and copies and saves itself.
TEST(AnalisisQt, TheStudyMarksThePointsAndReportsThem) {
    Finestra w({"x^3-3x"});
    EXPECT_TRUE(w.f->Accio("MenuEstudiDeLaFuncio")->isEnabled());
    w.Comanda("MenuEstudiDeLaFuncio");
    TFormEstudi* informe = w.f->Estudi();
    EXPECT_EQ(std::tuple(w.R().TextEstat, w.R().Etiquetes.nombre, informe->isVisible(),
                         informe->windowTitle()),
              std::tuple("Estudi de la funció", 3 + 2 + 2 + 2, true,
                         "Estudi de f(x) = x^3-3x a [-7.5, 7.5]"));
    informe->BitBtnCopiarClick();
    EXPECT_EQ(std::pair(w.s.carpetaText, w.s.carpetaHtml),
              std::pair(informe->TextInforme(), informe->HtmlInforme()));
    QTemporaryDir dir;
    for (const char* nom : {"estudi.txt", "estudi.html"}) {
        w.s.fitxers = {dir.filePath(nom)};
        ASSERT_TRUE(informe->BitBtnDesarClick());
        QFile f(dir.filePath(nom));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(f.readAll()),
                  QString(nom).endsWith(".txt") ? informe->TextInforme() : informe->HtmlInforme());
    }
    w.Funcions({"x^3-3x", "x"});
    EXPECT_FALSE(w.f->Accio("MenuEstudiDeLaFuncio")->isEnabled());
}

} // namespace
} // namespace tracima
