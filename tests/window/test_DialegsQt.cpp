// The dialogs, opened by their commands and driven through their widgets while they run modally:
// data entry, one function, parameters; the point grid; numeric functions through the chooser.
#include "ServeisProvaQt.h"
#include "window/GraellaValorsQt.h"
#include "window/UnitFormCoeficientsRegressio.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace tracima {
namespace {

void Escriure(QWidget* d, const char* caixa, const char* text) { d->findChild<QComboBox*>(caixa)->setEditText(text); }
QString Text(QWidget* d, const char* caixa) { return d->findChild<QComboBox*>(caixa)->currentText(); }

TEST(EntradaDeDadesQt, AcceptedRefusedAndCancelled) {
    Finestra w;
    const ConjuntFuncions& cf = w.Cf();
    Guio guio;
    guio("FormEntradaDeDades", [](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), "TRACIMA - Entrada de dades");
        Escriure(d, "EditF", "x^2-4");
        Escriure(d, "EditFEX", "x)");
        Clicar(d, "BitBtnAcord"); // refused: the dialog stays, with the focus in the faulty box
        auto* fex = d->findChild<QComboBox*>("EditFEX");
        EXPECT_TRUE(d->isVisible() && (d->focusWidget() == fex || d->focusWidget() == fex->lineEdit()));
        Escriure(d, "EditFEX", "2pi");
        Clicar(d, "BitBtnAcord");
    });
    // Reset axes and a new function, then Cancel: nothing changes, and the next
    // opening shows the state in force.
    guio("FormEntradaDeDades", [](QWidget* d) {
        EXPECT_EQ(Text(d, "EditFEX"), "6.283186");
        Clicar(d, "BitBtnIniciarEixos");
        EXPECT_EQ(Text(d, "EditFEX"), "7.5");
        Escriure(d, "EditG", "x");
        Clicar(d, "BitBtnCancelar");
    });
    guio("FormEntradaDeDades", [](QWidget* d) {
        EXPECT_EQ(std::tuple(Text(d, "EditFEX"), Text(d, "EditG")), std::tuple("6.283186", ""));
    });
    // The messages follow a language switch made while the dialog is open.
    guio("FormEntradaDeDades", [&w](QWidget* d) {
        w.f->CanviarLlengua(Llengua::Castella);
        EXPECT_EQ(d->windowTitle(), "TRACIMA - Entrada de datos");
        Escriure(d, "EditUEY", "0");
        Clicar(d, "BitBtnAcord");
    });
    w.Comanda("MenuCanviarFuncionsOParametres");
    EXPECT_EQ(std::tuple(cf.Slots[0].Text, cf.Eixos.XFinal, w.f->windowTitle(), w.f->Accio("MenuArrels")->isEnabled()),
              std::tuple("x^2-4", 6.283186, "x^2-4", true));
    EXPECT_TRUE(w.f->Grafic()->accessibleDescription().contains("F(x) = x^2-4"));
    for (int i = 0; i < 3; ++i) w.Comanda("MenuCanviarFuncionsOParametres");
    EXPECT_EQ(std::tuple(cf.Eixos.XFinal, cf.NombreFuncions, guio.passos.size()), std::tuple(6.283186, 1, 0u));
    EXPECT_EQ(w.s.Missatges(), (QStringList{"Error de càlcul en el Final Eix X", "La Unidad Eje Y ha de ser mayor que 0"}));
    EXPECT_EQ(w.s.missatges[0].titol, "Tracima");
}

TEST(UnaFuncioQt, ListChoiceAppliesAtOnceTypedTextOnConfirm) {
    Finestra w;
    const ConjuntFuncions& cf = w.Cf();
    Guio guio;
    guio("FormUnaFuncio", [&cf](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), "Canviar una funció");
        d->findChild<QComboBox*>("ComboBoxFuncio")->setCurrentIndex(2);
        auto* edit = d->findChild<QComboBox*>("EditUnaFuncio");
        for (const auto& [text, clicar, esperat] : {std::tuple{"x^", true, ""}, {"x^3", false, ""}, {"x^3", true, "x^3"}}) {
            edit->setEditText(text);
            if (clicar) Clicar(d, "BitBtnContinuar");
            EXPECT_EQ(cf.Slots[2].Text, esperat) << text;
        }
        // A choice from the list is applied without confirming.
        edit->setCurrentIndex(edit->findText("ax^2+bx+c"));
        emit edit->activated(edit->currentIndex());
        EXPECT_EQ(cf.Slots[2].Text, "ax^2+bx+c");
    });
    // The data entry dialog's box follows.
    guio("FormEntradaDeDades", [](QWidget* d) { EXPECT_EQ(Text(d, "EditH"), "ax^2+bx+c"); });
    w.Comanda("MenuCanviarUnaFuncio");
    w.Comanda("MenuCanviarFuncionsOParametres");
    EXPECT_EQ(std::tuple(w.s.Missatges(), cf.NombreFuncions, guio.passos.size()),
              std::tuple(QStringList{"La funció H(x) té un error de sintaxis"}, 1, 0u));
}

