// The numeric-function dialogs offscreen: the grid's keys, a regression and an
// interpolation entered from the data entry dialog through the chooser, the
// coefficients window, the axis question, "Només punts" and the regression
// equation box; dialogs are answered in order as they open.
#include "ServeisProvaQt.h"
#include "window/UnitFormPrincipal.h"
#include "window/GraellaValorsQt.h"
#include "window/UnitFormRegressioIntroduirValors.h"
#include "window/UnitFormCoeficientsRegressio.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>

namespace tracima {
namespace {

// Runs each step on the modal dialog it names, in order, as the dialogs open.
struct Guio {
    std::deque<std::pair<QString, std::function<void(QWidget*)>>> passos;
    QTimer timer;
    Guio() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (w == nullptr || passos.empty() || w->objectName() != passos.front().first) return;
            auto pas = passos.front().second;
            passos.pop_front();
            // Run outside this timer's slot: a step that opens the next dialog runs
            // a nested loop in which this timer must fire again.
            QTimer::singleShot(0, w, [pas, w] { pas(w); });
        });
        timer.start(1);
    }
    void operator()(const char* dialeg, std::function<void(QWidget*)> pas) { passos.emplace_back(dialeg, std::move(pas)); }
};

void Clicar(QWidget* w, const char* boto) { w->findChild<QAbstractButton*>(boto)->click(); }

TEST(GraellaQt, KeysEditMoveAndClear) {
    GraellaValors model;
    GraellaValorsQt g(model);
    g.show();
    g.setCurrentCell(0, 0);
    g.item(0, 0)->setText("2pi");
    EXPECT_EQ(model.Text(1, 1), "2pi");
    QTest::keyClick(&g, Qt::Key_Return);
    EXPECT_EQ(model.Cursor(), (Cella{1, ColumnaY}));
    QTest::keyClick(&g, Qt::Key_Return);
    EXPECT_EQ(model.Cursor(), (Cella{2, ColumnaX}));
    g.setRangeSelected(QTableWidgetSelectionRange(0, 0, 0, 1), true);
    QTest::keyClick(&g, Qt::Key_Delete);
    EXPECT_EQ(model.UltimaFilaOcupada(), 0);
    int copies = 0, enganxats = 0;
    g.EnCopiar = [&] { ++copies; };
    g.EnEnganxar = [&] { ++enganxats; };
    QTest::keyClick(&g, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&g, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(copies + enganxats, 2);
}

struct Finestra {
    ServeisProva s;
    std::unique_ptr<TFormPrincipal> f = std::make_unique<TFormPrincipal>(s);
    Finestra() { f->IniciarLlengua("Catala"); }
};

TEST(DialegsNumericsQt, RegressionFromTheDataEntryDialogToTheEquationBox) {
    Finestra w;
    // A table copied from a text editor: LF line ends, a decimal comma.
    w.s.carpetaText = "1\t2\n2\t4\n3\t6,5\n";
    w.s.respostes = {true, true}; // paste, then the axis question
    QString rLineal, rExponencial;
    Guio guio;
    guio("FormEntradaDeDades", [](QWidget* d) { Clicar(d, "BitBtnFuncioNumerica"); });
    guio("FormQuinaEsNumerica", [](QWidget* d) {
        d->findChild<QRadioButton*>("RadioButtonH")->setChecked(true);
        d->findChild<QCheckBox*>("CheckBoxRegressio")->setChecked(true);
        Clicar(d, "BitBtnDAcord");
    });
    guio("FormNumericaRegressio", [](QWidget* d) {
        Clicar(d, "BitBtnEnganxar");
        d->findChild<QRadioButton*>("RadioButtonQuadratica")->setChecked(true);
        Clicar(d, "BitBtnCoeficients");
    });
    guio("FormCoeficients", [&](QWidget* d) {
        auto* c = static_cast<TFormCoeficients*>(d);
        rLineal = c->Camp("EditRLineal");
        rExponencial = c->Camp("EditRExponencial");
        Clicar(d, "BitBtnCopiar");
    });
    guio("FormNumericaRegressio", [](QWidget* d) { Clicar(d, "BitBtnDAcord"); });
    guio("FormEntradaDeDades", [](QWidget* d) {
        EXPECT_EQ(d->findChild<QComboBox*>("EditH")->currentText(), "REGRESSIÓ QUADRÀTICA y = ax^2 + bx + c");
        EXPECT_EQ(d->findChild<QComboBox*>("EditOEX")->currentText(), "0");
        EXPECT_EQ(d->findChild<QComboBox*>("EditFEX")->currentText(), "4");
        Clicar(d, "BitBtnAcord");
    });
    w.f->Accio("MenuCanviarFuncionsOParametres")->trigger();
    ASSERT_TRUE(guio.passos.empty());
    EXPECT_NE(rLineal, "NO");
    EXPECT_FALSE(rExponencial.isEmpty());
    EXPECT_EQ(w.s.carpetaText.count("\r\n"), 19); // the coefficients' 19 lines
    ASSERT_EQ(w.s.preguntes.size(), 2u);
    EXPECT_EQ(w.s.preguntes[1].titol, "Cal modificar el valor dels extrems dels eixos?");
    EXPECT_FALSE(w.s.preguntes[1].text.contains("\r"));

    const ConjuntFuncions& cf = w.f->Estat().Funcions;
    EXPECT_EQ(cf.Slots[2].Numerica.NombrePunts, 3);
    EXPECT_EQ(cf.Slots[2].Numerica.TipusRegressio, 2);
    EXPECT_TRUE(cf.MostresColumna[2].Definida(320));
    EXPECT_TRUE(w.f->Accio("MenuEquaciDeRegressio")->isEnabled());

    w.s.respostes = {true};
    w.f->Accio("MenuEquaciDeRegressio")->trigger();
    const auto& p = w.s.preguntes.back();
    EXPECT_EQ(p.titol, "Copiar  a la carpeta?");
    EXPECT_TRUE(p.text.startsWith("Coeficient de correlació : 1\n\nY = "));
    EXPECT_TRUE(w.s.carpetaText.startsWith("Coeficient de correlació : 1\r\n\r\nY = "));
    EXPECT_TRUE(w.s.carpetaText.endsWith("\r\n\r\n"));
}

TEST(DialegsNumericsQt, InterpolationRefusalsNomesPuntsAndCancel) {
    Finestra w;
    Guio guio;
    guio("FormEntradaDeDades", [](QWidget* d) { Clicar(d, "BitBtnFuncioNumerica"); });
    guio("FormQuinaEsNumerica", [](QWidget* d) { Clicar(d, "BitBtnDAcord"); });
    guio("FormNumericaInterpolacio", [&w](QWidget* d) {
        auto* g = d->findChild<GraellaValorsQt*>("StringGridValorsNumerica");
        const char* cel[3][2] = {{"1", "1"}, {"2", "4"}, {"2", "9"}};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 2; ++c) g->item(r, c)->setText(cel[r][c]);
        Clicar(d, "BitBtnDAcord");
        EXPECT_EQ(g->currentRow(), 2);
        EXPECT_EQ(g->currentColumn(), 0);
        g->item(2, 0)->setText("3");
        d->findChild<QCheckBox*>("CheckBoxNomesPunts")->click();
        EXPECT_TRUE(d->findChild<QCheckBox*>("CheckBoxMostrarPunts")->isChecked());
        EXPECT_TRUE(w.f->Estat().Opcions.MenuNomsPunts);
        EXPECT_TRUE(w.f->Accio("MenuNomsPunts")->isChecked());
        Clicar(d, "BitBtnDAcord");
    });
    guio("FormEntradaDeDades", [](QWidget* d) {
        EXPECT_EQ(d->findChild<QComboBox*>("EditF")->currentText(), "INTERPOLACIÓ");
        Clicar(d, "BitBtnCancelar");
    });
    w.f->Accio("MenuCanviarFuncionsOParametres")->trigger();
    ASSERT_TRUE(guio.passos.empty());
    ASSERT_GE(w.s.missatges.size(), 1u);
    EXPECT_EQ(w.s.missatges[0].text, "No pot ser un valor de X igual o inferior a l'anterior");
    // Cancelled: the function set keeps no label, though the table was accepted.
    EXPECT_EQ(w.f->Estat().Funcions.Slots[0].Text, "");
    EXPECT_EQ(w.f->Estat().Funcions.Slots[0].Numerica.NombrePunts, 3);
    EXPECT_TRUE(w.f->Estat().Funcions.Slots[0].Numerica.MostrarPunts);
}

