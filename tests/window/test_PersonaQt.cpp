// What a person meets in the window: typing into the point grid, the access keys
// of menus and dialogs, the point panel's keys, texts that fit, refusals that say
// what they refuse, closing during a scan, a file changed on disk, the system's
// registration.
#include "ServeisProvaQt.h"
#include "window/GraellaValorsQt.h"
#include "window/UnitFormCoeficientsRegressio.h"
#include "window/UnitFormEntradaDeDades.h"
#include "window/UnitFormEstudi.h"
#include "window/UnitFormIntegrals.h"
#include "window/UnitFormInterpolacioIntroduirValors.h"
#include "window/UnitFormPrincipal.h"
#include "window/UnitFormPuntsSingulars.h"
#include "window/UnitFormQuinaEsNumerica.h"
#include "window/UnitFormRegressioIntroduirValors.h"
#include "window/UnitFormUnaFuncio.h"
#include "window/UnitPlataformaDependent.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>
#include <tuple>

#include <gtest/gtest.h>

namespace tracima {
namespace {

// Typing into the grid: Enter (either key), an arrow or a button of the dialog
// (DesarCursor) store what was typed; Enter moves one step as "Següent" does.
TEST(PersonaQt, TypedCellsAreStoredHoweverTheyAreLeft) {
    for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        GraellaValors model;
        GraellaValorsQt g(model);
        g.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&g));
        g.setFocus();
        g.setCurrentCell(0, 0);
        const auto teclejar = [](const char* text, Qt::Key tecla) {
            QTest::keyClicks(QApplication::focusWidget(), text);
            if (tecla != Qt::Key_unknown) QTest::keyClick(QApplication::focusWidget(), tecla);
        };
        for (const char* valor : {"0", "0", "1", "1", "2", "4"})
            teclejar(valor, enter);
        EXPECT_EQ(std::tuple(model.Text(1, 1), model.Text(2, 1), model.Text(3, 2), model.Cursor()),
                  std::tuple("0", "1", "4", Cella{4, ColumnaX}));
        teclejar("3", Qt::Key_Down);
        teclejar("9", Qt::Key_unknown);
        g.DesarCursor();
        EXPECT_EQ(std::tuple(model.Text(4, 1), model.Text(5, 1), model.Cursor()),
                  std::tuple("3", "9", Cella{5, ColumnaX}));
    }
}

QChar TeclaDe(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '&') {
            if (text[i + 1] != '&') return text[i + 1].toLower();
            ++i;
        }
    return {};
}

// Access keys are unique within each dialog, in both languages (the menus' are
// checked with the caption table); every button and check box of a dialog has
// one, a label's key puts the focus in the box it names (which is named by the
// label), and Tab leaves the grid.
TEST(PersonaQt, EveryAccessKeyIsUniqueAndReachesItsControl) {
    Finestra w;
    TFormPrincipal& f = *w.f;
    for (const Llengua llengua : LlenguesAmbTextos) {
        f.CanviarLlengua(llengua);
        using Tecles = std::map<QChar, QString>;
        const auto afegir = [](Tecles& tecles, const QString& text, bool cal) {
            const QChar t = TeclaDe(text);
            EXPECT_TRUE(!cal || !t.isNull()) << text.toStdString();
            const auto [on, nou] = tecles.emplace(t, text);
            EXPECT_TRUE(t.isNull() || nou)
                << text.toStdString() << " / " << on->second.toStdString();
        };
        for (QWidget* dialeg : std::initializer_list<QWidget*>{
                 f.EntradaDeDades(), f.UnaFuncio(), f.NumericaInterpolacio(), f.NumericaRegressio(),
                 f.QuinaEsNumerica(), f.Coeficients(), f.Integrals(), f.PuntsSingulars(),
                 f.Estudi()}) {
            SCOPED_TRACE(dialeg->objectName().toStdString() +
                         std::to_string(ColumnaDeTextos(llengua)));
            Tecles tecles;
            for (QAbstractButton* b : dialeg->findChildren<QAbstractButton*>())
                if (!b->text().isEmpty() ||
                    !b->shortcut().isEmpty()) // a picture button: its Alt+key
                    afegir(tecles,
                           b->text().isEmpty() ? "&" + b->shortcut().toString().right(1)
                                               : b->text(),
                           true);
            dialeg->show();
            QApplication::setActiveWindow(dialeg);
            ASSERT_TRUE(QTest::qWaitForWindowActive(dialeg));
            for (QLabel* l : dialeg->findChildren<QLabel*>()) {
                if (!l->buddy() || TeclaDe(l->text()).isNull()) continue;
                afegir(tecles, l->text(), false);
                QTest::keyClick(dialeg, TeclaDe(l->text()).toLatin1(), Qt::AltModifier);
                EXPECT_TRUE(l->buddy()->isAncestorOf(QApplication::focusWidget()) ||
                            QApplication::focusWidget() == l->buddy())
                    << l->text().toStdString();
                const auto* c = qobject_cast<QComboBox*>(l->buddy());
                EXPECT_TRUE(!c || !c->lineEdit() ||
                            c->lineEdit()->accessibleName() == QString(l->text()).remove('&'));
            }
            if (auto* g = dialeg->findChild<GraellaValorsQt*>()) {
                g->setFocus();
                QTest::keyClick(g, Qt::Key_Tab);
                EXPECT_FALSE(g->isAncestorOf(QApplication::focusWidget()) ||
                             QApplication::focusWidget() == g);
            }
            dialeg->hide();
        }
    }
}

