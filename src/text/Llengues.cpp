#include "text/Llengues.h"

#include "text/Missatges.h"

namespace tracima {
namespace {

constexpr std::string_view P = FormPrincipal;
constexpr std::string_view E = FormEntradaDeDades;
constexpr std::string_view U = FormUnaFuncio;
constexpr std::string_view C = FormCanviDeParametres;
constexpr std::string_view S = FormPuntsSingulars;
constexpr std::string_view I = FormIntegrals;
constexpr std::string_view NI = FormNumericaInterpolacio;
constexpr std::string_view NR = FormNumericaRegressio;
constexpr std::string_view Q = FormQuinaEsNumerica;
constexpr std::string_view K = FormCoeficients;

constexpr TitolTraduit Titols[] = {
    // Main menu, in menu order.
    {P, "MenuArxiu", {"&Arxiu", "&Archivo", "&File"}},
    {P,
     "MenuCanviarFuncionsOParametres",
     {"Canviar &funcions o valors dels eixos...", "Cambiar &funciones o valores de los ejes...",
      "Change &functions or axis values..."}},
    {P,
     "MenuCanviarUnaFuncio",
     {"Canviar una funció...", "Cambiar una función...", "Change one function..."}},
    {P,
     "MenuCanviarParametres",
     {"Canviar paràmetres...", "Cambiar parámetros...", "Change parameters..."}},
    {P, "MenuObrir", {"&Obrir...", "&Abrir...", "&Open..."}},
    {P, "MenuDesar", {"&Desar", "&Guardar", "&Save"}},
    {P, "MenuAnomenarIDesar", {"&Anomenar i desar...", "Guardar &como...", "Save &As..."}},
    {P,
     "MenuExportarImatge",
     {"E&xportar la imatge...", "E&xportar la imagen...", "&Export picture..."}},
    {P, "MenuImpressio", {"&Impressió", "&Impresión", "&Print"}},
    {P, "MenuSortir", {"&Sortir", "&Salir", "E&xit"}},
    {P, "MenuOpcions", {"&Opcions", "&Opciones", "&Options"}},
    {P,
     "MenuCopiarAlaCarpeta",
     {"&Copiar a la Carpeta", "&Copiar en el portapapeles", "&Copy to clipboard"}},
    {P, "MenuNetejar", {"&Netejar", "&Limpiar", "Clea&r"}},
    {P, "MenuApropar", {"Apr&opar", "A&mpliar", "&Zoom in"}},
    {P, "MenuAllunyar", {"Allun&yar", "Re&ducir", "Zoom &out"}},
    {P, "MenuVistaAnterior", {"V&ista anterior", "Vista a&nterior", "Pre&vious view"}},
    {P, "MenuLiniesSuaus", {"Línies s&uaus", "Líneas s&uaves", "Smoot&h lines"}},
    {P, "MenuPissarra", {"&Pissarra", "&Pizarra", "&Blackboard"}},
    {P, "MenuTrama", {"&Trama", "&Trama", "&Grid"}},
    {P,
     "MenuMostrarValorUnitatEixos",
     {"Mostrar &valor unitat eixos", "Mostrar &valor unidad ejes", "Show axis &unit values"}},
    {P,
     "MenuMostrarElsPuntsSingulars",
     {"Mostrar els punts &singulars", "Mostrar los puntos &singulares", "Show &singular points"}},
    {P,
     "MenuTrassarElsCalculs",
     {"T&raçar els càlculs", "T&razar los cálculos", "&Trace the calculations"}},
    {P,
     "MenuMostrarCoordenadesDeLaRata",
     {"Mostrar coordenades de la r&ata", "Mostrar las coordenadas del r&atón",
      "Show &mouse coordinates"}},
    {P, "MenuPrecisioBaixa", {"Precisió &baixa", "&Baja precisión", "Low &precision"}},
    {P, "MenuTreureElsEixos", {"Treure els eixos", "No visualizar los ejes", "Hide the axes"}},
    {P, "MenuFuncionsEnNegre", {"Funcions en negre", "Funciones en negro", "Functions in black"}},
    {P,
     "MenuErrorEnElsCalculs",
     {"&Error en els càlculs...", "&Error en els cálculos...", "Calculation &error..."}},
    {P,
     "MenuDisminuirGruixLinies",
     {"Disminuir gruix linies", "Disminuir el grosor de las líneas", "Thinner lines"}},
    {P,
     "MenuAugmentarGruixLinies",
     {"Augmentar gruix linies", "Aumentar el grosor de las líneas", "Thicker lines"}},
    {P, "MenuTransparent", {"Transparent", "Transparente", "Transparent"}},
    {P, "MenuSempreVisible", {"Sempre visible", "Siempre visible", "Always on top"}},
    {P,
     "MenuPosiciDeLaFinestraInicial",
     {"Posició de la finestra inicial", "Posición de la ventana inicial",
      "Starting window position"}},
    {P,
     "MenuExecutarUnNouTracimaPeraWin32",
     {"Executar un nou Tracima per a Win32...", "Ejecutar un nuevo Tracima para Win32...",
      "Start a new Tracima window..."}},
    {P, "MenuIdioma", {"&Llenguatge", "Len&guaje", "&Language"}},
    {P, "Menu1funcio", {"&1 funció", "&1 función", "&1 function"}},
    {P, "MenuImatge", {"&Imatge", "&Imagen", "&Image"}},
    {P, "MenuAntiimatge", {"&Antiimatge...", "&Antimagen...", "&Preimage..."}},
    {P, "MenuArrels", {"A&rrels", "&Raices", "&Roots"}},
    {P,
     "MenuDiscontinuitatsAillades",
     {"&Discontinuïtats aïllades", "&Discontinuidades aisladas", "Isolated &discontinuities"}},
    {P, "MenuMaxims", {"&Màxims", "&Máximos", "&Maxima"}},
    {P, "MenuMinims", {"Mí&nims", "Mí&nimos", "Mi&nima"}},
    {P, "MenuPuntsDinflexio", {"Punts d'in&flexió", "Puntos de in&flexión", "In&flection points"}},
    {P,
     "MenuDerivadaEnUnPunt",
     {"Derivada en un &punt...", "Derivada en un &punto...", "Deri&vative at a point..."}},
    {P,
     "MenuIntegralDefinida",
     {"In&tegral definida...", "In&tegral definida...", "Definite in&tegral..."}},
    {P,
     "MenuIntegralDeLinia",
     {"Integral de &línia...", "Integral de &línea...", "Arc &length..."}},
    {P,
     "MenuIntervalsDeCreixement",
     {"Intervals de &creixement", "Intervalos de &crecimiento", "Intervals of in&crease"}},
    {P,
     "MenuIntervalsDeDecreixement",
     {"Intervals de d&ecreixement", "Intervalos de d&ecrecimiento", "Intervals of d&ecrease"}},
    {P,
     "MenuIntervalsDeConcavitat",
     {"Intervals de c&oncavitat", "Intervalos de c&oncavidad", "C&oncave up intervals"}},
    {P,
     "MenuIntervalsDeConvexitat",
     {"Intervals de con&vexitat", "Intervalos de con&vexidad", "Concave do&wn intervals"}},
    {P, "MenuFuncioDerivada", {"F&unció derivada", "F&unción derivada", "Derivative f&unction"}},
    {P, "MenuSegonaDerivada", {"&Segona derivada", "&Segunda derivada", "&Second derivative"}},
    {P,
     "MenuFuncioIntegral",
     {"Funció inte&gral...", "Función inte&gral...", "Inte&gral function..."}},
    {P,
     "MenuEquaciDeRegressio",
     {"Equació de regressió&...", "Ecuación de regresión&...", "Regression e&quation..."}},
    {P, "MenuNomsPunts", {"Només punts", "Sólo ver puntos", "Points only"}},
    // No letter of its name is free in the Catalan and Spanish menu: Ctrl+E reaches it.
    {P,
     "MenuEstudiDeLaFuncio",
     {"Estudi de la funció...", "Estudio de la función...", "Function stud&y..."}},
    {P, "Menu2funcions", {"&2 funcions", "&2 funciones", "&2 functions"}},
    {P, "MenuTalls", {"&Talls", "&Cortes", "&Intersections"}},
    {P, "MenuArea", {"Àr&ea...", "Ár&ea...", "&Area..."}},
    {P, "MenuGuia", {"&Guia d'ús", "&Guía de uso", "&User's guide"}},
    {P, "MenuParlantDe", {"Parlant de...", "Acerca...", "About..."}},
    // Captions that stay the same in Catalan and Spanish.
    {P,
     "MenuAlClicarEsmarquenLesCoordenades",
     {"Al clicar es marquen les coordenades", "Al clicar es marquen les coordenades",
      "Mark coordinates on click"}},
    {P, "MenuCatala", {"&Català", "&Català", "&Català"}},
    {P, "MenuCastellano", {"Cas&tellano", "Cas&tellano", "Cas&tellano"}},
    {P, "MenuEuskera", {"Eus&kera", "Eus&kera", "Eus&kera"}},
    {P, "MenuGalego", {"&Galêgo", "&Galêgo", "&Galêgo"}},
    {P, "MenuPortugues", {"Portuguès", "Portuguès", "Portuguès"}},
    {P, "MenuEnglish", {"&English", "&English", "&English"}},
    {P, "MenuAjuda", {"&?", "&?", "&?"}},
    // The image and derivative panel of the main window ("y =" is rewritten by the panel).
    {P, "PanelImatgeDerivadaLabelX", {"x =", "x =", "x ="}},
    {P, "BitBtnPanelImatgeDerivadaDAcord", {"D'acord", "Aceptar", "OK"}},
    {P, "BitBtnPanelImatgeDerivadaCancelar", {"Cancel.lar", "Cancelar", "Cancel"}},

    // Data entry dialog. A label is named after the box it labels.
    {E, E, {"TRACIMA - Entrada de dades", "TRACIMA - Entrada de datos", "TRACIMA - Data entry"}},
    {E, "BitBtnAcord", {"&D'acord", "&Aceptar", "&OK"}},
    {E, "BitBtnCancelar", {"&Cancel.lar", "&Cancelar", "&Cancel"}},
    {E, "BitBtnAjuda", {"&Ajuda", "A&yuda", "Hel&p"}},
    {E, "LabelOEX", {"Origen Eix &X", "Origen Eje &X", "&X axis start"}},
    {E, "LabelUEX", {"&Unitat Eix X", "&Unidad Eje X", "X axis &unit"}},
    {E, "LabelFEX", {"Fi&nal Eix X", "Fi&nal Eje X", "X axis en&d"}},
    {E, "LabelOEY", {"&Origen Eix Y", "&Origen Eje Y", "&Y axis start"}},
    {E, "LabelUEY", {"Uni&tat Eix Y", "Uni&dad Eje Y", "Y axis u&nit"}},
    {E, "LabelFEY", {"Fina&l Eix Y", "Fina&l Eje Y", "Y &axis end"}},
    {E, "LabelF", {"&F(X)=", "&F(X)=", "&F(X)="}},
    {E, "LabelG", {"&G(X)=", "&G(X)=", "&G(X)="}},
    {E, "LabelH", {"&H(X)=", "&H(X)=", "&H(X)="}},
    {E, "LabelI", {"&I(X)=", "&I(X)=", "&I(X)="}},
    {E, "LabelJ", {"&J(X)=", "&J(X)=", "&J(X)="}},
    {E, "LabelK", {"&K(X)=", "&K(X)=", "&K(X)="}},

    // One-function dialog: its texts are the same in Catalan and Spanish; the two
    // boxes have no label and are named by these texts for screen readers.
    {U, U, {"Canviar una funció", "Canviar una funció", "Change a function"}},
    {U, "BitBtnContinuar", {"&D'acord", "&D'acord", "&OK"}},
    {U, "BitBtnCancelar", {"&Cancel.lar", "&Cancel.lar", "&Cancel"}},
    {U, "ComboBoxFuncio", {"Funció", "Funció", "Function"}},
    {U, "EditUnaFuncio", {"Fórmula", "Fórmula", "Formula"}},

    // Parameter dialog (its caption gains the single function while it is open).
    {C, C, {"Canvi de paràmetres", "Cambio de parámetros", "Change parameters"}},
    {C, "LabelIncrement", {"Increment =", "Incremento =", "Increment ="}},
    {C, "LabelA", {"A =", "A =", "A ="}},
    {C, "LabelB", {"B =", "B =", "B ="}},
    {C, "LabelC", {"C =", "C =", "C ="}},
    {C, "LabelD", {"D =", "D =", "D ="}},
    {C, "LabelE", {"E =", "E =", "E ="}},
    {C, "LabelF", {"F =", "F =", "F ="}},

    // Pause dialog of the scans ("X:" of LabelX is replaced by the status text).
    {S, S, {"Punts Singulars", "Punts Singulars", "Singular points"}},
    {S, "BitBtnContinuar", {"C&ontinuar", "C&ontinuar", "C&ontinue"}},
    {S, "BitBtn2", {"&Cancel.lar", "&Cancelar", "&Cancel"}},

    // Integral limits bar (its caption is set by each command).
    {I, "LabelInicial", {"X &Inicial:", "X &Inicial:", "&Initial X:"}},
    {I, "LabelFinal", {"X &Final:", "X &Final:", "&Final X:"}},
    {I, "BitBtnContinuar", {"&D'acord", "&Aceptar", "&OK"}},
    {I, "BitBtn2", {"&Cancel.lar", "&Cancelar", "&Cancel"}},

    // Interpolation table dialog.
    {NI,
     NI,
     {"Interpolació. Introduir valors", "Interpolación. Introducir valores",
      "Interpolation. Enter values"}},
    {NI, "BitBtnSeguent", {"&Següent", "&Siquiente", "&Next"}},
    {NI, "BitBtnAnterior", {"A&nterior", "A&nterior", "Pre&vious"}},
    {NI, "BitBtnInserir", {"&Inserir", "&Insertar", "&Insert"}},
    {NI, "BitBtnSuprimir", {"S&uprimir", "S&uprimir", "&Delete"}},
    {NI, "BitBtnIniciar", {"Inicia&r", "Inicia&r", "Clea&r"}},
    {NI, "BitBtnEnganxar", {"&Enganxar", "Pe&gar", "P&aste"}},
    {NI, "BitBtnCopiar", {"C&opiar", "C&opiar", "Cop&y"}},
    {NI, "BitBtnDAcord", {"&D'acord", "&Aceptar", "&OK"}},
    {NI, "BitBtnCancelar", {"&Cancel.lar", "&Cancelar", "&Cancel"}},
    {NI, "BitBtnAjuda", {"&Ajuda", "A&yuda", "&Help"}},
    {NI, "CheckBoxLineal", {"&Lineal", "&Lineal", "&Linear"}},
    {NI, "CheckBoxMostrarPunts", {"&Mostrar punts", "&Mostrar puntos", "&Show points"}},
    {NI, "CheckBoxExtrapolar", {"E&xtrapolar", "E&xtrapolar", "E&xtrapolate"}},
    {NI, "CheckBoxNomesPunts", {"Només &punts", "Només &punts", "&Points only"}},

    // Regression table dialog.
    {NR,
     NR,
     {"Regressió. Introduir valors", "Regresión. Introducir valores", "Regression. Enter values"}},
    {NR, "RadioButtonLineal", {"&Lin.", "&Lin.", "&Lin."}},
    {NR, "RadioButtonQuadratica", {"Qua&d.", "Cua&d.", "&Quad."}},
    {NR, "RadioButtonExponencial", {"a.&b^x", "a.&b^x", "a.&b^x"}},
    {NR, "RadioButtonPotencial", {"a&.x^b", "a&.x^b", "a&.x^b"}},
    {NR, "RadioButtonInversa", {"ax&/(b+x)", "ax&/(b+x)", "ax&/(b+x)"}},
    {NR, "BitBtnSeguent", {"&Següent", "&Siguiente", "&Next"}},
    {NR, "BitBtnAnterior", {"A&nterior", "A&nterior", "Pre&vious"}},
    {NR, "BitBtnInserir", {"&Inserir", "&Insertar", "&Insert"}},
    {NR, "BitBtnSuprimir", {"S&uprimir", "S&uprimir", "&Delete"}},
    {NR, "BitBtnIniciar", {"Inicia&r", "Inicia&r", "Clea&r"}},
    {NR, "BitBtnEnganxar", {"&Enganxar", "Pe&gar", "P&aste"}},
    {NR, "BitBtnCopiar", {"Co&piar", "Co&piar", "Cop&y"}},
    {NR, "BitBtnDAcord", {"D'ac&ord", "&Aceptar", "&OK"}},
    {NR, "BitBtnCancelar", {"&Cancel.lar", "&Cancelar", "&Cancel"}},
    {NR, "BitBtnAjuda", {"&Ajuda", "A&yuda", "&Help"}},
    {NR, "BitBtnCoeficients", {"Coe&ficients...", "Coe&ficientes...", "Coe&fficients..."}},

    // Numeric-function chooser.
    {Q, Q, {"Funció numèrica", "Función numérica", "Numeric function"}},
    {Q, "GroupBoxTriarLaFuncio", {"Triar la funció", "Escoger función", "Choose the function"}},
    {Q, "RadioButtonF", {"&F(x)", "&F(x)", "&F(x)"}},
    {Q, "RadioButtonG", {"&G(x)", "&G(x)", "&G(x)"}},
    {Q, "RadioButtonH", {"&H(x)", "&H(x)", "&H(x)"}},
    {Q, "RadioButtonI", {"&I(x)", "&I(x)", "&I(x)"}},
    {Q, "RadioButtonJ", {"&J(x)", "&J(x)", "&J(x)"}},
    {Q, "RadioButtonK", {"&K(x)", "&K(x)", "&K(x)"}},
    {Q, "CheckBoxRegressio", {"&Regressió", "&Regresión", "&Regression"}},
    {Q, "BitBtnDAcord", {"&D'acord", "&Aceptar", "&OK"}},
    {Q, "BitBtnCancelar", {"&Cancel.lar", "&Cancelar", "&Cancel"}},

    // Regression coefficients window.
    {K, K, {"Coeficients", "Coeficientes", "Coefficients"}},
    {K, "LabelXMinim", {"X mínim:", "X mínimo:", "X minimum:"}},
    {K, "LabelXMaxim", {"X màxim:", "X máximo:", "X maximum:"}},
    {K, "LabelYMinim", {"Y mímim:", "Y mímimo:", "Y minimum:"}},
    {K, "LabelYMaxim", {"Y màxim:", "Y máximo:", "Y maximum:"}},
    {K, "GroupBoxMitjanaAritmetica", {"Mitjana aritmètica", "Media aritmética", "Arithmetic mean"}},
    {K, "LabelMitjanaX", {"X:", "X:", "X:"}},
    {K, "LabelMitjanaY", {"Y:", "Y:", "Y:"}},
    {K, "GroupBoxDesviacioTipus", {"Desviació tipus", "Desviación típica", "Standard deviation"}},
    {K, "LabelDesviacioX", {"X:", "X:", "X:"}},
    {K, "LabelDesviacioY", {"Y:", "Y:", "Y:"}},
    {K, "LabelCovariancia", {"Covariància:", "Covariancia:", "Covariance:"}},
    {K,
     "GroupBoxCoeficientsCorrelacio",
     {"Coeficients correlació", "Coeficientes de correlación", "Correlation coefficients"}},
    {K, "LabelLineal", {"Lineal :", "Lineal :", "Linear:"}},
    {K, "LabelModelLineal", {"ax+b ->", "ax+b ->", "ax+b ->"}},
    {K, "LabelModelQuadratic", {"ax^2+bx+c ->", "ax^2+bx+c ->", "ax^2+bx+c ->"}},
    {K, "LabelModelExponencial", {"a.b^x ->", "a.b^x ->", "a.b^x ->"}},
    {K, "LabelModelPotencial", {"a.x^b ->", "a.x^b ->", "a.x^b ->"}},
    {K, "LabelModelInvers", {"ax/(b+x) ->", "ax/(b+x) ->", "ax/(b+x) ->"}},
    {K, "GroupBoxErrorQuadraticMig", {"Er. Quad. Mig", "Er. Cuad. Med.", "Mean sq. error"}},
    {K, "BitBtnCopiar", {"C&opiar", "C&opiar", "C&opy"}},
    {K, "BitBtn2", {"&Cancel.lar", "&Cancelar", "&Cancel"}},

    // The report of a function study (its caption names the function).
    {FormEstudi, "TextInforme", {"Informe", "Informe", "Report"}},
    {FormEstudi, "BitBtnCopiar", {"&Copiar", "&Copiar", "&Copy"}},
    {FormEstudi, "BitBtnDesar", {"&Desar...", "&Guardar...", "&Save..."}},
    {FormEstudi, "BitBtnTancar", {"&Tancar", "Ce&rrar", "C&lose"}},
};

constexpr bool ParellsUnics() {
    constexpr std::size_t n = sizeof(Titols) / sizeof(Titols[0]);
    for (std::size_t i = 0; i < n; ++i) {
        for (std::string_view text : Titols[i].text)
            if (text.empty()) return false;
        for (std::size_t j = i + 1; j < n; ++j) {
            if (Titols[i].formulari == Titols[j].formulari &&
                Titols[i].component == Titols[j].component)
                return false;
        }
    }
    return true;
}
static_assert(ParellsUnics(),
              "one caption per window and component, with a text in every language");

} // namespace

std::span<const TitolTraduit> TitolsTraduits() {
    return Titols;
}

} // namespace tracima
