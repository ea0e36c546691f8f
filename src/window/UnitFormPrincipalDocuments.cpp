// Documents in the main window: open, save, save as, the question before unsaved
// work would be lost, dropped files, and the start-up steps that depend on the
// command line (about box, desktop registration, first document, data entry).
#include "document/Document.h"
#include "window/UnitFormParlantDe.h"
#include "window/UnitFormPrincipal.h"
#include "window/UnitPlataformaDependent.h"
#include "window/UnitFormEntradaDeDades.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace tracima {
namespace {

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Captions and filter of the file dialogs of documents, and the name offered for a
// document that has none yet.
struct TextsFitxers {
    const char *obrir, *desar, *filtre, *senseNom;
};
constexpr TextsFitxers Fitxers[] = {
    {"TRACIMA - Obrir Fitxer", "TRACIMA - Desar Fitxer",
     "Tracima (*.trc);;Tot tipus de fitxers (*)", "SenseNom.trc"},
    {"TRACIMA - Abrir archivo", "TRACIMA - Guardar archivo",
     "Tracima (*.trc);;Todos los archivos (*)", "SinNombre.trc"},
    {"TRACIMA - Open File", "TRACIMA - Save File", "Tracima (*.trc);;All files (*)",
     "Untitled.trc"},
};

} // namespace

std::string TFormPrincipal::TextDocumentActual() const {
    std::string text;
    if (EscriureTextDocument(estat_.Funcions, text) != 0) return "\x01"; // never equal to a saved text
    return text;
}

bool TFormPrincipal::HiHaCanvisSenseDesar() const { return TextDocumentActual() != textDesat_; }

void TFormPrincipal::MarcarDesat() {
    textDesat_ = TextDocumentActual();
    segellDesat_ = SegellFitxer(QFile::decodeName(estat_.NomDocument.c_str()));
}

QString TFormPrincipal::SegellFitxer(const QString& fitxer) {
    const QFileInfo info(fitxer);
    if (!info.exists()) return {};
    return QString::number(info.lastModified().toMSecsSinceEpoch()) + QLatin1Char('/') +
           QString::number(info.size());
}

bool TFormPrincipal::PotDeixarElDocument() {
    if (!HiHaCanvisSenseDesar()) return true;
    const TaulaMissatges& m = estat_.Missatges;
    switch (serveis_.PreguntarDesar(this, Text(m.TitolPrograma()), Text(m.Missatge(MissatgeDesarCanvis)))) {
    case RespostaDesar::Desar: return MenuDesarClick();
    case RespostaDesar::Descartar: return true;
    case RespostaDesar::Cancellar: break;
    }
    return false;
}

bool TFormPrincipal::LlegirDocumentFinestra(const QString& fitxer) {
    AturarCalculEnMarxa();
    if (LlegirDocument(QFile::encodeName(fitxer).toStdString(), estat_.Funcions, calc_, this) != 0) {
        MostrarMissatge(estat_.Missatges.Missatge(MissatgeNoPucObrir));
        return false;
    }
    // The name changes only when the file was read: a failed open followed by
    // "Desar" must not write over the file that could not be read.
    estat_.NomDocument = QFile::encodeName(fitxer).toStdString();
    NetejarEstatResultats(estat_.Resultats, estat_.Funcions.Eixos);
    AmagarPanelImatgeDerivada();
    EntradaDeDades()->FixarCaixes(CaixesDelConjunt(estat_.Funcions));
    AplicarDisponibilitat();
    Repintar();
    MarcarDesat();
    return true;
}

bool TFormPrincipal::DesarDocumentA(const QString& fitxer) {
    // Another program changed the document's file since it was read or written:
    // it is not written over without asking.
    const TaulaMissatges& m = estat_.Missatges;
    if (QFile::encodeName(fitxer).toStdString() == estat_.NomDocument && !segellDesat_.isEmpty()) {
        const QString segell = SegellFitxer(fitxer);
        if (!segell.isEmpty() && segell != segellDesat_ &&
            !serveis_.Preguntar(this, Text(m.TitolPrograma()),
                                Text(m.Missatge(MissatgeFitxerCanviat)), IconaMissatge::Exclamacio))
            return false;
    }
    if (DesarDocument(QFile::encodeName(fitxer).toStdString(), estat_.Funcions) != 0) {
        MostrarMissatge(estat_.Missatges.Missatge(MissatgeNoPucDesar));
        return false;
    }
    estat_.NomDocument = QFile::encodeName(fitxer).toStdString();
    MarcarDesat();
    return true;
}

