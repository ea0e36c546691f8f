// The result lists' fixed capacity, the label cut, the result curve's column
// range, the start-up options and the main window's state object.
#include "document/EstatPrincipal.h"

#include <gtest/gtest.h>

#include <string>

namespace tracima {
namespace {

TEST(EstatResultats, ListsHoldExactly651) {
    EstatResultats r;
    for (int i = 1; i <= 651; ++i) {
        ASSERT_EQ(r.Segments.Afegir(i, 1, i, 2), 0) << i;
        ASSERT_EQ(r.Etiquetes.Afegir(i, 0, "p"), 0) << i;
    }
    EXPECT_TRUE(r.Segments.Ple());
    EXPECT_EQ(r.Segments.Afegir(7, 7, 7, 7, true), LlistaPlena);
    EXPECT_EQ(r.Etiquetes.Afegir(0, 0, "q"), LlistaPlena);
    EXPECT_EQ(r.Segments.nombre, 651);
    EXPECT_EQ(r.Etiquetes.nombre, 651);
    EXPECT_EQ(r.Segments.entrades[650].x1, 651);
    r.Segments.TreureUltim();
    EXPECT_EQ(r.Segments.nombre, 650);
    EXPECT_EQ(r.Segments.entrades[650].x1, 0);
    r.Etiquetes.Buidar();
    EXPECT_EQ(r.Etiquetes.nombre, 0);
    EXPECT_TRUE(r.Etiquetes.entrades[650].text.empty());
    r.Segments.nombre = -1; // a corrupted count is refused, never used as an index
    EXPECT_EQ(r.Segments.Afegir(1, 1, 1, 1), LlistaPlena);
}

TEST(EstatResultats, LabelsAreCutTo20Characters) {
    const std::string vint = "12345678901234567890";
    std::string llarg; // 25 two-byte letters
    for (int i = 0; i < 25; ++i)
        llarg += "à";
    struct Cas {
        std::string text;
        int maxim;
        std::string esperat;
    };
    const Cas casos[] = {
        {"", 20, ""},
        {"x = 2", 20, "x = 2"},
        {vint, 20, vint},
        {vint + "XYZ", 20, vint},
        {llarg, 20, llarg.substr(0, 40)}, // characters, not bytes
        // A lone continuation byte or a cut sequence never runs past the text.
        {"\x80\x80\x80", 1, "\x80\x80\x80"},
        {"ab\xC3", 20, "ab\xC3"},
    };
    for (const Cas& c : casos)
        EXPECT_EQ(RetallarText(c.text, c.maxim), c.esperat) << c.text;
    EtiquetesResultat e;
    ASSERT_EQ(e.Afegir(1, 2, vint + "XYZ"), 0);
    EXPECT_EQ(e.entrades[0].text, vint);
}

TEST(EstatResultats, ResultCurveCoversColumns20To620Only) {
    CorbaResultat c;
    for (const int col : {19, 20, 320, 620, 621, -5, 100000}) {
        c.Fixar(col, col);
        const bool dins = col >= 20 && col <= 620;
        EXPECT_EQ(c.Valida(col), dins) << col;
        EXPECT_EQ(c.Valor(col), dins ? col : 0) << col;
    }
    EXPECT_EQ(c.valor[600], 620);
    c.Buidar();
    EXPECT_FALSE(c.Valida(320));
    EXPECT_EQ(c.Valor(320), 0);
}

TEST(EstatPrincipal, StartUpState) {
    const EstatPrincipal e;
    // Options menu at every start: only the singular points, tracing and low
    // precision are checked; the pen is one pixel wide.
    const OpcionsVista& o = e.Opcions;
    EXPECT_TRUE(o.MenuMostrarElsPuntsSingulars && o.MenuTrassarElsCalculs && o.MenuPrecisioBaixa);
    EXPECT_FALSE(o.MenuPissarra || o.MenuTrama || o.MenuMostrarValorUnitatEixos ||
                 o.MenuMostrarCoordenadesDeLaRata || o.MenuAlClicarEsmarquenLesCoordenades ||
                 o.MenuTreureElsEixos || o.MenuFuncionsEnNegre || o.MenuNomsPunts);
    EXPECT_EQ(o.GruixLinies, 1);
    EXPECT_EQ(e.Vista.EscalaX, 1.0);
    EXPECT_EQ(e.Vista.EscalaY, 1.0);
    EXPECT_TRUE(e.Vista.DibuixarEixY);
    // Default axes -7.5..7.5 and -5..5: one column and one row are 0.025 wide.
    EXPECT_DOUBLE_EQ(e.Resultats.PrecisioX, 0.025);
    EXPECT_DOUBLE_EQ(e.Resultats.PrecisioY, 0.025);
    EXPECT_EQ(e.NomDocument, "SenseNom.trc");
    EXPECT_EQ(e.Parametres()[0], 1);
}

} // namespace
} // namespace tracima
