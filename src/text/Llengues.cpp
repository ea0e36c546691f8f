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

constexpr TitolBilingue Titols[] = {
    // Main menu, in menu order.
    {P, "MenuArxiu", "&Arxiu", "&Archivo"},
    {P, "MenuCanviarFuncionsOParametres", "Canviar &funcions o valors dels eixos...",
     "Cambiar &funciones o valores de los ejes..."},
    {P, "MenuCanviarUnaFuncio", "Canviar una funció...", "Cambiar una función..."},
    {P, "MenuCanviarParametres", "Canviar paràmetres...", "Cambiar parámetros..."},
    {P, "MenuObrir", "&Obrir...", "&Abrir..."},
    {P, "MenuDesar", "&Desar", "&Guardar"},
    {P, "MenuAnomenarIDesar", "&Anomenar i desar...", "Guardar &como..."},
    {P, "MenuExportarImatge", "E&xportar la imatge...", "E&xportar la imagen..."},
    {P, "MenuImpressio", "&Impressió", "&Impresión"},
    {P, "MenuSortir", "&Sortir", "&Salir"},
    {P, "MenuOpcions", "&Opcions", "&Opciones"},
    {P, "MenuCopiarAlaCarpeta", "&Copiar a la Carpeta", "&Copiar en el portapapeles"},
    {P, "MenuNetejar", "&Netejar", "&Limpiar"},
    {P, "MenuPissarra", "&Pissarra", "&Pizarra"},
    {P, "MenuTrama", "&Trama", "&Trama"},
    {P, "MenuMostrarValorUnitatEixos", "Mostrar &valor unitat eixos", "Mostrar &valor unidad ejes"},
    {P, "MenuMostrarElsPuntsSingulars", "Mostrar els punts &singulars",
     "Mostrar los puntos &singulares"},
    {P, "MenuTrassarElsCalculs", "T&raçar els càlculs", "T&razar los cálculos"},
    {P, "MenuMostrarCoordenadesDeLaRata", "Mostrar coordenades de la r&ata",
     "Mostrar las coordenadas del r&atón"},
    {P, "MenuPrecisioBaixa", "Precisió &baixa", "&Baja precisión"},
    {P, "MenuTreureElsEixos", "Treure els eixos", "No visualizar los ejes"},
    {P, "MenuFuncionsEnNegre", "Funcions en negre", "Funciones en negro"},
    {P, "MenuErrorEnElsCalculs", "&Error en els càlculs...", "&Error en els cálculos..."},
    {P, "MenuDisminuirGruixLinies", "Disminuir gruix linies", "Disminuir el grosor de las líneas"},
    {P, "MenuAugmentarGruixLinies", "Augmentar gruix linies", "Aumentar el grosor de las líneas"},
    {P, "MenuTransparent", "Transparent", "Transparente"},
    {P, "MenuSempreVisible", "Sempre visible", "Siempre visible"},
    {P, "MenuPosiciDeLaFinestraInicial", "Posició de la finestra inicial",
     "Posición de la ventana inicial"},
    {P, "MenuExecutarUnNouTracimaPeraWin32", "Executar un nou Tracima per a Win32...",
     "Ejecutar un nuevo Tracima para Win32..."},
    {P, "MenuIdioma", "&Llenguatge", "Len&guaje"},
    {P, "Menu1funcio", "&1 funció", "&1 función"},
    {P, "MenuImatge", "&Imatge", "&Imagen"},
    {P, "MenuAntiimatge", "&Antiimatge...", "&Antimagen..."},
    {P, "MenuArrels", "A&rrels", "&Raices"},
    {P, "MenuDiscontinuitatsAillades", "&Discontinuïtats aïllades", "&Discontinuidades aisladas"},
    {P, "MenuMaxims", "&Màxims", "&Máximos"},
    {P, "MenuMinims", "Mí&nims", "Mí&nimos"},
    {P, "MenuPuntsDinflexio", "Punts d'in&flexió", "Puntos de in&flexión"},
    {P, "MenuDerivadaEnUnPunt", "Derivada en un &punt...", "Derivada en un &punto..."},
    {P, "MenuIntegralDefinida", "In&tegral definida...", "In&tegral definida..."},
    {P, "MenuIntegralDeLinia", "Integral de &línia...", "Integral de &línea..."},
    {P, "MenuIntervalsDeCreixement", "Intervals de &creixement", "Intervalos de &crecimiento"},
    {P, "MenuIntervalsDeDecreixement", "Intervals de d&ecreixement",
     "Intervalos de d&ecrecimiento"},
    {P, "MenuIntervalsDeConcavitat", "Intervals de c&oncavitat", "Intervalos de c&oncavidad"},
    {P, "MenuIntervalsDeConvexitat", "Intervals de con&vexitat", "Intervalos de con&vexidad"},
    {P, "MenuFuncioDerivada", "F&unció derivada", "F&unción derivada"},
    {P, "MenuSegonaDerivada", "&Segona derivada", "&Segunda derivada"},
    {P, "MenuFuncioIntegral", "Funció inte&gral...", "Función inte&gral..."},
    {P, "MenuEquaciDeRegressio", "Equació de regressió&...", "Ecuación de regresión&..."},
    {P, "MenuNomsPunts", "Només punts", "Sólo ver puntos"},
    {P, "Menu2funcions", "&2 funcions", "&2 funciones"},
    {P, "MenuTalls", "&Talls", "&Cortes"},
    {P, "MenuArea", "Àr&ea...", "Ár&ea..."},
    {P, "MenuParlantDe", "Parlant de...", "Acerca..."},
    // Captions that stay the same in every language.
    {P, "MenuAlClicarEsmarquenLesCoordenades", "Al clicar es marquen les coordenades",
     "Al clicar es marquen les coordenades"},
    {P, "MenuCatala", "&Català", "&Català"},
    {P, "MenuCastellano", "Cas&tellano", "Cas&tellano"},
    {P, "MenuEuskera", "Eus&kera", "Eus&kera"},
    {P, "MenuGalego", "&Galêgo", "&Galêgo"},
    {P, "MenuPortugues", "Portuguès", "Portuguès"},
    {P, "MenuEnglish", "&English", "&English"},
    {P, "MenuAjuda", "&?", "&?"},
    // The image and derivative panel of the main window ("y =" is rewritten by the panel).
    {P, "PanelImatgeDerivadaLabelX", "x =", "x ="},
    {P, "BitBtnPanelImatgeDerivadaDAcord", "D'acord", "Aceptar"},
    {P, "BitBtnPanelImatgeDerivadaCancelar", "Cancel.lar", "Cancelar"},

    // Data entry dialog. A label is named after the box it labels.
    {E, E, "TRACIMA - Entrada de dades", "TRACIMA - Entrada de datos"},
    {E, "BitBtnAcord", "&D'acord", "&Aceptar"},
    {E, "BitBtnCancelar", "&Cancel.lar", "&Cancelar"},
    {E, "BitBtnAjuda", "&Ajuda", "A&yuda"},
    {E, "LabelOEX", "Origen Eix &X", "Origen Eje &X"},
    {E, "LabelUEX", "&Unitat Eix X", "&Unidad Eje X"},
    {E, "LabelFEX", "Fi&nal Eix X", "Fi&nal Eje X"},
    {E, "LabelOEY", "&Origen Eix Y", "&Origen Eje Y"},
    {E, "LabelUEY", "Uni&tat Eix Y", "Uni&dad Eje Y"},
    {E, "LabelFEY", "Fina&l Eix Y", "Fina&l Eje Y"},
    {E, "LabelF", "&F(X)=", "&F(X)="},
    {E, "LabelG", "&G(X)=", "&G(X)="},
    {E, "LabelH", "&H(X)=", "&H(X)="},
    {E, "LabelI", "&I(X)=", "&I(X)="},
    {E, "LabelJ", "&J(X)=", "&J(X)="},
    {E, "LabelK", "&K(X)=", "&K(X)="},

    // One-function dialog: its texts do not change with the language.
    {U, U, "Canviar una funció", "Canviar una funció"},
    {U, "BitBtnContinuar", "&D'acord", "&D'acord"},
    {U, "BitBtnCancelar", "&Cancel.lar", "&Cancel.lar"},

    // Parameter dialog (its caption gains the single function while it is open).
    {C, C, "Canvi de paràmetres", "Cambio de parámetros"},
    {C, "LabelIncrement", "Increment =", "Incremento ="},
    {C, "LabelA", "A =", "A ="},
    {C, "LabelB", "B =", "B ="},
    {C, "LabelC", "C =", "C ="},
    {C, "LabelD", "D =", "D ="},
    {C, "LabelE", "E =", "E ="},
    {C, "LabelF", "F =", "F ="},

    // Pause dialog of the scans ("X:" of LabelX is replaced by the status text).
    {S, S, "Punts Singulars", "Punts Singulars"},
    {S, "BitBtnContinuar", "C&ontinuar", "C&ontinuar"},
    {S, "BitBtn2", "&Cancel.lar", "&Cancelar"},

    // Integral limits bar (its caption is set by each command).
    {I, "LabelInicial", "X &Inicial:", "X &Inicial:"},
    {I, "LabelFinal", "X &Final:", "X &Final:"},
    {I, "BitBtnContinuar", "&D'acord", "&Aceptar"},
    {I, "BitBtn2", "&Cancel.lar", "&Cancelar"},

    // Interpolation table dialog.
    {NI, NI, "Interpolació. Introduir valors", "Interpolación. Introducir valores"},
    {NI, "BitBtnSeguent", "&Següent", "&Siquiente"},
    {NI, "BitBtnAnterior", "A&nterior", "A&nterior"},
    {NI, "BitBtnInserir", "&Inserir", "&Insertar"},
    {NI, "BitBtnSuprimir", "S&uprimir", "S&uprimir"},
    {NI, "BitBtnIniciar", "Inicia&r", "Inicia&r"},
    {NI, "BitBtnEnganxar", "&Enganxar", "Pe&gar"},
    {NI, "BitBtnCopiar", "C&opiar", "C&opiar"},
    {NI, "BitBtnDAcord", "&D'acord", "&Aceptar"},
    {NI, "BitBtnCancelar", "&Cancel.lar", "&Cancelar"},
    {NI, "BitBtnAjuda", "&Ajuda", "A&yuda"},
    {NI, "CheckBoxLineal", "&Lineal", "&Lineal"},
    {NI, "CheckBoxMostrarPunts", "&Mostrar punts", "&Mostrar puntos"},
    {NI, "CheckBoxExtrapolar", "E&xtrapolar", "E&xtrapolar"},
    {NI, "CheckBoxNomesPunts", "Només &punts", "Només &punts"},

    // Regression table dialog.
    {NR, NR, "Regressió. Introduir valors", "Regresión. Introducir valores"},
    {NR, "RadioButtonLineal", "&Lin.", "&Lin."},
    {NR, "RadioButtonQuadratica", "Qua&d.", "Cua&d."},
    {NR, "RadioButtonExponencial", "a.&b^x", "a.&b^x"},
    {NR, "RadioButtonPotencial", "a&.x^b", "a&.x^b"},
    {NR, "RadioButtonInversa", "ax&/(b+x)", "ax&/(b+x)"},
    {NR, "BitBtnSeguent", "&Següent", "&Siguiente"},
    {NR, "BitBtnAnterior", "A&nterior", "A&nterior"},
    {NR, "BitBtnInserir", "&Inserir", "&Insertar"},
    {NR, "BitBtnSuprimir", "S&uprimir", "S&uprimir"},
    {NR, "BitBtnIniciar", "Inicia&r", "Inicia&r"},
    {NR, "BitBtnEnganxar", "&Enganxar", "Pe&gar"},
    {NR, "BitBtnCopiar", "Co&piar", "Co&piar"},
    {NR, "BitBtnDAcord", "D'ac&ord", "&Aceptar"},
    {NR, "BitBtnCancelar", "&Cancel.lar", "&Cancelar"},
    {NR, "BitBtnAjuda", "&Ajuda", "A&yuda"},
    {NR, "BitBtnCoeficients", "Coe&ficients...", "Coe&ficientes..."},

    // Numeric-function chooser.
    {Q, Q, "Funció numèrica", "Función numérica"},
    {Q, "GroupBoxTriarLaFuncio", "Triar la funció", "Escoger función"},
    {Q, "RadioButtonF", "&F(x)", "&F(x)"},
    {Q, "RadioButtonG", "&G(x)", "&G(x)"},
    {Q, "RadioButtonH", "&H(x)", "&H(x)"},
    {Q, "RadioButtonI", "&I(x)", "&I(x)"},
    {Q, "RadioButtonJ", "&J(x)", "&J(x)"},
    {Q, "RadioButtonK", "&K(x)", "&K(x)"},
    {Q, "CheckBoxRegressio", "&Regressió", "&Regresión"},
    {Q, "BitBtnDAcord", "&D'acord", "&Aceptar"},
    {Q, "BitBtnCancelar", "&Cancel.lar", "&Cancelar"},

    // Regression coefficients window.
    {K, K, "Coeficients", "Coeficientes"},
    {K, "LabelXMinim", "X mínim:", "X mínimo:"},
    {K, "LabelXMaxim", "X màxim:", "X máximo:"},
    {K, "LabelYMinim", "Y mímim:", "Y mímimo:"},
    {K, "LabelYMaxim", "Y màxim:", "Y máximo:"},
    {K, "GroupBoxMitjanaAritmetica", "Mitjana aritmètica", "Media aritmética"},
    {K, "LabelMitjanaX", "X:", "X:"},
    {K, "LabelMitjanaY", "Y:", "Y:"},
    {K, "GroupBoxDesviacioTipus", "Desviació tipus", "Desviación típica"},
    {K, "LabelDesviacioX", "X:", "X:"},
    {K, "LabelDesviacioY", "Y:", "Y:"},
    {K, "LabelCovariancia", "Covariància:", "Covariancia:"},
    {K, "GroupBoxCoeficientsCorrelacio", "Coeficients correlació", "Coeficientes de correlación"},
    {K, "LabelLineal", "Lineal :", "Lineal :"},
    {K, "LabelModelLineal", "ax+b ->", "ax+b ->"},
    {K, "LabelModelQuadratic", "ax^2+bx+c ->", "ax^2+bx+c ->"},
    {K, "LabelModelExponencial", "a.b^x ->", "a.b^x ->"},
    {K, "LabelModelPotencial", "a.x^b ->", "a.x^b ->"},
    {K, "LabelModelInvers", "ax/(b+x) ->", "ax/(b+x) ->"},
    {K, "GroupBoxErrorQuadraticMig", "Er. Quad. Mig", "Er. Cuad. Med."},
    {K, "BitBtnCopiar", "C&opiar", "C&opiar"},
    {K, "BitBtn2", "&Cancel.lar", "&Cancelar"},
};

constexpr bool ParellsUnics() {
    constexpr std::size_t n = sizeof(Titols) / sizeof(Titols[0]);
    for (std::size_t i = 0; i < n; ++i) {
        if (Titols[i].catala.empty() || Titols[i].castella.empty()) return false;
        for (std::size_t j = i + 1; j < n; ++j) {
            if (Titols[i].formulari == Titols[j].formulari &&
                Titols[i].component == Titols[j].component)
                return false;
        }
    }
    return true;
}
static_assert(ParellsUnics(), "one non-empty caption per window and component");

} // namespace

std::span<const TitolBilingue> TitolsBilingues() {
    return Titols;
}

} // namespace tracima
