// Documents in the window and the command-line start-up, offscreen, with the
// XDG folders in the test's temporary home: open, save, the unsaved-work
// question, dropped files, the about box, the desktop registration.
#include "ServeisProvaQt.h"
#include "document/Document.h"
#include "window/UnitFormPrincipal.h"
#include "window/UnitPlataformaDependent.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>

namespace tracima {
namespace {

QString Desar(const QTemporaryDir& dir, const char* nom, const char* funcio) {
    ConjuntFuncions cf;
    cf.Slots[0].Text = funcio;
    const QString cami = dir.filePath(nom);
    EXPECT_EQ(DesarDocument(cami.toStdString(), cf), 0);
    return cami;
}

struct Finestra {
    ServeisProva s;
    std::unique_ptr<TFormPrincipal> f = std::make_unique<TFormPrincipal>(s);
    Finestra() { f->IniciarLlengua("Catala"); }
    ConjuntFuncions& Cf() { return f->Estat().Funcions; }
    void Canviar(const char* funcio) {
        Cf().Slots[0].Text = funcio;
        f->AplicarFuncionsFinestra();
    }
};

// Closes every modal dialog as it opens, recording its objectName.
struct Tancador {
    QStringList vistos;
    QTimer timer;
    Tancador() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                vistos << d->objectName();
                QTimer::singleShot(0, d, &QDialog::reject);
            }
        });
        timer.start(1);
    }
};

void Esperar() {
    for (int i = 0; i < 20; ++i) QTest::qWait(5);
}

