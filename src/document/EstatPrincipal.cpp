#include "document/EstatPrincipal.h"

#include "engine/UnitTools.h"

namespace tracima {

bool* MarcaDeMenu(EstatPrincipal& estat, std::string_view component) {
    OpcionsVista& o = estat.Opcions;
    const struct {
        std::string_view nom;
        bool* camp;
    } marques[] = {
        {"MenuPissarra", &o.MenuPissarra},
        {"MenuTrama", &o.MenuTrama},
        {"MenuMostrarValorUnitatEixos", &o.MenuMostrarValorUnitatEixos},
        {"MenuMostrarElsPuntsSingulars", &o.MenuMostrarElsPuntsSingulars},
        {"MenuTrassarElsCalculs", &o.MenuTrassarElsCalculs},
        {"MenuMostrarCoordenadesDeLaRata", &o.MenuMostrarCoordenadesDeLaRata},
        {"MenuAlClicarEsmarquenLesCoordenades", &o.MenuAlClicarEsmarquenLesCoordenades},
        {"MenuPrecisioBaixa", &o.MenuPrecisioBaixa},
        {"MenuTreureElsEixos", &o.MenuTreureElsEixos},
        {"MenuFuncionsEnNegre", &o.MenuFuncionsEnNegre},
        {"MenuNomsPunts", &o.MenuNomsPunts},
        {"MenuLiniesSuaus", &o.MenuLiniesSuaus},
        {"MenuTransparent", &estat.Finestra.MenuTransparent},
        {"MenuSempreVisible", &estat.Finestra.MenuSempreVisible},
    };
    for (const auto& m : marques)
        if (m.nom == component) return m.camp;
    return nullptr;
}

std::string TextErrorEnElsCalculs(const EstatPrincipal& estat) {
    const EixosFuncions& e = estat.Funcions.Eixos;
    const bool baixa = estat.Opcions.MenuPrecisioBaixa;
    auto text = [baixa](double unitat, double pas) {
        const double p = ArrodonirPerMostrar(unitat / pas);
        return baixa ? NumeroATextPrecisioBaixa(p, p) : NumeroAText(p);
    };
    const TaulaMissatges& m = estat.Missatges;
    return std::string(m.Text(TextFix::ErrorDeLaX)) + text(e.XUnitat, e.PasLogicX) + "\r\n\r\n" +
           std::string(m.Text(TextFix::ErrorDeLaY)) + text(e.YUnitat, e.PasLogicY);
}

} // namespace tracima
