// The message table: which slots are filled in each language, exact texts with
// their odd blanks, the language switch and the start-up language.
#include "app/Missatges.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

namespace tracima {
namespace {

// Every slot the program reads, written out by hand.
std::set<int> SlotsLlegits() {
    std::set<int> s = {0, 1, 13, 15, 48, 80, 81, 89, 171};
    for (int i = 16; i <= 23; ++i)
        s.insert(i);
    for (int i = 27; i <= 38; ++i)
        s.insert(i);
    for (int i = 50; i <= 69; ++i)
        s.insert(i);
    for (int i = 100; i <= 104; ++i)
        s.insert(i);
    for (int i = 110; i <= 120; ++i)
        s.insert(i);
    s.erase(116); // there is no compile code 6
    for (int i = 178; i <= 182; ++i)
        s.insert(i);
    for (int i = 200; i <= 250; ++i)
        s.insert(i);
    s.erase(227);
    s.erase(235);
    return s;
}

bool BuitEnCatalaAProposit(int slot) {
    return slot >= 112 && slot <= 120;
}

TaulaMissatges EnCastella() {
    TaulaMissatges t;
    EXPECT_EQ(t.CanviarLlengua(Llengua::Castella), 0);
    return t;
}

TEST(Missatges, EverySlotReadHasATextInBothLanguagesAndNoOtherSlotHasOne) {
    const std::set<int> llegits = SlotsLlegits();
    const TaulaMissatges ca;
    const TaulaMissatges es = EnCastella();
    for (int slot = 0; slot < NombreSlots; ++slot) {
        SCOPED_TRACE(slot);
        if (llegits.count(slot) == 0) {
            EXPECT_TRUE(ca.Missatge(slot).empty());
            EXPECT_TRUE(es.Missatge(slot).empty());
            continue;
        }
        EXPECT_FALSE(es.Missatge(slot).empty());
        EXPECT_EQ(ca.Missatge(slot).empty(), BuitEnCatalaAProposit(slot));
    }
    for (int fora : {-1, NombreSlots, INT_MIN, INT_MAX}) {
        EXPECT_TRUE(ca.Missatge(fora).empty());
        EXPECT_TRUE(es.Missatge(fora).empty());
    }
}

TEST(Missatges, NamedSlotsAndBasesPointAtTheirTexts) {
    const TaulaMissatges t;
    EXPECT_EQ(t.Missatge(BaseTitolsAnalisi), "TRACIMA");
    EXPECT_EQ(t.Missatge(BaseTitolsAnalisi + 1), "Imatge de la funció en un punt");
    EXPECT_EQ(t.Missatge(BaseTitolsAnalisi + 3), "Arrels");
    EXPECT_EQ(t.Missatge(BaseTitolsAnalisi + 19), "Àrea compresa");
    EXPECT_EQ(t.Missatge(BaseEncapcalamentIntegral + 9), "Integral definida entre ");
    EXPECT_EQ(t.Missatge(BaseEncapcalamentIntegral + 10), "Integral de línia entre ");
    EXPECT_EQ(t.Missatge(MissatgeAreaEntre), "Àrea entre ");
    EXPECT_EQ(t.Missatge(BaseErrorSintaxiFuncio + 0), "La funció F(x) té un error de sintaxis");
    EXPECT_EQ(t.Missatge(BaseErrorSintaxiFuncio + 5), "La funció K(x) té un error de sintaxis");
    EXPECT_EQ(t.Missatge(MissatgeNoTeImatge), TextNoTeImatge);
    EXPECT_EQ(t.Missatge(MissatgeForaDeLaPantalla), TextForaDeLaPantalla);
    EXPECT_EQ(t.TitolPrograma(), "Tracima");
    EXPECT_EQ(EnCastella().TitolPrograma(), "Tracima");
}

struct TextExacte {
    Llengua llengua;
    int slot;
    const char* text;
};

// Bytes spelt out where the point is the blanks or the encoding.
const TextExacte TextsExactes[] = {
    {Llengua::Catala, 0, "NO t\xC3\xA9 imatge"},
    {Llengua::Catala, 171, "Copiar  a la carpeta?"},
    {Llengua::Castella, 171,
     "\xC2\xBF"
     "Copiar en el portapapeles?"},
    {Llengua::Castella, 179, "Final eje X    = "},
    {Llengua::Castella, 181, "Final eje Y    = "},
    {Llengua::Catala, 179, "Final eix X = "},
    {Llengua::Catala, 182, "Coeficient de correlació : "},
    {Llengua::Catala, 204, "No és possible dibuixar més punts. Netejar  la finestra."},
    {Llengua::Castella, 204, "No es posible dibuijar más puntos. Limpiar la ventana."},
    {Llengua::Castella, 203, "No puedo guarar el archivo"},
    {Llengua::Catala, 52, "Antiimatges del "},
    {Llengua::Castella, 100, "Error de cálculo "},
    {Llengua::Catala, 102,
     "Arrel de base negativa i índex parell (pot ésser una arrel quadrada "
     "d\xC2\xB4un número negatiu)"},
    {Llengua::Castella, 102,
     "Raiz de base negativa y índice par (puede ser una raiz cuadrada de "
     "un númer negativo)"},
    {Llengua::Catala, 104, "(Overflow)"},
    {Llengua::Catala, 110, "Error de Sintaxi"},
    {Llengua::Castella, 115, "Combinación de operaciones o funciones no permitida"},
    {Llengua::Catala, 237,
     "En una regressió exponencial (y=a.b^x),  el valor absolut de X ha de "
     "ser menor que 100000"},
    {Llengua::Catala, 240,
     "En una regressió exponencial  (y=a.b^x), NO pot haver-hi valors de  "
     "Y:  negatius, 0, o majors que 100000"},
    {Llengua::Castella, 242,
     "En una regresión potencial  (y=ax^b), NO puede haber valores de  X o "
     "Y:  negativos,  0, o mayores que 100000000"},
    {Llengua::Castella, 243,
     "Estos datos no permiten  calcular una regresión inversa del tipo: y = "
     "ax/(b+x)"},
    {Llengua::Catala, 244,
     "Actualment l'extensió, \"TRC\" associada al programa \"TRACIMA\" està "
     "associada a un altre programa. Vols associar aquesta extensió al "
     "programa: TRACIMA?"},
    {Llengua::Catala, 245,
     "- Càlcul de l\xC2\xB4"
     "antiimatge d\xC2\xB4un punt -"},
    {Llengua::Castella, 89, "Pos. dis. infinito"},
    {Llengua::Catala, 16, "Valor de la x massa petit."},
    {Llengua::Castella, 16, "Valor de x demasiado pequeño"},
    {Llengua::Castella, 22, "La función NO está definida en el valor x inicial"},
};

TEST(Missatges, ExactTexts) {
    for (const TextExacte& c : TextsExactes) {
        SCOPED_TRACE(c.slot);
        TaulaMissatges t;
        ASSERT_EQ(t.CanviarLlengua(c.llengua), 0);
        EXPECT_EQ(t.Missatge(c.slot), c.text);
    }
}

void EsperarIguals(const TaulaMissatges& a, const TaulaMissatges& b) {
    for (int slot = 0; slot < NombreSlots; ++slot)
        EXPECT_EQ(a.Missatge(slot), b.Missatge(slot)) << slot;
    EXPECT_EQ(a.TitolPrograma(), b.TitolPrograma());
    const auto ta = a.Titols();
    const auto tb = b.Titols();
    ASSERT_EQ(ta.size(), tb.size());
    for (std::size_t i = 0; i < ta.size(); ++i) {
        EXPECT_EQ(ta[i].formulari, tb[i].formulari);
        EXPECT_EQ(ta[i].component, tb[i].component);
        EXPECT_EQ(ta[i].text, tb[i].text) << ta[i].component;
    }
}

TEST(Missatges, SwitchingBackGivesExactlyTheStartUpTexts) {
    TaulaMissatges inici;
    ASSERT_EQ(inici.IniciarLlengua("Catala"), 0);
    TaulaMissatges t;
    ASSERT_EQ(t.IniciarLlengua("Castellano"), 0);
    ASSERT_EQ(t.CanviarLlengua(Llengua::Catala), 0);
    EsperarIguals(t, inici);
    // Spanish names of the compile codes must not survive the switch.
    EXPECT_TRUE(t.Missatge(BaseCodisCompilacio + 2).empty());

    TaulaMissatges inici_es;
    ASSERT_EQ(inici_es.IniciarLlengua("Castellano"), 0);
    ASSERT_EQ(t.CanviarLlengua(Llengua::Castella), 0);
    EsperarIguals(t, inici_es);
}

TEST(Missatges, TheFourOtherLanguagesOnlyMoveTheCheckMark) {
    for (Llengua altra : {Llengua::Euskera, Llengua::Galec, Llengua::Portugues, Llengua::Angles}) {
        TaulaMissatges t = EnCastella();
        const TaulaMissatges es = EnCastella();
        ASSERT_EQ(t.CanviarLlengua(altra), 0);
        EXPECT_EQ(t.LlenguaActual(), altra);
        EXPECT_TRUE(t.Marcada(altra));
        EXPECT_FALSE(t.Marcada(Llengua::Castella));
        EXPECT_EQ(t.LlenguaDelsTextos(), Llengua::Castella);
        EsperarIguals(t, es);
    }
}

TEST(Missatges, ALanguageOutsideTheMenuChangesNothing) {
    TaulaMissatges t = EnCastella();
    EXPECT_EQ(t.CanviarLlengua(static_cast<Llengua>(6)), 1);
    EXPECT_EQ(t.CanviarLlengua(static_cast<Llengua>(-1)), 1);
    EXPECT_EQ(t.LlenguaActual(), Llengua::Castella);
    EsperarIguals(t, EnCastella());
}

struct Inici {
    std::string valor;
    int estat;
    Llengua marcada;
    Llengua textos;
};

TEST(Missatges, StartUpLanguage) {
    const Inici casos[] = {
        {"Catala", 0, Llengua::Catala, Llengua::Catala},
        {"Castellano", 0, Llengua::Castella, Llengua::Castella},
        {"Euskera", 0, Llengua::Euskera, Llengua::Catala},
        {"Galego", 0, Llengua::Galec, Llengua::Catala},
        {"Portugues", 0, Llengua::Portugues, Llengua::Catala},
        {"English", 0, Llengua::Angles, Llengua::Catala},
        {"catala", 1, Llengua::Catala, Llengua::Catala},
        {"", 1, Llengua::Catala, Llengua::Catala},
        {"Castellano ", 1, Llengua::Catala, Llengua::Catala},
        {std::string("Catala\0x", 8), 1, Llengua::Catala, Llengua::Catala},
        {std::string(5000, 'E'), 1, Llengua::Catala, Llengua::Catala},
    };
    const TaulaMissatges catala;
    for (const Inici& c : casos) {
        SCOPED_TRACE(c.valor.substr(0, 20));
        // Started from Spanish texts, so a start-up that loads nothing would show.
        TaulaMissatges t = EnCastella();
        EXPECT_EQ(t.IniciarLlengua(c.valor), c.estat);
        EXPECT_EQ(t.LlenguaActual(), c.marcada);
        EXPECT_EQ(t.LlenguaDelsTextos(), c.textos);
        if (c.textos == Llengua::Catala) EsperarIguals(t, catala);
        EXPECT_FALSE(t.Missatge(MissatgeNoPucObrir).empty());
    }
}

TEST(Missatges, SettingsNamesAndMenuItemsOfTheSixLanguages) {
    const char* noms[] = {"Catala", "Castellano", "Euskera", "Galego", "Portugues", "English"};
    const char* items[] = {"MenuCatala", "MenuCastellano", "MenuEuskera",
                           "MenuGalego", "MenuPortugues",  "MenuEnglish"};
    for (int i = 0; i < NombreLlengues; ++i) {
        const auto l = static_cast<Llengua>(i);
        EXPECT_EQ(NomLlenguaConfiguracio(l), noms[i]);
        EXPECT_EQ(ComponentLlengua(l), items[i]);
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

} // namespace
} // namespace tracima
