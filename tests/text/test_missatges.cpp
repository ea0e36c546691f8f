// The message table: which slots are filled in each language, exact texts with
// their odd blanks, the language switch and the start-up language; the
// captions of the menus and dialog controls, found by window and objectName.
#include "text/Llengues.h"
#include "text/Missatges.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>

namespace tracima {
namespace {

// Every slot the program reads, written out by hand as ranges.
bool SlotLlegit(int slot) {
    const std::pair<int, int> trams[] = {{0, 1},     {13, 13},   {15, 23},   {27, 38},   {48, 48},
                                         {50, 69},   {80, 81},   {89, 89},   {100, 104}, {110, 115},
                                         {117, 120}, {171, 173}, {178, 182}, {200, 226}, {228, 234},
                                         {236, 250}}; // no compile code 6 (116)
    for (const auto& [de, fins] : trams)
        if (slot >= de && slot <= fins) return true;
    return false;
}

TaulaMissatges EnCastella() {
    TaulaMissatges t;
    EXPECT_EQ(t.CanviarLlengua(Llengua::Castella), 0);
    return t;
}

TEST(Missatges, EverySlotReadHasATextInBothLanguagesAndNoOtherSlotHasOne) {
    const TaulaMissatges ca;
    const TaulaMissatges es = EnCastella();
    for (int slot = 0; slot < NombreSlots; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(es.Missatge(slot).empty(), !SlotLlegit(slot));
        // The names of the compile codes are empty in Catalan on purpose.
        EXPECT_EQ(ca.Missatge(slot).empty(), !SlotLlegit(slot) || (slot >= 112 && slot <= 120));
    }
    for (int fora : {-1, NombreSlots, INT_MIN, INT_MAX}) {
        EXPECT_TRUE(ca.Missatge(fora).empty());
        EXPECT_TRUE(es.Missatge(fora).empty());
    }
    EXPECT_EQ(ca.TitolPrograma(), "Tracima");
    EXPECT_EQ(es.TitolPrograma(), "Tracima");
}

// Bytes spelt out where the point is the blanks or the encoding; named slots
// and bases must point at their texts.
TEST(Missatges, ExactTexts) {
    const Llengua ca = Llengua::Catala, es = Llengua::Castella;
    const std::tuple<Llengua, int, std::string_view> casos[] = {
        {ca, MissatgeNoTeImatge, TextNoTeImatge},
        {ca, MissatgeForaDeLaPantalla, TextForaDeLaPantalla},
        {ca, BaseTitolsAnalisi, "TRACIMA"},
        {ca, BaseTitolsAnalisi + 3, "Arrels"},
        {ca, BaseTitolsAnalisi + 19, "Àrea compresa"},
        {ca, BaseEncapcalamentIntegral + 9, "Integral definida entre "},
        {ca, BaseEncapcalamentIntegral + 10, "Integral de línia entre "},
        {ca, MissatgeAreaEntre, "Àrea entre "},
        {ca, BaseErrorSintaxiFuncio + 0, "La funció F(x) té un error de sintaxis"},
        {ca, BaseErrorSintaxiFuncio + 5, "La funció K(x) té un error de sintaxis"},
        {ca, 171, "Copiar  a la carpeta?"},
        {es, 171, "\u00BFCopiar en el portapapeles?"},
        {es, 179, "Final eje X    = "},
        {ca, 179, "Final eix X = "},
        {ca, 182, "Coeficient de correlació : "},
        {ca, 204, "No és possible dibuixar més punts. Netejar  la finestra."},
        {es, 204, "No es posible dibuijar más puntos. Limpiar la ventana."},
        {es, 203, "No puedo guarar el archivo"},
        {ca, 52, "Antiimatges del "},
        {es, 100, "Error de cálculo "},
        {ca, 102,
         "Arrel de base negativa i índex parell (pot ésser una arrel quadrada "
         "d\u00B4un número negatiu)"},
        {es, 102,
         "Raiz de base negativa y índice par (puede ser una raiz cuadrada de "
         "un númer negativo)"},
        {ca, 240,
         "En una regressió exponencial  (y=a.b^x), NO pot haver-hi valors de  "
         "Y:  negatius, 0, o majors que 100000"},
        {es, 242,
         "En una regresión potencial  (y=ax^b), NO puede haber valores de  X o "
         "Y:  negativos,  0, o mayores que 100000000"},
        {ca, 244,
         "Actualment l'extensió, \"TRC\" associada al programa \"TRACIMA\" està "
         "associada a un altre programa. Vols associar aquesta extensió al "
         "programa: TRACIMA?"},
        {ca, 245, "- Càlcul de l\u00B4antiimatge d\u00B4un punt -"},
    };
    for (const auto& [llengua, slot, text] : casos) {
        TaulaMissatges t;
        ASSERT_EQ(t.CanviarLlengua(llengua), 0);
        EXPECT_EQ(t.Missatge(slot), text) << slot;
    }
}

void EsperarIguals(const TaulaMissatges& a, const TaulaMissatges& b) {
    for (int slot = 0; slot < NombreSlots; ++slot)
        EXPECT_EQ(a.Missatge(slot), b.Missatge(slot)) << slot;
    EXPECT_EQ(a.TitolPrograma(), b.TitolPrograma());
    const auto ta = a.Titols();
    const auto tb = b.Titols();
    ASSERT_EQ(ta.size(), tb.size());
    for (std::size_t i = 0; i < ta.size(); ++i)
        EXPECT_EQ(std::tie(ta[i].formulari, ta[i].component, ta[i].text),
                  std::tie(tb[i].formulari, tb[i].component, tb[i].text));
}

TEST(Missatges, SwitchingBackGivesExactlyTheStartUpTexts) {
    TaulaMissatges inici, inici_es, t;
    ASSERT_EQ(inici.IniciarLlengua("Catala"), 0);
    ASSERT_EQ(inici_es.IniciarLlengua("Castellano"), 0);
    ASSERT_EQ(t.IniciarLlengua("Castellano"), 0);
    ASSERT_EQ(t.CanviarLlengua(Llengua::Catala), 0);
    EsperarIguals(t, inici); // Spanish names of the compile codes must not survive
    ASSERT_EQ(t.CanviarLlengua(Llengua::Castella), 0);
    EsperarIguals(t, inici_es);
}

TEST(Missatges, OtherLanguagesOnlyMoveTheCheckMark) {
    const TaulaMissatges es = EnCastella();
    for (Llengua altra : {Llengua::Euskera, Llengua::Galec, Llengua::Portugues, Llengua::Angles}) {
        TaulaMissatges t = EnCastella();
        ASSERT_EQ(t.CanviarLlengua(altra), 0);
        EXPECT_EQ(t.LlenguaActual(), altra);
        EXPECT_TRUE(t.Marcada(altra));
        EXPECT_FALSE(t.Marcada(Llengua::Castella));
        EXPECT_EQ(t.LlenguaDelsTextos(), Llengua::Castella);
        EsperarIguals(t, es);
    }
    // A language outside the menu changes nothing.
    TaulaMissatges t = EnCastella();
    EXPECT_EQ(t.CanviarLlengua(static_cast<Llengua>(6)), 1);
    EXPECT_EQ(t.CanviarLlengua(static_cast<Llengua>(-1)), 1);
    EXPECT_EQ(t.LlenguaActual(), Llengua::Castella);
    EsperarIguals(t, es);
}

TEST(Missatges, StartUpLanguage) {
    const Llengua ca = Llengua::Catala;
    const std::tuple<std::string, int, Llengua, Llengua> casos[] = {
        {"Catala", 0, ca, ca},
        {"Castellano", 0, Llengua::Castella, Llengua::Castella},
        {"Euskera", 0, Llengua::Euskera, ca},
        {"English", 0, Llengua::Angles, ca}, // as Euskera, Galego and Portugues
        {"", 1, ca, ca},
        {"Castellano ", 1, ca, ca},
        {std::string("Catala\0x", 8), 1, ca, ca},
        {std::string(5000, 'E'), 1, ca, ca},
    };
    const TaulaMissatges catala;
    for (const auto& [valor, estat, marcada, textos] : casos) {
        SCOPED_TRACE(valor.substr(0, 20));
        // Started from Spanish texts, so a start-up that loads nothing would show.
        TaulaMissatges t = EnCastella();
        EXPECT_EQ(t.IniciarLlengua(valor), estat);
        EXPECT_EQ(t.LlenguaActual(), marcada);
        EXPECT_EQ(t.LlenguaDelsTextos(), textos);
        if (textos == ca) EsperarIguals(t, catala);
        EXPECT_FALSE(t.Missatge(MissatgeNoPucObrir).empty());
    }
}

TEST(Missatges, SettingsNamesAndMenuItemsOfTheSixLanguages) {
    const char* noms[] = {"Catala", "Castellano", "Euskera", "Galego", "Portugues", "English"};
    for (int i = 0; i < NombreLlengues; ++i) {
        const auto l = static_cast<Llengua>(i);
        EXPECT_EQ(NomLlenguaConfiguracio(l), noms[i]);
        EXPECT_EQ(ComponentLlengua(l), std::string("Menu") + noms[i]);
        Llengua llegida = Llengua::Angles;
        EXPECT_EQ(LlenguaDeConfiguracio(noms[i], llegida), 0);
        EXPECT_EQ(llegida, l);
    }
    Llengua sense = Llengua::Galec;
    EXPECT_EQ(LlenguaDeConfiguracio("ENGLISH", sense), 1);
    EXPECT_EQ(sense, Llengua::Galec);
    EXPECT_TRUE(NomLlenguaConfiguracio(static_cast<Llengua>(7)).empty());
    EXPECT_TRUE(ComponentLlengua(static_cast<Llengua>(-3)).empty());
}

TEST(Titols, CaptionsInBothLanguages) {
    const std::tuple<std::string_view, std::string_view, const char*, const char*> casos[] = {
        {FormPrincipal, "MenuAnomenarIDesar", "&Anomenar i desar...", "Gu&ardar como..."},
        {FormPrincipal, "MenuArrels", "A&rrels", "&Raices"},
        {FormPrincipal, "MenuPuntsDinflexio", "Punts d'in&flexió", "Puntos de inflexión"},
        {FormPrincipal, "MenuErrorEnElsCalculs", "&Error en els càlculs...",
         "&Error en els cálculos..."},
        {FormPrincipal, "MenuEquaciDeRegressio", "Equació de regressió&...",
         "Ecuación de regresión&..."},
        {FormPrincipal, "MenuExecutarUnNouTracimaPeraWin32",
         "Executar un nou Tracima per a Win32...", "Ejecutar un nuevo Tracima para Win32..."},
        {FormEntradaDeDades, FormEntradaDeDades, "TRACIMA - Entrada de dades",
         "TRACIMA - Entrada de datos"},
        {FormEntradaDeDades, "LabelUEY", "Uni&tat Eix Y", "Uni&dad Eje Y"},
        {FormCoeficients, "LabelYMinim", "Y mímim:", "Y mímimo:"},
        {FormCoeficients, "GroupBoxErrorQuadraticMig", "Er. Quad. Mig", "Er. Cuad. Med."},
        // The interpolation dialog keeps its own spelling of "Siguiente".
        {FormNumericaInterpolacio, "BitBtnSeguent", "Següent", "Siquiente"},
        {FormNumericaRegressio, "BitBtnSeguent", "Següent", "Siguiente"},
        {FormQuinaEsNumerica, "GroupBoxTriarLaFuncio", "Triar la funció", "Escoger función"},
        {FormIntegrals, "BitBtn2", "Cancel.lar", "Cancelar"},
        {FormPuntsSingulars, "BitBtn2", "Cancel.lar", "Cancelar"},
    };
    TaulaMissatges t;
    for (const auto& [formulari, component, catala, castella] : casos) {
        SCOPED_TRACE(std::string(formulari) + "." + std::string(component));
        ASSERT_EQ(t.CanviarLlengua(Llengua::Catala), 0);
        EXPECT_EQ(t.Titol(formulari, component), catala);
        ASSERT_EQ(t.CanviarLlengua(Llengua::Castella), 0);
        EXPECT_EQ(t.Titol(formulari, component), castella);
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
    for (Llengua l : {Llengua::Castella, Llengua::Catala}) {
        ASSERT_EQ(t.CanviarLlengua(l), 0);
        for (const auto& [component, text] : fixos)
            EXPECT_EQ(t.TitolMenu(component), text);
        EXPECT_EQ(t.Titol(FormPuntsSingulars, FormPuntsSingulars), "Punts Singulars");
        EXPECT_EQ(t.Titol(FormUnaFuncio, FormUnaFuncio), "Canviar una funció");
        EXPECT_EQ(t.Titol(FormNumericaInterpolacio, "CheckBoxNomesPunts"), "Només punts");
        EXPECT_EQ(t.Titol(FormQuinaEsNumerica, "RadioButtonK"), "&K(x)");
    }
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
    const TaulaMissatges t;
    std::size_t total = 0;
    for (std::string_view f :
         {FormPrincipal, FormEntradaDeDades, FormCanviDeParametres, FormCoeficients, FormIntegrals,
          FormNumericaInterpolacio, FormNumericaRegressio, FormPuntsSingulars, FormQuinaEsNumerica,
          FormUnaFuncio}) {
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
