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
TaulaMissatges En(Llengua l) {
    TaulaMissatges t;
    EXPECT_EQ(t.CanviarLlengua(l), 0);
    return t;
}

bool SlotLlegit(int slot) {
    const std::pair<int, int> trams[] =
        {{0, 1},     {13, 13},   {15, 23},   {27, 38},   {48, 48},
         {50, 70},   {80, 81},   {89, 89},   {100, 104}, {110, 115},
         {117, 120}, {170, 182}, {200, 226}, {228, 234}, {236, 250}}; // no compile code 6 (116)
    for (const auto& [de, fins] : trams)
        if (slot >= de && slot <= fins) return true;
    return false;
}

TEST(Missatges, EverySlotReadHasATextInEachLanguageAndNoOtherSlotHasOne) {
    for (Llengua l : LlenguesAmbTextos) {
        const TaulaMissatges t = En(l);
        for (int slot = 0; slot < NombreSlots; ++slot) {
            // The names of the compile codes are empty in Catalan on purpose.
            const bool buit =
                !SlotLlegit(slot) || (l == Llengua::Catala && slot >= 112 && slot <= 120);
            EXPECT_EQ(t.Missatge(slot).empty(), buit) << int(l) << " " << slot;
        }
        for (int fora : {-1, NombreSlots, INT_MIN, INT_MAX})
            EXPECT_TRUE(t.Missatge(fora).empty()) << fora;
        for (int i = 0; i <= static_cast<int>(TextFix::ILimits); ++i)
            EXPECT_FALSE(t.Text(static_cast<TextFix>(i)).empty()) << int(l) << " " << i;
        EXPECT_EQ(t.TitolPrograma(), "Tracima");
    }
}

// The desktop's locale decides the language of a first start.
TEST(Missatges, LanguageOfAFirstStartFromTheLocale) {
    const std::tuple<const char*, const char*, const char*, Llengua> casos[] = {
        {nullptr, nullptr, nullptr, Llengua::Catala},
        {nullptr, nullptr, "en_US.UTF-8", Llengua::Angles},
        {nullptr, nullptr, "es_ES.UTF-8", Llengua::Castella},
        {nullptr, nullptr, "ca_ES.UTF-8@valencia", Llengua::Catala},
        {nullptr, nullptr, "C", Llengua::Catala},
        {nullptr, nullptr, "POSIX", Llengua::Catala},
        {nullptr, nullptr, "fr_FR.UTF-8", Llengua::Catala},
        {"", "", "en_GB", Llengua::Angles}, // empty values are not set
        {nullptr, "es_AR.UTF-8", "en_US", Llengua::Castella},
        {"C", "es_ES", "en_US", Llengua::Catala}, // LC_ALL wins, even as C
        {"en", "es_ES", "ca_ES", Llengua::Angles},
        {nullptr, nullptr, "english", Llengua::Angles},
    };
    for (const auto& [tot, missatges, lang, llengua] : casos)
        EXPECT_EQ(LlenguaDelSistema(tot, missatges, lang), llengua)
            << (tot ? tot : "-") << " " << (missatges ? missatges : "-") << " "
            << (lang ? lang : "-");
}

