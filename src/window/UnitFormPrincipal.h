// The main window: its state object, the menu bar built from the menu layout and
// the caption table of the core, the graph widget with its back buffer, the
// caption rules, resize and repaint, and the language switch. What each menu
// command does is in UnitFormPrincipalComandes.cpp.
#pragma once

#include "analysis/ComandesAnalisi.h"
#include "analysis/PuntImatge.h"
#include "document/EstatPrincipal.h"
#include "engine/UnitCalcular.h"
#include "view/Dibuix.h"
#include "view/Navegacio.h"
#include "window/GraficQt.h"
#include "window/ServeisQt.h"

#include <QElapsedTimer>
#include <QHash>
#include <QMainWindow>
#include <QTranslator>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QDragEnterEvent;
class QDropEvent;
class QKeyEvent;
class QMouseEvent;
class QWheelEvent;
class QTimer;

namespace tracima {

class TFormCanviDeParametres;
class TFormCoeficients;
class TFormEstudi;
class TFormNumericaInterpolacio;
class TFormNumericaRegressio;
class TFormQuinaEsNumerica;
class TFormEntradaDeDades;
class TFormIntegrals;
class TFormParlantDe;
class TFormPuntsSingulars;
class TFormUnaFuncio;

// Initial bounds of the main window, outer size in pixels.
constexpr int EsquerraInicial = 30, DaltInicial = 50, AmpladaInicial = 512, AlcadaInicial = 403;

class TFormPrincipal : public QMainWindow,
                       public FinestraGrafic,
                       public FinestraCalcul,
                       private EntradesAnalisi {
    Q_OBJECT
  public:
    // FormCreate: bounds, the function set reset and prepared, results empty,
    // scales 1, "SenseNom.trc", every analysis command disabled, the options at
    // their start states, Catalan captions. The language of the settings file is
    // applied afterwards by IniciarLlengua.
    explicit TFormPrincipal(Serveis& serveis, QWidget* pare = nullptr);
    ~TFormPrincipal() override;

    EstatPrincipal& Estat() { return estat_; }
    const EstatPrincipal& Estat() const { return estat_; }
    Calculador& Calcul() { return calc_; }
    Serveis& ServeisFinestra() { return serveis_; }
    GraficQt* Grafic() const { return grafic_; }
    // The dialogs are built on first use (so the window shows sooner), with the
    // captions of the current language; each lives as long as the window.
    TFormEntradaDeDades* EntradaDeDades();
    TFormUnaFuncio* UnaFuncio();
    TFormCanviDeParametres* CanviDeParametres();
    TFormQuinaEsNumerica* QuinaEsNumerica();
    TFormNumericaInterpolacio* NumericaInterpolacio();
    TFormNumericaRegressio* NumericaRegressio();
    TFormCoeficients* Coeficients();
    TFormEstudi* Estudi();
    // "Estudi de la funció": the study of the one function, its marks on the graph
    // and its report.
    void MenuEstudiDeLaFuncioClick();
    // "Guia d'ús" (F1): the guide in the language of the texts, in the browser.
    void MenuGuiaClick();
    TFormParlantDe* ParlantDe();
    TFormPuntsSingulars* PuntsSingulars();
    TFormIntegrals* Integrals();
    // The menu item or menu with this objectName (nullptr if none).
    QAction* Accio(std::string_view component) const;
    QMenu* Menu(std::string_view component) const;

    // Start-up: the handler of the language named by the settings value (Catalan
    // texts stay loaded for a value that names no text language).
    void IniciarLlengua(std::string_view valorConfiguracio);
    // The language handlers: Catalan and Spanish switch every caption and the
    // message table; the other four move the check mark only.
    void CanviarLlengua(Llengua llengua);

    // AplicarFuncions on the state, the command states applied to the menus, a
    // repaint. Returns what AplicarFuncions returned.
    int AplicarFuncionsFinestra();
    // The enabled states of the analysis commands and the check of "Només punts"
    // from the state.
    void AplicarDisponibilitat();
    // Left 30, top 50, 512 x 403 outer size (a maximised window is restored first).
    void ColocarLimitsInicials();
    // FinestraGrafic and FinestraCalcul: the graph's back buffer, the caption,
    // message boxes (program title, information icon) and the pause dialog.
    std::string_view TitolPrograma() const override;
    void AmagarPanelImatgeDerivada() override;
    void Repintar() override;
    void FixarTitolFinestra(std::string_view text) override;
    Llenc& Canvas() override;
    void DibuixarEixos() override;
    void DibuixarResultats() override;
    void DibuixarEtiqueta(int index) override;
    bool PreguntarPausa(std::string_view text) override;
    void MostrarMissatge(std::string_view text) override;

    // The analysis commands (UnitFormPrincipalTracat.cpp): 2..7 and 9..19 run
    // their scans, traced on the timer or at once; 1 and 8 open the point panel.
    // A scan still running is ended first.
    void ExecutarAnalisi(int analisi);
    // The wait between two traced columns, in milliseconds (50; tests shorten it).
    int IntervalTracat = 50;
    bool CalculEnMarxa() const;
    // Ends a running traced scan where it is (no closing steps).
    void AturarCalculEnMarxa();
    // The point panel as it stands.
    const PanellPunt& PanellDelPunt() const { return panell_; }
    // Its "D'acord", its "Cancel.lar" and one step of its up/down control.
    void PanelAcceptar();
    void PanelCancelar();
    void PanelPas(bool amunt);

    // The start-up steps of the command line (arguments without the program):
    // the about box unless "NOABOUT", the window shown, then, once it is on
    // screen, the desktop registration check (no arguments), the document named
    // (read) or the data entry dialog (no arguments or "NOABOUT").
    void Iniciar(const QStringList& arguments);
    // Reads a document into the window: on success it becomes the current
    // document (name, data entry boxes, graph); on failure message 202 and
    // nothing changes.
    bool LlegirDocumentFinestra(const QString& fitxer);
    // A dropped file: the first local ".trc" (any case) is read from its folder.
    bool LlegirFitxerDeixat(const QString& cami);
    // Writes the graph at `mida` pixels to `fitxer` as PNG, SVG or PDF (by its
    // suffix; PNG otherwise). False after message 203 when it cannot be written.
    bool ExportarImatge(const QString& fitxer, QSize mida);

    // Zoom and pan (UnitFormPrincipalVista.cpp). Each is a change of axes as if
    // typed in the data entry dialog; a step the dialog would refuse is not taken
    // (false). A new step keeps the axes before it for "Vista anterior".
    bool Apropar(double px, double py, double osques, bool nouPas);
    bool Desplacar(double dx, double dy, bool nouPas);
    bool VistaAnterior();
    // The wheel (a run of notches is one step) and Ctrl+arrow keys.
    void RodaRatoli(QWheelEvent* e);
    bool TeclaDeVista(QKeyEvent* e);

    // Whether the functions, axes or tables differ from the document last read
    // or written.
    bool HiHaCanvisSenseDesar() const;

    // The language value written to the settings file on closing.
    std::string_view ValorLlenguaConfiguracio() const;

  protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    bool eventFilter(QObject* objecte, QEvent* e) override;

  private:
    void CrearMenus();
    void ConnectarComandes();
    void AplicarTitols();
    // The captions of one dialog (found by its objectName) from the caption table.
    void AplicarTitolsDe(QWidget* formulari);
    // The dialog in `dialeg`, built by `crear` on first use with the captions in
    // force and kept in dialegs_ for the language switch.
    template <class T, class Crear> T* Dialeg(T*& dialeg, Crear crear) {
        if (dialeg == nullptr) {
            dialeg = crear();
            AplicarTitolsDe(dialeg);
            dialegs_.push_back(dialeg);
        }
        return dialeg;
    }
    void AplicarMarques();
    void ActualitzarDescripcioGrafic();
    // The full repaint; with `titol` the caption follows the repaint's rule.
    void RepintarGrafic(bool titol);

    // The analyses' context: the single function (or F when none is defined).
    ContextAnalisi ContextCalcul();
    ContextPunt ContextDelPunt(ContextAnalisi& ctx);
    // Runs a started stepper: at once untraced, one column per timer tick traced.
    void ComencarPassos(std::function<ResultatPas()> pas);
    void PasTracat();
    // EntradesAnalisi: the one-line box (a box asked before shows what was typed
    // in it last) and the limits bar.
    bool DemanarValor(std::string_view titol, std::string_view pregunta, std::string& text) override;
    bool DemanarLimits(std::string_view titol, std::string& inicial, std::string& final) override;
    void IniciarPuntImatge(int analisi);

    // The point panel and the mouse (UnitFormPrincipalRatoli.cpp).
    void CrearPanelPunt();
    void ColocarPanelPunt();
    void SincronitzarPanel();
    void RatoliPremut(QMouseEvent* e);
    void RatoliMogut(QMouseEvent* e);
    void RatoliDeixat(QMouseEvent* e);

    // Commands (UnitFormPrincipalComandes.cpp).
    void MenuCanviarFuncionsOParametresClick();
    // Documents (UnitFormPrincipalDocuments.cpp). The save commands return true
    // when the document was written.
    void MenuObrirClick();
    bool MenuDesarClick();
    bool MenuAnomenarIDesarClick();
    bool DesarDocumentA(const QString& fitxer);
    // True when the document may be left: nothing unsaved, or the person chose to
    // save (and it was saved) or to discard.
    bool PotDeixarElDocument();
    std::string TextDocumentActual() const;
    void MarcarDesat();
    void ComprovarAssociacio();
    // The graph out of the window (UnitFormPrincipalSortida.cpp).
    void RepintarA(Llenc& llenc);
    void MenuExportarImatgeClick();
    void MenuImpressioClick();
    void MenuCanviarUnaFuncioClick();
    void MenuCanviarParametresClick();
    // The data entry dialog's six function boxes into the function texts, then
    // AplicarFuncions and a repaint.
    void AplicarTextosDeLesCaixes();
    // The data entry dialog's "Funció numèrica": the chooser, then the question on
    // the axis extremes after an accepted table.
    void FuncioNumericaClick();
    void MenuNomsPuntsClick();
    void MenuEquaciDeRegressioClick();
    void MenuSortirClick();
    void MenuCopiarAlaCarpetaClick();
    void MenuNetejarClick();
    void MarcaClick(const QString& component);
    // See-through: the pure white of the graph becomes fully transparent where
    // the desktop composites windows; only this window is touched.
    void FixarTransparencia(bool transparent);
    void MenuErrorEnElsCalculsClick();
    void MenuDisminuirGruixLiniesClick();
    void MenuAugmentarGruixLiniesClick();
    void MenuPosiciDeLaFinestraInicialClick();
    void MenuExecutarUnNouTracimaPeraWin32Click();
    void MenuParlantDeClick();

    Serveis& serveis_;
    EstatPrincipal estat_;
    Calculador calc_;
    GraficQt* grafic_ = nullptr;
    TFormEntradaDeDades* entrada_ = nullptr;
    TFormCoeficients* coeficients_ = nullptr;
    TFormEstudi* estudi_ = nullptr;
    TFormQuinaEsNumerica* quina_ = nullptr;
    TFormNumericaInterpolacio* interpolacio_ = nullptr;
    TFormNumericaRegressio* regressio_ = nullptr;
    TFormParlantDe* parlantDe_ = nullptr;
    TFormCanviDeParametres* parametres_ = nullptr;
    TFormUnaFuncio* unaFuncio_ = nullptr;
    TFormPuntsSingulars* pausa_ = nullptr;
    TFormIntegrals* integrals_ = nullptr;
    std::vector<QWidget*> dialegs_; // the dialogs built so far
    QTimer* timerTracat_ = nullptr;
    std::function<ResultatPas()> pas_; // the traced scan running, if any
    bool passant_ = false;             // inside one of its steps
    bool diferit_ = false;             // an untraced scan runs: drawing waits for its end
    bool repintDemanat_ = false;       // the deferred scan asked for a repaint
    LlencBuit llencDiferit_;            // what a deferred scan draws on
    std::map<std::string, std::string, std::less<>> textsDemanats_; // by box title
    std::string textDesat_; // the document text last read or written
    QString segellDesat_;   // its file's time and size then (empty: no file)
    // The modification time and size of a file, as text; empty when it does not exist.
    static QString SegellFitxer(const QString& fitxer);
    QTranslator traduccioQt_;
    PanellPunt panell_;
    Calculador calcPunt_;
    QFrame* panelPunt_ = nullptr;
    QLineEdit* editX_ = nullptr;
    QLabel* labelY_ = nullptr;
    int EstatArrossegament = 0; // 1 the point's line, 2 the plane (pan)
    QHash<QString, QAction*> accions_;
    QHash<QString, QMenu*> menus_;
    bool limitsAjustats_ = false; // the first show has happened
    bool marcAplicat_ = false;    // the outer size was set with the frame known

  private:
    // Zoom and pan: the earlier views, the axes where a drag began and the
    // pointer there, and the time of the last wheel notch (a run is one step).
    void AplicarEixosNavegats(const EixosFuncions& nous, bool nouPas);
    HistorialVistes vistes_;
    EixosFuncions eixosArrossegament_;
    QPoint iniciArrossegament_;
    QElapsedTimer darreraRoda_;
    bool panMogut_ = false;
};

} // namespace tracima