TEST(DialegsNumericsQt, HugeAndJunkPastesAreBoundedAndRefused) {
    Finestra w;
    DialegTaulaQt* d = w.f->NumericaRegressio();
    std::string junk(1 << 20, '\0');
    for (std::size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<char>((i * 7919 + 13) % 251 + 1);
    QString linies;
    for (int i = 0; i < 100000; ++i) linies += QString::number(i) + "\t" + QString::number(2 * i) + "\n";
    const QString textos[] = {QString::fromLatin1(junk.data(), static_cast<qsizetype>(junk.size())), linies,
                              "nan\t1\n2\t3\n4\t5\n", QString(10000, '9') + "\t1\n2\t3\n4\t5\n"};
    for (const QString& text : textos) {
        w.s.carpetaText = text;
        w.s.respostes = {true};
        w.s.missatges.clear();
        d->BitBtnEnganxarClick();
        d->BitBtnDAcordClick();
        // A 100,000-line table is cut to 400 rows and fits; everything else is a cell error.
        if (text == linies) {
            EXPECT_TRUE(w.s.missatges.empty());
            EXPECT_EQ(w.f->Estat().Funcions.Slots[0].Numerica.NombrePunts, 400);
        } else {
            ASSERT_EQ(w.s.missatges.size(), 1u);
            EXPECT_EQ(w.s.missatges[0].text, "Error de càlcul en la cel.la");
        }
    }
    // Nothing reached the function set: only the data entry dialog's acceptance does that.
    EXPECT_EQ(w.f->Estat().Funcions.Slots[0].Text, "");
}

} // namespace
} // namespace tracima