TEST(CanviDeParametresQt, StepsFollowTheGraphAndTheCaption) {
    Finestra w({"ax^2"});
    const ConjuntFuncions& cf = w.Cf();
    Guio guio;
    guio("FormCanviDeParametres", [&cf](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), "Canvi de paràmetres - f(x) = 1X^2");
        auto* a = d->findChild<QLineEdit*>("EditA");
        auto* increment = d->findChild<QLineEdit*>("EditIncrement");
        // Steps of the increment, none of an increment that is no number.
        for (const auto& [pas, tecla, esperat] : {std::tuple{"0.5", Qt::Key_Up, "1.5"}, {"0.5", Qt::Key_Up, "2"},
                                                  {"0.5", Qt::Key_Up, "2.5"}, {"x)", Qt::Key_Down, "2.5"}}) {
            increment->setText(pas);
            QTest::keyClick(a, tecla);
            EXPECT_EQ(a->text(), esperat);
        }
        EXPECT_EQ(std::tuple(cf.Parametres[0], cf.MostresColumna[0].Y(360)), std::tuple(2.5, 2.5)); // x = 1
        a->setText("-2");
        EXPECT_EQ(std::tuple(d->windowTitle(), cf.MostresColumna[0].Y(360)),
                  std::tuple("Canvi de paràmetres - f(x) = (-2)X^2", -2.0));
        d->findChild<QLineEdit*>("EditB")->setText("2*PI");
        a->setText("2*(");
        EXPECT_EQ(std::tuple(cf.Parametres[0], cf.Parametres[1]), std::tuple(-2.0, 6.283186));
    });
    w.Comanda("MenuCanviarParametres");
    EXPECT_TRUE(guio.passos.empty());
}

// Typing writes the model; Enter moves to Y, then to the next row; Delete clears
// the selection; Ctrl+C and Ctrl+V call the dialog's copy and paste.
TEST(GraellaQt, KeysEditMoveAndClear) {
    GraellaValors model;
    GraellaValorsQt g(model);
    int copies = 0, enganxats = 0;
    g.EnCopiar = [&] { ++copies; };
    g.EnEnganxar = [&] { ++enganxats; };
    g.show();
    g.setCurrentCell(0, 0);
    g.item(0, 0)->setText("2pi");
    QTest::keyClick(&g, Qt::Key_Return);
    const Cella primera = model.Cursor();
    QTest::keyClick(&g, Qt::Key_Return);
    EXPECT_EQ(std::tuple(model.Text(1, 1), primera, model.Cursor()), std::tuple("2pi", Cella{1, ColumnaY}, Cella{2, ColumnaX}));
    g.setRangeSelected(QTableWidgetSelectionRange(0, 0, 0, 1), true);
    QTest::keyClick(&g, Qt::Key_Delete);
    QTest::keyClick(&g, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&g, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(model.UltimaFilaOcupada(), copies, enganxats), std::tuple(0, 1, 1));
}

