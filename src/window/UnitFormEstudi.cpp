#include "window/UnitFormEstudi.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tracima {
namespace {

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

TFormEstudi::TFormEstudi(const TaulaMissatges& missatges, Serveis& serveis, QWidget* pare)
    : QDialog(pare), missatges_(missatges), serveis_(serveis) {
    setObjectName(Text(FormEstudi));
    setModal(false);
    text_browser_ = new QTextBrowser(this);
    text_browser_->setObjectName(QStringLiteral("TextInforme"));
    text_browser_->setTabStopDistance(110);
    auto* botons = new QDialogButtonBox(this);
    const auto boto = [this, botons](const char* nom, QDialogButtonBox::ButtonRole rol) {
        QPushButton* b = botons->addButton(QString(), rol);
        b->setObjectName(QString::fromLatin1(nom));
        b->setAutoDefault(false);
        return b;
    };
    connect(boto("BitBtnCopiar", QDialogButtonBox::ActionRole), &QPushButton::clicked, this,
            &TFormEstudi::BitBtnCopiarClick);
    connect(boto("BitBtnDesar", QDialogButtonBox::ActionRole), &QPushButton::clicked, this,
            [this] { BitBtnDesarClick(); });
    connect(boto("BitBtnTancar", QDialogButtonBox::RejectRole), &QPushButton::clicked, this,
            &QDialog::reject);
    auto* capsa = new QVBoxLayout(this);
    capsa->addWidget(text_browser_);
    capsa->addWidget(botons);
    resize(520, 600);
}

void TFormEstudi::Mostrar(const EstudiFuncio& estudi) {
    text_ = Text(TextEstudi(estudi, missatges_));
    html_ = Text(HtmlEstudi(estudi, missatges_));
    setWindowTitle(Text(TitolEstudi(estudi, missatges_)));
    text_browser_->setHtml(Text(HtmlEstudi(estudi, missatges_, false)));
    if (!isVisible()) {
        // Beside the main window, so the marked graph stays in sight.
        if (QWidget* pare = parentWidget(); pare && pare->isVisible()) {
            const QRect lloc = pare->frameGeometry();
            const QScreen* pantalla = pare->screen();
            const QPoint p = lloc.topRight() + QPoint(8, 0);
            if (pantalla && pantalla->availableGeometry().contains(QRect(p, size()))) move(p);
        }
        show();
        text_browser_->setFocus();
    }
    raise();
    activateWindow();
}

void TFormEstudi::BitBtnCopiarClick() {
    serveis_.CopiarTextIHtml(text_, html_);
}

bool TFormEstudi::BitBtnDesarClick() {
    const QString fitxer = serveis_.TriarFitxerDesar(
        this, windowTitle(), QString(), QStringLiteral("HTML (*.html *.htm);;Text (*.txt)"));
    if (fitxer.isEmpty()) return false;
    const bool text = fitxer.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive);
    QFile f(fitxer);
    const QByteArray dades = (text ? text_ : html_).toUtf8();
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(dades) != dades.size()) {
        serveis_.MostrarMissatge(this, Text(missatges_.TitolPrograma()),
                                 Text(missatges_.Missatge(MissatgeNoPucDesar)),
                                 IconaMissatge::Informacio);
        return false;
    }
    return true;
}

} // namespace tracima