// The main window on screen and active (shortcuts need it), with x^2-4.
struct FinestraActiva : Finestra {
    FinestraActiva() : Finestra({"x^2-4"}) {
        f->resize(640, 480);
        f->show();
        QApplication::setActiveWindow(f.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(f.get()));
    }
};

TEST(PersonaQt, PointPanelEscapeAndCopyWithNothingSelected) {
    FinestraActiva w;
    w.Comanda("MenuImatge");
    auto* x = w.f->findChild<QLineEdit*>("PanelImatgeDerivadaEditX");
    ASSERT_TRUE(w.f->PanellDelPunt().Visible);
    x->deselect();
    QTest::keyClick(x, Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(w.s.carpetaImatge.isNull()); // the menu's Ctrl+C: the graph
    QTest::keyClick(x, Qt::Key_Escape);
    EXPECT_FALSE(w.f->PanellDelPunt().Visible);
}

// Windows that show their whole texts: the pause dialog grows with its text (and
// has no minimise or maximise button), the limits bar's labels are not cut, and
// the one-function dialog is no wider than a formula needs.
TEST(PersonaQt, TextsFitTheirWindows) {
    FinestraActiva w;
    TFormPuntsSingulars* pausa = w.f->PuntsSingulars();
    const QString text =
        QStringLiteral("x = 0.273333   ABS(y1-y2) = 12345.678901   Integral definida entre -7 i 7");
    Guio guio;
    guio("FormPuntsSingulars", [](QWidget* d) { Clicar(d, "BitBtnContinuar"); });
    EXPECT_TRUE(pausa->Preguntar(text));
    auto* etiqueta = pausa->findChild<QLabel*>("LabelX");
    EXPECT_GE(etiqueta->width(), etiqueta->fontMetrics().horizontalAdvance(text));
    EXPECT_GE(pausa->findChild<QAbstractButton*>("BitBtnContinuar")->x(),
              etiqueta->geometry().right());
    EXPECT_FALSE(pausa->windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    for (const Llengua llengua : LlenguesAmbTextos) {
        w.f->CanviarLlengua(llengua);
        TFormIntegrals* limits = w.f->Integrals();
        limits->adjustSize();
        for (const char* nom : {"LabelInicial", "LabelFinal"}) {
            auto* l = limits->findChild<QLabel*>(nom);
            EXPECT_GE(l->width(),
                      l->fontMetrics().horizontalAdvance(QString(l->text()).remove('&')))
                << nom;
        }
    }
    w.f->UnaFuncio()->adjustSize();
    EXPECT_LT(w.f->UnaFuncio()->width(), 700);
}

// Refusals that say what they refuse: an exported picture too large names the
// limit; the numeric-function chooser cancelled asks nothing of the axes.
TEST(PersonaQt, RefusalsSayWhatIsRefused) {
    FinestraActiva w;
    w.s.fitxers = {QDir::temp().filePath(QStringLiteral("tracima-prova.png"))};
    w.s.textos = {QStringLiteral("9000x9000")};
    w.Comanda("MenuExportarImatge");
    ASSERT_EQ(w.s.missatges.size(), 1u);
    EXPECT_EQ(w.s.missatges[0].text.toStdString(),
              w.f->Estat().Missatges.Missatge(MissatgeMidaImatgeLimits));
    w.f->Estat().Numerica.InterpolacioAcceptada = 1; // left by an earlier table
    Guio guio;
    guio("FormEntradaDeDades", [](QWidget* d) { Clicar(d, "BitBtnFuncioNumerica"); });
    guio("FormQuinaEsNumerica", [](QWidget* d) { Clicar(d, "BitBtnCancelar"); });
    guio("FormEntradaDeDades", [](QWidget* d) { Clicar(d, "BitBtnCancelar"); });
    w.Comanda("MenuCanviarFuncionsOParametres");
    EXPECT_TRUE(w.s.preguntes.empty());
}

// Closing during a traced scan asks first; staying keeps the scan going.
TEST(PersonaQt, ClosingDuringATracedScanAsksFirst) {
    FinestraActiva w;
    ASSERT_TRUE(w.f->Estat().Opcions.MenuTrassarElsCalculs); // on at start
    w.f->IntervalTracat = 1;
    w.Comanda("MenuMaxims");
    ASSERT_TRUE(w.f->CalculEnMarxa());
    w.s.desar = {RespostaDesar::Cancellar};
    EXPECT_FALSE(w.f->close());
    EXPECT_EQ(w.s.preguntesDesar.size(), 1u);
    EXPECT_TRUE(w.f->CalculEnMarxa());
    w.f->AturarCalculEnMarxa();
}

QByteArray Llegir(const QString& fitxer) {
    QFile f(fitxer);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A document whose file another program changed is not written over without a
// question; "No" leaves the file as the other program left it.
TEST(PersonaQt, SavingOverAFileChangedOnDiskAsks) {
    FinestraActiva w;
    const QString fitxer = QDir::temp().filePath(QStringLiteral("tracima-canviat.trc"));
    QFile::remove(fitxer);
    w.s.fitxers = {fitxer};
    w.Comanda("MenuAnomenarIDesar");
    const QByteArray altre = Llegir(fitxer) + "\r\n";
    EscriureFitxer(fitxer, altre);
    w.s.respostes = {false};
    w.Comanda("MenuDesar");
    EXPECT_EQ(w.s.preguntes.size(), 1u);
    EXPECT_EQ(Llegir(fitxer), altre);
    QFile::remove(fitxer);
}

// The program installed for the whole system is the association in force: a
// first start writes nothing of its own.
TEST(PersonaQt, TheSystemsRegistrationOfThisProgramCounts) {
    const QString sistema = QDir::temp().filePath(QStringLiteral("tracima-sistema"));
    QDir(sistema).removeRecursively();
    EscriureFitxer(sistema + QStringLiteral("/applications/tracima.desktop"),
                   ("[Desktop Entry]\nType=Application\nName=Tracima\nExec=" + ProgramaPropi() +
                    " %f\nMimeType=application/x-tracima;\n")
                       .toUtf8());
    // A user with nothing of their own: empty configuration and data folders.
    std::map<const char*, QByteArray> abans;
    for (const char* v : {"XDG_DATA_DIRS", "XDG_DATA_HOME", "XDG_CONFIG_HOME"})
        abans[v] = qgetenv(v);
    qputenv("XDG_DATA_DIRS", sistema.toLocal8Bit());
    qputenv("XDG_DATA_HOME", (sistema + QStringLiteral("/usuari")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (sistema + QStringLiteral("/config")).toLocal8Bit());
    EXPECT_TRUE(MateixPrograma(LlegirAssociacio("trc"), ProgramaPropi()));
    for (const auto& [v, valor] : abans)
        qputenv(v, valor);
    QDir(sistema).removeRecursively();
}

} // namespace
} // namespace tracima
