// The graph out of the window: PNG, SVG and PDF exports and printing, each the
// window's own repaint.
#include "ServeisProvaQt.h"
#include "window/UnitFormPrincipal.h"

#include <QAction>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace tracima {
namespace {

QByteArray Inici(const QString& fitxer, int n) {
    QFile f(fitxer);
    return f.open(QIODevice::ReadOnly) ? f.read(n) : QByteArray();
}

// Pages of a PDF by pdfinfo, or -1 when pdfinfo is not installed.
int Pagines(const QString& pdf) {
    const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
    if (pdfinfo.isEmpty()) return -1;
    QProcess p;
    p.start(pdfinfo, {pdf});
    p.waitForFinished(10000);
    for (const QByteArray& linia : p.readAllStandardOutput().split('\n'))
        if (linia.startsWith("Pages:")) return linia.mid(6).trimmed().toInt();
    return 0;
}

TEST(SortidaQt, ExportsAndPrinting) {
    QTemporaryDir dir;
    ServeisProva s;
    auto f = std::make_unique<TFormPrincipal>(s);
    f->IniciarLlengua("Catala");
    f->resize(700, 520);
    f->show();
    f->Estat().Funcions.Slots[0].Text = "x^2-4";
    f->AplicarFuncionsFinestra();
    f->Estat().Opcions.MenuTrassarElsCalculs = false;
    f->ExecutarAnalisi(AnalisiArrels);

    // PNG at the window's size: the buffer pixel for pixel; twice as large: a repaint at that size.
    const QSize mida = f->Grafic()->size();
    s.fitxers = {dir.filePath("g.png")};
    s.textos = {QString("%1x%2").arg(mida.width()).arg(mida.height())};
    f->Accio("MenuExportarImatge")->trigger();
    EXPECT_EQ(QImage(dir.filePath("g.png")).convertToFormat(QImage::Format_RGB32), f->Grafic()->Llenc().Imatge());
    ASSERT_TRUE(f->ExportarImatge(dir.filePath("g2.png"), mida * 2));
    LlencQt doble(mida * 2, 1.0);
    ValorsVista v;
    Repintar(doble, f->Estat().Funcions, f->Estat().Opcions, v, f->Estat().Resultats);
    EXPECT_EQ(QImage(dir.filePath("g2.png")).convertToFormat(QImage::Format_RGB32), doble.Imatge());

    ASSERT_TRUE(f->ExportarImatge(dir.filePath("g.svg"), QSize(1280, 920)));
    EXPECT_EQ(Inici(dir.filePath("g.svg"), 5), "<?xml");
    ASSERT_TRUE(f->ExportarImatge(dir.filePath("g.pdf"), QSize(640, 460)));
    EXPECT_EQ(Inici(dir.filePath("g.pdf"), 4), "%PDF");
    const int pagines = Pagines(dir.filePath("g.pdf"));
    if (pagines >= 0) {
        EXPECT_EQ(pagines, 1);
    }

    // A size that is no size is refused; a file that cannot be written gives 203.
    s.fitxers = {dir.filePath("no.png")};
    s.textos = {"gran"};
    f->Accio("MenuExportarImatge")->trigger();
    EXPECT_FALSE(QFile::exists(dir.filePath("no.png")));
    EXPECT_FALSE(f->ExportarImatge(dir.filePath("no/hi/es.svg"), QSize(10, 10)));
    ASSERT_FALSE(s.missatges.empty());
    EXPECT_EQ(s.missatges.back().text, "No puc desar el fitxer");

    // Printing to a PDF file: one page; cancelled, nothing.
    s.impressioPdf = dir.filePath("imprès.pdf");
    f->Accio("MenuImpressio")->trigger();
    EXPECT_EQ(Inici(s.impressioPdf, 4), "%PDF");
    if (const int impreses = Pagines(s.impressioPdf); impreses >= 0) {
        EXPECT_EQ(impreses, 1);
    }
    s.impressioPdf.clear();
    f->Accio("MenuImpressio")->trigger();
}

} // namespace
} // namespace tracima