// An interpolation into F refused, accepted with "Només punts", its data entry cancelled;
// then a regression into H, pasted, with its coefficients, up to the equation box.
TEST(DialegsNumericsQt, InterpolationAndRegressionThroughTheChooser) {
    Finestra w;
    Guio guio;
    guio("FormEntradaDeDades", [](QWidget* d) { Clicar(d, "BitBtnFuncioNumerica"); });
    guio("FormQuinaEsNumerica", [](QWidget* d) { Clicar(d, "BitBtnDAcord"); });
    guio("FormNumericaInterpolacio", [&w](QWidget* d) {
        auto* g = d->findChild<GraellaValorsQt*>("StringGridValorsNumerica");
        const char* cel[3][2] = {{"1", "1"}, {"2", "4"}, {"2", "9"}};
        for (int i = 0; i < 6; ++i) g->item(i / 2, i % 2)->setText(cel[i / 2][i % 2]);
        Clicar(d, "BitBtnDAcord");
        EXPECT_EQ(std::tuple(g->currentRow(), g->currentColumn()), std::tuple(2, 0));
        g->item(2, 0)->setText("3");
        Clicar(d, "CheckBoxNomesPunts");
        EXPECT_EQ(std::tuple(d->findChild<QAbstractButton*>("CheckBoxMostrarPunts")->isChecked(),
                             w.f->Estat().Opcions.MenuNomsPunts, w.f->Accio("MenuNomsPunts")->isChecked()),
                  std::tuple(true, true, true));
        Clicar(d, "BitBtnDAcord");
    });
    guio("FormEntradaDeDades", [](QWidget* d) {
        EXPECT_EQ(Text(d, "EditF"), "INTERPOLACIÓ");
        Clicar(d, "BitBtnCancelar");
    });
    w.Comanda("MenuCanviarFuncionsOParametres");
    EXPECT_EQ(w.s.Missatges(), QStringList{"No pot ser un valor de X igual o inferior a l'anterior"});
    // Cancelled: the whole numeric record is put back with the formula, though the
    // table was accepted (the old equation would be drawn through the new points).
    const FuncioNumerica& n = w.Cf().Slots[0].Numerica;
    EXPECT_EQ(std::tuple(w.Cf().Slots[0].Text, n.NombrePunts, n.MostrarPunts),
              std::tuple("", 0, false));

    // Then a regression into H of a table copied from a text editor: LF line ends, a decimal comma.
    w.s.carpetaText = "1\t2\n2\t4\n3\t6,5\n";
    w.s.respostes = {true, true}; // the paste, then the axis question
    QString rLineal;
    guio("FormEntradaDeDades", [](QWidget* d) { Clicar(d, "BitBtnFuncioNumerica"); });
    guio("FormQuinaEsNumerica", [](QWidget* d) {
        Clicar(d, "RadioButtonH");
        Clicar(d, "CheckBoxRegressio");
        Clicar(d, "BitBtnDAcord");
    });
    guio("FormNumericaRegressio", [](QWidget* d) {
        Clicar(d, "BitBtnEnganxar");
        Clicar(d, "RadioButtonQuadratica");
        Clicar(d, "BitBtnCoeficients");
    });
    guio("FormCoeficients", [&](QWidget* d) {
        rLineal = static_cast<TFormCoeficients*>(d)->Camp("EditRLineal");
        Clicar(d, "BitBtnCopiar");
    });
    guio("FormNumericaRegressio", [](QWidget* d) { Clicar(d, "BitBtnDAcord"); });
    guio("FormEntradaDeDades", [](QWidget* d) {
        EXPECT_EQ(std::tuple(Text(d, "EditH"), Text(d, "EditOEX"), Text(d, "EditFEX")),
                  std::tuple("REGRESSIÓ QUADRÀTICA y = ax^2 + bx + c", "0", "4"));
        Clicar(d, "BitBtnAcord");
    });
    w.Comanda("MenuCanviarFuncionsOParametres");
    ASSERT_TRUE(guio.passos.empty());
    EXPECT_TRUE(rLineal != "NO" && !rLineal.isEmpty());
    EXPECT_EQ(w.s.carpetaText.count("\r\n"), 19); // the coefficients' 19 lines
    ASSERT_EQ(w.s.preguntes.size(), 3u); // the axis question of each table, the paste between them
    EXPECT_EQ(std::tuple(w.s.preguntes[2].titol, w.s.preguntes[2].text.contains("\r")),
              std::tuple("Cal modificar el valor dels extrems dels eixos?", false));
    const FuncioNumerica& h = w.Cf().Slots[2].Numerica;
    EXPECT_EQ(std::tuple(h.NombrePunts, h.TipusRegressio, w.Cf().MostresColumna[2].Definida(320),
                         w.f->Accio("MenuEquaciDeRegressio")->isEnabled()), std::tuple(3, 2, true, true));

    w.s.respostes = {true};
    w.Comanda("MenuEquaciDeRegressio");
    const auto& [titol, text, icona] = w.s.preguntes.back();
    EXPECT_EQ(std::tuple(titol, text.startsWith("Coeficient de correlació : 1\n\nY = "),
                         w.s.carpetaText.startsWith("Coeficient de correlació : 1\r\n\r\nY = "), w.s.carpetaText.endsWith("\r\n\r\n")),
              std::tuple("Copiar  a la carpeta?", true, true, true));

    // A document saved in English opens in Catalan and is written back byte for byte.
    QTemporaryDir dir;
    const auto bytes = [&dir](const char* nom) {
        QFile f(dir.filePath(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    w.f->CanviarLlengua(Llengua::Angles);
    w.s.fitxers = {dir.filePath("en.trc"), dir.filePath("en.trc"), dir.filePath("ca.trc")};
    w.Comanda("MenuAnomenarIDesar");
    w.f->CanviarLlengua(Llengua::Catala);
    w.Comanda("MenuObrir");
    w.Comanda("MenuAnomenarIDesar");
    EXPECT_TRUE(bytes("en.trc").contains("REGRESSI\xD3 QUADR\xC0TICA"));
    EXPECT_EQ(bytes("en.trc"), bytes("ca.trc"));
}

} // namespace
} // namespace tracima
