// The result state's fixed capacities, the label cut, the result curve's
// column range, the start-up options and the main window's state object.
#include "app/EstatPrincipal.h"

#include <gtest/gtest.h>

#include <string>

namespace tracima {
namespace {

TEST(EstatResultats, SegmentListHoldsExactly651) {
    EstatResultats r;
    for (int i = 1; i <= 651; ++i)
        ASSERT_EQ(r.Segments.Afegir(i, 1, i, 2), 0) << i;
    EXPECT_TRUE(r.Segments.Ple());
    EXPECT_EQ(r.Segments.Afegir(7, 7, 7, 7, true), LlistaPlena);
    EXPECT_EQ(r.Segments.nombre, 651);
    EXPECT_EQ(r.Segments.entrades[650].x1, 651);
    r.Segments.TreureUltim();
    EXPECT_EQ(r.Segments.nombre, 650);
    EXPECT_EQ(r.Segments.entrades[650].x1, 0);
    r.Segments.nombre = -1; // a corrupted count is refused, never used as an index
    EXPECT_EQ(r.Segments.Afegir(1, 1, 1, 1), LlistaPlena);
}

TEST(EstatResultats, LabelsHold651AndAreCutTo20Characters) {
    struct Cas {
        std::string text, esperat;
    };
    const std::string vint = "12345678901234567890";
    const Cas casos[] = {
        {"", ""},
        {"x = 2", "x = 2"},
        {vint, vint},
        {vint + "XYZ", vint},
    };
    EtiquetesResultat e;
    for (const Cas& c : casos) {
        ASSERT_EQ(e.Afegir(1, 2, c.text), 0);
        EXPECT_EQ(e.entrades[static_cast<std::size_t>(e.nombre - 1)].text, c.esperat);
    }
    // Characters, not bytes: 25 two-byte letters keep 20 (40 bytes).
    std::string llarg;
    for (int i = 0; i < 25; ++i)
        llarg += "à";
    e.Afegir(3, 4, llarg);
    const std::string& tallat = e.entrades[static_cast<std::size_t>(e.nombre - 1)].text;
    EXPECT_EQ(tallat.size(), 40u);
    EXPECT_EQ(tallat, llarg.substr(0, 40));
    // A lone continuation byte or a cut sequence never runs past the text.
    EXPECT_EQ(RetallarText("\x80\x80\x80", 1), "\x80\x80\x80");
    EXPECT_EQ(RetallarText("ab\xC3", 20), "ab\xC3");

    while (e.nombre < CapacitatResultats)
        ASSERT_EQ(e.Afegir(0, 0, "p"), 0);
    EXPECT_EQ(e.Afegir(0, 0, "q"), LlistaPlena);
    EXPECT_EQ(e.nombre, 651);
    e.Buidar();
    EXPECT_EQ(e.nombre, 0);
    EXPECT_TRUE(e.entrades[650].text.empty());
}

TEST(EstatResultats, ResultCurveCoversColumns20To620Only) {
    CorbaResultat c;
    const int columnes[] = {19, 20, 320, 620, 621, -5, 100000};
    for (int col : columnes)
        c.Fixar(col, col);
    EXPECT_FALSE(c.Valida(19));
    EXPECT_TRUE(c.Valida(20));
    EXPECT_EQ(c.Valor(20), 20);
    EXPECT_TRUE(c.Valida(620));
    EXPECT_EQ(c.valor[600], 620);
    EXPECT_FALSE(c.Valida(621));
    EXPECT_EQ(c.Valor(621), 0);
    c.Buidar();
    EXPECT_FALSE(c.Valida(320));
    EXPECT_EQ(c.Valor(320), 0);
}

TEST(EstatPrincipal, StartUpState) {
    const EstatPrincipal e;
    // Options menu at every start: only the singular points, tracing and low
    // precision are checked; the pen is one pixel wide.
    const OpcionsVista& o = e.Opcions;
    EXPECT_FALSE(o.MenuPissarra);
    EXPECT_FALSE(o.MenuTrama);
    EXPECT_FALSE(o.MenuMostrarValorUnitatEixos);
    EXPECT_TRUE(o.MenuMostrarElsPuntsSingulars);
    EXPECT_TRUE(o.MenuTrassarElsCalculs);
    EXPECT_FALSE(o.MenuMostrarCoordenadesDeLaRata);
    EXPECT_FALSE(o.MenuAlClicarEsmarquenLesCoordenades);
    EXPECT_TRUE(o.MenuPrecisioBaixa);
    EXPECT_FALSE(o.MenuTreureElsEixos);
    EXPECT_FALSE(o.MenuFuncionsEnNegre);
    EXPECT_FALSE(o.MenuNomsPunts);
    EXPECT_EQ(o.GruixLinies, 1);
    EXPECT_EQ(e.Vista.EscalaX, 1.0);
    EXPECT_EQ(e.Vista.EscalaY, 1.0);
    EXPECT_TRUE(e.Vista.DibuixarEixY);
    EXPECT_EQ(e.Resultats.AnalisiActiva, AnalisiCap);
    EXPECT_EQ(e.Resultats.Segments.nombre, 0);
    // Default axes -7.5..7.5 and -5..5: one column and one row are 0.025 wide.
    EXPECT_DOUBLE_EQ(e.Resultats.PrecisioX, 0.025);
    EXPECT_DOUBLE_EQ(e.Resultats.PrecisioY, 0.025);
    EXPECT_EQ(e.NomDocument, "SenseNom.trc");
    EXPECT_EQ(e.Parametres()[0], 1);
}

} // namespace
} // namespace tracima
