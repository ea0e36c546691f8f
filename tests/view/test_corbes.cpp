// Curves from the column samples (colours by order of the defined slots, breaks,
// point discs), the result overlay (red segments, hatching fill, green curve,
// labels, status line), the clearing of the results and the repaint order.
#include "Bastida.h"

#include "engine/UnitCalcular.h"

#include <gtest/gtest.h>

namespace tracima {
namespace {

using namespace prova;

// The set with `textos` in slots F..K, applied on the axes given.
void Aplicar(Banc& b, const std::array<const char*, 6>& textos, const EixosFuncions& e) {
    ConjuntFuncions& cf = b.estat.Funcions;
    for (std::size_t i = 0; i < 6; ++i)
        cf.Slots[i].Text = textos[i];
    cf.Eixos = e;
    Calculador calc;
    ASSERT_EQ(AplicarFuncions(cf, calc), 0);
}

void DibuixarCorbes(Banc& b) {
    b.llenc.Esborrar();
    tracima::DibuixarCorbes(b.llenc, b.estat.Funcions, b.estat.Opcions, b.estat.Vista, &b.finestra);
}

TEST(Corbes, ColoursFollowTheOrderOfTheDefinedSlotsNotTheLetter) {
    Banc b;
    Aplicar(b, {"", "x", "", "", "2", ""}, Eixos(-5, 5, 1, -5, 5, 1)); // G and J
    DibuixarCorbes(b);
    EXPECT_EQ(b.Linies(ColorBlau).size(), 600u);  // G: y = x stays in rows 20..420
    EXPECT_EQ(b.Linies(ColorLlima).size(), 600u); // J
    EXPECT_TRUE(HiHaLinia(b.Linies(ColorLlima), 20, 140, 21, 140));
    EXPECT_TRUE(b.Linies(ColorFucsia).empty());
    ASSERT_FALSE(b.finestra.titols.empty());
    EXPECT_EQ(b.finestra.titols.back(), "Tracima"); // two functions
}

TEST(Corbes, ColourTable) {
    OpcionsVista o;
    const Color esperats[] = {ColorBlau, ColorLlima, ColorFucsia, ColorAqua, ColorGroc, ColorNegre};
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(ColorCorba(k, o), esperats[k - 1]) << k;
    EXPECT_EQ(ColorLlima, (Color{0, 255, 0}));
    EXPECT_EQ(ColorFucsia, (Color{255, 0, 255}));
    EXPECT_EQ(ColorAqua, (Color{0, 255, 255}));
    EXPECT_EQ(ColorGroc, (Color{255, 255, 0}));
    EXPECT_EQ(ColorVerd, (Color{0, 128, 0}));
    o.MenuFuncionsEnNegre = true;
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(ColorCorba(k, o), ColorNegre) << k;
}

TEST(Corbes, OneOverXIsNotJoinedAcrossZero) {
    Banc b;
    Aplicar(b, {"1/x", "", "", "", "", ""}, Eixos(-5, 5, 1, -5, 5, 1));
    DibuixarCorbes(b);
    const auto blaves = b.Linies(ColorBlau);
    // Column c is x = (c - 320) / 60; the row 220 - 40 / x is inside 0..440 exactly
    // when |c - 320| >= 11, so the lines are c = 21..309 and c = 332..620.
    EXPECT_EQ(blaves.size(), 2u * 289u);
    for (const auto& l : blaves) {
        EXPECT_EQ(l.x2, l.x1 + 1);
        EXPECT_FALSE(l.x1 >= 309 && l.x2 <= 331) << l.x1;
        EXPECT_GE(std::min(l.y1, l.y2), 0);
        EXPECT_LE(std::max(l.y1, l.y2), 440);
    }
}

TEST(Corbes, AColumnUndefinedAloneLosesOneLineOnEachSide) {
    Banc b;
    Aplicar(b, {"x/x", "", "", "", "", ""}, Eixos(-5, 5, 1, -5, 5, 1)); // 0/0 at column 320
    DibuixarCorbes(b);
    const auto blaves = b.Linies(ColorBlau);
    EXPECT_EQ(blaves.size(), 598u);
    EXPECT_FALSE(HiHaLinia(blaves, 319, 180, 320, 180));
    EXPECT_FALSE(HiHaLinia(blaves, 320, 180, 321, 180));
    EXPECT_TRUE(HiHaLinia(blaves, 318, 180, 319, 180));
    EXPECT_TRUE(HiHaLinia(blaves, 321, 180, 322, 180));
}

// A slot with a numeric label and the points (1, 2) and (-2, 0.5); its samples
// keep the reset state (defined, joined, row 0).
void Numerica(Banc& b, std::string_view etiqueta, bool mostrarPunts) {
    ConjuntFuncions& cf = b.estat.Funcions;
    cf.Slots[0].Text = etiqueta;
    FuncioNumerica& f = cf.Slots[0].Numerica;
    f.NombrePunts = 2;
    f.ValorsX[0] = 1;
    f.ValorsY[0] = 2;
    f.ValorsX[1] = -2;
    f.ValorsY[1] = 0.5;
    f.MostrarPunts = mostrarPunts;
    cf.NombreFuncions = 1;
    cf.FuncioUnica = {1, std::string(etiqueta)};
}

TEST(Corbes, PointDiscsOfNumericFunctions) {
    struct Cas {
        const char* nom;
        std::string_view etiqueta;
        bool mostrarPunts, nomesPunts;
        int amplada, alcada;
        std::size_t discos, linies;
    };
    const Cas casos[] = {
        {"RegressionAlways", EtiquetesRegressio[1], false, false, 640, 460, 2, 600},
        {"InterpolationHidden", EtiquetaInterpolacio, false, false, 640, 460, 0, 600},
        {"InterpolationShown", EtiquetaInterpolacioLineal, true, false, 640, 460, 2, 600},
        {"PointsOnly", EtiquetaInterpolacio, true, true, 640, 460, 2, 0},
        {"DoubleWindow", EtiquetesRegressio[5], false, false, 1280, 920, 2, 600},
    };
    for (const Cas& c : casos) {
        Banc b(c.amplada, c.alcada);
        Numerica(b, c.etiqueta, c.mostrarPunts);
        b.estat.Opcions.MenuNomsPunts = c.nomesPunts;
        DibuixarCorbes(b);
        const auto discos = b.llenc.DelTipus(Tipus::Ellipse);
        ASSERT_EQ(discos.size(), c.discos) << c.nom;
        EXPECT_EQ(b.Linies(ColorBlau).size(), c.linies) << c.nom;
        if (c.discos == 0) continue;
        // (1, 2) is logical (360, 140), (-2, 0.5) is (240, 200); radius 3 pixels
        // at any window size.
        const int f = c.amplada / 640;
        EXPECT_EQ(discos[0].x1, 360 * f - 3) << c.nom;
        EXPECT_EQ(discos[0].y1, 140 * f - 3) << c.nom;
        EXPECT_EQ(discos[0].x2, 360 * f + 3) << c.nom;
        EXPECT_EQ(discos[0].y2, 140 * f + 3) << c.nom;
        EXPECT_EQ(discos[1].x1, 240 * f - 3) << c.nom;
        EXPECT_EQ(discos[1].y1, 200 * f - 3) << c.nom;
        EXPECT_EQ(discos[0].color, ColorBlau) << c.nom;
    }
}

// With one function a repaint leaves the caption alone: the formula, or the
// title of a scan cancelled in its pause dialog.
TEST(Corbes, BlackDrawingKeepsTheCaption) {
    Banc b;
    Aplicar(b, {"x^2", "", "", "", "", ""}, Eixos(-5, 5, 1, -5, 5, 1));
    b.estat.Opcions.MenuFuncionsEnNegre = true;
    b.finestra.FixarTitolFinestra("Arrels");
    DibuixarCorbes(b);
    EXPECT_TRUE(b.Linies(ColorBlau).empty());
    EXPECT_FALSE(b.Linies(ColorNegre).empty());
    EXPECT_EQ(b.finestra.titols.back(), "Arrels");
}

// --- Overlay -----------------------------------------------------------------

std::vector<int> ColumnesDeFarciment(const std::vector<Crida>& vermelles, int y1, int y2) {
    std::vector<int> r;
    for (const auto& l : vermelles)
        if (l.x1 == l.x2 && l.y1 == y1 && l.y2 == y2 && l.x1 % 3 != 0) r.push_back(l.x1);
    std::sort(r.begin(), r.end());
    return r;
}

TEST(Resultats, HatchingIsSolidOnAWiderWindowInBothDirections) {
    struct Cas {
        const char* nom;
        std::array<int, 3> columnes;
        std::array<bool, 3> omplert;
        int escala;
        std::vector<int> farciment;
    };
    const Cas casos[] = {
        {"LeftToRight", {100, 101, 102}, {true, true, true}, 3, {301, 302, 304, 305}},
        {"RightToLeft", {102, 101, 100}, {true, true, true}, 3, {301, 302, 304, 305}},
        {"NotFlagged", {100, 101, 102}, {false, false, false}, 3, {}},
        {"BrokenRun", {100, 101, 102}, {true, false, true}, 3, {}},
        {"ScaleOne", {100, 101, 102}, {true, true, true}, 1, {}},
    };
    for (const Cas& c : casos) {
        Banc b(640 * c.escala, 460 * c.escala);
        for (int i = 0; i < 3; ++i)
            b.estat.Resultats.Segments.Afegir(c.columnes[i], 220, c.columnes[i], 300, c.omplert[i]);
        b.Resultats();
        const auto vermelles = b.Linies(ColorVermell);
        EXPECT_EQ(vermelles.size(), 3 + c.farciment.size()) << c.nom;
        EXPECT_TRUE(
            HiHaLinia(vermelles, 100 * c.escala, 220 * c.escala, 100 * c.escala, 300 * c.escala))
            << c.nom;
        if (c.escala == 3) {
            EXPECT_EQ(ColumnesDeFarciment(vermelles, 660, 900), c.farciment) << c.nom;
        }
    }
}

TEST(Resultats, GreenCurveJoinsValidNeighboursFrom23To618) {
    struct Cas {
        const char* nom;
        int des, fins; // valid columns, value 1 (row 180)
        bool mostrar, parcial;
        int columnaFinal;
        std::size_t linies;
    };
    const Cas casos[] = {
        {"StartsAt24", 22, 40, true, false, 0, 17}, // lines ending at 24..40
        {"EndsAt618", 610, 620, true, false, 0, 8}, // 611..618
        {"Partial", 22, 40, true, true, 30, 7},     // 24..30
        {"Hidden", 22, 40, false, false, 0, 0},
    };
    for (const Cas& c : casos) {
        Banc b;
        CorbaResultat& corba = b.estat.Resultats.Corba;
        for (int col = c.des; col <= c.fins; ++col)
            corba.Fixar(col, 1);
        corba.MostrarCorbaResultat = c.mostrar;
        corba.CorbaParcial = c.parcial;
        corba.ColumnaFinalCorba = c.columnaFinal;
        b.Resultats();
        const auto verdes = b.Linies(ColorVerd);
        EXPECT_EQ(verdes.size(), c.linies) << c.nom;
        for (const auto& l : verdes) {
            EXPECT_EQ(l.y1, 180) << c.nom;
            EXPECT_EQ(l.x2, l.x1 + 1) << c.nom;
        }
    }
}

TEST(Resultats, LabelsAboveOrBelowTheirRowAndTheSingularPointsOption) {
    struct Cas {
        int amplada, alcada;
        int columna, fila;
        int x, y;
    };
    const Cas casos[] = {
        {640, 460, 360, 180, 360, 178},  // above the axis row 220: 2 pixels up
        {640, 460, 360, 260, 360, 262},  // below: 2 pixels down
        {640, 460, 300, 220, 300, 222},  // on the axis counts as below
        {1280, 920, 360, 260, 720, 522}, // the 2-pixel gap does not scale
    };
    for (const Cas& c : casos) {
        Banc b(c.amplada, c.alcada);
        EstatResultats& r = b.estat.Resultats;
        r.Etiquetes.Afegir(c.columna, c.fila, "x = 1");
        b.Resultats();
        auto textos = b.Textos();
        ASSERT_EQ(textos.size(), 1u);
        EXPECT_EQ(textos[0].x1, c.x);
        EXPECT_EQ(textos[0].y1, c.y);
        EXPECT_EQ(textos[0].text, "x = 1");

        b.estat.Opcions.MenuMostrarElsPuntsSingulars = false;
        b.Resultats();
        EXPECT_TRUE(b.Textos().empty());
        b.estat.Opcions.MenuMostrarElsPuntsSingulars = true;
        b.Resultats();
        EXPECT_EQ(b.Textos().size(), 1u);
    }
    Banc b;
    EXPECT_EQ(DibuixarEtiqueta(b.llenc, b.estat.Resultats, 0, b.estat.Funcions.Eixos,
                               b.estat.Opcions, b.estat.Vista),
              1);
    EXPECT_TRUE(b.llenc.crides.empty());
}

TEST(Resultats, StatusLineTwentyPixelsAboveTheBottomInTheTextColour) {
    struct Cas {
        int amplada, alcada;
        bool pissarra;
        int y;
        Color text, fons;
    };
    const Cas casos[] = {{640, 460, false, 440, ColorNegre, ColorBlanc},
                         {1280, 920, false, 900, ColorNegre, ColorBlanc},
                         {640, 460, true, 440, ColorBlanc, ColorNegre}};
    for (const Cas& c : casos) {
        Banc b(c.amplada, c.alcada);
        b.estat.Opcions.MenuPissarra = c.pissarra;
        b.estat.Resultats.TextEstat = "Arrels";
        b.Resultats();
        const auto textos = b.Textos();
        ASSERT_EQ(textos.size(), 1u);
        EXPECT_EQ(textos[0].x1, 10);
        EXPECT_EQ(textos[0].y1, c.y);
        EXPECT_EQ(textos[0].color, c.text);
        EXPECT_EQ(textos[0].fons, c.fons);
    }
}

TEST(Resultats, CountsBeyondTheCapacityAreNotRead) {
    Banc b;
    b.estat.Resultats.Segments.nombre = 100000;
    b.estat.Resultats.Etiquetes.nombre = -3;
    b.Resultats();
    EXPECT_EQ(b.Linies(ColorVermell).size(), static_cast<std::size_t>(CapacitatResultats));
    EXPECT_TRUE(b.Textos().empty());
}

// --- Clearing and repaint ----------------------------------------------------

void OmplirResultats(EstatResultats& r) {
    r.AnalisiActiva = AnalisiArrels;
    r.Segments.Afegir(100, 216, 100, 224, true);
    r.Etiquetes.Afegir(100, 220, "-2");
    r.Corba.Fixar(50, 3);
    r.Corba.Fixar(51, 3);
    r.Corba.MostrarCorbaResultat = true;
    r.Corba.CorbaParcial = true;
    r.TextEstat = "Arrels";
    r.PausaDemanada = true;
    r.AturarCalcul = true;
    r.PrecisioX = r.PrecisioY = 0;
}

TEST(Netejar, ClearsTheOverlaySetsThePrecisionsAndRepaints) {
    struct Cas {
        const char* nom;
        std::array<const char*, 6> textos;
        const char* titol;
        double precisioX, precisioY;
    };
    const Cas casos[] = {
        // X -10..10: one column is 20/600 wide; Y -5..5: one row is 10/400 high.
        {"OneFunction", {"x^2", "", "", "", "", ""}, "x^2", 1.0 / 30, 0.025},
        {"TwoFunctions", {"x", "", "x+1", "", "", ""}, "Tracima", 1.0 / 30, 0.025},
    };
    for (const Cas& c : casos) {
        Banc b;
        Aplicar(b, c.textos, Eixos(-10, 10, 1, -5, 5, 1));
        EstatResultats& r = b.estat.Resultats;
        OmplirResultats(r);
        NetejarResultats(r, b.estat.Funcions, b.finestra);
        EXPECT_EQ(r.AnalisiActiva, AnalisiCap) << c.nom;
        EXPECT_EQ(r.Segments.nombre, 0) << c.nom;
        EXPECT_FALSE(r.Segments.entrades[0].omplert) << c.nom;
        EXPECT_EQ(r.Segments.entrades[0].x1, 0) << c.nom;
        EXPECT_EQ(r.Etiquetes.nombre, 0) << c.nom;
        EXPECT_TRUE(r.Etiquetes.entrades[0].text.empty()) << c.nom;
        EXPECT_FALSE(r.Corba.MostrarCorbaResultat) << c.nom;
        EXPECT_FALSE(r.Corba.CorbaParcial) << c.nom;
        EXPECT_FALSE(r.PausaDemanada) << c.nom;
        EXPECT_FALSE(r.AturarCalcul) << c.nom;
        EXPECT_TRUE(r.TextEstat.empty()) << c.nom;
        EXPECT_NEAR(r.PrecisioX, c.precisioX, 1e-7) << c.nom;
        EXPECT_DOUBLE_EQ(r.PrecisioY, c.precisioY) << c.nom;
        EXPECT_EQ(b.finestra.panellsAmagats, 1) << c.nom;
        EXPECT_EQ(b.finestra.repintats, 1) << c.nom;
        ASSERT_FALSE(b.finestra.titols.empty());
        EXPECT_EQ(b.finestra.titols.back(), c.titol) << c.nom;
        b.Repintar();
        EXPECT_TRUE(b.Linies(ColorVermell).empty()) << c.nom;
        EXPECT_TRUE(b.Linies(ColorVerd).empty()) << c.nom;
    }
}

// First and last index of the calls that satisfy `p` (-1 when none).
template <typename P> std::pair<int, int> Interval(const std::vector<Crida>& crides, P p) {
    int primer = -1, darrer = -1;
    for (int i = 0; i < static_cast<int>(crides.size()); ++i)
        if (p(crides[static_cast<std::size_t>(i)])) {
            if (primer < 0) primer = i;
            darrer = i;
        }
    return {primer, darrer};
}

TEST(Repintar, BackgroundAxesCurvesThenOverlay) {
    Banc b;
    Aplicar(b, {"x", "", "", "", "", ""}, Eixos(-5, 5, 1, -5, 5, 1));
    OmplirResultats(b.estat.Resultats);
    b.estat.Resultats.Corba.CorbaParcial = false;
    b.estat.Resultats.Corba.Fixar(52, 3);
    b.Repintar();
    const auto& crides = b.llenc.crides;
    ASSERT_FALSE(crides.empty());
    EXPECT_EQ(crides[0].tipus, Tipus::Rectangle);
    EXPECT_EQ(crides[0].x2, 640);
    EXPECT_EQ(crides[0].y2, 460);
    EXPECT_EQ(crides[0].color, ColorBlanc);
    auto linia = [](Color c) {
        return [c](const Crida& k) { return k.tipus == Tipus::Linia && k.color == c; };
    };
    const auto grisos = Interval(crides, linia(ColorGris));
    const auto blaves = Interval(crides, linia(ColorBlau));
    const auto vermelles = Interval(crides, linia(ColorVermell));
    const auto verdes = Interval(crides, linia(ColorVerd));
    const auto estat = Interval(crides, [](const Crida& k) { return k.text == "Arrels"; });
    ASSERT_GE(grisos.first, 1);
    EXPECT_LT(grisos.second, blaves.first);
    EXPECT_LT(blaves.second, vermelles.first);
    EXPECT_LT(vermelles.second, verdes.first);
    EXPECT_EQ(estat.first, static_cast<int>(crides.size()) - 1);
    EXPECT_TRUE(b.finestra.titols.empty()); // one function: the caption is left alone
}

TEST(Repintar, HiddenAxesKeepTheCurvesAndTheVerticalAxisComesBack) {
    Banc b;
    Aplicar(b, {"x", "", "", "", "", ""}, Eixos(-5, 5, 1, -5, 5, 1));
    b.Repintar();
    const auto abans = b.Linies(ColorBlau);
    b.estat.Opcions.MenuTreureElsEixos = true;
    b.Repintar();
    EXPECT_TRUE(b.Linies(ColorGris).empty());
    EXPECT_TRUE(b.Textos().empty());
    const auto despres = b.Linies(ColorBlau);
    ASSERT_EQ(abans.size(), despres.size());
    for (std::size_t i = 0; i < abans.size(); ++i)
        EXPECT_EQ(abans[i].y1, despres[i].y1);

    b.estat.Opcions.MenuTreureElsEixos = false;
    b.estat.Vista.DibuixarEixY = false; // a cut lies on the vertical axis column
    b.Repintar();
    EXPECT_FALSE(HiHaLinia(b.Linies(ColorGris), 320, 20, 320, 420));
    EXPECT_TRUE(b.estat.Vista.DibuixarEixY);
    b.Repintar();
    EXPECT_TRUE(HiHaLinia(b.Linies(ColorGris), 320, 20, 320, 420));
}

TEST(Repintar, BlackBoardAndTheWindowSize) {
    Banc b;
    b.estat.Opcions.MenuPissarra = true;
    b.llenc.FixarMida(1280, 920);
    b.Repintar();
    EXPECT_EQ(b.llenc.crides[0].color, ColorNegre);
    EXPECT_EQ(b.llenc.crides[0].x2, 1280);
    EXPECT_EQ(b.estat.Vista.EscalaX, 2.0);
    EXPECT_EQ(b.estat.Vista.EscalaY, 2.0);
    EXPECT_EQ(b.estat.Vista.AlcadaClient, 920);
}

TEST(Repintar, LineWidthAppliesToAxesCurvesAndResultsButNotTheGrid) {
    Banc b;
    Aplicar(b, {"x", "", "", "", "", ""}, Eixos(-5, 5, 1, -5, 5, 1));
    OpcionsVista& o = b.estat.Opcions;
    EXPECT_EQ(DisminuirGruixLinies(o), 1);
    EXPECT_EQ(o.GruixLinies, 1);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(AugmentarGruixLinies(o), 0);
    EXPECT_EQ(o.GruixLinies, 6);
    o.MenuTrama = true;
    b.estat.Resultats.Segments.Afegir(100, 200, 100, 240);
    b.Repintar();
    for (const auto& l : b.llenc.DelTipus(Tipus::Linia)) {
        if (l.color == ColorGris && l.estil == EstilLlapis::Puntejat)
            EXPECT_EQ(l.gruix, 1);
        else
            EXPECT_EQ(l.gruix, 6);
    }
    EXPECT_EQ(b.Linies(ColorVermell).size(), 1u);
}

} // namespace
} // namespace tracima
