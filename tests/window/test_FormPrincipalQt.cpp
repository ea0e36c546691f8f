// The main window: start-up state, the language from the settings file and back, the
// language switch, the check items; the graph out of it (clipboard, exports, printing).
#include "ServeisProvaQt.h"
#include "window/UnitPlataformaDependent.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <map>

namespace tracima {
namespace {

// The start-up of the program on this settings file (none when null): the window, then
// the language read from the file.
std::unique_ptr<TFormPrincipal> Iniciar(ServeisProva& s, const QByteArray& configuracio) {
    QFile::remove(FitxerConfiguracio());
    if (!configuracio.isNull()) EscriureFitxer(FitxerConfiguracio(), configuracio);
    auto f = std::make_unique<TFormPrincipal>(s);
    f->IniciarLlengua(LlegirLlenguaConfiguracio());
    return f;
}

// Every caption and message the person can meet, by objectName or slot.
std::map<QString, QString> Textos(const TFormPrincipal& f) {
    std::map<QString, QString> t{{"caption", f.windowTitle()}, {"graph", f.Grafic()->accessibleName()}};
    for (const QAction* a : f.findChildren<QAction*>())
        if (!a->objectName().isEmpty()) t[a->objectName()] = a->text();
    for (const QMenu* m : f.findChildren<QMenu*>()) t[m->objectName()] = m->title();
    // The dialogs built so far: captions, texts and names for screen readers.
    for (const QWidget* w : f.findChildren<QWidget*>()) {
        const QWidget* finestra = w->window();
        if (finestra == &f || w->objectName().isEmpty()) continue;
        const QString nom = finestra->objectName() + "." + w->objectName();
        t[nom] = w->isWindow() ? w->windowTitle() : w->accessibleName();
        if (const auto* b = qobject_cast<const QAbstractButton*>(w)) t[nom + ".text"] = b->text();
        if (const auto* l = qobject_cast<const QLabel*>(w)) t[nom + ".text"] = l->text();
        if (const auto* g = qobject_cast<const QGroupBox*>(w)) t[nom + ".text"] = g->title();
    }
    for (int slot = 0; slot < NombreSlots; ++slot)
        t[QString::number(slot)] = QString::fromUtf8(f.Estat().Missatges.Missatge(slot).data());
    return t;
}

std::string Marcada(const TFormPrincipal& f) {
    for (const char* nom : {"MenuCatala", "MenuCastellano", "MenuEuskera", "MenuGalego", "MenuPortugues", "MenuEnglish"})
        if (f.Accio(nom)->isChecked()) return nom;
    return {};
}

TEST(FormPrincipal, StartUpStateAndInitialPosition) {
    ServeisProva s;
    const auto f = Iniciar(s, {});
    EXPECT_EQ(std::tuple(f->windowTitle(), f->objectName(), f->frameGeometry(), f->Estat().NomDocument),
              std::tuple("Tracima", "FormPrincipal", QRect(30, 50, 512, 403), "SenseNom.trc"));
    for (const auto& [nom, tecla] : {std::pair{"MenuCanviarFuncionsOParametres", "Ctrl+F"}, {"MenuNetejar", "Ctrl+N"},
                                     {"MenuImatge", "Ctrl+I"}, {"MenuCopiarAlaCarpeta", "Ctrl+C"}})
        EXPECT_EQ(f->Accio(nom)->shortcut(), QKeySequence(tecla)) << nom;
    const QStringList marcades = {"MenuMostrarElsPuntsSingulars", "MenuTrassarElsCalculs", "MenuPrecisioBaixa", "MenuCatala"};
    for (const char* nom : {"MenuPissarra", "MenuTrama", "MenuMostrarValorUnitatEixos", "MenuMostrarElsPuntsSingulars",
                            "MenuTrassarElsCalculs", "MenuMostrarCoordenadesDeLaRata", "MenuAlClicarEsmarquenLesCoordenades",
                            "MenuPrecisioBaixa", "MenuTreureElsEixos", "MenuFuncionsEnNegre", "MenuNomsPunts",
                            "MenuTransparent", "MenuSempreVisible", "MenuCatala"}) {
        ASSERT_NE(f->Accio(nom), nullptr) << nom;
        EXPECT_EQ(std::tuple(f->Accio(nom)->isCheckable(), f->Accio(nom)->isChecked()),
                  std::tuple(true, marcades.contains(nom))) << nom;
    }
    for (int i = 0; i < NombreComandes; ++i)
        EXPECT_FALSE(f->Accio(NomComanda(static_cast<Comanda>(i)))->isEnabled()) << i;
    // A maximised window is restored to the initial bounds.
    f->show();
    f->showMaximized();
    f->Accio("MenuPosiciDeLaFinestraInicial")->trigger();
    EXPECT_EQ(std::tuple(f->isMaximized(), f->frameGeometry()), std::tuple(false, QRect(30, 50, 512, 403)));
}

TEST(FormPrincipal, LanguageFromTheSettingsFileAndBackToIt) {
    // The language in the settings file (a bare value is put in the program's group)
    // under the desktop's LANG, and the language it leaves marked and written back on
    // closing. Without a file or a value in it, the desktop's language decides.
    const std::tuple<QByteArray, const char*, std::string> casos[] = {
        {QByteArray(), "C", "Catala"},
        {QByteArray(), "en_US.UTF-8", "English"},
        {QByteArray(), "es_ES.UTF-8", "Castellano"},
        {"Catala", "en_US", "Catala"},
        {"Castellano", "C", "Castellano"},
        {"Euskera", "C", "Euskera"},
        {"Galego", "C", "Galego"},
        {"Portugues", "C", "Portugues"},
        {"English", "C", "English"},
        {"castellano", "C", "Catala"},
        {"[Altres]\nLlengua=Castellano\n", "en_GB", "English"},
        {QByteArray("[TracimaWin32]\nLlengua=Castellano\n\0\xff\xfe", 37), "en_US", "Catala"},
    };
    qunsetenv("LC_ALL");
    qunsetenv("LC_MESSAGES");
    const QByteArray langAbans = qgetenv("LANG");
    for (const auto& [fitxer, lang, llengua] : casos) {
        SCOPED_TRACE(fitxer.toStdString() + " " + lang);
        qputenv("LANG", lang);
        ServeisProva s;
        auto f = Iniciar(s, fitxer.isNull() || fitxer.contains('\n') ? fitxer : "[TracimaWin32]\nLlengua=" + fitxer + "\n");
        const auto i = static_cast<std::size_t>(llengua == "Castellano" ? 1
                                                : llengua == "English"  ? 2
                                                                        : 0);
        EXPECT_EQ(std::tuple(Marcada(*f), f->Accio("MenuSortir")->text(),
                             f->Estat().Missatges.Missatge(53)),
                  std::tuple("Menu" + llengua, std::array{"&Sortir", "&Salir", "E&xit"}[i],
                             std::array{"Arrels", "Raíces", "Roots"}[i]));
        f->close();
        QFile escrit(FitxerConfiguracio());
        EXPECT_TRUE(escrit.open(QIODevice::ReadOnly) && escrit.readAll().contains(QByteArray("Llengua=") + llengua.c_str()));
        EXPECT_EQ(LlegirLlenguaConfiguracio(), llengua);
    }
    qputenv("LANG", langAbans);
}

// Every dialog that keeps captions, built.
void ConstruirDialegs(TFormPrincipal& f) {
    f.EntradaDeDades(), f.UnaFuncio(), f.CanviDeParametres(), f.QuinaEsNumerica();
    f.NumericaInterpolacio(), f.NumericaRegressio(), f.Coeficients(), f.PuntsSingulars(),
        f.Integrals(), f.Estudi();
}

TEST(FormPrincipal, SwitchingLanguageGivesTheTextsOfAFreshStart) {
    ServeisProva s;
    std::map<std::string, std::map<QString, QString>> fresc;
    for (const std::string l : {"Catala", "Castellano", "English"}) {
        const auto f = Iniciar(s, QByteArray("[TracimaWin32]\nLlengua=") + l.c_str() + "\n");
        ConstruirDialegs(*f);
        fresc[l] = Textos(*f);
    }
    EXPECT_NE(fresc["Catala"], fresc["English"]);
    EXPECT_EQ(fresc["English"]["FormEntradaDeDades.BitBtnAcord.text"], "&OK");
    const auto f = Iniciar(s, {});
    ConstruirDialegs(*f);
    EXPECT_EQ(Textos(*f), fresc["Catala"]);
    for (const std::string l : {"English", "Castellano", "English"}) {
        f->Accio(("Menu" + l).c_str())->trigger();
        EXPECT_EQ(std::tuple(Textos(*f), Marcada(*f)), std::tuple(fresc[l], "Menu" + l)) << l;
    }
    // The check-mark-only languages move the mark and change nothing else.
    f->Accio("MenuGalego")->trigger();
    EXPECT_EQ(std::tuple(Textos(*f), Marcada(*f)),
              std::tuple(fresc["English"], std::string("MenuGalego")));
    f->Accio("MenuCatala")->trigger();
    EXPECT_EQ(Textos(*f), fresc["Catala"]);
    f->Accio("MenuEnglish")->trigger();
    // Smooth lines are kept beside the language; a file without the key means off.
    EXPECT_FALSE(f->Accio("MenuLiniesSuaus")->isChecked());
    f->Accio("MenuLiniesSuaus")->trigger();
    f->close();
    EXPECT_EQ(std::pair(LlegirLlenguaConfiguracio(), LlegirLiniesSuaus()),
              std::pair(std::string("English"), true));
    EXPECT_TRUE(TFormPrincipal(s).Accio("MenuLiniesSuaus")->isChecked());
    QFile::remove(FitxerConfiguracio()); // later windows start without it
}

TEST(FormPrincipal, CheckItemsMirrorTheStateAndRepaint) {
    Finestra w;
    const auto& f = w.f;
    const OpcionsVista& o = f->Estat().Opcions;
    f->show();
    f->Repintar();
    const QImage abans = f->Grafic()->Llenc().CopiaImatge();
    w.Comanda("MenuPissarra");
    EXPECT_EQ(std::tuple(o.MenuPissarra, f->Accio("MenuPissarra")->isChecked(), f->Grafic()->Llenc().Imatge().pixelColor(2, 2)),
              std::tuple(true, true, QColor(Qt::black)));
    w.Comanda("MenuPissarra");
    EXPECT_EQ(f->Grafic()->Llenc().CopiaImatge(), abans);
    for (const auto& [nom, vegades, gruix] : {std::tuple{"MenuAugmentarGruixLinies", 2, 3}, {"MenuDisminuirGruixLinies", 4, 1}}) {
        for (int i = 0; i < vegades; ++i) w.Comanda(nom);
        EXPECT_EQ(o.GruixLinies, gruix) << nom;
    }
    // Window behaviour: see-through and always on top act on this window only.
    w.Comanda("MenuTransparent");
    EXPECT_EQ(std::tuple(f->Grafic()->Transparent(), f->testAttribute(Qt::WA_TranslucentBackground)), std::tuple(true, true));
    w.Comanda("MenuTransparent");
    w.Comanda("MenuSempreVisible");
    EXPECT_EQ(std::tuple(f->Grafic()->Transparent(), bool(f->windowFlags() & Qt::WindowStaysOnTopHint), f->isVisible()),
              std::tuple(false, true, true));
    w.Comanda("MenuPrecisioBaixa"); // the message below in full precision
    EXPECT_FALSE(o.MenuPrecisioBaixa);
    w.Comanda("MenuErrorEnElsCalculs");
    ASSERT_EQ(w.s.Missatges(), QStringList{"Error de la x = 0.025\r\n\r\nError de la y = 0.025"});
    EXPECT_EQ(std::tuple(w.s.missatges[0].titol, w.s.missatges[0].icona), std::tuple("Tracima", IconaMissatge::Informacio));
}

QByteArray Inici(const QString& fitxer, int n) {
    QFile f(fitxer);
    return f.open(QIODevice::ReadOnly) ? f.read(n) : QByteArray();
}

// Pages of a PDF by pdfinfo (1 when it is not installed).
int Pagines(const QString& pdf) {
    QProcess p;
    p.start("pdfinfo", {pdf});
    if (!p.waitForFinished(10000)) return 1;
    const auto m = QRegularExpression("Pages:\\s+(\\d+)").match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

TEST(SortidaQt, CopyExportsAndPrinting) {
    QTemporaryDir dir;
    Finestra w({"x^2-4"});
    auto& [s, f] = w;
    f->resize(700, 520);
    f->show();
    f->Estat().Opcions.MenuTrassarElsCalculs = false;
    f->ExecutarAnalisi(AnalisiArrels);
    const QImage& buffer = f->Grafic()->Llenc().Imatge();
    w.Comanda("MenuCopiarAlaCarpeta"); // the buffer pixel for pixel
    EXPECT_EQ(std::tuple(s.carpetaImatge.size(), s.carpetaImatge), std::tuple(f->Grafic()->size() * buffer.devicePixelRatio(), buffer));

    // PNG at the window's size: the buffer pixel for pixel; twice as large: a repaint at that size.
    const QSize mida = f->Grafic()->size();
    s.fitxers = {dir.filePath("g.png")};
    s.textos = {QString("%1x%2").arg(mida.width()).arg(mida.height())};
    w.Comanda("MenuExportarImatge");
    EXPECT_EQ(QImage(dir.filePath("g.png")).convertToFormat(QImage::Format_RGB32), buffer);
    ASSERT_TRUE(f->ExportarImatge(dir.filePath("g2.png"), mida * 2));
    LlencQt doble(mida * 2, 1.0);
    ValorsVista v;
    Repintar(doble, w.Cf(), f->Estat().Opcions, v, w.R());
    EXPECT_EQ(QImage(dir.filePath("g2.png")).convertToFormat(QImage::Format_RGB32), doble.Imatge());
    ASSERT_TRUE(f->ExportarImatge(dir.filePath("g.svg"), QSize(1280, 920)));
    EXPECT_EQ(Inici(dir.filePath("g.svg"), 5), "<?xml");
    ASSERT_TRUE(f->ExportarImatge(dir.filePath("g.pdf"), QSize(640, 460)));
    EXPECT_EQ(std::tuple(Inici(dir.filePath("g.pdf"), 4), Pagines(dir.filePath("g.pdf"))), std::tuple("%PDF", 1));

    // A size that is no size is refused; a file that cannot be written gives 203.
    s.fitxers = {dir.filePath("no.png")};
    s.textos = {"gran"};
    w.Comanda("MenuExportarImatge");
    EXPECT_EQ(std::tuple(QFile::exists(dir.filePath("no.png")), f->ExportarImatge(dir.filePath("no/hi/es.svg"), QSize(10, 10))),
              std::tuple(false, false));
    EXPECT_EQ(s.Missatges(), (QStringList{"El valor escrit no és un número.", "No puc desar el fitxer"}));

    // Printing to a PDF file: one page.
    s.impressioPdf = dir.filePath("imprès.pdf");
    w.Comanda("MenuImpressio");
    EXPECT_EQ(std::tuple(Inici(s.impressioPdf, 4), Pagines(s.impressioPdf)), std::tuple("%PDF", 1));
    // Netejar clears the results and repaints.
    w.Comanda("MenuNetejar");
    EXPECT_TRUE(w.R().TextEstat.empty());
    EXPECT_NE(buffer, s.carpetaImatge);
}

} // namespace
} // namespace tracima
