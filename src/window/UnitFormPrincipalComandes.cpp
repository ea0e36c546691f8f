// What the main window's menu commands do: a few lines each that call the core
// and the services.
#include "engine/UnitTools.h"

#include "window/UnitFormCanviDeParametres.h"
#include "window/UnitFormEntradaDeDades.h"
#include "window/UnitFormEstudi.h"
#include "window/UnitFormInterpolacioIntroduirValors.h"
#include "window/UnitFormParlantDe.h"
#include "window/UnitFormPrincipal.h"
#include "window/UnitFormQuinaEsNumerica.h"
#include "window/UnitFormUnaFuncio.h"
#include "window/UnitPlataformaDependent.h"
#include <QUrl>

#include <QAction>

namespace tracima {

void TFormPrincipal::ConnectarComandes() {
    auto connectar = [this](std::string_view nom, void (TFormPrincipal::*comanda)()) {
        if (QAction* a = Accio(nom)) connect(a, &QAction::triggered, this, comanda);
    };
    connectar("MenuCanviarFuncionsOParametres", &TFormPrincipal::MenuCanviarFuncionsOParametresClick);
    connectar("MenuCanviarUnaFuncio", &TFormPrincipal::MenuCanviarUnaFuncioClick);
    connectar("MenuCanviarParametres", &TFormPrincipal::MenuCanviarParametresClick);
    connectar("MenuSortir", &TFormPrincipal::MenuSortirClick);
    connectar("MenuObrir", &TFormPrincipal::MenuObrirClick);
    if (QAction* a = Accio("MenuDesar")) connect(a, &QAction::triggered, this, [this] { MenuDesarClick(); });
    if (QAction* a = Accio("MenuAnomenarIDesar"))
        connect(a, &QAction::triggered, this, [this] { MenuAnomenarIDesarClick(); });
    connectar("MenuEquaciDeRegressio", &TFormPrincipal::MenuEquaciDeRegressioClick);
    connectar("MenuExportarImatge", &TFormPrincipal::MenuExportarImatgeClick);
    connectar("MenuImpressio", &TFormPrincipal::MenuImpressioClick);
    connectar("MenuCopiarAlaCarpeta", &TFormPrincipal::MenuCopiarAlaCarpetaClick);
    connectar("MenuNetejar", &TFormPrincipal::MenuNetejarClick);
    // Zoom about the centre of the plot (columns 20..620, rows 20..420 of 640 x 460).
    const auto centre = [this](double osques) {
        Apropar(320 * estat_.Vista.EscalaX, 220 * estat_.Vista.EscalaY, osques, true);
    };
    if (QAction* a = Accio("MenuApropar"))
        connect(a, &QAction::triggered, this, [centre] { centre(1); });
    if (QAction* a = Accio("MenuAllunyar"))
        connect(a, &QAction::triggered, this, [centre] { centre(-1); });
    if (QAction* a = Accio("MenuVistaAnterior"))
        connect(a, &QAction::triggered, this, [this] { VistaAnterior(); });
    connectar("MenuErrorEnElsCalculs", &TFormPrincipal::MenuErrorEnElsCalculsClick);
    connectar("MenuDisminuirGruixLinies", &TFormPrincipal::MenuDisminuirGruixLiniesClick);
    connectar("MenuAugmentarGruixLinies", &TFormPrincipal::MenuAugmentarGruixLiniesClick);
    connectar("MenuPosiciDeLaFinestraInicial", &TFormPrincipal::MenuPosiciDeLaFinestraInicialClick);
    connectar("MenuExecutarUnNouTracimaPeraWin32",
              &TFormPrincipal::MenuExecutarUnNouTracimaPeraWin32Click);
    connectar("MenuParlantDe", &TFormPrincipal::MenuParlantDeClick);
    connectar("MenuEstudiDeLaFuncio", &TFormPrincipal::MenuEstudiDeLaFuncioClick);
    connectar("MenuGuia", &TFormPrincipal::MenuGuiaClick);

    // The analysis commands, by the number of their analysis.
    const std::pair<const char*, int> analisis[] = {
        {"MenuImatge", AnalisiImatge},
        {"MenuAntiimatge", AnalisiAntiimatge},
        {"MenuArrels", AnalisiArrels},
        {"MenuDiscontinuitatsAillades", AnalisiDiscontinuitats},
        {"MenuMaxims", AnalisiMaxims},
        {"MenuMinims", AnalisiMinims},
        {"MenuPuntsDinflexio", AnalisiInflexio},
        {"MenuDerivadaEnUnPunt", AnalisiDerivadaPunt},
        {"MenuIntegralDefinida", AnalisiIntegralDefinida},
        {"MenuIntegralDeLinia", AnalisiIntegralLinia},
        {"MenuIntervalsDeCreixement", AnalisiCreixement},
        {"MenuIntervalsDeDecreixement", AnalisiDecreixement},
        {"MenuIntervalsDeConcavitat", AnalisiConcavitat},
        {"MenuIntervalsDeConvexitat", AnalisiConvexitat},
        {"MenuFuncioDerivada", AnalisiDerivada},
        {"MenuSegonaDerivada", AnalisiSegonaDerivada},
        {"MenuFuncioIntegral", AnalisiFuncioIntegral},
        {"MenuTalls", AnalisiTalls},
        {"MenuArea", AnalisiArea},
    };
    for (const auto& [nom, analisi] : analisis)
        if (QAction* a = Accio(nom)) connect(a, &QAction::triggered, this, [this, analisi] { ExecutarAnalisi(analisi); });

    for (auto it = accions_.cbegin(); it != accions_.cend(); ++it) {
        const QString nom = it.key();
        const std::string nomText = nom.toStdString();
        if (nomText == "MenuNomsPunts")
            connect(it.value(), &QAction::triggered, this, &TFormPrincipal::MenuNomsPuntsClick);
        else if (MarcaDeMenu(estat_, nomText) != nullptr)
            connect(it.value(), &QAction::triggered, this, [this, nom] { MarcaClick(nom); });
        for (int l = 0; l < NombreLlengues; ++l)
            if (ComponentLlengua(static_cast<Llengua>(l)) == nomText)
                connect(it.value(), &QAction::triggered, this,
                        [this, l] { CanviarLlengua(static_cast<Llengua>(l)); });
    }
}

void TFormPrincipal::MenuCanviarFuncionsOParametresClick() {
    NetejarResultats(estat_.Resultats, estat_.Funcions, *this);
    TFormEntradaDeDades* entrada = EntradaDeDades();
    entrada->EntradaAcceptada = 0;
    entrada->GuardarCopies();
    entrada->exec();
    if (entrada->EntradaAcceptada == 1) {
        AplicarEntrada(entrada->Caixes(), entrada->Validacio(), estat_.Funcions);
        AplicarFuncionsFinestra();
    } else {
        // The next opening shows the state in force.
        entrada->FixarCaixes(CaixesDelConjunt(estat_.Funcions));
    }
    Repintar();
}

void TFormPrincipal::MenuCanviarUnaFuncioClick() {
    NetejarResultats(estat_.Resultats, estat_.Funcions, *this);
    UnaFuncio()->exec();
}

void TFormPrincipal::MenuCanviarParametresClick() {
    NetejarResultats(estat_.Resultats, estat_.Funcions, *this);
    CanviDeParametres()->exec();
}

void TFormPrincipal::AplicarTextosDeLesCaixes() {
    const TFormEntradaDeDades* entrada = EntradaDeDades();
    for (int i = 0; i < NombreSlotsFuncio; ++i)
        estat_.Funcions.Slots[static_cast<std::size_t>(i)].Text = entrada->TextFuncio(i);
    AplicarFuncionsFinestra();
}

void TFormPrincipal::MenuSortirClick() { close(); }

void TFormPrincipal::FuncioNumericaClick() {
    // Cancel in the chooser changes nothing: no question on the axes either.
    if (QuinaEsNumerica()->exec() != QDialog::Accepted || !CalPreguntarExtrems(estat_.Numerica))
        return;
    const int i = std::clamp(estat_.Numerica.FuncioTriada, 1, NombreSlotsFuncio) - 1;
    const ExtremsSuggerits e = SuggerirExtremsEixos(estat_.Funcions.Slots[static_cast<std::size_t>(i)].Numerica);
    // The text's line breaks are LF CR pairs; on screen they are plain line breaks.
    QString text = QString::fromStdString(TextPreguntaExtrems(e, estat_.Missatges));
    text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    const std::string_view titol = estat_.Missatges.Missatge(MissatgeModificarExtrems);
    TFormEntradaDeDades* entrada = EntradaDeDades();
    if (!serveis_.Preguntar(entrada, QString::fromUtf8(titol.data(), static_cast<qsizetype>(titol.size())), text,
                            IconaMissatge::Exclamacio))
        return;
    entrada->FixarTextEix(CaixaOEX, NumeroATextFormula(e.OrigenX));
    entrada->FixarTextEix(CaixaFEX, NumeroATextFormula(e.FinalX));
    entrada->FixarTextEix(CaixaOEY, NumeroATextFormula(e.OrigenY));
    entrada->FixarTextEix(CaixaFEY, NumeroATextFormula(e.FinalY));
}

void TFormPrincipal::MenuNomsPuntsClick() {
    NetejarResultats(estat_.Resultats, estat_.Funcions, *this);
    const int i = std::clamp(estat_.Numerica.FuncioTriada, 1, NombreSlotsFuncio) - 1;
    TFormNumericaInterpolacio* interpolacio = NumericaInterpolacio();
    CommutarMenuNomesPunts(estat_.Opcions.MenuNomsPunts, interpolacio->Model().Opcions,
                           estat_.Funcions.Slots[static_cast<std::size_t>(i)].Numerica);
    interpolacio->RefrescarOpcions();
    AplicarMarques();
    Repintar();
}

void TFormPrincipal::MenuEquaciDeRegressioClick() {
    NetejarResultats(estat_.Resultats, estat_.Funcions, *this);
    const ConjuntFuncions& cf = estat_.Funcions;
    if (cf.NombreFuncions != 1 || !cf.FuncioUnica.Existeix()) return;
    const FuncioNumerica& f = cf.Slots[static_cast<std::size_t>(cf.FuncioUnica.Slot())].Numerica;
    const TaulaMissatges& m = estat_.Missatges;
    const std::string text = std::string(m.Missatge(MissatgeCoeficientCorrelacio)) + NumeroAText(f.CoeficientCorrelacio) +
                             "\r\n\r\nY = " + f.EquacioRegressio + "\r\n\r\n";
    QString pantalla = QString::fromStdString(text);
    pantalla.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const std::string_view titol = m.Missatge(MissatgeCopiarALaCarpeta);
    if (serveis_.Preguntar(this, QString::fromUtf8(titol.data(), static_cast<qsizetype>(titol.size())), pantalla.trimmed(),
                           IconaMissatge::Exclamacio))
        serveis_.CopiarText(QString::fromStdString(text));
}

void TFormPrincipal::MenuCopiarAlaCarpetaClick() {
    Repintar();
    serveis_.CopiarImatge(grafic_->Llenc().CopiaImatge());
}

void TFormPrincipal::MenuNetejarClick() {
    NetejarResultats(estat_.Resultats, estat_.Funcions, *this);
}

void TFormPrincipal::MarcaClick(const QString& component) {
    const std::string nom = component.toStdString();
    bool* marca = MarcaDeMenu(estat_, nom);
    if (marca == nullptr) return;
    *marca = !*marca;
    AplicarMarques();
    if (nom == "MenuPrecisioBaixa" || nom == "MenuAlClicarEsmarquenLesCoordenades") return;
    if (nom == "MenuTransparent") {
        FixarTransparencia(*marca);
        return;
    }
    if (nom == "MenuSempreVisible") {
        FixarSempreVisible(this, *marca);
        return;
    }
    Repintar();
}

void TFormPrincipal::FixarTransparencia(bool transparent) {
    grafic_->FixarTransparent(transparent);
    setAttribute(Qt::WA_TranslucentBackground, transparent);
    if (!testAttribute(Qt::WA_WState_Created)) return;
    // The surface gets (or loses) its alpha channel only in a platform window
    // made anew; the window comes back where it was.
    const bool visible = isVisible();
    const QRect limits = geometry();
    const Qt::WindowStates estat = windowState();
    hide();
    destroy();
    create();
    setGeometry(limits);
    setWindowState(estat);
    if (visible) show();
}

void TFormPrincipal::MenuErrorEnElsCalculsClick() { MostrarMissatge(TextErrorEnElsCalculs(estat_)); }

void TFormPrincipal::MenuDisminuirGruixLiniesClick() {
    if (DisminuirGruixLinies(estat_.Opcions) == 0) Repintar();
}

void TFormPrincipal::MenuAugmentarGruixLiniesClick() {
    if (AugmentarGruixLinies(estat_.Opcions) == 0) Repintar();
}

void TFormPrincipal::MenuPosiciDeLaFinestraInicialClick() { ColocarLimitsInicials(); }

void TFormPrincipal::MenuExecutarUnNouTracimaPeraWin32Click() { ExecutarNouTracima(); }

void TFormPrincipal::MenuParlantDeClick() { ParlantDe()->exec(); }

void TFormPrincipal::MenuEstudiDeLaFuncioClick() {
    AturarCalculEnMarxa();
    NetejarResultats(estat_.Resultats, estat_.Funcions, *this);
    std::optional<EstudiFuncio> estudi =
        EstudiarFuncio(estat_.Funcions, estat_.Opcions, estat_.Missatges);
    if (!estudi) return;
    // Every point found, marked and labelled at once; the status names the study.
    estat_.Resultats = std::move(estudi->marques);
    Repintar();
    Estudi()->Mostrar(*estudi);
}

void TFormPrincipal::MenuGuiaClick() {
    const TaulaMissatges& m = estat_.Missatges;
    const QString pagina = PaginaGuia(m.LlenguaDelsTextos());
    if (pagina.isEmpty())
        MostrarMissatge(m.Missatge(MissatgeSenseGuia));
    else if (!serveis_.ObrirUrl(QUrl::fromLocalFile(pagina)))
        MostrarMissatge(std::string(m.Missatge(MissatgeGuiaNoOberta)) + pagina.toStdString());
}

} // namespace tracima
