// The function dialogs offscreen, opened by their commands and driven through
// their widgets while they run modally; messages answered by the test service.
#include "ServeisProvaQt.h"
#include "window/UnitFormPrincipal.h"
#include "window/UnitFormCanviDeParametres.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace tracima {
namespace {

// Runs `f` on the modal dialog as soon as it is shown (the command's exec()
// returns when `f` closes it).
void AlObrir(std::function<void(QDialog*)> f) {
    QTimer::singleShot(0, [f] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        f(d);
        if (d->isVisible()) d->reject();
    });
}

void Escriure(QDialog* d, const char* caixa, const char* text) {
    auto* c = d->findChild<QComboBox*>(caixa);
    ASSERT_NE(c, nullptr) << caixa;
    c->setEditText(QString::fromUtf8(text));
}

QString Text(QDialog* d, const char* caixa) { return d->findChild<QComboBox*>(caixa)->currentText(); }

void Clicar(QDialog* d, const char* boto) { d->findChild<QPushButton*>(boto)->click(); }

struct Finestra {
    ServeisProva s;
    std::unique_ptr<TFormPrincipal> f = std::make_unique<TFormPrincipal>(s);
    Finestra() { f->IniciarLlengua("Catala"); }
    void Comanda(const char* nom) { f->Accio(nom)->trigger(); }
};

TEST(EntradaDeDadesQt, AcceptedRefusedAndCancelled) {
    Finestra w;
    AlObrir([](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "TRACIMA - Entrada de dades");
        Escriure(d, "EditF", "x^2-4");
        Escriure(d, "EditFEX", "x)");
        Clicar(d, "BitBtnAcord");
        EXPECT_TRUE(d->isVisible());
        auto* fex = d->findChild<QComboBox*>("EditFEX");
        EXPECT_TRUE(d->focusWidget() == fex || d->focusWidget() == fex->lineEdit());
        Escriure(d, "EditFEX", "2pi");
        Clicar(d, "BitBtnAcord");
    });
    w.Comanda("MenuCanviarFuncionsOParametres");
    ASSERT_EQ(w.s.missatges.size(), 1u);
    EXPECT_EQ(w.s.missatges[0].text, "Error de càlcul en el Final Eix X");
    EXPECT_EQ(w.s.missatges[0].titol, "Tracima");
    const ConjuntFuncions& cf = w.f->Estat().Funcions;
    EXPECT_EQ(cf.Slots[0].Text, "x^2-4");
    EXPECT_EQ(cf.Eixos.XFinal, 6.283186);
    EXPECT_TRUE(w.f->Accio("MenuArrels")->isEnabled());
    EXPECT_EQ(w.f->windowTitle(), "x^2-4");

    // Reset axes and a new function, then Cancel: nothing changes, and the next
    // opening shows the state in force.
    AlObrir([](QDialog* d) {
        EXPECT_EQ(Text(d, "EditFEX"), "6.283186");
        Clicar(d, "BitBtnIniciarEixos");
        EXPECT_EQ(Text(d, "EditFEX"), "7.5");
        Escriure(d, "EditG", "x");
        Clicar(d, "BitBtnCancelar");
    });
    w.Comanda("MenuCanviarFuncionsOParametres");
    EXPECT_EQ(cf.Eixos.XFinal, 6.283186);
    EXPECT_EQ(cf.NombreFuncions, 1);
    AlObrir([](QDialog* d) {
        EXPECT_EQ(Text(d, "EditFEX"), "6.283186");
        EXPECT_EQ(Text(d, "EditG"), "");
    });
    w.Comanda("MenuCanviarFuncionsOParametres");
}

TEST(EntradaDeDadesQt, MessagesFollowALanguageSwitchWhileOpen) {
    Finestra w;
    AlObrir([&w](QDialog* d) {
        w.f->CanviarLlengua(Llengua::Castella);
        EXPECT_EQ(d->windowTitle(), "TRACIMA - Entrada de datos");
        Escriure(d, "EditUEY", "0");
        Clicar(d, "BitBtnAcord");
    });
    w.Comanda("MenuCanviarFuncionsOParametres");
    ASSERT_EQ(w.s.missatges.size(), 1u);
    EXPECT_EQ(w.s.missatges[0].text, "La Unidad Eje Y ha de ser mayor que 0");
}

TEST(UnaFuncioQt, ListChoiceAppliesAtOnceTypedTextOnConfirm) {
    Finestra w;
    const ConjuntFuncions& cf = w.f->Estat().Funcions;
    AlObrir([&cf](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Canviar una funció");
        d->findChild<QComboBox*>("ComboBoxFuncio")->setCurrentIndex(2);
        auto* edit = d->findChild<QComboBox*>("EditUnaFuncio");
        edit->setEditText("x^");
        Clicar(d, "BitBtnContinuar");
        EXPECT_EQ(cf.Slots[2].Text, "");
        edit->setEditText("x^3");
        EXPECT_EQ(cf.Slots[2].Text, "");
        Clicar(d, "BitBtnContinuar");
        EXPECT_EQ(cf.Slots[2].Text, "x^3");
        // A choice from the list is applied without confirming.
        const int i = edit->findText("ax^2+bx+c");
        edit->setCurrentIndex(i);
        emit edit->activated(i);
        EXPECT_EQ(cf.Slots[2].Text, "ax^2+bx+c");
    });
    w.Comanda("MenuCanviarUnaFuncio");
    ASSERT_EQ(w.s.missatges.size(), 1u);
    EXPECT_EQ(w.s.missatges[0].text, "La funció H(x) té un error de sintaxis");
    EXPECT_EQ(cf.NombreFuncions, 1);
    // The data entry dialog's box follows.
    AlObrir([](QDialog* d) { EXPECT_EQ(Text(d, "EditH"), "ax^2+bx+c"); });
    w.Comanda("MenuCanviarFuncionsOParametres");
}

TEST(CanviDeParametresQt, StepsFollowTheGraphAndTheCaption) {
    Finestra w;
    ConjuntFuncions& cf = w.f->Estat().Funcions;
    cf.Slots[0].Text = "ax^2";
    w.f->AplicarFuncionsFinestra();
    AlObrir([&cf](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Canvi de paràmetres - f(x) = 1X^2");
        auto* a = d->findChild<QLineEdit*>("EditA");
        d->findChild<QLineEdit*>("EditIncrement")->setText("0.5");
        for (const char* esperat : {"1.5", "2", "2.5"}) {
            QTest::keyClick(a, Qt::Key_Up);
            EXPECT_EQ(a->text(), esperat);
        }
        EXPECT_EQ(cf.Parametres[0], 2.5);
        EXPECT_EQ(cf.MostresColumna[0].Y(360), 2.5); // x = 1
        d->findChild<QLineEdit*>("EditIncrement")->setText("x)");
        QTest::keyClick(a, Qt::Key_Down);
        EXPECT_EQ(a->text(), "2.5");
        a->setText("-2");
        EXPECT_EQ(d->windowTitle(), "Canvi de paràmetres - f(x) = (-2)X^2");
        EXPECT_EQ(cf.MostresColumna[0].Y(360), -2);
        d->findChild<QLineEdit*>("EditB")->setText("2*PI");
        EXPECT_EQ(cf.Parametres[1], 6.283186);
        a->setText("2*(");
        EXPECT_EQ(cf.Parametres[0], -2);
    });
    w.Comanda("MenuCanviarParametres");
}

} // namespace
} // namespace tracima
