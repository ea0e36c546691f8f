#include "app/Llengues.h"

#include "app/Missatges.h"

namespace tracima {
namespace {

constexpr std::string_view P = FormPrincipal;

constexpr TitolBilingue Titols[] = {
    // Main menu, in menu order.
    {P, "MenuArxiu", "&Arxiu", "&Archivo"},
    {P, "MenuCanviarFuncionsOParametres", "Canviar &funcions o valors dels eixos...",
     "Cambiar &funciones o valores de los ejes..."},
    {P, "MenuCanviarUnaFuncio", "Canviar una funció...", "Cambiar una función..."},
    {P, "MenuCanviarParametres", "Canviar paràmetres...", "Cambiar parámetros..."},
    {P, "MenuObrir", "&Obrir...", "&Abrir..."},
    {P, "MenuDesar", "&Desar", "&Guardar"},
    {P, "MenuAnomenarIDesar", "&Anomenar i desar...", "Gu&ardar como..."},
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
    {P, "MenuIdioma", "&Llenguatge", "&Lenguaje"},
    {P, "Menu1funcio", "&1 funció", "&1 función"},
    {P, "MenuImatge", "&Imatge", "&Imagen"},
    {P, "MenuAntiimatge", "&Antiimatge...", "&Antimagen..."},
    {P, "MenuArrels", "A&rrels", "&Raices"},
    {P, "MenuDiscontinuitatsAillades", "&Discontinuïtats aïllades", "&Discontinuidades aisladas"},
    {P, "MenuMaxims", "&Màxims", "&Máximos"},
    {P, "MenuMinims", "Mí&nims", "Mí&nimos"},
    {P, "MenuPuntsDinflexio", "Punts d'in&flexió", "Puntos de inflexión"},
    {P, "MenuDerivadaEnUnPunt", "Derivada en un &punt...", "Derivada en un &punto..."},
    {P, "MenuIntegralDefinida", "In&tegral definida...", "In&tegral definida..."},
    {P, "MenuIntegralDeLinia", "Integral de &línia...", "Integral de &línea..."},
    {P, "MenuIntervalsDeCreixement", "Intervals de &creixement", "Intervalos de &crecimiento"},
    {P, "MenuIntervalsDeDecreixement", "Intervals de d&ecreixement",
     "Intervalos de d&ecrecimiento"},
    {P, "MenuIntervalsDeConcavitat", "Intervals de conca&vitat", "Intervalos de conca&vidad"},
    {P, "MenuIntervalsDeConvexitat", "Intervals de con&vexitat", "Intervalos de con&vexidad"},
    {P, "MenuFuncioDerivada", "F&unció derivada", "F&unción derivada"},
    {P, "MenuSegonaDerivada", "&Segona derivada", "&Segunda derivada"},
    {P, "MenuFuncioIntegral", "Funció inte&gral...", "Función inte&gral..."},
    {P, "MenuEquaciDeRegressio", "Equació de regressió&...", "Ecuación de regresión&..."},
    {P, "MenuNomsPunts", "Només punts", "Sólo ver puntos"},
    {P, "Menu2funcions", "&2 funcions", "&2 funciones"},
    {P, "MenuTalls", "Talls", "Cortes"},
    {P, "MenuArea", "Àrea...", "Área..."},
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
};

} // namespace

std::span<const TitolBilingue> TitolsBilingues() {
    return Titols;
}

} // namespace tracima
