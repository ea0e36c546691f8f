// The window state without a window: the menu layout against the caption table,
// the check items behind it, and the pixel-error message.
#include "document/EstatPrincipal.h"
#include "text/EstructuraMenus.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tracima {
namespace {

TEST(EstructuraMenus, EveryItemHasACaptionInBothLanguagesAndCheckItemsHaveAState) {
    TaulaMissatges ca;
    TaulaMissatges es;
    ASSERT_EQ(es.CanviarLlengua(Llengua::Castella), 0);
    EstatPrincipal estat;
    std::set<std::string_view> vistos;
    int llengues = 0;
    for (const ElementMenu& e : EstructuraMenus()) {
        if (e.tipus == TipusElementMenu::Separador || e.tipus == TipusElementMenu::FiSubmenu) continue;
        SCOPED_TRACE(std::string(e.component));
        EXPECT_TRUE(vistos.insert(e.component).second);
        EXPECT_FALSE(ca.TitolMenu(e.component).empty());
        EXPECT_FALSE(es.TitolMenu(e.component).empty());
        EXPECT_EQ(MarcaDeMenu(estat, e.component) != nullptr, e.tipus == TipusElementMenu::Marca);
        if (e.tipus == TipusElementMenu::Llengua) {
            EXPECT_EQ(ComponentLlengua(static_cast<Llengua>(llengues++)), e.component);
        }
    }
    EXPECT_EQ(llengues, NombreLlengues);
    // Every menu caption of the main window has its place in the menus.
    for (const TitolComponent& t : ca.Titols(FormPrincipal))
        if (t.component.starts_with("Menu")) {
            EXPECT_TRUE(vistos.count(t.component)) << t.component;
        }
}

TEST(EstatPrincipal, PixelErrorMessage) {
    struct Cas {
        double xo, xf, yo, yf;
        bool baixa;
        const char* text;
    } casos[] = {
        {-7.5, 7.5, -5, 5, true, "Error de la x = 0,03\r\n\r\nError de la y = 0,03"},
        {-7.5, 7.5, -5, 5, false, "Error de la x = 0.025\r\n\r\nError de la y = 0.025"},
        {0, 1000, -2, 2, true, "Error de la x = 1,7\r\n\r\nError de la y = 0,01"},
    };
    for (const Cas& c : casos) {
        EstatPrincipal estat;
        EixosFuncions& e = estat.Funcions.Eixos;
        e.XOrigen = c.xo, e.XFinal = c.xf, e.YOrigen = c.yo, e.YFinal = c.yf;
        e.XUnitat = (c.xf - c.xo) / 15, e.YUnitat = (c.yf - c.yo) / 10;
        e.CalcularPassos();
        estat.Opcions.MenuPrecisioBaixa = c.baixa;
        EXPECT_EQ(TextErrorEnElsCalculs(estat), c.text);
    }
}

} // namespace
} // namespace tracima
