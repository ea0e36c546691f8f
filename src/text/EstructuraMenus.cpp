#include "text/EstructuraMenus.h"

namespace tracima {
namespace {

using T = TipusElementMenu;

constexpr ElementMenu Elements[] = {
    {T::Menu, "MenuArxiu", ""},
    {T::Comanda, "MenuCanviarFuncionsOParametres", "Ctrl+F"},
    {T::Comanda, "MenuCanviarUnaFuncio", ""},
    {T::Comanda, "MenuCanviarParametres", ""},
    {T::Separador, "", ""},
    {T::Comanda, "MenuObrir", ""},
    {T::Comanda, "MenuDesar", ""},
    {T::Comanda, "MenuAnomenarIDesar", ""},
    {T::Comanda, "MenuExportarImatge", ""},
    {T::Separador, "", ""},
    {T::Comanda, "MenuImpressio", ""},
    {T::Separador, "", ""},
    {T::Comanda, "MenuSortir", ""},

    {T::Menu, "MenuOpcions", ""},
    {T::Comanda, "MenuCopiarAlaCarpeta", "Ctrl+C"},
    {T::Comanda, "MenuNetejar", "Ctrl+N"},
    {T::Separador, "", ""},
    {T::Comanda, "MenuApropar", "Ctrl++; Ctrl+="},
    {T::Comanda, "MenuAllunyar", "Ctrl+-"},
    {T::Comanda, "MenuVistaAnterior", "Ctrl+Backspace"},
    {T::Separador, "", ""},
    {T::Marca, "MenuPissarra", ""},
    {T::Marca, "MenuTrama", ""},
    {T::Marca, "MenuMostrarValorUnitatEixos", ""},
    {T::Marca, "MenuMostrarElsPuntsSingulars", ""},
    {T::Marca, "MenuTrassarElsCalculs", ""},
    {T::Marca, "MenuMostrarCoordenadesDeLaRata", ""},
    {T::Marca, "MenuAlClicarEsmarquenLesCoordenades", ""},
    {T::Marca, "MenuPrecisioBaixa", ""},
    {T::Marca, "MenuTreureElsEixos", ""},
    {T::Marca, "MenuFuncionsEnNegre", ""},
    {T::Separador, "", ""},
    {T::Comanda, "MenuErrorEnElsCalculs", ""},
    {T::Separador, "", ""},
    {T::Comanda, "MenuDisminuirGruixLinies", ""},
    {T::Comanda, "MenuAugmentarGruixLinies", ""},
    {T::Separador, "", ""},
    {T::Marca, "MenuTransparent", ""},
    {T::Marca, "MenuSempreVisible", ""},
    {T::Comanda, "MenuPosiciDeLaFinestraInicial", ""},
    {T::Comanda, "MenuExecutarUnNouTracimaPeraWin32", ""},
    {T::Separador, "", ""},
    {T::Submenu, "MenuIdioma", ""},
    {T::Llengua, "MenuCatala", ""},
    {T::Llengua, "MenuCastellano", ""},
    {T::Llengua, "MenuEuskera", ""},
    {T::Llengua, "MenuGalego", ""},
    {T::Llengua, "MenuPortugues", ""},
    {T::Llengua, "MenuEnglish", ""},
    {T::FiSubmenu, "", ""},

    {T::Menu, "Menu1funcio", ""},
    {T::Comanda, "MenuImatge", "Ctrl+I"},
    {T::Comanda, "MenuAntiimatge", ""},
    {T::Comanda, "MenuArrels", ""},
    {T::Comanda, "MenuDiscontinuitatsAillades", ""},
    {T::Comanda, "MenuMaxims", ""},
    {T::Comanda, "MenuMinims", ""},
    {T::Comanda, "MenuPuntsDinflexio", ""},
    {T::Separador, "", ""},
    {T::Comanda, "MenuDerivadaEnUnPunt", ""},
    {T::Separador, "", ""},
    {T::Comanda, "MenuIntegralDefinida", ""},
    {T::Comanda, "MenuIntegralDeLinia", ""},
    {T::Separador, "", ""},
    {T::Comanda, "MenuIntervalsDeCreixement", ""},
    {T::Comanda, "MenuIntervalsDeDecreixement", ""},
    {T::Comanda, "MenuIntervalsDeConcavitat", ""},
    {T::Comanda, "MenuIntervalsDeConvexitat", ""},
    {T::Separador, "", ""},
    {T::Comanda, "MenuFuncioDerivada", ""},
    {T::Comanda, "MenuSegonaDerivada", ""},
    {T::Comanda, "MenuFuncioIntegral", ""},
    {T::Separador, "", ""},
    {T::Comanda, "MenuEquaciDeRegressio", ""},
    {T::Marca, "MenuNomsPunts", ""},

    {T::Menu, "Menu2funcions", ""},
    {T::Comanda, "MenuTalls", ""},
    {T::Comanda, "MenuArea", ""},

    {T::Menu, "MenuAjuda", ""},
    {T::Comanda, "MenuParlantDe", ""},
};

} // namespace

std::span<const ElementMenu> EstructuraMenus() { return Elements; }

} // namespace tracima
