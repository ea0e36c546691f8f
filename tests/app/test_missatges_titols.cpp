// Captions of the menus and dialog controls, found by window and objectName.
#include "app/Llengues.h"
#include "app/Missatges.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace tracima {
namespace {

struct TitolEsperat {
    std::string_view formulari;
    std::string_view component;
    const char* catala;
    const char* castella;
};

const TitolEsperat TitolsEsperats[] = {
    {FormPrincipal, "MenuArxiu", "&Arxiu", "&Archivo"},
    {FormPrincipal, "MenuAnomenarIDesar", "&Anomenar i desar...", "Gu&ardar como..."},
    {FormPrincipal, "MenuArrels", "A&rrels", "&Raices"},
    {FormPrincipal, "MenuPuntsDinflexio", "Punts d'in&flexió", "Puntos de inflexión"},
    {FormPrincipal, "MenuErrorEnElsCalculs", "&Error en els càlculs...",
     "&Error en els cálculos..."},
    {FormPrincipal, "MenuEquaciDeRegressio", "Equació de regressió&...",
     "Ecuación de regresión&..."},
    {FormPrincipal, "MenuExecutarUnNouTracimaPeraWin32", "Executar un nou Tracima per a Win32...",
     "Ejecutar un nuevo Tracima para Win32..."},
    {FormPrincipal, "MenuParlantDe", "Parlant de...", "Acerca..."},
    {FormPrincipal, "BitBtnPanelImatgeDerivadaCancelar", "Cancel.lar", "Cancelar"},
    {FormEntradaDeDades, FormEntradaDeDades, "TRACIMA - Entrada de dades",
     "TRACIMA - Entrada de datos"},
    {FormEntradaDeDades, "LabelUEY", "Uni&tat Eix Y", "Uni&dad Eje Y"},
    {FormEntradaDeDades, "BitBtnAcord", "D'acord", "Aceptar"},
    {FormCanviDeParametres, "LabelIncrement", "Increment =", "Incremento ="},
    {FormCoeficients, "LabelYMinim", "Y mímim:", "Y mímimo:"},
    {FormCoeficients, "GroupBoxErrorQuadraticMig", "Er. Quad. Mig", "Er. Cuad. Med."},
    // The interpolation dialog keeps its own spelling of "Siguiente".
    {FormNumericaInterpolacio, "BitBtnSeguent", "Següent", "Siquiente"},
    {FormNumericaRegressio, "BitBtnSeguent", "Següent", "Siguiente"},
    {FormNumericaRegressio, "RadioButtonQuadratica", "Qua&d.", "Cua&d."},
    {FormQuinaEsNumerica, "GroupBoxTriarLaFuncio", "Triar la funció", "Escoger función"},
    {FormIntegrals, "BitBtn2", "Cancel.lar", "Cancelar"},
    {FormPuntsSingulars, "BitBtn2", "Cancel.lar", "Cancelar"},
};

TEST(Titols, CaptionsInBothLanguages) {
    TaulaMissatges t;
    for (const TitolEsperat& e : TitolsEsperats) {
        SCOPED_TRACE(std::string(e.formulari) + "." + std::string(e.component));
        ASSERT_EQ(t.CanviarLlengua(Llengua::Catala), 0);
        EXPECT_EQ(t.Titol(e.formulari, e.component), e.catala);
        ASSERT_EQ(t.CanviarLlengua(Llengua::Castella), 0);
        EXPECT_EQ(t.Titol(e.formulari, e.component), e.castella);
    }
}

TEST(Titols, FixedCaptionsStayInEveryLanguage) {
    const std::pair<std::string_view, const char*> fixos[] = {
        {"MenuAlClicarEsmarquenLesCoordenades", "Al clicar es marquen les coordenades"},
        {"MenuCatala", "&Català"},
        {"MenuCastellano", "Cas&tellano"},
        {"MenuEuskera", "Eus&kera"},
        {"MenuGalego", "&Galêgo"},
        {"MenuPortugues", "Portuguès"},
        {"MenuEnglish", "&English"},
        {"MenuAjuda", "&?"},
    };
    TaulaMissatges t;
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(t.CanviarLlengua(i == 0 ? Llengua::Castella : Llengua::Catala), 0);
        for (const auto& [component, text] : fixos)
            EXPECT_EQ(t.TitolMenu(component), text);
        EXPECT_EQ(t.Titol(FormPuntsSingulars, FormPuntsSingulars), "Punts Singulars");
        EXPECT_EQ(t.Titol(FormUnaFuncio, FormUnaFuncio), "Canviar una funció");
        EXPECT_EQ(t.Titol(FormNumericaInterpolacio, "CheckBoxNomesPunts"), "Només punts");
        EXPECT_EQ(t.Titol(FormQuinaEsNumerica, "RadioButtonK"), "&K(x)");
    }
    for (int i = 0; i < NombreLlengues; ++i)
        EXPECT_FALSE(t.TitolMenu(ComponentLlengua(static_cast<Llengua>(i))).empty());
}

TEST(Titols, UnknownPairsHaveNoCaption) {
    const TaulaMissatges t;
    EXPECT_TRUE(t.TitolMenu("MenuQueNoExisteix").empty());
    EXPECT_TRUE(t.TitolMenu("").empty());
    EXPECT_TRUE(t.Titol("", "MenuArxiu").empty());
    // A control is found only in its own window.
    EXPECT_TRUE(t.TitolMenu("BitBtnSeguent").empty());
    EXPECT_TRUE(t.Titol(FormEntradaDeDades, "MenuArxiu").empty());
    // Labels the program rewrites while it runs are left alone by the switch.
    EXPECT_TRUE(t.Titol(FormPuntsSingulars, "LabelX").empty());
    EXPECT_TRUE(t.TitolMenu("PanelImatgeDerivadaLabelY").empty());
    EXPECT_TRUE(t.Titols("FormQueNoExisteix").empty());
}

// Uniqueness and non-empty texts are checked when the table is compiled; here
// the per-window lists together give the whole table.
TEST(Titols, TheWindowsListsSplitTheWholeTable) {
    const std::string_view finestres[] = {FormPrincipal,         FormEntradaDeDades,
                                          FormCanviDeParametres, FormCoeficients,
                                          FormIntegrals,         FormNumericaInterpolacio,
                                          FormNumericaRegressio, FormPuntsSingulars,
                                          FormQuinaEsNumerica,   FormUnaFuncio};
    const TaulaMissatges t;
    std::size_t total = 0;
    for (std::string_view f : finestres) {
        const auto titols = t.Titols(f);
        EXPECT_FALSE(titols.empty()) << f;
        total += titols.size();
        for (const TitolComponent& c : titols)
            EXPECT_EQ(c.formulari, f);
    }
    EXPECT_EQ(t.Titols().size(), total);
    EXPECT_EQ(TitolsBilingues().size(), total);
}

} // namespace
} // namespace tracima
