// Documents in the window and the command-line start-up, with the XDG folders in the test's
// home: open, save, the unsaved-work question, dropped files, about box, desktop registration.
#include "ServeisProvaQt.h"
#include "document/Document.h"
#include "window/UnitPlataformaDependent.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace tracima {
namespace {

struct DocumentsQt : testing::Test {
    QTemporaryDir dir;
    QString Desar(const char* nom, const char* funcio) const {
        ConjuntFuncions cf;
        cf.Slots[0].Text = funcio;
        EXPECT_EQ(DesarDocument(dir.filePath(nom).toStdString(), cf), 0);
        return dir.filePath(nom);
    }
};

// The start-up of the program with these arguments, every dialog rejected as it opens.
QStringList Iniciar(Finestra& w, const QStringList& arguments) {
    Guio guio;
    w.f->Iniciar(arguments);
    for (int i = 0; i < 20; ++i) QTest::qWait(5);
    return guio.vistos;
}

TEST_F(DocumentsQt, OpenSaveUnsavedWorkAndFailedReads) {
    const QString bo = Desar("bo.trc", "x^2");
    EscriureFitxer(dir.filePath("malmes.trc"), "Tracim 3\r\nCATALÀ\r\nno és un número\r\n");
    Finestra w;
    auto estat = [&w] {
        return std::tuple(w.Cf().Slots[0].Text, w.f->Estat().NomDocument, w.f->HiHaCanvisSenseDesar(), w.s.preguntesDesar.size());
    };
    // The open dialog comes back after a failed read; the name follows the file read.
    w.s.fitxers = {dir.filePath("no_hi_es.trc"), bo};
    w.Comanda("MenuObrir");
    EXPECT_EQ(std::tuple(w.s.Missatges(), estat(), w.f->windowTitle()),
              std::tuple(QStringList{"No puc obrir el fitxer"}, std::tuple("x^2", bo.toStdString(), false, 0u), "x^2"));
    // A damaged file, after the unsaved-work question, keeps the work on screen and the name.
    w.Funcions({"sin(x)"});
    w.s.fitxers = {dir.filePath("malmes.trc")};
    w.Comanda("MenuObrir");
    EXPECT_EQ(estat(), std::tuple("sin(x)", bo.toStdString(), true, 1u));
    // "Desar" writes to the current name without a dialog.
    w.Comanda("MenuDesar");
    EXPECT_FALSE(w.f->HiHaCanvisSenseDesar());
    ConjuntFuncions llegit;
    Calculador calc;
    ASSERT_EQ(LlegirDocument(bo.toStdString(), llegit, calc), 0);
    EXPECT_EQ(llegit.Slots[0].Text, "sin(x)");

    // Closing unchanged work asks nothing; changed work asks, and Cancel keeps the window.
    w.f->show();
    w.f->close();
    w.f->show();
    w.Funcions({"x^3"});
    w.s.desar = {RespostaDesar::Cancellar};
    w.f->close();
    EXPECT_EQ(std::tuple(w.f->isVisible(), w.s.preguntesDesar.size(), w.s.preguntesDesar.back().text),
              std::tuple(true, 2u, "Les funcions o els eixos han canviat des que es van desar. Vols desar els canvis?"));
    // Dropped files ask too; a cancelled question reads nothing.
    w.s.desar = {RespostaDesar::Cancellar};
    EXPECT_FALSE(w.f->LlegirFitxerDeixat(bo));
    EXPECT_EQ(estat(), std::tuple("x^3", bo.toStdString(), true, 3u));

    // A never saved document: Yes on quitting saves through the save dialog, then closes.
    Finestra nova({"x+1"});
    nova.f->show();
    nova.s.desar = {RespostaDesar::Desar};
    nova.s.fitxers = {dir.filePath("nou.trc")};
    nova.Comanda("MenuSortir");
    EXPECT_EQ(std::tuple(nova.f->isVisible(), QFile::exists(dir.filePath("nou.trc")), nova.f->Estat().NomDocument),
              std::tuple(false, true, dir.filePath("nou.trc").toStdString()));
}

TEST_F(DocumentsQt, DroppedFiles) {
    const QString majuscules = Desar("GRAN.TRC", "x-1");
    Desar("text.txt", "x-2");
    Finestra w;
    EXPECT_EQ(std::tuple(w.f->LlegirFitxerDeixat(dir.filePath("text.txt")), w.Cf().NombreFuncions), std::tuple(false, 0));
    // Two files dropped: only the first is read, by its bare name from its folder. A
    // drop is delivered to the target its drag entered.
    QMimeData dades;
    dades.setUrls({QUrl::fromLocalFile(majuscules), QUrl::fromLocalFile(dir.filePath("text.txt"))});
    QDragEnterEvent entrar(QPoint(10, 10), Qt::CopyAction, &dades, Qt::LeftButton, {});
    QApplication::sendEvent(w.f.get(), &entrar);
    EXPECT_TRUE(entrar.isAccepted());
    QDropEvent deixar(QPointF(10, 10), Qt::CopyAction, &dades, Qt::LeftButton, {});
    QApplication::sendEvent(w.f.get(), &deixar);
    EXPECT_EQ(std::tuple(w.Cf().Slots[0].Text, w.f->Estat().NomDocument), std::tuple("x-1", "GRAN.TRC"));
    EXPECT_EQ(QDir::current().absolutePath(), QDir(dir.path()).absolutePath());
    QDir::setCurrent(QDir::tempPath());
}

TEST_F(DocumentsQt, CommandLineStartUp) {
    const QString document = Desar("amb espais.trc", "cos(x)");
    const struct {
        QStringList arguments, dialegs, missatges;
        const char* funcio;
        bool registrat;
    } casos[] = {
        {{"NOABOUT"}, {"FormEntradaDeDades"}, {}, "", false},            // no about box, no registration
        {document.split(' '), {"FormParlantDe"}, {}, "cos(x)", false},   // a document named by several words
        {{dir.filePath("no_hi_es.trc")}, {"FormParlantDe"}, {"No puc obrir el fitxer"}, "", false},
        {{}, {"FormParlantDe", "FormEntradaDeDades"}, {}, "", true},     // registered silently the first time
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        Finestra w;
        EXPECT_EQ(Iniciar(w, c.arguments), c.dialegs);
        EXPECT_EQ(w.s.Missatges(), c.missatges);
        EXPECT_EQ(std::tuple(w.Cf().Slots[0].Text, w.Cf().NombreFuncions, w.s.preguntes.size()),
                  std::tuple(c.funcio, *c.funcio ? 1 : 0, 0u));
        EXPECT_TRUE(c.registrat ? MateixPrograma(LlegirAssociacio("trc"), ProgramaPropi()) : LlegirAssociacio("trc").empty());
    }
}

TEST_F(DocumentsQt, RegistrationOfAnotherProgramIsAskedAbout) {
    const QString llista = QFileInfo(FitxerConfiguracio()).absolutePath() + "/mimeapps.list";
    const QString entrada = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                            "/applications/altre.desktop";
    EscriureFitxer(entrada, "[Desktop Entry]\nType=Application\nName=Altre\nExec=\"/bin/true\" %f\n");
    EscriureFitxer(llista, "[Added Associations]\ntext/plain=altre.desktop;\n"
                           "[Default Applications]\napplication/x-tracima=altre.desktop;\n");
    EXPECT_EQ(LlegirAssociacio("trc"), "/bin/true");
    Finestra w;
    w.s.respostes = {true};
    Iniciar(w, {});
    ASSERT_EQ(w.s.preguntes.size(), 1u);
    EXPECT_TRUE(w.s.preguntes[0].text.startsWith("Actualment l'extensió") && MateixPrograma(LlegirAssociacio("trc"), ProgramaPropi()));
    QFile l(llista);
    EXPECT_TRUE(l.open(QIODevice::ReadOnly) && l.readAll().contains("text/plain=altre.desktop;")); // other lines kept
    // This program registered with quotes and another field code is not another program.
    EscriureFitxer(entrada, ("[Desktop Entry]\nType=Application\nName=Altre\nExec=\"" + ProgramaPropi() + "\" %U\n").toUtf8());
    Finestra w2;
    Iniciar(w2, {});
    EXPECT_TRUE(w2.s.preguntes.empty());
}

// The real save dialog: an existing file is only replaced after its question.
TEST_F(DocumentsQt, SavingOverAFileAsksFirst) {
    Desar("existent.trc", "x");
    ServeisQt serveis;
    Guio guio;
    guio("DialegFitxer", [](QWidget* d) {
        d->findChild<QLineEdit*>("fileNameEdit")->setText("existent.trc");
        static_cast<QDialog*>(d)->accept();
    });
    guio("QMessageBox", [](QWidget* m) { static_cast<QMessageBox*>(m)->button(QMessageBox::Yes)->click(); });
    const QString triat = serveis.TriarFitxerDesar(nullptr, "TRACIMA - Desar Fitxer", dir.path(),
                                                   "Tracima (*.trc);;Tot tipus de fitxers (*)");
    EXPECT_EQ(guio.vistos, (QStringList{"DialegFitxer", "QMessageBox"}));
    EXPECT_EQ(QFileInfo(triat).fileName(), "existent.trc");
}

// F1 opens the guide's first page in the language of the texts, in the browser.
TEST(GuiaQt, F1OpensTheGuideInTheLanguageOfTheTexts) {
    Finestra w;
    for (const auto& [llengua, carpeta] : {std::pair{Llengua::Catala, "/ca/index.html"},
                                           {Llengua::Angles, "/en/index.html"},
                                           {Llengua::Galec, "/en/index.html"},
                                           {Llengua::Castella, "/es/index.html"}}) {
        w.f->CanviarLlengua(llengua);
        w.Comanda("MenuGuia");
        ASSERT_FALSE(w.s.urls.isEmpty());
        EXPECT_TRUE(w.s.urls.back().toLocalFile().endsWith(carpeta)) << carpeta;
    }
    EXPECT_TRUE(w.s.Missatges().isEmpty());
    EXPECT_EQ(w.f->Accio("MenuGuia")->shortcut(), QKeySequence(Qt::Key_F1));
}

} // namespace
} // namespace tracima
