// The message table (filled slots, exact texts, language switch and start-up) and the
// captions of menus and dialog controls with the access keys of a menu.
#include "text/EstructuraMenus.h"
#include "text/Llengues.h"
#include "text/Missatges.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <utility>

namespace tracima {
namespace {

// Every slot the program reads, written out by hand as ranges.
bool SlotLlegit(int slot) {
    const std::pair<int, int> trams[] = {{0, 1},     {13, 13},   {15, 23},   {27, 38},   {48, 48},
                                         {50, 69},   {80, 81},   {89, 89},   {100, 104}, {110, 115},
                                         {117, 120}, {171, 176}, {178, 182}, {200, 226}, {228, 234},
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
    for (int fora : {-1, NombreSlots, INT_MIN, INT_MAX})
        EXPECT_TRUE(ca.Missatge(fora).empty() && es.Missatge(fora).empty()) << fora;
    EXPECT_EQ(std::tuple(ca.TitolPrograma(), es.TitolPrograma()), std::tuple("Tracima", "Tracima"));
}

// Texts kept as they are, with their blanks, typos and encoding.
TEST(Missatges, ExactTexts) {
    const Llengua ca = Llengua::Catala, es = Llengua::Castella;
    const std::tuple<Llengua, int, std::string_view> casos[] = {
        {es, 203, "No puedo guarar el archivo"}, {es, 100, "Error de cálculo "},
        {ca, 171, "Copiar  a la carpeta?"}, {es, 171, "\u00BFCopiar en el portapapeles?"},
        {ca, MissatgeYMassaPetit, "Valor de la y massa petit"}, // not the x's "massa gran"
        {ca, 204, "No és possible dibuixar més punts. Netejar  la finestra."},
        {ca, 102, "Arrel de base negativa i índex parell (pot ésser una arrel quadrada "
                  "d\u00B4un número negatiu)"}};
    TaulaMissatges t;
    for (const auto& [llengua, slot, text] : casos) {
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

// A switch to Catalan or Spanish loads exactly the texts of a start-up in it (no Spanish
// name of a compile code survives a switch to Catalan); the other four only move the
// check mark, and a start-up in one of them shows the Catalan texts.
TEST(Missatges, TheSixLanguagesSwitchedToAndStartedIn) {
    const char* noms[] = {"Catala", "Castellano", "Euskera", "Galego", "Portugues", "English"};
    TaulaMissatges catala, es;
    ASSERT_EQ(es.IniciarLlengua("Castellano"), 0);
    for (int i = 0; i < NombreLlengues; ++i) {
        SCOPED_TRACE(noms[i]);
        const auto l = static_cast<Llengua>(i);
        TaulaMissatges t = EnCastella(), inici = EnCastella(); // a start-up must load texts
        ASSERT_EQ(t.CanviarLlengua(l), 0);
        ASSERT_EQ(inici.IniciarLlengua(noms[i]), 0);
        EXPECT_EQ(std::tuple(t.LlenguaActual(), t.Marcada(l), t.Marcada(Llengua::Castella),
                             t.LlenguaDelsTextos(), inici.LlenguaActual(),
                             inici.LlenguaDelsTextos()),
                  std::tuple(l, true, i == 1, i == 0 ? Llengua::Catala : Llengua::Castella, l,
                             i == 1 ? Llengua::Castella : Llengua::Catala));
        EsperarIguals(t, i == 0 ? catala : es);
        EsperarIguals(inici, i == 1 ? es : catala);
        Llengua llegida = Llengua::Angles;
        EXPECT_EQ(LlenguaDeConfiguracio(noms[i], llegida), 0);
        EXPECT_EQ(std::tuple(NomLlenguaConfiguracio(l), ComponentLlengua(l), llegida),
                  std::tuple(noms[i], std::string("Menu") + noms[i], l));
    }
    // Outside the six a switch changes nothing, a start-up gives Catalan, nothing is named.
    TaulaMissatges t = es;
    for (int fora : {6, -1}) EXPECT_EQ(t.CanviarLlengua(static_cast<Llengua>(fora)), 1);
    EXPECT_EQ(t.LlenguaActual(), Llengua::Castella);
    EsperarIguals(t, es);
    for (const std::string& valor : {std::string(), std::string("Castellano "),
                                     std::string("Catala\0x", 8), std::string(5000, 'E')}) {
        TaulaMissatges inici = es;
        EXPECT_EQ(inici.IniciarLlengua(valor), 1);
        EXPECT_EQ(std::pair(inici.LlenguaActual(), inici.LlenguaDelsTextos()),
                  std::pair(Llengua::Catala, Llengua::Catala));
        EsperarIguals(inici, catala);
    }
    Llengua sense = Llengua::Galec;
    EXPECT_EQ(LlenguaDeConfiguracio("ENGLISH", sense), 1);
    EXPECT_EQ(std::tuple(sense, NomLlenguaConfiguracio(static_cast<Llengua>(7)),
                         ComponentLlengua(static_cast<Llengua>(-3))),
              std::tuple(Llengua::Galec, "", ""));
}

// Every caption has its text in each language, found by its window and name only; the
// per-window lists together give the whole table.
TEST(Titols, EveryCaptionInBothLanguagesByWindowAndName) {
    TaulaMissatges t;
    for (Llengua l : {Llengua::Catala, Llengua::Castella}) {
        ASSERT_EQ(t.CanviarLlengua(l), 0);
        for (const TitolBilingue& b : TitolsBilingues())
            EXPECT_EQ(t.Titol(b.formulari, b.component),
                      l == Llengua::Catala ? b.catala : b.castella) << b.formulari << b.component;
        std::size_t total = 0;
        for (std::string_view f : {FormPrincipal, FormEntradaDeDades, FormCanviDeParametres,
                                   FormCoeficients, FormIntegrals, FormNumericaInterpolacio,
                                   FormNumericaRegressio, FormPuntsSingulars, FormQuinaEsNumerica,
                                   FormUnaFuncio}) {
            total += t.Titols(f).size();
            for (const TitolComponent& c : t.Titols(f))
                EXPECT_EQ(std::tuple(c.formulari, c.text), std::tuple(f, t.Titol(f, c.component)));
        }
        EXPECT_EQ(std::pair(t.Titols().size(), TitolsBilingues().size()), std::pair(total, total));
    }
    // Unknown names, a control asked of another window, and labels the program rewrites
    // while it runs have none.
    const std::pair<std::string_view, std::string_view> sense[] = {
        {FormPrincipal, "MenuQueNoExisteix"}, {FormPrincipal, ""}, {"", "MenuArxiu"},
        {FormEntradaDeDades, "MenuArxiu"}, {FormPrincipal, "PanelImatgeDerivadaLabelY"}};
    for (const auto& [f, c] : sense) EXPECT_EQ(t.Titol(f, c), "") << f << "." << c;
    EXPECT_TRUE(t.Titols("FormQueNoExisteix").empty());
    // The interpolation dialog keeps its own spelling of "Siguiente".
    EXPECT_EQ(std::tuple(t.Titol(FormNumericaInterpolacio, "BitBtnSeguent"),
                         t.Titol(FormNumericaRegressio, "BitBtnSeguent")),
              std::tuple("&Siquiente", "&Siguiente"));
}

// Within one menu no two items share an access key; every item of the menu bar
// has a caption.
TEST(Titols, AccessKeysOfAMenuDoNotClash) {
    TaulaMissatges t;
    for (int l : {0, 1}) {
        ASSERT_EQ(t.CanviarLlengua(static_cast<Llengua>(l)), 0);
        std::vector<std::string> menus = {"barra"}; // the bar, a menu and a submenu in it
        std::set<std::string> vistes;
        for (const ElementMenu& e : EstructuraMenus()) {
            using T = TipusElementMenu;
            if (e.tipus == T::FiSubmenu) menus.pop_back();
            if (e.tipus == T::Menu) menus.resize(1);
            if (e.component.empty()) continue;
            const std::string text(t.TitolMenu(e.component));
            const std::size_t i = text.find('&');
            EXPECT_FALSE(text.empty()) << e.component;
            // The language, the menu and the access key in lower case (every key is ASCII).
            const std::string clau = std::to_string(l) + " " + menus.back() + " " +
                                     (i + 1 < text.size() ? char(text[i + 1] | 0x20) : '-');
            EXPECT_TRUE(i == text.npos || vistes.insert(clau).second)
                << clau << " in " << e.component;
            if (e.tipus == T::Menu || e.tipus == T::Submenu) menus.emplace_back(e.component);
        }
    }
    for (const char* c : {"MenuTalls", "MenuArea"}) // the two items of "2 funcions"
        EXPECT_NE(t.Titol(FormPrincipal, c).find('&'), std::string_view::npos) << c;
}

} // namespace
} // namespace tracima