TEST(DocumentsQt, OpenLoopSaveAndFailedReads) {
    QTemporaryDir dir;
    const QString bo = Desar(dir, "bo.trc", "x^2");
    QFile malmes(dir.filePath("malmes.trc"));
    ASSERT_TRUE(malmes.open(QIODevice::WriteOnly));
    malmes.write("Tracim 3\r\nCATALÀ\r\nno és un número\r\n");
    malmes.close();

    Finestra w;
    // The open dialog comes back after a failed read; the name follows the file read.
    w.s.fitxers = {dir.filePath("no_hi_es.trc"), bo};
    w.f->Accio("MenuObrir")->trigger();
    ASSERT_EQ(w.s.missatges.size(), 1u);
    EXPECT_EQ(w.s.missatges[0].text, "No puc obrir el fitxer");
    EXPECT_EQ(w.Cf().Slots[0].Text, "x^2");
    EXPECT_EQ(QString::fromStdString(w.f->Estat().NomDocument), bo);
    EXPECT_EQ(w.f->windowTitle(), "x^2");
    EXPECT_FALSE(w.f->HiHaCanvisSenseDesar());

    // A damaged file keeps the work on screen and the name.
    w.Canviar("sin(x)");
    w.s.fitxers = {malmes.fileName()};
    w.s.desar = {RespostaDesar::Descartar};
    w.f->Accio("MenuObrir")->trigger();
    EXPECT_EQ(w.s.preguntesDesar.size(), 1u);
    EXPECT_EQ(w.Cf().Slots[0].Text, "sin(x)");
    EXPECT_EQ(QString::fromStdString(w.f->Estat().NomDocument), bo);

    // "Desar" writes to the current name without a dialog; a never saved document asks.
    w.f->Accio("MenuDesar")->trigger();
    EXPECT_FALSE(w.f->HiHaCanvisSenseDesar());
    ConjuntFuncions llegit;
    QFile f(bo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    ASSERT_EQ(LlegirTextDocument(f.readAll().toStdString(), llegit), 0);
    EXPECT_EQ(llegit.Slots[0].Text, "sin(x)");

    Finestra nova;
    nova.Canviar("x+1");
    nova.s.fitxers = {dir.filePath("nou.trc")};
    nova.f->Accio("MenuDesar")->trigger();
    EXPECT_TRUE(QFile::exists(dir.filePath("nou.trc")));
    EXPECT_EQ(QString::fromStdString(nova.f->Estat().NomDocument), dir.filePath("nou.trc"));
}

TEST(DocumentsQt, UnsavedWorkIsAskedAboutBeforeItIsLost) {
    QTemporaryDir dir;
    Finestra w;
    w.f->show();
    w.f->close(); // nothing changed: no question
    EXPECT_TRUE(w.s.preguntesDesar.empty());
    w.f->show();
    w.Canviar("x^3");
    w.s.desar = {RespostaDesar::Cancellar};
    w.f->close();
    EXPECT_TRUE(w.f->isVisible());
    ASSERT_EQ(w.s.preguntesDesar.size(), 1u);
    EXPECT_EQ(w.s.preguntesDesar[0].text,
              "Les funcions o els eixos han canviat des que es van desar. Vols desar els canvis?");
    // Yes saves (through the save dialog) and then closes.
    w.s.desar = {RespostaDesar::Desar};
    w.s.fitxers = {dir.filePath("desat.trc")};
    w.f->Accio("MenuSortir")->trigger();
    EXPECT_FALSE(w.f->isVisible());
    EXPECT_TRUE(QFile::exists(dir.filePath("desat.trc")));
    // Dropped files ask too; a cancelled question reads nothing.
    w.Canviar("x^4");
    w.s.desar = {RespostaDesar::Cancellar};
    EXPECT_FALSE(w.f->LlegirFitxerDeixat(dir.filePath("desat.trc")));
    EXPECT_EQ(w.Cf().Slots[0].Text, "x^4");
}

TEST(DocumentsQt, DroppedFiles) {
    QTemporaryDir dir;
    const QString majuscules = Desar(dir, "GRAN.TRC", "x-1");
    Desar(dir, "text.txt", "x-2");
    Finestra w;
    EXPECT_FALSE(w.f->LlegirFitxerDeixat(dir.filePath("text.txt")));
    EXPECT_EQ(w.Cf().NombreFuncions, 0);
    // Two files dropped: only the first is read, by its bare name from its folder.
    auto* dades = new QMimeData;
    dades->setUrls({QUrl::fromLocalFile(majuscules), QUrl::fromLocalFile(dir.filePath("text.txt"))});
    // A drop is delivered to the target its drag entered.
    QDragEnterEvent entrar(QPoint(10, 10), Qt::CopyAction, dades, Qt::LeftButton, {});
    QApplication::sendEvent(w.f.get(), &entrar);
    EXPECT_TRUE(entrar.isAccepted());
    QDropEvent deixar(QPointF(10, 10), Qt::CopyAction, dades, Qt::LeftButton, {});
    QApplication::sendEvent(w.f.get(), &deixar);
    EXPECT_EQ(w.Cf().Slots[0].Text, "x-1");
    EXPECT_EQ(w.f->Estat().NomDocument, "GRAN.TRC");
    EXPECT_EQ(QDir::current().absolutePath(), QDir(dir.path()).absolutePath());
    delete dades;
    QDir::setCurrent(QDir::tempPath());
}

TEST(DocumentsQt, CommandLineStartUp) {
    QTemporaryDir dir;
    const QString document = Desar(dir, "amb espais.trc", "cos(x)");
    {   // NOABOUT: no about box, no registration, the data entry dialog.
        Tancador t;
        Finestra w;
        w.f->Iniciar({"NOABOUT"});
        Esperar();
        EXPECT_EQ(t.vistos, QStringList{"FormEntradaDeDades"});
        EXPECT_TRUE(LlegirAssociacio("trc").empty());
    }
    {   // A document named by several words: the about box, then the document.
        Tancador t;
        Finestra w;
        w.f->Iniciar(QString(document).split(' '));
        Esperar();
        EXPECT_EQ(t.vistos, QStringList{"FormParlantDe"});
        EXPECT_EQ(w.Cf().Slots[0].Text, "cos(x)");
        EXPECT_TRUE(LlegirAssociacio("trc").empty());
    }
    {   // A damaged document: message 202 and the defaults.
        Tancador t;
        Finestra w;
        w.f->Iniciar({dir.filePath("no_hi_es.trc")});
        Esperar();
        ASSERT_EQ(w.s.missatges.size(), 1u);
        EXPECT_EQ(w.s.missatges[0].text, "No puc obrir el fitxer");
        EXPECT_EQ(w.Cf().NombreFuncions, 0);
    }
    {   // No arguments: registered silently the first time, no question after.
        Tancador t;
        Finestra w;
        w.f->Iniciar({});
        Esperar();
        EXPECT_EQ(t.vistos, (QStringList{"FormParlantDe", "FormEntradaDeDades"}));
        EXPECT_TRUE(MateixPrograma(LlegirAssociacio("trc"), ProgramaPropi()));
        EXPECT_TRUE(w.s.preguntes.empty());
    }
}

TEST(DocumentsQt, RegistrationOfAnotherProgramIsAskedAbout) {
    const QString llista = QFileInfo(FitxerConfiguracio()).absolutePath() + "/mimeapps.list";
    const QString entrada = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                            "/applications/altre.desktop";
    QDir().mkpath(QFileInfo(entrada).absolutePath());
    QFile e(entrada);
    ASSERT_TRUE(e.open(QIODevice::WriteOnly));
    e.write("[Desktop Entry]\nType=Application\nName=Altre\nExec=\"/bin/true\" %f\n");
    e.close();
    QDir().mkpath(QFileInfo(llista).absolutePath());
    QFile l(llista);
    ASSERT_TRUE(l.open(QIODevice::WriteOnly));
    l.write("[Added Associations]\ntext/plain=altre.desktop;\n[Default Applications]\napplication/x-tracima=altre.desktop;\n");
    l.close();
    EXPECT_EQ(LlegirAssociacio("trc"), "/bin/true");
    Tancador t;
    Finestra w;
    w.s.respostes = {true};
    w.f->Iniciar({});
    Esperar();
    ASSERT_EQ(w.s.preguntes.size(), 1u);
    EXPECT_TRUE(w.s.preguntes[0].text.startsWith("Actualment l'extensió"));
    EXPECT_TRUE(MateixPrograma(LlegirAssociacio("trc"), ProgramaPropi()));
    ASSERT_TRUE(l.open(QIODevice::ReadOnly));
    EXPECT_TRUE(l.readAll().contains("text/plain=altre.desktop;")); // other lines kept
    EXPECT_EQ(NetejarOrdre("\"/usr/bin/tracima\" %1"), "/usr/bin/tracima");

    // This program registered with quotes and another field code is not another program.
    ASSERT_TRUE(e.open(QIODevice::WriteOnly));
    e.write(("[Desktop Entry]\nType=Application\nName=Altre\nExec=\"" + ProgramaPropi() + "\" %U\n").toUtf8());
    e.close();
    Tancador t2;
    Finestra w2;
    w2.f->Iniciar({});
    Esperar();
    EXPECT_TRUE(w2.s.preguntes.empty());
}

// The real save dialog: an existing file is only replaced after its question.
TEST(DocumentsQt, SavingOverAFileAsksFirst) {
    QTemporaryDir dir;
    const QString existent = Desar(dir, "existent.trc", "x");
    ServeisQt serveis;
    QStringList vistos;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (auto* d = qobject_cast<QFileDialog*>(w); d && !vistos.contains("dialeg")) {
            vistos << "dialeg";
            d->selectFile(existent);
            QTimer::singleShot(0, d, &QDialog::accept);
        } else if (auto* m = qobject_cast<QMessageBox*>(w)) {
            vistos << "pregunta";
            QTimer::singleShot(0, m, [m] { m->button(QMessageBox::Yes) ? m->button(QMessageBox::Yes)->click()
                                                                          : m->accept(); });
        }
    });
    timer.start(1);
    const QString triat = serveis.TriarFitxerDesar(nullptr, "TRACIMA - Desar Fitxer", dir.path(),
                                                   "Tracima (*.trc);;Tot tipus de fitxers (*)");
    EXPECT_EQ(vistos, (QStringList{"dialeg", "pregunta"}));
    EXPECT_EQ(QFileInfo(triat).fileName(), "existent.trc");
}

} // namespace
} // namespace tracima