// Texts kept as they are, with their blanks, typos and encoding.
TEST(Missatges, ExactTexts) {
    const Llengua ca = Llengua::Catala, es = Llengua::Castella;
    const std::tuple<Llengua, int, std::string_view> casos[] = {
        {es, 203, "No puedo guarar el archivo"},
        {es, 100, "Error de cálculo "},
        {ca, 171, "Copiar  a la carpeta?"},
        {es, 171, "\u00BFCopiar en el portapapeles?"},
        {ca, MissatgeYMassaPetit, "Valor de la y massa petit"}, // not the x's "massa gran"
        {ca, 204, "No és possible dibuixar més punts. Netejar  la finestra."},
        {Llengua::Angles, 28, "Definite integral between "},
        {Llengua::Angles, 53, "Roots"},
        {ca, 102,
         "Arrel de base negativa i índex parell (pot ésser una arrel quadrada "
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

// A switch to a language with texts loads exactly the texts of a start-up in it (no
// Spanish name of a compile code survives a switch to Catalan), whatever came before;
// the other three only move the check mark, and a start-up in one of them shows the
// Catalan texts.
TEST(Missatges, TheSixLanguagesSwitchedToAndStartedIn) {
    const char* noms[] = {"Catala", "Castellano", "Euskera", "Galego", "Portugues", "English"};
    TaulaMissatges inicis[NombreLlengues];
    for (int i = 0; i < NombreLlengues; ++i)
        ASSERT_EQ(inicis[i].IniciarLlengua(noms[i]), 0);
    const TaulaMissatges& catala = inicis[0];
    const TaulaMissatges& es = inicis[1];
    TaulaMissatges cami; // Catalan -> English -> Spanish -> English
    for (Llengua l : {Llengua::Angles, Llengua::Castella, Llengua::Angles}) {
        ASSERT_EQ(cami.CanviarLlengua(l), 0);
        EsperarIguals(cami, inicis[static_cast<int>(l)]);
    }
    for (int i = 0; i < NombreLlengues; ++i) {
        SCOPED_TRACE(noms[i]);
        const auto l = static_cast<Llengua>(i);
        const bool ambTextos = ColumnaDeTextos(l) >= 0;
        TaulaMissatges t = En(Llengua::Castella),
                       inici = En(Llengua::Castella); // a start-up must load texts
        ASSERT_EQ(t.CanviarLlengua(l), 0);
        ASSERT_EQ(inici.IniciarLlengua(noms[i]), 0);
        EXPECT_EQ(std::tuple(t.LlenguaActual(), t.Marcada(l), t.Marcada(Llengua::Castella),
                             t.LlenguaDelsTextos(), inici.LlenguaActual(),
                             inici.LlenguaDelsTextos()),
                  std::tuple(l, true, i == 1, ambTextos ? l : Llengua::Castella, l,
                             ambTextos ? l : Llengua::Catala));
        EsperarIguals(t, ambTextos ? inicis[i] : es);
        EsperarIguals(inici, ambTextos ? inicis[i] : catala);
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
TEST(Titols, EveryCaptionInEachLanguageByWindowAndName) {
    TaulaMissatges t;
    for (Llengua l : LlenguesAmbTextos) {
        ASSERT_EQ(t.CanviarLlengua(l), 0);
        for (const TitolTraduit& b : TitolsTraduits())
            EXPECT_EQ(t.Titol(b.formulari, b.component), b.text[ColumnaDeTextos(l)])
                << b.formulari << b.component;
        std::size_t total = 0;
        for (std::string_view f :
             {FormPrincipal, FormEntradaDeDades, FormCanviDeParametres, FormCoeficients,
              FormIntegrals, FormNumericaInterpolacio, FormNumericaRegressio, FormPuntsSingulars,
              FormQuinaEsNumerica, FormUnaFuncio, FormEstudi}) {
            total += t.Titols(f).size();
            for (const TitolComponent& c : t.Titols(f))
                EXPECT_EQ(std::tuple(c.formulari, c.text), std::tuple(f, t.Titol(f, c.component)));
        }
        EXPECT_EQ(std::pair(t.Titols().size(), TitolsTraduits().size()), std::pair(total, total));
    }
    // Unknown names, a control asked of another window, and labels the program rewrites
    // while it runs have none.
    const std::pair<std::string_view, std::string_view> sense[] = {
        {FormPrincipal, "MenuQueNoExisteix"}, {FormPrincipal, ""}, {"", "MenuArxiu"},
        {FormEntradaDeDades, "MenuArxiu"}, {FormPrincipal, "PanelImatgeDerivadaLabelY"}};
    for (const auto& [f, c] : sense) EXPECT_EQ(t.Titol(f, c), "") << f << "." << c;
    EXPECT_TRUE(t.Titols("FormQueNoExisteix").empty());
    const TaulaMissatges en = En(Llengua::Angles);
    EXPECT_EQ(std::tuple(en.TitolMenu("MenuArxiu"), en.TitolMenu("MenuOpcions"),
                         en.TitolMenu("Menu1funcio"), en.TitolMenu("Menu2funcions"),
                         en.TitolMenu("MenuAjuda")),
              std::tuple("&File", "&Options", "&1 function", "&2 functions", "&?"));
    // The interpolation dialog keeps its own spelling of "Siguiente".
    ASSERT_EQ(t.CanviarLlengua(Llengua::Castella), 0);
    EXPECT_EQ(std::tuple(t.Titol(FormNumericaInterpolacio, "BitBtnSeguent"),
                         t.Titol(FormNumericaRegressio, "BitBtnSeguent")),
              std::tuple("&Siquiente", "&Siguiente"));
}

// Within one menu no two items share an access key; every item of the menu bar
// has a caption.
TEST(Titols, AccessKeysOfAMenuDoNotClash) {
    TaulaMissatges t;
    for (Llengua llengua : LlenguesAmbTextos) {
        const int l = static_cast<int>(llengua);
        ASSERT_EQ(t.CanviarLlengua(llengua), 0);
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