void TFormPrincipal::MenuObrirClick() {
    if (!PotDeixarElDocument()) return;
    for (;;) {
        const TextsFitxers& t = EnLlengua(Fitxers, estat_.Missatges.LlenguaDelsTextos());
        const QString fitxer = serveis_.TriarFitxerObrir(
            this, QString::fromUtf8(t.obrir), QFile::decodeName(estat_.NomDocument.c_str()),
            QString::fromUtf8(t.filtre));
        if (fitxer.isEmpty() || LlegirDocumentFinestra(fitxer)) return;
    }
}

bool TFormPrincipal::MenuDesarClick() {
    if (DocumentSenseNom(estat_.NomDocument)) return MenuAnomenarIDesarClick();
    return DesarDocumentA(QFile::decodeName(estat_.NomDocument.c_str()));
}

bool TFormPrincipal::MenuAnomenarIDesarClick() {
    const TextsFitxers& t = EnLlengua(Fitxers, estat_.Missatges.LlenguaDelsTextos());
    const QString inicial = DocumentSenseNom(estat_.NomDocument)
                                ? QString::fromUtf8(t.senseNom)
                                : QFile::decodeName(estat_.NomDocument.c_str());
    const QString fitxer = serveis_.TriarFitxerDesar(this, QString::fromUtf8(t.desar), inicial,
                                                     QString::fromUtf8(t.filtre));
    return !fitxer.isEmpty() && DesarDocumentA(fitxer);
}

void TFormPrincipal::dragEnterEvent(QDragEnterEvent* e) {
    if (e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void TFormPrincipal::dropEvent(QDropEvent* e) {
    const QList<QUrl> urls = e->mimeData()->urls();
    e->acceptProposedAction();
    if (!urls.isEmpty()) LlegirFitxerDeixat(urls.first().toLocalFile());
}

bool TFormPrincipal::LlegirFitxerDeixat(const QString& cami) {
    // Only the first file, only a local one, only a document; others are ignored.
    if (cami.isEmpty() || cami.size() > 4096 || !cami.right(3).toUpper().endsWith(QStringLiteral("TRC")))
        return false;
    if (!PotDeixarElDocument()) return false;
    const QFileInfo info(cami);
    QDir::setCurrent(info.absolutePath());
    return LlegirDocumentFinestra(info.fileName());
}

void TFormPrincipal::Iniciar(const QStringList& arguments) {
    // The command-line document: the arguments joined by one blank, trimmed.
    const QString linia = arguments.join(QLatin1Char(' ')).trimmed();
    const bool noAbout = linia == QStringLiteral("NOABOUT");
    if (!noAbout) ParlantDe()->exec();
    show();
    if (qEnvironmentVariableIsSet("TRACIMA_SORTIR_DESPRES_DEL_PRIMER_FRAME")) return;
    // The steps after the window is shown run once it is on screen.
    QTimer::singleShot(0, this, [this, linia, noAbout] {
        if (linia.isEmpty()) ComprovarAssociacio();
        if (!linia.isEmpty() && !noAbout) LlegirDocumentFinestra(linia);
        else MenuCanviarFuncionsOParametresClick();
    });
}

void TFormPrincipal::ComprovarAssociacio() {
    const QString programa = ProgramaPropi();
    const std::string registrat = LlegirAssociacio("trc");
    if (registrat.empty()) {
        EscriureAssociacio("trc", programa);
        return;
    }
    if (MateixPrograma(registrat, programa)) return;
    const TaulaMissatges& m = estat_.Missatges;
    if (serveis_.Preguntar(this, Text(m.TitolPrograma()), Text(m.Missatge(MissatgeAssociarExtensio)),
                           IconaMissatge::Avis))
        EscriureAssociacio("trc", programa);
}

} // namespace tracima
