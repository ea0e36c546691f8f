// The graph out of the window: "Exportar la imatge..." (PNG through the
// QPainter canvas, SVG through the core's SVG canvas, PDF through Qt's vector
// PDF writer) and "Impressió" (the print dialog, the picture scaled to the page
// keeping its proportions). Every output is the window's own repaint.
#include "window/UnitFormPrincipal.h"
#include "view/LlencSvg.h"

#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>

namespace tracima {

namespace {
constexpr const char* TitolsExportar[] = {"TRACIMA - Exportar", "TRACIMA - Exportar",
                                          "TRACIMA - Export"};

// The picture is offered beside the document, with its name.
QString NomExportat(const std::string& document) {
    const QFileInfo info(QFile::decodeName(document.c_str()));
    return DocumentSenseNom(document) ? info.completeBaseName()
                                      : info.absolutePath() + '/' + info.completeBaseName();
}
} // namespace

void TFormPrincipal::RepintarA(Llenc& llenc) {
    // The window's scales belong to the window: an output of another size uses a copy.
    ValorsVista vista = estat_.Vista;
    tracima::Repintar(llenc, estat_.Funcions, estat_.Opcions, vista, estat_.Resultats);
}

bool TFormPrincipal::ExportarImatge(const QString& fitxer, QSize mida) {
    const QString tipus = QFileInfo(fitxer).suffix().toLower();
    bool be = false;
    if (tipus == QStringLiteral("svg")) {
        LlencSvg svg(mida.width(), mida.height());
        RepintarA(svg);
        const std::string document = svg.Document();
        QFile f(fitxer);
        be = f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
             f.write(document.data(), static_cast<qint64>(document.size())) == static_cast<qint64>(document.size());
    } else if (tipus == QStringLiteral("pdf")) {
        QPdfWriter pdf(fitxer);
        pdf.setResolution(72);
        pdf.setPageSize(QPageSize(QSizeF(mida), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(QStringLiteral("Tracima"));
        QPainter pintor;
        if (pintor.begin(&pdf)) {
            LlencPintorQt llenc(&pintor, mida, 1.0, true);
            RepintarA(llenc);
            be = pintor.end();
        }
    } else {
        LlencQt llenc(mida, 1.0);
        RepintarA(llenc);
        be = llenc.Imatge().save(fitxer, "PNG");
    }
    if (!be) MostrarMissatge(estat_.Missatges.Missatge(MissatgeNoPucDesar));
    return be;
}

void TFormPrincipal::MenuExportarImatgeClick() {
    const QString fitxer = serveis_.TriarFitxerDesar(
        this, QString::fromUtf8(EnLlengua(TitolsExportar, estat_.Missatges.LlenguaDelsTextos())),
        NomExportat(estat_.NomDocument), QStringLiteral("PNG (*.png);;SVG (*.svg);;PDF (*.pdf)"));
    if (fitxer.isEmpty()) return;
    // The window's size, or a larger one typed as "1280x920".
    const QSize actual = grafic_->size();
    std::string text = std::to_string(actual.width()) + "x" + std::to_string(actual.height());
    const TaulaMissatges& m = estat_.Missatges;
    if (!DemanarValor(m.TitolPrograma(), m.Missatge(MissatgeMidaImatge), text)) return;
    const QRegularExpressionMatch mida =
        QRegularExpression(QStringLiteral("^\\s*(\\d{1,9})\\s*[xX×]\\s*(\\d{1,9})\\s*$"))
            .match(QString::fromStdString(text));
    const int amplada = mida.hasMatch() ? mida.captured(1).toInt() : 0;
    const int alcada = mida.hasMatch() ? mida.captured(2).toInt() : 0;
    if (!mida.hasMatch()) {
        MostrarMissatge(m.Missatge(MissatgeValorNoNumeric));
        return;
    }
    if (amplada < 1 || alcada < 1 || amplada > MidaMaximaImatge || alcada > MidaMaximaImatge) {
        MostrarMissatge(m.Missatge(MissatgeMidaImatgeLimits));
        return;
    }
    ExportarImatge(fitxer, QSize(amplada, alcada));
}

void TFormPrincipal::MenuImpressioClick() {
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setDocName(QStringLiteral("Tracima"));
    if (!serveis_.TriarImpressora(this, impressora)) return;
    QPainter pintor;
    if (!pintor.begin(&impressora)) {
        MostrarMissatge(estat_.Missatges.Missatge(MissatgeNoPucDesar));
        return;
    }
    // The window's picture scaled to the page, proportions kept, centred.
    const QSize mida = grafic_->size();
    const QRectF pagina = impressora.pageLayout().paintRectPixels(impressora.resolution());
    const qreal escala = std::min(pagina.width() / mida.width(), pagina.height() / mida.height());
    pintor.translate((pagina.width() - mida.width() * escala) / 2, (pagina.height() - mida.height() * escala) / 2);
    pintor.scale(escala, escala);
    LlencPintorQt llenc(&pintor, mida, 1.0, true);
    RepintarA(llenc);
    pintor.end();
}

} // namespace tracima
