// The main window offscreen: start-up state, the language from the settings
// file and back to it, the language switch, the check items, the copy of the
// graph and the pixel-error message.
#include "ServeisProvaQt.h"
#include "window/UnitFormPrincipal.h"
#include "window/UnitPlataformaDependent.h"

#include <QAction>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace tracima {
namespace {

void EscriureConfiguracio(const QByteArray& contingut) {
    QFile::remove(FitxerConfiguracio());
    if (contingut.isNull()) return;
    QFile f(FitxerConfiguracio());
    QDir().mkpath(QFileInfo(f).absolutePath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contingut);
}

QByteArray LlegirConfiguracio() {
    QFile f(FitxerConfiguracio());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The start-up of the program: the window, then the language of the settings file.
std::unique_ptr<TFormPrincipal> Iniciar(ServeisProva& s) {
    auto f = std::make_unique<TFormPrincipal>(s);
    f->IniciarLlengua(LlegirLlenguaConfiguracio());
    return f;
}

// Every caption and message the person can meet, by objectName or slot.
std::map<QString, QString> Textos(const TFormPrincipal& f) {
    std::map<QString, QString> t;
    for (const QAction* a : f.findChildren<QAction*>())
        if (!a->objectName().isEmpty()) t[a->objectName()] = a->text();
    for (const QMenu* m : f.findChildren<QMenu*>()) t[m->objectName()] = m->title();
    t["caption"] = f.windowTitle();
    t["graph"] = f.Grafic()->accessibleName();
    for (int slot = 0; slot < NombreSlots; ++slot)
        t[QString::number(slot)] = QString::fromUtf8(f.Estat().Missatges.Missatge(slot).data());
    return t;
}

QString Marcada(const TFormPrincipal& f) {
    for (const char* nom : {"MenuCatala", "MenuCastellano", "MenuEuskera", "MenuGalego",
                            "MenuPortugues", "MenuEnglish"})
        if (f.Accio(nom)->isChecked()) return nom;
    return {};
}

TEST(FormPrincipal, StartUpState) {
    ServeisProva s;
    EscriureConfiguracio({});
    const auto f = Iniciar(s);
    EXPECT_EQ(f->windowTitle(), "Tracima");
    EXPECT_EQ(f->objectName(), "FormPrincipal");
    EXPECT_EQ(f->frameGeometry().topLeft(), QPoint(30, 50));
    EXPECT_EQ(f->frameGeometry().size(), QSize(512, 403));
    EXPECT_EQ(f->Estat().NomDocument, "SenseNom.trc");
    EXPECT_EQ(f->Accio("MenuCanviarFuncionsOParametres")->shortcut(), QKeySequence("Ctrl+F"));
    EXPECT_EQ(f->Accio("MenuNetejar")->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(f->Accio("MenuImatge")->shortcut(), QKeySequence("Ctrl+I"));
    EXPECT_EQ(f->Accio("MenuCopiarAlaCarpeta")->shortcut(), QKeySequence("Ctrl+C"));
    const std::map<QString, bool> marques = {
        {"MenuPissarra", false},        {"MenuTrama", false},
        {"MenuMostrarValorUnitatEixos", false}, {"MenuMostrarElsPuntsSingulars", true},
        {"MenuTrassarElsCalculs", true}, {"MenuMostrarCoordenadesDeLaRata", false},
        {"MenuAlClicarEsmarquenLesCoordenades", false}, {"MenuPrecisioBaixa", true},
        {"MenuTreureElsEixos", false},  {"MenuFuncionsEnNegre", false},
        {"MenuNomsPunts", false},       {"MenuTransparent", false},
        {"MenuSempreVisible", false},   {"MenuCatala", true}};
    for (const auto& [nom, marcat] : marques) {
        ASSERT_NE(f->Accio(nom.toStdString()), nullptr) << nom.toStdString();
        EXPECT_TRUE(f->Accio(nom.toStdString())->isCheckable()) << nom.toStdString();
        EXPECT_EQ(f->Accio(nom.toStdString())->isChecked(), marcat) << nom.toStdString();
    }
    for (int i = 0; i < NombreComandes; ++i)
        EXPECT_FALSE(f->Accio(NomComanda(static_cast<Comanda>(i)))->isEnabled()) << i;
    EXPECT_TRUE(f->Accio("MenuNetejar")->isEnabled());
}

TEST(FormPrincipal, CommandsFollowTheNumberOfFunctions) {
    ServeisProva s;
    const auto f = Iniciar(s);
    auto& funcions = f->Estat().Funcions.Slots;
    funcions[1].Text = "x^2";
    f->AplicarFuncionsFinestra();
    EXPECT_TRUE(f->Accio("MenuArrels")->isEnabled());
    EXPECT_FALSE(f->Accio("MenuTalls")->isEnabled());
    EXPECT_EQ(f->windowTitle(), "x^2");
    funcions[4].Text = "x";
    f->AplicarFuncionsFinestra();
    EXPECT_FALSE(f->Accio("MenuArrels")->isEnabled());
    EXPECT_TRUE(f->Accio("MenuArea")->isEnabled());
    EXPECT_EQ(f->windowTitle(), "Tracima");
    EXPECT_TRUE(f->Grafic()->accessibleDescription().contains("G(x) = x^2"));
}

TEST(FormPrincipal, LanguageFromTheSettingsFileAndBackToIt) {
    struct Cas {
        QByteArray fitxer;
        const char* marcada;
        const char* escrit; // the value written back on closing
        bool castella;
    } casos[] = {
        {QByteArray(), "MenuCatala", "Catala", false},
        {"[TracimaWin32]\nLlengua=Catala\n", "MenuCatala", "Catala", false},
        {"[TracimaWin32]\nLlengua=Castellano\n", "MenuCastellano", "Castellano", true},
        {"[TracimaWin32]\nLlengua=Euskera\n", "MenuEuskera", "Euskera", false},
        {"[TracimaWin32]\nLlengua=Galego\n", "MenuGalego", "Galego", false},
        {"[TracimaWin32]\nLlengua=Portugues\n", "MenuPortugues", "Portugues", false},
        {"[TracimaWin32]\nLlengua=English\n", "MenuEnglish", "English", false},
        {"[TracimaWin32]\nLlengua=castellano\n", "MenuCatala", "Catala", false},
        {"[Altres]\nLlengua=Castellano\n", "MenuCatala", "Catala", false},
        {QByteArray("[TracimaWin32]\nLlengua=Castellano\n\0\xff\xfe", 37), "MenuCatala", "Catala",
         false},
    };
    for (const Cas& c : casos) {
        SCOPED_TRACE(c.fitxer.toStdString());
        EscriureConfiguracio(c.fitxer);
        ServeisProva s;
        auto f = Iniciar(s);
        EXPECT_EQ(Marcada(*f), c.marcada);
        EXPECT_EQ(f->Accio("MenuSortir")->text(), c.castella ? "&Salir" : "&Sortir");
        EXPECT_EQ(f->Estat().Missatges.Missatge(53), c.castella ? "Raíces" : "Arrels");
        f->close();
        EXPECT_TRUE(LlegirConfiguracio().contains(QByteArray("Llengua=") + c.escrit));
        EXPECT_EQ(LlegirLlenguaConfiguracio(), c.escrit);
    }
}

TEST(FormPrincipal, SwitchingLanguageGivesTheTextsOfAFreshStart) {
    ServeisProva s;
    EscriureConfiguracio("[TracimaWin32]\nLlengua=Castellano\n");
    const auto textosEs = Textos(*Iniciar(s));
    EscriureConfiguracio({});
    const auto f = Iniciar(s);
    const auto textosCa = Textos(*f);
    EXPECT_NE(textosCa, textosEs);
    f->Accio("MenuCastellano")->trigger();
    EXPECT_EQ(Textos(*f), textosEs);
    EXPECT_EQ(Marcada(*f), "MenuCastellano");
    // The check-mark-only languages move the mark and change nothing else.
    f->Accio("MenuGalego")->trigger();
    EXPECT_EQ(Marcada(*f), "MenuGalego");
    EXPECT_EQ(Textos(*f), textosEs);
    f->Accio("MenuCatala")->trigger();
    EXPECT_EQ(Textos(*f), textosCa);
    f->Accio("MenuEnglish")->trigger();
    f->close();
    EXPECT_EQ(LlegirLlenguaConfiguracio(), "English");
    EXPECT_EQ(Textos(*Iniciar(s)), textosCa);
}

TEST(FormPrincipal, CheckItemsMirrorTheStateAndRepaint) {
    ServeisProva s;
    const auto f = Iniciar(s);
    f->show();
    f->Repintar();
    const QImage abans = f->Grafic()->Llenc().CopiaImatge();
    f->Accio("MenuPissarra")->trigger();
    EXPECT_TRUE(f->Estat().Opcions.MenuPissarra);
    EXPECT_TRUE(f->Accio("MenuPissarra")->isChecked());
    EXPECT_EQ(f->Grafic()->Llenc().Imatge().pixelColor(2, 2), QColor(Qt::black));
    f->Accio("MenuPissarra")->trigger();
    EXPECT_EQ(f->Grafic()->Llenc().CopiaImatge(), abans);
    // Low precision is applied to the next result only: no repaint.
    f->Accio("MenuPrecisioBaixa")->trigger();
    EXPECT_FALSE(f->Estat().Opcions.MenuPrecisioBaixa);
    f->Accio("MenuAugmentarGruixLinies")->trigger();
    f->Accio("MenuAugmentarGruixLinies")->trigger();
    EXPECT_EQ(f->Estat().Opcions.GruixLinies, 3);
    for (int i = 0; i < 4; ++i) f->Accio("MenuDisminuirGruixLinies")->trigger();
    EXPECT_EQ(f->Estat().Opcions.GruixLinies, 1);
    // Window behaviour: see-through and always on top act on this window only.
    f->Accio("MenuTransparent")->trigger();
    EXPECT_TRUE(f->Grafic()->Transparent());
    EXPECT_TRUE(f->testAttribute(Qt::WA_TranslucentBackground));
    f->Accio("MenuTransparent")->trigger();
    EXPECT_FALSE(f->Grafic()->Transparent());
    f->Accio("MenuSempreVisible")->trigger();
    EXPECT_TRUE(f->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(f->isVisible());
    f->Accio("MenuErrorEnElsCalculs")->trigger();
    ASSERT_EQ(s.missatges.size(), 1u);
    EXPECT_EQ(s.missatges[0].titol, "Tracima");
    EXPECT_EQ(s.missatges[0].text, "Error de la x = 0.025\r\n\r\nError de la y = 0.025");
    EXPECT_EQ(s.missatges[0].icona, IconaMissatge::Informacio);
}

TEST(FormPrincipal, CopyPutsTheBufferOnTheClipboardPixelForPixel) {
    ServeisProva s;
    const auto f = Iniciar(s);
    f->resize(700, 520);
    f->show();
    f->Estat().Funcions.Slots[0].Text = "sin(x)";
    f->AplicarFuncionsFinestra();
    f->Estat().Resultats.TextEstat = "Arrels";
    f->Accio("MenuCopiarAlaCarpeta")->trigger();
    const QImage& buffer = f->Grafic()->Llenc().Imatge();
    EXPECT_EQ(s.carpetaImatge.size(), f->Grafic()->size() * buffer.devicePixelRatio());
    EXPECT_EQ(s.carpetaImatge, buffer);
    // Netejar clears the results and repaints.
    f->Accio("MenuNetejar")->trigger();
    EXPECT_TRUE(f->Estat().Resultats.TextEstat.empty());
    EXPECT_NE(f->Grafic()->Llenc().Imatge(), s.carpetaImatge);
}

TEST(FormPrincipal, InitialPositionRestoresAMaximisedWindow) {
    ServeisProva s;
    const auto f = Iniciar(s);
    f->show();
    f->showMaximized();
    f->Accio("MenuPosiciDeLaFinestraInicial")->trigger();
    EXPECT_FALSE(f->isMaximized());
    EXPECT_EQ(f->frameGeometry(), QRect(30, 50, 512, 403));
}

} // namespace
} // namespace tracima
