#include "window/UnitFormPrincipal.h"

#include "analysis/Integrals.h"
#include "text/EstructuraMenus.h"
#include "window/UnitFormCanviDeParametres.h"
#include "window/UnitFormCoeficientsRegressio.h"
#include "window/UnitFormEntradaDeDades.h"
#include "window/UnitFormEstudi.h"
#include "window/UnitFormIntegrals.h"
#include "window/UnitFormInterpolacioIntroduirValors.h"
#include "window/UnitFormParlantDe.h"
#include "window/UnitFormPuntsSingulars.h"
#include "window/UnitFormQuinaEsNumerica.h"
#include "window/UnitFormRegressioIntroduirValors.h"
#include "window/UnitFormUnaFuncio.h"
#include "window/UnitPlataformaDependent.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>

namespace tracima {
namespace {

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Sets the caption of one control found by the caption table: a window's title,
// a menu's title, an item's, a button's, a label's or a frame's text.
void FixarTitol(QObject* objecte, const QString& text) {
    if (auto* accio = qobject_cast<QAction*>(objecte)) {
        accio->setText(text);
    } else if (auto* menu = qobject_cast<QMenu*>(objecte)) {
        menu->setTitle(text);
    } else if (auto* boto = qobject_cast<QAbstractButton*>(objecte)) {
        boto->setText(text);
    } else if (auto* etiqueta = qobject_cast<QLabel*>(objecte)) {
        etiqueta->setText(text);
    } else if (auto* marc = qobject_cast<QGroupBox*>(objecte)) {
        marc->setTitle(text);
    } else if (auto* widget = qobject_cast<QWidget*>(objecte)) {
        widget->setWindowTitle(text);
    }
    // Controls without a visible text of their own are named for screen readers
    // by their caption, without the accelerator mark.
    if (auto* widget = qobject_cast<QWidget*>(objecte); widget && !widget->isWindow()) {
        QString nom = text;
        nom.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        widget->setAccessibleName(nom);
        if (auto* caixa = qobject_cast<QComboBox*>(widget); caixa && caixa->lineEdit())
            caixa->lineEdit()->setAccessibleName(nom);
        // A box is named by its label (an editable drop-down box and its text too).
        if (auto* etiqueta = qobject_cast<QLabel*>(widget); etiqueta && etiqueta->buddy()) {
            etiqueta->buddy()->setAccessibleName(nom);
            if (auto* caixa = qobject_cast<QComboBox*>(etiqueta->buddy());
                caixa && caixa->lineEdit())
                caixa->lineEdit()->setAccessibleName(nom);
        }
    }
}

// Texts the caption table does not hold: the graph's name and description for
// screen readers, in the language of the loaded texts.
struct TextsAccessibles {
    const char* grafic;
    const char* senseFuncions;
    const char* resultat;
};
constexpr TextsAccessibles Accessibles[] = {
    {"Gràfic de les funcions", "Cap funció definida", "Resultat: "},
    {"Gráfico de las funciones", "Ninguna función definida", "Resultado: "},
    {"Graph of the functions", "No function defined", "Result: "},
};

const TextsAccessibles& AccessiblesDe(Llengua l) {
    return EnLlengua(Accessibles, l);
}

// The toolkit's translation of its own dialogs in each language.
constexpr const char* TraduccionsQt[] = {"qtbase_ca", "qtbase_es", "qtbase_en"};

} // namespace

TFormPrincipal::TFormPrincipal(Serveis& serveis, QWidget* pare)
    : QMainWindow(pare), serveis_(serveis) {
    setObjectName(Text(FormPrincipal));
    estat_.Opcions.MenuLiniesSuaus = LlegirLiniesSuaus();
    grafic_ = new GraficQt(this);
    grafic_->setObjectName(QStringLiteral("Grafic"));
    setCentralWidget(grafic_);
    // FormResize: a new buffer is drawn from the state at once.
    grafic_->EnNouBuffer = [this] {
        ColocarPanelPunt();
        Repintar();
    };
    grafic_->EnPremerRatoli = [this](QMouseEvent* e) { RatoliPremut(e); };
    grafic_->EnMoureRatoli = [this](QMouseEvent* e) { RatoliMogut(e); };
    grafic_->EnRodaRatoli = [this](QWheelEvent* e) { RodaRatoli(e); };
    grafic_->EnDeixarRatoli = [this](QMouseEvent* e) { RatoliDeixat(e); };
    timerTracat_ = new QTimer(this);
    timerTracat_->setObjectName(QStringLiteral("TimerTrassarElsCalculs"));
    timerTracat_->setSingleShot(true);
    connect(timerTracat_, &QTimer::timeout, this, &TFormPrincipal::PasTracat);
    CrearPanelPunt();
    CrearMenus();
    ConnectarComandes();
    // FormCreate.
    ColocarLimitsInicials();
    ReiniciarConjunt(estat_.Funcions);
    BuidarResultats(estat_.Resultats);
    estat_.Vista = ValorsVista{};
    estat_.NomDocument = std::string(NomDocumentSenseNom);
    estat_.Opcions.GruixLinies = 1;
    PrepararFuncions(estat_.Funcions, calc_, this);
    setAcceptDrops(true);
    AplicarDisponibilitat();
    AplicarMarques();
    AplicarTitols();
    MarcarDesat();
}

TFormPrincipal::~TFormPrincipal() = default;

TFormEntradaDeDades* TFormPrincipal::EntradaDeDades() {
    return Dialeg(entrada_, [this] {
        auto* d = new TFormEntradaDeDades(estat_, serveis_, this);
        d->EnFuncioNumerica = [this] { FuncioNumericaClick(); };
        return d;
    });
}

TFormCoeficients* TFormPrincipal::Coeficients() {
    return Dialeg(coeficients_,
                  [this] { return new TFormCoeficients(estat_.Missatges, serveis_, this); });
}

TFormEstudi* TFormPrincipal::Estudi() {
    return Dialeg(estudi_, [this] { return new TFormEstudi(estat_.Missatges, serveis_, this); });
}

TFormNumericaInterpolacio* TFormPrincipal::NumericaInterpolacio() {
    return Dialeg(interpolacio_, [this] {
        return new TFormNumericaInterpolacio(
            estat_, serveis_, *EntradaDeDades(), [this] { AplicarMarques(); }, this);
    });
}

TFormNumericaRegressio* TFormPrincipal::NumericaRegressio() {
    return Dialeg(regressio_, [this] {
        return new TFormNumericaRegressio(estat_, serveis_, *EntradaDeDades(), *Coeficients(),
                                          this);
    });
}

TFormQuinaEsNumerica* TFormPrincipal::QuinaEsNumerica() {
    return Dialeg(quina_, [this] {
        return new TFormQuinaEsNumerica(estat_, *NumericaInterpolacio(), *NumericaRegressio(),
                                        this);
    });
}

TFormParlantDe* TFormPrincipal::ParlantDe() {
    return Dialeg(parlantDe_, [this] { return new TFormParlantDe(estat_.Missatges, this); });
}

TFormPuntsSingulars* TFormPrincipal::PuntsSingulars() {
    return Dialeg(pausa_, [this] { return new TFormPuntsSingulars(this); });
}

TFormIntegrals* TFormPrincipal::Integrals() {
    return Dialeg(integrals_, [this] {
        return new TFormIntegrals(
            [this](const std::string& inicial, const std::string& final, double& a, double& b,
                   int& camp) {
                return ValidarLimits(ContextCalcul(), estat_.Parametres(), inicial, final, a, b, &camp);
            },
            this);
    });
}

TFormCanviDeParametres* TFormPrincipal::CanviDeParametres() {
    return Dialeg(parametres_, [this] {
        return new TFormCanviDeParametres(
            estat_, [this] { AplicarFuncionsFinestra(); }, this);
    });
}

TFormUnaFuncio* TFormPrincipal::UnaFuncio() {
    return Dialeg(unaFuncio_, [this] {
        return new TFormUnaFuncio(
            estat_, serveis_, *EntradaDeDades(), [this] { AplicarTextosDeLesCaixes(); }, this);
    });
}

QAction* TFormPrincipal::Accio(std::string_view component) const {
    return accions_.value(Text(component), nullptr);
}

QMenu* TFormPrincipal::Menu(std::string_view component) const {
    return menus_.value(Text(component), nullptr);
}

void TFormPrincipal::CrearMenus() {
    QMenu* menu = nullptr;
    QMenu* submenu = nullptr;
    for (const ElementMenu& e : EstructuraMenus()) {
        const QString nom = Text(e.component);
        QMenu* on = submenu ? submenu : menu;
        switch (e.tipus) {
        case TipusElementMenu::Menu:
            menu = menuBar()->addMenu(QString());
            menu->setObjectName(nom);
            menus_.insert(nom, menu);
            submenu = nullptr;
            // Opening any menu of the bar stops a traced scan at its next column.
            connect(menu, &QMenu::aboutToShow, this, [this] { estat_.Resultats.AturarCalcul = true; });
            break;
        case TipusElementMenu::Submenu:
            submenu = menu->addMenu(QString());
            submenu->setObjectName(nom);
            menus_.insert(nom, submenu);
            break;
        case TipusElementMenu::FiSubmenu:
            submenu = nullptr;
            break;
        case TipusElementMenu::Separador:
            on->addSeparator();
            break;
        case TipusElementMenu::Comanda:
        case TipusElementMenu::Marca:
        case TipusElementMenu::Llengua: {
            auto* accio = new QAction(this);
            accio->setObjectName(nom);
            if (!e.drecera.empty())
                accio->setShortcuts(QKeySequence::listFromString(Text(e.drecera)));
            accio->setCheckable(e.tipus != TipusElementMenu::Comanda);
            // No command runs inside a traced scan: the scan ends before the
            // command (this connection is the item's first).
            connect(accio, &QAction::triggered, this, [this] { AturarCalculEnMarxa(); });
            on->addAction(accio);
            accions_.insert(nom, accio);
            break;
        }
        }
    }
}

void TFormPrincipal::AplicarTitols() {
    const TaulaMissatges& t = estat_.Missatges;
    const std::string_view principal = FormPrincipal;
    // The controls of the dialogs built so far first, then the program title as
    // the caption, then the menu items.
    for (QWidget* formulari : dialegs_)
        AplicarTitolsDe(formulari);
    setWindowTitle(Text(t.TitolPrograma()));
    for (const TitolComponent& titol : t.Titols(principal)) {
        const QString nom = Text(titol.component);
        QObject* objecte = accions_.value(nom, nullptr);
        if (objecte == nullptr) objecte = menus_.value(nom, nullptr);
        if (objecte == nullptr) objecte = findChild<QObject*>(nom);
        if (objecte) FixarTitol(objecte, Text(titol.text));
    }
    serveis_.FixarLlengua(t.LlenguaDelsTextos());
    // The toolkit's own texts (file dialogs, context menus) in the same language.
    QCoreApplication::removeTranslator(&traduccioQt_);
    const QString traduccio = QString::fromUtf8(EnLlengua(TraduccionsQt, t.LlenguaDelsTextos()));
    if (traduccioQt_.load(traduccio, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traduccioQt_);
    grafic_->setAccessibleName(QString::fromUtf8(AccessiblesDe(t.LlenguaDelsTextos()).grafic));
    ActualitzarDescripcioGrafic();
}

void TFormPrincipal::AplicarTitolsDe(QWidget* formulari) {
    for (const TitolComponent& titol : estat_.Missatges.Titols(formulari->objectName().toStdString())) {
        QObject* objecte = titol.component == titol.formulari ? formulari
                                                              : formulari->findChild<QObject*>(Text(titol.component));
        if (objecte) FixarTitol(objecte, Text(titol.text));
    }
}

void TFormPrincipal::AplicarMarques() {
    for (const ElementMenu& e : EstructuraMenus()) {
        QAction* a = Accio(e.component);
        if (a == nullptr) continue;
        if (e.tipus == TipusElementMenu::Marca) {
            if (const bool* m = MarcaDeMenu(estat_, e.component)) a->setChecked(*m);
        } else if (e.tipus == TipusElementMenu::Llengua) {
            a->setChecked(ComponentLlengua(estat_.Missatges.LlenguaActual()) == e.component);
        }
    }
}

void TFormPrincipal::IniciarLlengua(std::string_view valorConfiguracio) {
    estat_.Missatges.IniciarLlengua(valorConfiguracio);
    AplicarMarques();
    AplicarTitols();
}

void TFormPrincipal::CanviarLlengua(Llengua llengua) {
    if (estat_.Missatges.CanviarLlengua(llengua) != 0) return;
    AplicarMarques();
    if (ColumnaDeTextos(llengua) >= 0) AplicarTitols();
}

std::string_view TFormPrincipal::ValorLlenguaConfiguracio() const {
    return NomLlenguaConfiguracio(estat_.Missatges.LlenguaActual());
}

int TFormPrincipal::AplicarFuncionsFinestra() {
    const int codi = AplicarFuncions(estat_.Funcions, calc_, this);
    AplicarDisponibilitat();
    Repintar();
    return codi;
}

void TFormPrincipal::AplicarDisponibilitat() {
    const DisponibilitatComandes& d = estat_.Funcions.Comandes;
    for (int i = 0; i < NombreComandes; ++i) {
        const auto c = static_cast<Comanda>(i);
        if (QAction* a = Accio(NomComanda(c))) a->setEnabled(d.Activa(c));
    }
    // The study runs where the one-function commands do.
    if (QAction* estudi = Accio("MenuEstudiDeLaFuncio"))
        estudi->setEnabled(d.Activa(Comanda::MenuArrels));
    if (d.TreureMarcaNomsPunts) {
        estat_.Opcions.MenuNomsPunts = false;
        AplicarMarques();
    }
}

void TFormPrincipal::ColocarLimitsInicials() {
    if (isMaximized() || isFullScreen()) {
        showNormal();
        // The restored window's frame differs from the maximised one's and is
        // known only once the window manager has restored it: placed again then.
        for (int espera : {50, 200, 500})
            QTimer::singleShot(espera, this, [this] {
                if (!isMaximized() && !isFullScreen()) ColocarLimitsInicials();
            });
    }
    // The bounds are the outer size; the frame is known once the window is shown.
    QMargins marc;
    if (windowHandle() && isVisible()) marc = windowHandle()->frameMargins();
    move(EsquerraInicial, DaltInicial);
    resize(AmpladaInicial - marc.left() - marc.right(), AlcadaInicial - marc.top() - marc.bottom());
}

void TFormPrincipal::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (limitsAjustats_) return;
    limitsAjustats_ = true;
    // The window manager adds its frame after the first show: the outer size is
    // made 512 x 403 once the frame is known.
    for (int espera : {0, 50, 200, 500})
        QTimer::singleShot(espera, this, [this] {
            if (marcAplicat_ || !windowHandle() || windowHandle()->frameMargins().isNull()) return;
            marcAplicat_ = true;
            ColocarLimitsInicials();
        });
}

void TFormPrincipal::closeEvent(QCloseEvent* e) {
    // FormClose: keep unsaved work if the person wants it, then stop a running
    // scan and remember the language; a failed write is not reported. A traced
    // scan waits while the question is open and goes on if the window stays.
    const bool tracant = timerTracat_->isActive();
    timerTracat_->stop();
    if (!PotDeixarElDocument()) {
        if (tracant && pas_) timerTracat_->start(IntervalTracat);
        e->ignore();
        return;
    }
    estat_.Resultats.AturarCalcul = true;
    AturarCalculEnMarxa();
    EscriureLlenguaConfiguracio(ValorLlenguaConfiguracio());
    EscriureLiniesSuaus(estat_.Opcions.MenuLiniesSuaus);
    e->accept();
}

void TFormPrincipal::MostrarMissatge(std::string_view text) {
    serveis_.MostrarMissatge(this, Text(TitolPrograma()), Text(text), IconaMissatge::Informacio);
}

std::string_view TFormPrincipal::TitolPrograma() const { return estat_.Missatges.TitolPrograma(); }

Llenc& TFormPrincipal::Canvas() {
    if (!diferit_) return grafic_->Llenc();
    llencDiferit_.FixarMida(grafic_->Llenc().AmpladaClient(), grafic_->Llenc().AlcadaClient());
    return llencDiferit_;
}

void TFormPrincipal::DibuixarEixos() {
    if (diferit_) return;
    tracima::DibuixarEixos(grafic_->Llenc(), estat_.Funcions.Eixos, estat_.Opcions, estat_.Vista);
}

void TFormPrincipal::DibuixarResultats() {
    if (diferit_) return;
    tracima::DibuixarResultats(grafic_->Llenc(), estat_.Resultats, estat_.Funcions.Eixos, estat_.Opcions,
                               estat_.Vista);
}

void TFormPrincipal::DibuixarEtiqueta(int index) {
    if (diferit_) return;
    tracima::DibuixarEtiqueta(grafic_->Llenc(), estat_.Resultats, index, estat_.Funcions.Eixos,
                              estat_.Opcions, estat_.Vista);
}

void TFormPrincipal::Repintar() {
    if (diferit_) repintDemanat_ = true;
    else RepintarGrafic(true);
}

void TFormPrincipal::RepintarGrafic(bool titol) {
    tracima::Repintar(grafic_->Llenc(), estat_.Funcions, estat_.Opcions, estat_.Vista, estat_.Resultats,
                      titol ? this : nullptr);
    grafic_->update();
    ActualitzarDescripcioGrafic();
}

void TFormPrincipal::FixarTitolFinestra(std::string_view text) { setWindowTitle(Text(text)); }

void TFormPrincipal::ActualitzarDescripcioGrafic() {
    const TaulaMissatges& t = estat_.Missatges;
    const TextsAccessibles& a = AccessiblesDe(t.LlenguaDelsTextos());
    QStringList parts;
    for (int i = 0; i < NombreSlotsFuncio; ++i) {
        const std::string& text = estat_.Funcions.Slots[static_cast<std::size_t>(i)].Text;
        if (!text.empty())
            parts << QStringLiteral("%1(x) = %2").arg(QChar(LletraFuncio(i + 1)), Text(text));
    }
    if (parts.isEmpty()) parts << QString::fromUtf8(a.senseFuncions);
    const int analisi = estat_.Resultats.AnalisiActiva;
    if (analisi != AnalisiCap) {
        QString resultat = QString::fromUtf8(a.resultat) + Text(t.Missatge(BaseTitolsAnalisi + analisi));
        if (!estat_.Resultats.TextEstat.empty()) resultat += QStringLiteral(": ") + Text(estat_.Resultats.TextEstat);
        parts << resultat;
    }
    const QString descripcio = parts.join(QStringLiteral("; "));
    if (grafic_->accessibleDescription() != descripcio) grafic_->setAccessibleDescription(descripcio);
}

} // namespace tracima
